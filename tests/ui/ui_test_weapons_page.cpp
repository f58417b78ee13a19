#include "common/test_registry.h"
#include "ui/ui_weapons_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace vw::weapons;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

vw::datafile::SampleOptions sixteenPlanes()
{
    return vwtest::sampleOptions(1, 16);
}

} // namespace

class WeaponsPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Typed counts are clamped when stored; Ammo and Hvy Ammo then show the
    // stored value, Bursts keeps the typed text. Keystrokes make one undo step.
    void countEditsClampAsTheUserTypes_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fieldOffset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Ammo 40000") << "Edit2" << false << "40000" << WeaponRecord::AmmoOffset << 30000 << "30000";
        QTest::newRow("Bursts 20000") << "Edit7" << false << "20000" << WeaponRecord::BurstsOffset << 15000 << "20000";
        QTest::newRow("Hvy Ammo -5 pasted") << "Edit19" << true << "-5" << WeaponRecord::HeavyAmmoOffset << 0 << "0";
        QTest::newRow("Ammo not a number") << "Edit2" << true << "12x" << WeaponRecord::AmmoOffset << 0 << "0";
        QTest::newRow("Hvy Ammo 1234") << "Edit19" << false << "1234" << WeaponRecord::HeavyAmmoOffset << 1234 << "1234";
    }
    void countEditsClampAsTheUserTypes()
    {
        QFETCH(QString, edit);
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(int, fieldOffset);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        TestWorkspace workspace(sixteenPlanes());
        OpenEditor e(workspace);
        e.choosePlane(2);
        const QByteArray before = e.image();
        const std::int64_t at = e.block(2).config(1).weapon(1).offset() + fieldOffset;
        pasted ? e.paste(edit, text) : e.type(edit, text);
        QCOMPARE(int(e.editor->file().u16(at)), stored);
        QCOMPARE(e.find<QLineEdit>(edit)->text(), shown);
        QCOMPARE(e.editor->undoStack()->count(), e.image() == before ? 0 : 1); // keystrokes merge
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }
};

VW_TEST(WeaponsPageTest)
#include "ui_test_weapons_page.moc"
