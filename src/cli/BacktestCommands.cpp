#include "BacktestCommands.h"

#include <algorithm>

#include "CliArguments.h"
#include "predict/DataGodBacktest.h"
#include "predict/DataGodEngine.h"

namespace {

const QString kBacktestSynopsis = QStringLiteral(
    "backtest [--count L] [--amount L] [--prefer L] [--weight L] [--from D] [--to D] [--walk-forward] [--top N] "
    "[--jobs J]   (L = 6,9-11 のような値と範囲の並び、D = 100 … 回数)");

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

QString lineOf(const BacktestScore& score)
{
    QStringList words{QString::number(score.setting.predictionCount), QString::number(score.setting.dataAmount),
                      score.setting.preferFrequent ? QStringLiteral("frequent") : QStringLiteral("rare"),
                      QString::number(score.setting.appearanceWeight), QString::number(score.order),
                      QString::number(score.records)};
    for (const int draws : score.histogram)
        words.append(QString::number(draws));
    words << fixed(score.mean(), 4) << fixed(score.chance(), 4) << fixed(score.z(), 2);
    return words.join(QLatin1Char(' '));
}

// Reads the options into choice; false on anything the synopsis does not allow.
bool readOptions(CliArguments& args, int drawCount, BacktestChoice& choice, std::optional<int>& top)
{
    const BacktestChoice every = BacktestChoice::everySetting(drawCount);
    QStringList seen;
    std::optional<int> from;
    std::optional<int> to;
    while (const auto option = args.word()) {
        if (seen.contains(*option))
            return false;
        seen.append(*option);
        if (*option == QStringLiteral("--walk-forward")) {
            choice.walkForward = true;
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
        } else {
            const int number = value->toInt(&ok);
            if (*option == QStringLiteral("--from"))
                from = number;
            else if (*option == QStringLiteral("--to"))
                to = number;
            else if (*option == QStringLiteral("--top"))
                top = number;
            else if (*option == QStringLiteral("--jobs"))
                choice.jobs = number;
            else
                return false;
        }
        if (!ok)
            return false;
    }
    choice.firstDraw = from.value_or(every.firstDraw);
    choice.lastDraw = to.value_or(every.lastDraw);
    const auto inHistory = [drawCount](const std::optional<int>& draw) {
        return !draw || (*draw >= DataGodEngine::kFirstPredictedDraw && *draw <= drawCount);
    };
    const bool ordered = (!from && !to) || choice.firstDraw <= choice.lastDraw;
    return inHistory(from) && inHistory(to) && ordered && (!top || *top >= 1) && choice.jobs >= 1;
}

int backtest(CliContext& context, CliArguments& args)
{
    const DataGodBacktest backtest(context.history());
    BacktestChoice choice = BacktestChoice::everySetting(backtest.drawCount());
    std::optional<int> top;
    if (!readOptions(args, backtest.drawCount(), choice, top))
        return context.usage(kBacktestSynopsis);

    QList<BacktestScore> scores = backtest.run(choice);
    if (top) {
        std::stable_sort(scores.begin(), scores.end(),
                         [](const BacktestScore& a, const BacktestScore& b) { return a.z() > b.z(); });
        scores.resize(std::min<qsizetype>(*top, scores.size()));
    }
    QString text;
    for (const BacktestScore& score : scores)
        text += lineOf(score) + QLatin1Char('\n');
    context.out() << text;
    return 0;
}

} // namespace

QList<CliCommand> backtestCommands()
{
    return {{QStringLiteral("backtest"), kBacktestSynopsis, backtest, reads}};
}
