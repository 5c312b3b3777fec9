#pragma once

#include <array>
#include <vector>

#include "core/chance/ChanceBand.h"
#include "core/store/HistoryFormat.h"

class DrawHistory;

/** The 43 ticks of one draw. */
using DrawTicks = std::array<bool, kNumberCount>;

/**
 * Whether the draws look like fair draws of six out of 43: a χ² over the 43 counts, and the
 * numbers repeated from the previous draw. Draws without exactly six numbers are left out.
 */
struct DrawUniformity {
    int draws = 0;
    /**
     * Σ (count − 6D/43)² / (6D/43), scaled by 42/37: six different numbers a draw make the counts
     * vary by 37/42 of a multinomial's, so the scaled sum follows χ² with 42 degrees of freedom.
     */
    double chiSquare = 0;
    double chiSquareP = 1;
    /** Numbers drawn again in the next draw, over every pair of neighbouring draws. */
    int repeats = 0;
    double repeatsExpected = 0;
    /** Two-sided, from the normal law: each pair repeats 36/43 numbers on average. */
    double repeatsP = 1;

    static DrawUniformity of(const std::vector<DrawTicks>& draws);
    static DrawUniformity of(const DrawHistory& history);

    /** Whether both tests leave the draws within chance at the 5 % level. */
    bool withinChance() const { return chiSquareP >= 0.05 && repeatsP >= 0.05; }
};

/**
 * The count a number gets by luck alone on the appearance chart: over draws of six, or, with a
 * partner, over the partner's draws, where each other number is one of five out of 42.
 */
ChanceBand appearanceChance(int draws, bool withPartner);
