#pragma once

#include <QList>

#include "cli/CliContext.h"

/**
 * Commands on data entry: the average and σ, the registrants and their prediction files, and the
 * random god.
 */
QList<CliCommand> entryCommands();
