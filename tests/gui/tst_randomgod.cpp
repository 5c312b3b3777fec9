#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "kit/BitmapButton.h"
#include "oracle/RandomGodDialog.h"
#include "predict/Oracle.h"
#include "shell/CMainFrame.h"
#include "shell/CVemoView.h"
#include "shell/MainMenu.h"

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
        const auto* label = control<QLabel>(qPrintable(QStringLiteral("IDC_otugeNo%1").arg(i)));
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
    QVERIFY(shows("IDC_wakari") && shows("IDC_otasuke") && shows("IDC_STATICokotoba"));
    for (const char* hidden : {"IDC_all", "IDC_onegai", "id2", "IDC_COMBOmon", "IDC_colAka", "IDC_otugeNo1"})
        QVERIFY2(!shows(hidden), hidden);
    QCOMPARE(helpTextOf("IDC_otasuke"), QStringLiteral("IDC_otasuke"));

    const QImage greeting = control("IDC_STATICokotoba")->grab().toImage();
    click("IDC_otasuke");
    QVERIFY(control("IDC_STATICokotoba")->grab().toImage() != greeting);
    QVERIFY(!shows("IDC_otasuke") && !shows("IDC_wakari"));
    QVERIFY(shows("IDC_all") && shows("IDC_tanjobi") && shows("IDC_color") && shows("IDC_number") && shows("id2"));
    QCOMPARE(helpTextOf("id2"), QStringLiteral("ダイアログを終了します。"));

    // By birthday: 12月31日 on 6 December 2026 seeds 261,206 + 1,231.
    click("IDC_tanjobi");
    auto* month = control<QComboBox>("IDC_COMBOmon");
    auto* day = control<QComboBox>("IDC_COMBOday");
    QVERIFY(month->isVisible() && day->isVisible() && shows("IDC_onegai"));
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
    click("IDC_onegai");
    const QList<int> birthdayAnswer = answer();
    QCOMPARE(birthdayAnswer, Oracle::answer(262437));
    QVERIFY(std::is_sorted(birthdayAnswer.cbegin(), birthdayAnswer.cend()));
    QVERIFY(!month->isVisible() && !shows("IDC_onegai") && shows("id2"));
    // On the answer the closing button wears its golden thanks.
    QVERIFY(TestPixels::count(control("id2"), isGold) > 100);

    // Asked again the same day, the same seven; the next day others.
    command(MenuCommand::OracleBirthday);
    QVERIFY(month->isVisible() && answer().isEmpty());
    QCOMPARE(TestPixels::count(control("id2"), isGold), 0);
    QCOMPARE(month->currentIndex(), 11);
    click("IDC_onegai");
    QCOMPARE(answer(), birthdayAnswer);
    m_now = m_now.addDays(1);
    command(MenuCommand::OracleBirthday);
    click("IDC_onegai");
    QCOMPARE(answer(), Oracle::answer(262438));
    QVERIFY(answer() != birthdayAnswer);

    // By colour: none chosen gets the god's warning and nothing else.
    command(MenuCommand::OracleColour);
    m_now = QDateTime(kSixthOfDecember, QTime(9, 0));
    click("IDC_onegai");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().caption, QStringLiteral("神様からの忠告"));
    QCOMPARE(m_messages.first().text, QStringLiteral("ラッキーカラーが選ばれていません。１つ選んで下さい。"));
    QVERIFY(shows("IDC_colCha") && shows("IDC_onegai") && answer().isEmpty());
    QCOMPARE(helpTextOf("IDC_colAka"), QStringLiteral("IDC_colAka"));

    // 黒 then 茶: only 茶 wears its chosen picture, and the seed takes index 1.
    auto* black = control<BitmapButton>("IDC_colKuro");
    auto* brown = control<BitmapButton>("IDC_colCha");
    QCOMPARE(TestPixels::count(black, isGold), 0);
    click("IDC_colKuro");
    QVERIFY(TestPixels::count(black, isGold) > 20);
    click("IDC_colCha");
    QVERIFY(TestPixels::count(brown, isGold) > 20);
    QCOMPARE(TestPixels::count(black, isGold), 0);
    QVERIFY(brown->isChecked() && !black->isChecked());
    click("IDC_onegai");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(answer(), Oracle::answer(261206 + 1));
    QVERIFY(!shows("IDC_colCha"));

    // By number: the units spin wraps 9 → 0 and 0 → 9; the seed is the date + the number shown.
    command(MenuCommand::OracleNumber);
    auto* luckyNumber = control<QLabel>("IDC_STATICLukkyNum");
    QCOMPARE(luckyNumber->text(), QStringLiteral("000"));
    spin("IDC_SPIN1", "rightArrow", 9);
    QCOMPARE(luckyNumber->text(), QStringLiteral("009"));
    QCOMPARE(control<QLabel>("IDC_LukkyNum1")->text(), QStringLiteral("9"));
    spin("IDC_SPIN1", "rightArrow", 1);
    QCOMPARE(luckyNumber->text(), QStringLiteral("000"));
    spin("IDC_SPIN1", "leftArrow", 1);
    spin("IDC_SPIN100", "leftArrow", 1);
    spin("IDC_SPIN10", "rightArrow", 2);
    QCOMPARE(luckyNumber->text(), QStringLiteral("929"));
    QVERIFY(TestPixels::count(control("IDC_LukkyNum100"), isPureRed) > 10);
    QVERIFY(TestPixels::count(luckyNumber, isPureRed) > 30);
    click("IDC_onegai");
    QCOMPARE(answer(), Oracle::answer(261206 + 929));
    QVERIFY(!shows("IDC_SPIN1") && !shows("IDC_STATICLukkyNum"));

    // The answer screen's Cancel closes the dialog.
    QPointer<RandomGodDialog> closing(dialog);
    click("id2");
    QTRY_VERIFY(!closing);
    QVERIFY(!openDialog());
}

void TestRandomGod::menuJumpsToEachModeInOneDialog()
{
    // A mode command opens the dialog when none is open and goes straight to its screen.
    RandomGodDialog* dialog = command(MenuCommand::OracleColour);
    QVERIFY(dialog);
    QVERIFY(shows("IDC_colAka") && !shows("IDC_otasuke"));
    click("IDC_colAka");

    // The luck of the moment answers at once from the clock.
    QCOMPARE(command(MenuCommand::OracleTime), dialog);
    QCOMPARE(answer(), Oracle::answer(Oracle::momentSeed(m_now)));
    QVERIFY(!shows("IDC_colAka") && !shows("IDC_onegai"));
    const QList<int> momentAnswer = answer();
    for (const int number : momentAnswer)
        QVERIFY(number >= 1 && number <= 43);

    // Only 1 … 4 select a mode.
    dialog->selectMode(0);
    dialog->selectMode(5);
    QCOMPARE(answer(), momentAnswer);

    // Each command moves from the screen showing to its own; the earlier screen's controls go.
    dialog->selectMode(2);
    QVERIFY(shows("IDC_COMBOmon") && answer().isEmpty());
    dialog->selectMode(4);
    QVERIFY(shows("IDC_SPIN10") && !shows("IDC_COMBOmon"));
    // Cancel and "please" stand one above the other, clear of the controls beside them.
    const QRect ask = control("IDC_onegai")->geometry();
    const QRect cancel = control("id2")->geometry();
    QVERIFY(ask.bottom() < cancel.top());
    QVERIFY(dialog->rect().contains(cancel) && dialog->rect().contains(ask));
    QVERIFY(!ask.intersects(control("IDC_STATICLukkyNum")->geometry()));
    dialog->selectMode(3);
    QVERIFY(shows("IDC_colAo") && !shows("IDC_SPIN10"));
    QVERIFY(dialog->rect().contains(control("IDC_onegai")->geometry()));
    QVERIFY(!control("IDC_onegai")->geometry().intersects(control("IDC_colKuro")->geometry()));
    // Choosing colour mode again starts with no colour.
    QVERIFY(!control<BitmapButton>("IDC_colAka")->isChecked());

    // One dialog, whatever opens it.
    QCOMPARE(command(MenuCommand::RandomGod), dialog);
    QCOMPARE(frame()->findChildren<RandomGodDialog*>().size(), 1);
    QVERIFY(shows("IDC_colAo"));
}

QTEST_MAIN(TestRandomGod)
#include "tst_randomgod.moc"
