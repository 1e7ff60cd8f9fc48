#pragma once

#include "win32/platform/Window.h"

namespace app {

// The application window: the program's one task-bar button, named by the application title,
// with the program's icon. A popup of no size that is shown but never seen; the program's
// windows are owned by it, so that they get no buttons of their own, and it passes to them what
// reaches the button: activation, minimising, restoring and Close.
class ApplicationWindow : public win32::Window {
public:
    ApplicationWindow();

    // The window that activation falls back to and that Close closes.
    void setMainWindow(HWND mainWindow) { m_mainWindow = mainWindow; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void rememberActiveWindow(HWND window);
    void activateOwnedWindow() const;

    HWND m_mainWindow = nullptr;
    HWND m_lastActive = nullptr; // the program's window that had the activation last
};

} // namespace app
