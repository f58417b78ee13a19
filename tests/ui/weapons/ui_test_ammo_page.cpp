#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/datafile/number_text.h"
#include "core/weapons/ammo_entry.h"

#include <QAction>
#include <QPushButton>
#include <QStatusBar>

using namespace vw::weapons;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

// The second page captioned "Weapons".
QWidget *ammoPage(const OpenEditor &e)
{
    return vwtest::named<QWidget>(e.editor.get(), QStringLiteral("AmmoPage"));
}

template <class Widget = QLineEdit>
Widget *onPage(const OpenEditor &e, const QString &name)
{
    return vwtest::named<Widget>(ammoPage(e), name);
}

// The six numbers of entries 0..150, names left out.
QList<double> ammoNumbers(const vw::datafile::DataFile &file)
{
    QList<double> numbers;
    for (int k = 0; k < AmmoEntryView::Count; ++k) {
        const AmmoEntryView entry(file, k);
        numbers << entry.apDamage() << entry.heDamage() << entry.heRange() << entry.weight() << entry.param1()
                << entry.param2();
    }
    return numbers;
}

} // namespace

class AmmoPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A released key stores the field of the selected entry from the edit's
    // text, also an arrow key; keystrokes make one undo step.
    void editsStoreOnKeyRelease_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed"); // else the text is set and an arrow key released
        QTest::addColumn<int>("offset");
        QTest::addColumn<double>("stored");
        QTest::addColumn<bool>("marked");
        QTest::newRow("AP Damage") << "Edit33" << "12.5" << true << AmmoEntry::ApDamageOffset << 12.5 << false;
        QTest::newRow("HE Damage") << "Edit31" << "740" << true << AmmoEntry::HeDamageOffset << 740.0 << false;
        QTest::newRow("HE Damage not whole") << "Edit31" << "7.5" << true << AmmoEntry::HeDamageOffset << 0.0 << true;
        QTest::newRow("Param 2 too large") << "Edit39" << "3000000000" << true << AmmoEntry::Param2Offset << 0.0 << true;
        QTest::newRow("HE Range, arrow key") << "Edit32" << "33.25" << false << AmmoEntry::HeRangeOffset << 33.25 << false;
        QTest::newRow("Weight not a number") << "Edit30" << "2,5x" << true << AmmoEntry::WeightOffset << 2.0 << true;
    }
    void editsStoreOnKeyRelease()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(int, offset);
        QFETCH(double, stored);
        QFETCH(bool, marked);
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        OpenEditor e(workspace);
        auto *list = onPage<QListWidget>(e, QStringLiteral("ListBox6"));
        QCOMPARE(list->count(), 151);
        QCOMPARE(list->currentRow(), 0);
        list->setCurrentRow(12);
        const QByteArray before = e.image();
        auto *field = onPage(e, edit);
        if (typed) {
            field->selectAll();
            QTest::keyClicks(field, text);
        } else {
            field->setText(text);
            QCOMPARE(e.image(), before);
            QTest::keyClick(field, Qt::Key_Left);
        }
        const std::int64_t at = AmmoEntryView(e.editor->file(), 12).offset() + offset;
        const bool isDouble = offset == AmmoEntry::ApDamageOffset || offset == AmmoEntry::HeRangeOffset
            || offset == AmmoEntry::WeightOffset;
        QCOMPARE(isDouble ? e.editor->file().f64(at) : double(e.editor->file().i32(at)), stored);
        QCOMPARE(field->property("vwInputProblem").toBool(), marked);
        QCOMPARE(e.editor->undoStack()->count(), 1);
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }

    // Paste All Data is disabled until Copy All Data has run; the clipboard
    // carries the numbers into another file, which keeps its names.
    void copyAndPasteAcrossFiles()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        workspace.writeFile(QStringLiteral("other.bin"),
                            vw::datafile::buildSampleFile(vwtest::sampleOptions(1, 16, -1, 99)));
        OpenEditor e(workspace);
        auto *paste = onPage<QPushButton>(e, QStringLiteral("Button12"));
        QVERIFY(!paste->isEnabled());
        const QList<double> first = ammoNumbers(e.editor->file());
        onPage<QPushButton>(e, QStringLiteral("Button11"))->click();
        QVERIFY(paste->isEnabled());
        QCOMPARE(e.editor->undoStack()->count(), 0);

        e.prompter.fileNames.push_back(workspace.path(QStringLiteral("other.bin")));
        e.find<QAction>(QStringLiteral("Loadconfig1"))->trigger();
        const QByteArray other = e.image();
        QVERIFY(ammoNumbers(e.editor->file()) != first);
        QByteArray names;
        for (int k = 0; k < AmmoEntryView::Count; ++k)
            names += AmmoEntryView(e.editor->file(), k).rawName();

        paste->click();
        QCOMPARE(ammoNumbers(e.editor->file()), first);
        QByteArray namesAfter;
        for (int k = 0; k < AmmoEntryView::Count; ++k)
            namesAfter += AmmoEntryView(e.editor->file(), k).rawName();
        QCOMPARE(namesAfter, names);
        QCOMPARE(onPage(e, QStringLiteral("Edit33"))->text(),
                 QString::number(AmmoEntryView(e.editor->file(), 0).apDamage()));
        QCOMPARE(e.editor->undoStack()->count(), 1);
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), other);
    }

    // Half and Double Damage are one undo step each and end on entry 150;
    // a doubled HE damage that would not fit stays and is named.
    void damageButtons()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        vwtest::patchWorkspace(workspace, vwtest::sampleOptions(1, 16), [](vw::datafile::DataFile &file) {
            AmmoEntry(file, 40).setHeDamage(1500000000);
        });
        OpenEditor e(workspace);
        const QByteArray loaded = e.image();
        auto *list = onPage<QListWidget>(e, QStringLiteral("ListBox6"));
        onPage<QPushButton>(e, QStringLiteral("Button17"))->click();
        QCOMPARE(list->currentRow(), 150);
        const AmmoEntryView last(e.editor->file(), 150);
        QCOMPARE(onPage(e, QStringLiteral("Edit31"))->text(), QString::number(last.heDamage()));
        QCOMPARE(onPage(e, QStringLiteral("Edit33"))->text(), vw::datafile::formatNumber(last.apDamage()));
        QCOMPARE(AmmoEntryView(e.editor->file(), 40).heDamage(), 750000000);
        const QByteArray halved = e.image();

        list->setCurrentRow(3);
        onPage<QPushButton>(e, QStringLiteral("Button24"))->click();
        onPage<QPushButton>(e, QStringLiteral("Button24"))->click();
        QCOMPARE(list->currentRow(), 150);
        QCOMPARE(AmmoEntryView(e.editor->file(), 40).heDamage(), 1500000000);
        QVERIFY(e.editor->statusBar()->currentMessage().contains(QStringLiteral("entry 40 ")));
        QCOMPARE(e.editor->undoStack()->count(), 3);
        e.editor->undoStack()->undo();
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), halved);
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), loaded);
    }
};

VW_TEST(AmmoPageTest)
#include "ui_test_ammo_page.moc"
