#pragma once

#include <QFont>

// Window-frame metrics of the classic Windows desktop at 96 dots per inch. A
// frameless window that draws its own caption uses them so that it keeps the
// proportions the program was laid out for.
namespace platform::metrics {

// Height of a caption bar including the one-pixel line below it (SM_CYCAPTION).
constexpr int kCaptionHeight = 19;
// Width and height of a caption button cell (SM_CXSIZE, SM_CYSIZE).
constexpr int kCaptionButtonWidth = 18;
constexpr int kCaptionButtonHeight = 18;
// The same for the small caption of a tool window (SM_CYSMCAPTION, SM_CXSMSIZE).
constexpr int kSmallCaptionHeight = 16;
constexpr int kSmallCaptionButtonWidth = 15;
// Frame of a sizeable window (SM_CXFRAME, SM_CYFRAME).
constexpr int kFrameWidth = 4;
constexpr int kFrameHeight = 4;
// Frame of a fixed-size (single border) window or dialog (SM_CXDLGFRAME, SM_CYDLGFRAME).
constexpr int kDialogFrameWidth = 3;
constexpr int kDialogFrameHeight = 3;
// Small icon, as in a caption (SM_CXSMICON, SM_CYSMICON).
constexpr int kSmallIconWidth = 16;
constexpr int kSmallIconHeight = 16;

// Whether the desktop draws captions as a gradient (SPI_GETGRADIENTCAPTIONS).
// Linux desktops have no such setting and nothing to ask; a query that cannot
// be answered counts as "off". Off also keeps an inactive caption legible: a
// solid inactive caption is then the dark inactive-caption grey under the light
// inactive text, where "on" would put that text on the pale gradient end colour.
constexpr bool kGradientCaptions = false;

// The caption font of the classic desktop, "MS Sans Serif" 8 pt bold, at its
// 96-dpi size of 11 pixels so that it fits the caption height above whatever
// the screen's resolution. Desktop title-bar fonts (where a platform theme names
// one at all) are made for the desktop's own, taller, title bars.
constexpr int kCaptionFontPixelSize = 11;
QFont captionFont();

} // namespace platform::metrics
