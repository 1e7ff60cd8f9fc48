#pragma once

#include "core/WideText.h"

#include <windows.h>

#include <source_location>
#include <stdexcept>
#include <string>

namespace wintest {

using core::win32::narrow;
using core::win32::widen;

// A step the case cannot go on from: the case ends there and counts as failed.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checks of one case: each failed one is printed with its place, and the case goes on.
class Checks {
public:
    explicit Checks(std::string caseName)
        : m_case(std::move(caseName)) {}

    bool expect(bool condition, const std::string& what,
                std::source_location where = std::source_location::current());
    bool expectEqual(const std::string& actual, const std::string& expected, const std::string& what,
                     std::source_location where = std::source_location::current());
    bool expectEqual(long long actual, long long expected, const std::string& what,
                     std::source_location where = std::source_location::current());
    // expect(), and the case ends when the condition fails.
    void require(bool condition, const std::string& what,
                 std::source_location where = std::source_location::current());
    int failures() const { return m_failures; }

private:
    std::string m_case;
    int m_failures = 0;
};

// Waits until the thread of that window has handled everything sent to it before.
void settleWindow(HWND window);

} // namespace wintest
