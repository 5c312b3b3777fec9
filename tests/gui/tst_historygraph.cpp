#include <QAction>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/HistoryGraphLayout.h"
#include "gui/patterns/HistoryGraphWindow.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

namespace {

constexpr int kDraws = 120;
// Every draw is the usual one but draw 15, whose numbers lie lower.
const ColumnNumbers kUsual{3, 9, 17, 26, 33, 41};
const ColumnNumbers kDraw15{2, 8, 14, 22, 30, 38};

constexpr QRgb kBandColours[] = {0xE6AA64, 0x80FF64, 0xFFFF80, 0x96C8FF, 0xFFC0FF};
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kNavy = 0x000080;
constexpr QRgb kWhite = 0xFFFFFF;

FlagLines sampleLines()
{
    QList<QList<int>> draws;
    for (int draw = 1; draw <= kDraws; ++draw) {
        const ColumnNumbers& numbers = draw == 15 ? kDraw15 : kUsual;
        draws.append(QList<int>(numbers.begin(), numbers.end()));
    }
    return TestHistory::linesOf(draws);
}

QRgb rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

bool hasDarkPixel(const QImage& image, const QRect& area)
{
    return TestPixels::count(image, TestPixels::isDark, area) > 0;
}

} // namespace

class TestHistoryGraph : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void menuCommandShowsTheGraph();
    void scrollsToTheDrawAsked();
    void scrollBarStopsAtItsLimits();
    void previewStandsInRedUntilHidden();

private:
    HistoryGraphLayout layout() const;
    QImage shot() const { return TestPixels::grabOf(m_graph); }
    void clickBar(QStyle::SubControl part);
    QAction* command(MenuCommand which) const;

    HistoryGraphWindow* m_graph = nullptr;
    QScrollBar* m_bar = nullptr;
};

void TestHistoryGraph::init()
{
    QVERIFY(startProgram(sampleLines()));
    m_graph = control<HistoryGraphWindow>(view(), "HistoryGraphWindow");
    m_bar = control<QScrollBar>(m_graph, "scrollBar");
    // Created at start-up, but not shown before it is asked for.
    QVERIFY(!m_graph->isVisible());
}

void TestHistoryGraph::cleanup()
{
    expectNoMoreMessages();
    stopProgram();
}

HistoryGraphLayout TestHistoryGraph::layout() const
{
    return HistoryGraphLayout::forHeight(m_graph->height(), m_graph->firstColumn());
}

void TestHistoryGraph::clickBar(QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(m_bar);
    option.orientation = m_bar->orientation();
    option.minimum = m_bar->minimum();
    option.maximum = m_bar->maximum();
    option.sliderPosition = m_bar->sliderPosition();
    option.sliderValue = m_bar->value();
    option.singleStep = m_bar->singleStep();
    option.pageStep = m_bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect area = m_bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, m_bar);
    QVERIFY(!area.isEmpty());
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, area.center());
}

QAction* TestHistoryGraph::command(MenuCommand which) const
{
    return MainMenu::findCommand(frame(), which);
}

void TestHistoryGraph::menuCommandShowsTheGraph()
{
    QAction* graphCommand = command(MenuCommand::HistoryGraph);
    QCOMPARE(graphCommand->text(), QStringLiteral("本数字履歴グラフ(&Q)"));
    QVERIFY(graphCommand->isEnabled());
    graphCommand->trigger();
    QVERIFY(m_graph->isVisible());
    QCOMPARE(m_graph->geometry(), view()->rect());
    QCOMPARE(view()->state().displayMode, DisplayMode::HistoryGraph);
    QVERIFY(!view()->state().patternScreenActive());
    QVERIFY(frame()->windowTitle().startsWith(ViewText::weightingTitle(false, QString())));
    for (const char* name : {"zoomSpin", "numberSpin", "weightingButton"})
        QVERIFY2(!control(view(), name)->isVisible(), name);
    QVERIFY(m_bar->isVisible());
    QCOMPARE(m_bar->maximum(), kDraws + 1 - 39);

    const QImage image = shot();
    const HistoryGraphLayout at = layout();
    // Where draw 15 stands, each band lies between two of its numbers; the draws around it keep theirs.
    for (std::size_t band = 0; band < 5; ++band) {
        QCOMPARE(rgb(image, at.columnX(14), at.numberY(kDraw15[band]) - 2), kBandColours[band]);
        QCOMPARE(rgb(image, at.columnX(14), at.numberY(kDraw15[band + 1]) + 2), kBandColours[band]);
        const int between = (at.columnX(3) + at.columnX(4)) / 2;
        QCOMPARE(rgb(image, between, at.numberY(kUsual[band]) - 2), kBandColours[band]);
        QCOMPARE(rgb(image, between, at.numberY(kUsual[band + 1]) + 2), kBandColours[band]);
    }
    // Outside the six numbers only the guides.
    QCOMPARE(rgb(image, at.columnX(14), at.numberY(kDraw15.back()) - 3), kWhite);
    // The frame, the side captions and every tenth draw with its number.
    // Column 0 stands on the inner frame line, so the bands start on it; the outer lines stay.
    QCOMPARE(rgb(image, ScreenScale::x(31), at.numberY(20)), kNavy);
    QCOMPARE(rgb(image, 0, at.numberY(20)), kNavy);
    QCOMPARE(rgb(image, ScreenScale::width() / 25, at.numberY(20)), kBandColours[2]);
    QVERIFY(hasDarkPixel(image, QRect(ScreenScale::x(6), ScreenScale::y(20), ScreenScale::x(18), ScreenScale::y(18))));
    const QSize labelCell(ScreenScale::x(16), ScreenScale::y(18));
    for (int column = 1; column < 44; ++column) {
        const bool tenth = column % 10 == 9;
        // A label is wider than its column and reaches into the next one.
        if (column % 10 != 0)
            QCOMPARE(hasDarkPixel(image, QRect(QPoint(at.columnX(column) + 1, at.labelY()), labelCell)), tenth);
        QCOMPARE(rgb(image, at.columnX(column), at.graphBaseY - 2) == kNavy, tenth);
    }

    command(MenuCommand::Appearance)->trigger();
    QVERIFY(!m_graph->isVisible());
    graphCommand->trigger();
    command(MenuCommand::PatternGraph)->trigger();
    QVERIFY(!m_graph->isVisible());
    QVERIFY(view()->state().patternScreenActive());
}

void TestHistoryGraph::scrollsToTheDrawAsked()
{
    view()->showHistoryGraphAt(20);
    QVERIFY(m_graph->isVisible());
    QCOMPARE(view()->state().displayMode, DisplayMode::HistoryGraph);
    QCOMPARE(m_bar->value(), 0);
    QCOMPARE(m_graph->firstColumn(), 0);
    view()->showHistoryGraphAt(100);
    QCOMPARE(m_bar->value(), 64);
    QCOMPARE(m_graph->firstColumn(), 64);
    // Draw 100 now stands 35 columns in, with its label.
    const QImage image = shot();
    const HistoryGraphLayout at = layout();
    QCOMPARE(at.columnX(99), ScreenScale::x(32 + 18 * 35));
    QVERIFY(hasDarkPixel(image, QRect(QPoint(at.columnX(99) + 1, at.labelY()), QSize(ScreenScale::x(18), 10))));
}

void TestHistoryGraph::scrollBarStopsAtItsLimits()
{
    const int last = kDraws + 1 - 39;
    view()->showHistoryGraphAt(kDraws + 1);
    QCOMPARE(m_graph->firstColumn(), last);
    clickBar(QStyle::SC_ScrollBarAddLine);
    QCOMPARE(m_graph->firstColumn(), last);
    // The page ends with the last draw.
    const QImage image = shot();
    const HistoryGraphLayout at = layout();
    QCOMPARE(rgb(image, at.columnX(kDraws - 1) - ScreenScale::x(9), at.numberY(20) - 2), kBandColours[2]);
    QCOMPARE(rgb(image, at.columnX(kDraws - 1) + ScreenScale::x(9), at.numberY(20) - 2), kWhite);

    clickBar(QStyle::SC_ScrollBarSubLine);
    QCOMPARE(m_graph->firstColumn(), last - 1);
    clickBar(QStyle::SC_ScrollBarSubPage);
    QCOMPARE(m_graph->firstColumn(), last - 11);
    QCOMPARE(m_bar->value(), last - 11);
    clickBar(QStyle::SC_ScrollBarAddPage);
    QCOMPARE(m_graph->firstColumn(), last - 1);
    clickBar(QStyle::SC_ScrollBarAddPage);
    QCOMPARE(m_graph->firstColumn(), last);

    // Near the start a page left goes straight to the first draw.
    view()->showHistoryGraphAt(41);
    QCOMPARE(m_graph->firstColumn(), 5);
    clickBar(QStyle::SC_ScrollBarSubPage);
    QCOMPARE(m_graph->firstColumn(), 0);
    clickBar(QStyle::SC_ScrollBarSubLine);
    QCOMPARE(m_graph->firstColumn(), 0);

    // The keys of the view, which keeps the keyboard under the graph: End and Home to either end, the page
    // keys by the bar's pages.
    QTest::keyClick(view(), Qt::Key_End);
    QCOMPARE(m_graph->firstColumn(), last);
    QCOMPARE(m_bar->value(), last);
    QTest::keyClick(view(), Qt::Key_PageUp);
    QCOMPARE(m_graph->firstColumn(), last - 10);
    QTest::keyClick(view(), Qt::Key_PageDown);
    QCOMPARE(m_graph->firstColumn(), last);
    QTest::keyClick(view(), Qt::Key_Home);
    QCOMPARE(m_graph->firstColumn(), 0);
}

void TestHistoryGraph::previewStandsInRedUntilHidden()
{
    // The numbers in the order the data-entry dialog's user ticked them.
    const auto enterPrediction = [this] { view()->showEnteredPrediction(kDraws + 1, {35, 5, 20, 43, 12, 28}); };
    enterPrediction();
    QImage image = shot();
    HistoryGraphLayout at = layout();
    const int x = at.columnX(kDraws);
    QCOMPARE(rgb(image, x, at.numberY(24) - 2), kRed);
    QCOMPARE(rgb(image, x, at.numberY(43) - ScreenScale::y(4)), kRed);
    QCOMPARE(rgb(image, x, at.numberY(12)), kWhite);
    // The bands run from the last draw into the prediction's numbers.
    QCOMPARE(rgb(image, x - 2, at.numberY(8)), kBandColours[0]);
    QCOMPARE(rgb(image, x - 2, at.numberY(39)), kBandColours[4]);

    // Another screen drops the preview: the graph shows the stored draws only.
    command(MenuCommand::Appearance)->trigger();
    command(MenuCommand::HistoryGraph)->trigger();
    QCOMPARE(m_graph->firstColumn(), kDraws + 1 - 39);
    image = shot();
    QCOMPARE(rgb(image, x, at.numberY(24) - 2), kWhite);

    // So does the menu command itself.
    enterPrediction();
    QCOMPARE(rgb(shot(), x, at.numberY(24) - 2), kRed);
    command(MenuCommand::HistoryGraph)->trigger();
    QCOMPARE(rgb(shot(), x, at.numberY(24) - 2), kWhite);
}

QTEST_MAIN(TestHistoryGraph)
#include "tst_historygraph.moc"
