#include "core/predict/DataGodEngine.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/predict/DataGodWindow.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/DrawHistory.h"

namespace {

// AppearanceCount of one number. The flags are '0' and '1', whose low bits are the flags: eight
// are added at a time, at most 31 words to a sum so that no byte of it overflows.
int appearanceCount(const QByteArray& line)
{
    constexpr quint64 kLowBits = 0x0101010101010101u;
    const char* flags = line.constData();
    const qsizetype size = line.size();
    int count = 0;
    qsizetype at = 0;
    while (at + 8 <= size) {
        quint64 sums = 0;
        for (int words = 0; words < 31 && at + 8 <= size; ++words, at += 8) {
            quint64 word;
            std::memcpy(&word, flags + at, sizeof word);
            sums += word & kLowBits;
        }
        count += int(sums * kLowBits >> 56);
    }
    for (; at < size; ++at)
        count += flags[at] & 1;
    return count;
}

} // namespace

DataGodEngine::DataGodEngine(const DrawHistory& history, const DataGodSettings& settings)
    : m_predictionCount(settings.predictionCount), m_dataAmount(settings.dataAmount)
{
    Q_ASSERT(settings.isValid());
    FlagLines lines;
    for (int n = 1; n <= kNumberCount; ++n) {
        lines[n - 1] = history.readHitString(n);
        std::reverse(lines[n - 1].begin(), lines[n - 1].end());
    }
    // The gods receive priority and weight as one RequestCode and read them back from it.
    const int requestCode = settings.requestCode();
    const bool preferFrequent = requestCode < 200;
    const int candidateLimit = requestCode - (preferFrequent ? 100 : 200) + 14;
    // AppearanceCount over the whole history.
    NumberValues counts;
    for (int n = 0; n < kNumberCount; ++n)
        counts[n] = appearanceCount(lines[n]);
    for (std::unique_ptr<CandidateChooser>& chooser : m_choosers)
        chooser = std::make_unique<CandidateChooser>(counts, preferFrequent, candidateLimit, m_predictionCount);
    // The choosers read the scores in their value order.
    m_patterns = std::make_unique<const DataGodPatterns>(lines, m_choosers[0]->columns());
}

DataGodEngine::~DataGodEngine() = default;

NumberList DataGodEngine::godPrediction(int order, int a)
{
    NumberList numbers;
    for (quint64 named = namedNumbers(order, a); named; named &= named - 1)
        numbers.append(std::countr_zero(named));
    return numbers;
}

quint64 DataGodEngine::namedNumbers(int order, int a)
{
    Q_ASSERT(order >= kLowestOrder && order <= kHighestOrder);
    std::unique_ptr<DataGodWindow>& window = m_windows[order - kLowestOrder];
    if (!window)
        window = std::make_unique<DataGodWindow>(*m_patterns, order);
    window->moveTo(a - windowLength(m_dataAmount, a) + 1, a);
    return m_choosers[order - kLowestOrder]->choose(*window);
}

QByteArray DataGodEngine::godFile(int order)
{
    const int last = m_patterns->drawCount() + 1;
    const int recordLength = PredictionRecord::length(m_predictionCount);
    // Digits are written in place: a record of its own per draw would cost more than the gods.
    QByteArray file(qsizetype(std::max(0, last - kFirstPredictedDraw + 1)) * recordLength, Qt::Uninitialized);
    char* at = file.data();
    // Every field is one or two pairs of digits.
    static constexpr auto kPairs = [] {
        std::array<char, 200> pairs{};
        for (int i = 0; i < 100; ++i) {
            pairs[2 * std::size_t(i)] = char('0' + i / 10);
            pairs[2 * std::size_t(i) + 1] = char('0' + i % 10);
        }
        return pairs;
    }();
    const auto put = [&at](int pair) {
        std::memcpy(at, &kPairs[2 * std::size_t(pair)], 2);
        at += 2;
    };
    for (int draw = kFirstPredictedDraw; draw <= last; ++draw) {
        put(draw / 100);
        put(draw % 100);
        put(1);
        for (quint64 named = namedNumbers(order, draw - 1); named; named &= named - 1)
            put(std::countr_zero(named));
    }
    return file;
}

int DataGodEngine::windowLength(int dataAmount, int a)
{
    return dataAmount == DataGodSettings::kAllDraws || dataAmount > a ? a : dataAmount;
}
