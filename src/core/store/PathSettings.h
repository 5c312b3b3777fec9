#pragma once

#include <QString>

/** The browser program and the home-page address kept in PathData.txt. */
struct PathSettings {
    QString browserPath;
    QString homePageUrl;

    /**
     * Reads the file "Browser<" path ">URL[" address "]" NUL. A missing file or one without
     * ">URL[" gives empty settings.
     */
    static PathSettings load(const QString& file);
};
