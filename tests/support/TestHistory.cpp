#include "TestHistory.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <random>

namespace TestHistory {

FlagLines randomLines(int drawCount, unsigned seed, int highest)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> pick(1, highest);
    QList<QList<int>> draws;
    for (int d = 0; d < drawCount; ++d) {
        QList<int> draw;
        while (draw.size() < kNumbersPerDraw) {
            const int n = pick(engine);
            if (!draw.contains(n))
                draw.append(n);
        }
        draws.append(draw);
    }
    return linesOf(draws);
}

FlagLines linesOf(const QList<QList<int>>& draws)
{
    FlagLines lines;
    for (const QList<int>& draw : draws) {
        for (int n = 1; n <= kNumberCount; ++n)
            lines[n - 1].append(draw.contains(n) ? '1' : '0');
    }
    return lines;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QFAIL(qPrintable(QStringLiteral("cannot write ") + path));
}

} // namespace TestHistory

TestInstall::TestInstall(const FlagLines& lines) : TestInstall(HistoryFormat::serialize(lines))
{
}

TestInstall::TestInstall(const QByteArray& historyBytes) : m_paths(m_dir.path())
{
    QDir().mkpath(m_paths.predictionFolder());
    TestHistory::writeFile(m_paths.historyFile(), historyBytes);
}

QStringList CliRun::outLines() const
{
    QStringList lines = out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

CliRun runCli(const InstallPaths& paths, const QStringList& words)
{
    QProcess process;
    process.start(qEnvironmentVariable("VEMO_CLI"),
                  QStringList{QStringLiteral("--install-path"), paths.root()} + words);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
