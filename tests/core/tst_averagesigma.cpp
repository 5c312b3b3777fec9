#include <QTest>

#include "TestHistory.h"
#include "core/entry/HistoryAverageSigma.h"
#include "core/entry/SelectionAverageSigma.h"
#include "core/store/DrawHistory.h"
#include "core/text/EntryText.h"

class TestAverageSigma : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberFormat_data();
    void numberFormat();
    void selection_data();
    void selection();
    void selectionRefused_data();
    void selectionRefused();
    void history_data();
    void history();
    void faultyDrawsAreReportedAndCountAsZero_data();
    void faultyDrawsAreReportedAndCountAsZero();
    void emptyHistoryGivesZeros();

private:
    static HistoryAverageSigma statisticsOf(const QList<QList<int>>& draws);
};

HistoryAverageSigma TestAverageSigma::statisticsOf(const QList<QList<int>>& draws)
{
    const TestInstall install(TestHistory::linesOf(draws));
    auto history = DrawHistory::open(install.paths().historyFile());
    if (!history.ok())
        qFatal("history does not open");
    return HistoryAverageSigma::of(*history.value());
}

void TestAverageSigma::numberFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integral keeps its point") << 7.0 << QStringLiteral("7.");
    QTest::newRow("two-digit integral") << 22.0 << QStringLiteral("22.");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0.");
    QTest::newRow("trailing zeros dropped") << 3.5 << QStringLiteral("3.5");
    QTest::newRow("five significant digits") << 1.7078251 << QStringLiteral("1.7078");
    QTest::newRow("rounds up") << 22.10349 << QStringLiteral("22.103");
    QTest::newRow("rounds to integral") << 12.99996 << QStringLiteral("13.");
    QTest::newRow("below one") << 0.85391256 << QStringLiteral("0.85391");
    QTest::newRow("0.1 stays fixed") << 0.1 << QStringLiteral("0.1");
    // Below 0.1 the runtime switches to its exponent form with three exponent digits.
    QTest::newRow("below 0.1") << 0.083333333 << QStringLiteral("8.3333e-002");
    QTest::newRow("below 0.1, zeros dropped") << 0.05 << QStringLiteral("5.e-002");
    QTest::newRow("rounds up to 0.1") << 0.099999999 << QStringLiteral("1.e-001");
}

void TestAverageSigma::numberFormat()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(EntryText::statistic(value), text);
}

void TestAverageSigma::selection_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<float>("average");
    QTest::addColumn<QString>("text");
    // σ = √(17.5 / 6) and √(70 / 6).
    QTest::newRow("1 to 6") << QList<int>{1, 2, 3, 4, 5, 6} << 3.5f
                            << QStringLiteral("【 平 均 】 3.5    【 σ 値 】 1.7078");
    QTest::newRow("integral average") << QList<int>{2, 4, 6, 8, 10, 12} << 7.0f
                                      << QStringLiteral("【 平 均 】 7.    【 σ 値 】 3.4157");
    QTest::newRow("any order") << QList<int>{12, 2, 10, 4, 8, 6} << 7.0f
                               << QStringLiteral("【 平 均 】 7.    【 σ 値 】 3.4157");
}

void TestAverageSigma::selection()
{
    QFETCH(QList<int>, numbers);
    QFETCH(float, average);
    QFETCH(QString, text);
    const Result<SelectionAverageSigma> statistics = SelectionAverageSigma::of(numbers);
    QVERIFY(statistics.ok());
    QCOMPARE(statistics.value().average, average);
    QCOMPARE(statistics.value().text(), text);
}

void TestAverageSigma::selectionRefused_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("text");
    const QString notSix = QStringLiteral("予想データ数が６個ではありません。６個の数字を選んで下さい。");
    QTest::newRow("five") << QList<int>{1, 2, 3, 4, 5} << notSix;
    QTest::newRow("44") << QList<int>{1, 2, 3, 4, 5, 44}
                        << QStringLiteral("数字 44 は使えません。１から４３までの数字を選んで下さい。");
    QTest::newRow("twice") << QList<int>{1, 2, 3, 4, 5, 5}
                           << QStringLiteral("数字 5 が重複しています。異なる６個の数字を選んで下さい。");
}

void TestAverageSigma::selectionRefused()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, text);
    const Result<SelectionAverageSigma> statistics = SelectionAverageSigma::of(numbers);
    QVERIFY(!statistics.ok());
    QCOMPARE(statistics.error().caption, QStringLiteral("平均値・σ値の計算結果より"));
    QCOMPARE(statistics.error().text, text);
}

void TestAverageSigma::history_data()
{
    QTest::addColumn<QList<QList<int>>>("draws");
    QTest::addColumn<QString>("averageText");
    QTest::addColumn<QString>("sigmaText");
    // Averages 3.5 and 7: mean 5.25, σ 1.75. σ values √(17.5/6) and √(70/6): mean 2.5617, σ 0.85391.
    QTest::newRow("two draws") << QList<QList<int>>{{1, 2, 3, 4, 5, 6}, {2, 4, 6, 8, 10, 12}}
                               << QStringLiteral("≪平均≫ 5.25    ≪σ値≫ 1.75")
                               << QStringLiteral("≪平均≫ 2.5617    ≪σ値≫ 0.85391");
    // Averages 3.5 and 3.6667 lie so close that their σ is written in the exponent form.
    QTest::newRow("close draws") << QList<QList<int>>{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}}
                                 << QStringLiteral("≪平均≫ 3.5833    ≪σ値≫ 8.3333e-002")
                                 << QStringLiteral("≪平均≫ 1.8399    ≪σ値≫ 0.1321");
    QTest::newRow("one draw") << QList<QList<int>>{{1, 2, 3, 4, 5, 6}} << QStringLiteral("≪平均≫ 3.5    ≪σ値≫ 0.")
                              << QStringLiteral("≪平均≫ 1.7078    ≪σ値≫ 0.");
}

void TestAverageSigma::history()
{
    QFETCH(QList<QList<int>>, draws);
    QFETCH(QString, averageText);
    QFETCH(QString, sigmaText);
    const HistoryAverageSigma statistics = statisticsOf(draws);
    QVERIFY(statistics.warnings.isEmpty());
    QCOMPARE(statistics.averageText(), averageText);
    QCOMPARE(statistics.sigmaText(), sigmaText);
}

void TestAverageSigma::faultyDrawsAreReportedAndCountAsZero_data()
{
    QTest::addColumn<QList<int>>("faulty");
    QTest::addColumn<QString>("warning");
    QTest::newRow("five") << QList<int>{1, 2, 3, 4, 5}
                          << QStringLiteral("第12回のデータが６個ではありません。データは5個です。");
    QTest::newRow("none") << QList<int>{} << QStringLiteral("第12回のデータが６個ではありません。データは0個です。");
    QTest::newRow("eight") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
                           << QStringLiteral("第12回のデータが６個ではありません。データは7個以上です。");
}

void TestAverageSigma::faultyDrawsAreReportedAndCountAsZero()
{
    QFETCH(QList<int>, faulty);
    QFETCH(QString, warning);
    QList<QList<int>> draws(11, QList<int>{1, 2, 3, 4, 5, 6});
    draws.append(faulty);
    const HistoryAverageSigma statistics = statisticsOf(draws);
    QCOMPARE(statistics.warnings.size(), 1);
    QCOMPARE(statistics.warnings.first().caption, QStringLiteral("平均値・σ値の計算結果より"));
    QCOMPARE(statistics.warnings.first().text, warning);
    // Eleven averages of 3.5 and one 0 over twelve draws, likewise for the σ values.
    QCOMPARE(statistics.averageText(), QStringLiteral("≪平均≫ 3.2083    ≪σ値≫ 0.96735"));
    QCOMPARE(statistics.sigmaText(), QStringLiteral("≪平均≫ 1.5655    ≪σ値≫ 0.47202"));
}

void TestAverageSigma::emptyHistoryGivesZeros()
{
    const HistoryAverageSigma statistics = statisticsOf({});
    QVERIFY(statistics.warnings.isEmpty());
    QCOMPARE(statistics.averageText(), QStringLiteral("≪平均≫ 0.    ≪σ値≫ 0."));
    QCOMPARE(statistics.sigmaText(), QStringLiteral("≪平均≫ 0.    ≪σ値≫ 0."));
}

QTEST_GUILESS_MAIN(TestAverageSigma)
#include "tst_averagesigma.moc"
