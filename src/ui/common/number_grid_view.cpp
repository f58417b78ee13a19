#include "number_grid_view.h"

#include "ui/common/number_grid_model.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
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
    // The texts change with every refresh: the widths follow once the refresh is over.
    connect(model, &QAbstractItemModel::dataChanged, this, &NumberGridView::scheduleFit);
    connect(model, &QAbstractItemModel::modelReset, this, &NumberGridView::scheduleFit);
    connect(model, &QAbstractItemModel::rowsInserted, this, &NumberGridView::scheduleFit);
    connect(model, &QAbstractItemModel::columnsInserted, this, &NumberGridView::scheduleFit);
}

void NumberGridView::scheduleFit()
{
    if (fitPending_)
        return;
    fitPending_ = true;
    // A grid that is not shown is fitted when it is.
    if (isVisible())
        QTimer::singleShot(0, this, [this] {
            if (fitPending_ && isVisible())
                fitColumns();
        });
}

void NumberGridView::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (fitPending_)
        fitColumns();
}

void NumberGridView::fitColumns()
{
    fitPending_ = false;
    const QFontMetrics metrics(font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
    const int rows = model_->rowCount(), cols = model_->columnCount();
    for (int c = 0; c < cols; ++c) {
        if (isColumnHidden(c))
            continue;
        int needed = 0;
        for (int r = 0; r < rows; ++r)
            if (!isRowHidden(r))
                needed = std::max(needed, metrics.horizontalAdvance(model_->index(r, c).data().toString()));
        // The heading above the column, in the language shown ("Мощность форсажа").
        if (frozenRow_)
            needed = std::max(needed, QFontMetrics(horizontalHeader()->font())
                                              .horizontalAdvance(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
        if (columnWidth(c) < needed + padding)
            setColumnWidth(c, needed + padding);
    }
    if (frozenColumn_) {
        const QFontMetrics headingMetrics(verticalHeader()->font());
        int needed = 0;
        for (int r = 0; r < rows; ++r)
            needed = std::max(needed, headingMetrics.horizontalAdvance(model_->headerData(r, Qt::Vertical, Qt::DisplayRole).toString()));
        const int width = needed + 2 * padding;
        // A page that gave the headings a fixed width gets it widened; otherwise they size themselves.
        QHeaderView *headings = verticalHeader();
        if (headings->minimumWidth() == headings->maximumWidth() && headings->maximumWidth() < width) {
            headings->setFixedWidth(width);
            // The cells make room for the wider headings at once: a grid
            // fitted as its page is first shown gets no resize that would do
            // it, and the headings would cover the first column's left part.
            updateGeometries();
        }
    }
    growToShowAllColumns();
}

void NumberGridView::growToShowAllColumns()
{
    // Only a grid the page made as wide as all its columns: the others scroll.
    if (minimumWidth() != maximumWidth())
        return;
    QHeaderView *headings = verticalHeader();
    int needed = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    if (headings->isVisibleTo(this) || frozenColumn_)
        needed += headings->minimumWidth() == headings->maximumWidth() ? headings->maximumWidth()
                                                                       : headings->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c)
        if (!isColumnHidden(c))
            needed += columnWidth(c);
    if (needed > maximumWidth())
        setFixedWidth(needed);
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
