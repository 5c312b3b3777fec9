#include "core/text/ChanceText.h"

#include "core/chance/ChanceBand.h"
#include "core/chance/DrawUniformity.h"
#include "core/predict/HitChance.h"

namespace ChanceText {
namespace {

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString pText(double p)
{
    return p < 0.001 ? QStringLiteral("p < 0.001") : QStringLiteral("p = ") + fixed(p, 3);
}

} // namespace

QString heading()
{
    return QStringLiteral("偶然なら");
}

QString averageBand(const ChanceBand& band)
{
    return fixed(band.mean, 2) + QStringLiteral("±") + fixed(band.high - band.mean, 2);
}

QString countBand(const ChanceBand& band)
{
    return QStringLiteral("%1 (%2〜%3)").arg(fixed(band.mean, 1), fixed(band.low, 0), fixed(band.high, 0));
}

QString hitChanceLine(const HitChance& chance)
{
    QString line = heading() + QStringLiteral(" 平均 ") + averageBand(chance.average());
    for (int hits = 6; hits >= 3; --hits)
        line += QStringLiteral(" %1個 ").arg(hits) + countBand(chance.records(hits));
    return line;
}

QString hitChanceNote()
{
    return QStringLiteral("「偶然なら」は、でたらめに選んだ数字でも出る平均と、95 % がおさまる範囲です。");
}

QString lookAheadNote()
{
    return QStringLiteral("※ データ神の予想は、その回より後の抽選まで数えた出現数から作っています（先読み）。"
                          "この的中数は実際に使ったときより良く出ます。");
}

QString appearanceBand(const ChanceBand& band, int partner)
{
    const QString range = QStringLiteral("95 % は %1〜%2 回").arg(fixed(band.low, 0), fixed(band.high, 0));
    if (partner > 0)
        return QStringLiteral("偶然なら、%1 と一緒に出る回数はどの数字も平均 %2 回、%3（帯）。")
            .arg(QString::number(partner), fixed(band.mean, 1), range);
    return QStringLiteral("偶然なら、どの数字も平均 %1 回、%2（帯）。").arg(fixed(band.mean, 1), range);
}

QString uniformity(const DrawUniformity& uniformity)
{
    const QString verdict = uniformity.withinChance() ? QStringLiteral("どちらも偶然の範囲です。")
                                                      : QStringLiteral("偶然の範囲を外れています。");
    return QStringLiteral("出方のかたより χ²(42) = %1, %2、前回と同じ数字 %3 個（偶然なら %4 個）, %5：")
               .arg(fixed(uniformity.chiSquare, 1), pText(uniformity.chiSquareP), QString::number(uniformity.repeats),
                    fixed(uniformity.repeatsExpected, 1), pText(uniformity.repeatsP))
           + verdict;
}

QString unpredictable()
{
    return QStringLiteral("抽選にかたよりがなければ、どんな設定でも次の数字は当てられません。");
}

QString equallyLikely()
{
    return QStringLiteral("どの 6 個の組み合わせも出やすさは同じです。平均や σ 値で当たりやすさは変わりません。");
}

} // namespace ChanceText
