#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/datafile/sample_builder.h"
#include "core/planedata/field_path.h"
#include "ui/shell/find_dock_widget.h"
#include "ui/shell/merge_dialog.h"
#include "ui/shell/table_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

using namespace vwtest;
using vw::datafile::DataFile;

namespace {

vw::app::fields::Match fieldOf(const DataFile &file, const QString &path)
{
    const auto m = vw::app::fields::resolve(file, vw::app::fields::parsePath(path));
    if (!m)
        qFatal("no field %s", qPrintable(path));
    return *m;
}

// A number or, in quotes, a text.
void set(DataFile &file, const QString &path, const QString &value)
{
    vw::app::fields::Value v;
    if (value.startsWith(QLatin1Char('"')))
        v.text = value.mid(1, value.size() - 2);
    else
        v.number = value.toDouble();
    vw::app::fields::write(file, fieldOf(file, path), v);
}

QString textOf(const DataFile &file, const QString &path)
{
    const auto m = fieldOf(file, path);
    return vw::app::fields::valueText(*m.leaf, vw::app::fields::read(m));
}

// A sample file with fields set ("path=value"), enciphered as the game keeps it.
QByteArray sampleWith(const QStringList &assignments, int layout = vw::datafile::Openhall128Layout)
{
    vw::datafile::SampleOptions options;
    options.layout = layout;
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(options), false);
    for (const QString &a : assignments)
        set(file, a.section(QLatin1Char('='), 0, 0), a.section(QLatin1Char('='), 1));
    return file.toBytes(true);
}

} // namespace

class TableDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The dialog saves the bytes the table command writes for the same
    // columns; a column whose wildcards differ from the first's is named.
    void exportWritesTheTable_data()
    {
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<bool>("tsv");
        QTest::addColumn<bool>("labels");
        QTest::addColumn<QString>("fault");
        QTest::newRow("planes, csv") << QStringList{"planes[*].header.name", "planes[*].primary.rows[16]"} << false << false << "";
        QTest::newRow("weapons, tsv, labels")
            << QStringList{"planes[*].weapons.configurations[*].weapons[*].ammo", "planes[*].weapons.configurations[*].weapons[*].heavy_ammo"}
            << true << true << "";
        QTest::newRow("other wildcards") << QStringList{"planes[*].header.name", "planes[*].weapons.configurations[*].name"}
                                         << false << false << "Column 2 (planes[*].weapons.configurations[*].name):";
        QTest::newRow("no such field") << QStringList{"planes[*].header.nam"} << false << false << "Column 1 (planes[*].header.nam):";
    }
    void exportWritesTheTable()
    {
        QFETCH(QStringList, columns);
        QFETCH(bool, tsv);
        QFETCH(bool, labels);
        QFETCH(QString, fault);
        TestWorkspace workspace;
        OpenEditor w(workspace);
        w.find<QAction>(QStringLiteral("ExportTable1"))->trigger();
        auto *dialog = w.find<vw::app::ExportTableDialog>(QStringLiteral("ExportTableDialog"));
        // Enter in the pattern adds the column, and only that.
        const int offered = dialog->columns().size();
        dialog->chooser()->patternEdit()->setText(columns.first());
        QTest::keyClick(dialog->chooser()->patternEdit(), Qt::Key_Return);
        QCOMPARE(dialog->columns().size(), offered + 1);
        QVERIFY(w.prompter.fileDialogTitles.isEmpty());
        dialog->setColumns(columns);
        dialog->formatBox()->setCurrentIndex(tsv ? 1 : 0);
        dialog->labelsBox()->setChecked(labels);
        auto *save = w.find<QPushButton>(QStringLiteral("SaveTable"));
        if (!fault.isEmpty()) {
            QVERIFY(!save->isEnabled());
            QVERIFY2(dialog->problem()->text().startsWith(fault), qPrintable(dialog->problem()->text()));
            return;
        }
        const auto format = tsv ? vw::app::TableFormat::Tsv : vw::app::TableFormat::Csv;
        const QByteArray expected = vw::app::writeTable(w.editor->file(), vw::app::tableColumns(columns), format, labels);
        QVERIFY(dialog->preview()->model()->rowCount() > 0);
        QCOMPARE(dialog->preview()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("plane"));
        w.prompter.fileNames.push_back(workspace.path(QStringLiteral("out.table")));
        save->click();
        QCOMPARE(workspace.read(QStringLiteral("out.table")), expected);
    }

    // The preview lists what the table changes, Apply is one undo step and
    // undo restores the file; a refused table lists its refusals and cannot be applied.
    void importPreviewsAndAppliesOnce_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("changed"); // the fields the preview lists; none for a refused table
        QTest::addColumn<QString>("refusal");
        QTest::newRow("two fields") << QByteArray("plane,planes[*].header.name,planes[*].primary.rows[16]\r\n2,Falcon,\r\n3,,123.5\r\n")
                                    << QStringList{"planes[2].header.name", "planes[3].primary.rows[16]"} << "";
        QTest::newRow("a plane the file lacks") << QByteArray("plane,planes[*].primary.rows[16]\r\n2,5\r\n999,1\r\n") << QStringList{}
                                                << "row 3";
        QTest::newRow("a text too wide") << QByteArray("plane,planes[*].header.name\r\n2,") + QByteArray(200, 'x') + "\r\n"
                                         << QStringList{} << "row 2, column B";
    }
    void importPreviewsAndAppliesOnce()
    {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, changed);
        QFETCH(QString, refusal);
        TestWorkspace workspace;
        workspace.writeFile(QStringLiteral("in.csv"), table);
        OpenEditor w(workspace);
        w.prompter.fileNames.push_back(workspace.path(QStringLiteral("in.csv")));
        w.find<QAction>(QStringLiteral("ImportTable1"))->trigger();
        auto *dialog = w.find<vw::app::ImportTableDialog>(QStringLiteral("ImportTableDialog"));
        if (!refusal.isEmpty()) {
            QVERIFY(!dialog->applyButton()->isEnabled());
            QVERIFY(dialog->refusals()->count() > 0);
            QVERIFY2(dialog->refusals()->item(0)->text().startsWith(refusal), qPrintable(dialog->refusals()->item(0)->text()));
            QVERIFY(!dialog->apply());
            return;
        }
        QStringList listed;
        for (int r = 0; r < dialog->preview()->model()->rowCount(); ++r)
            listed << dialog->preview()->model()->index(r, 0).data().toString();
        QCOMPARE(listed, changed);
        QCOMPARE(dialog->preview()->model()->index(0, 3).data().toString(), QStringLiteral("\"Falcon\""));
        const QByteArray before = w.image();
        const int steps = w.editor->undoStack()->count();
        QVERIFY(dialog->apply());
        QCOMPARE(w.editor->undoStack()->count(), steps + 1);
        QCOMPARE(textOf(w.editor->file(), QStringLiteral("planes[3].primary.rows[16]")), QStringLiteral("123.5"));
        w.editor->undoStack()->undo();
        QCOMPARE(w.image(), before);
    }

    // Each row takes the side chosen: a conflict taken as theirs, one kept as
    // ours and a change only theirs made, applied as one undo step.
    void mergeAppliesTheChoices()
    {
        TestWorkspace workspace;
        const QString conflictA = QStringLiteral("planes[2].primary.rows[13]"), conflictB = QStringLiteral("planes[3].header.name"),
                      incoming = QStringLiteral("planes[4].primary.rows[16]");
        workspace.writeFile(QStringLiteral("base.bin"), sampleWith({}));
        workspace.writeFile(QStringLiteral("misc.bin"), sampleWith({conflictA + "=11", conflictB + "=\"Ours\""}));
        workspace.writeFile(QStringLiteral("theirs.bin"), sampleWith({conflictA + "=22", conflictB + "=\"Theirs\"", incoming + "=33"}));
        OpenEditor w(workspace);
        w.find<QAction>(QStringLiteral("MergeChanges1"))->trigger();
        auto *dialog = w.find<vw::app::MergeDialog>(QStringLiteral("MergeDialog"));
        dialog->baseEdit()->setText(workspace.path(QStringLiteral("base.bin")));
        dialog->theirsEdit()->setText(workspace.path(QStringLiteral("theirs.bin")));
        QVERIFY(dialog->listChanges());
        QCOMPARE(dialog->rowCount(), 3);
        for (int r = 0; r < dialog->rowCount(); ++r) {
            const vw::app::MergeChange &c = dialog->change(r);
            QCOMPARE(c.conflict, c.field.path != incoming);
            QCOMPARE(dialog->takesTheirs(r), !c.conflict); // the defaults
            if (c.field.path == conflictA)
                dialog->setTakeTheirs(r, true);
        }
        const QByteArray before = w.image();
        const int steps = w.editor->undoStack()->count();
        QVERIFY(dialog->apply());
        QCOMPARE(w.editor->undoStack()->count(), steps + 1);
        QCOMPARE(textOf(w.editor->file(), conflictA), QStringLiteral("22"));
        QCOMPARE(textOf(w.editor->file(), conflictB), QStringLiteral("\"Ours\""));
        QCOMPARE(textOf(w.editor->file(), incoming), QStringLiteral("33"));
        w.editor->undoStack()->undo();
        QCOMPARE(w.image(), before);
    }

    // A file of another layout is refused by its name, and nothing can be applied.
    void mergeRefusesAnotherLayout()
    {
        TestWorkspace workspace;
        workspace.writeFile(QStringLiteral("base.bin"), sampleWith({}));
        workspace.writeFile(QStringLiteral("wide.bin"), sampleWith({}, vw::datafile::Openhall256Layout));
        OpenEditor w(workspace);
        vw::app::MergeDialog dialog(w.editor->document(), workspace.base());
        dialog.baseEdit()->setText(workspace.path(QStringLiteral("base.bin")));
        dialog.theirsEdit()->setText(workspace.path(QStringLiteral("wide.bin")));
        QVERIFY(!dialog.listChanges());
        QVERIFY2(dialog.summary()->text().contains(QStringLiteral("wide.bin cannot be merged")), qPrintable(dialog.summary()->text()));
        QVERIFY(!dialog.applyButton()->isEnabled());
    }
};

VW_TEST(TableDialogsTest)

#include "ui_test_table_dialogs.moc"
