#include <QTest>

#include "TestHistory.h"

class TestCalendarCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rokuyoOverARange();
    void titleSuffix();
    void wrongDates_data();
    void wrongDates();

private:
    TestInstall m_install{TestHistory::randomLines(3, 1)};
};

void TestCalendarCli::rokuyoOverARange()
{
    const CliRun run =
        runCli(m_install.paths(), {QStringLiteral("rokuyo"), QStringLiteral("19991231"), QStringLiteral("20000107")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(),
             (QStringList{QStringLiteral("19991231 6"), QStringLiteral("20000101 0"), QStringLiteral("20000102 1"),
                          QStringLiteral("20000103 2"), QStringLiteral("20000104 3"), QStringLiteral("20000105 4"),
                          QStringLiteral("20000106 5"), QStringLiteral("20000107 1")}));
    // Lunar new year 2000 is 先勝.
    QCOMPARE(
        runCli(m_install.paths(), {QStringLiteral("rokuyo"), QStringLiteral("20000205"), QStringLiteral("20000205")})
            .out,
        QStringLiteral("20000205 2\n"));
}

void TestCalendarCli::titleSuffix()
{
    QCOMPARE(runCli(m_install.paths(), {QStringLiteral("title-suffix"), QStringLiteral("20000107")}).out,
             QStringLiteral("1月 7日  金曜日  ≪赤口≫\n"));
    QCOMPARE(runCli(m_install.paths(), {QStringLiteral("title-suffix"), QStringLiteral("20700101")}).out,
             QStringLiteral("1月 1日  水曜日  ≪？？≫\n"));
}

void TestCalendarCli::wrongDates_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::newRow("not a date") << QStringList{QStringLiteral("title-suffix"), QStringLiteral("20000230")};
    QTest::newRow("range backwards") << QStringList{QStringLiteral("rokuyo"), QStringLiteral("20000102"),
                                                    QStringLiteral("20000101")};
    QTest::newRow("one date only") << QStringList{QStringLiteral("rokuyo"), QStringLiteral("20000102")};
}

void TestCalendarCli::wrongDates()
{
    QFETCH(QStringList, words);
    const CliRun run = runCli(m_install.paths(), words);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCalendarCli)
#include "tst_calendarcli.moc"
