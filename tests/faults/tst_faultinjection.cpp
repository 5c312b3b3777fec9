#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <unistd.h>

#include "CliScenario.h"

using CliScenario::faultEnvironment;
using CliScenario::Outcome;
using CliScenario::run;
using TestHistory::readFile;
using TestHistory::writeFile;

namespace {

/** Every file under a folder by its path relative to it; lock files hold no data and are left out. */
using Files = QMap<QString, QByteArray>;

const QString kBackupFolder = QStringLiteral("Vemo6Data/Backup/");

Files snapshot(const QString& root)
{
    Files files;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral(".lock")))
            files.insert(base.relativeFilePath(path), readFile(path));
    }
    return files;
}

bool isBackup(const QString& path)
{
    return path.startsWith(kBackupFolder);
}

/** The backup files' names carry the time they were made, so only their contents are compared. */
QList<QByteArray> backupContents(const Files& files)
{
    QList<QByteArray> contents;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (isBackup(it.key()))
            contents.append(it.value());
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

/**
 * What an interrupted save may leave beside its target, ".<name>~XXXXXX.vemo-new" or "-old", and the
 * journal of a change of several files that the next run settles.
 */
bool isLeftover(const QString& path)
{
    static const QRegularExpression pattern(
        QStringLiteral("(/\\.[^/]+~[A-Za-z0-9]{6}\\.vemo-(new|old)|/\\.journal(\\.rollback)?\\.txt)$"));
    return pattern.match(path).hasMatch();
}

QString sizeText(const Files& files, const QString& path)
{
    return files.contains(path) ? QStringLiteral("%1 bytes").arg(files[path].size()) : QStringLiteral("none");
}

/** How a folder's files differ from what they were. */
QStringList differences(const Files& was, const Files& is)
{
    QStringList found;
    QStringList paths = was.keys() + is.keys();
    paths.removeDuplicates();
    for (const QString& path : std::as_const(paths)) {
        if (isBackup(path) || (was.value(path) == is.value(path) && was.contains(path) == is.contains(path)))
            continue;
        if (!is.contains(path))
            found << path + QStringLiteral(" was removed");
        else if (!was.contains(path))
            found << path + QStringLiteral(" was added (%1)").arg(sizeText(is, path));
        else
            found << path + QStringLiteral(" changed (%1, was %2)").arg(sizeText(is, path), sizeText(was, path));
    }
    if (backupContents(was) != backupContents(is))
        found << QStringLiteral("the backup folder changed (%1 files, was %2)")
                     .arg(backupContents(is).size())
                     .arg(backupContents(was).size());
    return found;
}

/**
 * After a kill every file must be whole: its old or its new content. A backup made on the way
 * holds a kept version or the old content of a data file.
 */
QStringList incompleteFiles(const Files& before, const Files& after, const Files& left)
{
    QList<QByteArray> keptVersions = backupContents(before) + backupContents(after);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!isBackup(it.key()) && !it.value().isEmpty())
            keptVersions.append(it.value());
    }
    QStringList found;
    for (auto it = left.cbegin(); it != left.cend(); ++it) {
        const QString& path = it.key();
        if (isLeftover(path))
            continue;
        if (isBackup(path)) {
            if (!keptVersions.contains(it.value()))
                found << path + QStringLiteral(" is no kept version (%1 bytes)").arg(it.value().size());
        } else if (!before.contains(path) && !after.contains(path)) {
            found << path + QStringLiteral(" should not be there (%1 bytes)").arg(it.value().size());
        } else if (!(before.contains(path) && before[path] == it.value())
                   && !(after.contains(path) && after[path] == it.value())) {
            found << path
                         + QStringLiteral(" is neither old nor new (%1 bytes; old %2, new %3)")
                               .arg(it.value().size())
                               .arg(sizeText(before, path), sizeText(after, path));
        }
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!isBackup(it.key()) && after.contains(it.key()) && !left.contains(it.key()))
            found << it.key() + QStringLiteral(" is gone");
    }
    return found;
}

/** What a link says, relative or not, so that a copied link points where the original does in its folder. */
QString linkText(const QString& link)
{
    char text[4096];
    const ssize_t size = ::readlink(QFile::encodeName(link).constData(), text, sizeof text);
    return size > 0 ? QFile::decodeName(QByteArray(text, size)) : QString();
}

void copyFolder(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (it.fileInfo().isSymLink())
            QFile::link(linkText(path), target);
        else if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!path.endsWith(QStringLiteral(".lock")))
            writeFile(target, readFile(path));
    }
}

/** What a user sees of a folder: the draw count and the registrants. */
QStringList report(const QString& root, const QProcessEnvironment& env)
{
    const Outcome info = run(root, {QStringLiteral("info")}, env);
    const Outcome list = run(root, {QStringLiteral("registrant"), QStringLiteral("list")}, env);
    if (!info.exited(0) || !list.exited(0))
        return {QStringLiteral("info: ") + info.describe() + QLatin1Char(' ') + info.err.trimmed(),
                QStringLiteral("registrant list: ") + list.describe() + QLatin1Char(' ') + list.err.trimmed()};
    return QStringList{info.out.section(QLatin1Char('\n'), 0, 0)} + list.out.split(QLatin1Char('\n'));
}

/** A run whose call failed must say so and leave every file as it was. */
QStringList checkFailed(const Outcome& faulted, const Files& before, const Files& after, const Files& left)
{
    if (faulted.exited(0) && differences(after, left).isEmpty())
        return {QStringLiteral("succeeded as if the call had not failed")};
    QStringList found;
    if (!faulted.exited(1))
        found << faulted.describe() + QStringLiteral(", expected 1");
    if (faulted.err.trimmed().isEmpty())
        found << QStringLiteral("no message");
    return found + differences(before, left);
}

/** The next run must read the folder as the old or the new one and clear what the cut-short run left. */
QStringList checkNextRun(const Files& before, const Files& after, const QString& root, const QProcessEnvironment& env,
                         const QStringList& oldReport, const QStringList& newReport)
{
    QStringList found;
    const QStringList seen = report(root, env);
    if (seen != oldReport && seen != newReport)
        found << QStringLiteral("the next run shows ") + seen.join(QStringLiteral(" | "));
    // The files that change together are, after the next run, all old or all new, backups included.
    const Files opened = snapshot(root);
    if (!differences(before, opened).isEmpty() && !differences(after, opened).isEmpty())
        found << QStringLiteral("a mixed set: ") + differences(after, opened).join(QStringLiteral(", "));
    // A slot with two files would bring the other name back once the registrant is removed.
    static const QRegularExpression registrantFile(QStringLiteral("^Vemo6Data/YosoData/YDF([1-5]).*\\.txt$"));
    QMultiMap<QString, QString> filesOfSlot;
    for (auto it = opened.cbegin(); it != opened.cend(); ++it) {
        if (isLeftover(it.key()))
            found << it.key() + QStringLiteral(" is still there after the next run");
        else if (const QRegularExpressionMatch slot = registrantFile.match(it.key()); slot.hasMatch())
            filesOfSlot.insert(slot.captured(1), it.key());
    }
    for (const QString& slot : filesOfSlot.uniqueKeys()) {
        if (filesOfSlot.count(slot) > 1)
            found << QStringLiteral("slot %1 has %2 files: ").arg(slot).arg(filesOfSlot.count(slot))
                         + filesOfSlot.values(slot).join(QStringLiteral(", "));
    }
    return found;
}

/** A killed run must leave whole files, and the next run settles them. */
QStringList checkKilled(const Outcome& faulted, const Files& before, const Files& after, const Files& left,
                        const QString& root, const QProcessEnvironment& env, const QStringList& oldReport,
                        const QStringList& newReport)
{
    if (faulted.status != QProcess::CrashExit || faulted.code != SIGKILL)
        return {faulted.describe() + QStringLiteral(": the call never came")};
    return incompleteFiles(before, after, left) + checkNextRun(before, after, root, env, oldReport, newReport);
}

/**
 * A second fault on the way back: a run that says nothing changed must have changed nothing; one that
 * says the next open settles the change must be settled by it; a kill, as any kill.
 */
QStringList checkTwoFaults(const Outcome& faulted, const Files& before, const Files& after, const Files& left,
                           const QString& root, const QProcessEnvironment& env, const QStringList& oldReport,
                           const QStringList& newReport)
{
    if (faulted.status == QProcess::CrashExit)
        return checkKilled(faulted, before, after, left, root, env, oldReport, newReport);
    if (!faulted.err.contains(QStringLiteral("そろえます")))
        return checkFailed(faulted, before, after, left);
    QStringList found = incompleteFiles(before, after, left);
    if (!faulted.exited(1))
        found << faulted.describe() + QStringLiteral(", expected 1");
    return found + checkNextRun(before, after, root, env, oldReport, newReport);
}

} // namespace

class TestFaultInjection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failingCallsLoseNothing_data();
    void failingCallsLoseNothing();
};

void TestFaultInjection::failingCallsLoseNothing_data()
{
    CliScenario::addCommandRows();
    // A link stays a link, and its target's folder is left as tidy as the data folder.
    QTest::newRow("append to a linked history")
        << 350 << QStringList{QStringLiteral("{link history}")} << QStringLiteral("append 1 5 17 22 40 43");
}

/**
 * Makes every counted call of a command fail in turn (full disk, I/O error) or kills the command
 * right before it. A failure must leave every file as it was, with a message; a kill must leave
 * every file whole, old or new, and a folder that the next run reads and tidies.
 */
void TestFaultInjection::failingCallsLoseNothing()
{
    const auto [draws, setup, command] = CliScenario::currentRow();
    QElapsedTimer timer;
    timer.start();

    CliScenario::Scenario scenario(draws);
    const QString setupError = scenario.prepare(setup);
    QVERIFY2(setupError.isEmpty(), qPrintable(setupError));
    const QString prepared = scenario.installation();
    const QProcessEnvironment& plain = scenario.plain();
    const auto words = [&scenario](const QString& line) { return scenario.words(line); };
    const Files before = snapshot(prepared);
    const QStringList oldReport = report(prepared, plain);

    // The expected new state, from a run without the library and one with it counting the calls.
    const QString newFolder = scenario.workPath(QStringLiteral("new"));
    copyFolder(prepared, newFolder);
    const Outcome done = run(newFolder, words(command), plain);
    QVERIFY2(done.exited(0),
             qPrintable(command + QStringLiteral(": ") + done.describe() + QLatin1Char(' ') + done.err));
    const Files after = snapshot(newFolder);
    const QStringList newReport = report(newFolder, plain);

    const QString countFolder = scenario.workPath(QStringLiteral("count"));
    const QString countFile = scenario.workPath(QStringLiteral("count.txt"));
    const QString traceFile = scenario.workPath(QStringLiteral("trace.txt"));
    copyFolder(prepared, countFolder);
    const Outcome counted = run(countFolder, words(command),
                                faultEnvironment(plain, {{QStringLiteral("VEMO_FAULT_COUNT"), countFile},
                                                         {QStringLiteral("VEMO_FAULT_TRACE"), traceFile}}));
    QVERIFY2(counted.exited(0), qPrintable(counted.describe() + QLatin1Char(' ') + counted.err));
    QCOMPARE(counted.out, done.out);
    QCOMPARE(differences(after, snapshot(countFolder)), QStringList());
    const int calls = readFile(countFile).trimmed().toInt();
    QVERIFY2(calls > 0, "no write, sync, rename or link: nothing makes this change last");
    // Labels name each call for the messages, the folder's own path left out.
    QStringList labels = QString::fromUtf8(readFile(traceFile))
                             .replace(countFolder + QLatin1Char('/'), QString())
                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(labels.size(), calls);
    for (QString& label : labels)
        label = label.section(QLatin1Char(' '), 1);

    // One line per faulted run that went wrong, with everything that went wrong in it.
    QStringList problems;
    const QString runFolder = scenario.workPath(QStringLiteral("run"));
    // A single fault at each call; then an I/O error followed, on the way back, by a second error or a kill.
    const QStringList modes{QStringLiteral("enospc"), QStringLiteral("eio"), QStringLiteral("kill"),
                            QStringLiteral("eio+eio"), QStringLiteral("eio+kill")};
    for (int n = 1; n <= calls; ++n) {
        for (const QString& mode : modes) {
            copyFolder(prepared, runFolder);
            const QStringList faults = mode.split(QLatin1Char('+'));
            QList<std::pair<QString, QString>> settings{{QStringLiteral("VEMO_FAULT_AT"), QString::number(n)},
                                                        {QStringLiteral("VEMO_FAULT"), faults.first()}};
            if (faults.size() > 1)
                settings << std::pair{QStringLiteral("VEMO_FAULT_THEN_AT"), QString::number(n + 1)}
                         << std::pair{QStringLiteral("VEMO_FAULT_THEN"), faults.last()};
            const Outcome faulted = run(runFolder, words(command), faultEnvironment(plain, settings));
            const Files left = snapshot(runFolder);
            QStringList found;
            if (faults.size() > 1)
                found = checkTwoFaults(faulted, before, after, left, runFolder, plain, oldReport, newReport);
            else if (mode == QStringLiteral("kill"))
                found = checkKilled(faulted, before, after, left, runFolder, plain, oldReport, newReport);
            else
                found = checkFailed(faulted, before, after, left);
            if (!found.isEmpty())
                problems << QStringLiteral("%1 at call %2 (%3): ").arg(mode).arg(n).arg(labels.value(n - 1))
                                + found.join(QStringLiteral("; "));
        }
    }
    qInfo("%s: %d calls, %lld ms", qPrintable(command), calls, timer.elapsed());
    for (const QString& problem : problems.mid(0, 60))
        qInfo("%s", qPrintable(problem));
    if (problems.size() > 60)
        qInfo("… and %lld more", qlonglong(problems.size() - 60));
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 of %2 faulted runs went wrong, listed above")
                                                .arg(problems.size())
                                                .arg(modes.size() * calls)));
}

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"
