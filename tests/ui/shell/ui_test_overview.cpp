#include "ui/overview/planes_overview.h"
#include "core/flightmodel/plane_header.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QAction>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUndoStack>

using namespace vwtest;
using vw::app::PlanesOverviewDock;
using vw::app::PlanesOverviewModel;

namespace {

PlanesOverviewDock *openOverview(OpenEditor &open)
{
    open.editor->findChild<QAction *>(QStringLiteral("PlanesOverview1"))->trigger();
    return open.editor->findChild<PlanesOverviewDock *>(QStringLiteral("PlanesOverview"));
}

// The text the overview shows for plane p in the column of that path.
QString cell(PlanesOverviewDock *dock, int plane, const QString &path)
{
    const int column = int(dock->model()->columnPaths().indexOf(path)) + 1;
    return dock->model()->index(plane - 1, column).data().toString();
}

} // namespace

class OverviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every plane with the default columns; an edit elsewhere, its undo and
    // its redo show at once.
    void followsEditsAndUndo()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        PlanesOverviewDock *dock = openOverview(open);
        QVERIFY(dock && !dock->isHidden());
        QCOMPARE(dock->model()->rowCount(), open.editor->file().PlaneCount());
        QCOMPARE(dock->model()->columnPaths(), vw::app::defaultOverviewColumns());
        const QString name = QStringLiteral("planes[*].header.name");
        QCOMPARE(cell(dock, 2, name), QStringLiteral("Gyrfalcon"));
        QVERIFY(!cell(dock, 2, QStringLiteral("time_of_flight")).isEmpty());
        open.editor->document().edit(QStringLiteral("rename"), vw::app::MergeKey::none(), [&] {
            vw::flightmodel::PlaneHeader(open.editor->file(), 2).setText(vw::flightmodel::HeaderText::Name, QStringLiteral("Merlin"));
        });
        QCOMPARE(cell(dock, 2, name), QStringLiteral("Merlin"));
        open.editor->undoStack()->undo();
        QCOMPARE(cell(dock, 2, name), QStringLiteral("Gyrfalcon"));
        open.editor->undoStack()->redo();
        QCOMPARE(cell(dock, 2, name), QStringLiteral("Merlin"));
    }

    // A cell edit is stored as the page stores the field (a count clamped to
    // its range), as one undo step; a text that is no value stores nothing.
    void cellEditIsOneUndoStep_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // empty: refused, nothing stored
        QTest::newRow("count clamped") << QStringLiteral("planes[*].weapons.config_count") << QStringLiteral("99") << QStringLiteral("8");
        QTest::newRow("flight model row") << QStringLiteral("planes[*].primary.rows[13]") << QStringLiteral("2500.5") << QStringLiteral("2500.5");
        QTest::newRow("name") << QStringLiteral("planes[*].header.name") << QStringLiteral("Hobby") << QStringLiteral("Hobby");
        QTest::newRow("not a number") << QStringLiteral("planes[*].primary.rows[16]") << QStringLiteral("fast") << QString();
        QTest::newRow("name too long") << QStringLiteral("planes[*].header.name") << QString(40, QLatin1Char('x')) << QString();
    }
    void cellEditIsOneUndoStep()
    {
        QFETCH(QString, path);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TestWorkspace workspace;
        OpenEditor open(workspace);
        PlanesOverviewDock *dock = openOverview(open);
        const QByteArray before = open.image();
        const QString old = cell(dock, 3, path);
        const int steps = open.editor->undoStack()->count();
        const QModelIndex at = dock->model()->index(2, int(dock->model()->columnPaths().indexOf(path)) + 1);
        QCOMPARE(dock->model()->setData(at, typed, Qt::EditRole), !shown.isEmpty());
        if (shown.isEmpty()) {
            QCOMPARE(open.prompter.errors.size(), 1);
            QVERIFY2(open.prompter.errors.first().contains(QStringLiteral("plane 3")), qPrintable(open.prompter.errors.first()));
            QVERIFY(open.image() == before);
            return;
        }
        QCOMPARE(cell(dock, 3, path), shown);
        QCOMPARE(open.editor->undoStack()->count(), steps + 1);
        open.editor->undoStack()->undo();
        QCOMPARE(cell(dock, 3, path), old);
        QVERIFY(open.image() == before);
    }

    // Sorted by a column, filtered by what is typed; a double-click makes the plane current.
    void sortFilterAndDoubleClick()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        PlanesOverviewDock *dock = openOverview(open);
        QSortFilterProxyModel *proxy = dock->proxy();
        dock->table()->sortByColumn(1, Qt::DescendingOrder); // by name
        for (int r = 1; r < proxy->rowCount(); ++r)
            QVERIFY(proxy->index(r - 1, 1).data().toString() >= proxy->index(r, 1).data().toString());
        dock->findChild<QLineEdit *>(QStringLiteral("OverviewFilter"))->setText(QStringLiteral("gyrf"));
        QCOMPARE(proxy->rowCount(), 1);
        Q_EMIT dock->table()->doubleClicked(proxy->index(0, 1));
        QCOMPARE(open.editor->document().selection().CurrentPlane, 2);
    }
};

VW_TEST(OverviewTest)
#include "ui_test_overview.moc"
