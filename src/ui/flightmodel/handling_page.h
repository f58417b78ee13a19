#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

class QPushButton;

namespace vw::app {
class EditorDocument;
class NumberGridModel;
class NumberGridView;
}

namespace vw::flightmodel {

using app::NumberGridModel;
using app::NumberGridView;

// The "Handiling" sub-page: pitch, yaw and roll for every 40 mph up to 1600 mph.
class HandlingPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit HandlingPage(app::EditorDocument &document, QWidget *parent = nullptr);
    void showPlane() override;

    void Button26Click();
    void Button27Click();

private:
    // Shifts the selected cell's column one notch, as one undo step.
    void shiftOneNotch(bool up);

    app::EditorDocument &document_;
    NumberGridModel *model_;
    NumberGridView *stringGrid6_;
    QPushButton *button26_, *button27_;
};

} // namespace vw::flightmodel
