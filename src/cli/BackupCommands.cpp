#include "cli/BackupCommands.h"

#include "cli/CliArguments.h"
#include "core/store/Registrants.h"

namespace {

const QString kUndoSynopsis = QStringLiteral("undo [--slot S]   (S = 1 … 5)");

int backups(CliContext& context, CliArguments& args)
{
    if (!args.atEnd())
        return context.usage(QStringLiteral("backups"));
    const Result<QList<BackupName>> kept = context.history().backups();
    if (!kept.ok())
        return context.refuse(kept.error());
    for (const BackupName& name : kept.value()) {
        context.out() << name.fileName() << ' ' << name.drawCount.value_or(0) << ' '
                      << name.savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << '\n';
    }
    return 0;
}

int undoPrediction(CliContext& context, int slot)
{
    if (const Status fault = context.workbook().undoPredictionChange(slot).fault)
        return context.refuse(*fault);
    context.out() << slot << ' ' << context.workbook().registrants().name(slot) << '\n';
    return 0;
}

int undo(CliContext& context, CliArguments& args)
{
    if (args.atEnd()) {
        if (const Status fault = context.workbook().undoHistoryChange().fault)
            return context.refuse(*fault);
        context.out() << "draws " << context.history().drawCount() << '\n';
        return 0;
    }
    const auto option = args.word();
    const auto slot = args.number();
    if (option != QStringLiteral("--slot") || !slot || *slot < 1 || *slot > kRegistrantSlots || !args.atEnd())
        return context.usage(kUndoSynopsis);
    return undoPrediction(context, *slot);
}

} // namespace

QList<CliCommand> backupCommands()
{
    return {
        {QStringLiteral("backups"), QStringLiteral("backups"), backups, reads},
        {QStringLiteral("undo"), kUndoSynopsis, undo},
    };
}
