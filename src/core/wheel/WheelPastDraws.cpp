#include "core/wheel/WheelPastDraws.h"

#include <bit>

#include "core/store/DrawHistory.h"
#include "core/wheel/WheelOdds.h"

WheelPastDraws WheelPastDraws::of(const QList<QList<int>>& tickets, const DrawHistory& history, const WheelOdds& odds)
{
    QList<quint64> masks;
    for (const QList<int>& ticket : tickets) {
        quint64 mask = 0;
        for (const int n : ticket)
            mask |= quint64(1) << (n - 1);
        masks.append(mask);
    }
    WheelPastDraws past;
    for (int draw = 1; draw <= history.drawCount(); ++draw) {
        const std::array<bool, kNumberCount> selection = history.drawSelection(draw);
        quint64 drawn = 0;
        for (std::size_t n = 0; n < selection.size(); ++n)
            drawn |= quint64(selection[n]) << n;
        // A draw short of numbers would be judged against odds it was not drawn under.
        if (std::popcount(drawn) != kNumbersPerDraw)
            continue;
        ++past.draws;
        unsigned held = 0;
        for (const quint64 mask : masks)
            held |= 1U << std::popcount(mask & drawn);
        for (std::size_t k = 0; k < past.paying.size(); ++k)
            past.paying[k] += int((held >> k) & 1U);
    }
    for (int k = 0; k <= kNumbersPerDraw; ++k)
        past.chance[std::size_t(k)] = ChanceBand::ofBinomialSum({{past.draws, odds.payingProbability(k)}});
    return past;
}
