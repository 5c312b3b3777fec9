#include <QTest>

#include <atomic>
#include <bit>
#include <numeric>
#include <random>
#include <thread>

#include "core/chance/Hypergeometric.h"
#include "core/store/PrizeTable.h"
#include "core/text/WheelText.h"
#include "core/wheel/Binomial.h"
#include "core/wheel/ExpectedReturn.h"
#include "core/wheel/KnownDesigns.h"
#include "core/wheel/OrbitSearch.h"
#include "core/wheel/RandomTicketOdds.h"
#include "core/wheel/WheelBound.h"
#include "core/wheel/WheelMaker.h"

class TestWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void proofAgreesWithADirectCount_data();
    void proofAgreesWithADirectCount();
    void oddsAgreeWithEveryDraw_data();
    void oddsAgreeWithEveryDraw();
    void fixedNumbersInEveryTicket_data();
    void fixedNumbersInEveryTicket();
    void sameSeedSameTickets_data();
    void sameSeedSameTickets();
    void limitsKeptOnTheLargestPools_data();
    void limitsKeptOnTheLargestPools();
    void stoppedSearchGivesAWholeWheel_data();
    void stoppedSearchGivesAWholeWheel();
    void badSettingsRefused_data();
    void badSettingsRefused();
    void knownAnswersReached_data();
    void knownAnswersReached();
    void inversivePlaneHoldsEveryThreeOnce();
    void orbitsMakeAProvenWheel_data();
    void orbitsMakeAProvenWheel();
    void randomTicketsBesideAWheel();
};

namespace {

using Tickets = QList<QList<int>>;

QList<int> numbersFrom(int first, int count)
{
    QList<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), first);
    return numbers;
}

quint64 maskOf(const QList<int>& numbers)
{
    quint64 mask = 0;
    for (const int n : numbers)
        mask |= quint64(1) << n;
    return mask;
}

// Calls f with the mask of every k-set of the numbers, one set after another.
template <typename F>
void forEachSet(const QList<int>& numbers, int k, quint64 chosen, qsizetype from, const F& f)
{
    if (k == 0) {
        f(chosen);
        return;
    }
    for (qsizetype i = from; i + k <= numbers.size(); ++i)
        forEachSet(numbers, k - 1, chosen | quint64(1) << numbers[i], i + 1, f);
}

WheelSettings settingsOf(QList<int> pool, int matched, int drawnInPool)
{
    WheelSettings settings;
    settings.pool = std::move(pool);
    settings.matched = matched;
    settings.drawnInPool = drawnInPool;
    settings.seconds = 30;
    return settings;
}

} // namespace

void TestWheel::proofAgreesWithADirectCount_data()
{
    QTest::addColumn<QList<int>>("pool");
    QTest::addColumn<Tickets>("tickets");
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("drawnInPool");
    // The six-number sets of 1 … 7 without 6 and without 7: only 1 … 5 lies in none of them.
    Tickets fiveOfSeven;
    for (int left = 1; left <= 5; ++left) {
        QList<int> ticket = numbersFrom(1, 7);
        ticket.removeOne(left);
        fiveOfSeven.append(ticket);
    }
    QTest::newRow("misses one p-set") << numbersFrom(1, 7) << fiveOfSeven << 5 << 5;
    QTest::newRow("lotto design 4 if 6") << numbersFrom(1, 9)
                                         << Tickets{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 9}} << 4
                                         << 6;
    QTest::newRow("two of three groups") << numbersFrom(1, 9) << Tickets{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}} << 4
                                         << 6;
    QTest::newRow("pool of eleven, 3 if 4")
        << QList<int>{3, 8, 11, 17, 20, 24, 29, 33, 36, 40, 43}
        << Tickets{{3, 8, 11, 17, 20, 24}, {24, 29, 33, 36, 40, 43}, {3, 11, 20, 29, 36, 43}} << 3 << 4;
}

void TestWheel::proofAgreesWithADirectCount()
{
    QFETCH(QList<int>, pool);
    QFETCH(Tickets, tickets);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    qint64 sets = 0;
    qint64 missed = 0;
    forEachSet(pool, drawnInPool, 0, 0, [&](quint64 set) {
        ++sets;
        bool held = false;
        for (const QList<int>& ticket : tickets)
            held = held || std::popcount(maskOf(ticket) & set) >= matched;
        missed += held ? 0 : 1;
    });
    const WheelProof proof = WheelProof::check(pool, tickets, matched, drawnInPool);
    QCOMPARE(proof.checked, sets);
    QCOMPARE(proof.checked, binomial(int(pool.size()), drawnInPool));
    QCOMPARE(proof.missedCount, missed);
    QCOMPARE(proof.kept(), missed == 0);
    QCOMPARE(proof.missed.size(), std::min<qsizetype>(missed, WheelProof::kShownMisses));
    if (QByteArray(QTest::currentDataTag()) == "misses one p-set")
        QCOMPARE(proof.missed, (Tickets{{1, 2, 3, 4, 5}}));
    for (const QList<int>& set : proof.missed) {
        for (const QList<int>& ticket : tickets)
            QVERIFY(std::popcount(maskOf(ticket) & maskOf(set)) < matched);
    }
}

void TestWheel::oddsAgreeWithEveryDraw_data()
{
    QTest::addColumn<Tickets>("tickets");
    QTest::newRow("one ticket") << Tickets{{3, 11, 20, 28, 35, 42}};
    QTest::newRow("two tickets sharing three") << Tickets{{1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 9}};
    QTest::newRow("three tickets") << Tickets{{1, 2, 3, 4, 5, 6}, {1, 7, 13, 19, 25, 31}, {38, 39, 40, 41, 42, 43}};
}

void TestWheel::oddsAgreeWithEveryDraw()
{
    QFETCH(Tickets, tickets);
    std::array<qint64, 7> best{};
    std::array<qint64, 7> ticketsHolding{};
    std::array<qint64, 7> paying{};
    // Made-up amounts, none a multiple of another, so that a class counted in the wrong place shows.
    PrizeTable table;
    table.amounts = {0, 0, 0, 1009, 6803, 500029, 200000033};
    qint64 paid = 0;
    forEachSet(numbersFrom(1, 43), 6, 0, 0, [&](quint64 draw) {
        int most = 0;
        unsigned held = 0;
        for (const QList<int>& ticket : tickets) {
            const int k = std::popcount(maskOf(ticket) & draw);
            ++ticketsHolding[std::size_t(k)];
            most = std::max(most, k);
            held |= 1U << k;
            paid += table.amount(k);
        }
        ++best[std::size_t(most)];
        for (std::size_t k = 0; k < paying.size(); ++k)
            paying[k] += (held >> k) & 1;
    });
    const WheelOdds odds = WheelOdds::of(tickets);
    QCOMPARE(odds.bestHolds, best);
    // What the tickets pay over every draw, from the wheel's own counts, is as many times one ticket's.
    const ExpectedReturn expected = ExpectedReturn::ofWheel(odds, int(tickets.size()), table);
    QCOMPARE(expected.paidOverAllDraws, paid);
    QCOMPARE(expected, ExpectedReturn::ofAnyTickets(int(tickets.size()), table));
    QCOMPARE(expected.price, 200 * tickets.size());
    for (int k = 0; k <= 6; ++k) {
        QCOMPARE(odds.atLeastProbability(k),
                 double(std::accumulate(best.begin() + k, best.end(), qint64(0))) / WheelOdds::kDraws);
        // The prize classes are counted one by one.
        if (k >= 3) {
            QCOMPARE(odds.ticketHolds[std::size_t(k)], ticketsHolding[std::size_t(k)]);
            QCOMPARE(odds.drawsPaying[std::size_t(k)], paying[std::size_t(k)]);
            QCOMPARE(odds.expectedTickets[std::size_t(k)], double(ticketsHolding[std::size_t(k)]) / WheelOdds::kDraws);
        }
        // One ticket follows the hypergeometric law.
        if (tickets.size() == 1)
            QCOMPARE(odds.bestHolds[std::size_t(k)], binomial(6, k) * binomial(37, 6 - k));
    }
}

void TestWheel::fixedNumbersInEveryTicket_data()
{
    QTest::addColumn<int>("ticketBudget");
    QTest::newRow("smallest wheel") << 0;
    QTest::newRow("four tickets") << 4;
}

void TestWheel::fixedNumbersInEveryTicket()
{
    QFETCH(int, ticketBudget);
    WheelSettings settings = settingsOf({2, 5, 9, 14, 17, 21, 26, 30, 33, 38, 41, 43}, 3, 4);
    settings.fixed = {9, 33};
    settings.ticketBudget = ticketBudget;
    settings.seconds = 3;
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    QVERIFY(wheel.ok());
    QVERIFY(!wheel.value().tickets.isEmpty());
    for (const QList<int>& ticket : wheel.value().tickets) {
        QCOMPARE(ticket.size(), 6);
        QVERIFY(ticket.contains(9) && ticket.contains(33));
        QVERIFY(std::all_of(ticket.begin(), ticket.end(), [&](int n) { return settings.pool.contains(n); }));
    }
    if (ticketBudget == 0)
        QVERIFY(wheel.value().proof.kept());
    else
        QVERIFY(wheel.value().tickets.size() <= ticketBudget);
}

void TestWheel::sameSeedSameTickets_data()
{
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("drawnInPool");
    QTest::addColumn<int>("ticketBudget");
    QTest::newRow("3 if 4, and the best 3 tickets") << 3 << 4 << 3;
    QTest::newRow("3 if 3, from orbits") << 3 << 3 << 0;
}

void TestWheel::sameSeedSameTickets()
{
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    QFETCH(int, ticketBudget);
    WheelSettings settings = settingsOf({1, 4, 7, 10, 13, 16, 19, 22, 25, 28}, matched, drawnInPool);
    settings.seed = 20261207;
    const Result<WheelResult> first = WheelMaker::make(settings);
    // Again with twice the time, while two threads keep both cores busy: the search counts swaps, not
    // seconds, so it walks the same way.
    std::atomic_bool burning = true;
    std::vector<std::jthread> burners;
    burners.reserve(2);
    for (int i = 0; i < 2; ++i) {
        burners.emplace_back([&burning] {
            volatile quint64 sink = 0;
            while (burning)
                sink = sink * 6364136223846793005u + 1;
        });
    }
    settings.seconds *= 2;
    const Result<WheelResult> second = WheelMaker::make(settings);
    burning = false;
    burners.clear();
    QVERIFY(first.ok() && second.ok());
    QVERIFY(!first.value().timedOut && !second.value().timedOut);
    QCOMPARE(first.value().tickets, second.value().tickets);
    if (ticketBudget > 0) {
        settings.ticketBudget = ticketBudget;
        QCOMPARE(WheelMaker::make(settings).value().tickets, WheelMaker::make(settings).value().tickets);
    }
}

void TestWheel::limitsKeptOnTheLargestPools_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("drawnInPool");
    QTest::addColumn<int>("maxTickets");
    QTest::newRow("30 numbers 4 if 6") << 30 << 4 << 6 << WheelSettings::kMaxTickets;
    QTest::newRow("30 numbers 4 if 5") << 30 << 4 << 5 << WheelSettings::kMaxTickets;
    QTest::newRow("25 numbers 4 if 4, agreed to more") << 25 << 4 << 4 << WheelSettings::kMostTickets;
    QTest::newRow("22 numbers 5 if 6") << 22 << 5 << 6 << WheelSettings::kMaxTickets;
    // The lower bound is allowed, but no search reaches it: the wheel found is refused, never given out.
    QTest::newRow("20 numbers 4 if 4, limit at the bound") << 20 << 4 << 4 << 344;
}

void TestWheel::limitsKeptOnTheLargestPools()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    QFETCH(int, maxTickets);
    WheelSettings settings = settingsOf(numbersFrom(1, pool), matched, drawnInPool);
    settings.seconds = 1;
    settings.maxTickets = maxTickets;
    // How closely the time is kept is measured by bench_wheel; a phase that ran on unchecked would stop this
    // test at its own time limit.
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    if (!wheel.ok()) {
        QVERIFY2(wheel.error().text.contains(QStringLiteral("上限の %1 口を超える").arg(maxTickets)),
                 qPrintable(wheel.error().text));
        return;
    }
    QVERIFY(wheel.value().tickets.size() <= maxTickets);
    QVERIFY(wheel.value().proof.kept());
    QVERIFY(wheel.value().timedOut);
}

void TestWheel::stoppedSearchGivesAWholeWheel_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("out of time") << false;
}

void TestWheel::stoppedSearchGivesAWholeWheel()
{
    QFETCH(bool, cancel);
    WheelSettings settings = settingsOf(numbersFrom(1, 20), 4, 4);
    settings.seconds = cancel ? 60 : 0.5;
    std::atomic_bool cancelled = false;
    QList<WheelProgress> reports;
    WheelControl control;
    control.cancel = &cancelled;
    control.progress = [&](const WheelProgress& progress) {
        reports.append(progress);
        cancelled = cancel;
    };
    const Result<WheelResult> wheel = WheelMaker::make(settings, control);
    QVERIFY(wheel.ok());
    QCOMPARE(wheel.value().cancelled, cancel);
    QCOMPARE(wheel.value().timedOut, !cancel);
    QVERIFY(wheel.value().proof.kept());
    QVERIFY(!reports.isEmpty());
    QCOMPARE(qsizetype(reports.last().tickets), wheel.value().tickets.size());
    QVERIFY(reports.last().elapsedSeconds < settings.seconds + 1);
}

void TestWheel::badSettingsRefused_data()
{
    QTest::addColumn<WheelSettings>("settings");
    QTest::addColumn<QString>("message");
    const QList<int> twelve = numbersFrom(1, 12);
    WheelSettings settings = settingsOf({1, 2, 3, 4, 5, 6, 7, 3}, 3, 3);
    QTest::newRow("duplicate") << settings << WheelText::numberRepeated(3).text;
    settings.pool = {1, 2, 3, 4, 5, 6, 44};
    QTest::newRow("out of range") << settings << WheelText::numberOutOfRange(44).text;
    settings.pool = {0, 2, 3, 4, 5, 6, 7};
    QTest::newRow("zero") << settings << WheelText::numberOutOfRange(0).text;
    settings.pool = {1, 2, 3, 4, 5, 6};
    QTest::newRow("fewer than seven") << settings << WheelText::poolSize(6).text;
    settings.pool = numbersFrom(1, 31);
    QTest::newRow("more than thirty") << settings << WheelText::poolSize(31).text;
    settings.pool = {1, 2, 3, 4, 5};
    settings.drawnInPool = 6;
    QTest::newRow("p beyond the pool") << settings << WheelText::guaranteeBeyondPool(6, 5).text;
    settings = settingsOf(twelve, 4, 3);
    QTest::newRow("t above p") << settings << WheelText::guaranteeOutOfRange(4, 3).text;
    settings = settingsOf(twelve, 1, 3);
    QTest::newRow("t below two") << settings << WheelText::guaranteeOutOfRange(1, 3).text;
    settings = settingsOf(twelve, 3, 7);
    QTest::newRow("p above six") << settings << WheelText::guaranteeOutOfRange(3, 7).text;
    settings = settingsOf(twelve, 3, 3);
    settings.fixed = {5, 13};
    QTest::newRow("fixed outside the pool") << settings << WheelText::fixedOutsidePool(13).text;
    settings.fixed = {1, 2, 3, 4, 5, 6};
    QTest::newRow("six fixed") << settings << WheelText::tooManyFixed(6).text;
    settings = settingsOf(twelve, 5, 5);
    settings.fixed = {1, 2};
    QTest::newRow("fixed leave no room") << settings << WheelText::fixedLeaveNoRoom(2, 5).text;
    settings = settingsOf(twelve, 3, 3);
    settings.ticketBudget = 1001;
    QTest::newRow("budget too large") << settings << WheelText::ticketBudgetOutOfRange(1001, 1000).text;
    settings = settingsOf(numbersFrom(1, 30), 5, 5);
    QTest::newRow("too many tickets needed") << settings << WheelText::wheelTooLarge(23755, 1000).text;
    settings.maxTickets = WheelSettings::kMostTickets;
    QTest::newRow("too many even when agreed")
        << settings << WheelText::wheelTooLarge(23755, WheelSettings::kMostTickets).text;
    settings.maxTickets = WheelSettings::kMostTickets + 1;
    QTest::newRow("limit beyond what a window shows")
        << settings << WheelText::ticketLimitOutOfRange(5001, WheelSettings::kMostTickets).text;
}

void TestWheel::badSettingsRefused()
{
    QFETCH(WheelSettings, settings);
    QFETCH(QString, message);
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    QVERIFY(!wheel.ok());
    QCOMPARE(wheel.error().text, message);
}

void TestWheel::knownAnswersReached_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("drawnInPool");
    QTest::addColumn<int>("known");
    QTest::addColumn<int>("bound");
    // A search that ends by itself has all the time it needs, so that a slow machine finds what a fast one
    // does; a construction gives its answer at once, and the search after it is cut short.
    QTest::addColumn<double>("seconds");
    constexpr double kToTheEnd = 250;
    QTest::newRow("12 numbers 3 if 3") << 12 << 3 << 3 << 15 << 14 << kToTheEnd;
    QTest::newRow("7 numbers 5 if 5") << 7 << 5 << 5 << 6 << 6 << kToTheEnd;
    QTest::newRow("8 numbers 5 if 5") << 8 << 5 << 5 << 12 << 12 << kToTheEnd;
    QTest::newRow("9 numbers 5 if 5") << 9 << 5 << 5 << 30 << 27 << kToTheEnd;
    QTest::newRow("9 numbers 4 if 6") << 9 << 4 << 6 << 3 << 2 << kToTheEnd;
    QTest::newRow("12 numbers 4 if 6") << 12 << 4 << 6 << 6 << 4 << kToTheEnd;
    QTest::newRow("12 numbers 3 if 5") << 12 << 3 << 5 << 2 << 2 << kToTheEnd;
    QTest::newRow("16 numbers 3 if 6") << 16 << 3 << 6 << 6 << 3 << 0.5;
    QTest::newRow("12 numbers 5 if 5, Steiner system") << 12 << 5 << 5 << 132 << 132 << 0.5;
    QTest::newRow("22 numbers 3 if 3, Steiner system") << 22 << 3 << 3 << 77 << 77 << 0.5;
    QTest::newRow("21 numbers 3 if 3, from the Steiner system") << 21 << 3 << 3 << 77 << 70 << 0.5;
    QTest::newRow("24 numbers 3 if 3, from the inversive plane") << 24 << 3 << 3 << 130 << 112 << 0.5;
    QTest::newRow("22 numbers 2 if 6, disjoint tickets") << 22 << 2 << 6 << 4 << 2 << 0.5;
}

void TestWheel::knownAnswersReached()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, drawnInPool);
    QFETCH(int, known);
    QFETCH(int, bound);
    QFETCH(double, seconds);
    // A pool away from 1 so that the numbers, not their places, are checked.
    WheelSettings settings = settingsOf(numbersFrom(20, pool), matched, drawnInPool);
    settings.seconds = seconds;
    const Result<WheelResult> wheel = WheelMaker::make(settings);
    QVERIFY(wheel.ok());
    QCOMPARE(wheel.value().lowerBound, bound);
    QVERIFY2(wheel.value().tickets.size() <= known, qPrintable(QString::number(wheel.value().tickets.size())));
    QVERIFY(wheel.value().proof.kept());
    QCOMPARE(wheel.value().proof.checked, binomial(pool, drawnInPool));
    QCOMPARE(std::accumulate(wheel.value().odds.bestHolds.begin(), wheel.value().odds.bestHolds.end(), qint64(0)),
             WheelOdds::kDraws);
}

void TestWheel::inversivePlaneHoldsEveryThreeOnce()
{
    const std::vector<quint32> circles = KnownDesigns::forGuarantee(26, 6, 3, 3);
    QCOMPARE(circles.size(), std::size_t(130));
    const auto lowest = [](quint32 mask) { return mask & (~mask + 1); };
    QHash<quint32, int> held;
    for (const quint32 circle : circles) {
        QCOMPARE(std::popcount(circle), 6);
        for (quint32 a = circle; a != 0; a &= a - 1) {
            for (quint32 b = a & (a - 1); b != 0; b &= b - 1) {
                for (quint32 c = b & (b - 1); c != 0; c &= c - 1)
                    ++held[lowest(a) | lowest(b) | lowest(c)];
            }
        }
    }
    QCOMPARE(held.size(), binomial(26, 3));
    QVERIFY(std::all_of(held.begin(), held.end(), [](int times) { return times == 1; }));
}

void TestWheel::orbitsMakeAProvenWheel_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("matched");
    QTest::addColumn<int>("modulus");
    QTest::addColumn<int>("multiplier");
    QTest::newRow("13 numbers 3 if 3, one cycle") << 13 << 3 << 13 << 1;
    QTest::newRow("14 numbers 4 if 4, a cycle of 13 and one number fixed") << 14 << 4 << 13 << 1;
    QTest::newRow("12 numbers 3 if 3, dihedral") << 12 << 3 << 12 << 11;
    QTest::newRow("16 numbers 3 if 3, x to 3x + b mod 13, three fixed") << 16 << 3 << 13 << 3;
}

// The tickets the orbit search gives keep the guarantee, the group maps them onto themselves, and the
// same seed gives them again.
void TestWheel::orbitsMakeAProvenWheel()
{
    QFETCH(int, pool);
    QFETCH(int, matched);
    QFETCH(int, modulus);
    QFETCH(int, multiplier);
    const CoverTargets targets = CoverTargets::forGuarantee(pool, 0, matched, matched);
    QVERIFY(OrbitSearch::fits(targets));
    const NumberGroup group(pool, modulus, multiplier);
    const auto search = [&] {
        const WheelControl control;
        SearchLimit limit(SearchLimit::Clock::time_point::max(), control);
        return OrbitSearch(targets, group, 20261208, limit).smallestCover(2 * WheelBound::schoenheim(pool, 6, matched));
    };
    const std::vector<quint32> masks = search();
    QVERIFY(!masks.empty());
    QCOMPARE(search(), masks);
    Tickets tickets;
    for (const quint32 mask : masks) {
        for (int g = 0; g < group.order(); ++g)
            QVERIFY(std::binary_search(masks.begin(), masks.end(), group.image(mask, g)));
        QList<int> ticket;
        for (int n = 0; n < pool; ++n) {
            if (mask & (quint32(1) << n))
                ticket.append(n + 1);
        }
        tickets.append(ticket);
    }
    QVERIFY(WheelProof::check(numbersFrom(1, pool), tickets, matched, matched).kept());
}

// The share of draws in which some of tickets different random tickets holds three or more, by a
// seeded simulation: the draw is 1 … 6, which by symmetry stands for any.
double simulatedAnyPrize(int tickets, int samples)
{
    std::mt19937 random(7);
    const auto below = [&random](int bound) { return int(random() % unsigned(bound)); };
    int won = 0;
    for (int sample = 0; sample < samples; ++sample) {
        QList<quint64> bought;
        while (bought.size() < tickets) {
            quint64 ticket = 0;
            while (std::popcount(ticket) < 6)
                ticket |= quint64(1) << below(43);
            if (!bought.contains(ticket))
                bought.append(ticket);
        }
        won += std::any_of(bought.begin(), bought.end(), [](quint64 t) { return std::popcount(t & 0x3f) >= 3; });
    }
    return double(won) / samples;
}

void TestWheel::randomTicketsBesideAWheel()
{
    // The 12-number 3-if-3 wheel of 15 tickets beside 15 random tickets.
    WheelSettings settings = settingsOf(numbersFrom(1, 12), 3, 3);
    settings.seconds = 250;
    const Result<WheelResult> made = WheelMaker::make(settings);
    QVERIFY(made.ok());
    const WheelResult& wheel = made.value();
    QCOMPARE(wheel.tickets.size(), 15);
    const RandomTicketOdds random = RandomTicketOdds::of(15);
    QCOMPARE(random.tickets, 15);
    for (int k = 0; k <= 6; ++k) {
        // Exactly n times one ticket's chance, and what the wheel's count over every draw gives.
        QCOMPARE(random.expectedTickets[std::size_t(k)], 15 * hitProbability(6, k));
        if (k >= 3)
            QVERIFY(qFuzzyCompare(random.expectedTickets[std::size_t(k)], wheel.odds.expectedTickets[std::size_t(k)]));
    }
    QVERIFY(WheelText::oddsProbability(wheel.odds.atLeastProbability(3)).startsWith(QStringLiteral("20.4 %")));
    QVERIFY(WheelText::oddsProbability(random.atLeastProbability(3)).startsWith(QStringLiteral("33.8 %")));
    QCOMPARE(random.atLeastProbability(0), 1.0);
    double best = 0;
    for (int k = 0; k <= 6; ++k)
        best += random.bestProbability(k);
    QVERIFY(qFuzzyCompare(best, 1.0));

    // The exact figure against a simulation, within four standard errors.
    constexpr int kSamples = 100000;
    const double simulated = simulatedAnyPrize(15, kSamples);
    const double p = random.atLeastProbability(3);
    QVERIFY2(std::abs(simulated - p) < 4 * std::sqrt(p * (1 - p) / kSamples),
             qPrintable(QStringLiteral("%1 against %2").arg(simulated).arg(p)));

    // One ticket is one ticket's chance, no ticket no chance, more tickets more chance.
    const RandomTicketOdds one = RandomTicketOdds::of(1);
    for (int k = 0; k <= 6; ++k) {
        double atLeast = 0;
        for (int held = k; held <= 6; ++held)
            atLeast += hitProbability(6, held);
        QVERIFY(qFuzzyCompare(1 + one.atLeastProbability(k), 1 + atLeast));
        QCOMPARE(RandomTicketOdds::of(0).atLeastProbability(k), 0.0);
    }
    QVERIFY(RandomTicketOdds::of(100).atLeastProbability(3) > random.atLeastProbability(3));
}

QTEST_GUILESS_MAIN(TestWheel)
#include "tst_wheel.moc"
