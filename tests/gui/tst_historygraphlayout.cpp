#include <QAbstractSlider>
#include <QTest>

#include <memory>

#include "TestHistory.h"
#include "core/store/DrawHistory.h"
#include "gui/kit/ScreenScale.h"
#include "gui/patterns/HistoryGraphLayout.h"

namespace Scroll = HistoryGraphScroll;

class TestHistoryGraphLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void pagesAndCharts();
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

void TestHistoryGraphLayout::pagesAndCharts()
{
    const HistoryGraphLayout later = HistoryGraphLayout::forHeight(580, 100);
    QCOMPARE(later.graphBaseY, 526);
    // The spread chart, the mean chart and the numbers keep to their own bands of the window.
    QVERIFY(later.spreadY(20) > 0);
    QVERIFY(later.spreadBase() < later.meanY(39));
    QVERIFY(later.meanBase() < later.numberY(43));
    QVERIFY(later.numberY(1) < later.graphBaseY && later.graphBaseY < later.labelY());
    // A later page starts on its first column at x = 32; the first page leaves out column 0.
    QCOMPARE(later.columnX(100), 32);
    QCOMPARE(later.firstPaintedColumn(), 100);
    QCOMPARE(later.endColumn(), 144);
    QCOMPARE(HistoryGraphLayout::forHeight(580, 0).firstPaintedColumn(), 1);
    QCOMPARE(later.scrolledArea(800), QRect(QPoint(32, 0), QPoint(799, 555)));

    ScreenScale::setScreenSize(QSize(1920, 1080));
    QCOMPARE(HistoryGraphLayout::columnsPerPage(), 100);
    // Columns scale with the screen: about 43 of them stand on it, whatever its width.
    const HistoryGraphLayout wide = HistoryGraphLayout::forHeight(1050, 0);
    QVERIFY(wide.columnX(42) < 1920 && wide.columnX(43) >= 1920);
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
