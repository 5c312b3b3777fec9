#include "core/text/CalendarText.h"

#include <array>

namespace CalendarText {

QString titleMonth(int month)
{
    return QStringLiteral("%1月 ").arg(month);
}

QString titleDay(int day)
{
    return QStringLiteral("%1日 ").arg(day);
}

QString titleWeekday(int dayOfWeek)
{
    static const std::array<QString, 7> kWeekdays = {
        QStringLiteral(" 月曜日"), QStringLiteral(" 火曜日"), QStringLiteral(" 水曜日"), QStringLiteral(" 木曜日"),
        QStringLiteral(" 金曜日"), QStringLiteral(" 土曜日"), QStringLiteral(" 日曜日")};
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return QString();
    return kWeekdays[static_cast<std::size_t>(dayOfWeek - 1)];
}

QString titleRokuyo(int index)
{
    static const std::array<QString, 6> kRokuyo = {QStringLiteral("  ≪大安≫"), QStringLiteral("  ≪赤口≫"),
                                                   QStringLiteral("  ≪先勝≫"), QStringLiteral("  ≪友引≫"),
                                                   QStringLiteral("  ≪先負≫"), QStringLiteral("  ≪仏滅≫")};
    if (index < 0 || index >= static_cast<int>(kRokuyo.size()))
        return QStringLiteral("  ≪？？≫");
    return kRokuyo[static_cast<std::size_t>(index)];
}

} // namespace CalendarText
