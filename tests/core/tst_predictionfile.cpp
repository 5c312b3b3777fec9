#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "core/entry/PredictionFile.h"

using TestHistory::readFile;
using TestHistory::writeFile;

class TestPredictionFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void appendOrdersByDrawAndNumbers();
    void readersShowTheStoredPredictions();
    void missingFileReadsAsEmpty();
    void appendCreatesAMissingFile();
    void drawRange_data();
    void drawRange();
    void badNumbersAreRefused_data();
    void badNumbersAreRefused();
    void ninetyNinePredictionsFillADraw();
    void deleteRenumbersTheDrawOnly_data();
    void deleteRenumbersTheDrawOnly();
    void deleteWithoutMatchChangesNothing();
    void malformedFileIsRefusedByEveryOperation_data();
    void malformedFileIsRefusedByEveryOperation();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("YDF1テスト.txt")); }
    PredictionFile file() const
    {
        return PredictionFile(path(), BackupFolder(m_dir->filePath(QStringLiteral("Backup"))));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPredictionFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestPredictionFile::appendOrdersByDrawAndNumbers()
{
    PredictionFile predictions = file();
    const auto first = predictions.appendPrediction(7, {3, 11, 19, 27, 35, 42}, 349);
    QVERIFY(first.ok());
    QCOMPARE(readFile(path()), QByteArray("000701031119273542"));

    // A second entry for the same draw comes after it; an earlier draw goes before both.
    QCOMPARE(predictions.appendPrediction(7, {43, 1, 20, 2, 10, 9}, 349).value().index, 2);
    QCOMPARE(predictions.appendPrediction(5, {4, 5, 6, 7, 8, 9}, 349).value().index, 1);
    QCOMPARE(readFile(path()), QByteArray("000501040506070809"
                                          "000701031119273542"
                                          "000702010209102043"));
    // A later draw goes to the end.
    QVERIFY(predictions.appendPrediction(350, {1, 2, 3, 4, 5, 6}, 349).ok());
    QVERIFY(readFile(path()).endsWith("035001010203040506"));
    QCOMPARE(predictions.largestDraw().value(), 350);
}

void TestPredictionFile::readersShowTheStoredPredictions()
{
    writeFile(path(), "000501040506070809000701031119273542000702010209102043");
    const PredictionFile predictions = file();

    const auto latest = predictions.latestPrediction(7);
    QVERIFY(latest.ok());
    QCOMPARE(PredictionFile::latestText(latest.value()), QStringLiteral("予想 2+1. 2. 9. 10. 20. 43"));
    QCOMPARE(PredictionFile::numbersText(predictions.predictionByNumber(7, 1).value()),
             QStringLiteral("3. 11. 19. 27. 35. 42"));
    QCOMPARE(PredictionFile::numbersText(predictions.predictionByNumber(7, 3).value()),
             QStringLiteral("xx. xx. xx. xx. xx. xx"));
    QCOMPARE(PredictionFile::latestText(predictions.latestPrediction(6).value()),
             QStringLiteral("xx. xx. xx. xx. xx. xx"));
    QCOMPARE(predictions.largestDraw().value(), 7);
}

void TestPredictionFile::missingFileReadsAsEmpty()
{
    const PredictionFile predictions = file();
    QCOMPARE(predictions.largestDraw().value(), 0);
    QVERIFY(!predictions.latestPrediction(1).value());
    QVERIFY(!predictions.predictionByNumber(1, 1).value());
    QVERIFY(!QFile::exists(path()));
}

void TestPredictionFile::appendCreatesAMissingFile()
{
    PredictionFile predictions = file();
    QVERIFY(predictions.appendPrediction(1, {1, 2, 3, 4, 5, 6}, 0).ok());
    QCOMPARE(readFile(path()), QByteArray("000101010203040506"));
}

void TestPredictionFile::drawRange_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the coming draw") << 350 << 349 << true;
    QTest::newRow("past the coming draw") << 351 << 349 << false;
    QTest::newRow("a past draw") << 1 << 349 << true;
    QTest::newRow("draw 0") << 0 << 349 << false;
    QTest::newRow("negative") << -3 << 349 << false;
    QTest::newRow("largest history") << 9999 << 9998 << true;
    QTest::newRow("past four digits") << 10000 << 9999 << false;
}

void TestPredictionFile::drawRange()
{
    QFETCH(int, draw);
    QFETCH(int, drawCount);
    QFETCH(bool, accepted);
    writeFile(path(), "000101010203040506");
    PredictionFile predictions = file();
    const auto stored = predictions.appendPrediction(draw, {1, 2, 3, 4, 5, 6}, drawCount);
    QCOMPARE(stored.ok(), accepted);
    if (accepted) {
        QCOMPARE(readFile(path()).size(), 36);
        return;
    }
    QCOMPARE(stored.error().caption, QStringLiteral("回数が予想範囲にありません！！"));
    QCOMPARE(readFile(path()), QByteArray("000101010203040506"));
}

void TestPredictionFile::badNumbersAreRefused_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("text");
    const QString notSix = QStringLiteral("予想データ数が６個ではありません。６個の数字を選んで下さい。");
    QTest::newRow("five") << QList<int>{1, 2, 3, 4, 5} << notSix;
    QTest::newRow("44") << QList<int>{1, 2, 3, 4, 5, 44}
                        << QStringLiteral("数字 44 は使えません。１から４３までの数字を選んで下さい。");
    QTest::newRow("twice") << QList<int>{1, 2, 3, 4, 6, 6}
                           << QStringLiteral("数字 6 が重複しています。異なる６個の数字を選んで下さい。");
}

void TestPredictionFile::badNumbersAreRefused()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, text);
    PredictionFile predictions = file();
    const auto stored = predictions.appendPrediction(1, numbers, 10);
    QVERIFY(!stored.ok());
    QCOMPARE(stored.error().caption, QStringLiteral("抽選結果（当選ナンバー）"));
    QCOMPARE(stored.error().text, text);
    QVERIFY(!QFile::exists(path()));
}

void TestPredictionFile::ninetyNinePredictionsFillADraw()
{
    PredictionFile predictions = file();
    for (int i = 1; i <= 99; ++i)
        QCOMPARE(predictions.appendPrediction(3, {1, 2, 3, 4, 5, 6}, 10).value().index, i);
    const QByteArray full = readFile(path());
    QVERIFY(full.endsWith("000399010203040506"));

    const auto refused = predictions.appendPrediction(3, {1, 2, 3, 4, 5, 6}, 10);
    QVERIFY(!refused.ok());
    QVERIFY(refused.error().text.contains(QStringLiteral("99")));
    QCOMPARE(readFile(path()), full);
    // Other draws still take predictions.
    QVERIFY(predictions.appendPrediction(4, {1, 2, 3, 4, 5, 6}, 10).ok());
}

void TestPredictionFile::deleteRenumbersTheDrawOnly_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("p");
    QTest::addColumn<QByteArray>("after");
    // Draw 7 holds three predictions; draws 5 and 8 two each.
    QTest::newRow("first of the file") << 5 << 1
                                       << QByteArray("000501020202020202"
                                                     "000701030303030303"
                                                     "000702040404040404"
                                                     "000703050505050505"
                                                     "000801060606060606"
                                                     "000802070707070707");
    QTest::newRow("first of three") << 7 << 1
                                    << QByteArray("000501010101010101"
                                                  "000502020202020202"
                                                  "000701040404040404"
                                                  "000702050505050505"
                                                  "000801060606060606"
                                                  "000802070707070707");
    QTest::newRow("last of the draw") << 7 << 3
                                      << QByteArray("000501010101010101"
                                                    "000502020202020202"
                                                    "000701030303030303"
                                                    "000702040404040404"
                                                    "000801060606060606"
                                                    "000802070707070707");
}

void TestPredictionFile::deleteRenumbersTheDrawOnly()
{
    QFETCH(int, draw);
    QFETCH(int, p);
    QFETCH(QByteArray, after);
    writeFile(path(), "000501010101010101"
                      "000502020202020202"
                      "000701030303030303"
                      "000702040404040404"
                      "000703050505050505"
                      "000801060606060606"
                      "000802070707070707");
    PredictionFile predictions = file();
    QVERIFY(!predictions.deletePrediction(draw, p));
    QCOMPARE(readFile(path()), after);
}

void TestPredictionFile::deleteWithoutMatchChangesNothing()
{
    const QByteArray bytes("000701031119273542000702010209102043");
    writeFile(path(), bytes);
    PredictionFile predictions = file();
    for (const auto& [draw, p] : {std::pair{7, 3}, std::pair{6, 1}, std::pair{7, 0}}) {
        const Status fault = predictions.deletePrediction(draw, p);
        QVERIFY(fault);
        QCOMPARE(fault->caption, QStringLiteral("＊＊　消去できませんでした。＊＊"));
        QCOMPARE(fault->text, QStringLiteral("該当するデータがありません！！消去するデータを確認してください。"));
    }
    QCOMPARE(readFile(path()), bytes);
}

void TestPredictionFile::malformedFileIsRefusedByEveryOperation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("short record") << QByteArray("00070103111927354") << QStringLiteral("18 バイトのレコードの倍数");
    QTest::newRow("line end") << QByteArray("000701031119273542\r\n") << QStringLiteral("18 バイトのレコードの倍数");
    QTest::newRow("letter") << QByteArray("000701031119273542"
                                          "0007020302x4050607")
                            << QStringLiteral("第 2 レコード");
}

void TestPredictionFile::malformedFileIsRefusedByEveryOperation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    writeFile(path(), bytes);
    PredictionFile predictions = file();

    const auto appended = predictions.appendPrediction(7, {1, 2, 3, 4, 5, 6}, 10);
    QVERIFY(!appended.ok());
    QCOMPARE(appended.error().caption, QStringLiteral("予想データファイルのエラー"));
    QVERIFY(appended.error().text.contains(path()));
    QVERIFY2(appended.error().text.contains(reason), qPrintable(appended.error().text));
    QVERIFY(predictions.deletePrediction(7, 1));
    QVERIFY(!predictions.latestPrediction(7).ok());
    QVERIFY(!predictions.predictionByNumber(7, 1).ok());
    QVERIFY(!predictions.largestDraw().ok());
    QCOMPARE(readFile(path()), bytes);
}

QTEST_GUILESS_MAIN(TestPredictionFile)
#include "tst_predictionfile.moc"
