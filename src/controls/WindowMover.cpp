#include "controls/WindowMover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowMover::WindowMover(QWidget* window, QObject* parent)
    : QObject(parent)
    , m_window(window) {}

void WindowMover::addHandle(QWidget* handle) {
    handle->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
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
