#include "weapon_adjustments_widget.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
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
    const auto button = [this, column](const char *name, const QString &caption) {
        auto *b = named<QPushButton>(name, this);
        b->setText(caption);
        column->addWidget(b);
        return b;
    };
    button16_ = button("Button16", tr("Set Bursts to Ammo as 1 to 1"));
    button18_ = button("Button18", tr("Reduce Deviation"));
    // The two deviations sit on the right end of the button, over the blanks of its caption.
    button21_ = button("Button21", tr("Set Bomb deviation to") + QString(15, QLatin1Char(' ')));
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
    button22_ = button("Button22", tr("Set trasser count"));
    button23_ = button("Button23", tr("Reduce Fire Delay Twice"));
    button25_ = button("Button25", tr("Remove Skip Bombs"));

    connectHandler(document_, button16_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button16Click);
    connectHandler(document_, button18_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button18Click);
    connectHandler(document_, button21_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button21Click);
    connectHandler(document_, button22_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button22Click);
    connectHandler(document_, button23_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button23Click);
    connectHandler(document_, button25_, &QPushButton::clicked, this, &WeaponAdjustmentsWidget::Button25Click);
}

void WeaponAdjustmentsWidget::run(const QString &what, End end, const std::function<BatchReport(DataFile &)> &adjust)
{
    const app::PageRegistry &pages = document_.pages();
    if (end != End::MoreWeapons)
        pages.show(app::PageId::Weapons);
    if (end != End::WeaponsPage && !pages.isShown(app::PageId::MoreWeapons))
        pages.show(app::PageId::MoreWeapons);
    BatchReport report;
    if (!document_.edit(what, app::MergeKey::none(), [&] { report = adjust(document_.file()); }))
        return; // the error box said why; nothing was changed
    if (report.last.plane > 0) {
        // The lists show the last weapon the walk visited.
        document_.makeCurrent({report.last.plane, report.last.config, report.last.weapon});
    }
    const QLocale numbers(QLocale::English);
    document_.showStatus(report.planesVisited == 0
                             ? what + tr(": no plane of this file has a plane record, so no weapon changed")
                             : tr("%1: %2 weapons on %3 planes")
                                   .arg(what, numbers.toString(report.weaponsChanged),
                                        numbers.toString(report.planesVisited)));
}

void WeaponAdjustmentsWidget::Button16Click()
{
    run(tr("Set Bursts to Ammo as 1 to 1"), End::WeaponsPage, &setBurstsToAmmo);
}

void WeaponAdjustmentsWidget::Button18Click()
{
    run(tr("Reduce Deviation"), End::WeaponsPage, &reduceDeviation);
}

void WeaponAdjustmentsWidget::Button21Click()
{
    const QString fighter = edit42_->text(), bomber = edit43_->text();
    const QChar separator = document_.decimalSeparator();
    for (QLineEdit *edit : {edit42_, edit43_})
        app::markInput(document_, edit,
                       app::numberInputProblem(tr("Set Bomb deviation to"), edit->text(), separator,
                                               datafile::readNumber(edit->text(), separator)));
    run(tr("Set Bomb deviation to"), End::WeaponsPage, [&](DataFile &file) {
        return setBombDeviation(file, fighter, bomber, document_.labels().AmmoNames, document_.decimalSeparator());
    });
}

void WeaponAdjustmentsWidget::Button22Click()
{
    run(tr("Set trasser count"), End::MoreWeapons, &setTracerCount);
}

void WeaponAdjustmentsWidget::Button23Click()
{
    run(tr("Reduce Fire Delay Twice"), End::WeaponsPageAndMoreWeapons, &halveFireDelay);
}

void WeaponAdjustmentsWidget::Button25Click()
{
    run(tr("Remove Skip Bombs"), End::WeaponsPage, &removeSkipBombs);
}

} // namespace vw::weapons
