#include "vn_editor.h"

#include "app/plane_import.h"
#include "app/plane_json.h"
#include "datafile/file_access.h"

namespace vw::app {

namespace {
const QString JsonFilter = QStringLiteral("JSON | *.json");
QString limitText()
{
    return VNEditor::tr("a patch is at most 256 MB");
}

// The document of the planes given (all when empty), written in one step.
void exportTo(VNEditor &editor, const QList<int> &planes, const QString &title, const QString &preset)
{
    EditorDocument &document = editor.document();
    if (!document.isLoaded())
        return;
    document.guarded([&] {
        const QByteArray text = exportText(exportPlanes(document.file(), planes));
        const QString chosen = document.prompter().saveFileName(&editor, title, editor.baseDirectory(), preset, JsonFilter);
        if (chosen.isEmpty())
            return;
        datafile::writeFileAtomically(chosen, text);
        document.showStatus(VNEditor::tr("Exported to %1").arg(chosen));
    });
}
} // namespace

void VNEditor::ExportJson1Click()
{
    const int plane = selection().CurrentPlane;
    exportTo(*this, {plane}, tr("Export plane as JSON"), QStringLiteral("plane%1.json").arg(plane, 3, 10, QLatin1Char('0')));
}

void VNEditor::ExportAllJson1Click()
{
    exportTo(*this, {}, tr("Export all planes as JSON"), QStringLiteral("planes.json"));
}

// The whole patch is one undo step; a refused patch changes nothing and
// shows one error box naming the field.
void VNEditor::ImportJson1Click()
{
    if (!document_->isLoaded())
        return;
    const QString chosen = prompter_->openFileName(this, tr("Import JSON"), baseDirectory_, QString(), JsonFilter);
    if (chosen.isEmpty())
        return;
    Patch patch;
    if (!document_->guarded([&] { patch = parsePatch(datafile::readRegularFile(chosen, PatchFileLimit, limitText())); }))
        return;
    if (document_->edit(tr("Import JSON"), MergeKey::none(), [&] { importPatch(document_->file(), patch); })) {
        UpdateList1();
        Update1();
    }
}

} // namespace vw::app
