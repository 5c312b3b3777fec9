#pragma once

#include <QString>

class QDate;

namespace Calendar {

/**
 * Date text that follows the program name in the main window's title, e.g. "1月 7日  金曜日  ≪赤口≫" for
 * 2000-01-07: month, day, weekday and the rokuyō (shown as "≪？？≫" outside 2000–2069).
 *
 * @return the text, or an empty string for an invalid date.
 */
QString titleSuffix(const QDate& date);

} // namespace Calendar
