#include "predict/BacktestText.h"

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

QString holdout()
{
    return QStringLiteral("前半で選んで後半で確かめる");
}

QString asWrittenWarning()
{
    return QStringLiteral("この採点は予想ファイルと同じく各回より後の抽選データも見ているので、"
                          "ここに出る成績では効く設定と偶然の区別がつきません。");
}

QString luckHistoriesCaption()
{
    return QStringLiteral("偶然の線を測る乱数の履歴：");
}

QString luckHistoriesSuffix()
{
    return QStringLiteral(" 本");
}

QString luckMeasuring()
{
    return QStringLiteral("偶然だけで一番よい z がどこまで届くかを、乱数の履歴で測っています…");
}

QString luckCancelled()
{
    return QStringLiteral("偶然の線の計測をやめました。p は出ていません。");
}

QString luckLine(int settings, double p95, double p99, int histories)
{
    return QStringLiteral("偶然だけなら、比べた %1 通りの中で一番よい z も 95 % はこの線より下：%2"
                          "（99 % なら %3。乱数の履歴 %4 本で計測）")
        .arg(QLocale(QLocale::Japanese).toString(settings), QString::number(p95, 'f', 2), QString::number(p99, 'f', 2),
             QString::number(histories));
}

QStringList tableHeaders(bool holdout)
{
    QStringList headers{QStringLiteral("データ神"),  QStringLiteral("予想数"),     QStringLiteral("データ数"),
                        QStringLiteral("優先"),      QStringLiteral("出現数考慮"), QStringLiteral("平均的中数"),
                        QStringLiteral("95 % 区間"), QStringLiteral("偶然の平均"), QStringLiteral("z"),
                        QStringLiteral("p")};
    if (holdout) {
        headers[8] = QStringLiteral("z（前半）");
        headers.append(QStringLiteral("z（後半）"));
    }
    return headers;
}

QString meanInterval(double low, double high)
{
    return QStringLiteral("%1 … %2").arg(QString::number(low, 'f', 4), QString::number(high, 'f', 4));
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
    return QStringLiteral("データ神の予想ファイルは出現数を全部の回で数えるので、過去の回の予想が先の回を見ています。"
                          "その偏りは大きく、まったくでたらめな抽選でも「多い数字優先」は z が +3 前後、"
                          "「少ない数字優先」は −3 前後に見えます。ここをチェックすると、各回の前までのデータだけで"
                          "予想して採点します。チェックを外した成績では、効く設定と偶然の区別がつきません。");
}

QString startHelp()
{
    return QStringLiteral("1,680 通りの設定すべてを5人のデータ神で採点します。先の回を見ないで採点するときは、"
                          "続けて同じ採点を乱数の履歴でも行い、偶然の線を測ります。");
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
                          "（z は偶然の平均から標準偏差いくつ分離れているか）。隣どうしの設定はほとんど同じ数字を"
                          "選び、同じ回で採点されるので、赤や青の固まりは一つの偶然からでもできます。");
}

QString holdoutHelp()
{
    return QStringLiteral("採点する回を前半と後半に分け、前半の z で設定を選び、表にはその設定の後半の z も並べます。"
                          "たくさんの設定から一番よかったものは、選ぶのに使わなかった回で確かめないと、"
                          "本当に効くのか運がよかっただけなのかわかりません。");
}

QString luckHistoriesHelp()
{
    return QStringLiteral("偶然の線を測るために作る、でたらめな抽選の履歴の本数です。多いほど線は確かになり、"
                          "時間もかかります。");
}

QString luckProgressHelp()
{
    return QStringLiteral("偶然の線の計測の進み具合です。");
}

QString luckCancelHelp()
{
    return QStringLiteral("偶然の線の計測をやめます。採点の結果はそのまま残ります。");
}

QString luckHelp()
{
    return QStringLiteral("当たりがまったくの偶然でも、たくさんの設定を比べれば一番よい z はかなり高くなります。"
                          "そこで同じ回数のでたらめな抽選の履歴を作り、同じ設定・同じ回・同じやり方で採点して、"
                          "一番よい z を測りました。5人のデータ神や隣どうしの設定は同じ回で採点されていて、互いに"
                          "独立な試しではないので、設定の数から計算で出すことはできません。この線を超えない設定は、"
                          "運がよかっただけのものと区別できません。");
}

QString tableHelp()
{
    return QStringLiteral("z の高い順に20の設定です。95 % 区間は、この回数の採点で平均的中数が偶然だけで動く幅です"
                          "（偶然の平均がこの中に入る設定は、偶然と見分けがつきません）。p は、どの設定も効かない"
                          "としたとき、比べた中で一番よい z がこの z 以上になる割合で、0.05 未満の行に色をつけます。"
                          "たくさんの中で一番だった設定は、選ぶのに使わなかった回で確かめてください"
                          "（「前半で選んで後半で確かめる」）。見出しをクリックすると並べ替えます。");
}

QString runSelectedHelp()
{
    return QStringLiteral("表で選んだ行の設定でデータ神を呼び、予想ファイルを作り直します。");
}

} // namespace BacktestText
