#pragma once

#include "ui/ControlDesign.h"

// Where a window's caption strip lies in its frame, from the frame's style and the system's
// frame metrics; both front ends paint the gradient caption into it.
namespace ui {

enum class TFormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

struct TBorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    bool help = false;
};

// The system's frame metrics in pixels: SM_CXFRAME/SM_CYFRAME, SM_CXDLGFRAME/SM_CYDLGFRAME,
// SM_CYCAPTION, SM_CYSMCAPTION, SM_CXSIZE, SM_CXSMSIZE, SM_CXSMICON/SM_CYSMICON.
struct FrameMetrics {
    int frameWidth = 0;
    int frameHeight = 0;
    int dialogFrameWidth = 0;
    int dialogFrameHeight = 0;
    int captionHeight = 0; // including the one-pixel line below the caption
    int smallCaptionHeight = 0;
    int captionButtonWidth = 0;
    int smallCaptionButtonWidth = 0;
    int smallIconWidth = 0;
    int smallIconHeight = 0;
};

// The title-bar buttons a window of this border style really shows.
TBorderIcons effectiveBorderIcons(TFormBorderStyle style, TBorderIcons icons);

// How many button widths the caption strip leaves free at its right: one per effective icon,
// plus one when exactly one of minimise and maximise is there (the other is then shown greyed).
int captionButtonCount(TFormBorderStyle style, TBorderIcons icons);

// The frame of a window, its caption strip and its buttons, in window coordinates.
struct CaptionGeometry {
    Box strip;      // the painted gradient strip; empty without a border
    Box buttonArea; // the rest of the caption row, where the buttons sit
    Box close;      // button rectangles (for a frame drawn by the program); empty when not shown
    Box maximize;
    Box minimize;
    Box help;
    int clientLeft = 0; // where the client area starts
    int clientTop = 0;
    int frameWidth = 0; // frame thickness left/right and top/bottom
    int frameHeight = 0;
    bool drawsIcon = false;
};

CaptionGeometry captionGeometry(int windowWidth, int windowHeight, TFormBorderStyle style, TBorderIcons icons,
                                const FrameMetrics& metrics);

// The window size that holds a client area of the given size under this frame.
struct Size {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const Size&) const = default;
};
Size windowSizeFor(int clientWidth, int clientHeight, TFormBorderStyle style, const FrameMetrics& metrics);

// In a strip W x H: the gradient's rectangle, starting a quarter of W left of the strip.
Box gradientBox(int stripWidth, int stripHeight);
// The small icon's place in the strip: x = (H - icon width) / 2 + 1, y = (H - icon height) / 2.
Box captionIconBox(int stripHeight, const FrameMetrics& metrics);
// Where the caption text starts: 2 pixels into the text area, which follows the icon.
int captionTextLeft(int stripHeight, bool drawsIcon);

} // namespace ui
