#pragma once

#include "ui/SpeedButtonLook.h"

// A speed button's state without a toolkit: Down, its group, the mouse tracking and the state it
// shows. A front end feeds it the button's events, repaints when state() changed and raises the
// click when an event says so; it also lets the other buttons of the group follow (see
// followGroup) after a call that returns groupChanged.
namespace ui {

class SpeedButtonLatch {
public:
    // The pointer is inside when 0 <= x < width and 0 <= y <= height: one pixel below counts.
    static constexpr bool isInside(int x, int y, int width, int height) {
        return x >= 0 && x < width && y >= 0 && y <= height;
    }

    TButtonState state() const { return m_state; }
    bool isDown() const { return m_down; }
    int groupIndex() const { return m_groupIndex; }
    bool allowAllUp() const { return m_allowAllUp; }
    bool isEnabled() const { return m_enabled; }
    bool isTracking() const { return m_tracking; }

    // Each returns true when the other buttons of the group must follow this one.
    bool setGroupIndex(int groupIndex);
    bool setAllowAllUp(bool allowAllUp);
    // From code: changes the look and the group only. With group 0 Down stays false; a Down
    // button without AllowAllUp stays down.
    bool setDown(bool down);

    void setEnabled(bool enabled);

    // What a mouse event did.
    struct Outcome {
        bool click = false;        // raise OnClick
        bool groupChanged = false; // the group must follow
    };
    // The left button went down on the button.
    void press();
    // The pointer moved while the button is held.
    void move(bool inside);
    // The left button came up.
    Outcome release(bool inside);
    // A completed click without the mouse (keyboard, accessibility, BM_CLICK): toggles a grouped
    // button, then clicks. Nothing on a disabled button.
    Outcome click();
    // A double click on a Down button fires OnDblClick.
    bool doubleClickFires() const { return m_enabled && m_down; }

    // Another button of the same group changed: this one goes up when both are down, and takes
    // over the other's AllowAllUp.
    void followGroup(const SpeedButtonLatch& sender);

private:
    TButtonState restingState() const { return m_down ? TButtonState::Latched : TButtonState::Up; }
    void show(TButtonState state);

    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_enabled = true;
    bool m_tracking = false;
    TButtonState m_state = TButtonState::Up;
};

} // namespace ui
