#pragma once

#include <QByteArrayView>

#include <vector>

struct BarGroup;

/** The values of one group of bars: pattern counts of the group's order, weighted when asked. */
struct PatternBars {
    std::vector<int> values;
    /** Index of the number's current pattern within the group, −1 when it lies in the other half. */
    int currentIndex = -1;

    /** Counts a hit string (newest draw first) for a group. */
    static PatternBars count(QByteArrayView hits, const BarGroup& group, bool weighting);
};
