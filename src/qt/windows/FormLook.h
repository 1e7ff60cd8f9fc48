#pragma once

#include "ui/ControlDesign.h"

#include <QFont>
#include <QString>

class QWidget;

// What the program's windows share in how they look and where they open.

// A font of the given pixel height (the layouts are drawn for 96 dpi).
QFont pixelFont(const QString& family, int pixels, bool bold = false, bool underline = false);
// The font a control's design gives (its colour is the palette's business).
QFont designFont(const ui::FontDesign& font);

// The secondary windows' look: "MS Sans Serif" 11 px, black text on the button face.
void applyFormLook(QWidget* form);

// Centres the window on the free area of the screen that `reference` is on (the primary screen
// without one).
void centreOnScreenOf(QWidget* window, const QWidget* reference);
