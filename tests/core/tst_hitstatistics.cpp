#include <QTest>

#include <bit>
#include <cmath>
#include <numeric>

#include "TestHistory.h"
#include "core/predict/HitChance.h"
#include "core/predict/HitStatistics.h"
#include "core/predict/PredictValueText.h"
#include "core/store/DrawHistory.h"
#include "core/text/PredictText.h"

namespace {

// Draw d (1 … 10) holds d, d + 10, d + 20, d + 30 and 41, 42; draw 11 also holds 43 (seven numbers).
FlagLines historyLines()
{
    QList<QList<int>> draws;
    for (int d = 1; d <= 10; ++d)
        draws.append({d, d + 10, d + 20, d + 30, 41, 42});
    draws.append({1, 2, 3, 4, 5, 6, 43});
    return TestHistory::linesOf(draws);
}

// Six numbers for draw d (1 … 10) of which exactly `hits` were drawn.
QList<int> withHits(int d, int hits)
{
    const QList<int> drawn{d, d + 10, d + 20, d + 30, 41, 42};
    QList<int> numbers = drawn.mid(0, hits);
    for (int n = 1; numbers.size() < 6; ++n) {
        if (!drawn.contains(n) && !numbers.contains(n))
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QByteArray fileOf(const QList<PredictionRecord>& records)
{
    QByteArray bytes;
    for (const PredictionRecord& r : records)
        bytes += r.encode();
    return bytes;
}

// P(hits) for a choice of named numbers, one ball after another without putting back: a way
// apart from the binomial coefficients the program uses.
std::array<double, 7> hitsDrawingBallByBall(int named)
{
    std::array<double, 7> p{1.0};
    for (int drawn = 0; drawn < 6; ++drawn) {
        std::array<double, 7> next{};
        for (int hits = 0; hits <= drawn; ++hits) {
            const double namedLeft = named - hits;
            const double hit = std::max(0.0, namedLeft) / (43 - drawn);
            next[hits + 1] += p[hits] * hit;
            next[hits] += p[hits] * (1 - hit);
        }
        p = next;
    }
    return p;
}

// The 2.5 % and 97.5 % quantiles of a count over a few independent records, by trying every
// combination of records that hit and records that do not.
std::pair<int, int> bandByEnumeration(const QList<double>& p)
{
    std::vector<double> count(std::size_t(p.size()) + 1);
    for (int mask = 0; mask < (1 << p.size()); ++mask) {
        double chance = 1;
        for (qsizetype r = 0; r < p.size(); ++r)
            chance *= mask & (1 << r) ? p[r] : 1 - p[r];
        count[std::size_t(std::popcount(unsigned(mask)))] += chance;
    }
    const auto quantile = [&](double level) {
        double below = 0;
        for (std::size_t k = 0; k < count.size(); ++k) {
            below += count[k];
            if (below >= level)
                return int(k);
        }
        return int(count.size() - 1);
    };
    return {quantile(0.025), quantile(0.975)};
}

QList<int> histogramOf(const HitStatistics& s)
{
    return QList<int>(s.hitHistogram().begin(), s.hitHistogram().end());
}

class HistoryFixture {
public:
    HistoryFixture() : m_install(historyLines())
    {
        auto opened = DrawHistory::open(m_install.paths().historyFile());
        if (!opened.ok())
            qFatal("cannot open the test history");
        m_history = std::move(opened).value();
    }
    const InstallPaths& paths() const { return m_install.paths(); }
    const DrawHistory& history() const { return *m_history; }

private:
    TestInstall m_install;
    std::unique_ptr<DrawHistory> m_history;
};

} // namespace

class TestHitStatistics : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countsAndStops_data();
    void countsAndStops();
    void moreThanSixHitsStopsWithWarning_data();
    void moreThanSixHitsStopsWithWarning();
    void averageText_data();
    void averageText();
    void dataGodFiles();
    void registrantFiles();
    void malformedFileReported();
    void chanceIsHypergeometricForTheRecordsCounted();
};

void TestHitStatistics::countsAndStops_data()
{
    QTest::addColumn<QList<PredictionRecord>>("records");
    QTest::addColumn<QList<int>>("histogram");
    QTest::addColumn<int>("recordCount");

    // 10 records: three with 1 hit, two with 2, one with 3, four with none.
    QList<PredictionRecord> ten;
    const QList<int> hits{1, 1, 1, 2, 2, 3, 0, 0, 0, 0};
    for (int d = 1; d <= 10; ++d)
        ten.append({d, 1, withHits(d, hits[d - 1])});
    QTest::newRow("ten records") << ten << QList<int>{3, 2, 1, 0, 0, 0} << 10;

    QList<PredictionRecord> perDraw;
    for (int p = 0; p <= 6; ++p)
        perDraw.append({5, p + 1, withHits(5, p)});
    QTest::newRow("several per draw, 0 … 6 hits") << perDraw << QList<int>{1, 1, 1, 1, 1, 1} << 7;

    QList<PredictionRecord> coming{{1, 1, withHits(1, 6)}, {12, 1, withHits(2, 0)}, {2, 1, withHits(2, 6)}};
    QTest::newRow("stops at a draw still to come") << coming << QList<int>{0, 0, 0, 0, 0, 1} << 1;

    QList<PredictionRecord> empty{{1, 1, withHits(1, 4)}, {2, 1, {99, 99, 99, 99, 99, 99}}, {3, 1, withHits(3, 6)}};
    QTest::newRow("stops at an empty first slot") << empty << QList<int>{0, 0, 0, 1, 0, 0} << 1;

    QList<PredictionRecord> trailing{{1, 1, {1, 11, 99, 99, 99, 99}}, {2, 1, {2, 12, 22, 99, 99, 99}}};
    QTest::newRow("empty later slots count no hit") << trailing << QList<int>{0, 1, 1, 0, 0, 0} << 2;

    QTest::newRow("no records") << QList<PredictionRecord>() << QList<int>{0, 0, 0, 0, 0, 0} << 0;
}

void TestHitStatistics::countsAndStops()
{
    QFETCH(QList<PredictionRecord>, records);
    QFETCH(QList<int>, histogram);
    QFETCH(int, recordCount);
    const HistoryFixture fixture;
    const HitStatistics s = HitStatistics::count(records, fixture.history(), 1);
    QVERIFY(s.hasData());
    QCOMPARE(histogramOf(s), histogram);
    QCOMPARE(s.hitRecordCount(), recordCount);
    QVERIFY(!s.warning());
}

void TestHitStatistics::moreThanSixHitsStopsWithWarning_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("caption");
    QTest::newRow("slot 1") << 1 << QStringLiteral("ヨンデータ神より…");
    QTest::newRow("slot 4") << 4 << QStringLiteral("ナナデータ神より…");
}

void TestHitStatistics::moreThanSixHitsStopsWithWarning()
{
    QFETCH(int, slot);
    QFETCH(QString, caption);
    const HistoryFixture fixture;
    // Draw 11 holds seven numbers, all named by the second record.
    const QList<PredictionRecord> records{{1, 1, {1, 11, 21, 31, 41, 42, 43, 99}},
                                          {11, 1, {1, 2, 3, 4, 5, 6, 43, 99}},
                                          {2, 1, {2, 12, 22, 32, 41, 42, 43, 99}}};
    const HitStatistics s = HitStatistics::count(records, fixture.history(), slot);
    QCOMPARE(histogramOf(s), (QList<int>{0, 0, 0, 0, 0, 1}));
    QCOMPARE(s.hitRecordCount(), 1);
    QVERIFY(s.warning());
    QCOMPARE(s.warning()->caption, caption);
    QCOMPARE(s.warning()->text, QStringLiteral("当予想プログラムに誤りがあると思われます。"
                                               "申し訳ありませんがこのソフトメーカーにご連絡をお願いいたします。"));
}

void TestHitStatistics::averageText_data()
{
    QTest::addColumn<QList<int>>("hitsPerRecord");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0") << QList<int>{1, 1, 1, 2, 2, 3, 0, 0, 0, 0} << QStringLiteral("≪的中数の平均≫1.0個");
    QTest::newRow("7 over 3 is 2.3") << QList<int>{3, 2, 2} << QStringLiteral("≪的中数の平均≫2.3個");
    QTest::newRow("2 over 3 rounds to 0.7") << QList<int>{1, 1, 0} << QStringLiteral("≪的中数の平均≫0.7個");
    QTest::newRow("0.45 rounds up") << QList<int>{1, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0}
                                    << QStringLiteral("≪的中数の平均≫0.5個");
    QTest::newRow("6.0") << QList<int>{6, 6} << QStringLiteral("≪的中数の平均≫6.0個");
    QTest::newRow("no records") << QList<int>{} << QStringLiteral("≪的中数の平均≫0.0個");
}

void TestHitStatistics::averageText()
{
    QFETCH(QList<int>, hitsPerRecord);
    QFETCH(QString, text);
    const HistoryFixture fixture;
    QList<PredictionRecord> records;
    for (qsizetype i = 0; i < hitsPerRecord.size(); ++i)
        records.append({int(i % 10) + 1, 1, withHits(int(i % 10) + 1, hitsPerRecord[i])});
    QCOMPARE(PredictText::hitAverage(HitStatistics::count(records, fixture.history(), 1)), text);
}

void TestHitStatistics::dataGodFiles()
{
    const HistoryFixture fixture;
    // 9 numbers: 24-byte records; slot 2's file holds two drawn records and the coming draw.
    const QList<PredictionRecord> records{{1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 11}},
                                          {2, 1, {2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                          {12, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    TestHistory::writeFile(fixture.paths().dataGodFile(QStringLiteral("Go"), 9), fileOf(records));
    TestHistory::writeFile(fixture.paths().dataGodFile(QStringLiteral("Roku"), 9), QByteArray());

    const auto slots = HitStatistics::ofDataGods(fixture.paths(), 9, fixture.history());
    QCOMPARE(slots.size(), 5);
    QVERIFY(slots[0].ok() && !slots[0].value().hasData()); // no file yet
    QVERIFY(slots[1].ok());
    QCOMPARE(histogramOf(slots[1].value()), (QList<int>{1, 1, 0, 0, 0, 0}));
    QCOMPARE(slots[1].value().hitRecordCount(), 2);
    QCOMPARE(PredictText::hitAverage(slots[1].value()), QStringLiteral("≪的中数の平均≫1.5個"));
    QVERIFY(slots[2].ok() && slots[2].value().hasData());
    QCOMPARE(PredictText::hitAverage(slots[2].value()), QStringLiteral("≪的中数の平均≫0.0個"));

    for (const auto& slot : HitStatistics::ofDataGods(fixture.paths(), 99, fixture.history())) {
        QVERIFY(slot.ok() && !slot.value().hasData());
        QCOMPARE(PredictText::hitAverage(slot.value()), QStringLiteral("≪的中数の平均≫xx.xx"));
    }
}

void TestHitStatistics::registrantFiles()
{
    const HistoryFixture fixture;
    RegistrantNames names;
    names[2] = QStringLiteral("花子");
    const QList<PredictionRecord> records{{3, 1, withHits(3, 2)}, {3, 2, withHits(3, 5)}, {4, 1, withHits(4, 0)}};
    TestHistory::writeFile(fixture.paths().registrantFile(3, names[2]), fileOf(records));
    // A sample file is not a slot's file.
    TestHistory::writeFile(fixture.paths().sampleFile(), fileOf(records));

    const auto slots = HitStatistics::ofRegistrants(fixture.paths(), names, fixture.history());
    QCOMPARE(slots.size(), 5);
    for (const int empty : {0, 1, 3, 4})
        QVERIFY(slots[empty].ok() && !slots[empty].value().hasData());
    QVERIFY(slots[2].ok());
    QCOMPARE(histogramOf(slots[2].value()), (QList<int>{0, 1, 0, 0, 1, 0}));
    QCOMPARE(slots[2].value().hitRecordCount(), 3);
}

void TestHitStatistics::malformedFileReported()
{
    const HistoryFixture fixture;
    RegistrantNames names;
    names[0] = QStringLiteral("taro");
    const QString path = fixture.paths().registrantFile(1, names[0]);
    TestHistory::writeFile(path, PredictionRecord{1, 1, withHits(1, 1)}.encode() + "00020");
    const auto slots = HitStatistics::ofRegistrants(fixture.paths(), names, fixture.history());
    QVERIFY(!slots[0].ok());
    QVERIFY(slots[0].error().text.contains(path));
    QVERIFY(slots[1].ok());
}

void TestHitStatistics::chanceIsHypergeometricForTheRecordsCounted()
{
    const HistoryFixture fixture;
    // Naming 6, 2, 6, 3 and 9 numbers (empty slots and a repeat left out); the record for the
    // coming draw is not counted, so it adds nothing to chance either.
    const QList<PredictionRecord> records{
        {1, 1, {1, 11, 21, 31, 41, 42, 99, 99, 99}}, {2, 1, {2, 12, 99, 99, 99, 99, 99, 99, 99}},
        {3, 1, {3, 4, 5, 6, 7, 8, 99, 99, 99}},      {4, 1, {1, 2, 3, 3, 99, 99, 99, 99, 99}},
        {5, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}},         {12, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    const QList<int> named{6, 2, 6, 3, 9};
    const HitStatistics statistics = HitStatistics::count(records, fixture.history(), 1);
    QCOMPARE(statistics.hitRecordCount(), 5);
    const HitChance chance = HitChance::of(statistics);

    double mean = 0;
    double variance = 0;
    for (const int m : named) {
        const auto p = hitsDrawingBallByBall(m);
        double first = 0;
        double second = 0;
        for (int k = 0; k <= 6; ++k) {
            first += k * p[k];
            second += k * k * p[k];
        }
        mean += first;
        variance += second - first * first;
    }
    mean /= 5;
    const double half = 1.96 * std::sqrt(variance) / 5;
    QVERIFY(std::abs(chance.average().mean - mean) < 1e-12);
    QVERIFY(std::abs(chance.average().high - (mean + half)) < 1e-4);
    QVERIFY(std::abs(chance.average().low - (mean - half)) < 1e-4);

    for (int hits = 1; hits <= 6; ++hits) {
        QList<double> p;
        for (const int m : named)
            p.append(hitsDrawingBallByBall(m)[hits]);
        const double expected = std::accumulate(p.begin(), p.end(), 0.0);
        const auto [low, high] = bandByEnumeration(p);
        QVERIFY2(std::abs(chance.records(hits).mean - expected) < 1e-12, qPrintable(QString::number(hits)));
        QCOMPARE(chance.records(hits).low, double(low));
        QCOMPARE(chance.records(hits).high, double(high));
    }
}

QTEST_GUILESS_MAIN(TestHitStatistics)
#include "tst_hitstatistics.moc"
