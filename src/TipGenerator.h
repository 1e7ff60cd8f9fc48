#pragma once

#include <chrono>
#include <functional>

// The program's one source of tip numbers, seeded once from the clock.
class TipGenerator {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    explicit TipGenerator(Clock clock = &std::chrono::system_clock::now);

    std::chrono::system_clock::time_point seedTime() const { return m_seedTime; }

private:
    std::chrono::system_clock::time_point m_seedTime;
};
