#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/planedata/file_check.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "ui/common/page_registry.h"
#include "ui/common/prompter_dialog.h"
#include "ui/shell/status_bar_widget.h"
#include "core/workspace/translation.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>

Q_DECLARE_METATYPE(vw::app::PageId)

using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

// The item's text as the menu shows it, and its mnemonic (0 without one).
QChar mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

QString undoText(const OpenEditor &e)
{
    return e.find<QAction>(QStringLiteral("Undo1"))->text().remove(QLatin1Char('&'));
}

} // namespace

class FeedbackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Any file loads, but one with structural faults is named at once: the
    // status bar counts them, a warning names the first few, and File > Check
    // file lists every one.
    void loadWarnsOfStructuralFaults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("sound file") << vw::datafile::buildSampleFile({});
        QTest::newRow("text file") << QByteArray(10240, 'h');
    }
    void loadWarnsOfStructuralFaults()
    {
        QFETCH(QByteArray, bytes);
        TestWorkspace workspace;
        workspace.writeFile(QStringLiteral("other.bin"), bytes);
        OpenEditor e(workspace);
        QVERIFY(e.prompter.warnings.isEmpty());
        QVERIFY(e.editor->openFromCommandLine(workspace.path(QStringLiteral("other.bin"))));
        const QStringList faults = vw::app::checkFile(e.editor->file());
        QCOMPARE(e.prompter.warnings.size(), faults.isEmpty() ? 0 : 1);
        QCOMPARE(e.editor->statusBar()->currentMessage().contains(QStringLiteral("File > Check file")), !faults.isEmpty());

        e.find<QAction>(QStringLiteral("CheckFile1"))->trigger();
        auto *dialog = e.editor->findChild<QDialog *>(QStringLiteral("CheckFileDialog"));
        if (faults.isEmpty()) {
            QVERIFY(!dialog);
            QVERIFY(e.prompter.informations.last().contains(QStringLiteral("no structural faults")));
            return;
        }
        QVERIFY(e.prompter.warnings[0].contains(faults.first()));
        QVERIFY(e.prompter.warnings[0].contains(QStringLiteral("File > Check file")));
        QVERIFY(dialog);
        QCOMPARE(vwtest::named<QListWidget>(dialog, QStringLiteral("CheckFileList"))->count(), faults.size());
    }

    // A grid cell's undo step and status message name the field as its page
    // labels it; undo says what it took back.
    void gridEditsNameTheField_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("field");
        QTest::newRow("primary row with its FM.dat label") << "StringGrid1" << 1 << 13 << "Base weight (lb)";
        QTest::newRow("handling") << "StringGrid6" << 1 << 2 << "Pitch at 40 mph";
        QTest::newRow("WEP power") << "StringGrid4" << 1 << 2 << "WEP Power at 305 m";
        QTest::newRow("offline damage profile") << "StringGrid3" << 3 << 1 << "Engine 1, Armor";
    }
    void gridEditsNameTheField()
    {
        QFETCH(QString, grid);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, field);
        TestWorkspace workspace;
        QByteArray fm = workspace.read(QStringLiteral("editor/FM.dat"));
        fm.replace("Row 13\r\n", "Base weight (lb)\r\n");
        workspace.writeFile(QStringLiteral("editor/FM.dat"), fm);
        OpenEditor e(workspace);
        vw::app::NumberGridModel *model = e.find<vw::app::NumberGridView>(grid)->gridModel();
        QVERIFY(model->setData(model->index(row, col), QStringLiteral("12x"), Qt::EditRole));
        QCOMPARE(undoText(e), QStringLiteral("Undo ") + field);
        if (grid == QLatin1String("StringGrid1"))
            QCOMPARE(e.editor->statusBar()->currentMessage(),
                     QStringLiteral("Primary configurations, Base weight (lb): \"12x\" is not a number; stored as 12"));
        e.editor->undoStack()->undo();
        QCOMPARE(e.editor->statusBar()->currentMessage(), QStringLiteral("Undone: ") + field);
    }

    // Every field and grid cell reads an empty text and a text that is not a
    // number by one rule: stored as what it could read, said in one shape.
    void emptyAndNonNumbersReadAlike_data()
    {
        QTest::addColumn<vw::app::PageId>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const QString empty, junk = QStringLiteral("12x");
        for (const QString &text : {empty, junk}) {
            const QString what = text.isEmpty() ? QStringLiteral(", empty") : QStringLiteral(", 12x");
            QTest::newRow(qPrintable("Ammo" + what)) << vw::app::PageId::Weapons << "Edit2" << text;
            QTest::newRow(qPrintable("Weight" + what)) << vw::app::PageId::Ammunition << "Edit30" << text;
            QTest::newRow(qPrintable("Delay" + what)) << vw::app::PageId::MoreWeapons << "Edit4" << text;
            QTest::newRow(qPrintable("primary cell" + what)) << vw::app::PageId::Primary << "StringGrid1" << text;
            QTest::newRow(qPrintable("profile cell" + what)) << vw::app::PageId::OfflineProfile << "StringGrid3" << text;
        }
    }
    void emptyAndNonNumbersReadAlike()
    {
        QFETCH(vw::app::PageId, page);
        QFETCH(QString, name);
        QFETCH(QString, text);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        const vw::app::PageRegistry &pages = e.editor->document().pages();
        pages.show(page);
        QWidget *field = vwtest::named<QWidget>(pages.page(page), name);
        if (auto *grid = qobject_cast<vw::app::NumberGridView *>(field)) {
            QVERIFY(grid->gridModel()->setData(grid->gridModel()->index(2, 1), text, Qt::EditRole));
        } else {
            auto *edit = qobject_cast<QLineEdit *>(field);
            edit->selectAll();
            if (text.isEmpty())
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(edit, text);
            QVERIFY(field->property("vwInputProblem").toBool());
        }
        const QString message = e.editor->statusBar()->currentMessage();
        QVERIFY2(QRegularExpression(QStringLiteral("^[^\"]+: \"%1\" is not a (whole )?number; stored as [^ ]+$")
                                        .arg(QRegularExpression::escape(text)))
                     .match(message)
                     .hasMatch(),
                 qPrintable(message));
    }

    // A message stays until the next edit or undo replaces it; one too long
    // for its room is elided at a word's end, whole in the tooltip.
    void statusMessagesAreReplacedAndElided()
    {
        TestWorkspace workspace;
        OpenEditor e(workspace);
        e.editor->resize(700, 500);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        e.editor->pages()->setCurrentIndex(0);
        auto *bar = qobject_cast<vw::app::EditorStatusBar *>(e.editor->statusBar());
        QVERIFY(bar);
        const QString longText = QStringLiteral("Words ").repeated(60) + QStringLiteral("end.");
        bar->showMessage(longText);
        const QString shown = bar->shownMessage();
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() < longText.size(), qPrintable(shown));
        QVERIFY(bar->fontMetrics().horizontalAdvance(shown) <= bar->messageRect().width());
        QVERIFY(longText.startsWith(shown.chopped(1) + QLatin1Char(' '))); // whole words
        QCOMPARE(bar->toolTip(), longText);

        e.type(QStringLiteral("Edit2"), QStringLiteral("12"));
        QCOMPARE(bar->currentMessage(), QString()); // typing clears it
        bar->showMessage(longText);
        e.choose(QStringLiteral("ComboBox8"), 2);
        QCOMPARE(bar->currentMessage(), QStringLiteral("Changed: Weapon group"));
        e.editor->undoStack()->undo();
        QCOMPARE(bar->currentMessage(), QStringLiteral("Undone: Weapon group"));
    }

    // Every menu and item has a mnemonic of its own; the menu bar's own items
    // run from the keyboard; the file dialogs offer every file too.
    void menusAreReachableByKeyboard()
    {
        TestWorkspace workspace;
        OpenEditor e(workspace);
        QMenuBar *bar = e.editor->menuBar();
        QList<QList<QAction *>> levels{bar->actions()};
        for (QAction *top : bar->actions())
            if (top->menu())
                levels << top->menu()->actions();
        for (const QList<QAction *> &items : levels) {
            QList<QChar> used;
            for (QAction *item : items) {
                if (item->isSeparator())
                    continue;
                const QChar key = mnemonic(item->text());
                QVERIFY2(!key.isNull(), qPrintable(item->text()));
                QVERIFY2(!used.contains(key), qPrintable(item->text()));
                used << key;
            }
        }
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        bar->setActiveAction(e.find<QAction>(QStringLiteral("RunVornwing1")));
        QTest::keyClick(bar, Qt::Key_Return);
        QCOMPARE(e.prompter.errors.size(), 1); // no launcher set: it says so
        QCOMPARE(vw::app::dialogFilter(vw::app::configDialogFilter()),
                 QStringLiteral("Файлы конфигурации (*.bin *.oh);;All files (*)"));
    }

    // The English window spells what the original misspelt; the texts as the
    // program writes them stay as documented.
    void englishFixesTheOriginalsTypos_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("handling");
        QTest::addColumn<QString>("reloaded");
        QTest::newRow("en") << "en" << "Handling" << " reloaded!";
        QTest::newRow("source") << "source" << "Handiling" << " reloaded !";
    }
    void englishFixesTheOriginalsTypos()
    {
        QFETCH(QString, language);
        QFETCH(QString, handling);
        QFETCH(QString, reloaded);
        QCOMPARE(vw::app::installTranslation(*qApp, language, QLocale::c()), language);
        TestWorkspace workspace;
        OpenEditor e(workspace);
        e.find<QAction>(QStringLiteral("Exract1"))->trigger();
        vw::app::installTranslation(*qApp, QStringLiteral("source"), QLocale::c());
        QCOMPARE(e.editor->flightModelPages()->tabText(3), handling);
        QVERIFY(e.prompter.informations.last().endsWith(reloaded));
    }
};

VW_TEST(FeedbackTest)
#include "ui_test_feedback.moc"
