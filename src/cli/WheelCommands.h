#pragma once

#include "cli/CliContext.h"

/** The command that makes a wheel: tickets from a pool of numbers that keep a guarantee. */
QList<CliCommand> wheelCommands();
