#include "BackupCommands.h"

#include "CliArguments.h"
#include "entry/RegistrantSlots.h"
#include "text/EntryText.h"

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
    const RegistrantSlots slots(context.installation().paths);
    if (!slots.isRegistered(slot))
        return context.refuse(EntryText::registrantNotRegistered(slot));
    if (auto fault = slots.predictionFile(slot).undoLastChange())
        return context.refuse(*fault);
    context.out() << slot << ' ' << slots.name(slot) << '\n';
    return 0;
}

int undo(CliContext& context, CliArguments& args)
{
    if (args.atEnd()) {
        if (auto fault = context.history().undoLastChange())
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
