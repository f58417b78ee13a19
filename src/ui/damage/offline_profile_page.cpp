#include "offline_profile_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "ui/common/page_support.h"
#include "core/damage/damage_parts.h"
#include "core/damage/damage_profile.h"
#include "core/damage/offline_profile.h"
#include "core/datafile/number_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace vw::damage {

using app::GridCell;

// StringGrid3's cells: every edit goes to the page's StringGrid3SetEditText.
class ProfileGridModel : public app::NumberGridModel {
public:
    using Edit = std::function<void(int col, int row, const QString &text)>;
    ProfileGridModel(app::EditorDocument &document, Binding binding, Edit edit, QObject *parent)
        : NumberGridModel(document, QStringLiteral("StringGrid3"), std::move(binding), parent), edit_(std::move(edit))
    {
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole || !isActive() || !cell(index.column(), index.row()).editable())
            return false;
        edit_(index.column(), index.row(), value.toString());
        return true;
    }
    void cellChanged(int col, int row) { Q_EMIT dataChanged(index(row, col), index(row, col)); }

private:
    Edit edit_;
};

// StringGrid3 itself: says when a cell's editor opens, so a refused text can
// put back what the cell held then.
class ProfileGridView : public app::NumberGridView {
public:
    using Opened = std::function<void(int col, int row)>;
    ProfileGridView(ProfileGridModel *model, Opened opened, QWidget *parent)
        : NumberGridView(QStringLiteral("StringGrid3"), model, parent), opened_(std::move(opened))
    {
    }

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override
    {
        const bool wasOpen = indexWidget(index) != nullptr;
        const bool editing = NumberGridView::edit(index, trigger, event);
        if (editing && !wasOpen)
            opened_(index.column(), index.row());
        return editing;
    }

private:
    Opened opened_;
};

OfflineProfilePage::OfflineProfilePage(app::EditorDocument &document, QWidget *parent)
    : QWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("OfflineProfilePage"));
    model_ = new ProfileGridModel(
        document,
        [this](int col, int row) {
            static const QString headings[5] = {tr("Part Name"), tr("Damage 1"),
                                                tr("Damage 2"), tr("Armor"),
                                                tr("Modifier")};
            if (row == 0)
                return GridCell::heading(headings[col]);
            if (col == 0)
                return GridCell::heading(partName(row));
            const ProfileSlotView slot(document_.file(), document_.selection().CurrentPlane);
            if (col == ModifierColumn)
                return GridCell::int16(slot.offset() + ProfileSlotView::modifierOffset(row));
            return GridCell::number(slot.offset()
                                    + ProfileSlotView::valueOffset(ProfileSlotView::Column(col - Damage1Column), row));
        },
        [this](int col, int row, const QString &text) { document_.guarded([&] { StringGrid3SetEditText(col, row, text); }); },
        this);
    model_->setShape(5, ProfileSlotView::Parts + 1);
    model_->setFieldNames(tr("Offline Damage Profile")); // "Engine 1, Armor"
    stringGrid3_ = new ProfileGridView(model_, [this](int col, int row) { editorOpened(col, row); }, this);
    stringGrid3_->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid3_->freezeHeadings(true, true);
    // Wide enough for the longest part name and a number of 15 digits.
    stringGrid3_->verticalHeader()->setFixedWidth(150);
    for (int c = 1; c < 5; ++c)
        stringGrid3_->setColumnWidth(c, c == ModifierColumn ? 70 : 110);
    stringGrid3_->setFixedWidth(150 + 3 * 110 + 70 + 2 * stringGrid3_->frameWidth()
                                + stringGrid3_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);

    auto *stats = new QVBoxLayout;
    auto *title = new QLabel(tr("Basic Stats:"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    averageHp_ = app::named<QLabel>("AverageHp", this);
    averageArmor_ = app::named<QLabel>("AverageArmor", this);
    // The figures wrap rather than widen the page past the window (longer texts in Russian).
    for (QLabel *figure : {averageHp_, averageArmor_})
        figure->setWordWrap(true);
    stats->addWidget(title);
    stats->addWidget(averageHp_);
    stats->addWidget(averageArmor_);
    stats->addStretch();

    auto *columns = new QHBoxLayout(this);
    columns->addWidget(stringGrid3_);
    columns->addSpacing(12);
    columns->addLayout(stats);
    columns->addStretch();
}

void OfflineProfilePage::UpdateOfflineDmg()
{
    const bool exists = ProfileSlotView(document_.file(), document_.selection().CurrentPlane).exists();
    model_->setActive(exists);
    model_->reload();
    stringGrid3_->setEnabled(exists);
    showAverages();
}

void OfflineProfilePage::showAverages()
{
    const int plane = document_.selection().CurrentPlane;
    QString hp, armor;
    if (ProfileSlotView(document_.file(), plane).exists()) {
        const ProfileFigures figures = profileFigures(document_.file(), plane);
        hp = datafile::formatNumber(figures.averageHp, document_.decimalSeparator());
        armor = datafile::formatNumber(figures.averageArmor, document_.decimalSeparator());
    }
    averageHp_->setText(tr("Average HP: ") + hp);
    averageArmor_->setText(tr("Average Armor: ") + armor);
}

void OfflineProfilePage::editorOpened(int col, int row)
{
    opened_.reset();
    const int plane = document_.selection().CurrentPlane;
    const ProfileSlotView slot(document_.file(), plane);
    if (col == ModifierColumn && slot.exists())
        opened_ = OpenedModifier{plane, row, slot.modifier(row)};
}

void OfflineProfilePage::StringGrid3SetEditText(int col, int row, const QString &text)
{
    if (document_.refreshing())
        return;
    const int plane = document_.selection().CurrentPlane;
    const QChar separator = document_.decimalSeparator();
    QString problem;
    const bool stored = document_.edit(
        model_->fieldName(col, row), app::MergeKey::forCell(QStringLiteral("StringGrid3"), plane, col, row),
        [&] {
            try {
                editProfileCell(document_.file(), plane, col, row, text, separator);
            } catch (const datafile::FormatError &) {
                if (col != ModifierColumn)
                    throw;
                // Refused: the cell goes back to what it held when its editor
                // opened, not to what the previous keystroke stored.
                ProfileSlot slot(document_.file(), plane);
                const int before = opened_ && opened_->plane == plane && opened_->row == row ? opened_->value
                                                                                             : slot.modifier(row);
                slot.setModifier(row, std::int16_t(before));
                problem = tr("Modifier: %1 is outside -32768..32767 and was not stored; the cell keeps %2.")
                              .arg(text.trimmed())
                              .arg(before);
            }
        });
    if (stored && problem.isEmpty())
        problem = app::numberInputProblem(model_->fieldName(col, row), text, separator,
                                          model_->data(model_->index(row, col), Qt::DisplayRole).toString());
    QWidget *editor = stringGrid3_->indexWidget(model_->index(row, col));
    app::markInput(document_, editor ? editor : stringGrid3_, problem);
    model_->cellChanged(col, row);
    showAverages();
}

} // namespace vw::damage
