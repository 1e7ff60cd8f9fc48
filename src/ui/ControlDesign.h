#pragma once

#include "core/Colors.h"

#include <optional>
#include <string_view>

// A window's controls as data: what each front end builds its native control from. Texts are
// the program's own bytes (ASCII, or Windows-1252 where a text needs more); boxes are pixels in
// the parent's client area at 96 dots per inch.
namespace ui {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const Box&) const = default;
};

enum FontStyle : unsigned {
    fsRegular = 0,
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};

// A font by family and character height in pixels (11 px is 8 points at 96 dpi). An empty
// family: the parent's font, whatever the other fields say.
struct FontDesign {
    std::string_view family{};
    int pixelHeight = 11;
    unsigned style = fsRegular;
    core::TColor color = core::clBlack;

    constexpr bool bold() const { return (style & fsBold) != 0; }
    constexpr bool italic() const { return (style & fsItalic) != 0; }
    constexpr bool underline() const { return (style & fsUnderline) != 0; }
    constexpr bool operator==(const FontDesign&) const = default;
};

// The kinds of control the three windows are made of.
enum class ControlKind {
    Label,
    GroupBox,
    Edit,
    Memo,
    ListBox,
    CheckBox,
    Panel,
    Image,
    SpeedButton,
    SpeedBar,
    SpeedItem,
    FontPicker,
    ColorPicker,
    LinkLabel,
};

// Where a control's text sits across its box.
enum class TextAlignment {
    Left,
    Centre,
    Right,
};

struct ControlDesign {
    std::string_view name{}; // the control's name in the program's design ("Edit1")
    ControlKind kind = ControlKind::Label;
    std::string_view parent{}; // the containing control's name; empty: the window's client area
    Box box{};
    FontDesign font{};
    std::string_view caption{}; // text or caption at start
    std::string_view hint{};    // "short|long"; empty: no tooltip
    bool visible = true;
    bool enabled = true;
    int tabOrder = -1;                 // -1: no tab stop
    std::optional<core::TColor> color{}; // the background; none: the parent's or the kind's own
    TextAlignment alignment = TextAlignment::Left;
    bool autoSize = false; // grows to its text or picture; else keeps its box
};

// The short part of a hint, the text a tooltip shows: everything before the first "|".
constexpr std::string_view shortHint(std::string_view hint) {
    return hint.substr(0, hint.find('|'));
}

} // namespace ui
