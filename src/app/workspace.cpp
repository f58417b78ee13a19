#include "workspace.h"

#include <QDir>

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
    return baseDirectory + QStringLiteral("editor") + QDir::separator() + name;
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
