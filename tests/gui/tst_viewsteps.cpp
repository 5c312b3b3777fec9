#include <QTest>

#include "gui/kit/ScreenScale.h"
#include "gui/kit/SpinSteps.h"
#include "gui/patterns/AppearanceLayout.h"
#include "gui/patterns/AppearanceZoom.h"

class TestViewSteps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberSpinWraps();
    void patternZoomStops_data();
    void patternZoomStops();
    void appearanceZoomWalksBothStages();
    void appearanceOpensWhereTheTallestBarFits_data();
    void appearanceOpensWhereTheTallestBarFits();
    void partnerPick_data();
    void partnerPick();
    void appearanceHeights();
    void gridLabelsStayInsideTheChart();
};

void TestViewSteps::numberSpinWraps()
{
    QCOMPARE(SpinSteps::nextNumber(43, 1), 1);
    QCOMPARE(SpinSteps::nextNumber(1, -1), 43);
    QCOMPARE(SpinSteps::nextNumber(5, 1), 6);
    QCOMPARE(SpinSteps::nextNumber(5, -1), 4);
}

void TestViewSteps::patternZoomStops_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("appearanceStep");
    QTest::addColumn<int>("expected");
    QTest::newRow("shrink by ten") << 50 << 1 << 1 << 40;
    QTest::newRow("shrink by one from ten") << 10 << 1 << 1 << 9;
    QTest::newRow("never below 3") << 3 << 1 << 1 << 3;
    QTest::newRow("grow by ten from ten") << 10 << -1 << 1 << 20;
    QTest::newRow("grow by one below ten") << 9 << -1 << 1 << 10;
    QTest::newRow("no growth below ten in the second stage") << 9 << -1 << 13 << 9;
    QTest::newRow("never above 430") << 425 << -1 << 1 << 430;
}

void TestViewSteps::patternZoomStops()
{
    QFETCH(int, scale);
    QFETCH(int, delta);
    QFETCH(int, appearanceStep);
    QFETCH(int, expected);
    QCOMPARE(SpinSteps::patternScale(scale, delta, appearanceStep), expected);
}

void TestViewSteps::appearanceZoomWalksBothStages()
{
    AppearanceZoom zoom{10, 1};
    QList<AppearanceZoom> out;
    for (int i = 0; i < 20; ++i)
        out.append(zoom = zoom.stepped(1));
    const QList<AppearanceZoom> expectedOut{{9, 1},  {8, 1},  {7, 1},  {6, 1},  {5, 1},  {4, 1},  {3, 1},
                                            {2, 1},  {1, 10}, {1, 13}, {1, 16}, {1, 19}, {1, 22}, {1, 25},
                                            {1, 28}, {1, 31}, {1, 34}, {1, 37}, {1, 37}, {1, 37}};
    QCOMPARE(out, expectedOut);

    QList<AppearanceZoom> back;
    for (int i = 0; i < 28; ++i)
        back.append(zoom = zoom.stepped(-1));
    QCOMPARE(back.at(8), (AppearanceZoom{1, 10}));
    QCOMPARE(back.at(9), (AppearanceZoom{2, 1}));
    QCOMPARE(back.at(17), (AppearanceZoom{10, 1}));
    QCOMPARE(back.at(18), (AppearanceZoom{20, 1}));
    QCOMPARE(back.at(24), (AppearanceZoom{80, 1}));
    QCOMPARE(back.at(25), (AppearanceZoom{90, 1}));
    QCOMPARE(back.last(), (AppearanceZoom{90, 1}));
    QCOMPARE((AppearanceZoom{20, 1}.stepped(1)), (AppearanceZoom{10, 1}));
}

void TestViewSteps::appearanceOpensWhereTheTallestBarFits_data()
{
    QTest::addColumn<int>("tallest");
    QTest::addColumn<AppearanceZoom>("expected");
    // The chart is 502 high: 100 × 5 fits, 101 × 5 does not; 300 fits only at 10 × 300 / 10, 600 at 10 × 600 / 13.
    QTest::newRow("empty history") << 0 << AppearanceZoom{5, 1};
    QTest::newRow("fits at 5") << 100 << AppearanceZoom{5, 1};
    QTest::newRow("one step out") << 101 << AppearanceZoom{4, 1};
    QTest::newRow("2,000 draws") << 300 << AppearanceZoom{1, 10};
    QTest::newRow("second stage") << 600 << AppearanceZoom{1, 13};
    QTest::newRow("more than the last stage shows") << 9998 << AppearanceZoom{1, 37};
}

void TestViewSteps::appearanceOpensWhereTheTallestBarFits()
{
    QFETCH(int, tallest);
    QFETCH(AppearanceZoom, expected);
    QCOMPARE(AppearanceZoom::opening(tallest), expected);
}

void TestViewSteps::partnerPick_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("number");
    QTest::newRow("1") << 51 << 1;
    QTest::newRow("label start is out") << 50 << 0;
    QTest::newRow("9 and 10 meet: 10 wins") << 200 << 10;
    QTest::newRow("12 from 234") << 234 << 12;
    QTest::newRow("12 up to 247") << 247 << 12;
    QTest::newRow("between 12 and 13") << 249 << 0;
    QTest::newRow("13 at 251") << 251 << 13;
    QTest::newRow("43") << 761 << 43;
    QTest::newRow("past 43") << 775 << 0;
}

void TestViewSteps::partnerPick()
{
    QFETCH(int, x);
    QFETCH(int, number);
    ScreenScale::setScreenSize(QSize(800, 600));
    QCOMPARE(AppearanceLayout::pickedNumber(x), number);
    QVERIFY(AppearanceLayout::inNumberRow(530));
    QVERIFY(!AppearanceLayout::inNumberRow(527));
    QVERIFY(!AppearanceLayout::inNumberRow(541));
}

void TestViewSteps::appearanceHeights()
{
    QCOMPARE(AppearanceLayout::barHeight(60, 10, 1), AppearanceLayout::kFullHeight);
    QCOMPARE(AppearanceLayout::barHeight(50, 10, 1), 500);
    QCOMPARE(AppearanceLayout::barHeight(0, 10, 1), 0);
    QCOMPARE(AppearanceLayout::barHeight(-5, 10, 1), 0);
    QCOMPARE(AppearanceLayout::barHeight(100, 2, 1), 200);
    // The second stage keeps large counts of long histories inside the chart.
    QCOMPARE(AppearanceLayout::barHeight(1400, 1, 37), 378);
    QCOMPARE(AppearanceLayout::barHeight(1400, 1, 10), AppearanceLayout::kFullHeight);
}

void TestViewSteps::gridLabelsStayInsideTheChart()
{
    using namespace AppearanceLayout;
    QVERIFY(gridLabelShown(rawHeight(2, 230, 1)));
    QVERIFY(!gridLabelShown(rawHeight(2, 231, 1)));
    QVERIFY(gridLabelShown(rawHeight(10, 46, 1)));
    QVERIFY(!gridLabelShown(rawHeight(10, 47, 1)));
    QCOMPARE(gridLines(21).size(), std::size_t(17));
    QCOMPARE(gridLines(3).back().count, 170);
    QCOMPARE(gridLines(2).back().count, 260);
    QCOMPARE(gridLines(1).back().count, 1900);
    QVERIFY(gridLines(1)[9].major);
    QVERIFY(!gridLines(1)[2].major);
}

QTEST_GUILESS_MAIN(TestViewSteps)
#include "tst_viewsteps.moc"
