// The whole backtest (8,400 lines) as one vemo-cli process, beside the plain step-by-step gods for
// one setting (13 numbers, all draws) over the same history, as the result files have them and
// walk-forward. First the luck line as the window measures it: the whole walk-forward backtest of a
// 2,000-draw history and of 1,000 random histories as long on two threads, with that process's wall
// time, processor time and peak memory. The peak memory of the largest backtest process is printed at
// the end.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <sys/resource.h>

#include "TestHistory.h"
#include "core/predict/DataGodEngine.h"
#include "core/store/DrawHistory.h"
#include "reference/ReferenceDataGods.h"

class BenchBacktest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void luckOfThousandHistories();
    void wholeBacktest_data();
    void wholeBacktest();
    void plainOneSetting_data();
    void plainOneSetting();
    void cleanupTestCase();
};

namespace {

void modes(const QList<int>& sizes)
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("walkForward");
    for (const int draws : sizes) {
        QTest::addRow("%d draws as written", draws) << draws << false;
        QTest::addRow("%d draws walk-forward", draws) << draws << true;
    }
}

QString cliPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vemo-cli");
}

qint64 peakMemoryOfChildren()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// The processor time of the finished child processes: on a busy machine the wall time says less.
double processorSecondsOfChildren()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

void BenchBacktest::luckOfThousandHistories()
{
    const TestInstall install(TestHistory::randomLines(2000, 1));
    const QStringList words{QStringLiteral("--install-path"),
                            install.paths().root(),
                            QStringLiteral("backtest"),
                            QStringLiteral("--null"),
                            QStringLiteral("1000"),
                            QStringLiteral("--jobs"),
                            QStringLiteral("2")};
    QByteArray out;
    QElapsedTimer wall;
    const double before = processorSecondsOfChildren();
    QBENCHMARK_ONCE {
        wall.start();
        QProcess process;
        process.start(cliPath(), words);
        QVERIFY(process.waitForFinished(600000));
        out = process.readAllStandardOutput();
    }
    const qint64 elapsed = wall.elapsed();
    const QList<QByteArray> lines = out.trimmed().split('\n');
    QCOMPARE(lines.size(), 8401);
    qInfo("%s; 1,000 histories of 2,000 draws on two threads: wall time %.2f s, processor time %.2f s, "
          "peak memory of the process %lld KB",
          lines.last().constData(), double(elapsed) / 1000.0, processorSecondsOfChildren() - before,
          peakMemoryOfChildren());
}

void BenchBacktest::wholeBacktest_data()
{
    modes({2000, 9998});
}

void BenchBacktest::wholeBacktest()
{
    QFETCH(int, draws);
    QFETCH(bool, walkForward);
    const TestInstall install(TestHistory::randomLines(draws, 1));
    QStringList words{QStringLiteral("--install-path"), install.paths().root(), QStringLiteral("backtest")};
    if (walkForward)
        words.append(QStringLiteral("--walk-forward"));
    QByteArray out;
    QBENCHMARK {
        QProcess process;
        process.start(cliPath(), words);
        QVERIFY(process.waitForFinished(120000));
        out = process.readAllStandardOutput();
    }
    QCOMPARE(out.count('\n'), 8400);
}

void BenchBacktest::plainOneSetting_data()
{
    modes({2000});
}

void BenchBacktest::plainOneSetting()
{
    QFETCH(int, draws);
    QFETCH(bool, walkForward);
    const TestInstall install(TestHistory::randomLines(draws, 1));
    const auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    ReferenceDataGods::Run run = ReferenceDataGods::makeRun(*history.value(), DataGodSettings::kAllDraws, 13, 110);
    qsizetype bytes = 0;
    QBENCHMARK {
        for (int order = DataGodEngine::kLowestOrder; order <= DataGodEngine::kHighestOrder; ++order) {
            if (!walkForward) {
                bytes += ReferenceDataGods::godFile(run, order).size();
                continue;
            }
            // Walk-forward: the appearance counts of the draws before each predicted one.
            for (int n = 0; n < kNumberCount; ++n)
                run.appearanceCounts[n] = int(run.lines[n].left(DataGodEngine::kFirstPredictedDraw - 1).count('1'));
            for (int draw = DataGodEngine::kFirstPredictedDraw; draw <= draws; ++draw) {
                bytes += ReferenceDataGods::godPrediction(run, order, draw - 1).size();
                for (int n = 0; n < kNumberCount; ++n)
                    run.appearanceCounts[n] += run.lines[n][draw - 1] == '1' ? 1 : 0;
            }
        }
    }
    QVERIFY(bytes > 0);
}

void BenchBacktest::cleanupTestCase()
{
    qInfo("peak memory of the largest backtest process: %lld KB", peakMemoryOfChildren());
}

QTEST_GUILESS_MAIN(BenchBacktest)
#include "bench_backtest.moc"
