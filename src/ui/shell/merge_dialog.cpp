#include "merge_dialog.h"

#include "ui/common/editor_document.h"
#include "ui/common/prompter_dialog.h"
#include "ui/shell/table_dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vw::app {

namespace {

QString layoutText(int layout)
{
    switch (layout) {
    case 0:
        return MergeDialog::tr("1 - Original format");
    case 1:
        return MergeDialog::tr("2 - Openhall plane format (128)");
    default:
        return MergeDialog::tr("3 - Openhall plane format (256)");
    }
}

// A conflict stands out from the changes only THEIRS made.
const QColor ConflictColour(255, 224, 214);

} // namespace

MergeDialog::MergeDialog(EditorDocument &document, const QString &directory, QWidget *parent)
    : QDialog(parent), document_(document), directory_(directory)
{
    setObjectName(QStringLiteral("MergeDialog"));
    setWindowTitle(tr("Merge changes from"));
    resize(1080, 680);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("The open file is \"ours\". The changes the other file (\"theirs\") made to the base "
                                "file they both started from are merged into it; where both changed a field "
                                "differently, you choose the side."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    const auto pathRow = [&](const QString &label, const char *name, const char *button, const QString &title) {
        auto *row = new QHBoxLayout;
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        auto *browse = new QPushButton(tr("Choose..."), this);
        browse->setObjectName(QLatin1String(button));
        row->addWidget(edit, 1);
        row->addWidget(browse);
        auto *caption = new QLabel(label, this);
        caption->setBuddy(edit);
        form->addRow(caption, row);
        connect(browse, &QPushButton::clicked, this, [this, edit, title] { choose(edit, title); });
        connect(edit, &QLineEdit::returnPressed, this, &MergeDialog::listChanges);
        return edit;
    };
    basePath_ = pathRow(tr("&Base file:"), "MergeBasePath", "ChooseMergeBase", tr("The base file"));
    theirsPath_ = pathRow(tr("&Their file:"), "MergeTheirsPath", "ChooseMergeTheirs", tr("Their file"));
    layout->addLayout(form);
    auto *actions = new QHBoxLayout;
    auto *list = new QPushButton(tr("&List changes"), this);
    list->setObjectName(QStringLiteral("ListMergeChanges"));
    allOurs_ = new QPushButton(tr("All &ours"), this);
    allOurs_->setObjectName(QStringLiteral("MergeAllOurs"));
    allTheirs_ = new QPushButton(tr("All t&heirs"), this);
    allTheirs_->setObjectName(QStringLiteral("MergeAllTheirs"));
    actions->addWidget(list);
    actions->addStretch();
    actions->addWidget(allOurs_);
    actions->addWidget(allTheirs_);
    layout->addLayout(actions);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("MergeSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);
    model_ = new QStandardItemModel(0, 7, this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("MergeChanges"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(view_, 1);
    auto *box = new QDialogButtonBox(this);
    apply_ = box->addButton(tr("&Apply"), QDialogButtonBox::ActionRole);
    apply_->setObjectName(QStringLiteral("ApplyMerge"));
    box->addButton(QDialogButtonBox::Close);
    layout->addWidget(box);
    clear(tr("Choose the base file and their file, then List changes."));
    // Enter in a file's name lists the changes; it must not apply them as well.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    connect(list, &QPushButton::clicked, this, &MergeDialog::listChanges);
    connect(allOurs_, &QPushButton::clicked, this, [this] { takeAll(false); });
    connect(allTheirs_, &QPushButton::clicked, this, [this] { takeAll(true); });
    // The check box of a row is its choice: checked takes their value.
    connect(model_, &QStandardItemModel::itemChanged, this, [](QStandardItem *item) {
        if (item->column() == TakeColumn)
            item->setText(item->checkState() == Qt::Checked ? MergeDialog::tr("theirs") : MergeDialog::tr("ours"));
    });
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    connect(box, &QDialogButtonBox::rejected, this, &MergeDialog::reject);
}

void MergeDialog::choose(QLineEdit *edit, const QString &title)
{
    const QString chosen = document_.prompter().openFileName(this, title, directory_, edit->text(), configDialogFilter());
    if (chosen.isEmpty())
        return;
    edit->setText(chosen);
    if (!basePath_->text().trimmed().isEmpty() && !theirsPath_->text().trimmed().isEmpty())
        listChanges();
}

void MergeDialog::clear(const QString &why)
{
    rows_.clear();
    model_->clear();
    model_->setHorizontalHeaderLabels({tr("Take"), tr("Change"), tr("Field"), tr("Label"), tr("Base"), tr("Ours"), tr("Theirs")});
    summary_->setText(why);
    apply_->setEnabled(false);
    allOurs_->setEnabled(false);
    allTheirs_->setEnabled(false);
}

bool MergeDialog::listChanges()
{
    if (!document_.isLoaded()) {
        clear(tr("Load a plane data file first: the changes are merged into it."));
        return false;
    }
    const QString basePath = basePath_->text().trimmed(), theirsPath = theirsPath_->text().trimmed();
    if (basePath.isEmpty() || theirsPath.isEmpty()) {
        clear(tr("Choose the base file and their file, then List changes."));
        return false;
    }
    const datafile::DataFile &ours = document_.file();
    QString refusal;
    try {
        base_ = datafile::DataFile::ReadCfg(basePath, true);
        theirs_ = datafile::DataFile::ReadCfg(theirsPath, true);
        for (const auto &[path, file] : {std::pair{basePath, &base_}, std::pair{theirsPath, &theirs_}})
            if (file->FileLayout() != ours.FileLayout() && refusal.isEmpty())
                refusal = tr("%1 cannot be merged: it is of layout %2 and the open file of layout %3; files of "
                             "different layouts cannot be merged.")
                              .arg(QDir::toNativeSeparators(path), layoutText(file->FileLayout()), layoutText(ours.FileLayout()));
        if (refusal.isEmpty())
            rows_ = mergeChanges(base_, ours, theirs_);
    } catch (const std::exception &e) {
        refusal = tr("The files could not be merged.") + QLatin1Char(' ') + EditorDocument::describe(e);
    }
    if (!refusal.isEmpty()) {
        clear(refusal);
        return false;
    }
    const QList<MergeChange> listed = rows_;
    clear(QString());
    rows_ = listed;
    listedRevision_ = ours.revision();
    int conflicts = 0;
    const QSignalBlocker blocker(model_);
    for (const MergeChange &c : rows_) {
        auto *take = new QStandardItem;
        take->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | (c.takeable ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
        const bool theirs = c.takeable && !c.conflict;
        take->setCheckState(theirs ? Qt::Checked : Qt::Unchecked);
        take->setText(theirs ? tr("theirs") : tr("ours"));
        if (!c.takeable)
            take->setToolTip(tr("The open file keeps its own: a plane, record or damage map is not added or taken away by a merge."));
        QList<QStandardItem *> row{take, new QStandardItem(c.conflict ? tr("conflict") : tr("theirs changed"))};
        for (const QString &cell : {c.field.path, listedLabel(document_, c.field.path, c.field.label), QString::fromUtf8(c.field.base),
                                    QString::fromUtf8(c.field.ours), QString::fromUtf8(c.field.theirs)})
            row << new QStandardItem(cell);
        if (c.conflict) {
            ++conflicts;
            QFont bold = view_->font();
            bold.setBold(true);
            row[KindColumn]->setFont(bold);
            for (QStandardItem *item : row)
                item->setBackground(ConflictColour);
        }
        model_->appendRow(row);
    }
    view_->resizeColumnsToContents();
    const int incoming = int(rows_.size()) - conflicts;
    if (rows_.isEmpty())
        summary_->setText(tr("Their file made no change that the open file does not hold already: nothing to merge."));
    else
        summary_->setText(tr("%1 changes of theirs and %2 conflicts. A checked row takes their value; conflicts keep "
                             "ours until you check them.")
                              .arg(incoming)
                              .arg(conflicts));
    apply_->setEnabled(!rows_.isEmpty());
    allOurs_->setEnabled(!rows_.isEmpty());
    allTheirs_->setEnabled(!rows_.isEmpty());
    return true;
}

bool MergeDialog::takesTheirs(int row) const { return model_->item(row, TakeColumn)->checkState() == Qt::Checked; }

void MergeDialog::setTakeTheirs(int row, bool theirs)
{
    QStandardItem *item = model_->item(row, TakeColumn);
    if (item->flags() & Qt::ItemIsUserCheckable)
        item->setCheckState(theirs ? Qt::Checked : Qt::Unchecked);
}

void MergeDialog::takeAll(bool theirs)
{
    for (int r = 0; r < model_->rowCount(); ++r)
        setTakeTheirs(r, theirs);
}

bool MergeDialog::apply()
{
    if (rows_.isEmpty() || !document_.isLoaded())
        return false;
    if (document_.file().revision() != listedRevision_) {
        // The open file changed since the list was made: the list is made again first.
        listChanges();
        return false;
    }
    QHash<QString, bool> chosen;
    for (int r = 0; r < rowCount(); ++r)
        chosen.insert(rows_[r].field.path, takesTheirs(r));
    int taken = 0;
    // One undo step: the merge writes into the open file, reading OURS from a copy of it.
    const bool done = document_.edit(tr("Merge changes"), MergeKey::none(), [&] {
        const datafile::DataFile ours = datafile::DataFile::fromBytes(document_.file().toBytes(false), false);
        taken = mergeWithChoices(base_, ours, theirs_, document_.file(), chosen);
    });
    if (!done)
        return false;
    document_.UpdateList1();
    document_.Update1();
    const QString name = QFileInfo(theirsPath_->text().trimmed()).fileName();
    document_.showStatus(taken == 1 ? tr("Merged from %1: 1 field took their value. Edit > Undo takes the merge back.").arg(name)
                                    : tr("Merged from %1: %2 fields took their value. Edit > Undo takes the merge back.")
                                          .arg(name)
                                          .arg(taken));
    return true;
}

} // namespace vw::app
