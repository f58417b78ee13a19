#pragma once

#include <QString>

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
    QString reason;     // why not, when not found
};

// Reads the settings; a missing or unreadable file (a FIFO, a device, one
// above the support file limit) gives the defaults, a line that should be an
// integer and is not counts as 0, an empty separator line gives ".".
// The file is UTF-8; one that is not valid UTF-8 is read as Latin-1.
SettingsRead readSettings(const QString &path);
// Writes the seven lines, each ended by a line break, replacing the file in
// one step. Settings are written only into an existing base folder: the
// folder that holds the file (the editor folder) is made when it is missing,
// the folders above it never, so that a mistyped --base creates nothing.
// Throws FileError.
void writeSettings(const QString &path, const EditorSettings &settings);

} // namespace vw::app
