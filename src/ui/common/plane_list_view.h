#pragma once

#include <QListView>

namespace vw::app {

class PlaneListModel;

// ListBox1, the plane list: a list over the one plane list model, with the
// row-based calls of a list box.
class PlaneListView : public QListView {
    Q_OBJECT
public:
    PlaneListView(PlaneListModel *model, QWidget *parent = nullptr);

    int count() const;
    int currentRow() const;
    void setCurrentRow(int row);
    QString itemText(int row) const;

protected:
    // One plane is always current: a click on the empty area below the last
    // plane, or Ctrl with a click or Space on the current plane, keeps it.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

Q_SIGNALS:
    void currentRowChanged(int row);
    // A click on a row, also on the row already selected.
    void rowClicked(int row);
};

} // namespace vw::app
