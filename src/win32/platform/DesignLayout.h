#pragma once

#include "ui/ControlDesign.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/Font.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace win32 {

// Keeps a window's controls at their design boxes and fonts, scaled to the window's DPI: at
// creation and again when WM_DPICHANGED moves the window to a monitor of another DPI.
class DesignLayout {
public:
    explicit DesignLayout(UINT dpi = dpi::kDesignDpi)
        : m_dpi(dpi) {}

    // Places child at box (in its parent's client area at 96 dpi) and, when font is given, gives
    // it that font; both at the layout's current DPI.
    void add(HWND child, const ui::Box& box, std::optional<ui::FontDesign> font = std::nullopt);
    // A new font for a control already added (the display preferences change fonts at run time).
    void setFont(HWND child, const ui::FontDesign& font);
    // Lays every control out again for dpi: the fonts anew for a new DPI, the boxes where they
    // changed (a control that sized itself to its text goes back to its design box).
    void apply(UINT dpi);
    UINT dpi() const { return m_dpi; }

private:
    struct Entry {
        HWND child;
        ui::Box box;
        std::optional<ui::FontDesign> design;
        Font font;
    };
    void place(Entry& entry) const;
    void giveFont(Entry& entry) const;

    UINT m_dpi;
    std::vector<Entry> m_entries;
};

} // namespace win32
