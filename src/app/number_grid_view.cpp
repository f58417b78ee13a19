#include "number_grid_view.h"

#include "app/number_grid_model.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vw::app {

QWidget *LiveEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    connect(editor, &QLineEdit::textEdited, this, [this, editor] {
        Q_EMIT const_cast<LiveEditDelegate *>(this)->commitData(editor);
    });
    return editor;
}

void LiveEditDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // Only when the editor opens: a stored keystroke must not put the stored
    // number back over what the user is still typing ("0." would become "0").
    if (editor->property("vwLoaded").toBool())
        return;
    editor->setProperty("vwLoaded", true);
    static_cast<QLineEdit *>(editor)->setText(index.data(Qt::EditRole).toString());
}

NumberGridView::NumberGridView(const QString &name, NumberGridModel *model, QWidget *parent)
    : QTableView(parent), model_(model)
{
    setObjectName(name);
    setModel(model);
    setItemDelegate(new LiveEditDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setMinimumSectionSize(10);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            Q_EMIT cellSelected(current.column(), current.row());
    });
}

void NumberGridView::setCurrentCell(int col, int row)
{
    if (col < 0 || row < 0 || col >= model_->columnCount() || row >= model_->rowCount())
        return;
    selectionModel()->setCurrentIndex(model_->index(row, col), QItemSelectionModel::ClearAndSelect);
}

} // namespace vw::app

namespace vw::app {

void NumberGridView::freezeHeadings(bool fixedRow, bool fixedColumn)
{
    frozenRow_ = fixedRow;
    frozenColumn_ = fixedColumn;
    horizontalHeader()->setVisible(fixedRow);
    verticalHeader()->setVisible(fixedColumn);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (fixedRow && fixedColumn) {
        if (auto *corner = findChild<QAbstractButton *>()) {
            auto *label = new QLabel(model_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), corner);
            label->setObjectName(objectName() + QStringLiteral("Corner"));
            label->setContentsMargins(3, 0, 0, 0);
            auto *layout = new QVBoxLayout(corner);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(label);
            cornerLabel_ = label;
        }
    }
    refreshHeadings();
}

void NumberGridView::refreshHeadings()
{
    if (frozenRow_ && model_->rowCount() > 0)
        setRowHidden(0, true);
    if (frozenColumn_ && model_->columnCount() > 0)
        setColumnHidden(0, true);
}

} // namespace vw::app
