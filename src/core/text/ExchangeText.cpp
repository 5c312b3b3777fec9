#include "core/text/ExchangeText.h"

namespace ExchangeText {
namespace {

const QString kCsvCaption = QStringLiteral("CSVファイルのエラー");
const QString kUnchanged = QStringLiteral("＊＊＊　データは変更されていません。　＊＊＊");

} // namespace

QString exportDialogTitle()
{
    return QStringLiteral("本数字データをCSV形式で書き出す");
}

QString importDialogTitle()
{
    return QStringLiteral("本数字データをCSV形式から読み込む");
}

QString fileFilter()
{
    return QStringLiteral("CSVファイル (*.csv *.txt);;すべてのファイル (*)");
}

QString dialogAccept()
{
    return QStringLiteral("決　　定");
}

QString dialogReject()
{
    return QStringLiteral("キャンセル");
}

QString dialogLookIn()
{
    return QStringLiteral("場所:");
}

QString dialogFileName()
{
    return QStringLiteral("ファイル名:");
}

QString dialogFileType()
{
    return QStringLiteral("ファイルの種類:");
}

UserMessage confirmReplaceFile(const QString& path)
{
    return {QStringLiteral("CSV形式で書き出す"),
            QStringLiteral("%1 はすでにあります。\n\n置き換えてもよろしいですか？").arg(path)};
}

UserMessage csvUnreadable(const QString& path, const QString& reason)
{
    return {kCsvCaption, QStringLiteral("CSVファイルを開けません。\n\n%1\n\n%2\n\n%3").arg(path, reason, kUnchanged)};
}

UserMessage csvWriteFailed(const QString& path, const QString& reason)
{
    return {kCsvCaption, QStringLiteral("CSVファイルに書き込めませんでした。\n\n%1\n\n%2").arg(path, reason)};
}

UserMessage csvTargetInInstallation(const QString& path, const QString& installationFolder)
{
    return {kCsvCaption, QStringLiteral("ヌルガタのインストールフォルダの中には書き出せません。"
                                        "過去データや予想データのファイルを置き換えてしまうためです。\n\n%1\n\n"
                                        "インストールフォルダ（%2）の外のファイルを指定して下さい。\n\n%3")
                             .arg(path, installationFolder, kUnchanged)};
}

UserMessage csvEmpty()
{
    return {kCsvCaption, QStringLiteral("CSVファイルに本数字データがありません。\n\n%1").arg(kUnchanged)};
}

UserMessage csvLineFault(int line, const QString& reason)
{
    return {kCsvCaption,
            QStringLiteral("CSVファイルの %1 行目が正しくありません。\n\n%2\n\n%3").arg(line).arg(reason, kUnchanged)};
}

QString reasonCellCount(int found)
{
    return QStringLiteral("回数と６個の数字の７項目が必要です（%1 項目あります）。").arg(found);
}

QString reasonDrawOrder(const QString& found, int expected)
{
    return QStringLiteral("回数が \"%1\" です。ここは第 %2 回です（第 1 回から順に、抜けなく並べて下さい）。")
        .arg(found)
        .arg(expected);
}

QString reasonNotNumber(const QString& cell)
{
    return QStringLiteral("\"%1\" は数字ではありません。").arg(cell);
}

QString reasonMissingNumber()
{
    return QStringLiteral("数字の項目が空です。６個の数字をそろえて下さい。");
}

QString reasonOutOfRange(int number)
{
    return QStringLiteral("数字 %1 は使えません。１から４３までの数字にして下さい。").arg(number);
}

QString reasonRepeated(int number)
{
    return QStringLiteral("数字 %1 が重複しています。異なる６個の数字にして下さい。").arg(number);
}

QString reasonHeader()
{
    return QStringLiteral("見出しの行は \"draw,n1,n2,n3,n4,n5,n6\" です。");
}

UserMessage drawTooManyNumbers(int draw, int found)
{
    return {kCsvCaption, QStringLiteral("第 %1 回の本数字が %2 個あり、CSV形式で書き出せません。\n\n"
                                        "\"（当選・予想）番号入力\"で第 %1 回のデータを修正して下さい。")
                             .arg(draw)
                             .arg(found)};
}

UserMessage noDataGodResults(int predictionCount)
{
    return {kCsvCaption,
            QStringLiteral(
                "%1個予想のデータ神の予想データがありません。\n\n\"※ データ神を呼ぶ\"で予想してから書き出して下さい。")
                .arg(predictionCount)};
}

UserMessage confirmImport(const QString& path, int drawCount, int presentDrawCount)
{
    return {QStringLiteral("CSV形式から読み込む"),
            QStringLiteral("本数字データを、CSVファイルの第 1 回から第 %1 回までのデータで置き換えます。"
                           "（今のデータは第 %2 回までです。）\n\n%3\n\nよろしいですか？")
                .arg(drawCount)
                .arg(presentDrawCount)
                .arg(path)};
}

UserMessage importDone(int drawCount)
{
    return {QStringLiteral("CSV形式から読み込む"),
            QStringLiteral("CSVファイルから第 %1 回までの本数字データを読み込みました。").arg(drawCount)};
}

UserMessage exportDone(const QString& path, int drawCount)
{
    return {QStringLiteral("CSV形式で書き出す"),
            QStringLiteral("第 %1 回までの本数字データをCSVファイルに書き出しました。\n\n%2").arg(drawCount).arg(path)};
}

} // namespace ExchangeText
