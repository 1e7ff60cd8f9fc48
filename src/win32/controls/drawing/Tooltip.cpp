#include "win32/controls/drawing/Tooltip.h"

#include "ui/ControlDesign.h"
#include "win32/platform/Text1252.h"
#include "win32/platform/Window.h"

#include <commctrl.h>

#include <string>

namespace win32::controls {

void addTooltip(HWND control, std::string_view hint) {
    std::wstring text = text1252::toWide(ui::shortHint(hint));
    if (text.empty())
        return;
    // Owned by the control's window: destroyed with it.
    HWND tip =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          ::GetAncestor(control, GA_ROOT), nullptr, programInstance(), nullptr);
    if (!tip)
        return;
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = text.data();
    ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace win32::controls
