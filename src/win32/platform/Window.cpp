#include "win32/platform/Window.h"

#include "core/Boundary.h"
#include "core/Exception.h"

namespace win32 {

HINSTANCE programInstance() {
    return ::GetModuleHandleW(nullptr);
}

Window::~Window() {
    destroy();
}

void Window::destroy() {
    if (m_hwnd)
        ::DestroyWindow(m_hwnd); // WM_NCDESTROY forgets the handle
}

void Window::registerClass(const ClassSpec& params) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(programInstance(), params.name, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = params.style;
    wc.lpfnWndProc = &Window::windowProc;
    wc.hInstance = programInstance();
    wc.hIcon = params.icon;
    wc.hIconSm = params.smallIcon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = params.background;
    wc.lpszClassName = params.name;
    if (!::RegisterClassExW(&wc))
        throw core::Exception("Cannot register the window class");
}

void Window::create(const CreateSpec& params) {
    const RECT& f = params.frame;
    const int width = f.left == CW_USEDEFAULT ? CW_USEDEFAULT : f.right - f.left;
    const int height = f.top == CW_USEDEFAULT ? CW_USEDEFAULT : f.bottom - f.top;
    const HWND hwnd =
        ::CreateWindowExW(params.exStyle, params.className, params.caption.c_str(), params.style, f.left,
                          f.top, width, height, params.owner, nullptr, programInstance(), this);
    if (!hwnd)
        throw core::Exception("Cannot create the window (system error " + std::to_string(::GetLastError()) +
                              ")");
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->m_hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    if (!core::runGuarded([&] { result = self->handleMessage(message, wParam, lParam); }) &&
        message == WM_NCCREATE)
        result = ::DefWindowProcW(hwnd, message, wParam, lParam); // the window still stands
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

} // namespace win32
