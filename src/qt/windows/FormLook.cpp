#include "qt/windows/FormLook.h"

#include "core/Colors.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/Text8Bit.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

QFont pixelFont(const QString& family, int pixels, bool bold, bool underline) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont designFont(const ui::FontDesign& font) {
    return pixelFont(QString::fromLatin1(font.family.data(), qsizetype(font.family.size())), font.pixelHeight,
                     font.bold(), font.underline());
}

QRect designRect(const ui::Box& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

QString designText(std::string_view text) {
    return platform::fromWindows1252(text);
}

void applyControlDesign(QWidget* control, const ui::ControlDesign& design) {
    control->setObjectName(designText(design.name));
    control->setGeometry(designRect(design.box));
    if (!design.font.family.empty()) {
        control->setFont(designFont(design.font));
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, platform::resolveColor(design.font.color));
        palette.setColor(QPalette::Text, platform::resolveColor(design.font.color));
        control->setPalette(palette);
    }
    if (design.color) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window, platform::resolveColor(*design.color));
        palette.setColor(QPalette::Base, platform::resolveColor(*design.color));
        control->setPalette(palette);
        control->setAutoFillBackground(true);
    }
    if (!design.hint.empty())
        control->setToolTip(designText(ui::shortHint(design.hint)));
    control->setEnabled(design.enabled);
    if (!design.visible)
        control->hide();
}

void applyFormLook(QWidget* form) {
    form->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, platform::systemColor(core::SystemColor::BtnFace));
    palette.setColor(QPalette::WindowText, Qt::black);
    form->setPalette(palette);
    form->setAutoFillBackground(true);
}

void centreOnScreenOf(QWidget* window, const QWidget* reference) {
    QScreen* screen = reference ? reference->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}
