#pragma once

#include <array>

/**
 * How the five data gods work: the choices of the data-god settings dialog, remembered for the
 * run. The members start with the values the program starts with.
 */
struct DataGodSettings {
    /** PredictionCount while data-god mode shows no results yet. */
    static constexpr int kNothingComputed = 99;
    /** DataAmount that stands for all draws. */
    static constexpr int kAllDraws = 900;
    /** The DataAmount values to choose from, in the order the screens list them. */
    static constexpr std::array<int, 5> kDataAmounts{50, 100, 150, 200, kAllDraws};
    static constexpr int kMinCount = 6;
    static constexpr int kMaxCount = 13;
    static constexpr int kMaxWeight = 20;

    int predictionCount = 0;    ///< numbers per draw, 6 … 13; 0 at start, kNothingComputed in data-god mode
    int dataAmount = 50;        ///< past draws a god looks at: one of kDataAmounts
    bool preferFrequent = true; ///< among the best candidates, prefer often drawn numbers
    int appearanceWeight = 10;  ///< candidates beyond 14 that the appearance count chooses from, 0 … 20
    bool showPredicting = true; ///< show the predicting window while computing

    /** Whether every value is one the settings dialog can choose. */
    bool isValid() const;
    bool operator==(const DataGodSettings&) const = default;

    /** RequestCode: 100 + weight when preferring frequent numbers, else 200 + weight. */
    int requestCode() const { return (preferFrequent ? 100 : 200) + appearanceWeight; }

    /** How long the predicting window is shown before the computation, in milliseconds. */
    int waitMilliseconds() const;
};
