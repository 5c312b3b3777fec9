#include "entry/RegistrantSlots.h"

#include <QFile>
#include <QStringEncoder>

#include <algorithm>

#include "text/EntryText.h"

RegistrantSlots::RegistrantSlots(InstallPaths paths)
    : m_paths(std::move(paths)), m_names(scanRegistrants(m_paths.predictionFolder()))
{
}

QString RegistrantSlots::name(int slot) const
{
    return isSlot(slot) ? m_names[slot - 1] : QString();
}

PredictionFile RegistrantSlots::predictionFile(int slot) const
{
    if (!isRegistered(slot))
        return PredictionFile(m_paths.sampleFile());
    return PredictionFile(m_paths.registrantFile(slot, name(slot)));
}

Status RegistrantSlots::checkName(const QString& name)
{
    if (name.isEmpty())
        return EntryText::registrantNameEmpty();
    QStringEncoder encoder("Shift_JIS");
    const QByteArray bytes = encoder.encode(name);
    const bool unsafeCharacter = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c.category() == QChar::Other_Control;
    });
    if (!encoder.isValid() || encoder.hasError() || unsafeCharacter || name == QStringLiteral(".")
        || name == QStringLiteral(".."))
        return EntryText::registrantNameUnsafe(name);
    if (bytes.size() > kMaxNameBytes)
        return EntryText::registrantNameTooLong(name);
    return std::nullopt;
}

Status RegistrantSlots::setName(int slot, const QString& name)
{
    if (!isSlot(slot))
        return EntryText::registrantNotRegistered(slot);
    if (auto fault = checkName(name))
        return fault;
    const QString target = m_paths.registrantFile(slot, name);
    const QString current = m_paths.registrantFile(slot, m_names[slot - 1]);
    if (isRegistered(slot) && target != current && QFile::exists(current)) {
        if (QFile::exists(target))
            return EntryText::registrantFileExists(target);
        QFile file(current);
        if (!file.rename(target))
            return EntryText::registrantFileFailed(target, file.errorString());
    } else if (!QFile::exists(target)) {
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return EntryText::registrantFileFailed(target, file.errorString());
    }
    m_names[slot - 1] = name;
    return std::nullopt;
}

Status RegistrantSlots::remove(int slot)
{
    if (!isRegistered(slot))
        return EntryText::registrantNotRegistered(slot);
    QFile file(m_paths.registrantFile(slot, name(slot)));
    // A file already deleted by someone else frees the slot just the same.
    if (file.exists() && !file.remove())
        return EntryText::registrantFileFailed(file.fileName(), file.errorString());
    m_names[slot - 1].clear();
    return std::nullopt;
}
