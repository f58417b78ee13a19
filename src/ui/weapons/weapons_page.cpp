#include "weapons_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/field_binding.h"
#include "ui/common/plane_selector.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_list_model.h"
#include "ui/weapons/config_list_view.h"
#include "ui/common/prompter_dialog.h"
#include "core/datafile/number_text.h"
#include "core/weapons/weapon_copies.h"
#include "core/weapons/weapons_block.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>


namespace vw::weapons {

using app::connectHandler;
using app::named;

namespace {

QString copyComplete()
{
    return WeaponsPage::tr("Copy process complete!");
}
QString copyNotPossible()
{
    return WeaponsPage::tr("Copy process is not possible!");
}

// The counts and copy operands are changed with the arrows only; the handlers clamp.
QSpinBox *arrowSpin(const char *name, int max, QWidget *parent)
{
    auto *spin = named<QSpinBox>(name, parent);
    spin->setRange(0, max);
    spin->setValue(1);
    if (auto *text = spin->findChild<QLineEdit *>())
        text->setReadOnly(true);
    spin->setFixedWidth(60);
    return spin;
}

void setSpin(QSpinBox *spin, int value)
{
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}

void setRow(QListWidget *list, int row)
{
    list->setCurrentRow(row >= 0 && row < list->count() ? row : -1);
}

// A combo box shows the stored index; an index it has no item for shows its number.
void showIndex(QComboBox *box, int index, const QString &unknown)
{
    box->setPlaceholderText(unknown);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

WeaponsPage::WeaponsPage(app::EditorDocument &document, ConfigListView *configList, QWidget *parent)
    : QWidget(parent), document_(document), listBox2_(configList)
{
    setObjectName(QStringLiteral("WeaponsPage"));
    auto *grid = new QGridLayout(this);

    // Summary lines.
    auto *summary = new QVBoxLayout;
    // The heading wraps where the window is too narrow for it (a small screen, a longer language).
    auto *summaryHeading = new QLabel(tr("Summary (*permanent at present):"), this);
    summaryHeading->setWordWrap(true);
    summary->addWidget(summaryHeading);
    QLineEdit **lines[] = {&edit3_, &edit4_, &edit5_, &edit6_};
    const char *lineNames[] = {"Edit3", "Edit4", "Edit5", "Edit6"};
    for (int i = 0; i < 4; ++i) {
        *lines[i] = named<QLineEdit>(lineNames[i], this);
        (*lines[i])->setReadOnly(true);
        summary->addWidget(*lines[i]);
    }
    noWeapons_ = named<QLabel>("NoWeaponsNotice", this);
    noWeapons_->setWordWrap(true);
    noWeapons_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    noWeapons_->hide();
    summary->addWidget(noWeapons_);
    summary->addStretch();
    grid->addLayout(summary, 0, 0);

    // Manage configs.
    manageConfigs_ = new QGroupBox(tr("Manage configs"), this);
    auto *configForm = new QGridLayout(manageConfigs_);
    edit1_ = named<QLineEdit>("Edit1", manageConfigs_);
    edit1_->setMaxLength(ConfigRecord::NameWidth);
    spinEdit3_ = arrowSpin("SpinEdit3", WeaponsBlock::Slots, manageConfigs_);
    spinEdit4_ = arrowSpin("SpinEdit4", WeaponsBlock::Slots, manageConfigs_);
    spinEdit5_ = arrowSpin("SpinEdit5", WeaponsBlock::Slots, manageConfigs_);
    spinEdit4_->setMinimum(1);
    spinEdit5_->setMinimum(1);
    button1_ = named<QPushButton>("Button1", manageConfigs_);
    button1_->setText(tr("Copy config"));
    configForm->addWidget(new QLabel(tr("Current config:"), manageConfigs_), 0, 0);
    configForm->addWidget(edit1_, 0, 1, 1, 3);
    configForm->addWidget(new QLabel(tr("Number of configs:"), manageConfigs_), 1, 0);
    configForm->addWidget(spinEdit3_, 1, 1);
    configForm->addWidget(button1_, 1, 2, 1, 2);
    configForm->addWidget(new QLabel(tr("Source config:"), manageConfigs_), 2, 0);
    configForm->addWidget(spinEdit4_, 2, 1);
    configForm->addWidget(new QLabel(tr("Destination config:"), manageConfigs_), 2, 2);
    configForm->addWidget(spinEdit5_, 2, 3);
    configForm->setColumnStretch(1, 1);
    grid->addWidget(manageConfigs_, 0, 1);

    // Weapon.
    weapon_ = new QGroupBox(tr("Weapon"), this);
    auto *weaponGrid = new QGridLayout(weapon_);
    comboBox1_ = named<QComboBox>("ComboBox1", weapon_);
    comboBox8_ = named<QComboBox>("ComboBox8", weapon_);
    comboBox1_->setMaxVisibleItems(20);
    speedButton1_ = named<QToolButton>("SpeedButton1", weapon_);
    speedButton1_->setText(QStringLiteral("..."));
    speedButton1_->setToolTip(tr("Дополнительно"));
    edit19_ = named<QLineEdit>("Edit19", weapon_);
    edit18_ = named<QLineEdit>("Edit18", weapon_);
    edit2_ = named<QLineEdit>("Edit2", weapon_);
    edit7_ = named<QLineEdit>("Edit7", weapon_);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(comboBox1_, 1);
    typeRow->addWidget(speedButton1_);
    weaponGrid->addWidget(new QLabel(tr("Current weapon:"), weapon_), 0, 0);
    weaponGrid->addLayout(typeRow, 0, 1, 1, 3);
    weaponGrid->addWidget(new QLabel(tr("Weapon group:"), weapon_), 1, 0);
    weaponGrid->addWidget(comboBox8_, 1, 1, 1, 3);
    weaponGrid->addWidget(new QLabel(tr("Hvy Ammo:"), weapon_), 2, 0);
    weaponGrid->addWidget(edit19_, 2, 1);
    weaponGrid->addWidget(new QLabel(tr("Deviation:"), weapon_), 2, 2);
    weaponGrid->addWidget(edit18_, 2, 3);
    weaponGrid->addWidget(new QLabel(tr("Ammo:"), weapon_), 3, 0);
    weaponGrid->addWidget(edit2_, 3, 1);
    weaponGrid->addWidget(new QLabel(tr("Bursts:"), weapon_), 3, 2);
    weaponGrid->addWidget(edit7_, 3, 3);
    weaponGrid->setColumnStretch(1, 1);
    weaponGrid->setColumnStretch(3, 1);
    grid->addWidget(weapon_, 1, 0, 1, 2);

    // List of weapons.
    auto *weaponList = new QVBoxLayout;
    weaponList->addWidget(new QLabel(tr("List of weapons:"), this));
    listBox3_ = named<QListWidget>("ListBox3", this);
    weaponList->addWidget(listBox3_);
    grid->addLayout(weaponList, 2, 0);

    // Managing weapons.
    managingWeapons_ = new QGroupBox(tr("Managing weapons"), this);
    auto *managing = new QGridLayout(managingWeapons_);
    spinEdit2_ = arrowSpin("SpinEdit2", ConfigRecord::Slots, managingWeapons_);
    button2_ = named<QPushButton>("Button2", managingWeapons_);
    button2_->setText(tr("Copy weapon"));
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(tr("Number of weapons:"), managingWeapons_));
    countRow->addWidget(spinEdit2_);
    countRow->addStretch();
    countRow->addWidget(button2_);
    managing->addLayout(countRow, 0, 0, 1, 2);
    const auto selectorGroup = [this](const QString &title, const char *plane, const char *config, const char *weapon,
                                      app::PlaneSelector *&planeBox, QComboBox *&configBox, QComboBox *&weaponBox) {
        auto *group = new QGroupBox(title, managingWeapons_);
        auto *form = new QFormLayout(group);
        planeBox = new app::PlaneSelector(document_, plane, group, 14);
        configBox = named<QComboBox>(config, group);
        weaponBox = named<QComboBox>(weapon, group);
        for (QComboBox *box : {configBox, weaponBox})
            box->setMinimumContentsLength(14);
        form->addRow(tr("Plane:"), planeBox);
        form->addRow(tr("Config:"), configBox);
        form->addRow(tr("Weapon:"), weaponBox);
        return group;
    };
    managing->addWidget(selectorGroup(tr("Source weapon"), "ComboBox2", "ComboBox6", "ComboBox4",
                                      comboBox2_, comboBox6_, comboBox4_),
                        1, 0);
    managing->addWidget(selectorGroup(tr("Destination weapon"), "ComboBox3", "ComboBox7", "ComboBox5",
                                      comboBox3_, comboBox7_, comboBox5_),
                        1, 1);
    grid->addWidget(managingWeapons_, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(2, 1);

    // The weapon list selects the weapon that the More Weapons dialog or a
    // batch made current, before the pages show it.
    connect(&document_, &app::EditorDocument::currentChanged, listBox3_, [this] {
        const int row = document_.selection().CurrentWeapon - 1;
        if (listBox3_->currentRow() != row) {
            const QSignalBlocker blocker(listBox3_);
            listBox3_->setCurrentRow(row < listBox3_->count() ? row : -1);
        }
    });
    // Only user actions store: refresh code sets these widgets without these signals.
    connect(listBox3_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!document_.refreshing() && row >= 0)
            document_.guarded([this] { ListBox3Click(); });
    });
    connectHandler(document_, spinEdit3_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit3Change);
    connectHandler(document_, spinEdit2_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit2Change);
    connectHandler(document_, spinEdit4_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit4Change);
    connectHandler(document_, spinEdit5_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit5Change);
    // The weapon's fields store as typed; ammo and heavy ammo show the clamped
    // value in place of the text typed, bursts keep the text.
    const auto weaponField = [this](const QString &caption, const char *field) {
        return app::BoundField{caption, [this] { return hasWeapons(); }, [this, field] { return key(field); }};
    };
    // The configuration's name stores as typed; its line in ListBox2 shows the new name at once.
    app::bindText(document_, edit1_, app::StoreOn::Typing, weaponField(tr("Config name"), "Edit1"),
                  [this](DataFile &file, const QString &text) {
                      const app::Selection &s = document_.selection();
                      ConfigRecord config = WeaponsBlock(file, s.CurrentPlane).config(s.CurrentConfig);
                      config.setName(text);
                      listBox2_->relabel(s.CurrentConfig, config.name());
                  });
    // The weapon's type and group show in the weapon list.
    const auto shown = [this] { return hasWeapons(); };
    app::bindChoice(
        document_, comboBox1_, {tr("Weapon type"), shown, {}},
        [this](DataFile &, int index) { currentWeapon().setAmmoType(index); }, [this] { document_.Update2(); });
    app::bindChoice(
        document_, comboBox8_, {tr("Weapon group"), shown, {}},
        [this](DataFile &, int index) { currentWeapon().setGroup(index); }, [this] { document_.Update2(); });
    app::bindInteger(
        document_, edit2_, app::StoreOn::Typing, weaponField(tr("Ammo"), "Edit2"),
        [this](DataFile &, qint64 typed) { return currentWeapon().setAmmo(typed); }, app::Limits::Clamped, true);
    app::bindInteger(
        document_, edit19_, app::StoreOn::Typing, weaponField(tr("Hvy Ammo"), "Edit19"),
        [this](DataFile &, qint64 typed) { return currentWeapon().setHeavyAmmo(typed); }, app::Limits::Clamped,
        true);
    app::bindInteger(document_, edit7_, app::StoreOn::Typing, weaponField(tr("Bursts"), "Edit7"),
                     [this](DataFile &, qint64 typed) { return currentWeapon().setBursts(typed); });
    app::bindNumber(document_, edit18_, app::StoreOn::Typing, weaponField(tr("Deviation"), "Edit18"),
                    [this](DataFile &, double value) { currentWeapon().setDeviation(value); });
    connectHandler(document_, speedButton1_, &QToolButton::clicked, this, &WeaponsPage::SpeedButton1Click);
    connectHandler(document_, button1_, &QPushButton::clicked, this, &WeaponsPage::Button1Click);
    connectHandler(document_, button2_, &QPushButton::clicked, this, &WeaponsPage::Button2Click);
    connectHandler(document_, comboBox2_, &QComboBox::activated, this, &WeaponsPage::UpdateConfig1);
    connectHandler(document_, comboBox3_, &QComboBox::activated, this, &WeaponsPage::UpdateConfig2);
    connectHandler(document_, comboBox6_, &QComboBox::activated, this, &WeaponsPage::UpdateGun1);
    connectHandler(document_, comboBox7_, &QComboBox::activated, this, &WeaponsPage::UpdateGun2);
}

// --- Showing -----------------------------------------------------------------

QString WeaponsPage::ammoLabel(int type) const
{
    const QStringList &names = document_.labels().AmmoNames;
    return type <= WeaponRecord::MaxAmmoType && type < names.size()
        ? names.at(type)
        : QStringLiteral("%1 :").arg(type, 3, 10, QLatin1Char('0'));
}

QStringList WeaponsPage::weaponItems(int plane, int config) const
{
    QStringList items;
    const WeaponsBlockView block(document_.file(), plane);
    if (!block.exists() || config < 1 || config > WeaponsBlock::Slots)
        return items;
    const ConfigRecordView record = block.config(config);
    for (int w = 1; w <= record.weaponCount(); ++w)
        items << WeaponsBlockView::weaponItem(w, ammoLabel(record.weapon(w).ammoType()));
    return items;
}

bool WeaponsPage::hasWeapons() const
{
    return WeaponsBlockView(document_.file(), document_.selection().CurrentPlane).exists();
}

WeaponRecord WeaponsPage::currentWeapon() const
{
    const app::Selection &s = document_.selection();
    return WeaponsBlock(document_.file(), s.CurrentPlane).config(s.CurrentConfig).weapon(s.CurrentWeapon);
}

app::MergeKey WeaponsPage::key(const char *field) const
{
    const app::Selection &s = document_.selection();
    return app::MergeKey::forWeapon(QLatin1String(field), s.CurrentPlane, s.CurrentConfig, s.CurrentWeapon);
}

void WeaponsPage::fillLabelLists()
{
    // The label tables are built once at start-up.
    const app::LabelTables &labels = document_.labels();
    if (comboBox1_->count() != labels.WeaponTypeList.size()) {
        comboBox1_->clear();
        comboBox1_->addItems(labels.WeaponTypeList);
    }
    if (comboBox8_->count() != labels.WeaponGroupNames.size()) {
        comboBox8_->clear();
        comboBox8_->addItems(labels.WeaponGroupNames);
    }
}

void WeaponsPage::showNoWeapons()
{
    // Without a file the window's notice above every page says so, with the way out.
    noWeapons_->setText(tr("Plane %1 has no plane record in this file, so it has no weapon "
                           "configurations to show or edit.")
                            .arg(document_.selection().CurrentPlane));
    noWeapons_->setVisible(document_.isLoaded());
    listBox3_->clear();
    for (QLineEdit *edit : {edit1_, edit2_, edit7_, edit18_, edit19_})
        edit->clear();
    showIndex(comboBox1_, -1, QString());
    showIndex(comboBox8_, -1, QString());
    setSpin(spinEdit2_, 0);
    setSpin(spinEdit3_, 0);
}

void WeaponsPage::showConfiguration()
{
    const app::Selection &s = document_.selection();
    const WeaponsBlockView block(document_.file(), s.CurrentPlane);
    const bool exists = block.exists();
    manageConfigs_->setEnabled(exists);
    weapon_->setEnabled(exists);
    listBox3_->setEnabled(exists);
    spinEdit2_->setEnabled(exists);
    if (!exists) {
        showNoWeapons();
        return;
    }
    noWeapons_->hide();
    const ConfigRecordView config = block.config(s.CurrentConfig);
    setSpin(spinEdit2_, config.weaponCount());
    edit1_->setText(config.name());
    listBox3_->clear();
    listBox3_->addItems(weaponItems(s.CurrentPlane, s.CurrentConfig));
    setRow(listBox3_, s.CurrentWeapon - 1);
}

void WeaponsPage::showPlane()
{
    fillLabelLists();
    const app::Selection &s = document_.selection();
    const auto &summaries = document_.labels().PlaneSummaries;
    QLineEdit *lines[] = {edit3_, edit4_, edit5_, edit6_};
    for (int i = 0; i < 4; ++i) {
        lines[i]->setText(s.CurrentPlane >= 1 && size_t(s.CurrentPlane) <= summaries.size()
                              ? summaries[size_t(s.CurrentPlane - 1)][size_t(i)]
                              : QString());
        // A line longer than the field shows its beginning, and the whole of it as a tip.
        lines[i]->setCursorPosition(0);
        lines[i]->setToolTip(lines[i]->text());
    }
    const WeaponsBlockView block(document_.file(), s.CurrentPlane);
    if (!block.exists()) {
        showNoWeapons();
        return;
    }
    const WeaponRecordView weapon = currentWeapon();
    for (QLineEdit *field : {edit2_, edit7_, edit18_, edit19_})
        app::markInput(document_, field, {});
    edit2_->setText(QString::number(weapon.ammo()));
    edit7_->setText(QString::number(weapon.bursts()));
    edit19_->setText(QString::number(weapon.heavyAmmo()));
    edit18_->setText(datafile::formatNumber(weapon.deviation(), document_.decimalSeparator()));
    showIndex(comboBox8_, weapon.group(), QString::number(weapon.group()));
    showIndex(comboBox1_, weapon.ammoType(), ammoLabel(weapon.ammoType()));
    const int count = block.configCount();
    setSpin(spinEdit3_, count);
    // The copy operands stay within the configurations in use.
    const QSignalBlocker b4(spinEdit4_), b5(spinEdit5_);
    spinEdit4_->setMaximum(std::max(1, count));
    spinEdit5_->setMaximum(std::max(1, count));
}

void WeaponsPage::planeListRebuilt()
{
    comboBox2_->chooseFirst();
    comboBox3_->chooseFirst();
    UpdateConfig1();
    UpdateConfig2();
}

void WeaponsPage::UpdateGun3()
{
    const app::Selection &s = document_.selection();
    Q_EMIT weaponItemsChanged(weaponItems(s.CurrentPlane, s.CurrentConfig));
}

void WeaponsPage::fillConfigBox(QComboBox *planeBox, QComboBox *configBox)
{
    configBox->clear();
    const WeaponsBlockView block(document_.file(), planeBox->currentIndex() + 1);
    if (planeBox->currentIndex() < 0 || !block.exists())
        return;
    // Always the eight records, whatever that plane's count says.
    for (int c = 1; c <= WeaponsBlock::Slots; ++c)
        configBox->addItem(WeaponsBlockView::configItem(c, block.config(c).name()));
    configBox->setCurrentIndex(0);
}

void WeaponsPage::fillWeaponBox(QComboBox *planeBox, QComboBox *configBox, QComboBox *weaponBox)
{
    weaponBox->clear();
    weaponBox->addItems(weaponItems(planeBox->currentIndex() + 1, configBox->currentIndex() + 1));
    weaponBox->setCurrentIndex(weaponBox->count() > 0 ? 0 : -1);
}

void WeaponsPage::UpdateConfig1()
{
    fillConfigBox(comboBox2_, comboBox6_);
    UpdateGun1();
}

void WeaponsPage::UpdateConfig2()
{
    fillConfigBox(comboBox3_, comboBox7_);
    UpdateGun2();
}

void WeaponsPage::UpdateGun1()
{
    fillWeaponBox(comboBox2_, comboBox6_, comboBox4_);
}

void WeaponsPage::UpdateGun2()
{
    fillWeaponBox(comboBox3_, comboBox7_, comboBox5_);
}

// --- Change handlers -----------------------------------------------------------

void WeaponsPage::ListBox3Click()
{
    document_.makeWeaponCurrent(listBox3_->currentRow() + 1);
}

void WeaponsPage::SpinEdit3Change(int value)
{
    if (document_.refreshing() || !hasWeapons())
        return;
    app::Selection &s = document_.selection();
    int stored = 0;
    if (!document_.edit(tr("Number of configs"), app::MergeKey::none(),
                        [&] { stored = WeaponsBlock(document_.file(), s.CurrentPlane).setConfigCount(value); }))
        return;
    s.CurrentConfig = std::min(s.CurrentConfig, stored);
    setSpin(spinEdit3_, stored);
    {
        const QSignalBlocker b4(spinEdit4_), b5(spinEdit5_);
        spinEdit4_->setMaximum(stored);
        spinEdit5_->setMaximum(stored);
    }
    UpdateGun1();
    UpdateGun2();
    // The configuration list shows the new count too.
    document_.Update1();
}

void WeaponsPage::SpinEdit2Change(int value)
{
    if (document_.refreshing() || !hasWeapons())
        return;
    app::Selection &s = document_.selection();
    int stored = 0;
    if (!document_.edit(tr("Number of weapons"), app::MergeKey::none(), [&] {
            stored = WeaponsBlock(document_.file(), s.CurrentPlane).config(s.CurrentConfig).setWeaponCount(value);
        }))
        return;
    setSpin(spinEdit2_, stored);
    // The weapon shown stays one of the weapons in use.
    s.CurrentWeapon = std::min(s.CurrentWeapon, stored);
    UpdateGun1();
    UpdateGun2();
    document_.Update2();
}

void WeaponsPage::SpinEdit4Change(int value)
{
    if (!document_.refreshing() && value > spinEdit3_->value())
        setSpin(spinEdit4_, std::max(1, spinEdit3_->value()));
}

void WeaponsPage::SpinEdit5Change(int value)
{
    if (!document_.refreshing() && value > spinEdit3_->value())
        setSpin(spinEdit5_, std::max(1, spinEdit3_->value()));
}

void WeaponsPage::SpeedButton1Click()
{
    document_.pages().show(app::PageId::MoreWeapons);
}

void WeaponsPage::Button1Click()
{
    const int plane = document_.selection().CurrentPlane;
    const int s = spinEdit4_->value(), d = spinEdit5_->value();
    bool done = false;
    if (!document_.edit(tr("Copy config %1 to %2").arg(s).arg(d), app::MergeKey::none(),
                        [&] { done = copyConfig(document_.file(), plane, s, d); }))
        return; // the error box said why
    document_.Update1();
    if (!done)
        document_.showStatus(tr("Copy config: plane %1 has no plane record, so it has no configurations.").arg(plane));
    document_.prompter().information(this, done ? copyComplete() : copyNotPossible());
}

void WeaponsPage::Button2Click()
{
    if (comboBox4_->currentIndex() < 0 || comboBox5_->currentIndex() < 0) {
        document_.showStatus(tr("Copy weapon: choose a source and a destination weapon; a configuration "
                                "without weapons, or a plane without a plane record, has none to choose."));
        document_.prompter().information(this, copyNotPossible());
        return;
    }
    const WeaponSlot from{comboBox2_->currentIndex() + 1, comboBox6_->currentIndex() + 1, comboBox4_->currentIndex() + 1};
    const WeaponSlot to{comboBox3_->currentIndex() + 1, comboBox7_->currentIndex() + 1, comboBox5_->currentIndex() + 1};
    bool done = false;
    if (!document_.edit(tr("Copy weapon"), app::MergeKey::none(),
                        [&] { done = copyWeapon(document_.file(), from, to); }))
        return;
    document_.Update2();
    UpdateGun1();
    UpdateGun2();
    if (!done)
        document_.showStatus(tr("Copy weapon: the source or the destination plane has no plane record."));
    document_.prompter().information(this, done ? copyComplete() : copyNotPossible());
}

} // namespace vw::weapons
