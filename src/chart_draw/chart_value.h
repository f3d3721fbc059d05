// The values under the pointer on a drawn chart.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include "chart/chart_model.h"

namespace tarvel {

// The values under a point of the chart drawn in area, as text (lines apart
// by newlines); empty outside the plotting area. On the sun paths, near a
// path: the date, clock time, bearing and altitude of its nearest point;
// elsewhere the pointer's bearing and altitude. On the day chart: the date's
// rise, set, length, every twilight's times and, when drawn, the prayers'.
QString ChartValueAt(const ChartModel& model, const QRectF& area, const QPointF& pixel);

}  // namespace tarvel
