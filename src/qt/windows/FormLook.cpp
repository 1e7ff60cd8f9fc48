#include "qt/windows/FormLook.h"

#include "core/Colors.h"
#include "qt/platform/SystemColors.h"

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
