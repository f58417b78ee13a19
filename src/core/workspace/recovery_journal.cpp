#include "recovery_journal.h"

#include "core/datafile/data_file.h"
#include "core/datafile/file_access.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace vw::app {

using datafile::ChangeSet;
using datafile::DataFile;
using datafile::FormatError;

namespace {

constexpr quint32 JournalMagic = 0x56575231; // "VWR1"
// A recovery file is refused past this size rather than read into memory.
constexpr qint64 JournalLimit = 512LL * 1024 * 1024;
// More entries than any file has: a count beyond it is a damaged file.
constexpr quint32 MaxListEntries = 1u << 20;

[[noreturn]] void doesNotFit()
{
    throw FormatError(QCoreApplication::translate("vw::app", "the recorded changes do not fit the file"));
}

// ---- Writing and reading the entries -------------------------------------

void put(QDataStream &out, const datafile::HeaderValues &h)
{
    out << qint32(h.fileVersion) << qint32(h.planeCount) << qint32(h.fileLayout) << qint32(h.starts.wings)
        << qint32(h.starts.damageProfile) << qint32(h.starts.ammo);
}

void put(QDataStream &out, const datafile::CipherBlock &b)
{
    out << qint64(b.offset) << qint64(b.length);
}

void put(QDataStream &out, const ChangeSet &changes)
{
    out << quint32(changes.steps.size());
    for (const ChangeSet::Step &s : changes.steps) {
        out << quint8(s.kind);
        switch (s.kind) {
        case ChangeSet::Step::Bytes:
            out << qint64(s.offset) << s.before << s.after;
            break;
        case ChangeSet::Step::Resize:
            out << qint64(s.oldSize) << qint64(s.newSize) << s.before;
            break;
        case ChangeSet::Step::Gap:
            out << qint64(s.offset) << qint64(s.oldSize) << qint64(s.newSize);
            break;
        case ChangeSet::Step::Header:
            put(out, s.headerBefore);
            put(out, s.headerAfter);
            break;
        case ChangeSet::Step::PlaneBlocks: {
            const datafile::PlaneBlocksChange &b = s.blocks;
            out << qint32(b.plane) << qint64(b.recordBefore) << qint64(b.mapBefore) << qint64(b.recordAfter)
                << qint64(b.mapAfter) << quint32(b.removedBlocks.size());
            for (const auto &[at, block] : b.removedBlocks) {
                out << quint64(at);
                put(out, block);
            }
            out << quint32(b.addedBlocks.size());
            for (const auto &block : b.addedBlocks)
                put(out, block);
            break;
        }
        }
    }
}

void put(QDataStream &out, const JournalCommand &command)
{
    out << quint32(command.size());
    for (const JournalPiece &piece : command) {
        out << bool(piece.forward);
        put(out, piece.changes);
    }
}

class Reader {
public:
    explicit Reader(const QByteArray &bytes) : in_(bytes) { in_.setVersion(QDataStream::Qt_6_0); }
    bool ok() const { return in_.status() == QDataStream::Ok; }
    bool atEnd() const { return in_.atEnd(); }
    template <class T>
    T get()
    {
        T value{};
        in_ >> value;
        if (!ok())
            throw FormatError(QCoreApplication::translate("vw::app", "the recovery file is damaged"));
        return value;
    }
    quint32 count()
    {
        const quint32 n = get<quint32>();
        if (n > MaxListEntries)
            throw FormatError(QCoreApplication::translate("vw::app", "the recovery file is damaged"));
        return n;
    }
    datafile::HeaderValues header()
    {
        datafile::HeaderValues h;
        h.fileVersion = get<qint32>();
        h.planeCount = get<qint32>();
        h.fileLayout = get<qint32>();
        h.starts.wings = get<qint32>();
        h.starts.damageProfile = get<qint32>();
        h.starts.ammo = get<qint32>();
        return h;
    }
    datafile::CipherBlock block()
    {
        datafile::CipherBlock b;
        b.offset = get<qint64>();
        b.length = get<qint64>();
        return b;
    }
    ChangeSet changes()
    {
        ChangeSet changes;
        for (quint32 n = count(); n > 0; --n) {
            ChangeSet::Step s;
            const quint8 kind = get<quint8>();
            switch (kind) {
            case ChangeSet::Step::Bytes:
                s.offset = get<qint64>();
                s.before = get<QByteArray>();
                s.after = get<QByteArray>();
                break;
            case ChangeSet::Step::Resize:
                s.oldSize = get<qint64>();
                s.newSize = get<qint64>();
                s.before = get<QByteArray>();
                break;
            case ChangeSet::Step::Gap:
                s.offset = get<qint64>();
                s.oldSize = get<qint64>();
                s.newSize = get<qint64>();
                break;
            case ChangeSet::Step::Header:
                s.headerBefore = header();
                s.headerAfter = header();
                break;
            case ChangeSet::Step::PlaneBlocks: {
                datafile::PlaneBlocksChange &b = s.blocks;
                b.plane = get<qint32>();
                b.recordBefore = get<qint64>();
                b.mapBefore = get<qint64>();
                b.recordAfter = get<qint64>();
                b.mapAfter = get<qint64>();
                for (quint32 r = count(); r > 0; --r) {
                    const auto at = std::size_t(get<quint64>());
                    b.removedBlocks.emplace_back(at, block());
                }
                for (quint32 a = count(); a > 0; --a)
                    b.addedBlocks.push_back(block());
                break;
            }
            default:
                throw FormatError(QCoreApplication::translate("vw::app", "the recovery file is damaged"));
            }
            s.kind = ChangeSet::Step::Kind(kind);
            changes.steps.push_back(std::move(s));
        }
        return changes;
    }
    JournalCommand command()
    {
        JournalCommand command;
        for (quint32 n = count(); n > 0; --n) {
            JournalPiece piece;
            piece.forward = get<bool>();
            piece.changes = changes();
            command.push_back(std::move(piece));
        }
        return command;
    }

private:
    QDataStream in_;
};

// An entry: its length, then its kind and content, written in one go.
QByteArray entry(char kind, const std::function<void(QDataStream &)> &content)
{
    QByteArray body;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << qint8(kind);
        content(out);
    }
    QByteArray framed;
    {
        QDataStream out(&framed, QIODevice::WriteOnly);
        out << quint32(body.size());
    }
    return framed + body;
}

// ---- Replaying with checks -----------------------------------------------

bool blocksEqual(const datafile::CipherBlock &a, const datafile::CipherBlock &b)
{
    return a.offset == b.offset && a.length == b.length;
}

datafile::HeaderValues headerOf(const DataFile &file)
{
    return {file.FileVersion(), file.PlaneCount(), file.FileLayout(), file.sectionStarts()};
}

// Whether one step can be replayed onto the file as it is now.
void checkStep(const DataFile &file, const ChangeSet::Step &s, bool forward)
{
    const std::int64_t size = file.FileSize();
    switch (s.kind) {
    case ChangeSet::Step::Bytes: {
        const QByteArray &there = forward ? s.before : s.after;
        if (s.before.size() != s.after.size() || !file.contains(s.offset, there.size())
            || std::memcmp(file.data() + s.offset, there.constData(), size_t(there.size())) != 0)
            doesNotFit();
        break;
    }
    case ChangeSet::Step::Resize: {
        const std::int64_t from = forward ? s.oldSize : s.newSize;
        const std::int64_t to = forward ? s.newSize : s.oldSize;
        const std::int64_t cut = s.oldSize > s.newSize ? s.oldSize - s.newSize : 0;
        if (size != from || to < 0 || to > datafile::MaxFileSize || s.before.size() != cut)
            doesNotFit();
        break;
    }
    case ChangeSet::Step::Gap: {
        const std::int64_t from = forward ? s.oldSize : s.newSize;
        if (size != from || s.newSize <= s.oldSize || s.newSize > datafile::MaxFileSize || s.offset < 0
            || s.offset > s.oldSize)
            doesNotFit();
        break;
    }
    case ChangeSet::Step::Header:
        if (!(headerOf(file) == (forward ? s.headerBefore : s.headerAfter)))
            doesNotFit();
        break;
    case ChangeSet::Step::PlaneBlocks: {
        const datafile::PlaneBlocksChange &b = s.blocks;
        if (b.plane < 1 || b.plane > datafile::PlaneTableSize
            || file.recordOffset(b.plane) != (forward ? b.recordBefore : b.recordAfter)
            || file.damageMapOffset(b.plane) != (forward ? b.mapBefore : b.mapAfter))
            doesNotFit();
        std::vector<datafile::CipherBlock> blocks = file.cipherBlocks();
        if (forward) {
            for (const auto &[at, block] : b.removedBlocks) {
                if (at >= blocks.size() || !blocksEqual(blocks[at], block))
                    doesNotFit();
                blocks.erase(blocks.begin() + std::ptrdiff_t(at));
            }
        } else {
            if (blocks.size() < b.addedBlocks.size()
                || !std::equal(b.addedBlocks.begin(), b.addedBlocks.end(), blocks.end() - std::ptrdiff_t(b.addedBlocks.size()),
                               blocksEqual))
                doesNotFit();
            blocks.resize(blocks.size() - b.addedBlocks.size());
            for (auto it = b.removedBlocks.rbegin(); it != b.removedBlocks.rend(); ++it) {
                if (it->first > blocks.size())
                    doesNotFit();
                blocks.insert(blocks.begin() + std::ptrdiff_t(it->first), it->second);
            }
        }
        break;
    }
    default:
        doesNotFit();
    }
}

void replayPiece(DataFile &file, const JournalPiece &piece, bool forward, bool checked)
{
    const bool ahead = piece.forward == forward;
    if (!checked) {
        ahead ? file.redo(piece.changes) : file.undo(piece.changes);
        return;
    }
    // One step at a time, each checked against the file as the steps before left it.
    const auto &steps = piece.changes.steps;
    const auto one = [&](const ChangeSet::Step &s) {
        checkStep(file, s, ahead);
        ChangeSet single;
        single.steps.push_back(s);
        ahead ? file.redo(single) : file.undo(single);
    };
    if (ahead)
        std::for_each(steps.begin(), steps.end(), one);
    else
        std::for_each(steps.rbegin(), steps.rend(), one);
}

void replayCommand(DataFile &file, const JournalCommand &command, bool forward, bool checked)
{
    if (forward)
        for (const JournalPiece &piece : command)
            replayPiece(file, piece, true, checked);
    else
        for (auto it = command.rbegin(); it != command.rend(); ++it)
            replayPiece(file, *it, false, checked);
}

// The key of a data file in the recovery files' names: where it is, not how its path is spelt.
QString pathKey(const QString &path)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(datafile::BackupRegistry::key(path).toUtf8(), QCryptographicHash::Blake2b_256).toHex().left(16));
}

QString limitText()
{
    return QCoreApplication::translate("vw::datafile", "a plane data file holds at most %1 bytes")
        .arg(QLocale::c().toString(qlonglong(datafile::MaxFileSize)));
}

} // namespace

// ---- Versions on disk --------------------------------------------------------

DiskVersion diskVersionOf(const QString &path, const QByteArray &bytes)
{
    DiskVersion version;
    version.size = bytes.size();
    version.modified = QFileInfo(path).lastModified();
    version.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256);
    return version;
}

DiskVersion readDiskVersion(const QString &path, QByteArray *bytes)
{
    const QByteArray read = datafile::readRegularFile(path, datafile::MaxFileSize, limitText());
    if (bytes)
        *bytes = read;
    return diskVersionOf(path, read);
}

bool looksUnchanged(const QString &path, const DiskVersion &version)
{
    const QFileInfo info(path);
    return info.exists() && info.size() == version.size && info.lastModified() == version.modified;
}

void replay(DataFile &file, const JournalCommand &command, bool forward)
{
    replayCommand(file, command, forward, false);
}

void replayChecked(DataFile &file, const JournalCommand &command, bool forward)
{
    replayCommand(file, command, forward, true);
}

// ---- The recovery file ---------------------------------------------------

RecoveryJournal::RecoveryJournal(const QString &folder) : folder_(folder) {}

RecoveryJournal::~RecoveryJournal()
{
    stop();
}

void RecoveryJournal::start(const QString &path, bool decipher, const DiskVersion &base, JournalHistory history)
{
    stop();
    path_ = path;
    decipher_ = decipher;
    base_ = base;
    history_ = std::move(history);
    active_ = !folder_.isEmpty() && base.known();
}

void RecoveryJournal::stop()
{
    if (!filePath_.isEmpty()) {
        QFile::remove(filePath_);
        lock_.reset(); // unlocks and removes the lock file
        filePath_.clear();
    }
    active_ = false;
    history_ = {};
}

void RecoveryJournal::remove(const QString &file)
{
    QFile::remove(file);
    QFile::remove(file + QStringLiteral(".lock"));
}

void RecoveryJournal::append(const QByteArray &record)
{
    if (!active_)
        return;
    try {
        QByteArray bytes;
        if (filePath_.isEmpty()) {
            // The first step: the file is made, with where the recording begins.
            if (!QDir().mkpath(folder_))
                throw datafile::FileError(folder_, QCoreApplication::translate("vw::app", "the folder could not be made"));
            const QString name = QStringLiteral("%1-%2-%3.recovery")
                                     .arg(QFileInfo(path_).fileName().left(64), pathKey(path_))
                                     .arg(QCoreApplication::applicationPid());
            const QString file = QDir(folder_).filePath(name);
            auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".lock"));
            lock->setStaleLockTime(0);
            if (!lock->tryLock(0))
                throw datafile::FileError(file, QCoreApplication::translate("vw::app", "the recovery file is in use"));
            QFile::remove(file);
            bytes = entry('V', [&](QDataStream &out) {
                out << JournalMagic << path_ << decipher_ << qint64(base_.size) << base_.hash
                    << quint32(history_.commands.size()) << qint32(history_.index);
                for (const JournalCommand &command : history_.commands)
                    put(out, command);
            });
            history_ = {};
            filePath_ = file;
            lock_ = std::move(lock);
        }
        datafile::appendToFile(filePath_, bytes + record, false);
    } catch (const datafile::FileError &e) {
        active_ = false; // a half-written recording could not rebuild the state
        if (onProblem && !failed_)
            onProblem(QCoreApplication::translate("vw::app", "Unsaved changes are no longer kept for recovery after a crash: %1: %2")
                          .arg(QDir::toNativeSeparators(e.path()), e.reason()));
        failed_ = true;
    }
}

void RecoveryJournal::pushed(const JournalCommand &command)
{
    append(entry('P', [&](QDataStream &out) { put(out, command); }));
}

void RecoveryJournal::merged(const ChangeSet &changes)
{
    append(entry('M', [&](QDataStream &out) { put(out, changes); }));
}

void RecoveryJournal::undone(int steps)
{
    append(entry('U', [&](QDataStream &out) { out << qint32(steps); }));
}

void RecoveryJournal::redone(int steps)
{
    append(entry('R', [&](QDataStream &out) { out << qint32(steps); }));
}

RecoveryJournal::Contents RecoveryJournal::read(const QString &file)
{
    const QByteArray bytes = datafile::readRegularFile(file, JournalLimit, QCoreApplication::translate("vw::app", "a recovery file is at most 512 MB"));
    Contents contents;
    qsizetype at = 0;
    bool first = true;
    while (bytes.size() - at >= 4) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        if (length > quint32(bytes.size() - at - 4))
            break; // cut short by a kill while it was written
        Reader in(bytes.mid(at + 4, qsizetype(length)));
        at += 4 + qsizetype(length);
        const char kind = char(in.get<qint8>());
        if (first != (kind == 'V'))
            throw FormatError(QCoreApplication::translate("vw::app", "this is no recovery file"));
        first = false;
        Contents::Op op;
        op.kind = kind;
        switch (kind) {
        case 'V': {
            if (in.get<quint32>() != JournalMagic)
                throw FormatError(QCoreApplication::translate("vw::app", "this is no recovery file"));
            contents.path = in.get<QString>();
            contents.decipher = in.get<bool>();
            contents.size = in.get<qint64>();
            contents.hash = in.get<QByteArray>();
            for (quint32 n = in.count(); n > 0; --n)
                contents.history.commands.push_back({});
            contents.history.index = in.get<qint32>();
            for (JournalCommand &command : contents.history.commands)
                command = in.command();
            if (contents.history.index < 0 || contents.history.index > int(contents.history.commands.size()))
                throw FormatError(QCoreApplication::translate("vw::app", "the recovery file is damaged"));
            continue;
        }
        case 'P':
            op.command = in.command();
            break;
        case 'M':
            op.command.push_back({true, in.changes()});
            break;
        case 'U':
        case 'R':
            op.count = in.get<qint32>();
            if (op.count < 0)
                throw FormatError(QCoreApplication::translate("vw::app", "the recovery file is damaged"));
            break;
        default:
            throw FormatError(QCoreApplication::translate("vw::app", "the recovery file is damaged"));
        }
        contents.ops.push_back(std::move(op));
    }
    if (first)
        throw FormatError(QCoreApplication::translate("vw::app", "this is no recovery file"));
    return contents;
}

JournalCommand RecoveryJournal::rebuild(const Contents &contents, DataFile &file)
{
    // The undo history as the recording goes, and what has been done to the
    // file since it began: steps forwards or backwards, a step undone right
    // after it was done (or the other way round) dropping out.
    using Shared = std::shared_ptr<JournalCommand>;
    struct Done {
        Shared command;
        std::size_t pieces = 0;
        bool forward = true;
    };
    std::vector<Shared> commands;
    for (const JournalCommand &command : contents.history.commands)
        commands.push_back(std::make_shared<JournalCommand>(command));
    std::size_t index = std::size_t(contents.history.index);
    std::vector<Done> done;
    const auto did = [&](const Shared &command, bool forward) {
        if (!done.empty() && done.back().command == command && done.back().forward != forward
            && done.back().pieces == command->size())
            done.pop_back();
        else
            done.push_back({command, command->size(), forward});
    };
    for (const Contents::Op &op : contents.ops) {
        switch (op.kind) {
        case 'P': {
            auto command = std::make_shared<JournalCommand>(op.command);
            replayChecked(file, *command, true);
            commands.resize(index);
            commands.push_back(command);
            ++index;
            did(command, true);
            break;
        }
        case 'M': {
            if (index == 0)
                doesNotFit();
            const Shared &top = commands[index - 1];
            replayChecked(file, op.command, true);
            const bool extends = !done.empty() && done.back().command == top && done.back().forward
                                 && done.back().pieces == top->size();
            top->push_back(op.command.front());
            if (extends)
                done.back().pieces = top->size();
            else
                done.push_back({std::make_shared<JournalCommand>(op.command), 1, true});
            break;
        }
        case 'U':
            for (int n = 0; n < op.count; ++n) {
                if (index == 0)
                    doesNotFit();
                --index;
                replayChecked(file, *commands[index], false);
                did(commands[index], false);
            }
            break;
        case 'R':
            for (int n = 0; n < op.count; ++n) {
                if (index >= commands.size())
                    doesNotFit();
                replayChecked(file, *commands[index], true);
                did(commands[index], true);
                ++index;
            }
            break;
        }
    }
    JournalCommand restored;
    for (const Done &d : done) {
        if (d.forward) {
            restored.insert(restored.end(), d.command->begin(), d.command->begin() + std::ptrdiff_t(d.pieces));
        } else {
            for (auto it = d.command->rend() - std::ptrdiff_t(d.pieces); it != d.command->rend(); ++it)
                restored.push_back({!it->forward, it->changes});
        }
    }
    return restored;
}

QStringList RecoveryJournal::leftBehind(const QString &folder, const QString &path)
{
    QStringList files;
    if (folder.isEmpty())
        return files;
    const QDir dir(folder);
    const QString pattern = path.isEmpty() ? QStringLiteral("*.recovery") : QStringLiteral("*-%1-*.recovery").arg(pathKey(path));
    for (const QFileInfo &info : dir.entryInfoList({pattern}, QDir::Files, QDir::Time)) {
        // A running editor holds the lock of its own file.
        QLockFile lock(info.filePath() + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        files << info.filePath();
    }
    return files;
}

} // namespace vw::app
