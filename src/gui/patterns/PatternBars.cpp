#include "gui/patterns/PatternBars.h"

#include "core/patterns/PatternStats.h"
#include "gui/patterns/PatternGraphLayout.h"

PatternBars PatternBars::count(QByteArrayView hits, const BarGroup& group, bool weighting)
{
    const std::vector<int> counts = PatternStats::countPatterns(hits, group.order);
    const int factor = weighting ? PatternStats::distinctPatternCount(hits, group.order) : 1;
    PatternBars bars;
    bars.values.reserve(std::size_t(group.patternCount));
    for (int i = 0; i < group.patternCount; ++i)
        bars.values.push_back(counts[std::size_t(group.firstPattern) + std::size_t(i)] * factor);
    const int current = PatternStats::currentPattern(hits, group.order) - group.firstPattern;
    if (current >= 0 && current < group.patternCount)
        bars.currentIndex = current;
    return bars;
}
