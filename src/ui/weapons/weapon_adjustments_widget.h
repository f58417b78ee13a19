#pragma once

#include "core/operations/batch_catalogue.h"

#include <QGroupBox>

#include <functional>

class QLineEdit;
class QPushButton;

namespace vw::app {
class EditorDocument;
}

namespace vw::weapons {


// The weapon batch adjustments of the Misc page: six buttons that change one
// weapon field in every weapon of every configuration of every plane. Each is
// one undo step; afterwards the last weapon visited is selected, the Weapons
// page is shown (not after "Set trasser count") and the More Weapons dialog is
// open after "Set trasser count" and "Reduce Fire Delay Twice".
class WeaponAdjustmentsWidget : public QGroupBox {
    Q_OBJECT
public:
    // The buttons end on the Weapons page and the More Weapons dialog through
    // the document's pages; the document makes the last weapon current.
    explicit WeaponAdjustmentsWidget(app::EditorDocument &document, QWidget *parent = nullptr);

    void Button16Click(); // Set Bursts to Ammo as 1 to 1
    void Button18Click(); // Reduce Deviation
    void Button21Click(); // Set Bomb deviation to
    void Button22Click(); // Set trasser count
    void Button23Click(); // Reduce Fire Delay Twice
    void Button25Click(); // Remove Skip Bombs

private:
    enum class End { WeaponsPage, MoreWeapons, WeaponsPageAndMoreWeapons };
    // Runs the catalogue's operation `name` (or `adjust` in its place) as one undo step.
    void run(const char *name, End end, const app::BatchRun &adjust = {});

    app::EditorDocument &document_;
    QPushButton *button16_, *button18_, *button21_, *button22_, *button23_, *button25_;
    QLineEdit *edit42_, *edit43_;
};

} // namespace vw::weapons
