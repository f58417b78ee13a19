#include "planes_overview.h"

#include "overview_chart.h"

#include "core/datafile/number_text.h"
#include "core/planedata/shown_text.h"
#include "ui/common/editor_document.h"
#include "ui/common/merge_key.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace vw::app {

using fields::Kind;

namespace {

QString shownValue(const fields::Node &leaf, const fields::Value &v, QChar separator)
{
    switch (leaf.kind) {
    case Kind::Integer:
        return QString::number(v.integer);
    case Kind::Number:
        return datafile::formatNumber(v.number, separator);
    case Kind::Text:
        return v.text;
    case Kind::Bytes:
        return QString::fromLatin1(v.bytes.toHex());
    case Kind::Flag:
        return v.flag ? QStringLiteral("true") : QStringLiteral("false");
    }
    return {};
}

} // namespace

PlanesOverviewModel::PlanesOverviewModel(EditorDocument &document, QObject *parent)
    : QAbstractTableModel(parent), document_(document)
{
    setColumns(defaultOverviewColumns());
    // Every edit, undo and redo moves the history's index or merges into its last step.
    connect(document_.undoStack(), &QUndoStack::indexChanged, this, &PlanesOverviewModel::refresh);
    connect(&document_, &EditorDocument::fileReplaced, this, &PlanesOverviewModel::refresh);
    connect(&document_, &EditorDocument::historyReplayed, this, &PlanesOverviewModel::refresh);
    connect(&document_, &EditorDocument::currentChanged, this, &PlanesOverviewModel::refresh);
}

void PlanesOverviewModel::setColumns(const QStringList &paths)
{
    beginResetModel();
    columns_.clear();
    for (const QString &path : paths)
        if (std::optional<OverviewColumn> column = overviewColumn(path, document_.labels().FmLabels))
            columns_.push_back(std::move(*column));
    planes_ = document_.isLoaded() ? std::max(document_.file().PlaneCount(), 0) : 0;
    current_ = document_.selection().CurrentPlane;
    endResetModel();
}

QStringList PlanesOverviewModel::columnPaths() const
{
    QStringList paths;
    for (const OverviewColumn &c : columns_)
        paths << c.path;
    return paths;
}

void PlanesOverviewModel::refresh()
{
    const int planes = document_.isLoaded() ? std::max(document_.file().PlaneCount(), 0) : 0;
    if (planes != planes_) {
        beginResetModel();
        planes_ = planes;
        current_ = document_.selection().CurrentPlane;
        endResetModel();
        return;
    }
    current_ = document_.selection().CurrentPlane;
    if (planes_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(planes_ - 1, columnCount() - 1));
}

int PlanesOverviewModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : planes_; }

int PlanesOverviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size()) + 1;
}

QVariant PlanesOverviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= planes_)
        return {};
    const int plane = index.row() + 1;
    if (role == PlaneRole)
        return plane;
    if (role == Qt::FontRole && plane == current_) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (index.column() == 0)
        return role == Qt::DisplayRole || role == SortRole ? QVariant(plane) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != SortRole && role != Qt::TextAlignmentRole)
        return {};
    const OverviewColumn &column = columns_[std::size_t(index.column() - 1)];
    const std::optional<fields::Value> v = column.value(document_.file(), plane);
    const bool numeric = column.isTimeOfFlight() || column.leaf->kind == Kind::Integer || column.leaf->kind == Kind::Number;
    if (role == Qt::TextAlignmentRole)
        return numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (!v)
        return role == SortRole ? QVariant() : QVariant(QString());
    if (role == SortRole && numeric)
        return column.isTimeOfFlight() || column.leaf->kind == Kind::Number ? v->number : double(v->integer);
    if (column.isTimeOfFlight())
        return datafile::formatNumber(v->number, document_.decimalSeparator());
    return shownValue(*column.leaf, *v, document_.decimalSeparator());
}

QVariant PlanesOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (section == 0)
        return role == Qt::DisplayRole ? QVariant(tr("Plane")) : QVariant();
    if (section > int(columns_.size()))
        return {};
    const OverviewColumn &column = columns_[std::size_t(section - 1)];
    if (role == Qt::DisplayRole)
        return column.title;
    if (role == Qt::ToolTipRole)
        return column.path;
    return {};
}

Qt::ItemFlags PlanesOverviewModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() > 0 && index.column() <= int(columns_.size())) {
        const OverviewColumn &column = columns_[std::size_t(index.column() - 1)];
        if (!column.isTimeOfFlight() && column.leaf->write && column.value(document_.file(), index.row() + 1))
            f |= Qt::ItemIsEditable;
    }
    return f;
}

bool PlanesOverviewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const OverviewColumn &column = columns_[std::size_t(index.column() - 1)];
    const fields::Node &leaf = *column.leaf;
    const int plane = index.row() + 1;
    const QString text = value.toString().trimmed();
    const QChar separator = document_.decimalSeparator();
    const fields::Value current = *column.value(document_.file(), plane);
    if (text == shownValue(leaf, current, separator))
        return true; // the shown text, which may round the value: nothing to store
    fields::Value stored = current;
    QString problem;
    switch (leaf.kind) {
    case Kind::Integer: {
        bool ok = false;
        stored.integer = datafile::readInteger(text, 0, &ok);
        if (!ok)
            problem = tr("%1 is not a whole number.").arg(quoted(text));
        else if (leaf.clamped)
            stored.integer = std::clamp(stored.integer, leaf.min, leaf.max);
        else if (stored.integer < leaf.min || stored.integer > leaf.max)
            problem = tr("%1 is outside %2.").arg(text, fields::rangeText(leaf));
        break;
    }
    case Kind::Number:
        if (!datafile::isCompleteNumber(text, separator))
            problem = tr("%1 is not a number.").arg(quoted(text));
        else
            stored.number = datafile::readNumber(text, separator);
        break;
    case Kind::Text:
        if (text.size() > leaf.width || QString::fromLatin1(text.toLatin1()) != text || hasControlCharacter(text))
            problem = tr("%1 does not fit the field's %2 characters of one byte each.").arg(quoted(text)).arg(leaf.width);
        stored.text = text;
        break;
    case Kind::Bytes: {
        const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
        if (bytes.size() != leaf.width || bytes.toHex() != text.toLower().toLatin1())
            problem = tr("%1 is not %2 bytes as hex digits.").arg(quoted(text)).arg(leaf.width);
        stored.bytes = bytes;
        break;
    }
    case Kind::Flag:
        if (text != QLatin1String("true") && text != QLatin1String("false"))
            problem = tr("%1 is not true or false.").arg(quoted(text));
        stored.flag = text == QLatin1String("true");
        break;
    }
    const QString what = tr("plane %1, %2").arg(plane).arg(column.title);
    if (!problem.isEmpty()) {
        document_.showError(tr("The planes overview cannot store %1: %2").arg(what, problem));
        return false;
    }
    fields::At at = column.at;
    at.file = &document_.file();
    at.plane = plane;
    if (!document_.edit(tr("Planes overview: %1").arg(what), MergeKey::forPlane(column.path, plane),
                        [&] { column.leaf->write(document_.file(), at, stored); }))
        return false;
    // The pages and the plane list show the file as it now is.
    document_.UpdateList1();
    document_.Update1();
    return true;
}

PlanesOverviewDock::PlanesOverviewDock(EditorDocument &document, QWidget *parent)
    : QDockWidget(tr("Planes overview"), parent), document_(document), model_(new PlanesOverviewModel(document, this)),
      proxy_(new QSortFilterProxyModel(this)), table_(new QTableView), filter_(new QLineEdit), tabs_(new QTabWidget)
{
    setObjectName(QStringLiteral("PlanesOverview"));
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(PlanesOverviewModel::SortRole);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy_->setDynamicSortFilter(true);
    table_->setObjectName(QStringLiteral("OverviewTable"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    filter_->setObjectName(QStringLiteral("OverviewFilter"));
    filter_->setPlaceholderText(tr("Filter planes"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);
    auto *columns = new QPushButton(tr("&Columns..."));
    columns->setObjectName(QStringLiteral("OverviewColumns"));
    connect(columns, &QPushButton::clicked, this, &PlanesOverviewDock::chooseColumns);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        document_.makePlaneCurrent(index.data(PlanesOverviewModel::PlaneRole).toInt());
    });

    auto *top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(columns);
    auto *tablePage = new QWidget;
    auto *layout = new QVBoxLayout(tablePage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    chart_ = new OverviewChart(document_, *model_, [this] { return chosenPlanes(); });
    chart_->setObjectName(QStringLiteral("OverviewChartPage"));
    tabs_->setObjectName(QStringLiteral("OverviewTabs"));
    tabs_->addTab(tablePage, tr("&Table"));
    tabs_->addTab(chart_, tr("C&hart"));
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, chart_, &OverviewChart::rebuild);
    setWidget(tabs_);
}

void PlanesOverviewDock::showChart(bool chart) { tabs_->setCurrentIndex(chart ? 1 : 0); }

QList<int> PlanesOverviewDock::chosenPlanes() const
{
    QList<int> planes;
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    for (const QModelIndex &row : rows)
        planes << row.data(PlanesOverviewModel::PlaneRole).toInt();
    std::sort(planes.begin(), planes.end());
    return planes;
}

void PlanesOverviewDock::chooseColumns()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OverviewColumnsDialog"));
    dialog.setWindowTitle(tr("Overview columns"));
    auto *search = new QLineEdit;
    search->setObjectName(QStringLiteral("ColumnSearch"));
    search->setPlaceholderText(tr("Find a field by its label or path"));
    auto *list = new QListWidget;
    list->setObjectName(QStringLiteral("ColumnList"));
    const QStringList shown = model_->columnPaths();
    for (const QString &path : offeredOverviewColumns()) {
        const std::optional<OverviewColumn> column = overviewColumn(path, document_.labels().FmLabels);
        if (!column)
            continue;
        auto *item = new QListWidgetItem(QStringLiteral("%1  (%2)").arg(column->title, path), list);
        item->setData(Qt::UserRole, path);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(shown.contains(path) ? Qt::Checked : Qt::Unchecked);
    }
    connect(search, &QLineEdit::textChanged, list, [list](const QString &text) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setHidden(!list->item(i)->text().contains(text, Qt::CaseInsensitive));
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, list, [list] {
        const QStringList defaults = defaultOverviewColumns();
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(defaults.contains(list->item(i)->data(Qt::UserRole).toString()) ? Qt::Checked
                                                                                                         : Qt::Unchecked);
    });
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("The fields shown for every plane:")));
    layout->addWidget(search);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    dialog.resize(560, 520);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The columns already shown keep their order; new ones follow in the list's order.
    QStringList chosen;
    for (const QString &path : shown)
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toString() == path && list->item(i)->checkState() == Qt::Checked)
                chosen << path;
    for (int i = 0; i < list->count(); ++i) {
        const QString path = list->item(i)->data(Qt::UserRole).toString();
        if (list->item(i)->checkState() == Qt::Checked && !chosen.contains(path))
            chosen << path;
    }
    model_->setColumns(chosen);
}

} // namespace vw::app
