#pragma once

#include <QString>

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

} // namespace vw::app
