#pragma once

#include <QByteArray>

#include <array>
#include <memory>

#include "core/predict/DataGodRanking.h"
#include "core/predict/DataGodSettings.h"
#include "core/store/HistoryFormat.h"

class DataGodPatterns;
class DataGodWindow;
class DrawHistory;

/**
 * The five data gods' predictions for one history and one set of settings. The appearance counts
 * and the appearance ranking are taken once, when the engine is made.
 */
class DataGodEngine {
public:
    /** PatternOrder of the first and the last god. */
    static constexpr int kLowestOrder = 4;
    static constexpr int kHighestOrder = 8;
    /** First draw the gods predict. */
    static constexpr int kFirstPredictedDraw = 100;

    /** settings must be valid (DataGodSettings::isValid). */
    DataGodEngine(const DrawHistory& history, const DataGodSettings& settings);
    ~DataGodEngine();

    /**
     * GodPrediction(k, a): the PredictionCount numbers god k (4 … 8) names for draw a + 1 from the
     * draws up to a (0 … draw count), in ascending order, 99 for an empty slot. Calls for one god
     * with growing a carry its pattern counts forward.
     */
    NumberList godPrediction(int order, int a);

    /** The whole DataGodFile of god k: one record per draw 100 … draw count + 1. */
    QByteArray godFile(int order);

    /** Draws up to a that a god with this DataAmount looks at. */
    static int windowLength(int dataAmount, int a);

private:
    /** godPrediction as a set: bit n for number n. */
    quint64 namedNumbers(int order, int a);

    static constexpr int kGodCount = kHighestOrder - kLowestOrder + 1;

    int m_predictionCount;
    int m_dataAmount;
    std::unique_ptr<const DataGodPatterns> m_patterns;
    // A god's own chooser keeps the score order of its previous draw.
    std::array<std::unique_ptr<CandidateChooser>, kGodCount> m_choosers;
    std::array<std::unique_ptr<DataGodWindow>, kGodCount> m_windows;
};
