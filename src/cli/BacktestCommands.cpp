#include "cli/BacktestCommands.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "cli/CliArguments.h"
#include "core/predict/BacktestLuck.h"
#include "core/predict/DataGodBacktest.h"
#include "core/predict/DataGodEngine.h"

namespace {

const QString kBacktestSynopsis = QStringLiteral(
    "backtest [--count L] [--amount L] [--prefer L] [--weight L] [--from D] [--to D] [--walk-forward | --look-ahead] "
    "[--top N] [--jobs J] [--null S [--seed N]] [--holdout D]   (L = 6,9-11 のような値と範囲の並び、D = 100 … 回数。"
    "既定は先の回を見ない採点で、--look-ahead は予想ファイルどおりの採点。--holdout は先の回を見ない採点だけ)");

// A comma list of values and ranges "a-b", each within allowed; nothing when malformed or out of range.
std::optional<QList<int>> valueList(const QString& text, const QList<int>& allowed)
{
    QList<int> values;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QStringList ends = item.split(QLatin1Char('-'));
        bool lowOk = false;
        bool highOk = false;
        const int low = ends.first().toInt(&lowOk);
        const int high = ends.last().toInt(&highOk);
        if (ends.size() > 2 || !lowOk || !highOk || low > high || !allowed.contains(low) || !allowed.contains(high))
            return std::nullopt;
        for (const int value : allowed) {
            if (value >= low && value <= high)
                values.append(value);
        }
    }
    return values;
}

std::optional<QList<bool>> preferenceList(const QString& text)
{
    QList<bool> values;
    for (const QString& item : text.split(QLatin1Char(','))) {
        if (item != QStringLiteral("frequent") && item != QStringLiteral("rare"))
            return std::nullopt;
        values.append(item == QStringLiteral("frequent"));
    }
    return values;
}

QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    // A z just below zero prints as 0, not as -0.00.
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.size() - 2)
        text.remove(0, 1);
    return text;
}

// What the command line asks beside the choice.
struct Options {
    BacktestChoice choice;
    std::optional<int> top;
    int nullHistories = 0;
    quint64 seed = 1;
};

QString lineOf(const BacktestScore& score)
{
    QStringList words{QString::number(score.setting.predictionCount),
                      QString::number(score.setting.dataAmount),
                      score.setting.preferFrequent ? QStringLiteral("frequent") : QStringLiteral("rare"),
                      QString::number(score.setting.appearanceWeight),
                      QString::number(score.order),
                      QString::number(score.records)};
    for (const int draws : score.histogram)
        words.append(QString::number(draws));
    words << fixed(score.mean(), 4) << fixed(score.chance(), 4) << fixed(score.z(), 2);
    return words.join(QLatin1Char(' '));
}

// Reads the options; false on anything the synopsis does not allow.
bool readOptions(CliArguments& args, int drawCount, Options& options)
{
    const BacktestChoice every = BacktestChoice::everySetting(drawCount);
    BacktestChoice& choice = options.choice;
    QStringList seen;
    std::optional<int> from;
    std::optional<int> to;
    std::optional<int> holdout;
    while (const auto option = args.word()) {
        if (seen.contains(*option))
            return false;
        seen.append(*option);
        // Walk-forward is the default; the result files' scores, which look ahead, only when asked for.
        if (*option == QStringLiteral("--walk-forward") || *option == QStringLiteral("--look-ahead")) {
            choice.walkForward = *option == QStringLiteral("--walk-forward");
            continue;
        }
        const auto value = args.word();
        if (!value)
            return false;
        bool ok = true;
        if (*option == QStringLiteral("--count")) {
            const auto list = valueList(*value, every.counts);
            ok = list.has_value();
            choice.counts = list.value_or(QList<int>());
        } else if (*option == QStringLiteral("--amount")) {
            const auto list = valueList(*value, every.amounts);
            ok = list.has_value();
            choice.amounts = list.value_or(QList<int>());
        } else if (*option == QStringLiteral("--weight")) {
            const auto list = valueList(*value, every.weights);
            ok = list.has_value();
            choice.weights = list.value_or(QList<int>());
        } else if (*option == QStringLiteral("--prefer")) {
            const auto list = preferenceList(*value);
            ok = list.has_value();
            choice.preferences = list.value_or(QList<bool>());
        } else if (*option == QStringLiteral("--seed")) {
            options.seed = value->toULongLong(&ok);
        } else {
            const int number = value->toInt(&ok);
            if (*option == QStringLiteral("--from"))
                from = number;
            else if (*option == QStringLiteral("--to"))
                to = number;
            else if (*option == QStringLiteral("--holdout"))
                holdout = number;
            else if (*option == QStringLiteral("--top"))
                options.top = number;
            else if (*option == QStringLiteral("--jobs"))
                choice.jobs = number;
            else if (*option == QStringLiteral("--null"))
                options.nullHistories = number;
            else
                return false;
        }
        if (!ok)
            return false;
    }
    choice.firstDraw = from.value_or(every.firstDraw);
    choice.lastDraw = to.value_or(every.lastDraw);
    choice.holdoutDraw = holdout.value_or(0);
    const auto inHistory = [drawCount](const std::optional<int>& draw) {
        return !draw || (*draw >= DataGodEngine::kFirstPredictedDraw && *draw <= drawCount);
    };
    const bool ordered = (!from && !to) || choice.firstDraw <= choice.lastDraw;
    // Both parts of a holdout hold draws.
    const bool split = !holdout || (*holdout > choice.firstDraw && *holdout <= choice.lastDraw);
    const bool nullAsked = !seen.contains(QStringLiteral("--null")) || options.nullHistories >= 1;
    const bool seeded = !seen.contains(QStringLiteral("--seed")) || seen.contains(QStringLiteral("--null"));
    // A check on unseen draws is no check when the scores of the first part look at them.
    const bool oneMode =
        !seen.contains(QStringLiteral("--walk-forward")) || !seen.contains(QStringLiteral("--look-ahead"));
    const bool unseenCheck = !holdout || choice.walkForward;
    return inHistory(from) && inHistory(to) && ordered && split && nullAsked && seeded && oneMode && unseenCheck
           && (!options.top || *options.top >= 1) && choice.jobs >= 1;
}

int backtest(CliContext& context, CliArguments& args)
{
    const DataGodBacktest backtest(context.history());
    Options options;
    options.choice = BacktestChoice::everySetting(backtest.drawCount());
    options.choice.walkForward = true;
    if (!readOptions(args, backtest.drawCount(), options))
        return context.usage(kBacktestSynopsis);

    const BacktestResult result = *backtest.run(options.choice);
    std::optional<BacktestLuck> luck;
    if (options.nullHistories > 0)
        luck = BacktestLuck::measure(options.choice, backtest.drawCount(), options.nullHistories, options.seed);

    QList<qsizetype> shown(result.scores.size());
    std::iota(shown.begin(), shown.end(), 0);
    if (options.top) {
        std::stable_sort(shown.begin(), shown.end(),
                         [&result](qsizetype a, qsizetype b) { return result.scores[a].z() > result.scores[b].z(); });
        shown.resize(std::min<qsizetype>(*options.top, shown.size()));
    }
    QString text;
    for (const qsizetype at : shown) {
        const BacktestScore& score = result.scores[at];
        text += lineOf(score);
        if (luck)
            text += QLatin1Char(' ') + fixed(luck->pValue(score.z()), 4);
        if (!result.checks.isEmpty())
            text += QStringLiteral(" %1 %2").arg(fixed(result.checks[at].z(), 2)).arg(result.checks[at].records);
        text += QLatin1Char('\n');
    }
    if (luck) {
        // The middle figure is the line a z must pass for p below 0.05; fewer than 19 histories draw none.
        const double line = luck->line();
        text += QStringLiteral("null %1 %2 %3 %4\n")
                    .arg(QString::number(luck->histories()), fixed(luck->quantile(0.5), 2),
                         std::isinf(line) ? QStringLiteral("-") : fixed(line, 2), fixed(luck->quantile(0.99), 2));
    }
    context.out() << text;
    return 0;
}

} // namespace

QList<CliCommand> backtestCommands()
{
    return {{QStringLiteral("backtest"), kBacktestSynopsis, backtest, reads}};
}
