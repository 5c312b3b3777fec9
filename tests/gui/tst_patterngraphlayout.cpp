#include <QTest>

#include "gui/kit/CanvasText.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/PatternBars.h"
#include "gui/patterns/PatternGraphLayout.h"

namespace Layout = PatternGraphLayout;

class TestPatternGraphLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyColumnMapsBackToItsSlot_data();
    void everyColumnMapsBackToItsSlot();
    void pixelsBetweenColumnsAreNoBars();
    void secondHalfOfOrderNineEndsAtPattern511();
    void laterOrderWinsWhereRangesMeet();
    void pageSelectorBoxes_data();
    void pageSelectorBoxes();
    void tallBarIsCutAtGraphTop();
    void barsOfTheWorkedExample();
    void barTexts();
};

void TestPatternGraphLayout::everyColumnMapsBackToItsSlot_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("page");
    for (const int width : {800, 1024, 1920}) {
        for (const int page : Layout::kPages)
            QTest::addRow("%d-page%d", width, page) << width << page;
    }
}

void TestPatternGraphLayout::everyColumnMapsBackToItsSlot()
{
    QFETCH(int, width);
    QFETCH(int, page);
    ScreenScale::setScreenSize(QSize(width, 600));
    for (const BarGroup& group : Layout::groups(page)) {
        for (int i = 0; i < group.patternCount; ++i) {
            const int x = ScreenScale::x(group.slotX(i));
            QCOMPARE(Layout::hoverSlot(page, x), Layout::slotBase(page) + i);
            QCOMPARE(Layout::groupAt(page, x), &group);
        }
    }
}

void TestPatternGraphLayout::pixelsBetweenColumnsAreNoBars()
{
    ScreenScale::setScreenSize(QSize(1920, 1080));
    const BarGroup& order5 = Layout::groups(7)[3];
    const int x = ScreenScale::x(order5.slotX(4));
    QCOMPARE(Layout::hoverSlot(7, x + 1), 0);
    QCOMPARE(Layout::hoverSlot(7, x - 1), 0);
    // Left of the first group and right of the last no group answers.
    QVERIFY(!Layout::groupAt(7, ScreenScale::x(31)));
    QVERIFY(!Layout::groupAt(7, ScreenScale::x(795)));
}

void TestPatternGraphLayout::secondHalfOfOrderNineEndsAtPattern511()
{
    ScreenScale::setScreenSize(QSize(800, 600));
    const BarGroup& high = Layout::groups(92)[0];
    const int last = Layout::hoverSlot(92, high.slotX(255));
    QCOMPARE(last, 282 + 255);
    QCOMPARE(high.firstPattern + last - Layout::slotBase(92), 511);
    QCOMPARE(ViewText::barText(3, 511, 9, false), QStringLiteral("3→(〇〇〇〇〇〇〇〇〇)"));
}

void TestPatternGraphLayout::laterOrderWinsWhereRangesMeet()
{
    ScreenScale::setScreenSize(QSize(1920, 1080));
    // 43 and 44 scale to 103 and 105: pixel 104 lies in the ranges of orders 2 and 3.
    QCOMPARE(Layout::pointedOrder(104), 3);
    QCOMPARE(Layout::groupAt(7, 104)->order, 2);
    QCOMPARE(Layout::pointedOrder(ScreenScale::x(500)), 7);
    QCOMPARE(Layout::pointedOrder(ScreenScale::x(30)), 0);
    QCOMPARE(ViewText::pageTitle(7, 3), QStringLiteral("３データ"));
    QCOMPARE(ViewText::pageTitle(7, 0), QStringLiteral("＊データ"));
}

void TestPatternGraphLayout::pageSelectorBoxes_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("page");
    QTest::newRow("orders 2-7") << 436 << 8 << 7;
    QTest::newRow("left edge is out") << 435 << 8 << 0;
    QTest::newRow("order 8") << 577 << 8 << 8;
    QTest::newRow("first half") << 600 << 2 << 91;
    QTest::newRow("second half starts before its label") << 681 << 15 << 92;
    QTest::newRow("between labels") << 520 << 8 << 0;
    QTest::newRow("below the row") << 600 << 16 << 0;
    QTest::newRow("top edge is out") << 600 << 1 << 0;
}

void TestPatternGraphLayout::pageSelectorBoxes()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, page);
    ScreenScale::setScreenSize(QSize(800, 600));
    QCOMPARE(Layout::pageAt(x, y), page);
}

void TestPatternGraphLayout::tallBarIsCutAtGraphTop()
{
    QCOMPARE(Layout::barHeight(50, 50, 23), 250);
    QCOMPARE(Layout::barHeight(1000, 50, 23), 501);
    QCOMPARE(Layout::barHeight(1000, 50, 29), 495);
}

void TestPatternGraphLayout::barsOfTheWorkedExample()
{
    const QByteArray hits("01100100111010010110");
    const BarGroup& order2 = Layout::groups(7)[0];
    const BarGroup& order3 = Layout::groups(7)[1];
    PatternBars bars = PatternBars::count(hits, order2, false);
    QCOMPARE(bars.values, (std::vector<int>{3, 2, 3, 1}));
    QCOMPARE(bars.currentIndex, 1);
    QCOMPARE(PatternBars::count(hits, order2, true).values[1], 8);
    QCOMPARE(PatternBars::count(hits, order3, true).values[3], 5);

    // The current pattern of order 9 (011001001) lies in the first half only.
    QCOMPARE(PatternBars::count(hits, Layout::groups(91)[0], false).currentIndex, 0b011001001);
    QCOMPARE(PatternBars::count(hits, Layout::groups(92)[0], false).currentIndex, -1);
}

void TestPatternGraphLayout::barTexts()
{
    QCOMPARE(ViewText::barText(12, 0b10, 2, false), QStringLiteral("12→(〇Χ)"));
    QCOMPARE(ViewText::barText(12, 0b10, 2, true), QStringLiteral("(〇Χ)← 12"));
    QCOMPARE(CanvasText::byteLength(ViewText::barText(12, 0b10, 2, true)), 11);
    QCOMPARE(ViewText::fullWidthNumber(7), QStringLiteral("　７"));
    QCOMPARE(ViewText::fullWidthNumber(43), QStringLiteral("４３"));
}

QTEST_GUILESS_MAIN(TestPatternGraphLayout)
#include "tst_patterngraphlayout.moc"
