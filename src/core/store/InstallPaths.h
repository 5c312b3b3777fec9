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
    QString predictionFolder() const { return dataFolder() + QStringLiteral("/YosoData"); }
    QString helpIndex() const { return m_root + QStringLiteral("/Help/index.html"); }

private:
    QString m_root;
};
