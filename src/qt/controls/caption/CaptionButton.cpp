#include "qt/controls/caption/CaptionButton.h"

#include "qt/controls/drawing/Frame3D.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/SystemMetrics.h"

#include <QPainter>

using core::SystemColor;
using platform::systemColor;

namespace {

QString accessibleNameFor(TCaptionButton::Kind kind) {
    switch (kind) {
    case TCaptionButton::Kind::Close:
        return QStringLiteral("Close");
    case TCaptionButton::Kind::Minimize:
        return QStringLiteral("Minimize");
    case TCaptionButton::Kind::Maximize:
        return QStringLiteral("Maximize");
    case TCaptionButton::Kind::Help:
        return QStringLiteral("Help");
    }
    return {};
}

} // namespace

TCaptionButton::TCaptionButton(Kind kind, QWidget* parent)
    : QAbstractButton(parent)
    , m_kind(kind) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleNameFor(kind));
    setToolTip(accessibleNameFor(kind));
    resize(sizeHint());
}

QSize TCaptionButton::sizeHint() const {
    return {platform::metrics::kCaptionButtonWidth - 2, platform::metrics::kCaptionButtonHeight - 4};
}

void TCaptionButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    p.fillRect(r, systemColor(SystemColor::BtnFace));
    if (down) {
        drawFrameRing(p, r, systemColor(SystemColor::DkShadow3D), systemColor(SystemColor::BtnHighlight));
        drawFrameRing(p, r.adjusted(1, 1, -1, -1), systemColor(SystemColor::BtnShadow),
                      systemColor(SystemColor::Light3D));
    } else {
        drawFrameRing(p, r, systemColor(SystemColor::Light3D), systemColor(SystemColor::DkShadow3D));
        drawFrameRing(p, r.adjusted(1, 1, -1, -1), systemColor(SystemColor::BtnHighlight),
                      systemColor(SystemColor::BtnShadow));
    }
    QRect face = r.adjusted(2, 2, -2, -2);
    if (down)
        face.translate(1, 1);
    if (isEnabled()) {
        drawGlyph(p, face, systemColor(SystemColor::BtnText));
    } else {
        drawGlyph(p, face.translated(1, 1), systemColor(SystemColor::BtnHighlight));
        drawGlyph(p, face, systemColor(SystemColor::BtnShadow));
    }
}

// The glyphs of the classic 16 x 14 buttons, drawn from the face's centre.
void TCaptionButton::drawGlyph(QPainter& p, const QRect& face, const QColor& color) const {
    const int cx = face.left() + face.width() / 2;
    const int cy = face.top() + face.height() / 2;
    switch (m_kind) {
    case Kind::Close:
        // An X of two-pixel strokes, 8 wide and 7 high.
        for (int i = 0; i < 7; ++i) {
            p.fillRect(cx - 4 + i, cy - 3 + i, 2, 1, color);
            p.fillRect(cx + 2 - i, cy - 3 + i, 2, 1, color);
        }
        break;
    case Kind::Minimize:
        p.fillRect(cx - 4, cy + 2, 6, 2, color);
        break;
    case Kind::Maximize:
        p.fillRect(cx - 5, cy - 4, 9, 2, color);
        p.fillRect(cx - 5, cy - 4, 1, 9, color);
        p.fillRect(cx + 3, cy - 4, 1, 9, color);
        p.fillRect(cx - 5, cy + 4, 9, 1, color);
        break;
    case Kind::Help: {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(face.height());
        p.setFont(f);
        p.setPen(color);
        p.drawText(face, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}
