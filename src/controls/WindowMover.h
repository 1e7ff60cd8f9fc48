#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

// Moves a window while the left button drags one of its handle widgets. The
// move starts only once the pointer has left the platform's drag distance; it
// is then handed to the window manager, and done here, following the pointer,
// when the window manager refuses (none running, or one without the support).
class WindowMover : public QObject {
    Q_OBJECT

public:
    explicit WindowMover(QWidget* window, QObject* parent = nullptr);

    void addHandle(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Phase { Idle, Pressed, SystemMove, ManualMove };

    bool handlePress(const QMouseEvent* event);
    bool handleMove(const QMouseEvent* event);

    QPointer<QWidget> m_window;
    Phase m_phase = Phase::Idle;
    QPoint m_pressGlobal;
    QPoint m_windowAtPress;
};
