#pragma once

#include <QAbstractTableModel>

#include <functional>

namespace vw::app {

class EditorDocument;

// What one cell of a string grid shows: a heading text, a double of the file,
// a 32-bit speed of the file, or a signed 16-bit whole number of the file.
struct GridCell {
    enum Kind { Empty, Heading, Number, Speed, Int16 };
    Kind kind = Empty;
    std::int64_t offset = 0; // file offset of a Number, Speed or Int16
    QString text;            // Heading
    static GridCell heading(const QString &text) { return {Heading, 0, text}; }
    static GridCell number(std::int64_t offset) { return {Number, offset, {}}; }
    static GridCell speed(std::int64_t offset) { return {Speed, offset, {}}; }
    static GridCell int16(std::int64_t offset) { return {Int16, offset, {}}; }
    bool editable() const { return kind == Number || kind == Speed || kind == Int16; }
};

// A string grid as a view over the file image: grid cell (column, row) is
// model index (row, column), and every cell reads its field when painted.
// Editing stores the typed text at once through the editor's one edit path;
// keystrokes in one cell make one undo step.
class NumberGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Binding = std::function<GridCell(int col, int row)>;
    // A cell's field as the page labels it ("Base weight (lb)", "Pitch at 20 mph").
    using FieldName = std::function<QString(int col, int row)>;
    // The reference file's value of a cell, as the cell shows values, where it differs; empty elsewhere.
    using Reference = std::function<QString(const GridCell &cell)>;
    // The reference value of a marked cell (a string), beside its mark colour and tooltip.
    static constexpr int ReferenceRole = Qt::UserRole + 1;

    NumberGridModel(EditorDocument &document, const QString &gridName, Binding binding, QObject *parent = nullptr);

    // The grid's ColCount and RowCount.
    void setShape(int colCount, int rowCount);
    // A grid without a plane record shows only its headings and takes no edits.
    void setActive(bool active);
    bool isActive() const { return active_; }
    // Shows the file's values again.
    void reload();
    GridCell cell(int col, int row) const
    {
        GridCell c = binding_(col, row);
        return active_ || c.kind == GridCell::Heading ? c : GridCell();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rowCount_; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : colCount_; }
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The heading cells of row 0 and column 0, for views that show them as frozen headers.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // SetEditText: the grid's handler for a changed cell text. True when the file changed.
    bool setEditText(int col, int row, const QString &text);

    // How the user knows the grid and its cells: the caption of its page, and
    // the name of a cell's field. Without a name of its own a cell is named by
    // its row's heading, and by its column's when the grid has more than one
    // column of values.
    void setFieldNames(const QString &pageCaption, FieldName name = {});
    const QString &pageCaption() const { return pageCaption_; }
    QString fieldName(int col, int row) const;
    // Cells whose value differs from the reference file are marked.
    void setReference(Reference reference) { reference_ = std::move(reference); }

Q_SIGNALS:
    // A cell's field was changed by the user (col, row in grid cells).
    void cellStored(int col, int row);

private:
    EditorDocument &document_;
    QString gridName_; // the grid's own name: it keys the undo steps, the user never sees it
    Binding binding_;
    QString pageCaption_;
    FieldName fieldName_;
    Reference reference_;
    int colCount_ = 0;
    int rowCount_ = 0;
    bool active_ = false;
};

} // namespace vw::app
