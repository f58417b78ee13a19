#include "workspace.h"

#include "core/workspace/support_files.h"
#include "core/datafile/file_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vw::app {

QString baseDirectoryFor(const QString &programDirectory)
{
    QString base = QDir::toNativeSeparators(QDir::cleanPath(programDirectory));
    const QChar sep = QDir::separator();
    if (!base.endsWith(sep))
        base += sep;
    // Only a folder called "editor" counts, not one whose name merely ends so.
    const QString editorTail = sep + QStringLiteral("EDITOR") + sep;
    if (base.size() > editorTail.size() && base.right(editorTail.size()).toUpper() == editorTail)
        base.chop(editorTail.size() - 1);
    return base;
}

QString editorFile(const QString &baseDirectory, const QString &name)
{
    // The base directory is recognised from an "editor" folder in any
    // capitalisation, so the support files are looked for in the folder as it
    // is spelt there: "editor" itself when it exists, else the first other
    // spelling, else "editor" (the name to make).
    const QString lower = QStringLiteral("editor");
    QString folder = lower;
    if (!QFileInfo(baseDirectory + lower).isDir()) {
        // Name filters match regardless of case.
        const QStringList spellings =
            QDir(baseDirectory).entryList({lower}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (!spellings.isEmpty())
            folder = spellings.first();
    }
    return baseDirectory + folder + QDir::separator() + name;
}

QString defaultDataPath(const QString &baseDirectory)
{
    return baseDirectory + QStringLiteral("misc.bin");
}

QString gameExecutablePath(const QString &baseDirectory)
{
    return baseDirectory + QStringLiteral("vornwing.exe");
}

QString installedSupportFiles(const QString &programDirectory)
{
    const QDir program(QDir::cleanPath(programDirectory));
    if (program.dirName().compare(QStringLiteral("bin"), Qt::CaseInsensitive) != 0)
        return {};
    const QString files = QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/vornwing-editor/editor")));
    return QFileInfo(files).isDir() ? QDir::toNativeSeparators(files) : QString();
}

QString userDataFolder()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // A relative XDG_DATA_HOME is no valid setting and is ignored: the data
    // folder does not follow the current folder around.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isRelativePath(xdg) && !QStandardPaths::isTestModeEnabled())
        data = QDir::homePath() + QStringLiteral("/.local/share");
#endif
    // Named for the program rather than for the application's display name.
    return QDir::toNativeSeparators(QDir(data).filePath(QStringLiteral("vornwing-editor")));
}

Workspace chooseWorkspace(const QString &programDirectory, const QString &explicitBase, const QString &userFolder)
{
    Workspace workspace;
    if (!explicitBase.isEmpty()) {
        workspace.baseDirectory = baseDirectoryFor(explicitBase);
        return workspace;
    }
    workspace.installedDefaults = installedSupportFiles(programDirectory);
    if (workspace.installedDefaults.isEmpty()) {
        workspace.baseDirectory = baseDirectoryFor(programDirectory);
        return workspace;
    }
    workspace.baseDirectory = baseDirectoryFor(userFolder);
    const QString editorFolder = QFileInfo(editorFile(workspace.baseDirectory, QString())).absolutePath();
    if (!QDir().mkpath(editorFolder)) {
        workspace.problem = QCoreApplication::translate("vw::app", "the folder %1 could not be made")
                                .arg(QDir::toNativeSeparators(editorFolder));
        return workspace;
    }
    const QDir defaults(workspace.installedDefaults);
    for (const QString &name : defaults.entryList(QDir::Files, QDir::Name)) {
        const QString target = editorFile(workspace.baseDirectory, name);
        // Anything already there is the user's, a folder or a link included.
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        // Read and written by the file rules: the copies are new files, the
        // user's to change whatever the installed files allow.
        try {
            datafile::writeFileAtomically(target, readSupportFile(defaults.filePath(name)));
        } catch (const datafile::FileError &e) {
            workspace.problem = QCoreApplication::translate("vw::app", "%1 could not be copied to %2: %3")
                                    .arg(name, QDir::toNativeSeparators(editorFolder), e.reason());
            continue;
        }
        workspace.copied << name;
    }
    return workspace;
}

} // namespace vw::app
