#include "store/PathSettings.h"

#include <QFile>

PathSettings PathSettings::load(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = in.readAll();
    // The text ends at the NUL byte that closes the file.
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    const QByteArray browserTag("Browser<");
    const qsizetype m = bytes.indexOf(">URL[");
    if (m < browserTag.size())
        return {};
    PathSettings settings;
    settings.browserPath = QString::fromUtf8(bytes.mid(browserTag.size(), m - browserTag.size()));
    QByteArray url = bytes.mid(m + 5);
    if (url.endsWith(']'))
        url.chop(1);
    settings.homePageUrl = QString::fromUtf8(url);
    return settings;
}
