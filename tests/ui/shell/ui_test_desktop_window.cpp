#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "ui/common/number_grid_view.h"
#include "core/flightmodel/plane_record.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

// The window as a user meets it on a desktop: shown, clicked and typed into.

using vw::flightmodel::PlaneRecord;
using vwtest::OpenEditor;
using vwtest::ScriptedPrompter;
using vwtest::TestWorkspace;

namespace {

// Answers the save question as a user does: with a key on the real message box.
struct KeyboardQuestions : ScriptedPrompter {
    Qt::Key key = Qt::Key_Return;
    bool question(QWidget *parent, const QString &caption, const QString &text) override
    {
        questions << caption + QLatin1Char('|') + text;
        QTimer::singleShot(50, [this] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        return Prompter::question(parent, caption, text);
    }
};

// Shows a page as a user does: a click on its tab (and on its sub-page's).
void clickTab(QTabWidget *tabs, int index)
{
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(tabs->currentIndex(), index);
}

// On the screen as far as its size allows (a dialog may be wider than a small screen).
bool onScreen(const QWidget *window)
{
    const QRect room = window->screen()->availableGeometry(), frame = window->frameGeometry();
    return frame.left() >= room.left() && frame.top() >= room.top()
           && (frame.right() <= room.right() || frame.left() == room.left())
           && (frame.bottom() <= room.bottom() || frame.top() == room.top());
}

} // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Ctrl+S asks "Сохранить изменения ?" with Yes as the default button:
    // Enter saves; No leaves the file as it was and the status bar says so.
    void saveQuestionAnsweredByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape (No)") << int(Qt::Key_Escape) << false;
    }
    void saveQuestionAnsweredByKey()
    {
        QFETCH(int, key);
        QFETCH(bool, saved);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        KeyboardQuestions prompter;
        prompter.key = Qt::Key(key);
        auto editor = workspace.open(prompter);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        editor->pages()->setCurrentIndex(0);
        auto *ammo = vwtest::named<QLineEdit>(editor.get(), QStringLiteral("Edit2"));
        ammo->selectAll();
        QTest::keyClicks(ammo, QStringLiteral("77"));
        const QByteArray before = workspace.read(QStringLiteral("misc.bin"));
        QTest::keyClick(editor.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(prompter.questions, QStringList{QStringLiteral("Выход|Сохранить изменения ?")});
        QCOMPARE(editor->isWindowModified(), !saved);
        QCOMPARE(workspace.read(QStringLiteral("misc.bin")) == before, !saved);
        if (!saved)
            QVERIFY(editor->statusBar()->currentMessage().startsWith(QStringLiteral("Not saved: ")));
    }

    // Opening More Weapons never moves the main window; the dialog goes beside
    // it where the screen has room, else over it clear of the status bar, and
    // later where the user put it, also in the next session.
    void moreWeaponsLeavesTheMainWindow_data()
    {
        QTest::addColumn<QSize>("mainSize");
        QTest::addColumn<bool>("beside");
        QTest::newRow("room below") << QSize(500, 300) << true;
        QTest::newRow("no room: over it") << QSize(760, 540) << false;
    }
    void moreWeaponsLeavesTheMainWindow()
    {
        QFETCH(QSize, mainSize);
        QFETCH(bool, beside);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        QPoint userPlace;
        {
            OpenEditor e(workspace);
            e.editor->setMinimumSize(0, 0);
            e.editor->resize(mainSize);
            e.editor->move(e.editor->screen()->availableGeometry().topLeft() + QPoint(10, 12));
            e.editor->show();
            QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
            e.editor->pages()->setCurrentIndex(0);
            const QRect mainFrame = e.editor->frameGeometry();
            vwtest::named<QToolButton>(e.editor->pages()->widget(0), QStringLiteral("SpeedButton1"))->click();
            QDialog *dialog = e.editor->findChild<QDialog *>(QStringLiteral("MoreGun"));
            QVERIFY(dialog->isVisible());
            QCOMPARE(e.editor->frameGeometry(), mainFrame);
            QVERIFY(onScreen(dialog));
            QCOMPARE(dialog->frameGeometry().intersects(mainFrame), !beside);
            const QRect statusBar(e.editor->statusBar()->mapToGlobal(QPoint(0, 0)), e.editor->statusBar()->size());
            QVERIFY(!dialog->frameGeometry().intersects(statusBar));

            // Moved by the user and closed: it opens there again.
            userPlace = dialog->pos() + QPoint(0, -5);
            dialog->move(userPlace);
            dialog->close();
            vwtest::named<QToolButton>(e.editor->pages()->widget(0), QStringLiteral("SpeedButton1"))->click();
            QCOMPARE(dialog->pos(), userPlace);
            QCOMPARE(e.editor->frameGeometry(), mainFrame);
            QVERIFY(e.editor->close());
        }
        OpenEditor next(workspace);
        next.editor->show();
        vwtest::named<QToolButton>(next.editor->pages()->widget(0), QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(next.editor->findChild<QDialog *>(QStringLiteral("MoreGun"))->pos(), userPlace);
    }

    // Geometry kept from a larger screen is brought whole onto this one.
    void restoredGeometryLiesOnTheScreen_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::newRow("partly beyond the bottom right") << QRect(300, 250, 700, 480);
        QTest::newRow("larger than the screen") << QRect(0, 0, 2400, 1500);
        QTest::newRow("above and left") << QRect(-900, -500, 700, 480);
    }
    void restoredGeometryLiesOnTheScreen()
    {
        QFETCH(QRect, saved);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        {
            QWidget elsewhere;
            elsewhere.setGeometry(saved);
            QSettings(workspace.path(QStringLiteral("editor/window.ini")), QSettings::IniFormat)
                .setValue(QStringLiteral("geometry"), elsewhere.saveGeometry());
        }
        OpenEditor e(workspace);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        QTRY_VERIFY(e.editor->screen()->availableGeometry().contains(e.editor->frameGeometry()));
    }

    // With no file loaded every page shows the same notice with the way out,
    // and the status bar names the shortcut; a file loaded through the
    // notice's button puts it away.
    void noFileNoticeOnEveryPage()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        QFile::rename(workspace.path(QStringLiteral("misc.bin")), workspace.path(QStringLiteral("planes.bin")));
        OpenEditor e(workspace);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        auto *notice = e.find<QLabel>(QStringLiteral("NoFileNoticeText"));
        const auto noticeShown = [&] {
            return notice->isVisible() && notice->text().contains(QStringLiteral("File > Load configuration (Ctrl+O)"));
        };
        QTabWidget *pages = e.editor->pages();
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            auto *sub = qobject_cast<QTabWidget *>(pages->widget(page));
            for (int i = 0; i < (sub ? sub->count() : 1); ++i) {
                if (sub)
                    sub->setCurrentIndex(i);
                QVERIFY2(noticeShown(), qPrintable(pages->tabText(page) + QString::number(i)));
            }
        }
        QVERIFY(!e.find<QLabel>(QStringLiteral("NoWeaponsNotice"))->isVisible()); // said once, above the page
        QVERIFY(e.find<QLabel>(QStringLiteral("FileStatus"))->text().contains(QStringLiteral("Ctrl+O")));

        e.prompter.fileNames = {workspace.path(QStringLiteral("planes.bin"))};
        e.find<QPushButton>(QStringLiteral("OpenDataFile"))->click();
        QCOMPARE(e.editor->file().PlaneCount(), 4);
        QVERIFY(!notice->isVisible());
    }

    // One plane is always current, whatever the user clicks in the plane list.
    void planeListKeepsItsCurrentPlane_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::newRow("click below the last plane") << "below";
        QTest::newRow("Ctrl+click on the current plane") << "ctrl-click";
        QTest::newRow("Ctrl+Space") << "ctrl-space";
    }
    void planeListKeepsItsCurrentPlane()
    {
        QFETCH(QString, gesture);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        vw::app::PlaneListView *list = e.editor->planeList();
        e.choosePlane(2);
        QWidget *area = list->viewport();
        if (gesture == "below")
            QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, area->height() - 3));
        else if (gesture == "ctrl-click")
            QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier,
                              list->visualRect(list->model()->index(1, 0)).center());
        else
            QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(list->selectionModel()->isSelected(list->model()->index(1, 0)));
        QCOMPARE(e.editor->selection().CurrentPlane, 2);
    }

    // Every grid's columns and headings fit the texts they show on the first
    // show of its page in a shown window, as a user opens it by its tab.
    void gridsFitOnFirstShow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("subPage");
        QTest::addColumn<QString>("grid");
        QTest::newRow("Wings") << 4 << -1 << "StringGrid5";
        QTest::newRow("Primary configurations") << 2 << 0 << "StringGrid1";
        QTest::newRow("Engine Power #1") << 2 << 1 << "StringGrid2";
        QTest::newRow("Engine and WEP") << 2 << 2 << "StringGrid4";
        QTest::newRow("Handiling") << 2 << 3 << "StringGrid6";
        QTest::newRow("Offline Damage Profile") << 3 << 1 << "StringGrid3";
    }
    void gridsFitOnFirstShow()
    {
        QFETCH(int, page);
        QFETCH(int, subPage);
        QFETCH(QString, grid);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        // The wings table holds numbers with whole digits, as the game's do.
        for (int entry = 0; entry < 3; ++entry)
            e.editor->file().writeF64(vw::flightmodel::WingsTable(e.editor->file()).offset(entry, 0), 1.182);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        clickTab(e.editor->pages(), page);
        if (subPage >= 0)
            clickTab(qobject_cast<QTabWidget *>(e.editor->pages()->widget(page)), subPage);
        auto *view = e.find<vw::app::NumberGridView>(grid);
        QTRY_VERIFY(view->isVisible());
        // The frozen headings stand beside the cells, never over them, and every text fits its column.
        QHeaderView *headings = view->verticalHeader();
        QVERIFY(headings->isHidden() || headings->geometry().right() < view->viewport()->geometry().left());
        for (int c = 1; c < std::min(view->model()->columnCount(), 6); ++c)
            for (int r = 0; r < view->model()->rowCount(); ++r)
                QVERIFY(view->columnWidth(c)
                        > QFontMetrics(view->font()).horizontalAdvance(view->model()->index(r, c).data().toString()));
    }

    // The figures beside the primary grid follow every value they are worked
    // out from as it is stored, and go back with undo.
    void derivedFiguresFollowGridEdits_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("figure");
        QTest::newRow("Base weight") << "StringGrid1" << 1 << int(PlaneRecord::BaseWeightRow) << "Label82";
        QTest::newRow("engine power cell") << "StringGrid2" << 3 << 2 << "Label50";
    }
    void derivedFiguresFollowGridEdits()
    {
        QFETCH(QString, grid);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, figure);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        e.choosePlane(2);
        auto *label = e.find<QLabel>(figure);
        const QString before = label->text();
        QAbstractItemModel *model = e.find<vw::app::NumberGridView>(grid)->model();
        QVERIFY(model->setData(model->index(row, col), QStringLiteral("0"), Qt::EditRole));
        QCOMPARE(label->text().section(QLatin1Char(':'), 1).trimmed().section(QLatin1Char(' '), 0, 0), QStringLiteral("0"));
        e.editor->undoStack()->undo();
        QCOMPARE(label->text(), before);
    }
};

VW_TEST(DesktopWindowTest)
#include "ui_test_desktop_window.moc"
