// Stands in for a web browser in tests: writes its arguments, one a line, and then "ready" to the file
// named by FAKE_BROWSER_LOG, and runs until it is asked to end, which it notes there as "terminated".
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int s_log = -1;

extern "C" void handleTerminate(int)
{
    static const char kNote[] = "terminated\n";
    if (::write(s_log, kNote, sizeof kNote - 1) < 0)
        ::_exit(1);
    ::_exit(0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    s_log = ::open(qgetenv("FAKE_BROWSER_LOG").constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (s_log < 0)
        return 2;
    std::signal(SIGTERM, handleTerminate);
    QByteArray lines;
    for (const QString& argument : app.arguments().mid(1))
        lines += argument.toUtf8() + '\n';
    lines += "ready\n";
    if (::write(s_log, lines.constData(), size_t(lines.size())) != lines.size())
        return 3;
    return app.exec();
}
