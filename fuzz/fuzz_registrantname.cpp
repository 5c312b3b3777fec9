// Any text given as a file name in the prediction folder is a registrant's file or none, never a
// crash: a registrant's file name is "YDF" + slot + name + ".txt" exactly, and the leftover of an
// interrupted save is none. A name the registration accepts makes a file name that reads back as
// that slot and name and is never taken for a leftover, which the next start would delete. Any bytes
// of a name in the folder come back as the same bytes from the path the program keeps for them.
#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <cstdlib>

#include "core/entry/RegistrantSlots.h"
#include "core/store/AtomicWriter.h"
#include "core/store/FileNameBytes.h"
#include "core/store/InstallPaths.h"
#include "core/store/Registrants.h"

namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

// "<anything>.txt.XXXXXX", as the atomic writer names its temporary files.
bool endsAsLeftover(const QString& text)
{
    if (text.size() < 11 || !text.chopped(6).endsWith(QStringLiteral(".txt.")))
        return false;
    for (qsizetype i = text.size() - 6; i < text.size(); ++i) {
        if (!isAsciiLetterOrDigit(text[i]))
            return false;
    }
    return true;
}

void check(const QString& text)
{
    if (const auto file = RegistrantFileName::parse(text)) {
        if (file->slot < 1 || file->slot > kRegistrantSlots
            || QStringLiteral("YDF") + QString::number(file->slot) + file->name + QStringLiteral(".txt") != text)
            std::abort();
    }
    if (endsAsLeftover(text) && RegistrantFileName::parse(text))
        std::abort();

    if (RegistrantSlots::checkName(text))
        return;
    static const InstallPaths paths(QStringLiteral("/install"));
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const QString fileName = QFileInfo(paths.registrantFile(slot, text)).fileName();
        const auto file = RegistrantFileName::parse(fileName);
        if (!file || file->slot != slot || file->name != text || AtomicWriter::isInterruptedSave(fileName))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString kept = FileNameBytes::decode(bytes.toByteArray());
    if (FileNameBytes::encode(kept) != bytes)
        std::abort();
    check(FileNameBytes::readable(kept));
    check(QString::fromUtf8(bytes));
    check(QString::fromLatin1(bytes));
    return 0;
}
