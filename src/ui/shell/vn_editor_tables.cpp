#include "vn_editor.h"

#include "ui/shell/merge_dialog.h"
#include "ui/shell/table_dialogs.h"

// File > "Export table...", "Import table..." and "Merge changes from...":
// the dialogs over the open file.

namespace vw::app {

void VNEditor::ExportTable1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: the table holds its fields."));
        return;
    }
    auto *dialog = new ExportTableDialog(*document_, baseDirectory_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A start that shows what a table is: one row per plane.
    dialog->setColumns({QStringLiteral("planes[*].header.name"), QStringLiteral("planes[*].header.plane_type")});
    dialog->open();
}

void VNEditor::ImportTable1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: the table is read onto its fields."));
        return;
    }
    const QString chosen = prompter_->openFileName(this, tr("Import table"), baseDirectory_, QString(),
                                                   tr("Tables (*.csv *.tsv *.txt);;All files (*)"));
    if (chosen.isEmpty())
        return;
    auto *dialog = new ImportTableDialog(*document_, baseDirectory_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->load(chosen);
    dialog->open();
}

void VNEditor::MergeChanges1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: the changes are merged into it."));
        return;
    }
    auto *dialog = new MergeDialog(*document_, baseDirectory_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace vw::app
