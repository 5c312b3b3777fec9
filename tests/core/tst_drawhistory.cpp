#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestHistory.h"
#include "core/app/AppearanceCounts.h"
#include "core/entry/DrawResultText.h"
#include "core/store/DrawHistory.h"
#include "core/text/EntryText.h"
#include "core/text/StoreText.h"

namespace {

std::unique_ptr<DrawHistory> openHistory(const TestInstall& install)
{
    auto opened = DrawHistory::open(install.paths().historyFile());
    if (!opened.ok())
        qWarning() << opened.error().text;
    return opened.ok() ? std::move(opened).value() : nullptr;
}

int modeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

// The in-place insertion that appends a draw to the file bytes, one byte per line.
QByteArray appendedInPlace(QByteArray bytes, int drawCount, const QList<int>& numbers)
{
    for (int i = 1; i <= 43; ++i) {
        const qsizetype p = qsizetype(i - 1) * (drawCount + 7) + drawCount + 4;
        bytes.insert(p, numbers.contains(i) ? '1' : '0');
    }
    return bytes;
}

// Permission bits bind root only under another file-system identity: as root, this one takes nobody's
// for as long as it lives, so that the checks run the same whoever runs the tests.
class PermissionsBind {
public:
    static constexpr uid_t kNobody = 65534;

    PermissionsBind() : m_root(::geteuid() == 0)
    {
        if (m_root)
            ::setfsuid(kNobody);
    }
    ~PermissionsBind()
    {
        if (m_root)
            ::setfsuid(0);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    // An invalid id changes nothing and gives the present one.
    bool hold() const { return !m_root || ::setfsuid(uid_t(-1)) == int(kNobody); }

private:
    bool m_root;
};

} // namespace

class TestDrawHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsFlagsByDrawAndNewestFirst();
    void appendWritesTheInsertedFlags();
    void appendThenDeleteRestoresTheFile();
    void modifyChangesOnlyThatDraw();
    void refusedEditsChangeNothing_data();
    void refusedEditsChangeNothing();
    void editsStopAtTheLargestHistory();
    void editedLineEndsAreWrittenBackExactly();
    void drawSelectionShowsStoredDraws();
    void importChecks_data();
    void importChecks();
    void importWritesTheExactLayout();
    void openRefusesBadFiles_data();
    void openRefusesBadFiles();
    void secondOpenIsRefusedWhileLocked();
    void onlyPlainFilesAreOpened();
    void unreadableFilesSayTheyCannotBeRead();
    void undoChecksTheKeptVersion();
    void linksAndModesAreKept();
    void drawResultText_data();
    void drawResultText();
    void appearanceCounts();
};

void TestDrawHistory::readsFlagsByDrawAndNewestFirst()
{
    // Number 1 holds 1, 0, 0, 1, 0 oldest first.
    FlagLines lines = TestHistory::randomLines(5, 1);
    lines[0] = "10010";
    TestInstall install(lines);
    auto history = openHistory(install);
    QVERIFY(history);
    QCOMPARE(history->drawCount(), 5);
    QCOMPARE(history->readHitString(1), QByteArray("01001"));
    QCOMPARE(history->readFlag(1, 1), '1');
    QCOMPARE(history->readFlag(1, 5), '0');
    QCOMPARE(history->readFlag(1, 6), char(0));
    QCOMPARE(history->readFlag(43, 5), lines[42][4]);
}

void TestDrawHistory::appendWritesTheInsertedFlags()
{
    TestInstall install(TestHistory::randomLines(7, 2));
    const QByteArray before = install.historyBytes();
    auto history = openHistory(install);
    const QList<int> numbers{1, 5, 17, 22, 40, 43};
    QVERIFY(!history->appendDraw(numbers));
    QCOMPARE(history->drawCount(), 8);
    const QByteArray after = install.historyBytes();
    QCOMPARE(after.size(), before.size() + 43);
    QCOMPARE(after, appendedInPlace(before, 7, numbers));
    QCOMPARE(history->readHitString(17).front(), '1');
    QCOMPARE(history->readHitString(18).front(), '0');
}

void TestDrawHistory::appendThenDeleteRestoresTheFile()
{
    for (const int draws : {0, 7, 1853}) {
        TestInstall install(TestHistory::randomLines(draws, 3));
        const QByteArray before = install.historyBytes();
        auto history = openHistory(install);
        QVERIFY(!history->appendDraw({43, 2, 30, 4, 12, 6}));
        QVERIFY(!history->deleteLastDraw());
        QCOMPARE(history->drawCount(), draws);
        QCOMPARE(install.historyBytes(), before);
    }
}

void TestDrawHistory::modifyChangesOnlyThatDraw()
{
    TestInstall install(TestHistory::randomLines(7, 4));
    const QByteArray before = install.historyBytes();
    auto history = openHistory(install);
    const QList<int> numbers{2, 3, 11, 19, 37, 41};
    QVERIFY(!history->modifyDraw(QStringLiteral("3"), numbers));
    const QByteArray after = install.historyBytes();
    QCOMPARE(after.size(), before.size());
    for (qsizetype at = 0; at < after.size(); ++at) {
        const bool inDraw3 = (at % 13) == 6;
        if (!inDraw3)
            QCOMPARE(after[at], before[at]);
        else
            QCOMPARE(after[at], numbers.contains(int(at / 13) + 1) ? '1' : '0');
    }
}

void TestDrawHistory::refusedEditsChangeNothing_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("drawText");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("message");

    const QString six = StoreText::notSixNumbers().text;
    QTest::newRow("append five") << "append"
                                 << "" << QList<int>{1, 2, 3, 4, 5} << six;
    QTest::newRow("append seven") << "append"
                                  << "" << QList<int>{1, 2, 3, 4, 5, 6, 7} << six;
    QTest::newRow("append 44") << "append"
                               << "" << QList<int>{1, 2, 3, 4, 5, 44} << StoreText::numberOutOfRange(44).text;
    QTest::newRow("append 0") << "append"
                              << "" << QList<int>{0, 2, 3, 4, 5, 6} << StoreText::numberOutOfRange(0).text;
    QTest::newRow("append twice 5") << "append"
                                    << "" << QList<int>{1, 5, 3, 4, 5, 6} << StoreText::repeatedNumber(5).text;
    QTest::newRow("modify five") << "modify"
                                 << "3" << QList<int>{1, 2, 3, 4, 5} << six;
    QTest::newRow("modify next draw") << "modify"
                                      << "8" << QList<int>{1, 2, 3, 4, 5, 6}
                                      << StoreText::noSuchDraw(QStringLiteral("8"), 7).text;
    QTest::newRow("modify draw 0") << "modify"
                                   << "0" << QList<int>{1, 2, 3, 4, 5, 6}
                                   << StoreText::noSuchDraw(QStringLiteral("0"), 7).text;
    QTest::newRow("modify letters") << "modify"
                                    << "abc" << QList<int>{1, 2, 3, 4, 5, 6}
                                    << StoreText::noSuchDraw(QStringLiteral("abc"), 7).text;
}

void TestDrawHistory::refusedEditsChangeNothing()
{
    QFETCH(QString, edit);
    QFETCH(QString, drawText);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, message);
    TestInstall install(TestHistory::randomLines(7, 5));
    const QByteArray before = install.historyBytes();
    auto history = openHistory(install);
    const Status status =
        edit == QStringLiteral("append") ? history->appendDraw(numbers) : history->modifyDraw(drawText, numbers);
    QVERIFY(status);
    QCOMPARE(status->text, message);
    QCOMPARE(history->drawCount(), 7);
    QCOMPARE(install.historyBytes(), before);
}

void TestDrawHistory::editsStopAtTheLargestHistory()
{
    TestInstall full(TestHistory::randomLines(kMaxDraws, 6));
    auto history = openHistory(full);
    QVERIFY(history);
    const Status refused = history->appendDraw({1, 2, 3, 4, 5, 6});
    QVERIFY(refused);
    QCOMPARE(refused->text, StoreText::historyFull(kMaxDraws).text);
    QCOMPARE(history->drawCount(), kMaxDraws);

    TestInstall empty(TestHistory::randomLines(0, 6));
    auto emptyHistory = openHistory(empty);
    const QByteArray before = empty.historyBytes();
    QVERIFY(emptyHistory->deleteLastDraw());
    QCOMPARE(empty.historyBytes(), before);
}

void TestDrawHistory::editedLineEndsAreWrittenBackExactly()
{
    // As an editor leaves it: LF line ends, the last line ended too.
    const FlagLines lines = TestHistory::randomLines(40, 19);
    TestInstall install(HistoryFormat::serialize(lines).replace("\r\n", "\n") + '\n');
    auto history = openHistory(install);
    QVERIFY(history);
    QCOMPARE(history->drawCount(), 40);
    // The next change writes the program's layout, every flag as it was read.
    QVERIFY(!history->appendDraw({1, 2, 3, 4, 5, 6}));
    QCOMPARE(install.historyBytes(), appendedInPlace(HistoryFormat::serialize(lines), 40, {1, 2, 3, 4, 5, 6}));
}

void TestDrawHistory::drawSelectionShowsStoredDraws()
{
    TestInstall install(TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {10, 20, 30, 40, 41, 43}}));
    auto history = openHistory(install);
    const auto ticks = history->drawSelection(2);
    QCOMPARE(std::count(ticks.begin(), ticks.end(), true), 6);
    QVERIFY(ticks[9] && ticks[42] && !ticks[0]);
    for (const int draw : {0, -1, 3, 99}) {
        const auto none = history->drawSelection(draw);
        QCOMPARE(std::count(none.begin(), none.end(), true), 0);
    }
}

void TestDrawHistory::importChecks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    const FlagLines newer = TestHistory::randomLines(351, 8);
    const QByteArray newerText = HistoryFormat::serialize(newer);
    QTest::newRow("page header instead of data")
        << QByteArray("本数字データ\r\n") + newerText << StoreText::clipboardWrongTag().text;
    QTest::newRow("same draw count") << HistoryFormat::serialize(TestHistory::randomLines(350, 8))
                                     << StoreText::clipboardOlder().text;
    QTest::newRow("older") << HistoryFormat::serialize(TestHistory::randomLines(349, 8))
                           << StoreText::clipboardOlder().text;
    QTest::newRow("bad character on line 12") << QByteArray(newerText).replace(11 * 357 + 30, 1, "2")
                                              << StoreText::clipboardMalformed(12, StoreText::reasonCharacters()).text;
    QTest::newRow("only the first line") << newerText.left(355)
                                         << StoreText::clipboardMalformed(1, StoreText::reasonLineCount(1)).text;
    QTest::newRow("too many draws") << HistoryFormat::serialize(TestHistory::randomLines(kMaxDraws + 1, 8))
                                    << StoreText::clipboardMalformed(1, StoreText::reasonTooManyDraws(kMaxDraws)).text;
}

void TestDrawHistory::importChecks()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    TestInstall install(TestHistory::randomLines(350, 9));
    const QByteArray before = install.historyBytes();
    auto history = openHistory(install);
    const auto checked = history->checkImport(text);
    QVERIFY(!checked.ok());
    QCOMPARE(checked.error().text, message);
    QCOMPARE(install.historyBytes(), before);
}

void TestDrawHistory::importWritesTheExactLayout()
{
    TestInstall install(TestHistory::randomLines(350, 10));
    auto history = openHistory(install);
    const FlagLines newer = TestHistory::randomLines(351, 11);
    // Pasted text may come with LF line ends and a final line end; the file gets the exact layout.
    const QByteArray pasted = HistoryFormat::serialize(newer).replace("\r\n", "\n") + "\n";
    const auto checked = history->checkImport(pasted);
    QVERIFY(checked.ok());
    QVERIFY(!history->replaceAll(checked.value()));
    QCOMPARE(history->drawCount(), 351);
    QCOMPARE(install.historyBytes(), HistoryFormat::serialize(newer));
}

void TestDrawHistory::openRefusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QByteArray good = HistoryFormat::serialize(TestHistory::randomLines(12, 12));
    QTest::newRow("wrong tag") << QByteArray(good).replace(18 * 18, 4, "d20*") << QStringLiteral("19 行目");
    QTest::newRow("uneven lines") << QByteArray(good).insert(30, '0') << QStringLiteral("2 行目");
    QTest::newRow("binary junk") << QByteArray("\x00\x01\x02", 3) << QStringLiteral("1 行目");
}

void TestDrawHistory::openRefusesBadFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    TestInstall install(bytes);
    auto opened = DrawHistory::open(install.paths().historyFile());
    QVERIFY(!opened.ok());
    QVERIFY(opened.error().text.contains(install.paths().historyFile()));
    QVERIFY2(opened.error().text.contains(expected), qPrintable(opened.error().text));
    QCOMPARE(install.historyBytes(), bytes);

    auto missing = DrawHistory::open(install.paths().historyFile() + QStringLiteral(".none"));
    QVERIFY(!missing.ok());
    QVERIFY(missing.error().text.contains(QStringLiteral(".none")));
}

void TestDrawHistory::secondOpenIsRefusedWhileLocked()
{
    TestInstall install(TestHistory::randomLines(10, 13));
    {
        auto first = openHistory(install);
        QVERIFY(first);
        auto second =
            DrawHistory::open(install.paths().historyFile(), DrawHistory::Access::Write, std::chrono::milliseconds(50));
        QVERIFY(!second.ok());
        QCOMPARE(second.error().text, StoreText::historyLocked(install.paths().historyFile()).text);
        // Readers are not writers: they open beside the writer and beside each other.
        auto reader = DrawHistory::open(install.paths().historyFile(), DrawHistory::Access::Read);
        auto otherReader = DrawHistory::open(install.paths().historyFile(), DrawHistory::Access::Read);
        QVERIFY(reader.ok() && otherReader.ok());
        QCOMPARE(reader.value()->drawCount(), 10);
    }
    QVERIFY(openHistory(install));
}

void TestDrawHistory::onlyPlainFilesAreOpened()
{
    TestInstall install(TestHistory::randomLines(10, 14));
    const QString path = install.paths().historyFile();
    QFile::remove(path);
    QVERIFY(QDir().mkdir(path));
    auto folder = DrawHistory::open(path);
    QVERIFY(!folder.ok());
    QVERIFY2(folder.error().text.contains(StoreText::systemReason(EISDIR)), qPrintable(folder.error().text));
    QVERIFY(QDir().rmdir(path));
    // A named pipe is refused at once instead of waited on.
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    auto pipe = DrawHistory::open(path);
    QVERIFY(!pipe.ok());
    QVERIFY2(pipe.error().text.contains(QStringLiteral("名前付きパイプ")), qPrintable(pipe.error().text));
}

void TestDrawHistory::unreadableFilesSayTheyCannotBeRead()
{
    TestInstall install(TestHistory::randomLines(30, 18));
    const InstallPaths& paths = install.paths();
    // A change makes the lock files and a kept version. Then the folders let anybody in: root's groups stay
    // with it, so the group's bits count as much as everybody's.
    QVERIFY(openHistory(install)->appendDraw({1, 2, 3, 4, 5, 6}) == std::nullopt);
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto openable = readable | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    for (const QString& folder : {paths.root(), paths.dataFolder()})
        QVERIFY(QFile::setPermissions(folder, openable));
    const QString readRefused = StoreText::readFailedReason(EACCES);
    QVERIFY(!readRefused.contains(QStringLiteral("書き込み")));

    QVERIFY(QFile::setPermissions(paths.historyFile(), QFileDevice::Permissions()));
    {
        const PermissionsBind bind;
        if (!bind.hold())
            QSKIP("this root may not take another file-system identity");
        const auto opened = DrawHistory::open(paths.historyFile(), DrawHistory::Access::Read);
        QVERIFY(!opened.ok());
        QCOMPARE(opened.error().text, StoreText::historyUnreadable(paths.historyFile(), readRefused).text);
    }
    QVERIFY(QFile::setPermissions(paths.historyFile(), readable | QFile::WriteOwner));

    // A backup folder that cannot be listed, or listed but not entered, is no folder without backups.
    for (const auto mode : {QFileDevice::Permissions(), readable}) {
        QVERIFY(QFile::setPermissions(paths.backupFolder(), mode));
        const PermissionsBind bind;
        const auto reader = DrawHistory::open(paths.historyFile(), DrawHistory::Access::Read);
        QVERIFY(reader.ok());
        const UserMessage expected = StoreText::backupFolderUnreadable(paths.backupFolder(), readRefused);
        QCOMPARE(reader.value()->backups().error().text, expected.text);
        QCOMPARE(reader.value()->nextUndo().error().text, expected.text);
    }
    QVERIFY(QFile::setPermissions(paths.backupFolder(), openable));
}

void TestDrawHistory::undoChecksTheKeptVersion()
{
    TestInstall install(TestHistory::randomLines(30, 15));
    auto history = openHistory(install);
    QVERIFY(history->appendDraw({1, 2, 3, 4, 5, 6}) == std::nullopt);
    const QByteArray present = install.historyBytes();
    // A kept version whose content says 20 draws under a name that says 30.
    const BackupName newest = history->backups().value().first();
    TestHistory::writeFile(history->backupFolder().path(newest),
                           HistoryFormat::serialize(TestHistory::randomLines(20, 16)));
    const auto next = history->nextUndo();
    QVERIFY(!next.ok());
    QVERIFY(next.error().text.contains(newest.fileName()));
    QVERIFY2(next.error().text.contains(StoreText::reasonBackupCount(30, 20)), qPrintable(next.error().text));
    QCOMPARE(history->undoLastChange()->text, next.error().text);
    QCOMPARE(install.historyBytes(), present);
    QCOMPARE(history->drawCount(), 31);
}

void TestDrawHistory::linksAndModesAreKept()
{
    TestInstall install(TestHistory::randomLines(30, 17));
    const QString path = install.paths().historyFile();
    const QString real = install.paths().root() + QStringLiteral("/real-history.txt");
    QVERIFY(QFile::rename(path, real));
    QVERIFY(QFile::link(real, path));
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    {
        auto history = openHistory(install);
        QVERIFY(history->appendDraw({1, 2, 3, 4, 5, 6}) == std::nullopt);
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(TestHistory::readFile(real), install.historyBytes());
        QCOMPARE(history->drawCount(), 31);
        QCOMPARE(modeOf(real), 0600);
        QCOMPARE(modeOf(history->backupFolder().path(history->backups().value().first())), 0600);

        // Made read-only, the history is not replaced, and the message says why.
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::ReadUser));
        const QByteArray before = TestHistory::readFile(real);
        const Status refused = history->appendDraw({7, 8, 9, 10, 11, 12});
        QVERIFY(refused);
        QVERIFY2(refused->text.contains(QStringLiteral("読み取り専用")), qPrintable(refused->text));
        QCOMPARE(TestHistory::readFile(real), before);
        QCOMPARE(history->drawCount(), 31);
        QCOMPARE(history->backups().value().size(), 1);
    }
}

void TestDrawHistory::drawResultText_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("warned");
    QTest::newRow("six numbers") << 1 << QStringLiteral("3. 11. 20. 28. 35. 42") << false;
    QTest::newRow("seven numbers: the seventh is ignored") << 2 << QStringLiteral("1. 2. 3. 4. 5. 6") << false;
    QTest::newRow("three numbers") << 3 << EntryText::missingResult() << true;
    QTest::newRow("no number") << 4 << EntryText::missingResult() << false;
    QTest::newRow("coming draw") << 5 << EntryText::missingResult() << false;
}

void TestDrawHistory::drawResultText()
{
    QFETCH(int, draw);
    QFETCH(QString, text);
    QFETCH(bool, warned);
    // Draws that the edits cannot produce, but a file may hold: they are read, not refused.
    TestInstall install(TestHistory::linesOf({{3, 11, 20, 28, 35, 42}, {1, 2, 3, 4, 5, 6, 7}, {8, 9, 10}, {}}));
    auto history = openHistory(install);
    QVERIFY(history);
    const DrawResultText result = DrawResultText::of(*history, draw);
    QCOMPARE(result.text, text);
    QCOMPARE(bool(result.warning), warned);
    if (warned)
        QCOMPARE(result.warning->text, StoreText::drawNotSixNumbers(3).text);
}

void TestDrawHistory::appearanceCounts()
{
    TestInstall install(TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {1, 2, 7, 8, 9, 10}, {2, 3, 11, 12, 13, 14}}));
    auto history = openHistory(install);
    const auto all = ::appearanceCounts(*history, 0);
    QCOMPARE(all[0], 2);
    QCOMPARE(all[1], 3);
    QCOMPARE(all[42], 0);
    const auto withOne = ::appearanceCounts(*history, 1);
    QCOMPARE(withOne[0], -2); // the partner's own slot counts down its draws
    QCOMPARE(withOne[1], 2);
    QCOMPARE(withOne[2], 1);
    QCOMPARE(withOne[10], 0);
}

QTEST_GUILESS_MAIN(TestDrawHistory)
#include "tst_drawhistory.moc"
