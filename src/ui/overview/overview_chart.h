#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QComboBox;
class QSpinBox;
class QValueAxis;

namespace vw::app {

class EditorDocument;
class PlanesOverviewModel;

// The overview's charts, drawn by Qt Charts from the overview's columns and
// redrawn whenever the overview changes: a bar chart of one column across
// every plane (sorted, the current plane highlighted), a scatter of two
// columns (a plane's name shown on hover), and the engine power curves (at
// one altitude row) or the handling curves (one axis over the handling
// table's speeds) of the planes chosen in the table, each plane in its own
// colour. Each can be saved as PNG or SVG and copied to the clipboard.
class OverviewChart : public QWidget {
    Q_OBJECT
public:
    enum Kind { Bars, Scatter, PowerCurves, HandlingCurves };

    // `chosen` gives the planes chosen in the overview's table.
    OverviewChart(EditorDocument &document, PlanesOverviewModel &model, std::function<QList<int>()> chosen,
                  QWidget *parent = nullptr);

    void setKind(Kind kind);
    // The overview columns the chart shows (from 1; the scatter's x and y).
    void setColumns(int first, int second);
    void setAltitudeRow(int row);
    // The handling axis the handling curves show: 0 pitch, 1 yaw, 2 roll.
    void setAxis(int axis);
    QChart *chart() const;
    QChartView *view() const { return view_; }

    // The chart as it is drawn, at its size on screen.
    QImage image() const;
    bool savePng(const QString &path) const;
    bool saveSvg(const QString &path) const;
    void copyToClipboard() const;

    // Draws the chart now, shown or not.
    void redraw();

public Q_SLOTS:
    // Draws the chart again, or marks it for drawing when it is next shown.
    void rebuild();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Bar {
        int plane;
        double value;
    };
    QList<Bar> sortedBars() const;
    void markCurrent(const QList<Bar> &bars);
    bool updateBars();
    void fitValues(const QList<Bar> &bars);
    void rebuildBars(QChart *chart);
    void rebuildScatter(QChart *chart);
    void rebuildPowerCurves(QChart *chart);
    void rebuildHandlingCurves(QChart *chart);
    QList<int> curvePlanes() const;
    void fillColumnChoices();
    void saveAs();

    EditorDocument &document_;
    PlanesOverviewModel &model_;
    std::function<QList<int>()> chosen_;
    QChartView *view_;
    QComboBox *kind_;
    QComboBox *first_;
    QComboBox *second_;
    QSpinBox *altitude_;
    QComboBox *axis_;
    bool dirty_ = false;
    // The bar chart as drawn, kept to change its values in place.
    QBarSet *bars_ = nullptr;
    QBarCategoryAxis *categories_ = nullptr;
    QValueAxis *values_ = nullptr;
    int barsColumn_ = -1;
};

} // namespace vw::app
