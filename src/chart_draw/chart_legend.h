// The legend of a chart: its entries by kind, their swatches and where the
// rows break.
#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QPointF>
#include <QString>
#include <QtGlobal>
#include <vector>

#include "chart/chart_model.h"
#include "chart_draw/chart_layout.h"

class QPainter;

namespace tarvel::chart_draw {

// How a legend entry is drawn.
enum class Swatch { kLine, kDashedLine, kDot, kBox, kDiamond, kTriangle };
struct LegendEntry {
    QString text;
    QColor color;
    Swatch swatch;
    Qt::PenStyle style = Qt::SolidLine;  // of a kLine swatch
};

// The prayers on the day chart, untranslated: Fajr, Zuhr, Asr, Maghrib, Isha.
inline constexpr const char* kPrayerNames[5] = {
    QT_TRANSLATE_NOOP("ChartTexts", "Fajr"), QT_TRANSLATE_NOOP("ChartTexts", "Zuhr"),
    QT_TRANSLATE_NOOP("ChartTexts", "Asr"), QT_TRANSLATE_NOOP("ChartTexts", "Maghrib"),
    QT_TRANSLATE_NOOP("ChartTexts", "Isha")};
// Each prayer's line: its colour (chart_colors::kPrayerColors) and dash.
inline constexpr Qt::PenStyle kPrayerStyles[5] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                                  Qt::DashDotDotLine, Qt::SolidLine};

// The entries of a chart's legend.
std::vector<LegendEntry> LegendOf(const ChartModel& model);

// The room of one entry, and the rows the entries fill in width.
double LegendWidth(const QFontMetricsF& fm, const LegendEntry& entry);
int LegendRows(const QFontMetricsF& fm, const std::vector<LegendEntry>& entries, double width);

// A swatch of size (half its height) centred at at.
void DrawMarker(QPainter& painter, const QPointF& at, Swatch swatch, const QColor& color,
                double size);
void DrawLegend(QPainter& painter, const Layout& layout, const std::vector<LegendEntry>& entries);

}  // namespace tarvel::chart_draw
