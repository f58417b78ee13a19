#pragma once

#include "ui/overview/overview_columns.h"

#include <QAbstractTableModel>
#include <QDockWidget>

#include <vector>

class QLineEdit;
class QTabWidget;
class QSortFilterProxyModel;
class QTableView;

namespace vw::app {

class EditorDocument;
class OverviewChart;

// Every plane of the file as a row, and the chosen fields as columns (the
// first column is the plane's number). It follows every edit, undo and redo
// of the document; a cell edit is stored as the page stores that field, as
// one undo step.
class PlanesOverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole + 1; // numbers as numbers
    static constexpr int PlaneRole = Qt::UserRole + 2;

    explicit PlanesOverviewModel(EditorDocument &document, QObject *parent = nullptr);

    // Paths that name no field of a plane are left out.
    void setColumns(const QStringList &paths);
    QStringList columnPaths() const;
    const std::vector<OverviewColumn> &columns() const { return columns_; }
    // The file changed: every cell is read again.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    EditorDocument &document_;
    std::vector<OverviewColumn> columns_;
    int planes_ = 0;
    int current_ = 0;
};

// View > Planes overview: the table of every plane, sorted by a click on a
// column's heading and filtered by what the user types; a double-click makes
// the plane current.
class PlanesOverviewDock : public QDockWidget {
    Q_OBJECT
public:
    explicit PlanesOverviewDock(EditorDocument &document, QWidget *parent = nullptr);

    PlanesOverviewModel *model() const { return model_; }
    QSortFilterProxyModel *proxy() const { return proxy_; }
    QTableView *table() const { return table_; }
    OverviewChart *chart() const { return chart_; }
    // Shows the table or the chart.
    void showChart(bool chart);
    // The planes chosen in the table, by number.
    QList<int> chosenPlanes() const;
    // Shows the chooser of columns.
    void chooseColumns();

private:
    EditorDocument &document_;
    PlanesOverviewModel *model_;
    QSortFilterProxyModel *proxy_;
    QTableView *table_;
    QLineEdit *filter_;
    QTabWidget *tabs_;
    OverviewChart *chart_;
};

} // namespace vw::app
