#include <QDir>
#include <QTest>

#include "TestHistory.h"
#include "core/predict/DataGodEngine.h"
#include "core/predict/HitChance.h"
#include "core/predict/HitStatistics.h"
#include "core/predict/PredictValueText.h"
#include "core/store/DrawHistory.h"
#include "core/text/ChanceText.h"
#include "core/text/PredictText.h"

namespace {

QStringList words(const QString& line)
{
    return line.split(QLatin1Char(' '));
}

// Every file of the prediction folder with its content.
QMap<QString, QByteArray> predictionFiles(const InstallPaths& paths)
{
    QMap<QString, QByteArray> files;
    const QDir folder(paths.predictionFolder());
    for (const QString& name : folder.entryList(QDir::Files))
        files.insert(name, TestHistory::readFile(folder.filePath(name)));
    return files;
}

QString summaryLine(const HitStatistics& s)
{
    QStringList figures;
    for (const int records : s.hitHistogram())
        figures.append(QString::number(records));
    figures << QString::number(s.hitRecordCount()) << PredictText::hitAverage(s);
    if (s.hasData())
        figures << ChanceText::hitChanceLine(HitChance::of(s));
    return figures.join(QLatin1Char(' '));
}

} // namespace

class TestPredictCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void predictThenHitSummary();
    void registrantSummary();
    void wrongArgumentsChangeNothing_data();
    void wrongArgumentsChangeNothing();
    void missingFolderRefused();
};

void TestPredictCli::predictThenHitSummary()
{
    const TestInstall install(TestHistory::randomLines(180, 41));
    const CliRun run = runCli(install.paths(), words(QStringLiteral("predict --count 9 --amount 100 --prefer rare "
                                                                    "--weight 5")));
    QCOMPARE(run.exitCode, 0);
    DataGodSettings settings{9, 100, false, 5, false};
    QCOMPARE(run.outLines(), QStringList{PredictText::computeStatus(settings)});
    QCOMPARE(predictionFiles(install.paths()).size(), 40);

    const CliRun summary = runCli(install.paths(), words(QStringLiteral("hit-summary --gods 9")));
    QCOMPARE(summary.exitCode, 0);
    // Five slots, what the chance figures are, and that the gods' files look ahead.
    QCOMPARE(summary.outLines().size(), 7);
    QCOMPARE(summary.outLines()[5], ChanceText::hitChanceNote());
    QCOMPARE(summary.outLines()[6], ChanceText::lookAheadNote());
    const CliRun otherCount = runCli(install.paths(), words(QStringLiteral("hit-summary --gods 6")));
    QCOMPARE(otherCount.exitCode, 0);
    QCOMPARE(otherCount.outLines().value(4),
             QStringLiteral("0 0 0 0 0 0 0 ≪的中数の平均≫0.0個 偶然なら 平均 0.00±0.00 6個 0.0 (0〜0) 5個 0.0 (0〜0) "
                            "4個 0.0 (0〜0) 3個 0.0 (0〜0)"));

    // The same files and figures as the engine and the statistics give in this process, which now
    // holds the history's lock.
    auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    DataGodEngine engine(*history.value(), settings);
    const auto slots = HitStatistics::ofDataGods(install.paths(), 9, *history.value());
    for (int slot = 1; slot <= 5; ++slot) {
        const auto& god = PredictText::dataGods()[slot - 1];
        QCOMPARE(TestHistory::readFile(install.paths().dataGodFile(god.prefix, 9)), engine.godFile(god.order));
        QVERIFY(slots[slot - 1].ok());
        QCOMPARE(slots[slot - 1].value().hitRecordCount(), 180 - 99);
        QCOMPARE(summary.outLines()[slot - 1], summaryLine(slots[slot - 1].value()));
    }
}

void TestPredictCli::registrantSummary()
{
    // Draw 1: 1 … 6; draw 2: 7 … 12.
    const TestInstall install(TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
    const QByteArray records =
        PredictionRecord{1, 1, {1, 2, 3, 20, 21, 22}}.encode() + PredictionRecord{1, 2, {1, 2, 3, 4, 5, 6}}.encode()
        + PredictionRecord{2, 1, {1, 2, 3, 4, 5, 7}}.encode() + PredictionRecord{3, 1, {1, 2, 3, 4, 5, 6}}.encode();
    TestHistory::writeFile(install.paths().registrantFile(2, QStringLiteral("花子")), records);
    TestHistory::writeFile(install.paths().registrantFile(4, QStringLiteral("taro")), "0001010102");

    const CliRun run = runCli(install.paths(), words(QStringLiteral("hit-summary --registrants")));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(install.paths().registrantFile(4, QStringLiteral("taro"))));
    const QString empty = QStringLiteral("0 0 0 0 0 0 0 ≪的中数の平均≫xx.xx");
    // Three records of six numbers: 36/43 hits each, and 3 · C(6,3) · C(37,3) / C(43,6) records with three.
    const QString hanako = QStringLiteral("1 0 1 0 0 1 3 ≪的中数の平均≫3.3個 偶然なら 平均 0.84±0.90 6個 0.0 (0〜0) "
                                          "5個 0.0 (0〜0) 4個 0.0 (0〜0) 3個 0.1 (0〜1)");
    QCOMPARE(run.outLines(), (QStringList{empty, hanako, empty, empty, empty, ChanceText::hitChanceNote()}));
}

void TestPredictCli::wrongArgumentsChangeNothing_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::newRow("count 5") << QStringLiteral("predict --count 5 --amount 50 --prefer rare --weight 0");
    QTest::newRow("count 14") << QStringLiteral("predict --count 14 --amount 50 --prefer rare --weight 0");
    QTest::newRow("amount 75") << QStringLiteral("predict --count 6 --amount 75 --prefer rare --weight 0");
    QTest::newRow("amount 0") << QStringLiteral("predict --count 6 --amount 0 --prefer rare --weight 0");
    QTest::newRow("weight 21") << QStringLiteral("predict --count 6 --amount 50 --prefer rare --weight 21");
    QTest::newRow("weight -1") << QStringLiteral("predict --count 6 --amount 50 --prefer rare --weight -1");
    QTest::newRow("prefer both") << QStringLiteral("predict --count 6 --amount 50 --prefer both --weight 0");
    QTest::newRow("weight missing") << QStringLiteral("predict --count 6 --amount 50 --prefer frequent");
    QTest::newRow("value missing") << QStringLiteral("predict --count 6 --amount 50 --prefer frequent --weight");
    QTest::newRow("not a number") << QStringLiteral("predict --count six --amount 50 --prefer frequent --weight 1");
    QTest::newRow("given twice") << QStringLiteral("predict --count 6 --count 7 --amount 50 --prefer rare --weight 1");
    QTest::newRow("unknown option") << QStringLiteral("predict --count 6 --amount 50 --prefer rare --weight 1 --show");
    QTest::newRow("summary without option") << QStringLiteral("hit-summary");
    QTest::newRow("summary of count 5") << QStringLiteral("hit-summary --gods 5");
    QTest::newRow("summary of both") << QStringLiteral("hit-summary --gods 9 --registrants");
}

void TestPredictCli::wrongArgumentsChangeNothing()
{
    QFETCH(QString, arguments);
    const TestInstall install(TestHistory::randomLines(120, 42));
    const CliRun first = runCli(install.paths(), words(QStringLiteral("predict --count 7 --amount 50 --prefer "
                                                                      "frequent --weight 3")));
    QCOMPARE(first.exitCode, 0);
    const auto before = predictionFiles(install.paths());
    const CliRun run = runCli(install.paths(), words(arguments));
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
    QCOMPARE(predictionFiles(install.paths()), before);
}

void TestPredictCli::missingFolderRefused()
{
    const TestInstall install(TestHistory::randomLines(120, 43));
    QVERIFY(QDir(install.paths().predictionFolder()).removeRecursively());
    const CliRun run = runCli(install.paths(), words(QStringLiteral("predict --count 6 --amount 50 --prefer rare "
                                                                    "--weight 0")));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains(PredictText::predictionFolderMissing(install.paths().predictionFolder()).text));
    QVERIFY(!QDir(install.paths().predictionFolder()).exists());
}

QTEST_GUILESS_MAIN(TestPredictCli)
#include "tst_predictcli.moc"
