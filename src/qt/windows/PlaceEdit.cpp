#include "qt/windows/PlaceEdit.h"

#include "core/Colors.h"
#include "qt/platform/SystemColors.h"
#include "qt/windows/Windows1252Validator.h"

#include <QPainter>

PlaceEdit::PlaceEdit(QWidget* parent)
    : QLineEdit(parent) {
    setFrame(false);
    setContentsMargins(1, 1, 1, 1);
    setValidator(new Windows1252Validator(this));
}

void PlaceEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(platform::resolveColor(core::clWindowFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
