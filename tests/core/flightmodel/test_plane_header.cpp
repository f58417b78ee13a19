#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/datafile/directory_entry.h"
#include "core/flightmodel/plane_header.h"

#include <QTest>

using namespace vw::flightmodel;
using vw::datafile::DataFile;

namespace {

DataFile sampleFile()
{
    return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, 12)), false);
}

std::int64_t fieldAt(int plane, HeaderText field)
{
    return vw::datafile::directoryEntryOffset(plane) + headerTextField(field).offset;
}

} // namespace

Q_DECLARE_METATYPE(HeaderText)

class PlaneHeaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Cut to the width, zero the field, copy from the first byte; nothing else
    // of the directory entry changes, the byte after the field included.
    void textFieldWrites_data()
    {
        QTest::addColumn<HeaderText>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("20-character name") << HeaderText::Name << QStringLiteral("ABCDEFGHIJKLMNOPQRST")
                                           << QByteArray("ABCDEFGHIJKLMNOPQR");
        QTest::newRow("deleted name") << HeaderText::Name << QString() << QByteArray(18, '\0');
        QTest::newRow("sounds ab") << HeaderText::Sounds << QStringLiteral("ab") << QByteArray("ab\0\0\0\0\0\0", 8);
        QTest::newRow("cockpit 1, 9 characters") << HeaderText::Cockpit1 << QStringLiteral("123456789")
                                                 << QByteArray("12345678");
        QTest::newRow("cockpit 2 with blanks") << HeaderText::Cockpit2 << QStringLiteral(" c2 ")
                                               << QByteArray(" c2 \0\0\0\0", 8);
        QTest::newRow("3D model") << HeaderText::Model3D << QStringLiteral("m3d") << QByteArray("m3d\0\0\0\0\0", 8);
        QTest::newRow("icon in air") << HeaderText::IconInAir << QStringLiteral("iconair1")
                                     << QByteArray("iconair1");
    }
    void textFieldWrites()
    {
        QFETCH(HeaderText, field);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        DataFile file = sampleFile();
        const int plane = 12;
        const std::int64_t at = fieldAt(plane, field);
        const int width = headerTextField(field).width;
        file.write(at, QByteArray(width, 'z'));
        file.writeU8(at + width, 0x5A);
        QByteArray expected = vwtest::imageOf(file);
        expected.replace(at, width, bytes);
        const QString stored = PlaneHeader(file, plane).setText(field, text);
        QCOMPARE(stored, text.left(width));
        QCOMPARE(vwtest::imageOf(file), expected);
    }

    // Shown trimmed of codes 0..32 at both ends.
    void textShowsTrimmed()
    {
        DataFile file = sampleFile();
        file.write(fieldAt(2, HeaderText::Sounds), QByteArray(" ab\0\0\0\0\0", 8));
        QCOMPARE(PlaneHeader(file, 2).text(HeaderText::Sounds), QStringLiteral("ab"));
        file.write(fieldAt(2, HeaderText::Name), QByteArray("\tKestrel\x01 \0\0\0\0\0\0\0\0\0", 18));
        QCOMPARE(PlaneHeader(file, 2).text(HeaderText::Name), QStringLiteral("Kestrel"));
    }

    // Only flag A = 1 with flag B = 0 is selectable; writes are always the
    // canonical pair.
    void selectableFlags_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("selectable");
        QTest::newRow("1, 0") << 1 << 0 << true;
        QTest::newRow("1, 5") << 1 << 5 << false;
        QTest::newRow("0, 255") << 0 << 255 << false;
        QTest::newRow("0, 0") << 0 << 0 << false;
        QTest::newRow("2, 0") << 2 << 0 << false;
    }
    void selectableFlags()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, selectable);
        DataFile file = sampleFile();
        const std::int64_t entry = vw::datafile::directoryEntryOffset(4);
        file.writeU8(entry + 4, std::uint8_t(a));
        file.writeU8(entry + 7, std::uint8_t(b));
        PlaneHeader header(file, 4);
        QCOMPARE(header.selectable(), selectable);
        const QByteArray before = vwtest::imageOf(file);
        header.setSelectable(true);
        QCOMPARE(file.u8(entry + 4), 1);
        QCOMPARE(file.u8(entry + 7), 0);
        header.setSelectable(false);
        QCOMPARE(file.u8(entry + 4), 0);
        QCOMPARE(file.u8(entry + 7), 255);
        QByteArray expected = before;
        expected[qsizetype(entry + 4)] = char(0);
        expected[qsizetype(entry + 7)] = char(255);
        QCOMPARE(vwtest::imageOf(file), expected);
    }

    void planeTypeByte()
    {
        DataFile file = sampleFile();
        const std::int64_t at = vw::datafile::directoryEntryOffset(5) + 6;
        file.writeU8(at, 1);
        PlaneHeader header(file, 5);
        QCOMPARE(header.planeType(), PlaneHeader::Bomber);
        header.setPlaneType(PlaneHeader::Fighter);
        QCOMPARE(file.u8(at), 0);
    }

    // Raising the plane count past a full directory lists entries that lie in
    // the wings table: they have no name and no header to write.
    void entriesBehindTheDirectoryAreNoHeaders_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("lastPlane");
        QTest::newRow("original") << 0 << 63;
        QTest::newRow("128 planes") << 1 << 126;
        QTest::newRow("256 planes") << 2 << 254;
    }
    void entriesBehindTheDirectoryAreNoHeaders()
    {
        QFETCH(int, layout);
        QFETCH(int, lastPlane);
        DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(layout, 2)), false);
        file.setPlaneCount(254);
        QVERIFY(PlaneHeader(file, lastPlane).exists());
        if (lastPlane < 254) {
            QVERIFY(!PlaneHeader(file, lastPlane + 1).exists());
            QCOMPARE(vw::datafile::DirectoryEntry(file, lastPlane + 1).name(), QString());
        }
    }
};

VW_TEST(PlaneHeaderTest)
#include "test_plane_header.moc"
