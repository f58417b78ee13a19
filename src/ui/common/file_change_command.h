#pragma once

#include "ui/common/merge_key.h"
#include "core/workspace/recovery_journal.h"
#include "core/datafile/change_set.h"

#include <QUndoCommand>

#include <functional>

namespace vw::datafile {
class DataFile;
}

namespace vw::app {

// One user action on the file, as the undo stack holds it: the bytes and
// header values it changed. Steps with the same merge key merge into one.
class FileChangeCommand : public QUndoCommand {
public:
    enum { MergeId = 1 };

    FileChangeCommand(datafile::DataFile &file, datafile::ChangeSet changes, const QString &text,
                      const MergeKey &key, std::function<void(bool undone)> afterReplay);

    void undo() override;
    void redo() override;
    int id() const override { return key_.isNone() ? -1 : MergeId; }
    bool mergeWith(const QUndoCommand *other) override;
    const datafile::ChangeSet &changes() const { return changes_; }
    const MergeKey &key() const { return key_; }

private:
    datafile::DataFile &file_;
    datafile::ChangeSet changes_;
    MergeKey key_;
    std::function<void(bool undone)> afterReplay_; // after an undo (true) or a redo (false)
    bool applied_ = true; // the change is already in the file when the command is pushed
};

// Unsaved changes restored from a recovery file: one undo step made of the
// parts the recording replayed, forwards and backwards. It never merges.
class RestoredStepCommand : public QUndoCommand {
public:
    RestoredStepCommand(datafile::DataFile &file, JournalCommand pieces, const QString &text,
                        std::function<void()> afterReplay);

    void undo() override;
    void redo() override;
    const JournalCommand &pieces() const { return pieces_; }

private:
    datafile::DataFile &file_;
    JournalCommand pieces_;
    std::function<void()> afterReplay_;
    bool applied_ = true;
};

} // namespace vw::app
