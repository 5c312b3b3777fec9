// All five data gods over the whole history (13 numbers, all draws), by the engine and by the
// plain step-by-step version that recounts every window.
#include <QTest>

#include "TestHistory.h"
#include "core/predict/DataGodEngine.h"
#include "core/predict/DataGodFiles.h"
#include "core/store/DrawHistory.h"
#include "reference/ReferenceDataGods.h"

namespace {

DataGodSettings benchSettings()
{
    DataGodSettings settings;
    settings.predictionCount = 13;
    settings.dataAmount = DataGodSettings::kAllDraws;
    return settings;
}

} // namespace

class BenchDataGods : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void engine_data() { sizes(); }
    void engine();
    void engineWithFiles_data() { sizes(); }
    void engineWithFiles();
    void reference_data() { sizes(); }
    void reference();

private:
    static void sizes();
};

void BenchDataGods::sizes()
{
    QTest::addColumn<int>("draws");
    for (const int draws : {1853, 4000, 9998})
        QTest::addRow("%d draws", draws) << draws;
}

void BenchDataGods::engine()
{
    QFETCH(int, draws);
    const TestInstall install(TestHistory::randomLines(draws, 1));
    const auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    qsizetype bytes = 0;
    QBENCHMARK {
        DataGodEngine engine(*history.value(), benchSettings());
        for (int order = DataGodEngine::kLowestOrder; order <= DataGodEngine::kHighestOrder; ++order)
            bytes += engine.godFile(order).size();
    }
    QVERIFY(bytes > 0);
}

void BenchDataGods::engineWithFiles()
{
    QFETCH(int, draws);
    const TestInstall install(TestHistory::randomLines(draws, 1));
    const auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    QBENCHMARK {
        QVERIFY(!DataGodFiles::runDataGods(install.paths(), *history.value(), benchSettings()));
    }
}

void BenchDataGods::reference()
{
    QFETCH(int, draws);
    const TestInstall install(TestHistory::randomLines(draws, 1));
    const auto history = DrawHistory::open(install.paths().historyFile());
    QVERIFY(history.ok());
    const DataGodSettings settings = benchSettings();
    qsizetype bytes = 0;
    QBENCHMARK {
        const auto run = ReferenceDataGods::makeRun(*history.value(), settings.dataAmount, settings.predictionCount,
                                                    settings.requestCode());
        for (int order = DataGodEngine::kLowestOrder; order <= DataGodEngine::kHighestOrder; ++order)
            bytes += ReferenceDataGods::godFile(run, order).size();
    }
    QVERIFY(bytes > 0);
}

QTEST_GUILESS_MAIN(BenchDataGods)
#include "bench_datagods.moc"
