#include "vn_editor.h"

#include "core/planedata/file_check.h"
#include "core/workspace/launcher.h"
#include "ui/misc/misc_page.h"
#include "core/workspace/workspace.h"
#include "core/datafile/file_access.h"

#include <QAction>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QFileSystemWatcher>
#include <QLocale>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

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
// "The structural check found 3 faults."
QString faultCount(qsizetype faults)
{
    return faults == 1 ? VNEditor::tr("The structural check found 1 fault.")
                       : VNEditor::tr("The structural check found %1 faults.").arg(faults);
}
} // namespace

void VNEditor::loadFile(const QString &path, bool decipher)
{
    QByteArray bytes;
    const DiskVersion version = readDiskVersion(path, &bytes);
    document_->replaceFile(DataFile::fromBytes(bytes, decipher), path);
    // Any file loads as the product documents; what "vornwing-cli check" would
    // find in it is said at once, so that a file that is no plane data is seen.
    loadFaults_ = checkFile(file());
    loadedBytes_ = bytes;
    rememberDiskVersion(path, version, decipher);
    setWindowModified(false);
    rememberRecentFile(path);
    updateTitle();
    miscPage_->showFileSummary();
    updateSaveItems();
    UpdateList1();
    reportLoad();
    loadRememberedReference();
    if (!starting_)
        offerRecovery();
}

void VNEditor::rememberDiskVersion(const QString &path, const DiskVersion &version, bool decipher)
{
    if (!diskPath_.isEmpty())
        watcher_->removePath(diskPath_);
    diskPath_ = path;
    diskVersion_ = version;
    diskDeciphered_ = decipher;
    declined_ = {};
    watcher_->addPath(path);
    // A new recording begins from the file as it is on disk now.
    journal_->start(path, decipher, version, document_->history());
}

void VNEditor::checkDiskChange()
{
    if (diskPath_.isEmpty() || askingAboutDisk_)
        return;
    // A file replaced by a rename is watched no longer: the new one is.
    if (!watcher_->files().contains(diskPath_) && QFileInfo::exists(diskPath_))
        watcher_->addPath(diskPath_);
    if (looksUnchanged(diskPath_, diskVersion_))
        return;
    DiskVersion now;
    try {
        now = readDiskVersion(diskPath_);
    } catch (const std::exception &) {
        return; // gone, or not readable now: a save will say so
    }
    if (now.sameBytes(diskVersion_)) {
        diskVersion_.modified = now.modified; // touched, not changed
        return;
    }
    if (now.sameBytes(declined_))
        return;
    const bool unsaved = hasUnsavedChanges();
    const QString text = (unsaved ? tr("%1 was changed on disk by another program.\n\nLoad it again? "
                                       "The unsaved changes in the editor would be lost.")
                                  : tr("%1 was changed on disk by another program.\n\nLoad it again? "
                                       "The editor has no unsaved changes."))
                             .arg(QDir::toNativeSeparators(diskPath_));
    askingAboutDisk_ = true;
    const bool reload = prompter_->reloadChanged(this, text, unsaved);
    askingAboutDisk_ = false;
    if (!reload) {
        declined_ = now;
        return;
    }
    const QString path = diskPath_;
    try {
        loadFile(path, diskDeciphered_);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The file could not be reloaded; the editor keeps the data it had.\n\n")
                                   + EditorDocument::describe(e));
        return;
    }
    Update1();
}

bool VNEditor::settleOutsideChange(QString &path)
{
    if (diskPath_.isEmpty() || datafile::BackupRegistry::key(path) != datafile::BackupRegistry::key(diskPath_))
        return true;
    QByteArray onDisk;
    DiskVersion now;
    try {
        now = readDiskVersion(path, &onDisk);
    } catch (const std::exception &) {
        return true; // gone or unreadable: nothing of another program's is lost; the save says the rest
    }
    if (now.sameBytes(diskVersion_))
        return true;
    const QString text = tr("%1 was changed on disk by another program since the editor loaded or saved it.\n\n"
                            "Overwrite it (its present version is kept as %2), save under another name, "
                            "or cancel?")
                             .arg(QDir::toNativeSeparators(path), QFileInfo(path).fileName() + QStringLiteral(".bak"));
    askingAboutDisk_ = true;
    const Prompter::OutsideChange answer = prompter_->outsideChange(this, text);
    askingAboutDisk_ = false;
    switch (answer) {
    case Prompter::OutsideChange::Cancel:
        statusBar()->showMessage(tr("Not saved: %1 was changed by another program.").arg(QDir::toNativeSeparators(path)));
        return false;
    case Prompter::OutsideChange::SaveAs: {
        const QString chosen =
            prompter_->saveFileName(this, configDialogTitle(), baseDirectory_, configPath_, configDialogFilter());
        if (chosen.isEmpty())
            return false;
        path = chosen;
        return settleOutsideChange(path);
    }
    case Prompter::OutsideChange::Overwrite:
        break;
    }
    // The other program's version is kept before anything is overwritten.
    const QString backup = path + QStringLiteral(".bak");
    try {
        datafile::writeFileAtomically(backup, onDisk, path);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The file was not saved: its present version could not be kept as %1.\n\n")
                                       .arg(QFileInfo(backup).fileName())
                                   + EditorDocument::describe(e));
        return false;
    }
    backups_.insert(path);
    return true;
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
    const auto list = [](const QList<int> &numbered) {
        QStringList numbers;
        for (int p : numbered)
            numbers << QString::number(p);
        return numbers.join(QStringLiteral(", "));
    };
    if (!report.missingRecords.isEmpty())
        text += tr(" No plane record (its offset points outside the file or into the directory): planes %1.").arg(list(report.missingRecords));
    if (!report.missingDamageMaps.isEmpty())
        text += tr(" No damage map (its offset points outside the file or into the directory): planes %1.").arg(list(report.missingDamageMaps));
    if (!loadFaults_.isEmpty())
        text += QLatin1Char(' ') + faultCount(loadFaults_.size()) + QLatin1Char(' ') + tr("File > Check file lists them.");
    statusBar()->showMessage(text);
}

void VNEditor::showLoadFaults()
{
    if (loadFaults_.isEmpty())
        return;
    constexpr int Shown = 5;
    QString text = tr("%1 was loaded as it is, but it does not look like sound plane data. %2")
                       .arg(QDir::toNativeSeparators(document_->currentPath()), faultCount(loadFaults_.size()))
                   + QStringLiteral("\n\n- ") + loadFaults_.mid(0, Shown).join(QStringLiteral("\n- "));
    if (loadFaults_.size() > Shown)
        text += QStringLiteral("\n- ...");
    text += QStringLiteral("\n\n") + tr("File > Check file lists all of them.");
    prompter_->warning(this, text);
}

void VNEditor::CheckFile1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("No plane data file is loaded, so there is nothing to check. "
                                        "Load one with File > Load configuration (Ctrl+O)."));
        return;
    }
    const QStringList faults = checkFile(file());
    const QString name = QFileInfo(document_->currentPath()).fileName();
    if (faults.isEmpty()) {
        statusBar()->showMessage(tr("Check file: %1 has no structural faults.").arg(name));
        prompter_->information(this, tr("%1 has no structural faults.").arg(name));
        return;
    }
    statusBar()->showMessage(tr("Check file: %1.").arg(name) + QLatin1Char(' ') + faultCount(faults.size()));
    auto *dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("CheckFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Check file %1").arg(name));
    auto *layout = new QVBoxLayout(dialog);
    auto *count = new QLabel(faultCount(faults.size()), dialog);
    count->setObjectName(QStringLiteral("CheckFileCount"));
    layout->addWidget(count);
    auto *list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("CheckFileList"));
    list->setUniformItemSizes(true);
    list->addItems(faults);
    layout->addWidget(list, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog->resize(720, 360);
    dialog->show();
}

bool VNEditor::saveFile(const QString &requested)
{
    if (!document_->isLoaded()) {
        statusBar()->showMessage(tr("No plane data file is loaded, so there is nothing to save."));
        return false;
    }
    QString path = requested;
    if (!settleOutsideChange(path))
        return false;
    DiskVersion saved;
    try {
        const QByteArray bytes = file().toBytes(true);
        file().SaveCfg(path, true, &backups_);
        saved = diskVersionOf(path, bytes);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The file was not saved; the file on disk and the data in the editor "
                                  "are as they were.\n\n")
                                   + EditorDocument::describe(e));
        return false;
    }
    document_->setCurrentPath(path);
    undoStack()->setClean();
    // The saved file is what the next save compares with; its recording starts afresh.
    rememberDiskVersion(path, saved, true);
    rememberRecentFile(path);
    // A file saved under a new name keeps the reference it was compared with.
    rememberReference();
    updateTitle();
    miscPage_->showFileSummary();
    // Saved under another name than asked for: that file is the one the title names now.
    if (path != requested) {
        configPath_ = path;
        saveChosen_ = true;
        updateSaveItems();
    }
    prompter_->information(this, path + tr(" saved"));
    return true;
}

void VNEditor::offerRecovery()
{
    const QByteArray base = std::exchange(loadedBytes_, QByteArray());
    if (diskPath_.isEmpty() || base.isNull() || undoStack()->count() != 0)
        return;
    const QString shown = QDir::toNativeSeparators(diskPath_);
    for (const QString &found : RecoveryJournal::leftBehind(journal_->folder(), diskPath_)) {
        const QString when = QLocale().toString(QFileInfo(found).lastModified(), QLocale::ShortFormat);
        RecoveryJournal::Contents contents;
        JournalCommand restored;
        try {
            contents = RecoveryJournal::read(found);
            if (datafile::BackupRegistry::key(contents.path) != datafile::BackupRegistry::key(diskPath_))
                continue;
            if (contents.decipher != diskDeciphered_ || contents.size != diskVersion_.size
                || contents.hash != diskVersion_.hash) {
                prompter_->warning(this, tr("The unsaved changes to %1 that the editor kept at %2 cannot be restored: "
                                            "the file on disk is no longer the one they were made to. "
                                            "The recovery file was removed.")
                                             .arg(shown, when));
                RecoveryJournal::remove(found);
                continue;
            }
            DataFile scratch = DataFile::fromBytes(base, diskDeciphered_);
            restored = RecoveryJournal::rebuild(contents, scratch);
        } catch (const std::exception &e) {
            prompter_->warning(this, tr("The unsaved changes to %1 that the editor kept at %2 cannot be restored: "
                                        "%3. The recovery file was removed.")
                                         .arg(shown, when, EditorDocument::describe(e)));
            RecoveryJournal::remove(found);
            continue;
        }
        if (restored.empty()) { // every change was undone before the editor stopped
            RecoveryJournal::remove(found);
            continue;
        }
        if (!prompter_->restoreUnsaved(this, tr("The editor stopped at %2 with unsaved changes to %1.\n\n"
                                                "Restore them? They come back as one step, which Edit > Undo "
                                                "takes back. Discarded, they are gone.")
                                                 .arg(shown, when))) {
            RecoveryJournal::remove(found);
            continue;
        }
        document_->pushRestored(restored, tr("Restore unsaved changes"));
        // Kept by this editor's own recovery file now.
        RecoveryJournal::remove(found);
        UpdateList1();
        Update1();
        statusBar()->showMessage(tr("The unsaved changes to %1 were restored; they are not saved yet.").arg(shown));
        return;
    }
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
    showLoadFaults();
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
    showLoadFaults();
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
    // Without a launcher nothing starts; the editor still closes when it is
    // asked to close on launch.
    if (launcher.isEmpty() && closeeditoronVNlaunch1_->isChecked()) {
        close();
        return;
    }
    // Where the user sets the launcher, in the words of the Misc page.
    QString field = QCoreApplication::translate("vw::app::MiscPage", "Override defalut laucher (path to exe):");
    if (field.endsWith(QLatin1Char(':')))
        field.chop(1);
    const QString where = tr("Set the launcher on the Misc page, in \"%1\".").arg(field);
    const auto refuse = [&](const QString &why) { prompter_->error(this, why + QStringLiteral("\n\n") + where); };
    if (launcher.isEmpty()) {
        refuse(tr("The game was not started: no game launcher is set."));
        return;
    }
    const LaunchPlan plan = planLaunch(launcher, launch3DVornwing1_->isChecked());
    if (!plan.workingDirectory.isEmpty() && !QFileInfo(plan.workingDirectory).isDir()) {
        refuse(tr("The game was not started: the launcher's folder %1 does not exist.").arg(plan.workingDirectory));
        return;
    }
    const QFileInfo program(plan.workingDirectory.isEmpty() ? QDir(baseDirectory_).filePath(launcher) : launcher);
    if (!program.exists()) {
        refuse(tr("The game was not started: the launcher %1 does not exist.").arg(launcher));
        return;
    }
    if (program.isDir()) {
        refuse(tr("The game was not started: the launcher %1 is a folder, not a program.").arg(launcher));
        return;
    }
    if (!program.isExecutable()) {
        refuse(tr("The game was not started: the launcher %1 is not an executable program "
                  "(it lacks the permission to run).")
                   .arg(launcher));
        return;
    }
    // The game reads the data file from disk: unsaved changes are saved or given up first.
    if (!settleUnsavedChanges())
        return;
    if (!QProcess::startDetached(plan.program, plan.arguments, plan.workingDirectory)) {
        refuse(tr("The game was not started: %1 could not be run.").arg(plan.commandLine()));
        return;
    }
    statusBar()->showMessage(tr("Started %1").arg(plan.commandLine()));
    if (closeeditoronVNlaunch1_->isChecked()) {
        // The question was answered before the launch; closing does not ask it again.
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
    // Closed on purpose: the unsaved changes were saved or given up.
    journal_->stop();
    event->accept();
}

void VNEditor::FormClose()
{
    settings_.closeOnLaunch = closeeditoronVNlaunch1_->isChecked();
    settings_.launchOffline = launch3DVornwing1_->isChecked();
    settings_.writeOkay = save1_->isVisible();
    miscPage_->storeSettings(settings_);
    if (!settingsUnreadable_.isEmpty()) {
        prompter_->error(this, tr("The settings were not saved: %1 could not be read at start (%2), so it is kept as "
                                  "it is rather than replaced by the defaults.")
                                   .arg(QDir::toNativeSeparators(editorFile(baseDirectory_, QStringLiteral("editor.ini"))),
                                        settingsUnreadable_));
        return;
    }
    try {
        writeSettings(editorFile(baseDirectory_, QStringLiteral("editor.ini")), settings_);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The settings were not saved.\n\n") + EditorDocument::describe(e));
    }
}

} // namespace vw::app
