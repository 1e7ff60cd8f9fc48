#include "ui/MainWindowDesign.h"

#include <array>
#include <stdexcept>
#include <string>

namespace ui::mainwindow {

namespace {

constexpr FontDesign arial11{"Arial", 11};
constexpr FontDesign groupFont(core::TColor color) {
    return {"Arial", 11, fsBold, color};
}

// A place field: 147 by 21 at left 22 of its group box, Arial 12 px, disabled and empty at
// start, reached by the mouse only.
constexpr ControlDesign field(std::string_view name, std::string_view group, int top) {
    return {name, ControlKind::Edit, group, {22, top, 147, 21}, {"Arial", 12}, "", "", true, false, -1};
}

constexpr std::array kControls{
    ControlDesign{"Label2",
                  ControlKind::Label,
                  "",
                  {216, 52, 188, 25},
                  {"Arial Black", 16, fsUnderline},
                  "Country",
                  "",
                  true,
                  false,
                  -1},
    ControlDesign{
        "Label1", ControlKind::Label, "", {215, 40, 52, 14}, arial11, "ConfigPath", "", false, true, -1},
    ControlDesign{"SpeedButton1",
                  ControlKind::SpeedButton,
                  "",
                  {215, 228, 188, 32},
                  arial11,
                  "Apply Changes",
                  "Apply Changes Before Saving",
                  true,
                  true,
                  -1},
    ControlDesign{"Memo1", ControlKind::Memo, "", {13, 300, 241, 41}, arial11, "", "", false, true, -1},
    ControlDesign{"GroupBox1",
                  ControlKind::GroupBox,
                  "",
                  {13, 40, 188, 110},
                  groupFont(core::clBlue),
                  "Champions League",
                  "",
                  true,
                  true,
                  -1},
    field("Edit1", "GroupBox1", 24),
    field("Edit2", "GroupBox1", 48),
    field("Edit3", "GroupBox1", 72),
    ControlDesign{"GroupBox3",
                  ControlKind::GroupBox,
                  "",
                  {215, 83, 188, 134},
                  groupFont(core::clGreen),
                  "UEFA Cup",
                  "",
                  true,
                  true,
                  -1},
    field("Edit4", "GroupBox3", 24),
    field("Edit5", "GroupBox3", 48),
    field("Edit6", "GroupBox3", 72),
    field("Edit7", "GroupBox3", 96),
    ControlDesign{"GroupBox4",
                  ControlKind::GroupBox,
                  "",
                  {13, 160, 188, 105},
                  groupFont(core::clRed),
                  "Inter Toto Cup",
                  "",
                  true,
                  true,
                  -1},
    field("Edit8", "GroupBox4", 20),
    field("Edit9", "GroupBox4", 44),
    field("Edit10", "GroupBox4", 68),
    ControlDesign{"GroupBox5",
                  ControlKind::GroupBox,
                  "",
                  {416, 40, 190, 225},
                  groupFont(core::clYellow),
                  "Country",
                  "",
                  true,
                  true,
                  -1},
    // The only control that Tab reaches.
    ControlDesign{
        "ListBox1", ControlKind::ListBox, "GroupBox5", {23, 24, 145, 185}, arial11, "", "", true, false, 0},
    ControlDesign{
        "SpeedBar1", ControlKind::SpeedBar, "", {0, 0, kClientWidth, 30}, kFont, "", "", true, true, -1},
    ControlDesign{"FontComboBox1",
                  ControlKind::FontPicker,
                  "SpeedBar1",
                  {105, 4, 137, 21},
                  arial11,
                  "",
                  "Change Screen Fonts",
                  true,
                  true,
                  -1},
    ControlDesign{"ColorComboBox1",
                  ControlKind::ColorPicker,
                  "SpeedBar1",
                  {284, 4, 121, 21},
                  arial11,
                  "",
                  "Change Screen Font Color",
                  true,
                  true,
                  -1},
};

constexpr std::array<std::string_view, 2> kSections{"Main", "Other"};

constexpr SpeedItemDesign item(std::string_view name, std::string_view caption, std::string_view hint,
                               std::string_view section, std::string_view glyph, int left) {
    return {
        {name, ControlKind::SpeedItem, "SpeedBar1", {left, 3, 24, 24}, kFont, caption, hint}, section, glyph};
}

// Each item's hint is its caption and an empty long part.
constexpr std::array kSpeedItems{
    item("SpeedItem5", "New", "New|", "Main", "new", 3),
    item("SpeedItem1", "Open", "Open|", "Main", "open", 27),
    [] {
        SpeedItemDesign save = item("SpeedItem2", "Save", "Save|", "Main", "save", 51);
        save.control.enabled = false;
        return save;
    }(),
    [] {
        // The bold toggle: alone in its group, and it may be let up.
        SpeedItemDesign font = item("SpeedItem6", "Font", "Font|", "Other", "font", 251);
        font.groupIndex = 2;
        font.allowAllUp = true;
        return font;
    }(),
    item("SpeedItem3", "Tip of the Day", "Tip of the Day|", "Other", "tip", 563),
    item("SpeedItem4", "About", "About|", "Other", "about", 587),
};

constexpr SpeedBarDesign kSpeedBar{24, 24, 3, 3, kSections};

} // namespace

std::span<const ControlDesign> controls() {
    return kControls;
}

const ControlDesign& control(std::string_view name) {
    for (const ControlDesign& design : kControls)
        if (design.name == name)
            return design;
    throw std::out_of_range("no control " + std::string(name) + " on the main window");
}

const ControlDesign& placeField(int field) {
    return control("Edit" + std::to_string(field + 1));
}

const SpeedBarDesign& speedBar() {
    return kSpeedBar;
}

std::span<const SpeedItemDesign> speedItems() {
    return kSpeedItems;
}

const SpeedItemDesign& speedItem(std::string_view name) {
    for (const SpeedItemDesign& design : kSpeedItems)
        if (design.control.name == name)
            return design;
    throw std::out_of_range("no command item " + std::string(name) + " on the main window");
}

} // namespace ui::mainwindow
