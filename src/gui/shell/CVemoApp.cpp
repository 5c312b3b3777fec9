#include "gui/shell/CVemoApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QPalette>
#include <QTranslator>

#include "core/ApplicationInfo.h"
#include "core/store/Installation.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/LockWaitNote.h"
#include "gui/kit/MessageService.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/FirstStartDialog.h"
#include "gui/shell/ProgramPictures.h"
#include "gui/shell/SingleInstance.h"

namespace {

UserMessage alreadyRunning()
{
    return {QStringLiteral("ヌルガタ"),
            QStringLiteral("ヌルガタはもう起動しています。\n\n起動が終わると、その画面が前に出ます。")};
}

struct FirstStart {
    bool quit = false;
    // What the player chose to begin with, run once the main window is up.
    std::optional<MenuCommand> command;
};

FirstStart askFirstStart(const QString& installPathOption)
{
    if (!Installation::isFirstStart(installPathOption))
        return {};
    switch (FirstStartDialog::ask()) {
    case FirstStartDialog::Choice::Example:
        return {};
    case FirstStartDialog::Choice::CsvFile:
        return {false, MenuCommand::ImportCsv};
    case FirstStartDialog::Choice::UpdatePage:
        return {false, MenuCommand::DataUpdate};
    case FirstStartDialog::Choice::Quit:
        break;
    }
    return {true, std::nullopt};
}

} // namespace

CVemoApp::CVemoApp(QStringList arguments) : m_arguments(std::move(arguments))
{
    ProgramPictures::registerAll();
}

CVemoApp::~CVemoApp()
{
    // The frame and its view go before the history they show, the instance marker last.
    m_frame.reset();
    m_doc.reset();
    m_instance.reset();
}

bool CVemoApp::initInstance()
{
    setApplicationIdentity();
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvanex.nurugata"));
    m_instance = std::make_unique<SingleInstance>();
    if (!m_instance->claim()) {
        // The running program comes forward; one still starting cannot hear yet, so the player is told.
        if (!SingleInstance::callRunning())
            MessageService::show(alreadyRunning(), MessageService::Buttons::Ok, MessageService::Icon::Information);
        m_instance.reset();
        m_exitCode = 0;
        return false;
    }
    JapaneseFonts::installSubstitutions();
    installQtTranslation();
    QPalette dialogColours = QApplication::palette();
    dialogColours.setColor(QPalette::Window, QColor(0xE6, 0xE6, 0xFF));
    dialogColours.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(dialogColours, "QDialog");

    ChangeLock::setWaiter(LockWaitNote::waiter());
    const FirstStart first = askFirstStart(installPathOption());
    if (first.quit) {
        m_exitCode = 0;
        return false;
    }
    Result<std::unique_ptr<CVemoDoc>> doc = CVemoDoc::open(installPathOption());
    if (!doc.ok()) {
        MessageService::show(doc.error(), MessageService::Buttons::Ok, MessageService::Icon::Critical);
        m_exitCode = 1;
        return false;
    }
    m_doc = std::move(doc).value();
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    QObject::connect(m_instance.get(), &SingleInstance::called, m_frame.get(), &CMainFrame::comeForward);
    m_frame->start(first.command);
    return true;
}

void CVemoApp::installQtTranslation()
{
    // Qt's own dialogs (the file dialog of the browser settings) speak Japanese like the rest, whatever
    // the desktop's language; without the translation they stay in English.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    m_qtTranslation = std::move(translator);
}

QString CVemoApp::installPathOption() const
{
    QCommandLineParser parser;
    const QCommandLineOption installPath(QStringLiteral("install-path"), QString(), QStringLiteral("DIR"));
    parser.addOption(installPath);
    // Options meant for Qt itself are not ours to refuse.
    parser.parse(m_arguments);
    return parser.value(installPath);
}
