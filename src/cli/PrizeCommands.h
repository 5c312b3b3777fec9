#pragma once

#include "cli/CliContext.h"

/** The command that shows, sets or clears the prize table in the data folder. */
QList<CliCommand> prizeCommands();
