#include "win32/platform/DesignLayout.h"

#include "win32/platform/Dpi.h"

#include <utility>

namespace win32 {

void DesignLayout::add(HWND child, const ui::Box& box, std::optional<ui::FontDesign> font) {
    Entry& entry = m_entries.emplace_back(Entry{child, box, std::move(font), Font()});
    giveFont(entry);
    place(entry);
}

void DesignLayout::setFont(HWND child, const ui::FontDesign& font) {
    for (Entry& entry : m_entries)
        if (entry.child == child) {
            entry.design = font;
            giveFont(entry);
        }
}

// The font first, then the box: a control that sizes itself by its font (a combo box's field)
// ends at its design box all the same.
void DesignLayout::apply(UINT dpi) {
    m_dpi = dpi;
    for (Entry& entry : m_entries) {
        giveFont(entry);
        place(entry);
    }
}

void DesignLayout::place(Entry& entry) const {
    const ui::Box at = dpi::scale(entry.box, m_dpi);
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
