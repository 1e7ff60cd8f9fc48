#include "Checks.h"

#include <cstdio>

namespace wintest {

bool Checks::expect(bool condition, const std::string& what, std::source_location where) {
    if (!condition) {
        ++m_failures;
        std::printf("FAIL %s: %s (%s:%u)\n", m_case.c_str(), what.c_str(), where.file_name(),
                    unsigned(where.line()));
    }
    return condition;
}

bool Checks::expectEqual(const std::string& actual, const std::string& expected, const std::string& what,
                         std::source_location where) {
    return expect(actual == expected, what + ": \"" + actual + "\", expected \"" + expected + "\"", where);
}

bool Checks::expectEqual(long long actual, long long expected, const std::string& what,
                         std::source_location where) {
    return expect(actual == expected,
                  what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected), where);
}

void Checks::require(bool condition, const std::string& what, std::source_location where) {
    if (!expect(condition, what, where))
        throw Failure("cannot go on");
}

void settleWindow(HWND window) {
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored))
        throw Failure("the program does not answer");
}

} // namespace wintest
