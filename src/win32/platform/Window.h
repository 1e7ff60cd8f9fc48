#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// A window of one of the program's registered classes whose messages go to a C++ object. Every
// message is handled inside the handler boundary: an error that ends a handler is reported and
// never unwinds through the system's code.
class Window {
public:
    Window() = default;
    virtual ~Window(); // destroys the window when it is still there
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return m_hwnd; }
    void destroy();

    struct ClassSpec {
        const wchar_t* name;
        HICON icon = nullptr;
        HICON smallIcon = nullptr;
        HBRUSH background = nullptr; // nullptr: the window paints its own background
        UINT style = CS_DBLCLKS;
    };
    // Registers the class once per process; later calls for the same name do nothing.
    static void registerClass(const ClassSpec& params);

protected:
    struct CreateSpec {
        const wchar_t* className;
        std::wstring caption;
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        RECT frame{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0}; // left, top, right, bottom (screen)
        HWND owner = nullptr;
    };
    // Creates the window; its messages reach handleMessage() from WM_NCCREATE on. Throws
    // core::Exception when the system refuses.
    void create(const CreateSpec& params);

    // The window's own handling; the default is DefWindowProcW.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND m_hwnd = nullptr;
};

// The module the program runs from: the owner of its classes and resources.
HINSTANCE programInstance();

} // namespace win32
