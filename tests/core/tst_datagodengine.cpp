#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <random>

#include "TestHistory.h"
#include "core/predict/DataGodEngine.h"
#include "core/predict/DataGodFiles.h"
#include "core/predict/DataGodRanking.h"
#include "core/predict/DataGodWindow.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/DrawHistory.h"
#include "core/text/PredictText.h"
#include "reference/ReferenceDataGods.h"

namespace {

std::unique_ptr<DrawHistory> openHistory(const TestInstall& install)
{
    auto opened = DrawHistory::open(install.paths().historyFile());
    if (!opened.ok())
        qFatal("cannot open the test history: %s", qPrintable(opened.error().text));
    return std::move(opened).value();
}

DataGodSettings settingsOf(int count, int amount, bool frequent, int weight)
{
    DataGodSettings settings;
    settings.predictionCount = count;
    settings.dataAmount = amount;
    settings.preferFrequent = frequent;
    settings.appearanceWeight = weight;
    return settings;
}

// Every count, amount and priority with a spread of weights.
QList<DataGodSettings> allSettings()
{
    QList<DataGodSettings> all;
    for (int count = 6; count <= 13; ++count) {
        for (const int amount : {50, 100, 150, 200, 900}) {
            for (const bool frequent : {true, false}) {
                for (const int weight : {0, 5, 10, 20})
                    all.append(settingsOf(count, amount, frequent, weight));
            }
        }
    }
    return all;
}

// A reproducible sample of `size` settings, always with both extremes; 0 takes them all.
QList<DataGodSettings> sampledSettings(int size, unsigned seed)
{
    QList<DataGodSettings> all = allSettings();
    if (size == 0)
        return all;
    std::shuffle(all.begin(), all.end(), std::mt19937(seed));
    QList<DataGodSettings> sample = all.mid(0, size);
    sample.append(settingsOf(6, 50, true, 0));
    sample.append(settingsOf(13, 900, false, 20));
    return sample;
}

QList<int> listOf(const NumberList& numbers)
{
    return QList<int>(numbers.begin(), numbers.end());
}

QByteArray digitsOf(const NumberList& numbers)
{
    QByteArray text;
    for (const int n : numbers)
        text += QByteArray::number(n).rightJustified(2, '0');
    return text;
}

// Names the first record where two files differ, for a readable failure.
QString difference(const QByteArray& actual, const QByteArray& expected, int recordLength)
{
    if (actual.size() != expected.size())
        return QStringLiteral("length %1, expected %2").arg(actual.size()).arg(expected.size());
    for (qsizetype at = 0; at < actual.size(); at += recordLength) {
        const QByteArray a = actual.mid(at, recordLength);
        const QByteArray e = expected.mid(at, recordLength);
        if (a != e)
            return QStringLiteral("record %1 is %2, expected %3")
                .arg(at / recordLength)
                .arg(QString::fromLatin1(a), QString::fromLatin1(e));
    }
    return {};
}

NumberValues workedCounts()
{
    NumberValues counts{};
    counts[12 - 1] = 40;
    counts[5 - 1] = 55;
    counts[30 - 1] = 40;
    counts[7 - 1] = 61;
    return counts;
}

const QString kStale = QStringLiteral("stale");

void fillAllGodFiles(const InstallPaths& paths)
{
    for (int count = 6; count <= 13; ++count) {
        for (const auto& god : PredictText::dataGods())
            TestHistory::writeFile(paths.dataGodFile(god.prefix, count), kStale.toLatin1());
    }
}

int godFilesStillStale(const InstallPaths& paths)
{
    int stale = 0;
    for (int count = 6; count <= 13; ++count) {
        for (const auto& god : PredictText::dataGods())
            stale += TestHistory::readFile(paths.dataGodFile(god.prefix, count)) == kStale.toLatin1() ? 1 : 0;
    }
    return stale;
}

} // namespace

class TestDataGodEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scoreOfWorkedExample();
    void windowMovesMatchFreshCounts_data();
    void windowMovesMatchFreshCounts();
    void candidateListKeepsLowerNumberOnTies();
    void rerankWorkedExample_data();
    void rerankWorkedExample();
    void slotsFillFromRanking();
    void engineMatchesReference_data();
    void engineMatchesReference();
    void predictionInAnyOrderMatchesReference();
    void filesOfCountFilledOthersEmptied_data();
    void filesOfCountFilledOthersEmptied();
    void missingFolderChangesNothing();
    void folderInFilesPlaceChangesNothing();
    void unwritableFolderChangesNothing();
};

void TestDataGodEngine::scoreOfWorkedExample()
{
    // W = 0 0 0 1 0 0 0 1 1 0 0 0, newest first: hits at j = 3 and 7 count, the one at 8 does not.
    const QByteArray newestFirst("000100011000");
    QCOMPARE(ReferenceDataGods::windowScore(newestFirst, 4), 2);

    FlagLines lines;
    for (QByteArray& line : lines)
        line = QByteArray(newestFirst.size(), '0');
    lines[0] = newestFirst;
    std::reverse(lines[0].begin(), lines[0].end());
    const DataGodPatterns patterns(lines);
    DataGodWindow window(patterns, 4);
    window.moveTo(1, 12);
    QCOMPARE(window.score(1), 2);
    QCOMPARE(window.score(2), 0);
}

void TestDataGodEngine::windowMovesMatchFreshCounts_data()
{
    QTest::addColumn<int>("order");
    for (int order = 4; order <= 8; ++order)
        QTest::addRow("k=%d", order) << order;
}

void TestDataGodEngine::windowMovesMatchFreshCounts()
{
    QFETCH(int, order);
    const FlagLines lines = TestHistory::randomLines(160, 7u + unsigned(order));
    const DataGodPatterns patterns(lines);
    DataGodWindow window(patterns, order);
    // Growing, sliding, jumping back, jumping past, windows shorter than the order, empty windows.
    const QList<std::pair<int, int>> moves = {{1, 20},    {1, 21},    {1, 60},    {2, 61},    {30, 90}, {31, 92},
                                              {10, 40},   {100, 110}, {105, 109}, {106, 106}, {1, 0},   {1, 160},
                                              {150, 160}, {5, 9},     {5, 13},    {6, 14}};
    for (const auto& [first, last] : moves) {
        window.moveTo(first, last);
        for (int n = 1; n <= kNumberCount; ++n) {
            QByteArray newestFirst = lines[n - 1].mid(first - 1, std::max(0, last - first + 1));
            std::reverse(newestFirst.begin(), newestFirst.end());
            if (window.score(n) != ReferenceDataGods::windowScore(newestFirst, order))
                QFAIL(qPrintable(QStringLiteral("number %1, window %2 … %3").arg(n).arg(first).arg(last)));
        }
    }
}

void TestDataGodEngine::candidateListKeepsLowerNumberOnTies()
{
    NumberValues scores{};
    scores[2 - 1] = 7;
    scores[9 - 1] = 5;
    scores[3 - 1] = 5;
    scores[40 - 1] = 1;
    QCOMPARE(listOf(DataGodRanking::candidateList(scores, 2)), (QList<int>{2, 3}));
    QCOMPARE(listOf(DataGodRanking::candidateList(scores, 14)), (QList<int>{2, 3, 9, 40}));
    QVERIFY(DataGodRanking::candidateList(NumberValues{}, 14).isEmpty());
}

void TestDataGodEngine::rerankWorkedExample_data()
{
    QTest::addColumn<bool>("frequent");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("frequent") << true << QList<int>{7, 5, 12, 30};
    QTest::newRow("rare") << false << QList<int>{12, 30, 5, 7};
}

void TestDataGodEngine::rerankWorkedExample()
{
    QFETCH(bool, frequent);
    QFETCH(QList<int>, expected);
    const NumberValues counts = workedCounts();
    NumberList numbers{12, 5, 30, 7};
    DataGodRanking::rerank(numbers, counts, frequent);
    QCOMPARE(listOf(numbers), expected);
    ReferenceDataGods::Counts referenceCounts;
    std::copy(counts.begin(), counts.end(), referenceCounts.begin());
    QCOMPARE(ReferenceDataGods::rerank({12, 5, 30, 7}, referenceCounts, frequent), expected);
}

void TestDataGodEngine::slotsFillFromRanking()
{
    NumberValues counts = workedCounts();
    counts[20 - 1] = 58;
    // Ranking: 7, 20, 5, 12, 30, then the never drawn numbers with 2 ahead of 1 (equal pair).
    const NumberList ranking = DataGodRanking::appearanceRanking(counts, true);
    QCOMPARE(listOf(ranking).mid(0, 7), (QList<int>{7, 20, 5, 12, 30, 2, 1}));
    const NumberList candidates{7, 5, 12, 30};
    QCOMPARE(listOf(DataGodRanking::fillSlots(candidates, ranking, 6)), (QList<int>{2, 5, 7, 12, 20, 30}));
    QCOMPARE(listOf(DataGodRanking::fillSlots(candidates, ranking, 3)), (QList<int>{5, 7, 12}));
    QCOMPARE(listOf(DataGodRanking::fillSlots(candidates, NumberList(), 6)), (QList<int>{5, 7, 12, 30, 99, 99}));
}

void TestDataGodEngine::engineMatchesReference_data()
{
    QTest::addColumn<FlagLines>("lines");
    QTest::addColumn<QList<DataGodSettings>>("settings");
    for (const int draws : {0, 98, 99, 100, 101})
        QTest::addRow("%d draws, all settings", draws)
            << TestHistory::randomLines(draws, 11u + unsigned(draws)) << sampledSettings(0, 0);
    QTest::newRow("150 draws") << TestHistory::randomLines(150, 4) << sampledSettings(100, 0);
    QTest::newRow("230 draws") << TestHistory::randomLines(230, 5) << sampledSettings(40, 1);
    QTest::newRow("420 draws") << TestHistory::randomLines(420, 6) << sampledSettings(30, 2);
    QTest::newRow("1000 draws") << TestHistory::randomLines(1000, 8) << sampledSettings(3, 3);
    QTest::newRow("260 draws of 1 … 12") << TestHistory::randomLines(260, 9, 12) << sampledSettings(40, 4);
    QTest::newRow("210 draws of 1 … 7") << TestHistory::randomLines(210, 10, 7) << sampledSettings(40, 5);
}

void TestDataGodEngine::engineMatchesReference()
{
    QFETCH(FlagLines, lines);
    QFETCH(QList<DataGodSettings>, settings);
    const TestInstall install(lines);
    const auto history = openHistory(install);
    for (const DataGodSettings& s : settings) {
        DataGodEngine engine(*history, s);
        const auto run = ReferenceDataGods::makeRun(*history, s.dataAmount, s.predictionCount, s.requestCode());
        for (int order = 4; order <= 8; ++order) {
            const QString fault = difference(engine.godFile(order), ReferenceDataGods::godFile(run, order),
                                             PredictionRecord::length(s.predictionCount));
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("k %1, count %2, amount %3, code %4: %5")
                                     .arg(order)
                                     .arg(s.predictionCount)
                                     .arg(s.dataAmount)
                                     .arg(s.requestCode())
                                     .arg(fault)));
        }
    }
}

void TestDataGodEngine::predictionInAnyOrderMatchesReference()
{
    const TestInstall install(TestHistory::randomLines(320, 12));
    const auto history = openHistory(install);
    const DataGodSettings settings = settingsOf(11, 100, false, 20);
    DataGodEngine engine(*history, settings);
    const auto run = ReferenceDataGods::makeRun(*history, 100, 11, settings.requestCode());
    for (int order = 4; order <= 8; ++order) {
        for (const int a : {319, 150, 151, 152, 99, 250, 251, 0, 1, 10, 100, 320}) {
            QCOMPARE(digitsOf(engine.godPrediction(order, a)), ReferenceDataGods::godPrediction(run, order, a));
        }
    }
}

void TestDataGodEngine::filesOfCountFilledOthersEmptied_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("recordLength");
    QTest::newRow("6 numbers") << 6 << 18;
    QTest::newRow("9 numbers") << 9 << 24;
    QTest::newRow("13 numbers") << 13 << 32;
}

void TestDataGodEngine::filesOfCountFilledOthersEmptied()
{
    QFETCH(int, count);
    QFETCH(int, recordLength);
    const TestInstall install(TestHistory::randomLines(101, 13));
    fillAllGodFiles(install.paths());
    const auto history = openHistory(install);
    const DataGodSettings settings = settingsOf(count, 50, true, 10);
    QVERIFY(!DataGodFiles::runDataGods(install.paths(), *history, settings));

    DataGodEngine engine(*history, settings);
    for (int c = 6; c <= 13; ++c) {
        for (const auto& god : PredictText::dataGods()) {
            const QString path = install.paths().dataGodFile(god.prefix, c);
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
            const QByteArray bytes = TestHistory::readFile(path);
            if (c != count) {
                QVERIFY2(bytes.isEmpty(), qPrintable(path));
                continue;
            }
            // Draws 100, 101 and the coming draw 102.
            QCOMPARE(bytes.size(), 3 * recordLength);
            QVERIFY(bytes.startsWith("010001"));
            QVERIFY(bytes.mid(2 * recordLength).startsWith("010201"));
            QCOMPARE(bytes, engine.godFile(god.order));
        }
    }
    QCOMPARE(QDir(install.paths().predictionFolder()).entryList(QDir::Files).size(), 40);
}

void TestDataGodEngine::missingFolderChangesNothing()
{
    const TestInstall install(TestHistory::randomLines(120, 14));
    QVERIFY(QDir(install.paths().predictionFolder()).removeRecursively());
    const auto history = openHistory(install);
    const Status status = DataGodFiles::runDataGods(install.paths(), *history, settingsOf(7, 100, true, 3));
    QVERIFY(status);
    QVERIFY(status->text.contains(install.paths().predictionFolder()));
    QVERIFY(!QFileInfo::exists(install.paths().predictionFolder()));
}

void TestDataGodEngine::folderInFilesPlaceChangesNothing()
{
    const TestInstall install(TestHistory::randomLines(120, 15));
    fillAllGodFiles(install.paths());
    const QString blocked = install.paths().dataGodFile(QStringLiteral("Nana"), 12);
    QVERIFY(QFile::remove(blocked));
    QVERIFY(QDir().mkdir(blocked));
    const auto history = openHistory(install);
    const Status status = DataGodFiles::runDataGods(install.paths(), *history, settingsOf(7, 100, true, 3));
    QVERIFY(status);
    QVERIFY(status->text.contains(blocked));
    QCOMPARE(godFilesStillStale(install.paths()), 39);
    QCOMPARE(QDir(install.paths().predictionFolder()).entryList(QDir::Files).size(), 39);
}

void TestDataGodEngine::unwritableFolderChangesNothing()
{
    const TestInstall install(TestHistory::randomLines(120, 16));
    fillAllGodFiles(install.paths());
    QFile folder(install.paths().predictionFolder());
    QVERIFY(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(install.paths().predictionFolder()).isWritable()) {
        folder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("the folder stays writable for this user");
    }
    const auto history = openHistory(install);
    const Status status = DataGodFiles::runDataGods(install.paths(), *history, settingsOf(7, 100, true, 3));
    folder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(status);
    QCOMPARE(godFilesStillStale(install.paths()), 40);
}

QTEST_GUILESS_MAIN(TestDataGodEngine)
#include "tst_datagodengine.moc"
