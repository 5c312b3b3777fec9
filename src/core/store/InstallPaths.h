#pragma once

#include <QString>

/** Every file of the program lives under the installation folder; this names them. */
class InstallPaths {
public:
    explicit InstallPaths(QString root) : m_root(std::move(root)) {}

    const QString& root() const { return m_root; }
    QString dataFolder() const { return m_root + QStringLiteral("/Vemo6Data"); }
    QString historyFile() const { return dataFolder() + QStringLiteral("/KakoData.txt"); }
    QString pathDataFile() const { return dataFolder() + QStringLiteral("/PathData.txt"); }
    /** The prize amounts and the ticket price the player typed in (see PrizeTable). */
    QString prizeTableFile() const { return dataFolder() + QStringLiteral("/TousenKin.txt"); }
    /** The address of the page the main-number update opens, when the installation names its own. */
    QString updatePageFile() const { return dataFolder() + QStringLiteral("/KousinURL.txt"); }
    /** Where every change of the history or a registrant's predictions keeps the version it replaces. */
    QString backupFolder() const { return dataFolder() + QStringLiteral("/Backup"); }
    QString predictionFolder() const { return dataFolder() + QStringLiteral("/YosoData"); }
    /** A registrant's prediction file: "YDF" + slot (1 … 5) + name + ".txt". */
    QString registrantFile(int slot, const QString& name) const
    {
        return predictionFolder() + QStringLiteral("/YDF%1%2.txt").arg(slot).arg(name);
    }
    /** The prediction file read when no registrant is meant. */
    QString sampleFile() const { return predictionFolder() + QStringLiteral("/sample.txt"); }
    /** A data god's result file: prefix ("Yon" … "Hati") + "DataSin" + count (6 … 13) + ".txt". */
    QString dataGodFile(const QString& prefix, int count) const
    {
        return predictionFolder() + QStringLiteral("/%1DataSin%2.txt").arg(prefix).arg(count);
    }
    QString helpIndex() const { return m_root + QStringLiteral("/Help/index.html"); }

    /**
     * Whether a path, its symbolic links followed, is the installation folder or lies in it. A path that
     * does not exist yet is taken by its name below its nearest existing folder.
     */
    bool contains(const QString& path) const;
    /**
     * Whether writing a path would change the installation: it contains() the path, or the path is one of
     * its files or folders kept elsewhere through a link.
     */
    bool reaches(const QString& path) const;
    /** A path with every symbolic link followed, absolute; the part that does not exist yet kept by its names. */
    static QString resolved(const QString& path);

private:
    QString m_root;
};
