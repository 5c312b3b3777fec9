#include "core/store/UpdatePage.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include "core/store/InstallPaths.h"

namespace UpdatePage {
namespace {

// One address line is all the file holds; anything far longer is no address.
constexpr qint64 kMaxFileBytes = 4096;

} // namespace

QString builtInAddress()
{
    return QStringLiteral("https://www.vemo6.example/honsuuji/");
}

QString address(const InstallPaths& paths)
{
    QFile file(paths.updatePageFile());
    if (!file.open(QIODevice::ReadOnly))
        return builtInAddress();
    QString line = QString::fromUtf8(file.read(kMaxFileBytes).split('\n').constFirst()).trimmed();
    if (line.isEmpty())
        return builtInAddress();
    const QUrl url(line, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return line;
    return QUrl::fromLocalFile(QDir(paths.root()).absoluteFilePath(line)).toString(QUrl::FullyEncoded);
}

} // namespace UpdatePage
