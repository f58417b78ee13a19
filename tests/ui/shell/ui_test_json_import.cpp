#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "ui/common/plane_list_model.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStatusBar>

using vwtest::OpenEditor;
using vwtest::TestWorkspace;

class JsonImportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // An export of the current plane, edited in two places and imported, is
    // one undo step; a refused patch shows one box naming the field and
    // changes nothing.
    void importIsOneUndoStep()
    {
        TestWorkspace workspace;
        OpenEditor w(workspace);
        w.choosePlane(3);
        const QString exported = workspace.path(QStringLiteral("plane.json"));
        w.prompter.fileNames.push_back(exported);
        w.find<QAction>(QStringLiteral("ExportJson1"))->trigger();
        QJsonObject document = QJsonDocument::fromJson(workspace.read(QStringLiteral("plane.json"))).object();
        QJsonArray planes = document[QStringLiteral("planes")].toArray();
        QCOMPARE(planes.size(), 1);
        QJsonObject plane = planes[0].toObject();
        QCOMPARE(plane[QStringLiteral("plane")].toInt(), 3);
        // The editor's export labels the primary rows by FM.dat's lines.
        const QJsonObject row = plane[QStringLiteral("primary")][QStringLiteral("rows")][12].toObject();
        QCOMPARE(row[QStringLiteral("row")].toInt(), 13);
        QCOMPARE(row[QStringLiteral("label")].toString(), w.editor->document().labels().FmLabels.value(12));
        QJsonObject header = plane[QStringLiteral("header")].toObject();
        header[QStringLiteral("name")] = QStringLiteral("Harrier");
        plane[QStringLiteral("header")] = header;
        plane[QStringLiteral("wep")] = QJsonObject{{QStringLiteral("times"), QJsonObject{{QStringLiteral("fuel_ms"), 9000}}}};
        planes[0] = plane;
        document[QStringLiteral("planes")] = planes;
        workspace.writeFile(QStringLiteral("patch.json"), QJsonDocument(document).toJson());

        const QByteArray before = w.image();
        const int steps = w.editor->undoStack()->count();
        w.prompter.fileNames.push_back(workspace.path(QStringLiteral("patch.json")));
        w.find<QAction>(QStringLiteral("ImportJson1"))->trigger();
        QVERIFY(w.prompter.errors.isEmpty());
        QCOMPARE(vw::flightmodel::PlaneHeaderView(w.editor->file(), 3).text(vw::flightmodel::HeaderText::Name), QStringLiteral("Harrier"));
        QCOMPARE(vw::flightmodel::PlaneRecordView(w.editor->file(), 3).wepTimeMs(vw::flightmodel::PlaneRecordView::WepFuel), 9000);
        QVERIFY(w.editor->document().planeList()->index(2).data().toString().endsWith(QStringLiteral("Harrier")));
        QCOMPARE(w.editor->undoStack()->count(), steps + 1);
        QCOMPARE(w.editor->statusBar()->currentMessage(),
                 QStringLiteral("Imported patch.json: 2 fields changed on plane 3. Edit > Undo takes the import back."));
        w.editor->undoStack()->undo();
        QVERIFY(w.image() == before);
        QCOMPARE(w.editor->statusBar()->currentMessage(), QStringLiteral("Undone: Import JSON"));

        workspace.writeFile(QStringLiteral("bad.json"), R"({"planes": [{"plane": 3, "header": {"name": "Kite"}}, {"plane": 99}]})");
        w.prompter.fileNames.push_back(workspace.path(QStringLiteral("bad.json")));
        w.find<QAction>(QStringLiteral("ImportJson1"))->trigger();
        QCOMPARE(w.prompter.errors.size(), 1);
        QVERIFY2(w.prompter.errors[0].contains(QStringLiteral("planes[1].plane")), qPrintable(w.prompter.errors[0]));
        QVERIFY(w.image() == before);
        QCOMPARE(w.editor->undoStack()->count(), steps + 1);

        // A huge name is named by its place and start, not shown whole.
        workspace.writeFile(QStringLiteral("huge.json"), "{\"planes\": [{\"plane\": 3, \"header\": {\"name\": \"" + QByteArray(1 << 20, 'K') + "\"}}]}");
        w.prompter.fileNames.push_back(workspace.path(QStringLiteral("huge.json")));
        w.find<QAction>(QStringLiteral("ImportJson1"))->trigger();
        QCOMPARE(w.prompter.errors.size(), 2);
        QVERIFY2(w.prompter.errors[1].contains(QStringLiteral("planes[0].header.name: \"KKKK")) && w.prompter.errors[1].size() < 300,
                 qPrintable(w.prompter.errors[1].left(300)));
        QVERIFY(w.image() == before);
    }
};

VW_TEST(JsonImportTest)
#include "ui_test_json_import.moc"
