#pragma once

#include "datafile/change_set.h"

#include <QUndoCommand>

#include <functional>

namespace vw::datafile {
class DataFile;
}

namespace vw::app {

// One user action on the file, as the undo stack holds it: the bytes and
// header values it changed. Keystrokes in one field merge into one command.
class FileChangeCommand : public QUndoCommand {
public:
    enum { MergeId = 1 };

    FileChangeCommand(datafile::DataFile &file, datafile::ChangeSet changes, const QString &text,
                      const QString &mergeKey, std::function<void()> afterReplay);

    void undo() override;
    void redo() override;
    int id() const override { return mergeKey_.isEmpty() ? -1 : MergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    datafile::DataFile &file_;
    datafile::ChangeSet changes_;
    QString mergeKey_;
    std::function<void()> afterReplay_;
    bool applied_ = true; // the change is already in the file when the command is pushed
};

} // namespace vw::app
