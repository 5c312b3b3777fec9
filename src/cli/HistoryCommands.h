#pragma once

#include <QList>

#include "CliContext.h"

/** Commands on the draw history: reading, pattern statistics and the edits. */
QList<CliCommand> historyCommands();
