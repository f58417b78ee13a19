#pragma once

#include "core/powerchart/power_chart_geometry.h"

class QPainter;

namespace vw::powerchart {

// ReDrawPowerGreaph's drawing: the whole 515 x 191 chart, in altitude or speed mode.
void paintPowerChart(QPainter &painter, const PowerChartInput &input);

} // namespace vw::powerchart
