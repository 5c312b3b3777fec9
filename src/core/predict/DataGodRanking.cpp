#include "core/predict/DataGodRanking.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>
#include <type_traits>

#include "core/predict/DataGodWindow.h"
#include "core/predict/PredictionRecord.h"
#include "core/wheel/BitCount.h"

namespace DataGodRanking {

namespace {

// Orders are sorted as single integers, a value in the high bits and a tie-break in the low six,
// which keeps the hundreds of small sorts of a computation cheap.
constexpr int kTieBits = 6;
constexpr int kTieMask = (1 << kTieBits) - 1;
// A score is at most a count of draws times 2^8 patterns.
static_assert((qint64(kMaxReadDraws) << (8 + kTieBits)) < std::numeric_limits<int>::max());

// Insertion sort: the lists are at most 43 long.
void sortDescending(int* keys, qsizetype size)
{
    for (qsizetype i = 1; i < size; ++i) {
        const int key = keys[i];
        qsizetype j = i;
        for (; j > 0 && keys[j - 1] < key; --j)
            keys[j] = keys[j - 1];
        keys[j] = key;
    }
}

} // namespace

namespace {

// Keys a register of an AVX2 processor holds at once, or two of any other x86-64 (GCC and Clang vectors).
using ShortLanes = std::int16_t __attribute__((vector_size(32)));
using IntLanes = int __attribute__((vector_size(32)));
// The keys of the 43 numbers and a padding, in whole registers of either width.
constexpr std::size_t kLaneCount = 48;
using WideKeys = std::array<int, kLaneCount>;

// Keys are distinct, as the tie-break is the number, and equal scores keep the lower number ahead: it
// gets the larger tie-break. A key's place is the number of larger keys. Each key in turn adds one to
// the places of all smaller keys at once, in a fixed row of lanes that the compiler does a register at
// a time without a branch, which costs less than sorting. Keys are 16 bits wide when the scores allow,
// which halves the work. wideKeys: by number, index 0 for 1, negative for a score of 0 and the padding.
template <typename Lanes>
[[gnu::always_inline]] inline void placesByKeys(const WideKeys& wideKeys, std::uint8_t* byPlace)
{
    using Key = std::remove_cvref_t<decltype(Lanes{}[0])>;
    constexpr std::size_t kRegisters = kLaneCount * sizeof(Key) / sizeof(Lanes);
    constexpr int kLowest = std::numeric_limits<Key>::min();
    // 16-bit keys are shifted down to start at the lowest value, which is left to the scores of 0.
    constexpr int kOffset = sizeof(Key) < sizeof(int) ? kLowest : 0;
    std::array<Key, kLaneCount> keys;
    for (std::size_t i = 0; i < kLaneCount; ++i)
        keys[i] = wideKeys[i] < 0 ? Key(kLowest) : Key(wideKeys[i] + kOffset);
    std::array<Lanes, kRegisters> keyLanes;
    std::memcpy(keyLanes.data(), keys.data(), sizeof(keyLanes));
    std::array<Lanes, kRegisters> placeLanes{};
    for (std::size_t j = 0; j < kNumberCount; ++j) {
        const Lanes key = Lanes{} + keys[j];
#pragma GCC unroll 12
        for (std::size_t r = 0; r < kRegisters; ++r)
            placeLanes[r] -= key > keyLanes[r]; // a true lane is -1
    }
    std::array<Key, kLaneCount> places;
    std::memcpy(places.data(), placeLanes.data(), sizeof(places));
    // Written whatever the place, which spares a branch that the places past the limit mispredict; the
    // numbers that score 0 all go to the place after the positive ones.
    for (std::size_t i = 0; i < kNumberCount; ++i)
        byPlace[places[i]] = std::uint8_t(i + 1);
}

} // namespace

// The ranking runs for every god and draw of a backtest: built for AVX2 too, it takes the wider
// registers where the processor has them.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
int candidatePlaces(const NumberValues& scores, int limit, std::uint8_t* byPlace)
{
    // The keys are made a register at a time too, and without a branch: one on the sign of the
    // scores mispredicts often. A score of 0 gets the key -1.
    constexpr std::size_t kRegisters = kLaneCount * sizeof(int) / sizeof(IntLanes);
    constexpr int kWidth = int(sizeof(IntLanes) / sizeof(int));
    std::array<IntLanes, kRegisters> lanes{};
    std::memcpy(lanes.data(), scores.data(), sizeof(scores));
    IntLanes positive{};
    IntLanes highest{};
    for (std::size_t r = 0; r < kRegisters; ++r) {
        IntLanes tieBreaks;
        for (int i = 0; i < kWidth; ++i)
            tieBreaks[i] = kTieMask - 1 - int(r) * kWidth - i;
        const IntLanes scored = lanes[r] > 0; // -1 where positive
        positive -= scored;
        highest = highest > lanes[r] ? highest : lanes[r];
        lanes[r] = (lanes[r] << kTieBits | tieBreaks) | ~scored;
    }
    WideKeys keys;
    std::memcpy(keys.data(), lanes.data(), sizeof(keys));
    int positiveCount = 0;
    int highestScore = 0;
    for (int i = 0; i < kWidth; ++i) {
        positiveCount += positive[i];
        highestScore = std::max(highestScore, highest[i]);
    }
    if (highestScore < 1 << (16 - kTieBits))
        placesByKeys<ShortLanes>(keys, byPlace);
    else
        placesByKeys<IntLanes>(keys, byPlace);
    return std::min(positiveCount, limit);
}

NumberList candidateList(const NumberValues& scores, int limit)
{
    std::array<std::uint8_t, kNumberCount> byPlace;
    NumberList list(candidatePlaces(scores, limit, byPlace.data()));
    std::copy(byPlace.begin(), byPlace.begin() + list.size(), list.begin());
    return list;
}

NumberValues rankValues(const NumberValues& appearanceCounts, bool preferFrequent)
{
    // Counts are at most the number of draws; rare numbers rank by the complement.
    NumberValues values = appearanceCounts;
    if (!preferFrequent) {
        for (int& value : values)
            value = kMaxReadDraws - value;
    }
    return values;
}

void rerank(NumberList& numbers, const NumberValues& appearanceCounts, bool preferFrequent)
{
    if (numbers.size() < 2)
        return;
    const NumberValues values = rankValues(appearanceCounts, preferFrequent);
    const auto value = [&values](int n) { return values[n - 1]; };
    if (value(numbers[0]) <= value(numbers[1]))
        std::swap(numbers[0], numbers[1]);
    // Equal values keep the earlier place ahead: it gets the larger tie-break.
    QVarLengthArray<int, kNumberCount> keys;
    for (qsizetype i = 0; i < numbers.size(); ++i)
        keys.append(value(numbers[i]) << kTieBits | (kTieMask - int(i)));
    sortDescending(keys.data(), keys.size());
    const NumberList placed = numbers;
    for (qsizetype i = 0; i < keys.size(); ++i)
        numbers[i] = placed[kTieMask - (keys[i] & kTieMask)];
}

NumberList appearanceRanking(const NumberValues& appearanceCounts, bool preferFrequent)
{
    NumberList ranking;
    for (int n = 1; n <= kNumberCount; ++n)
        ranking.append(n);
    rerank(ranking, appearanceCounts, preferFrequent);
    return ranking;
}

NumberList fillSlots(const NumberList& candidates, const NumberList& ranking, int count)
{
    NumberList slots;
    std::array<bool, kNumberCount + 1> named{};
    for (qsizetype i = 0; i < candidates.size() && slots.size() < count; ++i) {
        slots.append(candidates[i]);
        named[candidates[i]] = true;
    }
    qsizetype scan = 0;
    while (slots.size() < count) {
        while (scan < ranking.size() && named[ranking[scan]])
            ++scan;
        if (scan < ranking.size()) {
            slots.append(ranking[scan]);
            named[ranking[scan++]] = true;
        } else {
            slots.append(PredictionRecord::kEmptySlot);
        }
    }
    // Ascending by the marks of the numbers named, empty slots last.
    NumberList sorted;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (named[n])
            sorted.append(n);
    }
    while (sorted.size() < slots.size())
        sorted.append(PredictionRecord::kEmptySlot);
    return sorted;
}

} // namespace DataGodRanking

CandidateChooser::CandidateChooser(const NumberValues& appearanceCounts, bool preferFrequent, int limit, int count)
    : m_values(DataGodRanking::rankValues(appearanceCounts, preferFrequent)),
      m_ranking(DataGodRanking::appearanceRanking(appearanceCounts, preferFrequent)), m_limit(limit), m_count(count),
      m_cut(DataGodRanking::kTieMask + 1)
{
    for (int n = 1; n <= kNumberCount; ++n)
        m_byValue[std::size_t(n - 1)] = n;
    std::stable_sort(m_byValue.begin(), m_byValue.end(),
                     [this](int a, int b) { return m_values[a - 1] > m_values[b - 1]; });
    for (int start = 0, i = 0; i < kNumberCount; ++i) {
        if (i > 0 && m_values[m_byValue[i] - 1] != m_values[m_byValue[i - 1] - 1])
            start = i;
        m_groupStart[std::size_t(i)] = start;
        m_tieAt[std::size_t(i)] = DataGodRanking::kTieMask - m_byValue[std::size_t(i)];
        m_placeOf[std::size_t(m_byValue[std::size_t(i)])] = i;
    }
    for (int end = kNumberCount, i = kNumberCount - 1; i >= 0; --i) {
        if (i + 1 < kNumberCount && m_groupStart[std::size_t(i) + 1] == i + 1)
            end = i + 1;
        m_groupEnd[std::size_t(i)] = end;
    }
}

quint64 CandidateChooser::choose(const DataGodWindow& window)
{
    using namespace DataGodRanking;
    // Score keys as in candidateList, by place in the value order; a candidate's key is positive
    // and among the limit largest. The scores are read here, in the one pass over all numbers, which
    // the window keeps in this order.
    Keys keyAt;
    Places above = 0; // keys at or above the last cut, all positive as the cut is
    const int cut = m_cut;
    // Unrolled: the loop would cost a fifth of the pass.
#pragma GCC unroll 43
    for (int i = 0; i < kNumberCount; ++i) {
        const int key = window.score(i + 1) << kTieBits | m_tieAt[std::size_t(i)];
        keyAt[std::size_t(i)] = key;
        above |= Places(key >= cut) << i;
    }
    const Places candidates = candidatesFrom(above, keyAt);

    Places chosen = candidates;
    if (bitCount(candidates) > m_count) {
        Places rest = candidates;
        for (int i = 1; i < m_count; ++i)
            rest &= rest - 1;
        // Everything before the group of the count-th candidate is named; equal values go by their
        // place in the re-ranking, which only the group at the cut needs.
        const int last = std::countr_zero(rest);
        const Places before = candidates & placesBelow(m_groupStart[std::size_t(last)]);
        const Places group = candidates & placesBelow(m_groupEnd[std::size_t(last)]) & ~before;
        const int needed = m_count - bitCount(before);
        chosen = before | (bitCount(group) == needed ? group : earliestInRanking(group, needed, keyAt));
    }
    quint64 numbers = 0;
    for (; chosen; chosen &= chosen - 1)
        numbers |= quint64(1) << m_byValue[std::size_t(std::countr_zero(chosen))];
    if (bitCount(numbers) == m_count)
        return numbers;
    // Fewer candidates than slots: the ranking fills the rest.
    NumberList named;
    for (; numbers; numbers &= numbers - 1)
        named.append(std::countr_zero(numbers));
    for (const int n : fillSlots(named, m_ranking, m_count))
        numbers |= quint64(1) << n;
    return numbers;
}

CandidateChooser::Places CandidateChooser::candidatesFrom(Places above, const Keys& keyAt)
{
    // The cut moves little from one draw to the next: the keys above the last one miss or exceed the
    // limit by a few, which one pass over one side finds. The cut stays between the candidates and the rest.
    const int missing = m_limit - bitCount(above);
    if (missing == 0)
        return above;
    std::array<int, kNumberCount> crossed;
    Places candidates = above;
    if (missing < 0) {
        const int size =
            bestKeys(above, keyAt, -missing, crossed.data(), std::numeric_limits<int>::max(), std::less<int>());
        for (int i = 0; i < size; ++i)
            candidates &= ~placeOf(crossed[std::size_t(i)]);
        m_cut = crossed[std::size_t(size - 1)] + 1;
        return candidates;
    }
    // Only positive keys can be candidates.
    const int size = bestKeys(placesBelow(kNumberCount) & ~above, keyAt, missing, crossed.data(),
                              DataGodRanking::kTieMask, std::greater<int>());
    for (int i = 0; i < size; ++i)
        candidates |= placeOf(crossed[std::size_t(i)]);
    // Fewer positive keys than the limit: all of them are candidates.
    m_cut = size == missing ? crossed[std::size_t(size - 1)] : DataGodRanking::kTieMask + 1;
    return candidates;
}

template <typename Better>
int CandidateChooser::bestKeys(Places places, const Keys& keyAt, int wanted, int* best, int bar, Better better)
{
    // Kept in order, best first; once wanted are kept, the last of them is the bar. Most keys do not
    // beat it and cost one comparison.
    int size = 0;
    for (; places; places &= places - 1) {
        const int key = keyAt[std::size_t(std::countr_zero(places))];
        if (!better(key, bar))
            continue;
        int at = size < wanted ? size++ : size - 1;
        for (; at > 0 && better(key, best[at - 1]); --at)
            best[at] = best[at - 1];
        best[at] = key;
        if (size == wanted)
            bar = best[size - 1];
    }
    return size;
}

CandidateChooser::Places CandidateChooser::placeOf(int key) const
{
    return Places(1) << m_placeOf[std::size_t(DataGodRanking::kTieMask - (key & DataGodRanking::kTieMask))];
}

CandidateChooser::Places CandidateChooser::earliestInRanking(Places group, int needed, const Keys& keyAt)
{
    std::array<int, kNumberCount> places;
    int size = 0;
    for (; group; group &= group - 1)
        places[std::size_t(size++)] = std::countr_zero(group);
    // The re-ranking's first two change places before the values decide (see rerank), which only
    // matters when the group holds one of the two best keys.
    const auto amongBestTwo = [&keyAt](int key) {
        int higher = 0;
        for (const int other : keyAt) {
            if (other > key && ++higher == 2)
                return false;
        }
        return true;
    };
    int best = 0;
    int second = 0;
    if (std::any_of(places.begin(), places.begin() + size,
                    [&](int place) { return amongBestTwo(keyAt[std::size_t(place)]); })) {
        for (const int key : keyAt) {
            second = std::max(second, std::min(key, best));
            best = std::max(best, key);
        }
    }
    const auto rank = [best, second](int key) { return key == best ? second : key == second ? best : key; };
    std::sort(places.begin(), places.begin() + size,
              [&](int a, int b) { return rank(keyAt[std::size_t(a)]) > rank(keyAt[std::size_t(b)]); });
    Places earliest = 0;
    for (int i = 0; i < needed; ++i)
        earliest |= Places(1) << places[std::size_t(i)];
    return earliest;
}
