// Loaded into vantorel.exe by bench_mainwin's WH_GETMESSAGE hook: on the request message it
// runs the country switch and Apply Changes on the program's own thread, as the message loop
// would dispatch them, and times them with QueryPerformanceCounter: the switch once across the
// whole list (the list scrolls to each row, as after arrow keys) and once among the rows in view. Calls to
// the window procedures only: no painting in between, as in the Linux editor's offscreen figures.

#include "TimingRun.h"

#include "document/CountryPlaces.h"
#include "win32/windows/ControlIds.h"

#include <algorithm>

namespace {

namespace ids = win32::ids;
using wintest::timing::Results;

// The rows the list shows whole from the top.
int rowsInView(HWND list) {
    RECT client{};
    ::GetClientRect(list, &client);
    const auto rowHeight = int(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    return rowHeight > 0 ? std::max(1, int(client.bottom) / rowHeight) : 1;
}

HWND childWithId(HWND top, int id) {
    struct Query {
        int id;
        HWND found;
    } query{id, nullptr};
    ::EnumChildWindows(
        top,
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& q = *reinterpret_cast<Query*>(parameter);
            if (::GetDlgCtrlID(window) != q.id)
                return TRUE;
            q.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

double secondsNow() {
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

void selectCountry(HWND list, int row) {
    ::SendMessageW(list, LB_SETCURSEL, WPARAM(row), 0);
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(ids::ListBox1, LBN_SELCHANGE), LPARAM(list));
}

Results run(HWND main, int ops) {
    Results results;
    HWND list = childWithId(main, ids::ListBox1);
    HWND apply = childWithId(main, ids::SpeedButton1);
    if (!list || !apply || ops < 1)
        return results;
    double start = secondsNow();
    for (int i = 0; i < ops; ++i)
        selectCountry(list, (i * 7 + 1) % document::kCountryCount);
    results.switchUs = (secondsNow() - start) * 1e6 / ops;
    ::SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    const int inView = rowsInView(list);
    start = secondsNow();
    for (int i = 0; i < ops; ++i)
        selectCountry(list, (i * 7 + 1) % inView);
    results.visibleSwitchUs = (secondsNow() - start) * 1e6 / ops;
    selectCountry(list, *document::rowByCaption("Italy")); // nine fields
    start = secondsNow();
    for (int i = 0; i < ops; ++i)
        ::SendMessageW(::GetParent(apply), WM_COMMAND, MAKEWPARAM(ids::SpeedButton1, BN_CLICKED),
                       LPARAM(apply));
    results.applyUs = (secondsNow() - start) * 1e6 / ops;
    results.ok = true;
    return results;
}

void publish(const Results& results) {
    HANDLE mapping = ::OpenFileMappingW(FILE_MAP_WRITE, FALSE, wintest::timing::kResultsMapping);
    if (mapping) {
        if (void* view = ::MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Results))) {
            *static_cast<Results*>(view) = results;
            ::UnmapViewOfFile(view);
        }
        ::CloseHandle(mapping);
    }
    if (HANDLE done = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, wintest::timing::kDoneEvent)) {
        ::SetEvent(done);
        ::CloseHandle(done);
    }
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK timingHook(int code, WPARAM removed, LPARAM message) {
    static const UINT request = ::RegisterWindowMessageW(wintest::timing::kRequestMessage);
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == request) {
        publish(run(msg->hwnd, int(msg->wParam)));
        msg->message = WM_NULL; // handled here
    }
    return ::CallNextHookEx(nullptr, code, removed, message);
}
