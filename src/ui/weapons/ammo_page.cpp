#include "ammo_page.h"

#include "ui/common/batch_status.h"
#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"
#include "core/weapons/ammo_entry.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vw::weapons {

using app::connectHandler;
using app::named;

namespace {

constexpr int LastEntry = AmmoEntryView::Count - 1;

} // namespace

AmmoPage::AmmoPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("AmmoPage"));
    auto *columns = new QHBoxLayout(this);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Weapons"), this));
    listBox6_ = named<QListWidget>("ListBox6", this);
    listBox6_->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    left->addWidget(listBox6_, 1);
    columns->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    auto *form = new QFormLayout;
    edit33_ = named<QLineEdit>("Edit33", this);
    edit31_ = named<QLineEdit>("Edit31", this);
    edit32_ = named<QLineEdit>("Edit32", this);
    edit30_ = named<QLineEdit>("Edit30", this);
    edit38_ = named<QLineEdit>("Edit38", this);
    edit39_ = named<QLineEdit>("Edit39", this);
    const std::pair<QString, QLineEdit *> fields[] = {
        {tr("AP Damage:"), edit33_}, {tr("HE Damage:"), edit31_},
        {tr("HE Range:"), edit32_},  {tr("Weight:"), edit30_},
        {tr("Param 1:"), edit38_},   {tr("Param 2:"), edit39_}};
    for (const auto &[caption, edit] : fields) {
        edit->setFixedWidth(160);
        form->addRow(caption, edit);
    }
    bindDouble(edit33_, tr("AP Damage:"), &AmmoEntry::setApDamage);
    bindInteger(edit31_, tr("HE Damage:"), &AmmoEntry::setHeDamage);
    bindDouble(edit32_, tr("HE Range:"), &AmmoEntry::setHeRange);
    bindDouble(edit30_, tr("Weight:"), &AmmoEntry::setWeight);
    bindInteger(edit38_, tr("Param 1:"), &AmmoEntry::setParam1);
    bindInteger(edit39_, tr("Param 2:"), &AmmoEntry::setParam2);
    right->addLayout(form);
    // The damage buttons' names and captions are their operations' in the batch catalogue.
    const app::BatchOperation &half = app::batchOperation("half-damage");
    const app::BatchOperation &twice = app::batchOperation("double-damage");
    button17_ = named<QPushButton>(half.button, app::batchCaption(half), this);
    button24_ = named<QPushButton>(twice.button, app::batchCaption(twice), this);
    button11_ = named<QPushButton>("Button11", tr("Copy All Data"), this);
    button12_ = named<QPushButton>("Button12", tr("Paste All Data"), this);
    button12_->setEnabled(false);
    button12_->setToolTip(tr("Copy All Data first: the clipboard is empty."));
    auto *damageRow = new QHBoxLayout;
    damageRow->addWidget(button17_);
    damageRow->addWidget(button24_);
    damageRow->addStretch();
    right->addLayout(damageRow);
    right->addStretch();
    auto *clipboardRow = new QHBoxLayout;
    clipboardRow->addWidget(button11_);
    clipboardRow->addWidget(button12_);
    clipboardRow->addStretch();
    right->addLayout(clipboardRow);
    columns->addLayout(right, 1);

    connect(listBox6_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!document_.refreshing() && row >= 0)
            document_.guarded([this] { ListBox6Click(); });
    });
    connectHandler(document_, button17_, &QPushButton::clicked, this, &AmmoPage::Button17Click);
    connectHandler(document_, button24_, &QPushButton::clicked, this, &AmmoPage::Button24Click);
    connectHandler(document_, button11_, &QPushButton::clicked, this, &AmmoPage::Button11Click);
    connectHandler(document_, button12_, &QPushButton::clicked, this, &AmmoPage::Button12Click);
}

// --- Showing -----------------------------------------------------------------

int AmmoPage::entry() const
{
    return listBox6_->currentRow();
}

void AmmoPage::fillList()
{
    // WeaponTypeList is built at start-up; the first entry is selected then.
    const QStringList &items = document_.labels().WeaponTypeList;
    if (listBox6_->count() == items.size())
        return;
    const QSignalBlocker blocker(listBox6_);
    listBox6_->clear();
    listBox6_->addItems(items);
    listBox6_->setCurrentRow(items.isEmpty() ? -1 : 0);
}

void AmmoPage::showPlane()
{
    fillList();
    showEntry(entry());
}

void AmmoPage::showEntry(int k)
{
    const AmmoEntryView entry(document_.file(), k);
    const bool exists = k >= 0 && entry.exists();
    QLineEdit *edits[] = {edit33_, edit31_, edit32_, edit30_, edit38_, edit39_};
    for (QLineEdit *edit : edits) {
        edit->setEnabled(exists);
        app::markInput(document_, edit, QString());
        if (!exists)
            edit->clear();
    }
    for (QPushButton *b : {button17_, button24_, button11_})
        b->setEnabled(AmmoEntryView(document_.file(), LastEntry).exists());
    if (!exists)
        return;
    const QChar separator = document_.decimalSeparator();
    edit33_->setText(datafile::formatNumber(entry.apDamage(), separator));
    edit31_->setText(QString::number(entry.heDamage()));
    edit32_->setText(datafile::formatNumber(entry.heRange(), separator));
    edit30_->setText(datafile::formatNumber(entry.weight(), separator));
    edit38_->setText(QString::number(entry.param1()));
    edit39_->setText(QString::number(entry.param2()));
}

void AmmoPage::showLastEntry()
{
    {
        const QSignalBlocker blocker(listBox6_);
        listBox6_->setCurrentRow(LastEntry < listBox6_->count() ? LastEntry : listBox6_->count() - 1);
    }
    document_.Update3();
}

// --- Change handlers -----------------------------------------------------------

void AmmoPage::ListBox6Click()
{
    document_.Update3();
}

app::BoundField AmmoPage::boundField(QLineEdit *edit, const QString &caption)
{
    // An entry is a row of the shared table; keystrokes in one field of one entry merge.
    return {caption, [this] { return AmmoEntryView(document_.file(), entry()).exists(); },
            [this, edit] { return app::MergeKey::forCell(edit->objectName(), 0, 0, entry()); },
            tr("Ammunition ") + app::inputCaption(caption)};
}

void AmmoPage::bindDouble(QLineEdit *edit, const QString &caption, void (AmmoEntry::*setter)(double))
{
    app::bindNumber(document_, edit, app::StoreOn::KeyRelease, boundField(edit, caption),
                    [this, setter](DataFile &file, double value) { (AmmoEntry(file, entry()).*setter)(value); });
}

void AmmoPage::bindInteger(QLineEdit *edit, const QString &caption, void (AmmoEntry::*setter)(std::int32_t))
{
    app::bindInteger(
        document_, edit, app::StoreOn::KeyRelease, boundField(edit, caption),
        [this, setter](DataFile &file, qint64 value) {
            (AmmoEntry(file, entry()).*setter)(std::int32_t(value));
            return value;
        },
        app::Limits::Refused);
}

void AmmoPage::runDamage(const char *name)
{
    const app::BatchOperation &operation = app::batchOperation(name);
    app::BatchOutcome outcome;
    if (!document_.edit(app::batchCaption(operation), app::MergeKey::none(),
                        [&] { outcome = operation.run(document_.file()); }))
        return;
    showLastEntry();
    document_.showStatus(app::batchStatus(operation, outcome));
}

void AmmoPage::Button17Click()
{
    runDamage("half-damage");
}

void AmmoPage::Button24Click()
{
    runDamage("double-damage");
}

void AmmoPage::Button11Click()
{
    clipboard_ = copyAllAmmo(document_.file());
    button12_->setEnabled(true);
    button12_->setToolTip(QString());
    document_.showStatus(
        tr("Copy All Data: the numbers of entries 0 to %1 are kept for Paste All Data.").arg(LastEntry));
}

void AmmoPage::Button12Click()
{
    bool pasted = false;
    if (!document_.edit(tr("Paste All Data"), app::MergeKey::none(),
                        [&] { pasted = pasteAllAmmo(document_.file(), clipboard_); }))
        return;
    ListBox6Click();
    document_.showStatus(pasted ? tr("Paste All Data: the numbers of entries 0 to %1 pasted; their "
                                     "names are kept.")
                                      .arg(LastEntry)
                                : tr("Paste All Data: the clipboard is empty; Copy All Data first."));
}

} // namespace vw::weapons
