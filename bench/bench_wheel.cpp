// Wheel sizes the search finds for 3 if 3 and 4 if 4 on pools of 10 … 20, beside Schönheim's bound, and
// the rows of known minima; then the time of the exact odds over every draw.
#include <QElapsedTimer>
#include <QTest>

#include <numeric>

#include "wheel/WheelMaker.h"

class BenchWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coveringSizes_data();
    void coveringSizes();
    void knownAnswers_data();
    void knownAnswers();
    void odds_data();
    void odds();
};

namespace {

QList<int> firstNumbers(int count)
{
    QList<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

void addColumns()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("drawnInPool");
    QTest::addColumn<int>("known");
}

// Searches with a time limit of 30 seconds and prints what it found.
void search(int pool, int matched, int drawnInPool, int known)
{
    WheelSettings settings;
    settings.pool = firstNumbers(pool);
    settings.matched = matched;
    settings.drawnInPool = drawnInPool;
    settings.seconds = 30;
    QElapsedTimer clock;
    clock.start();
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    QVERIFY(wheel.ok());
    const qsizetype found = wheel.value().tickets.size();
    qInfo("%2d numbers %d if %d: %3lld tickets, lower bound %3d, known %3s, %6.2f s%s", pool, matched, drawnInPool,
          qlonglong(found), wheel.value().lowerBound, known > 0 ? qPrintable(QString::number(known)) : "-",
          double(clock.elapsed()) / 1000, wheel.value().timedOut ? " (time limit)" : "");
    QVERIFY(wheel.value().proof.kept());
}

} // namespace

void BenchWheel::coveringSizes_data()
{
    addColumns();
    for (const int t : {3, 4}) {
        for (int v = 10; v <= 20; ++v)
            QTest::addRow("%d numbers %d if %d", v, t, t) << v << t << t << 0;
    }
}

void BenchWheel::coveringSizes()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    QFETCH(int, known);
    search(pool, matched, drawnInPool, known);
}

void BenchWheel::knownAnswers_data()
{
    addColumns();
    QTest::newRow("12 numbers 3 if 3") << 12 << 3 << 3 << 15;
    QTest::newRow("7 numbers 5 if 5") << 7 << 5 << 5 << 6;
    QTest::newRow("8 numbers 5 if 5") << 8 << 5 << 5 << 12;
    QTest::newRow("9 numbers 5 if 5") << 9 << 5 << 5 << 30;
    QTest::newRow("10 numbers 5 if 5") << 10 << 5 << 5 << 50;
    QTest::newRow("9 numbers 4 if 6") << 9 << 4 << 6 << 3;
    QTest::newRow("12 numbers 4 if 6") << 12 << 4 << 6 << 6;
    QTest::newRow("12 numbers 3 if 5") << 12 << 3 << 5 << 2;
    QTest::newRow("16 numbers 3 if 6") << 16 << 3 << 6 << 6;
    QTest::newRow("12 numbers 5 if 5") << 12 << 5 << 5 << 132;
}

void BenchWheel::knownAnswers()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    QFETCH(int, known);
    search(pool, matched, drawnInPool, known);
}

void BenchWheel::odds_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("tickets");
    QTest::newRow("12 numbers, 15 tickets") << 12 << 15;
    QTest::newRow("30 numbers, 200 tickets") << 30 << 200;
}

void BenchWheel::odds()
{
    QFETCH(int, pool);
    QFETCH(int, tickets);
    WheelSettings settings;
    settings.pool = firstNumbers(pool);
    settings.matched = 3;
    settings.drawnInPool = 6;
    settings.ticketBudget = tickets;
    settings.seconds = 1;
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    QVERIFY(wheel.ok());
    WheelOdds odds;
    QBENCHMARK {
        odds = WheelOdds::of(wheel.value().tickets);
    }
    QCOMPARE(std::accumulate(odds.bestHolds.begin(), odds.bestHolds.end(), qint64(0)), WheelOdds::kDraws);
}

QTEST_GUILESS_MAIN(BenchWheel)
#include "bench_wheel.moc"
