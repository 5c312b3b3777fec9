#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>

#include "TestHistory.h"
#include "core/text/StoreText.h"

using TestHistory::readFile;
using TestHistory::writeFile;

namespace {

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}

CliRun run(const TestInstall& install, const char* command)
{
    return runCli(install.paths(), words(command));
}

QStringList backupFiles(const TestInstall& install, const QString& pattern)
{
    return QDir(install.paths().backupFolder()).entryList({pattern}, QDir::Files, QDir::Name);
}

} // namespace

class TestBackupCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoWalksBackThroughEveryChange();
    void twentyVersionsAreKept();
    void registrantChangesAreUndoneToo();
    void leftoverBesideARegistrantFileIsNotARegistrant();
    void unreadableBackupFolderIsNamed();
};

void TestBackupCli::undoWalksBackThroughEveryChange()
{
    TestInstall install(TestHistory::randomLines(350, 41));
    const QByteArray first = install.historyBytes();
    QCOMPARE(run(install, "undo").exitCode, 1);

    QCOMPARE(run(install, "append 1 2 3 4 5 6").exitCode, 0);
    const QByteArray second = install.historyBytes();
    QCOMPARE(run(install, "modify 7 8 9 10 11 12 13").exitCode, 0);
    const QByteArray third = install.historyBytes();
    QCOMPARE(run(install, "delete-last").exitCode, 0);

    // Newest first: the file name, the draw count it holds and when it was kept.
    const QStringList listed = run(install, "backups").outLines();
    QCOMPARE(listed.size(), 3);
    const QRegularExpression line(QStringLiteral("^KakoData_\\d{8}-\\d{6}-\\d{3}_(\\d+)draws\\.txt (\\d+) "
                                                 "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    for (const auto& [text, draws] : {std::pair{listed[0], 351}, {listed[1], 351}, {listed[2], 350}}) {
        const auto match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        QCOMPARE(match.captured(1).toInt(), draws);
        QCOMPARE(match.captured(2).toInt(), draws);
    }
    QVERIFY(listed[0] > listed[1] && listed[1] > listed[2]);

    QCOMPARE(run(install, "undo").out, QStringLiteral("draws 351\n"));
    QCOMPARE(install.historyBytes(), third);
    QCOMPARE(run(install, "undo").out, QStringLiteral("draws 351\n"));
    QCOMPARE(install.historyBytes(), second);
    QCOMPARE(run(install, "undo").out, QStringLiteral("draws 350\n"));
    QCOMPARE(install.historyBytes(), first);

    const CliRun nothing = run(install, "undo");
    QCOMPARE(nothing.exitCode, 1);
    QVERIFY(nothing.err.contains(StoreText::nothingToUndo().text));
    QCOMPARE(install.historyBytes(), first);
    QVERIFY(run(install, "backups").out.isEmpty());

    // What each undo replaced is kept, never to be put back by undo.
    const QStringList undone = backupFiles(install, QStringLiteral("*_undone.txt"));
    QCOMPARE(undone.size(), 3);
    QCOMPARE(readFile(install.paths().backupFolder() + QLatin1Char('/') + undone.last()), second);

    // A kept version that is broken is refused, and nothing changes.
    QCOMPARE(run(install, "append 1 2 3 4 5 6").exitCode, 0);
    const QString kept =
        install.paths().backupFolder() + QLatin1Char('/') + run(install, "backups").out.section(QLatin1Char(' '), 0, 0);
    writeFile(kept, "d01*01");
    const QByteArray before = install.historyBytes();
    const CliRun broken = run(install, "undo");
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.err.contains(kept), qPrintable(broken.err));
    QCOMPARE(install.historyBytes(), before);
}

void TestBackupCli::twentyVersionsAreKept()
{
    TestInstall install(TestHistory::randomLines(120, 42));
    const QByteArray original = install.historyBytes();
    for (int edit = 0; edit < 21; ++edit)
        QCOMPARE(run(install, "append 1 2 3 4 5 6").exitCode, 0);
    const QStringList listed = run(install, "backups").outLines();
    QCOMPARE(listed.size(), 20);
    QVERIFY(listed.first().startsWith(QStringLiteral("KakoData_")));
    QVERIFY(listed.first().contains(QStringLiteral(" 140 ")));
    QVERIFY(listed.last().contains(QStringLiteral(" 121 ")));
    QCOMPARE(backupFiles(install, QStringLiteral("*")).size(), 20);
    for (int undo = 0; undo < 20; ++undo)
        QCOMPARE(run(install, "undo").exitCode, 0);
    QCOMPARE(run(install, "info").outLines().first(), QStringLiteral("draws 121"));
    QVERIFY(install.historyBytes() != original);
    QCOMPARE(backupFiles(install, QStringLiteral("*_undone.txt")).size(), 20);
}

void TestBackupCli::registrantChangesAreUndoneToo()
{
    TestInstall install(TestHistory::randomLines(30, 43));
    QCOMPARE(run(install, "registrant add 2 bob").exitCode, 0);
    QCOMPARE(run(install, "prediction add 2 31 1 2 3 4 5 6").exitCode, 0);
    QCOMPARE(run(install, "prediction add 2 31 7 8 9 10 11 12").exitCode, 0);
    const QString file = install.paths().registrantFile(2, QStringLiteral("bob"));
    const QByteArray two = readFile(file);
    QCOMPARE(run(install, "prediction delete 2 31 1").exitCode, 0);

    QCOMPARE(run(install, "undo --slot 2").out, QStringLiteral("2 bob\n"));
    QCOMPARE(readFile(file), two);
    QCOMPARE(run(install, "undo --slot 2").exitCode, 0);
    QCOMPARE(run(install, "prediction latest 2 31").out, QStringLiteral("予想 1+1. 2. 3. 4. 5. 6\n"));
    QCOMPARE(run(install, "undo --slot 2").exitCode, 0);
    QCOMPARE(readFile(file), QByteArray());
    QCOMPARE(run(install, "undo --slot 2").exitCode, 1);
    QCOMPARE(run(install, "undo --slot 3").exitCode, 1);
    QCOMPARE(run(install, "undo --slot 6").exitCode, 2);
    // The history's own list knows nothing of the registrant's versions.
    QVERIFY(run(install, "backups").out.isEmpty());

    // Removing a registrant keeps the predictions among the backups.
    QCOMPARE(run(install, "undo --slot 2").exitCode, 1);
    QCOMPARE(run(install, "prediction add 2 31 1 2 3 4 5 6").exitCode, 0);
    const QByteArray last = readFile(file);
    QCOMPARE(run(install, "registrant remove 2").exitCode, 0);
    QVERIFY(!QFile::exists(file));
    const QStringList kept = backupFiles(install, QStringLiteral("YDF2bob_*.txt"));
    QVERIFY(!kept.isEmpty());
    QCOMPARE(readFile(install.paths().backupFolder() + QLatin1Char('/') + kept.last()), last);
}

void TestBackupCli::leftoverBesideARegistrantFileIsNotARegistrant()
{
    TestInstall install(TestHistory::randomLines(30, 44));
    QCOMPARE(run(install, "registrant add 1 alice").exitCode, 0);
    QCOMPARE(run(install, "prediction add 1 31 1 2 3 4 5 6").exitCode, 0);
    const QString file = install.paths().registrantFile(1, QStringLiteral("alice"));
    const QByteArray predictions = readFile(file);
    // What a save cut short by a crash leaves beside the file and beside the history goes; a copy the player
    // made, whose name only looks like one, stays, and is no registrant either.
    const QString spare = install.paths().predictionFolder() + QStringLiteral("/.YDF1alice.txt~TJOkba.vemo-new");
    const QString historySpare = install.paths().dataFolder() + QStringLiteral("/.KakoData.txt~a1B2c3.vemo-old");
    writeFile(spare, predictions.left(10));
    writeFile(historySpare, "d01*0");
    writeFile(file + QStringLiteral(".TJOkba"), predictions.left(10));

    QCOMPARE(run(install, "registrant list").outLines().first(), QStringLiteral("1 alice"));
    QCOMPARE(QDir(install.paths().predictionFolder()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("YDF1alice.txt"), QStringLiteral("YDF1alice.txt.TJOkba")}));
    QVERIFY(!QFile::exists(historySpare));
    QCOMPARE(run(install, "prediction add 1 31 7 8 9 10 11 12").out, QStringLiteral("予想 2+7. 8. 9. 10. 11. 12\n"));
    QCOMPARE(readFile(file).size(), 2 * predictions.size());
}

void TestBackupCli::unreadableBackupFolderIsNamed()
{
    TestInstall install(TestHistory::randomLines(50, 44));
    QCOMPARE(run(install, "registrant add 1 花子").exitCode, 0);
    QCOMPARE(run(install, "prediction add 1 51 1 2 3 4 5 6").exitCode, 0);
    QCOMPARE(run(install, "append 1 2 3 4 5 6").exitCode, 0);
    const QByteArray before = install.historyBytes();
    // Whoever runs the test, a file in the folder's place cannot be read as a folder.
    const QString folder = install.paths().backupFolder();
    QVERIFY(QDir(folder).removeRecursively());
    writeFile(folder, QByteArray());
    const QString expected = StoreText::backupFolderUnreadable(folder, StoreText::systemReason(ENOTDIR)).text;
    for (const char* command : {"undo", "undo --slot 1", "backups"}) {
        const CliRun refused = run(install, command);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(expected),
                 qPrintable(QString::fromUtf8(command) + QLatin1Char('\n') + refused.err));
    }
    QCOMPARE(install.historyBytes(), before);
}

QTEST_GUILESS_MAIN(TestBackupCli)
#include "tst_backupcli.moc"
