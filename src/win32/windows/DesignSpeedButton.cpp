#include "win32/windows/DesignSpeedButton.h"

#include "win32/controls/commandbar/SpeedButton.h"

namespace win32 {

HWND createDesignSpeedButton(HWND parent, DesignLayout& layout, const ui::ControlDesign& control, int id) {
    controls::SpeedButtonSpec params;
    params.id = id;
    params.caption = control.caption;
    params.hint = control.hint;
    params.fontColor = control.font.color;
    const HWND button = controls::SpeedButton::create(parent, params);
    layout.add(button, control.box, control.font);
    return button;
}

} // namespace win32
