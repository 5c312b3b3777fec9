#pragma once

#include <QString>

struct RandomTicketOdds;

/** Texts of the wheel window that set a wheel beside as many tickets picked at random. */
namespace WheelCompareText {

/** The chances that some of the random tickets hold 3, 4, 5 or 6 or more, under a heading. */
QString randomOdds(const RandomTicketOdds& odds);
/** That the average number of tickets holding 3 … 6 in the odds table is the same for random tickets. */
QString expectedTickets(const RandomTicketOdds& odds);
/** What a wheel changes and what it does not. */
QString wheelNote();

} // namespace WheelCompareText
