#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "TestHistory.h"
#include "TestProgram.h"
#include "app/CMainFrame.h"
#include "app/CVemoDoc.h"
#include "app/CVemoView.h"
#include "app/MainMenu.h"
#include "predict/BacktestHeatMap.h"
#include "predict/BacktestWindow.h"
#include "predict/DataGodEngine.h"
#include "store/InstallPaths.h"
#include "text/BacktestText.h"
#include "text/PredictText.h"

namespace {

// Long enough for a run to be seen in progress and cancelled.
constexpr int kDraws = 2000;

template <typename T = QAbstractButton> T* control(QWidget* parent, int id)
{
    return parent->findChild<T*>(QStringLiteral("id%1").arg(id));
}

void click(QWidget* parent, int id)
{
    QAbstractButton* button = control(parent, id);
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestBacktestWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestProgram::prepareSuite(); }
    void runCancelRunAgainAndCallTheGods();
};

void TestBacktestWindow::runCancelRunAgainAndCallTheGods()
{
    const TestInstall install(TestHistory::randomLines(kDraws, 21));
    const auto program = TestProgram::start(install.paths());
    QVERIFY(program);
    MainMenu::findCommand(program->frame(), MenuCommand::kBacktest)->trigger();
    auto* window = program->view()->findChild<BacktestWindow*>();
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    auto* progress = control<QProgressBar>(window, 1606);
    auto* luck = control<QLabel>(window, 1610);
    QCOMPARE(luck->text(), BacktestText::notComputed());

    // All draws, walk-forward: the bar moves while the program answers, then Cancel stops it.
    click(window, 1602);
    click(window, 1604);
    QVERIFY(!control(window, 1604)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 20000);
    click(window, 1605);
    QVERIFY(control(window, 1604)->isEnabled());
    QVERIFY(!control(window, 1605)->isEnabled());
    QTest::qWait(100);
    QCOMPARE(progress->value(), 0);
    QVERIFY(window->scores().isEmpty());
    QCOMPARE(luck->text(), BacktestText::notComputed());

    // The last 100 draws as the result files have them.
    click(window, 1602);
    control<QComboBox>(window, 1601)->setCurrentIndex(0);
    QSignalSpy finished(window, &BacktestWindow::finished);
    click(window, 1604);
    QVERIFY(finished.wait(60000));
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(window->scores().size(), 8400);
    QCOMPARE(window->scores().first().records, 100);
    QCOMPARE(luck->text(), BacktestText::luckLine(8400, DataGodBacktest::luckThreshold(8400)));
    QVERIFY(luck->text().contains(QStringLiteral("8,400")));

    // Each cell of the chosen amount and preference has the colour of its z.
    control<QComboBox>(window, 1607)->setCurrentIndex(4);
    control<QComboBox>(window, 1608)->setCurrentIndex(1);
    auto* map = control<BacktestHeatMap>(window, 1609);
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
    auto* table = control<QTableWidget>(window, 1611);
    QCOMPARE(table->rowCount(), 20);
    const auto zAt = [table](int row) { return table->item(row, 7)->text().toDouble(); };
    QVERIFY(zAt(0) >= zAt(19));
    table->sortItems(7, Qt::AscendingOrder);
    QVERIFY(zAt(0) <= zAt(19));

    // The selected row runs the gods as the settings dialog does: its files, its title.
    table->selectRow(19);
    const int index = table->item(19, 0)->data(Qt::UserRole).toInt();
    const BacktestScore best = window->scores()[index];
    click(window, 1612);
    const DataGodSettings settings = best.setting;
    const InstallPaths& paths = install.paths();
    DataGodEngine engine(program->view()->document().history(), settings);
    for (const auto& god : PredictText::dataGods()) {
        QTRY_COMPARE_WITH_TIMEOUT(TestHistory::readFile(paths.dataGodFile(god.prefix, settings.predictionCount)),
                                  engine.godFile(god.order), 20000);
    }
    QVERIFY(program->frame()->windowTitle().contains(PredictText::dataAmount(settings.dataAmount)));
    // A tool window of the main window; Escape closes it, and so does 閉じる in the window opened again.
    QCOMPARE(window->windowType(), Qt::Tool);
    QCOMPARE(window->parentWidget()->window(), program->frame());
    const QPointer<BacktestWindow> first = window;
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!first);
    MainMenu::findCommand(program->frame(), MenuCommand::kBacktest)->trigger();
    window = program->view()->findChild<BacktestWindow*>();
    QVERIFY(window && window->isVisible());
    const QPointer<BacktestWindow> second = window;
    click(window, 1613);
    QTRY_VERIFY(!second);
}

QTEST_MAIN(TestBacktestWindow)
#include "tst_backtestwindow.moc"
