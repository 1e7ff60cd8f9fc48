#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace ui {

// The program's one pseudo-random generator: a single unsigned 32-bit seed,
// re-seeded from the UTC time of day. One instance, owned by the application.
class TipGenerator {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // Reads the system clock unless another clock is given.
    explicit TipGenerator(Clock clock = {});

    // seed = milliseconds since midnight UTC (0 to 86,399,999).
    void randomize();
    // Advances the seed (seed * 134775813 + 1 mod 2^32) and returns floor(seed * range / 2^32),
    // which lies in 0 to range - 1; 0 for a range of 0.
    std::uint32_t random(std::uint32_t range);

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed; }

    static std::uint32_t millisecondsSinceMidnight(std::chrono::system_clock::time_point t);

    static constexpr std::uint32_t kMultiplier = 134775813u; // 0x08088405

private:
    Clock m_clock;
    std::uint32_t m_seed = 0;
};

} // namespace ui
