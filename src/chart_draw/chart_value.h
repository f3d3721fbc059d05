// The values under the pointer on a drawn chart.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include "chart/chart_model.h"

namespace tarvel {

// The values under a point of the chart drawn in area, as one line of text;
// empty outside the plotting area.
QString ChartValueAt(const ChartModel& model, const QRectF& area, const QPointF& pixel);

}  // namespace tarvel
