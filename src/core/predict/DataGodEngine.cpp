#include "predict/DataGodEngine.h"

#include <algorithm>

#include "app/AppearanceCounts.h"
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
    m_preferFrequent = requestCode < 200;
    m_candidateLimit = requestCode - (m_preferFrequent ? 100 : 200) + 14;
    const auto counts = appearanceCounts(history, 0);
    std::copy(counts.begin(), counts.end(), m_appearanceCounts.begin());
    m_appearanceRanking = DataGodRanking::appearanceRanking(m_appearanceCounts, m_preferFrequent);
    m_rankValues = DataGodRanking::rankValues(m_appearanceCounts, m_preferFrequent);
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
    for (int n = 1; n <= kNumberCount; ++n)
        scores[n - 1] = window->score(n);
    const NumberList chosen = DataGodRanking::chosenCandidates(scores, m_rankValues, m_candidateLimit, m_predictionCount);
    return DataGodRanking::fillSlots(chosen, m_appearanceRanking, m_predictionCount);
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
