// The charts drawn with QPainter on any paint device (a widget, a QImage, a
// QSvgGenerator): axes with ticks and units, a legend, the Okabe-Ito palette
// that colour-blind readers can tell apart, and every text translated. Needs
// Qt GUI only, so that the command-line tool draws the same charts offscreen.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "chart/chart_data.h"

class QPainter;

namespace tarvel {

enum class ChartKind {
    kSunPath,         // the path on the date
    kSunPathYear,     // the paths on the 21st of each month
    kAnalemma,        // the analemma, and the equation of time against the declination
    kEquationOfTime,  // the equation of time over the year
    kDaylight,        // day and twilights over the year
};

// The command-line names: "sunpath", "sunpath-year", "analemma",
// "equation-of-time", "daylight".
const char* ChartKindKey(ChartKind kind);
std::optional<ChartKind> ParseChartKind(const std::string& key);

// What one chart shows.
struct ChartModel {
    ChartKind kind = ChartKind::kSunPath;
    SunPathChart sunPath;                    // kSunPath; kSunPathYear: the date's, with monthPaths
    AnalemmaChart analemma;                  // kAnalemma
    int year = 2000;                         // of the inputs
    std::shared_ptr<const SunPathChart> monthPaths;             // kSunPathYear
    std::shared_ptr<const EquationOfTimeChart> equationOfTime;  // kEquationOfTime
    std::shared_ptr<const DaylightChart> daylight;              // kDaylight
    bool prayerLines = false;                // kDaylight: the chosen method's prayers as lines
    // kSunPath, kSunPathYear: the stereographic polar form (the zenith in the
    // middle, the north up, the east to the right) instead of altitude
    // against bearing.
    bool polar = false;
};

// The data of a chart for the inputs (the year charts from the cache).
ChartModel BuildChartModel(ChartKind kind, const ChartInputs& inputs, bool prayerLines = false,
                           bool polar = false);

// The palette (Okabe and Ito, 2008), by role.
namespace chart_colors {
inline const QColor kBlack{0x00, 0x00, 0x00};
inline const QColor kOrange{0xE6, 0x9F, 0x00};
inline const QColor kSkyBlue{0x56, 0xB4, 0xE9};
inline const QColor kBluishGreen{0x00, 0x9E, 0x73};
inline const QColor kYellow{0xF0, 0xE4, 0x42};
inline const QColor kBlue{0x00, 0x72, 0xB2};
inline const QColor kVermillion{0xD5, 0x5E, 0x00};
inline const QColor kReddishPurple{0xCC, 0x79, 0xA7};
// The sky of the day chart and below the horizon: the day, the civil,
// nautical and astronomical twilights and the night, lighter to darker.
inline const QColor kDay{0xFA, 0xF0, 0xB4};
inline const QColor kCivil{0xBF, 0xE1, 0xF6};
inline const QColor kNautical{0x7F, 0xB8, 0xDC};
inline const QColor kAstronomical{0x3E, 0x6E, 0x9C};
inline const QColor kNight{0x1B, 0x2A, 0x47};
}  // namespace chart_colors

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

// The values under a point of the chart drawn in area, as one line of text;
// empty outside the plotting area.
QString ChartValueAt(const ChartModel& model, const QRectF& area, const QPointF& pixel);

// The chart's title, translated.
QString ChartTitle(ChartKind kind);

// Writes the chart as a PNG or an SVG (by the file's suffix, letter case
// ignored) of size pixels; the error text when it fails, empty on success.
QString ExportChart(const ChartModel& model, const QString& path, const QSize& size);

}  // namespace tarvel
