#include "PowerCutModel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "TestHistory.h"

namespace PowerCut {
namespace {

// The most combinations of kept name changes tried at one point; past it, an even spread of them.
constexpr qint64 kMostNameCombinations = 2048;
// Past this many files with unsynced bytes at once, each takes its other content only alone.
constexpr int kMostUnsureFiles = 4;

bool isLockFile(const QString& path)
{
    return path.endsWith(QStringLiteral(".lock"));
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString shown(const QString& path)
{
    return path.isEmpty() ? QStringLiteral(".") : path;
}

QByteArray digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QString describe(const Entry& entry)
{
    switch (entry.type) {
    case Entry::Type::Folder:
        return QStringLiteral("a folder");
    case Entry::Type::Link:
        return QStringLiteral("a link to ") + QString::fromUtf8(entry.content);
    case Entry::Type::File:
        break;
    }
    return QStringLiteral("%1 bytes").arg(entry.content.size());
}

bool writeBytes(const QByteArray& path, const QByteArray& bytes)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString pathOf(const QByteArray& word)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(word));
}

std::optional<QString> relativePath(const QString& path, const QString& root)
{
    if (path == root)
        return QString();
    if (path.startsWith(root + QLatin1Char('/')))
        return path.mid(root.size() + 1);
    return std::nullopt;
}

/** A record line's call, its paths absolute; nothing when the line is not one the library writes. */
std::optional<Call> parseLine(const QList<QByteArray>& words)
{
    Call call;
    call.word = words.value(0);
    const auto shaped = [&](Call::Kind kind, qsizetype size) {
        call.kind = kind;
        return words.size() == size ? std::optional<Call>(call) : std::nullopt;
    };
    if (call.word == "create") {
        call.file = words.value(2);
        call.path = pathOf(words.value(3));
        return shaped(words.value(1) == "new" ? Call::Kind::Create : Call::Kind::Open, 4);
    }
    if (call.word == "truncate" || call.word == "write") {
        call.file = words.value(1);
        call.number = words.value(2).toLongLong();
        call.bytes = QByteArray::fromHex(words.value(3));
        call.path = pathOf(words.last());
        return call.word == "write" ? shaped(Call::Kind::Write, 5) : shaped(Call::Kind::Truncate, 4);
    }
    if (call.word == "fsync" || call.word == "fdatasync" || call.word == "close") {
        call.file = words.value(1);
        call.path = pathOf(words.value(2));
        if (call.word == "close")
            return shaped(Call::Kind::Close, 3);
        return shaped(call.file == "folder" ? Call::Kind::SyncFolder : Call::Kind::Sync, 3);
    }
    if (call.word == "rename" || call.word == "exchange" || call.word == "link") {
        call.path = pathOf(words.value(1));
        call.target = pathOf(words.value(2));
        const Call::Kind kind = call.word == "rename"     ? Call::Kind::Rename
                                : call.word == "exchange" ? Call::Kind::Exchange
                                                          : Call::Kind::Link;
        return shaped(kind, 3);
    }
    if (call.word == "symlink") {
        call.bytes = QByteArray::fromPercentEncoding(words.value(1));
        call.path = pathOf(words.value(2));
        return shaped(Call::Kind::Symlink, 3);
    }
    call.path = pathOf(words.value(1));
    if (call.word == "unlink" || call.word == "rmdir")
        return shaped(Call::Kind::Remove, 2);
    if (call.word == "mkdir")
        return shaped(Call::Kind::MakeFolder, 2);
    return std::nullopt;
}

/** A file as the program sees it and as a power cut surely leaves it. */
struct Inode {
    Entry::Type type = Entry::Type::File;
    QByteArray live;
    QByteArray synced;
    QByteArray liveDigest;
    QByteArray syncedDigest;

    void setLive(const QByteArray& bytes)
    {
        live = bytes;
        liveDigest = digest(bytes);
    }
    void sync()
    {
        synced = live;
        syncedDigest = liveDigest;
    }
    bool unsure() const { return type == Entry::Type::File && liveDigest != syncedDigest; }
};

/** A change of names; it lasts only with every earlier change of each folder it changes. */
struct NameChange {
    enum class Kind { Add, Remove, Move, Exchange };
    Kind kind = Kind::Add;
    QString path;
    QString target;
    int inode = -1;
    QList<std::pair<QString, int>> places; // each folder it changes, and its place among that folder's changes
    QString label;
};

void applyTo(QMap<QString, int>& names, const NameChange& change)
{
    switch (change.kind) {
    case NameChange::Kind::Add:
        names.insert(change.path, change.inode);
        break;
    case NameChange::Kind::Remove:
        names.remove(change.path);
        break;
    case NameChange::Kind::Move:
        if (names.contains(change.path))
            names.insert(change.target, names.take(change.path));
        break;
    case NameChange::Kind::Exchange:
        if (names.contains(change.path) && names.contains(change.target))
            std::swap(names[change.path], names[change.target]);
        break;
    }
}

/** Which of count unsure files keep their latest bytes: every mix, or past a few files each one against the rest. */
QList<QList<bool>> contentChoices(int count)
{
    QList<QList<bool>> choices;
    if (count <= kMostUnsureFiles) {
        for (int mask = 0; mask < (1 << count); ++mask) {
            QList<bool> choice;
            for (int file = 0; file < count; ++file)
                choice.append((mask >> file & 1) != 0);
            choices.append(choice);
        }
        return choices;
    }
    for (const bool rest : {false, true}) {
        choices.append(QList<bool>(count, rest));
        for (int file = 0; file < count; ++file) {
            QList<bool> choice(count, rest);
            choice[file] = !rest;
            choices.append(choice);
        }
    }
    return choices;
}

/** A folder's changes that a power cut may cut short: it keeps at least least of them and at most most. */
struct Cut {
    QString folder;
    int least = 0;
    int most = 0;
};

/**
 * The calls replayed on a model of the tree. A rename from one folder to another is one change in the
 * order of both: it lasts with the earlier changes of both folders, and a sync of either makes it last.
 * A renamed folder is not followed.
 */
class Replay {
public:
    explicit Replay(const Tree& start);

    void apply(const Call& call, int number, QStringList& errors);
    /** Adds the trees not yet seen that a power cut after point calls may leave. */
    void collect(int point, QSet<QByteArray>& seen, QList<CrashState>& states) const;

    /** The tree as the program sees it, every change made. */
    Tree liveTree() const;

private:
    int newInode(Entry::Type type, const QByteArray& bytes);
    int inodeOfFile(const Call& call);
    void changeNames(NameChange change);
    std::optional<QList<bool>> keptChanges(const QList<Cut>& cuts, qint64 combination) const;
    void addStates(int point, const QList<bool>& kept, QSet<QByteArray>& seen, QList<CrashState>& states) const;
    void dropUnreachable(QMap<QString, int>& names) const;
    QByteArray key(const QMap<QString, int>& names, const QSet<int>& lost) const;

    QList<Inode> m_inodes;
    QHash<QByteArray, int> m_inodeOfFile; // the program's device:inode
    QMap<QString, int> m_start;
    QMap<QString, int> m_live;
    QList<NameChange> m_changes;
    QMap<QString, QList<int>> m_changesOf; // a folder's changes in the order made
    QMap<QString, int> m_synced;           // how many of a folder's changes its last sync made last
};

Replay::Replay(const Tree& start)
{
    QHash<int, int> inodeOfEntry;
    for (auto it = start.cbegin(); it != start.cend(); ++it) {
        if (!inodeOfEntry.contains(it->inode)) {
            inodeOfEntry.insert(it->inode, newInode(it->type, it->content));
            m_inodes.last().sync();
        }
        m_start.insert(it.key(), inodeOfEntry.value(it->inode));
    }
    m_live = m_start;
}

int Replay::newInode(Entry::Type type, const QByteArray& bytes)
{
    Inode inode;
    inode.type = type;
    inode.setLive(bytes);
    // A new link's target comes with its name; a new file's bytes are lost until synced.
    if (type == Entry::Type::Link)
        inode.sync();
    else
        inode.syncedDigest = digest({});
    m_inodes.append(inode);
    return int(m_inodes.size() - 1);
}

int Replay::inodeOfFile(const Call& call)
{
    if (!m_inodeOfFile.contains(call.file) && m_live.contains(call.path))
        m_inodeOfFile.insert(call.file, m_live.value(call.path));
    return m_inodeOfFile.value(call.file, -1);
}

void Replay::changeNames(NameChange change)
{
    QStringList folders{folderOf(change.path)};
    if (!change.target.isEmpty() && !folders.contains(folderOf(change.target)))
        folders.append(folderOf(change.target));
    for (const QString& folder : std::as_const(folders)) {
        change.places.append({folder, int(m_changesOf.value(folder).size())});
        m_changesOf[folder].append(int(m_changes.size()));
    }
    applyTo(m_live, change);
    m_changes.append(change);
}

void Replay::apply(const Call& call, int number, QStringList& errors)
{
    const QString label = QStringLiteral("call %1 (%2)").arg(number).arg(call.label());
    const auto fail = [&](const QString& why) { errors.append(label + QStringLiteral(": ") + why); };
    const int named = m_live.value(call.path, -1);
    switch (call.kind) {
    case Call::Kind::Create:
        m_inodeOfFile.insert(call.file, newInode(Entry::Type::File, {}));
        changeNames({NameChange::Kind::Add, call.path, {}, m_inodeOfFile.value(call.file), {}, label});
        return;
    case Call::Kind::Open:
    case Call::Kind::Close:
        inodeOfFile(call);
        return;
    case Call::Kind::Truncate:
    case Call::Kind::Write:
    case Call::Kind::Sync: {
        const int inode = inodeOfFile(call);
        if (inode < 0)
            return fail(QStringLiteral("a file the record never made or named"));
        if (call.kind == Call::Kind::Sync)
            return m_inodes[inode].sync();
        QByteArray bytes = m_inodes[inode].live;
        if (call.kind == Call::Kind::Truncate) {
            bytes.resize(call.number, '\0');
        } else {
            bytes.resize(std::max(bytes.size(), call.number + call.bytes.size()), '\0');
            bytes.replace(call.number, call.bytes.size(), call.bytes);
        }
        return m_inodes[inode].setLive(bytes);
    }
    case Call::Kind::SyncFolder:
        m_synced.insert(call.path, int(m_changesOf.value(call.path).size()));
        return;
    case Call::Kind::Rename:
    case Call::Kind::Exchange:
    case Call::Kind::Link: {
        const int other = m_live.value(call.target, -1);
        if (named < 0 || (call.kind == Call::Kind::Exchange && other < 0))
            return fail(QStringLiteral("a name the model does not hold"));
        if (m_inodes[named].type == Entry::Type::Folder || (other >= 0 && m_inodes[other].type == Entry::Type::Folder))
            return fail(QStringLiteral("a folder moved, which the model does not follow"));
        const NameChange::Kind kind = call.kind == Call::Kind::Rename     ? NameChange::Kind::Move
                                      : call.kind == Call::Kind::Exchange ? NameChange::Kind::Exchange
                                                                          : NameChange::Kind::Add;
        if (kind == NameChange::Kind::Add)
            return changeNames({kind, call.target, {}, named, {}, label});
        return changeNames({kind, call.path, call.target, named, {}, label});
    }
    case Call::Kind::Remove:
        return changeNames({NameChange::Kind::Remove, call.path, {}, named, {}, label});
    case Call::Kind::MakeFolder:
        return changeNames({NameChange::Kind::Add, call.path, {}, newInode(Entry::Type::Folder, {}), {}, label});
    case Call::Kind::Symlink:
        return changeNames({NameChange::Kind::Add, call.path, {}, newInode(Entry::Type::Link, call.bytes), {}, label});
    }
}

void Replay::collect(int point, QSet<QByteArray>& seen, QList<CrashState>& states) const
{
    QList<Cut> cuts;
    qint64 combinations = 1;
    for (auto it = m_changesOf.cbegin(); it != m_changesOf.cend(); ++it) {
        const Cut cut{it.key(), m_synced.value(it.key()), int(it->size())};
        if (cut.most > cut.least) {
            cuts.append(cut);
            combinations *= cut.most - cut.least + 1;
        }
    }
    const qint64 step = std::max<qint64>(1, combinations / kMostNameCombinations);
    for (qint64 combination = 0; combination < combinations; combination += step) {
        if (const std::optional<QList<bool>> kept = keptChanges(cuts, combination))
            addStates(point, *kept, seen, states);
    }
}

/** Which changes last when each cut folder keeps as many as combination says; nothing when that breaks an order. */
std::optional<QList<bool>> Replay::keptChanges(const QList<Cut>& cuts, qint64 combination) const
{
    QMap<QString, int> keptOf;
    for (auto it = m_changesOf.cbegin(); it != m_changesOf.cend(); ++it)
        keptOf.insert(it.key(), int(it->size()));
    for (const Cut& cut : cuts) {
        const int span = cut.most - cut.least + 1;
        keptOf.insert(cut.folder, cut.least + int(combination % span));
        combination /= span;
    }
    QList<bool> kept;
    for (const NameChange& change : m_changes) {
        kept.append(std::all_of(change.places.cbegin(), change.places.cend(),
                                [&keptOf](const auto& place) { return place.second < keptOf.value(place.first); }));
    }
    // A change between two folders that one keeps and the other loses would break the first one's order.
    for (auto it = m_changesOf.cbegin(); it != m_changesOf.cend(); ++it) {
        for (int place = 0; place < keptOf.value(it.key()); ++place) {
            if (!kept[it->at(place)])
                return std::nullopt;
        }
    }
    return kept;
}

void Replay::addStates(int point, const QList<bool>& kept, QSet<QByteArray>& seen, QList<CrashState>& states) const
{
    QMap<QString, int> names = m_start;
    QStringList droppedNames;
    for (qsizetype change = 0; change < m_changes.size(); ++change) {
        if (kept[change])
            applyTo(names, m_changes[change]);
        else
            droppedNames.append(m_changes[change].label);
    }
    dropUnreachable(names);
    QList<int> unsure;
    for (const int inode : std::as_const(names)) {
        if (m_inodes[inode].unsure() && !unsure.contains(inode))
            unsure.append(inode);
    }
    for (const QList<bool>& latest : contentChoices(int(unsure.size()))) {
        QSet<int> lost;
        QStringList dropped = droppedNames;
        for (qsizetype file = 0; file < unsure.size(); ++file) {
            if (!latest[file]) {
                lost.insert(unsure[file]);
                dropped.append(QStringLiteral("the unsynced bytes of ") + names.key(unsure[file]));
            }
        }
        const QByteArray sameness = key(names, lost);
        if (seen.contains(sameness))
            continue;
        seen.insert(sameness);
        Tree tree;
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            const Inode& inode = m_inodes[it.value()];
            tree.insert(it.key(), {inode.type, lost.contains(it.value()) ? inode.synced : inode.live, it.value()});
        }
        states.append({tree, point, dropped});
    }
}

Tree Replay::liveTree() const
{
    Tree tree;
    for (auto it = m_live.cbegin(); it != m_live.cend(); ++it)
        tree.insert(it.key(), {m_inodes[it.value()].type, m_inodes[it.value()].live, it.value()});
    return tree;
}

/** A name whose folder a power cut lost is lost with it. */
void Replay::dropUnreachable(QMap<QString, int>& names) const
{
    // In path order a folder comes before what it holds.
    for (auto it = names.begin(); it != names.end();) {
        const QString folder = folderOf(it.key());
        const bool reachable =
            folder.isEmpty() || (names.contains(folder) && m_inodes[names.value(folder)].type == Entry::Type::Folder);
        it = reachable ? std::next(it) : names.erase(it);
    }
}

/** What makes two trees the same: names, kinds, contents and which names share a file. */
QByteArray Replay::key(const QMap<QString, int>& names, const QSet<int>& lost) const
{
    QByteArray text;
    QHash<int, QString> firstName;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        const Inode& inode = m_inodes[it.value()];
        const QString sharedWith = firstName.value(it.value());
        if (sharedWith.isEmpty())
            firstName.insert(it.value(), it.key());
        text += it.key().toUtf8() + '\0' + char('0' + int(inode.type)) + sharedWith.toUtf8() + '\0'
                + (lost.contains(it.value()) ? inode.syncedDigest : inode.liveDigest);
    }
    return digest(text);
}

} // namespace

Tree readTree(const QString& root)
{
    Tree tree;
    QHash<quint64, int> inodeOfFile;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray name = QFile::encodeName(path);
        struct stat status {};
        if (isLockFile(path) || ::lstat(name.constData(), &status) != 0)
            continue;
        Entry entry;
        entry.inode = inodeOfFile.value(status.st_ino, int(inodeOfFile.size()));
        inodeOfFile.insert(status.st_ino, entry.inode);
        if (S_ISDIR(status.st_mode)) {
            entry.type = Entry::Type::Folder;
        } else if (S_ISLNK(status.st_mode)) {
            entry.type = Entry::Type::Link;
            entry.content.resize(status.st_size);
            entry.content.resize(
                std::max<qsizetype>(0, ::readlink(name.constData(), entry.content.data(), entry.content.size())));
        } else {
            entry.content = TestHistory::readFile(path);
        }
        tree.insert(base.relativeFilePath(path), entry);
    }
    return tree;
}

bool writeTree(const Tree& tree, const QString& root)
{
    QDir(root).removeRecursively();
    if (!QDir().mkpath(root))
        return false;
    QHash<int, QByteArray> firstName;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        const QByteArray path = QFile::encodeName(root + QLatin1Char('/') + it.key());
        bool made = false;
        if (it->type == Entry::Type::Folder)
            made = ::mkdir(path.constData(), 0755) == 0;
        else if (it->type == Entry::Type::Link)
            made = ::symlink(it->content.constData(), path.constData()) == 0;
        else if (firstName.contains(it->inode))
            made = ::link(firstName.value(it->inode).constData(), path.constData()) == 0;
        else
            made = writeBytes(path, it->content);
        if (!made)
            return false;
        firstName.insert(it->inode, path);
    }
    return true;
}

QStringList differences(const Tree& expected, const Tree& found)
{
    QStringList paths = expected.keys() + found.keys();
    paths.removeDuplicates();
    std::sort(paths.begin(), paths.end());
    QStringList differing;
    for (const QString& path : std::as_const(paths)) {
        const Entry want = expected.value(path);
        const Entry got = found.value(path);
        if (!found.contains(path))
            differing.append(path + QStringLiteral(" is missing (") + describe(want) + QLatin1Char(')'));
        else if (!expected.contains(path))
            differing.append(path + QStringLiteral(" is there (") + describe(got) + QLatin1Char(')'));
        else if (want.type != got.type || want.content != got.content)
            differing.append(path + QStringLiteral(" differs (") + describe(got) + QStringLiteral(", not ")
                             + describe(want) + QLatin1Char(')'));
    }
    return differing;
}

QString Call::label() const
{
    QString text = QString::fromLatin1(word) + QLatin1Char(' ') + shown(path);
    if (!target.isEmpty())
        text += QStringLiteral(" -> ") + target;
    if (kind == Kind::Symlink)
        text += QStringLiteral(" -> ") + QString::fromUtf8(bytes);
    if (kind == Kind::Write)
        text += QStringLiteral(", %1 bytes at %2").arg(bytes.size()).arg(number);
    if (kind == Kind::Truncate)
        text += QStringLiteral(" to %1 bytes").arg(number);
    return text;
}

QList<Call> readRecord(const QByteArray& record, const QString& root, QStringList& errors)
{
    QList<Call> calls;
    for (const QByteArray& line : record.split('\n')) {
        if (line.isEmpty())
            continue;
        std::optional<Call> call = parseLine(line.split(' '));
        if (!call) {
            errors.append(QStringLiteral("an unknown record line: ") + QString::fromUtf8(line.left(200)));
            continue;
        }
        const std::optional<QString> path = relativePath(call->path, root);
        const std::optional<QString> target =
            call->target.isEmpty() ? std::optional<QString>() : relativePath(call->target, root);
        const bool outside = !path && (call->target.isEmpty() || !target);
        if (outside)
            continue;
        if (!path || (!call->target.isEmpty() && !target)) {
            errors.append(QStringLiteral("a call across the folder's edge: ") + call->label());
            continue;
        }
        call->path = *path;
        call->target = target.value_or(QString());
        calls.append(*call);
    }
    return calls;
}

QList<CrashState> crashStates(const Tree& start, const QList<Call>& calls, QSet<QByteArray>& seen, QStringList& errors)
{
    Replay replay(start);
    QList<CrashState> states;
    replay.collect(0, seen, states);
    for (qsizetype number = 1; number <= calls.size(); ++number) {
        const Call& call = calls[number - 1];
        replay.apply(call, int(number), errors);
        // A sync only narrows what may be left, and an open or a close changes nothing.
        const bool narrowsOrKeeps = call.kind == Call::Kind::Sync || call.kind == Call::Kind::SyncFolder
                                    || call.kind == Call::Kind::Open || call.kind == Call::Kind::Close;
        if (!narrowsOrKeeps)
            replay.collect(int(number), seen, states);
    }
    return states;
}

Tree replayed(const Tree& start, const QList<Call>& calls, QStringList& errors)
{
    Replay replay(start);
    for (qsizetype number = 1; number <= calls.size(); ++number)
        replay.apply(calls[number - 1], int(number), errors);
    return replay.liveTree();
}

} // namespace PowerCut
