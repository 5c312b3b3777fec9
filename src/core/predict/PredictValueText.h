#pragma once

#include <QString>

struct DataGodSettings;
struct PredictionRecord;
class HitStatistics;

/**
 * Texts made from the data gods' values: the data amount, the title of a compute request, the
 * latest-prediction popups and the hit averages. Beside the values, apart from the messages in
 * text/PredictText, which the values' own classes use.
 */
namespace PredictText {

/** A DataAmount as the titles show it: "50", "100", "150", "200" or "全部". */
QString dataAmount(int amount);

/** Window title of a compute request, before the date text. */
QString computeStatus(const DataGodSettings& settings);

/** Text of a result window's latest-prediction popup for the newest record of its file. */
QString latestPopupText(int slot, const PredictionRecord& record);
/** The same for the prediction of a registrant (or a god) by name. */
QString latestPopupText(const QString& owner, const PredictionRecord& record);

/** "≪的中数の平均≫" + the average hits with one decimal + "個", or + "xx.xx" without data. */
QString hitAverage(const HitStatistics& statistics);

} // namespace PredictText
