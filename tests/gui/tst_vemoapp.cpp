#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

#include "GuiSuite.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewText.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/COpeningWnd.h"
#include "gui/shell/CVemoApp.h"
#include "gui/shell/MainMenu.h"
#include "gui/shell/SingleInstance.h"

#include <sys/stat.h>

namespace {

/** Whether the process holds a flock() on the file; Linux lists each such lock in /proc/locks. */
bool holdsLock(qint64 pid, const QString& path)
{
    struct stat file {};
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(quint64(file.st_ino));
    for (const QByteArray& line : locks.readAll().split('\n')) {
        // "1: FLOCK  ADVISORY  WRITE <pid> <major>:<minor>:<inode> 0 EOF"
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[4] == QByteArray::number(pid)
            && fields[5].endsWith(inode))
            return true;
    }
    return false;
}

} // namespace

class TestVemoApp : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_messages.clear(); }
    void secondStartBringsTheFirstForward();
    void secondProgramExitsWithZero();
    void lockOfEndedProgramIsCleaned();
    void unreadableHistoryEndsWithOne();
    void frameFillsTheScreen();
    void firstTitleTellsTheWeighting();

private:
    QStringList argumentsFor(const InstallPaths& paths) const;
};

QStringList TestVemoApp::argumentsFor(const InstallPaths& paths) const
{
    return {QStringLiteral("vemo"), QStringLiteral("--install-path"), paths.root()};
}

void TestVemoApp::secondStartBringsTheFirstForward()
{
    TestInstall install(TestHistory::randomLines(50, 1));
    CVemoApp first(argumentsFor(install.paths()));
    QVERIFY(first.initInstance());
    auto* other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();
    other->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), other);
    CVemoApp second(argumentsFor(install.paths()));
    QVERIFY(!second.initInstance());
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.mainFrame());
    QVERIFY(m_messages.isEmpty());
    QTRY_COMPARE(QApplication::activeWindow(), first.mainFrame());
    other->close();
}

void TestVemoApp::secondProgramExitsWithZero()
{
    TestInstall install(TestHistory::randomLines(50, 2));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), qEnvironmentVariable("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList arguments{QStringLiteral("--install-path"), install.paths().root()};

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(VEMO_PROGRAM), arguments);
    QVERIFY(first.waitForStarted());
    // The lock file outlives its holders: wait for the lock itself, or the second might take it first.
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(first.processId(), SingleInstance::lockPath()), 20000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(VEMO_PROGRAM), arguments);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(20000));
}

void TestVemoApp::lockOfEndedProgramIsCleaned()
{
    TestInstall install(TestHistory::randomLines(50, 4));
    // A lock left by a program that no longer runs: a process id that cannot be in use.
    QFile lock(SingleInstance::lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nvemo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    CVemoApp app(argumentsFor(install.paths()));
    QVERIFY(app.initInstance());
    QVERIFY(app.mainFrame());
}

void TestVemoApp::unreadableHistoryEndsWithOne()
{
    TestInstall install(QByteArray("d01*0101\r\nbroken"));
    CVemoApp app(argumentsFor(install.paths()));
    QVERIFY(!app.initInstance());
    QCOMPARE(app.exitCode(), 1);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().text.contains(QStringLiteral("KakoData.txt")));
    QVERIFY(!app.mainFrame());
}

void TestVemoApp::frameFillsTheScreen()
{
    TestInstall install(TestHistory::randomLines(50, 3));
    CVemoApp app(argumentsFor(install.paths()));
    QVERIFY(app.initInstance());
    CMainFrame* frame = app.mainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QCOMPARE(frame->geometry(), QRect(0, 0, ScreenScale::width(), ScreenScale::height()));
    QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(frame->minimumSize(), frame->maximumSize());
    frame->move(100, 50);
    QTRY_COMPARE(frame->pos(), QPoint(0, 0));
    QCOMPARE(JapaneseFonts::textFont().pixelSize(), ScreenScale::height() * 16 / 600);
}

void TestVemoApp::firstTitleTellsTheWeighting()
{
    TestInstall install(TestHistory::randomLines(50, 5));
    CVemoApp app(argumentsFor(install.paths()));
    QVERIFY(app.initInstance());
    CMainFrame* frame = app.mainFrame();
    QPointer<COpeningWnd> opening;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<COpeningWnd*>(window))
            opening = found;
    }
    QVERIFY(opening);
    QSignalSpy finished(opening.data(), &COpeningWnd::finished);
    // Weighting switched on while the opening window is still up.
    MainMenu::findCommand(frame, MenuCommand::WeightingOn)->trigger();
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(frame->windowTitle(), ViewText::weightingTitle(true, frame->titleSuffix()));
}

QTEST_MAIN(TestVemoApp)
#include "tst_vemoapp.moc"
