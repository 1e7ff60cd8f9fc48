#pragma once

#include "ui/FormDesign.h"

#include <array>

// The Tip of the Day window, TForm3: a pale yellow card with the tip, "Next Tip", "OK" and the
// "Hide Tip on Startup" choice.
namespace ui::tipwin {

inline constexpr core::TColor kCardColor = core::rgb(255, 255, 206);
inline constexpr int kIconSize = 32; // the window's own icon, shown in Image1

inline constexpr FormDesign Form3{
    .className = "TForm3",
    .name = "Form3",
    .caption = "Tip Of The Day",
    .clientWidth = 367,
    .clientHeight = 183,
    .font = {"MS Sans Serif", 11},
    .border = FormBorder::Single,
    .maximizeBox = false,
    .staysOnTop = true,
};

inline constexpr ControlDesign Panel1{
    .name = "Panel1",
    .kind = ControlKind::Panel,
    .box = {8, 8, 241, 137},
    .color = kCardColor,
};
inline constexpr ControlDesign Image1{
    .name = "Image1",
    .kind = ControlKind::Image,
    .parent = "Panel1",
    .box = {3, 3, kIconSize, kIconSize},
    .autoSize = true,
};
inline constexpr ControlDesign Label1{
    .name = "Label1",
    .kind = ControlKind::Label,
    .parent = "Panel1",
    .box = {40, 3, 110, 16},
    .font = {"MS Sans Serif", 13, fsBold},
    .caption = "Tip Of The Day.",
    .autoSize = true,
};
// Read-only, no border and no scroll bars, on the card's colour; long tips wrap at word boundaries.
inline constexpr ControlDesign Tips{
    .name = "Tips",
    .kind = ControlKind::Memo,
    .parent = "Panel1",
    .box = {8, 51, 220, 73},
    .font = {"Arial", 12},
    .caption = "Tips",
};
inline constexpr ControlDesign SpeedButton2{
    .name = "SpeedButton2",
    .kind = ControlKind::SpeedButton,
    .box = {264, 88, 85, 33},
    .font = {"Arial", 11},
    .caption = "Next Tip",
    .hint = "Show Another Tip|",
};
inline constexpr ControlDesign SpeedButton1{
    .name = "SpeedButton1",
    .kind = ControlKind::SpeedButton,
    .box = {264, 136, 85, 33},
    .font = {"Arial", 11},
    .caption = "OK",
};
// Checked: the window is not shown at start-up. Unchecked as designed.
inline constexpr ControlDesign TipCheckBox{
    .name = "TipCheckBox",
    .kind = ControlKind::CheckBox,
    .box = {16, 155, 161, 17},
    .font = {"Arial", 11},
    .caption = "Hide Tip on Startup",
    .hint = "Click Here to Disable Tips|",
};
// Never shown: holds the tip list, one tip a line.
inline constexpr ControlDesign Memo1{
    .name = "Memo1",
    .kind = ControlKind::Memo,
    .box = {8, 16, 345, 57},
    .visible = false,
};

inline constexpr std::array<const ControlDesign*, 8> kControls = {
    &Panel1, &Image1, &Label1, &Tips, &SpeedButton2, &SpeedButton1, &TipCheckBox, &Memo1,
};

} // namespace ui::tipwin
