#pragma once

#include <QList>

#include <array>
#include <atomic>
#include <functional>

#include "predict/DataGodSettings.h"
#include "store/HistoryFormat.h"

class DrawHistory;

/** Which settings a backtest scores, on which draws, and how. */
struct BacktestChoice {
    QList<int> counts; ///< PredictionCount values, 6 … 13
    QList<int> amounts; ///< DataAmount values: 50, 100, 150, 200, 900
    QList<bool> preferences; ///< true for prefer frequent
    QList<int> weights; ///< AppearanceWeight values, 0 … 20
    int firstDraw = 100; ///< draws scored: firstDraw … lastDraw
    int lastDraw = 0;
    /** Predict draw d from draws 1 … d − 1 only, appearance counts included. */
    bool walkForward = false;
    int jobs = 1; ///< worker threads

    /** Every setting the settings dialog offers, on the draws 100 … drawCount. */
    static BacktestChoice everySetting(int drawCount);
};

/** How one data god with one setting did on the draws scored. */
struct BacktestScore {
    DataGodSettings setting;
    int order = 0; ///< PatternOrder k of the god
    int records = 0; ///< draws scored
    std::array<int, 7> histogram{}; ///< draws with 0 … 5 hits, then six or more
    qint64 hits = 0; ///< H
    qint64 chanceHits = 0; ///< A = Σ n × K: 43 times the hits a random pick reaches on average
    qint64 spread = 0; ///< B = Σ n × K × (43 − K) × (43 − n)

    double mean() const;
    double chance() const;
    /** Standard deviations of the hits above chance; 0 without records or variance. */
    double z() const;
};

/**
 * Scores many data-god settings at once against the draws they predict. A god's pattern scores at a
 * draw are the same for every count, preference and weight, and every weight's candidates are a
 * prefix of one score-sorted list, so each god walks the history once per DataAmount.
 */
class DataGodBacktest {
public:
    /** Called from the workers with the share of the work done: done of total steps. */
    using Progress = std::function<void(int done, int total)>;

    /** Takes a copy of the history's flags: the backtest may then run on any thread. */
    explicit DataGodBacktest(const DrawHistory& history);

    int drawCount() const { return int(m_lines[0].size()); }

    /**
     * The scores in the order count, amount, frequent before rare, weight, then god 4 … 8; empty
     * when cancel was set before the end. The choice must hold valid values.
     */
    QList<BacktestScore> run(const BacktestChoice& choice, const Progress& progress = {},
                             const std::atomic_bool* cancel = nullptr) const;

    /** The z that the best of this many independent settings exceeds by luck with 5 % probability. */
    static double luckThreshold(int settings);

private:
    FlagLines m_lines; // oldest draw first
};
