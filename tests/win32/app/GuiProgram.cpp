#include "GuiProgram.h"

#include "Checks.h"

#include <cwchar>

namespace wintest {

namespace {

struct WindowQuery {
    DWORD processId;
    const wchar_t* className;
    bool visibleOnly;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    if (owner != query.processId || std::wcscmp(name, query.className) != 0)
        return TRUE;
    if (query.visibleOnly && !::IsWindowVisible(window))
        return TRUE;
    query.found = window;
    return FALSE;
}

} // namespace

GuiProgram::GuiProgram(const std::wstring& exe, const std::wstring& folder, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &m_process))
        throw Failure("cannot start " + narrow(exe) + ": error " + std::to_string(::GetLastError()));
}

GuiProgram::~GuiProgram() {
    if (running()) {
        ::TerminateProcess(m_process.hProcess, 99);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

HWND GuiProgram::findTopLevel(const wchar_t* className, bool visibleOnly) const {
    WindowQuery query{m_process.dwProcessId, className, visibleOnly};
    ::EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND GuiProgram::findWindow(const wchar_t* className) const {
    return findTopLevel(className, false);
}

HWND GuiProgram::waitForWindow(const wchar_t* className, int timeoutMs, int pollMs) const {
    const ULONGLONG end = ::GetTickCount64() + ULONGLONG(timeoutMs);
    do {
        if (HWND window = findTopLevel(className, true))
            return window;
        if (!running())
            throw Failure("the program ended before showing a " + narrow(className));
        ::Sleep(DWORD(pollMs));
    } while (::GetTickCount64() < end);
    throw Failure("no " + narrow(className) + " window shown");
}

HWND GuiProgram::waitForDialog(int timeoutMs, HWND except) const {
    const ULONGLONG end = ::GetTickCount64() + ULONGLONG(timeoutMs);
    do {
        HWND dialog = findTopLevel(L"#32770", true);
        if (dialog && dialog != except) {
            // Shown, and done with its WM_INITDIALOG.
            settleWindow(dialog);
            return dialog;
        }
        ::Sleep(10);
    } while (::GetTickCount64() < end);
    throw Failure("no dialog box shown");
}

void GuiProgram::settle() const {
    if (HWND main = findWindow(L"TForm1"))
        settleWindow(main);
}

void GuiProgram::close() {
    HWND main = findWindow(L"TForm1");
    if (!main)
        throw Failure("no main window to close");
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
        throw Failure("the program did not end after its main window was closed");
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    if (code != 0)
        throw Failure("the program ended with exit code " + std::to_string(code));
}

bool GuiProgram::running() const {
    return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

} // namespace wintest
