#pragma once

#include "ui/FormDesign.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

class QWidget;

// What the program's windows share in how they look and where they open.

// A font of the given pixel height (the layouts are drawn for 96 dpi).
QFont pixelFont(const QString& family, int pixels, bool bold = false, bool underline = false);
// The font a control's design gives (its colour is the palette's business).
QFont designFont(const ui::FontDesign& font);

QRect designRect(const ui::Box& box);
// A text of the design (its bytes are Windows-1252).
QString designText(std::string_view text);

// Name, box, font and colour, tooltip, visibility and enabled state from the control's design
// row. A row without a font family keeps the parent's font.
void applyControlDesign(QWidget* control, const ui::ControlDesign& design);

// The secondary windows' look: "MS Sans Serif" 11 px, black text on the button face.
void applyFormLook(QWidget* form);

// Centres the window on the free area of the screen that `reference` is on (the primary screen
// without one).
void centreOnScreenOf(QWidget* window, const QWidget* reference);
