#include "text/WheelText.h"

namespace WheelText {
namespace {

const QString kCaption = QStringLiteral("買い目の組合せ");

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
    return {kCaption, QStringLiteral("固定数字 %1 が候補の数字にありません。固定数字は候補の中から選んで下さい。").arg(number)};
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

UserMessage ticketBudgetOutOfRange(int found)
{
    return {kCaption, QStringLiteral("買い目の数は１口から１０００口までにして下さい。（今は %1 口です。）").arg(found)};
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

} // namespace WheelText
