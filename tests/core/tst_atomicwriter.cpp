#include <QDir>
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
    const auto fault = AtomicWriter::commit({FileChange::write(first, "new a"), FileChange::write(second, "new b"),
                                            FileChange::remove(gone),
                                            FileChange::write(dir.filePath(QStringLiteral("d.txt")), "x")});
    QVERIFY(fault);
    QVERIFY(fault->path.endsWith(QStringLiteral("d.txt")));
    QVERIFY(!fault->reason.isEmpty());
    QCOMPARE(readFile(first), QByteArray("old a"));
    QVERIFY(!QFile::exists(second));
    QCOMPARE(readFile(gone), QByteArray("old c"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("a.txt"), QStringLiteral("c.txt")}));

    QVERIFY(!AtomicWriter::commit(
        {FileChange::write(first, "new a"), FileChange::write(second, "new b"), FileChange::remove(gone)}));
    QCOMPARE(readFile(first), QByteArray("new a"));
    QCOMPARE(readFile(second), QByteArray("new b"));
    QVERIFY(!QFile::exists(gone));
    // The new file keeps the old one's permissions.
    QCOMPARE(QFile::permissions(first) & 0x0777, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
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
