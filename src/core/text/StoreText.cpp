#include "core/text/StoreText.h"

#include <cerrno>
#include <cstring>

namespace StoreText {
namespace {

const QString kResultCaption = QStringLiteral("抽選結果（当選ナンバー）");
const QString kHistoryCaption = QStringLiteral("過去データファイルのエラー");
// Boxes that the original program showed with the application's own title as caption.
const QString kApplicationCaption = QStringLiteral("ヌルガタ");
const QString kImportFileCaption = QStringLiteral("ファイルに正しいデータがありません！！");
const QString kImportFileHint =
    QStringLiteral("過去データファイルと同じ形式の \"本数字データ\" のファイルを指定して下さい。");

const QString kOtherFolder = QStringLiteral("別のデータフォルダを使うときは、起動するときに --install-path で"
                                            "そのフォルダを指定して下さい（vemo --install-path フォルダ）。");

// What a player can do when the history cannot be read at the start.
QString historyAdvice()
{
    return QStringLiteral(
               "データフォルダの Vemo6Data/Backup に、変更する前の過去データの控えが残っています。"
               "一番新しい控えを Vemo6Data/KakoData.txt という名前でコピーしてから、もう一度起動して下さい。\n")
           + kOtherFolder;
}

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
    return {QStringLiteral("データ修正"),
            QStringLiteral("第 %1 回のデータを修正します。よろしいですか？").arg(drawText)};
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
    return {
        kHistoryCaption,
        QStringLiteral("過去データは第 %1 回までしか登録できません。\n\n＊＊＊　データは変更されていません。　＊＊＊")
            .arg(maxDraws)};
}

UserMessage drawNotSixNumbers(int found)
{
    return {kResultCaption, QStringLiteral("結果データが６個ではありません。データは%1個です。").arg(found)};
}

UserMessage historyUnreadable(const QString& path, const QString& reason)
{
    return {kHistoryCaption,
            QStringLiteral("過去データファイルを開けません。\n\n%1\n\n%2\n\n").arg(path, reason) + historyAdvice()};
}

UserMessage installFolderMissing(const QString& folder)
{
    return {kHistoryCaption, QStringLiteral("データフォルダが見つかりません。\n\n%1\n\n").arg(folder) + kOtherFolder};
}

UserMessage historyLocked(const QString& path)
{
    return {kHistoryCaption, QStringLiteral("過去データファイルは他のプログラムが使用中です。\n\n%"
                                            "1\n\nそのプログラムを終了してから、もう一度お試し下さい。")
                                 .arg(path)};
}

UserMessage historyMalformed(const QString& path, int line, const QString& reason)
{
    return {
        kHistoryCaption,
        QStringLiteral("過去データファイルの %1 行目が正しくありません。\n\n%2\n\n%3\n\n").arg(line).arg(path, reason)
            + historyAdvice()};
}

UserMessage historyWriteFailed(const QString& path, const QString& reason)
{
    return {kHistoryCaption,
            QStringLiteral("過去データファイルに書き込めませんでした。データは変更されていません。\n\n%1\n\n%2")
                .arg(path, reason)};
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
        return QStringLiteral("書き込みが許可されていません（読み取り専用のファイルかフォルダです）。");
    case EROFS:
        return QStringLiteral("読み取り専用のディスクなので書き込めません。");
    case ENOENT:
        return QStringLiteral("ファイルまたはフォルダが見つかりません。");
    case ENOTDIR:
        return QStringLiteral("途中の名前がフォルダではなくファイルです。");
    case EISDIR:
        return QStringLiteral("ファイルではなくフォルダです。");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しているか、多すぎます。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case EWOULDBLOCK:
        return QStringLiteral("他のプログラムが使用中です。");
    case EEXIST:
        return QStringLiteral("同じ名前のファイルがすでにあります。");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QStringLiteral("メモリまたは開けるファイルの数が足りません。");
    default:
        return QStringLiteral("ファイルの操作に失敗しました（エラー番号 %1）。").arg(error);
    }
}

QString readFailedReason(int error)
{
    if (error == EACCES || error == EPERM)
        return QStringLiteral("読み取りが許可されていません（読み取りの権限がないファイルかフォルダです）。");
    return systemReason(error);
}

QString reasonNotRegularFile(bool isFolder, bool isPipe)
{
    if (isFolder)
        return systemReason(EISDIR);
    if (isPipe)
        return QStringLiteral("ファイルではなく名前付きパイプ（FIFO）です。");
    return QStringLiteral("普通のファイルではありません（デバイスやソケットなど）。");
}

QString reasonFileTooLarge(qint64 maxBytes)
{
    return QStringLiteral("ファイルが大きすぎます（%1 MB までしか読み込めません）。")
        .arg(maxBytes / (qint64(1024) * 1024));
}

UserMessage nothingToUndo()
{
    return {QStringLiteral("本数字データを元に戻す"), QStringLiteral("元に戻せる本数字データの変更はありません。")};
}

UserMessage backupFolderUnreadable(const QString& path, const QString& reason)
{
    return {QStringLiteral("元に戻す"),
            QStringLiteral("バックアップフォルダを読み取れません。データは変更されていません。\n\n%1\n\n%2")
                .arg(path, reason)};
}

UserMessage backupUnreadable(const QString& path, const QString& reason)
{
    return {QStringLiteral("元に戻す"),
            QStringLiteral("バックアップファイルを読み込めません。データは変更されていません。\n\n%1\n\n%2")
                .arg(path, reason)};
}

QString reasonBackupLine(int line, const QString& reason)
{
    return QStringLiteral("%1 行目が正しくありません。%2").arg(line).arg(reason);
}

QString reasonBackupCount(int named, int held)
{
    return QStringLiteral("ファイル名では第 %1 回までのデータですが、中身は第 %2 回までです。").arg(named).arg(held);
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
    return {
        kApplicationCaption,
        QStringLiteral(
            "クリップボードにコピーされているデータは現在登録されている過去データファイルよりも古いと思われます。\n\n"
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
    return {
        kApplicationCaption,
        QStringLiteral(
            "現在の過去データファイルをクリップボードにコピーされているデータで上書きします。\n\nよろしいですか？")};
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

UserMessage importFileEmpty(const QString& path)
{
    return {kImportFileCaption, QStringLiteral("ファイルが空です。\n\n%1\n\n%2").arg(path, kImportFileHint)};
}

UserMessage importFileWrongTag(const QString& path)
{
    return {
        kImportFileCaption,
        QStringLiteral(
            "ファイルが \"本数字データ\" の形式ではありません（１行目が \"d01*\" で始まっていません）。\n\n%1\n\n%2")
            .arg(path, kImportFileHint)};
}

UserMessage importFileOlder(const QString& path)
{
    return {kApplicationCaption,
            QStringLiteral("ファイルのデータは現在登録されている過去データファイルよりも古いと思われます。\n\n%1\n\n"
                           "確認してください。\n\n＊＊＊　上書き処理はしません！！　＊＊＊")
                .arg(path)};
}

UserMessage importFileMalformed(const QString& path, int line, const QString& reason)
{
    return {kImportFileCaption, QStringLiteral("ファイルの %1 行目が正しくありません。\n\n%2\n\n%3\n\n%4")
                                    .arg(line)
                                    .arg(reason, path, kImportFileHint)};
}

UserMessage importFileTooLarge(const QString& path, int maxDraws)
{
    return {kImportFileCaption,
            QStringLiteral("ファイルのデータが大きすぎます。過去データは第 %1 回までしか登録できません。\n\n%2\n\n%3")
                .arg(maxDraws)
                .arg(path, kImportFileHint)};
}

UserMessage importFileDrawNotSixNumbers(const QString& path, int draw, int found)
{
    return {kImportFileCaption,
            QStringLiteral("ファイルの第 %1 回の本数字が６個ではありません（%2 個あります）。\n\n%3\n\n%4")
                .arg(draw)
                .arg(found)
                .arg(path, kImportFileHint)};
}

UserMessage installFolderFailed(const QString& path, const QString& reason)
{
    return {QStringLiteral("データフォルダの準備に失敗しました。"),
            QStringLiteral("データフォルダを作成できませんでした。\n\n%1\n\n%2").arg(path, reason)};
}

QString reasonNoSample(const QString& sampleFolder)
{
    return QStringLiteral("同梱のサンプルデータが見つかりません。\n%1").arg(sampleFolder);
}

UserMessage interruptedChangeFailed(const QString& path, const QString& reason)
{
    return {
        kHistoryCaption,
        QStringLiteral("前回中断したデータの変更を仕上げられませんでした。データフォルダを確かめて下さい。\n\n%1\n\n%2")
            .arg(path, reason)};
}

UserMessage interruptedChangeLeft(const QString& folder)
{
    return {kHistoryCaption,
            QStringLiteral("前回中断したデータの変更が残っていますが、今は仕上げられません。表示は中断前のファイルの"
                           "ままです。\n\n%1\n\nデータを変更できる状態でもう一度開くと、変更前か変更後のどちらかに"
                           "そろえます。")
                .arg(folder)};
}

UserMessage journalSetAside(const QString& path, const QString& reason)
{
    return {kHistoryCaption,
            QStringLiteral("前回中断したデータの変更は、記録どおりに仕上げられないため、何も変えずに記録を次の名前で"
                           "残しました。\n\n%1\n\n%2\n\n過去データと予想データが正しいか確かめて下さい。以前の"
                           "内容は Backup フォルダにあります。確かめた後は、このファイルを削除してかまいません。")
                .arg(path, reason)};
}

QString reasonJournalDamaged()
{
    return QStringLiteral("記録が壊れているか、データフォルダの外のファイルを指しています。");
}

QString reasonJournalOverChangedFiles()
{
    return QStringLiteral("記録の後で、記録にあるファイルが書き換えられています。");
}

UserMessage changeLeftUnsettled(const QString& path, const QString& reason)
{
    return {kHistoryCaption,
            QStringLiteral("ファイルに書き込めず、変更前に戻すこともできませんでした。次に開くときに、変更前か"
                           "変更後のどちらかにそろえます。\n\n%1\n\n%2")
                .arg(path, reason)};
}

QString waitingForOtherProgram(const QString& path)
{
    return QStringLiteral("他のプログラムが過去データを使い終えるのを待っています…\n%1").arg(path);
}

QString exampleHistoryNote()
{
    return QStringLiteral("見本データ（乱数で作った例です。本当の抽せん結果ではありません）");
}

} // namespace StoreText
