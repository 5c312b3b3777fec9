#include "predict/DataGodSettings.h"

#include <iterator>

namespace {

// Extra wait by DataAmount, in the order 50, 100, 150, 200, all draws.
constexpr int kAmounts[] = {50, 100, 150, 200, DataGodSettings::kAllDraws};
constexpr int kAmountWaits[] = {0, 500, 1000, 1500, 3000};

int amountIndex(int amount)
{
    for (int i = 0; i < int(std::size(kAmounts)); ++i) {
        if (kAmounts[i] == amount)
            return i;
    }
    return -1;
}

} // namespace

bool DataGodSettings::isValid() const
{
    return predictionCount >= kMinCount && predictionCount <= kMaxCount && amountIndex(dataAmount) >= 0
           && appearanceWeight >= 0 && appearanceWeight <= kMaxWeight;
}

int DataGodSettings::waitMilliseconds() const
{
    const int index = amountIndex(dataAmount);
    return 2000 + 500 * (predictionCount - kMinCount) + (index >= 0 ? kAmountWaits[index] : 0);
}
