#include "core/store/SixNumbers.h"

#include <array>

#include "core/store/HistoryFormat.h"
#include "core/text/StoreText.h"

Status checkSixNumbers(const QList<int>& numbers, const UserMessage& notSix)
{
    if (numbers.size() != kNumbersPerDraw)
        return notSix;
    std::array<bool, kNumberCount + 1> seen{};
    for (const int n : numbers) {
        Status fault;
        if (n < 1 || n > kNumberCount)
            fault = StoreText::numberOutOfRange(n);
        else if (seen[n])
            fault = StoreText::repeatedNumber(n);
        if (fault) {
            fault->caption = notSix.caption;
            return fault;
        }
        seen[n] = true;
    }
    return std::nullopt;
}
