#include "common/file_nodes.h"
#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/file_access.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using namespace vw::datafile;

// The temporary files of a write: one name pattern beside the target, stale
// ones removed by the next write, names as long as the file system allows.
class TemporaryFilesTest : public QObject {
    Q_OBJECT

    QStringList entries() const
    {
        return QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System,
                                            QDir::Name);
    }

private Q_SLOTS:
    void init()
    {
        dir_.reset(new QTemporaryDir(vwtest::scratchTemplate()));
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath(QStringLiteral("misc.bin"));
    }

    // Only unlocked regular files named exactly by the target's pattern go;
    // a write in progress (holding its lock), look-alikes, other targets'
    // files, links and folders stay.
    void staleTemporaryFilesGoAndNothingElse()
    {
#ifndef Q_OS_UNIX
        QSKIP("the pattern and its locks are kept only on Unix");
#else
        const QStringList stale = {"misc.bin.vw-tmp-AbC123", "misc.bin.vw-tmp-000000"};
        const QStringList kept = {"misc.bin.vw-tmp-AbC12",  "misc.bin.vw-tmp-AbC1234", "misc.bin.vw-tmp-AbC-23",
                                  "other.bin.vw-tmp-AbC123", "misc.bin.AbC123",        "misc.bin.bak",
                                  "xmisc.bin.vw-tmp-AbC123", "misc.bin.vw-tmp-Live12"};
        for (const QString &name : stale + kept)
            QVERIFY(vwtest::writeWhole(dir_->filePath(name), "bytes"));
        QVERIFY(QFile::link(dir_->filePath("misc.bin.bak"), dir_->filePath("misc.bin.vw-tmp-Link12")));
        QVERIFY(QDir(dir_->path()).mkdir("misc.bin.vw-tmp-Dir123"));
        const int live = ::open(QFile::encodeName(dir_->filePath("misc.bin.vw-tmp-Live12")).constData(), O_RDONLY);
        QVERIFY(live >= 0 && ::flock(live, LOCK_EX) == 0);
        const auto unlock = qScopeGuard([&] { ::close(live); });
        const QStringList before = entries();

        writeFileAtomically(path_, "new");
        QCOMPARE(vwtest::readWhole(path_), QByteArray("new"));
        QStringList expected = before;
        for (const QString &name : stale)
            expected.removeAll(name);
        expected << "misc.bin";
        expected.sort();
        QCOMPARE(entries(), expected);
        for (const QString &name : kept)
            QCOMPARE(vwtest::readWhole(dir_->filePath(name)), QByteArray("bytes"));
        // Removal on its own, as the editor's next save of another kind would do it.
        QVERIFY(vwtest::writeWhole(dir_->filePath(stale[0]), "stale"));
        QCOMPARE(removeStaleTemporaryFiles(path_), 1);
        QCOMPARE(entries(), expected);
#endif
    }

    // A name the file system takes is saved, however little room the pattern
    // leaves; stale files of such a name go too, and only its own.
    void longNamesAreSaved_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("250 characters") << 250;
        QTest::newRow("255 characters") << 255;
    }
    void longNamesAreSaved()
    {
        QFETCH(int, length);
        const QString path = dir_->filePath(QString(length - 4, QLatin1Char('m')) + QStringLiteral(".bin"));
        const QString neighbour = dir_->filePath(QString(length - 4, QLatin1Char('m')) + QStringLiteral(".oh_"));
        const QString prefix = temporaryFilePrefix(path);
        QVERIFY(QFile::encodeName(prefix).size() + 6 <= 255);
        QVERIFY(prefix != temporaryFilePrefix(neighbour));
        QVERIFY(vwtest::writeWhole(dir_->filePath(prefix + QStringLiteral("zz9999")), "stale"));
        QVERIFY(vwtest::writeWhole(dir_->filePath(temporaryFilePrefix(neighbour) + QStringLiteral("zz9999")), "other"));
        writeFileAtomically(path, "first");
        writeFileAtomically(path, "second");
        QCOMPARE(vwtest::readWhole(path), QByteArray("second"));
        QCOMPARE(entries().size(), 2); // the file and the other name's temporary file
    }

    // A folder the user may not write to is named as the problem.
    void unwritableFolderIsNamed()
    {
#ifndef Q_OS_LINUX
        QSKIP("a read-only folder is made only on Linux");
#else
        const QString folder = dir_->filePath(QStringLiteral("locked"));
        const QByteArray native = QFile::encodeName(folder);
        QVERIFY(QDir().mkdir(folder));
        // Root writes into any folder: a read-only file system stands in for it.
        if (::geteuid() == 0 ? ::mount("tmpfs", native.constData(), "tmpfs", MS_RDONLY, "size=16k") != 0
                             : ::chmod(native.constData(), 0555) != 0)
            QSKIP("no folder that cannot be written to can be made here");
        const auto undo = qScopeGuard([&] {
            if (::geteuid() == 0)
                ::umount2(native.constData(), MNT_DETACH);
            ::chmod(native.constData(), 0755);
        });
        const QString path = folder + QStringLiteral("/misc.bin");
        for (const auto &write : {std::function<void()>([&] { writeFileAtomically(path, "x"); }),
                                  std::function<void()>([&] { appendToFile(path, "x"); })}) {
            try {
                write();
                QFAIL("wrote into a folder that cannot be written to");
            } catch (const FileError &e) {
                QCOMPARE(e.path(), path);
                QVERIFY2(e.reason().startsWith(QStringLiteral("the folder %1 cannot be written to").arg(folder)),
                         qPrintable(e.reason()));
            }
        }
#endif
    }

    // The recovery file's calls keep the same rules: appending and removing
    // refuse what is no regular file and leave it as it is.
    void appendAndRemoveRefuseSpecialFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("null device") << "null";
        QTest::newRow("loop of links") << "loop";
        QTest::newRow("folder") << "folder";
    }
    void appendAndRemoveRefuseSpecialFiles()
    {
        QFETCH(QString, kind);
        if (!vwtest::makeSpecial(path_, kind))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const unsigned type = vwtest::fileType(path_);
        const vwtest::Deadline deadline;
        QVERIFY_THROWS_EXCEPTION(FileError, appendToFile(path_, "x"));
        QVERIFY_THROWS_EXCEPTION(FileError, removeRegularFile(path_));
        QCOMPARE(vwtest::fileType(path_), type);
        // A regular file is appended to and removed; a missing one is no error.
        const QString file = dir_->filePath(QStringLiteral("recovery"));
        appendToFile(file, "ab");
        appendToFile(file, "cd", false);
        QCOMPARE(vwtest::readWhole(file), QByteArray("abcd"));
        removeRegularFile(file);
        removeRegularFile(file);
        QVERIFY(!QFile::exists(file));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

VW_TEST(TemporaryFilesTest)
#include "test_temporary_files.moc"
