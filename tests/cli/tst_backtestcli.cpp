#include <QRegularExpression>
#include <QTest>

#include <cmath>

#include "TestHistory.h"
#include "core/predict/BacktestLuck.h"
#include "core/predict/DataGodEngine.h"
#include "core/predict/PredictionRecord.h"
#include "core/text/PredictText.h"
#include "reference/ReferenceDataGods.h"

namespace {

struct Sample {
    int count;
    int amount;
    bool frequent;
    int weight;

    QStringList words() const
    {
        return {QStringLiteral("--count"),  QString::number(count),
                QStringLiteral("--amount"), QString::number(amount),
                QStringLiteral("--prefer"), frequent ? QStringLiteral("frequent") : QStringLiteral("rare"),
                QStringLiteral("--weight"), QString::number(weight)};
    }
};

const Sample kSamples[] = {{6, 50, true, 0}, {9, DataGodSettings::kAllDraws, false, 20}, {13, 150, true, 7}};

QStringList words(const QString& line)
{
    return line.split(QLatin1Char(' '));
}

// Predicted numbers by the draw they predict.
using Predictions = QMap<int, QList<int>>;

// The line of one god counted the plain way: every prediction against its draw.
QStringList expectedFields(const Sample& sample, int order, const Predictions& predictions, const FlagLines& lines)
{
    const int drawCount = int(lines[0].size());
    qint64 hits = 0;
    double chanceHits = 0;
    double spread = 0;
    int records = 0;
    QList<int> histogram(7, 0);
    for (int draw = DataGodEngine::kFirstPredictedDraw; draw <= drawCount; ++draw) {
        int drawn = 0;
        for (const QByteArray& line : lines)
            drawn += line[draw - 1] == '1' ? 1 : 0;
        int named = 0;
        int h = 0;
        for (const int n : predictions.value(draw)) {
            if (n == PredictionRecord::kEmptySlot)
                continue;
            ++named;
            h += lines[n - 1][draw - 1] == '1' ? 1 : 0;
        }
        ++records;
        ++histogram[std::min(h, 6)];
        hits += h;
        chanceHits += double(named) * drawn;
        spread += double(named) * drawn * (43 - drawn) * (43 - named);
    }
    QStringList fields{QString::number(sample.count),
                       QString::number(sample.amount),
                       sample.frequent ? QStringLiteral("frequent") : QStringLiteral("rare"),
                       QString::number(sample.weight),
                       QString::number(order),
                       QString::number(records)};
    for (const int draws : histogram)
        fields.append(QString::number(draws));
    const bool scored = records > 0 && spread > 0;
    fields << QString::number(scored ? double(hits) / records : 0.0, 'f', 6)
           << QString::number(scored ? chanceHits / (43.0 * records) : 0.0, 'f', 6)
           << QString::number(scored ? (43.0 * hits - chanceHits) * std::sqrt(42.0) / std::sqrt(spread) : 0.0, 'f', 6);
    return fields;
}

// Integers must agree; mean, chance and z as far as the line prints them.
void compareLine(const QString& line, const QStringList& expected)
{
    const QStringList fields = words(line);
    QCOMPARE(fields.size(), 16);
    QCOMPARE(fields.mid(0, 13), expected.mid(0, 13));
    for (int i = 13; i < 16; ++i) {
        const double unit = i == 15 ? 0.01 : 0.0001;
        QVERIFY2(std::abs(fields[i].toDouble() - expected[i].toDouble()) <= unit / 2 + 1e-9, qPrintable(line));
        QCOMPARE(fields[i].section(QLatin1Char('.'), 1).size(), i == 15 ? 2 : 4);
    }
}

Predictions readGodFile(const InstallPaths& paths, const QString& prefix, int count)
{
    const auto records = PredictionRecord::readFile(paths.dataGodFile(prefix, count), count);
    Predictions predictions;
    if (records.ok()) {
        for (const PredictionRecord& record : records.value())
            predictions.insert(record.draw, record.numbers);
    }
    return predictions;
}

// The prediction for draw d the long way: the reference gods on the history cut after draw d − 1.
Predictions truncatedPredictions(const Sample& sample, int order, const FlagLines& lines)
{
    Predictions predictions;
    for (int draw = DataGodEngine::kFirstPredictedDraw; draw <= int(lines[0].size()); ++draw) {
        ReferenceDataGods::Run run;
        run.dataAmount = sample.amount;
        run.predictionCount = sample.count;
        run.requestCode = (sample.frequent ? 100 : 200) + sample.weight;
        for (int n = 0; n < kNumberCount; ++n) {
            run.lines[n] = lines[n].left(draw - 1);
            run.appearanceCounts[n] = int(run.lines[n].count('1'));
        }
        QList<int> numbers;
        const QByteArray digits = ReferenceDataGods::godPrediction(run, order, draw - 1);
        for (int i = 0; i < digits.size(); i += 2)
            numbers.append(digits.mid(i, 2).toInt());
        predictions.insert(draw, numbers);
    }
    return predictions;
}

// The ⌈q × S⌉-th lowest, as the null line promises.
double quantileOf(QList<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[qsizetype(std::ceil(q * double(values.size()) - 1e-9)) - 1];
}

double pOf(const QList<double>& bestZ, double z)
{
    const auto reached = std::count_if(bestZ.begin(), bestZ.end(), [z](double best) { return best >= z; });
    return double(1 + reached) / double(1 + bestZ.size());
}

// The lowest best z that a z just above has p below 0.05 over: the line, "-" when there is none.
QString lineOf(QList<double> bestZ)
{
    std::sort(bestZ.begin(), bestZ.end());
    for (const double best : bestZ) {
        const auto above = std::count_if(bestZ.begin(), bestZ.end(), [best](double other) { return other > best; });
        if (double(1 + above) / double(1 + bestZ.size()) < 0.05)
            return QString::number(best, 'f', 2);
    }
    return QStringLiteral("-");
}

double zOf(const QString& line)
{
    return words(line)[15].toDouble();
}

// The z of a line to the last digit, from its counts, for draws of six numbers each.
double exactZOf(const QString& line)
{
    const QStringList fields = words(line);
    const double count = fields[0].toDouble();
    const double records = fields[5].toDouble();
    double hits = 0;
    for (int h = 0; h <= 6; ++h)
        hits += h * fields[6 + h].toDouble();
    const double chanceHits = count * 6 * records;
    const double spread = count * (43 - count) * 6 * 37 * records;
    return (43 * hits - chanceHits) * std::sqrt(42.0) / std::sqrt(spread);
}

double bestOf(const QStringList& lines)
{
    double best = -1e9;
    for (const QString& line : lines)
        best = std::max(best, exactZOf(line));
    return best;
}

// The null line and the p fields of a run against the best z's of its random histories.
void compareNull(const QStringList& lines, int pField, const QList<double>& bestZ)
{
    const QString null = QStringLiteral("null %1 %2 %3 %4")
                             .arg(bestZ.size())
                             .arg(QString::number(quantileOf(bestZ, 0.5), 'f', 2), lineOf(bestZ),
                                  QString::number(quantileOf(bestZ, 0.99), 'f', 2));
    QCOMPARE(lines.last(), null);
    for (const QString& line : lines.mid(0, lines.size() - 1))
        QCOMPARE(words(line)[pField], QString::number(pOf(bestZ, exactZOf(line)), 'f', 4));
}

} // namespace

class TestBacktestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linesCountThePredictFiles_data();
    void linesCountThePredictFiles();
    void walkForwardPredictsFromEarlierDrawsOnly_data();
    void walkForwardPredictsFromEarlierDrawsOnly();
    void wholeRunOrderTopAndJobs();
    void holdoutScoresBothPartsApart();
    void nullWalkForwardAgainstThePlainGods();
    void nullWithHoldoutAgainstRunsOnTheRandomHistories();
    void nullLineOfAWholeRandomHistory();
    void wrongArgumentsPrintNothing();
};

void TestBacktestCli::linesCountThePredictFiles_data()
{
    QTest::addColumn<int>("draws");
    for (const int draws : {99, 100, 150, 1000})
        QTest::addRow("%d draws", draws) << draws;
}

void TestBacktestCli::linesCountThePredictFiles()
{
    QFETCH(int, draws);
    const FlagLines lines = TestHistory::randomLines(draws, 7 + draws);
    const TestInstall install(lines);
    for (const Sample& sample : kSamples) {
        const CliRun predict = runCli(install.paths(), QStringList{QStringLiteral("predict")} + sample.words());
        QCOMPARE(predict.exitCode, 0);
        const CliRun run = runCli(
            install.paths(), QStringList{QStringLiteral("backtest"), QStringLiteral("--look-ahead")} + sample.words());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines().size(), 5);
        for (int slot = 0; slot < 5; ++slot) {
            const auto& god = PredictText::dataGods()[slot];
            const Predictions written = readGodFile(install.paths(), god.prefix, sample.count);
            QCOMPARE(written.size(), std::max(0, draws - 98));
            compareLine(run.outLines()[slot], expectedFields(sample, god.order, written, lines));
        }
    }
}

void TestBacktestCli::walkForwardPredictsFromEarlierDrawsOnly_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("samples");
    QTest::addRow("150 draws") << 150 << 3;
    QTest::addRow("1000 draws") << 1000 << 1;
}

void TestBacktestCli::walkForwardPredictsFromEarlierDrawsOnly()
{
    QFETCH(int, draws);
    QFETCH(int, samples);
    const FlagLines lines = TestHistory::randomLines(draws, 3);
    const TestInstall install(lines);
    for (int s = 0; s < samples; ++s) {
        const Sample& sample = kSamples[s];
        const CliRun run =
            runCli(install.paths(),
                   QStringList{QStringLiteral("backtest"), QStringLiteral("--walk-forward")} + sample.words());
        QCOMPARE(run.exitCode, 0);
        // Walk-forward unless asked otherwise.
        QCOMPARE(runCli(install.paths(), QStringList{QStringLiteral("backtest")} + sample.words()).out, run.out);
        QCOMPARE(run.outLines().size(), 5);
        for (int order = 4; order <= 8; ++order)
            compareLine(run.outLines()[order - 4],
                        expectedFields(sample, order, truncatedPredictions(sample, order, lines), lines));
    }
}

void TestBacktestCli::wholeRunOrderTopAndJobs()
{
    const TestInstall install(TestHistory::randomLines(150, 11));
    // The order, the top and the jobs are the same in either mode; the result files' scores are the quicker.
    const CliRun whole = runCli(install.paths(), {QStringLiteral("backtest"), QStringLiteral("--look-ahead")});
    QCOMPARE(whole.exitCode, 0);
    const QStringList lines = whole.outLines();
    QCOMPARE(lines.size(), 8400);

    // count, amount, preference, weight, god: the order the command promises.
    qsizetype at = 0;
    for (int count = 6; count <= 13; ++count) {
        for (const int amount : {50, 100, 150, 200, 900}) {
            for (const QString& prefer : {QStringLiteral("frequent"), QStringLiteral("rare")}) {
                for (int weight = 0; weight <= 20; ++weight) {
                    for (int order = 4; order <= 8; ++order) {
                        const QStringList expected{QString::number(count), QString::number(amount), prefer,
                                                   QString::number(weight), QString::number(order)};
                        QCOMPARE(words(lines[at++]).mid(0, 5), expected);
                    }
                }
            }
        }
    }
    // The whole pass gives each setting the line its own run gives.
    for (const Sample& sample : kSamples) {
        const CliRun one = runCli(
            install.paths(), QStringList{QStringLiteral("backtest"), QStringLiteral("--look-ahead")} + sample.words());
        const qsizetype first = lines.indexOf(one.outLines().value(0));
        QVERIFY(first >= 0);
        QCOMPARE(lines.mid(first, 5), one.outLines());
    }

    QStringList byZ = lines;
    std::stable_sort(byZ.begin(), byZ.end(), [](const QString& a, const QString& b) {
        return words(a)[15].toDouble() > words(b)[15].toDouble();
    });
    const CliRun top =
        runCli(install.paths(), words(QStringLiteral("backtest --look-ahead --top 12 --jobs 1 --from 120 --to 150")));
    QCOMPARE(top.exitCode, 0);
    const CliRun narrowed =
        runCli(install.paths(), words(QStringLiteral("backtest --look-ahead --from 120 --to 150 --jobs 3")));
    QStringList narrowedByZ = narrowed.outLines();
    std::stable_sort(narrowedByZ.begin(), narrowedByZ.end(), [](const QString& a, const QString& b) {
        return words(a)[15].toDouble() > words(b)[15].toDouble();
    });
    QCOMPARE(top.outLines(), narrowedByZ.mid(0, 12));
    QCOMPARE(words(top.outLines()[0])[5], QStringLiteral("31"));
    // A value named twice is scored once.
    const CliRun twice =
        runCli(install.paths(), words(QStringLiteral("backtest --look-ahead --prefer rare,rare --count 7,7 --amount "
                                                     "100,100 --weight 3,2-4")));
    QCOMPARE(twice.outLines().size(), 3 * 5);
    QCOMPARE(twice.outLines(), lines.filter(QRegularExpression(QStringLiteral("^7 100 rare [234] "))));
    QVERIFY(narrowedByZ != byZ);
}

void TestBacktestCli::holdoutScoresBothPartsApart()
{
    const TestInstall install(TestHistory::randomLines(150, 13));
    const QString settings = QStringLiteral(" --count 6,13 --weight 0,7");
    const CliRun split = runCli(install.paths(), words(QStringLiteral("backtest --holdout 125") + settings));
    const CliRun before = runCli(install.paths(), words(QStringLiteral("backtest --to 124") + settings));
    const CliRun after = runCli(install.paths(), words(QStringLiteral("backtest --from 125") + settings));
    QCOMPARE(split.exitCode, 0);
    QCOMPARE(split.outLines().size(), 2 * 5 * 2 * 2 * 5);
    for (qsizetype i = 0; i < split.outLines().size(); ++i) {
        const QStringList fields = words(split.outLines()[i]);
        const QStringList check = words(after.outLines()[i]);
        QCOMPARE(fields.mid(0, 16), words(before.outLines()[i]));
        QCOMPARE(fields.mid(16), (QStringList{check[15], check[5]}));
    }
    // Ranked by the first part.
    const CliRun top = runCli(install.paths(), words(QStringLiteral("backtest --top 3 --holdout 125") + settings));
    QStringList byZ = split.outLines();
    std::stable_sort(byZ.begin(), byZ.end(), [](const QString& a, const QString& b) { return zOf(a) > zOf(b); });
    QCOMPARE(top.outLines(), byZ.mid(0, 3));
}

void TestBacktestCli::nullWalkForwardAgainstThePlainGods()
{
    constexpr int kDraws = 130;
    constexpr int kHistories = 8;
    const TestInstall install(TestHistory::randomLines(kDraws, 17));
    const Sample& sample = kSamples[1];
    const QStringList asked = QStringList{QStringLiteral("backtest"), QStringLiteral("--walk-forward")} + sample.words()
                              + words(QStringLiteral("--null 8 --seed 99"));
    const CliRun run = runCli(install.paths(), asked + words(QStringLiteral("--jobs 1")));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines().size(), 6);

    QList<double> bestZ;
    for (int history = 0; history < kHistories; ++history) {
        const FlagLines lines = BacktestLuck::randomHistory(kDraws, 99, history);
        for (const QByteArray& line : lines)
            QCOMPARE(line.size(), kDraws);
        for (int draw = 0; draw < kDraws; ++draw) {
            int drawn = 0;
            for (const QByteArray& line : lines)
                drawn += line[draw] == '1' ? 1 : 0;
            QCOMPARE(drawn, 6);
        }
        QStringList expected;
        for (int order = 4; order <= 8; ++order) {
            const Predictions predictions = truncatedPredictions(sample, order, lines);
            expected.append(expectedFields(sample, order, predictions, lines).join(u' '));
        }
        bestZ.append(bestOf(expected));
    }
    compareNull(run.outLines(), 16, bestZ);

    // The seed alone decides: the same bytes with more threads, others with another seed.
    const CliRun again = runCli(install.paths(), asked + words(QStringLiteral("--jobs 3")));
    QCOMPARE(again.out, run.out);
    const QStringList reseeded = asked.mid(0, asked.size() - 1) + QStringList{QStringLiteral("98")};
    QVERIFY(runCli(install.paths(), reseeded).out != run.out);
}

void TestBacktestCli::nullWithHoldoutAgainstRunsOnTheRandomHistories()
{
    constexpr int kDraws = 150;
    const TestInstall install(TestHistory::randomLines(kDraws, 23));
    const QStringList asked = words(QStringLiteral("backtest --count 6,13 --amount 50,900 --holdout 131 --null 6"));
    const CliRun run = runCli(install.paths(), asked);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines().size(), 2 * 2 * 2 * 21 * 5 + 1);
    QCOMPARE(words(run.outLines().first()).size(), 19);

    // Each random history scored walk-forward on the draws before the holdout; no seed means seed 1.
    QList<double> bestZ;
    for (int history = 0; history < 6; ++history) {
        const TestInstall random(BacktestLuck::randomHistory(kDraws, 1, history));
        const QStringList ranked = words(QStringLiteral("backtest --count 6,13 --amount 50,900 --to 130"));
        bestZ.append(bestOf(runCli(random.paths(), ranked).outLines()));
    }
    compareNull(run.outLines(), 16, bestZ);
}

void TestBacktestCli::nullLineOfAWholeRandomHistory()
{
    // On random draws, the line luck alone passes once in twenty for the best of the 8,400 walk-forward
    // settings lies near 3.6.
    const TestInstall install(TestHistory::randomLines(2000, 29));
    const CliRun run = runCli(install.paths(), words(QStringLiteral("backtest --walk-forward --null 100")));
    QCOMPARE(run.exitCode, 0);
    const QStringList null = words(run.outLines().last());
    QCOMPARE(null.mid(0, 2), (QStringList{QStringLiteral("null"), QStringLiteral("100")}));
    QVERIFY2(null[3].toDouble() >= 3.0 && null[3].toDouble() <= 3.8, qPrintable(run.outLines().last()));
    QVERIFY(null[2].toDouble() < null[3].toDouble() && null[3].toDouble() <= null[4].toDouble());
}

void TestBacktestCli::wrongArgumentsPrintNothing()
{
    const TestInstall install(TestHistory::randomLines(150, 5));
    const QStringList wrong{
        QStringLiteral("--count 5"),
        QStringLiteral("--count 6-14"),
        QStringLiteral("--count 9-7"),
        QStringLiteral("--count 6,,7"),
        QStringLiteral("--count"),
        QStringLiteral("--amount 60"),
        QStringLiteral("--amount 50-70"),
        QStringLiteral("--prefer often"),
        QStringLiteral("--weight 21"),
        QStringLiteral("--weight -1"),
        QStringLiteral("--from 99"),
        QStringLiteral("--to 151"),
        QStringLiteral("--from 120 --to 110"),
        QStringLiteral("--top 0"),
        QStringLiteral("--jobs 0"),
        QStringLiteral("--top x"),
        QStringLiteral("--walk-forward --walk-forward"),
        QStringLiteral("--look-ahead --walk-forward"),
        // The holdout checks on draws no score has seen, so it scores walk-forward only.
        QStringLiteral("--look-ahead --holdout 130"),
        QStringLiteral("--count 6 --count 7"),
        QStringLiteral("--fast"),
        QStringLiteral("--null 0"),
        QStringLiteral("--null x"),
        QStringLiteral("--seed 5"),
        QStringLiteral("--null 3 --seed -1"),
        QStringLiteral("--holdout 100"),
        QStringLiteral("--holdout 151"),
        QStringLiteral("--from 120 --holdout 120"),
        QStringLiteral("--to 125 --holdout 130"),
    };
    for (const QString& arguments : wrong) {
        const CliRun run = runCli(install.paths(), QStringList{QStringLiteral("backtest")} + words(arguments));
        QVERIFY2(run.exitCode == 2, qPrintable(arguments));
        QVERIFY2(run.out.isEmpty(), qPrintable(arguments));
        QVERIFY2(run.err.contains(QStringLiteral("backtest")), qPrintable(arguments));
    }
}

QTEST_GUILESS_MAIN(TestBacktestCli)
#include "tst_backtestcli.moc"
