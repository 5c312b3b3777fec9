#pragma once

#include <QList>

#include <utility>
#include <vector>

#include "core/predict/BacktestLuck.h"

/**
 * The random histories measured for backtests, kept for as long as the program runs. They depend on
 * the settings scored, the draws scored, the length of the history and the mode, never on the
 * player's draws, so a later run with the same key goes on from them with the same seed, and its
 * figures are those of one measurement that the command line can repeat.
 */
class KeptLuck {
public:
    struct Key {
        int drawCount = 0;
        int firstDraw = 0;
        int rankedLastDraw = 0;
        bool walkForward = false;
        QList<int> counts;
        QList<int> amounts;
        QList<bool> preferences;
        QList<int> weights;

        bool operator==(const Key&) const = default;
    };

    struct Measurement {
        quint64 seed = 0;
        BacktestLuck luck;
    };

    static Key keyOf(const BacktestChoice& choice, int drawCount);

    /** The measurement kept for key, or null. */
    const Measurement* find(const Key& key) const;
    /** Keeps luck, measured with seed, for key, in place of what was kept for it. */
    void keep(const Key& key, quint64 seed, const BacktestLuck& luck);

private:
    std::vector<std::pair<Key, Measurement>> m_kept; // the latest last
};
