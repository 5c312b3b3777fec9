#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <optional>

#include "CliScenario.h"
#include "PowerCutModel.h"

using CliScenario::Outcome;
using PowerCut::Call;
using PowerCut::CrashState;
using PowerCut::Tree;

namespace {

// Today's commands leave fewer distinct states than this; past it, an even spread of them is checked.
constexpr qsizetype kMostStates = 400;
constexpr qsizetype kMostRecoveryStates = 200;
constexpr qsizetype kShownProblems = 40;

QString madeFolder(const QString& path)
{
    QDir().mkpath(path);
    return QFileInfo(path).canonicalFilePath();
}

template <typename T>
QList<T> spread(const QList<T>& items, qsizetype most)
{
    if (items.size() <= most)
        return items;
    QList<T> chosen;
    for (qsizetype i = 0; i < most; ++i)
        chosen.append(items[i * items.size() / most]);
    return chosen;
}

/** When the power went and what of the calls it took. */
QString originOf(const CrashState& state, const QList<Call>& calls)
{
    const QString point = state.call == 0 ? QStringLiteral("before call 1")
                                          : QStringLiteral("after call %1 of %2 (%3)")
                                                .arg(state.call)
                                                .arg(calls.size())
                                                .arg(calls[state.call - 1].label());
    return point
           + (state.dropped.isEmpty() ? QStringLiteral(", nothing lost")
                                      : QStringLiteral(", lost: ") + state.dropped.join(QStringLiteral("; ")));
}

/** A state that a cut of the open recovering another state leaves, and how both cuts came about. */
struct RecoveryState {
    Tree tree;
    QString origin;
};

/**
 * Opens the folder in each state a power cut may leave and judges what the open leaves: exactly the
 * tree before the command or the one after it, no file more or less.
 */
class PowerCutCheck {
public:
    PowerCutCheck(const CliScenario::Scenario& scenario, Tree before, Tree after)
        : m_before(std::move(before)), m_after(std::move(after)),
          m_folder(madeFolder(scenario.workPath(QStringLiteral("state")))),
          m_record(scenario.workPath(QStringLiteral("open-record.txt"))),
          m_recording(
              CliScenario::faultEnvironment(scenario.plain(), {{QStringLiteral("VEMO_FAULT_RECORD"), m_record}}))
    {
    }

    /** Every state the command's calls may leave; then every state that a cut of an open recovering one may leave. */
    void checkCommand(const QList<Call>& calls);

    QString summary() const
    {
        return QStringLiteral("%1 calls, %2 of %3 crash states checked, %4 of %5 more from cutting %6 recoveries")
            .arg(m_calls)
            .arg(m_checked)
            .arg(m_found)
            .arg(m_recoveryChecked)
            .arg(m_recoveryFound)
            .arg(m_recoveries);
    }
    const QStringList& problems() const { return m_problems; }
    const QStringList& errors() const { return m_errors; }

private:
    /** Opens the folder in this state and judges it; the open's calls when they move or link files. */
    std::optional<QList<Call>> check(const Tree& state, const QString& origin);
    QString judge(const Outcome& opened, const Tree& left) const;

    Tree m_before;
    Tree m_after;
    QString m_folder;
    QString m_record;
    QProcessEnvironment m_recording;
    QSet<QByteArray> m_seen;
    QStringList m_problems;
    QStringList m_errors;
    qsizetype m_calls = 0;
    qsizetype m_found = 0;
    qsizetype m_checked = 0;
    qsizetype m_recoveries = 0;
    qsizetype m_recoveryFound = 0;
    qsizetype m_recoveryChecked = 0;
};

void PowerCutCheck::checkCommand(const QList<Call>& calls)
{
    m_calls = calls.size();
    const QList<CrashState> states = PowerCut::crashStates(m_before, calls, m_seen, m_errors);
    m_found = states.size();
    QList<RecoveryState> recoveryStates;
    for (const CrashState& state : spread(states, kMostStates)) {
        const QString origin = originOf(state, calls);
        const std::optional<QList<Call>> recovery = check(state.tree, origin);
        ++m_checked;
        if (!recovery)
            continue;
        ++m_recoveries;
        for (const CrashState& cut : PowerCut::crashStates(state.tree, *recovery, m_seen, m_errors))
            recoveryStates.append(
                {cut.tree, origin + QStringLiteral("; the next open cut ") + originOf(cut, *recovery)});
    }
    m_recoveryFound = recoveryStates.size();
    for (const RecoveryState& cut : spread(recoveryStates, kMostRecoveryStates)) {
        check(cut.tree, cut.origin);
        ++m_recoveryChecked;
    }
}

std::optional<QList<Call>> PowerCutCheck::check(const Tree& state, const QString& origin)
{
    if (!PowerCut::writeTree(state, m_folder)) {
        m_errors.append(origin + QStringLiteral(": the state cannot be made in ") + m_folder);
        return std::nullopt;
    }
    QFile::remove(m_record);
    const Outcome opened = CliScenario::run(m_folder, {QStringLiteral("info")}, m_recording);
    const Tree left = PowerCut::readTree(m_folder);
    if (const QString problem = judge(opened, left); !problem.isEmpty())
        m_problems.append(origin + QStringLiteral(": ") + problem);
    const QList<Call> calls = PowerCut::readRecord(TestHistory::readFile(m_record), m_folder, m_errors);
    // The model follows the open's calls only if they account for everything it changed.
    if (!PowerCut::differences(left, PowerCut::replayed(state, calls, m_errors)).isEmpty())
        m_errors.append(origin + QStringLiteral(": the record of the open misses a change"));
    if (std::any_of(calls.cbegin(), calls.cend(), [](const Call& call) { return call.movesFiles(); }))
        return calls;
    return std::nullopt;
}

QString PowerCutCheck::judge(const Outcome& opened, const Tree& left) const
{
    const QStringList fromOld = PowerCut::differences(m_before, left);
    const QStringList fromNew = PowerCut::differences(m_after, left);
    QString problem;
    if (!opened.exited(0))
        problem = QStringLiteral("info refused (%1: %2)")
                      .arg(opened.describe(), opened.err.trimmed().section(QLatin1Char('\n'), 0, 0));
    if (fromOld.isEmpty() || fromNew.isEmpty())
        return problem;
    const bool nearerNew = fromNew.size() <= fromOld.size();
    const QStringList& nearest = nearerNew ? fromNew : fromOld;
    return (problem.isEmpty() ? QString() : problem + QStringLiteral("; "))
           + QStringLiteral("left neither old nor new; against the %1 files: ")
                 .arg(nearerNew ? QStringLiteral("new") : QStringLiteral("old"))
           + nearest.mid(0, 6).join(QStringLiteral(", ")) + (nearest.size() > 6 ? QStringLiteral(", …") : QString());
}

} // namespace

class TestPowerCut : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theModelKeepsThePosixRules();
    void everyPowerCutLeavesOldOrNew_data();
    void everyPowerCutLeavesOldOrNew();
};

/**
 * On a small record: a name lasts in its folder's order, and for sure once the folder is synced; bytes once
 * the file is. One state keeps b/j, its folder synced, while a/t's name is lost: a journal without its file.
 */
void TestPowerCut::theModelKeepsThePosixRules()
{
    const QByteArray record = "create new 1:1 /r/a/t\n"
                              "write 1:1 0 6e6577 /r/a/t\n"
                              "fdatasync 1:1 /r/a/t\n"
                              "close 1:1 /r/a/t\n"
                              "create new 1:2 /r/b/j\n"
                              "fsync folder /r/b\n"
                              "rename /r/a/t /r/a/x\n"
                              "fsync folder /r/a\n";
    const Tree start{{QStringLiteral("a"), {PowerCut::Entry::Type::Folder, {}, 1}},
                     {QStringLiteral("a/x"), {PowerCut::Entry::Type::File, "old", 2}},
                     {QStringLiteral("b"), {PowerCut::Entry::Type::Folder, {}, 3}}};
    QStringList errors;
    QSet<QByteArray> seen;
    QStringList left;
    const QList<Call> calls = PowerCut::readRecord(record, QStringLiteral("/r"), errors);
    for (const CrashState& state : PowerCut::crashStates(start, calls, seen, errors)) {
        QStringList files;
        for (auto it = state.tree.cbegin(); it != state.tree.cend(); ++it) {
            if (it->type == PowerCut::Entry::Type::File)
                files.append(it.key() + QLatin1Char('=') + QString::fromLatin1(it->content));
        }
        left.append(files.join(QLatin1Char(' ')));
    }
    left.sort();
    QCOMPARE(errors, QStringList());
    QCOMPARE(left, (QStringList{QStringLiteral("a/t= a/x=old"), QStringLiteral("a/t=new a/x=old"),
                                QStringLiteral("a/t=new a/x=old b/j="), QStringLiteral("a/x=new b/j="),
                                QStringLiteral("a/x=old"), QStringLiteral("a/x=old b/j=")}));
}

void TestPowerCut::everyPowerCutLeavesOldOrNew_data()
{
    CliScenario::addCommandRows();
}

/**
 * Records a command's calls once, builds every state a power cut at any point of them may leave, and
 * opens each: the next open must leave the folder exactly as it was before the command or after it.
 * An open that moves or links files, finishing or undoing a change, is recorded too and cut in turn.
 */
void TestPowerCut::everyPowerCutLeavesOldOrNew()
{
    const auto [draws, setup, command] = CliScenario::currentRow();
    QElapsedTimer timer;
    timer.start();

    CliScenario::Scenario scenario(draws);
    const QString setupError = scenario.prepare(setup);
    QVERIFY2(setupError.isEmpty(), qPrintable(setupError));
    const Tree before = PowerCut::readTree(scenario.installation());

    // Every state comes from this one run, so that the times in the backups' names agree.
    const QString traced = madeFolder(scenario.workPath(QStringLiteral("traced")));
    QVERIFY(PowerCut::writeTree(before, traced));
    const QString record = scenario.workPath(QStringLiteral("command-record.txt"));
    const Outcome done = CliScenario::run(
        traced, scenario.words(command),
        CliScenario::faultEnvironment(scenario.plain(), {{QStringLiteral("VEMO_FAULT_RECORD"), record}}));
    QVERIFY2(done.exited(0),
             qPrintable(command + QStringLiteral(": ") + done.describe() + QLatin1Char(' ') + done.err));
    const Tree after = PowerCut::readTree(traced);
    QStringList errors;
    const QList<Call> calls = PowerCut::readRecord(TestHistory::readFile(record), traced, errors);
    QCOMPARE(PowerCut::differences(after, PowerCut::replayed(before, calls, errors)), QStringList());
    QVERIFY(!PowerCut::differences(before, after).isEmpty());

    PowerCutCheck check(scenario, before, after);
    check.checkCommand(calls);
    qInfo("%s: %s; %lld ms", qPrintable(command), qPrintable(check.summary()), timer.elapsed());
    errors += check.errors();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.mid(0, kShownProblems).join(QLatin1Char('\n'))));
    const QStringList& problems = check.problems();
    for (const QString& problem : problems.mid(0, kShownProblems))
        qInfo("%s", qPrintable(problem));
    if (problems.size() > kShownProblems)
        qInfo("… and %lld more", qlonglong(problems.size() - kShownProblems));
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(
            QStringLiteral("%1 states were not left wholly old or wholly new, listed above").arg(problems.size())));
}

QTEST_GUILESS_MAIN(TestPowerCut)
#include "tst_powercut.moc"
