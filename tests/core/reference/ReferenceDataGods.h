#pragma once

#include <QByteArray>
#include <QList>

#include <array>

#include "core/store/HistoryFormat.h"

class DrawHistory;

/**
 * The data gods computed the plain way, step by step as the program's rules read: every window is
 * read and counted afresh. Slow; the tests hold the real engine to its output.
 */
namespace ReferenceDataGods {

using Counts = std::array<int, kNumberCount>;

/** What every god call of one computation shares. */
struct Run {
    FlagLines lines; ///< oldest draw first, read flag by flag
    Counts appearanceCounts{};
    int dataAmount = 50;
    int predictionCount = 6;
    int requestCode = 110;
};

/** Reads the history and counts the appearances. */
Run makeRun(const DrawHistory& history, int dataAmount, int predictionCount, int requestCode);

/** Score C[p0] × D of one window, W[0] the newest draw. */
int windowScore(const QByteArray& window, int order);

/** The re-ranking of candidates by appearance count. */
QList<int> rerank(const QList<int>& candidates, const Counts& counts, bool preferFrequent);

/** GodPrediction(k, a, RequestCode): 2 × PredictionCount digits. */
QByteArray godPrediction(const Run& run, int order, int a);

/** One god's whole file. */
QByteArray godFile(const Run& run, int order);

} // namespace ReferenceDataGods
