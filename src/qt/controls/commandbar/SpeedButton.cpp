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
    QColor frame = platform::systemColor(SystemColor::WindowFrame);
};

// 8 x 8: highlight where x and y have the same parity, button face elsewhere.
QPixmap checkerPattern(const Colors& c) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (x % 2 == y % 2 ? c.highlight : c.face).rgb());
    }
    return QPixmap::fromImage(pattern);
}

struct Placement {
    QPoint glyph;
    QRect text;
};

// Places glyph and text in a content area of size `client` (coordinates relative to it).
Placement placeContent(QSize client, QSize glyph, QSize text, TButtonLayout layout, int margin, int spacing) {
    const bool horizontal = layout == TButtonLayout::GlyphLeft || layout == TButtonLayout::GlyphRight;
    Placement out;
    QPoint textPos;
    if (horizontal) {
        out.glyph.setY((client.height() - glyph.height() + 1) / 2);
        textPos.setY((client.height() - text.height() + 1) / 2);
    } else {
        out.glyph.setX((client.width() - glyph.width() + 1) / 2);
        textPos.setX((client.width() - text.width() + 1) / 2);
    }
    if (text.isEmpty() || glyph.isEmpty())
        spacing = 0;
    const int clientAlong = horizontal ? client.width() : client.height();
    const int glyphAlong = horizontal ? glyph.width() : glyph.height();
    const int textAlong = horizontal ? text.width() : text.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientAlong - glyphAlong - textAlong) / 3;
            spacing = margin;
        } else {
            margin = (clientAlong - (glyphAlong + spacing + textAlong) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientAlong - margin - glyphAlong - textAlong) / 2;
    }
    switch (layout) {
    case TButtonLayout::GlyphLeft:
        out.glyph.setX(margin);
        textPos.setX(margin + glyph.width() + spacing);
        break;
    case TButtonLayout::GlyphRight:
        out.glyph.setX(client.width() - margin - glyph.width());
        textPos.setX(out.glyph.x() - spacing - text.width());
        break;
    case TButtonLayout::GlyphTop:
        out.glyph.setY(margin);
        textPos.setY(margin + glyph.height() + spacing);
        break;
    case TButtonLayout::GlyphBottom:
        out.glyph.setY(client.height() - margin - glyph.height());
        textPos.setY(out.glyph.y() - spacing - text.height());
        break;
    }
    out.text = QRect(textPos, text);
    return out;
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
    if (const int implied = impliedNumGlyphs(glyph.size()))
        m_numGlyphs = implied;
    update();
}

void TSpeedButton::setNumGlyphs(int numGlyphs) {
    m_numGlyphs = std::clamp(numGlyphs, 1, kMaxNumGlyphs);
    update();
}

void TSpeedButton::setGroupIndex(int groupIndex) {
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    if (m_groupIndex == 0 && m_down) {
        m_down = false;
        if (isEnabled())
            setState(TButtonState::Up);
    }
    updateExclusive();
}

void TSpeedButton::setAllowAllUp(bool allowAllUp) {
    if (allowAllUp == m_allowAllUp)
        return;
    m_allowAllUp = allowAllUp;
    updateExclusive();
}

void TSpeedButton::setDown(bool down) {
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    if (m_down && !m_allowAllUp)
        return;
    m_down = down;
    if (isEnabled())
        setState(down ? TButtonState::Latched : TButtonState::Up);
    if (down)
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
    if (!isEnabled())
        return;
    if (m_groupIndex != 0)
        setDown(!m_down);
    emit OnClick(this);
}

bool TSpeedButton::isInside(const QPointF& pos) const {
    const int x = int(std::floor(pos.x()));
    const int y = int(std::floor(pos.y()));
    return x >= 0 && x < width() && y >= 0 && y <= height();
}

TButtonState TSpeedButton::restingState() const {
    return m_down ? TButtonState::Latched : TButtonState::Up;
}

void TSpeedButton::setState(TButtonState state) {
    if (state == m_state)
        return;
    m_state = state;
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
    if (m_groupIndex == 0 || !parentWidget())
        return;
    for (QObject* child : parentWidget()->children()) {
        auto* other = qobject_cast<TSpeedButton*>(child);
        if (other && other != this && other->m_groupIndex == m_groupIndex)
            other->groupButtonPressed(this);
    }
}

void TSpeedButton::groupButtonPressed(const TSpeedButton* sender) {
    if (sender->m_down && m_down) {
        m_down = false;
        if (isEnabled())
            setState(TButtonState::Up);
        else
            update();
    }
    m_allowAllUp = sender->m_allowAllUp;
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
        if (isEnabled()) {
            setState(restingState());
        } else {
            m_tracking = false;
            setState(TButtonState::Disabled);
        }
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
    if (!m_down)
        setState(TButtonState::Pressed);
    m_tracking = true;
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_tracking)
        return;
    if (m_down)
        setState(TButtonState::Latched);
    else
        setState(isInside(event->position()) ? TButtonState::Pressed : TButtonState::Up);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_tracking)
        return;
    m_tracking = false;
    const bool inside = isInside(event->position());
    if (m_groupIndex == 0) {
        setState(TButtonState::Up);
        if (inside)
            emit OnClick(this);
        return;
    }
    if (inside) {
        setDown(!m_down);
        setState(restingState());
        emit OnClick(this);
    } else {
        setState(restingState());
    }
}

void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && m_down)
        emit OnDblClick(this);
}

QString TSpeedButton::displayedCaption() const {
    const QFontMetrics fm(font());
    int available = width() - 4;
    if (!m_glyph.isNull() && (m_layout == TButtonLayout::GlyphLeft || m_layout == TButtonLayout::GlyphRight))
        available -= m_glyph.width() / m_numGlyphs + std::max(0, m_spacing);
    return shortenCaption(m_caption, available, [&fm](const QString& s) { return fm.horizontalAdvance(s); });
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
    const Colors c;
    const QRect all = rect();
    p.fillRect(all, c.face);
    const bool sunken = m_state == TButtonState::Pressed || m_state == TButtonState::Latched;
    drawFrameRing(p, all, sunken ? c.frame : c.highlight, sunken ? c.highlight : c.frame);
    drawFrameRing(p, all.adjusted(1, 1, -1, -1), sunken ? c.shadow : c.face, sunken ? c.face : c.shadow);
    QRect content = all.adjusted(2, 2, -2, -2);
    if (m_state == TButtonState::Latched) {
        p.setBrushOrigin(0, 0);
        p.fillRect(content.adjusted(-1, -1, 1, 1), QBrush(checkerPattern(c)));
    }
    if (sunken)
        content.translate(1, 1);
    paintContent(p, content);
}

void TSpeedButton::paintContent(QPainter& p, const QRect& content) const {
    const Colors c;
    const bool disabled = m_state == TButtonState::Disabled;
    QImage image;
    if (!m_glyph.isNull()) {
        const QImage strip = m_glyph.toImage();
        if (disabled && m_numGlyphs >= 2) {
            image = glyphImage(strip, m_numGlyphs, 1);
        } else {
            image = glyphImage(strip, m_numGlyphs, 0);
            if (disabled)
                image = embossedGlyph(image, c.highlight, c.shadow);
        }
    }
    const QString text = displayedCaption();
    const QFontMetrics fm(font());
    const QSize textSize = text.isEmpty() ? QSize(0, 0) : QSize(fm.horizontalAdvance(text), fm.height());
    const Placement place =
        placeContent(content.size(), image.size(), textSize, m_layout, m_margin, m_spacing);
    if (!image.isNull())
        p.drawImage(content.topLeft() + place.glyph, image);
    if (text.isEmpty())
        return;
    p.setFont(font());
    const QRect textRect = place.text.translated(content.topLeft());
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
