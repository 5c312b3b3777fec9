#pragma once

#include <QFlags>
#include <QString>

#include "core/UserMessage.h"

/** What one verb of the workbook changed, or why it changed nothing. */
struct WorkbookChange {
    enum class Part { History = 0x1, Registrants = 0x2, Predictions = 0x4, Settings = 0x8, Prizes = 0x10 };
    Q_DECLARE_FLAGS(Parts, Part)

    /** The parts that are now different; none when the verb was refused or failed. */
    Parts parts;
    /** A few words on a change of the history for the status bar; empty for an import. */
    QString historyNote;
    /** Why nothing changed; none when the verb did what it was asked. */
    Status fault;

    static WorkbookChange made(Part part, QString historyNote = {}) { return {part, std::move(historyNote), {}}; }
    static WorkbookChange failed(UserMessage fault) { return {{}, {}, std::move(fault)}; }
    /** Made when status is empty, failed with its message otherwise. */
    static WorkbookChange of(Part part, const Status& status, QString historyNote = {})
    {
        return status ? failed(*status) : made(part, std::move(historyNote));
    }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WorkbookChange::Parts)
