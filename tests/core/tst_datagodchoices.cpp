#include <QTest>

#include "core/predict/DataGodSettings.h"
#include "core/predict/PredictValueText.h"

class TestDataGodChoices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startValues();
    void waitingTime_data();
    void waitingTime();
    void computeStatus_data();
    void computeStatus();
};

void TestDataGodChoices::startValues()
{
    const DataGodSettings settings;
    QCOMPARE(settings.predictionCount, 0);
    QCOMPARE(settings.dataAmount, 50);
    QVERIFY(settings.preferFrequent);
    QCOMPARE(settings.appearanceWeight, 10);
    QVERIFY(settings.showPredicting);
    QCOMPARE(settings.requestCode(), 110);
}

void TestDataGodChoices::waitingTime_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("6 of 50") << 6 << 50 << 2000;
    QTest::newRow("7 of 100") << 7 << 100 << 3000;
    QTest::newRow("8 of 150") << 8 << 150 << 4000;
    QTest::newRow("9 of 200") << 9 << 200 << 5000;
    QTest::newRow("13 of all") << 13 << 900 << 8500;
}

void TestDataGodChoices::waitingTime()
{
    QFETCH(int, count);
    QFETCH(int, amount);
    QFETCH(int, milliseconds);
    QCOMPARE((DataGodSettings{count, amount, true, 10, true}.waitMilliseconds()), milliseconds);
}

void TestDataGodChoices::computeStatus_data()
{
    QTest::addColumn<DataGodSettings>("settings");
    QTest::addColumn<QString>("status");
    QTest::newRow("rare, 200 draws") << DataGodSettings{9, 200, false, 5, true}
                                     << QStringLiteral("＊ ヌルガタ ＊  データ神の予想数は 9個、出現数考慮は 5 で "
                                                       "<少ない数字優先>、作成のためのデータ数は 200 です。　");
    QTest::newRow("frequent, all draws") << DataGodSettings{13, 900, true, 20, false}
                                         << QStringLiteral(
                                                "＊ ヌルガタ ＊  データ神の予想数は 13個、出現数考慮は 20 で "
                                                "<多い数字優先>、作成のためのデータ数は 全部 です。　");
}

void TestDataGodChoices::computeStatus()
{
    QFETCH(DataGodSettings, settings);
    QFETCH(QString, status);
    QCOMPARE(PredictText::computeStatus(settings), status);
}

QTEST_GUILESS_MAIN(TestDataGodChoices)
#include "tst_datagodchoices.moc"
