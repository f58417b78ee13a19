#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using namespace vw::datafile;

// The program's own output: standard output that cannot take it all, and the
// patch read from standard input.
class CliOutputTest : public QObject {
    Q_OBJECT

    struct Run {
        int code = -1;
        QString err;
    };
    // One run with standard output into `output`; killed after 20 s.
    static Run run(const QStringList &arguments, const QString &output, const QByteArray &input = {})
    {
        QProcess process;
        process.setStandardOutputFile(output);
        process.start(QStringLiteral(VW_CLI_PROGRAM), arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000))
            process.kill();
        process.waitForFinished();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private Q_SLOTS:
    void init()
    {
        dir_.reset(new QTemporaryDir(vwtest::scratchTemplate()));
        QVERIFY(dir_->isValid());
        sample_ = dir_->filePath(QStringLiteral("misc.bin"));
        QVERIFY(vwtest::writeWhole(sample_, buildSampleFile(vwtest::sampleOptions(Openhall128Layout, 16))));
        // A file whose check finds a fault: 64 planes listed in the original layout.
        DataFile faulty = DataFile::fromBytes(buildSampleFile(vwtest::sampleOptions(OriginalLayout, 63)), true);
        faulty.setPlaneCount(64);
        faulty_ = dir_->filePath(QStringLiteral("faulty.bin"));
        QVERIFY(vwtest::writeWhole(faulty_, faulty.toBytes(true)));
    }

    // Output that does not all reach the disk is a failure with the system's
    // reason, never truncated output and exit 0.
    void fullDiskOnStandardOutputFails_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export") << QStringList{"export", "FILE"};
        QTest::newRow("info") << QStringList{"info", "FILE"};
        QTest::newRow("info --json") << QStringList{"info", "FILE", "--json"};
        QTest::newRow("check") << QStringList{"check", "FAULTY"};
        QTest::newRow("report") << QStringList{"report", "FILE", "--kind", "plain"};
    }
    void fullDiskOnStandardOutputFails()
    {
#ifndef Q_OS_LINUX
        QSKIP("a small file system is mounted only on Linux");
#else
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings(QStringLiteral("FAULTY"), faulty_).replaceInStrings(QStringLiteral("FILE"), sample_);
        const QString folder = dir_->filePath(QStringLiteral("full"));
        const QByteArray native = QFile::encodeName(folder);
        if (!QDir().mkdir(folder) || ::mount("tmpfs", native.constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("a small file system cannot be mounted here (needs root)");
        const auto unmount = qScopeGuard([&] { ::umount2(native.constData(), MNT_DETACH); });
        // Filled up to the last byte.
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        const Run r = run(arguments, folder + QStringLiteral("/out"));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("standard output: ") + qt_error_string(ENOSPC), Qt::CaseInsensitive), qPrintable(r.err));
#endif
    }

    // "import FILE -" reads the patch from standard input, as from a file.
    void importReadsThePatchFromStandardInput()
    {
        const QByteArray patch = R"({"wings": [[1.5, 2.5]]})";
        const QString patchFile = dir_->filePath(QStringLiteral("patch.json"));
        QVERIFY(vwtest::writeWhole(patchFile, patch));
        const QString out = dir_->filePath(QStringLiteral("new.bin")), expected = dir_->filePath(QStringLiteral("expected.bin"));
        QCOMPARE(run({"import", sample_, patchFile, "-o", expected}, dir_->filePath(QStringLiteral("stdout"))).code, 0);
        const Run r = run({"import", sample_, "-", "-o", out}, dir_->filePath(QStringLiteral("stdout")), patch);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(vwtest::readWhole(out), vwtest::readWhole(expected));
        QVERIFY(vwtest::readWhole(out) != vwtest::readWhole(sample_));
        const Run bad = run({"import", sample_, "-", "-o", out}, dir_->filePath(QStringLiteral("stdout")), "[1");
        QCOMPARE(bad.code, 1);
        QVERIFY2(bad.err.startsWith(QStringLiteral("vornwing-cli: standard input: ")), qPrintable(bad.err));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString sample_, faulty_;
};

VW_TEST(CliOutputTest)
#include "test_output_errors.moc"
