#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "GuiSuite.h"
#include "core/store/InstallLocator.h"
#include "core/store/InstallPaths.h"
#include "core/text/ExchangeText.h"
#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoApp.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/FirstStartDialog.h"

// The very first start, on a home with no data folder and no settings: the question, then what was chosen.
class TestFirstStart : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void exampleIsMarkedUntilTheHistoryIsReplaced();
    void csvAnswerStartsWithThePlayersDraws();
    void quitMakesNothing();

private:
    // Starts the program as the installed one starts, answering the question with the button named.
    bool startAnswering(const QString& button);
    InstallPaths userFolder() const;
    QWidget* exampleNote() const { return m_app->mainFrame()->findChild<QLabel*>(QStringLiteral("exampleNote")); }

    QTemporaryDir m_home;
    QTemporaryDir m_files;
    std::unique_ptr<CVemoApp> m_app;
};

void TestFirstStart::initTestCase()
{
    // Settings and the data folder go under the home, which is this suite's own.
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
}

void TestFirstStart::cleanup()
{
    m_app.reset();
    QSettings().remove(InstallLocator::settingsKey());
    QVERIFY(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively());
    m_messages.clear();
}

InstallPaths TestFirstStart::userFolder() const
{
    return InstallPaths(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool TestFirstStart::startAnswering(const QString& button)
{
    bool asked = false;
    TestProgram::whenModalShows([&asked, button](QWidget* modal) {
        QVERIFY(qobject_cast<FirstStartDialog*>(modal));
        asked = true;
        modal->findChild<QPushButton*>(button)->click();
    });
    m_app = std::make_unique<CVemoApp>(QStringList{QStringLiteral("vemo")});
    const bool started = m_app->initInstance();
    return asked && started && QTest::qWaitForWindowExposed(m_app->mainFrame());
}

void TestFirstStart::exampleIsMarkedUntilTheHistoryIsReplaced()
{
    QVERIFY(startAnswering(QStringLiteral("exampleButton")));
    const QString bundled = InstallPaths(InstallLocator::bundledSampleFolder()).historyFile();
    QCOMPARE(TestHistory::readFile(userFolder().historyFile()), TestHistory::readFile(bundled));
    QTRY_VERIFY(exampleNote()->isVisible());
    QCOMPARE(exampleNote()->toolTip(), StoreText::exampleHistoryNote());
    QVERIFY(runCli(userFolder(), {QStringLiteral("info")})
                .outLines()
                .contains(QStringLiteral("example ") + StoreText::exampleHistoryNote()));

    // The next start asks nothing; real draws put in over the example end the note.
    m_app.reset();
    m_app = std::make_unique<CVemoApp>(QStringList{QStringLiteral("vemo")});
    QVERIFY(m_app->initInstance());
    QVERIFY(QTest::qWaitForWindowExposed(m_app->mainFrame()));
    CVemoDoc& doc = m_app->mainFrame()->view()->document();
    QVERIFY(!doc.replaceHistory(TestHistory::randomLines(40, 3)));
    QVERIFY(!exampleNote()->isVisible());
    QVERIFY(!runCli(userFolder(), {QStringLiteral("info")}).out.contains(QStringLiteral("example")));
}

void TestFirstStart::csvAnswerStartsWithThePlayersDraws()
{
    const TestInstall own(TestHistory::randomLines(120, 5));
    const QString csv = m_files.filePath(QStringLiteral("own.csv"));
    QCOMPARE(runCli(own.paths(), {QStringLiteral("export-csv"), csv}).exitCode, 0);
    queueAnswers({Answer::Yes});
    // The file dialog comes once the main window is up, after the question; it is watched from a timer, not
    // from a loop of the test's own, so that the start goes on meanwhile.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, watch, [watch, csv] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        // The name is typed as the player types it; the dialog looks the file up in a thread of its own before
        // 決定 can be pressed.
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        const auto decide = std::find_if(buttons.cbegin(), buttons.cend(), [](const QPushButton* button) {
            return button->text() == ExchangeText::dialogAccept() && button->isEnabled();
        });
        if (decide == buttons.cend()) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name->text() != csv)
                name->setText(csv);
            return;
        }
        watch->stop();
        watch->deleteLater();
        QTest::mouseClick(*decide, Qt::LeftButton);
    });
    watch->start(50);
    QVERIFY(startAnswering(QStringLiteral("csvButton")));
    QTRY_COMPARE(TestHistory::readFile(userFolder().historyFile()), own.historyBytes());
    QTRY_VERIFY(!exampleNote()->isVisible());
}

void TestFirstStart::quitMakesNothing()
{
    QVERIFY(!startAnswering(QStringLiteral("quitButton")));
    QCOMPARE(m_app->exitCode(), 0);
    QVERIFY(!QFileInfo::exists(userFolder().root()));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"
