#include "controls/CommandGlyphs.h"

#include "core/Exception.h"

QStringList commandGlyphNames() {
    return {QStringLiteral("new"),  QStringLiteral("open"), QStringLiteral("save"),
            QStringLiteral("font"), QStringLiteral("tip"),  QStringLiteral("about")};
}

QPixmap commandGlyph(const QString& name) {
    QPixmap pixmap;
    if (!commandGlyphNames().contains(name) || !pixmap.load(QStringLiteral(":/glyphs/%1.xpm").arg(name)))
        throw core::EResNotFound("Resource " + name.toStdString() + " not found");
    return pixmap;
}
