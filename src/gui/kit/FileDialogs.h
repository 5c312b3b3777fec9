#pragma once

class QFileDialog;

/**
 * The program's file dialogs: Qt's own dialog, which takes the program's labels, with the file list in
 * Japanese whatever the desktop's language (types and dates as well as the headings), its columns as wide
 * as what they show, and a size that leaves room for them.
 */
namespace FileDialogs {

enum class Listing { AllFiles, ProgramsOnly };

void prepare(QFileDialog& dialog, Listing listing);

} // namespace FileDialogs
