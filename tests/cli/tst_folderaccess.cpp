#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "TestHistory.h"
#include "core/store/ChangeLock.h"
#include "core/store/DrawHistory.h"
#include "core/text/StoreText.h"

namespace {

/** A vemo-cli run started and not yet waited for. */
std::unique_ptr<QProcess> startCli(const InstallPaths& paths, const QStringList& words)
{
    auto process = std::make_unique<QProcess>();
    process->start(qEnvironmentVariable("VEMO_CLI"),
                   QStringList{QStringLiteral("--install-path"), paths.root()} + words);
    return process;
}

CliRun finish(QProcess& process)
{
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

/** Runs vemo-cli through the shell under a limit of its address space, in kilobytes. */
CliRun runLimited(const InstallPaths& paths, int kilobytes, const QStringList& words)
{
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -v %1 && exec \"$0\" \"$@\"").arg(kilobytes),
                              qEnvironmentVariable("VEMO_CLI"), QStringLiteral("--install-path"), paths.root()}
                      + words);
    return finish(process);
}

} // namespace

class TestFolderAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writersTakeTurns();
    void readersRunBesideEachOtherAndTheProgram();
    void aWaitingChangeGoesAheadOfLaterReaders();
    void aJournalThatCannotBeObeyedIsNamedAndSetAside();
    void readersNeedNoLockFileInAReadOnlyFolder();
    void whatIsNoFileIsRefusedAtOnce();
    void hugeImportsAreRefusedWithinLimits();
};

// Two appends started together both land, two hundred times over.
void TestFolderAccess::writersTakeTurns()
{
    TestInstall install(TestHistory::randomLines(100, 41));
    const QStringList append{QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"),      QStringLiteral("5"), QStringLiteral("6")};
    QStringList refusals;
    for (int pair = 0; pair < 200; ++pair) {
        auto first = startCli(install.paths(), append);
        auto second = startCli(install.paths(), append);
        for (QProcess* process : {first.get(), second.get()}) {
            const CliRun run = finish(*process);
            if (run.exitCode != 0)
                refusals << run.err;
        }
    }
    QVERIFY2(refusals.isEmpty(), qPrintable(refusals.value(0)));
    QCOMPARE(runCli(install.paths(), {QStringLiteral("info")}).outLines().first(), QStringLiteral("draws 500"));
}

void TestFolderAccess::readersRunBesideEachOtherAndTheProgram()
{
    TestInstall install(TestHistory::randomLines(400, 42));
    const QStringList backtest{QStringLiteral("backtest"), QStringLiteral("--count"), QStringLiteral("6-8"),
                               QStringLiteral("--walk-forward")};
    auto first = startCli(install.paths(), backtest);
    auto second = startCli(install.paths(), backtest);
    const CliRun one = finish(*first);
    const CliRun other = finish(*second);
    QVERIFY2(one.exitCode == 0 && other.exitCode == 0, qPrintable(one.err + other.err));
    QCOMPARE(one.out, other.out);

    // The program holds the history as a writer for as long as it is open.
    auto program = DrawHistory::open(install.paths().historyFile());
    QVERIFY(program.ok());
    const CliRun info = runCli(install.paths(), {QStringLiteral("info")});
    QCOMPARE(info.exitCode, 0);
    QCOMPARE(info.outLines().first(), QStringLiteral("draws 400"));
    const CliRun append =
        runCli(install.paths(), {QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    QCOMPARE(append.exitCode, 1);
    QVERIFY(append.err.contains(StoreText::historyLocked(install.paths().historyFile()).text));
    QCOMPARE(program.value()->drawCount(), 400);
}

// A change that waits for a reader says so after a second; a reader that comes after it waits behind it, and
// so sees the change.
void TestFolderAccess::aWaitingChangeGoesAheadOfLaterReaders()
{
    TestInstall install(TestHistory::randomLines(100, 43));
    const QString history = install.paths().historyFile();
    // Between a waiting writer's tries no reader gets in; once it stops waiting, readers do.
    {
        ChangeLock reading(history);
        ChangeLock writing(history);
        ChangeLock later(history);
        QVERIFY(reading.lockShared(std::chrono::milliseconds(0)));
        QVERIFY(!writing.lockExclusive(std::chrono::milliseconds(0)));
        QVERIFY(!later.lockShared(std::chrono::milliseconds(0)) && later.heldElsewhere());
        writing.unlock();
        QVERIFY(later.lockShared(std::chrono::milliseconds(0)));
    }
    auto reader = DrawHistory::open(history, DrawHistory::Access::Read);
    QVERIFY(reader.ok());
    auto append =
        startCli(install.paths(), {QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("2"),
                                   QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    QString said;
    QTRY_VERIFY_WITH_TIMEOUT((said += QString::fromUtf8(append->readAllStandardError()))
                                 .contains(StoreText::waitingForOtherProgram(history)),
                             20000);
    auto later = startCli(install.paths(), {QStringLiteral("info")});
    QVERIFY(later->waitForStarted());
    QTest::qWait(300);
    reader.value().reset();

    const CliRun appended = finish(*append);
    QVERIFY2(appended.exitCode == 0, qPrintable(said + appended.err));
    QCOMPARE(appended.outLines().first(), QStringLiteral("draws 101"));
    QCOMPARE(finish(*later).outLines().first(), QStringLiteral("draws 101"));
}

// A journal that cannot be obeyed keeps nobody out: a reader reads on and names the journal it set aside, and
// the next change goes ahead.
void TestFolderAccess::aJournalThatCannotBeObeyedIsNamedAndSetAside()
{
    TestInstall install(TestHistory::randomLines(100, 44));
    const QString folder = install.paths().dataFolder();
    TestHistory::writeFile(folder + QStringLiteral("/.journal.txt"), QByteArray(2 * 1024 * 1024, 'x'));
    const CliRun info = runCli(install.paths(), {QStringLiteral("info")});
    QCOMPARE(info.exitCode, 0);
    QCOMPARE(info.outLines().first(), QStringLiteral("draws 100"));
    const QStringList aside = QDir(folder).entryList({QStringLiteral("journal-set-aside-*.txt")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QVERIFY2(info.err.contains(aside.first()) && info.err.contains(QStringLiteral("Backup")), qPrintable(info.err));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/.journal.txt")));
    const CliRun append =
        runCli(install.paths(), {QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    QCOMPARE(append.exitCode, 0);
    QCOMPARE(append.err, QString());
}

// A copy nobody may write to, such as one on a read-only disk, is read without lock files.
void TestFolderAccess::readersNeedNoLockFileInAReadOnlyFolder()
{
    TestInstall install(TestHistory::randomLines(100, 45));
    QTemporaryDir home;
    QVERIFY(QFile::setPermissions(home.path(), QFile::Permissions(0x7777)));
    QProcess chmod;
    chmod.start(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a+rX,a-w"), install.paths().root()});
    QVERIFY(chmod.waitForFinished() && chmod.exitCode() == 0);
    // The superuser may write anywhere, so the command runs as nobody there, from a copy that nobody may run
    // wherever the build folder is.
    const QString cli = home.filePath(QStringLiteral("vemo-cli"));
    QVERIFY(QFile::copy(qEnvironmentVariable("VEMO_CLI"), cli));
    QVERIFY(QFile::setPermissions(cli, QFile::Permissions(0x7555)));
    QStringList command{QStringLiteral("env"),
                        QStringLiteral("XDG_CONFIG_HOME=") + home.path(),
                        QStringLiteral("XDG_DATA_HOME=") + home.path(),
                        cli,
                        QStringLiteral("--install-path"),
                        install.paths().root(),
                        QStringLiteral("info")};
    if (::geteuid() == 0)
        command = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups")}
                  + command;
    QProcess info;
    info.start(::geteuid() == 0 ? QStringLiteral("setpriv") : command.takeFirst(), command);
    const CliRun run = finish(info);
    chmod.start(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), install.paths().root()});
    QVERIFY(chmod.waitForFinished());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.outLines().first(), QStringLiteral("draws 100"));
    QVERIFY(!QFile::exists(install.paths().historyFile() + QStringLiteral(".readers.lock")));
}

void TestFolderAccess::whatIsNoFileIsRefusedAtOnce()
{
    TestInstall install(TestHistory::randomLines(100, 43));
    const QByteArray before = install.historyBytes();
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    for (const QString& command : {QStringLiteral("import"), QStringLiteral("import-csv")}) {
        for (const QString& path : {pipe, dir.path()}) {
            const CliRun run = runCli(install.paths(), {command, path});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(path), qPrintable(run.err));
            QVERIFY2(
                run.err.contains(path == pipe ? QStringLiteral("名前付きパイプ") : StoreText::systemReason(EISDIR)),
                qPrintable(run.err));
        }
    }
    // The lock is free again: nothing waited on the pipe.
    QCOMPARE(runCli(install.paths(), {QStringLiteral("delete-last")}).exitCode, 0);
    QCOMPARE(runCli(install.paths(), {QStringLiteral("undo")}).exitCode, 0);
    QCOMPARE(install.historyBytes(), before);
}

void TestFolderAccess::hugeImportsAreRefusedWithinLimits()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("AddressSanitizer reserves more address space than the limit allows");
#endif
    TestInstall install(TestHistory::randomLines(100, 44));
    const QByteArray before = install.historyBytes();
    QTemporaryDir dir;
    // A million lines (23 MB) is refused for its size; 12,000 lines that fit stop at the first draw too many.
    const QString huge = dir.filePath(QStringLiteral("huge.csv"));
    const QString long_ = dir.filePath(QStringLiteral("long.csv"));
    QByteArray lines;
    for (int draw = 1; draw <= 1000000; ++draw) {
        lines += QByteArray::number(draw) + ",3,11,20,28,35,42\n";
        if (draw == 12000)
            TestHistory::writeFile(long_, lines);
    }
    TestHistory::writeFile(huge, lines);
    const CliRun hugeRun = runLimited(install.paths(), 100 * 1024, {QStringLiteral("import-csv"), huge});
    QCOMPARE(hugeRun.exitCode, 1);
    QVERIFY2(hugeRun.err.contains(StoreText::reasonFileTooLarge(8 * 1024 * 1024)), qPrintable(hugeRun.err));
    const CliRun longRun = runLimited(install.paths(), 100 * 1024, {QStringLiteral("import-csv"), long_});
    QCOMPARE(longRun.exitCode, 1);
    QVERIFY2(longRun.err.contains(StoreText::historyFull(kMaxDraws).text), qPrintable(longRun.err));
    QCOMPARE(install.historyBytes(), before);
}

QTEST_GUILESS_MAIN(TestFolderAccess)
#include "tst_folderaccess.moc"
