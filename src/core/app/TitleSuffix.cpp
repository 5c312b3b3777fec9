#include "core/app/TitleSuffix.h"

#include "core/app/Rokuyo.h"
#include "core/text/CalendarText.h"

#include <QDate>

namespace Calendar {

QString titleSuffix(const QDate& date)
{
    if (!date.isValid())
        return QString();
    // Far-off years would overflow the yyyymmdd number, and none of them has a rokuyō.
    const bool fourDigitYear = date.year() >= 1000 && date.year() <= 9999;
    const int rokuyo =
        fourDigitYear ? rokuyoIndex(date.year() * 10000 + date.month() * 100 + date.day()) : kRokuyoUnknown;
    return CalendarText::titleMonth(date.month()) + CalendarText::titleDay(date.day())
           + CalendarText::titleWeekday(date.dayOfWeek()) + CalendarText::titleRokuyo(rokuyo);
}

} // namespace Calendar
