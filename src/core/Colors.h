#pragma once

#include <cstdint>

// A colour value: low byte red, next byte green, next byte blue. A value with the
// top bit set names a system colour (its low byte is the system colour index)
// and is resolved only when drawing (platform/SystemColors.h).
namespace core {

using TColor = std::uint32_t;

constexpr TColor rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t redOf(TColor c) {
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t greenOf(TColor c) {
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(TColor c) {
    return std::uint8_t((c >> 16) & 0xFF);
}

constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr bool isSystemColor(TColor c) {
    return (c & kSystemColorFlag) != 0;
}

// The Windows system colour indices the program draws with.
enum class SystemColor : std::uint8_t {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkSpace = 12,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    InactiveCaptionText = 19,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBk = 24,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
};

constexpr TColor systemColorValue(SystemColor index) {
    return kSystemColorFlag | TColor(index);
}

// The standard named colours.
constexpr TColor clBlack = rgb(0, 0, 0);
constexpr TColor clMaroon = rgb(128, 0, 0);
constexpr TColor clGreen = rgb(0, 128, 0);
constexpr TColor clOlive = rgb(128, 128, 0);
constexpr TColor clNavy = rgb(0, 0, 128);
constexpr TColor clPurple = rgb(128, 0, 128);
constexpr TColor clTeal = rgb(0, 128, 128);
constexpr TColor clGray = rgb(128, 128, 128);
constexpr TColor clSilver = rgb(192, 192, 192);
constexpr TColor clRed = rgb(255, 0, 0);
constexpr TColor clLime = rgb(0, 255, 0);
constexpr TColor clYellow = rgb(255, 255, 0);
constexpr TColor clBlue = rgb(0, 0, 255);
constexpr TColor clFuchsia = rgb(255, 0, 255);
constexpr TColor clAqua = rgb(0, 255, 255);
constexpr TColor clWhite = rgb(255, 255, 255);

constexpr TColor clBtnFace = systemColorValue(SystemColor::BtnFace);
constexpr TColor clBtnShadow = systemColorValue(SystemColor::BtnShadow);
constexpr TColor clBtnHighlight = systemColorValue(SystemColor::BtnHighlight);
constexpr TColor clBtnText = systemColorValue(SystemColor::BtnText);
constexpr TColor clWindowFrame = systemColorValue(SystemColor::WindowFrame);
constexpr TColor clWindowText = systemColorValue(SystemColor::WindowText);
constexpr TColor clHighlight = systemColorValue(SystemColor::Highlight);
constexpr TColor clHighlightText = systemColorValue(SystemColor::HighlightText);
constexpr TColor clGrayText = systemColorValue(SystemColor::GrayText);
constexpr TColor clCaptionText = systemColorValue(SystemColor::CaptionText);
constexpr TColor clInactiveCaptionText = systemColorValue(SystemColor::InactiveCaptionText);

} // namespace core
