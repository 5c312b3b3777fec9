// Wheel sizes the search finds in 30 s beside the smallest published (the La Jolla Covering Repository's
// C(v,6,t)) and Schönheim's bound, and the rows of known minima; then how far past its time a search on the
// largest pools ends, and the time of the exact odds over every draw.
#include <QElapsedTimer>
#include <QTest>

#include <numeric>

#include "core/wheel/WheelMaker.h"

class BenchWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coveringSizes_data();
    void coveringSizes();
    void timeLimitKept_data();
    void timeLimitKept();
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

// The first numbers as the pool, with as many tickets as a player can agree to.
WheelSettings settingsOf(int pool, int matched, int drawnInPool)
{
    WheelSettings settings;
    settings.pool = firstNumbers(pool);
    settings.matched = matched;
    settings.drawnInPool = drawnInPool;
    settings.maxTickets = WheelSettings::kMostTickets;
    return settings;
}

// Searches with a time limit of 30 seconds and prints what it found.
void search(int pool, int matched, int drawnInPool, int known)
{
    WheelSettings settings = settingsOf(pool, matched, drawnInPool);
    settings.seconds = 30;
    QElapsedTimer clock;
    clock.start();
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    QVERIFY(wheel.ok());
    const qsizetype found = wheel.value().tickets.size();
    qInfo("%2d numbers %d if %d: %4lld tickets, published %4d (%+5.1f %%), lower bound %4d, %6.2f s%s", pool, matched,
          drawnInPool, qlonglong(found), known, 100.0 * double(found - known) / known, wheel.value().lowerBound,
          double(clock.elapsed()) / 1000, wheel.value().timedOut ? " (time limit)" : "");
    QVERIFY(wheel.value().proof.kept());
}

} // namespace

void BenchWheel::coveringSizes_data()
{
    addColumns();
    struct Row {
        int pool;
        int matched;
        int published;
    };
    for (const Row row : {Row{14, 3, 25}, Row{14, 4, 80}, Row{14, 5, 371}, Row{16, 3, 38}, Row{16, 4, 152},
                          Row{16, 5, 808}, Row{18, 3, 48}, Row{18, 4, 236}, Row{20, 3, 71}, Row{20, 4, 382},
                          Row{22, 3, 77}, Row{22, 4, 580}, Row{25, 3, 130}, Row{25, 4, 992}})
        QTest::addRow("%d numbers %d if %d", row.pool, row.matched, row.matched)
            << row.pool << row.matched << row.matched << row.published;
}

void BenchWheel::coveringSizes()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    QFETCH(int, known);
    search(pool, matched, drawnInPool, known);
}

void BenchWheel::timeLimitKept_data()
{
    addColumns();
    QTest::newRow("22 numbers 5 if 6") << 22 << 5 << 6 << 0;
    QTest::newRow("30 numbers 4 if 6") << 30 << 4 << 6 << 0;
    QTest::newRow("30 numbers 4 if 5") << 30 << 4 << 5 << 0;
    QTest::newRow("25 numbers 4 if 4") << 25 << 4 << 4 << 0;
    QTest::newRow("30 numbers 3 if 3") << 30 << 3 << 3 << 0;
}

// With the default time: the search with its proof and odds ends within half a second of it.
void BenchWheel::timeLimitKept()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    const WheelSettings settings = settingsOf(pool, matched, drawnInPool);
    QElapsedTimer clock;
    clock.start();
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    const double seconds = double(clock.elapsed()) / 1000;
    QVERIFY(wheel.ok());
    qInfo("%2d numbers %d if %d: %4lld tickets, lower bound %4d, %6.2f s of %.0f s%s", pool, matched, drawnInPool,
          qlonglong(wheel.value().tickets.size()), wheel.value().lowerBound, seconds, settings.seconds,
          wheel.value().timedOut ? " (time limit)" : "");
    QVERIFY(wheel.value().proof.kept());
    QVERIFY2(seconds < settings.seconds + 0.5, qPrintable(QString::number(seconds)));
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
