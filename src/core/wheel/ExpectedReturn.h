#pragma once

#include <QtGlobal>

struct PrizeTable;
struct WheelOdds;

/**
 * What a set of tickets pays back on average for one draw under a prize table, exactly: the yen paid over
 * all 6,096,454 draws together, each draw counted once, divided by their number.
 */
struct ExpectedReturn {
    int tickets = 0;
    /** Yen the tickets win summed over every draw. */
    qint64 paidOverAllDraws = 0;
    /** Yen the tickets cost for one draw. */
    qint64 price = 0;

    double perDraw() const;
    double perTicket() const { return tickets > 0 ? perDraw() / tickets : 0.0; }
    /** The share of the price that comes back on average. */
    double rate() const { return price > 0 ? perDraw() / double(price) : 0.0; }
    bool operator==(const ExpectedReturn&) const = default;

    /** From how many of the wheel's tickets hold each class over every draw. */
    static ExpectedReturn ofWheel(const WheelOdds& odds, int tickets, const PrizeTable& table);
    /** Any tickets different ones: as many times one ticket's, which the hypergeometric law gives. */
    static ExpectedReturn ofAnyTickets(int tickets, const PrizeTable& table);
};
