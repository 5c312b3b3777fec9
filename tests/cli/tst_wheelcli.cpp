#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "core/store/HistoryFormat.h"
#include "core/text/PredictText.h"
#include "core/text/WheelText.h"
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

QTEST_GUILESS_MAIN(TestWheelCli)
#include "tst_wheelcli.moc"
