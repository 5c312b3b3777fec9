#include "core/exchange/HistoryCsv.h"

#include "core/exchange/CsvTable.h"
#include "core/store/DrawHistory.h"
#include "core/text/ExchangeText.h"
#include "core/text/StoreText.h"

namespace HistoryCsv {
namespace {

// The numbers of one line, or the reason it is refused.
std::variant<QList<int>, QString> numbersOf(const CsvRow& row, int draw)
{
    if (row.cells.size() != 1 + kNumbersPerDraw)
        return ExchangeText::reasonCellCount(int(row.cells.size()));
    bool isNumber = false;
    if (row.cells.first().toInt(&isNumber) != draw || !isNumber)
        return ExchangeText::reasonDrawOrder(row.cells.first(), draw);
    QList<int> numbers;
    for (const QString& cell : row.cells.mid(1)) {
        if (cell.isEmpty())
            return ExchangeText::reasonMissingNumber();
        const int n = cell.toInt(&isNumber);
        if (!isNumber)
            return ExchangeText::reasonNotNumber(cell);
        if (n < 1 || n > kNumberCount)
            return ExchangeText::reasonOutOfRange(n);
        if (numbers.contains(n))
            return ExchangeText::reasonRepeated(n);
        numbers.append(n);
    }
    return numbers;
}

} // namespace

QStringList header()
{
    return {QStringLiteral("draw"), QStringLiteral("n1"), QStringLiteral("n2"), QStringLiteral("n3"),
            QStringLiteral("n4"),   QStringLiteral("n5"), QStringLiteral("n6")};
}

Result<QByteArray> encode(const DrawHistory& history)
{
    QList<QStringList> rows{header()};
    for (int draw = 1; draw <= history.drawCount(); ++draw) {
        QStringList row{QString::number(draw)};
        for (int n = 1; n <= kNumberCount; ++n) {
            if (history.isHit(n, draw))
                row.append(QString::number(n));
        }
        if (row.size() > 1 + kNumbersPerDraw)
            return ExchangeText::drawTooManyNumbers(draw, int(row.size() - 1));
        while (row.size() < 1 + kNumbersPerDraw)
            row.append(QString());
        rows.append(row);
    }
    return CsvTable::write(rows);
}

Result<FlagLines> decode(const QByteArray& bytes)
{
    // The header and one draw past the largest history are enough to refuse a longer file.
    QList<CsvRow> rows = CsvTable::read(bytes, kMaxDraws + 2);
    if (!rows.isEmpty() && rows.first().cells.first().compare(header().first(), Qt::CaseInsensitive) == 0) {
        if (rows.first().cells.join(QLatin1Char(',')).toLower() != header().join(QLatin1Char(',')))
            return ExchangeText::csvLineFault(rows.first().line, ExchangeText::reasonHeader());
        rows.removeFirst();
    }
    if (rows.isEmpty())
        return ExchangeText::csvEmpty();
    if (rows.size() > kMaxDraws)
        return StoreText::historyFull(kMaxDraws);

    FlagLines lines;
    for (QByteArray& line : lines)
        line.fill('0', rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto numbers = numbersOf(rows[i], int(i + 1));
        if (const auto* reason = std::get_if<QString>(&numbers))
            return ExchangeText::csvLineFault(rows[i].line, *reason);
        for (const int n : std::get<QList<int>>(numbers))
            lines[n - 1][i] = '1';
    }
    return lines;
}

Result<FlagLines> readFile(const QString& path)
{
    const Result<QByteArray> bytes = CsvTable::load(path);
    if (!bytes.ok())
        return bytes.error();
    return decode(bytes.value());
}

} // namespace HistoryCsv
