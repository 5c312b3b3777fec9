#pragma once

#include <QList>

#include "cli/CliContext.h"

/** Commands on the draw history: reading, pattern statistics and the edits. */
QList<CliCommand> historyCommands();
