#include "win32/platform/DesignLayout.h"

#include "win32/platform/Dpi.h"

#include <utility>

namespace win32 {

void DesignLayout::add(HWND child, const ui::Box& box, std::optional<ui::FontDesign> font) {
    Entry& entry = m_entries.emplace_back(Entry{child, box, std::move(font), Font()});
    giveFont(entry);
    place(entry);
}

// The same font again changes nothing: the preferences give every target its font on each
// change, and a font given is one made and a control repainted.
void DesignLayout::setFont(HWND child, const ui::FontDesign& font) {
    for (Entry& entry : m_entries)
        if (entry.child == child && entry.design != font) {
            entry.design = font;
            giveFont(entry);
        }
}

// The font first, then the box: a control that sizes itself by its font (a combo box's field)
// ends at its design box all the same.
void DesignLayout::apply(UINT dpi) {
    const bool newDpi = dpi != m_dpi;
    m_dpi = dpi;
    for (Entry& entry : m_entries) {
        if (newDpi)
            giveFont(entry);
        place(entry);
    }
}

// Only a change: under Wine a move is a trip to its server even when the box stays.
void DesignLayout::place(Entry& entry) const {
    const ui::Box at = dpi::scale(entry.box, m_dpi);
    RECT now{};
    ::GetWindowRect(entry.child, &now);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(entry.child), reinterpret_cast<POINT*>(&now), 2);
    if (now.left == at.left && now.top == at.top && now.right - now.left == at.width &&
        now.bottom - now.top == at.height)
        return;
    ::SetWindowPos(entry.child, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DesignLayout::giveFont(Entry& entry) const {
    if (!entry.design)
        return;
    // The control gets the new font before the old one goes: it may still be drawing with it.
    Font font(*entry.design, m_dpi);
    ::SendMessageW(entry.child, WM_SETFONT, reinterpret_cast<WPARAM>(font.handle()), TRUE);
    entry.font = std::move(font);
}

} // namespace win32
