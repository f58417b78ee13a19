#include "file_access.h"

// The file rules on systems without the Unix calls of file_access.cpp: what
// is no regular file is refused as there, reads stop one byte past the limit,
// and a save writes beside the file and replaces it in one step (QSaveFile).
// The owner is the system's business there; the permissions are kept.
#ifndef Q_OS_UNIX

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

namespace vw::datafile {

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale::c().toString(qlonglong(bytes));
}

void requireName(const QString &path)
{
    if (path.isEmpty())
        throw FileError(path, QCoreApplication::translate("vw::datafile", "no file name was given"));
}

// Why a path that is there is no file to read or replace.
QString notAFile(const QFileInfo &info)
{
    return info.isDir() ? QCoreApplication::translate("vw::datafile", "this is a folder, not a file") : QCoreApplication::translate("vw::datafile", "not a regular file (a special file)");
}

QByteArray readLimited(QIODevice &device, const QString &name, qint64 maxBytes, const QString &limitText)
{
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = device.read(qMin<qint64>(64 * 1024, maxBytes + 1 - bytes.size()));
        if (chunk.isEmpty()) {
            if (device.atEnd() || !device.waitForReadyRead(-1))
                break;
            continue;
        }
        bytes += chunk;
        if (bytes.size() > maxBytes)
            throw FileError(name, QCoreApplication::translate("vw::datafile", "it holds more than %1 bytes; %2").arg(sizeText(maxBytes), limitText));
    }
    return bytes;
}

// The file a save replaces: a symbolic link is followed and stays a link.
QString resolveTarget(const QString &path, bool *exists)
{
    requireName(path);
    QFileInfo info(path);
    if (info.isSymLink())
        info.setFile(info.symLinkTarget());
    *exists = info.exists();
    if (*exists) {
        if (info.isDir())
            throw FileError(path, notAFile(info));
        if (!info.isFile())
            throw FileError(path, notAFile(info) + QCoreApplication::translate("vw::datafile", "; only regular files are replaced"));
        return info.absoluteFilePath();
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        throw FileError(path, QCoreApplication::translate("vw::datafile", "the folder %1 does not exist").arg(QDir::toNativeSeparators(folder.filePath())));
    if (!folder.isDir())
        throw FileError(path, QCoreApplication::translate("vw::datafile", "%1 is not a folder").arg(QDir::toNativeSeparators(folder.filePath())));
    return info.absoluteFilePath();
}

} // namespace

QByteArray readRegularFile(const QString &path, qint64 maxBytes, const QString &limitText)
{
    requireName(path);
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(path, QCoreApplication::translate("vw::datafile", "the file does not exist"));
    if (!info.isFile())
        throw FileError(path, notAFile(info));
    if (info.size() > maxBytes)
        throw FileError(path, QCoreApplication::translate("vw::datafile", "the file is %1 bytes long; %2").arg(sizeText(info.size()), limitText));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    return readLimited(file, path, maxBytes, limitText);
}

QByteArray readStream(int descriptor, const QString &name, qint64 maxBytes, const QString &limitText)
{
    QFile stream;
    if (!stream.open(descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw FileError(name, stream.errorString());
    return readLimited(stream, name, maxBytes, limitText);
}

bool checkReplaceable(const QString &path)
{
    bool exists = false;
    resolveTarget(path, &exists);
    return exists;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes, const QString &attributesFrom)
{
    bool exists = false;
    const QString target = resolveTarget(path, &exists);
    if (!attributesFrom.isEmpty() && !QFileInfo::exists(attributesFrom))
        throw FileError(attributesFrom, QCoreApplication::translate("vw::datafile", "the file does not exist"));
    const QString from = attributesFrom.isEmpty() ? (exists ? target : QString()) : attributesFrom;
    const QFile::Permissions permissions = from.isEmpty() ? QFile::Permissions() : QFile::permissions(from);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileError(path, reason);
    }
    if (!file.commit())
        throw FileError(path, file.errorString());
    if (!from.isEmpty())
        QFile::setPermissions(target, permissions);
}

void writeStream(int descriptor, const QString &name, const QByteArray &bytes)
{
    QFile stream;
    if (!stream.open(descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        throw FileError(name, stream.errorString());
    if (stream.write(bytes) != bytes.size() || !stream.flush())
        throw FileError(name, stream.errorString());
}

// QSaveFile names its own temporary files and removes them itself; there is
// no pattern of this program's to clear.
int removeStaleTemporaryFiles(const QString &path)
{
    bool exists = false;
    resolveTarget(path, &exists);
    return 0;
}

QString temporaryFilePrefix(const QString &path)
{
    return QFileInfo(path).fileName() + QStringLiteral(".");
}

void appendToFile(const QString &path, const QByteArray &bytes, bool flush)
{
    bool exists = false;
    const QString target = resolveTarget(path, &exists);
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw FileError(path, file.errorString());
    if (!exists)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (file.write(bytes) != bytes.size() || (flush && !file.flush()))
        throw FileError(path, file.errorString());
}

void removeRegularFile(const QString &path)
{
    requireName(path);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isSymLink() || !info.isFile())
        throw FileError(path, notAFile(info));
    QFile file(path);
    if (!file.remove())
        throw FileError(path, file.errorString());
}

} // namespace vw::datafile

#endif // Q_OS_UNIX
