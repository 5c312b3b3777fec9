#include <QTest>

#include "predict/DataGodRequest.h"
#include "predict/PredictValueText.h"
#include "text/PredictText.h"

using Kind = DataGodRequest::Kind;

class TestDataGodRequest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startValues();
    void decode_data();
    void decode();
    void encodeDecodeRoundTrip();
    void waitingTime_data();
    void waitingTime();
    void computeStatus_data();
    void computeStatus();
};

void TestDataGodRequest::startValues()
{
    const DataGodSettings settings;
    QCOMPARE(settings.predictionCount, 0);
    QCOMPARE(settings.dataAmount, 50);
    QVERIFY(settings.preferFrequent);
    QCOMPARE(settings.appearanceWeight, 10);
    QVERIFY(settings.showPredicting);
    QCOMPARE(settings.requestCode(), 110);
}

void TestDataGodRequest::decode_data()
{
    QTest::addColumn<int>("wParam");
    QTest::addColumn<int>("lParam");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("frequent");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("shown");

    QTest::newRow("registrant check") << 0 << 0 << Kind::RegistrantCheck << 0 << 0 << false << 0 << false;
    QTest::newRow("registrant check, lParam ignored")
        << 0 << 20009 << Kind::RegistrantCheck << 0 << 0 << false << 0 << false;
    QTest::newRow("close predicting") << 1205 << 1 << Kind::ClosePredicting << 0 << 0 << false << 0 << false;
    QTest::newRow("close at the lowest wParam") << 100 << 1 << Kind::ClosePredicting << 0 << 0 << false << 0 << false;
    QTest::newRow("9 of 200, rare 5, shown") << 1205 << 20009 << Kind::Compute << 9 << 200 << false << 5 << true;
    QTest::newRow("6 of 50, frequent 0, hidden") << 2100 << 5006 << Kind::Compute << 6 << 50 << true << 0 << false;
    QTest::newRow("13 of all, rare 20, shown") << 1220 << 90013 << Kind::Compute << 13 << 900 << false << 20 << true;
    QTest::newRow("highest wParam") << 2220 << 15007 << Kind::Compute << 7 << 150 << false << 20 << false;
    QTest::newRow("wParam below 100") << 99 << 5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("wParam above 2220") << 2221 << 5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("no display flag") << 105 << 5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("priority 300") << 1305 << 5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("priority 0") << 1005 << 5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("weight 21") << 1121 << 5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("amount 70") << 1105 << 7009 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("count 5") << 1105 << 5005 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("count 14") << 1105 << 5014 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("lParam 0") << 1105 << 0 << Kind::Ignored << 0 << 0 << false << 0 << false;
    QTest::newRow("negative lParam") << 1105 << -5006 << Kind::Ignored << 0 << 0 << false << 0 << false;
}

void TestDataGodRequest::decode()
{
    QFETCH(int, wParam);
    QFETCH(int, lParam);
    QFETCH(Kind, kind);
    const DataGodRequest request = DataGodRequest::decode(wParam, lParam);
    QCOMPARE(request.kind, kind);
    if (kind != Kind::Compute)
        return;
    QFETCH(int, count);
    QFETCH(int, amount);
    QFETCH(bool, frequent);
    QFETCH(int, weight);
    QFETCH(bool, shown);
    QCOMPARE(request.settings.predictionCount, count);
    QCOMPARE(request.settings.dataAmount, amount);
    QCOMPARE(request.settings.preferFrequent, frequent);
    QCOMPARE(request.settings.appearanceWeight, weight);
    QCOMPARE(request.settings.showPredicting, shown);
    QCOMPARE(request.settings.requestCode(), wParam % 1000);
}

void TestDataGodRequest::encodeDecodeRoundTrip()
{
    for (int count = 6; count <= 13; ++count) {
        for (const int amount : {50, 100, 150, 200, 900}) {
            for (int weight = 0; weight <= 20; ++weight) {
                for (const bool frequent : {true, false}) {
                    for (const bool shown : {true, false}) {
                        const DataGodSettings settings{count, amount, frequent, weight, shown};
                        const DataGodRequest request = DataGodRequest::decode(settings.wParam(), settings.lParam());
                        QCOMPARE(request.kind, Kind::Compute);
                        QCOMPARE(request.settings.wParam(), settings.wParam());
                        QCOMPARE(request.settings.lParam(), settings.lParam());
                    }
                }
            }
        }
    }
    QCOMPARE((DataGodSettings{9, 200, false, 5, true}.wParam()), 1205);
    QCOMPARE((DataGodSettings{9, 200, false, 5, true}.lParam()), 20009);
}

void TestDataGodRequest::waitingTime_data()
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

void TestDataGodRequest::waitingTime()
{
    QFETCH(int, count);
    QFETCH(int, amount);
    QFETCH(int, milliseconds);
    QCOMPARE((DataGodSettings{count, amount, true, 10, true}.waitMilliseconds()), milliseconds);
}

void TestDataGodRequest::computeStatus_data()
{
    QTest::addColumn<int>("wParam");
    QTest::addColumn<int>("lParam");
    QTest::addColumn<QString>("status");
    QTest::newRow("rare, 200 draws") << 1205 << 20009
                                     << QStringLiteral("＊ ヌルガタ ＊  データ神の予想数は 9個、出現数考慮は 5 で "
                                                       "<少ない数字優先>、作成のためのデータ数は 200 です。　");
    QTest::newRow("frequent, all draws") << 2120 << 90013
                                         << QStringLiteral(
                                                "＊ ヌルガタ ＊  データ神の予想数は 13個、出現数考慮は 20 で "
                                                "<多い数字優先>、作成のためのデータ数は 全部 です。　");
}

void TestDataGodRequest::computeStatus()
{
    QFETCH(int, wParam);
    QFETCH(int, lParam);
    QFETCH(QString, status);
    QCOMPARE(PredictText::computeStatus(DataGodRequest::decode(wParam, lParam).settings), status);
}

QTEST_GUILESS_MAIN(TestDataGodRequest)
#include "tst_datagodrequest.moc"
