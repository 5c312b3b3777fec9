#pragma once

#include <memory>

#include "core/UserMessage.h"
#include "core/store/DrawHistory.h"
#include "core/store/InstallPaths.h"

/** The installation folder in use and its draw history, locked for as long as this lives. */
struct Installation {
    InstallPaths paths;
    std::unique_ptr<DrawHistory> history;

    /**
     * Finds the folder as the installed program does (option, recorded setting, or a user data
     * folder made from the sample on first start) and opens its history, to read or to change.
     */
    static Result<Installation> open(const QString& installPathOption,
                                     DrawHistory::Access access = DrawHistory::Access::Write);
    /** Whether open() would make the user data folder from the sample: no folder named, recorded or there. */
    static bool isFirstStart(const QString& installPathOption);
};
