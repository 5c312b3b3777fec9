#pragma once

#include <QStringList>
#include <QTextStream>

#include "core/UserMessage.h"
#include "core/workbook/Workbook.h"

class CliArguments;

/** What a command works on and where it reports. */
class CliContext {
public:
    CliContext(Workbook& workbook, QTextStream& out, QTextStream& err) : m_workbook(workbook), m_out(out), m_err(err) {}

    /** What the command reads, and changes through the workbook's verbs. */
    Workbook& workbook() { return m_workbook; }
    const InstallPaths& paths() const { return m_workbook.paths(); }
    const DrawHistory& history() const { return m_workbook.history(); }
    QTextStream& out() { return m_out; }

    /** Reports a refusal with the program's message; the exit status to return. */
    int refuse(const UserMessage& message);
    /** Reports a warning that does not stop the command. */
    void warn(const UserMessage& message);
    /** Reports wrong arguments with the command's synopsis; the exit status to return. */
    int usage(const QString& synopsis);

    /** Prints values on one line, separated by single spaces. */
    template <typename Container>
    void printLine(const Container& values)
    {
        QStringList words;
        for (const auto& v : values)
            words.append(QString::number(v));
        m_out << words.join(QLatin1Char(' ')) << '\n';
    }

private:
    Workbook& m_workbook;
    QTextStream& m_out;
    QTextStream& m_err;
};

/** For a command that only reads the data folder: it runs beside other readers and while the program is open. */
inline DrawHistory::Access reads(const QStringList&)
{
    return DrawHistory::Access::Read;
}

/** For a command that changes the data folder: it waits for another writer, and is kept out while the program is open. */
inline DrawHistory::Access writes(const QStringList&)
{
    return DrawHistory::Access::Write;
}

/** One command of vemo-cli. */
struct CliCommand {
    QString name;
    QString synopsis;
    int (*run)(CliContext& context, CliArguments& args);
    /** How the command uses the data folder, given its arguments. */
    DrawHistory::Access (*access)(const QStringList& args) = writes;
};
