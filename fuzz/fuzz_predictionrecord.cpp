// Any bytes given as a prediction file are decoded or refused, never a crash; decoded records
// encode back to the same bytes. Read as a registrant's file or a data god's result file for the
// hit counts, the bytes are taken exactly when every number is 1 … 43 or the empty slot, and the
// counts agree with a count made here from the draws themselves.
#include <QByteArray>

#include <array>
#include <cstdlib>

#include "FuzzSupport.h"
#include "core/predict/HitStatistics.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/DrawHistory.h"

namespace {

constexpr int kDraws = 24;

// Draw d holds the six numbers d + 1 + 7k (mod 43), k = 0 … 5.
bool drawn(int draw, int number)
{
    if (draw < 1 || draw > kDraws || number < 1 || number > kNumberCount)
        return false;
    const int offset = ((number - 1 - draw) % kNumberCount + kNumberCount) % kNumberCount;
    return offset % 7 == 0 && offset < 7 * kNumbersPerDraw;
}

const DrawHistory& history()
{
    static const auto opened = [] {
        FlagLines lines;
        for (int draw = 1; draw <= kDraws; ++draw) {
            for (int n = 1; n <= kNumberCount; ++n)
                lines[n - 1].append(drawn(draw, n) ? '1' : '0');
        }
        return fuzz::openHistory(QStringLiteral("counted/KakoData.txt"), lines);
    }();
    return *opened;
}

bool readable(const QList<PredictionRecord>& records)
{
    for (const PredictionRecord& record : records) {
        for (const int n : record.numbers) {
            if ((n < 1 || n > kNumberCount) && n != PredictionRecord::kEmptySlot)
                return false;
        }
    }
    return true;
}

bool countsAgree(const HitStatistics& statistics, const QList<PredictionRecord>& records)
{
    std::array<int, kNumbersPerDraw> histogram{};
    int counted = 0;
    qint64 total = 0;
    bool tooMany = false;
    for (const PredictionRecord& record : records) {
        if (record.draw > kDraws || record.numbers.first() == PredictionRecord::kEmptySlot)
            break;
        int hits = 0;
        for (const int n : record.numbers)
            hits += drawn(record.draw, n) ? 1 : 0;
        if (hits > kNumbersPerDraw) {
            tooMany = true;
            break;
        }
        if (hits > 0)
            ++histogram[hits - 1];
        ++counted;
        total += hits;
    }
    // Tenths, rounded half up from hundredths.
    const qint64 hundredths = counted == 0 ? 0 : total * 100 / counted;
    const int average = int(hundredths / 10 + (hundredths % 10 > 4 ? 1 : 0));
    return statistics.hasData() && statistics.hitHistogram() == histogram && statistics.hitRecordCount() == counted
           && statistics.warning().has_value() == tooMany && statistics.averageTenths() == average;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    const QString path = fuzz::writeScratchFile(QStringLiteral("YosoData/YDF1fuzz.txt"), bytes);
    for (int count = 6; count <= 13; ++count) {
        const auto records = PredictionRecord::decodeAll(bytes, count);
        if (records) {
            QByteArray encoded;
            for (const PredictionRecord& record : *records)
                encoded += record.encode();
            if (encoded != bytes)
                std::abort();
        }
        const Result<HitStatistics> statistics = HitStatistics::ofFile(path, count, history(), 1);
        if (statistics.ok() != (records && readable(*records)))
            std::abort();
        if (statistics.ok() && !countsAgree(statistics.value(), *records))
            std::abort();
    }
    return 0;
}
