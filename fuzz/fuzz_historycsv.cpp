// Any bytes given as a CSV file to import are either read or refused, never a crash. What is read
// holds six numbers in every draw and at most the history's limit of draws, and the history made
// from it writes back as a CSV that reads to the same lines.
#include <QByteArray>

#include <algorithm>
#include <cstdlib>

#include "FuzzSupport.h"
#include "core/exchange/HistoryCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const auto read = HistoryCsv::decode(QByteArray(data, qsizetype(size)));
    if (!read.ok())
        return 0;
    const FlagLines& lines = read.value();
    const qsizetype draws = lines[0].size();
    if (draws < 1 || draws > kMaxDraws)
        std::abort();
    for (qsizetype d = 0; d < draws; ++d) {
        const auto drawn = std::count_if(lines.cbegin(), lines.cend(), [d, draws](const QByteArray& line) {
            if (line.size() != draws)
                std::abort();
            return line[d] == '1';
        });
        if (drawn != kNumbersPerDraw)
            std::abort();
    }
    const auto history = fuzz::openHistory(QStringLiteral("Vemo6Data/KakoData.txt"), lines);
    const auto written = HistoryCsv::encode(*history);
    if (!written.ok())
        std::abort();
    const auto again = HistoryCsv::decode(written.value());
    if (!again.ok() || again.value() != lines)
        std::abort();
    return 0;
}
