#pragma once

#include <QDateTime>
#include <QString>

/** Texts of the file list in the program's file dialogs, in Japanese whatever the desktop's language. */
namespace FileListText {

/** The column headings: name, size, type, date modified (0 … 3). */
QString columnHeading(int column);

/** The type of a folder, and of a file by its suffix (none for a file without one). */
QString folderType();
QString fileType(const QString& suffix);

/** When a file was last changed, as "2026/12/07 17:40". */
QString modifiedAt(const QDateTime& time);

} // namespace FileListText
