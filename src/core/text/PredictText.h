#pragma once

#include <QString>

#include <array>

#include "core/UserMessage.h"
#include "core/store/HistoryFormat.h"

/** Texts of the data gods, their result files and the hit statistics. */
namespace PredictText {

/** One of the five data gods. */
struct DataGodName {
    int order;       ///< PatternOrder k, 4 … 8
    QString prefix;  ///< start of its file names, "Yon" … "Hati"
    QString caption; ///< "ヨンデータ神" … "ハチデータ神"
};

/** Number of data gods. */
inline constexpr int kDataGodCount = 5;

/** The five gods by slot 1 … 5 (index 0 … 4), in the order their files are written. */
const std::array<DataGodName, kDataGodCount>& dataGods();

/** Offer to create a registrant when nobody is registered. */
UserMessage registrantOffer();

/** A record with more hits than a draw has numbers; slot 1 … 5 names the god in the caption. */
UserMessage tooManyHits(int slot);

/** What the tickets of one draw won: byHits counts those with exactly 0 … 6 hits. */
QString ticketsWon(int draw, int tickets, const std::array<int, kNumbersPerDraw + 1>& byHits);

/** Hit-count screen: the title of a free registrant slot. */
QString unregisteredSlot();
/** Hit-count screen: a count of records followed by " 回", or "xx" without data. */
QString hitCountLine(int count);
QString hitCountUnknown();
/** Caption of the hit-count screen's row of records with hits numbers (6 … 3), beside its count. */
QString hitRowCaption(int hits);

/** The history holds more draws than the gods' result files can number, so they are not called. */
UserMessage historyTooLongForGods(int drawCount, int maxDraws);
/** The folder of the prediction files is missing. */
UserMessage predictionFolderMissing(const QString& folder);
/** A prediction file could not be written; files not yet replaced keep their content. */
UserMessage predictionFileWriteFailed(const QString& path, const QString& reason);
/** A prediction file could not be read. */
UserMessage predictionFileUnreadable(const QString& path, const QString& reason);
/** A prediction file breaks its record layout. */
UserMessage predictionFileMalformed(const QString& path, const QString& reason);

/** Reason for a failed write: something other than a file has the file's name. */
QString reasonNotAFile();

/** Reasons for a malformed prediction file; records are counted from 1. */
QString reasonRecordLength(int recordLength);
QString reasonNotDigits(int record);
QString reasonNumber(int record, int number);

} // namespace PredictText
