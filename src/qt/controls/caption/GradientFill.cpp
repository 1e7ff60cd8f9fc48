#include "qt/controls/caption/GradientFill.h"

#include "ui/GradientBands.h"

#include <QColor>
#include <QPainter>

void gradientFill(QPainter& painter, const QRect& r, core::TColor start, core::TColor end, int steps) {
    for (const ui::GradientBand& band :
         ui::gradientBands({r.x(), r.y(), r.width(), r.height()}, start, end, steps))
        painter.fillRect(
            band.box.left, band.box.top, band.box.width, band.box.height,
            QColor(core::redOf(band.color), core::greenOf(band.color), core::blueOf(band.color)));
}
