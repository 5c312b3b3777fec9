#pragma once

#include <QTest>

#include <functional>
#include <memory>

#include "core/store/InstallPaths.h"

class CMainFrame;
class CVemoApp;
class CVemoView;
class QWidget;
enum class MenuCommand;

/** The program as the user starts it, on a test installation, for the GUI suites. */
class TestProgram {
public:
    /**
     * Once per suite: the instance lock in a folder of the suite's own, test settings, a short opening window
     * and the features' pictures.
     */
    static void prepareSuite();

    /**
     * Runs work on the next modal window once it is up, while the command that opened it waits for it;
     * a window that work leaves open (a failed check) is closed, so that the command returns.
     */
    static void whenModalShows(std::function<void(QWidget* modal)> work);
    /** The same for a modal window that has to be of that class. */
    template <typename Window>
    static void whenModalShows(std::function<void(Window& modal)> work)
    {
        whenModalShows([work = std::move(work)](QWidget* modal) {
            auto* window = qobject_cast<Window*>(modal);
            QVERIFY(window);
            work(*window);
        });
    }

    /** Starts the program and waits until its window shows its first title; null when it does not start. */
    static std::unique_ptr<TestProgram> start(const InstallPaths& paths);
    ~TestProgram();

    CVemoApp& app() const { return *m_app; }
    CMainFrame* frame() const;
    CVemoView* view() const;
    /** Chooses the menu command as the user would; false when the menu has no such item or it is disabled. */
    bool choose(MenuCommand command) const;

private:
    TestProgram() = default;

    std::unique_ptr<CVemoApp> m_app;
};
