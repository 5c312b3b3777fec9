#include <QTest>

#include <algorithm>

#include "TestHistory.h"
#include "core/predict/BacktestLuck.h"
#include "core/predict/DataGodBacktest.h"

namespace {

// Long enough for the window's four ranges: the last 100, 200 and 500 draws, and all of them (501).
constexpr int kDraws = 600;
constexpr int kLineHistories = 1000;
constexpr int kNoiseHistories = 1000;

BacktestChoice choiceOfRange(int range, int draws = kDraws)
{
    BacktestChoice choice = BacktestChoice::everySetting(draws);
    choice.walkForward = true;
    choice.jobs = 2;
    if (range > 0)
        choice.firstDraw = kDraws - range + 1;
    return choice;
}

} // namespace

class TestBacktestLuck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void markFiresOnceInTwentyOnNoise_data();
    void markFiresOnceInTwentyOnNoise();
    void checkOfTheBestFirstHalfRegressesToChance();
};

void TestBacktestLuck::markFiresOnceInTwentyOnNoise_data()
{
    QTest::addColumn<int>("range");
    QTest::newRow("last 100") << 100;
    QTest::newRow("last 200") << 200;
    QTest::newRow("last 500") << 500;
    QTest::newRow("all") << 0;
}

void TestBacktestLuck::markFiresOnceInTwentyOnNoise()
{
    QFETCH(int, range);
    const BacktestChoice choice = choiceOfRange(range);
    // The line of one measurement in two batches, as the window takes it.
    BacktestLuck luck = *BacktestLuck::measure(choice, kDraws, kLineHistories / 2, 7);
    luck.add(*BacktestLuck::measure(choice, kDraws, kLineHistories / 2, 7, {}, nullptr, kLineHistories / 2));
    QCOMPARE(luck.bestZ(), BacktestLuck::measure(choice, kDraws, kLineHistories, 7)->bestZ());

    // The line is the mark's threshold: above it exactly where p is below 0.05, at and around every best z.
    for (const double best : luck.bestZ()) {
        for (const double z : {best - 1e-9, best, best + 1e-9})
            QCOMPARE(luck.beyondLine(z), luck.pValue(z) < 0.05);
    }
    QVERIFY(!luck.beyondLine(luck.line()));

    // Other noise histories, the best of each as the window would mark it: once in twenty.
    const BacktestLuck noise = *BacktestLuck::measure(choice, kDraws, kNoiseHistories, 8);
    const auto marked =
        std::count_if(noise.bestZ().begin(), noise.bestZ().end(), [&luck](double z) { return luck.beyondLine(z); });
    const double share = double(marked) / kNoiseHistories;
    QVERIFY2(share >= 0.03 && share <= 0.07, qPrintable(QString::number(share)));
}

void TestBacktestLuck::checkOfTheBestFirstHalfRegressesToChance()
{
    // On noise the best of the first half is luck, which the second half does not repeat: its z there
    // averages 0, whether or not the scores were asked to look ahead, as the check never does.
    constexpr int kHistories = 100;
    double sum = 0;
    for (int history = 0; history < kHistories; ++history) {
        const DataGodBacktest backtest(BacktestLuck::randomHistory(300, 11, history));
        BacktestChoice choice = choiceOfRange(200, 300);
        choice.holdOutSecondHalf();
        const BacktestResult walkForward = *backtest.run(choice);
        choice.walkForward = false;
        const BacktestResult asWritten = *backtest.run(choice);
        const QList<BacktestScore>& first = walkForward.scores;
        const auto best = std::max_element(
            first.begin(), first.end(), [](const BacktestScore& a, const BacktestScore& b) { return a.z() < b.z(); });
        const qsizetype at = best - first.begin();
        QCOMPARE(asWritten.scores[at].hits, best->hits);
        QCOMPARE(asWritten.checks[at].hits, walkForward.checks[at].hits);
        sum += walkForward.checks[at].z();
    }
    const double average = sum / kHistories;
    QVERIFY2(std::abs(average) <= 0.2, qPrintable(QString::number(average)));
}

QTEST_GUILESS_MAIN(TestBacktestLuck)
#include "tst_backtestluck.moc"
