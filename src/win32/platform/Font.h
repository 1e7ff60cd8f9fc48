#pragma once

#include "ui/ControlDesign.h"

#include <windows.h>

#include <string_view>

namespace win32 {

// A GDI font made from a design font at a DPI, deleted with the object.
class Font {
public:
    Font() = default;
    Font(const ui::FontDesign& design, UINT dpi);
    // The same with another family and style (the display preferences change just those).
    Font(std::string_view family, int pixelHeight, unsigned style, UINT dpi);
    ~Font();
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;

    HFONT handle() const { return m_font; }

private:
    HFONT m_font = nullptr;
};

} // namespace win32
