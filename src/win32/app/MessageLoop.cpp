#include "win32/app/MessageLoop.h"

#include "win32/controls/drawing/Tooltip.h"

#include <algorithm>

namespace app {

int runMessageLoop(const std::vector<HWND>& tabWindows) {
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return int(msg.wParam);
        if (got == -1)
            return 1;
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            win32::controls::prepareTooltips();
        const HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && std::find(tabWindows.begin(), tabWindows.end(), root) != tabWindows.end() &&
            ::IsDialogMessageW(root, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace app
