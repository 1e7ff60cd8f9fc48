#include "ui/SpeedButtonLatch.h"

namespace ui {

// A disabled button keeps showing Disabled whatever its Down becomes.
void SpeedButtonLatch::show(TButtonState state) {
    if (m_enabled)
        m_state = state;
}

bool SpeedButtonLatch::setGroupIndex(int groupIndex) {
    if (groupIndex == m_groupIndex)
        return false;
    m_groupIndex = groupIndex;
    if (m_groupIndex == 0 && m_down) {
        m_down = false;
        show(TButtonState::Up);
    }
    return m_groupIndex != 0;
}

bool SpeedButtonLatch::setAllowAllUp(bool allowAllUp) {
    if (allowAllUp == m_allowAllUp)
        return false;
    m_allowAllUp = allowAllUp;
    return m_groupIndex != 0;
}

bool SpeedButtonLatch::setDown(bool down) {
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down || (m_down && !m_allowAllUp))
        return false;
    m_down = down;
    show(down ? TButtonState::Latched : TButtonState::Up);
    return down;
}

void SpeedButtonLatch::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (enabled) {
        m_state = restingState();
    } else {
        m_tracking = false;
        m_state = TButtonState::Disabled;
    }
}

void SpeedButtonLatch::press() {
    if (!m_enabled)
        return;
    if (!m_down)
        m_state = TButtonState::Pressed;
    m_tracking = true;
}

void SpeedButtonLatch::move(bool inside) {
    if (!m_tracking)
        return;
    if (m_down)
        m_state = TButtonState::Latched;
    else
        m_state = inside ? TButtonState::Pressed : TButtonState::Up;
}

SpeedButtonLatch::Outcome SpeedButtonLatch::release(bool inside) {
    if (!m_tracking)
        return {};
    m_tracking = false;
    if (m_groupIndex == 0) {
        m_state = TButtonState::Up;
        return {inside, false};
    }
    Outcome outcome;
    if (inside) {
        outcome.groupChanged = setDown(!m_down);
        outcome.click = true;
    }
    m_state = restingState();
    return outcome;
}

SpeedButtonLatch::Outcome SpeedButtonLatch::click() {
    if (!m_enabled)
        return {};
    Outcome outcome{true, false};
    if (m_groupIndex != 0)
        outcome.groupChanged = setDown(!m_down);
    return outcome;
}

void SpeedButtonLatch::followGroup(const SpeedButtonLatch& sender) {
    if (sender.m_down && m_down) {
        m_down = false;
        show(TButtonState::Up);
    }
    m_allowAllUp = sender.m_allowAllUp;
}

} // namespace ui
