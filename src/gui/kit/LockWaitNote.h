#pragma once

#include <chrono>

#include "core/store/ChangeLock.h"

class QString;

/**
 * How the program waits for another program that reads or changes its history: off the window's
 * thread, with a note above the window that it waits and 中止 to stop waiting. The windows stay drawn
 * while it waits; a change stopped so is refused with the history's name, and nothing changes.
 */
namespace LockWaitNote {

/** The waiter the program installs for every wait on a history. */
ChangeLock::Waiter waiter();

/** Waits as the note does: true once the lock is had, false when the player stopped waiting. */
bool wait(const QString& historyPath, const ChangeLock::Attempt& attempt);

} // namespace LockWaitNote
