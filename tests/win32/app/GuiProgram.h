#pragma once

#include <windows.h>

#include <string>

namespace wintest {

// The program under test, started as a process of its own in the given folder. Its windows
// are found by class among its top-level windows; the destructor ends it when it still runs.
class GuiProgram {
public:
    GuiProgram(const std::wstring& exe, const std::wstring& folder, const std::wstring& arguments = {});
    ~GuiProgram();
    GuiProgram(const GuiProgram&) = delete;
    GuiProgram& operator=(const GuiProgram&) = delete;

    // The top-level window of that class, once it is shown, looking every pollMs; throws after
    // the time limit.
    HWND waitForWindow(const wchar_t* className, int timeoutMs = 10000, int pollMs = 10) const;
    // The top-level window of that class, shown or not; nullptr when there is none.
    HWND findWindow(const wchar_t* className) const;
    // A shown dialog box (message box, file dialog) of the program other than `except`.
    HWND waitForDialog(int timeoutMs = 10000, HWND except = nullptr) const;
    // Waits until the program has handled everything sent to it before.
    void settle() const;
    // Closes the main window as a user does and waits for a normal end; throws when it does
    // not end in time or ends with another exit code than 0.
    void close();
    bool running() const;

private:
    HWND findTopLevel(const wchar_t* className, bool visibleOnly) const;

    PROCESS_INFORMATION m_process{};
};

} // namespace wintest
