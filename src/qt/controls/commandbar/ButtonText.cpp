#include "qt/controls/commandbar/ButtonText.h"

#include "ui/ControlDesign.h"
#include "ui/TextShortening.h"

#include <QFontMetrics>

QString shortenButtonCaption(const QString& caption, int available, const QFontMetrics& font) {
    return ui::shortenButtonCaption(caption, available,
                                    [&font](const QString& s) { return font.horizontalAdvance(s); });
}

QString hintShortPart(const QString& hint) {
    const QByteArray bytes = hint.toUtf8();
    return QString::fromUtf8(ui::shortHint(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}
