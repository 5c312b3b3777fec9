#include "gui/predict/BacktestText.h"

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

QString holdoutNeedsWalkForward()
{
    return QStringLiteral("（先の回を見る採点では前半の成績が後半の抽選も見てしまうので、確かめになりません）");
}

QString checkVerdict(const QString& setting, double secondHalfZ)
{
    const QString verdict = secondHalfZ > 1.96
                                ? QStringLiteral("偶然だけなら 40 回に 1 回しか超えない 1.96 を超えました。")
                                : QStringLiteral("偶然と区別できません。");
    return QStringLiteral("前もって選んだのは前半で一番よかった設定（%1）で、その後半の z は %2 です。%3"
                          "表の後半の z を見てほかの行を選び直すと、それは新しい選び方なので確かめたことになりません。")
        .arg(setting, QString::number(secondHalfZ, 'f', 2), verdict);
}

QString settingName(const QString& god, int count, const QString& amount, bool frequent, int weight)
{
    return QStringLiteral("%1・予想数 %2・%3・%4・出現数考慮 %5")
        .arg(god, QString::number(count), amount, preference(frequent), QString::number(weight));
}

QString asWrittenWarning()
{
    return QStringLiteral("この採点は予想ファイルと同じく各回より後の抽選データも見ているので、"
                          "効く設定でなくても成績がよく見えます。ここに出る成績は偶然と区別できません。");
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

QString luckLine(int settings, double line, int histories, bool done, const QString& command)
{
    const QLocale japanese(QLocale::Japanese);
    return QStringLiteral("偶然だけでも 20 回に 1 回は超える線：z %1（比べた %2 通りの中で一番よい z について、"
                          "乱数の履歴 %3 本で%4。同じ線は %5 で出ます）")
        .arg(QString::number(line, 'f', 2), japanese.toString(settings), japanese.toString(histories),
             done ? QStringLiteral("計測") : QStringLiteral("計測中"), command);
}

QString runVerdict(double bestZ, double line)
{
    if (bestZ > line)
        return QStringLiteral("一番よい z %1 は線を超えました。偶然だけなら 20 回に 1 回も起きない成績です。")
            .arg(QString::number(bestZ, 'f', 2));
    return QStringLiteral("一番よい z %1 は線を超えていません。偶然と区別できません。")
        .arg(QString::number(bestZ, 'f', 2));
}

QStringList tableHeaders(bool holdout)
{
    QStringList headers{QStringLiteral("データ神"),
                        QStringLiteral("予想数"),
                        QStringLiteral("データ数"),
                        QStringLiteral("優先"),
                        QStringLiteral("出現数考慮"),
                        QStringLiteral("平均的中数"),
                        QStringLiteral("同時 95 % 区間"),
                        QStringLiteral("偶然の平均"),
                        QStringLiteral("z"),
                        QStringLiteral("p")};
    if (holdout) {
        // The settings are ranked on the first half: every figure beside them is the first half's.
        for (qsizetype column = 5; column < headers.size(); ++column)
            headers[column] += QStringLiteral("（前半）");
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
                          "（z は偶然の平均から標準偏差いくつ分離れているか）。色の目盛りの端は偶然の線で、"
                          "真っ赤なのは線を超えた設定だけです。隣どうしの設定はほとんど同じ数字を選び、同じ回で"
                          "採点されるので、赤や青の固まりは一つの偶然からでもできます。");
}

QString holdoutHelp()
{
    return QStringLiteral("採点する回を前半と後半に分け、前半で一番よかった設定を一つだけ前もって選び、後半の z で"
                          "確かめます。たくさんの設定から一番よかったものは、選ぶのに使わなかった回で確かめないと、"
                          "本当に効くのか運がよかっただけなのかわかりません。確かめるときはいつも先の回を見ないで"
                          "採点します（先の回を見る採点では、前半の成績が後半の抽選も見てしまいます）。"
                          "表の後半の z を見て選び直すのは新しい選び方で、確かめにはなりません。");
}

QString luckHistoriesHelp()
{
    return QStringLiteral("偶然の線を測るために作る、でたらめな抽選の履歴の本数です。1,000 本から選べます。"
                          "多いほど線は確かになり、時間もかかります。線と p は 100 本ごとに測り直して表示します。"
                          "乱数の種は新しい条件ごとに変わり、線の横に出るコマンドで同じ計測をやり直せます。"
                          "同じ条件（同じ回数の履歴、同じ採点の範囲と方法）で前に測った履歴は、プログラムを終えるまで"
                          "とっておき、その続きから測ります。偶然の線は当せん番号によらないからです。");
}

QString luckProgressHelp()
{
    return QStringLiteral("偶然の線の計測の進み具合です。");
}

QString luckCancelHelp()
{
    return QStringLiteral("偶然の線の計測をやめます。採点の結果と、それまでに測った線はそのまま残ります。");
}

QString luckHelp()
{
    return QStringLiteral(
        "当たりがまったくの偶然でも、たくさんの設定を比べれば一番よい z はかなり高くなります。"
        "そこで同じ回数のでたらめな抽選の履歴を作り、同じ設定・同じ回・同じやり方で採点して、"
        "一番よい z を測りました。5人のデータ神や隣どうしの設定は同じ回で採点されていて、互いに"
        "独立な試しではないので、設定の数から計算で出すことはできません。偶然だけでも 20 回に 1 回は"
        "一番よい z がこの線を超えます。線を超えない設定は、運がよかっただけのものと区別できません。");
}

QString tableHelp()
{
    return QStringLiteral("z の高い順に20の設定です。同時 95 % 区間は、偶然の線と同じ幅の区間です。どの設定も"
                          "効かないなら、比べた全部の設定の中でどれかの区間が偶然の平均より上に離れるのは 20 回に "
                          "1 回です（偶然の平均がこの中に入る設定は、偶然と見分けがつきません）。p は、どの設定も"
                          "効かないとしたとき、比べた中で一番よい z がこの z 以上になる割合です。線を超えた行、"
                          "つまり p が 0.05 未満の行に色をつけます。"
                          "たくさんの中で一番だった設定は、選ぶのに使わなかった回で確かめてください"
                          "（「前半で選んで後半で確かめる」）。見出しをクリックすると並べ替えます。");
}

QString runSelectedHelp()
{
    return QStringLiteral("表で選んだ行の設定でデータ神を呼び、予想ファイルを作り直します。");
}

} // namespace BacktestText
