#include "qt/controls/caption/GradientCaption.h"

#include "core/Boundary.h"
#include "qt/controls/caption/CaptionButton.h"
#include "qt/controls/caption/CaptionFrame.h"
#include "qt/controls/caption/CaptionIcon.h"
#include "qt/controls/caption/CaptionMenu.h"
#include "qt/controls/caption/CaptionStrip.h"
#include "qt/controls/caption/GradientFill.h"
#include "qt/controls/caption/WindowMover.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/SystemMetrics.h"
#include "ui/TextShortening.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

namespace metrics = platform::metrics;
using core::SystemColor;

namespace {

constexpr std::size_t kClose = 0;
constexpr std::size_t kMaximize = 1;
constexpr std::size_t kMinimize = 2;

} // namespace

TGradientCaption::TGradientCaption(QWidget* form, QWidget* clientArea)
    : QObject(form)
    , m_form(form)
    , m_clientArea(clientArea)
    , m_font(metrics::captionFont()) {
    form->installEventFilter(this);
    if (clientArea)
        clientArea->installEventFilter(this);
    updateAttachment();
}

// The control belongs to its form and goes with it; the strip and buttons go too.
TGradientCaption::~TGradientCaption() {
    delete m_frame;
}

bool TGradientCaption::isAttached() const {
    return !m_frame.isNull();
}

void TGradientCaption::setActive(bool active) {
    m_active = active;
    updateAttachment();
}

void TGradientCaption::setFormCaption(const QString& caption) {
    m_formCaption = caption;
    if (m_strip)
        m_strip->setCaption(caption);
    requestRepaint();
}

void TGradientCaption::setStartColor(core::TColor color) {
    m_startColor = color;
    requestRepaint();
}

void TGradientCaption::setGradientSteps(int steps) {
    m_gradientSteps = steps;
    requestRepaint();
}

void TGradientCaption::setGradientActive(bool gradient) {
    m_gradientActive = gradient;
    requestRepaint();
}

void TGradientCaption::setGradientInactive(bool gradient) {
    m_gradientInactive = gradient;
    requestRepaint();
}

void TGradientCaption::setFont(const QFont& font) {
    m_font = font;
    m_defaultFont = false;
    requestRepaint();
}

void TGradientCaption::setFontColor(core::TColor color) {
    m_fontColor = color;
    m_defaultFont = false;
    requestRepaint();
}

void TGradientCaption::setDefaultFont(bool useDefault) {
    m_defaultFont = useDefault;
    if (useDefault) {
        m_font = metrics::captionFont();
        m_fontColor = core::clCaptionText;
    }
    requestRepaint();
}

void TGradientCaption::setFontInactiveColor(core::TColor color) {
    m_fontInactiveColor = color;
    requestRepaint();
}

core::TColor TGradientCaption::endColor() const {
    if (metrics::kGradientCaptions)
        return core::systemColorValue(m_windowActive ? SystemColor::GradientActiveCaption
                                                     : SystemColor::GradientInactiveCaption);
    return core::systemColorValue(m_windowActive ? SystemColor::ActiveCaption : SystemColor::InactiveCaption);
}

QRect TGradientCaption::stripRect() const {
    return isAttached() ? m_geometry.strip : QRect();
}

int TGradientCaption::textLeft() const {
    return ui::captionTextLeft(m_geometry.strip.height(), m_geometry.drawsIcon);
}

QString TGradientCaption::shownCaption() const {
    if (!isAttached())
        return {};
    return shortenedCaption(m_geometry.strip.width() - textLeft());
}

QString TGradientCaption::shortenedCaption(int width) const {
    const QFontMetrics fm(m_font);
    return ui::shortenText(m_formCaption, width, [&fm](const QString& s) { return fm.horizontalAdvance(s); });
}

// Watches the form and its client area; every event goes on to its target,
// and whatever fails here is reported.
bool TGradientCaption::eventFilter(QObject* watched, QEvent* event) {
    bool used = false;
    core::runGuarded([&] { used = handleEvent(watched, event); });
    return used || QObject::eventFilter(watched, event);
}

bool TGradientCaption::handleEvent(QObject* watched, QEvent* event) {
    // The type first: a strip being destroyed still gets a leave event, and is no
    // strip any more by then.
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::ContextMenu) &&
        m_strip && watched == m_strip)
        return handleStripEvent(event);
    if (watched == m_form) {
        switch (event->type()) {
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            m_windowActive = event->type() == QEvent::WindowActivate;
            requestRepaint();
            break;
        case QEvent::ApplicationFontChange:
            if (m_defaultFont)
                m_font = metrics::captionFont();
            requestRepaint();
            break;
        case QEvent::WindowIconChange:
            requestRepaint();
            break;
        default:
            break;
        }
    } else if (watched == m_clientArea && event->type() == QEvent::Resize && isAttached()) {
        relayout();
    }
    return false;
}

// The icon opens the system menu and a double click on it closes the window;
// a right click anywhere on the strip opens the menu where it was made.
bool TGradientCaption::handleStripEvent(QEvent* event) {
    // A move from the menu ends with the next click, wherever it is.
    if (m_mover && m_mover->isFollowing())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !onIcon(mouse->position().toPoint()))
            return false;
        if (event->type() == QEvent::MouseButtonDblClick)
            m_form->close();
        else
            openSystemMenu();
        return true;
    }
    case QEvent::ContextMenu:
        m_menu->popupAt(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

bool TGradientCaption::onIcon(const QPoint& stripPos) const {
    const int height = m_geometry.strip.height();
    return m_geometry.drawsIcon && QRect(0, 0, height, height).contains(stripPos);
}

TCaptionMenu* TGradientCaption::systemMenu() const {
    return m_menu;
}

void TGradientCaption::openSystemMenu() {
    if (!m_menu || !m_strip)
        return;
    const QPoint origin = m_strip->mapToGlobal(QPoint(0, 0));
    const int height = m_strip->height();
    const QRect icon = m_geometry.drawsIcon ? QRect(origin, QSize(height, height)) : QRect();
    m_menu->popupFromIcon(origin + QPoint(0, height), icon);
}

void TGradientCaption::updateAttachment() {
    const bool wanted = m_active && m_form && m_clientArea && m_form->isWindow();
    if (wanted && !isAttached())
        attach();
    else if (!wanted && isAttached())
        detach();
    if (m_form)
        m_windowActive = m_form->isActiveWindow();
    requestRepaint();
}

void TGradientCaption::attach() {
    const Placement before = placement();
    m_savedFlags = m_form->windowFlags();
    m_savedMinimumSize = m_form->minimumSize();
    m_savedMaximumSize = m_form->maximumSize();

    m_frame = new TCaptionFrame(m_form);
    m_frame->setObjectName(QStringLiteral("CaptionFrame"));
    m_strip = new TCaptionStrip([this](QPainter& p, QSize size) { paintStrip(p, size); }, m_frame);
    m_strip->setObjectName(QStringLiteral("CaptionStrip"));
    m_strip->setCaption(m_formCaption);
    m_buttons[kClose] = new TCaptionButton(TCaptionButton::Kind::Close, m_frame);
    m_buttons[kMaximize] = new TCaptionButton(TCaptionButton::Kind::Maximize, m_frame);
    m_buttons[kMinimize] = new TCaptionButton(TCaptionButton::Kind::Minimize, m_frame);
    m_buttons[kMaximize]->setEnabled(false);
    QWidget* form = m_form;
    connect(m_buttons[kClose], &QAbstractButton::clicked, this, core::guarded([form] { form->close(); }));
    connect(m_buttons[kMinimize], &QAbstractButton::clicked, this,
            core::guarded([form] { form->showMinimized(); }));
    m_mover = new WindowMover(m_form, m_frame);
    m_mover->addHandle(m_strip);
    // Installed after the mover's, so it sees the strip's events first.
    m_strip->installEventFilter(this);

    m_menu = new TCaptionMenu(m_form, kBorderStyle, kBorderIcons, m_frame);
    connect(m_menu, &TCaptionMenu::moveRequested, m_mover, &WindowMover::startMove);
    connect(m_menu, &TCaptionMenu::iconDoubleClicked, this, core::guarded([form] { form->close(); }));
    // Alt+F4 works without a window manager too; a window manager takes it first.
    m_frame->addAction(m_menu->closeAction());
    auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), m_frame);
    connect(menuKey, &QShortcut::activated, this, core::guarded([this] { openSystemMenu(); }));

    // Frameless first: a window that changes its frame and its size at once
    // while shown can come back reporting the old frame's offset.
    setWindowFlags(framelessFlags(m_savedFlags), before);
    relayout();
    m_frame->lower();
    m_frame->show();
}

void TGradientCaption::detach() {
    delete m_frame;
    if (!m_form || !m_clientArea)
        return;
    const Placement before = placement();
    m_clientArea->move(0, 0);
    m_form->setMinimumSize(m_savedMinimumSize);
    m_form->setMaximumSize(m_savedMaximumSize);
    m_form->resize(m_clientArea->size());
    setWindowFlags(m_savedFlags, before);
}

TGradientCaption::Placement TGradientCaption::placement() const {
    return {m_form->pos(), m_form->isVisible(), m_form->isActiveWindow(),
            m_form->isVisible() || m_form->testAttribute(Qt::WA_Moved)};
}

// The title-bar hints go: with any button hint under CustomizeWindowHint the
// toolkit drops FramelessWindowHint again.
Qt::WindowFlags TGradientCaption::framelessFlags(Qt::WindowFlags flags) {
    const Qt::WindowFlags titleBar = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                     Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint |
                                     Qt::WindowShadeButtonHint;
    return (flags & ~titleBar) | Qt::FramelessWindowHint;
}

// Changing the frame recreates the native window, which hides it and forgets
// where it was: put it back where it stood, show it again and give it back the
// focus it had.
void TGradientCaption::setWindowFlags(Qt::WindowFlags flags, const Placement& before) {
    if (m_form->windowFlags() == flags)
        return;
    m_form->setWindowFlags(flags);
    // A form whose native window exists already keeps that window, and the
    // toolkit leaves the old flags on it.
    if (QWindow* native = m_form->windowHandle(); native && native->flags() != m_form->windowFlags())
        native->setFlags(m_form->windowFlags());
    // The position is the frame's. A frameless window would take its stale
    // frame size off it: place that one by its own geometry.
    const bool frameless = flags.testFlag(Qt::FramelessWindowHint);
    if (before.placed && frameless)
        m_form->setGeometry(QRect(before.position, m_form->size()));
    else if (before.placed)
        m_form->move(before.position);
    if (before.visible)
        m_form->show();
    if (before.active)
        m_form->activateWindow();
}

void TGradientCaption::relayout() {
    const QSize windowSize = windowSizeFor(m_clientArea->size(), kBorderStyle);
    m_geometry = captionGeometry(windowSize, kBorderStyle, kBorderIcons);
    m_form->setFixedSize(windowSize);
    m_clientArea->move(m_geometry.clientOrigin);
    m_frame->setGeometry(QRect(QPoint(0, 0), windowSize));
    m_frame->setCaptionLayout(m_geometry);
    m_strip->setGeometry(m_geometry.strip);
    const std::array<QRect, 3> places{m_geometry.close, m_geometry.maximize, m_geometry.minimize};
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setGeometry(places[i]);
        m_buttons[i]->setVisible(!places[i].isEmpty());
    }
}

void TGradientCaption::requestRepaint() {
    if (!isAttached())
        return;
    m_frame->setButtonBackground(platform::resolveColor(endColor()));
    if (m_form->isVisible())
        m_strip->update();
}

void TGradientCaption::paintStrip(QPainter& painter, QSize size) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    QPixmap buffer(size * ratio);
    buffer.setDevicePixelRatio(ratio);
    try {
        QPainter offscreen(&buffer);
        drawStrip(offscreen, size);
    } catch (...) {
        reportLater(std::current_exception());
        // What the window would show without the control: a plain caption.
        painter.fillRect(QRect(QPoint(0, 0), size),
                         platform::systemColor(m_windowActive ? SystemColor::ActiveCaption
                                                              : SystemColor::InactiveCaption));
        return;
    }
    painter.drawPixmap(0, 0, buffer);
}

// The error report is modal: it must not run inside the paint event, and a
// strip that fails on every paint reports once until that report is done.
void TGradientCaption::reportLater(std::exception_ptr error) {
    if (m_reportPending)
        return;
    m_reportPending = true;
    QMetaObject::invokeMethod(
        this,
        [this, error] {
            core::reportException(error);
            m_reportPending = false;
        },
        Qt::QueuedConnection);
}

void TGradientCaption::drawStrip(QPainter& p, QSize size) const {
    const int width = size.width();
    const int height = size.height();
    const core::TColor end = platform::toRgb(endColor());

    if (m_windowActive ? m_gradientActive : m_gradientInactive)
        gradientFill(p, toQRect(ui::gradientBox(width, height)), platform::toRgb(m_startColor), end,
                     m_gradientSteps & 0xFF);
    else
        p.fillRect(QRect(0, 0, width, height), platform::resolveColor(end));

    if (m_geometry.drawsIcon) {
        const QRect icon = toQRect(ui::captionIconBox(height, classicFrameMetrics()));
        p.drawPixmap(icon, captionIcon(m_form, icon.size()));
    }

    if (!m_formCaption.isEmpty()) {
        const int left = textLeft();
        p.setFont(m_font);
        p.setPen(platform::resolveColor(m_windowActive ? m_fontColor : m_fontInactiveColor));
        p.drawText(QRect(left, 0, width - left, height),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shortenedCaption(width - left));
    }
}
