#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "UserMessage.h"
#include "predict/PredictionRecord.h"

class DrawHistory;

/** Reading the result files: data-god files and, with six numbers, the registrants' files. */
namespace DataGodRecords {

/**
 * All records of a prediction file whose records hold numberCount numbers. A file whose length
 * is not a whole number of records, or whose record holds other than digits or a number other
 * than 1 … 43 and 99, is refused with a message naming it; so is a file that cannot be read.
 */
Result<QList<PredictionRecord>> read(const QString& path, int numberCount);

/**
 * How many of a record's numbers were drawn in the draw it predicts. Nothing while that draw is
 * still to come and the record names a number; a record of empty slots has 0 hits.
 */
std::optional<int> hits(const PredictionRecord& record, const DrawHistory& history);

} // namespace DataGodRecords
