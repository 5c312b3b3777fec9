// Any bytes given as PathData.txt load without a crash, and what they give saves and loads back
// unchanged.
#include <QFile>

#include <cstdlib>

#include "FuzzSupport.h"
#include "core/store/PathSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QString path = fuzz::writeScratchFile(QStringLiteral("PathData.txt"), QByteArray(data, qsizetype(size)));

    const PathSettings loaded = PathSettings::loadPathSettings(path);
    if (loaded.writePathData(path))
        std::abort();
    const PathSettings again = PathSettings::loadPathSettings(path);
    if (again.browserPath != loaded.browserPath || again.homePageUrl != loaded.homePageUrl)
        std::abort();
    return 0;
}
