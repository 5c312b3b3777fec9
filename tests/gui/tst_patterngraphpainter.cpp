#include <QImage>
#include <QPainter>
#include <QTest>

#include "TestPixels.h"
#include "core/patterns/PatternStats.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewDrawingKit.h"
#include "gui/patterns/PatternGraphLayout.h"
#include "gui/patterns/PatternGraphPainter.h"

namespace Layout = PatternGraphLayout;

namespace {

// The worked example: newest draw first.
const QByteArray kHits("01100100111010010110");
constexpr int kUnset = -7;

} // namespace

class TestPatternGraphPainter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void storesCurrentPatternCounts_data();
    void storesCurrentPatternCounts();
    void secondHalfLeavesOrderNineAlone();
    void pointerBetweenColumnsIsMisread();
    void tallBarStopsAtGraphTop();

private:
    QImage render(PatternGraphScene scene);

    ViewDrawingKit m_kit;
    CurrentPatternTables m_tables;
};

void TestPatternGraphPainter::initTestCase()
{
    ScreenScale::setScreenSize(QSize(800, 600));
    JapaneseFonts::installSubstitutions();
    m_kit = ViewDrawingKit::forScreen();
}

QImage TestPatternGraphPainter::render(PatternGraphScene scene)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    PatternGraphPainter painter(m_kit, m_tables);
    QPainter p(&image);
    painter.paint(p, scene);
    return image;
}

void TestPatternGraphPainter::storesCurrentPatternCounts_data()
{
    QTest::addColumn<bool>("weighting");
    QTest::addColumn<int>("order2");
    QTest::addColumn<int>("order3");
    QTest::newRow("plain") << false << 2 << 1;
    QTest::newRow("weighted") << true << 8 << 5;
}

void TestPatternGraphPainter::storesCurrentPatternCounts()
{
    QFETCH(bool, weighting);
    QFETCH(int, order2);
    QFETCH(int, order3);
    render({kHits, 4, 7, 50, weighting, 0});
    QCOMPARE(m_tables.count(2, 4), order2);
    QCOMPARE(m_tables.count(3, 4), order3);
    for (int k = 4; k <= 7; ++k)
        QCOMPARE(m_tables.count(k, 4), PatternStats::currentPatternCount(kHits, k, weighting));
}

void TestPatternGraphPainter::secondHalfLeavesOrderNineAlone()
{
    m_tables.setCount(9, 5, kUnset);
    render({kHits, 5, 92, 50, false, 0});
    QCOMPARE(m_tables.count(9, 5), kUnset);
    render({kHits, 5, 91, 50, false, 0});
    QCOMPARE(m_tables.count(9, 5), PatternStats::currentPatternCount(kHits, 9, false));
}

void TestPatternGraphPainter::pointerBetweenColumnsIsMisread()
{
    const BarGroup& order5 = Layout::groups(7)[3];
    const int between = order5.slotX(2) + 1;
    const QImage image = render({kHits, 1, 7, 50, false, between});
    QVERIFY(TestPixels::count(image, TestPixels::isDark, QRect(between + 8, 530, 60, 14)) > 20);
    // No marker for a misread.
    QCOMPARE(image.pixel(between, 539) & 0xFFFFFF, QRgb(0xFFFFFF));

    const QImage onBar = render({kHits, 1, 7, 50, false, order5.slotX(2)});
    QCOMPARE(onBar.pixel(order5.slotX(2), 539) & 0xFFFFFF, QRgb(0xFF0000));
}

void TestPatternGraphPainter::tallBarStopsAtGraphTop()
{
    // Every draw a hit: pattern 11 of order 2 counts 18 times; at scale 430 that is far above the graph.
    const QByteArray allHits(20, '1');
    const QImage image = render({allHits, 1, 7, 430, false, 0});
    const int x = Layout::groups(7)[0].slotX(3);
    const int top = PatternStats::graphTop(600);
    QCOMPARE(image.pixel(x, top + 1) & 0xFFFFFF, QRgb(0xFF0000));
    QVERIFY((image.pixel(x, top - 1) & 0xFFFFFF) != 0xFF0000);
}

QTEST_MAIN(TestPatternGraphPainter)
#include "tst_patterngraphpainter.moc"
