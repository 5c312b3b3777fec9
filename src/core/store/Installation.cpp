#include "store/Installation.h"

#include <QSettings>
#include <QStandardPaths>

#include "store/InstallLocator.h"

Result<Installation> Installation::open(const QString& installPathOption)
{
    QSettings settings;
    InstallLocator locator(settings, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                           InstallLocator::bundledSampleFolder());
    Result<QString> root = locator.readInstallPath(installPathOption);
    if (!root.ok())
        return root.error();
    InstallPaths paths(root.value());
    auto history = DrawHistory::open(paths.historyFile());
    if (!history.ok())
        return history.error();
    return Installation{paths, std::move(history).value()};
}
