#include "gui/patterns/LatestPatternText.h"

namespace LatestPatternText {
namespace {

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

QString title(bool weighting)
{
    return weighting ? QStringLiteral("  最新のパターン集計データ（ 出現パターン数を考慮する。）")
                     : QStringLiteral("  最新のパターン集計データ（ 出現パターン数を考慮しない。）");
}

QString numberLabel(int number)
{
    return twoDigits(number) + QLatin1Char('_');
}

QString idleCaption()
{
    return QStringLiteral("【 **_ の内容 】      ≪出現回数≫    ");
}

QString caption(int number, int value)
{
    return QStringLiteral("【 ") + twoDigits(number) + QStringLiteral("_ の内容 】      ≪出現回数≫ ")
           + QString::number(value) + QStringLiteral("   ");
}

QString idlePatternLine()
{
    return QStringLiteral("≪パターン≫");
}

QString patternLine(const std::array<int, 9>& bits)
{
    QString line = QStringLiteral("≪パターン≫ ");
    for (const int bit : bits) {
        if (bit == 1)
            line += QStringLiteral("〇");
        else if (bit == 0)
            line += QStringLiteral("Χ");
        else
            break;
    }
    return line;
}

QString toggleOn()
{
    return QStringLiteral("パターン数\n 考慮あり");
}

QString toggleOff()
{
    return QStringLiteral("パターン数\n 考慮なし");
}

QString okHelp()
{
    return QStringLiteral("ok");
}

QString tabHelp()
{
    return QStringLiteral("タブ");
}

QString numberLabelHelp(int number)
{
    return QStringLiteral("STATIC") + twoDigits(number);
}

QString patternLineHelp()
{
    return QStringLiteral("STATICnaiyo");
}

QString captionHelp()
{
    return QStringLiteral("抽せん数字");
}

} // namespace LatestPatternText
