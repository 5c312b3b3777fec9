#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/entry/RegistrantSlots.h"
#include "core/text/EntryText.h"
#include "core/text/PredictText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/RegistrantDialog.h"
#include "gui/entry/SlotImageButton.h"
#include "gui/kit/ViewText.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountFlow.h"
#include "gui/shell/MainMenu.h"

namespace {

QLineEdit* nameEdit(const QWidget& dialog, int slot)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("registrantName%1").arg(slot));
}

SlotImageButton* slotButton(const QWidget& dialog, int slot)
{
    return dialog.findChild<SlotImageButton*>(QStringLiteral("slotButton%1").arg(slot));
}

// Types as an input method commits text, so that full-width characters arrive as they are.
void type(QLineEdit* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Share of a widget's pixels in one colour.
double share(QWidget* widget, QRgb colour)
{
    return double(TestPixels::count(widget, TestPixels::colour(colour))) / (widget->width() * widget->height());
}

constexpr QRgb kFreeBackground = 0xEEEEEE;
constexpr QRgb kRegisteredBackground = 0xFFF3B0;

// Runs work on the registrant dialog once it is up and has the focus, while the command that opened it waits.
void onceShown(std::function<void(RegistrantDialog&)> work)
{
    TestProgram::whenModalShows<RegistrantDialog>([work = std::move(work)](RegistrantDialog& dialog) {
        dialog.activateWindow();
        QTRY_VERIFY(QGuiApplication::focusWindow() == dialog.windowHandle());
        work(dialog);
    });
}

} // namespace

class TestRegistrantDialog : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void menuCommandRegistersTypedNames();
    void refusedNameChangesNothing_data();
    void refusedNameChangesNothing();
    void removalAsksFirstAndKeepsABackup();
    void renamingKeepsThePredictions();
    void slotSavedBeforeAFailingOneIsTold();
    void offerWhileNobodyIsRegistered();

private:
    QStringList files() const;
    PredictionFile slotFile(int slot) const { return RegistrantSlots(m_install->paths()).predictionFile(slot); }
    // The data of the installation made last, as the program holds it, without the program's windows.
    std::unique_ptr<CVemoDoc> openDocument() const;
};

std::unique_ptr<CVemoDoc> TestRegistrantDialog::openDocument() const
{
    Result<std::unique_ptr<CVemoDoc>> opened = CVemoDoc::open(m_install->paths().root());
    return opened.ok() ? std::move(opened).value() : nullptr;
}

void TestRegistrantDialog::init()
{
    makeInstall(TestHistory::randomLines(120, 3));
}

void TestRegistrantDialog::cleanup()
{
    stopProgram();
}

QStringList TestRegistrantDialog::files() const
{
    return QDir(m_install->paths().predictionFolder()).entryList(QDir::Files, QDir::Name);
}

void TestRegistrantDialog::menuCommandRegistersTypedNames()
{
    QVERIFY(startProgram());
    double freeShare = 0;
    onceShown([&](RegistrantDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), EntryText::registrantDialogTitle());
        QVERIFY(dialog.findChild<QLabel*>()->text() == EntryText::registrantDialogInstructions());
        // Each name sits in its slot's colour frame.
        const QImage shot = dialog.grab().toImage();
        const QRect red = nameEdit(dialog, 1)->geometry();
        const QColor frame = shot.pixelColor(red.left() - red.height() / 8, red.center().y() + red.height() / 8);
        QVERIFY2(frame.red() > 200 && frame.green() < 80 && frame.blue() < 80, qPrintable(frame.name()));
        const QRect green = nameEdit(dialog, 2)->geometry();
        QVERIFY(shot.pixelColor(green.left() - green.height() / 8, green.center().y()).green() > 100);

        freeShare = share(slotButton(dialog, 1), kFreeBackground);
        QVERIFY(freeShare > 0.3);
        type(nameEdit(dialog, 1), QStringLiteral("山田"));
        QVERIFY(slotButton(dialog, 1)->isChecked());
        type(nameEdit(dialog, 3), QStringLiteral("abc"));
        QVERIFY(slotButton(dialog, 3)->isChecked() && !slotButton(dialog, 1)->isChecked());
        click(&dialog, "okButton");
    });
    MainMenu::findCommand(frame(), MenuCommand::PredictionFiles)->trigger();

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(files(), (QStringList{QStringLiteral("YDF1山田.txt"), QStringLiteral("YDF3abc.txt")}));
    QCOMPARE(view()->state().displayMode, DisplayMode::HitCount);
    QVERIFY(view()->state().hitScreenActive() && view()->state().registrantDialogShown);
    QVERIFY(frame()->windowTitle().startsWith(ViewText::registrantsTitle(QString())));

    // The dialog opened again shows the names the program now knows, and their slots as registered.
    onceShown([&](RegistrantDialog& dialog) {
        QCOMPARE(nameEdit(dialog, 1)->text(), QStringLiteral("山田"));
        QCOMPARE(nameEdit(dialog, 2)->text(), QString());
        QVERIFY(share(slotButton(dialog, 1), kRegisteredBackground) > 0.3);
        QCOMPARE(share(slotButton(dialog, 1), kFreeBackground), 0.0);
        QCOMPARE(share(slotButton(dialog, 2), kFreeBackground), freeShare);

        // Help popups name the controls.
        QCOMPARE(helpTextOf(nameEdit(dialog, 4)), QStringLiteral("EditTorokuName4"));
        QCOMPARE(helpTextOf(slotButton(dialog, 2)), QStringLiteral("RadioYDFile2"));
        click(&dialog, "cancelButton");
    });
    MainMenu::findCommand(frame(), MenuCommand::PredictionFiles)->trigger();
    QVERIFY(view()->state().registrantDialogShown);
    QCOMPARE(files().size(), 2);
}

void TestRegistrantDialog::refusedNameChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("slash") << QStringLiteral("a/b") << EntryText::registrantNameUnsafe(QStringLiteral("a/b")).text;
    QTest::newRow("twelve Shift-JIS bytes")
        << QStringLiteral("山田太郎様方") << EntryText::registrantNameTooLong(QStringLiteral("山田太郎様方")).text;
}

void TestRegistrantDialog::refusedNameChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    const auto doc = openDocument();
    QVERIFY(doc);
    RegistrantDialog dialog(*doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    type(nameEdit(dialog, 1), QStringLiteral("good"));
    type(nameEdit(dialog, 2), name);
    click(&dialog, "okButton");

    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, refusal);
    QCOMPARE(m_messages[0].caption, EntryText::registrantDialogTitle().trimmed());
    QVERIFY(dialog.isVisible());
    QVERIFY(nameEdit(dialog, 2)->hasFocus());
    QVERIFY(files().isEmpty());
    QVERIFY(!doc->registrants().isRegistered(1) && !doc->registrants().isRegistered(2));
}

void TestRegistrantDialog::removalAsksFirstAndKeepsABackup()
{
    const auto doc = openDocument();
    QVERIFY(doc);
    QVERIFY(!doc->nameRegistrant(2, QStringLiteral("花子")));
    QVERIFY(!doc->addPrediction(2, 121, {3, 11, 19, 27, 35, 42}));
    const QByteArray predictions = TestHistory::readFile(slotFile(2).path());
    RegistrantDialog dialog(*doc);
    int checks = 0;
    connect(&dialog, &RegistrantDialog::registrantCheckRequested, this, [&checks] { ++checks; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    queueAnswers({Answer::No});
    QTest::mouseClick(slotButton(dialog, 2), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, EntryText::confirmRemoveRegistrant().text);
    QCOMPARE(files(), QStringList{QStringLiteral("YDF2花子.txt")});
    QCOMPARE(nameEdit(dialog, 2)->text(), QStringLiteral("花子"));
    QCOMPARE(checks, 1);
    QVERIFY(nameEdit(dialog, 1)->hasFocus() && slotButton(dialog, 1)->isChecked());
    QVERIFY(share(slotButton(dialog, 2), kRegisteredBackground) > 0.3);

    const QDir backupFolder(m_install->paths().backupFolder());
    const QStringList before = backupFolder.entryList(QDir::Files);
    queueAnswers({Answer::Yes});
    QTest::mouseClick(slotButton(dialog, 2), Qt::LeftButton);
    QCOMPARE(checks, 2);
    QVERIFY(files().isEmpty());
    QVERIFY(!doc->registrants().isRegistered(2));
    QCOMPARE(nameEdit(dialog, 2)->text(), QString());
    QVERIFY(share(slotButton(dialog, 2), kFreeBackground) > 0.3);
    QStringList kept = backupFolder.entryList(QDir::Files);
    for (const QString& earlier : before)
        kept.removeOne(earlier);
    QCOMPARE(kept.size(), 1);
    QVERIFY(kept[0].startsWith(QStringLiteral("YDF2花子_")));
    QCOMPARE(TestHistory::readFile(backupFolder.filePath(kept[0])), predictions);

    // A free slot's button asks nothing.
    QTest::mouseClick(slotButton(dialog, 4), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(checks, 3);
}

void TestRegistrantDialog::renamingKeepsThePredictions()
{
    const auto doc = openDocument();
    QVERIFY(doc);
    QVERIFY(!doc->nameRegistrant(4, QStringLiteral("old")));
    QVERIFY(!doc->addPrediction(4, 7, {3, 11, 19, 27, 35, 42}));
    QVERIFY(!doc->addPrediction(4, 7, {1, 2, 3, 4, 5, 6}));
    const QByteArray predictions = TestHistory::readFile(slotFile(4).path());
    RegistrantDialog dialog(*doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    type(nameEdit(dialog, 4), QStringLiteral("新名"));
    click(&dialog, "okButton");

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(files(), QStringList{QStringLiteral("YDF4新名.txt")});
    QCOMPARE(doc->registrants().name(4), QStringLiteral("新名"));
    QCOMPARE(TestHistory::readFile(slotFile(4).path()), predictions);
}

void TestRegistrantDialog::slotSavedBeforeAFailingOneIsTold()
{
    // Slot 3's new file would be written through a link into a folder that is not there.
    const QString folder = m_install->paths().predictionFolder();
    QVERIFY(QFile::link(m_install->paths().root() + QStringLiteral("/missing/YDF3abc.txt"),
                        folder + QStringLiteral("/YDF3abc.txt")));
    const auto doc = openDocument();
    QVERIFY(doc);
    QSignalSpy told(doc.get(), &CVemoDoc::registrantsChanged);
    RegistrantDialog dialog(*doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    type(nameEdit(dialog, 2), QStringLiteral("花子"));
    type(nameEdit(dialog, 3), QStringLiteral("abc"));
    click(&dialog, "okButton");

    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages[0].text.contains(QStringLiteral("YDF3abc.txt")));
    QVERIFY(dialog.isVisible());
    // Slot 2 is registered though slot 3 failed, and whoever shows the registrants hears of it.
    QCOMPARE(doc->registrants().name(2), QStringLiteral("花子"));
    QVERIFY(!doc->registrants().isRegistered(3));
    QCOMPARE(told.size(), 1);
    dialog.reject();
    QCOMPARE(told.size(), 1);
}

void TestRegistrantDialog::offerWhileNobodyIsRegistered()
{
    QVERIFY(startProgram());
    const QString offer = PredictText::registrantOffer().text;
    frame()->hitCountFlow().offerRegistrant(); // answered No: nothing opens, and the next offer asks again
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, offer);
    QVERIFY(!view()->state().registrantDialogShown);

    // Yes, then Cancel: the offer stays open for later.
    queueAnswers({Answer::Yes});
    onceShown([](RegistrantDialog& dialog) { dialog.reject(); });
    frame()->hitCountFlow().checkRegistrants();
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(view()->state().displayMode, DisplayMode::HitCount);
    QVERIFY(!view()->state().registrantDialogShown);

    // Yes, then a name and OK: the dialog's own check does not ask again, and neither does any later one.
    queueAnswers({Answer::Yes});
    onceShown([](RegistrantDialog& dialog) {
        type(nameEdit(dialog, 5), QStringLiteral("zz"));
        click(&dialog, "okButton");
    });
    frame()->hitCountFlow().checkRegistrants();
    QCOMPARE(m_messages.size(), 3);
    QCOMPARE(files(), QStringList{QStringLiteral("YDF5zz.txt")});
    frame()->hitCountFlow().offerRegistrant();
    frame()->hitCountFlow().checkRegistrants();
    QCOMPARE(m_messages.size(), 3);
}

QTEST_MAIN(TestRegistrantDialog)
#include "tst_registrantdialog.moc"
