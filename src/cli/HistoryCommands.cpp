#include "cli/HistoryCommands.h"

#include "cli/CliArguments.h"
#include "core/app/AppearanceCounts.h"
#include "core/chance/DrawUniformity.h"
#include "core/entry/DrawResultText.h"
#include "core/patterns/PatternStats.h"
#include "core/store/ExampleHistory.h"
#include "core/text/ChanceText.h"
#include "core/text/StoreText.h"

namespace {

bool isNumber(int n)
{
    return n >= 1 && n <= kNumberCount;
}

bool isOrder(int k)
{
    return k >= kMinPatternOrder && k <= kMaxPatternOrder;
}

int reportEdit(CliContext& context, const WorkbookChange& change)
{
    if (change.fault)
        return context.refuse(*change.fault);
    context.out() << "draws " << context.history().drawCount() << '\n';
    return 0;
}

int info(CliContext& context, CliArguments&)
{
    const int draws = context.history().drawCount();
    context.out() << "draws " << draws << '\n'
                  << "menu " << StoreText::lastDrawMenu(draws) << '\n'
                  << "path " << context.paths().root() << '\n';
    // The bundled draws come from a random generator; whoever reads them is told so.
    if (ExampleHistory::inUse(context.paths().historyFile()))
        context.out() << "example " << StoreText::exampleHistoryNote() << '\n';
    return 0;
}

int readHitString(CliContext& context, CliArguments& args)
{
    const auto number = args.number();
    if (!number || !args.atEnd())
        return context.usage(QStringLiteral("hitstring N"));
    if (!isNumber(*number))
        return context.refuse(StoreText::numberOutOfRange(*number));
    context.out() << context.history().readHitString(*number) << '\n';
    return 0;
}

int patterns(CliContext& context, CliArguments& args)
{
    const auto number = args.number();
    const auto order = args.number();
    if (!number || !order || !args.atEnd() || !isOrder(*order))
        return context.usage(QStringLiteral("patterns N K   (K = 2 … 9)"));
    if (!isNumber(*number))
        return context.refuse(StoreText::numberOutOfRange(*number));
    const QByteArray hits = context.history().readHitString(*number);
    context.printLine(PatternStats::countPatterns(hits, *order));
    context.out() << "distinct " << PatternStats::distinctPatternCount(hits, *order) << '\n'
                  << "current " << PatternStats::currentPattern(hits, *order) << '\n';
    return 0;
}

int latest(CliContext& context, CliArguments& args)
{
    const bool weighted = args.takeFlag(QStringLiteral("--weighted"));
    const auto order = args.number();
    if (!order || !args.atEnd() || !isOrder(*order))
        return context.usage(QStringLiteral("latest K [--weighted]   (K = 2 … 9)"));
    CurrentPatternTables tables;
    tables.updateCurrentPatternTables(context.history(), 0, CurrentPatternTables::kNoNumber, weighted);
    QList<int> counts;
    for (int n = 1; n <= kNumberCount; ++n)
        counts.append(tables.count(*order, n));
    context.printLine(counts);
    return 0;
}

int drawResult(CliContext& context, CliArguments& args)
{
    const auto draw = args.number();
    if (!draw || !args.atEnd())
        return context.usage(QStringLiteral("draw-result K"));
    const int drawCount = context.history().drawCount();
    // The coming draw has no result yet and reads as missing.
    if (*draw < 1 || *draw > drawCount + 1)
        return context.refuse(StoreText::noSuchDraw(QString::number(*draw), drawCount));
    const DrawResultText result = DrawResultText::of(context.history(), *draw);
    if (result.warning)
        context.warn(*result.warning);
    context.out() << result.text << '\n';
    return 0;
}

int appearance(CliContext& context, CliArguments& args)
{
    const auto partner = args.atEnd() ? std::optional<int>(0) : args.number();
    if (!partner || !args.atEnd() || *partner < 0 || *partner > kNumberCount)
        return context.usage(QStringLiteral("appearance [PARTNER]   (PARTNER = 0 … 43)"));
    const auto counts = appearanceCounts(context.history(), *partner);
    context.printLine(counts);
    const int draws = *partner > 0 ? -counts[std::size_t(*partner - 1)] : context.history().drawCount();
    context.out() << ChanceText::appearanceBand(appearanceChance(draws, *partner > 0), *partner) << '\n'
                  << ChanceText::uniformity(DrawUniformity::of(context.history())) << '\n'
                  << ChanceText::unpredictable() << '\n';
    return 0;
}

int append(CliContext& context, CliArguments& args)
{
    const auto numbers = args.remainingNumbers();
    if (!numbers)
        return context.usage(QStringLiteral("append n1 n2 n3 n4 n5 n6"));
    return reportEdit(context, context.workbook().appendDraw(*numbers));
}

int modify(CliContext& context, CliArguments& args)
{
    const auto drawText = args.word();
    const auto numbers = args.remainingNumbers();
    if (!drawText || !numbers)
        return context.usage(QStringLiteral("modify D n1 n2 n3 n4 n5 n6"));
    return reportEdit(context, context.workbook().modifyDraw(*drawText, *numbers));
}

int deleteLast(CliContext& context, CliArguments& args)
{
    if (!args.atEnd())
        return context.usage(QStringLiteral("delete-last"));
    return reportEdit(context, context.workbook().deleteLastDraw());
}

int import(CliContext& context, CliArguments& args)
{
    const auto path = args.word();
    if (!path || !args.atEnd())
        return context.usage(QStringLiteral("import FILE"));
    const Result<FlagLines> lines = context.history().checkImportFile(*path);
    if (!lines.ok())
        return context.refuse(lines.error());
    return reportEdit(context, context.workbook().replaceHistory(lines.value()));
}

} // namespace

QList<CliCommand> historyCommands()
{
    return {
        {QStringLiteral("info"), QStringLiteral("info"), info, reads},
        {QStringLiteral("hitstring"), QStringLiteral("hitstring N"), readHitString, reads},
        {QStringLiteral("patterns"), QStringLiteral("patterns N K"), patterns, reads},
        {QStringLiteral("latest"), QStringLiteral("latest K [--weighted]"), latest, reads},
        {QStringLiteral("draw-result"), QStringLiteral("draw-result K"), drawResult, reads},
        {QStringLiteral("appearance"), QStringLiteral("appearance [PARTNER]"), appearance, reads},
        {QStringLiteral("append"), QStringLiteral("append n1 … n6"), append},
        {QStringLiteral("modify"), QStringLiteral("modify D n1 … n6"), modify},
        {QStringLiteral("delete-last"), QStringLiteral("delete-last"), deleteLast},
        {QStringLiteral("import"), QStringLiteral("import FILE"), import},
    };
}
