#pragma once

#include <QString>

#include <optional>

class InstallPaths;

/**
 * The addresses the program hands to a browser. Only a web page (http:// or https://) or a page of the
 * installation folder itself (an absolute path or a file:// address inside it, links followed) is given;
 * anything else, an address starting with "-" above all, could be taken by the browser as an option.
 */
namespace PageAddress {

/**
 * The address as the browser is to be given it: a web address as it stands, a page of the installation
 * as the file:// address of the file it resolves to, and no address (empty) as none, so that the browser
 * opens its own start page. Nothing when the address is refused.
 */
std::optional<QString> forBrowser(const QString& address, const InstallPaths& installation);

} // namespace PageAddress
