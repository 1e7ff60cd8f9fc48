#include "qt/controls/commandbar/ButtonText.h"

QString shortenCaption(const QString& caption, int available,
                       const std::function<int(const QString&)>& textWidth) {
    const QString text = caption.left(kMaxCaptionLength);
    if (textWidth(text) <= available)
        return text;
    const QString ellipsis = QStringLiteral("...");
    for (qsizetype keep = text.size() - 2; keep > 0; --keep) {
        const QString candidate = text.left(keep) + ellipsis;
        if (textWidth(candidate) <= available)
            return candidate;
    }
    return ellipsis;
}

QString hintShortPart(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}
