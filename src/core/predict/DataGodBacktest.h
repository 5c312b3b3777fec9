#pragma once

#include <QList>

#include <array>
#include <atomic>
#include <functional>
#include <optional>

#include "core/predict/DataGodSettings.h"
#include "core/store/HistoryFormat.h"

class DrawHistory;

/** Which settings a backtest scores, on which draws, and how. */
struct BacktestChoice {
    QList<int> counts;       ///< PredictionCount values, 6 … 13
    QList<int> amounts;      ///< DataAmount values: 50, 100, 150, 200, 900
    QList<bool> preferences; ///< true for prefer frequent
    QList<int> weights;      ///< AppearanceWeight values, 0 … 20
    int firstDraw = 100;     ///< draws scored: firstDraw … lastDraw
    int lastDraw = 0;
    /**
     * 0, or the first draw of the check: the settings are then scored on firstDraw … holdoutDraw − 1,
     * and again, apart, on holdoutDraw … lastDraw, always walk-forward: counts over the whole history
     * would let the first half see the second.
     */
    int holdoutDraw = 0;
    /** Predict draw d from draws 1 … d − 1 only, appearance counts included. */
    bool walkForward = false;
    int jobs = 1; ///< worker threads

    /** Every setting the settings dialog offers, on the draws 100 … drawCount. */
    static BacktestChoice everySetting(int drawCount);

    /** The last draw of the scores the settings are ranked by: before the holdout, or lastDraw. */
    int rankedLastDraw() const { return holdoutDraw > 0 ? holdoutDraw - 1 : lastDraw; }
    /** Whether the draws are scored walk-forward: when asked, and always with a holdout. */
    bool scoresWalkForward() const { return walkForward || holdoutDraw > 0; }
    /** The first half of the draws scored ranks, the second half checks. */
    void holdOutSecondHalf() { holdoutDraw = firstDraw + (lastDraw - firstDraw + 1) / 2; }
};

/** How one data god with one setting did on the draws scored. */
struct BacktestScore {
    DataGodSettings setting;
    int order = 0;                  ///< PatternOrder k of the god
    int records = 0;                ///< draws scored
    std::array<int, 7> histogram{}; ///< draws with 0 … 5 hits, then six or more
    qint64 hits = 0;                ///< H
    qint64 chanceHits = 0;          ///< A = Σ n × K: 43 times the hits a random pick reaches on average
    qint64 spread = 0;              ///< B = Σ n × K × (43 − K) × (43 − n)

    double mean() const;
    double chance() const;
    /**
     * Half the width of an interval of the mean reaching reach standard deviations of the mean hits of
     * a random pick of as many numbers, whose exact variance is B / (42 × 43²) per draw.
     */
    double meanMargin(double reach) const;
    /** Standard deviations of the hits above chance; 0 without records or variance. */
    double z() const;
};

/** The scores of a backtest, in the order count, amount, frequent before rare, weight, then god 4 … 8. */
struct BacktestResult {
    QList<BacktestScore> scores; ///< on the draws that rank the settings
    QList<BacktestScore> checks; ///< the same settings on the holdout draws; empty without a holdout
};

/**
 * Scores many data-god settings at once against the draws they predict. A god's pattern scores at a
 * draw are the same for every count, preference and weight, and every weight's candidates are a
 * prefix of one score-sorted list, so each god walks the history once per DataAmount; the appearance
 * ranking of a draw is the same for every god and is taken once.
 */
class DataGodBacktest {
public:
    /** Called from the workers with the share of the work done: done of total steps. */
    using Progress = std::function<void(int done, int total)>;

    /** Takes a copy of the history's flags: the backtest may then run on any thread. */
    explicit DataGodBacktest(const DrawHistory& history);
    /** lines: flag lines, oldest draw first. */
    explicit DataGodBacktest(FlagLines lines);

    int drawCount() const { return int(m_lines[0].size()); }

    /** The scores; nothing when cancel was set before the end. The choice must hold valid values. */
    std::optional<BacktestResult> run(const BacktestChoice& choice, const Progress& progress = {},
                                      const std::atomic_bool* cancel = nullptr) const;

    /**
     * The highest z of the settings on the draws that rank them, on the calling thread; nothing when
     * cancelled.
     */
    std::optional<double> bestZ(const BacktestChoice& choice, const std::atomic_bool* cancel = nullptr) const;

private:
    FlagLines m_lines; // oldest draw first
};
