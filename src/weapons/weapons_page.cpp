#include "weapons_page.h"

#include "app/editor_context.h"
#include "app/prompter_dialog.h"
#include "datafile/number_text.h"
#include "weapons/weapon_copies.h"
#include "weapons/weapons_block.h"

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

#include <optional>

namespace vw::weapons {

namespace {

const QString CopyComplete = QStringLiteral("Copy process complete!");
const QString CopyNotPossible = QStringLiteral("Copy process is not possible!");

template <typename Widget> Widget *named(const char *name, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
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

WeaponsPage::WeaponsPage(app::EditorContext &context, QListWidget *configList, QWidget *parent)
    : QWidget(parent), context_(context), listBox2_(configList)
{
    setObjectName(QStringLiteral("WeaponsPage"));
    auto *grid = new QGridLayout(this);

    // Summary lines.
    auto *summary = new QVBoxLayout;
    summary->addWidget(new QLabel(QStringLiteral("Summary (*permanent at present):"), this));
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
    manageConfigs_ = new QGroupBox(QStringLiteral("Manage configs"), this);
    auto *configForm = new QGridLayout(manageConfigs_);
    edit1_ = named<QLineEdit>("Edit1", manageConfigs_);
    spinEdit3_ = arrowSpin("SpinEdit3", WeaponsBlock::Slots, manageConfigs_);
    spinEdit4_ = arrowSpin("SpinEdit4", WeaponsBlock::Slots, manageConfigs_);
    spinEdit5_ = arrowSpin("SpinEdit5", WeaponsBlock::Slots, manageConfigs_);
    spinEdit4_->setMinimum(1);
    spinEdit5_->setMinimum(1);
    button1_ = named<QPushButton>("Button1", manageConfigs_);
    button1_->setText(QStringLiteral("Copy config"));
    configForm->addWidget(new QLabel(QStringLiteral("Current config:"), manageConfigs_), 0, 0);
    configForm->addWidget(edit1_, 0, 1, 1, 3);
    configForm->addWidget(new QLabel(QStringLiteral("Number of configs:"), manageConfigs_), 1, 0);
    configForm->addWidget(spinEdit3_, 1, 1);
    configForm->addWidget(button1_, 1, 2, 1, 2);
    configForm->addWidget(new QLabel(QStringLiteral("Source config:"), manageConfigs_), 2, 0);
    configForm->addWidget(spinEdit4_, 2, 1);
    configForm->addWidget(new QLabel(QStringLiteral("Destination config:"), manageConfigs_), 2, 2);
    configForm->addWidget(spinEdit5_, 2, 3);
    configForm->setColumnStretch(1, 1);
    grid->addWidget(manageConfigs_, 0, 1);

    // Weapon.
    weapon_ = new QGroupBox(QStringLiteral("Weapon"), this);
    auto *weaponGrid = new QGridLayout(weapon_);
    comboBox1_ = named<QComboBox>("ComboBox1", weapon_);
    comboBox8_ = named<QComboBox>("ComboBox8", weapon_);
    comboBox1_->setMaxVisibleItems(20);
    speedButton1_ = named<QToolButton>("SpeedButton1", weapon_);
    speedButton1_->setText(QStringLiteral("..."));
    speedButton1_->setToolTip(QStringLiteral("Дополнительно"));
    edit19_ = named<QLineEdit>("Edit19", weapon_);
    edit18_ = named<QLineEdit>("Edit18", weapon_);
    edit2_ = named<QLineEdit>("Edit2", weapon_);
    edit7_ = named<QLineEdit>("Edit7", weapon_);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(comboBox1_, 1);
    typeRow->addWidget(speedButton1_);
    weaponGrid->addWidget(new QLabel(QStringLiteral("Current weapon:"), weapon_), 0, 0);
    weaponGrid->addLayout(typeRow, 0, 1, 1, 3);
    weaponGrid->addWidget(new QLabel(QStringLiteral("Weapon group:"), weapon_), 1, 0);
    weaponGrid->addWidget(comboBox8_, 1, 1, 1, 3);
    weaponGrid->addWidget(new QLabel(QStringLiteral("Hvy Ammo:"), weapon_), 2, 0);
    weaponGrid->addWidget(edit19_, 2, 1);
    weaponGrid->addWidget(new QLabel(QStringLiteral("Deviation:"), weapon_), 2, 2);
    weaponGrid->addWidget(edit18_, 2, 3);
    weaponGrid->addWidget(new QLabel(QStringLiteral("Ammo:"), weapon_), 3, 0);
    weaponGrid->addWidget(edit2_, 3, 1);
    weaponGrid->addWidget(new QLabel(QStringLiteral("Bursts:"), weapon_), 3, 2);
    weaponGrid->addWidget(edit7_, 3, 3);
    weaponGrid->setColumnStretch(1, 1);
    weaponGrid->setColumnStretch(3, 1);
    grid->addWidget(weapon_, 1, 0, 1, 2);

    // List of weapons.
    auto *weaponList = new QVBoxLayout;
    weaponList->addWidget(new QLabel(QStringLiteral("List of weapons:"), this));
    listBox3_ = named<QListWidget>("ListBox3", this);
    weaponList->addWidget(listBox3_);
    grid->addLayout(weaponList, 2, 0);

    // Managing weapons.
    managingWeapons_ = new QGroupBox(QStringLiteral("Managing weapons"), this);
    auto *managing = new QGridLayout(managingWeapons_);
    spinEdit2_ = arrowSpin("SpinEdit2", ConfigRecord::Slots, managingWeapons_);
    button2_ = named<QPushButton>("Button2", managingWeapons_);
    button2_->setText(QStringLiteral("Copy weapon"));
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("Number of weapons:"), managingWeapons_));
    countRow->addWidget(spinEdit2_);
    countRow->addStretch();
    countRow->addWidget(button2_);
    managing->addLayout(countRow, 0, 0, 1, 2);
    const auto selectorGroup = [this](const QString &title, const char *plane, const char *config, const char *weapon,
                                      QComboBox *&planeBox, QComboBox *&configBox, QComboBox *&weaponBox) {
        auto *group = new QGroupBox(title, managingWeapons_);
        auto *form = new QFormLayout(group);
        planeBox = named<QComboBox>(plane, group);
        configBox = named<QComboBox>(config, group);
        weaponBox = named<QComboBox>(weapon, group);
        planeBox->setMaxVisibleItems(20);
        for (QComboBox *box : {planeBox, configBox, weaponBox})
            box->setMinimumContentsLength(14);
        form->addRow(QStringLiteral("Plane:"), planeBox);
        form->addRow(QStringLiteral("Config:"), configBox);
        form->addRow(QStringLiteral("Weapon:"), weaponBox);
        return group;
    };
    managing->addWidget(selectorGroup(QStringLiteral("Source weapon"), "ComboBox2", "ComboBox6", "ComboBox4",
                                      comboBox2_, comboBox6_, comboBox4_),
                        1, 0);
    managing->addWidget(selectorGroup(QStringLiteral("Destination weapon"), "ComboBox3", "ComboBox7", "ComboBox5",
                                      comboBox3_, comboBox7_, comboBox5_),
                        1, 1);
    grid->addWidget(managingWeapons_, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(2, 1);

    // Only user actions store: refresh code sets these widgets without these signals.
    connect(listBox3_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!context_.refreshing() && row >= 0)
            ListBox3Click();
    });
    connect(edit1_, &QLineEdit::textEdited, this, &WeaponsPage::Edit1Change);
    connect(spinEdit3_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit3Change);
    connect(spinEdit2_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit2Change);
    connect(spinEdit4_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit4Change);
    connect(spinEdit5_, &QSpinBox::valueChanged, this, &WeaponsPage::SpinEdit5Change);
    connect(comboBox1_, &QComboBox::activated, this, &WeaponsPage::ComboBox1Change);
    connect(comboBox8_, &QComboBox::activated, this, &WeaponsPage::ComboBox8Change);
    connect(edit2_, &QLineEdit::textEdited, this, &WeaponsPage::Edit2Change);
    connect(edit19_, &QLineEdit::textEdited, this, &WeaponsPage::Edit19Change);
    connect(edit7_, &QLineEdit::textEdited, this, &WeaponsPage::Edit7Change);
    connect(edit18_, &QLineEdit::textEdited, this, &WeaponsPage::Edit18Change);
    connect(speedButton1_, &QToolButton::clicked, this, &WeaponsPage::SpeedButton1Click);
    connect(button1_, &QPushButton::clicked, this, &WeaponsPage::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &WeaponsPage::Button2Click);
    connect(comboBox2_, &QComboBox::activated, this, [this] { context_.guarded([this] { UpdateConfig1(); }); });
    connect(comboBox3_, &QComboBox::activated, this, [this] { context_.guarded([this] { UpdateConfig2(); }); });
    connect(comboBox6_, &QComboBox::activated, this, [this] { context_.guarded([this] { UpdateGun1(); }); });
    connect(comboBox7_, &QComboBox::activated, this, [this] { context_.guarded([this] { UpdateGun2(); }); });
}

// --- Showing -----------------------------------------------------------------

QString WeaponsPage::ammoLabel(int type) const
{
    const QStringList &names = context_.labels().AmmoNames;
    return type <= WeaponRecord::MaxAmmoType && type < names.size()
        ? names.at(type)
        : QStringLiteral("%1 :").arg(type, 3, 10, QLatin1Char('0'));
}

QStringList WeaponsPage::weaponItems(int plane, int config) const
{
    QStringList items;
    const WeaponsBlockView block(context_.file(), plane);
    if (!block.exists() || config < 1 || config > WeaponsBlock::Slots)
        return items;
    const ConfigRecordView record = block.config(config);
    for (int w = 1; w <= record.weaponCount(); ++w)
        items << WeaponsBlock::weaponItem(w, ammoLabel(record.weapon(w).ammoType()));
    return items;
}

bool WeaponsPage::hasWeapons() const
{
    return WeaponsBlockView(context_.file(), context_.selection().CurrentPlane).exists();
}

WeaponRecord WeaponsPage::currentWeapon() const
{
    const app::Selection &s = context_.selection();
    return WeaponsBlock(context_.file(), s.CurrentPlane).config(s.CurrentConfig).weapon(s.CurrentWeapon);
}

QString WeaponsPage::key(const char *field) const
{
    const app::Selection &s = context_.selection();
    return QStringLiteral("%1:%2:%3:%4").arg(QLatin1String(field)).arg(s.CurrentPlane).arg(s.CurrentConfig).arg(s.CurrentWeapon);
}

void WeaponsPage::fillLabelLists()
{
    // The label tables are built once at start-up.
    const app::LabelTables &labels = context_.labels();
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
    noWeapons_->setText(QStringLiteral("Plane %1 has no plane record in this file, so it has no weapon "
                                       "configurations to show or edit.")
                            .arg(context_.selection().CurrentPlane));
    noWeapons_->show();
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
    const app::Selection &s = context_.selection();
    const WeaponsBlockView block(context_.file(), s.CurrentPlane);
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
    const app::Selection &s = context_.selection();
    const auto &summaries = context_.labels().PlaneSummaries;
    QLineEdit *lines[] = {edit3_, edit4_, edit5_, edit6_};
    for (int i = 0; i < 4; ++i)
        lines[i]->setText(s.CurrentPlane >= 1 && size_t(s.CurrentPlane) <= summaries.size()
                              ? summaries[size_t(s.CurrentPlane - 1)][size_t(i)]
                              : QString());
    const WeaponsBlockView block(context_.file(), s.CurrentPlane);
    if (!block.exists()) {
        showNoWeapons();
        return;
    }
    const WeaponRecordView weapon = currentWeapon();
    edit2_->setText(QString::number(weapon.ammo()));
    edit7_->setText(QString::number(weapon.bursts()));
    edit19_->setText(QString::number(weapon.heavyAmmo()));
    edit18_->setText(datafile::formatNumber(weapon.deviation(), context_.decimalSeparator()));
    showIndex(comboBox8_, weapon.group(), QString::number(weapon.group()));
    showIndex(comboBox1_, weapon.ammoType(), ammoLabel(weapon.ammoType()));
    const int count = block.configCount();
    setSpin(spinEdit3_, count);
    // The copy operands stay within the configurations in use.
    const QSignalBlocker b4(spinEdit4_), b5(spinEdit5_);
    spinEdit4_->setMaximum(std::max(1, count));
    spinEdit5_->setMaximum(std::max(1, count));
}

void WeaponsPage::UpdateGun3()
{
    const app::Selection &s = context_.selection();
    Q_EMIT weaponItemsChanged(weaponItems(s.CurrentPlane, s.CurrentConfig));
}

void WeaponsPage::fillConfigBox(QComboBox *planeBox, QComboBox *configBox)
{
    configBox->clear();
    const WeaponsBlockView block(context_.file(), planeBox->currentIndex() + 1);
    if (planeBox->currentIndex() < 0 || !block.exists())
        return;
    // Always the eight records, whatever that plane's count says.
    for (int c = 1; c <= WeaponsBlock::Slots; ++c)
        configBox->addItem(WeaponsBlock::configItem(c, block.config(c).name()));
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
    context_.selection().CurrentWeapon = listBox3_->currentRow() + 1;
    Q_EMIT weaponRowChosen(listBox3_->currentRow());
    context_.Update3();
}

void WeaponsPage::Edit1Change(const QString &text)
{
    if (context_.refreshing() || !hasWeapons())
        return;
    const app::Selection &s = context_.selection();
    context_.edit(QStringLiteral("Config name"), key("Edit1"), [&] {
        ConfigRecord config = WeaponsBlock(context_.file(), s.CurrentPlane).config(s.CurrentConfig);
        config.setName(text);
        // The configuration's line in ListBox2 shows the new name at once.
        if (QListWidgetItem *item = listBox2_->item(s.CurrentConfig - 1))
            item->setText(WeaponsBlock::configItem(s.CurrentConfig, config.name()));
    });
}

void WeaponsPage::SpinEdit3Change(int value)
{
    if (context_.refreshing() || !hasWeapons())
        return;
    app::Selection &s = context_.selection();
    std::optional<int> stored;
    context_.edit(QStringLiteral("Number of configs"), QString(),
                  [&] { stored = WeaponsBlock(context_.file(), s.CurrentPlane).setConfigCount(value); });
    if (!stored)
        return;
    s.CurrentConfig = std::min(s.CurrentConfig, *stored);
    setSpin(spinEdit3_, *stored);
    {
        const QSignalBlocker b4(spinEdit4_), b5(spinEdit5_);
        spinEdit4_->setMaximum(*stored);
        spinEdit5_->setMaximum(*stored);
    }
    context_.guarded([this] {
        UpdateGun1();
        UpdateGun2();
    });
    // The configuration list shows the new count too.
    context_.Update1();
}

void WeaponsPage::SpinEdit2Change(int value)
{
    if (context_.refreshing() || !hasWeapons())
        return;
    app::Selection &s = context_.selection();
    std::optional<int> stored;
    context_.edit(QStringLiteral("Number of weapons"), QString(), [&] {
        stored = WeaponsBlock(context_.file(), s.CurrentPlane).config(s.CurrentConfig).setWeaponCount(value);
    });
    if (!stored)
        return;
    setSpin(spinEdit2_, *stored);
    // The weapon shown stays one of the weapons in use.
    s.CurrentWeapon = std::min(s.CurrentWeapon, *stored);
    context_.guarded([this] {
        UpdateGun1();
        UpdateGun2();
    });
    context_.Update2();
}

void WeaponsPage::SpinEdit4Change(int value)
{
    if (!context_.refreshing() && value > spinEdit3_->value())
        setSpin(spinEdit4_, std::max(1, spinEdit3_->value()));
}

void WeaponsPage::SpinEdit5Change(int value)
{
    if (!context_.refreshing() && value > spinEdit3_->value())
        setSpin(spinEdit5_, std::max(1, spinEdit3_->value()));
}

void WeaponsPage::ComboBox1Change(int index)
{
    if (context_.refreshing() || !hasWeapons() || index < 0)
        return;
    context_.edit(QStringLiteral("Weapon type"), QString(), [&] { currentWeapon().setAmmoType(index); });
    context_.Update2();
}

void WeaponsPage::ComboBox8Change(int index)
{
    if (context_.refreshing() || !hasWeapons() || index < 0)
        return;
    context_.edit(QStringLiteral("Weapon group"), QString(), [&] { currentWeapon().setGroup(index); });
    context_.Update2();
}

// Ammo and heavy ammo store the clamped value and show it in place of the text typed.
void WeaponsPage::storeClampedAmmo(QLineEdit *edit, const QString &what, const char *field, const QString &text,
                                   int (WeaponRecord::*setter)(qint64))
{
    if (context_.refreshing() || !hasWeapons())
        return;
    std::optional<int> stored;
    context_.edit(what, key(field), [&] { stored = (currentWeapon().*setter)(datafile::readInteger(text, 0)); });
    if (stored && text != QString::number(*stored))
        edit->setText(QString::number(*stored));
}

void WeaponsPage::Edit2Change(const QString &text)
{
    storeClampedAmmo(edit2_, QStringLiteral("Ammo"), "Edit2", text, &WeaponRecord::setAmmo);
}

void WeaponsPage::Edit19Change(const QString &text)
{
    storeClampedAmmo(edit19_, QStringLiteral("Hvy Ammo"), "Edit19", text, &WeaponRecord::setHeavyAmmo);
}

void WeaponsPage::Edit7Change(const QString &text)
{
    if (context_.refreshing() || !hasWeapons())
        return;
    // The edit keeps the text as typed; only the stored value is clamped.
    context_.edit(QStringLiteral("Bursts"), key("Edit7"),
                  [&] { currentWeapon().setBursts(datafile::readInteger(text, 0)); });
}

void WeaponsPage::Edit18Change(const QString &text)
{
    if (context_.refreshing() || !hasWeapons())
        return;
    // Read with "." or the editor's separator, so the shown text reads back to itself.
    const double value = datafile::readNumber(text, context_.decimalSeparator());
    context_.edit(QStringLiteral("Deviation"), key("Edit18"), [&] { currentWeapon().setDeviation(value); });
}

void WeaponsPage::SpeedButton1Click()
{
    context_.showStatus(QStringLiteral("The More Weapons dialog is not part of this editor build yet."));
}

void WeaponsPage::Button1Click()
{
    const int plane = context_.selection().CurrentPlane;
    const int s = spinEdit4_->value(), d = spinEdit5_->value();
    std::optional<bool> done;
    context_.edit(QStringLiteral("Copy config %1 to %2").arg(s).arg(d), QString(),
                  [&] { done = copyConfig(context_.file(), plane, s, d); });
    if (!done)
        return; // the error box said why
    context_.Update1();
    context_.prompter().information(this, *done ? CopyComplete : CopyNotPossible);
}

void WeaponsPage::Button2Click()
{
    if (comboBox4_->currentIndex() < 0 || comboBox5_->currentIndex() < 0) {
        context_.prompter().information(this, CopyNotPossible);
        return;
    }
    const WeaponSlot from{comboBox2_->currentIndex() + 1, comboBox6_->currentIndex() + 1, comboBox4_->currentIndex() + 1};
    const WeaponSlot to{comboBox3_->currentIndex() + 1, comboBox7_->currentIndex() + 1, comboBox5_->currentIndex() + 1};
    std::optional<bool> done;
    context_.edit(QStringLiteral("Copy weapon"), QString(), [&] { done = copyWeapon(context_.file(), from, to); });
    if (!done)
        return;
    context_.Update2();
    context_.guarded([this] {
        UpdateGun1();
        UpdateGun2();
    });
    context_.prompter().information(this, *done ? CopyComplete : CopyNotPossible);
}

} // namespace vw::weapons
