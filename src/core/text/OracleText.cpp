#include "core/text/OracleText.h"

#include <array>

namespace OracleText {
namespace {

// Full-width digits, as the lists show them.
QString wideNumber(int value)
{
    QString text = QString::number(value);
    for (QChar& digit : text)
        digit = QChar(digit.unicode() - u'0' + u'０');
    return text;
}

} // namespace

UserMessage noColourChosen()
{
    return {QStringLiteral("神様からの忠告"), QStringLiteral("ラッキーカラーが選ばれていません。１つ選んで下さい。")};
}

QString title()
{
    return QString(32, QLatin1Char(' ')) + QStringLiteral("　　～～～～～") + QString(8, QLatin1Char(' '))
           + QStringLiteral("神　　様　　の　　お　　言　　葉") + QString(8, QLatin1Char(' '))
           + QStringLiteral("～～～～～");
}

QString monthItem(int month)
{
    return (month < 10 ? QStringLiteral("  ") : QString()) + wideNumber(month) + QStringLiteral("月 ");
}

QString dayItem(int day)
{
    return (day < 10 ? QStringLiteral("　") : QString()) + wideNumber(day) + QStringLiteral("日 ");
}

QString colourName(int colour)
{
    static const std::array kNames{QStringLiteral("茶"), QStringLiteral("赤"), QStringLiteral("ピンク"),
                                   QStringLiteral("橙"), QStringLiteral("黄"), QStringLiteral("緑"),
                                   QStringLiteral("青"), QStringLiteral("紫"), QStringLiteral("白"),
                                   QStringLiteral("黒")};
    return kNames.at(std::size_t(colour - 1));
}

QStringList greetingWords()
{
    return {QStringLiteral("ほっほっほ、ワシがランダム神じゃ。"), QStringLiteral("幸運の数字は自分の力でつかむもの。"),
            QStringLiteral("神頼みは、ほどほどにな。")};
}

QStringList modeChoiceWords()
{
    return {QStringLiteral("しかたがないのう…。"), QStringLiteral("では、何で占ってほしいかの？")};
}

QStringList birthdayWords()
{
    return {QStringLiteral("そなたの誕生日を教えておくれ。"), QStringLiteral("星の巡りを見てしんぜよう。")};
}

QStringList colourWords()
{
    return {QStringLiteral("ラッキーカラーをひとつ選ぶのじゃ。"), QStringLiteral("選んだら「お願い！」じゃぞ。")};
}

QStringList numberWords()
{
    return {QStringLiteral("そなたのラッキーナンバーは？"), QStringLiteral("三つの数字を決めるがよい。")};
}

QStringList answerWords(int mode)
{
    switch (mode) {
    case 1:
        return {QStringLiteral("誕生日の星がこう告げておる！"), QStringLiteral("この七つの数字じゃ。")};
    case 2:
        return {QStringLiteral("その色に導かれし七つの数字じゃ！"), QStringLiteral("当たるも八卦、当たらぬも八卦。")};
    case 3:
        return {QStringLiteral("ラッキーナンバーが呼んだ数字じゃ！"), QStringLiteral("大事にするのじゃぞ。")};
    default:
        return {QStringLiteral("時の運に任せてみよう！"), QStringLiteral("今この瞬間のお告げじゃ。")};
    }
}

QString understoodButton()
{
    return QStringLiteral("わかった");
}

QString pleaseHelpButton()
{
    return QStringLiteral("そこをナンとか…");
}

QString momentButton()
{
    return QStringLiteral("時の運");
}

QString birthdayButton()
{
    return QStringLiteral("誕生日");
}

QString colourButton()
{
    return QStringLiteral("ラッキー\nカラー");
}

QString numberButton()
{
    return QStringLiteral("ラッキー\nナンバー");
}

QString askButton()
{
    return QStringLiteral("お願い！");
}

QString cancelButton()
{
    return QStringLiteral("キャンセル");
}

QString thanksButton()
{
    return QStringLiteral("ありがとう");
}

QString birthdayLabel()
{
    return QStringLiteral("誕生日");
}

QString digitPlace(int place)
{
    static const std::array kPlaces{QStringLiteral("百の位"), QStringLiteral("十の位"), QStringLiteral("一の位")};
    return kPlaces.at(std::size_t(place));
}

QString luckyNumberLabel()
{
    return QStringLiteral("ラッキーナンバー");
}

} // namespace OracleText
