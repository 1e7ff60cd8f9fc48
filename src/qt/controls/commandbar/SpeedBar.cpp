#include "qt/controls/commandbar/SpeedBar.h"

#include "ui/SnapGrid.h"
#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/commandbar/SpeedbarButton.h"
#include "qt/controls/commandbar/SpeedbarSection.h"
#include "qt/controls/drawing/Frame3D.h"
#include "qt/platform/SystemColors.h"

#include <QChildEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QRect scaledRect(const QRect& r, int numerator, int denominator) {
    const int x = scaleRounded(r.x(), numerator, denominator);
    const int y = scaleRounded(r.y(), numerator, denominator);
    return QRect(x, y, scaleRounded(r.x() + r.width(), numerator, denominator) - x,
                 scaleRounded(r.y() + r.height(), numerator, denominator) - y);
}

// Draws `width` rings of a bevel and returns the rectangle inside it.
QRect drawBevel(QPainter& p, QRect r, TBevelCut cut, int width) {
    if (cut == TBevelCut::None)
        return r;
    const QColor highlight = platform::systemColor(core::SystemColor::BtnHighlight);
    const QColor shadow = platform::systemColor(core::SystemColor::BtnShadow);
    const bool raised = cut == TBevelCut::Raised;
    for (int i = 0; i < width; ++i) {
        drawFrameRing(p, r, raised ? highlight : shadow, raised ? shadow : highlight);
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

} // namespace

TSpeedBar::TSpeedBar(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(2 * kDefaultBtnSize, 2 * m_btnOffsetVert + m_btnHeight);
}

// Sections (and with them the items and their buttons) go while the bar is
// still whole: their removal updates the bar's lists.
TSpeedBar::~TSpeedBar() {
    while (!m_sections.isEmpty())
        delete m_sections.takeLast();
}

void TSpeedBar::setOrientation(Qt::Orientation orientation) {
    m_orientation = orientation;
    placeButtons();
}

void TSpeedBar::setBtnWidth(int width) {
    m_btnWidth = std::max(1, width);
    ensureExtent();
    placeButtons();
}

void TSpeedBar::setBtnHeight(int height) {
    m_btnHeight = std::max(1, height);
    ensureExtent();
    placeButtons();
}

void TSpeedBar::setBtnOffsetHorz(int offset) {
    m_btnOffsetHorz = offset;
    ensureOffsets();
    ensureExtent();
    placeButtons();
}

void TSpeedBar::setBtnOffsetVert(int offset) {
    m_btnOffsetVert = offset;
    ensureOffsets();
    ensureExtent();
    placeButtons();
}

void TSpeedBar::setBevelOuter(TBevelCut bevel) {
    m_bevelOuter = bevel;
    ensureOffsets();
    update();
}

void TSpeedBar::setBevelInner(TBevelCut bevel) {
    m_bevelInner = bevel;
    ensureOffsets();
    update();
}

void TSpeedBar::setBevelWidth(int width) {
    m_bevelWidth = std::max(1, width);
    ensureOffsets();
    update();
}

void TSpeedBar::setBorderWidth(int width) {
    m_borderWidth = std::max(0, width);
    ensureOffsets();
    update();
}

void TSpeedBar::setOptions(TSpeedbarOptions options) {
    m_options = options;
    ensureOffsets();
    update();
}

int TSpeedBar::frameWidth() const {
    int w = m_options.testFlag(TSpeedbarOption::FlatBtns) ? 0 : 2;
    w += m_borderWidth;
    if (m_bevelOuter != TBevelCut::None)
        w += m_bevelWidth;
    if (m_bevelInner != TBevelCut::None)
        w += m_bevelWidth;
    return w;
}

void TSpeedBar::ensureOffsets() {
    const int frame = frameWidth();
    m_btnOffsetHorz = std::max(m_btnOffsetHorz, frame);
    m_btnOffsetVert = std::max(m_btnOffsetVert, frame);
}

void TSpeedBar::ensureExtent() {
    if (m_orientation == Qt::Horizontal) {
        const int needed = 2 * m_btnOffsetVert + m_btnHeight;
        if (height() < needed)
            resize(width(), needed);
    } else {
        const int needed = 2 * m_btnOffsetHorz + m_btnWidth;
        if (width() < needed)
            resize(needed, height());
    }
}

void TSpeedBar::setColor(core::TColor color) {
    m_color = color;
    update();
}

void TSpeedBar::setShowHint(bool showHint) {
    m_showHint = showHint;
}

TSpeedbarSection* TSpeedBar::addSection(const QString& name) {
    auto* s = new TSpeedbarSection(name, this);
    m_sections.append(s);
    connect(s, &QObject::destroyed, this, [this, s] { m_sections.removeOne(s); });
    return s;
}

TSpeedbarSection* TSpeedBar::section(const QString& name) const {
    for (TSpeedbarSection* s : m_sections) {
        if (s->name() == name)
            return s;
    }
    return nullptr;
}

QList<TSpeedItem*> TSpeedBar::items() const {
    QList<TSpeedItem*> all;
    for (const TSpeedbarSection* s : m_sections)
        all += s->items();
    return all;
}

void TSpeedBar::placeButton(TSpeedItem* item) {
    TSpeedbarButton* b = item->button();
    if (!b)
        return;
    b->resize(m_btnWidth, m_btnHeight);
    if (m_orientation == Qt::Horizontal)
        b->move(b->x(), std::max(b->y(), m_btnOffsetVert));
    else
        b->move(std::max(b->x(), m_btnOffsetHorz), b->y());
}

void TSpeedBar::placeButtons() {
    for (TSpeedItem* item : items())
        placeButton(item);
}

int TSpeedBar::stepAlong() const {
    return snapStep(m_orientation == Qt::Horizontal ? m_btnWidth : m_btnHeight);
}

int TSpeedBar::stepAcross() const {
    return m_orientation == Qt::Horizontal ? m_btnHeight : m_btnWidth;
}

void TSpeedBar::scaleBy(int newDpi, int oldDpi) {
    if (newDpi == oldDpi || newDpi <= 0 || oldDpi <= 0)
        return;
    m_btnWidth = std::max(1, scaleRounded(m_btnWidth, newDpi, oldDpi));
    m_btnHeight = std::max(1, scaleRounded(m_btnHeight, newDpi, oldDpi));
    m_btnOffsetHorz = scaleRounded(m_btnOffsetHorz, newDpi, oldDpi);
    m_btnOffsetVert = scaleRounded(m_btnOffsetVert, newDpi, oldDpi);
    ensureOffsets();

    setGeometry(scaledRect(geometry(), newDpi, oldDpi));
    for (QObject* child : children()) {
        if (child->isWidgetType()) {
            auto* w = static_cast<QWidget*>(child);
            w->setGeometry(scaledRect(w->geometry(), newDpi, oldDpi));
        }
    }

    const bool horizontal = m_orientation == Qt::Horizontal;
    const int along = stepAlong();
    const int across = stepAcross();
    for (TSpeedItem* item : items()) {
        TSpeedbarButton* b = item->button();
        if (!b)
            continue;
        b->resize(m_btnWidth, m_btnHeight);
        if (!item->isVisible())
            continue;
        if (horizontal)
            b->move(snapAlong(b->x(), m_btnOffsetHorz, along), snapAcross(b->y(), m_btnOffsetVert, across));
        else
            b->move(snapAcross(b->x(), m_btnOffsetHorz, across), snapAlong(b->y(), m_btnOffsetVert, along));
    }
    ensureExtent();
    update();
}

void TSpeedBar::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter p(&buffer);
        p.fillRect(rect(), platform::resolveColor(m_color));
        QRect r = drawBevel(p, rect(), m_bevelOuter, m_bevelWidth);
        r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
        drawBevel(p, r, m_bevelInner, m_bevelWidth);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TSpeedBar::childEvent(QChildEvent* event) {
    if (event->child()->isWidgetType()) {
        if (event->added())
            event->child()->installEventFilter(this);
        else if (event->removed())
            event->child()->removeEventFilter(this);
    }
    QWidget::childEvent(event);
}

// Controls on the bar show their tooltips even when the window shows none.
// Speed buttons decide for themselves (the bar's buttons follow showHint()).
bool TSpeedBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched->parent() == this && watched->isWidgetType() &&
        !qobject_cast<TSpeedButton*>(watched)) {
        auto* w = static_cast<QWidget*>(watched);
        if (m_showHint && !w->toolTip().isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), w);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
