#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "core/UserMessage.h"

class InstallPaths;

/** One line of a CSV file: its line number (1-based) and its cells, trimmed of blanks and quotes. */
struct CsvRow {
    int line = 0;
    QStringList cells;
};

/** The plain CSV that spreadsheets read and write: no cell holds a separator or a line break. */
namespace CsvTable {

/**
 * Reads UTF-8 text with or without a byte-order mark, lines ending in LF or CR LF. Cells are
 * separated by tabs when the first line holds one, otherwise by commas. Empty lines at the end
 * are left out; an empty line inside is a row of one empty cell. Reading stops after maxRows rows.
 */
QList<CsvRow> read(const QByteArray& bytes, qsizetype maxRows);

/** Comma-separated lines, each ending in LF. */
QByteArray write(const QList<QStringList>& rows);

/** The bytes of a CSV file, or the message naming it. */
Result<QByteArray> load(const QString& path);

/**
 * Refuses a file to write that is the installation's own or lies in its folder (see
 * InstallPaths::reaches()): an export must never replace the history or a prediction file.
 */
Status checkTarget(const InstallPaths& installation, const QString& path);

/** Writes a CSV file through the atomic writer, once checkTarget() lets it; a failure leaves the file as it was. */
Status save(const InstallPaths& installation, const QString& path, const QByteArray& csv);

} // namespace CsvTable
