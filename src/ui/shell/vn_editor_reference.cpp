#include "vn_editor.h"

#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "ui/common/reference_file.h"
#include "ui/damage/damage_map_page.h"
#include "core/damage/damage_map.h"
#include "ui/shell/find_dock_widget.h"
#include "ui/weapons/more_weapons_dialog.h"
#include "core/operations/plane_merge.h"
#include "core/planedata/field_table.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QBoxLayout>
#include <QStatusBar>
#include <QTreeWidget>

// The reference file: a second plane data file, read only, whose values
// every page shows beside the open file's (marked fields, the count of
// differences in the status bar) and which the fields can be reverted to.

namespace vw::app {

namespace {

const QString ReferencesKey = QStringLiteral("references");

} // namespace

void VNEditor::buildReference()
{
    reference_ = new ReferenceFile(*document_, this);
    reference_->setObjectName(QStringLiteral("ReferenceFile"));
    // Last: the marks follow what every page has shown.
    document_->registerView(reference_);
    referenceStatus_ = new QLabel(this);
    referenceStatus_->setObjectName(QStringLiteral("ReferenceStatus"));
    referenceStatus_->hide();
    statusBar()->addPermanentWidget(referenceStatus_);
    connect(reference_, &ReferenceFile::changed, this, &VNEditor::updateReferenceStatus);

    // The fields the pages show, by the documented names of their widgets, as
    // canonical paths of the current plane, configuration and weapon.
    const auto plane = [this] { return QStringLiteral("planes[%1].").arg(selection().CurrentPlane); };
    const auto weapon = [this] {
        const Selection &s = selection();
        return QStringLiteral("planes[%1].weapons.configurations[%2].weapons[%3].")
            .arg(s.CurrentPlane)
            .arg(s.CurrentConfig)
            .arg(s.CurrentWeapon);
    };
    const auto add = [this](QWidget *root, const char *name, ReferenceFile::PathOf path) {
        if (auto *widget = root ? root->findChild<QWidget *>(QLatin1String(name)) : nullptr)
            reference_->addField(widget, std::move(path));
    };
    const auto planeField = [&](QWidget *root, const char *name, const char *key) {
        add(root, name, [plane, key] { return plane() + QLatin1String(key); });
    };
    const auto weaponField = [&](QWidget *root, const char *name, const char *key) {
        add(root, name, [weapon, key] { return weapon() + QLatin1String(key); });
    };
    const PageRegistry &pages = document_->pages();
    QWidget *weaponsPage = pages.page(PageId::Weapons);
    add(weaponsPage, "Edit1", [this] {
        return QStringLiteral("planes[%1].weapons.configurations[%2].name").arg(selection().CurrentPlane).arg(selection().CurrentConfig);
    });
    planeField(weaponsPage, "SpinEdit3", "weapons.config_count");
    add(weaponsPage, "SpinEdit2", [this] {
        return QStringLiteral("planes[%1].weapons.configurations[%2].weapon_count").arg(selection().CurrentPlane).arg(selection().CurrentConfig);
    });
    for (const auto &[name, key] : {std::pair{"ComboBox1", "ammo_type"}, {"ComboBox8", "group"}, {"Edit2", "ammo"},
                                    {"Edit19", "heavy_ammo"}, {"Edit7", "bursts"}, {"Edit18", "deviation"}})
        weaponField(weaponsPage, name, key);
    for (const auto &[name, key] :
         {std::pair{"ComboBox1", "ammo_type"}, {"ComboBox2", "graphics"}, {"ComboBox3", "vertical_control"},
          {"ComboBox4", "horizontal_control"}, {"ComboBox5", "damage_part"}, {"Edit1", "position_x"},
          {"Edit3", "position_y"}, {"Edit2", "position_z"}, {"Edit4", "fire_delay"}, {"Edit6", "tracer_count"},
          {"Edit7", "stored_key"}, {"Edit9", "vertical_min"}, {"Edit10", "vertical_max"}, {"Edit12", "horizontal_min"},
          {"Edit13", "horizontal_max"}})
        weaponField(moreGun_, name, key);
    QWidget *headerPage = pages.page(PageId::Header);
    for (const auto &[name, key] :
         {std::pair{"Edit8", "header.name"}, {"Edit9", "header.icon_in_air"}, {"Edit10", "header.model_3d"},
          {"Edit11", "header.cockpit_1"}, {"Edit12", "header.sounds"}, {"Edit13", "header.cockpit_2"},
          {"CheckBox1", "header.selectable"}, {"RadioGroup1", "header.plane_type"}})
        planeField(headerPage, name, key);
    QWidget *wepPage = pages.page(PageId::EngineWep);
    for (const auto &[name, key] :
         {std::pair{"Edit23", "engine.extra_parameter"}, {"Edit24", "wep.texts.enabled"}, {"Edit25", "wep.texts.disabled"},
          {"Edit26", "wep.texts.out_of_wep"}, {"Edit27", "wep.times.fuel_ms"}, {"Edit28", "wep.times.overheat_ms"},
          {"Edit29", "wep.times.cooling_ms"}, {"UpDown2", "engine.altitude_row_count"},
          {"UpDown3", "engine.speed_point_count"}})
        planeField(wepPage, name, key);
    QWidget *miscPage = pages.page(PageId::Misc);
    add(miscPage, "Edit15", [] { return QStringLiteral("file.version"); });
    add(miscPage, "Edit16", [] { return QStringLiteral("file.planes"); });
    add(miscPage, "RadioGroup2", [] { return QStringLiteral("file.layout"); });
    QWidget *ammoPage = pages.page(PageId::Ammunition);
    const auto *ammoList = ammoPage ? ammoPage->findChild<QListWidget *>(QStringLiteral("ListBox6")) : nullptr;
    for (const auto &[name, key] : {std::pair{"Edit33", "ap_damage"}, {"Edit31", "he_damage"}, {"Edit32", "he_range"},
                                    {"Edit30", "weight"}, {"Edit38", "param1"}, {"Edit39", "param2"}}) {
        const char *member = key;
        add(ammoPage, name, [ammoList, member] {
            const int row = ammoList ? ammoList->currentRow() : -1;
            return row < 0 ? QString() : QStringLiteral("ammunition[%1].%2").arg(row).arg(QLatin1String(member));
        });
    }
    if (ammoList)
        connect(ammoList, &QListWidget::currentRowChanged, reference_, &ReferenceFile::mark);
    // The damage map's cells, against the reference's map of the same plane.
    if (auto *mapPage = findChild<damage::DamageMapPage *>()) {
        mapPage->setReferenceMap([this](int p) {
            const datafile::DataFile &ref = reference_->file();
            if (!reference_->isLoaded() || !damage::DamageMapView(ref, p).exists())
                return QByteArray();
            return ref.bytes(damage::DamageMapView(ref, p).offset(), damage::DamageMapView::Size);
        });
        connect(reference_, &ReferenceFile::changed, mapPage, &damage::DamageMapPage::ReDrawMap);
    }
    // Every grid of the pages, by the bytes of its cells.
    for (auto *grid : findChildren<NumberGridView *>())
        reference_->addGrid(grid->gridModel());
}

void VNEditor::updateReferenceStatus()
{
    const bool loaded = reference_->isLoaded() && document_->isLoaded();
    referenceStatus_->setVisible(loaded);
    for (QAction *a : revertActions_)
        a->setEnabled(loaded);
    if (dropReference_)
        dropReference_->setEnabled(reference_->isLoaded());
    if (!loaded)
        return;
    const int count = reference_->differenceCount();
    referenceStatus_->setText(count == 0   ? tr("Same as the reference")
                              : count == 1 ? tr("1 field differs from the reference")
                                           : tr("%1 fields differ from the reference").arg(count));
    referenceStatus_->setToolTip(tr("Reference file: %1").arg(QDir::toNativeSeparators(reference_->path())));
}

bool VNEditor::setReferenceFile(const QString &path, bool quiet)
{
    try {
        reference_->load(path);
    } catch (const std::exception &e) {
        if (quiet) {
            statusBar()->showMessage(tr("The reference file %1 could not be read: %2")
                                         .arg(QDir::toNativeSeparators(path), EditorDocument::describe(e)));
            return false;
        }
        prompter_->error(this, tr("The reference file could not be read; the window keeps the reference it had.\n\n")
                                   + EditorDocument::describe(e));
        return false;
    }
    rememberReference();
    statusBar()->showMessage(tr("Reference file: %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void VNEditor::rememberReference()
{
    if (!document_->isLoaded() || document_->currentPath().isEmpty())
        return;
    QVariantMap references = windowStored_.values.value(ReferencesKey).toMap();
    const QString key = QFileInfo(document_->currentPath()).absoluteFilePath();
    if (reference_->isLoaded())
        references.insert(key, QFileInfo(reference_->path()).absoluteFilePath());
    else
        references.remove(key);
    if (references == windowStored_.values.value(ReferencesKey).toMap())
        return;
    windowStored_.values.insert(ReferencesKey, references);
    // Kept at once, as a choice of the user's, not only when the window closes.
    storeWindow();
}

void VNEditor::loadRememberedReference()
{
    // A reference belongs to its data file: another file has its own, or none.
    const QString key = QFileInfo(document_->currentPath()).absoluteFilePath();
    const QString remembered = windowStored_.values.value(ReferencesKey).toMap().value(key).toString();
    if (remembered.isEmpty()) {
        if (reference_->isLoaded())
            reference_->clear();
        return;
    }
    if (reference_->isLoaded() && reference_->path() == remembered)
        return;
    try {
        reference_->load(remembered);
    } catch (const std::exception &e) {
        // Said in the status bar: a reference that went away does not stop the start.
        reference_->clear();
        statusBar()->showMessage(statusBar()->currentMessage() + QLatin1Char(' ')
                                 + tr("The reference file %1 could not be read: %2")
                                       .arg(QDir::toNativeSeparators(remembered), EditorDocument::describe(e)));
    }
}

void VNEditor::ReferenceFile1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: the reference file is compared with it."));
        return;
    }
    const QString chosen = prompter_->openFileName(this, tr("Reference file"), baseDirectory_, reference_->path(),
                                                   configDialogFilter());
    if (!chosen.isEmpty())
        setReferenceFile(chosen);
}

void VNEditor::DropReference1Click()
{
    reference_->clear();
    rememberReference();
    statusBar()->showMessage(tr("No reference file."));
}

void VNEditor::addRevertButton(QWidget *findDock)
{
    auto *change = findDock->findChild<QPushButton *>(QStringLiteral("ChangeFound"));
    auto *row = change ? qobject_cast<QBoxLayout *>(change->parentWidget()->layout()->itemAt(0)->layout()) : nullptr;
    if (!row)
        return;
    auto *revert = new QPushButton(tr("Re&vert to reference"), change->parentWidget());
    revert->setObjectName(QStringLiteral("RevertFound"));
    row->addWidget(revert);
    QAction *found = revertActions_.last();
    revert->setEnabled(found->isEnabled());
    connect(found, &QAction::changed, revert, [revert, found] { revert->setEnabled(found->isEnabled()); });
    connect(revert, &QPushButton::clicked, found, &QAction::trigger);
}

void VNEditor::RevertToReference1Click(ReferenceRevert what)
{
    if (!reference_->isLoaded() || !document_->isLoaded())
        return;
    if (reference_->file().FileLayout() != file().FileLayout()) {
        statusBar()->showMessage(tr("The reference file has another layout: its fields cannot be written into this file."));
        return;
    }
    const Selection &s = selection();
    QStringList paths;
    QString name;
    switch (what) {
    case ReferenceRevert::Field: {
        QWidget *focus = QApplication::focusWidget();
        // A grid cell: its bytes take the reference's.
        if (auto *grid = qobject_cast<NumberGridView *>(focus)) {
            const GridCell cell = grid->gridModel()->cell(grid->currentCol(), grid->currentRow());
            const std::int64_t length = cell.kind == GridCell::Number ? 8 : cell.kind == GridCell::Speed ? 4 : 2;
            const std::optional<std::int64_t> at = cell.editable() ? reference_->referenceOffset(cell.offset, length)
                                                                   : std::nullopt;
            if (!at || !reference_->file().contains(*at, length)) {
                statusBar()->showMessage(tr("The cell has no value in the reference file."));
                return;
            }
            const QString field = grid->gridModel()->fieldName(grid->currentCol(), grid->currentRow());
            const QByteArray bytes = reference_->file().bytes(*at, length);
            if (!file().contains(cell.offset, length) || file().bytes(cell.offset, length) == bytes) {
                statusBar()->showMessage(tr("Nothing differed from the reference."));
                return;
            }
            if (document_->edit(tr("Revert %1 to reference").arg(field), MergeKey::none(),
                                [&] { file().write(cell.offset, bytes); })) {
                grid->gridModel()->reload();
                statusBar()->showMessage(tr("Reverted to the reference: %1.").arg(field));
            }
            return;
        }
        for (QWidget *w = focus; w && paths.isEmpty(); w = w->parentWidget()) {
            const QString path = reference_->fieldPath(w);
            if (!path.isEmpty())
                paths << path;
        }
        if (paths.isEmpty()) {
            statusBar()->showMessage(tr("The field under the cursor has no value in the reference file."));
            return;
        }
        name = tr("Revert field to reference");
        break;
    }
    case ReferenceRevert::Configuration:
    case ReferenceRevert::Plane: {
        // Every field of the part, each pattern bound to the current plane (and configuration).
        const bool config = what == ReferenceRevert::Configuration;
        const QString prefix = config ? QStringLiteral("planes[*].weapons.configurations[*].") : QStringLiteral("planes[*].");
        for (const fields::Pattern &p : fields::patterns()) {
            if (!p.pattern.startsWith(prefix))
                continue;
            QString path = p.pattern;
            path.replace(0, 9, QStringLiteral("planes[%1]").arg(s.CurrentPlane));
            if (config)
                path.replace(path.indexOf(QLatin1String("configurations[*]")), 17,
                             QStringLiteral("configurations[%1]").arg(s.CurrentConfig));
            paths << path;
        }
        name = config ? tr("Revert configuration to reference") : tr("Revert plane to reference");
        break;
    }
    case ReferenceRevert::Found: {
        const auto *dock = findChild<FindDock *>(QStringLiteral("FindDock"));
        const QTreeWidget *results = dock ? dock->results() : nullptr;
        for (int i = 0; results && i < results->topLevelItemCount(); ++i)
            paths << results->topLevelItem(i)->text(0);
        if (paths.isEmpty()) {
            statusBar()->showMessage(tr("No fields are found: Edit > Find in planes... finds them."));
            return;
        }
        name = tr("Revert found fields to reference");
        break;
    }
    }
    QList<fields::FieldPath> patterns;
    try {
        for (const QString &p : paths)
            patterns << fields::parsePath(p);
    } catch (const fields::PathError &e) {
        prompter_->error(this, e.message);
        return;
    }
    int written = 0;
    document_->edit(name, MergeKey::none(), [&] { written = revertFields(file(), reference_->file(), file(), patterns); });
    if (written > 0)
        Update1();
    statusBar()->showMessage(written == 0   ? tr("Nothing differed from the reference.")
                             : written == 1 ? tr("1 field reverted to the reference.")
                                            : tr("%1 fields reverted to the reference.").arg(written));
}

} // namespace vw::app
