#include "cli/EntryCommands.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include "cli/CliArguments.h"
#include "core/entry/HistoryAverageSigma.h"
#include "core/entry/RegistrantSlots.h"
#include "core/entry/SelectionAverageSigma.h"
#include "core/predict/Oracle.h"
#include "core/text/EntryText.h"

namespace {

const QString kRegistrantSynopsis =
    QStringLiteral("registrant add SLOT NAME | registrant remove SLOT | registrant list");
const QString kPredictionSynopsis =
    QStringLiteral("prediction add SLOT DRAW n1 … n6 | prediction latest SLOT DRAW | prediction get SLOT DRAW P"
                   " | prediction delete SLOT DRAW P | prediction largest SLOT   (SLOT 0 = sample file, read only)");
const QString kOracleSynopsis =
    QStringLiteral("oracle --date YYYYMMDD (--time HHMMSS | --birthday M D | --colour I | --number NNN)");

int stats(CliContext& context, CliArguments& args)
{
    if (!args.atEnd())
        return context.usage(QStringLiteral("stats"));
    const HistoryAverageSigma statistics = HistoryAverageSigma::of(context.history());
    for (const UserMessage& warning : statistics.warnings)
        context.warn(warning);
    context.out() << statistics.averageText() << '\n' << statistics.sigmaText() << '\n';
    return 0;
}

int average(CliContext& context, CliArguments& args)
{
    const auto numbers = args.remainingNumbers();
    if (!numbers)
        return context.usage(QStringLiteral("average n1 n2 n3 n4 n5 n6"));
    const Result<SelectionAverageSigma> statistics = SelectionAverageSigma::of(*numbers);
    if (!statistics.ok())
        return context.refuse(statistics.error());
    context.out() << statistics.value().text() << '\n';
    return 0;
}

void printSlot(CliContext& context, const RegistrantSlots& slots, int slot)
{
    context.out() << slot << ' ' << slots.name(slot) << '\n';
}

int registrant(CliContext& context, CliArguments& args)
{
    Workbook& workbook = context.workbook();
    const QString action = args.word().value_or(QString());
    if (action == QStringLiteral("list") && args.atEnd()) {
        for (int slot = 1; slot <= kRegistrantSlots; ++slot)
            printSlot(context, workbook.registrants(), slot);
        return 0;
    }
    const auto slot = args.number();
    if (!slot || *slot < 1 || *slot > kRegistrantSlots)
        return context.usage(kRegistrantSynopsis);
    WorkbookChange change;
    if (action == QStringLiteral("add")) {
        const auto name = args.word();
        if (!name || !args.atEnd())
            return context.usage(kRegistrantSynopsis);
        change = workbook.nameRegistrant(*slot, *name);
    } else if (action == QStringLiteral("remove") && args.atEnd()) {
        change = workbook.removeRegistrant(*slot);
    } else {
        return context.usage(kRegistrantSynopsis);
    }
    if (change.fault)
        return context.refuse(*change.fault);
    printSlot(context, workbook.registrants(), *slot);
    return 0;
}

int printLatest(CliContext& context, const PredictionFile& file, int draw)
{
    const auto latest = file.latestPrediction(draw);
    if (!latest.ok())
        return context.refuse(latest.error());
    context.out() << PredictionFile::latestText(latest.value()) << '\n';
    return 0;
}

// What was stored is the draw's latest prediction now.
int addPrediction(CliContext& context, int slot, int draw, CliArguments& args)
{
    const auto numbers = args.remainingNumbers();
    if (!numbers)
        return context.usage(kPredictionSynopsis);
    if (const Status fault = context.workbook().addPrediction(slot, draw, *numbers).fault)
        return context.refuse(*fault);
    return printLatest(context, context.workbook().registrants().predictionFile(slot), draw);
}

int printPrediction(CliContext& context, const PredictionFile& file, int draw, int p)
{
    const auto found = file.predictionByNumber(draw, p);
    if (!found.ok())
        return context.refuse(found.error());
    context.out() << PredictionFile::numbersText(found.value()) << '\n';
    return 0;
}

int printLargestDraw(CliContext& context, const PredictionFile& file)
{
    const auto largest = file.largestDraw();
    if (!largest.ok())
        return context.refuse(largest.error());
    context.out() << largest.value() << '\n';
    return 0;
}

int prediction(CliContext& context, CliArguments& args)
{
    const QString action = args.word().value_or(QString());
    const QStringList actions{QStringLiteral("add"), QStringLiteral("latest"), QStringLiteral("get"),
                              QStringLiteral("delete"), QStringLiteral("largest")};
    const auto slot = args.number();
    if (!actions.contains(action) || !slot || *slot < 0 || *slot > kRegistrantSlots)
        return context.usage(kPredictionSynopsis);
    const RegistrantSlots& slots = context.workbook().registrants();
    if (*slot > 0 && !slots.isRegistered(*slot))
        return context.refuse(EntryText::registrantNotRegistered(*slot));
    const PredictionFile file = slots.predictionFile(*slot);

    if (action == QStringLiteral("largest"))
        return args.atEnd() ? printLargestDraw(context, file) : context.usage(kPredictionSynopsis);
    const auto draw = args.number();
    if (!draw)
        return context.usage(kPredictionSynopsis);
    // The sample file is only ever read: it stands in while nobody is registered.
    if (action == QStringLiteral("add"))
        return *slot == 0 ? context.usage(kPredictionSynopsis) : addPrediction(context, *slot, *draw, args);
    if (action == QStringLiteral("latest"))
        return args.atEnd() ? printLatest(context, file, *draw) : context.usage(kPredictionSynopsis);
    const auto p = args.number();
    if (!p || !args.atEnd())
        return context.usage(kPredictionSynopsis);
    if (action == QStringLiteral("get"))
        return printPrediction(context, file, *draw, *p);
    if (const Status fault = context.workbook().deletePrediction(*slot, *draw, *p).fault)
        return context.refuse(*fault);
    return printLatest(context, file, *draw);
}

int oracle(CliContext& context, CliArguments& args)
{
    QDate date;
    std::optional<QTime> time;
    std::optional<std::pair<int, int>> birthday;
    std::optional<int> colour;
    std::optional<int> luckyNumber;
    while (const auto option = args.word()) {
        if (*option == QStringLiteral("--date")) {
            date = QDate::fromString(args.word().value_or(QString()), QStringLiteral("yyyyMMdd"));
            if (!date.isValid())
                return context.usage(kOracleSynopsis);
        } else if (*option == QStringLiteral("--time")) {
            time = QTime::fromString(args.word().value_or(QString()), QStringLiteral("HHmmss"));
            if (!time->isValid())
                return context.usage(kOracleSynopsis);
        } else if (*option == QStringLiteral("--birthday")) {
            const auto month = args.number();
            const auto day = args.number();
            if (!month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
                return context.usage(kOracleSynopsis);
            birthday = {*month, *day};
        } else if (*option == QStringLiteral("--colour")) {
            colour = args.number();
            if (!colour)
                return context.usage(kOracleSynopsis);
        } else if (*option == QStringLiteral("--number")) {
            luckyNumber = args.number();
            if (!luckyNumber || *luckyNumber < 0 || *luckyNumber > Oracle::kMaxLuckyNumber)
                return context.usage(kOracleSynopsis);
        } else {
            return context.usage(kOracleSynopsis);
        }
    }
    const int questions =
        int(time.has_value()) + int(birthday.has_value()) + int(colour.has_value()) + int(luckyNumber.has_value());
    if (!date.isValid() || questions != 1)
        return context.usage(kOracleSynopsis);

    std::uint32_t seed = 0;
    if (time) {
        seed = Oracle::momentSeed(QDateTime(date, *time));
    } else if (birthday) {
        seed = Oracle::birthdaySeed(date, birthday->first, birthday->second);
    } else if (colour) {
        const Result<std::uint32_t> colourSeed = Oracle::colourSeed(date, *colour);
        if (!colourSeed.ok())
            return context.refuse(colourSeed.error());
        seed = colourSeed.value();
    } else {
        seed = Oracle::numberSeed(date, *luckyNumber);
    }
    context.printLine(Oracle::answer(seed));
    return 0;
}

} // namespace

QList<CliCommand> entryCommands()
{
    return {
        {QStringLiteral("stats"), QStringLiteral("stats"), stats, reads},
        {QStringLiteral("average"), QStringLiteral("average n1 … n6"), average, reads},
        {QStringLiteral("registrant"), kRegistrantSynopsis, registrant,
         [](const QStringList& args) { return args.value(0) == QStringLiteral("list") ? reads(args) : writes(args); }},
        {QStringLiteral("prediction"), kPredictionSynopsis, prediction,
         [](const QStringList& args) {
             const bool changes = args.value(0) == QStringLiteral("add") || args.value(0) == QStringLiteral("delete");
             return changes ? writes(args) : reads(args);
         }},
        {QStringLiteral("oracle"), kOracleSynopsis, oracle, reads},
    };
}
