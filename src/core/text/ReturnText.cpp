#include "core/text/ReturnText.h"

#include <QLocale>

#include "core/chance/ChanceBand.h"
#include "core/wheel/ExpectedReturn.h"

namespace ReturnText {
namespace {

QString yen(double value)
{
    return QLocale(QLocale::Japanese).toString(value, 'f', 2);
}

QString wholeYen(qint64 value)
{
    return QLocale(QLocale::Japanese).toString(value);
}

} // namespace

QString wheelReturn(const ExpectedReturn& expected)
{
    return QStringLiteral("払い戻しの期待値（１回あたり）：この %1 口で %2 円（１口 %3 円）、"
                          "買う額 %4 円（１口 %5 円）、戻るのは平均 %6 %")
        .arg(expected.tickets)
        .arg(yen(expected.perDraw()), yen(expected.perTicket()), wholeYen(expected.price),
             wholeYen(expected.tickets > 0 ? expected.price / expected.tickets : 0))
        .arg(expected.rate() * 100, 0, 'f', 1);
}

QString anyTicketsReturn(const ExpectedReturn& expected)
{
    return QStringLiteral("くらべ：無作為な %1 口なら %2 円（１口 %3 円）")
        .arg(expected.tickets)
        .arg(yen(expected.perDraw()), yen(expected.perTicket()));
}

QString returnNote(int tickets)
{
    return QStringLiteral("当せん金が等級ごとに決まった額なら、どの %1 口を買っても期待値は同じです。"
                          "ホイールが変えるのは当たりの散らばり方で、平均ではありません。")
        .arg(tickets);
}

QString pastHeading(int draws)
{
    return QStringLiteral("これまでの %1 回に当てはめると（その等級の当たりが１口でもあった回）：").arg(draws);
}

QString pastClass(int matched, int paying, const ChanceBand& chance)
{
    return QStringLiteral("%1個 %2 回（偶然なら %3 回、95 % は %4〜%5 回）")
        .arg(matched)
        .arg(paying)
        .arg(chance.mean, 0, 'f', 1)
        .arg(chance.low, 0, 'f', 0)
        .arg(chance.high, 0, 'f', 0);
}

QString pastNote()
{
    return QStringLiteral(
        "過去の当たりは運です。抽選は毎回独立なので、過去によく当たった買い目が次も当たりやすいことは"
        "ありません。この買い目はこれらの回の後に作ったもので、候補は結果を見て選ばれたかもしれません。");
}

} // namespace ReturnText
