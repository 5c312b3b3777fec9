#pragma once

#include <QtGlobal>

#include <bit>
#include <cmath>
#include <random>

#include "core/wheel/BitCount.h"

/** The seeded choices of a search: the same seed makes the same choices on every machine. */
class SearchRandom {
public:
    explicit SearchRandom(quint32 seed) : m_engine(seed) {}

    /** 0 … bound − 1, each as likely. */
    int below(std::size_t bound) { return int(m_engine() % bound); }

    /** One of the bits set in mask, each as likely. */
    int bitOf(quint32 mask)
    {
        for (int skip = below(std::size_t(bitCount(mask))); skip > 0; --skip)
            mask &= mask - 1;
        return std::countr_zero(mask);
    }

    /** Whether annealing takes a swap that makes the cost worse by `change` at that temperature. */
    bool takesWorse(qint64 change, double temperature)
    {
        return std::ldexp(double(m_engine()), -32) < std::exp(-double(change) / temperature);
    }

    std::mt19937& engine() { return m_engine; }

private:
    std::mt19937 m_engine;
};
