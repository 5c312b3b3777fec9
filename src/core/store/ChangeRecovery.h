#pragma once

#include <QString>

#include <optional>

#include "core/UserMessage.h"
#include "core/store/WriteFault.h"

/**
 * What the next open does about a change that a crash or a failure cut short: it finishes the
 * change or takes it back, as its journal says and the files allow, and removes the writer's own
 * spare files. A journal it cannot obey (damaged, naming places outside the data folder, or over
 * files changed since) is set aside under a name of its own, with nothing changed, and said.
 */
namespace ChangeRecovery {

struct Outcome {
    /** A call failed on the way: the change is still pending. */
    std::optional<WriteFault> fault;
    /** The journal could not be obeyed: what was done with it and what to do. */
    std::optional<UserMessage> setAside;
};

/** Whether a data folder holds a journal or spare files of the writer. */
bool pending(const QString& dataFolder);

/** Settles the data folder's pending change and removes the writer's spare files. */
Outcome settle(const QString& dataFolder);

} // namespace ChangeRecovery
