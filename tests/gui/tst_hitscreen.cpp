#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/predict/HitChance.h"
#include "core/predict/PredictValueText.h"
#include "core/predict/PredictionRecord.h"
#include "core/text/ChanceText.h"
#include "core/text/PredictText.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/predict/DataGodResultWindow.h"
#include "gui/predict/LatestPredictionPopup.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountScreen.h"
#include "gui/shell/MainMenu.h"

namespace {

// Every draw of the test history is 1 … 6, so a record's hits are its numbers up to 6.
constexpr int kDraws = 120;
constexpr int kColumns = DataGodResultWindow::kColumns;
constexpr int kChartWidth = DataGodResultWindow::kDesignWidth;

// A prediction for a draw that hits the given count: 1 … hits, then numbers never drawn.
PredictionRecord recordHitting(int draw, int hits, int index = 1)
{
    PredictionRecord record{draw, index, {}};
    for (int n = 1; n <= hits; ++n)
        record.numbers.append(n);
    for (int n = 0; record.numbers.size() < kNumbersPerDraw; ++n)
        record.numbers.append(20 + n);
    return record;
}

QByteArray fileOf(const QList<int>& hitsPerRecord, int firstDraw = 1)
{
    QByteArray bytes;
    int draw = firstDraw;
    for (const int hits : hitsPerRecord)
        bytes += recordHitting(draw++, hits).encode();
    return bytes;
}

// A picture drawn into a rectangle the way the result windows draw it.
QImage pictureAt(int id, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(QRect(QPoint(0, 0), size), Pictures::bitmap(id));
    return image;
}

bool allWhite(const QImage& image)
{
    return TestPixels::count(image, TestPixels::colour(0xFFFFFF)) == image.width() * image.height();
}

QRect designRect(int x, int y, int width, int height)
{
    const int left = ScreenScale::x(x);
    const int top = ScreenScale::y(y);
    return {left, top, ScreenScale::x(x + width) - left, ScreenScale::y(y + height) - top};
}

} // namespace

class TestHitScreen : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hitCountCommandShowsRegistrantFigures();
    void chartCellsShowEachRecordsHits();
    void scrollingStopsAtTheEnds();
    void popupsShowTheNewestPredictionAndComeBack();
    void nobodyRegisteredLeavesWhiteWindowsAndOffersRegistration();
    void dataGodsShowTheirFilesAndTheComingDraw();
    void moreThanSixHitsStopsTheCountWithAMessage();

private:
    void showHits();
    /** Calls the gods through their settings dialog, with the count button given. */
    void callDataGods(const QString& countChoice = QStringLiteral("countChoice13"));
    void writeRegistrant(int slot, const QString& name, const QByteArray& bytes);
    DataGodResultWindow* window(int slot) const { return view()->hitCountScreen().resultWindow(slot); }
};

void TestHitScreen::init()
{
    QList<QList<int>> draws;
    for (int i = 0; i < kDraws; ++i)
        draws.append({1, 2, 3, 4, 5, 6});
    makeInstall(TestHistory::linesOf(draws));
}

void TestHitScreen::cleanup()
{
    stopProgram();
}

void TestHitScreen::showHits()
{
    MainMenu::findCommand(frame(), MenuCommand::HitCount)->trigger();
    QTRY_VERIFY(window(1)->isVisible());
}

void TestHitScreen::callDataGods(const QString& countChoice)
{
    // The settings dialog: the count, no predicting window, OK.
    QTimer::singleShot(0, qApp, [countChoice] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        for (const QString& name : {countChoice, QStringLiteral("hidePredictingChoice"), QStringLiteral("okButton")})
            control<QAbstractButton>(dialog, name)->click();
    });
    MainMenu::findCommand(frame(), MenuCommand::DataGod)->trigger();
    view()->grab();
}

void TestHitScreen::writeRegistrant(int slot, const QString& name, const QByteArray& bytes)
{
    TestHistory::writeFile(m_install->paths().registrantFile(slot, name), bytes);
}

void TestHitScreen::hitCountCommandShowsRegistrantFigures()
{
    writeRegistrant(1, QStringLiteral("一郎"), fileOf({1, 1, 1, 2, 2, 3, 0, 0, 0, 0}));
    writeRegistrant(2, QStringLiteral("二郎"), fileOf({3, 2, 2}));
    writeRegistrant(3, QStringLiteral("三郎"), fileOf({1, 1, 0}));
    writeRegistrant(5, QStringLiteral("五郎"), fileOf({6, 5, 4, 4, 3, 3, 3}));
    QVERIFY(startProgram());
    showHits();
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(view()->state().displayMode, DisplayMode::HitCount);
    QVERIFY(!view()->state().resultPopupsPending);

    const HitPanels& panels = view()->hitCountScreen().panels();
    const QStringList averages{QStringLiteral("≪的中数の平均≫1.0個"), QStringLiteral("≪的中数の平均≫2.3個"),
                               QStringLiteral("≪的中数の平均≫0.7個"), QStringLiteral("≪的中数の平均≫xx.xx"),
                               QStringLiteral("≪的中数の平均≫4.0個")};
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(PredictText::hitAverage(panels[std::size_t(slot - 1)].statistics), averages[slot - 1]);
    QCOMPARE(panels[0].title, QStringLiteral("一郎"));
    QCOMPARE(panels[3].title, PredictText::unregisteredSlot());
    QCOMPARE(panels[0].statistics.hitHistogram(), (std::array<int, 6>{3, 2, 1, 0, 0, 0}));
    QCOMPARE(panels[4].statistics.hitHistogram(), (std::array<int, 6>{0, 0, 3, 2, 1, 1}));

    // Each panel in its colours, the 8-data god's slot at the top; its window beside it.
    const QImage screen = TestPixels::grabOf(view());
    const QList<QColor> brushes{QColor(255, 230, 230), QColor(230, 255, 230), QColor(255, 255, 230),
                                QColor(240, 240, 255), QColor(255, 240, 255)};
    const QList<int> tops{444, 334, 224, 114, 4};
    for (int slot = 1; slot <= 5; ++slot) {
        const int top = tops[slot - 1];
        QCOMPARE(screen.pixelColor(ScreenScale::x(150), ScreenScale::y(top + 100)), brushes[slot - 1]);
        QCOMPARE(window(slot)->geometry(), designRect(275, top - 1, kChartWidth, 107));
        QCOMPARE(window(slot)->scrollBar()->geometry(), designRect(0, 91, kChartWidth - 4, 12));
    }
    // Titles in the slot colour: red over slot 1, magenta over slot 5.
    const auto hasInk = [&](int top, QRgb ink) {
        const QRect title(QPoint(ScreenScale::x(15), ScreenScale::y(top + 6)),
                          QPoint(ScreenScale::x(157), ScreenScale::y(top + 22)));
        for (int y = title.top(); y <= title.bottom(); ++y)
            for (int x = title.left(); x <= title.right(); ++x)
                if ((screen.pixel(x, y) & 0xFFFFFF) == ink)
                    return true;
        return false;
    };
    QVERIFY(hasInk(444, 0xFF0000));
    QVERIFY(hasInk(4, 0xFF00FF));

    // Beside each count, what chance gives the same records in grey; none where there is no data.
    // 五郎's seven records of six numbers: 36/43 hits each, 7 · C(6,3) · C(37,3) / C(43,6) with three.
    const HitChance& chance = panels[4].chance;
    QCOMPARE(ChanceText::averageBand(chance.average()), QStringLiteral("0.84±0.59"));
    QCOMPARE(ChanceText::countBand(chance.records(3)), QStringLiteral("0.2 (0〜1)"));
    QCOMPARE(ChanceText::countBand(chance.records(6)), QStringLiteral("0.0 (0〜0)"));
    const auto chanceInk = [&](int top) {
        return TestPixels::count(screen.copy(designRect(152, top + 26, 115, 70)), TestPixels::colour(0x505050));
    };
    QVERIFY(chanceInk(4) > 100);
    QCOMPARE(chanceInk(114), 0);
    // What the figures are, under the panels; the registrants' predictions do not look ahead.
    const QRect notes = designRect(15, 553, 770, 30);
    QVERIFY(TestPixels::count(screen.copy(notes), TestPixels::colour(0x505050)) > 100);
    QCOMPARE(TestPixels::count(screen.copy(notes), TestPixels::colour(0xFF0000)), 0);

    // Kept figures are painted again as they are; the switch sent after predictions were deleted recounts.
    writeRegistrant(1, QStringLiteral("一郎"), fileOf({6}));
    MainViewState state = view()->state();
    QImage again(view()->size(), QImage::Format_RGB32);
    QPainter painter(&again);
    view()->hitCountScreen().settle(state);
    view()->hitCountScreen().paint(painter);
    painter.end();
    QCOMPARE(panels[0].statistics.hitRecordCount(), 10);
    view()->showHitCountScreen();
    view()->grab();
    QCOMPARE(panels[0].statistics.hitRecordCount(), 1);
    QCOMPARE(panels[0].statistics.hitHistogram()[5], 1);
    QCOMPARE(window(1)->recordCount(), 1);
}

void TestHitScreen::chartCellsShowEachRecordsHits()
{
    // Hits 0, 2, 4, 6; a record for the coming draw; a coming draw whose first slot is empty.
    QByteArray bytes = fileOf({0, 2, 4, 6}, kDraws - 3);
    bytes += recordHitting(kDraws + 1, 3).encode();
    bytes += PredictionRecord{kDraws + 1, 2, {99, 99, 99, 99, 99, 99}}.encode();
    writeRegistrant(2, QStringLiteral("花子"), bytes);
    QVERIFY(startProgram());
    showHits();
    DataGodResultWindow* chart = window(2);
    QCOMPARE(chart->recordCount(), 6);
    QCOMPARE(chart->chartStart(), DataGodResultWindow::kLatest);
    const QImage image = TestPixels::grabOf(chart);
    const auto cell = [&](int column, int row) { return designRect(column * 15, 76 - row * 15, 15, 15); };
    const auto matches = [&](const QRect& area, int id) { return image.copy(area) == pictureAt(id, area.size()); };

    QVERIFY(matches(designRect(0, 1, 15, 90), 313));
    QVERIFY(matches(cell(1, 0), 248) && matches(cell(1, 1), 248));
    QCOMPARE(image.pixel(cell(1, 2).center()) & 0xFFFFFF, QRgb(0xFFFFFF));
    for (int row = 0; row < 4; ++row)
        QVERIFY(matches(cell(2, row), 314));
    QCOMPARE(image.pixel(cell(2, 4).center()) & 0xFFFFFF, QRgb(0xFFFFFF));
    QVERIFY(matches(designRect(45, 1, 15, 90), 315));
    for (int row = 0; row < 6; ++row)
        QVERIFY(matches(cell(4, row), 312));
    QVERIFY(matches(designRect(75, 1, 15, 90), 313));
    // The rest of the latest view is white, without an end mark.
    QVERIFY(allWhite(image.copy(designRect(90, 1, kChartWidth - 90, 90))));
}

void TestHitScreen::scrollingStopsAtTheEnds()
{
    QList<int> hits;
    for (int i = 0; i < kDraws; ++i)
        hits.append(i % 7);
    writeRegistrant(1, QStringLiteral("一郎"), fileOf(hits));
    QVERIFY(startProgram());
    showHits();
    DataGodResultWindow* chart = window(1);
    QScrollBar* bar = chart->scrollBar();
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), kDraws - kColumns);
    QCOMPARE(bar->value(), kDraws - kColumns);
    const QImage latest = TestPixels::grabOf(chart);

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(chart->chartStart(), DataGodResultWindow::kLatest);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(chart->chartStart(), kDraws - kColumns - 1);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(chart->chartStart(), kDraws - kColumns);
    // The last page scrolled there: the latest records, then the end mark.
    const QImage scrolled = TestPixels::grabOf(chart);
    const QRect columns = designRect(0, 1, kColumns * 15, 90);
    QCOMPARE(scrolled.copy(columns), latest.copy(columns));
    // The end mark stands right of the columns, cut by the window's edge.
    const QRect endMark = designRect(kColumns * 15, 1, 15, 90);
    const QRect shown = endMark & chart->rect();
    QCOMPARE(scrolled.copy(shown), pictureAt(389, endMark.size()).copy(QRect(QPoint(0, 0), shown.size())));

    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(chart->chartStart(), kDraws - kColumns - 10);
    for (int page = 0; page < kDraws / 10; ++page)
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(chart->chartStart(), 0);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(bar->value(), 0);

    // A recount scrolls back to the newest.
    showHits();
    view()->grab();
    QCOMPARE(bar->value(), kDraws - kColumns);
    QCOMPARE(chart->chartStart(), DataGodResultWindow::kLatest);
    // The data-god command's reset brings the latest view back at the next paint.
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    view()->resetResultCharts();
    chart->grab();
    QCOMPARE(chart->chartStart(), DataGodResultWindow::kLatest);
}

void TestHitScreen::popupsShowTheNewestPredictionAndComeBack()
{
    QByteArray bytes = fileOf({1, 2});
    bytes += PredictionRecord{350, 1, {3, 11, 17, 25, 38, 42}}.encode();
    writeRegistrant(5, QStringLiteral("五郎"), bytes);
    writeRegistrant(1, QStringLiteral("一郎"), PredictionRecord{61, 1, {99, 99, 99, 99, 99, 99}}.encode());
    QVERIFY(startProgram());
    showHits();
    QTRY_VERIFY(window(5)->latestPopup());
    LatestPredictionPopup* popup = window(5)->latestPopup();
    QCOMPARE(popup->text(), QStringLiteral("< 五郎の第 350 回の抽選に対する予想 >\n\n3.  11.  17.  25.  38.  42"));
    QCOMPARE(popup->pos(), window(5)->mapToGlobal(QPoint(0, 0)) + QPoint(3, 3));
    QCOMPARE(popup->objectName(), QStringLiteral("latestPopup5"));
    QTRY_VERIFY(window(1)->latestPopup());
    QCOMPARE(window(1)->latestPopup()->text(),
             QStringLiteral("< 一郎の第 61 回の抽選に対する予想 >\n\n--.  --.  --.  --.  --.  --"));
    QVERIFY(!window(2)->latestPopup());

    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!window(5)->latestPopup());
    view()->showHitCountScreen();
    view()->grab();
    QTRY_VERIFY(window(5)->latestPopup());

    // Another screen closes the popups and hides the windows.
    MainMenu::findCommand(frame(), MenuCommand::PatternGraph)->trigger();
    QTRY_VERIFY(!window(5)->latestPopup() && !window(1)->latestPopup());
    QVERIFY(!window(5)->isVisible());
}

void TestHitScreen::nobodyRegisteredLeavesWhiteWindowsAndOffersRegistration()
{
    QVERIFY(startProgram());
    showHits();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, PredictText::registrantOffer().text);
    for (int slot = 1; slot <= 5; ++slot) {
        QCOMPARE(view()->hitCountScreen().panels()[std::size_t(slot - 1)].title, PredictText::unregisteredSlot());
        QCOMPARE(window(slot)->scrollBar()->maximum(), 0);
        QVERIFY(allWhite(TestPixels::grabOf(window(slot)).copy(designRect(0, 0, kChartWidth, 91))));
    }
    QTest::qWait(20);
    QVERIFY(!window(1)->latestPopup());
}

void TestHitScreen::dataGodsShowTheirFilesAndTheComingDraw()
{
    writeRegistrant(1, QStringLiteral("一郎"), fileOf({1}));
    QVERIFY(startProgram());
    showHits();
    callDataGods();
    QVERIFY(view()->state().dataGodMode);
    QCOMPARE(view()->hitCountScreen().panels()[4].title, QStringLiteral("ハチデータ神"));
    // One record per draw from 100 to the coming draw, the newest drawn as not yet drawn.
    DataGodResultWindow* chart = window(1);
    QCOMPARE(chart->recordCount(), kDraws + 2 - 100);
    const QRect newest = designRect((chart->recordCount() - 1) * 15, 76, 15, 15);
    QCOMPARE(TestPixels::grabOf(chart).copy(newest), pictureAt(312, newest.size()));
    // The gods' files count draws after the one predicted, and the line under the panels says so in red.
    const QImage screen = TestPixels::grabOf(view());
    QVERIFY(TestPixels::count(screen.copy(designRect(15, 553, 770, 15)), TestPixels::colour(0xFF0000)) > 100);
    QTRY_VERIFY(window(1)->latestPopup());
    QVERIFY2(window(1)->latestPopup()->text().startsWith(
                 QStringLiteral("< ヨンデータ神の第 %1 回の抽選に対する予想 >\n\n").arg(kDraws + 1)),
             qPrintable(window(1)->latestPopup()->text()));
    QCOMPARE(window(1)->latestPopup()->text().count(QStringLiteral(".  ")), 12);
    // Thirteen numbers fit on their line, and make a pool for a wheel.
    const auto* text = window(1)->latestPopup()->findChild<QLabel*>();
    QVERIFY(text->sizeHint().width() <= text->width());
    QVERIFY(window(1)->latestPopup()->findChild<QPushButton*>());

    // Back to the registrants: their own figures and popups.
    showHits();
    view()->grab();
    QCOMPARE(view()->hitCountScreen().panels()[0].title, QStringLiteral("一郎"));
    QCOMPARE(window(1)->recordCount(), 1);
    QTRY_VERIFY(window(1)->latestPopup());
    QVERIFY(window(1)->latestPopup()->text().startsWith(QStringLiteral("< 一郎の第 1 回")));
    QVERIFY(!window(1)->latestPopup()->findChild<QPushButton*>());

    // Six numbers are one ticket, too few for a wheel: no button that could only fail.
    callDataGods(QStringLiteral("countChoice6"));
    QTRY_VERIFY(window(1)->latestPopup());
    QCOMPARE(window(1)->latestPopup()->text().count(QStringLiteral(".  ")), 5);
    QVERIFY(!window(1)->latestPopup()->findChild<QPushButton*>());
}

void TestHitScreen::moreThanSixHitsStopsTheCountWithAMessage()
{
    // A hand-made history whose draws hold eight numbers: the gods' 13 numbers hit all eight.
    QList<QList<int>> draws;
    for (int i = 0; i < kDraws; ++i)
        draws.append({1, 2, 3, 4, 5, 6, 7, 8});
    makeInstall(TestHistory::linesOf(draws));
    writeRegistrant(1, QStringLiteral("一郎"), fileOf({1}));
    QVERIFY(startProgram());
    callDataGods();
    QTRY_COMPARE(m_messages.size(), 5);
    for (int slot = 1; slot <= 5; ++slot) {
        QCOMPARE(m_messages[slot - 1].caption, PredictText::tooManyHits(slot).caption);
        QCOMPARE(m_messages[slot - 1].text, PredictText::tooManyHits(slot).text);
        QCOMPARE(view()->hitCountScreen().panels()[std::size_t(slot - 1)].statistics.hitRecordCount(), 0);
    }
}

QTEST_MAIN(TestHitScreen)
#include "tst_hitscreen.moc"
