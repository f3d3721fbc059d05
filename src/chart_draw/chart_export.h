// A chart written to a file, as a PNG picture or an SVG drawing.
#pragma once

#include <QSize>
#include <QString>

#include "chart/chart_model.h"

namespace tarvel {

// Writes the chart as a PNG or an SVG (by the file's suffix, letter case
// ignored) of size pixels; the error text when it fails, empty on success.
QString ExportChart(const ChartModel& model, const QString& path, const QSize& size);

}  // namespace tarvel
