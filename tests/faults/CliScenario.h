#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "TestHistory.h"

/** What the fault tests share: the file-changing commands, their prepared installations and how vemo-cli runs. */
namespace CliScenario {

/** How a run of vemo-cli ended and what it printed. */
struct Outcome {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString out;
    QString err;

    bool exited(int expected) const { return status == QProcess::NormalExit && code == expected; }
    QString describe() const;
};

Outcome run(const QString& root, const QStringList& words, const QProcessEnvironment& env);

/** The environment of a run under the fault library, with these settings of it. */
QProcessEnvironment faultEnvironment(QProcessEnvironment env, const QList<std::pair<QString, QString>>& settings);

/** The columns draws, setup and command, and one row for every file-changing command. */
void addCommandRows();

/** The running row's draws, setup and command. */
struct Row {
    int draws;
    QStringList setup;
    QString command;
};
Row currentRow();

/** A work folder with an installation of draws random draws, prepared by the common setup and a row's own. */
class Scenario {
public:
    explicit Scenario(int draws);

    /**
     * Runs the setup lines on the installation; "{link history}" makes the history a link to a file in
     * another folder. What went wrong, empty when nothing did.
     */
    QString prepare(const QStringList& setup);
    /** A command line of a row as vemo-cli takes it, its placeholders filled in. */
    QStringList words(const QString& line) const;

    QString installation() const { return m_install.paths().root(); }
    QString workPath(const QString& name) const { return m_work.filePath(name); }
    /** Without the user's settings and without the fault library's. */
    const QProcessEnvironment& plain() const { return m_plain; }

private:
    void linkHistory() const;

    int m_draws;
    QTemporaryDir m_work;
    QString m_importFile;
    QProcessEnvironment m_plain;
    TestInstall m_install;
};

} // namespace CliScenario
