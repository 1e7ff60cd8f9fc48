#include "qt/controls/commandbar/SpeedButton.h"

#include "qt/controls/commandbar/ButtonText.h"
#include "qt/controls/commandbar/GlyphImage.h"
#include "qt/controls/commandbar/SpeedButtonAccessible.h"
#include "qt/controls/drawing/Frame3D.h"
#include "qt/platform/SystemColors.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {

using core::SystemColor;

struct Colors {
    QColor face = platform::systemColor(SystemColor::BtnFace);
    QColor highlight = platform::systemColor(SystemColor::BtnHighlight);
    QColor shadow = platform::systemColor(SystemColor::BtnShadow);
};

QPixmap checkerPattern() {
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, platform::resolveColor(ui::latchedPatternColor(x, y)).rgb());
    }
    return QPixmap::fromImage(pattern);
}

void drawRing(QPainter& p, const QRect& r, const ui::FrameRing& ring) {
    drawFrameRing(p, r, platform::resolveColor(ring.topLeft), platform::resolveColor(ring.bottomRight));
}

} // namespace

TSpeedButton::TSpeedButton(QWidget* parent)
    : QWidget(parent) {
    installSpeedButtonAccessibility();
    resize(kDefaultSize, kDefaultSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
}

void TSpeedButton::setFontColor(core::TColor color) {
    m_fontColor = color;
    update();
}

void TSpeedButton::setGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    if (const int implied = ui::impliedNumGlyphs(glyph.width(), glyph.height()))
        m_numGlyphs = implied;
    update();
}

void TSpeedButton::setNumGlyphs(int numGlyphs) {
    m_numGlyphs = ui::clampNumGlyphs(numGlyphs);
    update();
}

template <class Step> auto TSpeedButton::latchStep(Step&& step) {
    const TButtonState before = m_latch.state();
    auto outcome = step(m_latch);
    if (m_latch.state() != before)
        stateChanged();
    return outcome;
}

void TSpeedButton::setGroupIndex(int groupIndex) {
    if (latchStep([groupIndex](ui::SpeedButtonLatch& l) { return l.setGroupIndex(groupIndex); }))
        updateExclusive();
}

void TSpeedButton::setAllowAllUp(bool allowAllUp) {
    if (latchStep([allowAllUp](ui::SpeedButtonLatch& l) { return l.setAllowAllUp(allowAllUp); }))
        updateExclusive();
}

void TSpeedButton::setDown(bool down) {
    if (latchStep([down](ui::SpeedButtonLatch& l) { return l.setDown(down); }))
        updateExclusive();
}

void TSpeedButton::setHint(const QString& hint) {
    m_hint = hint;
    setToolTip(hintShortPart(hint));
}

void TSpeedButton::setShowHint(bool showHint) {
    m_showHint = showHint;
    m_parentShowHint = false;
}

void TSpeedButton::setParentShowHint(bool parentShowHint) {
    m_parentShowHint = parentShowHint;
}

bool TSpeedButton::effectiveShowHint() const {
    if (!m_parentShowHint)
        return m_showHint;
    const QWidget* parent = parentWidget();
    return parent && parent->property("showHint").toBool();
}

void TSpeedButton::setSpacing(int spacing) {
    m_spacing = spacing;
    update();
}

void TSpeedButton::setMargin(int margin) {
    m_margin = margin;
    update();
}

void TSpeedButton::setGlyphLayout(TButtonLayout layout) {
    m_layout = layout;
    update();
}

void TSpeedButton::click() {
    const auto outcome = latchStep([](ui::SpeedButtonLatch& l) { return l.click(); });
    if (outcome.groupChanged)
        updateExclusive();
    if (outcome.click)
        emit OnClick(this);
}

bool TSpeedButton::isInside(const QPointF& pos) const {
    return ui::SpeedButtonLatch::isInside(int(std::floor(pos.x())), int(std::floor(pos.y())), width(),
                                          height());
}

void TSpeedButton::stateChanged() {
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.pressed = true;
        changed.checked = true;
        changed.disabled = true;
        QAccessibleStateChangeEvent ev(this, changed);
        QAccessible::updateAccessibility(&ev);
    }
}

void TSpeedButton::updateExclusive() {
    if (m_latch.groupIndex() == 0 || !parentWidget())
        return;
    for (QObject* child : parentWidget()->children()) {
        auto* other = qobject_cast<TSpeedButton*>(child);
        if (other && other != this && other->groupIndex() == groupIndex()) {
            const bool wasDown = other->isDown();
            other->latchStep([this](ui::SpeedButtonLatch& l) {
                l.followGroup(m_latch);
                return 0;
            });
            // A disabled button that went up keeps its look but repaints.
            if (wasDown && !other->isDown() && !other->isEnabled())
                other->update();
        }
    }
}

bool TSpeedButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (effectiveShowHint() && !toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), toolTip(), this);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        const bool enabled = isEnabled();
        latchStep([enabled](ui::SpeedButtonLatch& l) {
            l.setEnabled(enabled);
            return 0;
        });
    } else if (event->type() == QEvent::FontChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void TSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    latchStep([](ui::SpeedButtonLatch& l) {
        l.press();
        return 0;
    });
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = isInside(event->position());
    latchStep([inside](ui::SpeedButtonLatch& l) {
        l.move(inside);
        return 0;
    });
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = isInside(event->position());
    const auto outcome = latchStep([inside](ui::SpeedButtonLatch& l) { return l.release(inside); });
    if (outcome.groupChanged)
        updateExclusive();
    if (outcome.click)
        emit OnClick(this);
}

void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_latch.doubleClickFires())
        emit OnDblClick(this);
}

QString TSpeedButton::displayedCaption() const {
    const int glyphWidth = m_glyph.isNull() ? 0 : m_glyph.width() / m_numGlyphs;
    return shortenButtonCaption(m_caption, ui::captionSpace(width(), glyphWidth, m_layout, m_spacing),
                                QFontMetrics(font()));
}

void TSpeedButton::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        paintButton(painter);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TSpeedButton::paintButton(QPainter& p) const {
    const QRect all = rect();
    const TButtonState state = m_latch.state();
    p.fillRect(all, platform::systemColor(SystemColor::BtnFace));
    const ui::ButtonFrame frame = ui::buttonFrame(state);
    drawRing(p, all, frame.outer);
    drawRing(p, all.adjusted(1, 1, -1, -1), frame.inner);
    QRect content = all.adjusted(2, 2, -2, -2);
    if (state == TButtonState::Latched) {
        p.setBrushOrigin(0, 0);
        p.fillRect(content.adjusted(-1, -1, 1, 1), QBrush(checkerPattern()));
    }
    if (ui::isSunken(state))
        content.translate(1, 1);
    paintContent(p, content);
}

void TSpeedButton::paintContent(QPainter& p, const QRect& content) const {
    const Colors c;
    const bool disabled = m_latch.state() == TButtonState::Disabled;
    QImage image;
    if (!m_glyph.isNull()) {
        const int index = ui::glyphImageIndex(m_latch.state(), m_numGlyphs);
        image = glyphImage(m_glyph.toImage(), m_numGlyphs, std::max(index, 0));
        if (index < 0)
            image = embossedGlyph(image, c.highlight, c.shadow);
    }
    const QString text = displayedCaption();
    const QFontMetrics fm(font());
    const QSize textSize = text.isEmpty() ? QSize(0, 0) : QSize(fm.horizontalAdvance(text), fm.height());
    const ui::ButtonContent place =
        ui::placeButtonContent(content.width(), content.height(), image.width(), image.height(),
                               textSize.width(), textSize.height(), m_layout, m_margin, m_spacing);
    if (!image.isNull())
        p.drawImage(content.topLeft() + QPoint(place.glyphLeft, place.glyphTop), image);
    if (text.isEmpty())
        return;
    p.setFont(font());
    const QRect textRect = QRect(place.text.left, place.text.top, place.text.width, place.text.height)
                               .translated(content.topLeft());
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (disabled) {
        p.setPen(c.highlight);
        p.drawText(textRect.translated(1, 1), flags, text);
        p.setPen(c.shadow);
    } else {
        p.setPen(platform::resolveColor(m_fontColor));
    }
    p.drawText(textRect, flags, text);
}
