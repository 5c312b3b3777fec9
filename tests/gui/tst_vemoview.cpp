#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include <algorithm>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/store/DrawHistory.h"
#include "core/text/StoreText.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/UpDownControl.h"
#include "gui/patterns/AppearanceLayout.h"
#include "gui/patterns/PatternBars.h"
#include "gui/patterns/PatternGraphLayout.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

namespace Layout = PatternGraphLayout;

namespace {

constexpr int kDraws = 300;

QPoint at(int x, int y)
{
    return {ScreenScale::x(x), ScreenScale::y(y)};
}

} // namespace

class TestVemoView : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnPatternGraphOfNumberOne();
    void menuCommandsAndChecks();
    void numberSpinWraps();
    void patternCommandKeepsSpinNumber();
    void patternZoomStops();
    void selectorLabelSwitchesPage();
    void hoverOverBarShowsItsText();
    void hoverNearRightEdgeTurnsTextRound();
    void weightingButtonToggles();
    void appearanceZoomWalksItsStages();
    void partnerClickMarksPartner();
    void numberRowHighlightsUnderPointer();
    void arrowKeysMovePointer();
    void undoGoesBackOneChangeAtATime();

private:
    QImage shot() const;
    QByteArray hitsOf(int number) const;
    QAction* command(MenuCommand which) const;
    QToolButton* arrow(const char* spinName, const char* name) const;
    QPoint barPixel(const BarGroup& group, int minimumX) const;

    FlagLines m_lines;
};

void TestVemoView::initTestCase()
{
    m_lines = TestHistory::randomLines(kDraws, 7);
}

void TestVemoView::init()
{
    QVERIFY(startProgram(m_lines));
}

void TestVemoView::cleanup()
{
    stopProgram();
}

QImage TestVemoView::shot() const
{
    return TestPixels::grabOf(view());
}

QByteArray TestVemoView::hitsOf(int number) const
{
    QByteArray hits = m_lines[number - 1];
    std::reverse(hits.begin(), hits.end());
    return hits;
}

QAction* TestVemoView::command(MenuCommand which) const
{
    return MainMenu::findCommand(frame(), which);
}

QToolButton* TestVemoView::arrow(const char* spinName, const char* name) const
{
    return control<UpDownControl>(view(), spinName)->findChild<QToolButton*>(QLatin1String(name));
}

// The bottom pixel of the first visible bar of a group at or right of minimumX.
QPoint TestVemoView::barPixel(const BarGroup& group, int minimumX) const
{
    const QImage image = shot();
    for (int i = 0; i < group.patternCount; ++i) {
        const QPoint p(ScreenScale::x(group.slotX(i)), ScreenScale::y(Layout::kBarBase));
        if (p.x() >= minimumX && TestPixels::isPatternBar(image.pixel(p)))
            return p;
    }
    return {};
}

void TestVemoView::startsOnPatternGraphOfNumberOne()
{
    QCOMPARE(view()->state().currentNumber, 1);
    QCOMPARE(view()->state().patternGraphMode, 7);
    QVERIFY(view()->state().patternScreenActive());
    const QImage image = shot();
    QCOMPARE(view()->state().displayMode, DisplayMode::Pattern);
    QCOMPARE(command(MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(kDraws));
    QVERIFY(frame()->windowTitle().endsWith(frame()->titleSuffix()));

    // The current pattern's bar is red and stands at its slot; every other bar keeps its order's colour.
    const QByteArray hits = hitsOf(1);
    const int scale = view()->state().patternScale;
    for (const BarGroup& group : Layout::groups(7)) {
        const PatternBars bars = PatternBars::count(hits, group, false);
        QVERIFY(bars.values[std::size_t(bars.currentIndex)] > 0);
        for (int i = 0; i < group.patternCount; ++i) {
            const int height = Layout::barHeight(bars.values[std::size_t(i)], scale, ScreenScale::y(23));
            if (height < 2)
                continue;
            const QRgb middle =
                image.pixel(ScreenScale::x(group.slotX(i)), ScreenScale::y(Layout::kBarBase - height / 2)) & 0xFFFFFF;
            QCOMPARE(middle, i == bars.currentIndex ? QRgb(0xFF0000) : group.green ? QRgb(0x00FF00) : QRgb(0x0000FF));
        }
    }
    // The controls of the pattern graph are placed.
    for (const char* name : {"zoomSpin", "numberSpin", "weightingButton"})
        QVERIFY2(control(view(), name)->isVisible(), name);
}

void TestVemoView::menuCommandsAndChecks()
{
    // Every command of the menu works, each under a name of its own: nothing is left disabled.
    QSet<QString> names;
    for (const QAction* action : frame()->menuBar()->findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu())
            continue;
        names.insert(action->objectName());
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    }
    QCOMPARE(names.size(), 29);
    QCOMPARE(command(MenuCommand::PatternGraph)->text(), QStringLiteral("出現パターン(&P)"));

    QVERIFY(command(MenuCommand::WeightingOff)->isChecked());
    QVERIFY(!command(MenuCommand::WeightingOn)->isChecked());
    command(MenuCommand::WeightingOn)->trigger();
    QVERIFY(view()->state().patternWeighting);
    QVERIFY(command(MenuCommand::WeightingOn)->isChecked());
    QVERIFY(!command(MenuCommand::WeightingOff)->isChecked());
    QVERIFY(frame()->windowTitle().contains(QStringLiteral("考慮する。")));
    command(MenuCommand::WeightingOff)->trigger();
    QVERIFY(!view()->state().patternWeighting);
    QVERIFY(frame()->windowTitle().contains(QStringLiteral("考慮しない。")));
}

void TestVemoView::numberSpinWraps()
{
    QToolButton* back = arrow("numberSpin", "leftArrow");
    QToolButton* forward = arrow("numberSpin", "rightArrow");
    QVERIFY(back && forward);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(view()->state().currentNumber, 43);
    QCOMPARE(view()->state().spinNumber, 43);
    shot();
    QCOMPARE(view()->state().displayMode, DisplayMode::Pattern);
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(view()->state().currentNumber, 1);
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(view()->state().currentNumber, 2);
}

void TestVemoView::patternCommandKeepsSpinNumber()
{
    QToolButton* forward = arrow("numberSpin", "rightArrow");
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(view()->state().currentNumber, 5);
    command(MenuCommand::PatternGraph)->trigger();
    QCOMPARE(view()->state().currentNumber, 1);
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(view()->state().currentNumber, 6);
}

void TestVemoView::patternZoomStops()
{
    QToolButton* grow = arrow("zoomSpin", "upArrow");
    QToolButton* shrink = arrow("zoomSpin", "downArrow");
    for (int i = 0; i < 60; ++i)
        QTest::mouseClick(grow, Qt::LeftButton);
    QCOMPARE(view()->state().patternScale, 430);
    shot();
    for (int i = 0; i < 60; ++i)
        QTest::mouseClick(shrink, Qt::LeftButton);
    QCOMPARE(view()->state().patternScale, 3);
    QTest::mouseClick(grow, Qt::LeftButton);
    QCOMPARE(view()->state().patternScale, 4);

    // Weighted, the other scale moves.
    command(MenuCommand::WeightingOn)->trigger();
    const int weighted = view()->state().patternScaleWeighted;
    // (h / 10) / 4 with h = 524 − graph top.
    QCOMPARE(weighted, (524 - ScreenScale::y(23)) / 10 / 4);
    QTest::mouseClick(shrink, Qt::LeftButton);
    QCOMPARE(view()->state().patternScaleWeighted, 3);
    QCOMPARE(view()->state().patternScale, 4);
}

void TestVemoView::selectorLabelSwitchesPage()
{
    const QList<std::pair<int, int>> clicks{{550, 8}, {600, 91}, {700, 92}, {470, 7}};
    for (const auto& [x, page] : clicks) {
        QTest::mouseClick(view(), Qt::LeftButton, {}, at(x, 8));
        QCOMPARE(view()->state().patternGraphMode, page);
    }
    // On page 8 the order-8 bars fill the graph, the current one in red.
    QTest::mouseClick(view(), Qt::LeftButton, {}, at(550, 8));
    const QImage image = shot();
    const BarGroup& order8 = Layout::groups(8)[0];
    const PatternBars bars = PatternBars::count(hitsOf(1), order8, false);
    const int value = bars.values[std::size_t(bars.currentIndex)];
    const int height = Layout::barHeight(value, view()->state().patternScale, ScreenScale::y(23));
    QVERIFY(height > 2);
    const QPoint middle(ScreenScale::x(order8.slotX(bars.currentIndex)), ScreenScale::y(Layout::kBarBase - height / 2));
    QCOMPARE(image.pixel(middle) & 0xFFFFFF, QRgb(0xFF0000));
    // A click beside the labels changes nothing.
    QTest::mouseClick(view(), Qt::LeftButton, {}, at(520, 8));
    QCOMPARE(view()->state().patternGraphMode, 8);
}

void TestVemoView::hoverOverBarShowsItsText()
{
    const QPoint bar = barPixel(Layout::groups(7)[3], 0);
    QVERIFY(!bar.isNull());
    const QPoint pointer(bar.x(), bar.y() - 1);
    QTest::mouseMove(view(), pointer);
    QTRY_COMPARE(view()->state().hoverX, bar.x());
    const QImage image = shot();
    const QRect text(bar.x() + ScreenScale::x(16), ScreenScale::y(530), ScreenScale::x(100), ScreenScale::y(16));
    QVERIFY(TestPixels::count(image, TestPixels::isDark, text) > 20);
    // The marker below the axis.
    QCOMPARE(image.pixel(bar.x(), ScreenScale::y(539)) & 0xFFFFFF, QRgb(0xFF0000));

    // Over the white background the pointed bar stays.
    QTest::mouseMove(view(), at(300, 100));
    QTest::qWait(20);
    QCOMPARE(view()->state().hoverX, bar.x());
}

void TestVemoView::hoverNearRightEdgeTurnsTextRound()
{
    const QPoint bar = barPixel(Layout::groups(7)[5], 600);
    QVERIFY(!bar.isNull());
    QTest::mouseMove(view(), QPoint(bar.x(), bar.y() - 1));
    QTRY_COMPARE(view()->state().hoverX, bar.x());
    const QImage image = shot();
    const QRect left(bar.x() - ScreenScale::x(100), ScreenScale::y(530), ScreenScale::x(90), ScreenScale::y(16));
    const QRect right(bar.x() + ScreenScale::x(16), ScreenScale::y(530), ScreenScale::x(100), ScreenScale::y(16));
    QVERIFY(TestPixels::count(image, TestPixels::isDark, left) > 20);
    QCOMPARE(TestPixels::count(image, TestPixels::isDark, right), 0);
}

void TestVemoView::weightingButtonToggles()
{
    auto* button = control<QAbstractButton>(view(), "weightingButton");
    QVERIFY(button);
    const QImage off = button->grab().toImage();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(view()->state().patternWeighting);
    QVERIFY(command(MenuCommand::WeightingOn)->isChecked());
    const QImage on = button->grab().toImage();
    const QPoint inside(on.width() / 2, 3);
    QCOMPARE(on.pixel(inside) & 0xFFFFFF, QRgb(0xFF00FF));
    QCOMPARE(off.pixel(inside) & 0xFFFFFF, QRgb(0x8032FF));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!view()->state().patternWeighting);
}

void TestVemoView::appearanceZoomWalksItsStages()
{
    command(MenuCommand::Appearance)->trigger();
    QVERIFY(view()->state().appearanceScreenActive());
    QVERIFY(!view()->state().patternScreenActive());
    QCOMPARE(view()->state().appearanceScale, 5);
    QVERIFY(!control(view(), "numberSpin")->isVisible());
    QVERIFY(control(view(), "zoomSpin")->isVisible());

    QToolButton* grow = arrow("zoomSpin", "upArrow");
    QToolButton* shrink = arrow("zoomSpin", "downArrow");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(grow, Qt::LeftButton);
    QCOMPARE(view()->state().appearanceScale, 10);
    QList<std::pair<int, int>> walk;
    for (int i = 0; i < 19; ++i) {
        QTest::mouseClick(shrink, Qt::LeftButton);
        walk.append({view()->state().appearanceScale, view()->state().appearanceStep});
    }
    const QList<std::pair<int, int>> expected{{9, 1},  {8, 1},  {7, 1},  {6, 1},  {5, 1},  {4, 1},  {3, 1},
                                              {2, 1},  {1, 10}, {1, 13}, {1, 16}, {1, 19}, {1, 22}, {1, 25},
                                              {1, 28}, {1, 31}, {1, 34}, {1, 37}, {1, 37}};
    QCOMPARE(walk, expected);
    shot();
    QCOMPARE(view()->state().displayMode, DisplayMode::Appearance);
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(grow, Qt::LeftButton);
    QCOMPARE(view()->state().appearanceStep, 10);
    QTest::mouseClick(grow, Qt::LeftButton);
    QCOMPARE(view()->state().appearanceScale, 2);
    QCOMPARE(view()->state().appearanceStep, 1);
    for (int i = 0; i < 30; ++i)
        QTest::mouseClick(grow, Qt::LeftButton);
    QCOMPARE(view()->state().appearanceScale, 90);
}

void TestVemoView::partnerClickMarksPartner()
{
    command(MenuCommand::Appearance)->trigger();
    QImage image = shot();
    // Each number's bar stands at its slot in the screen's teal.
    const int barCentre = ScreenScale::x(AppearanceLayout::barX(5) + 7);
    QCOMPARE(image.pixel(barCentre, ScreenScale::y(524)) & 0xFFFFFF, QRgb(0x008080));

    QTest::mouseClick(view(), Qt::LeftButton, {}, at(AppearanceLayout::labelX(12) + 7, 534));
    QCOMPARE(view()->state().partnerNumber, 12);
    const int draws12 = int(m_lines[11].count('1'));
    QCOMPARE(view()->state().appearanceCount[11], -draws12);
    image = shot();
    QCOMPARE(image.pixel(ScreenScale::x(17 * 12 + 30 + 7), ScreenScale::y(524)) & 0xFFFFFF, QRgb(0x0000FF));

    QTest::mouseClick(view(), Qt::LeftButton, {}, at(400, 300));
    QCOMPARE(view()->state().partnerNumber, 0);
    QCOMPARE(view()->state().appearanceCount[11], draws12);

    // Coming back to the screen counts all draws, so no partner may stay marked over those counts.
    QTest::mouseClick(view(), Qt::LeftButton, {}, at(AppearanceLayout::labelX(12) + 7, 534));
    QCOMPARE(view()->state().partnerNumber, 12);
    command(MenuCommand::Appearance)->trigger();
    QCOMPARE(view()->state().partnerNumber, 0);
    QCOMPARE(view()->state().appearanceCount[11], draws12);
    image = shot();
    QCOMPARE(image.pixel(ScreenScale::x(17 * 12 + 30 + 7), ScreenScale::y(524)) & 0xFFFFFF, QRgb(0x008080));
}

void TestVemoView::numberRowHighlightsUnderPointer()
{
    command(MenuCommand::Appearance)->trigger();
    shot();
    const QRect row(0, ScreenScale::y(527), view()->width(), ScreenScale::y(14));
    const auto lime = TestPixels::colour(0x00FF00);
    QTest::mouseMove(view(), at(AppearanceLayout::labelX(5) + 3, 534));
    QTRY_VERIFY(TestPixels::count(shot(), lime, row) > 10);
    const QRect label5(at(AppearanceLayout::labelX(5), 527), at(AppearanceLayout::labelX(5) + 10, 541));
    QVERIFY(TestPixels::count(shot(), lime, label5) > 10);
    QTest::mouseMove(view(), at(400, 300));
    QTRY_COMPARE(TestPixels::count(shot(), lime, row), 0);
}

void TestVemoView::arrowKeysMovePointer()
{
    QCursor::setPos(400, 300);
    QTest::keyClick(view(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(QCursor::pos(), QPoint(406, 300));
    QTest::keyClick(view(), Qt::Key_Up);
    QCOMPARE(QCursor::pos(), QPoint(406, 299));
    QTest::keyClick(view(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view(), Qt::Key_Left);
    QCOMPARE(QCursor::pos(), QPoint(405, 305));
}

void TestVemoView::undoGoesBackOneChangeAtATime()
{
    command(MenuCommand::Appearance)->trigger();
    const QImage original = shot();
    const QByteArray originalBytes = m_install->historyBytes();
    m_program.reset();
    QByteArray afterFirst;
    {
        auto history = DrawHistory::open(m_install->paths().historyFile());
        QVERIFY(history.ok());
        QVERIFY(!history.value()->appendDraw({1, 2, 3, 4, 5, 6}));
        afterFirst = m_install->historyBytes();
        QVERIFY(!history.value()->appendDraw({1, 7, 13, 19, 25, 31}));
    }
    QVERIFY(startProgram());
    QCOMPARE(command(MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(kDraws + 2));
    command(MenuCommand::Appearance)->trigger();
    QVERIFY(shot() != original);

    queueAnswers({Answer::No});
    const QAction* undo = command(MenuCommand::UndoHistory);
    QVERIFY(undo && undo->isEnabled());

    // Declined: nothing changes. The question names the draw count it goes back to.
    command(MenuCommand::UndoHistory)->trigger();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("第 %1 回まで").arg(kDraws + 1)),
             qPrintable(m_messages[0].text));
    QCOMPARE(command(MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(kDraws + 2));

    queueAnswers({Answer::Yes, Answer::Yes});
    command(MenuCommand::UndoHistory)->trigger();
    QCOMPARE(m_install->historyBytes(), afterFirst);
    QCOMPARE(command(MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(kDraws + 1));
    command(MenuCommand::UndoHistory)->trigger();
    QCOMPARE(m_install->historyBytes(), originalBytes);
    QCOMPARE(command(MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(kDraws));
    QCOMPARE(view()->window()->findChild<QLabel*>(QStringLiteral("statusNote"))->text(), StoreText::undoneNote(kDraws));
    // The counts on the screen are taken again from the history as it now is.
    QCOMPARE(shot(), original);

    // Nothing is left to undo, and both undone versions are kept.
    command(MenuCommand::UndoHistory)->trigger();
    QCOMPARE(m_messages.last().text, StoreText::nothingToUndo().text);
    QCOMPARE(m_install->historyBytes(), originalBytes);
    const QStringList undone = QDir(m_install->paths().backupFolder()).entryList({QStringLiteral("*_undone.txt")});
    QCOMPARE(undone.size(), 2);
}

QTEST_MAIN(TestVemoView)
#include "tst_vemoview.moc"
