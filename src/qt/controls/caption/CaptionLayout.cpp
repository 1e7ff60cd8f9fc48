#include "qt/controls/caption/CaptionLayout.h"

#include "qt/platform/SystemMetrics.h"

namespace metrics = platform::metrics;

const ui::FrameMetrics& classicFrameMetrics() {
    static const ui::FrameMetrics classic{
        metrics::kFrameWidth,         metrics::kFrameHeight,
        metrics::kDialogFrameWidth,   metrics::kDialogFrameHeight,
        metrics::kCaptionHeight,      metrics::kSmallCaptionHeight,
        metrics::kCaptionButtonWidth, metrics::kSmallCaptionButtonWidth,
        metrics::kSmallIconWidth,     metrics::kSmallIconHeight,
    };
    return classic;
}

QRect toQRect(const ui::Box& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

CaptionGeometry captionGeometry(QSize windowSize, TFormBorderStyle style, TBorderIcons icons) {
    const ui::CaptionGeometry g =
        ui::captionGeometry(windowSize.width(), windowSize.height(), style, icons, classicFrameMetrics());
    return {toQRect(g.strip),
            toQRect(g.buttonArea),
            toQRect(g.close),
            toQRect(g.maximize),
            toQRect(g.minimize),
            toQRect(g.help),
            QPoint(g.clientLeft, g.clientTop),
            QSize(g.frameWidth, g.frameHeight),
            g.drawsIcon};
}

QSize windowSizeFor(QSize clientSize, TFormBorderStyle style) {
    const ui::Size size =
        ui::windowSizeFor(clientSize.width(), clientSize.height(), style, classicFrameMetrics());
    return {size.width, size.height};
}
