#pragma once

#include <QByteArrayView>

#include <array>
#include <vector>

class DrawHistory;

/** Lowest and highest pattern order the program works with. */
inline constexpr int kMinPatternOrder = 2;
inline constexpr int kMaxPatternOrder = 9;

/**
 * Pattern statistics of one number's hit string (newest draw first): how often the number was
 * drawn right after each possible run of k earlier draws. The pattern index of a hit at i reads
 * s[i+1] … s[i+k] as a binary number, s[i+1] the most significant bit.
 */
namespace PatternStats {

/**
 * C_k: for every pattern index p (0 … 2^k − 1) the number of hits i, 0 ≤ i < n − k, whose k draws
 * before form p. All zero when n ≤ k.
 */
std::vector<int> countPatterns(QByteArrayView hits, int k);

/**
 * D(k): how many different patterns of order k precede hits at i < n − 8 (k ≤ 8) or i < n − 9
 * (k = 9), the same range for every order. 0 for k outside 2 … 9.
 */
int distinctPatternCount(QByteArrayView hits, int k);

/** The pattern formed by the latest k draws, s[0] the most significant bit; draws missing count as 0. */
int currentPattern(QByteArrayView hits, int k);

/** The count that stands for a number's present situation, weighted by D when asked. */
int currentPatternCount(QByteArrayView hits, int k, bool weighting);

/** currentPatternCount() of every order 2 … 9 at once (index 0 is order 2), in one pass over the hits. */
std::array<int, kMaxPatternOrder - kMinPatternOrder + 1> currentPatternCounts(QByteArrayView hits, bool weighting);

/** Top edge of the pattern graph in screen pixels. */
int graphTop(int screenHeight);

/** Vertical scales of the pattern graph. */
struct PatternScales {
    int plain = 0;
    int weighted = 0;
};

/** Scales fitted to the tallest count of orders 2 … 7 of one number's hit string. */
PatternScales computePatternScales(QByteArrayView hits, int screenHeight);

} // namespace PatternStats

/**
 * The current-pattern counts of every number and order, and the bits of one chosen number's
 * current pattern, as the latest-pattern table shows them.
 */
class CurrentPatternTables {
public:
    /** Marks "no number chosen". */
    static constexpr int kNoNumber = 99;
    /** Fills CurrentPatternBits past the order. */
    static constexpr int kNoBit = 99;

    /**
     * Recomputes every entry. orderIndex 0 … 7 stands for orders 2 … 9; the bits are taken for
     * selectedNumber at that order, and left as they are when selectedNumber is kNoNumber.
     */
    void updateCurrentPatternTables(const DrawHistory& history, int orderIndex, int selectedNumber, bool weighting);

    /** Stores one entry, as the pattern graph does for the number it shows. */
    void setCount(int k, int number, int value) { m_counts[number - 1][k - kMinPatternOrder] = value; }

    /** C_k[current pattern] of a number (1 … 43), or its weighted value. */
    int count(int k, int number) const { return m_counts[number - 1][k - kMinPatternOrder]; }

    /** Bits of the chosen current pattern, nearest draw first, then kNoBit. */
    const std::array<int, kMaxPatternOrder>& bits() const { return m_bits; }

private:
    std::array<std::array<int, kMaxPatternOrder - kMinPatternOrder + 1>, 43> m_counts{};
    std::array<int, kMaxPatternOrder> m_bits{};
};
