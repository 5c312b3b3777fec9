#pragma once

#include <QString>

#include <optional>

class InstallPaths;
class QFileDialog;
class QWidget;

/**
 * The program's file dialogs: Qt's own dialog, which takes the program's labels, with the file list in
 * Japanese whatever the desktop's language (types and dates as well as the headings), its columns as wide
 * as what they show, and a size that leaves room for them.
 */
namespace FileDialogs {

enum class Listing { AllFiles, ProgramsOnly };

void prepare(QFileDialog& dialog, Listing listing);

/**
 * A CSV file to write, suggested by name, starting in the home folder. One in the installation folder is
 * refused with the program's message, and one already there is replaced only when the user agrees;
 * nothing then, or when the user cancels.
 */
std::optional<QString> csvToSave(QWidget* owner, const InstallPaths& installation, const QString& title,
                                 const QString& suggestedName);
/** An existing CSV file to read, starting in the home folder; nothing when the user cancels. */
std::optional<QString> csvToOpen(QWidget* owner, const QString& title);

} // namespace FileDialogs
