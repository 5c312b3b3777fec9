#include "core/app/Rokuyo.h"

#include "core/app/LunarMonthTable.h"

#include <QDate>

#include <algorithm>

namespace Calendar {
namespace {

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2069;

QDate toDate(int yyyymmdd)
{
    return QDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
}

} // namespace

int rokuyoIndex(int yyyymmdd)
{
    const int year = yyyymmdd / 10000;
    if (year < kFirstYear || year > kLastYear)
        return kRokuyoUnknown;
    const QDate date = toDate(yyyymmdd);
    if (!date.isValid())
        return kRokuyoUnknown;

    // yyyymmdd numbers of valid dates sort like the dates themselves.
    const auto next = std::upper_bound(kLunarMonthStarts.begin(), kLunarMonthStarts.end(), yyyymmdd,
                                       [](int day, const LunarMonthStart& start) { return day < start.m_firstDay; });
    if (next == kLunarMonthStarts.begin() || next == kLunarMonthStarts.end())
        return kRokuyoUnknown;
    const LunarMonthStart& month = *(next - 1);
    const auto lunarDay = toDate(month.m_firstDay).daysTo(date) + 1;
    return static_cast<int>((month.m_month + lunarDay) % 6);
}

} // namespace Calendar
