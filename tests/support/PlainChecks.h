#pragma once

#include <cstdio>
#include <string>

// Checks for the test programs of the Windows build, which has no Qt: each failing check prints
// its line, and finish() prints the "N passed, N failed" line that the runner reads and gives
// the exit code.
namespace plainchecks {

inline int g_failed = 0;
inline int g_passed = 0;

inline void check(bool ok, const std::string& what) {
    ++(ok ? g_passed : g_failed);
    if (!ok)
        std::printf("FAIL: %s\n", what.c_str());
}

inline int finish() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}

} // namespace plainchecks
