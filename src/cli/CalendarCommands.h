#pragma once

#include <QList>

#include "cli/CliContext.h"

/** Commands on the calendar: rokuyō and the date text of the window titles. */
QList<CliCommand> calendarCommands();
