#include "vn_editor.h"

#include "ui/overview/planes_overview.h"

#include "ui/misc/format_operations_widget.h"
#include "ui/misc/plane_reports_widget.h"
#include "ui/misc/misc_page.h"
#include "ui/common/plane_list_model.h"
#include "ui/common/plane_list_view.h"
#include "ui/shell/status_bar_widget.h"
#include "core/workspace/support_files.h"
#include "core/workspace/translation.h"
#include "ui/shell/vn_editor_input.h"
#include "ui/common/reference_file.h"
#include "core/workspace/workspace.h"
#include "ui/damage/damage_map_page.h"
#include "ui/damage/damage_model_copy_widget.h"
#include "ui/damage/offline_profile_page.h"
#include "ui/flightmodel/engine_wep_page.h"
#include "ui/flightmodel/flight_model_adjustments_widget.h"
#include "ui/flightmodel/handling_page.h"
#include "ui/flightmodel/wings_page.h"
#include "ui/flightmodel/header_page.h"
#include "ui/flightmodel/plane_buffer_widget.h"
#include "ui/flightmodel/plane_copy_widget.h"
#include "ui/flightmodel/primary_page.h"
#include "ui/powerchart/engine_power_page.h"
#include "ui/weapons/ammo_page.h"
#include "ui/weapons/config_list_view.h"
#include "ui/weapons/more_weapons_dialog.h"
#include "ui/weapons/weapon_adjustments_widget.h"
#include "ui/weapons/weapons_page.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace vw::app {

using datafile::DataFile;
using datafile::FileError;
using datafile::FormatError;

VNEditor::VNEditor(const StartupOptions &options, QWidget *parent) : QMainWindow(parent)
{
    if (options.prompter) {
        prompter_ = options.prompter;
    } else {
        ownPrompter_ = std::make_unique<Prompter>();
        prompter_ = ownPrompter_.get();
    }
    document_ = std::make_unique<EditorDocument>(*prompter_);
    document_->setDialogParent(this);
    connect(document_.get(), &EditorDocument::statusMessage, this, [this](const QString &text) {
        statusBar()->showMessage(text);
    });
    // A given directory (--base) is used as it is; an installed editor works
    // in the user's data folder.
    const Workspace workspace =
        chooseWorkspace(QCoreApplication::applicationDirPath(), options.programDirectory, userDataFolder());
    baseDirectory_ = workspace.baseDirectory;
    installedDefaults_ = workspace.installedDefaults;
    if (!workspace.problem.isEmpty())
        startupNotes_ << tr("Your data folder %1 could not be set up: %2")
                             .arg(QDir::toNativeSeparators(baseDirectory_), workspace.problem);
    // The recovery file follows every completed change; a failure to write it
    // is said once, and the editing goes on.
    journal_ = std::make_unique<RecoveryJournal>(
        options.recoveryFolder.isEmpty() ? QDir(userDataFolder()).filePath(QStringLiteral("recovery")) : options.recoveryFolder);
    journal_->onProblem = [this](const QString &text) { statusBar()->showMessage(text); };
    document_->setJournal(journal_.get());
    // Another program's change to the open file: looked at once the writing has settled.
    watcher_ = new QFileSystemWatcher(this);
    diskCheck_ = new QTimer(this);
    diskCheck_->setSingleShot(true);
    diskCheck_->setInterval(300);
    connect(watcher_, &QFileSystemWatcher::fileChanged, diskCheck_, qOverload<>(&QTimer::start));
    connect(diskCheck_, &QTimer::timeout, this, &VNEditor::checkDiskChange);
    buildWindow();
    buildMenus();
    connect(undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(undoStack(), &QUndoStack::indexChanged, this, &VNEditor::updateFileStatus);
    // Combo and spin boxes take the wheel only with the focus; Ctrl+Z in a field is the editor's Undo.
    qApp->installEventFilter(new EditorInputFilter(this));
    setAcceptDrops(true);
    FormCreate();
    makePagesScroll(pages_);
    restoreWindow();
    // Unsaved changes that a stopped editor left are offered once the window is up.
    QTimer::singleShot(0, this, [this] {
        starting_ = false;
        offerRecovery();
        // Those of other files are offered when the file is opened: the status bar says which.
        for (const QString &found : RecoveryJournal::leftBehind(journal_->folder(), QString())) {
            try {
                const QString path = RecoveryJournal::read(found).path;
                if (datafile::BackupRegistry::key(path) == datafile::BackupRegistry::key(diskPath_))
                    continue;
                statusBar()->showMessage(tr("An editor that stopped left unsaved changes to %1; open that file "
                                            "to restore them.")
                                             .arg(QDir::toNativeSeparators(path)));
                break;
            } catch (const std::exception &) {
                continue;
            }
        }
    });
}

VNEditor::~VNEditor()
{
    // The document's undo stack signals while it is torn down: the window
    // no longer listens by then.
    undoStack()->disconnect(this);
    document_->disconnect(this);
    // Destroyed after a close or an orderly end: the recovery file goes with it.
    document_->setJournal(nullptr);
    // The pages read the document while they still paint: they go before it does.
    document_->clearViews();
    delete takeCentralWidget();
    delete moreGun_;
    // The reference follows the undo stack: it goes before the document does.
    delete reference_;
}

void VNEditor::buildWindow()
{
    setObjectName(QStringLiteral("VNEditor"));
    auto *central = new QWidget(this);
    auto *rows = new QVBoxLayout(central);
    // While no file is loaded every page shows this notice above it, with the way out.
    noFileNotice_ = new QFrame(central);
    noFileNotice_->setObjectName(QStringLiteral("NoFileNotice"));
    noFileNotice_->setFrameShape(QFrame::StyledPanel);
    noFileNotice_->setStyleSheet(QStringLiteral("#NoFileNotice { background: #fff4ce; border: 1px solid #c8a000; }"
                                                "#NoFileNotice QLabel { color: #3a2c00; font-weight: bold; }"));
    auto *noticeRow = new QHBoxLayout(noFileNotice_);
    noFileText_ = new QLabel(noFileNotice_);
    noFileText_->setObjectName(QStringLiteral("NoFileNoticeText"));
    noFileText_->setWordWrap(true);
    noticeRow->addWidget(noFileText_, 1);
    auto *open = new QPushButton(tr("Open misc.bin…"), noFileNotice_);
    open->setObjectName(QStringLiteral("OpenDataFile"));
    open->setToolTip(tr("File > Load configuration (Ctrl+O)"));
    connect(open, &QPushButton::clicked, this, [this] { document_->guarded([this] { Loadconfig1Click(); }); });
    noticeRow->addWidget(open, 0, Qt::AlignVCenter);
    rows->addWidget(noFileNotice_);
    auto *columns = new QHBoxLayout;
    rows->addLayout(columns, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("List of planes:"), central));
    // The plane list comes first in the cascade: it selects the current plane.
    document_->registerView(this);
    listBox1_ = new PlaneListView(document_->planeList(), central);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    left->addWidget(listBox1_, 3);
    left->addWidget(new QLabel(tr("List of configs:"), central));
    listBox2_ = new weapons::ConfigListView(*document_, central);
    document_->registerView(listBox2_);
    left->addWidget(listBox2_, 1);
    auto *leftPanel = new QWidget(central);
    leftPanel->setLayout(left);
    leftPanel->setFixedWidth(210);
    left->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(leftPanel);

    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("Pages"));
    columns->addWidget(pages_, 1);
    setCentralWidget(central);

    // Pages in their documented order; each page that shows the current plane
    // is registered with the document, in the order Update3 shows them, and
    // every page with the page registry, which reaches it by its identifier.
    PageRegistry &registry = document_->pages();
    registry.setTabs(pages_);

    // Weapons: configurations and guns.
    weaponsPage_ = new weapons::WeaponsPage(*document_, listBox2_, pages_);
    pages_->addTab(weaponsPage_, tr("Weapons"));
    registry.add(PageId::Weapons, weaponsPage_);
    document_->registerView(weaponsPage_);

    // Header: plane header and the copy groups.
    headerPage_ = new flightmodel::HeaderPage(*document_, pages_);
    pages_->addTab(headerPage_, tr("Header"));
    registry.add(PageId::Header, headerPage_);
    document_->registerView(headerPage_);
    auto *planeCopies = new flightmodel::PlaneCopyWidget(*document_, headerPage_);
    headerPage_->groupGrid()->addWidget(planeCopies, 1, 0);
    document_->registerView(planeCopies);
    headerPage_->groupGrid()->addWidget(new flightmodel::PlaneBufferWidget(*document_, headerPage_), 1, 1,
                                        Qt::AlignTop);

    // Flight Model, with its four sub-pages.
    flightModelPages_ = new QTabWidget(pages_);
    flightModelPages_->setObjectName(QStringLiteral("FlightModelPages"));
    auto *primaryPage = new flightmodel::PrimaryPage(*document_, flightModelPages_);
    auto *enginePowerPage = new powerchart::EnginePowerPage(*document_, flightModelPages_);
    auto *engineWepPage = new flightmodel::EngineWepPage(*document_, flightModelPages_);
    auto *handlingPage = new flightmodel::HandlingPage(*document_, flightModelPages_);
    flightModelPages_->addTab(primaryPage, tr("Primary configurations"));
    flightModelPages_->addTab(enginePowerPage, tr("Engine Power #1"));
    flightModelPages_->addTab(engineWepPage, tr("Engine and WEP"));
    flightModelPages_->addTab(handlingPage, tr("Handiling"));
    pages_->addTab(flightModelPages_, tr("Flight Model"));
    registry.add(PageId::FlightModel, flightModelPages_);
    registry.add(PageId::Primary, primaryPage);
    registry.add(PageId::EnginePower, enginePowerPage);
    registry.add(PageId::EngineWep, engineWepPage);
    registry.add(PageId::Handling, handlingPage);
    for (PlaneView *view : std::initializer_list<PlaneView *>{primaryPage, engineWepPage, handlingPage, enginePowerPage})
        document_->registerView(view);

    // Damage: damage maps and the offline damage profile.
    damagePages_ = new QTabWidget(pages_);
    damagePages_->setObjectName(QStringLiteral("DamagePages"));
    auto *damageMapPage = new damage::DamageMapPage(*document_, damagePages_);
    auto *offlineProfilePage = new damage::OfflineProfilePage(*document_, damagePages_);
    damagePages_->addTab(damageMapPage, tr("Plane Damage Maps"));
    damagePages_->addTab(offlineProfilePage, tr("Offline Damage Profile"));
    pages_->addTab(damagePages_, tr("Damage"));
    registry.add(PageId::Damage, damagePages_);
    registry.add(PageId::DamageMaps, damageMapPage);
    registry.add(PageId::OfflineProfile, offlineProfilePage);
    document_->registerView(damageMapPage);
    document_->registerView(offlineProfilePage);
    // The Header page's "Damage model" group trims the map's undo list when it copies a map.
    auto *damageModelCopy = new damage::DamageModelCopyWidget(*document_, damageMapPage->mapUndo(), headerPage_);
    headerPage_->groupGrid()->addWidget(damageModelCopy, 2, 1);
    document_->registerView(damageModelCopy);

    // Wings: the shared wings table.
    auto *wingsPage = new flightmodel::WingsPage(*document_, pages_);
    pages_->addTab(wingsPage, tr("Wings"));
    registry.add(PageId::Wings, wingsPage);
    document_->registerView(wingsPage); // last: its current column follows the wing number

    // Weapons (second): the shared ammunition table.
    auto *ammoPage = new weapons::AmmoPage(*document_, pages_);
    pages_->addTab(ammoPage, tr("Weapons"));
    registry.add(PageId::Ammunition, ammoPage);
    document_->registerView(ammoPage);

    // More Weapons: a tool window of its own, following the weapon once opened.
    moreGun_ = new weapons::MoreGun(*document_, this);
    registry.addWindow(PageId::MoreWeapons, moreGun_, QStringLiteral("More Weapons"),
                       [this] { moreGun_->openBesideMainWindow(); });
    document_->registerView(moreGun_);
    connect(weaponsPage_, &weapons::WeaponsPage::weaponItemsChanged, moreGun_, &weapons::MoreGun::setWeaponItems);

    // Misc, Help, Credits.
    miscPage_ = new MiscPage(*document_, baseDirectory_, pages_);
    document_->registerView(miscPage_);
    pages_->addTab(miscPage_, tr("Misc"));
    registry.add(PageId::Misc, miscPage_);
    // The file operations and reports of the Misc page, in its operations column.
    FormatOperationsWidget::WindowActions formatActions;
    formatActions.settleUnsavedChanges = [this] { return settleUnsavedChanges(); };
    formatActions.loadDecipheredCopy = [this](const QString &path) {
        try {
            loadFile(path, false);
        } catch (const std::exception &e) {
            prompter_->error(this, tr("The file could not be loaded; the editor keeps the data it had.\n\n")
                                       + EditorDocument::describe(e));
            return;
        }
        // The plain copy is taken back into the data file, not enciphered over itself.
        document_->setCurrentPath(miscPage_->dataPath());
        Update1();
    };
    auto *formatOperations = new FormatOperationsWidget(*document_, *miscPage_, baseDirectory_,
                                                        std::move(formatActions), miscPage_);
    auto *planeReports = new PlaneReportsWidget(*document_, baseDirectory_, miscPage_);
    miscPage_->operationsColumn()->insertWidget(0, formatOperations);
    miscPage_->operationsColumn()->insertWidget(1, planeReports);
    // Above the column's closing stretch, under the file operations and reports.
    miscPage_->operationsColumn()->insertWidget(
        miscPage_->operationsColumn()->count() - 1,
        new flightmodel::FlightModelAdjustmentsWidget(*document_, miscPage_));
    miscPage_->operationsColumn()->insertWidget(
        miscPage_->operationsColumn()->count() - 1,
        new weapons::WeaponAdjustmentsWidget(*document_, miscPage_));

    auto *help = new QPlainTextEdit(pages_);
    help->setObjectName(QStringLiteral("HelpText"));
    help->setReadOnly(true);
    help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont helpFont(QStringLiteral("Times New Roman"));
    helpFont.setPixelSize(16);
    helpFont.setItalic(true);
    help->setFont(helpFont);
    help->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: lime; }"));
    pages_->addTab(help, tr("Help"));
    registry.add(PageId::Help, help);

    auto *credits = new QWidget(pages_);
    auto *creditsLayout = new QVBoxLayout(credits);
    creditsTitle_ = new QLabel(credits);
    creditsTitle_->setObjectName(QStringLiteral("CreditsTitle"));
    QFont titleFont = creditsTitle_->font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    titleFont.setBold(true);
    creditsTitle_->setFont(titleFont);
    creditsTitle_->setAlignment(Qt::AlignCenter);
    creditsLayout->addStretch();
    creditsLayout->addWidget(creditsTitle_);
    auto *creditsText = new QLabel(
        tr("An editor for the plane data file of Vornwing.\n\n"
           "Every value of every plane: names and references, weapon loadouts,\n"
           "flight-model tables, engine power, damage maps and the shared tables."),
        credits);
    creditsText->setAlignment(Qt::AlignCenter);
    creditsLayout->addWidget(creditsText);
    creditsLayout->addStretch();
    pages_->addTab(credits, tr("Credits"));
    registry.add(PageId::Credits, credits);

    setStatusBar(new EditorStatusBar(this));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // The permanent part: the open file, and whether saving is on.
    savingOff_ = new QLabel(tr("Saving is off"), this);
    savingOff_->setObjectName(QStringLiteral("SavingOffStatus"));
    savingOff_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    savingOff_->setToolTip(tr("The save commands are hidden. To turn saving on, write writeokay as line 6 "
                              "of %1 and start the editor again.")
                               .arg(QDir::toNativeSeparators(editorFile(baseDirectory_, QStringLiteral("editor.ini")))));
    statusBar()->addPermanentWidget(savingOff_);
    fileStatus_ = new QLabel(this);
    fileStatus_->setObjectName(QStringLiteral("FileStatus"));
    statusBar()->addPermanentWidget(fileStatus_);
    buildReference();

    // The plane list selects the plane that a page, dialog or batch made current.
    connect(document_.get(), &EditorDocument::currentChanged, listBox1_, [this] {
        const int row = selection().CurrentPlane - 1;
        if (listBox1_->currentRow() != row) {
            const QSignalBlocker blocker(listBox1_);
            listBox1_->setCurrentRow(row);
        }
    });
    connect(listBox1_, &PlaneListView::currentRowChanged, this, [this](int row) {
        if (!document_->refreshing() && row >= 0)
            document_->guarded([this] { ListBox1Click(); });
    });
    // A click on the plane already selected selects it again, with its first
    // configuration and weapon.
    connect(listBox1_, &PlaneListView::rowClicked, this, [this] {
        if (selection().CurrentConfig != 1 || selection().CurrentWeapon != 1)
            document_->guarded([this] { ListBox1Click(); });
    });
}

void VNEditor::buildMenus()
{
    const auto action = [this](const QString &text, const char *name, auto handler) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("File1"));
    loadconfig1_ = action(tr("&Load configuration"), "Loadconfig1", &VNEditor::Loadconfig1Click);
    loadconfig1_->setShortcut(QKeySequence::Open);
    save1_ = action(tr("&Save configuration"), "Save1", &VNEditor::Save1Click);
    save1_->setShortcut(QKeySequence::Save);
    saveas1_ = action(tr("Save configuration &as..."), "Saveas1", &VNEditor::Saveas1Click);
    saveas1_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    exit2_ = action(tr("E&xit"), "Exit2", &VNEditor::Exit2Click);
    exit2_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    fileMenu->addAction(loadconfig1_);
    recentMenu_ = fileMenu->addMenu(tr("&Recent files"));
    recentMenu_->setObjectName(QStringLiteral("RecentFiles1"));
    fileMenu->addAction(save1_);
    fileMenu->addAction(saveas1_);
    fileMenu->addAction(action(tr("&Compare with..."), "CompareWith1", &VNEditor::CompareWith1Click));
    fileMenu->addAction(action(tr("Check &file"), "CheckFile1", &VNEditor::CheckFile1Click));
    fileMenu->addAction(action(tr("Refere&nce file..."), "ReferenceFile1", &VNEditor::ReferenceFile1Click));
    dropReference_ = action(tr("&Drop reference file"), "DropReference1", &VNEditor::DropReference1Click);
    fileMenu->addAction(dropReference_);
    fileMenu->addSeparator();
    fileMenu->addAction(action(tr("&Export plane as JSON..."), "ExportJson1", &VNEditor::ExportJson1Click));
    fileMenu->addAction(action(tr("Export all &planes as JSON..."), "ExportAllJson1", &VNEditor::ExportAllJson1Click));
    fileMenu->addAction(action(tr("&Import JSON..."), "ImportJson1", &VNEditor::ImportJson1Click));
    fileMenu->addAction(action(tr("Export &table..."), "ExportTable1", &VNEditor::ExportTable1Click));
    fileMenu->addAction(action(tr("Import ta&ble..."), "ImportTable1", &VNEditor::ImportTable1Click));
    fileMenu->addAction(action(tr("&Merge changes from..."), "MergeChanges1", &VNEditor::MergeChanges1Click));
    fileMenu->addSeparator();
    fileMenu->addAction(exit2_);

    QMenu *editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->setObjectName(QStringLiteral("Edit1"));
    QAction *undo = undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    editMenu->addAction(undo);
    editMenu->addAction(redo);
    editMenu->addSeparator();
    QAction *find = action(tr("&Find in planes..."), "FindInPlanes1", &VNEditor::FindInPlanes1Click);
    find->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+F")));
    editMenu->addAction(find);
    editMenu->addAction(action(tr("C&hange found fields..."), "ChangeFoundFields1", &VNEditor::ChangeFoundFields1Click));
    QMenu *revertMenu = editMenu->addMenu(tr("Re&vert to reference"));
    revertMenu->setObjectName(QStringLiteral("RevertToReference1"));
    const std::pair<QString, std::pair<const char *, ReferenceRevert>> reverts[] = {
        {tr("&Field under the cursor"), {"RevertField1", ReferenceRevert::Field}},
        {tr("Current &configuration"), {"RevertConfiguration1", ReferenceRevert::Configuration}},
        {tr("Current &plane"), {"RevertPlane1", ReferenceRevert::Plane}},
        {tr("F&ound fields"), {"RevertFound1", ReferenceRevert::Found}}};
    for (const auto &[text, named] : reverts) {
        const ReferenceRevert what = named.second;
        QAction *a = action(text, named.first, [this, what] { RevertToReference1Click(what); });
        revertMenu->addAction(a);
        revertActions_ << a;
    }
    revertActions_.first()->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+R")));
    updateReferenceStatus();

    QMenu *viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("View1"));
    QAction *overview = action(tr("Planes &overview"), "PlanesOverview1", &VNEditor::PlanesOverview1Click);
    overview->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    viewMenu->addAction(overview);

    toolsMenu_ = menuBar()->addMenu(tr("&Tools"));
    toolsMenu_->setObjectName(QStringLiteral("Tools1"));
    connect(toolsMenu_, &QMenu::aboutToShow, this, &VNEditor::fillToolsMenu);
    fillToolsMenu();

    QMenu *updateMenu = menuBar()->addMenu(tr("&Update"));
    updateMenu->setObjectName(QStringLiteral("Update4"));
    exract1_ = action(tr("&Read current config  (see misc)"), "Exract1", &VNEditor::Exract1Click);
    exract1_->setShortcut(QKeySequence(QStringLiteral("F5")));
    writetoBINfile1_ = action(tr("&Write current config"), "WritetoBINfile1", &VNEditor::WritetoBINfile1Click);
    writetoBINfile1_->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    updateMenu->addAction(exract1_);
    updateMenu->addAction(writetoBINfile1_);

    runVornwing1_ = action(tr("&Launch Vornwing"), "RunVornwing1", &VNEditor::RunVornwing1Click);
    menuBar()->addAction(runVornwing1_);

    QMenu *optionsMenu = menuBar()->addMenu(tr("&Options"));
    optionsMenu->setObjectName(QStringLiteral("Options1"));
    closeeditoronVNlaunch1_ = new QAction(tr("&Close editor on VN launch"), this);
    closeeditoronVNlaunch1_->setObjectName(QStringLiteral("CloseeditoronVNlaunch1"));
    closeeditoronVNlaunch1_->setCheckable(true);
    launch3DVornwing1_ = new QAction(tr("Launch Vornwing &Offline "), this);
    launch3DVornwing1_->setObjectName(QStringLiteral("Launch3DVornwing1"));
    launch3DVornwing1_->setCheckable(true);
    launch3DVornwing1_->setChecked(true);
    optionsMenu->addAction(closeeditoronVNlaunch1_);
    optionsMenu->addAction(launch3DVornwing1_);

    exit1_ = action(tr("E&xit"), "Exit1", &VNEditor::Exit1Click);
    menuBar()->addAction(exit1_);
    // "Launch Vornwing" and "Exit" are items of the menu bar itself: reached
    // with the arrow keys, Enter or Space runs them as a click does.
    menuBar()->installEventFilter(new MenuBarItemKeys(menuBar()));

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("Help1"));
    helpMenu->addAction(action(tr("&About"), "About1", &VNEditor::showAbout));

    // While no file is loaded the save items are disabled, and so are their
    // shortcuts: these take the keys instead and say why nothing happens.
    const auto noFile = [this](const QKeySequence &keys) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            statusBar()->showMessage(
                document_->isLoaded()
                    ? tr("Saving is off: write writeokay as line 6 of editor.ini to turn it on.")
                    : tr("No plane data file is loaded, so there is nothing to save. "
                         "Load one with File > Load configuration (Ctrl+O)."));
        });
        return shortcut;
    };
    noFileSave_ = noFile(QKeySequence::Save);
    noFileWrite_ = noFile(QKeySequence(QStringLiteral("Ctrl+B")));
}

void VNEditor::updateSaveItems()
{
    const bool loaded = document_->isLoaded();
    const QString why = loaded ? QString() : tr("No plane data file is loaded, so there is nothing to save.");
    save1_->setEnabled(loaded && saveChosen_);
    saveas1_->setEnabled(loaded);
    writetoBINfile1_->setEnabled(loaded);
    for (QAction *item : {save1_, saveas1_, writetoBINfile1_}) {
        item->setStatusTip(why);
        item->setToolTip(why.isEmpty() ? item->iconText() : why);
    }
    // Ctrl+S saves the file the title names: with "Save configuration" when a
    // file was chosen through Load or Save as, otherwise with "Write current config".
    const bool saveByConfig = save1_->isVisible() && save1_->isEnabled();
    save1_->setShortcut(saveByConfig ? QKeySequence(QKeySequence::Save) : QKeySequence());
    writetoBINfile1_->setShortcuts(saveByConfig ? QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+B"))}
                                                : QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+B")),
                                                                      QKeySequence(QKeySequence::Save)});
    const bool canWrite = writetoBINfile1_->isVisible() && writetoBINfile1_->isEnabled();
    noFileSave_->setEnabled(!saveByConfig && !canWrite);
    noFileWrite_->setEnabled(!canWrite);
}

void VNEditor::FormCreate()
{
    // 1. Version, Credits title and caption.
    const QString version = QString::fromLatin1(EditorVersion);
    creditsTitle_->setText(tr("Vornwing plane editor Version ") + version);
    updateTitle();
    // 2. Base directory (worked out before the pages were built); the editor works from it.
    QDir::setCurrent(baseDirectory_);
    // 3. The Credits page shows first; the first sub-pages of Flight Model and Damage.
    document_->pages().show(PageId::Credits);
    document_->pages().selectInTabs(PageId::Primary);
    document_->pages().selectInTabs(PageId::DamageMaps);
    // 4. Settings.
    const SettingsRead settingsRead = readSettings(editorFile(baseDirectory_, QStringLiteral("editor.ini")));
    settings_ = settingsRead.settings;
    // A missing editor.ini gives the defaults quietly; one that cannot be read
    // is named, and kept as it is at close.
    if (settingsRead.unreadable) {
        settingsUnreadable_ = settingsRead.reason;
        startupProblems_ << tr("editor.ini (settings; the defaults apply, and the file is kept as it is): ")
                                + settingsRead.reason;
    }
    if (!settingsRead.separatorRefused.isEmpty())
        startupNotes_ << tr("editor.ini names \"%1\" as the decimal separator; a digit, a sign, a letter or a blank "
                            "cannot be one, so \".\" is used.")
                             .arg(settingsRead.separatorRefused);
    // The window's place and the recent files, used once the window is built.
    windowStored_ = readWindowSettings(windowSettingsPath());
    if (windowStored_.unreadable)
        startupProblems_ << tr("window.ini (window place and recent files; the defaults apply, and the file is "
                               "kept as it is): ")
                                + windowStored_.reason;
    closeeditoronVNlaunch1_->setChecked(settings_.closeOnLaunch);
    launch3DVornwing1_->setChecked(settings_.launchOffline);
    miscPage_->applySettings(settings_);
    save1_->setVisible(settings_.writeOkay);
    saveas1_->setVisible(settings_.writeOkay);
    writetoBINfile1_->setVisible(settings_.writeOkay);
    savingOff_->setVisible(!settings_.writeOkay);
    updateSaveItems();
    // 5. The default path overrides the settings' path.
    if (miscPage_->defaultPathChecked())
        miscPage_->setDataPath(defaultDataPath(baseDirectory_));
    // 6. Selection.
    selection() = Selection{};
    // 7. The plane data file; a failure is named in an error box and start-up goes on.
    QString loadError;
    const QString dataPath = miscPage_->dataPath();
    // An installed editor's data folder holds no misc.bin until the user puts
    // one there: that start is a welcome, not an error.
    const bool welcome = !installedDefaults_.isEmpty() && !dataPath.isEmpty() && !QFileInfo::exists(dataPath)
                         && !QFileInfo(dataPath).isSymLink();
    try {
        loadFile(dataPath, true);
    } catch (const std::exception &e) {
        if (!welcome)
            loadError = tr("The plane data file could not be loaded.\n\n") + EditorDocument::describe(e);
    }
    if (welcome && !document_->isLoaded())
        statusBar()->showMessage(tr("Welcome. Open a plane data file with Ctrl+O."));
    // 8.-11. planes.dat, FM.dat, AmmoNames and readme.txt.
    const StartupTables tables =
        readStartupTables(baseDirectory_, file(), installedLanguage() == QLatin1String("ru"));
    startupProblems_ << tables.problems;
    startupNotes_ << tables.notes;
    document_->labels().PlaneSummaries = tables.planeSummaries;
    document_->labels().FmLabels = tables.fmLabels;
    document_->labels().AmmoNames = tables.ammoNames;
    document_->labels().WeaponTypeList = tables.weaponTypeList;
    if (auto *help = findChild<QPlainTextEdit *>(QStringLiteral("HelpText")))
        help->setPlainText(tables.helpLines.join(QLatin1Char('\n')));
    // 12. Plane list.
    UpdateList1();
    // 13. Label tables.
    document_->labels().WeaponGroupNames = weaponGroupNames(true); // shown only in the Weapons page's list
    document_->labels().DamagePartNames = damagePartNames();
    document_->labels().DamageLevelNames = damageLevelNames();
    // 14. First plane.
    Update1();

    if (!loadError.isEmpty() || !startupProblems_.isEmpty() || !startupNotes_.isEmpty() || !loadFaults_.isEmpty()) {
        QTimer::singleShot(0, this, [this, loadError] {
            if (!loadError.isEmpty())
                prompter_->error(this, loadError);
            showStartupProblems();
            showLoadFaults();
        });
    }
}

void VNEditor::showStartupProblems()
{
    QStringList parts;
    if (!startupProblems_.isEmpty())
        parts << tr("Some support files in %1 could not be read; their tables stay empty:\n\n- %2")
                     .arg(QDir::toNativeSeparators(editorFile(baseDirectory_, QString())),
                          startupProblems_.join(QStringLiteral("\n- ")));
    parts << startupNotes_;
    if (!parts.isEmpty() && !(parts.size() == 1 && parts.first().isEmpty()))
        prompter_->warning(this, parts.join(QStringLiteral("\n\n")));
}

void VNEditor::ListBox1Click()
{
    document_->makePlaneCurrent(listBox1_->currentRow() + 1);
}

void VNEditor::planeListRebuilt()
{
    listBox1_->setCurrentRow(selection().CurrentPlane - 1);
}

} // namespace vw::app
