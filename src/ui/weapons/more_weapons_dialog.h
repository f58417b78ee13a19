#pragma once

#include "ui/common/merge_key.h"
#include "ui/common/field_binding.h"
#include "ui/common/plane_view.h"
#include "core/weapons/weapons_block.h"

#include <QDialog>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vw::app {
class EditorDocument;
}

namespace vw::weapons {

class WeaponViewWidget;

// The "More Weapons" tool window: the fields of the current weapon that the
// Weapons page does not show, and the top and front views of the weapons of
// the current configuration. It stays on top of the main window and always
// shows the current weapon; once opened (MoreWeaponsOpened) it follows every
// Update3, also while hidden.
class MoreGun : public QDialog, public app::PlaneView {
    Q_OBJECT
public:
    // The weapon selector makes a weapon current through the document, which
    // the Weapons page's weapon list follows.
    MoreGun(app::EditorDocument &document, QWidget *mainWindow);

    bool MoreWeaponsOpened() const { return opened_; }
    // The Weapons page's "..." button: shows the dialog where the user last
    // put it, or else beside the main window where it fits on the screen, and
    // over the main window's lower part (clear of its status bar) where it
    // does not. The main window never moves.
    void openBesideMainWindow();
    // Where the user put the dialog (its frame's top-left), kept between runs;
    // none while the dialog stays where the editor placed it.
    std::optional<QPoint> userPlace() const;
    void setUserPlace(const std::optional<QPoint> &place) { userPlace_ = place; }

    // Update3's part: the dialog once it has been opened.
    void showPlane() override;
    // Every field of the current weapon, then UpdateGraph.
    void UpdateAll();
    // Redraws both views.
    void UpdateGraph();
    // UpdateGun3: the weapon items of the current configuration.
    void setWeaponItems(const QStringList &items);

    // Change handlers.
    void ComboBox1Change(int index);
    void Button1Click();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    // The fixed size that shows every caption and list item whole.
    void fitSize();
    bool hasWeapons() const;
    WeaponRecord currentWeapon() const;
    app::MergeKey key(const char *field) const;
    // Binds an edit to a field of the current weapon; `write` stores the text
    // and says how it was read. Keystrokes in one field of one weapon merge.
    void bindWeaponField(QLineEdit *edit, const QString &caption, const QString &undoName, app::StoreOn when,
                         const std::function<QString(WeaponRecord &, const QString &)> &write,
                         std::function<void()> then = {});
    void bindFields();
    void fillLabelLists();
    void showNoWeapons();

    app::EditorDocument &document_;
    bool opened_ = false;
    std::optional<QPoint> userPlace_;
    QPoint placedAt_; // where the editor put the dialog when it opened
    QGroupBox *more_;
    QLineEdit *edit1_, *edit3_, *edit2_, *edit4_, *edit6_, *edit7_;
    QLineEdit *edit9_, *edit10_, *edit12_, *edit13_;
    QComboBox *comboBox5_, *comboBox2_, *comboBox4_, *comboBox3_, *comboBox1_;
    QPushButton *button1_;
    WeaponViewWidget *image1_, *image2_;
};

} // namespace vw::weapons
