#include "core/store/Installation.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "core/store/InstallLocator.h"

namespace {

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

Result<Installation> Installation::open(const QString& installPathOption, DrawHistory::Access access)
{
    QSettings settings;
    InstallLocator locator(settings, userDataFolder(), InstallLocator::bundledSampleFolder());
    Result<QString> root = locator.readInstallPath(installPathOption);
    if (!root.ok())
        return root.error();
    InstallPaths paths(root.value());
    auto history = DrawHistory::open(paths.historyFile(), access);
    if (!history.ok())
        return history.error();
    // The user's own folder gets what a newer version added to the sample; a folder named on the
    // command line is used exactly as it is.
    if (installPathOption.isEmpty()) {
        if (Status fault = locator.addMissingSampleFiles(paths.root()))
            return *fault;
    }
    return Installation{paths, std::move(history).value()};
}

bool Installation::isFirstStart(const QString& installPathOption)
{
    if (!installPathOption.isEmpty())
        return false;
    const QSettings settings;
    return settings.value(InstallLocator::settingsKey()).toString().isEmpty()
           && !QFileInfo::exists(InstallPaths(userDataFolder()).historyFile());
}
