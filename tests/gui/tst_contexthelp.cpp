#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "TestPixels.h"
#include "kit/ContextHelpPopup.h"
#include "kit/ContextHelpPopupFilter.h"
#include "kit/ControlId.h"

namespace {

QLabel* openPopup()
{
    return qobject_cast<QLabel*>(QApplication::activePopupWidget());
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 80 && qGreen(pixel) < 80;
}

} // namespace

class TestContextHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void showsBlueTextAtPoint();
    void closesOnNextClickOrKey_data();
    void closesOnNextClickOrKey();
    void rightClickShowsControlText_data();
    void rightClickShowsControlText();
    void f1ShowsFocusedControlText();
};

void TestContextHelp::cleanup()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestContextHelp::showsBlueTextAtPoint()
{
    ContextHelpPopup::show(QStringLiteral("ダイアログを終了します。"), QPoint(100, 120));
    QLabel* popup = openPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->text(), QStringLiteral("ダイアログを終了します。"));
    QCOMPARE(popup->pos(), QPoint(100, 120));
    QCOMPARE(popup->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(TestPixels::count(popup, isBlue) > 0);
}

void TestContextHelp::closesOnNextClickOrKey_data()
{
    QTest::addColumn<bool>("click");
    QTest::newRow("click") << true;
    QTest::newRow("key") << false;
}

void TestContextHelp::closesOnNextClickOrKey()
{
    QFETCH(bool, click);
    ContextHelpPopup::show(QStringLiteral("IDOK"), QPoint(50, 50));
    QPointer<QLabel> popup = openPopup();
    QVERIFY(popup);
    if (click)
        QTest::mouseClick(popup, Qt::LeftButton);
    else
        QTest::keyClick(popup, Qt::Key_Space);
    QVERIFY(!QApplication::activePopupWidget());
    QTRY_VERIFY(popup.isNull());
}

void TestContextHelp::rightClickShowsControlText_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");

    QTest::newRow("cancel button") << QStringLiteral("id2") << true << QStringLiteral("ダイアログを終了します。");
    QTest::newRow("edit") << QStringLiteral("id1305") << true << QStringLiteral("EditTorokuName1");
    QTest::newRow("control without text") << QStringLiteral("id1") << true << QString();
    QTest::newRow("no control") << QStringLiteral("caption") << false << QString();
}

void TestContextHelp::rightClickShowsControlText()
{
    QFETCH(QString, control);
    QFETCH(bool, shown);
    QFETCH(QString, text);

    QDialog dialog;
    identified(new QPushButton(QStringLiteral("OK"), &dialog), 1)->move(10, 10);
    identified(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &dialog), 2)->move(10, 50);
    identified(new QLineEdit(&dialog), 1305)->move(10, 90);
    (new QLabel(QStringLiteral("登録者名"), &dialog))->setObjectName(QStringLiteral("caption"));
    auto* help = new ContextHelpPopupFilter(&dialog);
    help->setText(2, QStringLiteral("ダイアログを終了します。"));
    help->setText(1305, QStringLiteral("EditTorokuName1"));
    dialog.show();

    QWidget* target = dialog.findChild<QWidget*>(control);
    QVERIFY(target);
    const QPoint at(3, 4);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &click);

    QLabel* popup = openPopup();
    QCOMPARE(popup != nullptr, shown);
    if (shown) {
        QCOMPARE(popup->text(), text);
        QCOMPARE(popup->pos(), target->mapToGlobal(at));
    }
}

void TestContextHelp::f1ShowsFocusedControlText()
{
    QDialog dialog;
    auto* cancel = identified(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &dialog), 2);
    auto* help = new ContextHelpPopupFilter(&dialog);
    help->setText(2, QStringLiteral("ダイアログを終了します。"));
    dialog.setGeometry(100, 100, 200, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    cancel->setFocus();
    const QPoint pointer(500, 500); // away from the dialog
    QCursor::setPos(pointer);

    QTest::keyClick(cancel, Qt::Key_F1);
    QLabel* popup = openPopup();
    QVERIFY(popup);
    QCOMPARE(popup->text(), QStringLiteral("ダイアログを終了します。"));
    QCOMPARE(popup->pos(), pointer);
}

QTEST_MAIN(TestContextHelp)
#include "tst_contexthelp.moc"
