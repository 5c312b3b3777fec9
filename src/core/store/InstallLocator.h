#pragma once

#include <QString>

#include "core/UserMessage.h"

class QSettings;

/**
 * Finds the installation folder: the command-line option first, then the recorded setting, else a
 * user data folder made from the bundled sample installation on first start and recorded.
 */
class InstallLocator {
public:
    /** settings: where the path is recorded; userDataFolder: created on first start from sampleFolder. */
    InstallLocator(QSettings& settings, QString userDataFolder, QString sampleFolder);

    /** The installation folder; option is the --install-path value, empty when not given. */
    Result<QString> readInstallPath(const QString& option);

    /**
     * Copies in every file of the sample that the folder lacks (a folder made by an older version
     * lacks the newer help pages); files already there stay as they are.
     */
    Status addMissingSampleFiles(const QString& folder) const;

    /** Where the sample installation is bundled, beside the program's binaries. */
    static QString bundledSampleFolder();
    /** The settings of the installed program. */
    static QString settingsKey();

private:
    QSettings& m_settings;
    QString m_userDataFolder;
    QString m_sampleFolder;
};
