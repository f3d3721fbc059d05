// The sky behind the sun paths: the twilights' bands under the horizon, the
// true and apparent horizons, and the axes or, in the polar form, the circles
// of altitude and the compass points.
#pragma once

#include <vector>

#include "chart/chart_data.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_plot.h"

class QPainter;

namespace tarvel::chart_draw {

// A polyline of sky points, broken where it crosses the axis' edge.
void DrawSkyPath(QPainter& painter, const Plot& plot, const std::vector<SkyPoint>& path,
                 double latitude);

// The sky of the sun paths, in the Cartesian or the polar form.
void DrawSky(QPainter& painter, const Layout& layout, const Plot& plot, double apparentHorizon);

}  // namespace tarvel::chart_draw
