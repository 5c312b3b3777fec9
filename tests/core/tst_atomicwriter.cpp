#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "TestHistory.h"
#include "core/store/AtomicWriter.h"
#include "core/store/ChangeJournal.h"
#include "core/store/ChangeRecovery.h"

using TestHistory::readFile;
using TestHistory::writeFile;

namespace {

QByteArray bytesOf(const QString& path)
{
    return QFile::encodeName(path);
}

/**
 * A change of files cut short right after its journal was put in place, as a crash leaves it: every
 * new content and old copy beside its file, the journal naming them, nothing renamed yet.
 */
ChangeJournal pendingChange(const QString& folder, const QList<std::pair<QString, QByteArray>>& writes)
{
    QList<JournalEntry> entries;
    for (const auto& [name, content] : writes) {
        const QByteArray place = ChangeJournal::placeOf(bytesOf(folder + QLatin1Char('/') + name));
        JournalEntry entry{JournalEntry::Kind::Write,
                           name.toUtf8(),
                           {},
                           place,
                           {},
                           {},
                           PosixFile::identityOf(place),
                           PosixFile::identityOfContent(content)};
        entry.temporary = PosixFile::writeSpare(place, content, std::nullopt);
        if (!entry.before.absent())
            entry.kept = PosixFile::keepSpare(place);
        entries.append(entry);
    }
    ChangeJournal journal(bytesOf(folder), entries);
    journal.write();
    return journal;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestAtomicWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changesAllFilesOrNone();
    void linksStayAndReadOnlyFilesAreLeftAlone();
    void interruptedChangesEndWhollyOldOrWhollyNew();
    void journalsThatCannotBeObeyedAreSetAside();
    void onlyTheWritersOwnFilesAreRemoved();
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
    QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("a.txt"), QStringLiteral("c.txt")}));

    QVERIFY(!AtomicWriter::commit(
        {FileChange::write(first, "new a"), FileChange::write(second, "new b"), FileChange::remove(gone)}));
    QCOMPARE(readFile(first), QByteArray("new a"));
    QCOMPARE(readFile(second), QByteArray("new b"));
    QVERIFY(!QFile::exists(gone));
    // The new file keeps the old one's permissions.
    QCOMPARE(QFile::permissions(first) & 0x0777, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
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
    QCOMPARE(filesIn(dir.filePath(QStringLiteral("elsewhere"))), QStringList{QStringLiteral("real.txt")});

    // No write bit, whoever runs the program: the file is not replaced and the reason says why.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto fault = AtomicWriter::commit(
        {FileChange::write(dir.filePath(QStringLiteral("other.txt")), "x"), FileChange::write(link, "newer")});
    QVERIFY(fault);
    QVERIFY(fault->reason.contains(QStringLiteral("読み取り専用")));
    QCOMPARE(readFile(target), QByteArray("new"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("other.txt"))));
}

// A journal in place is finished; one whose new file is lost goes back; one marked as going back goes on back.
void TestAtomicWriter::interruptedChangesEndWhollyOldOrWhollyNew()
{
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("Backup"));
    QDir().mkpath(sub);
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    const QString b = sub + QStringLiteral("/b.txt");
    writeFile(a, "old a");

    pendingChange(dir.path(), {{QStringLiteral("a.txt"), "new a"}, {QStringLiteral("Backup/b.txt"), "new b"}});
    QVERIFY(ChangeRecovery::pending(dir.path()));
    ChangeRecovery::Outcome settled = ChangeRecovery::settle(dir.path());
    QVERIFY(!settled.fault && !settled.setAside);
    QCOMPARE(readFile(a), QByteArray("new a"));
    QCOMPARE(readFile(b), QByteArray("new b"));
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("a.txt")});
    QCOMPARE(filesIn(sub), QStringList{QStringLiteral("b.txt")});
    QVERIFY(!ChangeRecovery::pending(dir.path()));

    // A power cut lost the name of a new file: the change cannot be finished, so it goes back whole.
    ChangeJournal lost =
        pendingChange(dir.path(), {{QStringLiteral("a.txt"), "newer a"}, {QStringLiteral("Backup/c.txt"), "c"}});
    QVERIFY(QFile::remove(QFile::decodeName(lost.entries()[1].temporary)));
    settled = ChangeRecovery::settle(dir.path());
    QVERIFY(!settled.fault && !settled.setAside);
    QCOMPARE(readFile(a), QByteArray("new a"));
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("a.txt")});
    QCOMPARE(filesIn(sub), QStringList{QStringLiteral("b.txt")});

    // Cut short on the way back, after a.txt was replaced: back it goes, from the kept copy.
    ChangeJournal back =
        pendingChange(dir.path(), {{QStringLiteral("a.txt"), "newer a"}, {QStringLiteral("Backup/b.txt"), "newer b"}});
    QCOMPARE(std::rename(back.entries()[0].temporary.constData(), bytesOf(a).constData()), 0);
    QVERIFY(QFile::rename(dir.filePath(QStringLiteral(".journal.txt")),
                          dir.filePath(QStringLiteral(".journal.rollback.txt"))));
    settled = ChangeRecovery::settle(dir.path());
    QVERIFY(!settled.fault && !settled.setAside);
    QCOMPARE(readFile(a), QByteArray("new a"));
    QCOMPARE(readFile(b), QByteArray("new b"));
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("a.txt")});

    // A change of two files made here writes its journal only for the time of its renames.
    QVERIFY(
        !AtomicWriter::commit({FileChange::write(a, "newest a"), FileChange::move(b, sub + QStringLiteral("/d.txt"))}));
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("a.txt")});
    QCOMPARE(filesIn(sub), QStringList{QStringLiteral("d.txt")});
}

// A journal over a file changed since, or one naming places outside the folder, is set aside and obeyed in nothing.
void TestAtomicWriter::journalsThatCannotBeObeyedAreSetAside()
{
    QTemporaryDir outside;
    QTemporaryDir dir;
    const QString precious = outside.filePath(QStringLiteral("precious.txt"));
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    writeFile(precious, "mine");
    writeFile(a, "old a");
    QVERIFY(QFile::link(outside.path(), dir.filePath(QStringLiteral("linked"))));

    ChangeJournal stale =
        pendingChange(dir.path(), {{QStringLiteral("a.txt"), "new a"}, {QStringLiteral("b.txt"), "b"}});
    writeFile(a, "copied in by the player");
    ChangeRecovery::Outcome settled = ChangeRecovery::settle(dir.path());
    QVERIFY(!settled.fault && settled.setAside);
    QVERIFY(settled.setAside->text.contains(QStringLiteral("書き換えられています")));
    QCOMPARE(readFile(a), QByteArray("copied in by the player"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("b.txt"))));
    // The set-aside journal keeps what it names for whoever looks into it, at this open and the next.
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("journal-set-aside-*.txt")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QVERIFY(settled.setAside->text.contains(aside.first()));
    QVERIFY(QFile::exists(QFile::decodeName(stale.entries()[0].temporary)));
    QVERIFY(!ChangeRecovery::settle(dir.path()).setAside);
    QVERIFY(QFile::exists(QFile::decodeName(stale.entries()[0].kept)));

    const QByteArray identity = PosixFile::identityOfContent("mine").text();
    const QList<QByteArray> foreign{"VEMO-JOURNAL 2\nR " + QByteArray("../x").toHex() + " - " + identity + "\nEND\n",
                                    "VEMO-JOURNAL 2\nR " + bytesOf(precious).toHex() + " - " + identity + "\nEND\n",
                                    "VEMO-JOURNAL 2\nR " + QByteArray("linked/precious.txt").toHex() + " - " + identity
                                        + "\nEND\n",
                                    "VEMO-JOURNAL 1\nR " + QByteArray("a.txt").toHex() + "\nEND\n", "garbage"};
    for (const QByteArray& text : foreign) {
        writeFile(dir.filePath(QStringLiteral(".journal.txt")), text);
        settled = ChangeRecovery::settle(dir.path());
        QVERIFY2(settled.setAside && settled.setAside->text.contains(QStringLiteral("データフォルダの外")),
                 text.constData());
        QCOMPARE(readFile(precious), QByteArray("mine"));
        QCOMPARE(readFile(a), QByteArray("copied in by the player"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral(".journal.txt"))));
    }
    // A journal in a linked folder is no journal of this folder's.
    writeFile(outside.filePath(QStringLiteral(".journal.txt")),
              "VEMO-JOURNAL 2\nR " + QByteArray("precious.txt").toHex() + " - " + identity + "\nEND\n");
    QVERIFY(!ChangeRecovery::settle(dir.path()).setAside);
    QCOMPARE(readFile(precious), QByteArray("mine"));

    // Not a file at all: set aside, and said what it is.
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral(".journal.txt"))));
    settled = ChangeRecovery::settle(dir.path());
    QVERIFY(settled.setAside && settled.setAside->text.contains(QStringLiteral("フォルダです")));
}

// Only the writer's own spare files go; whatever else a player keeps stays, whatever its name.
void TestAtomicWriter::onlyTheWritersOwnFilesAreRemoved()
{
    QTemporaryDir outside;
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("YosoData"));
    QDir().mkpath(sub);
    const QStringList players{QStringLiteral("KakoData.txt.backup"), QStringLiteral("memo.txt.backup"),
                              QStringLiteral("KakoData.txt.a1B2c3"), QStringLiteral(".KakoData.txt~a1B2c3.txt")};
    for (const QString& name : players)
        writeFile(dir.filePath(name), "the player's");
    writeFile(sub + QStringLiteral("/YDF1taro.txt.orig01"), "the player's");
    writeFile(dir.filePath(QStringLiteral(".KakoData.txt~a1B2c3.vemo-new")), "spare");
    writeFile(sub + QStringLiteral("/.YDF1taro.txt~Zz9Yy8.vemo-old"), "spare");
    // A linked history's spares lie beside its target; other files there are none of ours.
    writeFile(outside.filePath(QStringLiteral("history.txt")), "history");
    writeFile(outside.filePath(QStringLiteral(".history.txt~Ab12Cd.vemo-new")), "spare");
    writeFile(outside.filePath(QStringLiteral(".other.txt~Ab12Cd.vemo-new")), "not beside a link of ours");
    QVERIFY(QFile::link(outside.filePath(QStringLiteral("history.txt")), dir.filePath(QStringLiteral("KakoData.txt"))));

    QVERIFY(ChangeRecovery::pending(dir.path()));
    const ChangeRecovery::Outcome settled = ChangeRecovery::settle(dir.path());
    QVERIFY(!settled.fault && !settled.setAside);
    QCOMPARE(filesIn(dir.path()),
             (QStringList{QStringLiteral(".KakoData.txt~a1B2c3.txt"), QStringLiteral("KakoData.txt"),
                          QStringLiteral("KakoData.txt.a1B2c3"), QStringLiteral("KakoData.txt.backup"),
                          QStringLiteral("memo.txt.backup")}));
    QCOMPARE(filesIn(sub), QStringList{QStringLiteral("YDF1taro.txt.orig01")});
    QCOMPARE(filesIn(outside.path()),
             (QStringList{QStringLiteral(".other.txt~Ab12Cd.vemo-new"), QStringLiteral("history.txt")}));
    QVERIFY(!ChangeRecovery::pending(dir.path()));

    // A change of a linked history keeps its journal here, and its spares beside the target.
    QVERIFY(!AtomicWriter::commit({FileChange::write(dir.filePath(QStringLiteral("KakoData.txt")), "new history"),
                                   FileChange::write(sub + QStringLiteral("/kept.txt"), "kept")}));
    QCOMPARE(readFile(outside.filePath(QStringLiteral("history.txt"))), QByteArray("new history"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("KakoData.txt"))).isSymLink());
    QCOMPARE(filesIn(outside.path()),
             (QStringList{QStringLiteral(".other.txt~Ab12Cd.vemo-new"), QStringLiteral("history.txt")}));
}

QTEST_GUILESS_MAIN(TestAtomicWriter)
#include "tst_atomicwriter.moc"
