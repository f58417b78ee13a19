#pragma once

#include "ui/common/field_binding.h"
#include "ui/common/plane_view.h"
#include "core/weapons/ammo_entry.h"
#include "core/weapons/ammo_table.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vw::app {
class EditorDocument;
}

namespace vw::weapons {

// The second "Weapons" page: the ammunition table shared by all planes. The
// list ListBox6 names the 151 entries; the six edits store the selected entry
// as keys are released; the buttons halve or double every entry's damage and
// copy and paste the numbers of all entries, also from one file to another.
class AmmoPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit AmmoPage(app::EditorDocument &document, QWidget *parent = nullptr);

    // Update3's part: the selected entry's six numbers.
    void showPlane() override;

    void ListBox6Click();
    void Button17Click(); // Half Damage
    void Button24Click(); // Double Damage
    void Button11Click(); // Copy All Data
    void Button12Click(); // Paste All Data

private:
    int entry() const;
    void fillList();
    void showEntry(int k);
    // Binds an edit to a field of the selected entry: stored as keys are released.
    void bindDouble(QLineEdit *edit, const QString &caption, void (AmmoEntry::*setter)(double));
    void bindInteger(QLineEdit *edit, const QString &caption, void (AmmoEntry::*setter)(std::int32_t));
    app::BoundField boundField(QLineEdit *edit, const QString &caption);
    // Half and Double Damage end with the last entry selected and shown.
    void showLastEntry();
    // The catalogue's damage operation `name` as one undo step, then the status.
    void runDamage(const char *name);

    app::EditorDocument &document_;
    QListWidget *listBox6_;
    QLineEdit *edit33_, *edit31_, *edit32_, *edit30_, *edit38_, *edit39_;
    QPushButton *button17_, *button24_, *button11_, *button12_;
    // The ammunition clipboard: kept while the editor runs, whichever file is loaded.
    AmmoClipboard clipboard_;
};

} // namespace vw::weapons
