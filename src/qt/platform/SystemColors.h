#pragma once

#include "core/Colors.h"

#include <QColor>

// Resolves colour values to what is drawn. System colours follow the desktop
// palette where Qt has a matching role, else the classic Windows values.
namespace platform {

QColor systemColor(core::SystemColor index);

// A plain colour as it is; a system colour (top bit set) resolved now.
QColor resolveColor(core::TColor color);

// The plain RGB value a colour draws as (system colours resolved).
core::TColor toRgb(core::TColor color);

core::TColor fromQColor(const QColor& color);

} // namespace platform
