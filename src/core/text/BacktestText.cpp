#include "text/BacktestText.h"

#include <QLocale>

namespace BacktestText {

QString windowTitle()
{
    return QStringLiteral("データ神の成績くらべ");
}

QString drawsCaption()
{
    return QStringLiteral("採点する回：");
}

QStringList drawsChoices()
{
    return {QStringLiteral("直近100回"), QStringLiteral("直近200回"), QStringLiteral("直近500回"),
            QStringLiteral("全部")};
}

QString walkForward()
{
    return QStringLiteral("先の回を見ないで採点する");
}

QString walkForwardExplanation()
{
    return QStringLiteral("各回の予想に、その回より前の抽選データだけを使います（出現数もその回の前までで数えます）。");
}

QString start()
{
    return QStringLiteral("採点開始");
}

QString cancel()
{
    return QStringLiteral("キャンセル");
}

QString amountCaption()
{
    return QStringLiteral("作成のためのデータ数：");
}

QString preferenceCaption()
{
    return QStringLiteral("出現数考慮：");
}

QStringList preferenceChoices()
{
    return {preference(true), preference(false)};
}

QString runSelected()
{
    return QStringLiteral("選んだ設定でデータ神を呼ぶ");
}

QString closeButton()
{
    return QStringLiteral("閉じる");
}

QString heatMapTitle(const QString& godCaption)
{
    return godCaption;
}

QString countAxis()
{
    return QStringLiteral("予想数");
}

QString weightAxis()
{
    return QStringLiteral("出現数考慮 0 … 20");
}

QString luckLine(int settings, double threshold)
{
    return QStringLiteral("比べた設定の数：%1　　偶然だけでも最良の設定が 95 % の確率で届く z：%2")
        .arg(QLocale(QLocale::Japanese).toString(settings), QString::number(threshold, 'f', 2));
}

QStringList tableHeaders()
{
    return {QStringLiteral("データ神"), QStringLiteral("予想数"), QStringLiteral("データ数"), QStringLiteral("優先"),
            QStringLiteral("出現数考慮"), QStringLiteral("平均的中数"), QStringLiteral("偶然の平均"),
            QStringLiteral("z")};
}

QString preference(bool frequent)
{
    return frequent ? QStringLiteral("多い数字優先") : QStringLiteral("少ない数字優先");
}

QString notComputed()
{
    return QStringLiteral("まだ採点していません。");
}

QString drawsHelp()
{
    return QStringLiteral("どの回の予想を採点するかを選びます。");
}

QString walkForwardHelp()
{
    return QStringLiteral("データ神の予想ファイルは出現数を全部の回で数えるので、過去の回では少し先を見ています。"
                          "ここをチェックすると、各回の前までのデータだけで予想して採点します。");
}

QString startHelp()
{
    return QStringLiteral("1,680 通りの設定すべてを5人のデータ神で採点します。");
}

QString cancelHelp()
{
    return QStringLiteral("採点を途中でやめます。");
}

QString progressHelp()
{
    return QStringLiteral("採点の進み具合です。");
}

QString mapChoiceHelp()
{
    return QStringLiteral("下の図に表示するデータ数と優先のしかたを選びます。");
}

QString heatMapHelp()
{
    return QStringLiteral("縦が予想数、横が出現数考慮です。赤いほど偶然より多く、青いほど偶然より少なく的中しました"
                          "（z は偶然の平均から標準偏差いくつ分離れているか）。");
}

QString luckHelp()
{
    return QStringLiteral("これだけ多くの設定を比べると、一番よい設定は偶然だけでもこの z に届くことがあります。"
                          "これを超えない設定は、運がよかっただけかもしれません。");
}

QString tableHelp()
{
    return QStringLiteral("z の高い順に20の設定です。見出しをクリックすると並べ替えます。");
}

QString runSelectedHelp()
{
    return QStringLiteral("表で選んだ行の設定でデータ神を呼び、予想ファイルを作り直します。");
}

} // namespace BacktestText
