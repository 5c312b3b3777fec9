#pragma once

#include <QByteArray>
#include <QList>

#include "core/UserMessage.h"
#include "core/predict/PredictionRecord.h"

class DrawHistory;
class InstallPaths;

/**
 * Predictions as CSV, one line per record in file order, with its hits once the draw is known
 * (the cell stays empty for a draw still to come). An empty slot (99) is an empty cell.
 */
namespace PredictionCsv {

/** A registrant's predictions: "draw,prediction,n1,…,n6,hits". */
QByteArray registrant(const QList<PredictionRecord>& records, const DrawHistory& history);

/**
 * The five data gods' result files of a PredictionCount 6 … 13: "god,draw,n1,…,nC,hits", the
 * god named by its file prefix ("Yon" … "Hati"). Fails when no god has results of that count.
 */
Result<QByteArray> dataGods(const InstallPaths& paths, int predictionCount, const DrawHistory& history);

} // namespace PredictionCsv
