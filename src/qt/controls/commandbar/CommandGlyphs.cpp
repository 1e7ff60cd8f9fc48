#include "qt/controls/commandbar/CommandGlyphs.h"

#include "core/Exception.h"
#include "qt/platform/XpmPixmap.h"

QStringList commandGlyphNames() {
    return {QStringLiteral("new"),  QStringLiteral("open"), QStringLiteral("save"),
            QStringLiteral("font"), QStringLiteral("tip"),  QStringLiteral("about")};
}

QPixmap commandGlyph(const QString& name) {
    QPixmap pixmap;
    if (commandGlyphNames().contains(name))
        pixmap = platform::xpmPixmap(QStringLiteral(":/glyphs/%1.xpm").arg(name));
    if (pixmap.isNull())
        throw core::EResNotFound("Resource " + name.toStdString() + " not found");
    return pixmap;
}
