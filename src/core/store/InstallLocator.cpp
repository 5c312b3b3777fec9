#include "core/store/InstallLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>

#include <cerrno>
#include <sys/stat.h>

#include "core/store/AtomicWriter.h"
#include "core/store/FileNameBytes.h"
#include "core/text/StoreText.h"

namespace {

// The reason of the first folder that could not be made, empty when all are there.
QString makeFolders(const QString& path)
{
    const QByteArray bytes = FileNameBytes::encode(QDir::cleanPath(QDir(path).absolutePath()));
    for (qsizetype slash = bytes.indexOf('/', 1);; slash = bytes.indexOf('/', slash + 1)) {
        const QByteArray folder = slash < 0 ? bytes : bytes.left(slash);
        struct stat status {};
        if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            return StoreText::systemReason(errno);
        if (::stat(folder.constData(), &status) != 0)
            return StoreText::systemReason(errno);
        if (!S_ISDIR(status.st_mode))
            return StoreText::systemReason(ENOTDIR);
        if (slash < 0)
            return QString();
    }
}

// Copies what the target lacks; files already there are the user's and stay as they are. The reason of the
// first failure, empty when all went well.
QString copyMissing(const QString& from, const QString& to)
{
    if (QString reason = makeFolders(to); !reason.isEmpty())
        return reason;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString sourcePath = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(sourcePath);
        if (it.fileInfo().isDir()) {
            if (QString reason = makeFolders(target); !reason.isEmpty())
                return reason;
        } else if (!QFile::exists(target)) {
            // A copy cut short by a full disk must not pass for a whole file at the next start.
            const FileNameBytes::Content in = FileNameBytes::read(sourcePath);
            if (!in.bytes)
                return in.reason;
            if (const auto fault = AtomicWriter::write(target, *in.bytes))
                return fault->reason;
        }
    }
    return QString();
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
    if (!QDir(m_sampleFolder).exists())
        return StoreText::installFolderFailed(m_userDataFolder, StoreText::reasonNoSample(m_sampleFolder));
    if (const QString reason = copyMissing(m_sampleFolder, m_userDataFolder); !reason.isEmpty())
        return StoreText::installFolderFailed(m_userDataFolder, reason);
    m_settings.setValue(settingsKey(), m_userDataFolder);
    m_settings.sync();
    return m_userDataFolder;
}

Status InstallLocator::addMissingSampleFiles(const QString& folder) const
{
    if (const QString reason = copyMissing(m_sampleFolder, folder); !reason.isEmpty())
        return StoreText::installFolderFailed(folder, reason);
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
