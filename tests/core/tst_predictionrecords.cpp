#include <QTest>

#include "TestHistory.h"
#include "core/predict/PredictValueText.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/DrawHistory.h"
#include "core/text/PredictText.h"

namespace {

QByteArray recordOf(int draw, const QList<int>& numbers)
{
    return PredictionRecord{draw, 1, numbers}.encode();
}

// Three draws: {1 … 6}, {7 … 12}, {1, 7, 13, 19, 25, 31}.
FlagLines threeDraws()
{
    return TestHistory::linesOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {1, 7, 13, 19, 25, 31}});
}

} // namespace

class TestPredictionRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsRecordsOfTheCount_data();
    void readsRecordsOfTheCount();
    void malformedFileNamed_data();
    void malformedFileNamed();
    void missingFileHoldsNoRecords();
    void hits_data();
    void hits();
    void latestPopup_data();
    void latestPopup();
};

void TestPredictionRecords::readsRecordsOfTheCount_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("6 numbers, 18 bytes") << 6;
    QTest::newRow("9 numbers, 24 bytes") << 9;
    QTest::newRow("13 numbers, 32 bytes") << 13;
}

void TestPredictionRecords::readsRecordsOfTheCount()
{
    QFETCH(int, count);
    const TestInstall install(threeDraws());
    QList<int> numbers;
    for (int i = 1; i <= count; ++i)
        numbers.append(i == count ? 99 : 3 * i);
    const QByteArray bytes = recordOf(100, numbers) + recordOf(9999, numbers);
    QCOMPARE(bytes.size(), 2 * (2 * count + 6));
    const QString path = install.paths().dataGodFile(QStringLiteral("Go"), count);
    TestHistory::writeFile(path, bytes);
    const auto records = PredictionRecord::readFile(path, count);
    QVERIFY(records.ok());
    QCOMPARE(records.value().size(), 2);
    QCOMPARE(records.value()[1].draw, 9999);
    QCOMPARE(records.value()[1].numbers, numbers);
}

void TestPredictionRecords::malformedFileNamed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = recordOf(100, {1, 2, 3, 4, 5, 6});
    QTest::newRow("partial record") << good + "0101" << PredictText::reasonRecordLength(18);
    QTest::newRow("a record of 7 numbers")
        << recordOf(100, {1, 2, 3, 4, 5, 6, 7}) << PredictText::reasonRecordLength(18);
    QTest::newRow("line end") << good + QByteArray("0101010203040506\r\n") << PredictText::reasonNotDigits(2);
    QTest::newRow("blank in a number") << good + QByteArray("01010102 3040506ab") << PredictText::reasonNotDigits(2);
    QTest::newRow("number 44") << good + recordOf(101, {1, 2, 3, 4, 5, 44}) << PredictText::reasonNumber(2, 44);
    QTest::newRow("number 0") << recordOf(100, {0, 2, 3, 4, 5, 6}) << PredictText::reasonNumber(1, 0);
}

void TestPredictionRecords::malformedFileNamed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const TestInstall install(threeDraws());
    const QString path = install.paths().dataGodFile(QStringLiteral("Yon"), 6);
    TestHistory::writeFile(path, bytes);
    const auto records = PredictionRecord::readFile(path, 6);
    QVERIFY(!records.ok());
    QCOMPARE(records.error().text, PredictText::predictionFileMalformed(path, reason).text);
}

void TestPredictionRecords::missingFileHoldsNoRecords()
{
    const TestInstall install(threeDraws());
    const QString path = install.paths().dataGodFile(QStringLiteral("Hati"), 8);
    const auto records = PredictionRecord::readFile(path, 8);
    QVERIFY(records.ok());
    QVERIFY(records.value().isEmpty());
}

void TestPredictionRecords::hits_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("hits"); // -1: still to come
    QTest::newRow("all six") << 1 << QList<int>{1, 2, 3, 4, 5, 6} << 6;
    QTest::newRow("none") << 2 << QList<int>{1, 2, 3, 4, 5, 6} << 0;
    QTest::newRow("two of nine, empty slots ignored") << 3 << QList<int>{1, 2, 7, 8, 9, 10, 11, 99, 99} << 2;
    QTest::newRow("coming draw") << 4 << QList<int>{1, 2, 3, 4, 5, 6} << -1;
    QTest::newRow("coming draw, empty record") << 4 << QList<int>{99, 99, 99, 99, 99, 99} << 0;
    QTest::newRow("far future") << 9999 << QList<int>{1, 2, 3, 4, 5, 6} << -1;
    QTest::newRow("draw 0") << 0 << QList<int>{1, 2, 3, 4, 5, 6} << 0;
}

void TestPredictionRecords::hits()
{
    QFETCH(int, draw);
    QFETCH(QList<int>, numbers);
    QFETCH(int, hits);
    const TestInstall install(threeDraws());
    const auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    const auto counted = PredictionRecord{draw, 1, numbers}.hits(*history.value());
    QCOMPARE(counted.value_or(-1), hits);
}

void TestPredictionRecords::latestPopup_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<PredictionRecord>("record");
    QTest::addColumn<QString>("text");
    QTest::newRow("window 1") << 1 << PredictionRecord{350, 1, {3, 11, 17, 25, 38, 42}}
                              << QStringLiteral(
                                     "< ヨンデータ神の第 350 回の抽選に対する予想 >\n\n3.  11.  17.  25.  38.  42");
    QTest::newRow("window 5, empty slots")
        << 5 << PredictionRecord{100, 1, {99, 99, 99, 99, 99, 99, 99}}
        << QStringLiteral("< ハチデータ神の第 100 回の抽選に対する予想 >\n\n--.  --.  --.  --.  --.  --.  --");
    QTest::newRow("window 3, 13 numbers") << 3 << PredictionRecord{9999, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 99}}
                                          << QStringLiteral("< ロクデータ神の第 9999 回の抽選に対する予想 >\n\n"
                                                            "1.  2.  3.  4.  5.  6.  7.  8.  9.  10.  11.  12.  --");
}

void TestPredictionRecords::latestPopup()
{
    QFETCH(int, slot);
    QFETCH(PredictionRecord, record);
    QFETCH(QString, text);
    QCOMPARE(PredictText::latestPopupText(slot, record), text);
}

QTEST_GUILESS_MAIN(TestPredictionRecords)
#include "tst_predictionrecords.moc"
