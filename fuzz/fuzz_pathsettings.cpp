// Any bytes given as PathData.txt load without a crash, and what they give saves and loads back
// unchanged.
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include "store/PathSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PathData.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data, qint64(size)) != qint64(size))
        std::abort();
    file.close();

    const PathSettings loaded = PathSettings::loadPathSettings(path);
    if (loaded.writePathData(path))
        std::abort();
    const PathSettings again = PathSettings::loadPathSettings(path);
    if (again.browserPath != loaded.browserPath || again.homePageUrl != loaded.homePageUrl)
        std::abort();
    return 0;
}
