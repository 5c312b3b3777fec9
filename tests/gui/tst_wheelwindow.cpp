#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "GuiSuite.h"
#include "entry/NumberBox.h"
#include "entry/NumberCard.h"
#include "entry/PredictionFile.h"
#include "predict/DataGodResultWindow.h"
#include "predict/LatestPredictionPopup.h"
#include "shell/CMainFrame.h"
#include "shell/CVemoView.h"
#include "shell/HitCountScreen.h"
#include "shell/MainCommands.h"
#include "shell/MainMenu.h"
#include "text/WheelText.h"
#include "wheel/Binomial.h"
#include "wheel/WheelCsv.h"
#include "wheel/WheelMaker.h"
#include "wheel/WheelNumberGrid.h"
#include "wheel/WheelResultPanel.h"
#include "wheel/WheelWindow.h"

namespace {

const QList<int> kPool{3, 8, 11, 15, 19, 22, 26, 30};
constexpr int kFixed = 3;
constexpr int kCardWheelButton = 1380;

// Names the file in the export's dialog once it is up and clicks 決定, as the user does.
void chooseInFileDialog(const QString& file)
{
    TestProgram::whenModalShows([file](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), WheelText::exportDialogTitle());
        GuiSuite::chooseFile(dialog, file);
    });
}

} // namespace

class TestWheelWindow : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fromTheNumberCardThroughARunToTheCsv();
    void fromADataGodsPopupWithItsNumbers();

private:
    WheelWindow* openFromNumberCard(const QList<int>& numbers);

    QTemporaryDir m_dir;
};

void TestWheelWindow::initTestCase()
{
    QVERIFY(startProgram(TestHistory::randomLines(120, 5)));
}

WheelWindow* TestWheelWindow::openFromNumberCard(const QList<int>& numbers)
{
    if (!m_program->choose(MenuCommand::NumberCard))
        return nullptr;
    NumberCard* card = frame()->commands().numberCard();
    if (!card)
        return nullptr;
    for (const int number : numbers)
        click(card, NumberCard::boxId(number));
    click(card, kCardWheelButton);
    return view()->findChild<WheelWindow*>();
}

void TestWheelWindow::fromTheNumberCardThroughARunToTheCsv()
{
    WheelWindow* window = openFromNumberCard(kPool);
    QVERIFY(window && window->isVisible());
    auto* grid = control<WheelNumberGrid>(window, WheelWindow::kPoolId);
    QCOMPARE(grid->pool(), kPool);
    QCOMPARE(control<QLabel>(window, WheelWindow::kPoolCountId)->text(), WheelText::poolCount(8, 0));

    // One more click makes a pool number fixed; the guarantee: 3 of every 4 drawn in the pool.
    click(grid->button(kFixed));
    QCOMPARE(grid->fixed(), QList<int>{kFixed});
    control<QSpinBox>(window, WheelWindow::kDrawnInPoolId)->setValue(4);
    control<QSpinBox>(window, WheelWindow::kMatchedId)->setValue(3);

    WheelSettings asked;
    asked.pool = kPool;
    asked.fixed = {kFixed};
    asked.matched = 3;
    asked.drawnInPool = 4;
    const Result<WheelResult> core = WheelMaker::make(asked);
    QVERIFY(core.ok());
    const WheelResult& expected = core.value();

    QSignalSpy finished(window, &WheelWindow::finished);
    click(window, WheelWindow::kMakeId);
    QVERIFY(!control<QPushButton>(window, WheelWindow::kMakeId)->isEnabled());
    QVERIFY(finished.wait(8000));
    QVERIFY(m_messages.isEmpty());

    auto* tickets = control<QListWidget>(window, WheelResultPanel::kTicketsId);
    QCOMPARE(tickets->count(), expected.tickets.size());
    for (int i = 0; i < tickets->count(); ++i) {
        QCOMPARE(tickets->item(i)->text(), PredictionFile::numbersText(PredictionRecord{0, 0, expected.tickets[i]}));
        QVERIFY(expected.tickets[i].contains(kFixed));
    }
    QCOMPARE(control<QLabel>(window, WheelResultPanel::kProofId)->text(), WheelText::proofKept(binomial(8, 4), 4));
    auto* odds = control<QTableWidget>(window, WheelResultPanel::kOddsId);
    for (int matched = 3; matched <= 6; ++matched) {
        const int row = matched - WheelResultPanel::kFirstOddsRow;
        QCOMPARE(odds->item(row, 0)->text(), WheelText::oddsProbability(expected.odds.bestProbability(matched)));
        QCOMPARE(odds->item(row, 1)->text(), WheelText::oddsAverage(expected.odds.expectedTickets[matched]));
    }

    const QString csv = m_dir.filePath(QStringLiteral("買い目.csv"));
    chooseInFileDialog(csv);
    click(window, WheelWindow::kExportId);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, WheelText::exportDone(csv, int(expected.tickets.size())).text);
    QCOMPARE(TestHistory::readFile(csv), WheelCsv::encode(expected.tickets));

    // The menu brings the same window forward, its pool and wheel kept.
    QVERIFY(m_program->choose(MenuCommand::Wheel));
    QCOMPARE(view()->findChildren<WheelWindow*>().size(), 1);
    QCOMPARE(grid->pool(), kPool);
    QCOMPARE(tickets->count(), expected.tickets.size());

    // A long search: キャンセル ends it with the best wheel so far, still proven, and says so.
    QList<int> wide;
    for (int number = 1; number <= 20; ++number)
        wide.append(number);
    grid->setPool(wide);
    control<QSpinBox>(window, WheelWindow::kDrawnInPoolId)->setValue(4);
    control<QSpinBox>(window, WheelWindow::kMatchedId)->setValue(4);
    click(window, WheelWindow::kMakeId);
    auto* progress = control<QProgressBar>(window, WheelWindow::kProgressId);
    QTRY_VERIFY(progress->format() != WheelText::searching());
    click(window, WheelWindow::kCancelId);
    QVERIFY(finished.wait(5000));
    QVERIFY(control<QLabel>(window, WheelResultPanel::kSummaryId)->text().endsWith(WheelText::searchCancelled()));
    QCOMPARE(control<QLabel>(window, WheelResultPanel::kProofId)->text(), WheelText::proofKept(binomial(20, 4), 4));
    QVERIFY(control<QPushButton>(window, WheelWindow::kMakeId)->isEnabled());

    // Without a window manager's close box, Escape and 閉じる close it.
    QPointer<WheelWindow> closing(window);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!closing);
    QVERIFY(m_program->choose(MenuCommand::Wheel));
    closing = view()->findChild<WheelWindow*>();
    QVERIFY(closing);
    click(closing, WheelWindow::kCloseId);
    QTRY_VERIFY(!closing);
}

void TestWheelWindow::fromADataGodsPopupWithItsNumbers()
{
    // Nine numbers a god, without the predicting window.
    TestProgram::whenModalShows([](QWidget* dialog) {
        for (const int id : {1394, 1412, 1})
            click(dialog, id);
    });
    QVERIFY(m_program->choose(MenuCommand::DataGod));
    const DataGodResultWindow* results = view()->hitCountScreen().resultWindow(2);
    QTRY_VERIFY(results->latestPopup());
    const LatestPredictionPopup* popup = results->latestPopup();
    QList<int> godNumbers;
    for (const QString& number : popup->text().section(QStringLiteral("\n\n"), 1).split(QLatin1Char('.')))
        godNumbers.append(number.trimmed().toInt());
    QCOMPARE(godNumbers.size(), 9);

    click(popup, 1431);
    QCOMPARE(view()->findChildren<WheelWindow*>().size(), 1);
    WheelWindow* window = view()->findChild<WheelWindow*>();
    QVERIFY(window->isVisible());
    QCOMPARE(control<WheelNumberGrid>(window, WheelWindow::kPoolId)->pool(), godNumbers);
}

QTEST_MAIN(TestWheelWindow)
#include "tst_wheelwindow.moc"
