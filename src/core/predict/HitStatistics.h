#pragma once

#include <QList>
#include <QString>

#include <array>

#include "core/UserMessage.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/HistoryFormat.h"
#include "core/store/Registrants.h"

class DrawHistory;
class InstallPaths;

/**
 * How often the predictions of one slot of the hit-count screen hit: HitHistogram and
 * HitRecordCount. A slot without a file to count has no data.
 */
class HitStatistics {
public:
    /** The newest counted draw's records: one ticket each, as when a wheel was bought for it. */
    struct NewestDraw {
        int draw = 0;
        int tickets = 0;
        /** Tickets with exactly 0 … 6 hits. */
        std::array<int, kNumbersPerDraw + 1> byHits{};
    };

    /** No data: an empty registrant slot, or no data-god results yet. */
    HitStatistics() = default;

    /**
     * Counts records from the first: each drawn record adds to the record count, and with 1 … 6
     * hits to the histogram. Counting stops at the first record for a draw not yet held, at a
     * record whose first slot is empty, and at a record with more than six hits, which sets the
     * warning (captioned with slot 1 … 5's god).
     */
    static HitStatistics count(const QList<PredictionRecord>& records, const DrawHistory& history, int slot);

    /**
     * Reads and counts a prediction file with numberCount numbers per record. A missing file gives
     * no data; an unreadable or malformed one its message.
     */
    static Result<HitStatistics> ofFile(const QString& path, int numberCount, const DrawHistory& history, int slot);

    /** The five data gods' files of a PredictionCount, by slot; no data unless the count is 6 … 13. */
    static QList<Result<HitStatistics>> ofDataGods(const InstallPaths& paths, int predictionCount,
                                                   const DrawHistory& history);

    /** The five registrants' files, by slot; an empty name gives no data. */
    static QList<Result<HitStatistics>> ofRegistrants(const InstallPaths& paths, const RegistrantNames& names,
                                                      const DrawHistory& history);

    bool hasData() const { return m_hasData; }
    /** HitHistogram: records with exactly 1, 2, … 6 hits (index 0 … 5). */
    const std::array<int, kNumbersPerDraw>& hitHistogram() const { return m_histogram; }
    /** HitRecordCount: records counted, those without hits included. */
    int hitRecordCount() const { return m_recordCount; }
    /** Average hits per counted record in tenths, rounded half up from hundredths; 0 without records. */
    int averageTenths() const;
    /** Records counted by how many different numbers they name (0 … 43), for what chance gives them. */
    const std::array<int, kNumberCount + 1>& recordsNaming() const { return m_recordsNaming; }
    const NewestDraw& newestDraw() const { return m_newest; }
    /** Set when counting stopped at a record with more than six hits. */
    const Status& warning() const { return m_warning; }

private:
    bool m_hasData = false;
    std::array<int, kNumbersPerDraw> m_histogram{};
    int m_recordCount = 0;
    std::array<int, kNumberCount + 1> m_recordsNaming{};
    NewestDraw m_newest;
    Status m_warning;
};
