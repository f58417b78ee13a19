#include "header_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/field_binding.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_selector.h"
#include "ui/common/plane_list_model.h"
#include "ui/common/prompter_dialog.h"
#include "core/datafile/directory_entry.h"
#include "core/flightmodel/plane_header.h"
#include "core/weapons/weapon_copies.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <QVBoxLayout>


namespace vw::flightmodel {

using app::connectHandler;
using app::named;

HeaderPage::HeaderPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("HeaderPage"));
    groups_ = new QGridLayout(this);

    // A group box title takes "&&" for one ampersand.
    header_ = new QGroupBox(tr("Plane header && Plane copy"), this);
    header_->setObjectName(QStringLiteral("PlaneHeaderGroup"));
    auto *form = new QFormLayout(header_);
    edit8_ = named<QLineEdit>("Edit8", header_);
    edit9_ = named<QLineEdit>("Edit9", header_);
    edit12_ = named<QLineEdit>("Edit12", header_);
    edit11_ = named<QLineEdit>("Edit11", header_);
    edit13_ = named<QLineEdit>("Edit13", header_);
    edit10_ = named<QLineEdit>("Edit10", header_);
    // The fields hold 18 and 8 characters: the edits take no more.
    edit8_->setMaxLength(datafile::DirectoryEntryView::NameWidth);
    for (QLineEdit *edit : {edit9_, edit12_, edit11_, edit13_, edit10_})
        edit->setMaxLength(datafile::DirectoryEntryView::ShortTextWidth);
    form->addRow(tr("Plane name:"), edit8_);
    form->addRow(tr("Icon in air:"), edit9_);
    form->addRow(tr("Sounds:"), edit12_);
    form->addRow(tr("Cocpit №1:"), edit11_);
    form->addRow(tr("Cocpit №2:"), edit13_);
    form->addRow(tr("3D Model:"), edit10_);
    radioGroup1_ = new QGroupBox(tr("Plane Type"), header_);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    auto *typeRow = new QHBoxLayout(radioGroup1_);
    planeType_ = new QButtonGroup(this);
    const QString types[] = {tr("Fighter"), tr("Bomber")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(types[i], radioGroup1_);
        button->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        planeType_->addButton(button, i);
        typeRow->addWidget(button, 1);
    }
    form->addRow(radioGroup1_);
    checkBox1_ = named<QCheckBox>("CheckBox1", header_);
    checkBox1_->setText(tr("Plane is selectable"));
    form->addRow(checkBox1_);
    groups_->addWidget(header_, 0, 0);

    const app::CopyGroup loadouts = app::copyGroup(document_, tr("Weapon Loadouts"), "WeaponLoadoutsGroup",
                                                   "ComboBox15", "ComboBox16", "Button20", this);
    comboBox15_ = loadouts.source;
    comboBox16_ = loadouts.destination;
    button20_ = loadouts.copy;
    checkBox6_ = named<QCheckBox>("CheckBox6", loadouts.box);
    checkBox6_->setText(tr("Copy 98 nodes"));
    loadouts.bottom->addWidget(checkBox6_);
    loadouts.bottom->addStretch();
    loadouts.bottom->addWidget(button20_);
    groups_->addWidget(loadouts.box, 0, 1);
    groups_->setColumnStretch(0, 1);
    groups_->setColumnStretch(1, 1);
    groups_->setRowStretch(3, 1);

    // The header's texts store as typed, cut to their room; keystrokes in one field of one plane merge.
    const std::pair<QLineEdit *, HeaderText> texts[] = {
        {edit8_, HeaderText::Name},      {edit9_, HeaderText::IconInAir}, {edit10_, HeaderText::Model3D},
        {edit11_, HeaderText::Cockpit1}, {edit12_, HeaderText::Sounds},   {edit13_, HeaderText::Cockpit2}};
    for (const auto &[edit, field] : texts) {
        const QString editName = edit->objectName();
        const HeaderText text = field;
        const app::BoundField bound{QString(), {},
                                    [this, editName] {
                                        return app::MergeKey::forPlane(editName, document_.selection().CurrentPlane);
                                    },
                                    tr("Plane header")};
        auto stored = std::make_shared<QString>();
        app::bindText(
            document_, edit, app::StoreOn::Typing, bound,
            [this, text, stored](datafile::DataFile &file, const QString &typed) {
                *stored = PlaneHeader(file, document_.selection().CurrentPlane).setText(text, typed);
            },
            // The plane list and every plane selector show the cut name at once, untrimmed.
            text == HeaderText::Name ? std::function<void()>([this, stored] {
                document_.planeList()->relabelPlane(document_.selection().CurrentPlane, *stored);
            })
                                     : std::function<void()>());
    }
    connectHandler(document_, planeType_, &QButtonGroup::idClicked, this, &HeaderPage::RadioGroup1Click);
    connectHandler(document_, checkBox1_, &QCheckBox::clicked, this, &HeaderPage::CheckBox1Click);
    connectHandler(document_, button20_, &QPushButton::clicked, this, &HeaderPage::Button20Click);
}

void HeaderPage::showPlane()
{
    const PlaneHeader header(document_.file(), document_.selection().CurrentPlane);
    const bool exists = header.exists();
    header_->setEnabled(exists);
    const std::pair<QLineEdit *, HeaderText> edits[] = {
        {edit8_, HeaderText::Name},      {edit9_, HeaderText::IconInAir}, {edit12_, HeaderText::Sounds},
        {edit11_, HeaderText::Cockpit1}, {edit13_, HeaderText::Cockpit2}, {edit10_, HeaderText::Model3D}};
    for (const auto &[edit, field] : edits)
        edit->setText(exists ? header.text(field) : QString());
    // A type byte other than 0 or 1 checks neither item.
    const int type = exists ? header.planeType() : -1;
    planeType_->setExclusive(false);
    for (QAbstractButton *button : planeType_->buttons())
        button->setChecked(planeType_->id(button) == type);
    planeType_->setExclusive(true);
    checkBox1_->setChecked(exists && header.selectable());
}

void HeaderPage::planeListRebuilt()
{
    for (app::PlaneSelector *box : {comboBox15_, comboBox16_})
        box->chooseFirst();
}

void HeaderPage::RadioGroup1Click(int index)
{
    const int plane = document_.selection().CurrentPlane;
    document_.edit(tr("Plane Type"), app::MergeKey::none(),
                  [&] { PlaneHeader(document_.file(), plane).setPlaneType(index); });
}

void HeaderPage::CheckBox1Click(bool checked)
{
    const int plane = document_.selection().CurrentPlane;
    document_.edit(tr("Plane is selectable"), app::MergeKey::none(),
                  [&] { PlaneHeader(document_.file(), plane).setSelectable(checked); });
}

void HeaderPage::Button20Click()
{
    const bool nodes98 = checkBox6_->isChecked();
    const int s = comboBox15_->currentIndex() + 1, d = comboBox16_->currentIndex() + 1;
    bool done = false;
    if (!document_.edit(nodes98 ? tr("Copy 98 nodes") : tr("Copy loadouts"),
                        app::MergeKey::none(), [&] {
                            done = nodes98 ? weapons::copy98Nodes(document_.file())
                                           : weapons::copyLoadout(document_.file(), s, d);
                        }))
        return; // the error box said why
    if (done && nodes98) {
        // The boxes end on the last pair copied.
        comboBox15_->setCurrentIndex(weapons::Nodes98Last);
        comboBox16_->setCurrentIndex(weapons::Nodes98Last + weapons::Nodes98Shift);
    }
    if (done)
        document_.Update1();
    else if (nodes98)
        document_.showStatus(tr("Copy 98 nodes copies planes 3..99 onto planes 102..198: the file needs at "
                                "least 198 planes, each with a plane record; it has %1 planes.")
                                 .arg(std::max(0, document_.file().PlaneCount())));
    else
        document_.showStatus(tr("Copy loadouts: choose a source and a destination plane, both with a plane record."));
    document_.prompter().information(this, done ? tr("Copy process complete!")
                                                : tr("Copy process is not possible!"));
}

} // namespace vw::flightmodel
