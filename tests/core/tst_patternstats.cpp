#include <QTest>

#include <random>

#include "TestHistory.h"
#include "core/patterns/PatternStats.h"
#include "core/store/DrawHistory.h"

using namespace PatternStats;

namespace {

// Oldest draw first, as in the file; newest first this reads 01100100111010010110.
const QByteArray kExampleOldestFirst = "01101001011100100110";

QByteArray reversed(QByteArray s)
{
    std::reverse(s.begin(), s.end());
    return s;
}

// Counting exactly as defined: every hit with its whole window inside the string.
std::vector<int> countNaively(const QByteArray& s, int k)
{
    std::vector<int> counts(std::size_t(1) << k, 0);
    for (qsizetype i = 0; i < s.size() - k; ++i) {
        if (s[i] != '1')
            continue;
        int p = 0;
        for (int j = 1; j <= k; ++j)
            p += (s[i + j] == '1') << (k - j);
        ++counts[p];
    }
    return counts;
}

} // namespace

class TestPatternStats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample();
    void rollingCountMatchesDefinition();
    void shortHistoriesCountNothing();
    void tablesHoldCurrentCounts();
    void bitsOfTheChosenNumber();
    void scales_data();
    void scales();
};

void TestPatternStats::workedExample()
{
    const QByteArray s = reversed(kExampleOldestFirst);
    QCOMPARE(s, QByteArray("01100100111010010110"));
    QCOMPARE(countPatterns(s, 2), (std::vector<int>{3, 2, 3, 1}));
    QCOMPARE(currentPattern(s, 2), 1);
    QCOMPARE(distinctPatternCount(s, 2), 4);
    QCOMPARE(currentPatternCount(s, 2, false), 2);
    QCOMPARE(currentPatternCount(s, 2, true), 8);

    QCOMPARE(countPatterns(s, 3), (std::vector<int>{0, 3, 1, 1, 1, 1, 1, 0}));
    QCOMPARE(currentPattern(s, 3), 3);
    QCOMPARE(distinctPatternCount(s, 3), 5);
    QCOMPARE(currentPatternCount(s, 3, true), 5);

    QCOMPARE(distinctPatternCount(s, 1), 0);
    QCOMPARE(distinctPatternCount(s, 10), 0);
}

void TestPatternStats::rollingCountMatchesDefinition()
{
    std::mt19937 engine(42);
    for (const int length : {0, 1, 2, 3, 9, 10, 11, 64, 500}) {
        QByteArray s(length, '0');
        for (char& c : s)
            c = engine() % 7 == 0 ? '1' : '0';
        for (int k = kMinPatternOrder; k <= kMaxPatternOrder; ++k)
            QCOMPARE(countPatterns(s, k), countNaively(s, k));
    }
}

void TestPatternStats::shortHistoriesCountNothing()
{
    for (const QByteArray& s : {QByteArray(), QByteArray("1"), QByteArray("11")}) {
        for (int k = kMinPatternOrder; k <= kMaxPatternOrder; ++k) {
            const auto counts = countPatterns(s, k);
            QCOMPARE(std::count(counts.begin(), counts.end(), 0), qsizetype(counts.size()));
            QCOMPARE(distinctPatternCount(s, k), 0);
        }
    }
    // A number drawn only in the newest draw: that hit counts, with the draws before as its pattern.
    QCOMPARE(countPatterns("1000", 2), (std::vector<int>{1, 0, 0, 0}));
    // Order 9 looks one draw less far than the others.
    const QByteArray tenDraws = "1000000000";
    QCOMPARE(distinctPatternCount(tenDraws, 8), 1);
    QCOMPARE(distinctPatternCount(tenDraws, 9), 1);
    QCOMPARE(distinctPatternCount(tenDraws.left(9), 9), 0);
}

void TestPatternStats::tablesHoldCurrentCounts()
{
    TestInstall install(TestHistory::randomLines(300, 21));
    auto history = std::move(DrawHistory::open(install.paths().historyFile())).value();
    for (const bool weighting : {false, true}) {
        CurrentPatternTables tables;
        tables.updateCurrentPatternTables(*history, 0, CurrentPatternTables::kNoNumber, weighting);
        for (int n = 1; n <= kNumberCount; ++n) {
            const QByteArray s = history->readHitString(n);
            for (int k = kMinPatternOrder; k <= kMaxPatternOrder; ++k) {
                const int count = countNaively(s, k)[currentPattern(s, k)];
                QCOMPARE(tables.count(k, n), weighting ? count * distinctPatternCount(s, k) : count);
            }
        }
    }
}

void TestPatternStats::bitsOfTheChosenNumber()
{
    FlagLines lines = TestHistory::randomLines(20, 22);
    lines[6] = kExampleOldestFirst;
    TestInstall install(lines);
    auto history = std::move(DrawHistory::open(install.paths().historyFile())).value();
    CurrentPatternTables tables;
    tables.updateCurrentPatternTables(*history, 1, 7, false); // order 3 of number 7: 0 1 1
    QCOMPARE(tables.bits(), (std::array<int, 9>{0, 1, 1, 99, 99, 99, 99, 99, 99}));
    QCOMPARE(tables.count(2, 7), 2);
    QCOMPARE(tables.count(3, 7), 1);
    // No number chosen: the bits stay as they were.
    tables.updateCurrentPatternTables(*history, 7, CurrentPatternTables::kNoNumber, false);
    QCOMPARE(tables.bits()[3], 99);
}

void TestPatternStats::scales_data()
{
    QTest::addColumn<QByteArray>("hits");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("plain");
    QTest::addColumn<int>("weighted");
    // 800 × 600: graph top 23, height 501.
    QTest::newRow("no draws keeps the start maximum") << QByteArray() << 600 << 5 * 501 / 10 << 12;
    QTest::newRow("fifty hits in a row") << QByteArray(53, '1') << 600 << 2505 / 51 << 12;
    QTest::newRow("1080 pixels high") << QByteArray() << 1080 << 5 * (524 - 41) / 10 << (524 - 41) / 10 / 4;
}

void TestPatternStats::scales()
{
    QFETCH(QByteArray, hits);
    QFETCH(int, screenHeight);
    QFETCH(int, plain);
    QFETCH(int, weighted);
    const PatternScales scales = computePatternScales(hits, screenHeight);
    QCOMPARE(scales.plain, plain);
    QCOMPARE(scales.weighted, weighted);
}

QTEST_GUILESS_MAIN(TestPatternStats)
#include "tst_patternstats.moc"
