#include "core/text/EntryText.h"

#include <cstdlib>

namespace EntryText {
namespace {

const QString kResultCaption = QStringLiteral("抽選結果（当選ナンバー）");
const QString kAverageCaption = QStringLiteral("平均値・σ値の計算結果より");
const QString kNotSixText = QStringLiteral("予想データ数が６個ではありません。６個の数字を選んで下さい。");
const QString kDrawRangeCaption = QStringLiteral("回数が予想範囲にありません！！");
const QString kRegistrantCaption = QStringLiteral("登録者名の新規・更新");
const QString kPathDataCaption = QStringLiteral("ブラウザ・ホームページの設定");

} // namespace

QString missingResult()
{
    return QStringLiteral("--、--、--、--、--、--");
}

QString missingPrediction()
{
    return QStringLiteral("xx. xx. xx. xx. xx. xx");
}

QString predictionLabel(int number)
{
    return QStringLiteral("予想 ") + QString::number(number);
}

QString statistic(double value)
{
    // The runtime's _gcvt: the exponent form below 0.1 and from 10^5 on, with a three-digit
    // exponent; otherwise the fixed form. Trailing zeros go, the decimal point stays.
    constexpr int kDigits = 5;
    const int magnitude = value == 0 ? -1 : QString::number(value, 'e', 16).section(QLatin1Char('e'), 1).toInt();
    if (magnitude >= -1 && magnitude < kDigits) {
        const int decimals = kDigits - 1 - magnitude;
        QString text = QString::number(value, 'f', decimals);
        if (decimals == 0)
            return text + QLatin1Char('.');
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        return text;
    }
    const QString scientific = QString::number(value, 'e', kDigits - 1);
    QString mantissa = scientific.section(QLatin1Char('e'), 0, 0);
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    const int exponent = scientific.section(QLatin1Char('e'), 1).toInt();
    return mantissa + (exponent < 0 ? QStringLiteral("e-") : QStringLiteral("e+"))
           + QStringLiteral("%1").arg(std::abs(exponent), 3, 10, QLatin1Char('0'));
}

QString selectionStatistics(float average, double sigma)
{
    return QStringLiteral("【 平 均 】 ") + statistic(average) + QStringLiteral("    【 σ 値 】 ") + statistic(sigma);
}

QString historyStatistics(float mean, double sigma)
{
    return QStringLiteral("≪平均≫ ") + statistic(mean) + QStringLiteral("    ≪σ値≫ ") + statistic(sigma);
}

UserMessage predictionNotSixNumbers()
{
    return {kResultCaption, kNotSixText};
}

UserMessage averageNotSixNumbers()
{
    return {kAverageCaption, kNotSixText};
}

UserMessage averageDrawNotSixNumbers(int draw, int found)
{
    const QString count =
        found > 6 ? QStringLiteral("%1個以上です。").arg(found) : QStringLiteral("%1個です。").arg(found);
    return {kAverageCaption, QStringLiteral("第%1回のデータが６個ではありません。データは").arg(draw) + count};
}

UserMessage predictionDrawTooLarge()
{
    return {kDrawRangeCaption,
            QStringLiteral("予想できる範囲は最終抽選ナンバーの次の回までです。予想回数を変更してください。")};
}

UserMessage predictionDrawTooSmall(int largestDraw)
{
    return {kDrawRangeCaption,
            QStringLiteral("予想回数は第 1 回から第 %1 回までの数字で入力して下さい。").arg(largestDraw)};
}

UserMessage predictionsFull(int draw, int maxPredictions)
{
    return {QStringLiteral("予想データが一杯です！！"),
            QStringLiteral("第 %1 回の予想データは %2 個まで入力できます。これ以上は入力できません。")
                .arg(draw)
                .arg(maxPredictions)};
}

UserMessage ticketsPassTheLimit(int draw, int tickets, int room)
{
    return {QStringLiteral("予想データが一杯です！！"),
            QStringLiteral("第 %1 回の予想データは、あと %2 個しか入力できません。%3 口の買い目は登録できません。"
                           "\n\n予想データは何も変えていません。")
                .arg(draw)
                .arg(room)
                .arg(tickets)};
}

UserMessage nothingToDelete()
{
    return {QStringLiteral("予想データファイルが存在しません。"), QStringLiteral("消去するデータがありません！！")};
}

UserMessage noMatchingPrediction()
{
    return {QStringLiteral("＊＊　消去できませんでした。＊＊"),
            QStringLiteral("該当するデータがありません！！消去するデータを確認してください。")};
}

QString registrantDialogTitle()
{
    return QStringLiteral("　登録者名の新規・更新");
}

QString registrantDialogInstructions()
{
    return QStringLiteral(
        "”予想データファイル”を管理するための登録者名を新規作成または更新します。（半角10文字、全角5文字まで）\n"
        "最大５名まで登録できます。カラー枠に合わせて場所を選んで下さい。");
}

QString registrantOkButton()
{
    return QStringLiteral("O    K");
}

QString registrantCancelButton()
{
    return QStringLiteral("ｷ ｬ ﾝ ｾ ﾙ");
}

UserMessage confirmRemoveRegistrant()
{
    return {QStringLiteral("  *** データ消去の確認  ***"),
            QStringLiteral("登録者名を更新しますとこの登録者名に保存されていた予想データが完全に消去されます。\n\n"
                           "その上で新たな登録者名で予想データファイルが作成されます。\n\n"
                           "今までのデータを消去して新しいファイルを作成しますか？")};
}

UserMessage registrantNameEmpty()
{
    return {kRegistrantCaption, QStringLiteral("登録者名が入力されていません。登録者名を入力して下さい。")};
}

UserMessage registrantNameBlank()
{
    return {kRegistrantCaption, QStringLiteral("登録者名が空白だけです。文字を入れた登録者名を入力して下さい。")};
}

UserMessage registrantNameTooLong(const QString& name)
{
    return {kRegistrantCaption,
            QStringLiteral("登録者名「%1」が長すぎます。登録者名は半角10文字、全角5文字までです。").arg(name)};
}

UserMessage registrantNameUnsafe(const QString& name)
{
    return {kRegistrantCaption,
            QStringLiteral(
                "登録者名「%1」には使えない文字が含まれています。\n\n"
                "\"/\" や制御文字、シフトJISで書けない文字は使えません。\".\" と \"..\" も登録者名にできません。")
                .arg(name)};
}

UserMessage registrantNotRegistered(int slot)
{
    return {kRegistrantCaption,
            QStringLiteral("登録者 %1 は登録されていません。先に登録者名を登録して下さい。").arg(slot)};
}

UserMessage registrantFileExists(const QString& path)
{
    return {
        kRegistrantCaption,
        QStringLiteral("同じ名前の予想データファイルが既にあります。登録者名は変更されていません。\n\n%1").arg(path)};
}

UserMessage nothingToUndo(const QString& fileName)
{
    return {kRegistrantCaption, QStringLiteral("%1 には元に戻せる変更がありません。").arg(fileName)};
}

UserMessage registrantFileFailed(const QString& path, const QString& reason)
{
    return {kRegistrantCaption,
            QStringLiteral("予想データファイルを操作できませんでした。登録者名は変更されていません。\n\n%1\n\n%2")
                .arg(path, reason)};
}

UserMessage pathDataUnstorable()
{
    return {kPathDataCaption,
            QStringLiteral("ブラウザのパスに \">URL[\" や NUL 文字、ホームページのアドレスに NUL 文字は使えません。\n\n"
                           "設定は変更されていません。")};
}

UserMessage pathDataWriteFailed(const QString& path, const QString& reason)
{
    return {
        kPathDataCaption,
        QStringLiteral("設定ファイルに書き込めませんでした。設定は変更されていません。\n\n%1\n\n%2").arg(path, reason)};
}

QString numberCardTitle()
{
    return QStringLiteral("VEMO6");
}

QString numberCardCount(int ticked)
{
    return QStringLiteral("〔選択数〕 ") + QString::number(ticked);
}

QString numberCardHandOverHelp()
{
    return QStringLiteral("このダイアログを閉じて”データ入力および平均値計算”ダイアログを表示します。\n"
                          "この時、本数字を ６個 選択していると”平均およびσ値”の計算をして表示します。");
}

QString numberCardClearHelp()
{
    return QStringLiteral("すべてのチェックを外します。");
}

QString numberCardBoxHelp(int number)
{
    return QStringLiteral("IDC_yosoNo") + QString::number(number);
}

QString registrantNameHelp(int slot)
{
    return QStringLiteral("EditTorokuName") + QString::number(slot);
}

QString registrantSlotHelp(int slot)
{
    return QStringLiteral("RadioYDFile") + QString::number(slot);
}

QString dataEntryTitle()
{
    return QStringLiteral("          デ ー タ 入 力 お よ び 平 均 値 計 算");
}

QString numberBoxCaption(int number)
{
    return QStringLiteral("%1").arg(number, 2);
}

QString registrantButtonCaption(int slot)
{
    // The slot's digit is a full-width one.
    return QStringLiteral("登録者名") + QChar(0xFF10 + slot);
}

QString registrantRadioCaption(int slot)
{
    return QStringLiteral("r%1").arg(slot);
}

QString appendCaption()
{
    return QStringLiteral("データ入力");
}

QString averageCaption()
{
    return QStringLiteral("平均σ値");
}

QString numberCardCaption()
{
    return QStringLiteral("ヴェ モカード");
}

QString homePageCaption()
{
    return QStringLiteral("宝くじHP");
}

QString dataEntryOkCaption()
{
    return QStringLiteral("OK");
}

QString dataEntryCancelCaption()
{
    return QStringLiteral("ｷｬﾝｾﾙ");
}

QString dataEntryPictureLabel(int pictureId)
{
    switch (pictureId) {
    case 148:
        return QStringLiteral("最終回消去");
    case 149:
        return QStringLiteral("データ修正");
    case 335:
        return QStringLiteral("予想消去");
    default:
        return {};
    }
}

QString historyEditGroup()
{
    return QStringLiteral("本数字のデータ処理");
}

QString predictionEntryGroup()
{
    return QStringLiteral("予想データの入力");
}

QString resultsGroup()
{
    return QStringLiteral("結果と予想および予想データの消去");
}

QString historyStatisticsGroup()
{
    return QStringLiteral("過去データ集計");
}

QString selectionStatisticsGroup()
{
    return QStringLiteral("予想データ計算");
}

QString drawLabelBefore()
{
    return QStringLiteral("第");
}

QString drawLabelAfter()
{
    return QStringLiteral("回");
}

QString resultLabel()
{
    return QStringLiteral("結果");
}

QString averageLabel()
{
    return QStringLiteral("【 平 均 】");
}

QString sigmaLabel()
{
    return QStringLiteral("【 σ 値 】");
}

QString appendHelp()
{
    return QStringLiteral("BtnNyuryokuData");
}

QString averageHelp()
{
    return QStringLiteral("平均値を計算します。");
}

QString deleteLastHelp()
{
    return QStringLiteral("dataSyokyo");
}

QString modifyHelp()
{
    return QStringLiteral("dataSyusei");
}

QString numberCardButtonHelp()
{
    return QStringLiteral("ヴェモカードを表示します。");
}

QString firstRegistrantButtonHelp()
{
    return QStringLiteral("BtnNyuryokuYoso1");
}

QString drawSpinHelp()
{
    return QStringLiteral("SPINdataHyoji");
}

QString registrantRadioHelp(int slot)
{
    return QStringLiteral("radioYDH%1").arg(slot);
}

} // namespace EntryText
