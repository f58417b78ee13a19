#include "damage_model_copy_widget.h"

#include "ui/common/plane_selector.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_list_model.h"
#include "ui/common/prompter_dialog.h"
#include "core/damage/damage_model_copy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace vw::damage {

using app::named;

DamageModelCopyWidget::DamageModelCopyWidget(app::EditorDocument &document, MapUndo &mapUndo, QWidget *parent)
    : QGroupBox(tr("Damage model"), parent), document_(document), mapUndo_(mapUndo)
{
    setObjectName(QStringLiteral("DamageModelGroup"));
    auto *form = new QFormLayout(this);
    comboBox11_ = new app::PlaneSelector(document_, "ComboBox11", this);
    comboBox12_ = new app::PlaneSelector(document_, "ComboBox12", this);
    map_ = named<QCheckBox>("DamageModelMap", this);
    map_->setText(tr("Map"));
    map_->setChecked(true);
    values_ = named<QCheckBox>("DamageModelValues", this);
    values_->setText(tr("Values"));
    values_->setChecked(true);
    button6_ = named<QPushButton>("Button6", this);
    button6_->setText(tr("Copy"));
    form->addRow(tr("Source plane:"), comboBox11_);
    form->addRow(tr("Destination plane:"), comboBox12_);
    auto *copyRow = new QHBoxLayout;
    copyRow->addWidget(map_);
    copyRow->addWidget(values_);
    copyRow->addStretch();
    copyRow->addWidget(button6_);
    form->addRow(copyRow);

    app::connectHandler(document_, button6_, &QPushButton::clicked, this, &DamageModelCopyWidget::Button6Click);
}

void DamageModelCopyWidget::planeListRebuilt()
{
    for (app::PlaneSelector *box : {comboBox11_, comboBox12_})
        box->chooseFirst();
}

void DamageModelCopyWidget::Button6Click()
{
    const QString notPossible = tr("Copy process is not possible!");
    const int from = comboBox11_->currentIndex() + 1, to = comboBox12_->currentIndex() + 1;
    if (from < 1 || to < 1) {
        document_.prompter().information(document_.dialogParent(), notPossible);
        document_.showStatus(tr("Choose a source plane and a destination plane."));
        return;
    }
    const bool map = map_->isChecked(), values = values_->isChecked();
    CopyResult result;
    if (!document_.edit(tr("Copy damage model"), app::MergeKey::none(),
                        [&] { result = copyDamageModel(document_.file(), from, to, map, values, &mapUndo_); }))
        return; // the error box said why
    if (!result) {
        document_.prompter().information(document_.dialogParent(), notPossible);
        QString reason = result.reason;
        if (!reason.isEmpty())
            reason[0] = reason[0].toUpper();
        document_.showStatus(reason);
        return;
    }
    document_.Update1();
    const QString what = map && values ? tr("Damage map and profile")
                         : map         ? tr("Damage map")
                         : values      ? tr("Damage profile")
                                       : QString();
    document_.showStatus(what.isEmpty() ? tr("Neither \"Map\" nor \"Values\" is ticked: nothing was copied.")
                                        : tr("%1 of plane %2 copied to plane %3.").arg(what).arg(from).arg(to));
    document_.prompter().information(document_.dialogParent(), tr("Copy process complete!"));
}

} // namespace vw::damage
