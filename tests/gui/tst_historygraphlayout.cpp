#include <QAbstractSlider>
#include <QTest>

#include <memory>

#include "TestHistory.h"
#include "app/ScreenScale.h"
#include "patterns/HistoryGraphLayout.h"
#include "store/DrawHistory.h"

namespace Scroll = HistoryGraphScroll;

class TestHistoryGraphLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void placesColumnsNumbersAndStatistics();
    void pagesFollowTheScreenWidth();
    void columnsReadFromTheHistory();
    void statisticsAreTruncatedAndHeld();
    void scrollSteps_data();
    void scrollSteps();
    void drawsHandedToTheGraph_data();
    void drawsHandedToTheGraph();
};

void TestHistoryGraphLayout::cleanup()
{
    ScreenScale::setScreenSize(QSize(800, 600));
}

void TestHistoryGraphLayout::placesColumnsNumbersAndStatistics()
{
    ScreenScale::setScreenSize(QSize(800, 600));
    const HistoryGraphLayout layout = HistoryGraphLayout::forHeight(580, 100);
    QCOMPARE(layout.graphBaseY, 526);
    QCOMPARE(layout.meanBase(), 294);
    QCOMPARE(layout.spreadBase(), 147);
    QCOMPARE(layout.columnX(100), 32);
    QCOMPARE(layout.columnX(99), 14);
    QCOMPARE(layout.columnX(143), 32 + 18 * 43);
    QCOMPARE(layout.numberY(1), 521);
    QCOMPARE(layout.numberY(43), 526 - 215);
    QCOMPARE(layout.meanY(5), 294);
    QCOMPARE(layout.meanY(39), 294 - 136);
    QCOMPARE(layout.spreadY(20), 147 - 120);
    QCOMPARE(layout.labelY(), 531);
    QCOMPARE(layout.frameBottom(), 551);
    QCOMPARE(layout.scrolledArea(800), QRect(QPoint(32, 0), QPoint(799, 555)));
    // Every number sits between the mean chart and the zero line; the mean chart stays above the numbers.
    QVERIFY(layout.meanBase() < layout.numberY(43));
    QVERIFY(layout.spreadBase() < layout.meanY(39));

    // The first page leaves out column 0; a later page starts at its first column.
    QCOMPARE(layout.firstPaintedColumn(), 100);
    QCOMPARE(layout.endColumn(), 144);
    const HistoryGraphLayout first = HistoryGraphLayout::forHeight(580, 0);
    QCOMPARE(first.firstPaintedColumn(), 1);
    QCOMPARE(first.endColumn(), 44);
}

void TestHistoryGraphLayout::pagesFollowTheScreenWidth()
{
    ScreenScale::setScreenSize(QSize(1920, 1080));
    QCOMPARE(HistoryGraphLayout::columnsPerPage(), 100);
    const HistoryGraphLayout layout = HistoryGraphLayout::forHeight(1050, 0);
    QCOMPARE(layout.graphBaseY, 1050 - 97);
    QCOMPARE(layout.numberY(43), 953 - 387);
    // Columns scale with the screen: about 43 of them stand on it, whatever its width.
    QCOMPARE(layout.columnX(42), 788 * 1920 / 800);
    QVERIFY(layout.columnX(43) >= 1920);
    ScreenScale::setScreenSize(QSize(1024, 768));
    QCOMPARE(HistoryGraphLayout::columnsPerPage(), 55);
}

void TestHistoryGraphLayout::columnsReadFromTheHistory()
{
    const TestInstall install(TestHistory::linesOf({
        {4, 11, 19, 27, 33, 42},
        {1, 2},
        {3, 5, 7, 9, 11, 13, 15},
    }));
    auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    const DrawHistory& h = *history.value();
    const ColumnNumbers first = readColumn(h, 0, {});
    QCOMPARE(first, (ColumnNumbers{4, 11, 19, 27, 33, 42}));
    // Two numbers drawn: the other places keep the column before, in order.
    QCOMPARE(readColumn(h, 1, first), (ColumnNumbers{1, 2, 19, 27, 33, 42}));
    // Seven drawn: only six places.
    QCOMPARE(readColumn(h, 2, first), (ColumnNumbers{3, 5, 7, 9, 11, 13}));
    // Past the history nothing is drawn.
    QCOMPARE(readColumn(h, 3, first), first);
}

void TestHistoryGraphLayout::statisticsAreTruncatedAndHeld()
{
    QCOMPARE(ColumnStatistics::of({1, 2, 3, 4, 5, 6}).mean, 5);
    QCOMPARE(ColumnStatistics::of({1, 2, 3, 4, 5, 6}).spread, 1);
    QCOMPARE(ColumnStatistics::of({38, 39, 40, 41, 42, 43}).mean, 39);
    QCOMPARE(ColumnStatistics::of({3, 11, 19, 27, 35, 42}).mean, 22);
    QCOMPARE(ColumnStatistics::of({1, 2, 3, 41, 42, 43}).spread, 20);
}

void TestHistoryGraphLayout::scrollSteps_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("tracked");
    QTest::addColumn<int>("expected");
    // 300 draws: the last position is 301 − 39.
    QTest::newRow("line left") << int(QAbstractSlider::SliderSingleStepSub) << 7 << 6 << 6;
    QTest::newRow("line left stops at 0") << int(QAbstractSlider::SliderSingleStepSub) << 0 << 0 << 0;
    QTest::newRow("line right") << int(QAbstractSlider::SliderSingleStepAdd) << 7 << 8 << 8;
    QTest::newRow("line right stops") << int(QAbstractSlider::SliderSingleStepAdd) << 262 << 262 << 262;
    QTest::newRow("page right by ten") << int(QAbstractSlider::SliderPageStepAdd) << 7 << 47 << 17;
    QTest::newRow("page right stops") << int(QAbstractSlider::SliderPageStepAdd) << 255 << 262 << 262;
    QTest::newRow("page left by ten") << int(QAbstractSlider::SliderPageStepSub) << 30 << 0 << 20;
    QTest::newRow("page left to 1") << int(QAbstractSlider::SliderPageStepSub) << 11 << 0 << 1;
    QTest::newRow("page left near the start") << int(QAbstractSlider::SliderPageStepSub) << 9 << 0 << 0;
    QTest::newRow("thumb") << int(QAbstractSlider::SliderMove) << 7 << 150 << 150;
    QTest::newRow("right edge") << int(QAbstractSlider::SliderToMaximum) << 7 << 262 << 262;
}

void TestHistoryGraphLayout::scrollSteps()
{
    QFETCH(int, action);
    QFETCH(int, position);
    QFETCH(int, tracked);
    QFETCH(int, expected);
    QCOMPARE(Scroll::afterAction(action, position, tracked, 300), expected);
}

void TestHistoryGraphLayout::drawsHandedToTheGraph_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<int>("expected");
    QTest::newRow("early draw") << 20 << 300 << 0;
    QTest::newRow("draw 100") << 100 << 300 << 64;
    QTest::newRow("the coming draw") << 301 << 300 << 262;
    QTest::newRow("history shorter than a page") << 12 << 10 << 0;
    QTest::newRow("largest history") << 9999 << 9998 << 9960;
}

void TestHistoryGraphLayout::drawsHandedToTheGraph()
{
    QFETCH(int, draw);
    QFETCH(int, drawCount);
    QFETCH(int, expected);
    QCOMPARE(Scroll::positionForDraw(draw, drawCount), expected);
    QCOMPARE(Scroll::lastPosition(drawCount), std::max(drawCount + 1 - 39, 0));
}

QTEST_GUILESS_MAIN(TestHistoryGraphLayout)
#include "tst_historygraphlayout.moc"
