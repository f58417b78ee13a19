#pragma once

#include "core/datafile/change_set.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QLockFile;

namespace vw::datafile {
class DataFile;
}

namespace vw::app {

// A version of a file on disk: what the editor loaded or saved, so that it
// can tell later whether another program has changed the file since.
struct DiskVersion {
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash; // BLAKE2b-256 of the bytes

    bool known() const { return size >= 0; }
    bool sameBytes(const DiskVersion &other) const { return size == other.size && hash == other.hash; }
};

// The version of `bytes`, just read from or written to `path`.
DiskVersion diskVersionOf(const QString &path, const QByteArray &bytes);
// Reads `path` as a plane data file is read (regular files only, at most
// 20,000,000 bytes) and returns its version; the bytes go to `bytes` when
// given. Throws FileError.
DiskVersion readDiskVersion(const QString &path, QByteArray *bytes = nullptr);
// Size and modification time as remembered: cheap, without reading the file.
bool looksUnchanged(const QString &path, const DiskVersion &version);

// One part of an undo step: a change set replayed forwards (as redo does) or
// backwards (as undo does). An ordinary step has one forward part; steps
// merged into it add theirs; a restored step may hold any.
struct JournalPiece {
    bool forward = true;
    datafile::ChangeSet changes;
};
using JournalCommand = std::vector<JournalPiece>;

// The undo history as it stands: its steps and how many of them are done.
struct JournalHistory {
    std::vector<JournalCommand> commands;
    int index = 0;
};

// Replays a step onto the file: forwards, or backwards as undo does.
void replay(datafile::DataFile &file, const JournalCommand &command, bool forward);
// The same, each change first checked against what the file holds (the bytes
// it replaces, the size, the header values and the plane blocks); a change
// that does not fit throws FormatError, with the changes before it made.
void replayChecked(datafile::DataFile &file, const JournalCommand &command, bool forward);

// The recovery file of one open data file: from it the state of the editor's
// data can be rebuilt after a crash. It holds what the file on disk was when
// it was loaded or last saved (its size and hash), the undo history then,
// and every step since as it completes: a new step, a step merged into the
// last one, undo and redo. Each is appended as one write, so a killed editor
// loses no completed edit. The file is made at the first step and locked
// while the editor runs; stop() removes it.
class RecoveryJournal {
public:
    explicit RecoveryJournal(const QString &folder);
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal &) = delete;
    RecoveryJournal &operator=(const RecoveryJournal &) = delete;

    const QString &folder() const { return folder_; }
    // Starts over for `path` as it is on disk (`base`), with the history as it
    // stands; the file of the previous start is removed.
    void start(const QString &path, bool decipher, const DiskVersion &base, JournalHistory history);
    // Removes the recovery file; nothing is recorded until the next start.
    void stop();

    void pushed(const JournalCommand &command);
    void merged(const datafile::ChangeSet &changes);
    void undone(int steps);
    void redone(int steps);

    // The recovery file, once made.
    const QString &filePath() const { return filePath_; }
    // Called with the reason when the recovery file cannot be written; the
    // editing goes on.
    std::function<void(const QString &)> onProblem;

    // What a recovery file holds.
    struct Contents {
        QString path;     // the data file
        bool decipher = true;
        qint64 size = -1; // of the data file on disk when the recording began
        QByteArray hash;
        JournalHistory history;
        struct Op {
            char kind = 0; // 'P' new step, 'M' merged, 'U' undo, 'R' redo
            JournalCommand command; // P: the step; M: one piece
            int count = 0;          // U, R
        };
        std::vector<Op> ops;
    };
    // Reads a recovery file; a last entry cut short (a kill while writing it)
    // is left out. Throws FileError or FormatError for a file that is no
    // recovery file.
    static Contents read(const QString &file);
    // Replays the recording onto `file`, which must hold the bytes of the
    // data file as the recording began (the caller checks the hash). Returns
    // the change from that file to the last state, as one step. Throws
    // FormatError when the recording does not fit the file.
    static JournalCommand rebuild(const Contents &contents, datafile::DataFile &file);
    // Recovery files for `path` (for any file when empty) left by editors
    // that are no longer running, newest first.
    static QStringList leftBehind(const QString &folder, const QString &path);
    // Removes a recovery file and its lock.
    static void remove(const QString &file);

private:
    void append(const QByteArray &record);

    QString folder_;
    QString path_;
    bool decipher_ = true;
    DiskVersion base_;
    JournalHistory history_; // written with the first step
    bool active_ = false;
    QString filePath_;
    std::unique_ptr<QLockFile> lock_;
    bool failed_ = false; // the problem was told once
};

} // namespace vw::app
