#include "predict/DataGodEngine.h"

#include <algorithm>

#include "predict/DataGodWindow.h"
#include "predict/PredictionRecord.h"
#include "store/DrawHistory.h"

DataGodEngine::DataGodEngine(const DrawHistory& history, const DataGodSettings& settings)
    : m_predictionCount(settings.predictionCount), m_dataAmount(settings.dataAmount)
{
    Q_ASSERT(settings.isValid());
    for (int n = 1; n <= kNumberCount; ++n) {
        QByteArray line = history.readHitString(n);
        std::reverse(line.begin(), line.end());
        m_lines[n - 1] = line;
    }
    // The gods receive priority and weight as one RequestCode and read them back from it.
    const int requestCode = settings.requestCode();
    const bool preferFrequent = requestCode < 200;
    const int candidateLimit = requestCode - (preferFrequent ? 100 : 200) + 14;
    // AppearanceCount over the whole history.
    NumberValues counts;
    for (int n = 0; n < kNumberCount; ++n)
        counts[n] = int(m_lines[n].count('1'));
    m_chooser = std::make_unique<CandidateChooser>(counts, preferFrequent, candidateLimit, m_predictionCount);
}

DataGodEngine::~DataGodEngine() = default;

NumberList DataGodEngine::godPrediction(int order, int a)
{
    Q_ASSERT(order >= kLowestOrder && order <= kHighestOrder);
    std::unique_ptr<DataGodWindow>& window = m_windows[order - kLowestOrder];
    if (!window)
        window = std::make_unique<DataGodWindow>(m_lines, order);
    window->moveTo(a - windowLength(m_dataAmount, a) + 1, a);

    NumberValues scores;
    window->scores(scores);
    return m_chooser->choose(scores);
}

QByteArray DataGodEngine::godFile(int order)
{
    const int last = int(m_lines[0].size()) + 1;
    const int recordLength = PredictionRecord::length(m_predictionCount);
    // Digits are written in place: a record of its own per draw would cost more than the gods.
    QByteArray file(std::max(0, last - kFirstPredictedDraw + 1) * recordLength, '0');
    char* at = file.data();
    const auto put = [&at](int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            at[i] = char('0' + value % 10);
        at += width;
    };
    for (int draw = kFirstPredictedDraw; draw <= last; ++draw) {
        put(draw, 4);
        put(1, 2);
        for (const int n : godPrediction(order, draw - 1))
            put(n, 2);
    }
    return file;
}

int DataGodEngine::windowLength(int dataAmount, int a)
{
    return dataAmount == DataGodSettings::kAllDraws || dataAmount > a ? a : dataAmount;
}
