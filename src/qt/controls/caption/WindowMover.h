#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QKeyEvent;
class QMouseEvent;
class QWidget;

// Moves a window while the left button drags one of its handle widgets. The
// move starts only once the pointer has left the platform's drag distance; it
// is then handed to the window manager, and done here, following the pointer,
// when the window manager refuses (none running, or one without the support).
//
// startMove() is the system menu's Move: the window manager's interactive move
// again, or else the window follows the pointer until a click, and the arrow
// keys move it; Enter ends the move, Escape puts the window back.
class WindowMover : public QObject {
    Q_OBJECT

public:
    static constexpr int kKeyStep = 8;

    explicit WindowMover(QWidget* window, QObject* parent = nullptr);

    // The first handle also takes the pointer and keyboard during startMove().
    void addHandle(QWidget* handle);
    void startMove();
    bool isFollowing() const { return m_phase == Phase::Following; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Phase { Idle, Pressed, SystemMove, ManualMove, Following };

    bool handlePress(const QMouseEvent* event);
    bool handleMove(const QMouseEvent* event);
    bool handleFollowing(QEvent* event);
    bool handleFollowingKey(const QKeyEvent* event);
    void endFollowing();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_grabber;
    Phase m_phase = Phase::Idle;
    QPoint m_pressGlobal;
    QPoint m_windowAtPress;
    QPoint m_windowBeforeMove;
    bool m_trackedBefore = false;
};
