#include <QProcess>
#include <QTest>

#include "TestHistory.h"
#include "core/patterns/PatternStats.h"
#include "core/text/ChanceText.h"
#include "core/text/PredictText.h"
#include "core/text/StoreText.h"

class TestHistoryCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readingCommands();
    void editsAndTheirRefusals();
    void importFromAFile();
    void historyPastTheLimitGoesBackUnderIt();
    void wrongArgumentsChangeNothing_data();
    void wrongArgumentsChangeNothing();
    void firstStartMakesTheUserFolder();
    void killedImportLeavesACompleteFile();
};

void TestHistoryCli::readingCommands()
{
    FlagLines lines = TestHistory::linesOf({{3, 11, 20, 28, 35, 42}, {1, 2, 3, 4, 5, 6}, {1, 9}});
    TestInstall install(lines);

    const CliRun info = runCli(install.paths(), {QStringLiteral("info")});
    QCOMPARE(info.exitCode, 0);
    QCOMPARE(info.outLines().value(0), QStringLiteral("draws 3"));
    QCOMPARE(info.outLines().value(1), QStringLiteral("menu ") + StoreText::lastDrawMenu(3));

    QCOMPARE(runCli(install.paths(), {QStringLiteral("hitstring"), QStringLiteral("3")}).out, QStringLiteral("011\n"));

    const CliRun result = runCli(install.paths(), {QStringLiteral("draw-result"), QStringLiteral("1")});
    QCOMPARE(result.out, QStringLiteral("3. 11. 20. 28. 35. 42\n"));
    const CliRun partial = runCli(install.paths(), {QStringLiteral("draw-result"), QStringLiteral("3")});
    QCOMPARE(partial.exitCode, 0);
    QCOMPARE(partial.out, QStringLiteral("--、--、--、--、--、--\n"));
    QVERIFY(partial.err.contains(StoreText::drawNotSixNumbers(2).text));
    QCOMPARE(runCli(install.paths(), {QStringLiteral("draw-result"), QStringLiteral("5")}).exitCode, 1);

    const QStringList chart = runCli(install.paths(), {QStringLiteral("appearance"), QStringLiteral("3")}).outLines();
    QCOMPARE(chart.size(), 4);
    const QStringList appearance = chart[0].split(QLatin1Char(' '));
    QCOMPARE(appearance.size(), 43);
    QCOMPARE(appearance[2], QStringLiteral("-2"));
    QCOMPARE(appearance[0], QStringLiteral("1"));
    QCOMPARE(appearance[10], QStringLiteral("1"));
    // Beside the counts: chance over the partner's two draws, the tests of the draws, and what they mean.
    QCOMPARE(chart[1], QStringLiteral("偶然なら、3 と一緒に出る回数はどの数字も平均 0.2 回、95 % は 0〜1 回（帯）。"));
    QVERIFY(chart[2].startsWith(QStringLiteral("出方のかたより χ²(42) = ")));
    QCOMPARE(chart[3], ChanceText::unpredictable());
}

void TestHistoryCli::editsAndTheirRefusals()
{
    TestInstall install(TestHistory::randomLines(7, 31));
    const QByteArray before = install.historyBytes();

    const CliRun appended = runCli(install.paths(), {QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("5"),
                                                     QStringLiteral("17"), QStringLiteral("22"), QStringLiteral("40"),
                                                     QStringLiteral("43")});
    QCOMPARE(appended.exitCode, 0);
    QCOMPARE(appended.out, QStringLiteral("draws 8\n"));
    QCOMPARE(runCli(install.paths(), {QStringLiteral("hitstring"), QStringLiteral("40")}).out.front(),
             QLatin1Char('1'));

    const CliRun repeated = runCli(install.paths(), {QStringLiteral("modify"), QStringLiteral("2"), QStringLiteral("1"),
                                                     QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                                     QStringLiteral("4"), QStringLiteral("5")});
    QCOMPARE(repeated.exitCode, 1);
    QVERIFY(repeated.err.contains(StoreText::repeatedNumber(1).text));
    QVERIFY(repeated.out.isEmpty());

    QCOMPARE(runCli(install.paths(), {QStringLiteral("delete-last")}).out, QStringLiteral("draws 7\n"));
    QCOMPARE(install.historyBytes(), before);
}

void TestHistoryCli::importFromAFile()
{
    TestInstall install(TestHistory::randomLines(350, 32));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("paste.txt"));
    const FlagLines newer = TestHistory::randomLines(351, 33);
    TestHistory::writeFile(file, HistoryFormat::serialize(newer).replace("\r\n", "\n"));
    const CliRun imported = runCli(install.paths(), {QStringLiteral("import"), file});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.out, QStringLiteral("draws 351\n"));
    QCOMPARE(install.historyBytes(), HistoryFormat::serialize(newer));

    // The same text again is no longer newer.
    const CliRun again = runCli(install.paths(), {QStringLiteral("import"), file});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains(StoreText::importFileOlder(file).text));
}

void TestHistoryCli::historyPastTheLimitGoesBackUnderIt()
{
    // Made by hand one draw past the limit: it is read, it cannot grow, and the last draw or undo takes it back.
    TestInstall install(TestHistory::randomLines(kMaxDraws + 1, 37));
    const QByteArray over = install.historyBytes();
    const auto run = [&install](const QString& words) {
        return runCli(install.paths(), words.split(QLatin1Char(' ')));
    };
    QCOMPARE(run(QStringLiteral("info")).outLines().value(0), QStringLiteral("draws %1").arg(kMaxDraws + 1));

    const CliRun append = run(QStringLiteral("append 1 2 3 4 5 6"));
    QCOMPARE(append.exitCode, 1);
    QVERIFY2(append.err.contains(StoreText::historyFull(kMaxDraws).text), qPrintable(append.err));
    // The gods' records number the coming draw with four digits.
    const CliRun predict = run(QStringLiteral("predict --count 6 --amount 50 --prefer frequent --weight 0"));
    QCOMPARE(predict.exitCode, 1);
    QVERIFY2(predict.err.contains(PredictText::historyTooLongForGods(kMaxDraws + 1, kMaxDraws).text),
             qPrintable(predict.err));
    QCOMPARE(install.historyBytes(), over);

    QCOMPARE(run(QStringLiteral("delete-last")).out, QStringLiteral("draws %1\n").arg(kMaxDraws));
    QCOMPARE(run(QStringLiteral("undo")).out, QStringLiteral("draws %1\n").arg(kMaxDraws + 1));
    QCOMPARE(install.historyBytes(), over);
}

void TestHistoryCli::wrongArgumentsChangeNothing_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("number 44") << QStringList{QStringLiteral("hitstring"), QStringLiteral("44")} << 1;
    QTest::newRow("order 10") << QStringList{QStringLiteral("patterns"), QStringLiteral("1"), QStringLiteral("10")}
                              << 2;
    QTest::newRow("letters as numbers") << QStringList{QStringLiteral("append"), QStringLiteral("a"),
                                                       QStringLiteral("b")}
                                        << 2;
    QTest::newRow("five numbers") << QStringList{QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("2"),
                                                 QStringLiteral("3"),      QStringLiteral("4"), QStringLiteral("5")}
                                  << 1;
    QTest::newRow("modify the coming draw")
        << QStringList{QStringLiteral("modify"), QStringLiteral("11"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("3"),      QStringLiteral("4"),  QStringLiteral("5"), QStringLiteral("6")}
        << 1;
    QTest::newRow("import a missing file")
        << QStringList{QStringLiteral("import"), QStringLiteral("/nonexistent")} << 1;
    QTest::newRow("partner 44") << QStringList{QStringLiteral("appearance"), QStringLiteral("44")} << 2;
}

void TestHistoryCli::wrongArgumentsChangeNothing()
{
    QFETCH(QStringList, words);
    QFETCH(int, exitCode);
    TestInstall install(TestHistory::randomLines(10, 34));
    const QByteArray before = install.historyBytes();
    const CliRun run = runCli(install.paths(), words);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(run.out.isEmpty());
    QCOMPARE(install.historyBytes(), before);
}

void TestHistoryCli::firstStartMakesTheUserFolder()
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    for (int run = 0; run < 2; ++run) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("VEMO_CLI"), {QStringLiteral("info")});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("draws 2000"));
        QVERIFY2(lines.value(2).startsWith(QStringLiteral("path ") + home.filePath(QStringLiteral("data"))),
                 qPrintable(lines.value(2)));
    }
}

void TestHistoryCli::killedImportLeavesACompleteFile()
{
    TestInstall install(TestHistory::randomLines(9000, 35));
    const QByteArray before = install.historyBytes();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("paste.txt"));
    const QByteArray after = HistoryFormat::serialize(TestHistory::randomLines(kMaxDraws, 36));
    TestHistory::writeFile(file, after);

    // Kill the writer at spread-out moments; whatever is left must be one whole file, and the
    // lock of the killed process must not keep the next run out.
    for (int delay = 0; delay < 40; delay += 2) {
        TestHistory::writeFile(install.paths().historyFile(), before);
        QProcess process;
        process.start(qEnvironmentVariable("VEMO_CLI"),
                      {QStringLiteral("--install-path"), install.paths().root(), QStringLiteral("import"), file});
        QVERIFY(process.waitForStarted());
        QTest::qSleep(delay);
        process.kill();
        process.waitForFinished();
        const QByteArray left = install.historyBytes();
        QVERIFY2(left == before || left == after, qPrintable(QString::number(delay)));
    }
}

QTEST_GUILESS_MAIN(TestHistoryCli)
#include "tst_historycli.moc"
