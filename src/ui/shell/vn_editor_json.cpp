#include "vn_editor.h"

#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"
#include "core/planedata/plane_json.h"
#include "core/datafile/file_access.h"

#include <QFileInfo>
#include <QStatusBar>

#include <algorithm>

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
        // The editor has FM.dat: each primary row goes out with its label.
        const QByteArray text = exportFileText(document.file(), planes, document.labels().FmLabels);
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
    if (!chosen.isEmpty())
        importPatchFile(chosen);
}

bool VNEditor::importPatchFile(const QString &path)
{
    if (!document_->isLoaded())
        return false;
    Patch patch;
    if (!document_->guarded([&] { patch = parsePatch(datafile::readRegularFile(path, PatchFileLimit, limitText())); }))
        return false;
    // What the import changed: the file before it, compared with the file after.
    datafile::DataFile before;
    const std::uint64_t revision = document_->file().revision();
    if (!document_->edit(tr("Import JSON"), MergeKey::none(), [&] {
            importPatch(document_->file(), patch, [&](const QList<int> &) {
                before = document_->file().copy();
            });
        }))
        return false;
    UpdateList1();
    Update1();
    const QString name = QFileInfo(path).fileName();
    if (document_->file().revision() == revision) {
        statusBar()->showMessage(tr("Imported %1: the file already holds every value it names; nothing changed.").arg(name));
        return true;
    }
    QList<FieldDifference> changed;
    try {
        changed = diffFiles(before, document_->file());
    } catch (const std::exception &) {
        // A patch that changed the number of planes: the planes it named may be gone.
    }
    if (changed.isEmpty()) {
        statusBar()->showMessage(tr("Imported %1. Edit > Undo takes the import back.").arg(name));
        return true;
    }
    QList<int> planes;
    bool shared = false;
    for (const FieldDifference &d : changed) {
        if (d.plane <= 0)
            shared = true;
        else if (!planes.contains(d.plane))
            planes.append(d.plane);
    }
    std::sort(planes.begin(), planes.end());
    QStringList where;
    if (planes.size() == 1)
        where << tr("on plane %1").arg(planes.first());
    else if (planes.size() > 1 && planes.size() <= 8) {
        QStringList numbers;
        for (int p : planes)
            numbers << QString::number(p);
        where << tr("on planes %1").arg(numbers.join(QStringLiteral(", ")));
    } else if (planes.size() > 8)
        where << tr("on %1 planes").arg(planes.size());
    if (shared)
        where << tr("in the shared tables");
    const QString fields = changed.size() == 1 ? tr("1 field") : tr("%1 fields").arg(changed.size());
    statusBar()->showMessage(tr("Imported %1: %2 changed %3. Edit > Undo takes the import back.")
                                 .arg(name, fields, where.join(tr(" and "))));
    return true;
}

} // namespace vw::app
