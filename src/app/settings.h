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
    bool found = false; // false: the file was missing and the defaults apply
};

// Reads the settings; a missing file gives the defaults, a line that should be
// an integer and is not counts as 0, an empty separator line gives ".".
// The file is UTF-8; one that is not valid UTF-8 is read as Latin-1.
SettingsRead readSettings(const QString &path);
// Writes the seven lines, each ended by a line break. Throws FileError.
void writeSettings(const QString &path, const EditorSettings &settings);

} // namespace vw::app
