#pragma once

#include "core/operations/plane_table.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace vw::app {

class EditorDocument;
class FieldChooser;

// A field's label as the dialogs list it: a primary row by its FM.dat line,
// as the flight model grid names it; any other field by `label`.
QString listedLabel(const EditorDocument &document, const QString &path, const QString &label);

// File > "Export table...": the columns chosen from the field catalogue, in
// order (the first column's wildcards are the rows), the header as patterns
// or labels, CSV or tab-separated, a preview of the first rows, and Save...
// writing the table as `vornwing-cli table` writes it.
class ExportTableDialog : public QDialog {
    Q_OBJECT
public:
    ExportTableDialog(EditorDocument &document, const QString &directory, QWidget *parent = nullptr);

    FieldChooser *chooser() const { return chooser_; }
    QListWidget *columnList() const { return columns_; }
    QCheckBox *labelsBox() const { return labels_; }
    QComboBox *formatBox() const { return format_; }
    QTableView *preview() const { return preview_; }
    QLabel *problem() const { return problem_; }

    QStringList columns() const;
    void setColumns(const QStringList &patterns);
    TableFormat format() const;
    // Adds the chooser's pattern as the last column.
    void addColumn();
    // The table as it would be saved; false (and the fault shown, naming the column) for columns in error.
    bool tableText(QByteArray *text);
    // Writes the table to `path` by the saving rules; false when it was not written.
    bool saveTo(const QString &path);
    // Shows the first rows of the table as the columns stand.
    void refreshPreview();

private:
    void moveColumn(int by);
    void save();

    EditorDocument &document_;
    QString directory_;
    FieldChooser *chooser_ = nullptr;
    QListWidget *columns_ = nullptr;
    QCheckBox *labels_ = nullptr;
    QComboBox *format_ = nullptr;
    QTableView *preview_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QLabel *problem_ = nullptr;
    QPushButton *save_ = nullptr;
};

// File > "Import table...": a CSV or tab-separated table read onto the open
// file, its changes previewed (field, label, from, to) or its refusals listed
// by row and column; Apply is one undo step, and only a table without
// refusals can be applied.
class ImportTableDialog : public QDialog {
    Q_OBJECT
public:
    ImportTableDialog(EditorDocument &document, const QString &directory, QWidget *parent = nullptr);

    QTableView *preview() const { return preview_; }
    QListWidget *refusals() const { return refusals_; }
    QPushButton *applyButton() const { return apply_; }
    QLabel *summary() const { return summary_; }

    // Reads the table (a .tsv name is tab-separated) and previews what it would change.
    void load(const QString &path);
    // Imports the table as one undo step; false when nothing was applied.
    bool apply();
    // How many fields the last Apply changed.
    int applied() const { return applied_; }

private:
    void choose();

    EditorDocument &document_;
    QString directory_;
    QString path_;
    QByteArray text_;
    TableFormat format_ = TableFormat::Csv;
    QLabel *file_ = nullptr;
    QLabel *summary_ = nullptr;
    QTableView *preview_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QListWidget *refusals_ = nullptr;
    QPushButton *apply_ = nullptr;
    int applied_ = 0;
};

} // namespace vw::app
