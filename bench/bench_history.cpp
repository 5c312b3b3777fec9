// Reading the history and filling every current-pattern table (43 numbers × orders 2 … 9).
#include <QTest>

#include "TestHistory.h"
#include "core/patterns/PatternStats.h"
#include "core/store/DrawHistory.h"

class BenchHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openHistory_data() { sizes(); }
    void openHistory();
    void currentPatternTables_data();
    void currentPatternTables();

private:
    static void sizes();
};

void BenchHistory::sizes()
{
    QTest::addColumn<int>("draws");
    QTest::newRow("1853 draws") << 1853;
    QTest::newRow("9998 draws") << 9998;
}

void BenchHistory::openHistory()
{
    QFETCH(int, draws);
    TestInstall install(TestHistory::randomLines(draws, 1));
    QBENCHMARK {
        auto history = DrawHistory::open(install.paths().historyFile());
        QVERIFY(history.ok());
    }
}

void BenchHistory::currentPatternTables_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("weighting");
    for (const int draws : {1853, 9998}) {
        QTest::addRow("%d draws", draws) << draws << false;
        QTest::addRow("%d draws, weighted", draws) << draws << true;
    }
}

void BenchHistory::currentPatternTables()
{
    QFETCH(int, draws);
    QFETCH(bool, weighting);
    TestInstall install(TestHistory::randomLines(draws, 2));
    auto history = std::move(DrawHistory::open(install.paths().historyFile())).value();
    CurrentPatternTables tables;
    QBENCHMARK {
        tables.updateCurrentPatternTables(*history, 0, CurrentPatternTables::kNoNumber, weighting);
    }
}

QTEST_GUILESS_MAIN(BenchHistory)
#include "bench_history.moc"
