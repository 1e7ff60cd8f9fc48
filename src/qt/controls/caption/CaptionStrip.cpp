#include "qt/controls/caption/CaptionStrip.h"

#include "qt/controls/caption/CaptionAccessible.h"

#include <QAccessible>
#include <QPainter>

TCaptionStrip::TCaptionStrip(Painter painter, QWidget* parent)
    : QWidget(parent)
    , m_painter(std::move(painter)) {
    installCaptionStripAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCaptionStrip::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TCaptionStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_painter(p, size());
}
