#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/flightmodel/plane_header.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vw::flightmodel;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

class HeaderPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Renaming stores the name cut to 18 characters and relabels the plane's
    // line in the plane list at once, untrimmed.
    void renamingRelabelsThePlaneList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("20 characters") << "ABCDEFGHIJKLMNOPQRST" << "012:ABCDEFGHIJKLMNOPQR"
                                       << QByteArray("ABCDEFGHIJKLMNOPQR");
        QTest::newRow("deleted") << "" << "012:" << QByteArray(18, '\0');
        QTest::newRow("trailing blank") << "Kestrel " << "012:Kestrel " << QByteArray("Kestrel \0\0\0\0\0\0\0\0\0\0", 18);
    }
    void renamingRelabelsThePlaneList()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(QByteArray, bytes);
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        OpenEditor e(workspace);
        e.choosePlane(12);
        auto *edit = e.find<QLineEdit>(QStringLiteral("Edit8"));
        edit->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, typed);
        QCOMPARE(e.editor->planeList()->itemText(11), line);
        QCOMPARE(e.editor->file().bytes(vw::datafile::directoryEntryOffset(12) + 44, 18), bytes);
        QCOMPARE(e.editor->undoStack()->count(), 1);
    }

    // The type and the selectable mark are written when the user clicks them.
    void typeAndSelectableClicks()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        vwtest::patchWorkspace(workspace, vwtest::sampleOptions(1, 16), [](vw::datafile::DataFile &file) {
            const std::int64_t entry = vw::datafile::directoryEntryOffset(5);
            file.writeU8(entry + 6, 1);
            file.writeU8(entry + 4, 1);
            file.writeU8(entry + 7, 5);
        });
        OpenEditor e(workspace);
        e.choosePlane(5);
        const std::int64_t entry = vw::datafile::directoryEntryOffset(5);
        auto *bomber = e.find<QRadioButton>(QStringLiteral("RadioGroup1Item1"));
        auto *selectable = e.find<QCheckBox>(QStringLiteral("CheckBox1"));
        QVERIFY(bomber->isChecked());
        QVERIFY(!selectable->isChecked());
        e.find<QRadioButton>(QStringLiteral("RadioGroup1Item0"))->click();
        QCOMPARE(e.editor->file().u8(entry + 6), 0);
        selectable->click();
        QCOMPARE(e.editor->file().u8(entry + 4), 1);
        QCOMPARE(e.editor->file().u8(entry + 7), 0);
        selectable->click();
        QCOMPARE(e.editor->file().u8(entry + 4), 0);
        QCOMPARE(e.editor->file().u8(entry + 7), 255);
        QCOMPARE(e.find<QGroupBox>(QStringLiteral("PlaneHeaderGroup"))->title(), QStringLiteral("Plane header && Plane copy"));
    }

    // The loadout copy is one undo step; with "Copy 98 nodes" on a file of
    // fewer than 198 planes nothing is copied.
    void weaponLoadoutsCopy()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        OpenEditor e(workspace);
        const QByteArray before = e.image();
        e.choose(QStringLiteral("ComboBox15"), 1);
        e.choose(QStringLiteral("ComboBox16"), 6);
        auto *copy = e.find<QPushButton>(QStringLiteral("Button20"));
        copy->click();
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process complete!"));
        const int count = e.block(2).storedConfigCount();
        QCOMPARE(e.block(7).storedConfigCount(), count);
        for (int c = 1; c <= count; ++c)
            QCOMPARE(e.editor->file().bytes(e.block(7).config(c).offset(), 1900),
                     e.editor->file().bytes(e.block(2).config(c).offset(), 1900));
        QCOMPARE(e.editor->undoStack()->count(), 1);
        const QByteArray copied = e.image();

        e.find<QCheckBox>(QStringLiteral("CheckBox6"))->click();
        copy->click();
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process is not possible!"));
        QCOMPARE(e.image(), copied);
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }
};

VW_TEST(HeaderPageTest)
#include "ui_test_header_page.moc"
