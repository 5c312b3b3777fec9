#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <QTest>

#include "GuiSuite.h"
#include "core/store/DrawHistory.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/LatestPatternDialog.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

namespace {

const QColor kBackground(0xe6, 0xe6, 0xff);

QString idleCaption()
{
    return QStringLiteral("【 **_ の内容 】      ≪出現回数≫    ");
}

} // namespace

class TestLatestPattern : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hoverShowsCountPatternAndFrameOnEveryTab();
    void weightingToggleFollowsEverywhereAndOneDialogAtATime();

private:
    LatestPatternDialog* openFromMenu() const;
    QString text(const LatestPatternDialog* dialog, QAnyStringView name) const;
    void pointAt(LatestPatternDialog* dialog, QPoint point) const;
    QByteArray hitString(int number) const;
};

void TestLatestPattern::init()
{
    QVERIFY(startProgram(TestHistory::randomLines(400, 23)));
}

void TestLatestPattern::cleanup()
{
    expectNoMoreMessages();
    stopProgram();
}

LatestPatternDialog* TestLatestPattern::openFromMenu() const
{
    if (!m_program->choose(MenuCommand::LatestPattern))
        return nullptr;
    const QList<LatestPatternDialog*> dialogs = frame()->findChildren<LatestPatternDialog*>();
    return dialogs.size() == 1 && dialogs.first()->isVisible() ? dialogs.first() : nullptr;
}

QString TestLatestPattern::text(const LatestPatternDialog* dialog, QAnyStringView name) const
{
    return control<QLabel>(dialog, name)->text();
}

void TestLatestPattern::pointAt(LatestPatternDialog* dialog, QPoint point) const
{
    // The move goes to the control under the pointer, as the window system would send it.
    QWidget* target = dialog->childAt(point);
    if (!target)
        target = dialog;
    const QPoint local = target->mapFrom(dialog, point);
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

QByteArray TestLatestPattern::hitString(int number) const
{
    return view()->document().history().readHitString(number);
}

void TestLatestPattern::hoverShowsCountPatternAndFrameOnEveryTab()
{
    LatestPatternDialog* dialog = openFromMenu();
    QVERIFY(dialog);
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("  最新のパターン集計データ（ 出現パターン数を考慮しない。）"));
    QCOMPARE(text(dialog, "numberLabel1"), QStringLiteral("01_"));
    QCOMPARE(text(dialog, "numberLabel43"), QStringLiteral("43_"));
    QCOMPARE(text(dialog, "captionLine"), idleCaption());
    QCOMPARE(text(dialog, "patternLine"), QStringLiteral("≪パターン≫"));
    auto* tabs = control<QTabBar>(dialog, "patternTabs");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 8);

    const int number = 17;
    const QPoint onLabel = LatestPatternDialog::labelPosition(number) + QPoint(3, 4);
    const QPoint betweenRows = onLabel + QPoint(0, 12);
    for (int k = 2; k <= 9; ++k) {
        tabs->setCurrentIndex(k - 2);
        for (int n = 1; n <= 43; ++n)
            QCOMPARE(text(dialog, QStringLiteral("patternValue%1").arg(n)),
                     QString::number(PatternStats::currentPatternCount(hitString(n), k, false)));
        QCOMPARE(text(dialog, "captionLine"), idleCaption());

        pointAt(dialog, onLabel);
        const int count = PatternStats::currentPatternCount(hitString(number), k, false);
        QCOMPARE(text(dialog, "captionLine"),
                 QStringLiteral("【 17_ の内容 】      ≪出現回数≫ ") + QString::number(count) + QStringLiteral("   "));
        QString symbols;
        for (int i = 0; i < k; ++i)
            symbols += hitString(number)[i] == '1' ? QStringLiteral("〇") : QStringLiteral("Χ");
        QCOMPARE(text(dialog, "patternLine"), QStringLiteral("≪パターン≫ ") + symbols);
        QCOMPARE(text(dialog, "patternLine").size(), 7 + k);

        // Between two rows and on the edge of a box (the boxes are open) nothing changes.
        pointAt(dialog, betweenRows);
        pointAt(dialog, QPoint(onLabel.x(), 100));
        pointAt(dialog, QPoint(45, onLabel.y()));
        QCOMPARE(text(dialog, "captionLine").left(9), QStringLiteral("【 17_ の内容"));
        QCOMPARE(text(dialog, "patternLine"), QStringLiteral("≪パターン≫ ") + symbols);
    }

    // The pointed label carries a raised frame a pixel outside it: light above and left, dark below and right.
    QWidget* label17 = control(dialog, "numberLabel17");
    QWidget* label18 = control(dialog, "numberLabel18");
    const QRect frame17 = label17->geometry().adjusted(-1, -1, 1, 1);
    const QRect frame18 = label18->geometry().adjusted(-1, -1, 1, 1);
    QImage image = dialog->grab().toImage();
    QCOMPARE(image.pixelColor(frame17.left(), frame17.center().y()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(frame17.center().x(), frame17.top()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(frame17.right(), frame17.center().y()), QColor(105, 105, 105));
    QCOMPARE(image.pixelColor(frame17.center().x(), frame17.bottom()), QColor(105, 105, 105));
    QCOMPARE(image.pixelColor(frame18.left(), frame18.center().y()), kBackground);

    // Pointing at the next number moves the frame; a tab change takes it away.
    pointAt(dialog, LatestPatternDialog::labelPosition(number + 1) + QPoint(3, 4));
    image = dialog->grab().toImage();
    QCOMPARE(image.pixelColor(frame17.left(), frame17.center().y()), kBackground);
    QCOMPARE(image.pixelColor(frame18.left(), frame18.center().y()), QColor(Qt::white));
    tabs->setCurrentIndex(0);
    image = dialog->grab().toImage();
    QCOMPARE(image.pixelColor(frame18.left(), frame18.center().y()), kBackground);
    QCOMPARE(text(dialog, "captionLine"), idleCaption());
    QCOMPARE(text(dialog, "patternLine"), QStringLiteral("≪パターン≫"));

    // Every label readable inside its own frame, and the values beside it.
    for (int n = 1; n <= 43; ++n) {
        auto* label = control<QLabel>(dialog, QStringLiteral("numberLabel%1").arg(n));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }

    QCOMPARE(helpTextOf(tabs), QStringLiteral("タブ"));
    QCOMPARE(helpTextOf(label17), QStringLiteral("STATIC17"));
    QCOMPARE(helpTextOf(control(dialog, "patternLine")), QStringLiteral("STATICnaiyo"));
    QCOMPARE(helpTextOf(control(dialog, "captionLine")), QStringLiteral("抽せん数字"));
    QCOMPARE(helpTextOf(control(dialog, "okButton")), QStringLiteral("ok"));
}

void TestLatestPattern::weightingToggleFollowsEverywhereAndOneDialogAtATime()
{
    LatestPatternDialog* dialog = openFromMenu();
    QVERIFY(dialog);
    QCOMPARE(openFromMenu(), dialog);
    QCOMPARE(frame()->findChildren<LatestPatternDialog*>().size(), 1);

    auto* tabs = control<QTabBar>(dialog, "patternTabs");
    tabs->setCurrentIndex(3);
    auto* toggle = control<QAbstractButton>(dialog, "weightingToggle");
    QVERIFY(toggle);
    QCOMPARE(toggle->grab().toImage().pixelColor(toggle->width() / 2, toggle->height() - 4), QColor(128, 50, 255));
    QTest::mouseClick(toggle, Qt::LeftButton);

    QVERIFY(view()->state().patternWeighting);
    QVERIFY(frame()->windowTitle().startsWith(ViewText::weightingTitle(true, {})));
    QVERIFY(MainMenu::findCommand(frame(), MenuCommand::WeightingOn)->isChecked());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("  最新のパターン集計データ（ 出現パターン数を考慮する。）"));
    QCOMPARE(toggle->grab().toImage().pixelColor(toggle->width() / 2, toggle->height() - 4), QColor(255, 0, 255));
    for (int n = 1; n <= 43; ++n) {
        const QByteArray hits = hitString(n);
        QCOMPARE(text(dialog, QStringLiteral("patternValue%1").arg(n)),
                 QString::number(PatternStats::currentPatternCount(hits, 5, false)
                                 * PatternStats::distinctPatternCount(hits, 5)));
    }

    // The menu switches it back, and the dialog follows.
    MainMenu::findCommand(frame(), MenuCommand::WeightingOff)->trigger();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("  最新のパターン集計データ（ 出現パターン数を考慮しない。）"));
    QCOMPARE(text(dialog, "patternValue1"), QString::number(PatternStats::currentPatternCount(hitString(1), 5, false)));

    // Moving the dialog over a bar of the pattern graph points at that bar.
    const QPoint bar = firstPatternBar();
    QVERIFY(!bar.isNull());
    dialog->move(view()->mapToGlobal(bar) - (dialog->geometry().topLeft() - dialog->pos()));
    QTRY_COMPARE(view()->state().hoverX, bar.x());

    QPointer<LatestPatternDialog> closing = dialog;
    QTest::mouseClick(control<QAbstractButton>(dialog, "okButton"), Qt::LeftButton);
    QTRY_VERIFY(closing.isNull());
    QVERIFY(!view()->latestPattern());

    // The weighting the dialog opens with is the one the main title tells.
    MainMenu::findCommand(frame(), MenuCommand::WeightingOn)->trigger();
    frame()->setWindowTitle(ViewText::registrantsTitle({}));
    dialog = openFromMenu();
    QVERIFY(dialog);
    QVERIFY(!view()->state().patternWeighting);
    QVERIFY(!MainMenu::findCommand(frame(), MenuCommand::WeightingOn)->isChecked());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("  最新のパターン集計データ（ 出現パターン数を考慮しない。）"));
}

QTEST_MAIN(TestLatestPattern)
#include "tst_latestpattern.moc"
