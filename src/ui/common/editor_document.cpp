#include "editor_document.h"

#include "ui/common/file_change_command.h"
#include "ui/common/plane_list_model.h"
#include "ui/common/plane_view.h"
#include "ui/common/prompter_dialog.h"

#include <QDir>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace vw::app {

using datafile::FileError;
using datafile::FormatError;

EditorDocument::EditorDocument(Prompter &prompter, QObject *parent)
    : QObject(parent), prompter_(prompter), undoStack_(new QUndoStack(this)),
      planeList_(new PlaneListModel(file_, this))
{
    // Undo and redo, by the menu or by a jump through the history, reach the recovery file.
    connect(undoStack_, &QUndoStack::indexChanged, this, [this](int index) {
        if (pushing_)
            return;
        if (journal_ && index < journalIndex_)
            journal_->undone(journalIndex_ - index);
        else if (journal_ && index > journalIndex_)
            journal_->redone(index - journalIndex_);
        journalIndex_ = index;
    });
}

EditorDocument::~EditorDocument()
{
    // The history is cleared as it is deleted: the views that follow it (the
    // find dock, the planes overview) must not be called on a document that
    // is going away.
    undoStack_->disconnect();
    undoStack_->blockSignals(true);
}

QString EditorDocument::describe(const std::exception &e)
{
    if (const auto *fileError = dynamic_cast<const FileError *>(&e))
        return QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(fileError->path()), fileError->reason());
    if (const auto *formatError = dynamic_cast<const FormatError *>(&e))
        return formatError->reason();
    return QString::fromLocal8Bit(e.what());
}

void EditorDocument::showError(const QString &text)
{
    prompter_.error(dialogParent_, text);
}

void EditorDocument::replaceFile(datafile::DataFile &&file, const QString &path)
{
    file_ = std::move(file);
    {
        const QScopedValueRollback<bool> clearing(pushing_, true);
        undoStack_->clear();
        undoStack_->setClean();
    }
    journalIndex_ = 0;
    currentPath_ = path;
    selection_.CurrentPlane = 1;
    {
        const QScopedValueRollback<bool> showing(refreshing_, true);
        planeList_->rebuild();
    }
    Q_EMIT fileReplaced();
}

bool EditorDocument::hasUnsavedChanges() const
{
    return !undoStack_->isClean();
}

bool EditorDocument::guarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        showError(describe(e));
    } catch (...) {
        showError(tr("An unexpected error stopped the operation."));
    }
    return false;
}

bool EditorDocument::edit(const QString &what, const MergeKey &key, const std::function<void()> &change)
{
    if (refreshing_)
        return false; // showing never writes
    if (file_.isRecording()) { // part of an action already being recorded: its errors go to that action
        change();
        return true;
    }
    file_.beginRecording();
    const std::uint64_t messagesBefore = messagesShown_;
    QString failure;
    try {
        change();
    } catch (const std::exception &e) {
        failure = describe(e);
    } catch (...) {
        failure = tr("An unexpected error stopped the operation.");
    }
    datafile::ChangeSet changes = file_.endRecording();
    if (!failure.isEmpty()) {
        // All or nothing: what the change wrote before it failed is put back.
        file_.undo(changes);
        showError(failure);
        return false;
    }
    if (changes.empty())
        return true;
    const int before = undoStack_->index();
    datafile::ChangeSet recorded;
    if (journal_)
        recorded = changes;
    {
        const QScopedValueRollback<bool> pushing(pushing_, true);
        undoStack_->push(new FileChangeCommand(file_, std::move(changes), what, key,
                                               [this, where = selection_, what](bool undone) {
                                                   afterReplay(where);
                                                   showStatus(undone ? tr("Undone: %1").arg(what)
                                                                     : tr("Redone: %1").arg(what));
                                               }));
    }
    journalIndex_ = undoStack_->index();
    if (journal_ && journalIndex_ > before)
        journal_->pushed({{true, std::move(recorded)}});
    else if (journal_)
        journal_->merged(recorded);
    // The status bar follows the edit: a message of an earlier step goes. A
    // command says what it changed (its own summary, when it has one, comes
    // after this); typing in a field only clears the old message.
    if (messagesShown_ == messagesBefore)
        showStatus(key.isNone() ? tr("Changed: %1").arg(what) : QString());
    return true;
}

JournalHistory EditorDocument::history() const
{
    JournalHistory history;
    history.index = undoStack_->index();
    for (int i = 0; i < undoStack_->count(); ++i) {
        const QUndoCommand *command = undoStack_->command(i);
        if (const auto *change = dynamic_cast<const FileChangeCommand *>(command))
            history.commands.push_back({{true, change->changes()}});
        else if (const auto *restored = dynamic_cast<const RestoredStepCommand *>(command))
            history.commands.push_back(restored->pieces());
        else
            history.commands.emplace_back();
    }
    return history;
}

void EditorDocument::pushRestored(const JournalCommand &restored, const QString &what)
{
    replay(file_, restored, true);
    const int before = undoStack_->index();
    {
        const QScopedValueRollback<bool> pushing(pushing_, true);
        undoStack_->push(new RestoredStepCommand(file_, restored, what, [this, where = selection_] { afterReplay(where); }));
    }
    journalIndex_ = undoStack_->index();
    if (journal_ && journalIndex_ > before)
        journal_->pushed(restored);
}

void EditorDocument::afterReplay(const Selection &where)
{
    // The user sees the value go back: the plane, configuration and weapon
    // the change was made on become current again.
    selection_ = where;
    selection_.CurrentPlane = std::clamp(selection_.CurrentPlane, 1, std::max(1, file_.PlaneCount()));
    Q_EMIT historyReplayed();
    // The plane lists keep their rows while the plane count stays, so the copy
    // groups keep the planes the user had chosen.
    if (planeList_->rowCount() == std::clamp(file_.PlaneCount(), 0, datafile::MaxPlaneCount)) {
        planeList_->relabel();
        showEach([](PlaneView *view) { view->planeSelected(); });
    } else {
        UpdateList1();
    }
    Update1();
}

void EditorDocument::showEach(const std::function<void(PlaneView *)> &step)
{
    // A refresh that fails still ends: the rollback puts refreshing_ back, so
    // later edits are not dropped as if a refresh were still running.
    const QScopedValueRollback<bool> showing(refreshing_, true);
    for (PlaneView *view : views_) {
        try {
            step(view);
        } catch (const std::exception &e) {
            showStatus(describe(e));
        }
    }
}

void EditorDocument::UpdateList1()
{
    {
        const QScopedValueRollback<bool> showing(refreshing_, true);
        planeList_->rebuild();
    }
    showEach([](PlaneView *view) { view->planeListRebuilt(); });
}

void EditorDocument::Update1()
{
    showEach([](PlaneView *view) { view->showConfigurations(); });
    Update2();
}

void EditorDocument::Update2()
{
    showEach([](PlaneView *view) { view->showConfiguration(); });
    Update3();
    showEach([](PlaneView *view) { view->configurationShown(); });
}

void EditorDocument::Update3()
{
    showEach([](PlaneView *view) { view->showPlane(); });
}

void EditorDocument::makeCurrent(const Selection &where)
{
    selection_ = where;
    Q_EMIT currentChanged();
    Update1();
}

void EditorDocument::makeConfigCurrent(int config)
{
    selection_.CurrentConfig = config;
    selection_.CurrentWeapon = 1;
    Q_EMIT currentChanged();
    Update2();
}

void EditorDocument::makeWeaponCurrent(int weapon)
{
    selection_.CurrentWeapon = weapon;
    Q_EMIT currentChanged();
    Update3();
}

} // namespace vw::app
