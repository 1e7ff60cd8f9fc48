#include "qt/platform/XpmPixmap.h"

#include <QImageReader>

namespace platform {

QPixmap xpmPixmap(const QString& path) {
    QImageReader reader(path, "XPM");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace platform
