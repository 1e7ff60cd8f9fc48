#include "win32/platform/FileDialog.h"

#include "core/Exception.h"
#include "core/WideText.h"
#include "win32/platform/LateBound.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace win32 {

namespace {

// "label\0pattern\0label\0pattern\0\0", as the dialog takes its type list.
std::wstring filterList(const std::vector<ui::FileFilter>& filters) {
    std::wstring list;
    for (const ui::FileFilter& filter : filters) {
        list += core::win32::widen(filter.label) + L'\0';
        list += core::win32::widen(filter.pattern) + L'\0';
    }
    return list + L'\0';
}

// The dialog library's three calls, bound at the first dialog.
struct DialogCalls {
    decltype(::GetOpenFileNameW)* open =
        lateBound<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    decltype(::GetSaveFileNameW)* save =
        lateBound<decltype(::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    decltype(::CommDlgExtendedError)* lastError =
        lateBound<decltype(::CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
};

const DialogCalls& dialogCalls() {
    static const DialogCalls calls;
    if (!calls.open || !calls.save || !calls.lastError)
        throw core::Exception("Cannot show the file dialog: comdlg32.dll is missing");
    return calls;
}

// Places the dialog once it stands; the hook's own window is a child of the dialog.
UINT_PTR CALLBACK placeDialog(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != CDN_INITDONE)
        return 0;
    const HWND dialog = ::GetParent(hook);
    RECT frame{};
    ::GetWindowRect(dialog, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    const ui::DialogPosition at =
        ui::dialogPosition(screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                           frame.right - frame.left, frame.bottom - frame.top);
    ::SetWindowPos(dialog, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

DWORD flagsFor(const ui::FileDialogRequest& request) {
    DWORD flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    if (request.hideReadOnly)
        flags |= OFN_HIDEREADONLY;
    if (request.mustExist)
        flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (request.confirmOverwrite)
        flags |= OFN_OVERWRITEPROMPT;
    return flags;
}

} // namespace

std::optional<std::string> runFileDialog(HWND owner, const ui::FileDialogRequest& request) {
    const std::wstring title = core::win32::widen(request.title);
    const std::wstring filters = filterList(request.filters);
    const std::wstring suffix = core::win32::widen(request.defaultSuffix);
    std::wstring initial = core::win32::widen(request.fileName);
    initial.resize(std::min<std::size_t>(initial.size(), ui::FileDialogRequest::kFileNameCapacity - 1));

    const DialogCalls& calls = dialogCalls();
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<wchar_t> buffer(ui::FileDialogRequest::kFileNameCapacity, L'\0');
        std::copy(initial.begin(), initial.end(), buffer.begin());
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
        ofn.nFilterIndex = DWORD(request.filterIndex + 1);
        ofn.lpstrFile = buffer.data();
        ofn.nMaxFile = DWORD(buffer.size());
        ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
        ofn.lpstrDefExt = suffix.empty() ? nullptr : suffix.c_str();
        ofn.Flags = flagsFor(request);
        ofn.lpfnHook = &placeDialog;
        const bool open = request.kind == ui::FileDialogRequest::Kind::Open;
        if (open ? calls.open(&ofn) : calls.save(&ofn))
            return core::win32::narrow(buffer.data());
        // An initial name the dialog cannot show (a device name, a character it refuses) would
        // keep it from opening at all: it opens again without one.
        if (calls.lastError() != FNERR_INVALIDFILENAME || initial.empty())
            return std::nullopt;
        initial.clear();
    }
    return std::nullopt;
}

} // namespace win32
