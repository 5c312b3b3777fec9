#pragma once

#include <QList>

#include <array>

#include "core/chance/ChanceBand.h"
#include "core/store/HistoryFormat.h"

class DrawHistory;
struct WheelOdds;

/**
 * A wheel laid over the stored draws: in how many it would have paid each prize class (some ticket holding
 * exactly k), beside what chance gives as many draws from the wheel's exact odds. The draws are independent,
 * so the past record says nothing of the next draw.
 */
struct WheelPastDraws {
    /** The draws laid over: those of six numbers. */
    int draws = 0;
    /** For k = 0 … 6, the draws in which some ticket held exactly k. */
    std::array<int, kNumbersPerDraw + 1> paying{};
    /** For k = 0 … 6, what chance gives: binomial over the draws with the wheel's chance to pay k. */
    std::array<ChanceBand, kNumbersPerDraw + 1> chance{};

    static WheelPastDraws of(const QList<QList<int>>& tickets, const DrawHistory& history, const WheelOdds& odds);
};
