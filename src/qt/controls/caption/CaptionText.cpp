#include "qt/controls/caption/CaptionText.h"

#include <QFontMetrics>

QString shortenCaption(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis = QStringLiteral("...");
    for (qsizetype keep = text.size() - 2; keep > 0; --keep) {
        const QString candidate = text.left(keep) + ellipsis;
        if (metrics.horizontalAdvance(candidate) <= width)
            return candidate;
    }
    return ellipsis;
}
