#include "store/Registrants.h"

#include <QDir>

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
    const QStringList entries = QDir(predictionFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries) {
        if (const auto file = RegistrantFileName::parse(entry))
            names[file->slot - 1] = file->name;
    }
    return names;
}
