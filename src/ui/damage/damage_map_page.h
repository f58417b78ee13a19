#pragma once

#include "ui/common/plane_view.h"
#include "core/damage/damage_map_edits.h"
#include "core/damage/damage_map_geometry.h"
#include "core/damage/map_undo.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QToolButton;

namespace vw::app {
class EditorDocument;
}

namespace vw::damage {

class DamageMapWidget;

// The "Plane Damage Maps" sub-page: the current plane's damage map as a 3D
// stack of all levels (view only) or as one flat level to place parts on and
// shift, with the map's own "Undo Last Change". The cursor, the level and the
// undo list belong to the page and stay when another plane is shown; loading
// another file empties the undo list.
class DamageMapPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit DamageMapPage(app::EditorDocument &document, QWidget *parent = nullptr);

    // Update3's part: ReDrawMap.
    void showPlane() override { ReDrawMap(); }
    void ReDrawMap();

    // The reference file's map of a plane (empty without one): its cells that
    // differ are framed on the flat view, with the reference's part as tooltip.
    using ReferenceMap = std::function<QByteArray(int plane)>;
    void setReferenceMap(ReferenceMap map);

    // The list that placements fill and the damage model copy trims.
    MapUndo &mapUndo() { return undo_; }
    int level() const { return level_; }
    QPoint cursor() const { return cursor_; }

    void Image4MouseDown(QPoint pixel);
    void Image4MouseMove(QPoint pixel);
    void Image4DblClick(QPoint pixel);
    void ListBox4Click(int row);
    void CheckBox2Click(bool checked);
    void SpeedButton7Click() { shift(ShiftDirection::Up); }
    void SpeedButton8Click() { shift(ShiftDirection::Down); }
    void SpeedButton9Click() { shift(ShiftDirection::Left); }
    void SpeedButton10Click() { shift(ShiftDirection::Right); }
    void SpeedButton2Click();

private:
    DamageMapInput input() const;
    // True when the current plane has a map; otherwise the status bar says so.
    bool mapToEdit();
    void shift(ShiftDirection direction);

    app::EditorDocument &document_;
    MapUndo undo_;
    int level_ = 0;
    QPoint cursor_ = StartCursor;
    ReferenceMap referenceMap_;

    DamageMapWidget *image4_;
    QFrame *mapPanel_;
    QLabel *label56_;
    QLabel *noMap_;
    QWidget *panel5_;
    QListWidget *listBox4_;
    QListWidget *listBox5_;
    QCheckBox *checkBox2_;
    QToolButton *speedButton2_;
};

} // namespace vw::damage
