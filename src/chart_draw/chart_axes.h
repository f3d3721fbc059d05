// The frame of a Cartesian plot: grid, ticks, tick labels and axis titles; the
// ticks of numbers, bearings and months; labels kept inside the plot; the clip
// to the plot.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QString>
#include <vector>

#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_plot.h"

class QPainter;

namespace tarvel::chart_draw {

// Ticks, grid and numbers of one axis.
struct Tick {
    double value;
    QString label;
};

// The grid at every tick, the frame, the ticks with their labels (a label's
// lines under one another) and the axes' titles; rightYs on the right side.
// The grid is drawn only where the plot is white: above gridFloor (a value of
// y; none when it is above the plot's top).
void DrawAxes(QPainter& painter, const Layout& layout, const Plot& plot,
              const std::vector<Tick>& xs, const std::vector<Tick>& ys, const QString& xTitle,
              const QString& yTitle, const std::vector<Tick>& rightYs = {},
              const QString& rightTitle = {}, double gridFloor = -1e300);

// Every multiple of step from from to to.
std::vector<Tick> NumberTicks(double from, double to, double step, int decimals = 0);
// Bearings every 45 degrees (10 on a narrow range), the compass points named.
std::vector<Tick> BearingTicks(const Plot& plot);
// The first of each month, on the days of the year.
std::vector<Tick> MonthTicks(int year);

// A line of data: pen over the white casing (chart_colors.h).
void DrawCasedPath(QPainter& painter, const QPainterPath& path, const QPen& pen);
void DrawCasedLine(QPainter& painter, const QPointF& from, const QPointF& to, const QPen& pen);

// The chosen date on a year chart: a vertical line at the day x with the
// date at its top.
void DrawDateLine(QPainter& painter, const Plot& plot, double x, const QString& date);

// text beside at, moved inside the plot, on its white backing.
void DrawLabel(QPainter& painter, const QPointF& at, const QString& text, const Plot& plot,
               const QColor& color = chart_colors::kBlack);

// Limits the painting to the plot: its rectangle, or the polar form's disk.
void ClipTo(QPainter& painter, const Plot& plot);

}  // namespace tarvel::chart_draw
