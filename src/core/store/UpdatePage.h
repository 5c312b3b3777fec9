#pragma once

#include <QString>

class InstallPaths;

/**
 * The page the main-number update opens in the browser, where the user copies the whole history.
 * An installation may name its own page in Vemo6Data/KousinURL.txt; otherwise the built-in address
 * is used.
 */
namespace UpdatePage {

/** The address used when the installation names none. */
QString builtInAddress();

/**
 * The first line of the installation's KousinURL.txt, or the built-in address when the file is
 * missing or empty. A path without a scheme is a file of the installation folder, so a page shipped
 * with it works wherever the folder lies.
 */
QString address(const InstallPaths& paths);

} // namespace UpdatePage
