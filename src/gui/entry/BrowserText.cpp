#include "gui/entry/BrowserText.h"

#include <QFileInfo>

namespace BrowserText {
namespace {

QString withExplanation(const QString& sentence, int result)
{
    return sentence + QStringLiteral("\n\n理由：") + shellOpenExplanation(result);
}

QString cannotStart(const QString& browserPath)
{
    return QStringLiteral(
               "登録されているブラウザを起動できません。見つからないか、実行できないファイルです。\n\n%1\n\n")
        .arg(browserPath);
}

const QString kStartFailedCaption = QStringLiteral("ブラウザを起動できません");
const QString kStartFailed = QStringLiteral("・・・ ブラウザの起動に失敗しました！！ ・・・");
const QString kRegisterAgain =
    QStringLiteral("メニューの\"設定\"から\"ブラウザの設定\"を選んで、このパソコンで動くブラウザを登録して下さい。");

const QString kOpenablePages = QStringLiteral("ブラウザで開けるのは、\"http://\" か \"https://\" で始まるアドレスか、"
                                              "インストールフォルダの中のページだけです。");

} // namespace

UserMessage startFailed(const QString& description)
{
    return {kStartFailedCaption,
            kStartFailed + QStringLiteral("\n\n") + description + QStringLiteral("。\n\n") + kRegisterAgain};
}

UserMessage browserEnded(const QString& program, bool exited, int status)
{
    QString happened;
    QString advice = kRegisterAgain;
    if (QFileInfo(program).fileName() == QLatin1String("xdg-open")) {
        switch (exited ? status : -1) {
        case 2:
            happened = QStringLiteral("開くページが見つかりませんでした。");
            break;
        case 3:
            happened = QStringLiteral("デスクトップに、ページを開くブラウザが設定されていません。");
            advice = QStringLiteral("このパソコンにブラウザを入れて、デスクトップで標準のブラウザにするか、\n")
                     + kRegisterAgain;
            break;
        case 4:
            happened = QStringLiteral("デスクトップで標準のブラウザが、ページを開けませんでした。");
            break;
        default:
            happened = QStringLiteral("デスクトップの、ページを開く仕組み（xdg-open）が失敗しました（終了コード %1）。")
                           .arg(status);
        }
    } else if (exited) {
        happened =
            QStringLiteral("ブラウザ「%1」が、起動してすぐに終了しました（終了コード %2）。").arg(program).arg(status);
    } else {
        happened = QStringLiteral("ブラウザ「%1」が、起動してすぐに異常終了しました（シグナル %2）。")
                       .arg(program)
                       .arg(status);
    }
    return {QStringLiteral("ブラウザが開きませんでした"),
            kStartFailed + QStringLiteral("\n\n") + happened + QStringLiteral("\n\n") + advice};
}

QString notExecutable(const QString& path)
{
    return QStringLiteral("ブラウザ「%1」を起動できません。見つからないか、実行できないファイルです").arg(path);
}

UserMessage notRegistered()
{
    return {QStringLiteral("ブラウザが登録されていません。！！"),
            QStringLiteral("このソフトにはホームページにリンクするためのブラウザの登録が必要です。\n\n"
                           "メニューの\"ファイル\"から\"ブラウザの設定\"を選んで、\n"
                           "インターネット接続のためのブラウザを登録してください。")};
}

UserMessage windowsBrowser(const QString& browserPath)
{
    return {QStringLiteral("ブラウザを登録し直して下さい。"),
            QStringLiteral("登録されているブラウザはWindowsのプログラムです。このパソコンでは起動できません。\n\n%1\n\n"
                           "メニューの\"設定\"から\"ブラウザの設定\"を選んで、\n"
                           "このパソコンのブラウザを登録して下さい。")
                .arg(browserPath)};
}

UserMessage browserMissing(const QString& browserPath)
{
    return {QStringLiteral("ブラウザを登録し直して下さい。"),
            cannotStart(browserPath)
                + QStringLiteral(
                    "メニューの\"設定\"から\"ブラウザの設定\"を選んで、\nこのパソコンのブラウザを登録して下さい。")};
}

UserMessage offerDesktopBrowser(const QString& browserPath)
{
    return {QStringLiteral("ブラウザを起動できません。"),
            cannotStart(browserPath)
                + QStringLiteral(
                    "今回は、デスクトップで標準のブラウザでページを開きますか？\n\n"
                    "（メニューの\"設定\"から\"ブラウザの設定\"を選ぶと、このパソコンのブラウザを登録できます。）")};
}

QString shellOpenExplanation(int result)
{
    switch (result) {
    case 0:
        return QStringLiteral("メモリかシステムの資源が足りません。");
    case 2:
        return QStringLiteral("指定したファイルが見つかりません。");
    case 3:
        return QStringLiteral("指定したフォルダが見つかりません。");
    case 5:
        return QStringLiteral("指定したファイルを読む権限がありません。");
    case 8:
        return QStringLiteral("メモリが足りず、最後まで実行できませんでした。");
    case 11:
        return QStringLiteral("このパソコンで実行できるプログラムではありません。");
    case 26:
        return QStringLiteral("ほかのプログラムが使用中のため開けません。");
    case 27:
        return QStringLiteral("このファイルを開くアプリケーションの設定が正しくありません。");
    case 28:
        return QStringLiteral("応答がなく、時間切れになりました。");
    case 29:
        return QStringLiteral("開く処理に失敗しました。");
    case 30:
        return QStringLiteral("ほかの処理の途中のため、開けませんでした。");
    case 31:
        return QStringLiteral("このファイルを開くアプリケーションが決まっていません。");
    case 32:
        return QStringLiteral("実行に必要なライブラリが見つかりません。");
    default:
        return QString();
    }
}

UserMessage browserRegistrationFailed(int result)
{
    return {QStringLiteral("ブラウザの設定に失敗しました！"),
            withExplanation(QStringLiteral("ブラウザの登録に失敗しました。もう一度、最初から操作し直して下さい。"),
                            result)};
}

UserMessage homePageRegistrationFailed(int result)
{
    return {QStringLiteral("ホームページの設定に失敗しました！"),
            withExplanation(QStringLiteral("ホームページの登録に失敗しました。もう一度、最初から操作し直して下さい。"),
                            result)};
}

QString browserDialogTitle()
{
    return QStringLiteral("ブラウザの設定");
}

QString browserDialogFilter()
{
    return QStringLiteral("実行ファイル (*)");
}

QString browserDialogAccept()
{
    return QStringLiteral("決　　定");
}

QString browserDialogReject()
{
    return QStringLiteral("キャンセル");
}

UserMessage confirmBrowser(const QString& path)
{
    return {QStringLiteral("ブラウザの登録の確認"),
            QStringLiteral("新たに登録するブラウザのパスは\n") + path
                + QStringLiteral("\nです。\n\n  このブラウザでよろしいですか？")};
}

UserMessage confirmHomePage()
{
    return {QStringLiteral("ホームページアドレスの登録の確認"),
            QStringLiteral("登録するホームページが今開いているページでよければ \" O K ボタン \"を押して下さい。\n\n"
                           "やり直しする場合は\" キャンセルボタン \"を押して最初から操作し直して下さい。")};
}

UserMessage noBrowserPathCopied()
{
    return {QStringLiteral("クリップボードにデータが入っていません。"),
            QStringLiteral("クリップボードにブラウザのパスがコピーがされていません。"
                           "登録するブラウザのパスをコピー＆貼り付けして下さい。")};
}

UserMessage noHomePageCopied()
{
    return {QStringLiteral("クリップボードにデータが入っていません。"),
            QStringLiteral("クリップボードにURLのコピーがされていません。"
                           "登録するホームページのURLをコピー＆貼り付けして下さい。")};
}

UserMessage pageRefused(const QString& address)
{
    return {QStringLiteral("ホームページを開けません。"),
            QStringLiteral("このアドレスはブラウザに渡せません。\n\n%1\n\n%2").arg(address, kOpenablePages)};
}

UserMessage homePageRefused(const QString& address)
{
    return {QStringLiteral("ホームページの設定に失敗しました！"),
            QStringLiteral("このアドレスはホームページとして登録できません。\n\n%1\n\n%2\n\n設定は変更されていません。")
                .arg(address, kOpenablePages)};
}

UserMessage clipboardNotOneLine()
{
    return {QStringLiteral("クリップボードのデータが正しくありません。"),
            QStringLiteral("クリップボードには1行のパスかURLだけをコピーして下さい。\n\n設定は変更されていません。")};
}

} // namespace BrowserText
