#include "win32/platform/Dpi.h"

namespace win32::dpi {

namespace {

// Windows 10's DPI calls, looked up at run time so that the program still starts on older
// systems. The declarations below are those of the Windows SDK.
using DpiContext = HANDLE;
const auto kPerMonitorAware = reinterpret_cast<DpiContext>(static_cast<LONG_PTR>(-3));
const auto kPerMonitorAwareV2 = reinterpret_cast<DpiContext>(static_cast<LONG_PTR>(-4));

template <class F> F user32Function(const char* name) {
    static const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}

UINT screenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : kDesignDpi;
}

} // namespace

void declareAwareness() {
    using SetContext = BOOL(WINAPI*)(DpiContext);
    if (const auto setContext = user32Function<SetContext>("SetProcessDpiAwarenessContext")) {
        if (setContext(kPerMonitorAwareV2) || setContext(kPerMonitorAware))
            return;
        if (::GetLastError() == ERROR_ACCESS_DENIED)
            return; // declared already, by the manifest
    }
    using SetAware = BOOL(WINAPI*)();
    if (const auto setAware = user32Function<SetAware>("SetProcessDPIAware"))
        setAware();
}

UINT forWindow(HWND hwnd) {
    using GetForWindow = UINT(WINAPI*)(HWND);
    static const auto getForWindow = user32Function<GetForWindow>("GetDpiForWindow");
    if (getForWindow && hwnd) {
        const UINT dpi = getForWindow(hwnd);
        if (dpi != 0)
            return dpi;
    }
    return screenDpi();
}

UINT forPoint(POINT point) {
    // Without per-window DPI the whole desktop has one.
    using GetForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const HMODULE shcore = ::LoadLibraryW(L"shcore.dll");
    static const auto getForMonitor = shcore ? reinterpret_cast<GetForMonitor>(reinterpret_cast<void*>(
                                                   ::GetProcAddress(shcore, "GetDpiForMonitor")))
                                             : nullptr;
    UINT x = 0;
    UINT y = 0;
    if (getForMonitor &&
        getForMonitor(::MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), 0, &x, &y) == S_OK && x != 0)
        return x;
    return screenDpi();
}

int systemMetric(int index, UINT dpi) {
    using ForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = user32Function<ForDpi>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, dpi) : ::GetSystemMetrics(index);
}

} // namespace win32::dpi
