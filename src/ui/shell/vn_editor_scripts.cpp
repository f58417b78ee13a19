#include "vn_editor.h"

#include "ui/shell/script_window.h"
#include "core/workspace/workspace.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSet>

// Tools > "Run script..." and the scripts of the editor's scripts folder.

namespace vw::app {

QStringList VNEditor::scriptFiles() const
{
    QStringList folders{editorFile(baseDirectory_, QStringLiteral("scripts"))};
    // An installed editor also offers the scripts it came with, unless the
    // user's folder has one of the same name.
    if (!installedDefaults_.isEmpty())
        folders << QDir(installedDefaults_).filePath(QStringLiteral("scripts"));
    QStringList files;
    QSet<QString> names;
    for (const QString &folder : std::as_const(folders)) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.js")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase)) {
            if (names.contains(name))
                continue;
            names.insert(name);
            files << dir.filePath(name);
        }
    }
    return files;
}

void VNEditor::fillToolsMenu()
{
    // Listed afresh each time the menu opens: a script put in the folder shows at once.
    toolsMenu_->clear();
    QAction *run = toolsMenu_->addAction(tr("&Run script..."), this, &VNEditor::RunScript1Click);
    run->setObjectName(QStringLiteral("RunScript1"));
    run->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+R")));
    const QStringList files = scriptFiles();
    if (files.isEmpty())
        return;
    toolsMenu_->addSeparator();
    for (const QString &path : files) {
        QString text = QFileInfo(path).fileName();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *script = toolsMenu_->addAction(text, this, [this, path] { openScript(path); });
        script->setObjectName(QStringLiteral("ScriptFile"));
        script->setToolTip(QDir::toNativeSeparators(path));
        script->setData(path);
    }
}

ScriptWindow *VNEditor::scriptWindow()
{
    if (!scriptWindow_)
        scriptWindow_ = new ScriptWindow(*document_, *prompter_, editorFile(baseDirectory_, QStringLiteral("scripts")),
                                         editorFile(baseDirectory_, QStringLiteral("last-script.js")), this);
    return scriptWindow_;
}

void VNEditor::RunScript1Click()
{
    ScriptWindow *window = scriptWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void VNEditor::openScript(const QString &path)
{
    // Loaded, not run: a script that changes fields is read before it runs.
    if (scriptWindow()->loadScript(path))
        RunScript1Click();
}

} // namespace vw::app
