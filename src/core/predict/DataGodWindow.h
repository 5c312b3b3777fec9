#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "store/HistoryFormat.h"

/**
 * The pattern counts of one data god over a window of draws, for all 43 numbers at once.
 *
 * Moving the window forward counts only the draws that enter and leave it, so a god's walk over
 * the whole history costs one step per draw instead of one window per draw.
 */
class DataGodWindow {
public:
    /** Largest pattern order of a data god. */
    static constexpr int kMaxOrder = 8;

    /** lines: the history's flag lines, oldest draw first; order: the god's PatternOrder k (1 … 8). */
    DataGodWindow(const FlagLines& lines, int order);

    /**
     * Takes the window of draws first … last (1 = oldest, last ≤ draw count). A hit counts when its
     * k earlier draws lie inside the window too.
     */
    void moveTo(int first, int last);

    /**
     * C[p0] × D of a number (1 … 43): how often its current pattern (the latest k draws up to the
     * window's last draw) preceded a hit in the window, times how many different patterns did.
     */
    int score(int number) const;
    /** The scores of all 43 numbers, index 0 for number 1. */
    void scores(std::array<int, kNumberCount>& scores) const;

private:
    void clear();
    void count(int draw, int step);

    int m_order;
    int m_drawCount;
    // Indexed [draw × 43 + number − 1]: whether the number was drawn, and the pattern of its k earlier draws.
    std::vector<std::uint8_t> m_hit;
    std::vector<std::uint8_t> m_before;
    // Indexed [(number − 1) × 2^k + pattern].
    std::vector<int> m_counts;
    std::vector<int> m_distinct;
    int m_low = 1; // hits counted: draws m_low … m_high
    int m_high = 0;
    int m_last = 0;
};
