#include "core/text/PredictText.h"

#include <QStringList>

namespace PredictText {
namespace {

const QString kFileCaption = QStringLiteral("予想データファイルのエラー");

} // namespace

const std::array<DataGodName, kDataGodCount>& dataGods()
{
    static const std::array<DataGodName, kDataGodCount> gods = {{
        {4, QStringLiteral("Yon"), QStringLiteral("ヨンデータ神")},
        {5, QStringLiteral("Go"), QStringLiteral("ゴデータ神")},
        {6, QStringLiteral("Roku"), QStringLiteral("ロクデータ神")},
        {7, QStringLiteral("Nana"), QStringLiteral("ナナデータ神")},
        {8, QStringLiteral("Hati"), QStringLiteral("ハチデータ神")},
    }};
    return gods;
}

UserMessage registrantOffer()
{
    return {
        QStringLiteral("予想データファイルの新規作成確認"),
        QStringLiteral("     ***   予想データファイルが存在しません。  ***\n\n"
                       "  予想データを入力する前に登録者名を指定して新規に予想データファイルを作成してください。\n\n"
                       "  今、登録しますか？")};
}

UserMessage tooManyHits(int slot)
{
    return {dataGods()[slot - 1].caption + QStringLiteral("より…"),
            QStringLiteral("当予想プログラムに誤りがあると思われます。申し訳ありませんがこのソフトメーカーにご連絡をお"
                           "願いいたします。")};
}

QString unregisteredSlot()
{
    return QStringLiteral("-- 未登録 --");
}

QString hitCountLine(int count)
{
    return QString::number(count) + QStringLiteral(" 回");
}

QString hitCountUnknown()
{
    return QStringLiteral("xx");
}

QString hitRowCaption(int hits)
{
    return QStringLiteral("%1個的中").arg(QChar(u'０' + hits));
}

UserMessage historyTooLongForGods(int drawCount, int maxDraws)
{
    return {
        kFileCaption,
        QStringLiteral("過去データが第 %1 回まであり、登録できる第 %2 回を超えているため、データ神を呼べません。\n\n"
                       "\"最終回消去\" か \"本数字データを元に戻す\" で第 %2 回までにして下さい。\n\n"
                       "＊＊＊　予想データファイルは変更されていません。　＊＊＊")
            .arg(drawCount)
            .arg(maxDraws)};
}

UserMessage predictionFolderMissing(const QString& folder)
{
    return {kFileCaption,
            QStringLiteral(
                "予想データのフォルダがありません。\n\n%1\n\n＊＊＊　予想データファイルは変更されていません。　＊＊＊")
                .arg(folder)};
}

UserMessage predictionFileWriteFailed(const QString& path, const QString& reason)
{
    return {kFileCaption,
            QStringLiteral("予想データファイルに書き込めませんでした。データは変更されていません。\n\n%1\n\n%2")
                .arg(path, reason)};
}

UserMessage predictionFileUnreadable(const QString& path, const QString& reason)
{
    return {kFileCaption, QStringLiteral("予想データファイルを開けません。\n\n%1\n\n%2").arg(path, reason)};
}

UserMessage predictionFileMalformed(const QString& path, const QString& reason)
{
    return {kFileCaption, QStringLiteral("予想データファイルの形式が正しくありません。\n\n%1\n\n%2").arg(path, reason)};
}

QString reasonNotAFile()
{
    return QStringLiteral("同じ名前のフォルダがあるため、ファイルを置けません。");
}

QString reasonRecordLength(int recordLength)
{
    return QStringLiteral("ファイルの長さが %1 バイトのレコードの倍数ではありません。").arg(recordLength);
}

QString reasonNotDigits(int record)
{
    return QStringLiteral("第 %1 レコードに数字以外の文字があります。").arg(record);
}

QString reasonNumber(int record, int number)
{
    return QStringLiteral("第 %1 レコードの数字 %2 は使えません。予想の数字は１から４３まで（空きは９９）です。")
        .arg(record)
        .arg(number);
}

QString ticketsWon(int draw, int tickets, const std::array<int, kNumbersPerDraw + 1>& byHits)
{
    // Three numbers or more win a prize.
    constexpr int kFirstPrize = 3;
    QStringList classes;
    int won = 0;
    for (int hits = kFirstPrize; hits <= kNumbersPerDraw; ++hits) {
        classes << QStringLiteral("%1個 %2口").arg(hits).arg(byHits[std::size_t(hits)]);
        won += byHits[std::size_t(hits)];
    }
    return QStringLiteral("第 %1 回の %2 口：%3、当たりは合わせて %4 口")
        .arg(draw)
        .arg(tickets)
        .arg(classes.join(QStringLiteral("・")))
        .arg(won);
}

} // namespace PredictText
