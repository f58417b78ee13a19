#pragma once

#include "app/editor_context.h"
#include "app/prompter_dialog.h"
#include "app/settings.h"
#include "datafile/data_file.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QUndoStack;

namespace vw::weapons {
class WeaponsPage;
}
namespace vw::flightmodel {
class HeaderPage;
}

namespace vw::app {

class MiscPage;
class PlaneView;

struct StartupOptions {
    // The editor's own directory; the base directory is worked out from it.
    QString programDirectory;
    // Message boxes and file dialogs; the editor's own when null.
    Prompter *prompter = nullptr;
};

// The main window: plane and configuration lists, the page control, menus,
// the refresh cascade, start-up and close.
class VNEditor : public QMainWindow, public EditorContext {
    Q_OBJECT
public:
    static constexpr const char *EditorVersion = "3.5b";

    explicit VNEditor(const StartupOptions &options, QWidget *parent = nullptr);
    ~VNEditor() override;

    // EditorContext
    datafile::DataFile &file() override { return file_; }
    Selection &selection() override { return selection_; }
    const LabelTables &labels() const override { return labels_; }
    QChar decimalSeparator() const override;
    Prompter &prompter() override { return *prompter_; }
    void edit(const QString &what, const QString &mergeKey, const std::function<void()> &change) override;
    void guarded(const std::function<void()> &handler) override;
    bool refreshing() const override { return refreshing_ > 0; }
    void UpdateList1() override;
    void Update1() override;
    void Update2() override;
    void Update3() override;
    void showStatus(const QString &text) override;

    const QString &baseDirectory() const { return baseDirectory_; }
    const QString &configPath() const { return configPath_; }
    QUndoStack *undoStack() const { return undoStack_; }
    bool hasUnsavedChanges() const;
    MiscPage *miscPage() const { return miscPage_; }
    // Update3 shows every registered view, in registration order.
    void registerPlaneView(PlaneView *view) { planeViews_.push_back(view); }
    QTabWidget *pages() const { return pages_; }
    QTabWidget *flightModelPages() const { return flightModelPages_; }
    QTabWidget *damagePages() const { return damagePages_; }
    QListWidget *planeList() const { return listBox1_; }
    QListWidget *configList() const { return listBox2_; }
    // Support files that start-up could not read (named once in a warning).
    const QStringList &startupProblems() const { return startupProblems_; }

    // Menu handlers.
    void Loadconfig1Click();
    void Saveas1Click();
    void Save1Click();
    void WritetoBINfile1Click();
    void Exract1Click();
    void Exit1Click();
    void Exit2Click();
    void RunVornwing1Click();
    // Plane and configuration lists.
    void ListBox1Click();
    void ListBox2Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildMenus();
    void buildWindow();
    void FormClose();
    // Loads a file as the new document (ReadCfg), starting a new history.
    void loadFile(const QString &path, bool decipher);
    // Saves the image enciphered; marks the history clean. False when it failed.
    bool saveFile(const QString &path);
    // Asks about unsaved changes before they would be lost; false to stop.
    bool settleUnsavedChanges();
    void afterUndoRedo();
    void relabelPlaneLists();
    // One plain sentence for an error box: the file and the reason, or the reason.
    static QString describe(const std::exception &e);
    void reportLoad();
    void showStartupProblems();

    std::unique_ptr<Prompter> ownPrompter_;
    Prompter *prompter_ = nullptr;
    datafile::DataFile file_;
    datafile::BackupRegistry backups_;
    Selection selection_;
    LabelTables labels_;
    EditorSettings settings_;
    QString baseDirectory_;
    QString configPath_;  // ConfigPath: chosen in Load configuration / Save configuration as
    QString currentPath_; // the file the image was last loaded from or saved to
    QStringList startupProblems_;
    int refreshing_ = 0;
    std::vector<PlaneView *> planeViews_;
    QUndoStack *undoStack_ = nullptr;

    QListWidget *listBox1_ = nullptr;
    QListWidget *listBox2_ = nullptr;
    QTabWidget *pages_ = nullptr;
    QTabWidget *flightModelPages_ = nullptr;
    QTabWidget *damagePages_ = nullptr;
    QLabel *creditsTitle_ = nullptr;
    MiscPage *miscPage_ = nullptr;
    weapons::WeaponsPage *weaponsPage_ = nullptr;
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
};

} // namespace vw::app
