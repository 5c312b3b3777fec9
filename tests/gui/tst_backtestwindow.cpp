#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/predict/BacktestLuck.h"
#include "core/predict/DataGodEngine.h"
#include "core/predict/PredictValueText.h"
#include "core/store/InstallPaths.h"
#include "core/text/PredictText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/predict/BacktestHeatMap.h"
#include "gui/predict/BacktestText.h"
#include "gui/predict/BacktestWindow.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

namespace {

// Long enough for the random histories of the luck line to be seen in progress and cancelled.
constexpr int kDraws = 2000;

// Columns of the table.
constexpr int kIntervalColumn = 6;
constexpr int kZColumn = 8;
constexpr int kPColumn = 9;
constexpr int kCheckColumn = 10;

bool isStrongRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// The random histories the luck line says it was measured on.
int historiesShown(const QLabel& luck)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("履歴 ([0-9,]+) 本")).match(luck.text());
    return match.hasMatch() ? match.captured(1).remove(QLatin1Char(',')).toInt() : 0;
}

BacktestWindow* openWindow(TestProgram& program)
{
    MainMenu::findCommand(program.frame(), MenuCommand::Backtest)->trigger();
    auto* window = program.view()->findChild<BacktestWindow*>();
    return window;
}

} // namespace

class TestBacktestWindow : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { stopProgram(); }
    void runCancelRunAgainAndCallTheGods();
    void walkForwardMeasuresLuckAndChecksTheSecondHalf();
};

void TestBacktestWindow::runCancelRunAgainAndCallTheGods()
{
    QVERIFY(startProgram(TestHistory::randomLines(kDraws, 21)));
    BacktestWindow* window = openWindow(*m_program);
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    auto* progress = control<QProgressBar>(window, "progressBar");
    auto* luck = control<QLabel>(window, "luckLine");
    auto* warning = control<QLabel>(window, "asWrittenWarning");
    QCOMPARE(luck->text(), BacktestText::notComputed());
    QVERIFY(luck->isVisible());
    QVERIFY(!warning->isVisible());

    // All draws, walk-forward from the start; Cancel, before the window has seen a result, stops it.
    QVERIFY(control<QCheckBox>(window, "walkForwardBox")->isChecked());
    click(window, "startButton");
    QVERIFY(!control(window, "startButton")->isEnabled());
    click(window, "cancelButton");
    QVERIFY(control(window, "startButton")->isEnabled());
    QVERIFY(!control(window, "cancelButton")->isEnabled());
    QTest::qWait(100);
    QCOMPARE(progress->value(), 0);
    QVERIFY(window->scores().isEmpty());
    QCOMPARE(luck->text(), BacktestText::notComputed());

    // Again: the scores come, then the random histories' bar moves while the program answers, and
    // their own Cancel stops them.
    QSignalSpy finished(window, &BacktestWindow::finished);
    click(window, "startButton");
    QVERIFY(finished.wait(60000));
    auto* luckProgress = control<QProgressBar>(window, "luckProgressBar");
    QTRY_VERIFY_WITH_TIMEOUT(luckProgress->value() > 0, 20000);
    QVERIFY(luckProgress->value() < luckProgress->maximum());
    click(window, "luckCancelButton");
    // Before the first batch of histories nothing is measured; after it, its line stays.
    QVERIFY(luck->text() == BacktestText::luckCancelled() || luck->text().contains(QStringLiteral("--null ")));
    QCOMPARE(window->scores().size(), 8400);

    // The last 100 draws as the result files have them: a red sentence above the maps says what
    // such figures cannot tell, and no luck line or p is shown.
    click(window, "walkForwardBox");
    control<QComboBox>(window, "drawsChoice")->setCurrentIndex(0);
    click(window, "startButton");
    QVERIFY(finished.wait(60000));
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(window->scores().size(), 8400);
    QCOMPARE(window->scores().first().records, 100);
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), BacktestText::asWrittenWarning());
    QVERIFY(warning->mapTo(window, QPoint()).y() < control<QWidget>(window, "heatMap")->mapTo(window, QPoint()).y());
    QVERIFY(TestPixels::count(warning, isStrongRed) > 50);
    QVERIFY(!luck->isVisible());
    // The walk-forward sentence goes with its mode, and the check cannot be asked for, with the reason shown.
    QVERIFY(!control(window, "walkForwardExplanation")->isVisible());
    QVERIFY(!control(window, "holdoutBox")->isEnabled());
    QCOMPARE(control<QLabel>(window, "holdoutReason")->text(), BacktestText::holdoutNeedsWalkForward());
    QVERIFY(control(window, "holdoutReason")->isVisible());
    QVERIFY(!control(window, "luckCancelButton")->isEnabled());

    // Each cell of the chosen amount and preference has the colour of its z.
    control<QComboBox>(window, "amountChoice")->setCurrentIndex(4);
    control<QComboBox>(window, "preferenceChoice")->setCurrentIndex(1);
    auto* map = control<BacktestHeatMap>(window, "heatMap");
    const QImage pixels = map->grab().toImage();
    int checked = 0;
    for (const BacktestScore& score : window->scores()) {
        const DataGodSettings& s = score.setting;
        if (s.dataAmount != DataGodSettings::kAllDraws || s.preferFrequent || s.appearanceWeight % 5 != 0)
            continue;
        const QPoint centre = map->cellCentre(score.order, s.predictionCount, s.appearanceWeight);
        QCOMPARE(pixels.pixelColor(centre), BacktestHeatMap::colourOf(score.z(), map->scaleLimit()));
        ++checked;
    }
    QCOMPARE(checked, 5 * 8 * 5);
    QCOMPARE(BacktestHeatMap::colourOf(0.0, 3.0), QColor(Qt::white));

    // The best 20, highest z first; a click on the z header sorts them the other way round.
    auto* table = control<QTableWidget>(window, "resultsTable");
    QCOMPARE(table->rowCount(), 20);
    QVERIFY(table->isColumnHidden(kPColumn));
    QVERIFY(table->isColumnHidden(kCheckColumn));
    QVERIFY(table->isColumnHidden(kIntervalColumn));
    const auto zAt = [table](int row) { return table->item(row, kZColumn)->text().toDouble(); };
    QVERIFY(zAt(0) >= zAt(19));
    table->sortItems(kZColumn, Qt::AscendingOrder);
    QVERIFY(zAt(0) <= zAt(19));

    // The selected row runs the gods as the settings dialog does: its files, its title.
    table->selectRow(19);
    const int index = table->item(19, 0)->data(Qt::UserRole).toInt();
    const BacktestScore best = window->scores()[index];
    click(window, "runSelectedButton");
    const DataGodSettings settings = best.setting;
    const InstallPaths& paths = m_install->paths();
    DataGodEngine engine(view()->document().history(), settings);
    for (const auto& god : PredictText::dataGods()) {
        QTRY_COMPARE_WITH_TIMEOUT(TestHistory::readFile(paths.dataGodFile(god.prefix, settings.predictionCount)),
                                  engine.godFile(god.order), 20000);
    }
    QVERIFY(frame()->windowTitle().contains(PredictText::dataAmount(settings.dataAmount)));
    // A tool window of the main window; Escape closes it, and so does 閉じる in the window opened again.
    QCOMPARE(window->windowType(), Qt::Tool);
    QCOMPARE(window->parentWidget()->window(), frame());
    const QPointer<BacktestWindow> first = window;
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!first);
    MainMenu::findCommand(frame(), MenuCommand::Backtest)->trigger();
    window = view()->findChild<BacktestWindow*>();
    QVERIFY(window && window->isVisible());
    const QPointer<BacktestWindow> second = window;
    click(window, "closeButton");
    QTRY_VERIFY(!second);
}

void TestBacktestWindow::walkForwardMeasuresLuckAndChecksTheSecondHalf()
{
    constexpr int kHistoryDraws = 300;
    constexpr int kRandomHistories = 1000;
    QVERIFY(startProgram(TestHistory::randomLines(kHistoryDraws, 4)));
    BacktestWindow* window = openWindow(*m_program);
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    auto* luck = control<QLabel>(window, "luckLine");
    auto* luckProgress = control<QProgressBar>(window, "luckProgressBar");
    auto* table = control<QTableWidget>(window, "resultsTable");

    // Walk-forward as the window opens, the last 100 draws, the first half ranks and the second checks,
    // with no fewer than 1,000 random histories.
    control<QComboBox>(window, "drawsChoice")->setCurrentIndex(0);
    click(window, "holdoutBox");
    auto* histories = control<QSpinBox>(window, "luckHistoriesSpin");
    QCOMPARE(histories->value(), kRandomHistories);
    histories->setValue(10);
    QCOMPARE(histories->value(), kRandomHistories);
    QSignalSpy finished(window, &BacktestWindow::finished);
    QSignalSpy measured(window, &BacktestWindow::luckMeasured);
    click(window, "startButton");
    QVERIFY(finished.wait(60000));
    QVERIFY(measured.count() > 0 || measured.wait(120000));
    QVERIFY(!control<QLabel>(window, "asWrittenWarning")->isVisible());
    QCOMPARE(luckProgress->value(), luckProgress->maximum());
    QVERIFY(!control(window, "luckCancelButton")->isEnabled());

    // The same backtest by the core: the first half, the second half, and the random histories of the
    // seed the window shows.
    const DataGodBacktest backtest(view()->document().history());
    BacktestChoice choice = BacktestChoice::everySetting(kHistoryDraws);
    choice.firstDraw = kHistoryDraws - 99;
    choice.walkForward = true;
    choice.holdOutSecondHalf();
    QCOMPARE(choice.holdoutDraw, kHistoryDraws - 49);
    const QList<BacktestScore> firstHalf = backtest.run(choice)->scores;
    BacktestChoice second = choice;
    second.firstDraw = choice.holdoutDraw;
    second.holdoutDraw = 0;
    const QList<BacktestScore> secondHalf = backtest.run(second)->scores;
    const BacktestLuck expected = *BacktestLuck::measure(choice, kHistoryDraws, kRandomHistories, window->luckSeed());
    QCOMPARE(window->scores().first().records, 50);
    const auto best = std::max_element(firstHalf.begin(), firstHalf.end(),
                                       [](const BacktestScore& a, const BacktestScore& b) { return a.z() < b.z(); });
    const QString command =
        QStringLiteral("vemo-cli backtest --from 201 --holdout 251 --null 1000 --seed %1").arg(window->luckSeed());
    QCOMPARE(luck->text(), BacktestText::luckLine(8400, expected.line(), kRandomHistories, true, command)
                               + QLatin1Char('\n') + BacktestText::runVerdict(best->z(), expected.line()));

    // The verdict on the one row chosen in advance, the best of the first half, in words.
    const DataGodSettings& chosen = best->setting;
    const QString name = BacktestText::settingName(
        PredictText::dataGods()[std::size_t(best->order - DataGodEngine::kLowestOrder)].caption, chosen.predictionCount,
        PredictText::dataAmount(chosen.dataAmount), chosen.preferFrequent, chosen.appearanceWeight);
    QCOMPARE(control<QLabel>(window, "checkVerdict")->text(),
             BacktestText::checkVerdict(name, secondHalf[best - firstHalf.begin()].z()));
    QVERIFY(control(window, "checkVerdict")->isVisible());

    // Each of the best 20: its simultaneous interval as wide as the line, its p, its mark exactly above
    // the line, and its z on the second half; every ranked column says it is the first half's.
    for (int column = 5; column <= kCheckColumn; ++column)
        QCOMPARE(table->horizontalHeaderItem(column)->text(), BacktestText::tableHeaders(true)[column]);
    QVERIFY(table->horizontalHeaderItem(kZColumn)->text().contains(QStringLiteral("前半")));
    QVERIFY(!table->isColumnHidden(kPColumn));
    QVERIFY(!table->isColumnHidden(kCheckColumn));
    QCOMPARE(table->rowCount(), 20);
    for (int row = 0; row < table->rowCount(); ++row) {
        const int index = table->item(row, 0)->data(Qt::UserRole).toInt();
        const BacktestScore& score = firstHalf[index];
        QCOMPARE(table->item(row, kZColumn)->text(), QString::number(score.z(), 'f', 2));
        const double margin = expected.line() * std::sqrt(double(score.spread) / 42.0) / (43.0 * score.records);
        QCOMPARE(table->item(row, kIntervalColumn)->text(),
                 BacktestText::meanInterval(score.mean() - margin, score.mean() + margin));
        const double p = expected.pValue(score.z());
        QCOMPARE(table->item(row, kPColumn)->text(), QString::number(p, 'f', 4));
        QCOMPARE(table->item(row, kPColumn)->background().color() == QColor(255, 214, 214), p < 0.05);
        QCOMPARE(p<0.05, score.z()> expected.line());
        QCOMPARE(table->item(row, kCheckColumn)->text(), QString::number(secondHalf[index].z(), 'f', 2));
    }
    // The heat map's scale ends at the line.
    QCOMPARE(control<BacktestHeatMap>(window, "heatMap")->scaleLimit(), expected.line());

    // A second run of the same key goes on from the histories kept, with their seed: their line is in
    // before any more are measured, and キャンセル keeps what is in.
    const quint64 firstSeed = window->luckSeed();
    histories->setValue(10000);
    QSignalSpy again(window, &BacktestWindow::finished);
    click(window, "startButton");
    QVERIFY(again.wait(60000));
    QCOMPARE(window->luckSeed(), firstSeed);
    QVERIFY(control(window, "luckCancelButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(luck->text() != BacktestText::luckMeasuring(), 60000);
    QVERIFY(historiesShown(*luck) >= kRandomHistories);
    QTRY_VERIFY_WITH_TIMEOUT(historiesShown(*luck) > kRandomHistories, 60000);
    click(window, "luckCancelButton");
    QVERIFY(!control(window, "luckCancelButton")->isEnabled());
    QVERIFY(luck->text().contains(QStringLiteral("で計測。")));
    QVERIFY(historiesShown(*luck) > kRandomHistories);
    QVERIFY(table->item(0, kPColumn) != nullptr);
    QCOMPARE(window->scores().size(), 8400);
    QVERIFY(control(window, "startButton")->isEnabled());

    // Other draws scored are another key: a fresh seed.
    control<QComboBox>(window, "drawsChoice")->setCurrentIndex(1);
    click(window, "startButton");
    QVERIFY(again.wait(60000));
    QVERIFY(window->luckSeed() != firstSeed);
    window->close();
}

QTEST_MAIN(TestBacktestWindow)
#include "tst_backtestwindow.moc"
