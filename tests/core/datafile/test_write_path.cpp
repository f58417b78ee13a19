#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/sample_builder.h"

#include <QTest>

using namespace vw::datafile;
using vwtest::sampleOptions;

namespace {

struct Snapshot {
    QByteArray image;
    int planeCount, version, layout;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const DataFile &file)
{
    return {vwtest::imageOf(file), file.PlaneCount(), file.FileVersion(), file.FileLayout()};
}

DataFile smallFile()
{
    return DataFile::fromBytes(buildSampleFile(sampleOptions(Openhall128Layout, 2)), true);
}

} // namespace

class WritePathTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesOutsideTheFileThrow_data()
    {
        QTest::addColumn<qint64>("fromEnd"); // offset relative to FileSize; -1 = last byte
        QTest::addColumn<qint64>("length");
        QTest::addColumn<bool>("inside");
        QTest::newRow("last byte") << qint64(-1) << qint64(1) << true;
        QTest::newRow("nothing at the end") << qint64(0) << qint64(0) << true;
        QTest::newRow("one past the end") << qint64(0) << qint64(1) << false;
        QTest::newRow("across the end") << qint64(-1) << qint64(2) << false;
        QTest::newRow("far beyond") << qint64(1'000'000'000) << qint64(8) << false;
        QTest::newRow("before the start") << qint64(-1'000'000'000) << qint64(1) << false;
        QTest::newRow("negative length") << qint64(-10) << qint64(-1) << false;
    }
    void writesOutsideTheFileThrow()
    {
        QFETCH(qint64, fromEnd);
        QFETCH(qint64, length);
        QFETCH(bool, inside);
        DataFile file = smallFile();
        const qint64 offset = file.FileSize() + fromEnd;
        const QByteArray bytes(std::max<qint64>(length, 0), '\x5a');
        const Snapshot before = snapshot(file);
        const auto revision = file.revision();
        QCOMPARE(file.contains(offset, length), inside);
        if (inside) {
            file.write(offset, bytes.constData(), length);
            QCOMPARE(file.bytes(offset, length), bytes);
            return;
        }
        QVERIFY_THROWS_EXCEPTION(FormatError, file.write(offset, bytes.constData(), length));
        if (length == 8)
            QVERIFY_THROWS_EXCEPTION(FormatError, file.writeF64(offset, 1.5));
        QVERIFY_THROWS_EXCEPTION(FormatError, file.bytes(offset, length));
        QCOMPARE(snapshot(file), before);
        QCOMPARE(file.revision(), revision);
    }

    // Writing what is already there is no change: nothing to undo, not modified.
    void identicalWritesRecordNothing()
    {
        DataFile file = smallFile();
        const qint64 at = file.recordOffset(1) + 16;
        const auto revision = file.revision();
        file.beginRecording();
        file.write(at, file.bytes(at, 64));
        file.writeF64(at, file.f64(at));
        file.writeText(directoryEntryOffset(1) + 44, 18, file.text(directoryEntryOffset(1) + 44, 18));
        file.setPlaneCount(file.PlaneCount());
        file.setFileVersion(file.FileVersion());
        file.setFileLayout(file.FileLayout());
        file.resize(file.FileSize());
        QVERIFY(file.endRecording().empty());
        QCOMPARE(file.revision(), revision);

        file.writeU8(at, quint8(file.u8(at) + 1));
        QVERIFY(file.revision() > revision);
    }

    // One recorded action can mix byte writes, header values and size
    // changes; undo brings back every byte and value, redo the edited state.
    void undoRedoRestoreBytesHeaderAndSize_data()
    {
        QTest::addColumn<qint64>("resizeBy");
        QTest::newRow("no resize") << qint64(0);
        QTest::newRow("shrink") << qint64(-20000);
        QTest::newRow("grow") << qint64(129664);
    }
    void undoRedoRestoreBytesHeaderAndSize()
    {
        QFETCH(qint64, resizeBy);
        DataFile file = smallFile();
        const Snapshot before = snapshot(file);
        const qint64 record = file.recordOffset(1);

        file.beginRecording();
        QVERIFY(file.isRecording());
        file.writeF64(record + 8, 12345.5);
        file.writeText(directoryEntryOffset(1) + 44, 18, QStringLiteral("Renamed plane"));
        file.setPlaneCount(7);
        file.setFileVersion(273);
        file.setFileLayout(Openhall256Layout);
        file.resize(file.FileSize() + resizeBy);
        if (resizeBy > 0) // bytes written into the new room are undone with it
            file.writeI32(file.FileSize() - 4, -2);
        file.copyBytes(record, record + 100, 50);
        const ChangeSet changes = file.endRecording();
        QVERIFY(!file.isRecording());
        const Snapshot after = snapshot(file);
        QCOMPARE(after.image.size(), before.image.size() + resizeBy);

        file.undo(changes);
        QCOMPARE(snapshot(file), before);
        file.redo(changes);
        QCOMPARE(snapshot(file), after);
        file.undo(changes);
        QCOMPARE(snapshot(file), before);
    }

    void resizeKeepsBytesAndZeroFills()
    {
        DataFile file = smallFile();
        const QByteArray head = vwtest::imageOf(file);
        file.resize(file.FileSize() + 1000);
        QCOMPARE(vwtest::imageOf(file).left(head.size()), head);
        QCOMPARE(file.bytes(head.size(), 1000), QByteArray(1000, '\0'));
        QVERIFY_THROWS_EXCEPTION(FormatError, file.resize(MaxFileSize + 1));
        QVERIFY_THROWS_EXCEPTION(FormatError, file.resize(-1));
        file.resize(10);
        QCOMPARE(vwtest::imageOf(file), head.left(10));
    }

    // A copy shares the image until one of the two is written: every kind of
    // change, on either side, leaves the other one as it was.
    void copiesAreIndependent_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("onCopy");
        const char *names[] = {"write", "resize", "gap", "header"};
        for (int c = 0; c < 4; ++c) {
            QTest::addRow("%s on the copy", names[c]) << c << true;
            QTest::addRow("%s on the original", names[c]) << c << false;
        }
    }
    void copiesAreIndependent()
    {
        QFETCH(int, change);
        QFETCH(bool, onCopy);
        DataFile original = smallFile();
        DataFile copy = original.copy();
        QCOMPARE(snapshot(copy), snapshot(original));
        QCOMPARE(copy.recordOffset(1), original.recordOffset(1));
        DataFile &changed = onCopy ? copy : original;
        const DataFile &other = onCopy ? original : copy;
        const Snapshot before = snapshot(other);
        changed.beginRecording();
        if (change == 0)
            changed.writeF64(changed.recordOffset(1) + 8, 4321.5);
        else if (change == 1)
            changed.resize(changed.FileSize() + 64);
        else if (change == 2)
            changed.insertGap(changed.recordOffset(1), 16);
        else
            changed.setPlaneCount(changed.PlaneCount() - 1);
        const ChangeSet steps = changed.endRecording();
        QVERIFY(snapshot(changed) != before);
        QCOMPARE(snapshot(other), before);
        changed.undo(steps);
        QCOMPARE(snapshot(changed), before);
        QCOMPARE(snapshot(other), before);
    }
};

VW_TEST(WritePathTest)
#include "test_write_path.moc"
