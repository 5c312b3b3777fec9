#include "gui/predict/DataGodText.h"

namespace DataGodText {
namespace {

const QString kMessageCaption = QStringLiteral("データ神より");

UserMessage chooseMessage(const QString& what)
{
    const QString request =
        QStringLiteral("をラジオボタンで選択してから、もう一度 [データ神の予想結果の表示]ボタン を押してください");
    return {kMessageCaption, what + request};
}

} // namespace

QString settingsTitle()
{
    return QStringLiteral("予想に必要な要素を設定します。");
}

QString countGroup()
{
    return QStringLiteral("データ神の予想個数");
}

QString amountGroup()
{
    return QStringLiteral("予想作成のためのデータ数");
}

QString priorityGroup()
{
    return QStringLiteral("出現回数の考慮");
}

QString predictingGroup()
{
    return QStringLiteral("予想中");
}

QString weightLabel()
{
    return QStringLiteral("重み設定");
}

QString preferFrequent()
{
    return QStringLiteral("多い数字を優先");
}

QString preferRare()
{
    return QStringLiteral("少ない数字を優先");
}

QString showPredicting()
{
    return QStringLiteral("表示する");
}

QString hidePredicting()
{
    return QStringLiteral("表示しない");
}

QString showResultsButton()
{
    return QStringLiteral("神 様 の 予 想 結 果 の 表 示");
}

UserMessage chooseCount()
{
    return chooseMessage(QStringLiteral("予想個数"));
}

UserMessage chooseAmount()
{
    return chooseMessage(QStringLiteral("予想作成のためのデータ数"));
}

UserMessage choosePriority()
{
    return chooseMessage(QStringLiteral("出現数考慮"));
}

UserMessage choosePredicting()
{
    return chooseMessage(QStringLiteral("予想中表示をするかどうか"));
}

QString predictingBanner()
{
    return QStringLiteral("データ神が予想を作成しています");
}

QString predictingCancel()
{
    return QStringLiteral("ｷｬﾝｾﾙ");
}

QString resultsTitle(int predictionCount, int weight, const QString& amountText)
{
    return QStringLiteral("＊＊ ヌルガタ ＊＊        （ データ神の予想数は ") + QString::number(predictionCount)
           + QStringLiteral("個、出現数考慮は ") + QString::number(weight)
           + QStringLiteral("、予想作成のためのデータ数は ") + amountText + QStringLiteral(" です。）      ");
}

} // namespace DataGodText
