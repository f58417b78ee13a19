#pragma once

#include "core/datafile/data_file.h"
#include "core/operations/plane_merge.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace vw::app {

class EditorDocument;

// File > "Merge changes from...": the open file is OURS; the changes another
// file (THEIRS) made to a common BASE are listed with the conflicts, field by
// field, each taking THEIRS's or OURS's side (THEIRS's for a change only
// THEIRS made, OURS's for a conflict, until the user chooses). Apply is one
// undo step.
class MergeDialog : public QDialog {
    Q_OBJECT
public:
    // The columns of the list.
    enum Column { TakeColumn, KindColumn, PathColumn, LabelColumn, BaseColumn, OursColumn, TheirsColumn };

    MergeDialog(EditorDocument &document, const QString &directory, QWidget *parent = nullptr);

    QLineEdit *baseEdit() const { return basePath_; }
    QLineEdit *theirsEdit() const { return theirsPath_; }
    QTableView *changes() const { return view_; }
    QLabel *summary() const { return summary_; }
    QPushButton *applyButton() const { return apply_; }

    // Reads BASE and THEIRS as the edits name them and lists the changes;
    // false (and the reason shown, naming the file) when they cannot be merged.
    bool listChanges();
    int rowCount() const { return int(rows_.size()); }
    const MergeChange &change(int row) const { return rows_.at(row); }
    bool takesTheirs(int row) const;
    void setTakeTheirs(int row, bool theirs);
    // "All ours" / "All theirs".
    void takeAll(bool theirs);
    // Merges as chosen, one undo step; false when nothing was applied.
    bool apply();

private:
    void choose(QLineEdit *edit, const QString &title);
    void clear(const QString &why);

    EditorDocument &document_;
    QString directory_;
    QLineEdit *basePath_ = nullptr;
    QLineEdit *theirsPath_ = nullptr;
    QLabel *summary_ = nullptr;
    QTableView *view_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QPushButton *apply_ = nullptr;
    QPushButton *allOurs_ = nullptr;
    QPushButton *allTheirs_ = nullptr;
    datafile::DataFile base_, theirs_;
    QList<MergeChange> rows_;
    std::uint64_t listedRevision_ = 0; // the open file's revision the list was made for
};

} // namespace vw::app
