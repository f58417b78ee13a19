#include "table_dialogs.h"

#include "ui/common/editor_document.h"
#include "ui/common/prompter_dialog.h"
#include "ui/shell/find_dock_widget.h"
#include "core/datafile/file_access.h"
#include "core/flightmodel/plane_record.h"
#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vw::app {

namespace {

// The rows a preview shows: enough to judge the columns.
constexpr int PreviewTableRows = 50;
// The most changes an import preview lists; Apply changes them all.
constexpr int PreviewChanges = 5000;

QString filterFor(TableFormat format)
{
    return format == TableFormat::Tsv ? ExportTableDialog::tr("Tab-separated text (*.tsv *.txt)")
                                      : ExportTableDialog::tr("CSV (*.csv)");
}

QTableView *previewView(QWidget *parent, QStandardItemModel *model, const char *name)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

void showFault(QLabel *label, const QString &text)
{
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// A field's value as the lists show it: through the field's own text where
// the file holds it, else the value the comparison found.
QString fieldText(const datafile::DataFile &file, const QString &path, const QJsonValue &found)
{
    try {
        const fields::FieldPath p = fields::parsePath(path);
        if (p.leaf() && p.leaf()->shape == fields::Node::Leaf)
            if (const auto m = fields::resolve(file, p))
                return fields::valueText(*m->leaf, fields::read(*m));
    } catch (const fields::PathError &) {
        // A part, not a field: shown as the comparison found it.
    }
    if (found.isNull() || found.isUndefined())
        return QStringLiteral("null");
    return found.isString() ? QLatin1Char('"') + found.toString() + QLatin1Char('"') : found.toVariant().toString();
}

} // namespace

QString listedLabel(const EditorDocument &document, const QString &path, const QString &label)
{
    static const QRegularExpression primaryRow(QStringLiteral("\\.primary\\.rows\\[([0-9]+)\\]$"));
    const QRegularExpressionMatch m = primaryRow.match(path);
    const QStringList &lines = document.labels().FmLabels;
    const int row = m.hasMatch() ? m.captured(1).toInt() : 0;
    if (row < 1 || row > flightmodel::PlaneRecordView::PrimaryDoubles || row > lines.size() || lines.at(row - 1).trimmed().isEmpty())
        return label;
    return lines.at(row - 1).trimmed();
}

ExportTableDialog::ExportTableDialog(EditorDocument &document, const QString &directory, QWidget *parent)
    : QDialog(parent), document_(document), directory_(directory)
{
    setObjectName(QStringLiteral("ExportTableDialog"));
    setWindowTitle(tr("Export table"));
    resize(980, 720);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    // The catalogue as the find shows it: a pattern is chosen, no operator or value.
    chooser_ = new FieldChooser({}, this);
    chooser_->operatorBox()->hide();
    chooser_->valueEdit()->hide();
    top->addWidget(chooser_, 3);
    auto *middle = new QVBoxLayout;
    const auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton *add = button(tr("&Add column"), "AddTableColumn");
    QPushButton *remove = button(tr("&Remove column"), "RemoveTableColumn");
    QPushButton *up = button(tr("Move &up"), "MoveTableColumnUp");
    QPushButton *down = button(tr("Move &down"), "MoveTableColumnDown");
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addWidget(up);
    middle->addWidget(down);
    middle->addStretch();
    top->addLayout(middle);
    auto *right = new QVBoxLayout;
    auto *columnsTitle = new QLabel(tr("Columns (the first column's wildcards are the rows):"), this);
    columnsTitle->setWordWrap(true);
    right->addWidget(columnsTitle);
    columns_ = new QListWidget(this);
    columns_->setObjectName(QStringLiteral("TableColumnList"));
    columnsTitle->setBuddy(columns_);
    right->addWidget(columns_, 1);
    labels_ = new QCheckBox(tr("&Labels in the header row (such a table does not import)"), this);
    labels_->setObjectName(QStringLiteral("TableLabels"));
    right->addWidget(labels_);
    auto *formatRow = new QHBoxLayout;
    auto *formatTitle = new QLabel(tr("&Format:"), this);
    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("TableFormat"));
    format_->addItem(tr("CSV (comma-separated)"));
    format_->addItem(tr("TSV (tab-separated)"));
    formatTitle->setBuddy(format_);
    formatRow->addWidget(formatTitle);
    formatRow->addWidget(format_, 1);
    right->addLayout(formatRow);
    top->addLayout(right, 2);
    layout->addLayout(top, 3);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("TableProblem"));
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);
    layout->addWidget(new QLabel(tr("Preview of the first rows:"), this));
    model_ = new QStandardItemModel(this);
    preview_ = previewView(this, model_, "TablePreview");
    layout->addWidget(preview_, 2);
    auto *box = new QDialogButtonBox(this);
    save_ = box->addButton(tr("&Save..."), QDialogButtonBox::ActionRole);
    save_->setObjectName(QStringLiteral("SaveTable"));
    box->addButton(QDialogButtonBox::Close);
    layout->addWidget(box);

    // Enter in the pattern adds a column; it must not save as well.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);
    preview_->verticalHeader()->hide(); // the table's own number columns count the rows
    connect(add, &QPushButton::clicked, this, &ExportTableDialog::addColumn);
    connect(chooser_->patternEdit(), &QLineEdit::returnPressed, this, &ExportTableDialog::addColumn);
    connect(chooser_->tree(), &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item && item->data(0, Qt::UserRole).isValid())
            addColumn();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        delete columns_->currentItem();
        refreshPreview();
    });
    connect(up, &QPushButton::clicked, this, [this] { moveColumn(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveColumn(1); });
    connect(columns_, &QListWidget::itemChanged, this, &ExportTableDialog::refreshPreview);
    connect(labels_, &QCheckBox::toggled, this, &ExportTableDialog::refreshPreview);
    connect(format_, &QComboBox::currentIndexChanged, this, &ExportTableDialog::refreshPreview);
    connect(save_, &QPushButton::clicked, this, &ExportTableDialog::save);
    connect(box, &QDialogButtonBox::rejected, this, &ExportTableDialog::reject);
    refreshPreview();
}

QStringList ExportTableDialog::columns() const
{
    QStringList out;
    for (int i = 0; i < columns_->count(); ++i)
        if (const QString text = columns_->item(i)->text().trimmed(); !text.isEmpty())
            out << text;
    return out;
}

void ExportTableDialog::setColumns(const QStringList &patterns)
{
    const QSignalBlocker blocker(columns_);
    columns_->clear();
    for (const QString &p : patterns) {
        auto *item = new QListWidgetItem(p, columns_);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    refreshPreview();
}

TableFormat ExportTableDialog::format() const { return format_->currentIndex() == 1 ? TableFormat::Tsv : TableFormat::Csv; }

void ExportTableDialog::addColumn()
{
    const QString pattern = chooser_->patternEdit()->text().trimmed();
    if (pattern.isEmpty())
        return;
    {
        const QSignalBlocker blocker(columns_);
        auto *item = new QListWidgetItem(pattern, columns_);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        columns_->setCurrentItem(item);
    }
    refreshPreview();
}

void ExportTableDialog::moveColumn(int by)
{
    const int row = columns_->currentRow();
    if (row < 0 || row + by < 0 || row + by >= columns_->count())
        return;
    {
        const QSignalBlocker blocker(columns_);
        QListWidgetItem *item = columns_->takeItem(row);
        columns_->insertItem(row + by, item);
        columns_->setCurrentItem(item);
    }
    refreshPreview();
}

bool ExportTableDialog::tableText(QByteArray *text)
{
    const QStringList patterns = columns();
    if (patterns.isEmpty()) {
        showFault(problem_, tr("Choose a field and Add column: the first column's wildcards make the rows."));
        return false;
    }
    TableColumns chosen;
    try {
        chosen = tableColumns(patterns);
    } catch (const ExpressionError &e) {
        // The column at fault by its place in the list, then the fault itself.
        const qsizetype column = patterns.indexOf(e.text);
        showFault(problem_, tr("Column %1 (%2):").arg(column + 1).arg(e.text) + QLatin1Char('\n') + errorReport(e));
        return false;
    }
    if (!document_.isLoaded()) {
        showFault(problem_, tr("Load a plane data file first: the table holds its fields."));
        return false;
    }
    if (!document_.guarded([&] { *text = writeTable(document_.file(), chosen, format(), labels_->isChecked()); }))
        return false;
    showFault(problem_, QString());
    return true;
}

void ExportTableDialog::refreshPreview()
{
    model_->clear();
    QByteArray text;
    const bool ready = tableText(&text);
    save_->setEnabled(ready);
    if (!ready)
        return;
    // The preview reads only the first rows back: a weapons table can be long.
    qsizetype end = 0;
    for (int line = 0; line <= PreviewTableRows && end >= 0; ++line) {
        bool quoted = false;
        while (end < text.size() && (quoted || text[end] != '\n')) {
            if (text[end] == '"')
                quoted = !quoted;
            ++end;
        }
        end = end < text.size() ? end + 1 : -1;
    }
    QList<QStringList> cells;
    try {
        cells = readCells(end < 0 ? text : text.left(end), format());
    } catch (const TableRefusal &) {
        return; // the table's own text always reads back
    }
    if (cells.isEmpty())
        return;
    model_->setHorizontalHeaderLabels(cells.takeFirst());
    for (const QStringList &row : cells) {
        QList<QStandardItem *> items;
        for (const QString &c : row)
            items << new QStandardItem(c);
        model_->appendRow(items);
    }
    preview_->resizeColumnsToContents();
}

bool ExportTableDialog::saveTo(const QString &path)
{
    QByteArray text;
    if (!tableText(&text))
        return false;
    if (!document_.guarded([&] { datafile::writeFileAtomically(path, text); }))
        return false;
    document_.showStatus(tr("Table written to %1").arg(path));
    return true;
}

void ExportTableDialog::save()
{
    const QString preset = format() == TableFormat::Tsv ? QStringLiteral("table.tsv") : QStringLiteral("table.csv");
    const QString chosen = document_.prompter().saveFileName(this, tr("Export table"), directory_, preset, filterFor(format()));
    if (!chosen.isEmpty() && saveTo(chosen))
        accept();
}

ImportTableDialog::ImportTableDialog(EditorDocument &document, const QString &directory, QWidget *parent)
    : QDialog(parent), document_(document), directory_(directory)
{
    setObjectName(QStringLiteral("ImportTableDialog"));
    setWindowTitle(tr("Import table"));
    resize(860, 600);
    auto *layout = new QVBoxLayout(this);
    auto *fileRow = new QHBoxLayout;
    file_ = new QLabel(tr("No table chosen."), this);
    file_->setObjectName(QStringLiteral("ImportTableFile"));
    file_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *choose = new QPushButton(tr("&Choose table..."), this);
    choose->setObjectName(QStringLiteral("ChooseImportTable"));
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose);
    layout->addLayout(fileRow);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ImportTableSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    model_ = new QStandardItemModel(0, 4, this);
    preview_ = previewView(this, model_, "ImportTablePreview");
    layout->addWidget(preview_, 3);
    refusals_ = new QListWidget(this);
    refusals_->setObjectName(QStringLiteral("ImportTableRefusals"));
    refusals_->hide();
    layout->addWidget(refusals_, 1);
    auto *box = new QDialogButtonBox(this);
    apply_ = box->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("ApplyImportTable"));
    apply_->setEnabled(false);
    box->addButton(QDialogButtonBox::Close);
    layout->addWidget(box);
    connect(choose, &QPushButton::clicked, this, &ImportTableDialog::choose);
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    connect(box, &QDialogButtonBox::rejected, this, &ImportTableDialog::reject);
}

void ImportTableDialog::choose()
{
    const QString chosen = document_.prompter().openFileName(this, tr("Import table"), directory_, QString(),
                                                             tr("Tables (*.csv *.tsv *.txt);;All files (*)"));
    if (!chosen.isEmpty())
        load(chosen);
}

void ImportTableDialog::load(const QString &path)
{
    path_ = path;
    text_.clear();
    file_->setText(QDir::toNativeSeparators(path));
    model_->clear();
    model_->setHorizontalHeaderLabels({tr("Field"), tr("Label"), tr("From"), tr("To")});
    refusals_->clear();
    refusals_->hide();
    preview_->show();
    apply_->setEnabled(false);
    format_ = path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive) ? TableFormat::Tsv : TableFormat::Csv;
    if (!document_.isLoaded()) {
        summary_->setText(tr("Load a plane data file first: the table is read onto its fields."));
        return;
    }
    QList<FieldDifference> changes;
    QStringList refused;
    const bool ran = document_.guarded([&] {
        text_ = datafile::readRegularFile(path, PatchFileLimit, tr("a table is at most 256 MB"));
        // Worked out on a copy: the preview changes nothing.
        datafile::DataFile copy = datafile::DataFile::fromBytes(document_.file().toBytes(false), false);
        try {
            importTable(copy, text_, format_);
        } catch (const TableHeaderError &e) {
            refused << e.message;
            return;
        } catch (const TableRefusal &e) {
            refused = e.refusals;
            if (e.total > e.refusals.size())
                refused << tr("%1 more refused cells").arg(e.total - e.refusals.size());
            return;
        }
        changes = diffFiles(document_.file(), copy);
        for (qsizetype i = 0; i < changes.size() && i < PreviewChanges; ++i) {
            const FieldDifference &d = changes[i];
            QList<QStandardItem *> row;
            for (const QString &cell : {d.path, listedLabel(document_, d.path, d.label), fieldText(document_.file(), d.path, d.from), fieldText(copy, d.path, d.to)})
                row << new QStandardItem(cell);
            model_->appendRow(row);
        }
    });
    if (!ran) {
        summary_->setText(tr("The table could not be read."));
        return;
    }
    if (!refused.isEmpty()) {
        summary_->setText(tr("The table is refused: nothing can be imported until these cells are put right."));
        refusals_->addItems(refused);
        refusals_->show();
        preview_->hide(); // the refusals take its room

        return;
    }
    preview_->resizeColumnsToContents();
    if (changes.isEmpty())
        summary_->setText(tr("The file already holds every value of the table: nothing would change."));
    else if (changes.size() > PreviewChanges)
        summary_->setText(tr("%1 fields would change; the first %2 are listed.").arg(changes.size()).arg(PreviewChanges));
    else
        summary_->setText(changes.size() == 1 ? tr("1 field would change.") : tr("%1 fields would change.").arg(changes.size()));
    apply_->setEnabled(!changes.isEmpty());
}

bool ImportTableDialog::apply()
{
    if (!apply_->isEnabled())
        return false;
    int changed = 0;
    // One undo step, whatever the number of fields.
    if (!document_.edit(tr("Import table"), MergeKey::none(), [&] { changed = importTable(document_.file(), text_, format_); }))
        return false;
    applied_ = changed;
    document_.UpdateList1();
    document_.Update1();
    const QString name = QFileInfo(path_).fileName();
    document_.showStatus(changed == 1 ? tr("Imported %1: 1 field changed. Edit > Undo takes the import back.").arg(name)
                                      : tr("Imported %1: %2 fields changed. Edit > Undo takes the import back.").arg(name).arg(changed));
    return true;
}

} // namespace vw::app
