// Start-up as a user sees it under Wine (or on Windows): from CreateProcess to the main window
// shown and the program back in its message loop (it answers a message sent to the window),
// for the editor and for a bare window of the same class, caption and size, in turn.
//
//   bench_startup EDITOR BARE_WINDOW [pairs, default 15]
//
// Both start in a fresh folder of their own. One unmeasured pair first: the editor's first
// start writes its settings, so each measured start is a later one (preferences read, the Tip
// of the Day shown), and both programs' files are in the cache. Each program is closed as a
// user closes it, so the editor ends normally and keeps its settings.

#include "Checks.h"
#include "GuiProgram.h"
#include "SystemName.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double nowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double startUpMs(const std::wstring& exe, const std::wstring& folder) {
    const double start = nowMs();
    wintest::GuiProgram program(exe, folder);
    wintest::settleWindow(program.waitForWindow(L"TForm1", 30000, 1));
    const double ms = nowMs() - start;
    program.close();
    return ms;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: bench_startup EDITOR BARE_WINDOW [pairs]\n", stderr);
        return 2;
    }
    const int pairs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 15;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantorel-bench-startup";
    std::filesystem::create_directories(folder);
    try {
        startUpMs(argv[1], folder.wstring());
        startUpMs(argv[2], folder.wstring());
        std::vector<double> editor, bare, ratio;
        for (int i = 0; i < pairs; ++i) {
            editor.push_back(startUpMs(argv[1], folder.wstring()));
            bare.push_back(startUpMs(argv[2], folder.wstring()));
            ratio.push_back(editor.back() / bare.back());
        }
        std::printf("start to the main window shown and idle, %d pairs, in turn\n", pairs);
        std::printf("  editor: median %.1f ms (%.1f to %.1f)\n", median(editor),
                    *std::min_element(editor.begin(), editor.end()),
                    *std::max_element(editor.begin(), editor.end()));
        std::printf("  bare window: median %.1f ms (%.1f to %.1f)\n", median(bare),
                    *std::min_element(bare.begin(), bare.end()), *std::max_element(bare.begin(), bare.end()));
        const char* system = wintest::systemName();
        std::printf("RESULT\twin32\tstart-up, bare Win32 window (%s)\t%.1f\tms\n", system, median(bare));
        std::printf("RESULT\twin32\tstart-up, vantorel.exe (%s)\t%.1f\tms\n", system, median(editor));
        std::printf("RESULT\twin32\tstart-up ratio, median of pairs (%s)\t%.2f\tx\n", system, median(ratio));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        return 1;
    }
    return 0;
}
