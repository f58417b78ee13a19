#include "vn_editor.h"

#include "app/misc_page.h"
#include "app/plane_list_model.h"
#include "app/plane_list_view.h"
#include "app/workspace.h"
#include "flightmodel/engine_wep_page.h"
#include "flightmodel/handling_page.h"
#include "flightmodel/header_page.h"
#include "flightmodel/primary_page.h"
#include "powerchart/engine_power_page.h"
#include "weapons/ammo_page.h"
#include "weapons/config_list_view.h"
#include "weapons/more_weapons_dialog.h"
#include "weapons/weapon_adjustments_widget.h"
#include "weapons/weapons_page.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
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

namespace {

// A page that later work fills; it shows its title meanwhile.
QWidget *titledPage(const QString &title, QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *layout = new QVBoxLayout(page);
    auto *label = new QLabel(title, page);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);
    layout->addStretch();
    return page;
}

} // namespace

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
    const QString programDirectory =
        options.programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDirectory;
    baseDirectory_ = baseDirectoryFor(programDirectory);
    buildWindow();
    buildMenus();
    connect(undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    FormCreate();
}

VNEditor::~VNEditor()
{
    // The pages read the document while they still paint: they go before it does.
    document_->clearViews();
    delete takeCentralWidget();
    delete moreGun_;
}

void VNEditor::buildWindow()
{
    setObjectName(QStringLiteral("VNEditor"));
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("List of planes:"), central));
    // The plane list comes first in the cascade: it selects the current plane.
    document_->registerView(this);
    listBox1_ = new PlaneListView(document_->planeList(), central);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    left->addWidget(listBox1_, 3);
    left->addWidget(new QLabel(QStringLiteral("List of configs:"), central));
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
    // is registered with the document, in the order Update3 shows them.

    // Weapons: configurations and guns.
    weaponsPage_ = new weapons::WeaponsPage(*document_, listBox2_, pages_);
    pages_->addTab(weaponsPage_, QStringLiteral("Weapons"));
    document_->registerView(weaponsPage_);

    // Header: plane header and the copy groups.
    headerPage_ = new flightmodel::HeaderPage(*document_, pages_);
    pages_->addTab(headerPage_, QStringLiteral("Header"));
    document_->registerView(headerPage_);

    // Flight Model, with its four sub-pages.
    flightModelPages_ = new QTabWidget(pages_);
    flightModelPages_->setObjectName(QStringLiteral("FlightModelPages"));
    auto *primaryPage = new flightmodel::PrimaryPage(*document_, flightModelPages_);
    auto *enginePowerPage = new powerchart::EnginePowerPage(
        *document_, [this] { return pages_->currentIndex() == 2 && flightModelPages_->currentIndex() == 1; },
        flightModelPages_);
    auto *engineWepPage = new flightmodel::EngineWepPage(*document_, flightModelPages_);
    auto *handlingPage = new flightmodel::HandlingPage(*document_, flightModelPages_);
    flightModelPages_->addTab(primaryPage, QStringLiteral("Primary configurations"));
    flightModelPages_->addTab(enginePowerPage, QStringLiteral("Engine Power #1"));
    flightModelPages_->addTab(engineWepPage, QStringLiteral("Engine and WEP"));
    flightModelPages_->addTab(handlingPage, QStringLiteral("Handiling"));
    pages_->addTab(flightModelPages_, QStringLiteral("Flight Model"));
    for (PlaneView *view : std::initializer_list<PlaneView *>{primaryPage, engineWepPage, handlingPage, enginePowerPage})
        document_->registerView(view);

    // Damage: damage maps and the offline damage profile.
    damagePages_ = new QTabWidget(pages_);
    damagePages_->setObjectName(QStringLiteral("DamagePages"));
    for (const QString &title : {QStringLiteral("Plane Damage Maps"), QStringLiteral("Offline Damage Profile")})
        damagePages_->addTab(titledPage(title, damagePages_), title);
    pages_->addTab(damagePages_, QStringLiteral("Damage"));

    // Wings: the shared wings table.
    auto *wingsPage = new flightmodel::WingsPage(*document_, pages_);
    pages_->addTab(wingsPage, QStringLiteral("Wings"));
    document_->registerView(wingsPage); // last: its current column follows the wing number

    // Weapons (second): the shared ammunition table.
    auto *ammoPage = new weapons::AmmoPage(*document_, pages_);
    pages_->addTab(ammoPage, QStringLiteral("Weapons"));
    document_->registerView(ammoPage);

    // More Weapons: a tool window of its own, following the weapon once opened.
    moreGun_ = new weapons::MoreGun(*document_, weaponsPage_->findChild<QListWidget *>(QStringLiteral("ListBox3")), this);
    document_->registerView(moreGun_);
    connect(weaponsPage_, &weapons::WeaponsPage::weaponItemsChanged, moreGun_, &weapons::MoreGun::setWeaponItems);
    connect(weaponsPage_, &weapons::WeaponsPage::moreWeaponsRequested, moreGun_,
            &weapons::MoreGun::openBesideMainWindow);

    // Misc, Help, Credits.
    miscPage_ = new MiscPage(*document_, baseDirectory_, pages_);
    document_->registerView(miscPage_);
    pages_->addTab(miscPage_, QStringLiteral("Misc"));
    miscPage_->operationsColumn()->insertWidget(
        miscPage_->operationsColumn()->count() - 1,
        new weapons::WeaponAdjustmentsWidget(*document_, {pages_, weaponsPage_, moreGun_, listBox1_}, miscPage_));

    auto *help = new QPlainTextEdit(pages_);
    help->setObjectName(QStringLiteral("HelpText"));
    help->setReadOnly(true);
    help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont helpFont(QStringLiteral("Times New Roman"));
    helpFont.setPixelSize(16);
    helpFont.setItalic(true);
    help->setFont(helpFont);
    help->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: lime; }"));
    pages_->addTab(help, QStringLiteral("Help"));

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
        QStringLiteral("An editor for the plane data file of Vornwing.\n\n"
                       "Every value of every plane: names and references, weapon loadouts,\n"
                       "flight-model tables, engine power, damage maps and the shared tables."),
        credits);
    creditsText->setAlignment(Qt::AlignCenter);
    creditsLayout->addWidget(creditsText);
    creditsLayout->addStretch();
    pages_->addTab(credits, QStringLiteral("Credits"));

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    setFixedSize(1020, 700);

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
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    fileMenu->setObjectName(QStringLiteral("File1"));
    loadconfig1_ = action(QStringLiteral("Load configuration"), "Loadconfig1", &VNEditor::Loadconfig1Click);
    loadconfig1_->setShortcut(QKeySequence::Open);
    save1_ = action(QStringLiteral("Save configuration"), "Save1", &VNEditor::Save1Click);
    save1_->setShortcut(QKeySequence::Save);
    saveas1_ = action(QStringLiteral("Save configuration as..."), "Saveas1", &VNEditor::Saveas1Click);
    saveas1_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    exit2_ = action(QStringLiteral("Exit"), "Exit2", &VNEditor::Exit2Click);
    exit2_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    fileMenu->addAction(loadconfig1_);
    fileMenu->addAction(save1_);
    fileMenu->addAction(saveas1_);
    fileMenu->addSeparator();
    fileMenu->addAction(exit2_);

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("Edit"));
    editMenu->setObjectName(QStringLiteral("Edit1"));
    QAction *undo = undoStack()->createUndoAction(this, QStringLiteral("Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = undoStack()->createRedoAction(this, QStringLiteral("Redo"));
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    editMenu->addAction(undo);
    editMenu->addAction(redo);

    QMenu *updateMenu = menuBar()->addMenu(QStringLiteral("Update"));
    updateMenu->setObjectName(QStringLiteral("Update4"));
    exract1_ = action(QStringLiteral("Read current config  (see misc)"), "Exract1", &VNEditor::Exract1Click);
    exract1_->setShortcut(QKeySequence(QStringLiteral("F5")));
    writetoBINfile1_ = action(QStringLiteral("Write current config"), "WritetoBINfile1", &VNEditor::WritetoBINfile1Click);
    writetoBINfile1_->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    updateMenu->addAction(exract1_);
    updateMenu->addAction(writetoBINfile1_);

    runVornwing1_ = action(QStringLiteral("Launch Vornwing"), "RunVornwing1", &VNEditor::RunVornwing1Click);
    menuBar()->addAction(runVornwing1_);

    QMenu *optionsMenu = menuBar()->addMenu(QStringLiteral("Options"));
    optionsMenu->setObjectName(QStringLiteral("Options1"));
    closeeditoronVNlaunch1_ = new QAction(QStringLiteral("Close editor on VN launch"), this);
    closeeditoronVNlaunch1_->setObjectName(QStringLiteral("CloseeditoronVNlaunch1"));
    closeeditoronVNlaunch1_->setCheckable(true);
    launch3DVornwing1_ = new QAction(QStringLiteral("Launch Vornwing Offline "), this);
    launch3DVornwing1_->setObjectName(QStringLiteral("Launch3DVornwing1"));
    launch3DVornwing1_->setCheckable(true);
    launch3DVornwing1_->setChecked(true);
    optionsMenu->addAction(closeeditoronVNlaunch1_);
    optionsMenu->addAction(launch3DVornwing1_);

    exit1_ = action(QStringLiteral("Exit"), "Exit1", &VNEditor::Exit1Click);
    menuBar()->addAction(exit1_);

    // While no file is loaded the save items are disabled, and so are their
    // shortcuts: these take the keys instead and say why nothing happens.
    const auto noFile = [this](const QKeySequence &keys) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            statusBar()->showMessage(QStringLiteral("No plane data file is loaded, so there is nothing to save. "
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
    const QString why = loaded ? QString() : QStringLiteral("No plane data file is loaded, so there is nothing to save.");
    save1_->setEnabled(loaded && saveChosen_);
    saveas1_->setEnabled(loaded);
    writetoBINfile1_->setEnabled(loaded);
    for (QAction *item : {save1_, saveas1_, writetoBINfile1_}) {
        item->setStatusTip(why);
        item->setToolTip(why.isEmpty() ? item->text() : why);
    }
    noFileSave_->setEnabled(!save1_->isEnabled());
    noFileWrite_->setEnabled(!writetoBINfile1_->isEnabled());
}

void VNEditor::FormCreate()
{
    // 1. Version, Credits title and caption.
    const QString version = QString::fromLatin1(EditorVersion);
    creditsTitle_->setText(QStringLiteral("Vornwing plane editor Version ") + version);
    setWindowTitle(QStringLiteral("Vornwing Planes Editor Version ") + version + QStringLiteral("[*]"));
    // 2. Base directory (worked out before the pages were built); the editor works from it.
    QDir::setCurrent(baseDirectory_);
    // 3. The Credits page shows first; the first sub-pages of Flight Model and Damage.
    pages_->setCurrentIndex(pages_->count() - 1);
    flightModelPages_->setCurrentIndex(0);
    damagePages_->setCurrentIndex(0);
    // 4. Settings.
    settings_ = readSettings(editorFile(baseDirectory_, QStringLiteral("editor.ini"))).settings;
    closeeditoronVNlaunch1_->setChecked(settings_.closeOnLaunch);
    launch3DVornwing1_->setChecked(settings_.launchOffline);
    miscPage_->applySettings(settings_);
    save1_->setVisible(settings_.writeOkay);
    saveas1_->setVisible(settings_.writeOkay);
    writetoBINfile1_->setVisible(settings_.writeOkay);
    updateSaveItems();
    // 5. The default path overrides the settings' path.
    if (miscPage_->defaultPathChecked())
        miscPage_->setDataPath(defaultDataPath(baseDirectory_));
    // 6. Selection.
    selection() = Selection{};
    // 7. The plane data file; a failure is named in an error box and start-up goes on.
    QString loadError;
    try {
        loadFile(miscPage_->dataPath(), true);
    } catch (const std::exception &e) {
        loadError = QStringLiteral("The plane data file could not be loaded.\n\n") + EditorDocument::describe(e);
    }
    // 8. planes.dat.
    const TextLines planes = readTextLines(editorFile(baseDirectory_, QStringLiteral("planes.dat")));
    if (!planes.found)
        startupProblems_ << QStringLiteral("planes.dat (plane summaries)");
    document_->labels().PlaneSummaries = planeSummaries(planes.lines, file().PlaneCount());
    // 9. FM.dat.
    const TextLines fm = readTextLines(editorFile(baseDirectory_, QStringLiteral("FM.dat")));
    if (!fm.found)
        startupProblems_ << QStringLiteral("FM.dat (flight model row labels)");
    const FmLabels fmRows = fmLabels(fm.lines);
    document_->labels().FmLabels = fmRows.labels;
    if (fmRows.cut)
        startupNotes_ << QStringLiteral("FM.dat has %1 lines; only the first %2 are used as flight model rows.")
                             .arg(fm.lines.size())
                             .arg(MaxFmLabels);
    // 10. AmmoNames.
    document_->labels().AmmoNames = buildAmmoNames(ammoNamesFromExecutable(gameExecutablePath(baseDirectory_)), file());
    document_->labels().WeaponTypeList = weaponTypeList(document_->labels().AmmoNames);
    // 11. readme.txt.
    const TextLines readme = readTextLines(editorFile(baseDirectory_, QStringLiteral("readme.txt")));
    if (!readme.found)
        startupProblems_ << QStringLiteral("readme.txt (help text)");
    if (auto *help = findChild<QPlainTextEdit *>(QStringLiteral("HelpText")))
        help->setPlainText(readme.lines.join(QLatin1Char('\n')));
    // 12. Plane list.
    UpdateList1();
    // 13. Label tables.
    document_->labels().WeaponGroupNames = weaponGroupNames();
    document_->labels().DamagePartNames = damagePartNames();
    document_->labels().DamageLevelNames = damageLevelNames();
    // 14. First plane.
    Update1();

    if (!loadError.isEmpty() || !startupProblems_.isEmpty() || !startupNotes_.isEmpty()) {
        QTimer::singleShot(0, this, [this, loadError] {
            if (!loadError.isEmpty())
                prompter_->error(this, loadError);
            showStartupProblems();
        });
    }
}

void VNEditor::showStartupProblems()
{
    QStringList parts;
    if (!startupProblems_.isEmpty())
        parts << QStringLiteral("Some support files in %1 could not be read; their tables stay empty:\n\n- %2")
                     .arg(QDir::toNativeSeparators(editorFile(baseDirectory_, QString())),
                          startupProblems_.join(QStringLiteral("\n- ")));
    parts << startupNotes_;
    if (!parts.isEmpty() && !(parts.size() == 1 && parts.first().isEmpty()))
        prompter_->warning(this, parts.join(QStringLiteral("\n\n")));
}

void VNEditor::ListBox1Click()
{
    Selection &s = selection();
    s.CurrentPlane = listBox1_->currentRow() + 1;
    s.CurrentConfig = 1;
    s.CurrentWeapon = 1;
    Update1();
}

void VNEditor::planeListRebuilt()
{
    listBox1_->setCurrentRow(selection().CurrentPlane - 1);
}

} // namespace vw::app
