#include "primary_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/flightmodel/flight_figures.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QUndoStack>
#include <QVBoxLayout>

namespace vw::flightmodel {

using app::GridCell;
using app::LiveEditDelegate;
using app::NumberGridModel;
using app::NumberGridView;

using app::connectHandler;
using app::named;

PrimaryPage::PrimaryPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    model_ = new NumberGridModel(
        document, QStringLiteral("StringGrid1"),
        [this](int col, int row) {
            if (row == 0)
                return GridCell::heading(col == 0 ? tr("Params") : tr("Value"));
            const QStringList &labels = document_.labels().FmLabels;
            if (col == 0)
                return GridCell::heading(row <= labels.size() ? labels.at(row - 1) : QString());
            const auto offset = PlaneRecord::primaryRowOffset(row, int(labels.size()));
            if (!offset)
                return GridCell();
            return GridCell::number(PlaneRecord(document_.file(), document_.selection().CurrentPlane).at(*offset));
        },
        this);
    // A cell is named by its row's label in FM.dat ("Base weight (lb)").
    model_->setFieldNames(tr("Primary configurations"));
    stringGrid1_ = new NumberGridView(QStringLiteral("StringGrid1"), model_, this);
    stringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid1_->horizontalHeader()->setStretchLastSection(true);
    stringGrid1_->freezeHeadings(true, true);
    stringGrid1_->verticalHeader()->setFixedWidth(300);

    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(stringGrid1_, 1);
    label47_ = new QLabel(tr("Current pos:"), this);
    label47_->setObjectName(QStringLiteral("Label47"));
    left->addWidget(label47_);
    columns->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    const auto group = [&](const QString &caption, std::initializer_list<const char *> names) {
        auto *box = new QGroupBox(caption, this);
        auto *lines = new QVBoxLayout(box);
        for (const char *name : names) {
            auto *label = new QLabel(box);
            label->setObjectName(QLatin1String(name));
            lines->addWidget(label);
            figures_[QLatin1String(name)] = label;
        }
        right->addWidget(box);
    };
    group(tr("Basic Stats:"), {"Label43", "Label46", "Label48", "Label82", "Label90", "Label91"});
    group(tr("Engine power at:"), {"Label50", "Label51", "Label52"});
    right->addStretch();
    columns->addLayout(right, 2);

    connectHandler(document_, stringGrid1_, &NumberGridView::cellSelected, this, &PrimaryPage::StringGrid1SelectCell);
    // The figures follow every stored value they are worked out from: a
    // primary row typed here or on the Handiling page, an engine power cell,
    // a batch adjustment. Every stored change (each keystroke included) moves
    // the history; an undo or redo refreshes the pages itself.
    connect(document_.undoStack(), &QUndoStack::indexChanged, this, [this] {
        if (!document_.refreshing())
            showFigures();
    });
}

void PrimaryPage::showPlane()
{
    PlaneRecord record(document_.file(), document_.selection().CurrentPlane);
    const bool exists = record.exists();
    model_->setActive(exists);
    model_->setShape(2, int(document_.labels().FmLabels.size()) + 1);
    model_->reload();
    stringGrid1_->refreshHeadings();
    setEnabled(exists);
    showFigures();
}

void PrimaryPage::showFigures()
{
    PlaneRecord record(document_.file(), document_.selection().CurrentPlane);
    if (!record.exists()) {
        for (auto &[name, label] : figures_)
            label->clear();
        return;
    }
    for (const FigureLabel &figure : figureLabels(flightFigures(record), document_.decimalSeparator()))
        figures_[QLatin1String(figure.name)]->setText(figure.text);
}

void PrimaryPage::StringGrid1SelectCell(int, int row)
{
    label47_->setText(tr("Current pos:") + QString::number(row));
}

} // namespace vw::flightmodel
