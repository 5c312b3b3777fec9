#include "core/predict/DataGodSettings.h"

#include <algorithm>

namespace {

// Extra wait by DataAmount, in the order of kDataAmounts.
constexpr std::array kAmountWaits{0, 500, 1000, 1500, 3000};
static_assert(kAmountWaits.size() == DataGodSettings::kDataAmounts.size());

int amountIndex(int amount)
{
    const auto& amounts = DataGodSettings::kDataAmounts;
    const auto at = std::find(amounts.cbegin(), amounts.cend(), amount);
    return at == amounts.cend() ? -1 : int(at - amounts.cbegin());
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
    return 2000 + 500 * (predictionCount - kMinCount) + (index >= 0 ? kAmountWaits[std::size_t(index)] : 0);
}
