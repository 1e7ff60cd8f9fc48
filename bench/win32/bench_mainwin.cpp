// The main window's country switch and Apply Changes in vantorel.exe, each as the messages a
// user's action gives the program (LB_SETCURSEL and LBN_SELCHANGE; BN_CLICKED from Apply
// Changes), timed with QueryPerformanceCounter twice:
// - in the program: a WH_GETMESSAGE hook (timing_hook.dll, beside this program) runs them on
//   the program's own thread, without painting in between, as the Linux editor's figures are;
// - from this process: sent and answered, less an empty message round trip, with the painting
//   that the system asks for between the messages.
//
//   bench_mainwin EDITOR TEMPLATE [operations, default 2000]
//
// The document is the template, loaded by New.

#include "Controls.h"
#include "GuiProgram.h"
#include "SystemName.h"
#include "TimingRun.h"

#include "document/CountryPlaces.h"
#include "win32/windows/ControlIds.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
namespace ids = win32::ids;

namespace {

// Microseconds per call of `step`, over `count` calls.
double usPerCall(int count, const std::function<void(int)>& step) {
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i)
        step(i);
    ::QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / count;
}

void send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &answer))
        throw std::runtime_error("the editor does not answer");
}

// The figures of the hook's run inside the program.
wintest::timing::Results timeInProgram(HWND main, int ops) {
    using namespace wintest::timing;
    HANDLE mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Results),
                                          kResultsMapping);
    HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, kDoneEvent);
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    HMODULE hookModule = ::LoadLibraryW((fs::path(self).parent_path() / "timing_hook.dll").c_str());
    // Through void*: GetProcAddress gives a function of no parameters.
    auto* hook =
        hookModule
            ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(hookModule, "timingHook")))
            : nullptr;
    HHOOK installed =
        hook ? ::SetWindowsHookExW(WH_GETMESSAGE, hook, hookModule, ::GetWindowThreadProcessId(main, nullptr))
             : nullptr;
    Results results;
    if (installed && mapping && done) {
        ::PostMessageW(main, ::RegisterWindowMessageW(kRequestMessage), WPARAM(ops), 0);
        if (::WaitForSingleObject(done, 120000) == WAIT_OBJECT_0)
            if (void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(Results))) {
                results = *static_cast<const Results*>(view);
                ::UnmapViewOfFile(view);
            }
    }
    if (installed)
        ::UnhookWindowsHookEx(installed);
    if (hookModule)
        ::FreeLibrary(hookModule);
    ::CloseHandle(done);
    ::CloseHandle(mapping);
    if (!results.ok)
        throw std::runtime_error("the timing hook did not run in the editor");
    return results;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: bench_mainwin EDITOR TEMPLATE [operations]\n", stderr);
        return 2;
    }
    const int ops = argc > 3 ? std::max(1, _wtoi(argv[3])) : 2000;
    try {
        const fs::path folder = fs::temp_directory_path() / "vantorel-bench-mainwin";
        fs::create_directories(folder);
        fs::copy_file(argv[2], folder / "templ.ate", fs::copy_options::overwrite_existing);
        wintest::GuiProgram program(argv[1], folder.wstring());
        HWND main = program.waitForWindow(L"TForm1", 30000);
        wintest::click(wintest::control(main, ids::speedItem(5))); // New
        HWND list = wintest::control(main, ids::ListBox1);
        HWND apply = wintest::control(main, ids::SpeedButton1);
        HWND listParent = ::GetParent(list);
        HWND applyParent = ::GetParent(apply);

        const wintest::timing::Results inProgram = timeInProgram(main, ops);
        const double roundTripUs = usPerCall(ops, [&](int) { send(main, WM_NULL, 0, 0); });
        const double switchUs = usPerCall(ops, [&](int i) {
            send(list, LB_SETCURSEL, WPARAM((i * 7 + 1) % document::kCountryCount), 0);
            send(listParent, WM_COMMAND, MAKEWPARAM(ids::ListBox1, LBN_SELCHANGE), LPARAM(list));
        });
        wintest::selectListEntry(list, *document::rowByCaption("Italy")); // nine fields
        const double applyUs = usPerCall(ops, [&](int) {
            send(applyParent, WM_COMMAND, MAKEWPARAM(ids::SpeedButton1, BN_CLICKED), LPARAM(apply));
        });
        program.close();

        const char* system = wintest::systemName();
        std::printf("template document, %d operations each\n", ops);
        std::printf("  in the program: switch %.1f us (%.1f us among the rows in view), Apply %.1f us\n",
                    inProgram.switchUs, inProgram.visibleSwitchUs, inProgram.applyUs);
        std::printf("  sent from another process: empty round trip %.1f us; switch %.1f us (two messages); "
                    "Apply %.1f us (one)\n",
                    roundTripUs, switchUs, applyUs);
        std::printf("RESULT\twin32\tcountry switch, in the program (%s)\t%.1f\tus\n", system,
                    inProgram.switchUs);
        std::printf("RESULT\twin32\tcountry switch among the rows in view, in the program (%s)\t%.1f\tus\n",
                    system, inProgram.visibleSwitchUs);
        std::printf("RESULT\twin32\tApply Changes (nine fields), in the program (%s)\t%.1f\tus\n", system,
                    inProgram.applyUs);
        std::printf("RESULT\twin32\tmessage round trip (%s)\t%.1f\tus\n", system, roundTripUs);
        std::printf("RESULT\twin32\tcountry switch, less two round trips (%s)\t%.1f\tus\n", system,
                    switchUs - 2 * roundTripUs);
        std::printf("RESULT\twin32\tApply Changes (nine fields), less a round trip (%s)\t%.1f\tus\n", system,
                    applyUs - roundTripUs);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_mainwin: %s\n", e.what());
        return 1;
    }
    return 0;
}
