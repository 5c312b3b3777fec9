#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "TestPixels.h"
#include "gui/kit/ContextHelpPopup.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/Named.h"

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

    QTest::newRow("cancel button") << QStringLiteral("cancelButton") << true
                                   << QStringLiteral("ダイアログを終了します。");
    QTest::newRow("edit") << QStringLiteral("registrantName1") << true << QStringLiteral("EditTorokuName1");
    QTest::newRow("control with an empty text") << QStringLiteral("okButton") << true << QString();
    QTest::newRow("part of a control") << QStringLiteral("qt_spinbox_lineedit") << true << QStringLiteral("SPIN");
    QTest::newRow("no control") << QStringLiteral("caption") << false << QString();
}

void TestContextHelp::rightClickShowsControlText()
{
    QFETCH(QString, control);
    QFETCH(bool, shown);
    QFETCH(QString, text);

    QDialog dialog;
    auto* ok = named(new QPushButton(QStringLiteral("OK"), &dialog), QStringLiteral("okButton"));
    ok->move(10, 10);
    ControlHelp::attach(ok, {});
    auto* cancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &dialog), QStringLiteral("cancelButton"));
    cancel->move(10, 50);
    ControlHelp::attach(cancel, QStringLiteral("ダイアログを終了します。"));
    auto* edit = named(new QLineEdit(&dialog), QStringLiteral("registrantName1"));
    edit->move(10, 90);
    ControlHelp::attach(edit, QStringLiteral("EditTorokuName1"));
    auto* spin = new QSpinBox(&dialog);
    spin->move(10, 130);
    ControlHelp::attach(spin, QStringLiteral("SPIN"));
    (new QLabel(QStringLiteral("登録者名"), &dialog))->setObjectName(QStringLiteral("caption"));
    new ContextHelpPopupFilter(&dialog);
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
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &dialog);
    ControlHelp::attach(cancel, QStringLiteral("ダイアログを終了します。"));
    new ContextHelpPopupFilter(&dialog);
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
