#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "store/AtomicWriter.h"

using TestHistory::readFile;
using TestHistory::writeFile;

class TestAtomicWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changesAllFilesOrNone();
    void linksStayAndReadOnlyFilesAreLeftAlone();
    void interruptedChangesEndWhollyOldOrWhollyNew();
    void foreignJournalsTouchNothingOutside();
    void leftoverNames_data();
    void leftoverNames();
};

void TestAtomicWriter::changesAllFilesOrNone()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.txt"));
    const QString second = dir.filePath(QStringLiteral("b.txt"));
    const QString gone = dir.filePath(QStringLiteral("c.txt"));
    writeFile(first, "old a");
    writeFile(gone, "old c");
    QFile::setPermissions(first, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    // A folder where the last file should go fails the change after the others are in place: they go back.
    QDir().mkpath(dir.filePath(QStringLiteral("d.txt/inside")));
    const auto fault =
        AtomicWriter::commit({FileChange::write(first, "new a"), FileChange::write(second, "new b"),
                              FileChange::remove(gone), FileChange::write(dir.filePath(QStringLiteral("d.txt")), "x")});
    QVERIFY(fault);
    QVERIFY(fault->path.endsWith(QStringLiteral("d.txt")));
    QVERIFY(!fault->reason.isEmpty());
    QCOMPARE(readFile(first), QByteArray("old a"));
    QVERIFY(!QFile::exists(second));
    QCOMPARE(readFile(gone), QByteArray("old c"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("a.txt"), QStringLiteral("c.txt")}));

    QVERIFY(!AtomicWriter::commit(
        {FileChange::write(first, "new a"), FileChange::write(second, "new b"), FileChange::remove(gone)}));
    QCOMPARE(readFile(first), QByteArray("new a"));
    QCOMPARE(readFile(second), QByteArray("new b"));
    QVERIFY(!QFile::exists(gone));
    // The new file keeps the old one's permissions.
    QCOMPARE(QFile::permissions(first) & 0x0777, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
}

void TestAtomicWriter::linksStayAndReadOnlyFilesAreLeftAlone()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("elsewhere")));
    const QString target = dir.filePath(QStringLiteral("elsewhere/real.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    writeFile(target, "old");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QFile::link(target, link));

    QVERIFY(!AtomicWriter::write(link, "new"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(target), QByteArray("new"));
    QCOMPARE(QFile::permissions(target) & 0x0777, QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("elsewhere"))).entryList(QDir::Files),
             QStringList{QStringLiteral("real.txt")});

    // No write bit, whoever runs the program: the file is not replaced and the reason says why.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto fault = AtomicWriter::commit(
        {FileChange::write(dir.filePath(QStringLiteral("other.txt")), "x"), FileChange::write(link, "newer")});
    QVERIFY(fault);
    QVERIFY(fault->reason.contains(QStringLiteral("読み取り専用")));
    QCOMPARE(readFile(target), QByteArray("new"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("other.txt"))));
}

// The states a crash can leave, made by hand: temporaries without a journal are undone, a journal is finished.
void TestAtomicWriter::interruptedChangesEndWhollyOldOrWhollyNew()
{
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("Backup"));
    QDir().mkpath(sub);
    writeFile(dir.filePath(QStringLiteral("a.txt")), "old a");
    writeFile(dir.filePath(QStringLiteral("gone.txt")), "old gone");
    writeFile(dir.filePath(QStringLiteral("a.txt.Tmp001")), "new a");
    writeFile(sub + QStringLiteral("/b.txt.Tmp002"), "new b");
    QVERIFY(AtomicWriter::hasInterruptedChanges(dir.path()));
    QVERIFY(!AtomicWriter::finishInterruptedChanges(dir.path()));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("a.txt"))), QByteArray("old a"));
    QCOMPARE(QDir(sub).entryList(QDir::Files), QStringList());
    QVERIFY(!AtomicWriter::hasInterruptedChanges(dir.path()));

    // The journal was in place and a.txt already renamed: the rest follows.
    writeFile(dir.filePath(QStringLiteral("a.txt")), "new a");
    writeFile(sub + QStringLiteral("/b.txt.Tmp002"), "new b");
    writeFile(dir.filePath(QStringLiteral(".journal.txt")),
              "VEMO-JOURNAL 1\nW " + QByteArray("a.txt.Tmp001").toHex() + ' ' + QByteArray("a.txt").toHex() + "\nW "
                  + QByteArray("Backup/b.txt.Tmp002").toHex() + ' ' + QByteArray("Backup/b.txt").toHex() + "\nR "
                  + QByteArray("gone.txt").toHex() + "\nEND\n");
    QVERIFY(!AtomicWriter::finishInterruptedChanges(dir.path()));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("a.txt"))), QByteArray("new a"));
    QCOMPARE(readFile(sub + QStringLiteral("/b.txt")), QByteArray("new b"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.txt")});

    // A change of two files made here writes its journal only for the time of its renames.
    QVERIFY(!AtomicWriter::commit({FileChange::write(dir.filePath(QStringLiteral("a.txt")), "newer a"),
                                   FileChange::move(sub + QStringLiteral("/b.txt"), sub + QStringLiteral("/c.txt"))}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.txt")});
    QCOMPARE(QDir(sub).entryList(QDir::Files), QStringList{QStringLiteral("c.txt")});
}

void TestAtomicWriter::foreignJournalsTouchNothingOutside()
{
    QTemporaryDir outside;
    QTemporaryDir dir;
    const QString precious = outside.filePath(QStringLiteral("precious.txt"));
    writeFile(precious, "mine");
    writeFile(dir.filePath(QStringLiteral(".journal.txt")),
              "VEMO-JOURNAL 1\nR " + precious.toUtf8().toHex() + "\nR " + QByteArray("../x").toHex() + "\nEND\n");
    QVERIFY(!AtomicWriter::finishInterruptedChanges(dir.path()));
    QCOMPARE(readFile(precious), QByteArray("mine"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral(".journal.txt"))));
}

void TestAtomicWriter::leftoverNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("leftover");
    QTest::newRow("history") << QStringLiteral("KakoData.txt.a1B2c3") << true;
    QTest::newRow("registrant") << QStringLiteral("YDF1alice.txt.TJOkba") << true;
    QTest::newRow("line break inside") << QStringLiteral("a\nb.txt.Ab12cd") << true;
    QTest::newRow("line break after") << QStringLiteral("notes.txt.Ab12cd\n") << false;
    QTest::newRow("registrant file") << QStringLiteral("YDF1alice.txt") << false;
    QTest::newRow("five letters") << QStringLiteral("KakoData.txt.a1B2c") << false;
    QTest::newRow("lock") << QStringLiteral("KakoData.txt.lock") << false;
}

void TestAtomicWriter::leftoverNames()
{
    QFETCH(QString, name);
    QFETCH(bool, leftover);
    QCOMPARE(AtomicWriter::isInterruptedSave(name), leftover);
}

QTEST_GUILESS_MAIN(TestAtomicWriter)
#include "tst_atomicwriter.moc"
