// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A small deterministic random generator (split-mix 64). The same start value gives the same
// sequence on every machine and build, which the standard distributions do not promise.
class SimRandom {
public:
    explicit SimRandom(std::uint64_t start) : m_state(start) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A value in [0, n); n must be above 0.
    std::uint32_t Below(std::uint32_t n) {
        return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32);
    }

    // A value in [low, high], both included.
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1)));
    }

    // True in about percent out of 100 calls.
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

private:
    std::uint64_t m_state;
};
