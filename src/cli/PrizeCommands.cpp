#include "cli/PrizeCommands.h"

#include <algorithm>
#include <limits>

#include "cli/CliArguments.h"
#include "core/text/PrizeText.h"

namespace {

const QString kPrizesSynopsis = QStringLiteral(
    "prizes [--set A6 A5 A4 A3 [--price P] | --clear]   (当せん金の表：6 個 … 3 個当たりの当せん金と１口の値段 "
    "P 円、既定は 200 円)");

int printTable(CliContext& context)
{
    const std::optional<PrizeTable>& table = context.workbook().prizeTable();
    if (!table)
        return context.refuse(context.workbook().prizeTableFault().value_or(PrizeText::noTable()));
    context.out() << QStringLiteral("price %1\n").arg(table->ticketPrice);
    for (int matched = kNumbersPerDraw; matched >= PrizeTable::kLowestClass; --matched)
        context.out() << QStringLiteral("%1 %2\n").arg(matched).arg(table->amount(matched));
    return 0;
}

// Amounts as typed: decimal yen, refused by the table's own check when out of range.
std::optional<qint64> amountWord(CliArguments& args)
{
    const auto word = args.word();
    bool ok = false;
    const qint64 value = word.value_or(QString()).toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

int setTable(CliContext& context, CliArguments& args)
{
    PrizeTable table;
    for (int matched = kNumbersPerDraw; matched >= PrizeTable::kLowestClass; --matched) {
        const auto amount = amountWord(args);
        if (!amount)
            return context.usage(kPrizesSynopsis);
        table.amounts[std::size_t(matched)] = *amount;
    }
    if (const auto option = args.word()) {
        const auto price = amountWord(args);
        if (*option != QStringLiteral("--price") || !price || !args.atEnd())
            return context.usage(kPrizesSynopsis);
        // Beyond an int it is out of range all the same.
        table.ticketPrice =
            int(std::clamp<qint64>(*price, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    if (const Status fault = context.workbook().storePrizeTable(table).fault)
        return context.refuse(*fault);
    return printTable(context);
}

int prizes(CliContext& context, CliArguments& args)
{
    const auto option = args.word();
    if (!option)
        return printTable(context);
    if (*option == QStringLiteral("--set"))
        return setTable(context, args);
    if (*option == QStringLiteral("--clear") && args.atEnd()) {
        if (const Status fault = context.workbook().removePrizeTable().fault)
            return context.refuse(*fault);
        return 0;
    }
    return context.usage(kPrizesSynopsis);
}

// Showing the table only reads.
DrawHistory::Access prizesAccess(const QStringList& args)
{
    return args.isEmpty() ? DrawHistory::Access::Read : DrawHistory::Access::Write;
}

} // namespace

QList<CliCommand> prizeCommands()
{
    return {{QStringLiteral("prizes"), kPrizesSynopsis, prizes, prizesAccess}};
}
