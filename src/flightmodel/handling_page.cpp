#include "handling_page.h"

#include "app/editor_document.h"
#include "datafile/number_text.h"
#include "flightmodel/flight_figures.h"
#include "app/number_grid_model.h"
#include "app/number_grid_view.h"
#include "flightmodel/plane_record.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace vw::flightmodel {

using app::GridCell;
using app::LiveEditDelegate;
using app::NumberGridModel;
using app::NumberGridView;

HandlingPage::HandlingPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    model_ = new NumberGridModel(
        document, QStringLiteral("StringGrid6"),
        [this](int col, int row) {
            static const QString headings[4] = {QStringLiteral("Speed (mph)"), QStringLiteral("Pitch"),
                                                QStringLiteral("Yaw"), QStringLiteral("Roll")};
            if (row == 0)
                return GridCell::heading(headings[col]);
            if (col == 0)
                return GridCell::heading(QString::number(PlaneRecord::HandlingStepMph * (row - 1)));
            return GridCell::number(PlaneRecord(document_.file(), document_.selection().CurrentPlane)
                                        .at(PlaneRecord::handlingOffset(row - 1, PlaneRecord::Axis(col - 1))));
        },
        this);
    model_->setShape(4, PlaneRecord::HandlingRows + 1);
    stringGrid6_ = new NumberGridView(QStringLiteral("StringGrid6"), model_, this);
    stringGrid6_->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid6_->freezeHeadings(true, true);
    stringGrid6_->verticalHeader()->setFixedWidth(110);
    for (int c = 1; c < 4; ++c)
        stringGrid6_->setColumnWidth(c, 110);
    stringGrid6_->setFixedWidth(4 * 110 + 22);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(stringGrid6_, 1, Qt::AlignLeft);
}

void HandlingPage::showPlane()
{
    const bool exists = PlaneRecord(document_.file(), document_.selection().CurrentPlane).exists();
    model_->setActive(exists);
    model_->reload();
    setEnabled(exists);
}

WingsPage::WingsPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    model_ = new NumberGridModel(
        document, QStringLiteral("StringGrid5"),
        [this](int col, int row) {
            if (col == 0 && row == 0)
                return GridCell::heading(QStringLiteral("alt/num"));
            if (row == 0)
                return GridCell::heading(QString::number(col - 1));
            if (col == 0)
                return GridCell::heading(QString::number(PlaneRecord::WepPowerStepMetres * row));
            return GridCell::number(WingsTable(document_.file()).offset(col - 1, row - 1));
        },
        this);
    model_->setShape(WingsTable::Entries + 1, WingsTable::Steps + 1);
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
