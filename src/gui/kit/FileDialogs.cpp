#include "gui/kit/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include "core/exchange/CsvTable.h"
#include "core/text/ExchangeText.h"
#include "gui/kit/FileListText.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ScreenScale.h"

namespace {

enum Column { Name, Size, Type, Modified };

// Qt's file model names types and dates in the desktop's language, and its Japanese translation lacks
// some of them; the program says them itself.
class JapaneseFileList : public QSortFilterProxyModel {
public:
    JapaneseFileList(FileDialogs::Listing listing, QObject* parent)
        : QSortFilterProxyModel(parent), m_programsOnly(listing == FileDialogs::Listing::ProgramsOnly)
    {
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section <= Modified)
            return FileListText::columnHeading(section);
        return QSortFilterProxyModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const QFileSystemModel* files = fileModel();
        if (!files || role != Qt::DisplayRole || (index.column() != Type && index.column() != Modified))
            return QSortFilterProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        if (index.column() == Modified)
            return FileListText::modifiedAt(info.lastModified());
        return info.isDir() ? FileListText::folderType() : FileListText::fileType(info.suffix());
    }

protected:
    // Folders and programs only: QDir::Executable would do it, but Qt's file model then lists nothing at all.
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const QFileSystemModel* files = fileModel();
        if (!m_programsOnly || !files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    const QFileSystemModel* fileModel() const { return qobject_cast<const QFileSystemModel*>(sourceModel()); }

    bool m_programsOnly;
};

} // namespace

void FileDialogs::prepare(QFileDialog& dialog, Listing listing)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new JapaneseFileList(listing, &dialog));
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(Name, QHeaderView::Stretch);
        for (const int column : {Size, Type, Modified})
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    // The list's font does not grow with the screen, so neither does the room its four columns need.
    const QSize screen(ScreenScale::width(), ScreenScale::height());
    dialog.resize(dialog.sizeHint().expandedTo(QSize(680, 440)).boundedTo(screen));
}

namespace {

std::optional<QString> chooseCsv(QWidget* owner, const QString& title, bool saving, const QString& suggestedName)
{
    QFileDialog dialog(owner, title);
    FileDialogs::prepare(dialog, FileDialogs::Listing::AllFiles);
    // The replace question comes from the program's messages.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
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
    if (MessageService::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> FileDialogs::csvToSave(QWidget* owner, const InstallPaths& installation, const QString& title,
                                              const QString& suggestedName)
{
    std::optional<QString> path = chooseCsv(owner, title, true, suggestedName);
    if (!path)
        return std::nullopt;
    if (const Status refused = CsvTable::checkTarget(installation, *path)) {
        MessageService::show(*refused, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return std::nullopt;
    }
    if (QFileInfo::exists(*path) && !MessageService::confirm(ExchangeText::confirmReplaceFile(*path)))
        return std::nullopt;
    return path;
}

std::optional<QString> FileDialogs::csvToOpen(QWidget* owner, const QString& title)
{
    return chooseCsv(owner, title, false, QString());
}
