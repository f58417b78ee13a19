#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

namespace vw::app {
class EditorDocument;
class NumberGridModel;
class NumberGridView;
}

namespace vw::flightmodel {

using app::NumberGridModel;
using app::NumberGridView;

// The top-level "Wings" page: the wings table shared by all planes, with the
// current plane's wing entry as the current column.
class WingsPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit WingsPage(app::EditorDocument &document, QWidget *parent = nullptr);
    void showPlane() override;
    NumberGridView *grid() const { return stringGrid5_; }

private:
    app::EditorDocument &document_;
    NumberGridModel *model_;
    NumberGridView *stringGrid5_;
};

} // namespace vw::flightmodel
