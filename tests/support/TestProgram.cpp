#include "TestProgram.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "gui/kit/ViewText.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/COpeningWnd.h"
#include "gui/shell/CVemoApp.h"
#include "gui/shell/MainMenu.h"
#include "gui/shell/ProgramPictures.h"

using namespace std::chrono_literals;

void TestProgram::prepareSuite()
{
    static const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    COpeningWnd::setDisplayTime(10ms);
    // Suites that build a window without starting the program need its pictures all the same.
    ProgramPictures::registerAll();
}

void TestProgram::whenModalShows(std::function<void(QWidget* modal)> work)
{
    QTimer::singleShot(0, qApp, [work = std::move(work)] {
        QWidget* modal = nullptr;
        QTRY_VERIFY((modal = QApplication::activeModalWidget()) && modal->isVisible());
        work(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
}

std::unique_ptr<TestProgram> TestProgram::start(const InstallPaths& paths)
{
    std::unique_ptr<TestProgram> program(new TestProgram);
    program->m_app =
        std::make_unique<CVemoApp>(QStringList{QStringLiteral("vemo"), QStringLiteral("--install-path"), paths.root()});
    if (!program->m_app->initInstance() || !QTest::qWaitForWindowExposed(program->frame()))
        return nullptr;
    // The opening window gives the first title when it has gone.
    const bool opened = QTest::qWaitFor(
        [&program] { return program->frame()->windowTitle().startsWith(ViewText::weightingTitle(false, QString())); });
    return opened ? std::move(program) : nullptr;
}

TestProgram::~TestProgram()
{
    // A help popup left open would outlive the windows it belongs to.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

CMainFrame* TestProgram::frame() const
{
    return m_app->mainFrame();
}

bool TestProgram::choose(MenuCommand command) const
{
    QAction* item = MainMenu::findCommand(frame(), command);
    if (!item || !item->isEnabled())
        return false;
    item->trigger();
    return true;
}

CVemoView* TestProgram::view() const
{
    return frame() ? frame()->view() : nullptr;
}
