#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/store/HistoryFormat.h"

/**
 * What the five data gods read of a history, taken once for all of them: for every draw, each
 * number's flags of the eight draws before it, and the numbers drawn. The numbers are kept in
 * columns, in the order their reader walks them.
 */
class DataGodPatterns {
public:
    /** Largest pattern order of a data god. */
    static constexpr int kMaxOrder = 8;
    /** The number of each column 1 … 43, index 0 for column 1. */
    using Columns = std::array<int, kNumberCount>;

    /** Numbers 1 … 43 in columns 1 … 43. */
    static Columns inNumberOrder();

    /** lines: the history's flag lines, oldest draw first. */
    explicit DataGodPatterns(const FlagLines& lines, const Columns& columns = inNumberOrder());

    int drawCount() const { return m_drawCount; }

    /**
     * The 43 patterns before draw (1 … draw count + 1), index 0 for column 1: the draw just before
     * is bit 7, and a god of order k reads the top k bits. Draws before the first read as misses.
     */
    const std::uint8_t* before(int draw) const { return &m_before[std::size_t(draw) * kNumberCount]; }

    /** The columns drawn in draw (1 … draw count), 0 … 42 for 1 … 43. */
    const std::uint8_t* drawnBegin(int draw) const { return m_drawn.data() + m_drawnStart[std::size_t(draw)]; }
    const std::uint8_t* drawnEnd(int draw) const { return m_drawn.data() + m_drawnStart[std::size_t(draw) + 1]; }

private:
    int m_drawCount;
    std::vector<std::uint8_t> m_before; // [draw × 43 + column − 1]
    std::vector<std::uint8_t> m_drawn;  // the columns of draw 1, then of draw 2, …
    std::vector<int> m_drawnStart;      // where each draw's columns start in m_drawn
};

/**
 * The pattern counts of one data god over a window of draws, for all 43 numbers at once, by the
 * columns of the patterns.
 *
 * Moving the window forward counts only the draws that enter and leave it, so a god's walk over
 * the whole history costs one step per draw instead of one window per draw.
 */
class DataGodWindow {
public:
    /** order: the god's PatternOrder k (1 … 8). The patterns must outlive the window. */
    DataGodWindow(const DataGodPatterns& patterns, int order);

    /**
     * Takes the window of draws first … last (1 = oldest, last ≤ draw count). A hit counts when its
     * k earlier draws lie inside the window too.
     */
    void moveTo(int first, int last);

    /**
     * C[p0] × D of the number in a column (1 … 43): how often its current pattern (the latest k
     * draws up to the window's last draw) preceded a hit in the window, times how many different
     * patterns did.
     */
    int score(int column) const
    {
        const std::size_t c = std::size_t(column);
        return m_counts[index(c, m_current[c])] * m_distinct[c];
    }
    /** The scores of all 43 columns, index 0 for column 1. */
    void scores(std::array<int, kNumberCount>& scores) const;

private:
    // Where a column's count of the pattern in the top k of the eight bits lies: the row of a column is
    // 2^k long, the column shifted down with the bits.
    std::size_t index(std::size_t column, std::uint8_t bits) const
    {
        return (column << DataGodPatterns::kMaxOrder | bits) >> m_shift;
    }

    void clear();
    void count(int draw, int step);

    const DataGodPatterns& m_patterns;
    int m_order;
    int m_shift; // a pattern of order k is the top k of the eight bits
    // Indexed [column × 2^k + pattern], column 0 unused: the rows of a low order stay close together.
    std::vector<int> m_counts;
    std::vector<int> m_distinct; // by column, 0 unused
    int m_low = 1;               // hits counted: draws m_low … m_high
    int m_high = 0;
    const std::uint8_t* m_current; // by column: the patterns before the draw after the window
};
