#include "core/exchange/PredictionCsv.h"

#include <QStringList>

#include "core/exchange/CsvTable.h"
#include "core/store/DrawHistory.h"
#include "core/store/HistoryFormat.h"
#include "core/store/InstallPaths.h"
#include "core/text/ExchangeText.h"
#include "core/text/PredictText.h"

namespace PredictionCsv {
namespace {

QStringList numberHeader(int numberCount)
{
    QStringList cells;
    for (int i = 1; i <= numberCount; ++i)
        cells.append(QStringLiteral("n%1").arg(i));
    return cells;
}

// The numbers and the hits of a record, after the cells that name it.
QStringList recordCells(const PredictionRecord& record, const DrawHistory& history)
{
    QStringList cells;
    for (const int n : record.numbers)
        cells.append(n == PredictionRecord::kEmptySlot ? QString() : QString::number(n));
    const std::optional<int> hits = record.hits(history);
    cells.append(record.draw <= history.drawCount() && hits ? QString::number(*hits) : QString());
    return cells;
}

} // namespace

QByteArray registrant(const QList<PredictionRecord>& records, const DrawHistory& history)
{
    QList<QStringList> rows{QStringList{QStringLiteral("draw"), QStringLiteral("prediction")}
                            + numberHeader(kNumbersPerDraw) + QStringList{QStringLiteral("hits")}};
    for (const PredictionRecord& record : records)
        rows.append(QStringList{QString::number(record.draw), QString::number(record.index)}
                    + recordCells(record, history));
    return CsvTable::write(rows);
}

Result<QByteArray> dataGods(const InstallPaths& paths, int predictionCount, const DrawHistory& history)
{
    QList<QStringList> rows{QStringList{QStringLiteral("god"), QStringLiteral("draw")} + numberHeader(predictionCount)
                            + QStringList{QStringLiteral("hits")}};
    for (const PredictText::DataGodName& god : PredictText::dataGods()) {
        const QString file = paths.dataGodFile(god.prefix, predictionCount);
        const auto records = PredictionRecord::readFile(file, predictionCount);
        if (!records.ok())
            return records.error();
        for (const PredictionRecord& record : records.value())
            rows.append(QStringList{god.prefix, QString::number(record.draw)} + recordCells(record, history));
    }
    if (rows.size() == 1)
        return ExchangeText::noDataGodResults(predictionCount);
    return CsvTable::write(rows);
}

} // namespace PredictionCsv
