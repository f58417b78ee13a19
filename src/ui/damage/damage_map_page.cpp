#include "damage_map_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/reference_file.h"
#include "core/workspace/support_files.h"
#include "core/damage/damage_map.h"
#include "ui/damage/damage_map_widget.h"
#include "core/damage/damage_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vw::damage {

using app::connectHandler;
using app::named;

namespace {

QLabel *overMap(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

DamageMapPage::DamageMapPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("DamageMapPage"));

    // The map image in its lowered panel, with the part name at the top-left
    // and the shift buttons at the top-right.
    mapPanel_ = new QFrame(this);
    mapPanel_->setObjectName(QStringLiteral("DamageMapPanel"));
    mapPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mapPanel_->setLineWidth(1);
    mapPanel_->setFixedSize(MapImageSize + 2, MapImageSize + 2);
    image4_ = new DamageMapWidget([this] { return input(); }, mapPanel_);
    image4_->move(1, 1);
    label56_ = overMap(QString(), mapPanel_);
    label56_->setObjectName(QStringLiteral("Label56"));
    label56_->move(4, 3);
    label56_->resize(220, label56_->sizeHint().height());
    noMap_ = overMap(QString(), mapPanel_);
    noMap_->setObjectName(QStringLiteral("NoDamageMap"));
    noMap_->setAlignment(Qt::AlignCenter);
    noMap_->setWordWrap(true);
    noMap_->setGeometry(20, 120, MapImageSize - 40, 80);
    noMap_->hide();

    auto *panel5 = named<QFrame>("Panel5", mapPanel_);
    panel5->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel5_ = panel5;
    auto *arrows = new QHBoxLayout(panel5);
    arrows->setContentsMargins(2, 2, 2, 2);
    arrows->setSpacing(1);
    const struct {
        const char *name;
        Qt::ArrowType arrow;
        const char *tip;
        void (DamageMapPage::*handler)();
    } shifts[] = {
        {"SpeedButton7", Qt::UpArrow, QT_TR_NOOP("Shift the level up one cell (the top row comes round to the bottom)"),
         &DamageMapPage::SpeedButton7Click},
        {"SpeedButton8", Qt::DownArrow, QT_TR_NOOP("Shift the level down one cell (the bottom row comes round to the top)"),
         &DamageMapPage::SpeedButton8Click},
        {"SpeedButton9", Qt::LeftArrow, QT_TR_NOOP("Shift the level left one cell (the left column comes round to the right)"),
         &DamageMapPage::SpeedButton9Click},
        {"SpeedButton10", Qt::RightArrow, QT_TR_NOOP("Shift the level right one cell (the right column comes round to the left)"),
         &DamageMapPage::SpeedButton10Click},
    };
    for (const auto &s : shifts) {
        auto *button = named<QToolButton>(s.name, panel5_);
        button->setArrowType(s.arrow);
        button->setToolTip(tr(s.tip));
        button->setFixedSize(20, 20);
        arrows->addWidget(button);
        connectHandler(document_, button, &QToolButton::clicked, this, s.handler);
    }
    panel5_->adjustSize();
    panel5_->move(mapPanel_->width() - panel5_->width() - 3, 3);

    auto *hint = new QLabel(tr("Select Part from list and Double Click on map to place it..."), this);
    speedButton2_ = named<QToolButton>("SpeedButton2", this);
    speedButton2_->setText(tr("Undo Last Change"));
    speedButton2_->setEnabled(false);

    auto *mapColumn = new QVBoxLayout;
    mapColumn->addWidget(hint);
    mapColumn->addWidget(mapPanel_);
    mapColumn->addWidget(speedButton2_, 0, Qt::AlignLeft);
    mapColumn->addStretch();

    // View switch and level list.
    checkBox2_ = named<QCheckBox>("CheckBox2", this);
    checkBox2_->setText(tr("Show 3D"));
    checkBox2_->setChecked(true);
    auto *viewRow = new QHBoxLayout;
    viewRow->addWidget(checkBox2_);
    viewRow->addWidget(new QLabel(tr("Uncheck to edit"), this));
    viewRow->addStretch();

    listBox4_ = named<QListWidget>("ListBox4", this);
    listBox4_->addItems(app::damageLevelNames(true));
    listBox4_->setCurrentRow(0);
    listBox4_->setFixedSize(150, 8 * listBox4_->sizeHintForRow(0) + 2 * listBox4_->frameWidth());
    auto *arrow = new QLabel(QStringLiteral("\u2192"), this);
    QFont arrowFont = arrow->font();
    arrowFont.setPointSize(arrowFont.pointSize() + 8);
    arrowFont.setBold(true);
    arrow->setFont(arrowFont);
    auto *levelRow = new QHBoxLayout;
    levelRow->addWidget(arrow, 0, Qt::AlignTop);
    levelRow->addWidget(listBox4_, 0, Qt::AlignTop);
    levelRow->addStretch();

    auto *levelColumn = new QVBoxLayout;
    levelColumn->addLayout(viewRow);
    levelColumn->addSpacing(12);
    levelColumn->addWidget(new QLabel(tr("Current level (1-8)"), this));
    levelColumn->addLayout(levelRow);
    levelColumn->addStretch();

    // The parts catalogue: the list index is the part number a placement writes.
    listBox5_ = named<QListWidget>("ListBox5", this);
    listBox5_->addItems(app::damagePartNames(true));
    listBox5_->setFixedWidth(170);
    auto *catalogueColumn = new QVBoxLayout;
    catalogueColumn->addWidget(new QLabel(tr("Parts Catalog"), this));
    catalogueColumn->addWidget(listBox5_, 1);

    auto *columns = new QHBoxLayout(this);
    columns->addLayout(mapColumn);
    columns->addSpacing(8);
    columns->addLayout(levelColumn);
    columns->addLayout(catalogueColumn);
    columns->addStretch();

    connectHandler(document_, image4_, &DamageMapWidget::pressed, this, &DamageMapPage::Image4MouseDown);
    connectHandler(document_, image4_, &DamageMapWidget::moved, this, &DamageMapPage::Image4MouseMove);
    connectHandler(document_, image4_, &DamageMapWidget::doubleClicked, this, &DamageMapPage::Image4DblClick);
    connectHandler(document_, listBox4_, &QListWidget::currentRowChanged, this, &DamageMapPage::ListBox4Click);
    connectHandler(document_, checkBox2_, &QCheckBox::clicked, this, &DamageMapPage::CheckBox2Click);
    connectHandler(document_, speedButton2_, &QToolButton::clicked, this, &DamageMapPage::SpeedButton2Click);
    // The undo list speaks of the file it was made on.
    connect(&document_, &app::EditorDocument::fileReplaced, this, [this] {
        undo_.clear();
        speedButton2_->setEnabled(false);
    });

    CheckBox2Click(true);
}

DamageMapInput DamageMapPage::input() const
{
    DamageMapInput in = damageMapInput(document_.file(), document_.selection().CurrentPlane, level_, cursor_);
    if (referenceMap_ && in.hasMap())
        in.reference = referenceMap_(document_.selection().CurrentPlane);
    return in;
}

void DamageMapPage::setReferenceMap(ReferenceMap map)
{
    referenceMap_ = std::move(map);
    ReDrawMap();
}

void DamageMapPage::ReDrawMap()
{
    const int plane = document_.selection().CurrentPlane;
    const bool hasMap = DamageMapView(document_.file(), plane).exists();
    noMap_->setText(hasMap ? QString() : tr("Plane %1 has no damage map.").arg(plane));
    noMap_->setVisible(!hasMap);
    if (!hasMap)
        label56_->clear();
    speedButton2_->setEnabled(!undo_.isEmpty());
    image4_->update();
}

bool DamageMapPage::mapToEdit()
{
    const int plane = document_.selection().CurrentPlane;
    if (DamageMapView(document_.file(), plane).exists())
        return true;
    document_.showStatus(
        tr("Plane %1 has no damage map: there is nothing to place, shift or undo on it.").arg(plane));
    return false;
}

void DamageMapPage::Image4MouseDown(QPoint pixel)
{
    if (const std::optional<QPoint> cell = cellUnder(pixel)) {
        cursor_ = *cell;
        ReDrawMap();
    }
}

void DamageMapPage::Image4MouseMove(QPoint pixel)
{
    const DamageMapInput in = input();
    label56_->setText(hoverText(in, pixel));
    const std::optional<QString> reference = referenceHoverText(in, pixel);
    image4_->setToolTip(reference ? app::referenceToolTip(*reference) : QString());
}

void DamageMapPage::Image4DblClick(QPoint pixel)
{
    // The first press of the double-click has put the cursor on this cell.
    Image4MouseDown(pixel);
    const QList<QListWidgetItem *> chosen = listBox5_->selectedItems();
    if (chosen.isEmpty()) {
        document_.showStatus(tr("Select a part in the Parts Catalog, then double-click the map to place it."));
        return;
    }
    if (!mapToEdit())
        return;
    const int part = listBox5_->row(chosen.first());
    const int plane = document_.selection().CurrentPlane;
    const QPoint at = cursor_;
    if (document_.edit(tr("Place ") + partName(part), app::MergeKey::none(),
                       [&] { placePart(document_.file(), undo_, plane, level_, at, part); }))
        document_.showStatus(tr("%1 placed at column %2, row %3 of level %4.")
                                 .arg(partName(part))
                                 .arg(at.x() + 1)
                                 .arg(at.y() + 1)
                                 .arg(level_ + 1));
    ReDrawMap();
}

void DamageMapPage::ListBox4Click(int row)
{
    if (row < 0)
        return;
    level_ = row;
    ReDrawMap();
}

void DamageMapPage::CheckBox2Click(bool checked)
{
    // The 3D view shows all levels and takes no edits.
    image4_->setThreeD(checked);
    for (QWidget *w : std::initializer_list<QWidget *>{image4_, listBox4_, listBox5_})
        w->setEnabled(!checked);
    panel5_->setVisible(!checked);
    label56_->clear();
    ReDrawMap();
}

void DamageMapPage::shift(ShiftDirection direction)
{
    if (!mapToEdit())
        return;
    static const QString names[] = {tr("up"), tr("down"), tr("left"),
                                    tr("right")};
    const QString where = names[int(direction)];
    const int plane = document_.selection().CurrentPlane;
    const int before = undo_.count();
    bool moved = false;
    if (document_.edit(tr("Shift level ") + where, app::MergeKey::none(),
                       [&] { moved = shiftLevel(document_.file(), plane, level_, direction, &undo_); })) {
        QString status = moved ? tr("Level %1 shifted %2.").arg(level_ + 1).arg(where)
                               : tr("Level %1 looks the same shifted %2: nothing changed.").arg(level_ + 1).arg(where);
        if (undo_.count() < before)
            status += tr(" Its placements on this plane can no longer be undone with \"Undo Last Change\".");
        document_.showStatus(status);
    }
    ReDrawMap();
}

void DamageMapPage::SpeedButton2Click()
{
    if (undo_.isEmpty())
        return;
    std::optional<MapUndoEntry> entry;
    const bool done = document_.edit(tr("Undo Last Change"), app::MergeKey::none(),
                                     [&] { entry = undo_.ReadMapUndo(document_.file()); });
    if (!done || !entry) {
        ReDrawMap();
        return;
    }
    // The change is shown where it was made: its level, its cell and its plane.
    level_ = entry->level;
    listBox4_->setCurrentRow(level_);
    cursor_ = entry->cursor();
    app::Selection &selection = document_.selection();
    if (entry->plane == selection.CurrentPlane) {
        document_.Update2();
        return;
    }
    document_.makePlaneCurrent(entry->plane);
}

} // namespace vw::damage
