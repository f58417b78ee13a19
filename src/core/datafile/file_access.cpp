#include "file_access.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <utility>

// The system's own calls tell a FIFO or a device from a file before opening
// it, and keep a file's owner and permissions across a save; other systems
// use file_access_portable.cpp.
#ifdef Q_OS_UNIX

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vw::datafile {

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale::c().toString(qlonglong(bytes));
}

// Why a path that is there is no file to read or replace.
QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("vw::datafile", "this is a folder, not a file");
    const char *what = S_ISFIFO(mode)  ? QT_TRANSLATE_NOOP("vw::datafile", "a FIFO")
                       : S_ISCHR(mode) ? QT_TRANSLATE_NOOP("vw::datafile", "a character device")
                       : S_ISBLK(mode) ? QT_TRANSLATE_NOOP("vw::datafile", "a block device")
                       : S_ISSOCK(mode) ? QT_TRANSLATE_NOOP("vw::datafile", "a socket")
                                        : QT_TRANSLATE_NOOP("vw::datafile", "a special file");
    return QCoreApplication::translate("vw::datafile", "not a regular file (%1)").arg(QCoreApplication::translate("vw::datafile", what));
}

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("vw::datafile", "the file does not exist");
    case ELOOP:
        return QCoreApplication::translate("vw::datafile", "the name leads into a loop of symbolic links");
    case EISDIR:
        return notAFile(S_IFDIR);
    default:
        return qt_error_string(error);
    }
}

void requireName(const QString &path)
{
    if (path.isEmpty())
        throw FileError(path, QCoreApplication::translate("vw::datafile", "no file name was given"));
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept : descriptor_(other.release()) {}
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    int get() const { return descriptor_; }
    int release() { return std::exchange(descriptor_, -1); }

private:
    int descriptor_;
};

// A stream handed over in non-blocking mode (a shell may do that) is waited for.
void waitFor(int descriptor, short events)
{
    pollfd poll{descriptor, events, 0};
    ::poll(&poll, 1, -1);
}

// Reads until the end, however long the size the system reported: a file
// that grew meanwhile, or one that reports no size, is read as far as it goes,
// up to one byte past the limit, which tells that it is too long.
// A buffer of megabytes is asked to be backed by large pages where the
// system offers them: a full data file then costs a handful of page faults
// instead of thousands. Only a hint; nothing depends on it.
void preferLargePages(QByteArray &bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t Large = 2 * 1024 * 1024;
    const auto start = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t first = (start + Large - 1) & ~(Large - 1);
    const std::uintptr_t end = (start + std::uintptr_t(bytes.size())) & ~(Large - 1);
    if (end > first)
        ::madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(bytes);
#endif
}

QByteArray readToEnd(int descriptor, const QString &name, qint64 maxBytes, const QString &limitText, qint64 sizeHint)
{
    QByteArray bytes(qsizetype(std::clamp<qint64>(sizeHint, 0, maxBytes) + 1), Qt::Uninitialized);
    preferLargePages(bytes);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxBytes)
                throw FileError(name, QCoreApplication::translate("vw::datafile", "it holds more than %1 bytes; %2").arg(sizeText(maxBytes), limitText));
            bytes.resize(qsizetype(std::min<qint64>(std::max<qint64>(2 * total, 64 * 1024), maxBytes + 1)));
        }
        const ssize_t got = ::read(descriptor, bytes.data() + total, size_t(bytes.size() - total));
        if (got > 0) {
            total += got;
        } else if (got == 0) {
            break;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            waitFor(descriptor, POLLIN);
        } else if (errno != EINTR) {
            throw FileError(name, systemReason(errno));
        }
    }
    bytes.truncate(qsizetype(total));
    return bytes;
}

void writeAll(int descriptor, const QString &name, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (put > 0)
            done += put;
        else if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            waitFor(descriptor, POLLOUT);
        else if (put == 0 || errno != EINTR)
            throw FileError(name, systemReason(put == 0 ? EIO : errno));
    }
}

// The file a save replaces: the path with its symbolic links followed, as a
// link is kept and the file it names replaced.
struct Target {
    QString path;
    bool exists = false;
    struct stat info {};
};

Target resolveTarget(const QString &path)
{
    requireName(path);
    Target target;
    target.path = path;
    for (int links = 0; links < 40; ++links) {
        if (::lstat(QFile::encodeName(target.path).constData(), &target.info) != 0) {
            if (errno != ENOENT)
                throw FileError(path, systemReason(errno));
            // A new name: its folder must be there already.
            const QString folder = QFileInfo(target.path).absolutePath();
            struct stat info {};
            if (::stat(QFile::encodeName(folder).constData(), &info) != 0)
                throw FileError(path, errno == ENOENT ? QCoreApplication::translate("vw::datafile", "the folder %1 does not exist")
                                                            .arg(QDir::toNativeSeparators(folder))
                                                      : systemReason(errno));
            if (!S_ISDIR(info.st_mode))
                throw FileError(path, QCoreApplication::translate("vw::datafile", "%1 is not a folder").arg(QDir::toNativeSeparators(folder)));
            return target;
        }
        if (!S_ISLNK(target.info.st_mode)) {
            // Renaming over a FIFO or a device would put a plain file in its
            // place (a system's /dev/null included); only files are replaced.
            if (S_ISDIR(target.info.st_mode))
                throw FileError(path, notAFile(target.info.st_mode));
            if (!S_ISREG(target.info.st_mode))
                throw FileError(path, notAFile(target.info.st_mode) + QCoreApplication::translate("vw::datafile", "; only regular files are replaced"));
            target.exists = true;
            return target;
        }
        QByteArray link(4096, Qt::Uninitialized);
        const ssize_t length = ::readlink(QFile::encodeName(target.path).constData(), link.data(), size_t(link.size()));
        if (length < 0)
            throw FileError(path, systemReason(errno));
        link.truncate(qsizetype(length));
        target.path = QFileInfo(target.path).dir().filePath(QFile::decodeName(link));
    }
    throw FileError(path, systemReason(ELOOP));
}

QString randomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix(6, QLatin1Char('x'));
    for (QChar &c : suffix)
        c = QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return suffix;
}

// Temporary files are "<name>.vw-tmp-" and six letters or digits beside the
// file they replace; a live write holds a lock on its own, so a later write
// tells a stale one (left by a killed write) from one in progress.
constexpr char TemporaryMark[] = ".vw-tmp-";
constexpr qsizetype TemporaryMarkLength = sizeof TemporaryMark - 1;
constexpr qsizetype RandomLength = 6;

struct TemporaryName {
    QByteArray folder; // native, without a trailing separator
    QByteArray stem;   // the target's name, shortened to leave room for the mark
};

TemporaryName temporaryName(const QString &target)
{
    const QFileInfo info(target);
    TemporaryName name{QFile::encodeName(info.absolutePath()), QFile::encodeName(info.fileName())};
    long longest = ::pathconf(name.folder.constData(), _PC_NAME_MAX);
    if (longest <= 0)
        longest = 255;
    const qsizetype room = qsizetype(longest) - TemporaryMarkLength - RandomLength;
    if (name.stem.size() > room) {
        // Names that share their first part still get patterns of their own.
        const QByteArray hash = QCryptographicHash::hash(name.stem, QCryptographicHash::Sha1).toHex().left(8);
        name.stem = name.stem.left(std::max<qsizetype>(room - 1 - hash.size(), 1)) + '~' + hash;
    }
    return name;
}

bool isTemporaryOf(const QByteArray &entry, const QByteArray &stem)
{
    if (entry.size() != stem.size() + TemporaryMarkLength + RandomLength || !entry.startsWith(stem)
        || entry.mid(stem.size(), TemporaryMarkLength) != TemporaryMark)
        return false;
    for (qsizetype i = entry.size() - RandomLength; i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i])))
            return false;
    return true;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int removeStale(const TemporaryName &name)
{
    DIR *folder = ::opendir(name.folder.constData());
    if (!folder)
        return 0;
    int removed = 0;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray entryName(entry->d_name);
        if (!isTemporaryOf(entryName, name.stem))
            continue;
        const QByteArray path = name.folder + '/' + entryName;
        // Never through a link, never waiting on what is no file.
        Descriptor file(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat opened {}, now {};
        if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
            continue;
        // A write in progress holds its lock until it has renamed the file.
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        if (::lstat(path.constData(), &now) == 0 && sameFile(now, opened) && ::unlink(path.constData()) == 0)
            ++removed;
    }
    ::closedir(folder);
    return removed;
}

QString cannotWriteFolder(const QString &target, int error)
{
    return QCoreApplication::translate("vw::datafile", "the folder %1 cannot be written to (%2)")
        .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()), qt_error_string(error));
}

// A new temporary file beside `target`, locked for as long as it is open.
Descriptor createTemporary(const QString &path, const TemporaryName &name, mode_t mode, QByteArray *temporary)
{
    for (int attempt = 0;; ++attempt) {
        *temporary = name.folder + '/' + name.stem + TemporaryMark + randomSuffix().toLatin1();
        Descriptor file(::open(temporary->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (file.get() < 0) {
            const int error = errno;
            if (error == EEXIST && attempt < 100)
                continue;
            if (error == EACCES || error == EPERM || error == EROFS)
                throw FileError(path, cannotWriteFolder(path, error));
            throw FileError(path, systemReason(error));
        }
        // A later write that took it for stale between its making and its lock
        // has removed it (or is about to): another name is taken. A file
        // system without locks has no stale files removed.
        struct stat opened {}, now {};
        const bool locked = ::flock(file.get(), LOCK_EX | LOCK_NB) == 0;
        if (!locked && errno == EWOULDBLOCK && attempt < 100)
            continue;
        if (locked && (::fstat(file.get(), &opened) != 0 || ::lstat(temporary->constData(), &now) != 0
                       || !sameFile(opened, now)) && attempt < 100)
            continue;
        return Descriptor(file.release());
    }
}

} // namespace

QByteArray readRegularFile(const QString &path, qint64 maxBytes, const QString &limitText)
{
    requireName(path);
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    // Looked at before it is opened: opening a FIFO waits for a writer, and
    // a device may never end.
    if (::stat(native.constData(), &info) != 0)
        throw FileError(path, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        throw FileError(path, notAFile(info.st_mode));
    if (info.st_size > maxBytes)
        throw FileError(path, QCoreApplication::translate("vw::datafile", "the file is %1 bytes long; %2").arg(sizeText(info.st_size), limitText));
    // Opened without waiting, and looked at again, in case the name was given
    // to something else meanwhile.
    Descriptor file(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0)
        throw FileError(path, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        throw FileError(path, notAFile(info.st_mode));
    return readToEnd(file.get(), path, maxBytes, limitText, info.st_size);
}

QByteArray readStream(int descriptor, const QString &name, qint64 maxBytes, const QString &limitText)
{
    struct stat info {};
    const qint64 sizeHint = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) ? info.st_size : 0;
    return readToEnd(descriptor, name, maxBytes, limitText, sizeHint);
}

bool checkReplaceable(const QString &path)
{
    return resolveTarget(path).exists;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes, const QString &attributesFrom)
{
    const Target target = resolveTarget(path);
    struct stat attributes = target.info;
    bool keepAttributes = target.exists;
    if (!attributesFrom.isEmpty()) {
        keepAttributes = ::stat(QFile::encodeName(attributesFrom).constData(), &attributes) == 0;
        if (!keepAttributes)
            throw FileError(attributesFrom, systemReason(errno));
    }

    // The new content goes into a file of its own beside the target, so that
    // the rename is one step on one file system. What killed writes left goes first.
    const TemporaryName name = temporaryName(target.path);
    removeStale(name);
    QByteArray temporary;
    // A new file gets the usual permissions (the umask applies); one that
    // replaces a file starts private and takes that file's below.
    Descriptor file = createTemporary(path, name, keepAttributes ? 0600 : 0666, &temporary);
    try {
        writeAll(file.get(), path, bytes);
        if (keepAttributes) {
            // The owner first: changing it clears the set-user-ID bits that
            // the permissions then put back. Only root may give a file away;
            // others keep at least the group where they may.
            const bool owned = ::fchown(file.get(), attributes.st_uid, attributes.st_gid) == 0
                               || ::fchown(file.get(), uid_t(-1), attributes.st_gid) == 0;
            Q_UNUSED(owned);
            if (::fchmod(file.get(), attributes.st_mode & 07777) != 0)
                throw FileError(path, systemReason(errno));
        }
        // A full disk may only show when the data is flushed. The file stays
        // open (and locked) until it has its name, so that no other write
        // takes it for stale.
        if (::fsync(file.get()) != 0)
            throw FileError(path, systemReason(errno));
        // The target may have been replaced by something else meanwhile.
        struct stat now {};
        if (::lstat(QFile::encodeName(target.path).constData(), &now) == 0 && !S_ISREG(now.st_mode))
            throw FileError(path, notAFile(now.st_mode) + QCoreApplication::translate("vw::datafile", "; only regular files are replaced"));
        if (::rename(temporary.constData(), QFile::encodeName(target.path).constData()) != 0)
            throw FileError(path, systemReason(errno));
    } catch (...) {
        ::unlink(temporary.constData());
        throw;
    }
    // The rename itself is made lasting too; a failure here loses nothing.
    Descriptor folder(::open(QFile::encodeName(QFileInfo(target.path).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

void writeStream(int descriptor, const QString &name, const QByteArray &bytes)
{
    writeAll(descriptor, name, bytes);
}

int removeStaleTemporaryFiles(const QString &path)
{
    requireName(path);
    return removeStale(temporaryName(resolveTarget(path).path));
}

QString temporaryFilePrefix(const QString &path)
{
    const TemporaryName name = temporaryName(path);
    return QFile::decodeName(name.stem) + QLatin1String(TemporaryMark);
}

void appendToFile(const QString &path, const QByteArray &bytes, bool flush)
{
    const Target target = resolveTarget(path);
    Descriptor file(::open(QFile::encodeName(target.path).constData(),
                           O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600));
    struct stat info {};
    if (file.get() < 0) {
        const int error = errno;
        throw FileError(path, !target.exists && (error == EACCES || error == EPERM || error == EROFS)
                                  ? cannotWriteFolder(target.path, error)
                                  : systemReason(error));
    }
    // Looked at again, in case the name was given to something else meanwhile.
    if (::fstat(file.get(), &info) != 0)
        throw FileError(path, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        throw FileError(path, notAFile(info.st_mode) + QCoreApplication::translate("vw::datafile", "; only regular files are replaced"));
    writeAll(file.get(), path, bytes);
    if ((flush && ::fdatasync(file.get()) != 0) || ::close(file.release()) != 0)
        throw FileError(path, systemReason(errno));
}

void removeRegularFile(const QString &path)
{
    requireName(path);
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        if (errno == ENOENT)
            return;
        throw FileError(path, systemReason(errno));
    }
    if (!S_ISREG(info.st_mode))
        throw FileError(path, S_ISLNK(info.st_mode) ? QCoreApplication::translate("vw::datafile", "this is a symbolic link, not a file")
                                                     : notAFile(info.st_mode));
    if (::unlink(native.constData()) != 0)
        throw FileError(path, errno == EACCES || errno == EPERM || errno == EROFS ? cannotWriteFolder(path, errno)
                                                                                   : systemReason(errno));
}

} // namespace vw::datafile

#endif // Q_OS_UNIX
