#pragma once

#include <QtGlobal>

#include <atomic>
#include <optional>
#include <vector>

#include "core/predict/DataGodBacktest.h"

/**
 * What luck alone gives the best of many settings, measured rather than assumed: the same backtest,
 * in the same mode, over the same settings and draws, on histories of uniformly random draws. The
 * settings' z's are strongly tied (neighbouring weights, the same draws), so no formula for
 * independent tests gives this.
 */
class BacktestLuck {
public:
    /**
     * Simulated history index (0, 1, …) of a measurement seeded with seed: drawCount draws of six
     * different numbers of 43, each six equally likely, as flag lines, oldest draw first.
     */
    static FlagLines randomHistory(int drawCount, quint64 seed, int index);

    /**
     * The best z of choice's settings on each of the random histories first … first + histories − 1,
     * as long as drawCount, scored on the draws that rank the settings, by choice.jobs threads. The
     * result depends on the seed only: histories 0 … 99 and then 100 … 199 give what 0 … 199 give at
     * once. Nothing when cancel was set before the end; progress counts the histories done.
     */
    static std::optional<BacktestLuck> measure(const BacktestChoice& choice, int drawCount, int histories, quint64 seed,
                                               const DataGodBacktest::Progress& progress = {},
                                               const std::atomic_bool* cancel = nullptr, int first = 0);

    explicit BacktestLuck(std::vector<double> bestZ);

    /** Takes in the best z's of more histories of the same measurement. */
    void add(const BacktestLuck& more);

    int histories() const { return int(m_bestZ.size()); }
    /** The best z's, lowest first. */
    const std::vector<double>& bestZ() const { return m_bestZ; }
    /** The ⌈q × S⌉-th lowest of the S best z's (0 < q ≤ 1). */
    double quantile(double q) const;
    /** Family-wise p of a setting's z: (1 + the best z's ≥ z) / (1 + S). */
    double pValue(double z) const;
    /**
     * The line that luck alone passes once in twenty: a z lies above it exactly when its p is below
     * 0.05, so the line and the mark are one threshold. Infinite below 19 histories, where no p can be.
     */
    double line() const;
    /** Whether z lies above the line, p below 0.05. */
    bool beyondLine(double z) const { return z > line(); }

private:
    std::vector<double> m_bestZ; // ascending
};
