#include "cli/WheelCommands.h"

#include <cmath>

#include "cli/CliArguments.h"
#include "core/entry/PredictionFile.h"
#include "core/exchange/CsvTable.h"
#include "core/store/HistoryFormat.h"
#include "core/text/ReturnText.h"
#include "core/text/WheelText.h"
#include "core/wheel/ExpectedReturn.h"
#include "core/wheel/RandomTicketOdds.h"
#include "core/wheel/WheelCsv.h"
#include "core/wheel/WheelMaker.h"
#include "core/wheel/WheelPastDraws.h"

namespace {

const QString kWheelSynopsis = QStringLiteral(
    "wheel --pool LIST --guarantee T/P [--fixed LIST] [--tickets N] [--max-tickets N] [--seed S] [--seconds X] "
    "[--csv FILE] [--buy SLOT DRAW] [--history]   (LIST = 3,11,20 のような数字の並び、T/P = P 個当たれば T 個、"
    "--max-tickets は口数の上限で既定は 1000、--buy は買い目を登録者 SLOT の第 DRAW 回の予想として登録、--history "
    "はこれまでの抽せんに当てはめた結果も表示)");

// Where bought tickets go: a registrant's predictions for a draw.
struct Purchase {
    int slot = 0;
    int draw = 0;
};

std::optional<QList<int>> numberList(const QString& text)
{
    QList<int> numbers;
    for (const QString& item : text.split(QLatin1Char(','))) {
        bool ok = false;
        numbers.append(item.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

// Reads the options into settings; false on anything the synopsis does not allow.
bool readOptions(CliArguments& args, WheelSettings& settings, QString& csvPath, std::optional<Purchase>& purchase,
                 bool& overHistory)
{
    QStringList seen;
    while (const auto option = args.word()) {
        if (*option == QStringLiteral("--history") && !seen.contains(*option)) {
            seen.append(*option);
            continue;
        }
        const auto value = args.word();
        if (!value || seen.contains(*option))
            return false;
        seen.append(*option);
        bool ok = true;
        if (*option == QStringLiteral("--pool") || *option == QStringLiteral("--fixed")) {
            const auto numbers = numberList(*value);
            ok = numbers.has_value();
            (*option == QStringLiteral("--pool") ? settings.pool : settings.fixed) = numbers.value_or(QList<int>());
        } else if (*option == QStringLiteral("--guarantee")) {
            const QStringList parts = value->split(QLatin1Char('/'));
            bool drawnOk = false;
            settings.matched = parts.first().toInt(&ok);
            settings.drawnInPool = parts.last().toInt(&drawnOk);
            ok = ok && drawnOk && parts.size() == 2;
        } else if (*option == QStringLiteral("--tickets")) {
            settings.ticketBudget = value->toInt(&ok);
            ok = ok && settings.ticketBudget >= 1;
        } else if (*option == QStringLiteral("--max-tickets")) {
            settings.maxTickets = value->toInt(&ok);
        } else if (*option == QStringLiteral("--seed")) {
            settings.seed = value->toUInt(&ok);
        } else if (*option == QStringLiteral("--seconds")) {
            settings.seconds = value->toDouble(&ok);
            ok = ok && std::isfinite(settings.seconds) && settings.seconds > 0;
        } else if (*option == QStringLiteral("--csv")) {
            csvPath = *value;
        } else if (*option == QStringLiteral("--buy")) {
            const auto draw = args.word();
            bool drawOk = false;
            purchase = Purchase{value->toInt(&ok), draw.value_or(QString()).toInt(&drawOk)};
            ok = ok && drawOk;
        } else {
            return false;
        }
        if (!ok)
            return false;
    }
    overHistory = seen.contains(QStringLiteral("--history"));
    return seen.contains(QStringLiteral("--pool")) && seen.contains(QStringLiteral("--guarantee"));
}

// Buying changes the registrant's file; making a wheel alone only reads.
DrawHistory::Access wheelAccess(const QStringList& args)
{
    return args.contains(QStringLiteral("--buy")) ? DrawHistory::Access::Write : DrawHistory::Access::Read;
}

// With a prize table: what the wheel pays back on average for one draw, beside the same number of
// tickets picked at random, and its price, all per draw and per ticket.
QString returnLines(CliContext& context, const WheelResult& wheel)
{
    if (const Status& fault = context.workbook().prizeTableFault())
        context.warn(*fault);
    const std::optional<PrizeTable>& table = context.workbook().prizeTable();
    if (!table)
        return {};
    const int tickets = int(wheel.tickets.size());
    const ExpectedReturn own = ExpectedReturn::ofWheel(wheel.odds, tickets, *table);
    const ExpectedReturn random = ExpectedReturn::ofAnyTickets(tickets, *table);
    const auto line = [](const QString& name, double perDraw, double perTicket) {
        return QStringLiteral("%1 %2 %3\n").arg(name).arg(perDraw, 0, 'f', 6).arg(perTicket, 0, 'f', 6);
    };
    return line(QStringLiteral("return"), own.perDraw(), own.perTicket())
           + line(QStringLiteral("random-return"), random.perDraw(), random.perTicket())
           + line(QStringLiteral("price"), double(own.price), double(table->ticketPrice))
           + ReturnText::returnNote(tickets) + QLatin1Char('\n');
}

// The wheel over the stored draws: how many paid each class, beside chance's mean and 95 % band.
QString pastLines(const DrawHistory& history, const WheelResult& wheel)
{
    const WheelPastDraws past = WheelPastDraws::of(wheel.tickets, history, wheel.odds);
    if (past.draws == 0)
        return {};
    QString words = QStringLiteral("past %1").arg(past.draws);
    for (int k = PrizeTable::kLowestClass; k <= kNumbersPerDraw; ++k) {
        const ChanceBand& chance = past.chance[std::size_t(k)];
        words += QStringLiteral(" %1 %2 %3 %4 %5")
                     .arg(k)
                     .arg(past.paying[std::size_t(k)])
                     .arg(chance.mean, 0, 'f', 2)
                     .arg(chance.low)
                     .arg(chance.high);
    }
    return words + QLatin1Char('\n') + ReturnText::pastNote() + QLatin1Char('\n');
}

int wheel(CliContext& context, CliArguments& args)
{
    WheelSettings settings;
    QString csvPath;
    std::optional<Purchase> purchase;
    bool overHistory = false;
    if (!readOptions(args, settings, csvPath, purchase, overHistory))
        return context.usage(kWheelSynopsis);
    // Refused before the search, which may take seconds.
    const InstallPaths& installation = context.paths();
    if (!csvPath.isEmpty()) {
        if (const Status refused = CsvTable::checkTarget(installation, csvPath))
            return context.refuse(*refused);
    }

    const Result<WheelResult> made = WheelMaker::make(settings);
    if (!made.ok())
        return context.refuse(made.error());
    const WheelResult& wheel = made.value();
    if (!csvPath.isEmpty()) {
        if (const Status fault = CsvTable::save(installation, csvPath, WheelCsv::encode(wheel.tickets)))
            return context.refuse(*fault);
    }
    if (purchase) {
        const WorkbookChange bought = context.workbook().addPredictions(purchase->slot, purchase->draw, wheel.tickets);
        if (bought.fault)
            return context.refuse(*bought.fault);
    }
    if (wheel.timedOut) {
        UserMessage timedOut = WheelText::searchTimedOut(settings.seconds);
        timedOut.text += QLatin1Char('\n') + WheelText::searchLonger();
        context.warn(timedOut);
    }

    QString text;
    for (const QList<int>& ticket : wheel.tickets)
        text += PredictionFile::numbersText(PredictionRecord{0, 0, ticket}) + QLatin1Char('\n');
    text += QStringLiteral("tickets %1 bound %2\n").arg(wheel.tickets.size()).arg(wheel.lowerBound);
    // Beside the wheel's odds, those of as many different tickets picked at random, and the average
    // number of tickets holding k, which is the same for both.
    const RandomTicketOdds random = RandomTicketOdds::of(int(wheel.tickets.size()));
    const auto line = [](const QString& name, const auto& valueOf) {
        QString words = name;
        for (int k = 3; k <= kNumbersPerDraw; ++k)
            words += QStringLiteral(" %1 %2").arg(k).arg(valueOf(k), 0, 'g', 6);
        return words + QLatin1Char('\n');
    };
    text += line(QStringLiteral("odds"), [&wheel](int k) { return wheel.odds.bestProbability(k); });
    text += line(QStringLiteral("random"), [&random](int k) { return random.bestProbability(k); });
    text += line(QStringLiteral("expected"), [&random](int k) { return random.expectedTickets[std::size_t(k)]; });
    text += QStringLiteral("proof %1 %2\n").arg(wheel.proof.checked).arg(wheel.proof.missedCount);
    if (purchase)
        text += QStringLiteral("bought %1 %2 %3\n").arg(purchase->slot).arg(purchase->draw).arg(wheel.tickets.size());
    text += returnLines(context, wheel);
    if (overHistory)
        text += pastLines(context.history(), wheel);
    context.out() << text;
    return 0;
}

} // namespace

QList<CliCommand> wheelCommands()
{
    return {{QStringLiteral("wheel"), kWheelSynopsis, wheel, wheelAccess}};
}
