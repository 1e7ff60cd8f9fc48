#pragma once

// Helpers the file benchmarks share: a checked step fails the run, not the timing.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace bench {

inline int failures = 0;

// Counts a wrong result; the benchmark exits with status 1 when there was one.
inline void check(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "FAILED: %s\n", what.c_str());
        ++failures;
    }
}

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace bench
