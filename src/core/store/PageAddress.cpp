#include "core/store/PageAddress.h"

#include <QDir>
#include <QUrl>

#include "core/store/InstallPaths.h"

namespace PageAddress {
namespace {

bool isWebPage(const QUrl& url)
{
    return url.isValid() && (url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https"))
           && !url.host().isEmpty();
}

} // namespace

std::optional<QString> forBrowser(const QString& address, const InstallPaths& installation)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return QString();
    // A scheme starts with a letter, so a web address cannot start with "-".
    const QUrl url(text, QUrl::StrictMode);
    if (isWebPage(url))
        return text;
    const QString file = url.isLocalFile() ? url.toLocalFile() : text;
    if (!QDir::isAbsolutePath(file) || !installation.contains(file))
        return std::nullopt;
    QUrl page = QUrl::fromLocalFile(InstallPaths::resolved(file));
    if (url.isLocalFile())
        page.setFragment(url.fragment());
    return page.toString(QUrl::FullyEncoded);
}

} // namespace PageAddress
