#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "core/UserMessage.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/BackupFolder.h"

/**
 * A registrant's prediction file, or the sample file: 18-byte records of the draw (four digits),
 * the prediction number within that draw (two digits, 01, 02, … without gaps) and six numbers,
 * ordered by draw.
 *
 * Every operation reads the file afresh; a missing file reads as empty. Changes rewrite the whole
 * file atomically and keep the version they replace in the backup folder; a refused or failed
 * change leaves it as it was. A file that breaks the record layout is refused by every operation
 * with a message naming it.
 */
class PredictionFile {
public:
    /** Numbers in a record. */
    static constexpr int kNumbers = 6;
    /** Predictions a draw can hold: the number has two digits. */
    static constexpr int kMaxPredictionsPerDraw = 99;
    /** Largest draw a record can name: four digits. */
    static constexpr int kMaxDraw = 9999;

    PredictionFile(QString path, BackupFolder backups) : m_path(std::move(path)), m_backups(std::move(backups)) {}

    const QString& path() const { return m_path; }

    /** All records in file order. */
    Result<QList<PredictionRecord>> records() const;

    /**
     * Stores six different numbers 1 … 43 (in ascending order) as the next prediction for a draw
     * 1 … drawCount + 1, after the draw's earlier predictions and before later draws. Returns the
     * stored record.
     */
    Result<PredictionRecord> appendPrediction(int draw, QList<int> numbers, int drawCount);
    /**
     * Stores several tickets for a draw in one change, in their order, as appendPrediction stores one:
     * all of them, or none when one is refused or they would pass the draw's limit.
     */
    Result<QList<PredictionRecord>> appendPredictions(int draw, QList<QList<int>> tickets, int drawCount);

    /** The highest-numbered prediction for a draw; nothing when the draw has none. */
    Result<std::optional<PredictionRecord>> latestPrediction(int draw) const;

    /** Prediction number p of a draw; nothing when it is not stored. */
    Result<std::optional<PredictionRecord>> predictionByNumber(int draw, int p) const;

    /** The largest draw with a prediction; 0 when there is none. */
    Result<int> largestDraw() const;

    /** Removes prediction p of a draw; the draw's later predictions move down by one number. */
    Status deletePrediction(int draw, int p);

    /** The name that the kept versions of this file start with: its name without ".txt". */
    QString backupBase() const;
    /**
     * Puts the newest kept version back; the present content is kept as an undone version. A kept
     * version that breaks the record layout is refused.
     */
    Status undoLastChange();

    /** The numbers joined by ". " without leading zeros ("3. 11. 19"), or the missing-prediction text. */
    static QString numbersText(const std::optional<PredictionRecord>& prediction);

    /**
     * The latest prediction as the data-entry dialog takes it apart: "予想 " + number + "+" + the
     * numbers, or the missing-prediction text.
     */
    static QString latestText(const std::optional<PredictionRecord>& prediction);

private:
    static QByteArray encode(const QList<PredictionRecord>& records);
    Status write(const QList<PredictionRecord>& records) const;

    QString m_path;
    BackupFolder m_backups;
};
