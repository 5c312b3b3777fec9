#pragma once

#include <QList>

#include "cli/CliContext.h"

/** Commands on the kept versions of the history and the prediction files: listing and undo. */
QList<CliCommand> backupCommands();
