#pragma once

#include <QString>

/** Texts of the date shown in the main window's title. */
namespace CalendarText {

/** Month part, "1月 " … "12月 ". */
QString titleMonth(int month);

/** Day part without leading zero, "1日 " … "31日 ". */
QString titleDay(int day);

/** Weekday part, " 月曜日" … " 日曜日", for Qt's day of week 1 (Monday) … 7 (Sunday); empty for other values. */
QString titleWeekday(int dayOfWeek);

/** Rokuyō part, "  ≪大安≫" … "  ≪仏滅≫" for indexes 0 … 5; "  ≪？？≫" for any other index. */
QString titleRokuyo(int index);

} // namespace CalendarText
