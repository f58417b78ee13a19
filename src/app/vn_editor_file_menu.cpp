#include "vn_editor.h"

#include "app/launcher.h"
#include "app/misc_page.h"
#include "app/workspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>
#include <QUndoStack>

// The file menu, the update menu, the launcher and closing: everything that
// loads, saves or ends the editor's work on a file.

namespace vw::app {

using datafile::DataFile;

namespace {
QString saveQuestion()
{
    return VNEditor::tr("Сохранить изменения ?");
}
QString saveCaption()
{
    return VNEditor::tr("Выход");
}
} // namespace

void VNEditor::loadFile(const QString &path, bool decipher)
{
    document_->replaceFile(DataFile::ReadCfg(path, decipher), path);
    setWindowModified(false);
    rememberRecentFile(path);
    updateTitle();
    miscPage_->showFileSummary();
    updateSaveItems();
    UpdateList1();
    reportLoad();
}

void VNEditor::reportLoad()
{
    const datafile::LoadReport &report = file().loadReport();
    const int planes = file().PlaneCount();
    // A plane count byte of 0 means no planes, not "-1 planes".
    const QString planeText = planes <= 0 ? tr("no planes")
                              : planes == 1 ? tr("1 plane")
                                            : tr("%1 planes").arg(planes);
    QString text = tr("%1: %2, %3 bytes.")
                       .arg(QFileInfo(document_->currentPath()).fileName(), planeText)
                       .arg(file().FileSize());
    const auto list = [](const QList<int> &planes) {
        QStringList numbers;
        for (int p : planes)
            numbers << QString::number(p);
        return numbers.join(QStringLiteral(", "));
    };
    if (!report.missingRecords.isEmpty())
        text += tr(" No plane record (its offset points outside the file or into the directory): planes %1.").arg(list(report.missingRecords));
    if (!report.missingDamageMaps.isEmpty())
        text += tr(" No damage map (its offset points outside the file or into the directory): planes %1.").arg(list(report.missingDamageMaps));
    statusBar()->showMessage(text);
}

bool VNEditor::saveFile(const QString &path)
{
    if (!document_->isLoaded()) {
        statusBar()->showMessage(tr("No plane data file is loaded, so there is nothing to save."));
        return false;
    }
    try {
        file().SaveCfg(path, true, &backups_);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The file was not saved; the file on disk and the data in the editor "
                                  "are as they were.\n\n")
                                   + EditorDocument::describe(e));
        return false;
    }
    document_->setCurrentPath(path);
    undoStack()->setClean();
    rememberRecentFile(path);
    updateTitle();
    miscPage_->showFileSummary();
    prompter_->information(this, path + tr(" saved"));
    return true;
}

bool VNEditor::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    const bool canSave = save1_->isVisible() || writetoBINfile1_->isVisible();
    const QString target = document_->currentPath().isEmpty() ? miscPage_->dataPath() : document_->currentPath();
    const QString text = canSave ? tr("The plane data has unsaved changes.\n\nSave them to %1?")
                                       .arg(QDir::toNativeSeparators(target))
                                 : tr("The plane data has unsaved changes, which will be lost: saving is off.\n\n"
                                      "To turn saving on, write writeokay as line 6 of %1 and start "
                                      "the editor again.")
                                       .arg(QDir::toNativeSeparators(editorFile(baseDirectory_, QStringLiteral("editor.ini"))));
    switch (prompter_->unsavedChanges(this, text, canSave)) {
    case Prompter::Unsaved::Save:
        return saveFile(target);
    case Prompter::Unsaved::Discard:
        return true;
    case Prompter::Unsaved::Cancel:
        break;
    }
    return false;
}

void VNEditor::Loadconfig1Click()
{
    const QString chosen = prompter_->openFileName(this, configDialogTitle(), baseDirectory_, configPath_, configDialogFilter());
    if (!chosen.isEmpty() && openConfiguration(chosen))
        return;
    Update1();
}

bool VNEditor::openConfiguration(const QString &path)
{
    if (!settleUnsavedChanges())
        return false;
    try {
        loadFile(path, true);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The file could not be loaded; the editor keeps the data it had.\n\n")
                                   + EditorDocument::describe(e));
        return false;
    }
    configPath_ = path;
    saveChosen_ = true;
    updateSaveItems();
    Update1();
    prompter_->information(this, configPath_ + tr(" loaded"));
    return true;
}

void VNEditor::Saveas1Click()
{
    const QString chosen = prompter_->saveFileName(this, configDialogTitle(), baseDirectory_, configPath_, configDialogFilter());
    if (chosen.isEmpty())
        return;
    if (saveFile(chosen)) {
        configPath_ = chosen;
        saveChosen_ = true;
        updateSaveItems();
    }
}

void VNEditor::Save1Click()
{
    if (!save1_->isVisible() || !save1_->isEnabled() || configPath_.isEmpty())
        return;
    if (prompter_->question(this, saveCaption(), saveQuestion()))
        saveFile(configPath_);
    else
        reportNotSaved(configPath_);
}

void VNEditor::WritetoBINfile1Click()
{
    if (!writetoBINfile1_->isVisible() || !writetoBINfile1_->isEnabled())
        return;
    if (prompter_->question(this, saveCaption(), saveQuestion()))
        saveFile(miscPage_->dataPath());
    else
        reportNotSaved(miscPage_->dataPath());
}

void VNEditor::reportNotSaved(const QString &path)
{
    // No to the save question: the file stays as it is on disk, and the window says so.
    statusBar()->showMessage(hasUnsavedChanges()
                                 ? tr("Not saved: %1 is as it was; your changes are still only in the editor.")
                                       .arg(QDir::toNativeSeparators(path))
                                 : tr("Not saved: %1 is as it was.").arg(QDir::toNativeSeparators(path)));
}

void VNEditor::Exract1Click()
{
    if (!settleUnsavedChanges())
        return;
    const QString path = miscPage_->dataPath();
    try {
        loadFile(path, true);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The file could not be reloaded; the editor keeps the data it had.\n\n")
                                   + EditorDocument::describe(e));
        return;
    }
    Update1();
    prompter_->information(this, path + tr(" reloaded !"));
}

void VNEditor::Exit1Click()
{
    close();
}

void VNEditor::Exit2Click()
{
    close();
}

void VNEditor::RunVornwing1Click()
{
    const QString launcher = miscPage_->launcherPath();
    if (!launcher.isEmpty()) {
        const LaunchPlan plan = planLaunch(launcher, launch3DVornwing1_->isChecked());
        if (!plan.workingDirectory.isEmpty() && !QFileInfo(plan.workingDirectory).isDir()) {
            prompter_->error(this, tr("The game was not started: the launcher's folder %1 does not exist.")
                                       .arg(plan.workingDirectory));
            return;
        }
        // The game reads the data file from disk: unsaved changes are saved or given up first.
        if (!settleUnsavedChanges())
            return;
        if (!QProcess::startDetached(plan.program, plan.arguments, plan.workingDirectory))
            statusBar()->showMessage(tr("Could not start %1").arg(plan.commandLine()));
        else
            statusBar()->showMessage(tr("Started %1").arg(plan.commandLine()));
    }
    if (closeeditoronVNlaunch1_->isChecked()) {
        // The question was answered before the launch; closing does not ask it again.
        if (!launcher.isEmpty())
            undoStack()->setClean();
        close();
    }
}

void VNEditor::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    FormClose();
    storeWindow();
    event->accept();
}

void VNEditor::FormClose()
{
    settings_.closeOnLaunch = closeeditoronVNlaunch1_->isChecked();
    settings_.launchOffline = launch3DVornwing1_->isChecked();
    settings_.writeOkay = save1_->isVisible();
    miscPage_->storeSettings(settings_);
    try {
        writeSettings(editorFile(baseDirectory_, QStringLiteral("editor.ini")), settings_);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The settings were not saved.\n\n") + EditorDocument::describe(e));
    }
}

} // namespace vw::app
