#include "core/wheel/WheelSettings.h"

#include <algorithm>

#include "core/store/HistoryFormat.h"
#include "core/text/WheelText.h"

namespace {

// The first number of a list that is out of range or repeated, as the message that names it.
Status checkNumbers(const QList<int>& numbers)
{
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 1 || numbers[i] > kNumberCount)
            return WheelText::numberOutOfRange(numbers[i]);
        if (numbers.indexOf(numbers[i]) < i)
            return WheelText::numberRepeated(numbers[i]);
    }
    return std::nullopt;
}

} // namespace

Status WheelSettings::check() const
{
    if (matched < kMinMatched || matched > drawnInPool || drawnInPool > kNumbersPerDraw)
        return WheelText::guaranteeOutOfRange(matched, drawnInPool);
    if (Status fault = checkNumbers(pool))
        return fault;
    if (drawnInPool > pool.size())
        return WheelText::guaranteeBeyondPool(drawnInPool, int(pool.size()));
    if (pool.size() < kMinPool || pool.size() > kMaxPool)
        return WheelText::poolSize(int(pool.size()));
    if (Status fault = checkNumbers(fixed))
        return fault;
    const auto outside = std::find_if(fixed.begin(), fixed.end(), [this](int n) { return !pool.contains(n); });
    if (outside != fixed.end())
        return WheelText::fixedOutsidePool(*outside);
    if (fixed.size() > kMaxFixed)
        return WheelText::tooManyFixed(int(fixed.size()));
    // A drawn p-set with as few fixed numbers as the pool allows needs the most free numbers on one ticket.
    const int freeNumbers = int(pool.size() - fixed.size());
    const int fewestFixedDrawn = std::max(0, drawnInPool - freeNumbers);
    if (matched - fewestFixedDrawn > kNumbersPerDraw - int(fixed.size()))
        return WheelText::fixedLeaveNoRoom(int(fixed.size()), matched);
    if (maxTickets < 1 || maxTickets > kMostTickets)
        return WheelText::ticketLimitOutOfRange(maxTickets, kMostTickets);
    if (ticketBudget < 0 || ticketBudget > maxTickets)
        return WheelText::ticketBudgetOutOfRange(ticketBudget, maxTickets);
    if (!(seconds > 0))
        return WheelText::noTime();
    return std::nullopt;
}
