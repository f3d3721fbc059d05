// The plots of each kind of chart, drawn in the layout below the title and
// above the legend (one file each).
#pragma once

#include "chart/chart_model.h"
#include "chart_draw/chart_layout.h"

class QPainter;

namespace tarvel::chart_draw {

void PaintSunPath(QPainter& painter, const Layout& layout, const ChartModel& model);
void PaintSunPathYear(QPainter& painter, const Layout& layout, const ChartModel& model);
void PaintAnalemma(QPainter& painter, const Layout& layout, const ChartModel& model);
void PaintEquationOfTime(QPainter& painter, const Layout& layout, const ChartModel& model);
void PaintDaylight(QPainter& painter, const Layout& layout, const ChartModel& model);

}  // namespace tarvel::chart_draw
