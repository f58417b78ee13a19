#pragma once

#include "ui/common/field_binding.h"
#include "ui/common/plane_view.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace vw::app {
class EditorDocument;
class NumberGridModel;
class NumberGridView;
}

namespace vw::flightmodel {

using app::NumberGridModel;
using app::NumberGridView;

// The "Engine and WEP" sub-page: the engine power matrix size, the extra
// engine parameter, the WEP texts and times, and the WEP power grid.
class EngineWepPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit EngineWepPage(app::EditorDocument &document, QWidget *parent = nullptr);

    void showPlane() override;

    void Edit21Change();
    void Edit22Change();
    void StringGrid4SelectCell(int col, int row);

private:
    app::BoundField planeField(const QString &caption, QLineEdit *edit, const QString &undoName = QString());
    app::EditorDocument &document_;
    NumberGridModel *model_;
    NumberGridView *stringGrid4_;
    QSpinBox *upDown2_;
    QSpinBox *upDown3_;
    QLineEdit *edit23_;
    QLineEdit *wepTexts_[3];
    QLineEdit *wepTimes_[3];
    QLabel *label68_;
    QLabel *label86_;
};

} // namespace vw::flightmodel
