#pragma once

#include "ui/AuthorLinks.h"
#include "ui/FormDesign.h"

#include <array>

// The About window, TForm2: name and version, the credits, an e-mail link and a web link.
namespace ui::aboutwin {

// The colour a pointer move over a link gives it.
inline constexpr core::TColor kLinkHoverColor = core::clRed;
// The main window's icon is copied into Image1 at this size.
inline constexpr int kIconSize = 32;

inline constexpr FormDesign Form2{
    .className = "TForm2",
    .name = "Form2",
    .caption = "About",
    .clientWidth = 306,
    .clientHeight = 228,
    .font = {"MS Sans Serif", 11},
    .border = FormBorder::Dialog,
    .minimizeBox = false,
    .maximizeBox = false,
};

inline constexpr FontDesign kText{"Arial", 11};
inline constexpr FontDesign kLinkFont{"Times New Roman", 12, fsUnderline, core::clBlue};

// The picture sits in the box's top-left corner at its own size.
inline constexpr ControlDesign Image1{
    .name = "Image1",
    .kind = ControlKind::Image,
    .box = {16, 13, 35, 35},
};
inline constexpr ControlDesign Label6{
    .name = "Label6",
    .box = {56, 10, 241, 25},
    .font = {"Arial", 21, fsBold, core::clNavy},
    .caption = "Vantorel 99/00 V2.5",
    .alignment = TextAlignment::Centre,
};
inline constexpr ControlDesign Label8{
    .name = "Label8",
    .box = {56, 31, 241, 17},
    .font = {"Arial", 13, fsRegular, core::clRed},
    .caption = "for ludovane 99/00",
    .alignment = TextAlignment::Centre,
};
inline constexpr ControlDesign Label3{
    .name = "Label3",
    .box = {14, 61, 138, 14},
    .font = kText,
    .caption = "Programmed By Orrel",
    .autoSize = true,
};
inline constexpr ControlDesign Label5{
    .name = "Label5",
    .box = {166, 61, 124, 14},
    .font = kText,
    .caption = "Produced By Orrel",
    .autoSize = true,
};
inline constexpr ControlDesign Label2{
    .name = "Label2",
    .box = {14, 85, 111, 14},
    .font = kText,
    .caption = "Tested By Orrel",
    .autoSize = true,
};
// Caption: the author's e-mail address; opens author::mailTarget().
inline constexpr ControlDesign URLLabel1{
    .name = "URLLabel1",
    .kind = ControlKind::LinkLabel,
    .box = {136, 85, 155, 15},
    .font = kLinkFont,
    .caption = author::kMailAddress,
    .hint = "E-Mail Me|",
    .autoSize = true,
};
// Caption and target: the author's web site.
inline constexpr ControlDesign URLLabel2{
    .name = "URLLabel2",
    .kind = ControlKind::LinkLabel,
    .box = {71, 107, 176, 15},
    .font = kLinkFont,
    .caption = author::kSiteAddress,
    .hint = "Visit the Kestrow3 WebSite|",
    .autoSize = true,
};
inline constexpr ControlDesign Label4{
    .name = "Label4",
    .box = {14, 128, 50, 14},
    .font = kText,
    .caption = "Thanks to:",
    .autoSize = true,
};
inline constexpr ControlDesign Label1{
    .name = "Label1",
    .box = {14, 145, 280, 13},
    .font = kText,
    .caption = "Quenby, Emil Throssel, Dorian Pelt, Ludovane Games,",
    .alignment = TextAlignment::Centre,
};
inline constexpr ControlDesign Label7{
    .name = "Label7",
    .box = {14, 160, 280, 13},
    .font = kText,
    .caption = "the Forum Regulars and Everyone who Visits the Site!",
    .alignment = TextAlignment::Centre,
};
inline constexpr ControlDesign SpeedButton1{
    .name = "SpeedButton1",
    .kind = ControlKind::SpeedButton,
    .box = {112, 184, 85, 33},
    .font = kText,
    .caption = "OK",
};

// What each link opens.
inline std::string URLLabel1Target() {
    return author::mailTarget();
}
inline constexpr std::string_view URLLabel2Target = author::kSiteAddress;

// The labels in the order the window builds them.
inline constexpr std::array<const ControlDesign*, 8> kLabels = {
    &Label6, &Label8, &Label3, &Label5, &Label2, &Label4, &Label1, &Label7,
};
inline constexpr std::array<const ControlDesign*, 12> kControls = {
    &Image1,    &Label6,    &Label8, &Label3, &Label5, &Label2,
    &URLLabel1, &URLLabel2, &Label4, &Label1, &Label7, &SpeedButton1,
};

} // namespace ui::aboutwin
