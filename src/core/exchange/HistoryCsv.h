#pragma once

#include <QByteArray>
#include <QStringList>

#include "core/UserMessage.h"
#include "core/store/HistoryFormat.h"

class DrawHistory;

/**
 * The draw history as CSV: the header "draw,n1,n2,n3,n4,n5,n6", then one line per draw, oldest
 * first, with its numbers in ascending order.
 */
namespace HistoryCsv {

QStringList header();

/**
 * The CSV of every draw. A draw of fewer than six numbers leaves the last cells empty; one of
 * more than six cannot be written and is named in the message.
 */
Result<QByteArray> encode(const DrawHistory& history);

/**
 * Reads a CSV with or without the header (see CsvTable::read for the text). The draws must be
 * numbered 1 … n in order, n up to the history's limit, each with six different numbers 1 … 43
 * in any order. The first fault is reported with its line.
 */
Result<FlagLines> decode(const QByteArray& bytes);

/** Reads and decodes a CSV file, as an import takes it; the message names the file or the faulty line. */
Result<FlagLines> readFile(const QString& path);

} // namespace HistoryCsv
