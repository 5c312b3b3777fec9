#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/predict/PredictValueText.h"
#include "core/text/PredictText.h"
#include "gui/kit/ViewText.h"
#include "gui/predict/DataGodSettingsDialog.h"
#include "gui/predict/DataGodText.h"
#include "gui/predict/PredictingWindow.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

using namespace std::chrono_literals;

namespace {

constexpr int kDraws = 150;
// Records for draws 100 … 151.
constexpr int kRecords = kDraws - 98;

// The names of the checked buttons, in the order of the alphabet.
QStringList checkedChoices(QWidget* dialog)
{
    QStringList names;
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
        if (button->isChecked())
            names.append(button->objectName());
    }
    names.sort();
    return names;
}

QString weightShown(QWidget* dialog)
{
    return GuiSuite::control<QLabel>(dialog, "weightDisplay")->text();
}

} // namespace

class TestDataGodSettings : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void firstOpeningAndCancelKeepChoices();
    void okSendsTheRequestAndWritesTheFiles_data();
    void okSendsTheRequestAndWritesTheFiles();
    void predictingWindowAnimatesAndCancelEndsTheWait();
    void failedWriteChangesNothing();
    void groupWithoutChoiceKeepsTheDialogOpen();

private:
    void callDataGods() { MainMenu::findCommand(frame(), MenuCommand::DataGod)->trigger(); }
    QString godFile(int slot, int count) const
    {
        return m_install->paths().dataGodFile(PredictText::dataGods()[std::size_t(slot - 1)].prefix, count);
    }
    void verifyOnlyFilesOf(int count) const;

    FlagLines m_lines;
};

void TestDataGodSettings::initTestCase()
{
    m_lines = TestHistory::randomLines(kDraws, 19);
}

void TestDataGodSettings::init()
{
    PredictingWindow::setDisplayTime(50ms);
    QVERIFY(startProgram(m_lines));
}

void TestDataGodSettings::cleanup()
{
    stopProgram();
    PredictingWindow::setDisplayTime(std::nullopt);
}

void TestDataGodSettings::verifyOnlyFilesOf(int count) const
{
    for (int c = DataGodSettings::kMinCount; c <= DataGodSettings::kMaxCount; ++c) {
        for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot) {
            const QByteArray bytes = TestHistory::readFile(godFile(slot, c));
            QVERIFY(QFileInfo::exists(godFile(slot, c)));
            if (c != count) {
                QCOMPARE(bytes.size(), 0);
                continue;
            }
            QCOMPARE(bytes.size(), kRecords * (2 * count + 6));
            QVERIFY(bytes.startsWith("010001"));
            QVERIFY(bytes.mid((kRecords - 1) * (2 * count + 6))
                        .startsWith(QByteArray::number(kDraws + 1).rightJustified(4, '0')));
        }
    }
}

void TestDataGodSettings::firstOpeningAndCancelKeepChoices()
{
    const QStringList initial{QStringLiteral("amountChoice1"), QStringLiteral("countChoice6"),
                              QStringLiteral("frequentChoice"), QStringLiteral("showPredictingChoice")};
    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), DataGodText::settingsTitle());
        QCOMPARE(checkedChoices(&dialog), initial);
        QCOMPARE(weightShown(&dialog), QStringLiteral("10"));
        QCOMPARE(control<QAbstractButton>(&dialog, "amountChoice5")->text(), QStringLiteral("全部"));
        QCOMPARE(control<QAbstractButton>(&dialog, "rareChoice")->text(), DataGodText::preferRare());
        QCOMPARE(control<QAbstractButton>(&dialog, "hidePredictingChoice")->text(), DataGodText::hidePredicting());
        // Every choice fits its button: no text is cut off.
        for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));

        // The help popups: the OK button's name, the Cancel button's sentence,
        // nothing for the others.
        QCOMPARE(helpTextOf(control(&dialog, "okButton")), QStringLiteral("IDOK"));
        QCOMPARE(helpTextOf(control(&dialog, "cancelButton")), QStringLiteral("ダイアログを終了します。"));
        QCOMPARE(helpTextOf(control(&dialog, "countChoice12")), QString());

        click(&dialog, "countChoice9");
        click(&dialog, "amountChoice4");
        click(&dialog, "rareChoice");
        click(&dialog, "hidePredictingChoice");
        auto* spin = control<QWidget>(&dialog, "weightSpin");
        QToolButton* left = spin->findChildren<QToolButton*>().value(0);
        for (int i = 0; i < 15; ++i)
            QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(weightShown(&dialog), QStringLiteral("0"));
        QCOMPARE(checkedChoices(&dialog),
                 (QStringList{QStringLiteral("amountChoice4"), QStringLiteral("countChoice9"),
                              QStringLiteral("hidePredictingChoice"), QStringLiteral("rareChoice")}));
        click(&dialog, "cancelButton");
    });
    callDataGods();

    // The command switched to the data-god screen with nothing computed, and
    // cancelling wrote nothing.
    QVERIFY(view()->state().dataGodMode);
    QVERIFY(view()->state().hitScreenActive());
    QCOMPARE(view()->state().predictionCount, DataGodSettings::kNothingComputed);
    QVERIFY(frame()->windowTitle().startsWith(ViewText::registrantsTitle(QString())));
    QVERIFY(!QFileInfo::exists(godFile(1, 6)));
    QVERIFY(m_messages.isEmpty());

    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        QCOMPARE(checkedChoices(&dialog), initial);
        QCOMPARE(weightShown(&dialog), QStringLiteral("10"));
        click(&dialog, "cancelButton");
    });
    callDataGods();
}

void TestDataGodSettings::okSendsTheRequestAndWritesTheFiles_data()
{
    QTest::addColumn<QString>("countChoice");
    QTest::addColumn<QString>("amountChoice");
    QTest::addColumn<QString>("priorityChoice");
    QTest::addColumn<int>("weightSteps");
    QTest::addColumn<QString>("predictingChoice");
    QTest::addColumn<DataGodSettings>("chosen");
    QTest::newRow("9, 200, rare, 5, shown")
        << QStringLiteral("countChoice9") << QStringLiteral("amountChoice4") << QStringLiteral("rareChoice") << -5
        << QStringLiteral("showPredictingChoice") << DataGodSettings{9, 200, false, 5, true};
    QTest::newRow("6, 50, frequent, 0, hidden")
        << QStringLiteral("countChoice6") << QStringLiteral("amountChoice1") << QStringLiteral("frequentChoice") << -12
        << QStringLiteral("hidePredictingChoice") << DataGodSettings{6, 50, true, 0, false};
    QTest::newRow("13, all, rare, 20, shown")
        << QStringLiteral("countChoice13") << QStringLiteral("amountChoice5") << QStringLiteral("rareChoice") << 12
        << QStringLiteral("showPredictingChoice") << DataGodSettings{13, 900, false, 20, true};
}

void TestDataGodSettings::okSendsTheRequestAndWritesTheFiles()
{
    QFETCH(QString, countChoice);
    QFETCH(QString, amountChoice);
    QFETCH(QString, priorityChoice);
    QFETCH(int, weightSteps);
    QFETCH(QString, predictingChoice);
    QFETCH(DataGodSettings, chosen);
    const int count = chosen.predictionCount;

    // A result of another count, left from an earlier run, is emptied.
    TestHistory::writeFile(godFile(3, count == 6 ? 7 : 6), QByteArray("0100010102030405060708"));
    std::unique_ptr<QSignalSpy> requests;
    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        requests = std::make_unique<QSignalSpy>(&dialog, &DataGodSettingsDialog::dataGodRequested);
        click(&dialog, countChoice);
        click(&dialog, amountChoice);
        click(&dialog, priorityChoice);
        click(&dialog, predictingChoice);
        const QList<QToolButton*> arrows = control<QWidget>(&dialog, "weightSpin")->findChildren<QToolButton*>();
        for (int i = 0; i < qAbs(weightSteps); ++i)
            QTest::mouseClick(arrows.value(weightSteps < 0 ? 0 : 1), Qt::LeftButton);
        click(&dialog, "okButton");
    });
    callDataGods();

    QVERIFY(requests);
    QCOMPARE(requests->count(), 1);
    QVERIFY(requests->first().at(0).value<DataGodSettings>() == chosen);
    verifyOnlyFilesOf(count);
    QVERIFY(m_messages.isEmpty());

    const MainViewState& state = view()->state();
    QCOMPARE(state.predictionCount, count);
    QVERIFY(state.dataGodMode);
    QCOMPARE(state.displayMode, DisplayMode::HitCount);
    QCOMPARE(frame()->windowTitle(), PredictText::computeStatus(state.dataGodChoices) + frame()->titleSuffix());

    // The choices are remembered for the next opening.
    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        QStringList remembered{countChoice, amountChoice, priorityChoice, predictingChoice};
        remembered.sort();
        QCOMPARE(checkedChoices(&dialog), remembered);
        QCOMPARE(weightShown(&dialog), QString::number(chosen.appearanceWeight));
        click(&dialog, "cancelButton");
    });
    callDataGods();
    QVERIFY(frame()->windowTitle().startsWith(
        QStringLiteral("＊＊ ヌルガタ ＊＊        （ データ神の予想数は %1個").arg(count)));
}

void TestDataGodSettings::predictingWindowAnimatesAndCancelEndsTheWait()
{
    // Far longer than the test may take, however busy the machine: only Cancel can end the wait within half of it.
    constexpr std::chrono::milliseconds kWait = 1h;
    PredictingWindow::setDisplayTime(kWait);
    bool checked = false;
    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        TestProgram::whenModalShows<PredictingWindow>([&](PredictingWindow& window) {
            // Centred, in front of everything, and the only window that takes input.
            QCOMPARE(QApplication::activeModalWidget(), &window);
            QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(window.frameGeometry().center(), window.screen()->geometry().center());
            QVERIFY(!control<QLabel>(&window, "banner")->pixmap().isNull());
            for (int i = 1; i <= 5; ++i) {
                QWidget* animation = control<QWidget>(&window, QStringLiteral("animation%1").arg(i));
                QVERIFY(animation && animation->isVisible());
                // A frame may come round again, and a busy machine may be late: the picture has to move, at
                // some time within two seconds.
                const QImage before = TestPixels::grabOf(animation);
                QTRY_VERIFY2_WITH_TIMEOUT(TestPixels::grabOf(animation) != before, qPrintable(animation->objectName()),
                                          2000);
            }
            checked = true;
            click(&window, "cancelButton");
        });
        click(&dialog, "countChoice9");
        click(&dialog, "okButton");
    });
    QElapsedTimer elapsed;
    elapsed.start();
    callDataGods();

    QVERIFY(checked);
    QVERIFY(elapsed.elapsed() < (kWait / 2).count());
    verifyOnlyFilesOf(9);
    QTRY_VERIFY(!frame()->findChild<PredictingWindow*>());
    QCOMPARE(view()->state().predictionCount, 9);

    // With "表示しない" there is no window, so none of its minute of waiting either.
    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        click(&dialog, "countChoice11");
        click(&dialog, "hidePredictingChoice");
        click(&dialog, "okButton");
    });
    elapsed.restart();
    callDataGods();
    QVERIFY(elapsed.elapsed() < (kWait / 2).count());
    verifyOnlyFilesOf(11);
}

void TestDataGodSettings::failedWriteChangesNothing()
{
    // A folder where a result file belongs: the write fails before any file
    // changes.
    TestHistory::writeFile(godFile(1, 8), QByteArray("0100010102030405060708091011"));
    QVERIFY(QDir().mkpath(godFile(2, 12)));
    TestProgram::whenModalShows<DataGodSettingsDialog>([&](DataGodSettingsDialog& dialog) {
        click(&dialog, "hidePredictingChoice");
        click(&dialog, "okButton");
    });
    callDataGods();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().caption, PredictText::predictionFileWriteFailed(QString(), QString()).caption);
    QCOMPARE(TestHistory::readFile(godFile(1, 8)), QByteArray("0100010102030405060708091011"));
    QVERIFY(!QFileInfo::exists(godFile(1, 6)));
    QCOMPARE(view()->state().predictionCount, DataGodSettings::kNothingComputed);
    QCOMPARE(frame()->windowTitle(), ViewText::registrantsTitle(frame()->titleSuffix()));
}

void TestDataGodSettings::groupWithoutChoiceKeepsTheDialogOpen()
{
    // Remembered choices that match no button leave their groups unchecked.
    DataGodSettings choices;
    choices.predictionCount = 0;
    choices.dataAmount = 75;
    DataGodSettingsDialog dialog(choices);
    QSignalSpy requests(&dialog, &DataGodSettingsDialog::dataGodRequested);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click(&dialog, "okButton");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.last().text, DataGodText::chooseCount().text);
    QCOMPARE(m_messages.last().caption, QStringLiteral("データ神より"));
    click(&dialog, "countChoice12");
    click(&dialog, "okButton");
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.last().text, DataGodText::chooseAmount().text);
    QVERIFY(dialog.isVisible());
    QCOMPARE(requests.count(), 0);
    QCOMPARE(choices.predictionCount, 0);

    click(&dialog, "amountChoice3");
    click(&dialog, "okButton");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(requests.count(), 1);
    QVERIFY(requests.first().at(0).value<DataGodSettings>() == (DataGodSettings{12, 150, true, 10, true}));
    QVERIFY(choices == (DataGodSettings{12, 150, true, 10, true}));
}

QTEST_MAIN(TestDataGodSettings)
#include "tst_datagodsettings.moc"
