#include "core/text/PrizeText.h"

namespace PrizeText {

QString tableCaption()
{
    return QStringLiteral("当せん金の表");
}

UserMessage amountOutOfRange(int matched, qint64 amount)
{
    return {tableCaption(), QStringLiteral("%1 個当たりの当せん金 %2 円は使えません。"
                                           "当せん金は０円から 999,999,999 円までにして下さい。")
                                .arg(matched)
                                .arg(amount)};
}

UserMessage priceOutOfRange(qint64 price)
{
    return {tableCaption(),
            QStringLiteral("１口の値段 %1 円は使えません。１円から 99,999 円までにして下さい。").arg(price)};
}

UserMessage tableUnreadable(const QString& file, int line)
{
    return {tableCaption(), QStringLiteral("当せん金の表の %1 行目が読めないので、この表は使いません。\n\n%2\n\n"
                                           "「当せん金の表」で入れ直すと、書き直します。")
                                .arg(line)
                                .arg(file)};
}

UserMessage tableNotRead(const QString& file, const QString& reason)
{
    return {tableCaption(), QStringLiteral("当せん金の表が読めないので、使いません。\n\n%1\n\n%2").arg(file, reason)};
}

UserMessage tableNotWritten(const QString& file, const QString& reason)
{
    return {tableCaption(),
            QStringLiteral("当せん金の表を書き込めませんでした。表は変わっていません。\n\n%1\n\n%2").arg(file, reason)};
}

UserMessage noTable()
{
    return {tableCaption(), QStringLiteral("当せん金の表はまだありません。")};
}

} // namespace PrizeText
