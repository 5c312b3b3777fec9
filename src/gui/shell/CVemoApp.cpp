#include "shell/CVemoApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QPalette>
#include <QStandardPaths>
#include <QTranslator>

#include "ApplicationInfo.h"
#include "document/CVemoDoc.h"
#include "kit/JapaneseFonts.h"
#include "kit/LockWaitNote.h"
#include "kit/MessageService.h"
#include "shell/CMainFrame.h"
#include "shell/ProgramPictures.h"
#include "store/FileLock.h"

CVemoApp::CVemoApp(QStringList arguments) : m_arguments(std::move(arguments))
{
    ProgramPictures::registerAll();
}

CVemoApp::~CVemoApp()
{
    // The frame and its view go before the history they show, the instance marker last.
    m_frame.reset();
    m_doc.reset();
    m_instanceLock.reset();
}

QString CVemoApp::instanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/Rozore.lock");
}

bool CVemoApp::initInstance()
{
    setApplicationIdentity();
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvanex.nurugata"));
    if (!lockInstance()) {
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
    Result<std::unique_ptr<CVemoDoc>> doc = CVemoDoc::open(installPathOption());
    if (!doc.ok()) {
        MessageService::show(doc.error(), MessageService::Buttons::Ok, MessageService::Icon::Critical);
        m_exitCode = 1;
        return false;
    }
    m_doc = std::move(doc).value();
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    m_frame->start();
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

bool CVemoApp::lockInstance()
{
    // The lock goes with the program that holds it, however that program ends.
    m_instanceLock = std::make_unique<FileLock>(instanceLockPath());
    if (m_instanceLock->tryLock())
        return true;
    m_instanceLock.reset();
    return false;
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
