#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "gui/entry/NumberBox.h"
#include "gui/entry/NumberCard.h"
#include "gui/kit/ScreenScale.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"

namespace {

QString countText(int ticked)
{
    return QStringLiteral("〔選択数〕 ") + QString::number(ticked);
}

QString box(int number)
{
    return QStringLiteral("numberBox%1").arg(number);
}

} // namespace

class TestNumberCard : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void ticksClearsAndHandsOverBothWays();
    void helpPopupsAndMovesOverThePatternGraph();

private:
    NumberCard* openFromMenu() const;
    QList<int> ticked(const NumberCard* card) const;
    QString countOn(const NumberCard* card) const;
};

void TestNumberCard::init()
{
    // The data-entry dialog that follows a hand-over may offer to register someone first: declined.
    QVERIFY(startProgram(TestHistory::randomLines(300, 11)));
}

void TestNumberCard::cleanup()
{
    stopProgram();
}

NumberCard* TestNumberCard::openFromMenu() const
{
    if (!m_program->choose(MenuCommand::NumberCard))
        return nullptr;
    const QList<NumberCard*> cards = frame()->findChildren<NumberCard*>();
    NumberCard* shown = nullptr;
    for (NumberCard* card : cards) {
        if (card->isVisible()) {
            if (shown)
                return nullptr;
            shown = card;
        }
    }
    return shown;
}

QList<int> TestNumberCard::ticked(const NumberCard* card) const
{
    QList<int> numbers;
    for (int number = 1; number <= 43; ++number) {
        if (control<NumberBox>(card, box(number))->isChecked())
            numbers.append(number);
    }
    return numbers;
}

QString TestNumberCard::countOn(const NumberCard* card) const
{
    return control<QLabel>(card, "countLine")->text();
}

void TestNumberCard::ticksClearsAndHandsOverBothWays()
{
    NumberCard* card = openFromMenu();
    QVERIFY(card);
    QVERIFY(frame()->commands().numberCard());
    QCOMPARE(card->windowTitle(), QStringLiteral("VEMO6"));
    QVERIFY(card->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!card->isModal());
    QVERIFY(card->width() < card->height() / 2);
    QCOMPARE(card->pos(),
             QPoint((ScreenScale::width() - card->width()) / 2, (ScreenScale::height() - card->height()) / 2));
    QCOMPARE(countOn(card), countText(0));

    // Every number has its box, named by its number, in order.
    const QList<NumberBox*> boxes = card->findChildren<NumberBox*>();
    QCOMPARE(boxes.size(), 43);
    for (int number = 1; number <= 43; ++number) {
        QCOMPARE(boxes[number - 1]->objectName(), box(number));
        QCOMPARE(boxes[number - 1]->number(), number);
    }

    for (const int number : {1, 22, 30, 43})
        click(card, box(number));
    QCOMPARE(ticked(card), (QList<int>{1, 22, 30, 43}));
    QCOMPARE(countOn(card), countText(4));

    // The light-yellow card, with a pencil mark in a ticked box only.
    const QImage image = card->grab().toImage();
    QCOMPARE(image.pixelColor(1, image.height() - 2), QColor(255, 255, 128));
    const auto markCentre = [card](int number) {
        const auto* shown = control<NumberBox>(card, box(number));
        return shown->pos() + QPoint(shown->boxSide() / 2, shown->height() / 2);
    };
    QVERIFY(TestPixels::isDark(image.pixel(markCentre(22))));
    QVERIFY(!TestPixels::isDark(image.pixel(markCentre(23))));

    click(card, "clearButton");
    QCOMPARE(ticked(card), QList<int>{});
    QCOMPARE(countOn(card), countText(0));

    const QList<int> six{3, 9, 17, 25, 38, 42};
    for (const int number : six)
        click(card, box(number));
    QCOMPARE(countOn(card), countText(6));

    // Whatever opens after the hand-over is answered by closing it.
    QStringList modalsOpened;
    QTimer modalCloser;
    connect(&modalCloser, &QTimer::timeout, this, [&modalsOpened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modalsOpened.append(modal->windowTitle());
            modal->close();
        }
    });
    modalCloser.start(20);

    QPointer<NumberCard> handingCard = card;
    QSignalSpy handedOver(card, &NumberCard::handedOver);
    click(card, "handOverButton");
    QCOMPARE(handedOver.size(), 1);
    const SelectionHandOver& handOver = frame()->commands().selectionHandOver();
    QVERIFY(handOver.handedOver);
    for (int number = 1; number <= 43; ++number)
        QCOMPARE(handOver.ticks[std::size_t(number - 1)], six.contains(number));
    QVERIFY(!frame()->commands().numberCard());
    QTRY_VERIFY(handingCard.isNull());
    // The data-entry dialog follows.
    QTRY_COMPARE(modalsOpened.size(), 1);
    modalCloser.stop();

    // Opening the card again shows the hand-over; ticks made since survive a full repaint.
    card = openFromMenu();
    QVERIFY(card);
    QCOMPARE(ticked(card), six);
    QCOMPARE(countOn(card), countText(6));
    click(card, box(5));
    card->repaint();
    QCOMPARE(ticked(card), (QList<int>{3, 5, 9, 17, 25, 38, 42}));
    QCOMPARE(countOn(card), countText(7));

    // A second opening raises the same card and keeps it the only one.
    QCOMPARE(openFromMenu(), card);

    QPointer<NumberCard> closing = card;
    click(card, "closeButton");
    QVERIFY(!frame()->commands().numberCard());
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(handOver.ticks[4], false);
}

void TestNumberCard::helpPopupsAndMovesOverThePatternGraph()
{
    NumberCard* card = openFromMenu();
    QVERIFY(card);
    QCOMPARE(helpTextOf(control(card, "handOverButton")),
             QStringLiteral("このダイアログを閉じて”データ入力および平均値計算”ダイアログを表示します。\n"
                            "この時、本数字を ６個 選択していると”平均およびσ値”の計算をして表示します。"));
    QCOMPARE(helpTextOf(control(card, "closeButton")), QStringLiteral("ダイアログを終了します。"));
    QCOMPARE(helpTextOf(control(card, "clearButton")), QStringLiteral("すべてのチェックを外します。"));
    QCOMPARE(helpTextOf(control(card, box(1))), QStringLiteral("IDC_yosoNo1"));
    QCOMPARE(helpTextOf(control(card, box(43))), QStringLiteral("IDC_yosoNo43"));
    QCOMPARE(helpTextOf(control(card, "countLine")), QString());

    // Dragging the card over a bar of the pattern graph points at the bar under its corner.
    const QPoint bar = firstPatternBar();
    QVERIFY(!bar.isNull());
    const QPoint frameOffset = card->geometry().topLeft() - card->pos();
    card->move(view()->mapToGlobal(bar) - frameOffset);
    QTRY_COMPARE(view()->state().hoverX, bar.x());

    // Off the pattern graph a move is only a move.
    MainMenu::findCommand(frame(), MenuCommand::Appearance)->trigger();
    card->move(card->pos() + QPoint(ScreenScale::x(40), 0));
    QTRY_COMPARE(card->pos().x(), view()->mapToGlobal(bar).x() - frameOffset.x() + ScreenScale::x(40));
    QCOMPARE(view()->state().hoverX, bar.x());
}

QTEST_MAIN(TestNumberCard)
#include "tst_numbercard.moc"
