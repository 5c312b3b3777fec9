#include "core/text/WheelText.h"

#include <QLocale>

#include <cmath>

namespace WheelText {
namespace {

const QString kCaption = QStringLiteral("買い目の組合せ");

// Three significant digits in plain decimals: small odds are to be read, not decoded.
QString decimal(double value)
{
    const int decimals = value > 0 ? qMax(1, 2 - int(std::floor(std::log10(value)))) : 1;
    return QString::number(value, 'f', decimals);
}

} // namespace

UserMessage numberOutOfRange(int number)
{
    return {kCaption, QStringLiteral("数字 %1 は使えません。１から４３までの数字にして下さい。").arg(number)};
}

UserMessage numberRepeated(int number)
{
    return {kCaption, QStringLiteral("数字 %1 が重複しています。同じ数字は一度だけ選んで下さい。").arg(number)};
}

UserMessage poolSize(int found)
{
    return {kCaption, QStringLiteral("候補の数字は７個から３０個までにして下さい。（今は %1 個です。）").arg(found)};
}

UserMessage guaranteeOutOfRange(int matched, int drawnInPool)
{
    return {kCaption, QStringLiteral("保証「%1 個当たれば %2 個」は作れません。\n\n"
                                     "当たる数は２個から６個まで、保証する数は２個からその数までにして下さい。")
                          .arg(drawnInPool)
                          .arg(matched)};
}

UserMessage guaranteeBeyondPool(int drawnInPool, int poolSize)
{
    return {kCaption, QStringLiteral("候補の数字が %1 個しかないので、%2 個当たることはありません。\n\n"
                                     "候補の数字を増やすか、当たる数を減らして下さい。")
                          .arg(poolSize)
                          .arg(drawnInPool)};
}

UserMessage fixedOutsidePool(int number)
{
    return {kCaption,
            QStringLiteral("固定数字 %1 が候補の数字にありません。固定数字は候補の中から選んで下さい。").arg(number)};
}

UserMessage tooManyFixed(int found)
{
    return {kCaption, QStringLiteral("固定数字は５個までにして下さい。（今は %1 個です。）").arg(found)};
}

UserMessage fixedLeaveNoRoom(int fixedCount, int matched)
{
    return {kCaption, QStringLiteral("固定数字が %1 個では、残りの数字で %2 個当たりを保証できません。\n\n"
                                     "固定数字を減らすか、保証する数を減らして下さい。")
                          .arg(fixedCount)
                          .arg(matched)};
}

UserMessage ticketBudgetOutOfRange(int found, int maxTickets)
{
    return {
        kCaption,
        QStringLiteral("買い目の数は１口から %1 口までにして下さい。（今は %2 口です。）").arg(maxTickets).arg(found)};
}

UserMessage ticketLimitOutOfRange(int found, int mostTickets)
{
    return {kCaption, QStringLiteral("買い目の上限は１口から %1 口までにして下さい。（今は %2 口です。）")
                          .arg(mostTickets)
                          .arg(found)};
}

UserMessage noTime()
{
    return {kCaption, QStringLiteral("探す時間は０秒より長くして下さい。")};
}

UserMessage wheelTooLarge(int lowerBound, int maxTickets)
{
    return {kCaption, QStringLiteral("この保証には少なくとも %1 口の買い目が要ります。作れるのは %2 口までです。\n\n"
                                     "候補の数字を減らすか、保証をゆるめて下さい。")
                          .arg(lowerBound)
                          .arg(maxTickets)};
}

UserMessage wheelAboveLimit(int tickets, int maxTickets)
{
    return {kCaption, QStringLiteral("見つかった買い目は %1 口で、上限の %2 口を超えるので出しませんでした。\n\n"
                                     "上限を上げるか、候補の数字を減らすか、保証をゆるめて下さい。")
                          .arg(tickets)
                          .arg(maxTickets)};
}

QString searchLonger()
{
    return QStringLiteral("--seconds を長くすると、もっと少ない口数が見つかるかもしれません。");
}

UserMessage searchTimedOut(double seconds)
{
    return {QString(), QStringLiteral("%1 秒で探し終わりませんでした。それまでに見つかった買い目です。").arg(seconds)};
}

UserMessage guaranteeNotProven(const QString& missedNumbers)
{
    return {kCaption, QStringLiteral("作った買い目では保証が守られていません（%1 が当たったとき）。\n\n"
                                     "もう一度作成して下さい。")
                          .arg(missedNumbers)};
}

QString windowTitle()
{
    return QStringLiteral("買い目の組合せ");
}

QString openButton()
{
    return QStringLiteral("買い目を作る");
}

QString openButtonHelp()
{
    return QStringLiteral("選んだ数字を候補にして、買い目の組合せを作る窓を開きます。");
}

QString poolCaption()
{
    return QStringLiteral("候補の数字（押すたびに 候補 → 固定 → 外す）");
}

QString poolCount(int poolSize, int fixedCount)
{
    return QStringLiteral("候補 %1 個（うち固定 %2 個）").arg(poolSize).arg(fixedCount);
}

QString guaranteeCaption()
{
    return QStringLiteral("保証：");
}

QString drawnInPoolSuffix()
{
    return QStringLiteral(" 個当たれば");
}

QString matchedSuffix()
{
    return QStringLiteral(" 個");
}

QString budgetCaption()
{
    return QStringLiteral("口数：");
}

QString budgetNone()
{
    return QStringLiteral("保証できる最少の口数");
}

QString ticketSuffix()
{
    return QStringLiteral(" 口");
}

QString secondsCaption()
{
    return QStringLiteral("探す時間：");
}

QString secondsSuffix()
{
    return QStringLiteral(" 秒まで");
}

QString make()
{
    return QStringLiteral("作成(&M)");
}

QString cancel()
{
    return QStringLiteral("キャンセル");
}

QString exportCsv()
{
    return QStringLiteral("CSV形式で書き出す...");
}

QString searching()
{
    return QStringLiteral("探しています");
}

QString searchProgress(int tickets)
{
    return QStringLiteral("今は %1 口").arg(tickets);
}

QString searchDone(int tickets)
{
    return QStringLiteral("探し終わりました（%1 口）").arg(tickets);
}

QString searchDoneOnTime(int tickets)
{
    return QStringLiteral("時間切れで終わりました（%1 口）").arg(tickets);
}

QString searchDoneCancelled(int tickets)
{
    return QStringLiteral("キャンセルで終わりました（%1 口）").arg(tickets);
}

QString ticketsSummary(int tickets, int lowerBound)
{
    if (tickets == lowerBound)
        return QStringLiteral("買い目 %1 口（これより少ない口数では保証できません）").arg(tickets);
    return QStringLiteral("買い目 %1 口（%2 口より少なくは決してできませんが、%2 口で保証できるとは限りません）")
        .arg(tickets)
        .arg(lowerBound);
}

UserMessage askLargeWheel(int tickets)
{
    return {kCaption,
            QStringLiteral("%1 口になります。作りますか？").arg(QLocale(QLocale::Japanese).toString(tickets))};
}

QString searchLongerButton()
{
    return QStringLiteral("もっと長く探す");
}

QString searchLongerHelp()
{
    return QStringLiteral("時間切れで終わったとき、探す時間を倍にして（同じ始め方で）もう一度探します。"
                          "もっと少ない口数が見つかるかもしれません。");
}

QString proofKept(qint64 checked, int drawnInPool)
{
    return QStringLiteral("すべての組合せで確認済み（当たる %1 個の組合せ %2 通りを一つずつ確かめました）")
        .arg(drawnInPool)
        .arg(checked);
}

QString proofMissed(qint64 missed, qint64 checked, const QString& firstMissed)
{
    return QStringLiteral("%1 通りのうち %2 通りで保証が守られていません（たとえば %3 が当たったとき）")
        .arg(checked)
        .arg(missed)
        .arg(firstMissed);
}

QString searchCancelled()
{
    return QStringLiteral("キャンセルしました。それまでに見つかった買い目です。");
}

QStringList oddsHeaders()
{
    return {QStringLiteral("一番よい１口がちょうど"), QStringLiteral("これ以上の１口がある"),
            QStringLiteral("当たる口数の平均")};
}

QString anyPrize(double probability)
{
    return QStringLiteral("どれか１口でも当せん（３個以上）する確率：%1").arg(oddsProbability(probability));
}

QString oddsRow(int matched)
{
    return QStringLiteral("%1 個当たり").arg(matched);
}

QString oddsProbability(double probability)
{
    if (probability <= 0)
        return QStringLiteral("0 %");
    return QStringLiteral("%1 %（%2 回に１回）").arg(decimal(probability * 100)).arg(qRound64(1 / probability));
}

QString oddsAverage(double average)
{
    return decimal(average);
}

QString exportDialogTitle()
{
    return QStringLiteral("買い目をCSV形式で書き出す");
}

QString exportFileName()
{
    return QStringLiteral("Kaime.csv");
}

UserMessage exportDone(const QString& path, int tickets)
{
    return {QStringLiteral("CSV形式で書き出す"),
            QStringLiteral("買い目 %1 口をCSVファイルに書き出しました。\n\n%2").arg(tickets).arg(path)};
}

QString poolHelp()
{
    return QStringLiteral("買い目に使う数字です。押すと候補になり、もう一度押すと固定（どの買い目にも入る数字）になり、"
                          "三度目で外れます。候補は７個から３０個、固定は５個までです。");
}

QString guaranteeHelp()
{
    return QStringLiteral("「p 個当たれば t 個」：抽選の６個のうち p 個が候補の中にあれば、どれか１口に必ず t 個"
                          "入っている、という保証です。候補が当たらなければ何も保証しません。");
}

QString budgetHelp()
{
    return QStringLiteral("口数を決めると、その口数で t 個そろう見込みが一番高い買い目を作ります。保証は守られない"
                          "ことがあり、その時は何通りで守られないかを示します。");
}

QString secondsHelp()
{
    return QStringLiteral("この時間までに探し終わらなければ、それまでに見つかった一番少ない買い目を出します。");
}

QString makeHelp()
{
    return QStringLiteral("買い目を探し、保証をすべての組合せで確かめ、当たる確率を数えます。");
}

QString cancelHelp()
{
    return QStringLiteral("探すのをやめて、それまでに見つかった買い目を出します。");
}

QString progressHelp()
{
    return QStringLiteral("探す時間のうち過ぎた分と、今までに見つかった一番少ない口数です。");
}

QString ticketsHelp()
{
    return QStringLiteral("作った買い目です。１行が１口です。");
}

QString proofHelp()
{
    return QStringLiteral("探し方とは別に、当たり方になりうる組合せをすべて買い目と照らし合わせた結果です。");
}

QString oddsHelp()
{
    return QStringLiteral("４３個から６個を選ぶ抽選６０９万６４５４通りをすべて数えた、本当の確率です。"
                          "左の列は一番多く当たった１口がちょうどその個数になる確率、中の列はその個数以上当たる１口が"
                          "ある確率（３個なら何かの当せん）、右の列はその個数当たる口数の平均です。"
                          "口数を増やすほど当たる口数は増えますが、その分だけ多く買うことになります。");
}

QString closeButton()
{
    return QStringLiteral("閉じる");
}

QString closeHelp()
{
    return QStringLiteral("この画面を閉じます。探している途中なら、探すのをやめてから閉じます。Esc キーでも閉じます。");
}

QString exportHelp()
{
    return QStringLiteral("買い目をCSVファイルに書き出します（ticket,n1,…,n6）。");
}

} // namespace WheelText
