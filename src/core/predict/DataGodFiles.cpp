#include "core/predict/DataGodFiles.h"

#include <QFileInfo>

#include "core/predict/DataGodEngine.h"
#include "core/predict/DataGodSettings.h"
#include "core/store/AtomicWriter.h"
#include "core/store/DrawHistory.h"
#include "core/store/InstallPaths.h"

namespace DataGodFiles {

Status runDataGods(const InstallPaths& paths, const DrawHistory& history, const DataGodSettings& settings)
{
    // The records number draws with four digits, up to the coming draw.
    if (history.drawCount() > kMaxDraws)
        return PredictText::historyTooLongForGods(history.drawCount(), kMaxDraws);
    DataGodEngine engine(history, settings);
    GodContents contents;
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot)
        contents[slot - 1] = engine.godFile(PredictText::dataGods()[slot - 1].order);
    return write(paths, settings.predictionCount, contents);
}

Status write(const InstallPaths& paths, int predictionCount, const GodContents& contents)
{
    if (!QFileInfo(paths.predictionFolder()).isDir())
        return PredictText::predictionFolderMissing(paths.predictionFolder());

    QList<FileChange> changes;
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count) {
        for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot) {
            const QString path = paths.dataGodFile(PredictText::dataGods()[slot - 1].prefix, count);
            const QFileInfo existing(path);
            const QByteArray bytes = count == predictionCount ? contents[slot - 1] : QByteArray();
            // A file that is empty already stays as it is, which spares its rewrite.
            if (bytes.isEmpty() && existing.isFile() && existing.size() == 0)
                continue;
            if (existing.exists() && !existing.isFile())
                return PredictText::predictionFileWriteFailed(path, PredictText::reasonNotAFile());
            changes.append(FileChange::write(path, bytes));
        }
    }
    if (auto fault = AtomicWriter::commit(changes))
        return AtomicWriter::failureMessage(*fault, PredictText::predictionFileWriteFailed(fault->path, fault->reason));
    return std::nullopt;
}

} // namespace DataGodFiles
