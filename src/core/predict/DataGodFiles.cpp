#include "predict/DataGodFiles.h"

#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <vector>

#include "predict/DataGodEngine.h"
#include "predict/DataGodSettings.h"
#include "store/InstallPaths.h"

namespace DataGodFiles {

Status runDataGods(const InstallPaths& paths, const DrawHistory& history, const DataGodSettings& settings)
{
    DataGodEngine engine(history, settings);
    GodContents contents;
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot)
        contents[slot - 1] = engine.godFile(PredictText::dataGods()[slot - 1].order);
    return write(paths, settings.predictionCount, contents);
}

Status write(const InstallPaths& paths, int predictionCount, const GodContents& contents)
{
    const QFileInfo folder(paths.predictionFolder());
    if (!folder.isDir())
        return PredictText::predictionFolderMissing(paths.predictionFolder());

    std::vector<std::unique_ptr<QSaveFile>> files;
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count) {
        for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot) {
            const QString path = paths.dataGodFile(PredictText::dataGods()[slot - 1].prefix, count);
            const QFileInfo existing(path);
            const QByteArray bytes = count == predictionCount ? contents[slot - 1] : QByteArray();
            // A file that is empty already stays as it is, which spares its rewrite.
            if (bytes.isEmpty() && existing.isFile() && existing.size() == 0)
                continue;
            // A folder in a file's place would only fail when the files are put in place.
            if (existing.exists() && !existing.isFile())
                return PredictText::predictionFileWriteFailed(path, PredictText::reasonNotAFile());
            auto file = std::make_unique<QSaveFile>(path);
            if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size())
                return PredictText::predictionFileWriteFailed(path, file->errorString());
            files.push_back(std::move(file));
        }
    }
    // Only now do the old files go; should one commit fail, the later files keep their old content.
    for (const auto& file : files) {
        if (!file->commit())
            return PredictText::predictionFileWriteFailed(file->fileName(), file->errorString());
    }
    return std::nullopt;
}

} // namespace DataGodFiles
