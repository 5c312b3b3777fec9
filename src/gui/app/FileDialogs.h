#pragma once

#include <QString>

#include <optional>

class QWidget;

/**
 * The file dialogs of the program's CSV files: Qt's own dialog with the Japanese labels, starting
 * in the home folder. Replacing a file is asked through the program's messages, not here.
 */
namespace FileDialogs {

/** A CSV file to write, suggested by name; nothing when the user cancels. */
std::optional<QString> csvToSave(QWidget* owner, const QString& title, const QString& suggestedName);
/** An existing CSV file to read; nothing when the user cancels. */
std::optional<QString> csvToOpen(QWidget* owner, const QString& title);

} // namespace FileDialogs
