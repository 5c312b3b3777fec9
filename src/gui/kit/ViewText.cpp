#include "gui/kit/ViewText.h"

#include "core/ApplicationInfo.h"

namespace ViewText {
namespace {

const QString kTitleHead = QStringLiteral("　　さぁ　ＶＥＭＯ ６ を 楽 し も う　　　＊＊　ヌ　ル　ガ　タ　＊＊");
const QString kHit = QStringLiteral("〇");
const QString kMiss = QStringLiteral("Χ");

} // namespace

QString applicationTitle()
{
    return QStringLiteral("ヌルガタ");
}

QString weightingTitle(bool weighting, const QString& suffix)
{
    return kTitleHead
           + (weighting ? QStringLiteral("　　　（ 出現パターン数を考慮する。）　　　　　　")
                        : QStringLiteral("　　　（ 出現パターン数を考慮しない。）　　　　　　"))
           + suffix;
}

QString registrantsTitle(const QString& suffix)
{
    return kTitleHead + QString(16, QChar(0x3000)) + suffix;
}

QString dataMenu()
{
    return QStringLiteral("データ(&D)");
}

QString graphMenu()
{
    return QStringLiteral("グラフ(&G)");
}

QString godMenu()
{
    return QStringLiteral("神様お願い(&K)");
}

QString settingsMenu()
{
    return QStringLiteral("設定(&F)");
}

QString browserMenu()
{
    return QStringLiteral("ブラウザの設定(&B)");
}

QString lastDrawPopup()
{
    return QStringLiteral("最終No(&L)");
}

QString helpMenu()
{
    return QStringLiteral("ヘルプ(&H)");
}

QString versionCaption()
{
    return QStringLiteral("Vemoのﾊﾞｰｼﾞｮﾝ情報");
}

QString versionText()
{
    // The version the package and vemo-cli --version give.
    return QStringLiteral("Vemo Version ") + applicationVersion();
}

QString patternHeading()
{
    return QStringLiteral("≪データ解析の対象ナンバー≫");
}

QString pageSeparator()
{
    return QStringLiteral("∥");
}

QString pageLabel(int page)
{
    switch (page) {
    case 7:
        return QStringLiteral("(２～７)データ");
    case 8:
        return QStringLiteral("８データ");
    case 91:
        return QStringLiteral("９データ(前半)");
    case 92:
        return QStringLiteral("９データ(後半)");
    }
    return QString();
}

QString pageTitle(int page, int pointedOrder)
{
    switch (page) {
    case 7:
        return pointedOrder >= 2 && pointedOrder <= 7 ? QChar(0xFF10 + pointedOrder) + QStringLiteral("データ")
                                                      : QStringLiteral("＊データ");
    case 8:
        return QStringLiteral("８データ");
    case 91:
        return QStringLiteral("９データ(前)");
    case 92:
        return QStringLiteral("９データ(後)");
    }
    return QString();
}

QString fullWidthNumber(int number)
{
    const QChar ones(0xFF10 + number % 10);
    return (number < 10 ? QStringLiteral("　") : QString(QChar(0xFF10 + number / 10))) + ones;
}

QString barText(int value, int pattern, int order, bool reversed)
{
    QString bits;
    for (int j = order - 1; j >= 0; --j)
        bits += (pattern >> j & 1) ? kHit : kMiss;
    const QString number = QString::number(value);
    return reversed ? QLatin1Char('(') + bits + QStringLiteral(")← ") + number
                    : number + QStringLiteral("→(") + bits + QLatin1Char(')');
}

QString misread()
{
    return QStringLiteral("読取ミス");
}

QString notDrawnMark()
{
    return kMiss;
}

QString weightingOn()
{
    return QStringLiteral("考慮あり");
}

QString weightingOff()
{
    return QStringLiteral("考慮なし");
}

QString spreadCaption()
{
    return QStringLiteral("バラツキ");
}

QString meanCaption()
{
    return QStringLiteral("平均");
}

QString numbersCaption()
{
    return QStringLiteral("本数字");
}

QString drawCaption()
{
    return QStringLiteral("回");
}

} // namespace ViewText
