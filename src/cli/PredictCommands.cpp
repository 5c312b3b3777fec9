#include "cli/PredictCommands.h"

#include "cli/CliArguments.h"
#include "core/predict/DataGodFiles.h"
#include "core/predict/DataGodSettings.h"
#include "core/predict/HitChance.h"
#include "core/predict/HitStatistics.h"
#include "core/predict/PredictValueText.h"
#include "core/store/Registrants.h"
#include "core/text/ChanceText.h"
#include "core/text/PredictText.h"

namespace {

const QString kPredictSynopsis = QStringLiteral("predict --count C --amount A --prefer frequent|rare --weight W"
                                                "   (C = 6 … 13, A = 50 | 100 | 150 | 200 | 900, W = 0 … 20)");
const QString kHitSummarySynopsis = QStringLiteral("hit-summary --gods C | hit-summary --registrants   (C = 6 … 13)");

// Reads an option's number; false when it is missing, not a number or given twice.
bool takeNumber(CliArguments& args, std::optional<int>& value)
{
    if (value)
        return false;
    value = args.number();
    return value.has_value();
}

int predict(CliContext& context, CliArguments& args)
{
    std::optional<int> count;
    std::optional<int> amount;
    std::optional<bool> frequent;
    std::optional<int> weight;
    while (const auto option = args.word()) {
        bool taken = false;
        if (*option == QStringLiteral("--count")) {
            taken = takeNumber(args, count);
        } else if (*option == QStringLiteral("--amount")) {
            taken = takeNumber(args, amount);
        } else if (*option == QStringLiteral("--weight")) {
            taken = takeNumber(args, weight);
        } else if (*option == QStringLiteral("--prefer") && !frequent) {
            const QString value = args.word().value_or(QString());
            taken = value == QStringLiteral("frequent") || value == QStringLiteral("rare");
            frequent = value == QStringLiteral("frequent");
        }
        if (!taken)
            return context.usage(kPredictSynopsis);
    }
    if (!count || !amount || !frequent || !weight)
        return context.usage(kPredictSynopsis);
    // No predicting window here: the request is computed at once.
    const DataGodSettings settings{*count, *amount, *frequent, *weight, false};
    if (!settings.isValid())
        return context.usage(kPredictSynopsis);
    const Status status = DataGodFiles::runDataGods(context.paths(), context.history(), settings);
    if (status)
        return context.refuse(*status);
    context.out() << PredictText::computeStatus(settings) << '\n';
    return 0;
}

int hitSummary(CliContext& context, CliArguments& args)
{
    const auto option = args.word();
    QList<Result<HitStatistics>> slots;
    if (option == QStringLiteral("--gods")) {
        const auto count = args.number();
        if (!count || *count < DataGodSettings::kMinCount || *count > DataGodSettings::kMaxCount || !args.atEnd())
            return context.usage(kHitSummarySynopsis);
        slots = HitStatistics::ofDataGods(context.paths(), *count, context.history());
    } else if (option == QStringLiteral("--registrants") && args.atEnd()) {
        slots =
            HitStatistics::ofRegistrants(context.paths(), context.workbook().registrants().names(), context.history());
    } else {
        return context.usage(kHitSummarySynopsis);
    }

    int status = 0;
    for (const Result<HitStatistics>& slot : slots) {
        // A slot that cannot be counted shows as one without data, after its message.
        const HitStatistics statistics = slot.ok() ? slot.value() : HitStatistics();
        if (!slot.ok())
            status = context.refuse(slot.error());
        else if (statistics.warning())
            status = context.refuse(*statistics.warning());
        QStringList words;
        for (const int records : statistics.hitHistogram())
            words.append(QString::number(records));
        words << QString::number(statistics.hitRecordCount()) << PredictText::hitAverage(statistics);
        if (statistics.hasData())
            words << ChanceText::hitChanceLine(HitChance::of(statistics));
        context.out() << words.join(QLatin1Char(' ')) << '\n';
        // Several tickets for one draw are a bought wheel: what they won, by class.
        if (option == QStringLiteral("--registrants") && statistics.newestDraw().tickets > 1)
            context.out() << PredictText::ticketsWon(statistics.newestDraw().draw, statistics.newestDraw().tickets,
                                                     statistics.newestDraw().byHits)
                          << '\n';
    }
    context.out() << ChanceText::hitChanceNote() << '\n';
    if (option == QStringLiteral("--gods"))
        context.out() << ChanceText::lookAheadNote() << '\n';
    return status;
}

} // namespace

QList<CliCommand> predictCommands()
{
    return {
        {QStringLiteral("predict"), kPredictSynopsis, predict},
        {QStringLiteral("hit-summary"), kHitSummarySynopsis, hitSummary, reads},
    };
}
