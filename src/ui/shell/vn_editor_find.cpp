#include "vn_editor.h"

#include "ui/shell/find_dock_widget.h"
#include "core/planedata/plane_diff.h"
#include "core/weapons/weapons_block.h"

// Edit > "Find in planes..." and "Change found fields...": the fields whose
// values satisfy conditions, listed in a dock, and one assignment on them as
// one undo step.

namespace vw::app {

void VNEditor::FindInPlanes1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: the find looks through its planes."));
        return;
    }
    auto *dialog = new FindDialog(findConditions_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { showFindResults(dialog->conditions()); });
    dialog->open();
}

void VNEditor::showFindResults(const QStringList &texts)
{
    QList<Condition> conditions;
    try {
        for (const QString &t : texts)
            conditions << parseCondition(t);
    } catch (const ExpressionError &e) {
        prompter_->error(this, errorReport(e));
        return;
    }
    if (conditions.isEmpty())
        return;
    findConditions_ = texts;
    // One find at a time, docked under the pages.
    if (auto *old = findChild<FindDock *>(QStringLiteral("FindDock"))) {
        removeDockWidget(old);
        delete old;
    }
    auto *dock = new FindDock(
        *document_, conditions, [this](const fields::FieldPath &path, const fields::Match &m) { showFound(path, m); }, this);
    dock->setAttribute(Qt::WA_DeleteOnClose);
    connect(dock, &FindDock::changeRequested, this, &VNEditor::ChangeFoundFields1Click);
    addRevertButton(dock);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->show();
}

void VNEditor::ChangeFoundFields1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: the change works on its fields."));
        return;
    }
    const auto *dock = findChild<FindDock *>(QStringLiteral("FindDock"));
    auto *dialog = new ChangeFieldsDialog(*document_, dock ? dock->conditions() : QList<Condition>{}, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void VNEditor::showFound(const fields::FieldPath &path, const fields::Match &match)
{
    const FoundPlace place = foundPlace(path, match);
    FieldDifference d;
    d.plane = place.plane;
    d.config = place.config;
    d.page = place.page;
    d.row = place.row;
    showDifference(d);
    if (place.weapon > 0 && place.plane >= 1 && place.plane <= file().PlaneCount() && selection().CurrentPlane == place.plane
        && selection().CurrentConfig == place.config)
        document_->makeWeaponCurrent(place.weapon);
}

} // namespace vw::app
