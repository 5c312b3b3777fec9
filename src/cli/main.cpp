#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

#include "cli/BacktestCommands.h"
#include "cli/BackupCommands.h"
#include "cli/CalendarCommands.h"
#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/EntryCommands.h"
#include "cli/ExchangeCommands.h"
#include "cli/HistoryCommands.h"
#include "cli/PredictCommands.h"
#include "cli/PrizeCommands.h"
#include "cli/WheelCommands.h"
#include "core/ApplicationInfo.h"
#include "core/store/ChangeLock.h"
#include "core/text/StoreText.h"

namespace {

void printUsage(QTextStream& stream, const QList<CliCommand>& commands)
{
    stream << QStringLiteral("使い方: vemo-cli [--install-path DIR] COMMAND [ARGS]\n"
                             "       vemo-cli --help | --version\n\n"
                             "--install-path DIR  このフォルダのデータを使います\n"
                             "--help              この説明を表示します\n"
                             "--version           バージョンを表示します\n\nCOMMAND:\n");
    for (const CliCommand& command : commands)
        stream << "  " << command.synopsis << '\n';
    stream.flush();
}

// A command's own help needs no data folder either: each form of the command, as the usage lists it.
void printCommandUsage(QTextStream& stream, const QList<CliCommand>& commands, const QString& name)
{
    for (const CliCommand& command : commands) {
        if (command.name == name)
            stream << QStringLiteral("使い方: vemo-cli [--install-path DIR] ") << command.synopsis << '\n';
    }
    stream.flush();
}

// A command that has to wait for another program says so after a second, then waits on.
ChangeLock::Waiter sayWhenWaiting(QTextStream& err)
{
    return [&err](const QString& historyPath, std::chrono::milliseconds limit, const ChangeLock::Attempt& attempt) {
        const std::chrono::milliseconds first = std::min(limit, std::chrono::milliseconds(1000));
        if (attempt(first))
            return true;
        err << StoreText::waitingForOtherProgram(historyPath) << '\n';
        err.flush();
        return attempt(limit - first);
    };
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    setApplicationIdentity();
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList words = app.arguments().mid(1);
    QString installPath;
    if (words.size() >= 2 && words.first() == QStringLiteral("--install-path")) {
        installPath = words[1];
        words = words.mid(2);
    }

    // Each group of commands adds its list here.
    const QList<CliCommand> commands = historyCommands() + entryCommands() + backupCommands() + calendarCommands()
                                       + predictCommands() + exchangeCommands() + backtestCommands() + wheelCommands()
                                       + prizeCommands();
    const auto command = std::find_if(commands.begin(), commands.end(), [&words](const CliCommand& c) {
        return !words.isEmpty() && c.name == words.first();
    });
    // Neither needs the data folder, so they work before any is made.
    if (words == QStringList{QStringLiteral("--help")}) {
        printUsage(out, commands);
        return 0;
    }
    if (words == QStringList{QStringLiteral("--version")}) {
        out << QStringLiteral("vemo-cli (ヌルガタ) ") << applicationVersion() << '\n';
        return 0;
    }
    if (command == commands.end()) {
        printUsage(err, commands);
        return 2;
    }
    if (words.size() == 2 && words[1] == QStringLiteral("--help")) {
        printCommandUsage(out, commands, command->name);
        return 0;
    }

    ChangeLock::setWaiter(sayWhenWaiting(err));
    Result<Workbook> workbook = Workbook::open(installPath, command->access(words.mid(1)));
    if (!workbook.ok()) {
        err << workbook.error().text << '\n';
        return 1;
    }
    CliContext context(workbook.value(), out, err);
    if (const auto& notice = context.history().openingNotice())
        context.warn(*notice);
    CliArguments args(words.mid(1));
    return command->run(context, args);
}
