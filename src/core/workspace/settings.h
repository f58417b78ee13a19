#pragma once

#include <QString>
#include <QVariantMap>

namespace vw::app {

// editor\editor.ini: seven lines whose position is their meaning.
struct EditorSettings {
    bool closeOnLaunch = false;   // 1: "Close editor on VN launch"
    bool launchOffline = true;    // 2: "Launch Vornwing Offline "
    QString dataPath;             // 3: the path field
    QString launcherPath;         // 4: the launcher path field
    bool defaultPath = true;      // 5: "Get default path from editor directory"
    bool writeOkay = false;       // 6: "writeokay" shows the save items
    QString decimalSeparator = QStringLiteral("."); // 7
};

struct SettingsRead {
    EditorSettings settings;
    bool found = false; // false: the file could not be read and the defaults apply
    // The file is there but could not be read (permission denied, above the
    // support file limit, a FIFO): it is never written over, so that the
    // settings in it are not lost.
    bool unreadable = false;
    QString reason;     // why not, when not found
    QString separatorRefused; // line 7 held a separator that cannot be one; "." applies
};

// Whether `c` may be the decimal separator: no digit, sign or letter (which
// would turn a number's own shown text into another number when typed back),
// and no control character or blank.
bool isUsableDecimalSeparator(QChar c);

// Reads the settings; a missing or unreadable file (a FIFO, a device, one
// above the support file limit) gives the defaults, a line that should be an
// integer and is not counts as 0, an empty separator line gives ".".
// The file is UTF-8; one that is not valid UTF-8 is read as Latin-1.
SettingsRead readSettings(const QString &path);
// Writes the seven lines, each ended by a line break, replacing the file in
// one step. Settings are written only into an existing base folder: the
// folder that holds the file (the editor folder) is made when it is missing,
// the folders above it never, so that a mistyped --base creates nothing.
// A path with a line break is refused (the lines are by position), and
// nothing is written then. Throws FileError.
void writeSettings(const QString &path, const EditorSettings &settings);

// editor/window.ini: the window's place and the recent files, kept in Qt's
// INI format. It is read and written whole through the file rules (only a
// regular file of at most the support file limit; no lock to wait on).
struct StoredValues {
    QVariantMap values;
    bool unreadable = false; // there, but could not be read: not written over
    QString reason;
};
StoredValues readWindowSettings(const QString &path);
// Sets the given keys, keeping the others the file holds. Throws FileError.
void writeWindowSettings(const QString &path, const QVariantMap &values);

} // namespace vw::app
