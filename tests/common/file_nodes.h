#pragma once

// Special files a test makes in its own temporary folder: FIFOs, device
// nodes, links in a loop. Device nodes need root; the test skips without.

#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace vwtest {

#ifdef Q_OS_UNIX

// "fifo", "null" and "zero" (nodes of the character devices 1,3 and 1,5),
// "folder", or "loop" (a symbolic link to itself).
inline bool makeSpecial(const QString &path, const QString &kind)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(name.constData(), 0644) == 0;
    if (kind == QLatin1String("null") || kind == QLatin1String("zero"))
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, kind == QLatin1String("null") ? 3 : 5)) == 0;
    if (kind == QLatin1String("loop"))
        return ::symlink(name.constData(), name.constData()) == 0;
    return kind == QLatin1String("folder") && QDir().mkdir(path);
}

// The file type bits of what `path` names, symbolic links not followed.
inline unsigned fileType(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// Ends the test program when a call under it waits (on a FIFO) for ten
// seconds, so that it fails instead of hanging the suite.
struct Deadline {
    Deadline()
    {
        std::signal(SIGALRM, [](int) {
            static const char text[] = "FAIL: timed out, waiting on a FIFO\n";
            if (::write(STDERR_FILENO, text, sizeof text - 1) < 0)
                ::_exit(2);
            ::_exit(1);
        });
        ::alarm(10);
    }
    ~Deadline() { ::alarm(0); }
};

#else

// Elsewhere only folders are made; the tests of the other kinds skip.
inline bool makeSpecial(const QString &path, const QString &kind)
{
    return kind == QLatin1String("folder") && QDir().mkdir(path);
}

inline unsigned fileType(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? 3 : info.isDir() ? 2 : info.exists() ? 1 : 0;
}

struct Deadline {
    Deadline() {}
    ~Deadline() {}
};

#endif

} // namespace vwtest
