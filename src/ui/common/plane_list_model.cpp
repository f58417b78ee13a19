#include "plane_list_model.h"

#include "core/datafile/directory_entry.h"

#include <QFont>

#include <algorithm>

namespace vw::app {

PlaneListModel::PlaneListModel(const datafile::DataFile &file, QObject *parent)
    : QAbstractListModel(parent), file_(file)
{
}

int PlaneListModel::planeRows() const
{
    return std::clamp(file_.PlaneCount(), 0, datafile::MaxPlaneCount);
}

QVariant PlaneListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || role != Qt::DisplayRole)
        return {};
    if (const auto typed = typed_.constFind(index.row()); typed != typed_.cend())
        return *typed;
    // Reading a name never throws: an entry outside the directory has none.
    return datafile::planeListItem(file_, index.row() + 1);
}

bool PlaneListModel::rebuild()
{
    const int before = rows_;
    beginResetModel();
    typed_.clear();
    rows_ = planeRows();
    endResetModel();
    return rows_ != before;
}

void PlaneListModel::relabel()
{
    if (planeRows() != rows_) {
        rebuild();
        return;
    }
    typed_.clear();
    if (rows_ > 0)
        Q_EMIT dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

void PlaneListModel::relabelPlane(int plane, const QString &typedName)
{
    if (plane < 1 || plane > rows_)
        return;
    typed_.insert(plane - 1, datafile::DirectoryEntryView::listItem(plane, typedName));
    Q_EMIT dataChanged(index(plane - 1), index(plane - 1), {Qt::DisplayRole});
}

} // namespace vw::app
