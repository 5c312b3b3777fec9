#include "entry/BrowserText.h"

namespace BrowserText {
namespace {

QString withExplanation(const QString& sentence, int result)
{
    return sentence + QStringLiteral("\n\n\"") + shellOpenExplanation(result) + QLatin1Char('"');
}

QString cannotStart(const QString& browserPath)
{
    return QStringLiteral(
               "登録されているブラウザを起動できません。見つからないか、実行できないファイルです。\n\n%1\n\n")
        .arg(browserPath);
}

const QString kOpenablePages = QStringLiteral("ブラウザで開けるのは、\"http://\" か \"https://\" で始まるアドレスか、"
                                              "インストールフォルダの中のページだけです。");

} // namespace

UserMessage startFailed(const QString& description)
{
    return {description, QStringLiteral("・・・ ブラウザの起動に失敗しました！！ ・・・")};
}

QString notExecutable(const QString& path)
{
    return QStringLiteral("ブラウザ「%1」を起動できません").arg(path);
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
        return QStringLiteral("The operating system is out of memory or resources.");
    case 2:
        return QStringLiteral("The specified file was not found.");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 5:
        return QStringLiteral("The operating system denied access to the specified file.");
    case 8:
        return QStringLiteral("There was not enough memory to complete the operation.");
    case 11:
        return QStringLiteral("The .exe file is invalid (non-Win32R .exe or error in .exe image).");
    case 26:
        return QStringLiteral("A sharing violation occurred.");
    case 27:
        return QStringLiteral("The file name association is incomplete or invalid.");
    case 28:
        return QStringLiteral("The DDE transaction could not be completed because the request timed out.");
    case 29:
        return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral(
            "The DDE transaction could not be completed because other DDE transactions were being processed.");
    case 31:
        return QStringLiteral("There is no application associated with the given file name extension.");
    case 32:
        return QStringLiteral("The specified dynamic-link library was not found.");
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
