#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/chance/ChanceBand.h"
#include "core/entry/PredictionFile.h"
#include "core/entry/RegistrantSlots.h"
#include "core/store/PrizeTable.h"
#include "core/text/PredictText.h"
#include "core/text/ReturnText.h"
#include "core/text/WheelText.h"
#include "core/wheel/Binomial.h"
#include "core/wheel/ExpectedReturn.h"
#include "core/wheel/RandomTicketOdds.h"
#include "core/wheel/WheelCsv.h"
#include "core/wheel/WheelMaker.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/NumberBox.h"
#include "gui/entry/NumberCard.h"
#include "gui/kit/ScreenScale.h"
#include "gui/predict/DataGodResultWindow.h"
#include "gui/predict/LatestPredictionPopup.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountScreen.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"
#include "gui/wheel/WheelCompareText.h"
#include "gui/wheel/WheelNumberGrid.h"
#include "gui/wheel/WheelResultPanel.h"
#include "gui/wheel/WheelWindow.h"

namespace {

const QList<int> kPool{3, 8, 11, 15, 19, 22, 26, 30};
constexpr int kFixed = 3;

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

// The numbers a ticket list's line names.
QList<QList<int>> ticketsShown(const QListWidget* list)
{
    QList<QList<int>> tickets;
    for (int i = 0; i < list->count(); ++i) {
        QList<int> ticket;
        for (const QString& n : list->item(i)->text().split(QLatin1Char('.')))
            ticket.append(n.trimmed().toInt());
        tickets.append(ticket);
    }
    return tickets;
}

int heldOf(const QList<int>& ticket, const QList<int>& drawn)
{
    return int(std::count_if(ticket.begin(), ticket.end(), [&](int n) { return drawn.contains(n); }));
}

// Whether a label shows whole inside its window, with ink on it.
void verifyShownWhole(QLabel* label, QWidget* window)
{
    QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
    QTRY_VERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
    QVERIFY(window->rect().contains(QRect(label->mapTo(window, QPoint(0, 0)), label->size())));
    QVERIFY2(TestPixels::count(label, [](QRgb pixel) { return qGray(pixel) < 128; }) > 50,
             qPrintable(label->objectName()));
}

} // namespace

class TestWheelWindow : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fromTheNumberCardThroughARunToTheCsv();
    void timedOutRunOffersALongerOneAndALargeWheelIsAsked();
    void fromADataGodsPopupWithItsNumbers();
    void wheelBesideAsManyRandomTickets();
    void prizeTableReturnPastDrawsAndWhatTheTicketsWon();

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
        click(card, QStringLiteral("numberBox%1").arg(number));
    click(card, "wheelButton");
    return view()->findChild<WheelWindow*>();
}

void TestWheelWindow::fromTheNumberCardThroughARunToTheCsv()
{
    WheelWindow* window = openFromNumberCard(kPool);
    QVERIFY(window && window->isVisible());
    auto* grid = control<WheelNumberGrid>(window, "poolGrid");
    QCOMPARE(grid->pool(), kPool);
    QCOMPARE(control<QLabel>(window, "poolCount")->text(), WheelText::poolCount(8, 0));

    // One more click makes a pool number fixed; the guarantee: 3 of every 4 drawn in the pool.
    click(grid->button(kFixed));
    QCOMPARE(grid->fixed(), QList<int>{kFixed});
    control<QSpinBox>(window, "drawnInPoolSpin")->setValue(4);
    control<QSpinBox>(window, "matchedSpin")->setValue(3);

    WheelSettings asked;
    asked.pool = kPool;
    asked.fixed = {kFixed};
    asked.matched = 3;
    asked.drawnInPool = 4;
    const Result<WheelResult> core = WheelMaker::make(asked);
    QVERIFY(core.ok());
    const WheelResult& expected = core.value();

    QSignalSpy finished(window, &WheelWindow::finished);
    click(window, "makeButton");
    QVERIFY(!control<QPushButton>(window, "makeButton")->isEnabled());
    QVERIFY(finished.wait(8000));
    QVERIFY(m_messages.isEmpty());

    auto* tickets = control<QListWidget>(window, "ticketList");
    QCOMPARE(tickets->count(), expected.tickets.size());
    for (int i = 0; i < tickets->count(); ++i) {
        QCOMPARE(tickets->item(i)->text(), PredictionFile::numbersText(PredictionRecord{0, 0, expected.tickets[i]}));
        QVERIFY(expected.tickets[i].contains(kFixed));
    }
    QCOMPARE(control<QLabel>(window, "proofLine")->text(), WheelText::proofKept(binomial(8, 4), 4));
    // The bar says the search is over, not how far it has come.
    auto* progress = control<QProgressBar>(window, "progressBar");
    const int found = int(expected.tickets.size());
    QVERIFY2(progress->format() == WheelText::searchDone(found)
                 || progress->format() == WheelText::searchDoneOnTime(found),
             qPrintable(progress->format()));
    auto* odds = control<QTableWidget>(window, "oddsTable");
    QCOMPARE(odds->columnCount(), 3);
    for (int matched = 3; matched <= 6; ++matched) {
        const int row = matched - WheelResultPanel::kFirstOddsRow;
        QCOMPARE(odds->item(row, 0)->text(), WheelText::oddsProbability(expected.odds.bestProbability(matched)));
        QCOMPARE(odds->item(row, 1)->text(), WheelText::oddsProbability(expected.odds.atLeastProbability(matched)));
        QCOMPARE(odds->item(row, 2)->text(), WheelText::oddsAverage(expected.odds.expectedTickets[matched]));
    }
    QCOMPARE(control<QLabel>(window, "anyPrizeLine")->text(), WheelText::anyPrize(expected.odds.atLeastProbability(3)));
    // The third column is in sight and its figures are drawn, not cut off to the right.
    const QImage shot = odds->viewport()->grab().toImage();
    const QRect cell = odds->visualItemRect(odds->item(0, 2)).intersected(shot.rect());
    int inked = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x)
            inked += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
    }
    QVERIFY2(inked > 10, qPrintable(QString::number(inked)));

    const QString csv = m_dir.filePath(QStringLiteral("買い目.csv"));
    chooseInFileDialog(csv);
    click(window, "exportButton");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, WheelText::exportDone(csv, int(expected.tickets.size())).text);
    QCOMPARE(TestHistory::readFile(csv), WheelCsv::encode(expected.tickets));

    // Bought: with nobody registered the player is told where to register; then the tickets become a
    // registrant's predictions for the coming draw, all at once and in their order.
    m_messages.clear();
    click(window, "buyButton");
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("予想データファイルの作成")), qPrintable(m_messages[0].text));
    CVemoDoc& doc = view()->document();
    QVERIFY(!doc.nameRegistrant(2, QStringLiteral("太郎")));
    const int coming = doc.history().drawCount() + 1;
    TestProgram::whenModalShows([coming](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("WheelPurchaseDialog"));
        QCOMPARE(control<QSpinBox>(modal, "drawSpin")->value(), coming);
        GuiSuite::click(modal, "okButton");
    });
    m_messages.clear();
    click(window, "buyButton");
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(QStringLiteral("%1 口").arg(expected.tickets.size())),
             qPrintable(m_messages[0].text));
    const Result<QList<PredictionRecord>> stored = doc.registrants().predictionFile(2).records();
    QVERIFY(stored.ok());
    QCOMPARE(stored.value().size(), expected.tickets.size());
    for (qsizetype i = 0; i < stored.value().size(); ++i) {
        QCOMPARE(stored.value()[i].draw, coming);
        QCOMPARE(stored.value()[i].index, int(i) + 1);
        QCOMPARE(stored.value()[i].numbers, expected.tickets[i]);
    }

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
    control<QSpinBox>(window, "drawnInPoolSpin")->setValue(4);
    control<QSpinBox>(window, "matchedSpin")->setValue(4);
    click(window, "makeButton");
    QTRY_VERIFY(progress->format() != WheelText::searching());
    click(window, "cancelButton");
    QVERIFY(finished.wait(5000));
    QVERIFY(control<QLabel>(window, "summaryLine")->text().endsWith(WheelText::searchCancelled()));
    QCOMPARE(control<QLabel>(window, "proofLine")->text(), WheelText::proofKept(binomial(20, 4), 4));
    QCOMPARE(progress->format(), WheelText::searchDoneCancelled(tickets->count()));
    QVERIFY(control<QPushButton>(window, "makeButton")->isEnabled());
    QVERIFY(!control<QPushButton>(window, "longerButton")->isEnabled());

    // Without a window manager's close box, Escape and 閉じる close it.
    QPointer<WheelWindow> closing(window);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!closing);
    QVERIFY(m_program->choose(MenuCommand::Wheel));
    closing = view()->findChild<WheelWindow*>();
    QVERIFY(closing);
    click(closing, "closeButton");
    QTRY_VERIFY(!closing);
}

void TestWheelWindow::timedOutRunOffersALongerOneAndALargeWheelIsAsked()
{
    QVERIFY(m_program->choose(MenuCommand::Wheel));
    auto* window = view()->findChild<WheelWindow*>();
    QVERIFY(window);
    auto* grid = control<WheelNumberGrid>(window, "poolGrid");
    auto* seconds = control<QSpinBox>(window, "secondsSpin");
    auto* longer = control<QPushButton>(window, "longerButton");
    auto* tickets = control<QListWidget>(window, "ticketList");
    QSignalSpy finished(window, &WheelWindow::finished);

    // 4 if 4 on 26 numbers needs 1,040 tickets at least: more than 1,000 are shown once the player agrees.
    QList<int> wide;
    for (int number = 1; number <= 26; ++number)
        wide.append(number);
    grid->setPool(wide);
    control<QSpinBox>(window, "drawnInPoolSpin")->setValue(4);
    control<QSpinBox>(window, "matchedSpin")->setValue(4);
    seconds->setValue(1);
    m_messages.clear();
    queueAnswers({Answer::No});
    click(window, "makeButton");
    QVERIFY(finished.wait(60000));
    QCOMPARE(m_messages.size(), 1);
    const QString asked = m_messages.takeFirst().text;
    QVERIFY2(asked.endsWith(QStringLiteral("口になります。作りますか？")), qPrintable(asked));
    QCOMPARE(tickets->count(), 0);
    QVERIFY(!control<QPushButton>(window, "exportButton")->isEnabled());

    // Asked again and agreed: the wheel of that many tickets is shown. The search stopped on time says so
    // and offers twice the time.
    queueAnswers({Answer::Yes});
    click(window, "makeButton");
    QVERIFY(finished.wait(60000));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.takeFirst().text, WheelText::askLargeWheel(tickets->count()).text);
    QVERIFY(tickets->count() > WheelSettings::kMaxTickets);
    QVERIFY(control<QLabel>(window, "summaryLine")->text().endsWith(WheelText::searchTimedOut(1).text));
    QCOMPARE(control<QProgressBar>(window, "progressBar")->format(), WheelText::searchDoneOnTime(tickets->count()));
    QVERIFY(longer->isEnabled());
    QVERIFY(control<QLabel>(window, "summaryLine")->text().contains(QStringLiteral("1040 口より少なく")));

    queueAnswers({Answer::Yes});
    click(longer);
    QCOMPARE(seconds->value(), 2);
    QVERIFY(!longer->isEnabled());
    QVERIFY(finished.wait(60000));
    m_messages.clear();
    QVERIFY(longer->isEnabled());
}

void TestWheelWindow::fromADataGodsPopupWithItsNumbers()
{
    // Nine numbers a god, without the predicting window.
    TestProgram::whenModalShows([](QWidget* dialog) {
        for (const char* choice : {"countChoice9", "hidePredictingChoice", "okButton"})
            click(dialog, choice);
    });
    QVERIFY(m_program->choose(MenuCommand::DataGod));
    const DataGodResultWindow* results = view()->hitCountScreen().resultWindow(2);
    QTRY_VERIFY(results->latestPopup());
    const LatestPredictionPopup* popup = results->latestPopup();
    QList<int> godNumbers;
    for (const QString& number : popup->text().section(QStringLiteral("\n\n"), 1).split(QLatin1Char('.')))
        godNumbers.append(number.trimmed().toInt());
    QCOMPARE(godNumbers.size(), 9);

    click(popup, "wheelButton");
    QCOMPARE(view()->findChildren<WheelWindow*>().size(), 1);
    WheelWindow* window = view()->findChild<WheelWindow*>();
    QVERIFY(window->isVisible());
    QCOMPARE(control<WheelNumberGrid>(window, "poolGrid")->pool(), godNumbers);
}

void TestWheelWindow::wheelBesideAsManyRandomTickets()
{
    QVERIFY(m_program->choose(MenuCommand::Wheel));
    auto* window = view()->findChild<WheelWindow*>();
    QVERIFY(window);
    QList<int> twelve;
    for (int number = 1; number <= 12; ++number)
        twelve.append(number);
    control<WheelNumberGrid>(window, "poolGrid")->setPool(twelve);
    control<QSpinBox>(window, "drawnInPoolSpin")->setValue(3);
    control<QSpinBox>(window, "matchedSpin")->setValue(3);
    // All the time it needs: the search ends by itself at the 15 tickets known to be fewest.
    control<QSpinBox>(window, "secondsSpin")->setValue(WheelWindow::kMaxSeconds);
    QSignalSpy finished(window, &WheelWindow::finished);
    click(window, "makeButton");
    QVERIFY(finished.wait(WheelWindow::kMaxSeconds * 1000));
    QCOMPARE(control<QListWidget>(window, "ticketList")->count(), 15);

    // The wheel gives a prize in fewer draws than fifteen random tickets, with the same average.
    QVERIFY(control<QLabel>(window, "anyPrizeLine")->text().contains(QStringLiteral("：20.4 %")));
    const RandomTicketOdds random = RandomTicketOdds::of(15);
    auto* randomOdds = window->findChild<QLabel*>(QStringLiteral("randomOddsLabel"));
    auto* expected = window->findChild<QLabel*>(QStringLiteral("expectedTicketsLabel"));
    auto* note = window->findChild<QLabel*>(QStringLiteral("wheelNoteLabel"));
    QVERIFY(randomOdds && expected && note);
    QCOMPARE(randomOdds->text(), WheelCompareText::randomOdds(random));
    QVERIFY(randomOdds->text().contains(QStringLiteral("3 個 33.8 %（3 回に１回）")));
    QCOMPARE(expected->text(), WheelCompareText::expectedTickets(random));
    QCOMPARE(control<QTableWidget>(window, "oddsTable")->item(0, 2)->text(),
             WheelText::oddsAverage(random.expectedTickets[3]));
    QCOMPARE(note->text(), WheelCompareText::wheelNote());

    // Each line shows whole inside the window, with ink on it, once the layout has taken the new texts.
    for (QLabel* label : {randomOdds, expected, note})
        verifyShownWhole(label, window);
}

void TestWheelWindow::prizeTableReturnPastDrawsAndWhatTheTicketsWon()
{
    QVERIFY(m_program->choose(MenuCommand::Wheel));
    auto* window = view()->findChild<WheelWindow*>();
    QVERIFY(window);
    control<WheelNumberGrid>(window, "poolGrid")->setPool(kPool);
    control<QSpinBox>(window, "drawnInPoolSpin")->setValue(3);
    control<QSpinBox>(window, "matchedSpin")->setValue(3);
    QSignalSpy finished(window, &WheelWindow::finished);
    click(window, "makeButton");
    QVERIFY(finished.wait(20000));
    const QList<QList<int>> tickets = ticketsShown(control<QListWidget>(window, "ticketList"));
    const int n = int(tickets.size());
    QVERIFY(n > 1);
    CVemoDoc& doc = view()->document();
    control<QTabWidget>(window, "resultPages")->setCurrentIndex(1);
    auto* wheelReturn = control<QLabel>(window, "wheelReturnLabel");
    QVERIFY(wheelReturn->text().isEmpty());

    // Over the stored draws, counted here draw by draw, beside chance from the wheel's exact odds.
    const int draws = doc.history().drawCount();
    QCOMPARE(control<QLabel>(window, "pastHeadingLabel")->text(), ReturnText::pastHeading(draws));
    const WheelOdds odds = WheelOdds::of(tickets);
    const QString past = control<QLabel>(window, "pastClassesLabel")->text();
    for (int k = 3; k <= 6; ++k) {
        int paying = 0;
        for (int draw = 1; draw <= draws; ++draw) {
            QList<int> drawn;
            for (int number = 1; number <= kNumberCount; ++number) {
                if (doc.history().isHit(number, draw))
                    drawn.append(number);
            }
            paying +=
                std::any_of(tickets.begin(), tickets.end(), [&](const QList<int>& t) { return heldOf(t, drawn) == k; });
        }
        const ChanceBand chance = ChanceBand::ofBinomialSum({{draws, odds.payingProbability(k)}});
        QVERIFY2(past.contains(ReturnText::pastClass(k, paying, chance)), qPrintable(past));
    }
    QCOMPARE(control<QLabel>(window, "pastNoteLabel")->text(), ReturnText::pastNote());

    // The table typed into its dialog, kept in the data folder.
    TestProgram::whenModalShows([](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("PrizeTableDialog"));
        QCOMPARE(control<QSpinBox>(modal, "priceSpin")->value(), 200);
        const QList<int> amounts{0, 0, 0, 1000, 6800, 500000, 200000000};
        for (int k = 3; k <= 6; ++k) {
            auto* spin = control<QSpinBox>(modal, QStringLiteral("amountSpin%1").arg(k));
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(amounts[k]));
        }
        GuiSuite::click(modal, "okButton");
    });
    click(window, "prizeTableButton");
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(TestHistory::readFile(doc.paths().prizeTableFile()),
             QByteArray("Kakaku=200\r\n6=200000000\r\n5=500000\r\n4=6800\r\n3=1000\r\n"));

    // The return per draw is n times one ticket's: C(6,k)·C(37,6−k) draws of 6,096,454 pay class k.
    const double oneTicket = (1000.0 * 20 * 7770 + 6800.0 * 15 * 666 + 500000.0 * 6 * 37 + 200000000.0) / 6096454;
    const QString perDraw = QLocale(QLocale::Japanese).toString(n * oneTicket, 'f', 2);
    QVERIFY2(wheelReturn->text().contains(QStringLiteral("この %1 口で %2 円").arg(n).arg(perDraw)),
             qPrintable(wheelReturn->text()));
    QVERIFY(
        wheelReturn->text().contains(QStringLiteral("買う額 %1 円").arg(QLocale(QLocale::Japanese).toString(200 * n))));
    auto* randomReturn = control<QLabel>(window, "randomReturnLabel");
    QVERIFY2(randomReturn->text().contains(QStringLiteral("%1 円").arg(perDraw)), qPrintable(randomReturn->text()));
    auto* note = control<QLabel>(window, "returnNoteLabel");
    QCOMPARE(note->text(), ReturnText::returnNote(n));
    for (QLabel* label : {wheelReturn, randomReturn, note, control<QLabel>(window, "pastClassesLabel"),
                          control<QLabel>(window, "pastNoteLabel")})
        verifyShownWhole(label, window);

    // Bought for the coming draw and that draw entered: the hit-count screen says what the tickets won.
    QVERIFY(!doc.nameRegistrant(1, QStringLiteral("花子")));
    const int coming = draws + 1;
    TestProgram::whenModalShows([](QWidget* modal) {
        auto* registrant = control<QComboBox>(modal, "registrantChoice");
        registrant->setCurrentIndex(registrant->findData(1));
        GuiSuite::click(modal, "okButton");
    });
    click(window, "buyButton");
    m_messages.clear();
    const QList<int>& drawn = tickets.first();
    QVERIFY(!doc.appendDraw(drawn));
    std::array<int, kNumbersPerDraw + 1> byHits{};
    for (const QList<int>& ticket : tickets)
        ++byHits[std::size_t(heldOf(ticket, drawn))];
    QCOMPARE(byHits[6], 1);
    window->close();
    QVERIFY(m_program->choose(MenuCommand::HitCount));
    QTRY_VERIFY(view()->hitCountScreen().resultWindow(1)->isVisible());
    const QString won = PredictText::ticketsWon(coming, n, byHits);
    QCOMPARE(view()->hitCountScreen().panels()[0].ticketsWon, won);
    // Under the panels, right of the note, in the slot's red.
    const QImage screen = TestPixels::grabOf(view());
    const QRect line(QPoint(ScreenScale::x(400), ScreenScale::y(553)),
                     QPoint(ScreenScale::x(799), ScreenScale::y(566)));
    const auto red = [](QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 120 && qBlue(pixel) < 120; };
    const int inked = TestPixels::count(screen, red, line);
    QVERIFY2(inked > 80, qPrintable(QString::number(inked)));
    // None on the panels' side of the screen: the line keeps clear of them and of the note.
    QCOMPARE(TestPixels::count(screen, red,
                               QRect(QPoint(0, ScreenScale::y(553)), QPoint(ScreenScale::x(399), ScreenScale::y(566)))),
             0);
}

QTEST_MAIN(TestWheelWindow)
#include "tst_wheelwindow.moc"
