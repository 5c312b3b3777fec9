#pragma once

namespace Calendar {

/** Rokuyō index of a date that has none: outside 2000–2069 or not a real calendar day. */
inline constexpr int kRokuyoUnknown = 6;

/**
 * Rokuyō (六曜) of a Gregorian date given as yyyymmdd.
 *
 * Follows the Japanese lunisolar calendar (旧暦) with the leap 11th month of 2033: the result is
 * (lunar month + lunar day) mod 6, leap months counting as their base month.
 *
 * @return 0 大安, 1 赤口, 2 先勝, 3 友引, 4 先負, 5 仏滅, or kRokuyoUnknown for years outside 2000–2069 and for
 *         numbers that are not a valid date.
 */
int rokuyoIndex(int yyyymmdd);

} // namespace Calendar
