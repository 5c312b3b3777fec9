#include "core/exchange/CsvTable.h"

#include "core/store/AtomicWriter.h"
#include "core/store/FileNameBytes.h"
#include "core/store/InstallPaths.h"
#include "core/text/ExchangeText.h"

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

QList<CsvRow> read(const QByteArray& bytes, qsizetype maxRows)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // Line by line, so that a huge file costs no more than the rows it is read for.
    QList<CsvRow> rows;
    QChar separator;
    int lineNumber = 0;
    qsizetype blankRun = 0;
    while (!text.isEmpty() && rows.size() < maxRows) {
        const qsizetype end = text.indexOf('\n');
        QByteArrayView line = end < 0 ? text : text.first(end);
        text = end < 0 ? QByteArrayView() : text.sliced(end + 1);
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        const QString decoded = QString::fromUtf8(line);
        if (separator.isNull())
            separator = decoded.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
        CsvRow row{lineNumber, {}};
        for (const QString& cell : decoded.split(separator))
            row.cells.append(cellOf(cell));
        rows.append(std::move(row));
        blankRun = decoded.trimmed().isEmpty() ? blankRun + 1 : 0;
    }
    // Blank lines at the end are no rows, but ones between rows are.
    if (text.trimmed().isEmpty())
        rows.resize(rows.size() - blankRun);
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
    FileNameBytes::Content content = FileNameBytes::read(path);
    if (!content.bytes)
        return ExchangeText::csvUnreadable(path, content.reason);
    return std::move(*content.bytes);
}

Status checkTarget(const InstallPaths& installation, const QString& path)
{
    if (installation.reaches(path))
        return ExchangeText::csvTargetInInstallation(path, installation.root());
    return std::nullopt;
}

Status save(const InstallPaths& installation, const QString& path, const QByteArray& csv)
{
    if (Status refused = checkTarget(installation, path))
        return refused;
    if (const auto fault = AtomicWriter::write(path, csv))
        return ExchangeText::csvWriteFailed(fault->path, fault->reason);
    return std::nullopt;
}

} // namespace CsvTable
