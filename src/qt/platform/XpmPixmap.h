#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// An XPM image (the program's icons and glyphs), read by Qt's built-in reader alone. Left to
// guess the format, or even told it, Qt's image reader first loads every image plug-in
// installed, which costs start-up more than reading all the images. Null when unreadable.
QPixmap xpmPixmap(const QString& path);

} // namespace platform
