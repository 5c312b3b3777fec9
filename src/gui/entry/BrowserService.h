#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "core/UserMessage.h"

/**
 * Hands web pages to the user's own browser: starts the registered browser on an address and asks it
 * to close again, and opens a program, file or address the way the desktop opens it.
 */
class BrowserService {
public:
    /**
     * What a caller keeps of a browser it started, to close it later. It stays tied to that very
     * process: once the browser has ended, closing it cannot reach another process that took its id.
     * While it is kept, a browser that ends in failure is reported; closed or dropped, it is not.
     */
    class Process {
    public:
        Process() = default;
        Process(Process&& other) noexcept;
        Process& operator=(Process&& other) noexcept;
        ~Process();

        qint64 pid() const { return m_pid; }
        bool isNull() const { return m_pid <= 0; }

    private:
        friend class BrowserService;
        explicit Process(qint64 pid);
        void reset();

        qint64 m_pid = 0;
        int m_handle = -1;
        QPointer<QObject> m_endWatch;
    };

    /** Hears of a browser that ended in failure: what happened and what to do. */
    using FailureHandler = std::function<void(const UserMessage& message)>;

    /** Results of shellOpen; 32 and below are failures, as the result table of the messages has them. */
    enum ShellResult : int {
        FileNotFound = 2,
        PathNotFound = 3,
        AccessDenied = 5,
        InvalidProgram = 11,
        NoAssociation = 31,
        Opened = 42,
    };
    static bool opened(int shellResult) { return shellResult > 32; }

    /**
     * Starts browserPath on address, left running on its own when the program ends. On failure the message
     * says why. A browser that ends in failure afterwards (the desktop's opener finding no browser, a program
     * that cannot run here) is told to failed, with its exit status in words, while the process is kept.
     */
    static Result<Process> startBrowser(const QString& browserPath, const QString& address, FailureHandler failed = {});
    /** Why a registered browser could not be started (a Windows path, no program there), before anything moves. */
    static Status checkBrowser(const QString& browserPath);
    /** Asks the browser to end (SIGTERM) without waiting for it, and forgets it. */
    static void closeBrowser(Process& process);

    /**
     * Opens a program (started), a file or folder (the desktop's application for it) or an address
     * (the desktop's browser) and returns a ShellResult. A program started here is the test browser.
     */
    static int shellOpen(const QString& text);
    /** Closes the program that the last shellOpen started, if any. */
    static void closeTestBrowser();

    /** Whether the registered browser is a program of this machine that can be started. */
    static bool canStart(const QString& browserPath);
    /** The opener of the desktop's default browser (xdg-open), to start as a browser; empty without one. */
    static QString desktopBrowser();
};
