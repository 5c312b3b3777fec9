#include "gui/entry/BrowserService.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "core/store/PathSettings.h"
#include "gui/entry/BrowserText.h"

namespace {

// A pidfd names one process for good, where a bare process id may be reused once it has ended.
// Without pidfds (old kernels) the id itself is all there is.
int openProcessHandle(qint64 pid)
{
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    Q_UNUSED(pid);
    errno = ENOSYS;
    return -1;
#endif
}

void askToEnd(qint64 pid, int handle)
{
#ifdef SYS_pidfd_send_signal
    if (handle >= 0) {
        ::syscall(SYS_pidfd_send_signal, handle, SIGTERM, nullptr, 0);
        return;
    }
#endif
    Q_UNUSED(handle);
    ::kill(pid_t(pid), SIGTERM);
}

struct Command {
    QString program;
    QStringList arguments;
};

// The registered path is one program, never split into words nor handed to a shell: a data folder
// copied from someone else must not run what its PathData.txt says.
std::optional<Command> commandOf(const QString& browserPath, const QString& address)
{
    const QFileInfo program(browserPath.trimmed());
    if (!program.isFile() || !program.isExecutable())
        return std::nullopt;
    Command command{program.absoluteFilePath(), {}};
    if (!address.trimmed().isEmpty())
        command.arguments.append(address.trimmed());
    return command;
}

// The browser's end, heard on a pidfd of its own: the exit status is read, which reaps the process, and a
// failure is told while someone listens. It lives with the application, not with the window that started the
// browser, so that no browser is left a zombie; at the end of the program the browser goes on by itself.
class EndWatch : public QObject {
public:
    EndWatch(int handle, QString program, BrowserService::FailureHandler failed)
        : QObject(QCoreApplication::instance()), m_handle(handle), m_notifier(handle, QSocketNotifier::Read),
          m_program(std::move(program)), m_failed(std::move(failed))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &EndWatch::readStatus);
    }
    ~EndWatch() override { ::close(m_handle); }
    EndWatch(const EndWatch&) = delete;
    EndWatch& operator=(const EndWatch&) = delete;

    void stopListening() { m_failed = nullptr; }

private:
    void readStatus()
    {
        m_notifier.setEnabled(false);
        siginfo_t status{};
        const bool read = ::waitid(static_cast<idtype_t>(kByPidfd), id_t(m_handle), &status, WEXITED) == 0;
        // Whoever hears of it may close the window that keeps the process: the handler is taken first.
        BrowserService::FailureHandler failed = std::exchange(m_failed, nullptr);
        deleteLater();
        const bool exited = status.si_code == CLD_EXITED;
        if (read && failed && (!exited || status.si_status != 0))
            failed(BrowserText::browserEnded(m_program, exited, status.si_status));
    }

    // P_PIDFD, which older C libraries do not name.
    static constexpr int kByPidfd = 3;

    int m_handle;
    QSocketNotifier m_notifier;
    QString m_program;
    BrowserService::FailureHandler m_failed;
};

// The started browser, a child of this program so that its exit status can be read; in a session of its
// own, with the signals as a new program has them. Its id, 0 when it could not be started.
qint64 startChild(const Command& command)
{
    QList<QByteArray> words{QFile::encodeName(command.program)};
    for (const QString& argument : command.arguments)
        words.append(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    const int fault = ::posix_spawn(&pid, argv.front(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return fault == 0 ? pid : 0;
}

// The started process's id, 0 when it could not be started.
qint64 startDetached(const Command& command)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    qint64 pid = 0;
    return process.startDetached(&pid) ? pid : 0;
}

bool hasScheme(const QString& text)
{
    // "C:" style drive letters and plain paths are no addresses.
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}

// The program that the last shellOpen started, closed by closeTestBrowser.
BrowserService::Process& testBrowser()
{
    static BrowserService::Process process;
    return process;
}

int openWithDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url) ? BrowserService::Opened : BrowserService::NoAssociation;
}

} // namespace

BrowserService::Process::Process(qint64 pid) : m_pid(pid), m_handle(openProcessHandle(pid))
{
    // A browser that has already ended (one that handed the address to a running copy of itself)
    // leaves nothing to close, and its id may soon belong to another process.
    if (m_handle < 0 && errno == ESRCH)
        m_pid = 0;
}

BrowserService::Process::Process(Process&& other) noexcept
    : m_pid(other.m_pid), m_handle(other.m_handle), m_endWatch(std::exchange(other.m_endWatch, nullptr))
{
    other.m_pid = 0;
    other.m_handle = -1;
}

BrowserService::Process& BrowserService::Process::operator=(Process&& other) noexcept
{
    if (this != &other) {
        reset();
        std::swap(m_pid, other.m_pid);
        std::swap(m_handle, other.m_handle);
        std::swap(m_endWatch, other.m_endWatch);
    }
    return *this;
}

BrowserService::Process::~Process()
{
    reset();
}

void BrowserService::Process::reset()
{
    if (auto* watch = static_cast<EndWatch*>(m_endWatch.data()))
        watch->stopListening();
    m_endWatch = nullptr;
    if (m_handle >= 0)
        ::close(m_handle);
    m_handle = -1;
    m_pid = 0;
}

Status BrowserService::checkBrowser(const QString& browserPath)
{
    if (PathSettings::isWindowsPath(browserPath))
        return BrowserText::windowsBrowser(browserPath);
    if (!commandOf(browserPath, QString()))
        return BrowserText::startFailed(BrowserText::notExecutable(browserPath.trimmed()));
    return std::nullopt;
}

Result<BrowserService::Process> BrowserService::startBrowser(const QString& browserPath, const QString& address,
                                                             FailureHandler failed)
{
    if (Status fault = checkBrowser(browserPath))
        return *fault;
    const std::optional<Command> command = commandOf(browserPath, address);
    const qint64 pid = startChild(*command);
    if (pid <= 0)
        return BrowserText::startFailed(BrowserText::notExecutable(command->program));
    Process process(pid);
    const int watched = process.m_handle >= 0 ? ::fcntl(process.m_handle, F_DUPFD_CLOEXEC, 0) : -1;
    if (watched >= 0)
        process.m_endWatch = new EndWatch(watched, command->program, std::move(failed));
    return process;
}

void BrowserService::closeBrowser(Process& process)
{
    if (!process.isNull())
        askToEnd(process.m_pid, process.m_handle);
    process.reset();
}

int BrowserService::shellOpen(const QString& text)
{
    const QString target = text.trimmed();
    if (target.isEmpty())
        return FileNotFound;
    if (hasScheme(target) && !QUrl(target).isLocalFile())
        return openWithDesktop(QUrl(target));

    const QString path = QUrl(target).isLocalFile() ? QUrl(target).toLocalFile() : target;
    QString program = path;
    if (!path.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(path); // a program named without its folder
    const QFileInfo file(program.isEmpty() ? path : program);
    if (!file.exists())
        return file.absoluteDir().exists() ? FileNotFound : PathNotFound;
    if (file.isDir())
        return openWithDesktop(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (!file.isReadable())
        return AccessDenied;
    if (!file.isExecutable())
        return openWithDesktop(QUrl::fromLocalFile(file.absoluteFilePath()));

    const qint64 pid = startDetached({file.absoluteFilePath(), {}});
    if (pid <= 0)
        return InvalidProgram;
    testBrowser() = Process(pid);
    return Opened;
}

void BrowserService::closeTestBrowser()
{
    closeBrowser(testBrowser());
}

bool BrowserService::canStart(const QString& browserPath)
{
    return !checkBrowser(browserPath);
}

QString BrowserService::desktopBrowser()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}
