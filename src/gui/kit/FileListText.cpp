#include "gui/kit/FileListText.h"

#include <QLocale>

namespace FileListText {

QString columnHeading(int column)
{
    switch (column) {
    case 0:
        return QStringLiteral("名前");
    case 1:
        return QStringLiteral("サイズ");
    case 2:
        return QStringLiteral("種類");
    case 3:
        return QStringLiteral("更新日時");
    default:
        return QString();
    }
}

QString folderType()
{
    return QStringLiteral("フォルダー");
}

QString fileType(const QString& suffix)
{
    return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix.toUpper() + QStringLiteral(" ファイル");
}

QString modifiedAt(const QDateTime& time)
{
    return QLocale(QLocale::Japanese, QLocale::Japan).toString(time, QStringLiteral("yyyy/MM/dd HH:mm"));
}

} // namespace FileListText
