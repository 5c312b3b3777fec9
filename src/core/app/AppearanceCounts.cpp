#include "core/app/AppearanceCounts.h"

#include "core/store/DrawHistory.h"

std::array<int, kNumberCount> appearanceCounts(const DrawHistory& history, int partner)
{
    std::array<int, kNumberCount> counts{};
    for (int draw = 1; draw <= history.drawCount(); ++draw) {
        if (partner != 0 && !history.isHit(partner, draw))
            continue;
        for (int n = 1; n <= kNumberCount; ++n) {
            if (n == partner)
                --counts[n - 1];
            else if (history.isHit(n, draw))
                ++counts[n - 1];
        }
    }
    return counts;
}
