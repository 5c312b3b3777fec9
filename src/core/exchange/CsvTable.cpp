#include "exchange/CsvTable.h"

#include <QFile>

#include "store/AtomicWriter.h"
#include "text/ExchangeText.h"

namespace CsvTable {
namespace {

QString cellOf(const QString& text)
{
    QString cell = text.trimmed();
    // Some spreadsheets quote every cell.
    if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"')))
        cell = cell.mid(1, cell.size() - 2).trimmed();
    return cell;
}

} // namespace

QList<CsvRow> read(const QByteArray& bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const QChar separator = !lines.isEmpty() && lines.first().contains(QLatin1Char('\t')) ? QLatin1Char('\t')
                                                                                         : QLatin1Char(',');
    QList<CsvRow> rows;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        CsvRow row{int(i + 1), {}};
        for (const QString& cell : lines[i].split(separator))
            row.cells.append(cellOf(cell));
        rows.append(std::move(row));
    }
    return rows;
}

QByteArray write(const QList<QStringList>& rows)
{
    QByteArray bytes;
    for (const QStringList& row : rows)
        bytes += row.join(QLatin1Char(',')).toUtf8() + '\n';
    return bytes;
}

Result<QByteArray> load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ExchangeText::csvUnreadable(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return ExchangeText::csvUnreadable(path, file.errorString());
    return bytes;
}

Status save(const QString& path, const QByteArray& csv)
{
    if (const auto fault = AtomicWriter::write(path, csv))
        return ExchangeText::csvWriteFailed(fault->path, fault->reason);
    return std::nullopt;
}

} // namespace CsvTable
