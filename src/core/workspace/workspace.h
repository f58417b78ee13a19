#pragma once

#include <QString>
#include <QStringList>

namespace vw::app {

// The directory that the support files, the data file's default path, the game
// executable and the reports are found from: the editor's own directory, or
// its parent when that directory is called "editor" in any capitalisation.
// Ends with the platform's separator.
QString baseDirectoryFor(const QString &programDirectory);

// Support files below the base directory.
// <base>editor/<name>, with the editor folder spelt as it is on disk ("Editor").
QString editorFile(const QString &baseDirectory, const QString &name);
QString defaultDataPath(const QString &baseDirectory);                 // <base>misc.bin
QString gameExecutablePath(const QString &baseDirectory);              // <base>vornwing.exe

// An installed editor: its program sits in <prefix>/bin beside
// <prefix>/share/vornwing-editor, which holds the default support files in
// its editor folder. Returns that editor folder, or an empty string for a
// copy run from anywhere else (a game folder, a build folder).
QString installedSupportFiles(const QString &programDirectory);

// Where an installed editor keeps the user's files: the per-user data folder
// of the system (~/.local/share/vornwing-editor on Linux).
QString userDataFolder();

struct Workspace {
    QString baseDirectory;        // as baseDirectoryFor returns it
    QString installedDefaults;    // the installed support files, when the user's folder is used
    QStringList copied;           // support files copied into the user's folder this time
    QString problem;              // why the user's folder could not be made up, empty when it could
};

// The base directory the editor works from. `explicitBase` (--base) wins;
// otherwise a copy of the editor works from its own folder by the base
// directory rule, and an installed one from `userFolder`: that folder and
// its editor folder are made when missing, and the default support files
// copied into it when they are missing there. The user's files are never
// overwritten.
Workspace chooseWorkspace(const QString &programDirectory, const QString &explicitBase, const QString &userFolder);

} // namespace vw::app
