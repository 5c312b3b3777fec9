#pragma once

#include <QString>

#include "core/UserMessage.h"

/** The browser program and the home-page address kept in PathData.txt. */
struct PathSettings {
    QString browserPath;
    QString homePageUrl;

    /**
     * Reads the file "Browser<" path ">URL[" address "]" NUL. A missing file or one without
     * ">URL[" gives empty settings.
     */
    static PathSettings loadPathSettings(const QString& file);

    /**
     * Replaces the whole file, atomically, with "Browser<" path ">URL[" address "]" and one NUL
     * byte, so that loadPathSettings() gives back the same settings. A path holding ">URL[" or a NUL, or an
     * address holding a NUL, could not be read back and is refused; the file is then untouched.
     */
    Status writePathData(const QString& file) const;

    /**
     * Whether a browser path is a Windows program's ("C:\…", "\\server\…" or any path with
     * a backslash), as a data folder brought from Windows has it: no program here answers to it.
     */
    static bool isWindowsPath(const QString& browserPath);
};
