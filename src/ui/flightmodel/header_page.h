#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vw::app {
class EditorDocument;
class PlaneSelector;
}

namespace vw::flightmodel {

enum class HeaderText;

// The Header page: the plane header of the current plane ("Plane header &&
// Plane copy") and, beside it, the copy groups that act on whole planes.
class HeaderPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    HeaderPage(app::EditorDocument &document, QWidget *parent = nullptr);

    // The header part of Update3.
    void showPlane() override;
    // The loadout selectors start again from the first plane.
    void planeListRebuilt() override;

    // The grid of groups; later copy groups take the free cells.
    QGridLayout *groupGrid() const { return groups_; }

    void RadioGroup1Click(int index);
    void CheckBox1Click(bool checked);
    void Button20Click();

private:
    // Writes one text field of the current plane; returns the text stored.

    app::EditorDocument &document_;
    QGridLayout *groups_;
    QGroupBox *header_;
    QLineEdit *edit8_, *edit9_, *edit10_, *edit11_, *edit12_, *edit13_;
    QGroupBox *radioGroup1_;
    QButtonGroup *planeType_;
    QCheckBox *checkBox1_;
    app::PlaneSelector *comboBox15_, *comboBox16_;
    QCheckBox *checkBox6_;
    QPushButton *button20_;
};

} // namespace vw::flightmodel
