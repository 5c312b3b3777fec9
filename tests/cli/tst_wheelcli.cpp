#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "core/store/HistoryFormat.h"
#include "core/store/PrizeTable.h"
#include "core/text/PredictText.h"
#include "core/text/PrizeText.h"
#include "core/text/ReturnText.h"
#include "core/text/WheelText.h"
#include "core/wheel/ExpectedReturn.h"
#include "core/wheel/RandomTicketOdds.h"
#include "core/wheel/WheelOdds.h"

class TestWheelCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ticketsBoundOddsProofAndCsv();
    void budgetKeepsToItsTickets();
    void stoppedOnTimeSaysSo();
    void wrongArguments_data();
    void wrongArguments();
    void refusals_data();
    void refusals();
    void boughtTicketsAreTheRegistrantsPredictions();
    void prizeTableKeptAndReadStrictly();
    void returnAndPastDrawsBesideChance();

private:
    QTemporaryDir m_dir;
    TestInstall m_install{TestHistory::randomLines(3, 1)};
};

namespace {

const QString kPool = QStringLiteral("3,8,11,15,19,22,26,30,34,37,40,43");

CliRun wheel(const TestInstall& install, const QString& arguments)
{
    return runCli(install.paths(), QStringList{QStringLiteral("wheel")} + arguments.split(QLatin1Char(' ')));
}

// The tickets of the lines before "tickets …", each checked to be six ascending numbers of the pool.
QList<QList<int>> ticketsOf(const QStringList& lines)
{
    const QList<int> pool = [] {
        QList<int> numbers;
        for (const QString& n : kPool.split(QLatin1Char(',')))
            numbers.append(n.toInt());
        return numbers;
    }();
    QList<QList<int>> tickets;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("tickets ")))
            break;
        QList<int> ticket;
        for (const QString& n : line.split(QStringLiteral(". ")))
            ticket.append(n.toInt());
        if (ticket.size() != 6 || !std::is_sorted(ticket.begin(), ticket.end())
            || !std::all_of(ticket.begin(), ticket.end(), [&](int n) { return pool.contains(n); }))
            qWarning("not a ticket of the pool: %s", qPrintable(line));
        tickets.append(ticket);
    }
    return tickets;
}

} // namespace

void TestWheelCli::ticketsBoundOddsProofAndCsv()
{
    const QString csv = m_dir.filePath(QStringLiteral("wheel.csv"));
    const CliRun run = wheel(m_install, QStringLiteral("--pool %1 --guarantee 3/5 --seed 9 --csv %2").arg(kPool, csv));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    const QStringList lines = run.outLines();
    const QList<QList<int>> tickets = ticketsOf(lines);
    QCOMPARE(tickets.size(), 2);
    QCOMPARE(lines.mid(2, 1), QStringList{QStringLiteral("tickets 2 bound 2")});
    const WheelOdds odds = WheelOdds::of(tickets);
    const RandomTicketOdds random = RandomTicketOdds::of(2);
    QString oddsLine = QStringLiteral("odds");
    QString randomLine = QStringLiteral("random");
    QString expectedLine = QStringLiteral("expected");
    for (int k = 3; k <= 6; ++k) {
        oddsLine += QStringLiteral(" %1 %2").arg(k).arg(odds.bestProbability(k), 0, 'g', 6);
        randomLine += QStringLiteral(" %1 %2").arg(k).arg(random.bestProbability(k), 0, 'g', 6);
        // The wheel's own count over every draw gives the average of any two tickets.
        expectedLine += QStringLiteral(" %1 %2").arg(k).arg(odds.expectedTickets[std::size_t(k)], 0, 'g', 6);
    }
    QCOMPARE(lines.mid(3), (QStringList{oddsLine, randomLine, expectedLine, QStringLiteral("proof 792 0")}));
    QVERIFY(QRegularExpression(QStringLiteral("^odds 3 0\\.0\\d+ 4 0\\.00\\d+ 5 [\\d.]+e-05 6 [\\d.]+e-07$"))
                .match(oddsLine)
                .hasMatch());

    QByteArray expected("ticket,n1,n2,n3,n4,n5,n6\n");
    for (qsizetype i = 0; i < tickets.size(); ++i) {
        expected += QByteArray::number(i + 1);
        for (const int n : tickets[i])
            expected += ',' + QByteArray::number(n);
        expected += '\n';
    }
    QCOMPARE(TestHistory::readFile(csv), expected);
    // The same seed, the same tickets.
    QCOMPARE(wheel(m_install, QStringLiteral("--seed 9 --guarantee 3/5 --pool ") + kPool).out, run.out);
}

void TestWheelCli::budgetKeepsToItsTickets()
{
    const CliRun run = wheel(m_install, QStringLiteral("--pool %1 --guarantee 4/6 --tickets 3 --seconds 5").arg(kPool));
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.outLines();
    QCOMPARE(ticketsOf(lines).size(), 3);
    QCOMPARE(lines[3], QStringLiteral("tickets 3 bound 4"));
    // Three tickets cannot keep a guarantee that needs four at least: the proof says how often it fails.
    const QRegularExpressionMatch proof = QRegularExpression(QStringLiteral("^proof 924 (\\d+)$")).match(lines[7]);
    QVERIFY2(proof.hasMatch() && proof.captured(1).toInt() > 0, qPrintable(lines[7]));
}

void TestWheelCli::stoppedOnTimeSaysSo()
{
    const CliRun run = wheel(m_install, QStringLiteral("--pool 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20 "
                                                       "--guarantee 4/4 --seconds 1"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(WheelText::searchTimedOut(1).text) && run.err.contains(WheelText::searchLonger()),
             qPrintable(run.err));
}

void TestWheelCli::wrongArguments_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::newRow("no pool") << QStringLiteral("--guarantee 3/3");
    QTest::newRow("no guarantee") << QStringLiteral("--pool ") + kPool;
    QTest::newRow("guarantee without p") << QStringLiteral("--guarantee 3 --pool ") + kPool;
    QTest::newRow("guarantee not numbers") << QStringLiteral("--guarantee a/b --pool ") + kPool;
    QTest::newRow("pool not numbers") << QStringLiteral("--guarantee 3/3 --pool 1,2,x,4,5,6,7");
    QTest::newRow("no tickets") << QStringLiteral("--guarantee 3/3 --tickets 0 --pool ") + kPool;
    QTest::newRow("no time") << QStringLiteral("--guarantee 3/3 --seconds 0 --pool ") + kPool;
    QTest::newRow("limit not a number") << QStringLiteral("--guarantee 3/3 --max-tickets many --pool ") + kPool;
    QTest::newRow("seed not a number") << QStringLiteral("--guarantee 3/3 --seed -1 --pool ") + kPool;
    QTest::newRow("unknown option") << QStringLiteral("--guarantee 3/3 --fast 1 --pool ") + kPool;
    QTest::newRow("option twice") << QStringLiteral("--guarantee 3/3 --guarantee 3/4 --pool ") + kPool;
    QTest::newRow("value missing") << QStringLiteral("--guarantee 3/3 --pool");
}

void TestWheelCli::wrongArguments()
{
    QFETCH(QString, arguments);
    const CliRun run = wheel(m_install, arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("vemo-cli wheel --pool LIST --guarantee T/P")), qPrintable(run.err));
}

void TestWheelCli::refusals_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("repeated number") << QStringLiteral("--guarantee 3/3 --pool 1,2,3,4,5,6,7,3")
                                     << WheelText::numberRepeated(3).text;
    QTest::newRow("fixed outside the pool")
        << QStringLiteral("--guarantee 3/3 --fixed 4 --pool ") + kPool << WheelText::fixedOutsidePool(4).text;
    QTest::newRow("guarantee upside down")
        << QStringLiteral("--guarantee 5/3 --pool ") + kPool << WheelText::guaranteeOutOfRange(5, 3).text;
    QTest::newRow("bound above the limit asked for")
        << QStringLiteral("--guarantee 3/3 --max-tickets 10 --pool ") + kPool << WheelText::wheelTooLarge(14, 10).text;
    QTest::newRow("limit beyond what is shown") << QStringLiteral("--guarantee 3/3 --max-tickets 5001 --pool ") + kPool
                                                << WheelText::ticketLimitOutOfRange(5001, 5000).text;
    QTest::newRow("csv not writable") << QStringLiteral("--guarantee 3/5 --pool %1 --csv %2")
                                             .arg(kPool, m_dir.filePath(QStringLiteral("no/wheel.csv")))
                                      << QString();
}

void TestWheelCli::refusals()
{
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    const CliRun run = wheel(m_install, arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message) && !run.err.trimmed().isEmpty(), qPrintable(run.err));
}

void TestWheelCli::boughtTicketsAreTheRegistrantsPredictions()
{
    TestInstall install(TestHistory::randomLines(30, 2));
    QCOMPARE(runCli(install.paths(),
                    {QStringLiteral("registrant"), QStringLiteral("add"), QStringLiteral("1"), QStringLiteral("太郎")})
                 .exitCode,
             0);
    const CliRun bought = wheel(install, QStringLiteral("--pool %1 --guarantee 3/3 --seed 1 --buy 1 31").arg(kPool));
    QCOMPARE(bought.exitCode, 0);
    const QList<QList<int>> tickets = ticketsOf(bought.outLines());
    QCOMPARE(bought.outLines().last(), QStringLiteral("bought 1 31 %1").arg(tickets.size()));
    // Stored in order as the draw's predictions 1 … n.
    const QString csv = m_dir.filePath(QStringLiteral("bought.csv"));
    QCOMPARE(runCli(install.paths(), {QStringLiteral("export-csv"), QStringLiteral("--slot"), QStringLiteral("1"), csv})
                 .exitCode,
             0);
    const QList<QByteArray> rows = TestHistory::readFile(csv).trimmed().split('\n').mid(1);
    QCOMPARE(rows.size(), tickets.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QStringList numbers;
        for (const int n : tickets[i])
            numbers << QString::number(n);
        QCOMPARE(QString::fromUtf8(rows[i]),
                 QStringLiteral("31,%1,%2,").arg(i + 1).arg(numbers.join(QLatin1Char(','))));
    }
    // Counted as any prediction once the draw is in: the first ticket drawn exactly holds six.
    QStringList draw{QStringLiteral("append")};
    for (const int n : tickets.first())
        draw << QString::number(n);
    QCOMPARE(runCli(install.paths(), draw).exitCode, 0);
    const QStringList registrants =
        runCli(install.paths(), {QStringLiteral("hit-summary"), QStringLiteral("--registrants")}).outLines();
    const QStringList summary = registrants.first().split(QLatin1Char(' '));
    QCOMPARE(summary.value(5), QStringLiteral("1"));
    QCOMPARE(summary.value(6), QString::number(tickets.size()));
    // Beside it, what the tickets of that draw won by class; a 3-if-3 wheel drawn whole holds 3 in many others.
    std::array<int, kNumbersPerDraw + 1> byHits{};
    for (const QList<int>& ticket : tickets) {
        int hits = 0;
        for (const int n : ticket)
            hits += tickets.first().contains(n) ? 1 : 0;
        ++byHits[std::size_t(hits)];
    }
    QCOMPARE(registrants.value(1), PredictText::ticketsWon(31, int(tickets.size()), byHits));

    // A draw has room for 99: the wheel that would pass it is refused whole, and nothing is written.
    for (qsizetype stored = 0; stored + tickets.size() <= 99; stored += tickets.size())
        QCOMPARE(wheel(install, QStringLiteral("--pool %1 --guarantee 3/3 --seed 1 --buy 1 32").arg(kPool)).exitCode,
                 0);
    const QString file = install.paths().registrantFile(1, QStringLiteral("太郎"));
    const QByteArray before = TestHistory::readFile(file);
    const CliRun refused = wheel(install, QStringLiteral("--pool %1 --guarantee 3/3 --seed 1 --buy 1 32").arg(kPool));
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("口の買い目は登録できません")), qPrintable(refused.err));
    QCOMPARE(TestHistory::readFile(file), before);
}

void TestWheelCli::prizeTableKeptAndReadStrictly()
{
    TestInstall install(TestHistory::randomLines(3, 4));
    const auto prizes = [&install](const QString& arguments) {
        return runCli(install.paths(),
                      QStringList{QStringLiteral("prizes")} + arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    };
    const CliRun none = prizes(QString());
    QCOMPARE(none.exitCode, 1);
    QVERIFY2(none.err.contains(PrizeText::noTable().text), qPrintable(none.err));

    const QStringList table{QStringLiteral("price 300"), QStringLiteral("6 200000000"), QStringLiteral("5 500000"),
                            QStringLiteral("4 6800"), QStringLiteral("3 1000")};
    const CliRun set = prizes(QStringLiteral("--set 200000000 500000 6800 1000 --price 300"));
    QCOMPARE(set.exitCode, 0);
    QCOMPARE(set.outLines(), table);
    const QString file = install.paths().prizeTableFile();
    const QByteArray written("Kakaku=300\r\n6=200000000\r\n5=500000\r\n4=6800\r\n3=1000\r\n");
    QCOMPARE(TestHistory::readFile(file), written);
    QCOMPARE(prizes(QString()).outLines(), table);
    // Without --price a ticket costs 200 yen.
    QCOMPARE(prizes(QStringLiteral("--set 1 2 3 4")).outLines().first(), QStringLiteral("price 200"));
    QCOMPARE(prizes(QStringLiteral("--set 200000000 500000 6800 1000 --price 300")).exitCode, 0);

    // Out of range: refused, and the file stays as it was.
    const CliRun tooMuch = prizes(QStringLiteral("--set 1000000000 500000 6800 1000"));
    QCOMPARE(tooMuch.exitCode, 1);
    QVERIFY2(tooMuch.err.contains(PrizeText::amountOutOfRange(6, 1000000000).text), qPrintable(tooMuch.err));
    QCOMPARE(prizes(QStringLiteral("--set 1 2 3 4 --price 0")).exitCode, 1);
    QCOMPARE(prizes(QStringLiteral("--set 1 2 3 -4")).exitCode, 1);
    QCOMPARE(prizes(QStringLiteral("--set 1 2 3")).exitCode, 2);
    QCOMPARE(TestHistory::readFile(file), written);

    // A file the program did not write is not used, and is left for the player to see.
    const QList<QPair<QByteArray, int>> broken{
        {"Kakaku=300\r\n6=2e8\r\n5=500000\r\n4=6800\r\n3=1000\r\n", 2},
        {"Kakaku=300\r\n5=500000\r\n6=200000000\r\n4=6800\r\n3=1000\r\n", 2},
        {"Kakaku=300\r\n6=200000000\r\n5=500000\r\n4=6800\r\n", 5},
        {"Kakaku=0\n6=200000000\n5=500000\n4=6800\n3=1000\n", 1},
        {"Kakaku=300\r\n6=200000000\r\n5=500000\r\n4=6800\r\n3=+1000\r\n", 5},
        {"Kakaku=300\r\n6=200000000\r\n5=500000\r\n4=6800\r\n3=1000\r\nx\r\n", 6},
    };
    for (const auto& [bytes, line] : broken) {
        TestHistory::writeFile(file, bytes);
        const CliRun refused = prizes(QString());
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(PrizeText::tableUnreadable(file, line).text), qPrintable(refused.err));
        const CliRun wheelRun = wheel(install, QStringLiteral("--pool %1 --guarantee 3/5 --seed 9").arg(kPool));
        QCOMPARE(wheelRun.exitCode, 0);
        QVERIFY(wheelRun.err.contains(PrizeText::tableUnreadable(file, line).text));
        QVERIFY(!wheelRun.out.contains(QStringLiteral("return")));
        QCOMPARE(TestHistory::readFile(file), bytes);
    }
    QCOMPARE(prizes(QStringLiteral("--clear")).exitCode, 0);
    QVERIFY(!QFile::exists(file));
}

void TestWheelCli::returnAndPastDrawsBesideChance()
{
    const QList<QList<int>> draws{
        {3, 8, 11, 15, 19, 22}, {3, 8, 11, 1, 2, 4}, {5, 6, 7, 9, 10, 12}, {26, 30, 34, 37, 40, 43}};
    TestInstall install(TestHistory::linesOf(draws));
    QCOMPARE(runCli(install.paths(), {QStringLiteral("prizes"), QStringLiteral("--set"), QStringLiteral("200000000"),
                                      QStringLiteral("500000"), QStringLiteral("6800"), QStringLiteral("1000")})
                 .exitCode,
             0);
    const CliRun run = wheel(install, QStringLiteral("--pool %1 --guarantee 3/5 --seed 9 --history").arg(kPool));
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.outLines();
    const QList<QList<int>> tickets = ticketsOf(lines);
    // The lines a script reads before stay where they were.
    QCOMPARE(lines.value(6), QStringLiteral("proof 792 0"));
    PrizeTable table;
    table.amounts = {0, 0, 0, 1000, 6800, 500000, 200000000};
    const WheelOdds odds = WheelOdds::of(tickets);
    const ExpectedReturn own = ExpectedReturn::ofWheel(odds, int(tickets.size()), table);
    QCOMPARE(own, ExpectedReturn::ofAnyTickets(int(tickets.size()), table));
    QCOMPARE(lines.value(7),
             QStringLiteral("return %1 %2").arg(own.perDraw(), 0, 'f', 6).arg(own.perTicket(), 0, 'f', 6));
    QCOMPARE(lines.value(8),
             QStringLiteral("random-return %1 %2").arg(own.perDraw(), 0, 'f', 6).arg(own.perTicket(), 0, 'f', 6));
    QCOMPARE(lines.value(9), QStringLiteral("price %1.000000 200.000000").arg(200 * tickets.size()));
    QCOMPARE(lines.value(10), ReturnText::returnNote(int(tickets.size())));

    // Each draw counted by hand: the classes some ticket held exactly.
    QStringList past{QStringLiteral("past 4")};
    for (int k = 3; k <= 6; ++k) {
        int paying = 0;
        for (const QList<int>& draw : draws) {
            paying += std::any_of(tickets.begin(), tickets.end(), [&](const QList<int>& ticket) {
                return std::count_if(ticket.begin(), ticket.end(), [&](int n) { return draw.contains(n); }) == k;
            });
        }
        const double mean = 4 * double(odds.drawsPaying[std::size_t(k)]) / WheelOdds::kDraws;
        past << QString::number(k) << QString::number(paying) << QString::number(mean, 'f', 2);
        past << QStringLiteral("\\d+") << QStringLiteral("\\d+");
    }
    QVERIFY2(QRegularExpression(QLatin1Char('^') + past.join(QLatin1Char(' ')) + QLatin1Char('$'))
                 .match(lines.value(11))
                 .hasMatch(),
             qPrintable(lines.value(11)));
    QCOMPARE(lines.value(12), ReturnText::pastNote());
    QCOMPARE(lines.size(), 13);
}

QTEST_GUILESS_MAIN(TestWheelCli)
#include "tst_wheelcli.moc"
