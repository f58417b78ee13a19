#pragma once

#include <QAbstractListModel>
#include <QHash>

namespace vw::datafile {
class DataFile;
}

namespace vw::app {

// The planes of the file as the plane list and every plane selector show
// them: row i is plane i + 1, "%3.3d:" and its name, read from the directory
// whenever it is painted. One model serves them all, so a rename shows
// everywhere at once.
class PlaneListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PlaneListModel(const datafile::DataFile &file, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    QVariant data(const QModelIndex &index, int role) const override;

    // The plane count changed or another file was loaded: the rows are made
    // anew (selectors lose their choice). True when the number of rows changed.
    bool rebuild();
    // The names may have changed, the plane count has not: every selector keeps its choice.
    void relabel();
    // A rename: the plane's line shows the name as it was typed (cut to the
    // field, not trimmed) until the list is next rebuilt or relabelled.
    void relabelPlane(int plane, const QString &typedName);

private:
    int planeRows() const;

    const datafile::DataFile &file_;
    int rows_ = 0;
    QHash<int, QString> typed_; // row -> line text of a rename
};

} // namespace vw::app
