#include "core/store/Registrants.h"

#include "core/store/FileNameBytes.h"
#include "core/store/InstallPaths.h"

std::optional<RegistrantFileName> RegistrantFileName::parse(const QString& fileName)
{
    static const QString prefix = QStringLiteral("YDF");
    static const QString extension = QStringLiteral(".txt");
    if (!fileName.startsWith(prefix) || !fileName.endsWith(extension)
        || fileName.size() < prefix.size() + 1 + extension.size())
        return std::nullopt;
    const int slot = fileName[prefix.size()].unicode() - u'0';
    if (slot < 1 || slot > kRegistrantSlots)
        return std::nullopt;
    const qsizetype nameStart = prefix.size() + 1;
    return RegistrantFileName{slot, fileName.mid(nameStart, fileName.size() - nameStart - extension.size())};
}

RegistrantNames scanRegistrants(const QString& predictionFolder)
{
    RegistrantNames names;
    for (const QString& entry : FileNameBytes::fileNames(predictionFolder)) {
        if (const auto file = RegistrantFileName::parse(FileNameBytes::readable(entry)))
            names[file->slot - 1] = file->name;
    }
    return names;
}

QString findRegistrantFile(const InstallPaths& paths, int slot, const QString& name)
{
    QString utf8 = paths.registrantFile(slot, name);
    if (FileNameBytes::exists(utf8))
        return utf8;
    for (const QString& entry : FileNameBytes::fileNames(paths.predictionFolder())) {
        const auto file = RegistrantFileName::parse(FileNameBytes::readable(entry));
        if (file && file->slot == slot && file->name == name)
            return paths.predictionFolder() + QLatin1Char('/') + entry;
    }
    return utf8;
}
