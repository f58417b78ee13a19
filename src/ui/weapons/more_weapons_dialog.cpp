#include "more_weapons_dialog.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"
#include "core/weapons/more_weapons_fields.h"
#include "core/weapons/more_weapons_geometry.h"
#include "ui/weapons/more_weapons_painter.h"
#include "ui/weapons/weapon_view_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vw::weapons {

using app::connectHandler;
using app::named;

namespace {

QStringList graphicsItems()
{
    return {MoreGun::tr("0: Large MG Turret"),    MoreGun::tr("1: NOT USED"),        MoreGun::tr("2: Heavy Powered Turret"),
            MoreGun::tr("3: Single Barreled MG"), MoreGun::tr("4: Dual Barreled MG"), MoreGun::tr("5: NOT USED"),
            MoreGun::tr("6: Small Chain MG"),     MoreGun::tr("7: NOT USED"),        MoreGun::tr("8: Small Disc MG")};
}
QStringList controlTypeItems()
{
    return {MoreGun::tr("0: Machie Gun"), MoreGun::tr("1: Turret")};
}

// A frame moved as little as it takes to lie within the room (its top-left
// corner first, when it is larger than the room).
QRect keptOn(QRect frame, const QRect &room)
{
    frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width())));
    frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height())));
    return frame;
}

// Where the dialog's frame goes beside the main window's frame: below it,
// centred (as the original editor put it), else above it, to its right or to
// its left, the first that lies whole within the room; else over the main
// window's lower part, above `clearAbove` (the top of its status bar).
QPoint placeBeside(const QRect &main, const QSize &own, const QRect &room, int clearAbove)
{
    const int centred = main.left() + (main.width() - own.width()) / 2;
    const int middle = main.top() + (main.height() - own.height()) / 2;
    const QPoint candidates[] = {{centred, main.bottom() + 1},
                                 {centred, main.top() - own.height()},
                                 {main.right() + 1, middle},
                                 {main.left() - own.width(), middle}};
    for (const QPoint &at : candidates) {
        // Sliding along the main window's edge to stay on the screen is fine;
        // crossing the edge is not.
        const QRect kept = keptOn(QRect(at, own), room);
        if (!kept.intersects(main))
            return kept.topLeft();
    }
    return keptOn(QRect(QPoint(centred, clearAbove - own.height()), own), room).topLeft();
}

// A combo box shows the stored index; an index it has no item for shows its number.
void showIndex(QComboBox *box, int index)
{
    box->setPlaceholderText(QString::number(index));
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

QLineEdit *numberEdit(const char *name, QWidget *parent)
{
    auto *edit = named<QLineEdit>(name, parent);
    edit->setMinimumWidth(40);
    return edit;
}

// "min:" and "max:" of a firing arc.
QGroupBox *angleGroup(const QString &title, QLineEdit *min, QLineEdit *max, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(new QLabel(MoreGun::tr("min:"), group));
    row->addWidget(min, 1);
    row->addWidget(new QLabel(MoreGun::tr("max:"), group));
    row->addWidget(max, 1);
    return group;
}

} // namespace

MoreGun::MoreGun(app::EditorDocument &document, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), document_(document)
{
    setObjectName(QStringLiteral("MoreGun"));
    setWindowTitle(tr("More Weapons"));
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);

    // The two views, the weapon selector and "Close".
    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    auto *views = new QHBoxLayout;
    views->setSpacing(6);
    image1_ = new WeaponViewWidget(QStringLiteral("Image1"), MoreGun::tr("Top View"), &paintTopView, this);
    image2_ = new WeaponViewWidget(QStringLiteral("Image2"), MoreGun::tr("Front View"), &paintFrontView, this);
    views->addWidget(image1_);
    views->addWidget(image2_);
    left->addLayout(views);
    auto *selectorRow = new QHBoxLayout;
    comboBox1_ = named<QComboBox>("ComboBox1", this);
    comboBox1_->setMaxVisibleItems(16);
    button1_ = named<QPushButton>("Button1", this);
    button1_->setText(tr("Close"));
    // Enter in a coordinate edit stores it; it must not close the dialog.
    button1_->setAutoDefault(false);
    selectorRow->addWidget(comboBox1_, 1);
    selectorRow->addWidget(button1_);
    left->addLayout(selectorRow);
    left->addStretch();
    columns->addLayout(left);

    // "More": the fields of the weapon record.
    more_ = new QGroupBox(tr("More"), this);
    auto *grid = new QGridLayout(more_);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(3);
    comboBox2_ = named<QComboBox>("ComboBox2", more_);
    comboBox4_ = named<QComboBox>("ComboBox4", more_);
    comboBox3_ = named<QComboBox>("ComboBox3", more_);
    // Both control type boxes and the damage part show their items whole
    // ("0: Machie Gun", "Horizontal Stabilizer"), in every language.
    for (QComboBox *box : {comboBox4_, comboBox3_})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    comboBox5_ = named<QComboBox>("ComboBox5", more_);
    comboBox2_->addItems(graphicsItems());
    comboBox4_->addItems(controlTypeItems());
    comboBox3_->addItems(controlTypeItems());
    comboBox5_->setMaxVisibleItems(20);
    edit7_ = numberEdit("Edit7", more_);
    edit6_ = numberEdit("Edit6", more_);
    edit4_ = numberEdit("Edit4", more_);
    grid->addWidget(new QLabel(tr("Graphics"), more_), 0, 0);
    grid->addWidget(comboBox2_, 0, 1, 1, 3);
    grid->addWidget(new QLabel(tr("Control type X/Y:"), more_), 1, 0);
    grid->addWidget(comboBox4_, 1, 1);
    grid->addWidget(comboBox3_, 1, 2, 1, 2);
    grid->addWidget(new QLabel(tr("Assigned 'Key':"), more_), 2, 0);
    grid->addWidget(edit7_, 2, 1);
    grid->addWidget(new QLabel(tr("Damage:"), more_), 2, 2);
    grid->addWidget(comboBox5_, 2, 3);
    grid->addWidget(new QLabel(tr("Trasser:"), more_), 3, 0);
    grid->addWidget(edit6_, 3, 1);
    grid->addWidget(new QLabel(tr("Delay:"), more_), 3, 2);
    grid->addWidget(edit4_, 3, 3);
    edit9_ = numberEdit("Edit9", more_);
    edit10_ = numberEdit("Edit10", more_);
    edit12_ = numberEdit("Edit12", more_);
    edit13_ = numberEdit("Edit13", more_);
    auto *angles = new QHBoxLayout;
    angles->addWidget(angleGroup(tr("Vertical Angle:"), edit9_, edit10_, more_));
    angles->addWidget(angleGroup(tr("Horizontal Angle:"), edit12_, edit13_, more_));
    grid->addLayout(angles, 4, 0, 1, 4);
    auto *coordinates = new QGroupBox(tr("Weapon Coordinates"), more_);
    auto *xyz = new QHBoxLayout(coordinates);
    xyz->setContentsMargins(6, 2, 6, 4);
    edit1_ = numberEdit("Edit1", coordinates);
    edit3_ = numberEdit("Edit3", coordinates);
    edit2_ = numberEdit("Edit2", coordinates);
    const std::pair<QString, QLineEdit *> axes[] = {
        {tr("Х:"), edit1_}, {tr("Y:"), edit3_}, {tr("Z:"), edit2_}};
    for (const auto &[caption, edit] : axes) {
        xyz->addWidget(new QLabel(caption, coordinates));
        xyz->addWidget(edit, 1);
    }
    grid->addWidget(coordinates, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    columns->addWidget(more_, 1);

    comboBox5_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The weapon and graphics lists take the room the window gives them, not their longest item.
    for (QComboBox *box : {comboBox1_, comboBox2_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    fitSize();

    bindFields();
    // The lists store the chosen index into the current weapon.
    const std::pair<QComboBox *, std::pair<QString, void (WeaponRecord::*)(std::int32_t)>> lists[] = {
        {comboBox2_, {tr("Graphics"), &WeaponRecord::setGraphics}},
        {comboBox3_, {tr("Vertical control type"), &WeaponRecord::setVerticalControl}},
        {comboBox4_, {tr("Horizontal control type"), &WeaponRecord::setHorizontalControl}},
        {comboBox5_, {tr("Damage part"), &WeaponRecord::setDamagePart}}};
    for (const auto &[box, named] : lists) {
        const auto setter = named.second;
        const QString field = box->objectName();
        app::bindChoice(document_, box,
                        {named.first, [this] { return hasWeapons(); },
                         [this, field] { return key(field.toLatin1().constData()); }},
                        [this, setter](DataFile &, int index) {
                            WeaponRecord weapon = currentWeapon();
                            (weapon.*setter)(index);
                        });
    }
    connectHandler(document_, comboBox1_, &QComboBox::activated, this, &MoreGun::ComboBox1Change);
    connectHandler(document_, button1_, &QPushButton::clicked, this, &MoreGun::Button1Click);
}

void MoreGun::openBesideMainWindow()
{
    opened_ = true;
    UpdateAll();
    QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    const auto place = [this, main](const QSize &own) {
        if (userPlace_) {
            // Where the user put it, kept on the screen it is on (that screen may be gone).
            const QScreen *screen = QGuiApplication::screenAt(*userPlace_ + QPoint(own.width() / 2, 10));
            if (!screen)
                screen = main && main->screen() ? main->screen() : QGuiApplication::primaryScreen();
            return screen ? keptOn(QRect(*userPlace_, own), screen->availableGeometry()).topLeft() : *userPlace_;
        }
        if (!main)
            return pos();
        const QScreen *screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : main->frameGeometry();
        const auto *window = qobject_cast<QMainWindow *>(main);
        const QStatusBar *status = window ? window->findChild<QStatusBar *>() : nullptr;
        const int clearAbove = status && status->isVisible() ? status->mapToGlobal(QPoint(0, 0)).y()
                                                             : main->frameGeometry().bottom() + 1;
        return placeBeside(main->frameGeometry(), own, room, clearAbove);
    };
    placedAt_ = place(frameGeometry().size());
    move(placedAt_);
    show();
    raise();
    // Shown, the dialog has its frame: placed again with its whole size.
    placedAt_ = place(frameGeometry().size());
    if (pos() != placedAt_)
        move(placedAt_);
}

std::optional<QPoint> MoreGun::userPlace() const
{
    // Shown and moved since it opened: where it stands now.
    if (isVisible() && pos() != placedAt_)
        return pos();
    return userPlace_;
}

void MoreGun::hideEvent(QHideEvent *event)
{
    // Closed where the user had moved it: it opens there next time. (A
    // spontaneous hide is the window being minimised with the main window.)
    if (!event->spontaneous() && pos() != placedAt_)
        userPlace_ = pos();
    QDialog::hideEvent(event);
}

// --- Showing -----------------------------------------------------------------

bool MoreGun::hasWeapons() const
{
    return WeaponsBlockView(document_.file(), document_.selection().CurrentPlane).exists();
}

WeaponRecord MoreGun::currentWeapon() const
{
    const app::Selection &s = document_.selection();
    return WeaponsBlock(document_.file(), s.CurrentPlane).config(s.CurrentConfig).weapon(s.CurrentWeapon);
}

app::MergeKey MoreGun::key(const char *field) const
{
    // The dialog's edits share names with the main window's: the key names the dialog too.
    const app::Selection &s = document_.selection();
    return app::MergeKey::forWeapon(QStringLiteral("MoreGun.") + QLatin1String(field), s.CurrentPlane,
                                    s.CurrentConfig, s.CurrentWeapon);
}

void MoreGun::fillLabelLists()
{
    // The damage part names are built once at start-up, after the dialog.
    const QStringList &parts = document_.labels().DamagePartNames;
    if (comboBox5_->count() != parts.size()) {
        const QSignalBlocker blocker(comboBox5_);
        comboBox5_->clear();
        for (const QString &part : parts)
            comboBox5_->addItem(app::shownLabel(part));
        fitSize(); // the longest part name shows whole
    }
}

void MoreGun::fitSize()
{
    // Client area 720 x 238; a larger font or a longer language widens it rather than cutting captions.
    // The lists that show their items whole are as wide as their longest item
    // (a list's own minimum is kept from before it was filled).
    for (QComboBox *box : {comboBox3_, comboBox4_, comboBox5_})
        box->setMinimumWidth(box->sizeHint().width());
    more_->layout()->invalidate();
    more_->updateGeometry();
    layout()->invalidate();
    setFixedSize(minimumSizeHint().expandedTo(QSize(720, 238)));
}

void MoreGun::showPlane()
{
    if (opened_)
        UpdateAll();
}

void MoreGun::showNoWeapons()
{
    more_->setEnabled(false);
    for (QLineEdit *edit : {edit1_, edit3_, edit2_, edit4_, edit6_, edit7_, edit9_, edit10_, edit12_, edit13_})
        edit->clear();
    for (QComboBox *box : {comboBox2_, comboBox3_, comboBox4_, comboBox5_}) {
        box->setPlaceholderText(QString());
        box->setCurrentIndex(-1);
    }
}

void MoreGun::UpdateAll()
{
    fillLabelLists();
    const app::Selection &s = document_.selection();
    {
        const QSignalBlocker blocker(comboBox1_);
        comboBox1_->setCurrentIndex(s.CurrentWeapon - 1 < comboBox1_->count() ? s.CurrentWeapon - 1 : -1);
    }
    if (!hasWeapons()) {
        showNoWeapons();
        UpdateGraph();
        return;
    }
    more_->setEnabled(true);
    const WeaponRecordView weapon = currentWeapon();
    const QChar separator = document_.decimalSeparator();
    edit1_->setText(datafile::formatNumber(weapon.positionX(), separator));
    edit3_->setText(datafile::formatNumber(weapon.positionY(), separator));
    edit2_->setText(datafile::formatNumber(weapon.positionZ(), separator));
    edit4_->setText(integerFieldText(weapon.fireDelay()));
    edit6_->setText(integerFieldText(weapon.tracerCount()));
    edit7_->setText(keyText(weapon.storedKey()));
    edit9_->setText(angleText(weapon.verticalMin(), separator));
    edit10_->setText(angleText(weapon.verticalMax(), separator));
    edit12_->setText(angleText(weapon.horizontalMin(), separator));
    edit13_->setText(angleText(weapon.horizontalMax(), separator));
    for (QLineEdit *edit : {edit1_, edit3_, edit2_, edit4_, edit6_, edit7_, edit9_, edit10_, edit12_, edit13_})
        app::markInput(document_, edit, QString());
    showIndex(comboBox5_, weapon.damagePart());
    showIndex(comboBox2_, weapon.graphics());
    showIndex(comboBox4_, weapon.horizontalControl());
    showIndex(comboBox3_, weapon.verticalControl());
    UpdateGraph();
}

void MoreGun::UpdateGraph()
{
    const app::Selection &s = document_.selection();
    const WeaponViewInput input =
        weaponViewInput(document_.file(), s.CurrentPlane, s.CurrentConfig, s.CurrentWeapon, edit12_->text(),
                        edit13_->text(), edit9_->text(), edit10_->text(), document_.decimalSeparator());
    image1_->redraw(input);
    image2_->redraw(input);
}

void MoreGun::setWeaponItems(const QStringList &items)
{
    const QSignalBlocker blocker(comboBox1_);
    comboBox1_->clear();
    comboBox1_->addItems(items);
    const int row = document_.selection().CurrentWeapon - 1;
    comboBox1_->setCurrentIndex(row < items.size() ? row : -1);
}

// --- Change handlers -----------------------------------------------------------

void MoreGun::bindWeaponField(QLineEdit *edit, const QString &caption, const QString &undoName, app::StoreOn when,
                              const std::function<QString(WeaponRecord &, const QString &)> &write,
                              std::function<void()> then)
{
    const QString field = edit->objectName();
    const app::BoundField bound{caption, [this] { return hasWeapons(); },
                                [this, field] { return key(field.toLatin1().constData()); }, undoName};
    new app::FieldBinding(
        document_, edit, when, bound,
        [this, write](DataFile &, const QString &text) {
            WeaponRecord weapon = currentWeapon();
            return write(weapon, text);
        },
        std::move(then));
}

void MoreGun::bindFields()
{
    // Typing alone stores no coordinate; Enter stores it and redraws the views.
    const std::pair<QLineEdit *, std::pair<QString, void (WeaponRecord::*)(double)>> coordinates[] = {
        {edit1_, {MoreGun::tr("Х:"), &WeaponRecord::setPositionX}},
        {edit3_, {MoreGun::tr("Y:"), &WeaponRecord::setPositionY}},
        {edit2_, {MoreGun::tr("Z:"), &WeaponRecord::setPositionZ}}};
    for (const auto &[edit, named] : coordinates) {
        const QString caption = named.first;
        const auto setter = named.second;
        bindWeaponField(
            edit, caption, caption.chopped(1) + tr(" coordinate"), app::StoreOn::Return,
            [this, caption, setter](WeaponRecord &weapon, const QString &text) {
                const double value = datafile::readNumber(text, document_.decimalSeparator());
                (weapon.*setter)(value);
                return app::numberInputProblem(caption, text, document_.decimalSeparator(), value);
            },
            [this] { UpdateGraph(); });
    }
    const std::pair<QLineEdit *, std::pair<QString, void (WeaponRecord::*)(std::int32_t)>> integers[] = {
        {edit4_, {MoreGun::tr("Delay:"), &WeaponRecord::setFireDelay}},
        {edit6_, {MoreGun::tr("Trasser:"), &WeaponRecord::setTracerCount}}};
    for (const auto &[edit, named] : integers) {
        const QString caption = named.first;
        const auto setter = named.second;
        bindWeaponField(edit, caption, caption.chopped(1), app::StoreOn::Typing,
                        [caption, setter](WeaponRecord &weapon, const QString &text) {
                            const std::int32_t value = integerFieldFromText(text);
                            (weapon.*setter)(value);
                            return app::integerInputProblem(caption, text, integerFieldText(value));
                        });
    }
    bindWeaponField(edit7_, tr("Assigned 'Key':"), tr("Assigned 'Key'"), app::StoreOn::Typing,
                    [](WeaponRecord &weapon, const QString &text) {
                        const std::int32_t stored = keyFromText(text);
                        weapon.setStoredKey(stored);
                        return app::integerInputProblem(tr("Assigned 'Key':"), text, tr("key %1").arg(keyText(stored)));
                    });
    // The arcs move at the next redraw, as the views are drawn from the edits' texts.
    const std::pair<QLineEdit *, std::pair<QString, void (WeaponRecord::*)(double)>> angles[] = {
        {edit9_, {MoreGun::tr("Vertical Angle min:"), &WeaponRecord::setVerticalMin}},
        {edit10_, {MoreGun::tr("Vertical Angle max:"), &WeaponRecord::setVerticalMax}},
        {edit12_, {MoreGun::tr("Horizontal Angle min:"), &WeaponRecord::setHorizontalMin}},
        {edit13_, {MoreGun::tr("Horizontal Angle max:"), &WeaponRecord::setHorizontalMax}}};
    for (const auto &[edit, named] : angles) {
        const QString caption = named.first;
        const auto setter = named.second;
        bindWeaponField(edit, caption, caption, app::StoreOn::Typing,
                        [this, caption, setter](WeaponRecord &weapon, const QString &text) {
                            const QChar separator = document_.decimalSeparator();
                            (weapon.*setter)(angleFromText(text, separator));
                            return app::numberInputProblem(caption, text, separator,
                                                           datafile::readNumber(text, separator));
                        });
    }
}

void MoreGun::ComboBox1Change(int index)
{
    if (document_.refreshing() || index < 0)
        return;
    document_.makeWeaponCurrent(index + 1);
}

void MoreGun::Button1Click()
{
    hide();
}

} // namespace vw::weapons
