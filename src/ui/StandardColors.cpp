#include "ui/StandardColors.h"

#include <charconv>
#include <cstdio>

namespace ui {

using core::SystemColor;
using core::systemColorValue;
using core::TColor;

namespace {

constexpr std::array<NamedColor, kStandardColorCount> kStandardColors{{
    {core::clBlack, "Black"},
    {core::clMaroon, "Maroon"},
    {core::clGreen, "Green"},
    {core::clOlive, "Olive"},
    {core::clNavy, "Navy"},
    {core::clPurple, "Purple"},
    {core::clTeal, "Teal"},
    {core::clGray, "Gray"},
    {core::clSilver, "Silver"},
    {core::clRed, "Red"},
    {core::clLime, "Lime"},
    {core::clYellow, "Yellow"},
    {core::clBlue, "Blue"},
    {core::clFuchsia, "Fuchsia"},
    {core::clAqua, "Aqua"},
    {core::clWhite, "White"},
}};

// The identifiers of the system colours, without their "cl".
constexpr std::array<NamedColor, 27> kSystemColors{{
    {systemColorValue(SystemColor::ScrollBar), "ScrollBar"},
    {systemColorValue(SystemColor::Background), "Background"},
    {systemColorValue(SystemColor::ActiveCaption), "ActiveCaption"},
    {systemColorValue(SystemColor::InactiveCaption), "InactiveCaption"},
    {systemColorValue(SystemColor::Menu), "Menu"},
    {systemColorValue(SystemColor::Window), "Window"},
    {systemColorValue(SystemColor::WindowFrame), "WindowFrame"},
    {systemColorValue(SystemColor::MenuText), "MenuText"},
    {systemColorValue(SystemColor::WindowText), "WindowText"},
    {systemColorValue(SystemColor::CaptionText), "CaptionText"},
    {systemColorValue(SystemColor::ActiveBorder), "ActiveBorder"},
    {systemColorValue(SystemColor::InactiveBorder), "InactiveBorder"},
    {systemColorValue(SystemColor::AppWorkSpace), "AppWorkSpace"},
    {systemColorValue(SystemColor::Highlight), "Highlight"},
    {systemColorValue(SystemColor::HighlightText), "HighlightText"},
    {systemColorValue(SystemColor::BtnFace), "BtnFace"},
    {systemColorValue(SystemColor::BtnShadow), "BtnShadow"},
    {systemColorValue(SystemColor::GrayText), "GrayText"},
    {systemColorValue(SystemColor::BtnText), "BtnText"},
    {systemColorValue(SystemColor::InactiveCaptionText), "InactiveCaptionText"},
    {systemColorValue(SystemColor::BtnHighlight), "BtnHighlight"},
    {systemColorValue(SystemColor::DkShadow3D), "3DDkShadow"},
    {systemColorValue(SystemColor::Light3D), "3DLight"},
    {systemColorValue(SystemColor::InfoText), "InfoText"},
    {systemColorValue(SystemColor::InfoBk), "InfoBk"},
    {systemColorValue(SystemColor::GradientActiveCaption), "GradientActiveCaption"},
    {systemColorValue(SystemColor::GradientInactiveCaption), "GradientInactiveCaption"},
}};

constexpr int kBorderThreshold = 192;

} // namespace

const std::array<NamedColor, kStandardColorCount>& standardColors() {
    return kStandardColors;
}

int standardColorIndex(TColor color) {
    for (std::size_t i = 0; i < kStandardColors.size(); ++i)
        if (kStandardColors[i].value == color)
            return int(i);
    return -1;
}

std::string colorName(TColor color) {
    if (const int i = standardColorIndex(color); i >= 0)
        return std::string(kStandardColors[std::size_t(i)].name);
    for (const NamedColor& named : kSystemColors)
        if (named.value == color)
            return std::string(named.name);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%.8x", unsigned(color));
    return hex;
}

std::optional<TColor> parseColorNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        text.remove_prefix(1);
        base = 16;
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    // Trailing blanks are let through, leading ones are not.
    while (!text.empty() && (text.back() == ' ' || (text.back() >= '\t' && text.back() <= '\r')))
        text.remove_suffix(1);
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    // A 32-bit signed number in decimal; hexadecimal may spell all 32 bits.
    const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (magnitude > limit)
        return std::nullopt;
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? TColor(0u - value) : TColor(value);
}

TColor swatchBorder(TColor plainColor, bool selected) {
    if (core::redOf(plainColor) > kBorderThreshold || core::greenOf(plainColor) > kBorderThreshold ||
        core::blueOf(plainColor) > kBorderThreshold)
        return core::clBlack;
    return selected ? core::clWhite : plainColor;
}

} // namespace ui
