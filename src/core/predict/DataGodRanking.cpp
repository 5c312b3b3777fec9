#include "predict/DataGodRanking.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "predict/PredictionRecord.h"

namespace DataGodRanking {

namespace {

// Orders are sorted as single integers, a value in the high bits and a tie-break in the low six,
// which keeps the hundreds of small sorts of a computation cheap.
constexpr int kTieBits = 6;
constexpr int kTieMask = (1 << kTieBits) - 1;
// A score is at most a count of draws times 2^8 patterns.
static_assert((qint64(kMaxDraws) << (8 + kTieBits)) < std::numeric_limits<int>::max());

// Insertion sort: the lists are at most 43 long.
void sortDescending(QVarLengthArray<int, kNumberCount>& keys)
{
    for (qsizetype i = 1; i < keys.size(); ++i) {
        const int key = keys[i];
        qsizetype j = i;
        for (; j > 0 && keys[j - 1] < key; --j)
            keys[j] = keys[j - 1];
        keys[j] = key;
    }
}

// Moves the k largest to the front, in no order: a plain quickselect, cheaper than
// std::nth_element on lists this short.
template <typename Key>
void selectLargest(Key* keys, qsizetype size, qsizetype k)
{
    qsizetype low = 0;
    qsizetype high = size - 1;
    while (low < high) {
        const Key pivot = keys[(low + high) / 2];
        qsizetype i = low;
        qsizetype j = high;
        while (i <= j) {
            while (keys[i] > pivot)
                ++i;
            while (keys[j] < pivot)
                --j;
            if (i <= j)
                std::swap(keys[i++], keys[j--]);
        }
        if (k - 1 <= j)
            high = j;
        else if (k - 1 >= i)
            low = i;
        else
            return;
    }
}

} // namespace

NumberList candidateList(const NumberValues& scores, int limit)
{
    // Kept sorted while filling, cut at the limit. Equal scores keep the lower number ahead: it
    // gets the larger tie-break.
    QVarLengthArray<int, kNumberCount> keys;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (scores[n - 1] <= 0)
            continue;
        const int key = scores[n - 1] << kTieBits | (kTieMask - n);
        if (keys.size() == limit) {
            if (limit == 0 || keys.back() > key)
                continue;
            keys.removeLast();
        }
        keys.append(key);
        for (qsizetype j = keys.size() - 1; j > 0 && keys[j - 1] < key; --j)
            std::swap(keys[j], keys[j - 1]);
    }
    NumberList list;
    for (const int key : keys)
        list.append(kTieMask - (key & kTieMask));
    return list;
}

NumberValues rankValues(const NumberValues& appearanceCounts, bool preferFrequent)
{
    // Counts are at most the number of draws; rare numbers rank by the complement.
    NumberValues values = appearanceCounts;
    if (!preferFrequent) {
        for (int& value : values)
            value = kMaxDraws - value;
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
    sortDescending(keys);
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
      m_ranking(DataGodRanking::appearanceRanking(appearanceCounts, preferFrequent)),
      m_limit(limit),
      m_count(count)
{
    for (int n = 1; n <= kNumberCount; ++n)
        m_byValue[std::size_t(n - 1)] = n;
    std::stable_sort(m_byValue.begin(), m_byValue.end(),
                     [this](int a, int b) { return m_values[a - 1] > m_values[b - 1]; });
    for (int end = kNumberCount, i = kNumberCount - 1; i >= 0; --i) {
        if (i + 1 < kNumberCount && m_values[m_byValue[i] - 1] != m_values[m_byValue[i + 1] - 1])
            end = i + 1;
        m_groupEnd[std::size_t(i)] = end;
    }
}

NumberList CandidateChooser::choose(const NumberValues& scores) const
{
    using namespace DataGodRanking;
    // Score keys as in candidateList; a number is a candidate when its key reaches the limit-th largest.
    std::array<int, kNumberCount + 1> keyOf{};
    std::array<int, kNumberCount> positive;
    qsizetype candidates = 0;
    int best = 0;
    int second = 0;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (scores[n - 1] <= 0)
            continue;
        const int key = scores[n - 1] << kTieBits | (kTieMask - n);
        keyOf[n] = key;
        positive[candidates++] = key;
        if (key > best) {
            second = best;
            best = key;
        } else if (key > second) {
            second = key;
        }
    }
    int threshold = 1;
    if (candidates > m_limit) {
        selectLargest(positive.data(), candidates, m_limit);
        threshold = *std::min_element(positive.begin(), positive.begin() + m_limit);
        candidates = m_limit;
    }
    // The re-ranking's first two change places before the values decide (see rerank).
    const auto place = [&keyOf, best, second](int n) {
        return keyOf[n] == best ? second : keyOf[n] == second ? best : keyOf[n];
    };

    std::array<bool, kNumberCount + 1> taken{};
    int count = 0;
    for (int i = 0; i < kNumberCount && count < m_count && count < candidates;) {
        const int end = m_groupEnd[std::size_t(i)];
        QVarLengthArray<int, kNumberCount> group;
        for (; i < end; ++i) {
            if (keyOf[m_byValue[std::size_t(i)]] >= threshold)
                group.append(m_byValue[std::size_t(i)]);
        }
        // Equal values go by their place, earlier first; only the group at the cut needs it.
        if (count + group.size() > m_count)
            std::sort(group.begin(), group.end(), [&place](int a, int b) { return place(a) > place(b); });
        for (qsizetype g = 0; g < group.size() && count < m_count; ++g, ++count)
            taken[group[g]] = true;
    }
    if (count < m_count) {
        NumberList chosen;
        for (int n = 1; n <= kNumberCount; ++n) {
            if (taken[n])
                chosen.append(n);
        }
        return fillSlots(chosen, m_ranking, m_count);
    }
    NumberList slots;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (taken[n])
            slots.append(n);
    }
    return slots;
}
