#include "text/StoreText.h"

#include <cerrno>
#include <cstring>

namespace StoreText {
namespace {

const QString kResultCaption = QStringLiteral("抽選結果（当選ナンバー）");
const QString kHistoryCaption = QStringLiteral("過去データファイルのエラー");
// Boxes that the original program showed with the application's own title as caption.
const QString kApplicationCaption = QStringLiteral("ヌルガタ");

} // namespace

QString lastDrawMenu(int drawCount)
{
    return QStringLiteral("【最終抽選ナンバー】 第 %1 回").arg(drawCount);
}

QString drawAppendedNote(int draw)
{
    return QStringLiteral("第%1回の当選番号を追加しました").arg(draw);
}

QString drawModifiedNote(int draw)
{
    return QStringLiteral("第%1回の当選番号を修正しました").arg(draw);
}

QString drawDeletedNote(int draw)
{
    return QStringLiteral("第%1回の当選番号を消去しました").arg(draw);
}

QString undoneNote(int drawCount)
{
    return QStringLiteral("本数字データを元に戻しました（第%1回まで）").arg(drawCount);
}

UserMessage notSixNumbers()
{
    return {kResultCaption, QStringLiteral("データ数が６個ではありません。６個の数字を選んで下さい。")};
}

UserMessage numberOutOfRange(int number)
{
    return {kResultCaption, QStringLiteral("数字 %1 は使えません。１から４３までの数字を選んで下さい。").arg(number)};
}

UserMessage repeatedNumber(int number)
{
    return {kResultCaption, QStringLiteral("数字 %1 が重複しています。異なる６個の数字を選んで下さい。").arg(number)};
}

UserMessage confirmModify(const QString& drawText)
{
    return {QStringLiteral("データ修正"), QStringLiteral("第 %1 回のデータを修正します。よろしいですか？").arg(drawText)};
}

UserMessage confirmDeleteLast(int drawCount)
{
    return {QString(), QStringLiteral("最終データ（第 %1 回）を消去します。よろしいですか？").arg(drawCount)};
}

UserMessage noSuchDraw(const QString& drawText, int drawCount)
{
    return {QStringLiteral("データ修正"),
            QStringLiteral("第 %1 回のデータはありません。\n\n第 1 回から第 %2 回までの回数を指定して下さい。")
                .arg(drawText)
                .arg(drawCount)};
}

UserMessage nothingToDelete()
{
    return {QString(), QStringLiteral("消去できるデータがありません。")};
}

UserMessage historyFull(int maxDraws)
{
    return {kHistoryCaption,
            QStringLiteral("過去データは第 %1 回までしか登録できません。\n\n＊＊＊　データは変更されていません。　＊＊＊")
                .arg(maxDraws)};
}

UserMessage drawNotSixNumbers(int found)
{
    return {kResultCaption, QStringLiteral("結果データが６個ではありません。データは%1個です。").arg(found)};
}

UserMessage historyUnreadable(const QString& path, const QString& reason)
{
    return {kHistoryCaption, QStringLiteral("過去データファイルを開けません。\n\n%1\n\n%2").arg(path, reason)};
}

UserMessage historyLocked(const QString& path)
{
    return {kHistoryCaption,
            QStringLiteral("過去データファイルは他のプログラムが使用中です。\n\n%1\n\nそのプログラムを終了してから、もう一度お試し下さい。")
                .arg(path)};
}

UserMessage historyMalformed(const QString& path, int line, const QString& reason)
{
    return {kHistoryCaption,
            QStringLiteral("過去データファイルの %1 行目が正しくありません。\n\n%2\n\n%3").arg(line).arg(path, reason)};
}

UserMessage historyWriteFailed(const QString& path, const QString& reason)
{
    return {kHistoryCaption,
            QStringLiteral("過去データファイルに書き込めませんでした。データは変更されていません。\n\n%1\n\n%2").arg(path, reason)};
}

QString systemReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EIO:
        return QStringLiteral("ディスクの読み書き中にエラーが起きました。");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("書き込みが許可されていません。");
    case ENOENT:
        return QStringLiteral("フォルダが見つかりません。");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

UserMessage nothingToUndo()
{
    return {QStringLiteral("本数字データを元に戻す"), QStringLiteral("元に戻せる本数字データの変更はありません。")};
}

UserMessage backupUnreadable(const QString& path, const QString& reason)
{
    return {QStringLiteral("元に戻す"),
            QStringLiteral("バックアップファイルを読み込めません。データは変更されていません。\n\n%1\n\n%2").arg(path, reason)};
}

UserMessage confirmUndo(int drawCount, const QDateTime& savedAt)
{
    return {QStringLiteral("本数字データを元に戻す"),
            QStringLiteral("本数字データを、%1 に保存した状態（第 %2 回まで）に戻します。よろしいですか？")
                .arg(savedAt.toString(QStringLiteral("yyyy年M月d日 HH:mm:ss")))
                .arg(drawCount)};
}

QString reasonLockFailed(const QString& systemReason)
{
    return QStringLiteral("ロックファイルを作成できません。") + systemReason;
}

QString reasonLineCount(int lines)
{
    return QStringLiteral("行数が４３行ではありません（%1 行あります）。").arg(lines);
}

QString reasonTag(int line)
{
    return QStringLiteral("行の始めが \"d%1*\" ではありません。").arg(line, 2, 10, QLatin1Char('0'));
}

QString reasonLength()
{
    return QStringLiteral("１行目と長さが違います。");
}

QString reasonCharacters()
{
    return QStringLiteral("\"0\" と \"1\" 以外の文字があります。");
}

QString reasonTooManyDraws(int maxDraws)
{
    return QStringLiteral("データが第 %1 回を超えています。").arg(maxDraws);
}

UserMessage clipboardEmpty()
{
    return {QStringLiteral("クリップボードにデータが入っていません。"),
            QStringLiteral("クリップボードに \"本数字データ\"がコピーがされていません。\n\n"
                           "ホームページから\"本数字データ\"のコピーをして下さい。")};
}

UserMessage clipboardWrongTag()
{
    return {QStringLiteral("クリップボードに正しいデータがありません！！"),
            QStringLiteral("\"本数字データ\"が正しくコピーがされていません。\n\n"
                           "ホームページから\"本数字データ\"のコピーをして下さい。")};
}

UserMessage clipboardOlder()
{
    return {kApplicationCaption,
            QStringLiteral("クリップボードにコピーされているデータは現在登録されている過去データファイルよりも古いと思われます。\n\n"
                           "確認してください。\n\n＊＊＊　上書き処理はしません！！　＊＊＊")};
}

UserMessage clipboardMalformed(int line, const QString& reason)
{
    return {QStringLiteral("クリップボードに正しいデータがありません！！"),
            QStringLiteral("\"本数字データ\"の %1 行目が正しくありません。\n\n%2\n\n"
                           "ホームページから\"本数字データ\"のコピーをして下さい。")
                .arg(line)
                .arg(reason)};
}

UserMessage confirmImport()
{
    return {kApplicationCaption,
            QStringLiteral("現在の過去データファイルをクリップボードにコピーされているデータで上書きします。\n\nよろしいですか？")};
}

UserMessage importDone()
{
    return {kApplicationCaption,
            QStringLiteral("データが更新されました！！\n\n現在表示されている画面に最新データを反映させるためには\n\n"
                           "現在の画面を表示しなおしてください。")};
}

UserMessage clipboardTooLarge(int maxDraws)
{
    return {QStringLiteral("クリップボードに正しいデータがありません！！"),
            QStringLiteral("クリップボードのデータが大きすぎます。過去データは第 %1 回までしか登録できません。\n\n"
                           "ホームページから\"本数字データ\"のコピーをして下さい。")
                .arg(maxDraws)};
}

UserMessage clipboardDrawNotSixNumbers(int draw, int found)
{
    return {QStringLiteral("クリップボードに正しいデータがありません！！"),
            QStringLiteral("\"本数字データ\"の第 %1 回の本数字が６個ではありません（%2 個あります）。\n\n"
                           "ホームページから\"本数字データ\"のコピーをして下さい。")
                .arg(draw)
                .arg(found)};
}

QStringList updateGuideLines()
{
    return {
        QStringLiteral("１．表示されたホームページの左フレーム内にある ”本数字データ　第***回まで” をクリックする。"),
        QStringLiteral("２．データ表示画面の任意の場所を右クリックしてポップアップ画面を表示する。"),
        QStringLiteral("３．ポップアップ画面で ”すべて選択” をクリックする。"),
        QStringLiteral("（２．３．はブラウザのメニューから\"編集\"⇒\"すべて選択\"でも可）"),
        QStringLiteral("４．データ表示画面が反転したら任意の場所を右クリックしてポップアップ画面を表示する。"),
        QStringLiteral("５．ポップアップ画面で ”コピー” をクリックする。"),
        QStringLiteral("（４．５．はブラウザのメニューから\"編集\"⇒\"コピー\"でも可）"),
        QStringLiteral("６．このダイアログの \"データ更新\"ボタン をクリックする。"),
    };
}

QString updateGuideImportButton()
{
    return QStringLiteral("データ 更 新");
}

QString updateGuideCancelButton()
{
    return QStringLiteral("中　　止");
}

UserMessage importFileUnreadable(const QString& path, const QString& reason)
{
    return {QStringLiteral("ファイルを開けません。"), QStringLiteral("%1\n\n%2").arg(path, reason)};
}

UserMessage installFolderFailed(const QString& path)
{
    return {QStringLiteral("データフォルダの準備に失敗しました。"),
            QStringLiteral("データフォルダを作成できませんでした。\n\n%1").arg(path)};
}

} // namespace StoreText
