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

void rerank(NumberList& numbers, const NumberValues& appearanceCounts, bool preferFrequent)
{
    if (numbers.size() < 2)
        return;
    // Counts are at most the number of draws; rare numbers rank by the complement.
    const auto value = [&appearanceCounts, preferFrequent](int n) {
        return preferFrequent ? appearanceCounts[n - 1] : kMaxDraws - appearanceCounts[n - 1];
    };
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
    std::sort(slots.begin(), slots.end());
    return slots;
}

} // namespace DataGodRanking
