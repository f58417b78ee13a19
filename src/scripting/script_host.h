#pragma once

#include "core/datafile/change_set.h"
#include "core/datafile/data_file.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <mutex>

class QJSEngine;

// Scripts in JavaScript on a plane data file. A script sees:
//
//   file.get(path)            a field's value by its canonical path
//                             ("planes[7].weapons.configurations[2].weapons[3].ammo");
//                             null where the file lacks the part
//   file.set(path, value)     writes it by the window's rules: an integer is
//                             rounded (halves to even) and clamped to its range,
//                             a text cut to its width; a clamp is reported
//   file.plane(7)             the plane as an object to walk:
//                             file.plane(7).weapons.configurations[2].weapons[3].ammo
//                             reads, "= 300" writes; indices are the window's numbers
//   file.shared               the tables outside the planes (file.shared.ammo[37]...)
//   file.planes               the planes: [{number, name}], in order
//   file.find(pattern, pred)  every field of a pattern ("planes[*]...ammo_type") as
//                             {path, plane, label, value}, those for which
//                             pred(value, field) is true when pred is given
//   file.label(path)          a field's label as the window shows it
//   print(...)                a line of output
//
// A run is all or nothing: an exception or a run stopped at the time limit
// leaves the file as it was.
namespace vw::scripting {

struct ScriptChange {
    QString path;
    QString from, to;
    bool clamped = false;
    QString asked; // the value given, when the range rule changed it
};

// Stops a run from another thread (the window's Stop button): the run ends
// as one stopped at its time limit does, changing nothing.
class ScriptStop {
public:
    void stop();
    bool stopped() const;
    // The run under way; the host sets it for the time of the run.
    void attach(QJSEngine *engine);

private:
    mutable std::mutex mutex_;
    QJSEngine *engine_ = nullptr;
    bool stopped_ = false;
};

struct ScriptOutcome {
    bool ok = false;
    bool timedOut = false;
    bool stopped = false; // by ScriptStop::stop before the time limit
    QString error;        // the exception's message
    int line = 0;         // where it was thrown (from 1; 0 when unknown)
    int column = 0;
    QStringList output;   // the lines print wrote
    QList<ScriptChange> changes;
    int changedFields = 0;
    datafile::ChangeSet recorded; // a finished run's changes, for an undo step
};

// "path: from -> to", with " (clamped from X)" when the range rule changed the value.
QString changeLine(const ScriptChange &change);

// Runs `source` on `file` (`name` is how messages call the script), stopped
// after `timeoutMs` or when `stop` is stopped. On any failure the file is
// left unchanged. The file must not be recording.
ScriptOutcome runScript(datafile::DataFile &file, const QString &source, const QString &name, int timeoutMs = 10000,
                        ScriptStop *stop = nullptr);

} // namespace vw::scripting
