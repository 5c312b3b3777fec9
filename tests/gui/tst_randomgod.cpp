#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/predict/Oracle.h"
#include "gui/kit/BitmapButton.h"
#include "gui/oracle/RandomGodDialog.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

namespace {

const QDate kSixthOfDecember(2026, 12, 6);

bool isGold(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 140 && qGreen(pixel) < 200 && qBlue(pixel) < 80;
}

bool isPureRed(QRgb pixel)
{
    return qRed(pixel) > 230 && qGreen(pixel) < 40 && qBlue(pixel) < 40;
}

} // namespace

class TestRandomGod : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void birthdayColourAndNumberAnswerByTheDate();
    void menuJumpsToEachModeInOneDialog();

private:
    RandomGodDialog* command(MenuCommand which) const;
    RandomGodDialog* openDialog() const { return frame()->findChild<RandomGodDialog*>(); }
    template <typename T = QWidget>
    T* control(const char* name) const;
    QList<int> answer() const;
    bool shows(const char* name) const;
    void click(const char* name) const;
    void spin(const char* name, const char* arrow, int times) const;
    QString helpTextOf(const char* name) const;

    QDateTime m_now;
};

void TestRandomGod::initTestCase()
{
    RandomGodDialog::setClock([this] { return m_now; });
}

void TestRandomGod::init()
{
    m_now = QDateTime(kSixthOfDecember, QTime(21, 30, 15));
    QVERIFY(startProgram(TestHistory::randomLines(120, 5)));
}

void TestRandomGod::cleanup()
{
    if (RandomGodDialog* open = openDialog())
        open->close();
    stopProgram();
}

RandomGodDialog* TestRandomGod::command(MenuCommand which) const
{
    if (!m_program->choose(which))
        return nullptr;
    const QList<RandomGodDialog*> dialogs = frame()->findChildren<RandomGodDialog*>();
    return dialogs.size() == 1 && dialogs.first()->isVisible() ? dialogs.first() : nullptr;
}

template <typename T>
T* TestRandomGod::control(const char* name) const
{
    RandomGodDialog* open = openDialog();
    return open ? open->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

QList<int> TestRandomGod::answer() const
{
    QList<int> numbers;
    for (int i = 1; i <= Oracle::kAnswerSize; ++i) {
        const auto* label = control<QLabel>(qPrintable(QStringLiteral("answer%1").arg(i)));
        if (!label || !label->isVisible())
            return {};
        numbers.append(label->text().toInt());
    }
    return numbers;
}

bool TestRandomGod::shows(const char* name) const
{
    const QWidget* widget = control(name);
    return widget && widget->isVisible();
}

void TestRandomGod::click(const char* name) const
{
    QWidget* button = control(name);
    QVERIFY2(button && button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestRandomGod::spin(const char* name, const char* arrow, int times) const
{
    auto* spinControl = control(name);
    QVERIFY2(spinControl, name);
    auto* button = spinControl->findChild<QToolButton*>(QString::fromLatin1(arrow));
    QVERIFY(button);
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

QString TestRandomGod::helpTextOf(const char* name) const
{
    // F1 on the control, the pointer away from the dialog, asks about that control.
    QCursor::setPos(0, 0);
    QTest::keyClick(control(name), Qt::Key_F1);
    return closeHelpPopup();
}

void TestRandomGod::birthdayColourAndNumberAnswerByTheDate()
{
    RandomGodDialog* dialog = command(MenuCommand::RandomGod);
    QVERIFY(dialog);
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!dialog->isModal());
    // Without the leading blanks, which would push the title out of a window manager's title bar.
    QCOMPARE(dialog->windowTitle(),
             QStringLiteral("～～～～～        神　　様　　の　　お　　言　　葉        ～～～～～"));
    // The greeting offers only "understood" and "please, somehow".
    QVERIFY(shows("understoodButton") && shows("pleaseHelpButton") && shows("background"));
    for (const char* hidden :
         {"momentModeButton", "askButton", "cancelButton", "monthList", "colourButton2", "answer1"})
        QVERIFY2(!shows(hidden), hidden);
    QCOMPARE(helpTextOf("pleaseHelpButton"), QStringLiteral("IDC_otasuke"));

    const QImage greeting = control("background")->grab().toImage();
    click("pleaseHelpButton");
    QVERIFY(control("background")->grab().toImage() != greeting);
    QVERIFY(!shows("pleaseHelpButton") && !shows("understoodButton"));
    QVERIFY(shows("momentModeButton") && shows("birthdayModeButton") && shows("colourModeButton")
            && shows("numberModeButton") && shows("cancelButton"));
    QCOMPARE(helpTextOf("cancelButton"), QStringLiteral("ダイアログを終了します。"));

    // By birthday: 12月31日 on 6 December 2026 seeds 261,206 + 1,231.
    click("birthdayModeButton");
    auto* month = control<QComboBox>("monthList");
    auto* day = control<QComboBox>("dayList");
    QVERIFY(month->isVisible() && day->isVisible() && shows("askButton"));
    QCOMPARE(month->count(), 12);
    QCOMPARE(day->count(), 31);
    QCOMPARE(month->itemText(0), QStringLiteral("  １月 "));
    QCOMPARE(month->itemText(11), QStringLiteral("１２月 "));
    QCOMPARE(day->itemText(8), QStringLiteral("　９日 "));
    QCOMPARE(day->itemText(30), QStringLiteral("３１日 "));
    QCOMPARE(month->currentIndex(), 0);
    month->setCurrentIndex(11);
    day->setCurrentIndex(30);
    QCOMPARE(Oracle::birthdaySeed(kSixthOfDecember, 12, 31), 262437u);
    click("askButton");
    const QList<int> birthdayAnswer = answer();
    QCOMPARE(birthdayAnswer, Oracle::answer(262437));
    QVERIFY(std::is_sorted(birthdayAnswer.cbegin(), birthdayAnswer.cend()));
    QVERIFY(!month->isVisible() && !shows("askButton") && shows("cancelButton"));
    // On the answer the closing button wears its golden thanks.
    QVERIFY(TestPixels::count(control("cancelButton"), isGold) > 100);

    // Asked again the same day, the same seven; the next day others.
    command(MenuCommand::OracleBirthday);
    QVERIFY(month->isVisible() && answer().isEmpty());
    QCOMPARE(TestPixels::count(control("cancelButton"), isGold), 0);
    QCOMPARE(month->currentIndex(), 11);
    click("askButton");
    QCOMPARE(answer(), birthdayAnswer);
    m_now = m_now.addDays(1);
    command(MenuCommand::OracleBirthday);
    click("askButton");
    QCOMPARE(answer(), Oracle::answer(262438));
    QVERIFY(answer() != birthdayAnswer);

    // By colour: none chosen gets the god's warning and nothing else.
    command(MenuCommand::OracleColour);
    m_now = QDateTime(kSixthOfDecember, QTime(9, 0));
    click("askButton");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().caption, QStringLiteral("神様からの忠告"));
    QCOMPARE(m_messages.first().text, QStringLiteral("ラッキーカラーが選ばれていません。１つ選んで下さい。"));
    QVERIFY(shows("colourButton1") && shows("askButton") && answer().isEmpty());
    QCOMPARE(helpTextOf("colourButton2"), QStringLiteral("IDC_colAka"));

    // 黒 then 茶: only 茶 wears its chosen picture, and the seed takes index 1.
    auto* black = control<BitmapButton>("colourButton10");
    auto* brown = control<BitmapButton>("colourButton1");
    QCOMPARE(TestPixels::count(black, isGold), 0);
    click("colourButton10");
    QVERIFY(TestPixels::count(black, isGold) > 20);
    click("colourButton1");
    QVERIFY(TestPixels::count(brown, isGold) > 20);
    QCOMPARE(TestPixels::count(black, isGold), 0);
    QVERIFY(brown->isChecked() && !black->isChecked());
    click("askButton");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(answer(), Oracle::answer(261206 + 1));
    QVERIFY(!shows("colourButton1"));

    // By number: the units spin wraps 9 → 0 and 0 → 9; the seed is the date + the number shown.
    command(MenuCommand::OracleNumber);
    auto* luckyNumber = control<QLabel>("luckyNumber");
    QCOMPARE(luckyNumber->text(), QStringLiteral("000"));
    spin("onesSpin", "rightArrow", 9);
    QCOMPARE(luckyNumber->text(), QStringLiteral("009"));
    QCOMPARE(control<QLabel>("onesDigit")->text(), QStringLiteral("9"));
    spin("onesSpin", "rightArrow", 1);
    QCOMPARE(luckyNumber->text(), QStringLiteral("000"));
    spin("onesSpin", "leftArrow", 1);
    spin("hundredsSpin", "leftArrow", 1);
    spin("tensSpin", "rightArrow", 2);
    QCOMPARE(luckyNumber->text(), QStringLiteral("929"));
    QVERIFY(TestPixels::count(control("hundredsDigit"), isPureRed) > 10);
    QVERIFY(TestPixels::count(luckyNumber, isPureRed) > 30);
    click("askButton");
    QCOMPARE(answer(), Oracle::answer(261206 + 929));
    QVERIFY(!shows("onesSpin") && !shows("luckyNumber"));

    // The answer screen's Cancel closes the dialog.
    QPointer<RandomGodDialog> closing(dialog);
    click("cancelButton");
    QTRY_VERIFY(!closing);
    QVERIFY(!openDialog());
}

void TestRandomGod::menuJumpsToEachModeInOneDialog()
{
    // A mode command opens the dialog when none is open and goes straight to its screen.
    RandomGodDialog* dialog = command(MenuCommand::OracleColour);
    QVERIFY(dialog);
    QVERIFY(shows("colourButton2") && !shows("pleaseHelpButton"));
    click("colourButton2");

    // The luck of the moment answers at once from the clock.
    QCOMPARE(command(MenuCommand::OracleTime), dialog);
    QCOMPARE(answer(), Oracle::answer(Oracle::momentSeed(m_now)));
    QVERIFY(!shows("colourButton2") && !shows("askButton"));
    const QList<int> momentAnswer = answer();
    for (const int number : momentAnswer)
        QVERIFY(number >= 1 && number <= 43);

    // Each command moves from the screen showing to its own; the earlier screen's controls go.
    dialog->selectMode(RandomGodDialog::Mode::Birthday);
    QVERIFY(shows("monthList") && answer().isEmpty());
    dialog->selectMode(RandomGodDialog::Mode::Number);
    QVERIFY(shows("tensSpin") && !shows("monthList"));
    // Cancel and "please" stand one above the other, clear of the controls beside them.
    const QRect ask = control("askButton")->geometry();
    const QRect cancel = control("cancelButton")->geometry();
    QVERIFY(ask.bottom() < cancel.top());
    QVERIFY(dialog->rect().contains(cancel) && dialog->rect().contains(ask));
    QVERIFY(!ask.intersects(control("luckyNumber")->geometry()));
    dialog->selectMode(RandomGodDialog::Mode::Colour);
    QVERIFY(shows("colourButton7") && !shows("tensSpin"));
    QVERIFY(dialog->rect().contains(control("askButton")->geometry()));
    QVERIFY(!control("askButton")->geometry().intersects(control("colourButton10")->geometry()));
    // Choosing colour mode again starts with no colour.
    QVERIFY(!control<BitmapButton>("colourButton2")->isChecked());

    // One dialog, whatever opens it.
    QCOMPARE(command(MenuCommand::RandomGod), dialog);
    QCOMPARE(frame()->findChildren<RandomGodDialog*>().size(), 1);
    QVERIFY(shows("colourButton7"));
}

QTEST_MAIN(TestRandomGod)
#include "tst_randomgod.moc"
