#pragma once

#include "ui/common/merge_key.h"
#include "ui/common/page_registry.h"
#include "core/workspace/recovery_journal.h"
#include "core/workspace/support_files.h"
#include "core/datafile/data_file.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

class QUndoStack;
class QWidget;

namespace vw::app {

class PlaneListModel;
class PlaneView;
class Prompter;

// The selection: CurrentPlane, CurrentConfig, CurrentWeapon, each from 1.
struct Selection {
    int CurrentPlane = 1;
    int CurrentConfig = 1;
    int CurrentWeapon = 1;
};

// Tables built once at start-up.
struct LabelTables {
    QStringList AmmoNames;        // 151
    QStringList WeaponGroupNames; // 21
    QStringList WeaponTypeList;   // 151 "000 : name"
    QStringList DamagePartNames;  // 33
    QStringList DamageLevelNames; // 8
    std::vector<PlaneSummary> PlaneSummaries = std::vector<PlaneSummary>(PlaneSummaryCapacity); // PlaneSummary
    QStringList FmLabels;         // FM.dat, at most 171
};

// The document the editor works on: the plane data file, its undo history,
// the selection, the label tables and the refresh cascade. The main window
// owns it and hands it to every page; a page can be built over a document
// without a window.
//
// Every change goes through edit(): one user action, one undo step, all or
// nothing. Showing goes through the cascade Update1 -> Update2 -> Update3,
// which asks the registered views to show the selection, in the order they
// were registered; while it runs refreshing() is true and edit() writes nothing.
class EditorDocument : public QObject {
    Q_OBJECT
public:
    explicit EditorDocument(Prompter &prompter, QObject *parent = nullptr);
    ~EditorDocument() override;

    datafile::DataFile &file() { return file_; }
    const datafile::DataFile &file() const { return file_; }
    QUndoStack *undoStack() const { return undoStack_; }
    Selection &selection() { return selection_; }
    const Selection &selection() const { return selection_; }
    LabelTables &labels() { return labels_; }
    const LabelTables &labels() const { return labels_; }
    // The pages of the window by identifier; empty for a page tested alone.
    PageRegistry &pages() { return pages_; }
    const PageRegistry &pages() const { return pages_; }
    // The one list of planes that the plane list and every plane selector show.
    PlaneListModel *planeList() const { return planeList_; }

    // Numbers are shown with this separator ("." by default); "." and it both read back.
    QChar decimalSeparator() const { return separator_; }
    void setDecimalSeparator(QChar separator) { separator_ = separator; }

    Prompter &prompter() { return prompter_; }
    // The window that message boxes belong to; none for a page tested alone.
    QWidget *dialogParent() const { return dialogParent_; }
    void setDialogParent(QWidget *parent) { dialogParent_ = parent; }

    // Replaces the file with a loaded one: a new history, plane 1 current.
    void replaceFile(datafile::DataFile &&file, const QString &path);
    // True once a file was loaded; a document without one has nothing to save.
    bool isLoaded() const { return file_.isLoaded(); }
    // The file the image was last loaded from or saved to.
    const QString &currentPath() const { return currentPath_; }
    void setCurrentPath(const QString &path) { currentPath_ = path; }
    bool hasUnsavedChanges() const;

    // The recovery file that every completed step, undo and redo is written
    // to as it happens; none while null.
    void setJournal(RecoveryJournal *journal) { journal_ = journal; }
    // The undo history as it stands, for a recovery file that starts now.
    JournalHistory history() const;
    // Makes `restored` one undo step; it must have been rebuilt onto a file
    // as this one is (RecoveryJournal::rebuild checks it there).
    void pushRestored(const JournalCommand &restored, const QString &what);

    // Runs `change` as one user action: what it writes becomes one undo step,
    // merged with the previous step when both have the same key. All or
    // nothing: when `change` throws, the bytes and header values it changed
    // are put back, nothing is pushed, and the error is shown. Returns true
    // when the change ran to its end. Does nothing while a refresh runs.
    bool edit(const QString &what, const MergeKey &key, const std::function<void()> &change);
    // Runs a handler inside the error boundary: an exception is shown in one
    // error box and goes no further. Returns true when the handler ran to its end.
    bool guarded(const std::function<void()> &handler);
    // True while a refresh fills widgets: change handlers must not store then.
    bool refreshing() const { return refreshing_; }

    // The refresh cascade, in the order the views were registered.
    void registerView(PlaneView *view) { views_.push_back(view); }
    void clearViews() { views_.clear(); }
    void UpdateList1();
    void Update1();
    void Update2();
    void Update3();

    // Selection: every page, dialog and batch makes a plane or weapon current
    // through these, and the plane list, the weapon list and the pages follow.
    // Makes `plane` current as a click on its line in the plane list does: its
    // first configuration and weapon, every page shown again.
    void makePlaneCurrent(int plane) { makeCurrent({plane, 1, 1}); }
    // Makes a plane, configuration and weapon current, every page shown again.
    void makeCurrent(const Selection &where);
    // Makes a configuration of the current plane current, as a click on the
    // configuration list does: its first weapon, the weapon pages shown again.
    void makeConfigCurrent(int config);
    // Makes a weapon of the current configuration current, as a click on the
    // weapon list does: the weapon's fields are shown again.
    void makeWeaponCurrent(int weapon);

    // A message for the status bar.
    void showStatus(const QString &text)
    {
        ++messagesShown_;
        Q_EMIT statusMessage(text);
    }
    // One error box: what failed and why.
    void showError(const QString &text);
    // One plain sentence for an error box: the file and the reason, or the reason.
    static QString describe(const std::exception &e);

Q_SIGNALS:
    void statusMessage(const QString &text);
    // A loaded file replaced the one before.
    void fileReplaced();
    // Undo or redo changed the file; the header values may have changed too.
    void historyReplayed();
    // A plane, configuration or weapon became current through makeCurrent(),
    // makeConfigCurrent() or makeWeaponCurrent(); sent before the pages show it, so that the lists
    // select the new line first.
    void currentChanged();

private:
    // Runs one view step of the cascade; an error goes to the status bar and
    // the other views still show theirs.
    void showEach(const std::function<void(PlaneView *)> &step);
    void afterReplay(const Selection &where);

    Prompter &prompter_;
    QWidget *dialogParent_ = nullptr;
    datafile::DataFile file_;
    QUndoStack *undoStack_;
    PlaneListModel *planeList_;
    PageRegistry pages_;
    Selection selection_;
    LabelTables labels_;
    QChar separator_ = QLatin1Char('.');
    QString currentPath_;
    bool refreshing_ = false;
    std::uint64_t messagesShown_ = 0; // status messages so far: an edit that showed none clears the old one
    std::vector<PlaneView *> views_;
    RecoveryJournal *journal_ = nullptr;
    int journalIndex_ = 0;     // the undo stack's index as the recovery file knows it
    bool pushing_ = false;     // a push or clear: the index change is no undo or redo
};

} // namespace vw::app
