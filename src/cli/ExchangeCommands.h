#pragma once

#include <QList>

#include "cli/CliContext.h"

/** Commands that exchange the history and the predictions with other programs as CSV files. */
QList<CliCommand> exchangeCommands();
