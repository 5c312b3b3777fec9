#include "core/store/ExampleHistory.h"

#include <QFileInfo>

#include "core/store/FileNameBytes.h"
#include "core/store/InstallLocator.h"
#include "core/store/InstallPaths.h"

namespace ExampleHistory {

bool inUse(const QString& historyFile)
{
    const QString example = InstallPaths(InstallLocator::bundledSampleFolder()).historyFile();
    // Most histories differ in size, which needs no reading.
    if (QFileInfo(historyFile).size() != QFileInfo(example).size())
        return false;
    const FileNameBytes::Content own = FileNameBytes::read(historyFile);
    const FileNameBytes::Content bundled = FileNameBytes::read(example);
    return own.bytes && bundled.bytes && *own.bytes == *bundled.bytes;
}

} // namespace ExampleHistory
