#include "cli/ExchangeCommands.h"

#include "cli/CliArguments.h"
#include "core/entry/RegistrantSlots.h"
#include "core/exchange/CsvTable.h"
#include "core/exchange/HistoryCsv.h"
#include "core/exchange/PredictionCsv.h"
#include "core/predict/DataGodSettings.h"
#include "core/text/EntryText.h"

namespace {

const QString kExportSynopsis =
    QStringLiteral("export-csv FILE | export-csv --slot S FILE | export-csv --gods C FILE   (S = 0 … 5, C = 6 … 13)");
const QString kImportSynopsis = QStringLiteral("import-csv FILE");

int writeCsv(CliContext& context, const QString& path, const Result<QByteArray>& csv, const QString& countWord)
{
    if (!csv.ok())
        return context.refuse(csv.error());
    if (const Status fault = CsvTable::save(context.paths(), path, csv.value()))
        return context.refuse(*fault);
    // The header line is no record.
    context.out() << countWord << ' ' << csv.value().count('\n') - 1 << '\n';
    return 0;
}

Result<QByteArray> registrantCsv(CliContext& context, int slot)
{
    const RegistrantSlots& slots = context.workbook().registrants();
    if (slot > 0 && !slots.isRegistered(slot))
        return EntryText::registrantNotRegistered(slot);
    const auto records = slots.predictionFile(slot).records();
    if (!records.ok())
        return records.error();
    return PredictionCsv::registrant(records.value(), context.history());
}

int exportCsv(CliContext& context, CliArguments& args)
{
    const QString first = args.word().value_or(QString());
    if (first == QStringLiteral("--slot") || first == QStringLiteral("--gods")) {
        const auto value = args.number();
        const auto path = args.word();
        if (!value || !path || !args.atEnd())
            return context.usage(kExportSynopsis);
        if (first == QStringLiteral("--slot")) {
            if (*value < 0 || *value > kRegistrantSlots)
                return context.usage(kExportSynopsis);
            return writeCsv(context, *path, registrantCsv(context, *value), QStringLiteral("predictions"));
        }
        if (*value < DataGodSettings::kMinCount || *value > DataGodSettings::kMaxCount)
            return context.usage(kExportSynopsis);
        return writeCsv(context, *path, PredictionCsv::dataGods(context.paths(), *value, context.history()),
                        QStringLiteral("records"));
    }
    if (first.isEmpty() || first.startsWith(QStringLiteral("--")) || !args.atEnd())
        return context.usage(kExportSynopsis);
    return writeCsv(context, first, HistoryCsv::encode(context.history()), QStringLiteral("draws"));
}

int importCsv(CliContext& context, CliArguments& args)
{
    const auto path = args.word();
    if (!path || !args.atEnd())
        return context.usage(kImportSynopsis);
    const Result<FlagLines> lines = HistoryCsv::readFile(*path);
    if (!lines.ok())
        return context.refuse(lines.error());
    if (const Status fault = context.workbook().replaceHistory(lines.value()).fault)
        return context.refuse(*fault);
    context.out() << "draws " << context.history().drawCount() << '\n';
    return 0;
}

} // namespace

QList<CliCommand> exchangeCommands()
{
    return {
        {QStringLiteral("export-csv"), kExportSynopsis, exportCsv, reads},
        {QStringLiteral("import-csv"), kImportSynopsis, importCsv},
    };
}
