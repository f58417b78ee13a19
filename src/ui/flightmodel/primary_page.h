#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

#include <map>

class QLabel;

namespace vw::app {
class EditorDocument;
class NumberGridModel;
class NumberGridView;
}

namespace vw::flightmodel {

using app::NumberGridModel;
using app::NumberGridView;

// The "Primary configurations" sub-page: the primary table labelled from
// FM.dat, and the figures worked out from it and the engine power matrix.
class PrimaryPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit PrimaryPage(app::EditorDocument &document, QWidget *parent = nullptr);

    void showPlane() override;
    NumberGridView *grid() const { return stringGrid1_; }

    void StringGrid1SelectCell(int col, int row);

private:
    // The derived figures of the current plane (Basic Stats, Engine power at).
    void showFigures();

    app::EditorDocument &document_;
    NumberGridModel *model_;
    NumberGridView *stringGrid1_;
    QLabel *label47_;
    std::map<QString, QLabel *> figures_;
};

} // namespace vw::flightmodel
