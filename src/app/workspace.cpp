#include "workspace.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace vw::app
