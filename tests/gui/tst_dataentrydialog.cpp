#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "TestProgram.h"
#include "core/entry/DrawResultText.h"
#include "core/entry/HistoryAverageSigma.h"
#include "core/entry/RegistrantSlots.h"
#include "core/store/DrawHistory.h"
#include "core/store/PathSettings.h"
#include "core/text/ChanceText.h"
#include "core/text/EntryText.h"
#include "core/text/PredictText.h"
#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/DataEntryDialog.h"
#include "gui/entry/NumberCard.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/UpDownControl.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"

namespace {

constexpr int kDraws = 350;

FlagLines withDraw(FlagLines lines, const QList<int>& numbers)
{
    for (int n = 1; n <= kNumberCount; ++n)
        lines[n - 1].append(numbers.contains(n) ? '1' : '0');
    return lines;
}

QString textOf(const QWidget* dialog, QAnyStringView name)
{
    return GuiSuite::control<QLineEdit>(dialog, name)->text();
}

void type(const QWidget* dialog, QAnyStringView name, const QString& text)
{
    QLineEdit* edit = GuiSuite::control<QLineEdit>(dialog, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void spin(const QWidget* dialog, QAnyStringView name, int delta)
{
    auto* arrow = GuiSuite::control<UpDownControl>(dialog, name)
                      ->findChild<QToolButton*>(delta > 0 ? QStringLiteral("rightArrow") : QStringLiteral("leftArrow"));
    QTest::mouseClick(arrow, Qt::LeftButton);
}

QList<int> ticked(const QWidget* dialog)
{
    QList<int> numbers;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (GuiSuite::control<QCheckBox>(dialog, QStringLiteral("numberBox%1").arg(n))->isChecked())
            numbers.append(n);
    }
    return numbers;
}

void tick(const QWidget* dialog, const QList<int>& numbers)
{
    for (int n = 1; n <= kNumberCount; ++n) {
        const QString box = QStringLiteral("numberBox%1").arg(n);
        if (GuiSuite::control<QCheckBox>(dialog, box)->isChecked() != numbers.contains(n))
            GuiSuite::click(dialog, box);
    }
}

QByteArray record(int draw, int index, const QList<int>& numbers)
{
    QByteArray bytes = QByteArray::number(draw).rightJustified(4, '0');
    bytes += QByteArray::number(index).rightJustified(2, '0');
    for (const int n : numbers)
        bytes += QByteArray::number(n).rightJustified(2, '0');
    return bytes;
}

bool hasColour(QWidget* widget, QRgb colour)
{
    return TestPixels::count(widget, TestPixels::colour(colour)) > 0;
}

} // namespace

class TestDataEntryDialog : public GuiSuite {
    Q_OBJECT

public:
    TestDataEntryDialog() : GuiSuite(Unqueued::Agreed) {}

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void historyEditsRoundTrip();
    void appendWaitsForAReaderWithoutFreezing();
    void modifyAsksFirstAndChangesOnlyThatDraw();
    void registrantPredictionsAndBrowsing();
    void handOverAverageAndCard();
    void commandOffersRegistrantThenOpens();
    void homePageMakesWayAndCancelClosesBrowser();

private:
    void startWithRegistrants(const QList<int>& registeredSlots = {}, const PathSettings& browser = {});
    std::unique_ptr<DataEntryDialog> openDialog();

    FlagLines m_lines;
};

void TestDataEntryDialog::initTestCase()
{
    m_lines = TestHistory::randomLines(kDraws, 31);
}

void TestDataEntryDialog::cleanup()
{
    stopProgram();
}

void TestDataEntryDialog::startWithRegistrants(const QList<int>& registeredSlots, const PathSettings& browser)
{
    RegistrantSlots slots(makeInstall(m_lines));
    for (const int slot : registeredSlots)
        QVERIFY(!slots.setName(slot, QStringLiteral("登録%1").arg(slot)));
    QVERIFY(!browser.writePathData(m_install->paths().pathDataFile()));
    QVERIFY(startProgram());
}

std::unique_ptr<DataEntryDialog> TestDataEntryDialog::openDialog()
{
    auto dialog = frame()->commands().makeDataEntryDialog();
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void TestDataEntryDialog::historyEditsRoundTrip()
{
    startWithRegistrants();
    const auto dialog = openDialog();
    QVERIFY(dialog);
    const DrawHistory& history = view()->document().history();
    const QByteArray original = m_install->historyBytes();

    QCOMPARE(dialog->windowTitle(), EntryText::dataEntryTitle());
    QVERIFY(control(dialog.get(), "okButton")->isHidden());
    QCOMPARE(textOf(dialog.get(), "drawField"), QStringLiteral("351"));
    QCOMPARE(textOf(dialog.get(), "browsedDrawEdit"), QStringLiteral("350"));
    QCOMPARE(textOf(dialog.get(), "resultEdit"), DrawResultText::of(history, kDraws).text);
    const HistoryAverageSigma statistics = HistoryAverageSigma::of(history);
    QCOMPARE(textOf(dialog.get(), "averageEdit"), statistics.averageText());
    QCOMPARE(textOf(dialog.get(), "sigmaEdit"), statistics.sigmaText());
    // Beside the figures: they do not make any six numbers likelier.
    const auto labels = dialog->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->isVisible() && label->text() == ChanceText::equallyLikely();
    }));
    for (int slot = 1; slot <= kRegistrantSlots; ++slot)
        QCOMPARE(textOf(dialog.get(), QStringLiteral("predictionDrawEdit%1").arg(slot)), QStringLiteral("---"));

    // Five or seven ticks: the message, nothing written, the ticks kept.
    for (const QList<int>& wrong : {QList<int>{1, 2, 3, 4, 5}, QList<int>{1, 2, 3, 4, 5, 6, 7}}) {
        tick(dialog.get(), wrong);
        click(dialog.get(), "appendButton");
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.takeFirst().text, StoreText::notSixNumbers().text);
        QCOMPARE(ticked(dialog.get()), wrong);
        QCOMPARE(m_install->historyBytes(), original);
    }

    const QList<int> numbers{1, 5, 17, 22, 40, 43};
    tick(dialog.get(), numbers);
    click(dialog.get(), "appendButton");
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_install->historyBytes(), HistoryFormat::serialize(withDraw(m_lines, numbers)));
    QVERIFY(ticked(dialog.get()).isEmpty());
    QCOMPARE(textOf(dialog.get(), "drawField"), QStringLiteral("352"));
    QCOMPARE(textOf(dialog.get(), "browsedDrawEdit"), QStringLiteral("351"));
    QCOMPARE(textOf(dialog.get(), "resultEdit"), QStringLiteral("1. 5. 17. 22. 40. 43"));
    QCOMPARE(MainMenu::findCommand(frame(), MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(351));
    // A note beside the menu says what happened, and goes by itself.
    const QLabel* note = frame()->findChild<QLabel*>(QStringLiteral("statusNote"));
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), StoreText::drawAppendedNote(351));

    // Declined, then confirmed: the confirmation names the newest draw.
    queueAnswers({Answer::No});
    click(dialog.get(), "deleteLastButton");
    QCOMPARE(m_messages.takeFirst().text, StoreText::confirmDeleteLast(351).text);
    QCOMPARE(history.drawCount(), 351);
    click(dialog.get(), "deleteLastButton");
    QCOMPARE(m_messages.takeFirst().text, StoreText::confirmDeleteLast(351).text);
    QCOMPARE(m_install->historyBytes(), original);
    QCOMPARE(textOf(dialog.get(), "drawField"), QStringLiteral("351"));
    QCOMPARE(MainMenu::findCommand(frame(), MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(350));
    QCOMPARE(note->text(), StoreText::drawDeletedNote(351));
    QTRY_VERIFY_WITH_TIMEOUT(note->text().isEmpty(), 10000);
}

// Another program reading the history keeps a change waiting: the window says so and stays alive, 中止 stops
// the change with nothing written, and once the reader is done the change goes in by itself.
void TestDataEntryDialog::appendWaitsForAReaderWithoutFreezing()
{
    startWithRegistrants();
    const auto dialog = openDialog();
    QVERIFY(dialog);
    const QString historyFile = m_install->paths().historyFile();
    const QByteArray original = m_install->historyBytes();
    auto reader = DrawHistory::open(historyFile, DrawHistory::Access::Read);
    QVERIFY(reader.ok());
    const QList<int> numbers{1, 5, 17, 22, 40, 43};

    int beats = 0;
    QTimer heartbeat;
    connect(&heartbeat, &QTimer::timeout, this, [&beats] { ++beats; });
    heartbeat.start(10);
    TestProgram::whenModalShows([&beats](QWidget* note) {
        QCOMPARE(note->objectName(), QStringLiteral("lockWaitNote"));
        const int before = beats;
        QTRY_VERIFY(beats >= before + 3);
        auto* stop = note->findChild<QPushButton*>();
        QVERIFY(stop && stop->text() == QStringLiteral("中止"));
        stop->click();
    });
    tick(dialog.get(), numbers);
    click(dialog.get(), "appendButton");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.takeFirst().text,
             StoreText::historyWriteFailed(historyFile, StoreText::systemReason(EWOULDBLOCK)).text);
    QCOMPARE(m_install->historyBytes(), original);
    QCOMPARE(ticked(dialog.get()), numbers);

    TestProgram::whenModalShows([&reader](QWidget* note) {
        reader.value().reset();
        QTRY_VERIFY(!note->isVisible());
    });
    click(dialog.get(), "appendButton");
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_install->historyBytes(), HistoryFormat::serialize(withDraw(m_lines, numbers)));
}

void TestDataEntryDialog::modifyAsksFirstAndChangesOnlyThatDraw()
{
    startWithRegistrants();
    const auto dialog = openDialog();
    QVERIFY(dialog);
    const QByteArray original = m_install->historyBytes();

    // The field shows the typed draw's numbers; anything that names no draw shows none.
    type(dialog.get(), "drawField", QStringLiteral("3"));
    QList<int> drawThree;
    for (int n = 1; n <= kNumberCount; ++n)
        if (m_lines[n - 1][2] == '1')
            drawThree.append(n);
    QCOMPARE(ticked(dialog.get()), drawThree);
    for (const QString& nothing :
         {QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("abc"), QStringLiteral("352")}) {
        type(dialog.get(), "drawField", nothing);
        QVERIFY2(ticked(dialog.get()).isEmpty(), qPrintable(nothing));
    }

    // Not a stored draw: asked, then refused with the range.
    tick(dialog.get(), {2, 4, 6, 8, 10, 12});
    for (const QString& wrong : {QString(), QStringLiteral("abc"), QStringLiteral("351")}) {
        type(dialog.get(), "drawField", wrong);
        tick(dialog.get(), {2, 4, 6, 8, 10, 12});
        click(dialog.get(), "modifyButton");
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(m_messages.takeFirst().text, StoreText::confirmModify(wrong).text);
        QCOMPARE(m_messages.takeFirst().text, StoreText::noSuchDraw(wrong, kDraws).text);
    }

    type(dialog.get(), "drawField", QStringLiteral("3"));
    const QList<int> replacement{2, 4, 6, 8, 10, 12};
    // Declined: nothing; five ticks: asked first, then refused.
    tick(dialog.get(), replacement);
    queueAnswers({Answer::No});
    click(dialog.get(), "modifyButton");
    expectMessage(StoreText::confirmModify(QStringLiteral("3")));
    tick(dialog.get(), {2, 4, 6, 8, 10});
    click(dialog.get(), "modifyButton");
    QCOMPARE(m_messages.takeFirst().caption, StoreText::confirmModify(QStringLiteral("3")).caption);
    QCOMPARE(m_messages.takeFirst().text, StoreText::notSixNumbers().text);
    QCOMPARE(m_install->historyBytes(), original);

    tick(dialog.get(), replacement);
    click(dialog.get(), "modifyButton");
    QCOMPARE(m_messages.size(), 1);
    const QByteArray changed = m_install->historyBytes();
    QCOMPARE(changed.size(), original.size());
    int differing = 0;
    for (qsizetype i = 0; i < changed.size(); ++i) {
        if (changed[i] == original[i])
            continue;
        ++differing;
        const int number = int(i / (kDraws + 6)) + 1;
        QCOMPARE(i, qsizetype((number - 1) * (kDraws + 6) + 3 + 3));
    }
    QVERIFY(differing > 0);
    std::array<bool, kNumberCount> replaced{};
    for (const int n : replacement)
        replaced[std::size_t(n - 1)] = true;
    QCOMPARE(view()->document().history().drawSelection(3), replaced);
    QVERIFY(ticked(dialog.get()).isEmpty());
    QCOMPARE(textOf(dialog.get(), "drawField"), QStringLiteral("351"));
}

void TestDataEntryDialog::registrantPredictionsAndBrowsing()
{
    startWithRegistrants({2, 4});
    const RegistrantSlots& slots = view()->document().registrants();
    const QString fileTwo = slots.predictionFile(2).path();
    QVERIFY(slots.predictionFile(2).appendPrediction(350, {3, 11, 19, 27, 35, 42}, kDraws).ok());
    QVERIFY(slots.predictionFile(2).appendPrediction(350, {1, 2, 3, 4, 5, 6}, kDraws).ok());
    QVERIFY(slots.predictionFile(2).appendPrediction(351, {7, 8, 9, 10, 11, 12}, kDraws).ok());
    const QByteArray before = TestHistory::readFile(fileTwo);

    auto dialog = openDialog();
    QVERIFY(dialog);
    // The lowest registered registrant is ticked; free slots cannot be chosen or entered for.
    auto* radios = control<QAbstractButton>(dialog.get(), "registrantRadio2")->group();
    QCOMPARE(radios->checkedId(), 2);
    for (const char* free : {"registrantRadio1", "registrantRadio3", "registrantRadio5"})
        QVERIFY(!control(dialog.get(), free)->isEnabled());
    QVERIFY(!control(dialog.get(), "registrantButton1")->isEnabled());
    QVERIFY(control(dialog.get(), "registrantButton2")->isEnabled());
    QCOMPARE(textOf(dialog.get(), "predictionDrawEdit1"), QStringLiteral("---"));
    QCOMPARE(textOf(dialog.get(), "predictionDrawEdit2"), QStringLiteral("351"));
    QCOMPARE(textOf(dialog.get(), "predictionDrawEdit4"), QStringLiteral("0"));
    // The registrant buttons in their slots' colours.
    QVERIFY(hasColour(control(dialog.get(), "registrantButton2"), qRgb(0, 128, 0)));
    QVERIFY(hasColour(control(dialog.get(), "registrantButton4"), qRgb(0, 0, 255)));

    QCOMPARE(textOf(dialog.get(), "predictionLabelEdit"), EntryText::predictionLabel(2));
    QCOMPARE(textOf(dialog.get(), "predictionEdit"), QStringLiteral("1. 2. 3. 4. 5. 6"));
    spin(dialog.get(), "predictionSpin", +1);
    QCOMPARE(textOf(dialog.get(), "predictionLabelEdit"), EntryText::predictionLabel(2));
    spin(dialog.get(), "predictionSpin", -1);
    QCOMPARE(textOf(dialog.get(), "predictionEdit"), QStringLiteral("3. 11. 19. 27. 35. 42"));
    spin(dialog.get(), "predictionSpin", -1);
    QCOMPARE(textOf(dialog.get(), "predictionLabelEdit"), EntryText::predictionLabel(1));
    spin(dialog.get(), "predictionSpin", +1);
    QCOMPARE(textOf(dialog.get(), "predictionLabelEdit"), EntryText::predictionLabel(2));

    // The draw spin goes on to the registrant's predicted draw 351, whose result is not known yet.
    spin(dialog.get(), "drawSpin", +1);
    spin(dialog.get(), "drawSpin", +1);
    QCOMPARE(textOf(dialog.get(), "browsedDrawEdit"), QStringLiteral("351"));
    QCOMPARE(textOf(dialog.get(), "resultEdit"), EntryText::missingResult());
    QCOMPARE(textOf(dialog.get(), "predictionEdit"), QStringLiteral("7. 8. 9. 10. 11. 12"));
    // Registrant 4 has predicted nothing: the spin stops at the newest draw.
    click(dialog.get(), "registrantRadio4");
    QCOMPARE(textOf(dialog.get(), "predictionEdit"), EntryText::missingPrediction());
    QVERIFY(!control(dialog.get(), "predictionSpin")->isEnabled());
    spin(dialog.get(), "drawSpin", -1);
    QTest::keyClick(control(dialog.get(), "browsedDrawEdit"), Qt::Key_Down);
    QCOMPARE(textOf(dialog.get(), "browsedDrawEdit"), QStringLiteral("349"));
    QTest::keyClick(control(dialog.get(), "browsedDrawEdit"), Qt::Key_Up);
    QTest::keyClick(control(dialog.get(), "browsedDrawEdit"), Qt::Key_Up);
    QCOMPARE(textOf(dialog.get(), "browsedDrawEdit"), QStringLiteral("350"));
    for (int i = 0; i < 400; ++i)
        spin(dialog.get(), "drawSpin", -1);
    QCOMPARE(textOf(dialog.get(), "browsedDrawEdit"), QStringLiteral("1"));
    QVERIFY(m_messages.isEmpty());

    // Deleting registrant 2's shown prediction 2 of draw 350 leaves prediction 1 and draw 351.
    click(dialog.get(), "registrantRadio2");
    for (int i = 0; i < 349; ++i)
        spin(dialog.get(), "drawSpin", +1);
    QCOMPARE(textOf(dialog.get(), "predictionLabelEdit"), EntryText::predictionLabel(2));
    click(dialog.get(), "deletePredictionButton");
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(TestHistory::readFile(fileTwo), before.left(18) + before.mid(36));
    QCOMPARE(textOf(dialog.get(), "predictionLabelEdit"), EntryText::predictionLabel(1));

    // Predictions: the coming draw at most; text that is no draw number is refused with the range.
    const QList<int> numbers{4, 9, 16, 25, 36, 41};
    const QByteArray fileFour = TestHistory::readFile(slots.predictionFile(4).path());
    for (const QString& wrong : {QStringLiteral("352"), QStringLiteral("abc"), QString()}) {
        tick(dialog.get(), numbers);
        type(dialog.get(), "predictionDrawEdit4", wrong);
        click(dialog.get(), "registrantButton4");
        QCOMPARE(m_messages.size(), 1);
        const UserMessage expected = wrong == QStringLiteral("352") ? EntryText::predictionDrawTooLarge()
                                                                    : EntryText::predictionDrawTooSmall(351);
        expectMessage(expected);
        QCOMPARE(TestHistory::readFile(slots.predictionFile(4).path()), fileFour);
        QVERIFY(dialog->isVisible());
    }
    tick(dialog.get(), {1, 2, 3, 4, 5});
    type(dialog.get(), "predictionDrawEdit4", QStringLiteral("351"));
    click(dialog.get(), "registrantButton4");
    QCOMPARE(m_messages.takeFirst().text, EntryText::predictionNotSixNumbers().text);

    tick(dialog.get(), numbers);
    QSignalSpy entered(dialog.get(), &DataEntryDialog::predictionEntered);
    click(dialog.get(), "registrantButton4");
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(TestHistory::readFile(slots.predictionFile(4).path()), record(351, 1, numbers));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(entered.size(), 1);
    QCOMPARE(entered[0][0].toInt(), 351);
    QCOMPARE(entered[0][1].value<QList<int>>(), numbers);
    QCOMPARE(view()->state().displayMode, DisplayMode::HistoryGraph);

    // Opened again, the radio buttons start from the lowest registrant once more.
    dialog = openDialog();
    QCOMPARE(control<QAbstractButton>(dialog.get(), "registrantRadio2")->group()->checkedId(), 2);
    QCOMPARE(textOf(dialog.get(), "predictionDrawEdit4"), QStringLiteral("351"));
}

void TestDataEntryDialog::handOverAverageAndCard()
{
    startWithRegistrants();
    SelectionHandOver& handOver = frame()->commands().selectionHandOver();
    handOver.handedOver = true;
    handOver.ticks = {};
    for (const int n : {1, 2, 3, 4, 5, 6})
        handOver.ticks[std::size_t(n - 1)] = true;
    const auto dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(ticked(dialog.get()), (QList<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(textOf(dialog.get(), "selectionEdit"), QStringLiteral("【 平 均 】 3.5    【 σ 値 】 1.7078"));

    tick(dialog.get(), {2, 4, 6, 8, 10});
    click(dialog.get(), "averageButton");
    expectMessage(EntryText::averageNotSixNumbers());
    QCOMPARE(textOf(dialog.get(), "selectionEdit"), QStringLiteral("【 平 均 】 3.5    【 σ 値 】 1.7078"));
    tick(dialog.get(), {2, 4, 6, 8, 10, 12});
    click(dialog.get(), "averageButton");
    QVERIFY(textOf(dialog.get(), "selectionEdit").startsWith(QStringLiteral("【 平 均 】 7.    【 σ 値 】 ")));

    // The card button hands the ticks over, ends the dialog and opens the card.
    tick(dialog.get(), {5, 15, 25, 35, 43});
    click(dialog.get(), "cardButton");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(handOver.handedOver);
    std::array<bool, kNumberCount> expected{};
    for (const int n : {5, 15, 25, 35, 43})
        expected[std::size_t(n - 1)] = true;
    QCOMPARE(handOver.ticks, expected);
    QVERIFY(frame()->commands().numberCard());
    QVERIFY(m_messages.isEmpty());
}

void TestDataEntryDialog::commandOffersRegistrantThenOpens()
{
    startWithRegistrants();
    queueAnswers({Answer::No});
    DataEntryDialog* shown = nullptr;
    QString helpText;
    QStringList placeholders;
    QTimer::singleShot(0, this, [&] {
        shown = qobject_cast<DataEntryDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        // Help popups by control, at the pointer.
        helpText = helpTextOf(control(shown, "cancelButton"));
        // Every button shows its own picture, none the placeholder.
        for (const char* button : {"appendButton", "averageButton", "deleteLastButton", "modifyButton", "cardButton",
                                   "homePageButton", "cancelButton", "deletePredictionButton", "registrantRadio1"})
            if (hasColour(control(shown, button), qRgb(255, 0, 255)))
                placeholders.append(QString::fromLatin1(button));
        click(shown, "cancelButton");
    });
    frame()->commands().run(MenuCommand::DataEntry);
    QVERIFY(shown);
    QCOMPARE(helpText, HelpText::cancelButtonPopup());
    QCOMPARE(placeholders, QStringList());
    expectMessage(PredictText::registrantOffer());
    QVERIFY(m_messages.isEmpty());
}

void TestDataEntryDialog::homePageMakesWayAndCancelClosesBrowser()
{
    QTemporaryDir logDir;
    const QString log = logDir.filePath(QStringLiteral("browser.log"));
    qputenv("FAKE_BROWSER_LOG", QFile::encodeName(log));
    startWithRegistrants({},
                         PathSettings{QStringLiteral(FAKE_BROWSER_PATH), QStringLiteral("https://example.com/vemo6")});

    auto dialog = openDialog();
    QVERIFY(dialog);
    click(dialog.get(), "homePageButton");
    QVERIFY(frame()->madeWayForBrowser());
    QCOMPARE(frame()->pos(), QPoint(ScreenScale::width() - frame()->width(), 0));
    QTRY_VERIFY(TestHistory::readFile(log).contains("ready"));
    QVERIFY(TestHistory::readFile(log).startsWith("https://example.com/vemo6\n"));
    click(dialog.get(), "cancelButton");
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!frame()->madeWayForBrowser());
    QCOMPARE(frame()->pos(), QPoint(0, 0));
    QTRY_VERIFY(TestHistory::readFile(log).contains("terminated"));

    // An address the browser could take for an option: the message, and nothing moves or starts.
    dialog.reset();
    cleanup();
    QFile::remove(log);
    const QString option = QStringLiteral("-cimport os;os.system('id')");
    startWithRegistrants({}, PathSettings{QStringLiteral(FAKE_BROWSER_PATH), option});
    dialog = openDialog();
    click(dialog.get(), "homePageButton");
    expectMessage(BrowserText::pageRefused(option));
    QVERIFY(!frame()->madeWayForBrowser());
    QVERIFY(!QFile::exists(log));

    // Without a browser: the message, and the window comes back however the dialog ends.
    dialog.reset();
    cleanup();
    startWithRegistrants();
    dialog = openDialog();
    click(dialog.get(), "homePageButton");
    expectMessage(BrowserText::notRegistered());
    QVERIFY(frame()->madeWayForBrowser());
    QTest::keyClick(control(dialog.get(), "numberBox1"), Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!frame()->madeWayForBrowser());
}

QTEST_MAIN(TestDataEntryDialog)
#include "tst_dataentrydialog.moc"
