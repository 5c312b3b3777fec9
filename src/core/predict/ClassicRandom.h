#pragma once

#include <cstdint>

/**
 * The classic C runtime generator, identical on every machine, so that the same question asked
 * on the same date gets the same lucky numbers everywhere.
 */
class ClassicRandom {
public:
    static constexpr int kMax = 0x7FFF;

    explicit ClassicRandom(std::uint32_t seed = 1) : m_state(seed) {}

    void seed(std::uint32_t seed) { m_state = seed; }

    /** 0 … kMax. */
    int next()
    {
        m_state = m_state * 214013u + 2531011u;
        return int((m_state >> 16) & kMax);
    }

private:
    std::uint32_t m_state;
};
