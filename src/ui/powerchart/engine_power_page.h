#pragma once

#include "ui/common/merge_key.h"
#include "ui/common/plane_view.h"
#include "core/powerchart/power_matrix.h"

#include <QWidget>


class QToolButton;

namespace vw::app {
class EditorDocument;
class NumberGridModel;
class NumberGridView;
}

namespace vw::powerchart {

class PowerChartWidget;

// The "Engine Power #1" sub-page: the engine power matrix grid StringGrid2,
// its chart Image3, and the tools that raise, lower, interpolate and
// normalise the matrix.
class EnginePowerPage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    // The wheel raises and lowers only while the window shows this page (the
    // Flight Model tab with its Engine Power #1 sub-tab).
    explicit EnginePowerPage(app::EditorDocument &document, QWidget *parent = nullptr);

    void showPlane() override;

    void ReDrawPowerGreaph(int row, int col);
    void StringGrid2SelectCell(int col, int row);
    // True when the wheel was taken as a raise or lower.
    bool StringGrid2MouseWheelUp();
    bool StringGrid2MouseWheelDown();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton12Click();
    void SpeedButton13Click();
    void SpeedButton15Click();
    void SpeedButton16Click();
    void Image3MouseDown(Qt::MouseButton button, int x, int y);
    void Image3MouseMove(int x, int y);

    const ControlPoints &controlPoints() const { return controlPoints_; }
    app::NumberGridView *grid() const { return stringGrid2_; }
    PowerChartWidget *chart() const { return image3_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    flightmodel::PlaneRecord record() const;
    bool altitudeMode() const;
    // Raise or lower with the current scope as one undo step (merged by `mergeKey` when not empty).
    void adjust(bool raise, const app::MergeKey &mergeKey);
    void applyColumnWidths();

    app::EditorDocument &document_;
    ControlPoints controlPoints_;
    app::NumberGridModel *model_;
    app::NumberGridView *stringGrid2_;
    PowerChartWidget *image3_;
    QToolButton *speedButton4_, *speedButton5_, *speedButton6_, *speedButton12_;
    QToolButton *speedButton13_, *speedButton14_, *speedButton15_, *speedButton16_;
};

} // namespace vw::powerchart
