#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "core/text/ExchangeText.h"
#include "core/text/StoreText.h"

using TestHistory::readFile;
using TestHistory::writeFile;

class TestExchangeCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void historyComesBackByteForByte_data();
    void historyComesBackByteForByte();
    void badLinesChangeNothing_data();
    void badLinesChangeNothing();
    void predictionExports();
    void outputsNeverLandInTheInstallation();

private:
    QString csvPath(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
};

namespace {

const QByteArray kHeader("draw,n1,n2,n3,n4,n5,n6");

QStringList words(const QString& command, const QString& file)
{
    return command.split(QLatin1Char(' ')) + QStringList{file};
}

QList<QList<int>> drawsOf(const FlagLines& lines)
{
    QList<QList<int>> draws(lines[0].size());
    for (int n = 1; n <= kNumberCount; ++n)
        for (qsizetype d = 0; d < draws.size(); ++d)
            if (lines[n - 1][d] == '1')
                draws[d].append(n);
    return draws;
}

// The CSV as another program might write it: tabs, CR LF, a byte-order mark, no header, the
// numbers in no order and a blank line at the end.
QByteArray foreignCsv(const FlagLines& lines)
{
    QByteArray csv("\xEF\xBB\xBF");
    const QList<QList<int>> draws = drawsOf(lines);
    for (qsizetype d = 0; d < draws.size(); ++d) {
        csv += QByteArray::number(d + 1);
        for (qsizetype i = draws[d].size() - 1; i >= 0; --i)
            csv += '\t' + QByteArray::number(draws[d][i]);
        csv += "\r\n";
    }
    return csv + "\r\n";
}

QString backups(const InstallPaths& paths)
{
    return QDir(paths.backupFolder()).entryList(QDir::Files).join(QLatin1Char(' '));
}

// Every file below a folder, by its path, with its content.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator each(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (each.hasNext()) {
        const QString path = each.next();
        files.insert(path, readFile(path));
    }
    return files;
}

} // namespace

void TestExchangeCli::historyComesBackByteForByte_data()
{
    QTest::addColumn<bool>("foreign");
    QTest::newRow("as exported") << false;
    QTest::newRow("tabs, CR LF, BOM, no header, any order") << true;
}

void TestExchangeCli::historyComesBackByteForByte()
{
    QFETCH(bool, foreign);
    const FlagLines lines = TestHistory::randomLines(300, 11);
    const TestInstall source(lines);
    const QString file = csvPath("history.csv");
    const CliRun exported = runCli(source.paths(), words(QStringLiteral("export-csv"), file));
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(exported.outLines(), QStringList{QStringLiteral("draws 300")});
    const QList<QByteArray> csvLines = readFile(file).split('\n');
    QCOMPARE(csvLines.size(), 302); // the header, 300 draws and nothing after the last LF
    QCOMPARE(csvLines.first(), kHeader);
    QByteArray first("1");
    const QList<QList<int>> draws = drawsOf(lines);
    for (const int n : draws.first())
        first += ',' + QByteArray::number(n);
    QCOMPARE(csvLines[1], first);
    if (foreign)
        writeFile(file, foreignCsv(lines));

    const TestInstall target(TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
    const QByteArray replaced = target.historyBytes();
    const CliRun imported = runCli(target.paths(), words(QStringLiteral("import-csv"), file));
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.outLines(), QStringList{QStringLiteral("draws 300")});
    QCOMPARE(target.historyBytes(), source.historyBytes());
    // The history it replaced is kept, and undo brings it back.
    QVERIFY2(backups(target.paths()).endsWith(QStringLiteral("_2draws.txt")), qPrintable(backups(target.paths())));
    QCOMPARE(runCli(target.paths(), {QStringLiteral("undo")}).exitCode, 0);
    QCOMPARE(target.historyBytes(), replaced);
}

void TestExchangeCli::badLinesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("expected");
    const auto lineFault = [](int line, const QString& reason) {
        return ExchangeText::csvLineFault(line, reason).text;
    };
    const auto drawOrder = [](const char* found, int expected) {
        return ExchangeText::reasonDrawOrder(QString::fromUtf8(found), expected);
    };
    const QByteArray draw1 = "1,1,2,3,4,5,6\n";
    QTest::newRow("five numbers") << QByteArray("1,1,2,3,4,5\n") << lineFault(1, ExchangeText::reasonCellCount(6));
    QTest::newRow("seven numbers") << kHeader + "\n1,1,2,3,4,5,6,7\n" << lineFault(2, ExchangeText::reasonCellCount(8));
    QTest::newRow("a gap") << draw1 + "3,1,2,3,4,5,6\n" << lineFault(2, drawOrder("3", 2));
    QTest::newRow("not from 1") << QByteArray("0,1,2,3,4,5,6\n") << lineFault(1, drawOrder("0", 1));
    QTest::newRow("draw not a number") << draw1 + "二,1,2,3,4,5,6\n" << lineFault(2, drawOrder("二", 2));
    QTest::newRow("number not a number") << draw1 + "2,1,2,3,4,5,x\n"
                                         << lineFault(2, ExchangeText::reasonNotNumber(QStringLiteral("x")));
    QTest::newRow("empty number") << draw1 + "2,1,2,3,4,5,\n" << lineFault(2, ExchangeText::reasonMissingNumber());
    QTest::newRow("zero") << QByteArray("1,0,2,3,4,5,6\n") << lineFault(1, ExchangeText::reasonOutOfRange(0));
    QTest::newRow("44, tabs, CR LF, BOM")
        << QByteArray("\xEF\xBB\xBF"
                      "draw\tn1\tn2\tn3\tn4\tn5\tn6\r\n1\t1\t2\t3\t4\t5\t6\r\n2\t1\t2\t3\t4\t5\t44\r\n")
        << lineFault(3, ExchangeText::reasonOutOfRange(44));
    QTest::newRow("repeated") << draw1 + "2,5,2,3,4,5,6\n" << lineFault(2, ExchangeText::reasonRepeated(5));
    QTest::newRow("blank line inside") << draw1 + "\n2,1,2,3,4,5,6\n" << lineFault(2, ExchangeText::reasonCellCount(1));
    QTest::newRow("wrong header") << QByteArray("draw,a,b,c,d,e,f\n") + draw1
                                  << lineFault(1, ExchangeText::reasonHeader());
    QTest::newRow("header only") << kHeader + "\r\n" << ExchangeText::csvEmpty().text;
    QTest::newRow("empty file") << QByteArray() << ExchangeText::csvEmpty().text;
    QByteArray tooMany;
    for (int d = 1; d <= kMaxDraws + 1; ++d)
        tooMany += QByteArray::number(d) + ",1,2,3,4,5,6\n";
    QTest::newRow("too many draws") << tooMany << StoreText::historyFull(kMaxDraws).text;
}

void TestExchangeCli::badLinesChangeNothing()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, expected);
    const TestInstall install(TestHistory::randomLines(20, 3));
    const QByteArray before = install.historyBytes();
    const QString file = csvPath("bad.csv");
    writeFile(file, csv);
    const CliRun run = runCli(install.paths(), words(QStringLiteral("import-csv"), file));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(install.historyBytes(), before);
    QCOMPARE(backups(install.paths()), QString());
}

void TestExchangeCli::predictionExports()
{
    const TestInstall install(
        TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {1, 7, 13, 19, 25, 31}}));
    const InstallPaths& paths = install.paths();
    // Two predictions for draw 1, a six for draw 3, and one for the coming draw 4.
    writeFile(paths.registrantFile(2, QStringLiteral("花子")), "000101010203404142"
                                                               "000102040506070809"
                                                               "000301010713192531"
                                                               "000401010203040506");
    const QString file = csvPath("slot.csv");
    CliRun run = runCli(paths, words(QStringLiteral("export-csv --slot 2"), file));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{QStringLiteral("predictions 4")});
    QCOMPARE(readFile(file), QByteArray("draw,prediction,n1,n2,n3,n4,n5,n6,hits\n"
                                        "1,1,1,2,3,40,41,42,3\n"
                                        "1,2,4,5,6,7,8,9,3\n"
                                        "3,1,1,7,13,19,25,31,6\n"
                                        "4,1,1,2,3,4,5,6,\n"));
    run = runCli(paths, words(QStringLiteral("export-csv --slot 3"), file));
    QCOMPARE(run.exitCode, 1);

    // Seven numbers a record; 99 is an empty slot. The 5-data god's file is empty, three have none.
    writeFile(paths.dataGodFile(QStringLiteral("Yon"), 7), "00020107080920212299"
                                                           "0004010102030405060"
                                                           "7");
    writeFile(paths.dataGodFile(QStringLiteral("Go"), 7), QByteArray());
    writeFile(paths.dataGodFile(QStringLiteral("Hati"), 7), "00030199999999999999");
    run = runCli(paths, words(QStringLiteral("export-csv --gods 7"), csvPath("gods.csv")));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{QStringLiteral("records 3")});
    QCOMPARE(readFile(csvPath("gods.csv")), QByteArray("god,draw,n1,n2,n3,n4,n5,n6,n7,hits\n"
                                                       "Yon,2,7,8,9,20,21,22,,3\n"
                                                       "Yon,4,1,2,3,4,5,6,7,\n"
                                                       "Hati,3,,,,,,,,0\n"));
    run = runCli(paths, words(QStringLiteral("export-csv --gods 8"), csvPath("none.csv")));
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(ExchangeText::noDataGodResults(8).text));
    QVERIFY(!QFile::exists(csvPath("none.csv")));
}

void TestExchangeCli::outputsNeverLandInTheInstallation()
{
    const TestInstall install(TestHistory::randomLines(40, 12));
    const InstallPaths& paths = install.paths();
    // A registrant's file kept outside through a link is the program's own too.
    const QString registrant = paths.registrantFile(1, QStringLiteral("花子"));
    const QString keptOutside = csvPath("花子.txt");
    writeFile(keptOutside, "004101010203040506");
    QVERIFY(QFile::link(keptOutside, registrant));
    writeFile(paths.dataGodFile(QStringLiteral("Yon"), 6), "004101010203040506");
    // Links from outside: to the history, to a name in the data folder not made yet, and to the data folder.
    const QString toHistory = csvPath("history-link.csv");
    const QString toNewName = csvPath("new-link.csv");
    const QString toFolder = csvPath("data-link");
    QVERIFY(QFile::link(paths.historyFile(), toHistory));
    QVERIFY(QFile::link(paths.dataFolder() + QStringLiteral("/new.csv"), toNewName));
    QVERIFY(QFile::link(paths.dataFolder(), toFolder));
    const QStringList targets{paths.historyFile(),
                              registrant,
                              keptOutside,
                              paths.dataFolder() + QStringLiteral("/KakoData.csv"),
                              toHistory,
                              toNewName,
                              toFolder + QStringLiteral("/YosoData/out.csv")};
    const QStringList commands{QStringLiteral("export-csv"), QStringLiteral("export-csv --slot 1"),
                               QStringLiteral("export-csv --gods 6"),
                               QStringLiteral("wheel --pool 1,2,3,4,5,6,7 --guarantee 3/3 --csv")};
    // A reader's lock file is made by the first command, and is no output.
    QCOMPARE(runCli(paths, {QStringLiteral("info")}).exitCode, 0);
    const QMap<QString, QByteArray> before = filesUnder(paths.root());

    for (const QString& command : commands) {
        for (const QString& target : targets) {
            const CliRun run = runCli(paths, words(command, target));
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(ExchangeText::csvTargetInInstallation(target, paths.root()).text),
                     qPrintable(command + QLatin1Char(' ') + target + QLatin1Char('\n') + run.err));
        }
        const QString outside = csvPath("outside.csv");
        QCOMPARE(runCli(paths, words(command, outside)).exitCode, 0);
        QVERIFY(QFile::remove(outside));
    }
    QCOMPARE(filesUnder(paths.root()), before);
    QCOMPARE(readFile(keptOutside), QByteArray("004101010203040506"));
}

QTEST_GUILESS_MAIN(TestExchangeCli)
#include "tst_exchangecli.moc"
