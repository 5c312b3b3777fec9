#pragma once

#include "cli/CliContext.h"

/** The command that scores every data-god setting against the history. */
QList<CliCommand> backtestCommands();
