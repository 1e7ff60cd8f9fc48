#include "qt/platform/SystemMetrics.h"

namespace platform::metrics {

QFont captionFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kCaptionFontPixelSize);
    font.setBold(true);
    return font;
}

} // namespace platform::metrics
