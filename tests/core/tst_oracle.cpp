#include <QTest>

#include <algorithm>

#include "core/predict/Oracle.h"

class TestOracle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void seeds_data();
    void seeds();
    void noColourIsRefused_data();
    void noColourIsRefused();
    void momentSeedIsTheClockInSeconds();
    void answers_data();
    void answers();
    void answersAreSevenDistinctNumbers();
};

void TestOracle::seeds_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("expected");

    const QDate december6(2026, 12, 6);
    QTest::newRow("date alone") << Oracle::dateSeed(december6) << 261206u;
    QTest::newRow("birthday 12/31") << Oracle::birthdaySeed(december6, 12, 31) << 262437u;
    QTest::newRow("lucky 000") << Oracle::numberSeed(december6, 0) << 261206u;
    QTest::newRow("lucky 999") << Oracle::numberSeed(december6, 999) << 262205u;
    QTest::newRow("colour 茶") << Oracle::colourSeed(december6, 1).value() << 261207u;
    QTest::newRow("colour 黒") << Oracle::colourSeed(december6, 10).value() << 261216u;
    QTest::newRow("year 2000") << Oracle::dateSeed(QDate(2000, 1, 1)) << 101u;
}

void TestOracle::seeds()
{
    QFETCH(quint32, seed);
    QFETCH(quint32, expected);
    QCOMPARE(seed, expected);
}

void TestOracle::noColourIsRefused_data()
{
    QTest::addColumn<int>("colour");
    QTest::newRow("none") << 0;
    QTest::newRow("past 黒") << 11;
}

void TestOracle::noColourIsRefused()
{
    QFETCH(int, colour);
    const Result<std::uint32_t> seed = Oracle::colourSeed(QDate(2026, 12, 6), colour);
    QVERIFY(!seed.ok());
    QCOMPARE(seed.error().caption, QStringLiteral("神様からの忠告"));
    QCOMPARE(seed.error().text, QStringLiteral("ラッキーカラーが選ばれていません。１つ選んで下さい。"));
}

void TestOracle::momentSeedIsTheClockInSeconds()
{
    const QDateTime moment(QDate(2026, 12, 6), QTime(21, 30, 15), Qt::UTC);
    QCOMPARE(Oracle::momentSeed(moment), 1796592615u);
    // The same instant in another zone is the same moment.
    QCOMPARE(Oracle::momentSeed(moment.toOffsetFromUtc(9 * 3600)), 1796592615u);
}

void TestOracle::answers_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QList<int>>("expected");

    // srand(1) gives 41, 18467, 6334, 26500, 19169, 15724, 11478; × 43 / 32768 + 1 gives
    // 1, 25, 9, 35, 26, 21, 16, all different at the first try.
    QTest::newRow("seed 1") << 1u << QList<int>{1, 9, 16, 21, 25, 26, 35};
    // Most of these need further rounds of seven (up to five) because a number came twice.
    QTest::newRow("birthday 12/31 on 2026-12-06") << 262437u << QList<int>{1, 7, 10, 11, 15, 16, 33};
    QTest::newRow("birthday 12/31 on 2026-12-07") << 262438u << QList<int>{7, 13, 18, 19, 21, 34, 40};
    QTest::newRow("lucky 000 on 2026-12-06") << 261206u << QList<int>{8, 22, 27, 32, 40, 41, 42};
    QTest::newRow("lucky 999 on 2026-12-06") << 262205u << QList<int>{11, 14, 15, 19, 29, 34, 41};
    QTest::newRow("colour 黒 on 2026-12-06") << 261216u << QList<int>{1, 3, 6, 19, 22, 30, 43};
    QTest::newRow("moment 2026-12-06 21:30:15 UTC") << 1796592615u << QList<int>{19, 26, 27, 36, 37, 41, 42};
}

void TestOracle::answers()
{
    QFETCH(quint32, seed);
    QFETCH(QList<int>, expected);
    QCOMPARE(Oracle::answer(seed), expected);
    QCOMPARE(Oracle::answer(seed), expected);
}

void TestOracle::answersAreSevenDistinctNumbers()
{
    for (quint32 seed = 0; seed < 3000; ++seed) {
        const QList<int> numbers = Oracle::answer(seed * 7919u);
        QCOMPARE(numbers.size(), Oracle::kAnswerSize);
        QVERIFY(std::is_sorted(numbers.begin(), numbers.end()));
        QVERIFY(std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end());
        QVERIFY(numbers.first() >= 1 && numbers.last() <= 43);
    }
}

QTEST_GUILESS_MAIN(TestOracle)
#include "tst_oracle.moc"
