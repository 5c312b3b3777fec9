#include "core/store/ChangeJournal.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace PosixFile;

namespace {

const QByteArray kHead = QByteArrayLiteral("VEMO-JOURNAL 2");
const QByteArray kEnd = QByteArrayLiteral("END");

QByteArray word(const QByteArray& bytes)
{
    return bytes.isEmpty() ? QByteArrayLiteral("-") : bytes.toHex();
}

QByteArray unword(const QByteArray& word)
{
    return word == "-" ? QByteArray() : QByteArray::fromHex(word);
}

void renameChecked(const QByteArray& from, const QByteArray& to)
{
    if (::rename(from.constData(), to.constData()) != 0)
        throw FileFault{to, errno};
}

void unlinkChecked(const QByteArray& path)
{
    if (::unlink(path.constData()) != 0 && errno != ENOENT)
        throw FileFault{path, errno};
}

// A name in the data folder: relative, without "." or "..", and every folder on the way a real one,
// so that no journal reaches outside through ".." or a linked subfolder.
bool isInside(const QByteArray& folder, const QByteArray& name)
{
    if (name.isEmpty() || name.startsWith('/'))
        return false;
    const QList<QByteArray> parts = name.split('/');
    QByteArray walked = folder;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty() || parts[i] == "." || parts[i] == "..")
            return false;
        walked += '/' + parts[i];
        if (i + 1 < parts.size() && !isRealFolder(walked))
            return false;
    }
    return true;
}

bool isSpareBeside(const QByteArray& spare, const QByteArray& target, bool optional)
{
    if (spare.isEmpty())
        return optional;
    return folderOf(spare) == folderOf(target) && isSpareOf(baseName(spare), baseName(target));
}

// The spare's full path from its name in the journal: it lies beside what it stands for.
QByteArray besides(const QByteArray& target, const QByteArray& spareName)
{
    return spareName.isEmpty() || spareName.contains('/') ? spareName : folderOf(target) + '/' + spareName;
}

// A place inside the data folder is kept relative to it, so that a folder copied or moved elsewhere still settles.
QByteArray placeIn(const QByteArray& folder, const QByteArray& placeWord)
{
    const QByteArray place = unword(placeWord);
    return place.startsWith('/') ? place : resolved(folder) + '/' + place;
}

std::optional<JournalEntry> parseWrite(const QByteArray& folder, const QList<QByteArray>& words)
{
    const auto before = Identity::parse(words.value(5));
    const auto after = Identity::parse(words.value(6));
    if (words.size() != 7 || !before || !after)
        return std::nullopt;
    JournalEntry entry{
        JournalEntry::Kind::Write, unword(words[1]), {}, placeIn(folder, words[2]), {}, {}, *before, *after};
    entry.temporary = besides(entry.place, unword(words[3]));
    entry.kept = besides(entry.place, unword(words[4]));
    const bool placed =
        isInside(folder, entry.name) && entry.place == ChangeJournal::placeOf(folder + '/' + entry.name);
    if (!placed || !isSpareBeside(entry.temporary, entry.place, false) || !isSpareBeside(entry.kept, entry.place, true))
        return std::nullopt;
    return entry;
}

std::optional<JournalEntry> parseRemove(const QByteArray& folder, const QList<QByteArray>& words)
{
    const auto before = Identity::parse(words.value(3));
    if (words.size() != 4 || !before)
        return std::nullopt;
    JournalEntry entry{JournalEntry::Kind::Remove, unword(words[1]), {}, {}, {}, {}, *before, {}};
    entry.place = folder + '/' + entry.name;
    entry.kept = besides(entry.place, unword(words[2]));
    if (!isInside(folder, entry.name) || !isSpareBeside(entry.kept, entry.place, true))
        return std::nullopt;
    return entry;
}

std::optional<JournalEntry> parseMove(const QByteArray& folder, const QList<QByteArray>& words)
{
    const auto moved = Identity::parse(words.value(3));
    if (words.size() != 4 || !moved)
        return std::nullopt;
    JournalEntry entry{JournalEntry::Kind::Move, unword(words[2]), unword(words[1]), {}, {}, {}, *moved, *moved};
    entry.place = folder + '/' + entry.name;
    if (!isInside(folder, entry.name) || !isInside(folder, entry.source))
        return std::nullopt;
    return entry;
}

std::optional<JournalEntry> parseEntry(const QByteArray& folder, const QByteArray& line)
{
    const QList<QByteArray> words = line.split(' ');
    const QByteArray& kind = words.first();
    if (kind == "W")
        return parseWrite(folder, words);
    if (kind == "R")
        return parseRemove(folder, words);
    if (kind == "M")
        return parseMove(folder, words);
    return std::nullopt;
}

std::optional<QList<QByteArray>> entryLines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 3 || lines.first() != kHead || lines.takeLast() != QByteArray() || lines.takeLast() != kEnd)
        return std::nullopt;
    return lines.mid(1);
}

} // namespace

QByteArray ChangeJournal::placeOf(const QByteArray& lexicalPath)
{
    if (isLink(lexicalPath))
        return resolved(lexicalPath);
    const QByteArray folder = resolved(folderOf(lexicalPath));
    return folder.isEmpty() ? QByteArray() : folder + '/' + baseName(lexicalPath);
}

QByteArray ChangeJournal::relativePlace(const QByteArray& place) const
{
    const QByteArray inside = resolved(m_folder) + '/';
    return place.startsWith(inside) ? place.mid(inside.size()) : place;
}

QByteArray ChangeJournal::text() const
{
    QByteArray text = kHead + '\n';
    for (const JournalEntry& entry : m_entries) {
        switch (entry.kind) {
        case JournalEntry::Kind::Write:
            text += "W " + word(entry.name) + ' ' + word(relativePlace(entry.place)) + ' '
                    + word(baseName(entry.temporary)) + ' ' + word(baseName(entry.kept)) + ' ' + entry.before.text()
                    + ' ' + entry.after.text();
            break;
        case JournalEntry::Kind::Remove:
            text += "R " + word(entry.name) + ' ' + word(baseName(entry.kept)) + ' ' + entry.before.text();
            break;
        case JournalEntry::Kind::Move:
            text += "M " + word(entry.source) + ' ' + word(entry.name) + ' ' + entry.before.text();
            break;
        }
        text += '\n';
    }
    return text + kEnd + '\n';
}

std::optional<ChangeJournal> ChangeJournal::parse(const QByteArray& dataFolder, const QByteArray& text)
{
    const auto lines = entryLines(text);
    if (!lines)
        return std::nullopt;
    QList<JournalEntry> entries;
    for (const QByteArray& line : *lines) {
        const auto entry = parseEntry(dataFolder, line);
        if (!entry)
            return std::nullopt;
        entries.append(*entry);
    }
    return ChangeJournal(dataFolder, entries);
}

QList<QByteArray> ChangeJournal::sparesNamedIn(const QByteArray& dataFolder, const QByteArray& text)
{
    QList<QByteArray> spares;
    for (const QByteArray& line : entryLines(text).value_or(QList<QByteArray>())) {
        const QList<QByteArray> words = line.split(' ');
        const QByteArray target =
            words.first() == "W" ? placeIn(dataFolder, words.value(2)) : dataFolder + '/' + unword(words.value(1));
        const QList<QByteArray> spareWords = words.first() == "W" ? words.mid(3, 2) : words.mid(2, 1);
        for (const QByteArray& spare : spareWords) {
            if (isSpareOf(unword(spare), baseName(target)))
                spares.append(besides(target, unword(spare)));
        }
    }
    return spares;
}

void ChangeJournal::write()
{
    const QByteArray journal = path(journalName());
    const QByteArray temporary = writeSpare(journal, text(), 0644);
    if (::rename(temporary.constData(), journal.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        throw FileFault{journal, error};
    }
    m_onDisk = journalName();
    try {
        syncFolder(m_folder);
    } catch (const FileFault&) {
        // Nothing is renamed yet: without its journal the change is simply not made.
        ::unlink(journal.constData());
        m_onDisk.clear();
        throw;
    }
}

bool ChangeJournal::canGo(Direction direction) const
{
    const bool forward = direction == Direction::Forward;
    for (const JournalEntry& entry : m_entries) {
        const Identity present = identityOf(entry.place);
        const auto keptHolds = [&entry](const Identity& identity) {
            return !entry.kept.isEmpty() && identityOf(entry.kept) == identity;
        };
        bool possible = false;
        switch (entry.kind) {
        case JournalEntry::Kind::Write:
            possible = forward ? present == entry.after
                                     || (present == entry.before && identityOf(entry.temporary) == entry.after)
                               : present == entry.before
                                     || (present == entry.after && (entry.before.absent() || keptHolds(entry.before)));
            break;
        case JournalEntry::Kind::Remove:
            possible = present == entry.before || (present.absent() && (forward || keptHolds(entry.before)));
            break;
        case JournalEntry::Kind::Move: {
            const Identity source = identityOf(path(entry.source));
            possible = (source == entry.before && present.absent()) || (source.absent() && present == entry.before);
            break;
        }
        }
        if (!possible)
            return false;
    }
    return true;
}

void ChangeJournal::goForward(const JournalEntry& entry) const
{
    switch (entry.kind) {
    case JournalEntry::Kind::Write:
        // A content written again unchanged cannot be told by it: there the temporary's name tells.
        if (entry.before == entry.after ? exists(entry.temporary) : identityOf(entry.place) != entry.after)
            renameChecked(entry.temporary, entry.place);
        break;
    case JournalEntry::Kind::Remove:
        unlinkChecked(entry.place);
        break;
    case JournalEntry::Kind::Move:
        if (exists(path(entry.source)) && !exists(entry.place))
            renameChecked(path(entry.source), entry.place);
        break;
    }
}

void ChangeJournal::goBack(const JournalEntry& entry) const
{
    switch (entry.kind) {
    case JournalEntry::Kind::Write:
        if (entry.before == entry.after ? exists(entry.temporary) : identityOf(entry.place) == entry.before)
            break;
        if (entry.before.absent())
            unlinkChecked(entry.place);
        else
            renameChecked(entry.kept, entry.place);
        break;
    case JournalEntry::Kind::Remove:
        if (!exists(entry.place) && !entry.kept.isEmpty() && exists(entry.kept))
            renameChecked(entry.kept, entry.place);
        break;
    case JournalEntry::Kind::Move:
        if (exists(entry.place) && !exists(path(entry.source)))
            renameChecked(entry.place, path(entry.source));
        break;
    }
}

void ChangeJournal::syncTouchedFolders() const
{
    QList<QByteArray> folders;
    for (const JournalEntry& entry : m_entries) {
        for (const QByteArray& file : {entry.place, entry.source.isEmpty() ? entry.place : path(entry.source)}) {
            if (!folders.contains(folderOf(file)))
                folders.append(folderOf(file));
        }
    }
    for (const QByteArray& folder : folders)
        syncFolder(folder);
}

void ChangeJournal::removeJournal(const QByteArray& name) const
{
    unlinkChecked(path(name));
    syncFolder(m_folder);
}

void ChangeJournal::finish()
{
    for (const JournalEntry& entry : m_entries)
        goForward(entry);
    syncTouchedFolders();
    if (m_onDisk == journalName())
        removeJournal(journalName());
    m_onDisk.clear();
}

void ChangeJournal::rollBack()
{
    // Going back is told apart without the mark too, by the new files gone, so a failed mark does not stop it.
    if (m_onDisk == journalName()) {
        try {
            renameChecked(path(journalName()), path(rollbackName()));
            m_onDisk = rollbackName();
            syncFolder(m_folder);
        } catch (const FileFault&) {
        }
    }
    for (auto entry = m_entries.crbegin(); entry != m_entries.crend(); ++entry)
        goBack(*entry);
    syncTouchedFolders();
    // All is back and synced: a journal that stays is settled, as a no-op, at the next open.
    if (!m_onDisk.isEmpty()) {
        try {
            removeJournal(m_onDisk);
        } catch (const FileFault&) {
        }
    }
    m_onDisk.clear();
}

void ChangeJournal::removeSpares() const
{
    for (const JournalEntry& entry : m_entries) {
        for (const QByteArray& spare : {entry.temporary, entry.kept}) {
            if (!spare.isEmpty())
                ::unlink(spare.constData());
        }
    }
}
