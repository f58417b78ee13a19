#include "file_change_command.h"

#include "core/datafile/data_file.h"

namespace vw::app {

FileChangeCommand::FileChangeCommand(datafile::DataFile &file, datafile::ChangeSet changes, const QString &text,
                                     const MergeKey &key, std::function<void(bool undone)> afterReplay)
    : QUndoCommand(text), file_(file), changes_(std::move(changes)), key_(key),
      afterReplay_(std::move(afterReplay))
{
}

void FileChangeCommand::undo()
{
    file_.undo(changes_);
    applied_ = false;
    if (afterReplay_)
        afterReplay_(true);
}

void FileChangeCommand::redo()
{
    if (applied_)
        return; // pushed after the change was made
    file_.redo(changes_);
    applied_ = true;
    if (afterReplay_)
        afterReplay_(false);
}

bool FileChangeCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const FileChangeCommand *>(other);
    if (!(next->key_ == key_) || &next->file_ != &file_)
        return false;
    changes_.append(datafile::ChangeSet(next->changes_));
    return true;
}

RestoredStepCommand::RestoredStepCommand(datafile::DataFile &file, JournalCommand pieces, const QString &text,
                                         std::function<void()> afterReplay)
    : QUndoCommand(text), file_(file), pieces_(std::move(pieces)), afterReplay_(std::move(afterReplay))
{
}

void RestoredStepCommand::undo()
{
    replay(file_, pieces_, false);
    applied_ = false;
    if (afterReplay_)
        afterReplay_();
}

void RestoredStepCommand::redo()
{
    if (applied_)
        return;
    replay(file_, pieces_, true);
    applied_ = true;
    if (afterReplay_)
        afterReplay_();
}

} // namespace vw::app
