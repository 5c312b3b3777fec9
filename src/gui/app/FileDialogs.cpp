#include "app/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include "text/ExchangeText.h"

namespace FileDialogs {
namespace {

std::optional<QString> chooseCsv(QWidget* owner, const QString& title, bool saving, const QString& suggestedName)
{
    QFileDialog dialog(owner, title);
    // Qt's own dialog takes the Japanese labels; the replace question comes from the program's messages.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(ExchangeText::fileFilter());
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(QDir::homePath());
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    dialog.setLabelText(QFileDialog::LookIn, ExchangeText::dialogLookIn());
    dialog.setLabelText(QFileDialog::FileName, ExchangeText::dialogFileName());
    dialog.setLabelText(QFileDialog::FileType, ExchangeText::dialogFileType());
    dialog.setLabelText(QFileDialog::Accept, ExchangeText::dialogAccept());
    dialog.setLabelText(QFileDialog::Reject, ExchangeText::dialogReject());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> csvToSave(QWidget* owner, const QString& title, const QString& suggestedName)
{
    return chooseCsv(owner, title, true, suggestedName);
}

std::optional<QString> csvToOpen(QWidget* owner, const QString& title)
{
    return chooseCsv(owner, title, false, QString());
}

} // namespace FileDialogs
