#include "CliScenario.h"

#include <QDir>
#include <QFile>

#include <QTest>

namespace CliScenario {
namespace {

// Every scenario starts from a registrant with predictions, so that history changes meet them too.
const QStringList kCommonSetup{
    QStringLiteral("registrant add 1 太郎"),
    QStringLiteral("prediction add 1 {draws} 3 11 20 28 35 42"),
    QStringLiteral("prediction add 1 {draws} 1 2 3 4 5 6"),
    QStringLiteral("prediction add 1 {next} 7 8 9 10 11 12"),
};

} // namespace

QString Outcome::describe() const
{
    return status == QProcess::NormalExit ? QStringLiteral("exit code %1").arg(code)
                                          : QStringLiteral("killed by signal %1").arg(code);
}

Outcome run(const QString& root, const QStringList& words, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("VEMO_CLI"), QStringList{QStringLiteral("--install-path"), root} + words);
    if (!process.waitForFinished(60000))
        process.kill();
    process.waitForFinished();
    return {process.exitStatus(), process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QProcessEnvironment faultEnvironment(QProcessEnvironment env, const QList<std::pair<QString, QString>>& settings)
{
    const QString preload = env.value(QStringLiteral("LD_PRELOAD"));
    env.insert(QStringLiteral("LD_PRELOAD"),
               preload.isEmpty() ? QStringLiteral(FAULT_LIBRARY) : preload + QStringLiteral(":" FAULT_LIBRARY));
    // Under AddressSanitizer its runtime would insist on coming first.
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("verify_asan_link_order=0"));
    for (const auto& [name, value] : settings)
        env.insert(name, value);
    return env;
}

void addCommandRows()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("command");

    // 350 draws make a history of 15,306 bytes, just under the 16 KB that once hid a lost write.
    const QString append = QStringLiteral("append 1 5 17 22 40 43");
    QTest::newRow("append") << 350 << QStringList() << append;
    QTest::newRow("append over 16 KB") << 400 << QStringList() << append;
    QTest::newRow("modify") << 350 << QStringList() << QStringLiteral("modify 12 3 11 20 28 35 42");
    QTest::newRow("delete-last") << 350 << QStringList() << QStringLiteral("delete-last");
    QTest::newRow("import") << 350 << QStringList() << QStringLiteral("import {import}");
    // The first run leaves result files for the tested one to replace.
    const QString firstPredict = QStringLiteral("predict --count 6 --amount 50 --prefer frequent --weight 10");
    QTest::newRow("predict") << 350 << QStringList{firstPredict}
                             << QStringLiteral("predict --count 7 --amount 100 --prefer rare --weight 5");
    QTest::newRow("prediction add") << 350 << QStringList()
                                    << QStringLiteral("prediction add 1 {next} 13 14 15 16 17 18");
    QTest::newRow("prediction delete") << 350 << QStringList() << QStringLiteral("prediction delete 1 {draws} 1");
    QTest::newRow("registrant add") << 350 << QStringList() << QStringLiteral("registrant add 2 花子");
    QTest::newRow("registrant rename") << 350 << QStringList() << QStringLiteral("registrant add 1 次郎");
    QTest::newRow("registrant remove") << 350 << QStringList() << QStringLiteral("registrant remove 1");
    QTest::newRow("undo") << 350 << QStringList{QStringLiteral("append 2 4 6 8 10 12")} << QStringLiteral("undo");
    QTest::newRow("undo --slot") << 350 << QStringList{QStringLiteral("prediction add 1 {next} 13 14 15 16 17 18")}
                                 << QStringLiteral("undo --slot 1");
    QTest::newRow("wheel --buy") << 350 << QStringList()
                                 << QStringLiteral("wheel --pool 1,2,3,4,5,6,7,8 --guarantee 3/3 --buy 1 {next}");
    QTest::newRow("prizes --set") << 350 << QStringList{QStringLiteral("prizes --set 200000000 10000000 50000 1000")}
                                  << QStringLiteral("prizes --set 300000000 12000000 60000 1000 --price 300");
}

Row currentRow()
{
    QFETCH(int, draws);
    QFETCH(QStringList, setup);
    QFETCH(QString, command);
    return {draws, setup, command};
}

Scenario::Scenario(int draws)
    : m_draws(draws), m_importFile(m_work.filePath(QStringLiteral("paste.txt"))),
      m_plain(QProcessEnvironment::systemEnvironment()), m_install(TestHistory::randomLines(draws, 61))
{
    TestHistory::writeFile(m_importFile,
                           HistoryFormat::serialize(TestHistory::randomLines(draws + 1, 62)).replace("\r\n", "\n"));
    // The user's settings stay out of it; a run without settings below passes nothing to the library.
    m_plain.insert(QStringLiteral("XDG_CONFIG_HOME"), m_work.filePath(QStringLiteral("config")));
    m_plain.insert(QStringLiteral("XDG_DATA_HOME"), m_work.filePath(QStringLiteral("data")));
    for (const QString& name :
         {QStringLiteral("VEMO_FAULT"), QStringLiteral("VEMO_FAULT_AT"), QStringLiteral("VEMO_FAULT_COUNT"),
          QStringLiteral("VEMO_FAULT_TRACE"), QStringLiteral("VEMO_FAULT_RECORD")})
        m_plain.remove(name);
}

QString Scenario::prepare(const QStringList& setup)
{
    for (const QString& line : kCommonSetup + setup) {
        if (line == QStringLiteral("{link history}")) {
            linkHistory();
            continue;
        }
        const Outcome made = run(installation(), words(line), m_plain);
        if (!made.exited(0))
            return line + QStringLiteral(": ") + made.describe() + QLatin1Char(' ') + made.err;
    }
    return {};
}

void Scenario::linkHistory() const
{
    // Relative, so that a copy of the folder links to its own copy.
    const QString history = m_install.paths().historyFile();
    QDir().mkpath(installation() + QStringLiteral("/elsewhere"));
    QFile::rename(history, installation() + QStringLiteral("/elsewhere/history.txt"));
    QFile::link(QStringLiteral("../elsewhere/history.txt"), history);
}

QStringList Scenario::words(const QString& line) const
{
    return QString(line)
        .replace(QStringLiteral("{draws}"), QString::number(m_draws))
        .replace(QStringLiteral("{next}"), QString::number(m_draws + 1))
        .replace(QStringLiteral("{import}"), m_importFile)
        .split(QLatin1Char(' '));
}

} // namespace CliScenario
