#include <QDir>
#include <QTest>

#include "TestHistory.h"

using TestHistory::readFile;
using TestHistory::writeFile;

class TestEntryCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void stats();
    void statsWarnsOfFaultyDraws();
    void average_data();
    void average();
    void registrants();
    void predictions();
    void predictionRefusals_data();
    void predictionRefusals();
    void sampleFile();
    void oracle_data();
    void oracle();
    void oracleRefusals_data();
    void oracleRefusals();
};

namespace {

const QString kPlaceholder = QStringLiteral("xx. xx. xx. xx. xx. xx");

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}

QStringList outLines(const InstallPaths& paths, const char* command)
{
    return runCli(paths, words(command)).outLines();
}

} // namespace

void TestEntryCli::initTestCase()
{
    // The luck of the moment reads the clock in the local zone.
    qputenv("TZ", "UTC");
}

void TestEntryCli::stats()
{
    const TestInstall install(TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {2, 4, 6, 8, 10, 12}}));
    const CliRun run = runCli(install.paths(), {QStringLiteral("stats")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), (QStringList{QStringLiteral("≪平均≫ 5.25    ≪σ値≫ 1.75"),
                                          QStringLiteral("≪平均≫ 2.5617    ≪σ値≫ 0.85391")}));
    QVERIFY(run.err.isEmpty());
}

void TestEntryCli::statsWarnsOfFaultyDraws()
{
    const TestInstall install(TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3}, {1, 2, 3, 4, 5, 6}}));
    const CliRun run = runCli(install.paths(), {QStringLiteral("stats")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines().size(), 2);
    QVERIFY2(run.err.contains(QStringLiteral("第2回のデータが６個ではありません。データは3個です。")),
             qPrintable(run.err));
}

void TestEntryCli::average_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("1 to 6") << words("average 6 5 4 3 2 1") << 0
                            << QStringLiteral("【 平 均 】 3.5    【 σ 値 】 1.7078\n");
    QTest::newRow("five") << words("average 1 2 3 4 5") << 1 << QString();
    QTest::newRow("not a number") << words("average 1 2 3 4 5 x") << 2 << QString();
}

void TestEntryCli::average()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const TestInstall install(TestHistory::randomLines(5, 1));
    const CliRun run = runCli(install.paths(), args);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, output);
    QCOMPARE(run.err.isEmpty(), exitCode == 0);
}

void TestEntryCli::registrants()
{
    const TestInstall install(TestHistory::randomLines(5, 1));
    const InstallPaths& paths = install.paths();
    QCOMPARE(outLines(paths, "registrant list"),
             (QStringList{QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3 "), QStringLiteral("4 "),
                          QStringLiteral("5 ")}));

    CliRun run = runCli(paths, words("registrant add 2 山田太郎"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{QStringLiteral("2 山田太郎")});
    QVERIFY(QFile::exists(paths.registrantFile(2, QStringLiteral("山田太郎"))));
    QCOMPARE(outLines(paths, "registrant list").at(1), QStringLiteral("2 山田太郎"));

    // Registering a slot again under another name renames its file.
    writeFile(paths.registrantFile(2, QStringLiteral("山田太郎")), "000701031119273542");
    QCOMPARE(runCli(paths, words("registrant add 2 hanako")).exitCode, 0);
    QCOMPARE(readFile(paths.registrantFile(2, QStringLiteral("hanako"))), QByteArray("000701031119273542"));
    QVERIFY(!QFile::exists(paths.registrantFile(2, QStringLiteral("山田太郎"))));

    run = runCli(paths, words("registrant remove 2"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{QStringLiteral("2 ")});
    QVERIFY(QDir(paths.predictionFolder()).isEmpty());

    run = runCli(paths, words("registrant remove 2"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("登録されていません")));
    QCOMPARE(runCli(paths, words("registrant add 6 x")).exitCode, 2);
}

void TestEntryCli::predictions()
{
    const TestInstall install(TestHistory::randomLines(349, 7));
    const InstallPaths& paths = install.paths();
    QCOMPARE(runCli(paths, words("registrant add 1 a")).exitCode, 0);
    const QString file = paths.registrantFile(1, QStringLiteral("a"));

    QCOMPARE(outLines(paths, "prediction add 1 7 42 35 27 19 11 3"),
             QStringList{QStringLiteral("予想 1+3. 11. 19. 27. 35. 42")});
    QCOMPARE(outLines(paths, "prediction add 1 7 1 2 3 4 5 6"), QStringList{QStringLiteral("予想 2+1. 2. 3. 4. 5. 6")});
    QCOMPARE(runCli(paths, words("prediction add 1 350 1 2 3 4 5 6")).exitCode, 0);
    QCOMPARE(readFile(file), QByteArray("000701031119273542"
                                        "000702010203040506"
                                        "035001010203040506"));

    QCOMPARE(outLines(paths, "prediction latest 1 7"), QStringList{QStringLiteral("予想 2+1. 2. 3. 4. 5. 6")});
    QCOMPARE(outLines(paths, "prediction latest 1 8"), QStringList{kPlaceholder});
    QCOMPARE(outLines(paths, "prediction get 1 7 1"), QStringList{QStringLiteral("3. 11. 19. 27. 35. 42")});
    QCOMPARE(outLines(paths, "prediction get 1 7 3"), QStringList{kPlaceholder});
    QCOMPARE(outLines(paths, "prediction largest 1"), QStringList{QStringLiteral("350")});

    // Deleting the first of draw 7 makes the second the first; it then prints the draw's latest.
    QCOMPARE(outLines(paths, "prediction delete 1 7 1"), QStringList{QStringLiteral("予想 1+1. 2. 3. 4. 5. 6")});
    QCOMPARE(readFile(file), QByteArray("000701010203040506"
                                        "035001010203040506"));
}

void TestEntryCli::predictionRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("past the coming draw") << words("prediction add 1 351 1 2 3 4 5 6") << 1
                                          << QStringLiteral("予想できる範囲は最終抽選ナンバーの次の回まで");
    QTest::newRow("free slot") << words("prediction add 3 7 1 2 3 4 5 6") << 1
                               << QStringLiteral("登録者 3 は登録されていません");
    QTest::newRow("no such prediction") << words("prediction delete 1 7 9") << 1
                                        << QStringLiteral("該当するデータがありません");
    QTest::newRow("add to the sample") << words("prediction add 0 7 1 2 3 4 5 6") << 2 << QStringLiteral("使い方");
    QTest::newRow("delete from the sample")
        << words("prediction delete 0 7 1") << 1 << QStringLiteral("消去するデータがありません！！");
    QTest::newRow("slot 6") << words("prediction latest 6 7") << 2 << QStringLiteral("使い方");
    QTest::newRow("unknown action") << words("prediction move 1 7") << 2 << QStringLiteral("使い方");
}

void TestEntryCli::predictionRefusals()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const TestInstall install(TestHistory::randomLines(349, 7));
    const InstallPaths& paths = install.paths();
    const QByteArray bytes("000701031119273542");
    writeFile(paths.registrantFile(1, QStringLiteral("a")), bytes);
    writeFile(paths.sampleFile(), bytes);

    const CliRun run = runCli(paths, args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(readFile(paths.registrantFile(1, QStringLiteral("a"))), bytes);
    QCOMPARE(readFile(paths.sampleFile()), bytes);
    QCOMPARE(QDir(paths.predictionFolder()).entryList(QDir::Files).size(), 2);
}

void TestEntryCli::sampleFile()
{
    const TestInstall install(TestHistory::randomLines(10, 3));
    const InstallPaths& paths = install.paths();
    // Slot 0 reads the sample file but never writes it.
    QCOMPARE(outLines(paths, "prediction latest 0 11"), QStringList{kPlaceholder});
    QCOMPARE(runCli(paths, words("prediction add 0 11 5 6 7 8 9 10")).exitCode, 2);
    QVERIFY(!QFile::exists(paths.sampleFile()));
    writeFile(paths.sampleFile(), "001101050607080910");
    QCOMPARE(outLines(paths, "prediction latest 0 11"), QStringList{QStringLiteral("予想 1+5. 6. 7. 8. 9. 10")});
    QCOMPARE(outLines(paths, "prediction get 0 11 1"), QStringList{QStringLiteral("5. 6. 7. 8. 9. 10")});
    QCOMPARE(outLines(paths, "prediction largest 0"), QStringList{QStringLiteral("11")});

    writeFile(paths.sampleFile(), "0011010506070809");
    const CliRun run = runCli(paths, words("prediction latest 0 11"));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("予想データファイルの形式が正しくありません")));
}

void TestEntryCli::oracle_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("answer");
    QTest::newRow("birthday") << words("oracle --date 20261206 --birthday 12 31")
                              << QStringLiteral("1 7 10 11 15 16 33");
    QTest::newRow("next day") << words("oracle --birthday 12 31 --date 20261207")
                              << QStringLiteral("7 13 18 19 21 34 40");
    QTest::newRow("colour 黒") << words("oracle --date 20261206 --colour 10") << QStringLiteral("1 3 6 19 22 30 43");
    QTest::newRow("lucky 999") << words("oracle --date 20261206 --number 999")
                               << QStringLiteral("11 14 15 19 29 34 41");
    QTest::newRow("moment") << words("oracle --date 20261206 --time 213015") << QStringLiteral("19 26 27 36 37 41 42");
}

void TestEntryCli::oracle()
{
    QFETCH(QStringList, args);
    QFETCH(QString, answer);
    const TestInstall install(TestHistory::randomLines(5, 1));
    const CliRun run = runCli(install.paths(), args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{answer});
}

void TestEntryCli::oracleRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no colour") << words("oracle --date 20261206 --colour 0") << 1;
    QTest::newRow("no date") << words("oracle --birthday 12 31") << 2;
    QTest::newRow("no question") << words("oracle --date 20261206") << 2;
    QTest::newRow("two questions") << words("oracle --date 20261206 --colour 1 --number 5") << 2;
    QTest::newRow("month 13") << words("oracle --date 20261206 --birthday 13 1") << 2;
    QTest::newRow("four digits") << words("oracle --date 20261206 --number 1000") << 2;
    QTest::newRow("bad time") << words("oracle --date 20261206 --time 256000") << 2;
}

void TestEntryCli::oracleRefusals()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const TestInstall install(TestHistory::randomLines(5, 1));
    const CliRun run = runCli(install.paths(), args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestEntryCli)
#include "tst_entrycli.moc"
