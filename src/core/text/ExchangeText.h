#pragma once

#include <QString>

#include "core/UserMessage.h"

/** Texts of the exchange with other programs: CSV files of the history and of the predictions. */
namespace ExchangeText {

/** The file dialogs of the data menu's two CSV commands: titles, filter, labels and buttons. */
QString exportDialogTitle();
QString importDialogTitle();
QString fileFilter();
QString dialogAccept();
QString dialogReject();
QString dialogLookIn();
QString dialogFileName();
QString dialogFileType();
/** The file chosen to write to is there already. */
UserMessage confirmReplaceFile(const QString& path);

/** A CSV file could not be read. */
UserMessage csvUnreadable(const QString& path, const QString& reason);
/** A CSV file could not be written; nothing was changed. */
UserMessage csvWriteFailed(const QString& path, const QString& reason);
/** A file to write that is the program's own or lies in its installation folder. */
UserMessage csvTargetInInstallation(const QString& path, const QString& installationFolder);
/** A CSV file holds no draw. */
UserMessage csvEmpty();
/** Line (1-based) of a CSV file is not a sound draw; the history is kept as it is. */
UserMessage csvLineFault(int line, const QString& reason);

/** Why a line of a CSV file is refused. */
QString reasonCellCount(int found);
QString reasonDrawOrder(const QString& found, int expected);
QString reasonNotNumber(const QString& cell);
QString reasonMissingNumber();
QString reasonOutOfRange(int number);
QString reasonRepeated(int number);
QString reasonHeader();

/** A stored draw holds more numbers than a CSV line has room for. */
UserMessage drawTooManyNumbers(int draw, int found);
/** The data gods have no results for that PredictionCount. */
UserMessage noDataGodResults(int predictionCount);

/** Before the history is replaced by drawCount draws read from a CSV file. */
UserMessage confirmImport(const QString& path, int drawCount, int presentDrawCount);
/** After an import or an export. */
UserMessage importDone(int drawCount);
UserMessage exportDone(const QString& path, int drawCount);

} // namespace ExchangeText
