#include "ui/TipGenerator.h"

#include <utility>

namespace ui {

TipGenerator::TipGenerator(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock([] { return std::chrono::system_clock::now(); })) {}

std::uint32_t TipGenerator::millisecondsSinceMidnight(std::chrono::system_clock::time_point t) {
    using namespace std::chrono;
    // system_clock counts UTC without leap seconds, so a day is always 86,400,000 ms;
    // floor() keeps times before 1970 on the right day.
    const auto sinceEpoch = floor<milliseconds>(t.time_since_epoch());
    const auto sinceMidnight = sinceEpoch - floor<days>(sinceEpoch);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

void TipGenerator::randomize() {
    m_seed = millisecondsSinceMidnight(m_clock());
}

std::uint32_t TipGenerator::random(std::uint32_t range) {
    m_seed = m_seed * kMultiplier + 1u; // unsigned arithmetic wraps mod 2^32
    return static_cast<std::uint32_t>((std::uint64_t(m_seed) * range) >> 32);
}

} // namespace ui
