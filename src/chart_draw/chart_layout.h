// Where the parts of a chart go in its area: the title, the legend and the
// plots of its kind with their ranges.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <vector>

#include "chart/chart_model.h"
#include "chart_draw/chart_plot.h"

namespace tarvel::chart_draw {

// The font of the texts, by the size of the area.
QFont ChartFont(const QRectF& area);

// The room of the widest number on a vertical axis.
double TickLabelWidth(const QFontMetricsF& fm);

// Where the parts of a chart go.
struct Layout {
    QFont font;
    QRectF titleRect;
    QRectF legendRect;
    std::vector<Plot> plots;
    double lineHeight = 12;
};

Layout LayoutOf(const ChartModel& model, const QRectF& area);

}  // namespace tarvel::chart_draw
