#include "core/store/InstallPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

// As many links as the kernel follows before it gives up (ELOOP).
constexpr int kMaxLinks = 40;

QString resolvedWithin(const QString& path, int linksLeft)
{
    const QFileInfo info(path);
    // A link to nothing is written through to its target, so it counts as its target.
    if (info.isSymLink() && linksLeft > 0)
        return resolvedWithin(info.symLinkTarget(), linksLeft - 1);
    if (info.exists())
        return info.canonicalFilePath();
    QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath())
        return parent;
    return QDir::cleanPath(resolvedWithin(parent, linksLeft) + QLatin1Char('/') + info.fileName());
}

bool isWithin(const QString& path, const QString& place)
{
    return path == place || path.startsWith(place.endsWith(QLatin1Char('/')) ? place : place + QLatin1Char('/'));
}

} // namespace

QString InstallPaths::resolved(const QString& path)
{
    return resolvedWithin(path, kMaxLinks);
}

bool InstallPaths::contains(const QString& path) const
{
    return isWithin(resolved(path), resolved(m_root));
}

bool InstallPaths::reaches(const QString& path) const
{
    if (contains(path))
        return true;
    const QString target = resolved(path);
    // The history, a registrant's file or the whole data folder may be a link to somewhere else.
    QDirIterator entries(m_root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        if (entry.isSymLink() && isWithin(target, resolved(entry.filePath())))
            return true;
    }
    return false;
}
