#include "core/predict/PredictValueText.h"

#include <QStringList>

#include "core/predict/DataGodSettings.h"
#include "core/predict/HitStatistics.h"
#include "core/predict/PredictionRecord.h"
#include "core/text/PredictText.h"

namespace PredictText {

QString dataAmount(int amount)
{
    return amount == DataGodSettings::kAllDraws ? QStringLiteral("全部") : QString::number(amount);
}

QString computeStatus(const DataGodSettings& settings)
{
    return QStringLiteral("＊ ヌルガタ ＊  データ神の予想数は ") + QString::number(settings.predictionCount)
           + QStringLiteral("個、出現数考慮は ") + QString::number(settings.appearanceWeight)
           + (settings.preferFrequent ? QStringLiteral(" で <多い数字優先>、")
                                      : QStringLiteral(" で <少ない数字優先>、"))
           + QStringLiteral("作成のためのデータ数は ") + dataAmount(settings.dataAmount) + QStringLiteral(" です。　");
}

QString latestPopupText(int slot, const PredictionRecord& record)
{
    return latestPopupText(dataGods()[slot - 1].caption, record);
}

QString latestPopupText(const QString& owner, const PredictionRecord& record)
{
    QStringList numbers;
    for (const int n : record.numbers)
        numbers.append(n == PredictionRecord::kEmptySlot ? QStringLiteral("--") : QString::number(n));
    return QStringLiteral("< ") + owner + QStringLiteral("の第 ") + QString::number(record.draw)
           + QStringLiteral(" 回の抽選に対する予想 >\n\n") + numbers.join(QStringLiteral(".  "));
}

QString hitAverage(const HitStatistics& statistics)
{
    const QString prefix = QStringLiteral("≪的中数の平均≫");
    if (!statistics.hasData())
        return prefix + QStringLiteral("xx.xx");
    const int tenths = statistics.averageTenths();
    return prefix + QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10)
           + QStringLiteral("個");
}

} // namespace PredictText
