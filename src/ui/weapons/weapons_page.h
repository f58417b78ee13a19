#pragma once

#include "ui/common/merge_key.h"
#include "ui/common/plane_view.h"
#include "core/weapons/weapons_block.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace vw::app {
class EditorDocument;
class PlaneSelector;
}

namespace vw::weapons {

class ConfigListView;


// The Weapons page: the current configuration and weapon of the current plane,
// the two counts, the configuration name, and the configuration and weapon
// copies. The configuration list ListBox2 lives in the main window's left
// panel; the page relabels it when a configuration is renamed.
class WeaponsPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    WeaponsPage(app::EditorDocument &document, ConfigListView *configList, QWidget *parent = nullptr);

    // The weapon part of Update3: fields of the current weapon, the summary
    // lines and the configuration count.
    void showPlane() override;
    // The page's part of Update2: weapon count, configuration name, ListBox3.
    void showConfiguration() override;
    // After Update3: UpdateGun3.
    void configurationShown() override { UpdateGun3(); }
    // UpdateList1 starts the copy weapon group again from the first plane's
    // first configuration and weapon.
    void planeListRebuilt() override;

    // The weapon items of the current configuration for the More Weapons
    // dialog's selector (weaponItemsChanged), first item selected.
    void UpdateGun3();
    void UpdateConfig1();
    void UpdateConfig2();
    void UpdateGun1();
    void UpdateGun2();

    // Change handlers.
    void ListBox3Click();
    void SpinEdit3Change(int value);
    void SpinEdit2Change(int value);
    void SpinEdit4Change(int value);
    void SpinEdit5Change(int value);
    void SpeedButton1Click();
    void Button1Click();
    void Button2Click();

Q_SIGNALS:
    // UpdateGun3: the items of the More Weapons dialog's weapon selector.
    void weaponItemsChanged(const QStringList &items);

private:
    // The list label of ammunition type k; an unknown type shows its number only.
    QString ammoLabel(int type) const;
    QStringList weaponItems(int plane, int config) const;
    void fillConfigBox(QComboBox *planeBox, QComboBox *configBox);
    void fillWeaponBox(QComboBox *planeBox, QComboBox *configBox, QComboBox *weaponBox);
    void fillLabelLists();
    bool hasWeapons() const;
    WeaponRecord currentWeapon() const;
    app::MergeKey key(const char *field) const;
    void showNoWeapons();

    app::EditorDocument &document_;
    ConfigListView *listBox2_;
    QLabel *noWeapons_;
    QLineEdit *edit3_, *edit4_, *edit5_, *edit6_;
    QGroupBox *manageConfigs_;
    QLineEdit *edit1_;
    QSpinBox *spinEdit3_, *spinEdit4_, *spinEdit5_;
    QPushButton *button1_;
    QGroupBox *weapon_;
    QComboBox *comboBox1_, *comboBox8_;
    QToolButton *speedButton1_;
    QLineEdit *edit19_, *edit18_, *edit2_, *edit7_;
    QListWidget *listBox3_;
    QGroupBox *managingWeapons_;
    QSpinBox *spinEdit2_;
    QPushButton *button2_;
    app::PlaneSelector *comboBox2_;
    QComboBox *comboBox6_, *comboBox4_;
    app::PlaneSelector *comboBox3_;
    QComboBox *comboBox7_, *comboBox5_;
};

} // namespace vw::weapons
