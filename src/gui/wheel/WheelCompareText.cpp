#include "gui/wheel/WheelCompareText.h"

#include <QStringList>

#include "core/store/HistoryFormat.h"
#include "core/text/WheelText.h"
#include "core/wheel/RandomTicketOdds.h"

namespace {

// The matches of a small prize and up, as the odds table shows them.
constexpr int kSmallPrize = 3;

} // namespace

namespace WheelCompareText {

QString randomOdds(const RandomTicketOdds& odds)
{
    QStringList chances;
    for (int matched = kSmallPrize; matched <= kNumbersPerDraw; ++matched) {
        chances.append(
            QStringLiteral("%1 個 %2").arg(matched).arg(WheelText::oddsProbability(odds.atLeastProbability(matched))));
    }
    // Two figures a line, under the heading.
    return QStringLiteral(
               "くらべ：同じ %1 口を無作為に選ぶと（どの口も別の買い目）、この個数以上当たる１口がある確率は\n"
               "　%2　%3\n　%4　%5")
        .arg(odds.tickets)
        .arg(chances[0], chances[1], chances[2], chances[3]);
}

QString expectedTickets(const RandomTicketOdds& odds)
{
    return QStringLiteral("当たる口数の平均（表の右の列）は、無作為な %1 口でも同じです。").arg(odds.tickets);
}

QString wheelNote()
{
    return QStringLiteral(
        "ホイールは当たる口数の平均を増やしません。変えるのは当たり方の偏りで、候補から保証の個数が出た回には"
        "必ず当たる代わりに当たりが同じ回に重なり、どれか１口でも当たる回はかえって減ることがあります。");
}

} // namespace WheelCompareText
