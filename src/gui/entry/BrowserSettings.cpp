#include "gui/entry/BrowserSettings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "core/store/PageAddress.h"
#include "core/store/PathSettings.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserService.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/ClipboardText.h"
#include "gui/kit/FileDialogs.h"
#include "gui/kit/MessageService.h"

namespace {

const QString kProgramFolder = QStringLiteral("/usr/bin");

} // namespace

BrowserSettings::BrowserSettings(CVemoDoc& doc, QWidget* owner) : m_doc(doc), m_owner(owner)
{
}

void BrowserSettings::chooseBrowserByDialog()
{
    if (const std::optional<QString> path = browserPathFromDialog())
        registerBrowser(*path);
}

void BrowserSettings::chooseBrowserFromClipboard()
{
    if (const std::optional<QString> path = takeClipboardLine(BrowserText::noBrowserPathCopied()))
        registerBrowser(*path);
}

void BrowserSettings::setHomePageFromClipboard()
{
    const std::optional<QString> address = takeClipboardLine(BrowserText::noHomePageCopied());
    if (!address)
        return;
    const std::optional<QString> page = PageAddress::forBrowser(*address, m_doc.paths());
    if (!page) {
        MessageService::show(BrowserText::homePageRefused(*address), MessageService::Buttons::Ok,
                             MessageService::Icon::Exclamation);
        return;
    }
    if (!tryOpen(*page, &BrowserText::homePageRegistrationFailed))
        return;
    if (MessageService::show(BrowserText::confirmHomePage(), MessageService::Buttons::OkCancel,
                             MessageService::Icon::Question)
        != MessageService::Answer::Ok)
        return;
    if (store({m_doc.pathSettings().browserPath, *address}))
        BrowserService::closeTestBrowser();
}

std::optional<QString> BrowserSettings::browserPathFromDialog() const
{
    QFileDialog dialog(m_owner, BrowserText::browserDialogTitle());
    FileDialogs::prepare(dialog, FileDialogs::Listing::ProgramsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(BrowserText::browserDialogFilter());
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::NoDot);
    dialog.setLabelText(QFileDialog::Accept, BrowserText::browserDialogAccept());
    dialog.setLabelText(QFileDialog::Reject, BrowserText::browserDialogReject());
    const QFileInfo registered(m_doc.pathSettings().browserPath);
    dialog.setDirectory(registered.isFile() ? registered.absolutePath() : kProgramFolder);
    const QRect screen = (m_owner ? m_owner->screen() : QGuiApplication::primaryScreen())->geometry();
    dialog.move(screen.x() + (screen.width() - dialog.width()) / 2,
                screen.y() + (screen.height() - dialog.height()) / 2);
    if (MessageService::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> BrowserSettings::takeClipboardLine(const UserMessage& whenEmpty)
{
    const std::optional<QString> taken = ClipboardText::take(whenEmpty);
    if (!taken)
        return std::nullopt;
    const QString text = taken->trimmed();
    // A copied paragraph is no path or address, and a line break could not be stored.
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        MessageService::show(BrowserText::clipboardNotOneLine(), MessageService::Buttons::Ok,
                             MessageService::Icon::Exclamation);
        return std::nullopt;
    }
    return text;
}

bool BrowserSettings::tryOpen(const QString& text, UserMessage (*failure)(int result))
{
    const int result = BrowserService::shellOpen(text);
    if (BrowserService::opened(result))
        return true;
    MessageService::show(failure(result), MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
    return false;
}

void BrowserSettings::registerBrowser(const QString& path)
{
    if (!tryOpen(path, &BrowserText::browserRegistrationFailed))
        return;
    if (MessageService::show(BrowserText::confirmBrowser(path), MessageService::Buttons::YesNo,
                             MessageService::Icon::Question)
        != MessageService::Answer::Yes)
        return;
    // The address is kept as the file has it, whatever this run holds.
    const PathSettings inFile = PathSettings::loadPathSettings(m_doc.paths().pathDataFile());
    if (store({path, inFile.homePageUrl}))
        BrowserService::closeTestBrowser();
}

bool BrowserSettings::store(const PathSettings& settings)
{
    if (const Status fault = m_doc.storePathSettings(settings)) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return false;
    }
    return true;
}
