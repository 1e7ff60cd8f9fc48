#include "win32/controls/drawing/Tooltip.h"

#include "ui/ControlDesign.h"
#include "win32/platform/LateBound.h"
#include "win32/platform/Text1252.h"
#include "win32/platform/Window.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace win32::controls {

namespace {

struct PendingTool {
    HWND control;
    std::wstring text;
};

std::vector<PendingTool>& pendingTools() {
    static std::vector<PendingTool> tools;
    return tools;
}

// The tooltip control's class, registered by the common controls' library.
bool tooltipClassReady() {
    static const bool ready = [] {
        const auto init =
            lateBound<decltype(::InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof controls;
        controls.dwICC = ICC_WIN95_CLASSES;
        return init && init(&controls);
    }();
    return ready;
}

// One tooltip control per window, for all its controls, as the system's own dialogs have it:
// each tooltip control is a window of its own, and making one costs more than all its tools.
// Owned by the window, it goes with it; an entry whose tooltip has gone is made again.
HWND tooltipOf(HWND root) {
    static std::vector<std::pair<HWND, HWND>> tooltips; // window, its tooltip control
    for (auto& [window, tip] : tooltips)
        if (window == root) {
            if (::IsWindow(tip) && ::GetWindow(tip, GW_OWNER) == root)
                return tip;
            tip = nullptr;
        }
    const HWND tip = ::CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr, programInstance(), nullptr);
    if (!tip)
        return nullptr;
    for (auto& [window, known] : tooltips)
        if (window == root) {
            known = tip;
            return tip;
        }
    tooltips.emplace_back(root, tip);
    return tip;
}

void makeTool(HWND control, std::wstring& text) {
    const HWND tip = tooltipOf(::GetAncestor(control, GA_ROOT));
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

} // namespace

void addTooltip(HWND control, std::string_view hint) {
    std::wstring text = text1252::toWide(ui::shortHint(hint));
    if (!text.empty())
        pendingTools().push_back({control, std::move(text)});
}

void prepareTooltips() {
    std::vector<PendingTool>& pending = pendingTools();
    if (pending.empty() || !tooltipClassReady())
        return;
    for (PendingTool& tool : pending)
        if (::IsWindow(tool.control))
            makeTool(tool.control, tool.text);
    pending.clear();
}

} // namespace win32::controls
