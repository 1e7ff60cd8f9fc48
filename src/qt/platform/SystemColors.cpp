#include "qt/platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace platform {

namespace {

using core::SystemColor;

std::optional<QPalette::ColorRole> paletteRole(SystemColor index) {
    switch (index) {
    case SystemColor::Window:
        return QPalette::Base;
    case SystemColor::WindowText:
        return QPalette::WindowText;
    case SystemColor::Highlight:
        return QPalette::Highlight;
    case SystemColor::HighlightText:
        return QPalette::HighlightedText;
    case SystemColor::BtnFace:
        return QPalette::Button;
    case SystemColor::BtnShadow:
        return QPalette::Dark;
    case SystemColor::BtnText:
        return QPalette::ButtonText;
    case SystemColor::BtnHighlight:
        return QPalette::Light;
    case SystemColor::DkShadow3D:
        return QPalette::Shadow;
    case SystemColor::Light3D:
        return QPalette::Midlight;
    case SystemColor::InfoText:
        return QPalette::ToolTipText;
    case SystemColor::InfoBk:
        return QPalette::ToolTipBase;
    default:
        return std::nullopt;
    }
}

// The classic Windows scheme, for indices Qt has no role for.
QColor classicColor(SystemColor index) {
    switch (index) {
    case SystemColor::ScrollBar:
        return QColor(212, 208, 200);
    case SystemColor::Background:
        return QColor(58, 110, 165);
    case SystemColor::ActiveCaption:
        return QColor(10, 36, 106);
    case SystemColor::InactiveCaption:
        return QColor(128, 128, 128);
    case SystemColor::Menu:
        return QColor(212, 208, 200);
    case SystemColor::Window:
        return QColor(255, 255, 255);
    case SystemColor::WindowFrame:
        return QColor(0, 0, 0);
    case SystemColor::MenuText:
    case SystemColor::WindowText:
    case SystemColor::BtnText:
    case SystemColor::InfoText:
        return QColor(0, 0, 0);
    case SystemColor::CaptionText:
        return QColor(255, 255, 255);
    case SystemColor::ActiveBorder:
    case SystemColor::InactiveBorder:
    case SystemColor::BtnFace:
    case SystemColor::Light3D:
        return QColor(212, 208, 200);
    case SystemColor::AppWorkSpace:
        return QColor(128, 128, 128);
    case SystemColor::Highlight:
        return QColor(10, 36, 106);
    case SystemColor::HighlightText:
        return QColor(255, 255, 255);
    case SystemColor::BtnShadow:
    case SystemColor::GrayText:
        return QColor(128, 128, 128);
    case SystemColor::InactiveCaptionText:
        return QColor(212, 208, 200);
    case SystemColor::BtnHighlight:
        return QColor(255, 255, 255);
    case SystemColor::DkShadow3D:
        return QColor(64, 64, 64);
    case SystemColor::InfoBk:
        return QColor(255, 255, 225);
    case SystemColor::GradientActiveCaption:
        return QColor(166, 202, 240);
    case SystemColor::GradientInactiveCaption:
        return QColor(192, 192, 192);
    }
    return QColor(0, 0, 0);
}

} // namespace

QColor systemColor(SystemColor index) {
    if (qGuiApp) {
        if (const auto role = paletteRole(index))
            return QGuiApplication::palette().color(QPalette::Active, *role);
    }
    return classicColor(index);
}

QColor resolveColor(core::TColor color) {
    if (core::isSystemColor(color))
        return systemColor(static_cast<SystemColor>(color & 0xFF));
    return QColor(core::redOf(color), core::greenOf(color), core::blueOf(color));
}

core::TColor toRgb(core::TColor color) {
    return fromQColor(resolveColor(color));
}

core::TColor fromQColor(const QColor& color) {
    return core::rgb(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

} // namespace platform
