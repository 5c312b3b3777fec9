#pragma once

#include <QList>

#include "cli/CliContext.h"

/** Commands on the data gods and the hit statistics of the prediction files. */
QList<CliCommand> predictCommands();
