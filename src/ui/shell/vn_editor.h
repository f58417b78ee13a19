#pragma once

#include "ui/common/editor_document.h"
#include "ui/common/plane_view.h"
#include "ui/common/prompter_dialog.h"
#include "core/workspace/recovery_journal.h"
#include "core/workspace/settings.h"
#include "core/workspace/version.h"
#include "core/datafile/data_file.h"
#include "core/planedata/field_path.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QFileSystemWatcher;
class QTimer;
class QFrame;
class QLabel;
class QMenu;
class QShortcut;
class QTabWidget;
class QUndoStack;

namespace vw::weapons {
class ConfigListView;
class MoreGun;
class WeaponsPage;
}
namespace vw::flightmodel {
class HeaderPage;
}

namespace vw::app {

class MiscPage;
class PlaneListView;
class ReferenceFile;
struct FieldDifference;

struct StartupOptions {
    // The editor's own directory; the base directory is worked out from it.
    QString programDirectory;
    // Message boxes and file dialogs; the editor's own when null.
    Prompter *prompter = nullptr;
    // Where the recovery files are kept; the "recovery" folder of the user's
    // data folder when empty.
    QString recoveryFolder;
};

// The main window: the plane and configuration lists, the page control and
// the menus around the document; start-up, loading, saving and close. It
// wires the pages to the document and to each other; what a page shows is
// the page's own business.
class PlanesOverviewDock;
class ScriptWindow;

class VNEditor : public QMainWindow, private PlaneView {
    Q_OBJECT
public:
    static inline const char *const EditorVersion = programVersion();

    explicit VNEditor(const StartupOptions &options, QWidget *parent = nullptr);
    ~VNEditor() override;

    EditorDocument &document() { return *document_; }
    datafile::DataFile &file() { return document_->file(); }
    QUndoStack *undoStack() const { return document_->undoStack(); }
    Selection &selection() { return document_->selection(); }
    bool hasUnsavedChanges() const { return document_->hasUnsavedChanges(); }

    const QString &baseDirectory() const { return baseDirectory_; }
    const QString &configPath() const { return configPath_; }
    MiscPage *miscPage() const { return miscPage_; }
    QTabWidget *pages() const { return pages_; }
    QTabWidget *flightModelPages() const { return flightModelPages_; }
    QTabWidget *damagePages() const { return damagePages_; }
    PlaneListView *planeList() const { return listBox1_; }
    weapons::ConfigListView *configList() const { return listBox2_; }
    // The More Weapons dialog, a tool window of its own.
    weapons::MoreGun *moreGun() const { return moreGun_; }
    // View > Planes overview: made when first shown.
    PlanesOverviewDock *planesOverview();
    // Support files that start-up could not read (named once in a warning).
    const QStringList &startupProblems() const { return startupProblems_; }

    // The refresh cascade, as the product names it.
    void UpdateList1() { document_->UpdateList1(); }
    void Update1() { document_->Update1(); }
    void Update2() { document_->Update2(); }
    void Update3() { document_->Update3(); }

    // Menu handlers.
    void Loadconfig1Click();
    void Saveas1Click();
    void Save1Click();
    void WritetoBINfile1Click();
    void Exract1Click();
    void Exit1Click();
    void Exit2Click();
    void RunVornwing1Click();
    // The plane data as JSON: the current plane or all planes out, a patch in.
    void ExportJson1Click();
    void ExportAllJson1Click();
    void ImportJson1Click();
    // Fields as a spreadsheet table, out and in, and a three-way merge into the open file.
    void ExportTable1Click();
    void ImportTable1Click();
    void MergeChanges1Click();
    void CompareWith1Click();
    void PlanesOverview1Click();
    // Edit > Find in planes... (the found fields in a dock) and Change found fields...
    void FindInPlanes1Click();
    void ChangeFoundFields1Click();
    // Finds the fields of the conditions (checked already) and lists them in the dock.
    void showFindResults(const QStringList &conditions);
    // Tools > Run script...: the script window, made when first shown; a
    // script of the Tools menu opens in it (loaded, not run).
    void RunScript1Click();
    ScriptWindow *scriptWindow();
    void openScript(const QString &path);
    // The scripts the Tools menu lists: the *.js files of editor/scripts (and
    // of an installed editor's own scripts folder), by file name.
    QStringList scriptFiles() const;
    // File > Reference file...: a second file, read only, that the pages compare
    // their fields with; remembered for the open file in window.ini.
    void ReferenceFile1Click();
    void DropReference1Click();
    // Loads the reference file and remembers it for the open file; false (and
    // the reason shown, in the status bar when `quiet`) when it cannot be read.
    bool setReferenceFile(const QString &path, bool quiet = false);
    ReferenceFile *reference() const { return reference_; }
    // Edit > Revert to reference: the field under the cursor, the current
    // configuration, the current plane or the found fields, each one undo step.
    enum class ReferenceRevert { Field, Configuration, Plane, Found };
    void RevertToReference1Click(ReferenceRevert what);
    // File > Check file: every structural fault of the data in the editor.
    void CheckFile1Click();
    // Plane list.
    void ListBox1Click();
    // Loads a file named on the command line (the menu entry's %f) as Load
    // configuration does; false when it did not happen.
    bool openFromCommandLine(const QString &path) { return openConfiguration(path); }
    // Imports a JSON patch file as File > Import JSON... does: one undo step.
    bool importPatchFile(const QString &path);
    // The recovery file of the open file, as the next start would find it.
    const RecoveryJournal &recoveryJournal() const { return *journal_; }

    // Selects the plane and configuration of a difference and shows the page of its field.
    void showDifference(const FieldDifference &difference);
    // Selects the plane, configuration and weapon of a found field and shows its page.
    void showFound(const fields::FieldPath &path, const fields::Match &match);
    // A difference's line in Compare with...: grid rows named by their FM.dat label.
    QString differenceText(const FieldDifference &difference) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // PlaneView: the plane list selects the current plane after a rebuild.
    void planeListRebuilt() override;
    void planeSelected() override { planeListRebuilt(); }

    void FormCreate();
    void buildMenus();
    void fillToolsMenu();
    void buildWindow();
    void FormClose();
    // Loads a file as the new document (ReadCfg), starting a new history.
    void loadFile(const QString &path, bool decipher);
    // Saves the image enciphered; marks the history clean. False when it failed.
    bool saveFile(const QString &path);
    // After No to the save question: the status bar says the file was not saved.
    void reportNotSaved(const QString &path);
    // Asks about unsaved changes before they would be lost; false to stop.
    bool settleUnsavedChanges();
    // The save items can only save a loaded file; without one they say so.
    void updateSaveItems();
    void reportLoad();
    // The structural faults a load found: a warning naming the first few.
    void showLoadFaults();
    // Loads a chosen file as Load configuration does; false when it did not happen.
    bool openConfiguration(const QString &path);
    // The caption, the file's name and * while there are unsaved changes.
    void updateTitle();
    // The permanent part of the status bar: the open file, its planes, layout and cipher.
    void updateFileStatus();
    // The notice every page shows while no file is loaded.
    void updateNoFileNotice();
    void rememberRecentFile(const QString &path);
    void fillRecentMenu();
    void showAbout();
    // Window size and position, and the recent files, kept between runs.
    QString windowSettingsPath() const;
    void restoreWindow();
    // Moves and shrinks the window as little as it takes to lie on its screen.
    void keepOnScreen();
    void storeWindow();
    // Every page that is not itself a set of sub-pages scrolls when the window
    // is smaller than the page needs.
    static void makePagesScroll(QTabWidget *tabs);
    void showStartupProblems();
    void buildReference();
    void updateReferenceStatus();
    // The reference of the open file, kept in window.ini with the other window settings.
    void rememberReference();
    void loadRememberedReference();
    // The find dock's "Revert to reference" button, beside its change button.
    void addRevertButton(QWidget *findDock);
    // The row of the flight model grid that shows a difference's field; 0 for another field.
    int primaryGridRow(const FieldDifference &difference) const;
    // The open file on disk: what was loaded or last saved, and a watch on it.
    void rememberDiskVersion(const QString &path, const DiskVersion &version, bool decipher);
    void checkDiskChange();
    // Before a save over the open file: when another program changed it,
    // asks what to do. False to stop; `path` may become another name.
    bool settleOutsideChange(QString &path);
    // Offers to restore the unsaved changes that a stopped editor left for the open file.
    void offerRecovery();

    std::unique_ptr<Prompter> ownPrompter_;
    Prompter *prompter_ = nullptr;
    std::unique_ptr<EditorDocument> document_;
    std::unique_ptr<RecoveryJournal> journal_;
    QString diskPath_;          // the open file as on disk
    DiskVersion diskVersion_;   // its version as loaded or last saved
    DiskVersion declined_;      // an outside version the user chose not to load
    bool diskDeciphered_ = true;
    QByteArray loadedBytes_;    // the file as loaded, until recovery was offered
    QFileSystemWatcher *watcher_ = nullptr;
    QTimer *diskCheck_ = nullptr;
    bool starting_ = true;
    bool askingAboutDisk_ = false;
    datafile::BackupRegistry backups_;
    EditorSettings settings_;
    // editor.ini was there but could not be read: it is kept as it is at close.
    QString settingsUnreadable_;
    StoredValues windowStored_; // window.ini as read at start
    QString baseDirectory_;
    QString installedDefaults_; // an installed editor's default support files; empty for a copy
    QString configPath_;  // ConfigPath: chosen in Load configuration / Save configuration as
    QStringList startupProblems_;
    QStringList startupNotes_; // what start-up read but did not use whole
    QStringList loadFaults_;   // the structural check of the file last loaded
    QStringList recentFiles_;  // the last eight files loaded or saved, newest first
    QStringList findConditions_; // the conditions of the last find, offered again
    QMenu *recentMenu_ = nullptr;
    QLabel *fileStatus_ = nullptr;
    QFrame *noFileNotice_ = nullptr;
    QLabel *noFileText_ = nullptr;
    QLabel *savingOff_ = nullptr;
    bool checkPlaceWhenShown_ = false; // restored geometry is checked again once the frame is known
    bool saveChosen_ = false; // a load or save as has succeeded: "Save configuration" may save

    PlaneListView *listBox1_ = nullptr;
    weapons::ConfigListView *listBox2_ = nullptr;
    QTabWidget *pages_ = nullptr;
    QTabWidget *flightModelPages_ = nullptr;
    QTabWidget *damagePages_ = nullptr;
    QLabel *creditsTitle_ = nullptr;
    MiscPage *miscPage_ = nullptr;
    weapons::WeaponsPage *weaponsPage_ = nullptr;
    weapons::MoreGun *moreGun_ = nullptr;
    PlanesOverviewDock *overview_ = nullptr;
    ScriptWindow *scriptWindow_ = nullptr;
    QMenu *toolsMenu_ = nullptr;
    ReferenceFile *reference_ = nullptr;
    QLabel *referenceStatus_ = nullptr;
    QAction *dropReference_ = nullptr;
    QList<QAction *> revertActions_;
    flightmodel::HeaderPage *headerPage_ = nullptr;

    QAction *loadconfig1_ = nullptr;
    QAction *save1_ = nullptr;
    QAction *saveas1_ = nullptr;
    QAction *exit2_ = nullptr;
    QAction *exract1_ = nullptr;
    QAction *writetoBINfile1_ = nullptr;
    QAction *runVornwing1_ = nullptr;
    QAction *closeeditoronVNlaunch1_ = nullptr;
    QAction *launch3DVornwing1_ = nullptr;
    QAction *exit1_ = nullptr;
    // Ctrl+S and Ctrl+B while no file is loaded: they only say so.
    QShortcut *noFileSave_ = nullptr;
    QShortcut *noFileWrite_ = nullptr;
};

} // namespace vw::app
