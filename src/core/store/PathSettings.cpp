#include "core/store/PathSettings.h"

#include "core/store/AtomicWriter.h"
#include "core/store/FileNameBytes.h"
#include "core/text/EntryText.h"

namespace {

const QByteArray kBrowserTag("Browser<");
const QByteArray kUrlTag(">URL[");

} // namespace

PathSettings PathSettings::loadPathSettings(const QString& file)
{
    FileNameBytes::Content content = FileNameBytes::read(file);
    if (!content.bytes)
        return {};
    QByteArray bytes = std::move(*content.bytes);
    // The text ends at the NUL byte that closes the file.
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    const qsizetype m = bytes.indexOf(kUrlTag);
    if (m < kBrowserTag.size())
        return {};
    PathSettings settings;
    settings.browserPath = QString::fromUtf8(bytes.mid(kBrowserTag.size(), m - kBrowserTag.size()));
    // The address runs to the closing "]" before the NUL rather than to the file's length less two,
    // which would cut a character off a file without the NUL and keep the "]" when bytes follow it.
    QByteArray url = bytes.mid(m + kUrlTag.size());
    if (url.endsWith(']'))
        url.chop(1);
    settings.homePageUrl = QString::fromUtf8(url);
    return settings;
}

bool PathSettings::isWindowsPath(const QString& browserPath)
{
    const QString path = browserPath.trimmed();
    const bool driveLetter =
        path.size() >= 2 && path[0].unicode() < 0x80 && path[0].isLetter() && path[1] == QLatin1Char(':');
    return driveLetter || path.contains(QLatin1Char('\\'));
}

Status PathSettings::writePathData(const QString& file) const
{
    const QByteArray path = browserPath.toUtf8();
    const QByteArray url = homePageUrl.toUtf8();
    if (path.contains(kUrlTag) || path.contains('\0') || url.contains('\0'))
        return EntryText::pathDataUnstorable();
    const QByteArray bytes = kBrowserTag + path + kUrlTag + url + ']' + '\0';
    if (auto fault = AtomicWriter::write(file, bytes))
        return EntryText::pathDataWriteFailed(fault->path, fault->reason);
    return std::nullopt;
}
