#pragma once

#include "errors.h"

#include <QByteArray>
#include <QString>

namespace vw::datafile {

// The one place where the editor and the command-line tool touch files on
// disk, so that the rules for what may be read and what may be replaced hold
// for the data file, its backup, the settings and the support files alike.
// Every failure is a FileError naming the file and the system's reason.

// Support files are small text files; the game executable is about 1.2 MB.
// Anything longer is no support file, and is not read into memory.
constexpr qint64 SupportFileLimit = 4 * 1024 * 1024;

// Reads a whole regular file (a symbolic link is followed). A folder, a FIFO,
// a device or a socket is refused with a reason naming what it is, before it
// is opened: nothing blocks and nothing is read without end. A file longer
// than `maxBytes` is refused with "the file is N bytes long; " + `limitText`.
QByteArray readRegularFile(const QString &path, qint64 maxBytes, const QString &limitText);

// Reads an open stream (standard input, a pipe) to its end. More than
// `maxBytes` bytes are refused with `limitText` as the reason's end. `name`
// is how messages call the stream.
QByteArray readStream(int descriptor, const QString &name, qint64 maxBytes, const QString &limitText);

// Refuses, as writeFileAtomically would, a path that may not be written:
// a folder, a FIFO, a device or another special file, a loop of symbolic
// links, a folder that does not exist. Returns whether a file is there (and
// would be replaced) rather than a new one created.
bool checkReplaceable(const QString &path);

// Writes `bytes` as the whole new content of `path`: into a temporary file
// beside it, flushed to disk, then renamed over it in one step. A failure
// leaves the old file as it was and no new file behind. The temporary file is
// named `<name>.vw-tmp-XXXXXX` (a long name is shortened and given a hash of
// itself so that the temporary name fits the file system); one that a killed
// write left behind is removed by the next write to the same path. A save
// replaces the file: other hard links to it keep the old bytes. Only regular files (and names
// not yet taken) are replaced; see checkReplaceable. A symbolic link is
// followed and stays a link. The new file keeps the permissions and, where
// the process may set it, the owner of the file it replaces, or of
// `attributesFrom` when that is given (a backup takes its original's).
void writeFileAtomically(const QString &path, const QByteArray &bytes, const QString &attributesFrom = {});

// Writes all of `bytes` to an open stream (standard output, a pipe).
void writeStream(int descriptor, const QString &name, const QByteArray &bytes);

// Removes the temporary files of `path` (see writeFileAtomically) that no
// write holds any longer, and nothing else: only regular files named exactly
// by the pattern, never links. Returns how many were removed.
int removeStaleTemporaryFiles(const QString &path);

// The temporary name pattern of `path`'s folder entries, for messages and
// documentation: "<name>.vw-tmp-" followed by six letters or digits.
QString temporaryFilePrefix(const QString &path);

// Adds `bytes` to the end of `path`, made (private to its owner) when it is
// missing; the same paths are refused as by writeFileAtomically. With `flush`
// the data is on the disk when the call returns.
void appendToFile(const QString &path, const QByteArray &bytes, bool flush = true);

// Removes the regular file `path`; a name that is not taken is no error, and
// anything else (a folder, a FIFO, a link) is refused and left as it is.
void removeRegularFile(const QString &path);

} // namespace vw::datafile
