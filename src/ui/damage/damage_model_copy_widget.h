#pragma once

#include "ui/common/plane_view.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace vw::app {
class EditorDocument;
class PlaneSelector;
}

namespace vw::damage {

class MapUndo;

// The "Damage model" group of the Header page: copies a plane's damage map
// and/or its offline damage profile onto another plane.
class DamageModelCopyWidget : public QGroupBox, public app::PlaneView {
    Q_OBJECT
public:
    // `mapUndo` is the damage map page's undo list: a copied map drops the
    // destination's entries from it.
    DamageModelCopyWidget(app::EditorDocument &document, MapUndo &mapUndo, QWidget *parent = nullptr);

    // The selectors start again from the first plane.
    void planeListRebuilt() override;

    void Button6Click();

private:
    app::EditorDocument &document_;
    MapUndo &mapUndo_;
    QPushButton *button6_;
    QCheckBox *map_, *values_;
    app::PlaneSelector *comboBox11_, *comboBox12_;
};

} // namespace vw::damage
