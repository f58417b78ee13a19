#include "common/file_nodes.h"
#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/sample_builder.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using namespace vw::datafile;
using vwtest::sampleOptions;

class SaveCfgTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.reset(new QTemporaryDir(vwtest::scratchTemplate()));
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath(QStringLiteral("misc.bin"));
    }

    // Values the header cannot store are refused before the disk file (or its
    // backup) is touched, enciphered or not.
    void refusesUnstorableHeaderValues_data()
    {
        QTest::addColumn<int>("planeCount");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("encipher");
        for (bool encipher : {true, false}) {
            const char *how = encipher ? "enciphered" : "plain";
            QTest::addRow("plane count -2, %s", how) << -2 << 272 << encipher;
            QTest::addRow("plane count 255, %s", how) << 255 << 272 << encipher;
            QTest::addRow("version -1, %s", how) << 2 << -1 << encipher;
            QTest::addRow("version 65536, %s", how) << 2 << 65536 << encipher;
        }
    }
    void refusesUnstorableHeaderValues()
    {
        QFETCH(int, planeCount);
        QFETCH(int, version);
        QFETCH(bool, encipher);
        const QByteArray original = buildSampleFile(sampleOptions(Openhall128Layout, 2));
        QVERIFY(vwtest::writeWhole(path_, original));
        DataFile file = DataFile::fromBytes(original, true);
        file.setPlaneCount(planeCount);
        file.setFileVersion(version);
        const QByteArray image = vwtest::imageOf(file);

        BackupRegistry backups;
        QVERIFY_THROWS_EXCEPTION(FormatError, file.SaveCfg(path_, encipher, &backups));
        QCOMPARE(vwtest::readWhole(path_), original);
        QVERIFY(!QFile::exists(path_ + QStringLiteral(".bak")));
        QCOMPARE(vwtest::imageOf(file), image);
        QCOMPARE(file.PlaneCount(), planeCount);
    }

    // Bytes 0, 1 and 4 carry the header values in plain whatever the cipher,
    // also in the original layout whose first region covers the header.
    void headerValuesWrittenInPlain_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("version");    // of the sample
        QTest::addColumn<int>("newVersion");
        QTest::addColumn<int>("planeCount"); // set before the save
        QTest::addColumn<bool>("encipher");
        for (bool encipher : {true, false}) {
            const char *how = encipher ? "enciphered" : "plain";
            QTest::addRow("original, %s", how) << 0 << 272 << 272 << 2 << encipher;
            QTest::addRow("original, new values, %s", how) << 0 << 272 << 1 << -1 << encipher;
            QTest::addRow("128 planes, lowest values, %s", how) << 1 << 272 << 0 << -1 << encipher;
            QTest::addRow("128 planes keyed, %s", how) << 1 << 273 << 273 << 254 << encipher;
            QTest::addRow("256 planes, highest values, %s", how) << 2 << 274 << 65535 << 254 << encipher;
        }
    }
    void headerValuesWrittenInPlain()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        QFETCH(int, newVersion);
        QFETCH(int, planeCount);
        QFETCH(bool, encipher);
        DataFile file = DataFile::fromBytes(buildSampleFile(sampleOptions(layout, 2, version)), true);
        file.setFileVersion(newVersion);
        file.setPlaneCount(planeCount);
        const QByteArray image = vwtest::imageOf(file);
        file.SaveCfg(path_, encipher);

        const QByteArray saved = vwtest::readWhole(path_);
        QCOMPARE(saved.size(), image.size());
        QCOMPARE(int(quint8(saved[0])), newVersion % 256);
        QCOMPARE(int(quint8(saved[1])), newVersion / 256);
        QCOMPARE(int(quint8(saved[4])), planeCount + 1);
        if (layout != OriginalLayout) // outside the first region: kept as they are
            QCOMPARE(saved.mid(2, 2), QByteArray("\x56\x57"));
        // The save works on a copy: the image stays deciphered for editing.
        QCOMPARE(vwtest::imageOf(file), image);

        const DataFile reloaded = DataFile::ReadCfg(path_, encipher);
        QCOMPARE(reloaded.FileVersion(), newVersion);
        QCOMPARE(reloaded.PlaneCount(), planeCount);
    }

    // The version word picks the cipher at each save: a 272 file saved as 273
    // is enciphered with the keyed cipher and loads back to the same planes.
    void versionChangeSwitchesCipher_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("272 to 273") << 272 << 273;
        QTest::newRow("273 to 272") << 273 << 272;
    }
    void versionChangeSwitchesCipher()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        const QByteArray plain = buildSamplePlainImage(sampleOptions(Openhall128Layout, 3, from));
        DataFile file = DataFile::fromBytes(buildSampleFile(sampleOptions(Openhall128Layout, 3, from)), true);
        file.setFileVersion(to);
        file.SaveCfg(path_, true);
        QCOMPARE(vwtest::readWhole(path_), buildSampleFile(sampleOptions(Openhall128Layout, 3, to)));

        const DataFile reloaded = DataFile::ReadCfg(path_, true);
        QCOMPARE(reloaded.FileVersion(), to);
        QByteArray expected = plain;
        expected[0] = char(to % 256);
        QCOMPARE(reloaded.toBytes(false), expected);
    }

    // The first overwrite of an existing file in a session keeps the old file
    // as <name>.bak; later saves in the same session leave that backup alone.
    void backupKeptOnFirstOverwriteOnly()
    {
        const QByteArray first = buildSampleFile(sampleOptions(Openhall128Layout, 1, 272, 1));
        const QString backupPath = path_ + QStringLiteral(".bak");
        QVERIFY(vwtest::writeWhole(path_, first));
        DataFile file = DataFile::ReadCfg(path_, true);
        BackupRegistry session;

        file.writeU8(file.recordOffset(1) + 100, 42);
        file.SaveCfg(path_, true, &session);
        const QByteArray second = vwtest::readWhole(path_);
        QVERIFY(second != first);
        QCOMPARE(vwtest::readWhole(backupPath), first);

        file.writeU8(file.recordOffset(1) + 100, 43);
        file.SaveCfg(path_, true, &session);
        QVERIFY(vwtest::readWhole(path_) != second);
        QCOMPARE(vwtest::readWhole(backupPath), first);

        // A new session keeps a new backup.
        BackupRegistry nextSession;
        const QByteArray third = vwtest::readWhole(path_);
        file.writeU8(file.recordOffset(1) + 100, 44);
        file.SaveCfg(path_, true, &nextSession);
        QCOMPARE(vwtest::readWhole(backupPath), third);

        // Creating a file is no overwrite: nothing to keep.
        const QString fresh = dir_->filePath(QStringLiteral("fresh.bin"));
        file.SaveCfg(fresh, true, &nextSession);
        QVERIFY(!QFile::exists(fresh + QStringLiteral(".bak")));
    }

    // The same file named another way (a relative or dotted path, as a file
    // dialog or a command line may give it) is the same file of the session:
    // its backup must still hold the file as it was before the first save.
    void backupFollowsTheFileNotItsSpelling()
    {
        const QByteArray original = buildSampleFile(sampleOptions(Openhall128Layout, 1));
        QVERIFY(vwtest::writeWhole(path_, original));
        DataFile file = DataFile::ReadCfg(path_, true);
        BackupRegistry session;
        file.writeU8(file.recordOffset(1) + 100, 42);
        file.SaveCfg(path_, true, &session);

        const QString sameFile = dir_->filePath(QStringLiteral("./misc.bin"));
        file.writeU8(file.recordOffset(1) + 100, 43);
        file.SaveCfg(sameFile, true, &session);
        QCOMPARE(vwtest::readWhole(path_ + QStringLiteral(".bak")), original);
    }

    void saveIntoMissingFolderFails()
    {
        DataFile file = DataFile::fromBytes(buildSampleFile(sampleOptions(Openhall128Layout, 2, 273)), true);
        const QByteArray image = vwtest::imageOf(file);
        const auto revision = file.revision();
        const QString path = dir_->filePath(QStringLiteral("no such folder/misc.bin"));
        BackupRegistry backups;
        try {
            file.SaveCfg(path, true, &backups);
            QFAIL("saved into a folder that does not exist");
        } catch (const FileError &e) {
            QCOMPARE(e.path(), path);
            QVERIFY(!e.reason().isEmpty());
        }
        QCOMPARE(vwtest::imageOf(file), image);
        QCOMPARE(file.revision(), revision);
        QVERIFY(!QDir(dir_->filePath(QStringLiteral("no such folder"))).exists());
        // The image can still be saved elsewhere, enciphered as before.
        file.SaveCfg(path_, true, &backups);
        QCOMPARE(vwtest::readWhole(path_), buildSampleFile(sampleOptions(Openhall128Layout, 2, 273)));
    }

    // After a failed load the DataFile holds no file: saving it would write
    // an empty file over the user's.
    void nothingLoadedIsNeverSaved()
    {
        QVERIFY(vwtest::writeWhole(path_, "the user's file"));
        DataFile nothing;
        BackupRegistry backups;
        QVERIFY_THROWS_EXCEPTION(FormatError, nothing.SaveCfg(path_, true, &backups));
        QVERIFY_THROWS_EXCEPTION(FormatError, nothing.toBytes(false));
        QCOMPARE(vwtest::readWhole(path_), QByteArray("the user's file"));
        QVERIFY(!QFile::exists(path_ + QStringLiteral(".bak")));
    }

    // A misc.bin that links to what is no regular file is neither read (as a
    // 1-byte file, or waited on) nor replaced (renaming over a FIFO or a
    // device would put a plain file in its place): both say what it is, and
    // it stays as it was with nothing left beside it.
    void specialFilesAreNeitherReadNorReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << "fifo" << "not a regular file (a FIFO)";
        QTest::newRow("zero device") << "zero" << "not a regular file (a character device)";
        QTest::newRow("folder") << "folder" << "this is a folder, not a file";
        QTest::newRow("loop of links") << "loop" << "loop of symbolic links";
    }
    void specialFilesAreNeitherReadNorReplaced()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString node = dir_->filePath(kind);
        if (!vwtest::makeSpecial(node, kind) || !QFile::link(node, path_))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const unsigned type = vwtest::fileType(node);
        DataFile file = DataFile::fromBytes(buildSampleFile(sampleOptions(Openhall128Layout, 1)), true);
        BackupRegistry backups;
        const vwtest::Deadline deadline;
        for (const auto &access : {std::function<void()>([&] { DataFile::ReadCfg(path_, true); }),
                                   std::function<void()>([&] { file.SaveCfg(path_, true, &backups); })}) {
            try {
                access();
                QFAIL("read or replaced what is no regular file");
            } catch (const FileError &e) {
                QCOMPARE(e.path(), path_);
                QVERIFY2(e.reason().contains(reason), qPrintable(e.reason()));
            }
        }
        QCOMPARE(vwtest::fileType(node), type);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System).size(),
                 2); // the node and the link to it
    }

    // A full disk says why; the old file stays whole and no new file is left.
    void fullDiskKeepsTheFileAndSaysWhy()
    {
#ifndef Q_OS_LINUX
        QSKIP("a small file system is mounted only on Linux");
#else
        const QString folder = dir_->filePath(QStringLiteral("full"));
        const QByteArray native = QFile::encodeName(folder);
        if (!QDir().mkdir(folder) || ::mount("tmpfs", native.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("a small file system cannot be mounted here (needs root)");
        const auto unmount = qScopeGuard([&] { ::umount2(native.constData(), MNT_DETACH); });
        const QString path = folder + QStringLiteral("/misc.bin");
        QVERIFY(vwtest::writeWhole(path, "the old file"));
        DataFile file = DataFile::fromBytes(buildSampleFile(sampleOptions(Openhall128Layout, 1)), true);
        try {
            file.SaveCfg(path, true);
            QFAIL("saved more than the disk holds");
        } catch (const FileError &e) {
            QCOMPARE(e.path(), path);
            QCOMPARE(e.reason(), qt_error_string(ENOSPC));
        }
        QCOMPARE(vwtest::readWhole(path), QByteArray("the old file"));
        QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList{"misc.bin"});
#endif
    }

    // The saved file and its backup keep the replaced file's permissions and
    // (when the test runs as root) its owner.
    void saveKeepsPermissionsAndOwner()
    {
#ifndef Q_OS_UNIX
        QSKIP("owners and Unix permissions are kept only on Unix");
#else
        QVERIFY(vwtest::writeWhole(path_, buildSampleFile(sampleOptions(Openhall128Layout, 1))));
        const QByteArray native = QFile::encodeName(path_);
        const bool root = ::geteuid() == 0;
        QVERIFY(::chmod(native.constData(), 0640) == 0 && (!root || ::chown(native.constData(), 1234, 5678) == 0));
        BackupRegistry backups;
        DataFile::ReadCfg(path_, true).SaveCfg(path_, true, &backups);
        for (const QString &saved : {path_, path_ + QStringLiteral(".bak")}) {
            struct stat info {};
            QCOMPARE(::stat(QFile::encodeName(saved).constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode_t(0640));
            QVERIFY(!root || (info.st_uid == 1234 && info.st_gid == 5678));
        }
#endif
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

VW_TEST(SaveCfgTest)
#include "test_save.moc"
