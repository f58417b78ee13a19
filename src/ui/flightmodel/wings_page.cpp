#include "wings_page.h"

#include "ui/common/editor_document.h"
#include "core/datafile/number_text.h"
#include "core/flightmodel/flight_figures.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "core/flightmodel/plane_record.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

namespace vw::flightmodel {

using app::GridCell;
using app::NumberGridModel;
using app::NumberGridView;

WingsPage::WingsPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    model_ = new NumberGridModel(
        document, QStringLiteral("StringGrid5"),
        [this](int col, int row) {
            if (col == 0 && row == 0)
                return GridCell::heading(tr("alt/num"));
            if (row == 0)
                return GridCell::heading(QString::number(col - 1));
            if (col == 0)
                return GridCell::heading(QString::number(PlaneRecord::WepPowerStepMetres * row));
            return GridCell::number(WingsTable(document_.file()).offset(col - 1, row - 1));
        },
        this);
    model_->setShape(WingsTable::Entries + 1, WingsTable::Steps + 1);
    model_->setFieldNames(tr("Wings"), [](int col, int row) {
        return tr("Wing %1 at %2 m").arg(col - 1).arg(PlaneRecord::WepPowerStepMetres * row);
    });
    stringGrid5_ = new NumberGridView(QStringLiteral("StringGrid5"), model_, this);
    stringGrid5_->horizontalHeader()->setDefaultSectionSize(64);
    stringGrid5_->freezeHeadings(true, true);
    stringGrid5_->verticalHeader()->setFixedWidth(60);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(stringGrid5_);
}

void WingsPage::showPlane()
{
    const bool exists = WingsTable(document_.file()).exists();
    model_->setActive(exists);
    model_->reload();
    stringGrid5_->setEnabled(exists);
    // The current column follows the plane's wing number, as primary row 12 shows it.
    PlaneRecord record(document_.file(), document_.selection().CurrentPlane);
    if (!exists || !record.exists())
        return;
    const QString shown = datafile::formatNumber(record.primary(PlaneRecord::WingNumberRow));
    if (const std::optional<int> col = wingsColumnFor(shown)) {
        stringGrid5_->setCurrentCell(*col, std::max(stringGrid5_->currentRow(), 1));
        if (stringGrid5_->isVisible())
            stringGrid5_->scrollTo(model_->index(std::max(stringGrid5_->currentRow(), 1), *col));
    }
}

} // namespace vw::flightmodel
