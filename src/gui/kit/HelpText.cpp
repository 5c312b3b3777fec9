#include "gui/kit/HelpText.h"

namespace HelpText {

QString windowTitle()
{
    return QStringLiteral("ヌルガタ ヘルプ");
}

QString contentsButton()
{
    return QStringLiteral("目　次");
}

QString backButton()
{
    return QStringLiteral("◀ 戻る");
}

QString forwardButton()
{
    return QStringLiteral("進む ▶");
}

QString closeButton()
{
    return QStringLiteral("閉じる");
}

QString cancelButtonPopup()
{
    return QStringLiteral("ダイアログを終了します。");
}

QString okButtonPopup()
{
    return QStringLiteral("IDOK");
}

UserMessage manualMissing(const QString& path)
{
    return {QStringLiteral("ヘルプを表示できません"),
            QStringLiteral("ヘルプファイルが見つかりません。\n\n%1\n\n"
                           "インストールフォルダの Help フォルダにヘルプファイルがあるか確認して下さい。")
                .arg(path)};
}

} // namespace HelpText
