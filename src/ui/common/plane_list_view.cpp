#include "plane_list_view.h"

#include "ui/common/plane_list_model.h"

namespace vw::app {

PlaneListView::PlaneListView(PlaneListModel *model, QWidget *parent) : QListView(parent)
{
    setModel(model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1); });
    connect(this, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT rowClicked(index.row());
    });
}

QItemSelectionModel::SelectionFlags PlaneListView::selectionCommand(const QModelIndex &index,
                                                                   const QEvent *event) const
{
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

int PlaneListView::count() const
{
    return model()->rowCount();
}

int PlaneListView::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void PlaneListView::setCurrentRow(int row)
{
    if (row >= 0 && row < count())
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clearCurrentIndex();
}

QString PlaneListView::itemText(int row) const
{
    return model()->index(row, 0).data().toString();
}

} // namespace vw::app
