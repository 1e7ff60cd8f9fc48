#pragma once

#include "core/Colors.h"
#include "ui/ControlDesign.h"

#include <span>
#include <string_view>

// TForm1, the main window, as data: its caption, client area and font, every control in
// creation order, the command bar with its items, and the gradient caption's settings.
namespace ui::mainwindow {

inline constexpr std::string_view kCaption = "Vantorel 99/00 V2.5";
inline constexpr int kClientWidth = 617;
inline constexpr int kClientHeight = 281;
inline constexpr FontDesign kFont{"MS Sans Serif", 11, fsRegular, core::clWindowText};

// Every control but the command bar's items, in creation order: labels, Apply Changes, the hidden
// text control, the group boxes each followed by its fields or list, the command bar, the pickers.
std::span<const ControlDesign> controls();
// The control of that name among controls(); throws std::out_of_range for any other name.
const ControlDesign& control(std::string_view name);
// "Edit1".."Edit10" for field 0..9.
const ControlDesign& placeField(int field);

// ListBox1's row height.
inline constexpr int kListItemHeight = 14;
// The font picker lists TrueType families only.
inline constexpr bool kFontPickerTrueTypeOnly = true;

// SpeedBar1: buttons of this size at these offsets, in two sections; the bar stretches each
// glyph to its button and lets nothing be dragged or rearranged.
struct SpeedBarDesign {
    int buttonWidth = 24;
    int buttonHeight = 24;
    int offsetHorz = 3;
    int offsetVert = 3;
    std::span<const std::string_view> sections;
    // Every item's glyph-to-text spacing, margin (-1: centred) and glyph above its text.
    int itemSpacing = 1;
    int itemMargin = -1;
};
const SpeedBarDesign& speedBar();

// One command of the bar: the control (caption, hint, box on the bar, start state), the
// section it belongs to, its glyph's name, and its group (0: a plain button; a toggle that
// may be released has its own group and allowAllUp).
struct SpeedItemDesign {
    ControlDesign control;
    std::string_view section;
    std::string_view glyph;
    int groupIndex = 0;
    bool allowAllUp = false;
};
// In creation order: New, Open, Save, Font, Tip of the Day, About.
std::span<const SpeedItemDesign> speedItems();
// The item of that name ("SpeedItem1".."SpeedItem6"); throws std::out_of_range for any other.
const SpeedItemDesign& speedItem(std::string_view name);

// GradientCaption1: the window's caption text in 32 bands from a light blue.
struct GradientCaptionDesign {
    std::string_view caption = kCaption;
    int gradientSteps = 32;
    core::TColor startColor = core::rgb(0, 128, 255);
};
inline constexpr GradientCaptionDesign kGradientCaption{};

} // namespace ui::mainwindow
