#include "vn_editor.h"

#include "ui/shell/compare_dock_widget.h"
#include "ui/common/reference_file.h"
#include "ui/common/number_grid_view.h"
#include "core/planedata/plane_json.h"
#include "core/flightmodel/plane_record.h"
#include "ui/weapons/config_list_view.h"
#include "core/weapons/weapons_block.h"

#include <QTabWidget>

// "Compare with...": the open file against another, and a way from each
// difference to the page that shows the field.

namespace vw::app {

int VNEditor::primaryGridRow(const FieldDifference &difference) const
{
    // difference.row is the row's place in the table: 1..167 above the four
    // trailing rows 168..171. The grid shows the table's rows above its last
    // four rows, which show the trailing rows; FM.dat's line count decides where they sit.
    using flightmodel::PlaneRecord;
    if (difference.row <= 0)
        return 0;
    const int labels = int(document_->labels().FmLabels.size());
    const bool trailing = difference.row > PlaneRecord::PrimaryDoubles;
    const int row = trailing ? labels - PlaneRecord::TrailingRows + (difference.row - PlaneRecord::PrimaryDoubles) : difference.row;
    const auto offset = PlaneRecord::primaryRowOffset(row, labels);
    const auto expected = trailing ? PlaneRecord::trailingRowOffset(difference.row - PlaneRecord::PrimaryDoubles - 1)
                                   : PlaneRecord::primaryOffset(difference.row);
    return offset && *offset == expected ? row : 0;
}

QString VNEditor::differenceText(const FieldDifference &difference) const
{
    // A row of the flight model grid is named as the grid names it: by its FM.dat line.
    const int row = primaryGridRow(difference);
    const QString label = row > 0 ? document_->labels().FmLabels.at(row - 1).trimmed() : QString();
    if (label.isEmpty())
        return differenceLine(difference);
    FieldDifference named = difference;
    named.where = difference.where.left(difference.where.size() - difference.label.size()) + label;
    named.label = label;
    return differenceLine(named);
}

void VNEditor::CompareWith1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: it is compared with the one you choose."));
        return;
    }
    // The reference file is offered first.
    const QString chosen = prompter_->openFileName(this, tr("Compare with"), baseDirectory_, reference_->path(),
                                                   configDialogFilter());
    if (chosen.isEmpty())
        return;
    QList<FieldDifference> differences;
    try {
        if (reference_->isLoaded() && chosen == reference_->path()) {
            differences = diffFiles(file(), reference_->file());
        } else {
            const datafile::DataFile other = datafile::DataFile::ReadCfg(chosen, true);
            differences = diffFiles(file(), other);
        }
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The files could not be compared.\n\n") + EditorDocument::describe(e));
        return;
    }
    QStringList lines;
    lines.reserve(differences.size());
    for (const FieldDifference &d : differences)
        lines << differenceText(d);
    // One comparison at a time, docked under the pages.
    if (auto *old = findChild<CompareDock *>(QStringLiteral("CompareDock"))) {
        removeDockWidget(old);
        delete old;
    }
    auto *dock = new CompareDock(chosen, differences, lines, [this](const FieldDifference &d) { showDifference(d); }, this);
    dock->setAttribute(Qt::WA_DeleteOnClose);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->show();
}

void VNEditor::showDifference(const FieldDifference &difference)
{
    if (difference.plane >= 1 && difference.plane <= file().PlaneCount()) {
        const weapons::WeaponsBlockView block(file(), difference.plane);
        const bool config = block.exists() && difference.config >= 1 && difference.config <= block.configCount();
        document_->makeCurrent({difference.plane, config ? difference.config : 1, 1});
    }
    document_->pages().show(difference.page);
    // A row of the flight model grid: the grid shows it current.
    if (const int row = primaryGridRow(difference)) {
        if (auto *grid = findChild<NumberGridView *>(QStringLiteral("StringGrid1"))) {
            const QModelIndex cell = grid->model()->index(row, 1);
            grid->setCurrentIndex(cell);
            grid->scrollTo(cell);
        }
    }
}

} // namespace vw::app
