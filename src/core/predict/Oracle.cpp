#include "core/predict/Oracle.h"

#include <algorithm>

#include "core/predict/ClassicRandom.h"
#include "core/store/HistoryFormat.h"
#include "core/text/OracleText.h"

std::uint32_t Oracle::dateSeed(const QDate& today)
{
    return std::uint32_t((today.year() % 100) * 10000 + today.month() * 100 + today.day());
}

std::uint32_t Oracle::momentSeed(const QDateTime& now)
{
    return std::uint32_t(now.toSecsSinceEpoch());
}

std::uint32_t Oracle::birthdaySeed(const QDate& today, int month, int day)
{
    return dateSeed(today) + std::uint32_t(month * 100 + day);
}

Result<std::uint32_t> Oracle::colourSeed(const QDate& today, int colour)
{
    if (colour < 1 || colour > kColourCount)
        return OracleText::noColourChosen();
    return dateSeed(today) + std::uint32_t(colour);
}

std::uint32_t Oracle::numberSeed(const QDate& today, int luckyNumber)
{
    return dateSeed(today) + std::uint32_t(luckyNumber);
}

QList<int> Oracle::answer(std::uint32_t seed)
{
    ClassicRandom random(seed);
    QList<int> numbers;
    do {
        numbers.clear();
        for (int i = 0; i < kAnswerSize; ++i)
            numbers.append((random.next() * kNumberCount) / (ClassicRandom::kMax + 1) + 1);
        std::sort(numbers.begin(), numbers.end());
    } while (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end());
    return numbers;
}
