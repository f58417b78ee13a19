#include "weapon_adjustments_widget.h"

#include "ui/common/batch_status.h"
#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vw::weapons {

using app::connectHandler;
using app::named;

WeaponAdjustmentsWidget::WeaponAdjustmentsWidget(app::EditorDocument &document, QWidget *parent)
    : QGroupBox(tr("Weapons of all planes"), parent), document_(document)
{
    setObjectName(QStringLiteral("WeaponAdjustments"));
    auto *column = new QVBoxLayout(this);
    column->setSpacing(3);
    // Each button's name and caption are its operation's in the batch catalogue.
    const auto button = [this, column](const char *operation, const QString &padding = QString()) {
        const app::BatchOperation &op = app::batchOperation(operation);
        auto *b = named<QPushButton>(op.button, this);
        b->setText(app::batchCaption(op) + padding);
        column->addWidget(b);
        return b;
    };
    button16_ = button("bursts-to-ammo");
    button18_ = button("reduce-deviation");
    // The two deviations sit on the right end of the button, over the blanks of its caption.
    button21_ = button("bomb-deviation", QString(15, QLatin1Char(' ')));
    auto *onButton = new QHBoxLayout(button21_);
    onButton->setContentsMargins(4, 2, 4, 2);
    onButton->setSpacing(2);
    onButton->addStretch();
    edit42_ = named<QLineEdit>("Edit42", button21_);
    edit43_ = named<QLineEdit>("Edit43", button21_);
    edit42_->setText(QStringLiteral("1"));
    edit43_->setText(QStringLiteral("1.5"));
    edit42_->setToolTip(tr("Deviation of the bombs of fighters"));
    edit43_->setToolTip(tr("Deviation of the bombs of bombers"));
    for (QLineEdit *edit : {edit42_, edit43_}) {
        edit->setFixedWidth(36);
        onButton->addWidget(edit);
    }
    button21_->setMinimumHeight(edit42_->sizeHint().height() + 4);
    button22_ = button("tracer-count");
    button23_ = button("halve-fire-delay");
    button25_ = button("remove-skip-bombs");

    connectHandler(document_, button16_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button16Click);
    connectHandler(document_, button18_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button18Click);
    connectHandler(document_, button21_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button21Click);
    connectHandler(document_, button22_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button22Click);
    connectHandler(document_, button23_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button23Click);
    connectHandler(document_, button25_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button25Click);
}

void WeaponAdjustmentsWidget::run(const char *name, End end, const app::BatchRun &adjust)
{
    const app::BatchOperation &operation = app::batchOperation(name);
    const app::PageRegistry &pages = document_.pages();
    if (end != End::MoreWeapons)
        pages.show(app::PageId::Weapons);
    if (end != End::WeaponsPage && !pages.isShown(app::PageId::MoreWeapons))
        pages.show(app::PageId::MoreWeapons);
    app::BatchOutcome outcome;
    if (!document_.edit(app::batchCaption(operation), app::MergeKey::none(),
                        [&] { outcome = (adjust ? adjust : operation.run)(document_.file()); }))
        return; // the error box said why; nothing was changed
    if (outcome.lastWeapon.plane > 0) {
        // The lists show the last weapon the walk visited.
        document_.makeCurrent({outcome.lastWeapon.plane, outcome.lastWeapon.config, outcome.lastWeapon.weapon});
    }
    document_.showStatus(app::batchStatus(operation, outcome));
}

void WeaponAdjustmentsWidget::Button16Click()
{
    run("bursts-to-ammo", End::WeaponsPage);
}

void WeaponAdjustmentsWidget::Button18Click()
{
    run("reduce-deviation", End::WeaponsPage);
}

void WeaponAdjustmentsWidget::Button21Click()
{
    const QString fighter = edit42_->text(), bomber = edit43_->text();
    const QChar separator = document_.decimalSeparator();
    const QString caption = app::batchCaption(app::batchOperation("bomb-deviation"));
    for (QLineEdit *edit : {edit42_, edit43_})
        app::markInput(document_, edit,
                       app::numberInputProblem(caption, edit->text(), separator,
                                               datafile::readNumber(edit->text(), separator)));
    run("bomb-deviation", End::WeaponsPage,
        app::bombDeviationRun(fighter, bomber, document_.labels().AmmoNames, separator));
}

void WeaponAdjustmentsWidget::Button22Click()
{
    run("tracer-count", End::MoreWeapons);
}

void WeaponAdjustmentsWidget::Button23Click()
{
    run("halve-fire-delay", End::WeaponsPageAndMoreWeapons);
}

void WeaponAdjustmentsWidget::Button25Click()
{
    run("remove-skip-bombs", End::WeaponsPage);
}

} // namespace vw::weapons
