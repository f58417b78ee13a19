#include "vn_editor.h"

#include "app/file_change_command.h"
#include "app/misc_page.h"
#include "app/plane_view.h"
#include "app/workspace.h"
#include "datafile/directory_entry.h"
#include "flightmodel/engine_wep_page.h"
#include "flightmodel/handling_page.h"
#include "flightmodel/header_page.h"
#include "flightmodel/primary_page.h"
#include "powerchart/engine_power_page.h"
#include "weapons/weapons_block.h"
#include "weapons/weapons_page.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
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

QString VNEditor::describe(const std::exception &e)
{
    if (const auto *fileError = dynamic_cast<const FileError *>(&e))
        return QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(fileError->path()), fileError->reason());
    if (const auto *formatError = dynamic_cast<const FormatError *>(&e))
        return formatError->reason();
    return QString::fromLocal8Bit(e.what());
}

VNEditor::VNEditor(const StartupOptions &options, QWidget *parent) : QMainWindow(parent)
{
    if (options.prompter) {
        prompter_ = options.prompter;
    } else {
        ownPrompter_ = std::make_unique<Prompter>();
        prompter_ = ownPrompter_.get();
    }
    undoStack_ = new QUndoStack(this);
    const QString programDirectory =
        options.programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDirectory;
    baseDirectory_ = baseDirectoryFor(programDirectory);
    buildWindow();
    buildMenus();
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    FormCreate();
}

VNEditor::~VNEditor()
{
    // The pages read the file and the label tables while they still paint:
    // they go before those members do.
    planeViews_.clear();
    delete takeCentralWidget();
}

void VNEditor::buildWindow()
{
    setObjectName(QStringLiteral("VNEditor"));
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("List of planes:"), central));
    listBox1_ = new QListWidget(central);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    left->addWidget(listBox1_, 3);
    left->addWidget(new QLabel(QStringLiteral("List of configs:"), central));
    listBox2_ = new QListWidget(central);
    listBox2_->setObjectName(QStringLiteral("ListBox2"));
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
    // registers itself with registerPlaneView().

    // Weapons: configurations and guns.
    weaponsPage_ = new weapons::WeaponsPage(*this, listBox2_, pages_);
    pages_->addTab(weaponsPage_, QStringLiteral("Weapons"));
    registerPlaneView(weaponsPage_);

    // Header: plane header and the copy groups.
    headerPage_ = new flightmodel::HeaderPage(*this, listBox1_, pages_);
    pages_->addTab(headerPage_, QStringLiteral("Header"));
    registerPlaneView(headerPage_);

    // Flight Model, with its four sub-pages.
    flightModelPages_ = new QTabWidget(pages_);
    flightModelPages_->setObjectName(QStringLiteral("FlightModelPages"));
    auto *primaryPage = new flightmodel::PrimaryPage(*this, flightModelPages_);
    auto *enginePowerPage = new powerchart::EnginePowerPage(
        *this, [this] { return pages_->currentIndex() == 2 && flightModelPages_->currentIndex() == 1; },
        flightModelPages_);
    auto *engineWepPage = new flightmodel::EngineWepPage(*this, flightModelPages_);
    auto *handlingPage = new flightmodel::HandlingPage(*this, flightModelPages_);
    flightModelPages_->addTab(primaryPage, QStringLiteral("Primary configurations"));
    flightModelPages_->addTab(enginePowerPage, QStringLiteral("Engine Power #1"));
    flightModelPages_->addTab(engineWepPage, QStringLiteral("Engine and WEP"));
    flightModelPages_->addTab(handlingPage, QStringLiteral("Handiling"));
    pages_->addTab(flightModelPages_, QStringLiteral("Flight Model"));
    for (PlaneView *view : std::initializer_list<PlaneView *>{primaryPage, engineWepPage, handlingPage, enginePowerPage})
        registerPlaneView(view);

    // Damage: damage maps and the offline damage profile.
    damagePages_ = new QTabWidget(pages_);
    damagePages_->setObjectName(QStringLiteral("DamagePages"));
    for (const QString &title : {QStringLiteral("Plane Damage Maps"), QStringLiteral("Offline Damage Profile")})
        damagePages_->addTab(titledPage(title, damagePages_), title);
    pages_->addTab(damagePages_, QStringLiteral("Damage"));

    // Wings: the shared wings table.
    auto *wingsPage = new flightmodel::WingsPage(*this, pages_);
    pages_->addTab(wingsPage, QStringLiteral("Wings"));
    registerPlaneView(wingsPage); // last: its current column follows the wing number

    // Weapons (second): the shared ammunition table.
    pages_->addTab(titledPage(QStringLiteral("Weapons"), pages_), QStringLiteral("Weapons"));

    // Misc, Help, Credits.
    miscPage_ = new MiscPage(*this, baseDirectory_, pages_);
    pages_->addTab(miscPage_, QStringLiteral("Misc"));

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

    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing() && row >= 0)
            ListBox1Click();
    });
    connect(listBox2_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing() && row >= 0)
            ListBox2Click();
    });
    // A click on the row already selected selects it again: plane with its
    // first configuration and weapon, configuration with its first weapon.
    connect(listBox1_, &QListWidget::itemClicked, this, [this] {
        if (selection_.CurrentConfig != 1 || selection_.CurrentWeapon != 1)
            ListBox1Click();
    });
    connect(listBox2_, &QListWidget::itemClicked, this, [this] {
        if (selection_.CurrentWeapon != 1)
            ListBox2Click();
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
    QAction *undo = undoStack_->createUndoAction(this, QStringLiteral("Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = undoStack_->createRedoAction(this, QStringLiteral("Redo"));
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
    save1_->setEnabled(false);
    // 5. The default path overrides the settings' path.
    if (miscPage_->defaultPathChecked())
        miscPage_->setDataPath(defaultDataPath(baseDirectory_));
    // 6. Selection.
    selection_ = Selection{};
    // 7. The plane data file; a failure is named in an error box and start-up goes on.
    QString loadError;
    try {
        loadFile(miscPage_->dataPath(), true);
    } catch (const std::exception &e) {
        loadError = QStringLiteral("The plane data file could not be loaded.\n\n") + describe(e);
    }
    // 8. planes.dat.
    const TextLines planes = readTextLines(editorFile(baseDirectory_, QStringLiteral("planes.dat")));
    if (!planes.found)
        startupProblems_ << QStringLiteral("planes.dat (plane summaries)");
    labels_.PlaneSummaries = planeSummaries(planes.lines, file_.PlaneCount());
    // 9. FM.dat.
    const TextLines fm = readTextLines(editorFile(baseDirectory_, QStringLiteral("FM.dat")));
    if (!fm.found)
        startupProblems_ << QStringLiteral("FM.dat (flight model row labels)");
    const FmLabels fmRows = fmLabels(fm.lines);
    labels_.FmLabels = fmRows.labels;
    if (fmRows.cut)
        startupProblems_ << QStringLiteral("FM.dat has %1 lines; only the first %2 are used as flight model rows")
                                .arg(fm.lines.size())
                                .arg(MaxFmLabels);
    // 10. AmmoNames.
    labels_.AmmoNames = buildAmmoNames(ammoNamesFromExecutable(gameExecutablePath(baseDirectory_)), file_);
    labels_.WeaponTypeList = weaponTypeList(labels_.AmmoNames);
    // 11. readme.txt.
    const TextLines readme = readTextLines(editorFile(baseDirectory_, QStringLiteral("readme.txt")));
    if (!readme.found)
        startupProblems_ << QStringLiteral("readme.txt (help text)");
    if (auto *help = findChild<QPlainTextEdit *>(QStringLiteral("HelpText")))
        help->setPlainText(readme.lines.join(QLatin1Char('\n')));
    // 12. Plane list.
    UpdateList1();
    // 13. Label tables.
    labels_.WeaponGroupNames = weaponGroupNames();
    labels_.DamagePartNames = damagePartNames();
    labels_.DamageLevelNames = damageLevelNames();
    // 14. First plane.
    Update1();

    if (!loadError.isEmpty() || !startupProblems_.isEmpty()) {
        QTimer::singleShot(0, this, [this, loadError] {
            if (!loadError.isEmpty())
                prompter_->error(this, loadError);
            showStartupProblems();
        });
    }
}

void VNEditor::showStartupProblems()
{
    if (startupProblems_.isEmpty())
        return;
    prompter_->warning(this, QStringLiteral("Some support files in %1 could not be read; their tables stay empty:\n\n- %2")
                                 .arg(QDir::toNativeSeparators(editorFile(baseDirectory_, QString())),
                                      startupProblems_.join(QStringLiteral("\n- "))));
}

QChar VNEditor::decimalSeparator() const
{
    return miscPage_ ? miscPage_->separator() : QLatin1Char('.');
}

void VNEditor::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        prompter_->error(this, describe(e));
    }
}

void VNEditor::edit(const QString &what, const QString &mergeKey, const std::function<void()> &change)
{
    if (refreshing())
        return; // showing never writes
    if (file_.isRecording()) { // part of an action already being recorded
        change();
        return;
    }
    file_.beginRecording();
    QString failure;
    try {
        change();
    } catch (const std::exception &e) {
        failure = describe(e);
    }
    datafile::ChangeSet changes = file_.endRecording();
    // Keystrokes merge only while they go to the same field of the same plane.
    const QString key = mergeKey.isEmpty() ? QString() : QString::number(selection_.CurrentPlane) + QLatin1Char('|') + mergeKey;
    // What changed before a failure stays changed, and can be undone.
    if (!changes.empty())
        undoStack_->push(new FileChangeCommand(file_, std::move(changes), what, key, [this] { afterUndoRedo(); }));
    if (!failure.isEmpty())
        prompter_->error(this, failure);
}

void VNEditor::afterUndoRedo()
{
    miscPage_->showFileSummary();
    // The plane lists are relabelled in place while the plane count stays, so
    // that the copy groups keep the planes the user had chosen.
    if (listBox1_->count() == std::clamp(file_.PlaneCount(), 0, datafile::MaxPlaneCount))
        relabelPlaneLists();
    else
        UpdateList1();
    Update1();
}

void VNEditor::relabelPlaneLists()
{
    ++refreshing_;
    QList<QComboBox *> selectors;
    for (int n : {2, 3, 9, 10, 11, 12, 13, 14, 15, 16})
        if (auto *box = findChild<QComboBox *>(QStringLiteral("ComboBox%1").arg(n)))
            selectors << box;
    for (int row = 0; row < listBox1_->count(); ++row) {
        const QString item = datafile::DirectoryEntryView::listItem(row + 1, datafile::DirectoryEntry(file_, row + 1).name());
        listBox1_->item(row)->setText(item);
        for (QComboBox *box : selectors)
            if (row < box->count())
                box->setItemText(row, item);
    }
    --refreshing_;
}

bool VNEditor::hasUnsavedChanges() const
{
    return !undoStack_->isClean();
}

void VNEditor::showStatus(const QString &text)
{
    statusBar()->showMessage(text);
}

void VNEditor::ListBox1Click()
{
    selection_.CurrentPlane = listBox1_->currentRow() + 1;
    selection_.CurrentConfig = 1;
    selection_.CurrentWeapon = 1;
    Update1();
}

void VNEditor::ListBox2Click()
{
    selection_.CurrentConfig = listBox2_->currentRow() + 1;
    selection_.CurrentWeapon = 1;
    Update2();
}

void VNEditor::UpdateList1()
{
    ++refreshing_;
    listBox1_->clear();
    const int planes = std::min(file_.PlaneCount(), datafile::MaxPlaneCount);
    QStringList items;
    for (int p = 1; p <= planes; ++p)
        items << datafile::DirectoryEntryView::listItem(p, datafile::DirectoryEntry(file_, p).name());
    listBox1_->addItems(items);
    // The plane selectors of the copy groups (those that exist so far).
    for (int n : {2, 3, 9, 10, 11, 12, 13, 14, 15, 16}) {
        if (auto *box = findChild<QComboBox *>(QStringLiteral("ComboBox%1").arg(n))) {
            box->clear();
            box->addItems(items);
        }
    }
    listBox1_->setCurrentRow(selection_.CurrentPlane - 1);
    --refreshing_;
    // The copy weapon group starts again from the first plane's first configuration and weapon.
    guarded([this] {
        weaponsPage_->UpdateConfig1();
        weaponsPage_->UpdateConfig2();
    });
}

void VNEditor::Update1()
{
    ++refreshing_;
    listBox2_->clear();
    const weapons::WeaponsBlockView block(file_, selection_.CurrentPlane);
    if (block.exists()) {
        for (int c = 1; c <= block.configCount(); ++c)
            listBox2_->addItem(weapons::WeaponsBlock::configItem(c, block.config(c).name()));
        listBox2_->setCurrentRow(selection_.CurrentConfig - 1);
    }
    --refreshing_;
    Update2();
}

void VNEditor::Update2()
{
    ++refreshing_;
    try {
        weaponsPage_->showConfiguration();
    } catch (const std::exception &e) {
        showStatus(describe(e));
    }
    --refreshing_;
    Update3();
    weaponsPage_->UpdateGun3();
}

void VNEditor::Update3()
{
    ++refreshing_;
    // A view that cannot show its data says why in the status bar; the others still show theirs.
    const auto show = [this](const std::function<void()> &step) {
        try {
            step();
        } catch (const std::exception &e) {
            showStatus(describe(e));
        }
    };
    for (PlaneView *view : planeViews_)
        show([view] { view->showPlane(); });
    show([this] { miscPage_->showPlaneOffsets(selection_.CurrentPlane); });
    --refreshing_;
}

} // namespace vw::app
