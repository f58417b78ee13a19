#include "handling_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/flightmodel/flight_model_adjustments.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "core/flightmodel/plane_record.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
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
            static const QString headings[4] = {tr("Speed (mph)"), tr("Pitch"),
                                                tr("Yaw"), tr("Roll")};
            if (row == 0)
                return GridCell::heading(headings[col]);
            if (col == 0)
                return GridCell::heading(QString::number(PlaneRecord::HandlingStepMph * (row - 1)));
            return GridCell::number(PlaneRecord(document_.file(), document_.selection().CurrentPlane)
                                        .at(PlaneRecord::handlingOffset(row - 1, PlaneRecord::Axis(col - 1))));
        },
        this);
    model_->setShape(4, PlaneRecord::HandlingRows + 1);
    model_->setFieldNames(tr("Handiling"), [this](int col, int row) {
        return tr("%1 at %2 mph")
            .arg(model_->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString())
            .arg(PlaneRecord::HandlingStepMph * (row - 1));
    });
    stringGrid6_ = new NumberGridView(QStringLiteral("StringGrid6"), model_, this);
    stringGrid6_->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid6_->freezeHeadings(true, true);
    stringGrid6_->verticalHeader()->setFixedWidth(110);
    for (int c = 1; c < 4; ++c)
        stringGrid6_->setColumnWidth(c, 110);
    stringGrid6_->setFixedWidth(4 * 110 + 22);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(stringGrid6_, 0, Qt::AlignLeft);
    auto *notches = new QVBoxLayout;
    button26_ = app::named<QPushButton>("Button26", this);
    button26_->setText(tr("Up One Notch"));
    button26_->setToolTip(tr("The selected cell's value is dropped; the values below it in the column "
                             "move up one row (40 mph slower)."));
    button27_ = app::named<QPushButton>("Button27", this);
    button27_->setText(tr("Down One Notch"));
    button27_->setToolTip(tr("The values from the selected cell on move down one row (40 mph faster); "
                             "the 1600 mph value is dropped."));
    notches->addWidget(button26_);
    notches->addWidget(button27_);
    notches->addStretch();
    layout->addLayout(notches);
    layout->addStretch();
    app::connectHandler(document_, button26_, &QPushButton::clicked, this, &HandlingPage::Button26Click);
    app::connectHandler(document_, button27_, &QPushButton::clicked, this, &HandlingPage::Button27Click);
}

void HandlingPage::Button26Click()
{
    shiftOneNotch(true);
}

void HandlingPage::Button27Click()
{
    shiftOneNotch(false);
}

void HandlingPage::shiftOneNotch(bool up)
{
    const int col = stringGrid6_->currentCol(), row = stringGrid6_->currentRow();
    if (col < 1 || col > 3 || row < 1 || row > PlaneRecord::HandlingRows) {
        document_.showStatus(tr("Select a pitch, yaw or roll cell of the handling table first."));
        return;
    }
    const int plane = document_.selection().CurrentPlane;
    const QString what = up ? tr("Up One Notch") : tr("Down One Notch");
    if (!document_.edit(what, app::MergeKey::none(), [&] {
            if (up)
                shiftHandlingUpOneNotch(document_.file(), plane, col, row);
            else
                shiftHandlingDownOneNotch(document_.file(), plane, col, row);
        }))
        return; // the error box said why
    model_->reload();
    static const QString axes[3] = {tr("Pitch"), tr("Yaw"), tr("Roll")};
    document_.showStatus(row == PlaneRecord::HandlingRows
                             ? tr("%1: the 1600 mph row has nothing below it to move.").arg(what)
                             : tr("%1: %2 from %3 mph on shifted.")
                                   .arg(what, axes[col - 1])
                                   .arg(PlaneRecord::HandlingStepMph * (row - 1)));
}

void HandlingPage::showPlane()
{
    const bool exists = PlaneRecord(document_.file(), document_.selection().CurrentPlane).exists();
    model_->setActive(exists);
    model_->reload();
    setEnabled(exists);
}

} // namespace vw::flightmodel
