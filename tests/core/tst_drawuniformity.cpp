#include <QTest>

#include <cmath>
#include <random>

#include "core/chance/DrawUniformity.h"

namespace {

// Six different numbers out of 43 from a generator that has nothing to do with the program's.
DrawTicks randomDraw(std::mt19937& generator)
{
    DrawTicks ticks{};
    for (int chosen = 0; chosen < 6;) {
        const auto n = std::size_t(generator() % 43);
        if (!ticks[n]) {
            ticks[n] = true;
            ++chosen;
        }
    }
    return ticks;
}

DrawTicks drawOf(std::initializer_list<int> numbers)
{
    DrawTicks ticks{};
    for (const int n : numbers)
        ticks[std::size_t(n - 1)] = true;
    return ticks;
}

// Binomial(n, p) quantile summed term by term, apart from the program's way of computing it.
int binomialQuantile(int n, double p, double level)
{
    double term = std::pow(1 - p, n);
    double below = term;
    int k = 0;
    while (below < level && k < n) {
        term *= double(n - k) / (k + 1) * p / (1 - p);
        below += term;
        ++k;
    }
    return k;
}

} // namespace

class TestDrawUniformity : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fairDrawsFailAboutOneInTwenty();
    void leaningDrawsFail();
    void appearanceBandIsBinomial();
};

void TestDrawUniformity::fairDrawsFailAboutOneInTwenty()
{
    // A test at 5 % must reject about 5 % of fair histories: a χ² not corrected for six different
    // numbers a draw rejects about 1 %, repeats counted wrongly drift off too.
    constexpr int kHistories = 400;
    std::mt19937 generator(20261208);
    int chiSquareFails = 0;
    int repeatFails = 0;
    double chiSquareSum = 0;
    for (int h = 0; h < kHistories; ++h) {
        std::vector<DrawTicks> draws;
        for (int d = 0; d < 300; ++d)
            draws.push_back(randomDraw(generator));
        const DrawUniformity u = DrawUniformity::of(draws);
        QCOMPARE(u.draws, 300);
        chiSquareSum += u.chiSquare;
        chiSquareFails += u.chiSquareP < 0.05;
        repeatFails += u.repeatsP < 0.05;
    }
    // 20 expected, σ 4.4.
    QVERIFY2(chiSquareFails >= 10 && chiSquareFails <= 32, qPrintable(QString::number(chiSquareFails)));
    QVERIFY2(repeatFails >= 10 && repeatFails <= 32, qPrintable(QString::number(repeatFails)));
    // χ² with 42 degrees of freedom averages 42; the mean of 400 has σ 0.46.
    QVERIFY2(std::abs(chiSquareSum / kHistories - 42) < 1.5, qPrintable(QString::number(chiSquareSum / kHistories)));
}

void TestDrawUniformity::leaningDrawsFail()
{
    std::mt19937 generator(7);
    std::vector<DrawTicks> few;
    std::vector<DrawTicks> repeated;
    for (int d = 0; d < 300; ++d) {
        // Only 1 … 12 drawn, then a draw that is the one before it again.
        DrawTicks small{};
        for (const int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})
            small[std::size_t(n)] = generator() % 2;
        few.push_back(small);
        repeated.push_back(d % 2 ? repeated.back() : randomDraw(generator));
    }
    const DrawUniformity leaning = DrawUniformity::of(few);
    QVERIFY(leaning.draws > 20 && leaning.draws < 300); // draws without six numbers left out
    QVERIFY(leaning.chiSquareP < 0.001);
    QVERIFY(!leaning.withinChance());

    const DrawUniformity sticky = DrawUniformity::of(repeated);
    QVERIFY(sticky.repeats >= 150 * 6);
    QVERIFY(sticky.repeatsP < 0.001);
    QVERIFY(!sticky.withinChance());

    // Two draws repeat 36/43 numbers on average; the χ² of two draws sharing nothing is what it is.
    const DrawUniformity two = DrawUniformity::of({drawOf({1, 2, 3, 4, 5, 6}), drawOf({7, 8, 9, 10, 11, 12})});
    QCOMPARE(two.repeats, 0);
    QVERIFY(std::abs(two.repeatsExpected - 36.0 / 43) < 1e-12);
    const double e = 12.0 / 43;
    const double chiSquare = (12 * (1 - e) * (1 - e) / e + 31 * e) * 42 / 37;
    QVERIFY(std::abs(two.chiSquare - chiSquare) < 1e-9);

    const DrawUniformity none = DrawUniformity::of(std::vector<DrawTicks>{});
    QCOMPARE(none.chiSquareP, 1.0);
    QCOMPARE(none.repeatsP, 1.0);
    QVERIFY(none.withinChance());
}

void TestDrawUniformity::appearanceBandIsBinomial()
{
    // 2,000 draws: about 279 ± 15.5 each.
    const ChanceBand all = appearanceChance(2000, false);
    QVERIFY(std::abs(all.mean - 2000 * 6.0 / 43) < 1e-9);
    QCOMPARE(all.low, double(binomialQuantile(2000, 6.0 / 43, 0.025)));
    QCOMPARE(all.high, double(binomialQuantile(2000, 6.0 / 43, 0.975)));
    QVERIFY(all.low >= 279 - 31 && all.high <= 279 + 31);

    // With a partner drawn 280 times, each other number is one of five out of 42 in those draws.
    const ChanceBand partner = appearanceChance(280, true);
    QVERIFY(std::abs(partner.mean - 280 * 5.0 / 42) < 1e-9);
    QCOMPARE(partner.low, double(binomialQuantile(280, 5.0 / 42, 0.025)));
    QCOMPARE(partner.high, double(binomialQuantile(280, 5.0 / 42, 0.975)));

    const ChanceBand nothing = appearanceChance(0, true);
    QCOMPARE(nothing.mean, 0.0);
    QCOMPARE(nothing.high, 0.0);
}

QTEST_GUILESS_MAIN(TestDrawUniformity)
#include "tst_drawuniformity.moc"
