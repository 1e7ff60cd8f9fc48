#include "qt/controls/caption/CaptionFrame.h"

#include "qt/controls/drawing/Frame3D.h"
#include "qt/platform/SystemColors.h"

#include <QPainter>

using core::SystemColor;
using platform::systemColor;

TCaptionFrame::TCaptionFrame(QWidget* window)
    : QWidget(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCaptionFrame::setCaptionLayout(const CaptionGeometry& geometry) {
    m_geometry = geometry;
    update();
}

void TCaptionFrame::setButtonBackground(const QColor& color) {
    if (color == m_buttonBackground)
        return;
    m_buttonBackground = color;
    update(m_geometry.buttonArea);
}

void TCaptionFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, systemColor(SystemColor::BtnFace));
    if (m_geometry.frame.width() >= 2 && m_geometry.frame.height() >= 2) {
        drawFrameRing(p, r, systemColor(SystemColor::Light3D), systemColor(SystemColor::DkShadow3D));
        drawFrameRing(p, r.adjusted(1, 1, -1, -1), systemColor(SystemColor::BtnHighlight),
                      systemColor(SystemColor::BtnShadow));
    }
    if (!m_geometry.buttonArea.isEmpty())
        p.fillRect(m_geometry.buttonArea, m_buttonBackground);
}
