// The charts drawn with QPainter on any paint device (a widget, a QImage, a
// QSvgGenerator): axes with ticks and units, a legend, the Okabe-Ito palette
// that colour-blind readers can tell apart, and every text translated. Needs
// Qt GUI only, so that the command-line tool draws the same charts offscreen.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include "chart/chart_model.h"
#include "chart_draw/chart_colors.h"

class QPainter;

namespace tarvel {

// Draws the chart filling area (a white background, its title, axes and
// legend).
void PaintChart(QPainter& painter, const QRectF& area, const ChartModel& model);

// Where the chart drawn in area puts a point given in the model's units:
// for the sun paths and the analemma's left panel (panel 0) x is the bearing
// in degrees from the north and y the altitude in degrees; the analemma's
// right panel (panel 1) x is the equation of time in minutes and y the
// declination in degrees; the year charts x is the day of the year (0 at
// 1 January 0:00) and y minutes of the equation of time, or hours of the
// clock for the day chart.
QPointF ChartPixel(const ChartModel& model, const QRectF& area, double x, double y, int panel = 0);

// The chart's title, translated.
QString ChartTitle(ChartKind kind);

}  // namespace tarvel
