#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

namespace vw::app {

class NumberGridModel;

// Edits a grid cell in a line edit that hands every changed text to the model
// as it is typed (SetEditText runs on every change of the cell's text).
class LiveEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
};

// A string grid: a table without Qt's own headers, whose fixed row and column
// are cells of the model painted as headings.
class NumberGridView : public QTableView {
    Q_OBJECT
public:
    NumberGridView(const QString &name, NumberGridModel *model, QWidget *parent = nullptr);

    NumberGridModel *gridModel() const { return model_; }
    // The current cell as grid (column, row); (-1, -1) when there is none.
    int currentCol() const { return currentIndex().isValid() ? currentIndex().column() : -1; }
    int currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
    // Makes (col, row) the current cell without selecting a range.
    void setCurrentCell(int col, int row);
    // Shows the fixed row 0 and column 0 as headers that stay in place while
    // the cells scroll; the corner shows cell (0, 0).
    void freezeHeadings(bool fixedRow, bool fixedColumn);
    // Sets the shape of the frozen headings again after the model's shape changed.
    void refreshHeadings();
    // Widens the columns (and the frozen column of headings) that are too
    // narrow for the text they show in the font actually used, so that no
    // number is shown cut off on a machine whose fonts are wider. Columns are
    // never narrowed below the width the page gave them.
    void fitColumns();

protected:
    void showEvent(QShowEvent *event) override;

Q_SIGNALS:
    // SelectCell: the current cell moved to (col, row).
    void cellSelected(int col, int row);

private:
    NumberGridModel *model_;
    void scheduleFit();
    // A grid whose page gave it the width of all its columns keeps showing
    // them all when fitColumns widened them (texts of another language).
    void growToShowAllColumns();

    bool frozenRow_ = false;
    bool fitPending_ = false;
    bool frozenColumn_ = false;
    QWidget *cornerLabel_ = nullptr;
};

} // namespace vw::app
