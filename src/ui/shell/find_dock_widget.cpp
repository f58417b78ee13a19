#include "find_dock_widget.h"

#include "ui/common/editor_document.h"
#include "core/flightmodel/plane_header.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <QMap>

namespace vw::app {

namespace {

// A fault's report in a label: in a fixed-width font, so that the caret stands under its place.
void showProblem(QLabel *label, const QString &text)
{
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// The most changes a preview lists; Apply changes them all.
constexpr int PreviewRows = 5000;

} // namespace

FieldChooser::FieldChooser(const QStringList &operators, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("FieldFilter"));
    filter_->setPlaceholderText(tr("Type a label or a key to find a field"));
    filter_->setClearButtonEnabled(true);
    layout->addWidget(filter_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("FieldTree"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({tr("Field"), tr("Label")});
    tree_->setUniformRowHeights(true);
    // The catalogue by the part that holds each field.
    QMap<QString, QTreeWidgetItem *> parts;
    for (const fields::Pattern &p : fields::patterns()) {
        const qsizetype dot = p.pattern.lastIndexOf(QLatin1Char('.'));
        const QString part = dot < 0 ? QString() : p.pattern.left(dot);
        QTreeWidgetItem *&group = parts[part];
        if (!group) {
            group = new QTreeWidgetItem(tree_, {part.isEmpty() ? tr("(document)") : part});
            group->setFlags(Qt::ItemIsEnabled);
        }
        auto *item = new QTreeWidgetItem(group, {p.pattern.mid(dot + 1), p.label ? fields::labelText(*p.leaf) : QString()});
        if (!p.leaf->label && p.label)
            item->setText(1, QCoreApplication::translate("vw::fields", p.label));
        item->setData(0, Qt::UserRole, p.pattern);
        item->setToolTip(0, p.pattern);
    }
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    layout->addWidget(tree_, 1);
    auto *row = new QHBoxLayout;
    pattern_ = new QLineEdit(this);
    pattern_->setObjectName(QStringLiteral("FieldPattern"));
    pattern_->setPlaceholderText(tr("planes[*].weapons.configurations[*].weapons[*].ammo"));
    operator_ = new QComboBox(this);
    operator_->setObjectName(QStringLiteral("FieldOperator"));
    operator_->addItems(operators);
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("FieldValue"));
    value_->setPlaceholderText(tr("a number, a \"text\" or a field"));
    row->addWidget(pattern_, 3);
    row->addWidget(operator_);
    row->addWidget(value_, 1);
    layout->addLayout(row);
    connect(filter_, &QLineEdit::textChanged, this, &FieldChooser::filter);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item && item->data(0, Qt::UserRole).isValid())
            pattern_->setText(item->data(0, Qt::UserRole).toString());
    });
    connect(value_, &QLineEdit::returnPressed, this, &FieldChooser::activated);
}

void FieldChooser::filter(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = tree_->topLevelItem(g);
        bool any = false;
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem *item = group->child(i);
            const bool shown = wanted.isEmpty() || item->text(1).contains(wanted, Qt::CaseInsensitive)
                               || item->data(0, Qt::UserRole).toString().contains(wanted, Qt::CaseInsensitive);
            item->setHidden(!shown);
            any = any || shown;
        }
        group->setHidden(!any);
        group->setExpanded(any && !wanted.isEmpty());
    }
}

void FieldChooser::setPattern(const QString &pattern) { pattern_->setText(pattern); }

QString FieldChooser::expression() const
{
    QString value = value_->text().trimmed();
    // A text field's value typed without its quotes is still a text.
    try {
        const fields::FieldPath path = fields::parsePath(pattern_->text().trimmed());
        const fields::Kind kind = path.leaf()->kind;
        if ((kind == fields::Kind::Text || kind == fields::Kind::Bytes) && !value.startsWith(QLatin1Char('"'))
            && !value.startsWith(QLatin1String("planes")) && !value.startsWith(QLatin1String("ammunition"))
            && !value.startsWith(QLatin1String("wings")))
            value = QLatin1Char('"') + QString(value).replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\"")) + QLatin1Char('"');
    } catch (const fields::PathError &) {
        // The fault is reported when the expression is read.
    }
    return pattern_->text().trimmed() + QLatin1Char(' ') + operator_->currentText() + QLatin1Char(' ') + value;
}

FindDialog::FindDialog(const QStringList &conditions, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(tr("Find in planes"));
    resize(720, 560);
    auto *layout = new QVBoxLayout(this);
    chooser_ = new FieldChooser({QStringLiteral("=="), QStringLiteral("!="), QStringLiteral("<"), QStringLiteral("<="),
                                 QStringLiteral(">"), QStringLiteral(">="), QStringLiteral("~")},
                                this);
    layout->addWidget(chooser_, 1);
    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("&Add condition"), this);
    add->setObjectName(QStringLiteral("AddCondition"));
    auto *remove = new QPushButton(tr("&Remove condition"), this);
    remove->setObjectName(QStringLiteral("RemoveCondition"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
    auto *hint = new QLabel(tr("The fields found are those of the first condition's pattern for which every condition "
                               "holds; wildcards at the same place of two patterns stand for the same index."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ConditionList"));
    list_->setMaximumHeight(110);
    for (const QString &c : conditions) {
        auto *item = new QListWidgetItem(c, list_);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    layout->addWidget(list_);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("FindProblem"));
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problem_->hide();
    layout->addWidget(problem_);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setText(tr("&Find"));
    layout->addWidget(box);
    connect(add, &QPushButton::clicked, this, &FindDialog::addCondition);
    connect(chooser_, &FieldChooser::activated, this, &FindDialog::addCondition);
    connect(remove, &QPushButton::clicked, this, [this] { delete list_->currentItem(); });
    connect(box, &QDialogButtonBox::accepted, this, &FindDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &FindDialog::reject);
}

void FindDialog::addCondition()
{
    if (chooser_->patternEdit()->text().trimmed().isEmpty())
        return;
    auto *item = new QListWidgetItem(chooser_->expression(), list_);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    chooser_->valueEdit()->clear();
}

QStringList FindDialog::conditions() const
{
    QStringList out;
    for (int i = 0; i < list_->count(); ++i)
        if (!list_->item(i)->text().trimmed().isEmpty())
            out << list_->item(i)->text();
    return out;
}

void FindDialog::accept()
{
    // A condition still in the chooser counts as one.
    if (list_->count() == 0)
        addCondition();
    const QStringList texts = conditions();
    if (texts.isEmpty()) {
        showProblem(problem_, tr("Choose a field, an operator and a value, then Add condition."));
        return;
    }
    for (const QString &t : texts) {
        try {
            parseCondition(t);
        } catch (const ExpressionError &e) {
            showProblem(problem_, errorReport(e));
            return;
        }
    }
    QDialog::accept();
}

FindDock::FindDock(EditorDocument &document, const QList<Condition> &conditions, Chooser choose, QWidget *parent)
    : QDockWidget(parent), document_(document), conditions_(conditions), choose_(std::move(choose))
{
    setObjectName(QStringLiteral("FindDock"));
    setWindowTitle(tr("Found fields"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 2, 4, 4);
    auto *top = new QHBoxLayout;
    count_ = new QLabel(content);
    count_->setObjectName(QStringLiteral("FindCount"));
    QStringList texts;
    for (const Condition &c : conditions)
        texts << c.text;
    count_->setToolTip(texts.join(QLatin1Char('\n')));
    auto *change = new QPushButton(tr("&Change found fields..."), content);
    change->setObjectName(QStringLiteral("ChangeFound"));
    top->addWidget(count_, 1);
    top->addWidget(change);
    layout->addLayout(top);
    results_ = new QTreeWidget(content);
    results_->setObjectName(QStringLiteral("FindResults"));
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setColumnCount(4);
    results_->setHeaderLabels({tr("Field"), tr("Plane"), tr("Label"), tr("Value")});
    layout->addWidget(results_, 1);
    setWidget(content);
    connect(change, &QPushButton::clicked, this, &FindDock::changeRequested);
    connect(results_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const int row = results_->indexOfTopLevelItem(item);
        if (row >= 0 && std::size_t(row) < found_.size() && choose_)
            choose_(conditions_.first().path, found_[std::size_t(row)]);
    });
    // Found again whenever the file changes: an edit, an undo or redo, another file.
    connect(document_.undoStack(), &QUndoStack::indexChanged, this, &FindDock::refresh);
    connect(&document_, &EditorDocument::fileReplaced, this, &FindDock::refresh);
    connect(&document_, &EditorDocument::historyReplayed, this, &FindDock::refresh);
    refresh();
}

void FindDock::refresh()
{
    const datafile::DataFile &file = document_.file();
    found_.clear();
    const int current = results_->currentIndex().row();
    results_->clear();
    if (!file.isLoaded() || conditions_.isEmpty())
        return;
    const fields::FieldPath &path = conditions_.first().path;
    QList<QTreeWidgetItem *> items;
    document_.guarded([&] {
        findFields(file, conditions_, [&](const fields::Match &m, const fields::Value &v) {
            found_.push_back(m);
            QString plane;
            if (m.at.plane > 0) {
                const flightmodel::PlaneHeaderView header(file, m.at.plane);
                plane = QString::number(m.at.plane);
                if (header.exists())
                    plane += QLatin1Char(' ') + header.text(flightmodel::HeaderText::Name);
            }
            items << new QTreeWidgetItem(
                QStringList{fields::pathText(path, m), plane, fields::fieldLabel(path, m), fields::valueText(*m.leaf, v)});
        });
    });
    results_->addTopLevelItems(items);
    count_->setText(found_.empty() ? tr("No field satisfies the conditions.")
                    : found_.size() == 1 ? tr("1 field found")
                                         : tr("%1 fields found").arg(found_.size()));
    if (current >= 0 && current < results_->topLevelItemCount())
        results_->setCurrentItem(results_->topLevelItem(current));
}

ChangeFieldsDialog::ChangeFieldsDialog(EditorDocument &document, const QList<Condition> &found, QWidget *parent)
    : QDialog(parent), document_(document), found_(found)
{
    setObjectName(QStringLiteral("ChangeFieldsDialog"));
    setWindowTitle(tr("Change found fields"));
    resize(760, 620);
    auto *layout = new QVBoxLayout(this);
    chooser_ = new FieldChooser({QStringLiteral("="), QStringLiteral("+="), QStringLiteral("-="), QStringLiteral("*="),
                                 QStringLiteral("/="), QStringLiteral("min="), QStringLiteral("max=")},
                                this);
    if (!found.isEmpty())
        chooser_->setPattern(found.first().path.text);
    layout->addWidget(chooser_, 1);
    onlyFound_ = new QCheckBox(tr("Only the found fields (the find's conditions must hold)"), this);
    onlyFound_->setObjectName(QStringLiteral("OnlyFound"));
    onlyFound_->setChecked(!found.isEmpty());
    onlyFound_->setEnabled(!found.isEmpty());
    layout->addWidget(onlyFound_);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("ChangeProblem"));
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problem_->hide();
    layout->addWidget(problem_);
    preview_ = new QTableWidget(0, 5, this);
    preview_->setObjectName(QStringLiteral("ChangePreview"));
    preview_->setHorizontalHeaderLabels({tr("Field"), tr("Label"), tr("From"), tr("To"), tr("Clamped")});
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setStretchLastSection(true);
    preview_->verticalHeader()->hide();
    layout->addWidget(preview_, 1);
    auto *box = new QDialogButtonBox(this);
    QPushButton *previewButton = box->addButton(tr("&Preview"), QDialogButtonBox::ActionRole);
    previewButton->setObjectName(QStringLiteral("PreviewChange"));
    QPushButton *applyButton = box->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    applyButton->setObjectName(QStringLiteral("ApplyChange"));
    box->addButton(QDialogButtonBox::Close);
    layout->addWidget(box);
    connect(previewButton, &QPushButton::clicked, this, &ChangeFieldsDialog::showPreview);
    connect(chooser_, &FieldChooser::activated, this, &ChangeFieldsDialog::showPreview);
    connect(applyButton, &QPushButton::clicked, this, [this] {
        if (apply())
            QDialog::accept();
    });
    connect(box, &QDialogButtonBox::rejected, this, &ChangeFieldsDialog::reject);
}

bool ChangeFieldsDialog::parse(Assignment *assignment, QList<Condition> *where)
{
    try {
        *assignment = parseAssignment(chooser_->expression());
    } catch (const ExpressionError &e) {
        showProblem(problem_, errorReport(e));
        return false;
    }
    *where = onlyFound_->isChecked() ? found_ : QList<Condition>{};
    showProblem(problem_, QString());
    return true;
}

bool ChangeFieldsDialog::showPreview()
{
    Assignment a;
    QList<Condition> where;
    if (!parse(&a, &where))
        return false;
    EditOutcome outcome;
    const bool ran = document_.guarded([&] {
        // Worked out on a copy: the preview changes nothing.
        datafile::DataFile copy = document_.file().copy();
        outcome = applyEdit(copy, {a}, where);
    });
    if (!ran)
        return false;
    const fields::Node *leaf = a.path.leaf();
    const int rows = int(std::min<qsizetype>(outcome.changes.size(), PreviewRows));
    preview_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const FieldChange &c = outcome.changes[r];
        const QStringList cells{fields::pathText(a.path, c.field), fields::fieldLabel(a.path, c.field),
                                fields::valueText(*leaf, c.from), fields::valueText(*leaf, c.to),
                                c.clamped ? tr("clamped from %1").arg(c.asked) : QString()};
        for (int col = 0; col < cells.size(); ++col)
            preview_->setItem(r, col, new QTableWidgetItem(cells[col]));
    }
    preview_->resizeColumnsToContents();
    if (outcome.changes.size() > rows)
        showProblem(problem_, tr("%1 fields would change; the first %2 changes are listed.").arg(outcome.changedFields).arg(rows));
    else
        showProblem(problem_, outcome.changedFields == 1 ? tr("1 field would change.")
                                                         : tr("%1 fields would change.").arg(outcome.changedFields));
    return true;
}

bool ChangeFieldsDialog::apply()
{
    Assignment a;
    QList<Condition> where;
    if (!parse(&a, &where))
        return false;
    EditOutcome outcome;
    // One undo step, whatever the number of fields.
    if (!document_.edit(tr("Change found fields"), MergeKey::none(), [&] { outcome = applyEdit(document_.file(), {a}, where); }))
        return false;
    applied_ = outcome.changedFields;
    document_.UpdateList1();
    document_.Update1();
    document_.showStatus(applied_ == 1 ? tr("1 field changed. Edit > Undo takes the change back.")
                                       : tr("%1 fields changed. Edit > Undo takes the change back.").arg(applied_));
    return true;
}

FoundPlace foundPlace(const fields::FieldPath &path, const fields::Match &match)
{
    FoundPlace place;
    place.plane = match.at.plane;
    place.page = fields::document().page.value_or(PageId::Misc);
    std::size_t k = 0;
    for (const fields::Step &s : path.steps) {
        if (s.list) {
            const int number = match.numbers[k++];
            if (s.list->key && QLatin1String(s.list->key) == QLatin1String("configurations"))
                place.config = number;
            else if (s.list->key && QLatin1String(s.list->key) == QLatin1String("weapons"))
                place.weapon = number;
            if (s.list->page)
                place.page = *s.list->page;
        }
        if (s.node->page)
            place.page = *s.node->page;
    }
    if (match.leaf->row)
        place.row = match.leaf->row(match.at);
    return place;
}

} // namespace vw::app
