#include "qt/controls/caption/WindowMover.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowMover::WindowMover(QWidget* window, QObject* parent)
    : QObject(parent)
    , m_window(window) {}

void WindowMover::addHandle(QWidget* handle) {
    handle->installEventFilter(this);
    if (!m_grabber)
        m_grabber = handle;
}

void WindowMover::startMove() {
    if (!m_window || !m_grabber || m_phase != Phase::Idle)
        return;
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_phase = Phase::Following;
    m_pressGlobal = QCursor::pos();
    m_windowAtPress = m_window->pos();
    m_windowBeforeMove = m_windowAtPress;
    // Moves without a button held reach only a widget that tracks the mouse.
    m_trackedBefore = m_grabber->hasMouseTracking();
    m_grabber->setMouseTracking(true);
    m_grabber->grabMouse(Qt::SizeAllCursor);
    m_grabber->grabKeyboard();
}

bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    if (m_phase == Phase::Following)
        return handleFollowing(event) || QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return handlePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return handleMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_phase != Phase::Idle) {
            m_phase = Phase::Idle;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool WindowMover::handlePress(const QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_window)
        return false;
    m_phase = Phase::Pressed;
    m_pressGlobal = event->globalPosition().toPoint();
    m_windowAtPress = m_window->pos();
    return true;
}

bool WindowMover::handleMove(const QMouseEvent* event) {
    if (m_phase == Phase::Idle || !m_window)
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (the window manager took the pointer).
        m_phase = Phase::Idle;
        return false;
    }
    const QPoint offset = event->globalPosition().toPoint() - m_pressGlobal;
    if (m_phase == Phase::Pressed) {
        if (offset.manhattanLength() < QApplication::startDragDistance())
            return true;
        // The window manager moves the window by what the pointer moves from
        // here on, so the window stays behind the pointer by the drag distance.
        QWindow* handle = m_window->windowHandle();
        m_phase = handle && handle->startSystemMove() ? Phase::SystemMove : Phase::ManualMove;
    }
    if (m_phase == Phase::ManualMove)
        m_window->move(m_windowAtPress + offset);
    return true;
}

// While following, the grabbing handle gets every pointer and key event.
bool WindowMover::handleFollowing(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_window)
            m_window->move(m_windowAtPress + static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                           m_pressGlobal);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        endFollowing();
        return true;
    case QEvent::KeyPress:
        return handleFollowingKey(static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

bool WindowMover::handleFollowingKey(const QKeyEvent* event) {
    if (!m_window)
        return false;
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-kKeyStep, 0};
        break;
    case Qt::Key_Right:
        step = {kKeyStep, 0};
        break;
    case Qt::Key_Up:
        step = {0, -kKeyStep};
        break;
    case Qt::Key_Down:
        step = {0, kKeyStep};
        break;
    case Qt::Key_Escape:
        m_window->move(m_windowBeforeMove);
        endFollowing();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        endFollowing();
        return true;
    default:
        return true;
    }
    // The keys move the window and the place the pointer moves it from alike.
    m_window->move(m_window->pos() + step);
    m_windowAtPress += step;
    return true;
}

void WindowMover::endFollowing() {
    m_phase = Phase::Idle;
    if (m_grabber) {
        m_grabber->releaseMouse();
        m_grabber->releaseKeyboard();
        m_grabber->setMouseTracking(m_trackedBefore);
    }
}
