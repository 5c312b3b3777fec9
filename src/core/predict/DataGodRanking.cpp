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

NumberList chosenCandidates(const NumberValues& scores, const NumberValues& values, int limit, int count)
{
    std::array<int, kNumberCount> keys;
    qsizetype size = 0;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (scores[n - 1] > 0)
            keys[size++] = scores[n - 1] << kTieBits | (kTieMask - n);
    }
    if (size > limit) {
        selectLargest(keys.data(), size, limit);
        size = limit;
    }
    // The re-ranking takes the second candidate ahead of the first unless the first ranks strictly
    // higher: their places swap before the values decide, and on equal values the earlier place wins.
    if (size >= 2) {
        std::swap(*std::max_element(keys.begin(), keys.begin() + size), keys[0]);
        std::swap(*std::max_element(keys.begin() + 1, keys.begin() + size), keys[1]);
    }
    std::array<qint64, kNumberCount> ranked;
    for (qsizetype i = 0; i < size; ++i) {
        const int n = kTieMask - (keys[i] & kTieMask);
        const int place = i < 2 && size >= 2 ? keys[1 - i] : keys[i];
        // value, place and number in one key: a place fits 8 + 14 + 6 bits.
        ranked[i] = qint64(values[n - 1]) << 40 | qint64(place) << kTieBits | n;
    }
    if (size > count) {
        selectLargest(ranked.data(), size, count);
        size = count;
    }
    NumberList chosen;
    for (qsizetype i = 0; i < size; ++i)
        chosen.append(int(ranked[i] & kTieMask));
    return chosen;
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
