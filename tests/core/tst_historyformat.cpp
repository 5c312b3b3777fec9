#include <QTest>

#include "TestHistory.h"
#include "core/store/HistoryFormat.h"

class TestHistoryFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutOfSerializedHistory();
    void parseRoundTrip_data();
    void parseRoundTrip();
    void malformedFilesNameTheLine_data();
    void malformedFilesNameTheLine();
    void pastedTextIsReadLeniently_data();
    void pastedTextIsReadLeniently();
};

void TestHistoryFormat::layoutOfSerializedHistory()
{
    const FlagLines lines = TestHistory::randomLines(350, 7);
    const QByteArray bytes = HistoryFormat::serialize(lines);
    QCOMPARE(bytes.size(), 43 * (350 + 6) - 2);
    QVERIFY(bytes.startsWith("d01*"));
    QVERIFY(!bytes.endsWith("\r\n"));
    for (int n = 1; n <= 43; ++n) {
        const qsizetype start = (n - 1) * (350 + 6);
        QCOMPARE(bytes.mid(start, 4), HistoryFormat::tag(n));
        // The flag of number n in draw k sits at a computed offset.
        for (const int k : {1, 175, 350})
            QCOMPARE(bytes[start + 3 + k], lines[n - 1][k - 1]);
        if (n < 43)
            QCOMPARE(bytes.mid(start + 4 + 350, 2), QByteArray("\r\n"));
    }
}

void TestHistoryFormat::parseRoundTrip_data()
{
    QTest::addColumn<int>("draws");
    QTest::newRow("empty history") << 0;
    QTest::newRow("one draw") << 1;
    QTest::newRow("350 draws") << 350;
    QTest::newRow("largest history") << kMaxDraws;
    QTest::newRow("past the limit, made by hand") << kMaxDraws + 1;
    QTest::newRow("most draws read") << kMaxReadDraws;
}

void TestHistoryFormat::parseRoundTrip()
{
    QFETCH(int, draws);
    const FlagLines lines = TestHistory::randomLines(draws, 11);
    const QByteArray bytes = HistoryFormat::serialize(lines);
    auto parsed = HistoryFormat::parse(bytes);
    QVERIFY(std::holds_alternative<FlagLines>(parsed));
    QCOMPARE(std::get<FlagLines>(parsed), lines);
    QCOMPARE(HistoryFormat::serialize(std::get<FlagLines>(parsed)), bytes);

    // As an editor may leave the file: LF line ends, the last line ended too.
    const QByteArray lf = QByteArray(bytes).replace("\r\n", "\n");
    for (const QByteArray& edited : {lf, lf + '\n', bytes + "\r\n"}) {
        auto again = HistoryFormat::parse(edited);
        QVERIFY(std::holds_alternative<FlagLines>(again));
        QCOMPARE(std::get<FlagLines>(again), lines);
    }
}

void TestHistoryFormat::malformedFilesNameTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");

    const QByteArray good = HistoryFormat::serialize(TestHistory::randomLines(20, 3));
    const qsizetype pitch = 20 + 6;
    auto changed = [&good](qsizetype at, const QByteArray& with) {
        return QByteArray(good).replace(at, with.size(), with);
    };

    QTest::newRow("empty file") << QByteArray() << 1;
    QTest::newRow("empty line after line 43") << good + "\r\n\r\n" << 44;
    QTest::newRow("42 lines") << good.left(42 * pitch - 2) << 42;
    QTest::newRow("wrong tag on line 1") << changed(0, "D01*") << 1;
    QTest::newRow("wrong tag on line 17") << changed(16 * pitch, "d71*") << 17;
    QTest::newRow("letter among the flags") << changed(5 * pitch + 10, "x") << 6;
    QTest::newRow("blank among the flags") << changed(42 * pitch + 4, " ") << 43;
    QTest::newRow("CR line ends") << QByteArray(good).replace("\r\n", "\r") << 1;
    QTest::newRow("CR ending the last line") << good + "\r" << 43;
    QTest::newRow("short line") << QByteArray(good).remove(9 * pitch + 8, 1) << 10;
    QTest::newRow("long last line") << good + "1" << 43;
    QTest::newRow("more draws than are read")
        << HistoryFormat::serialize(TestHistory::randomLines(kMaxReadDraws + 1, 1)) << 1;
}

void TestHistoryFormat::malformedFilesNameTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    auto parsed = HistoryFormat::parse(bytes);
    QVERIFY(std::holds_alternative<FormatFault>(parsed));
    QCOMPARE(std::get<FormatFault>(parsed).line, line);
    QVERIFY(!std::get<FormatFault>(parsed).reason.isEmpty());
}

void TestHistoryFormat::pastedTextIsReadLeniently_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");

    const QByteArray exact = HistoryFormat::serialize(TestHistory::randomLines(30, 5));
    QTest::newRow("exact layout") << exact << true;
    QTest::newRow("LF line ends") << QByteArray(exact).replace("\r\n", "\n") << true;
    QTest::newRow("trailing line end and blank lines") << exact + "\r\n\r\n" << true;
    QTest::newRow("trailing blanks on lines") << QByteArray(exact).replace("\r\n", " \t\r\n") << true;
    QTest::newRow("a line missing") << exact.left(exact.lastIndexOf("\r\n")) << false;
    QTest::newRow("blank line in between") << QByteArray(exact).replace("\r\nd02*", "\r\n\r\nd02*") << false;
    QTest::newRow("more draws than fit") << HistoryFormat::serialize(TestHistory::randomLines(kMaxDraws + 1, 1))
                                         << false;
}

void TestHistoryFormat::pastedTextIsReadLeniently()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    auto parsed = HistoryFormat::parseLenient(text);
    QCOMPARE(std::holds_alternative<FlagLines>(parsed), accepted);
    if (accepted)
        QCOMPARE(std::get<FlagLines>(parsed)[42].size(), 30);
}

QTEST_GUILESS_MAIN(TestHistoryFormat)
#include "tst_historyformat.moc"
