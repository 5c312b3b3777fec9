#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include "core/store/HistoryFormat.h"
#include "core/store/InstallPaths.h"

/** Histories made up for tests. */
namespace TestHistory {

/**
 * drawCount random draws of six distinct numbers, reproducible by seed; numbers from 1 … highest
 * only, when asked, so that many counts come out equal.
 */
FlagLines randomLines(int drawCount, unsigned seed, int highest = kNumberCount);

/** Lines from draws given as lists of numbers, oldest first. */
FlagLines linesOf(const QList<QList<int>>& draws);

/** Reads a whole file; empty when it is missing. */
QByteArray readFile(const QString& path);
/** Writes a whole file; fails the running test when it cannot. */
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace TestHistory

/** A throw-away installation folder with a history file, removed when it goes. */
class TestInstall {
public:
    explicit TestInstall(const FlagLines& lines);
    /** A folder whose history file holds exactly these bytes. */
    explicit TestInstall(const QByteArray& historyBytes);

    const InstallPaths& paths() const { return m_paths; }
    QByteArray historyBytes() const { return TestHistory::readFile(m_paths.historyFile()); }

private:
    QTemporaryDir m_dir;
    InstallPaths m_paths;
};

/** What a run of vemo-cli gave. */
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList outLines() const;
};

/** Runs vemo-cli on an installation folder with the given words. */
CliRun runCli(const InstallPaths& paths, const QStringList& words);
