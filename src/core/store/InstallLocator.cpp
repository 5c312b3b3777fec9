#include "store/InstallLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>

#include "store/AtomicWriter.h"
#include "text/StoreText.h"

namespace {

// Copies what the target lacks; files already there are the user's and stay as they are.
bool copyMissing(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString sourcePath = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(sourcePath);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::exists(target)) {
            // A copy cut short by a full disk must not pass for a whole file at the next start.
            QFile in(sourcePath);
            if (!in.open(QIODevice::ReadOnly) || AtomicWriter::write(target, in.readAll()))
                return false;
        }
    }
    return true;
}

} // namespace

InstallLocator::InstallLocator(QSettings& settings, QString userDataFolder, QString sampleFolder)
    : m_settings(settings), m_userDataFolder(std::move(userDataFolder)), m_sampleFolder(std::move(sampleFolder))
{
}

Result<QString> InstallLocator::readInstallPath(const QString& option)
{
    if (!option.isEmpty())
        return QDir::cleanPath(QDir(option).absolutePath());
    const QString recorded = m_settings.value(settingsKey()).toString();
    if (!recorded.isEmpty())
        return recorded;
    if (!QDir(m_sampleFolder).exists() || !copyMissing(m_sampleFolder, m_userDataFolder))
        return StoreText::installFolderFailed(m_userDataFolder);
    m_settings.setValue(settingsKey(), m_userDataFolder);
    m_settings.sync();
    return m_userDataFolder;
}

Status InstallLocator::addMissingSampleFiles(const QString& folder) const
{
    if (!copyMissing(m_sampleFolder, folder))
        return StoreText::installFolderFailed(folder);
    return std::nullopt;
}

QString InstallLocator::bundledSampleFolder()
{
    // The build puts the sample where the installation does, relative to the binaries.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(VEMO_SAMPLE_FROM_BIN));
}

QString InstallLocator::settingsKey()
{
    return QStringLiteral("Settings/Path");
}
