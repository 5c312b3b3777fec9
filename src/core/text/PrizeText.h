#pragma once

#include <QString>

#include "core/UserMessage.h"

/** Texts of the prize table the player types in. */
namespace PrizeText {

QString tableCaption();
UserMessage amountOutOfRange(int matched, qint64 amount);
UserMessage priceOutOfRange(qint64 price);
/** The file is there but line (1 …) is not what the program writes; the table is not used. */
UserMessage tableUnreadable(const QString& file, int line);
UserMessage tableNotRead(const QString& file, const QString& reason);
UserMessage tableNotWritten(const QString& file, const QString& reason);
/** The command line's answer when the data folder keeps no table. */
UserMessage noTable();

} // namespace PrizeText
