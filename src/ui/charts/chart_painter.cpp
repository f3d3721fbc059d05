#include "ui/charts/chart_painter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace tarvel {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ChartTexts", text);
}

constexpr const char* kMonthShortNames[12] = {
    QT_TRANSLATE_NOOP("ChartTexts", "gen"), QT_TRANSLATE_NOOP("ChartTexts", "feb"),
    QT_TRANSLATE_NOOP("ChartTexts", "mar"), QT_TRANSLATE_NOOP("ChartTexts", "apr"),
    QT_TRANSLATE_NOOP("ChartTexts", "mag"), QT_TRANSLATE_NOOP("ChartTexts", "giu"),
    QT_TRANSLATE_NOOP("ChartTexts", "lug"), QT_TRANSLATE_NOOP("ChartTexts", "ago"),
    QT_TRANSLATE_NOOP("ChartTexts", "set"), QT_TRANSLATE_NOOP("ChartTexts", "ott"),
    QT_TRANSLATE_NOOP("ChartTexts", "nov"), QT_TRANSLATE_NOOP("ChartTexts", "dic")};

// Bearings every 45 degrees from the north.
constexpr const char* kCompassPoints[8] = {
    QT_TRANSLATE_NOOP("ChartTexts", "N"), QT_TRANSLATE_NOOP("ChartTexts", "NE"),
    QT_TRANSLATE_NOOP("ChartTexts", "E"), QT_TRANSLATE_NOOP("ChartTexts", "SE"),
    QT_TRANSLATE_NOOP("ChartTexts", "S"), QT_TRANSLATE_NOOP("ChartTexts", "SO"),
    QT_TRANSLATE_NOOP("ChartTexts", "O"), QT_TRANSLATE_NOOP("ChartTexts", "NO")};

QString Number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

QString DateText(const ChartDate& date) {
    return QStringLiteral("%1/%2/%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year);
}

QString ClockText(double hours) {
    int minutes = static_cast<int>(std::lround(hours * 60.0));
    minutes = ((minutes % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// A length of time in hours as H:MM, 24:00 included.
QString DurationText(double hours) {
    const int minutes = static_cast<int>(std::lround(std::clamp(hours, 0.0, 24.0) * 60.0));
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The date at a day of the year (0 at 1 January).
ChartDate DateAtDay(int year, double dayOfYear) {
    const std::vector<ChartDate> dates = DatesOfYear(year);
    const int index =
        std::clamp(static_cast<int>(std::floor(dayOfYear)), 0, static_cast<int>(dates.size()) - 1);
    return dates[static_cast<std::size_t>(index)];
}

// A bearing on a sky chart's axis: 0 to 360 for a site north of the equator
// (the south in the middle), -180 to 180 south of it (the north in the middle).
double AxisBearing(double bearing, double latitude) {
    return latitude < 0 && bearing > 180 ? bearing - 360 : bearing;
}

// A rectangle of the chart and the ranges it shows.
// In the polar form (a sky chart, x a bearing and y an altitude) the sky is
// projected stereographically from the nadir: the zenith in the middle, the
// north up and the east to the right (the plan of a site), altitude y0 on the
// rim of the square rect (less a margin for the compass points).
struct Plot {
    QRectF rect;
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    bool polar = false;
    double rimMargin = 0;  // polar: pixels between the rim and rect

    static double Rad(double degrees) { return degrees * std::acos(-1.0) / 180.0; }
    double Rim() const { return rect.width() / 2 - rimMargin; }
    // Radius of the horizon: the rim is at altitude y0.
    double HorizonRadius() const { return Rim() / std::tan(Rad((90.0 - y0) / 2)); }
    double Radius(double altitude) const {
        return HorizonRadius() * std::tan(Rad((90.0 - altitude) / 2));
    }

    QPointF Map(double x, double y) const {
        if (polar) {
            const double r = Radius(y);
            return {rect.center().x() + r * std::sin(Rad(x)),
                    rect.center().y() - r * std::cos(Rad(x))};
        }
        return {rect.left() + (x - x0) / (x1 - x0) * rect.width(),
                rect.bottom() - (y - y0) / (y1 - y0) * rect.height()};
    }
    double X(const QPointF& p) const {
        if (polar) {
            const double b =
                std::atan2(p.x() - rect.center().x(), rect.center().y() - p.y()) / Rad(1.0);
            return b < 0 ? b + 360 : b;
        }
        return x0 + (p.x() - rect.left()) / rect.width() * (x1 - x0);
    }
    double Y(const QPointF& p) const {
        if (polar) {
            const double r = std::hypot(p.x() - rect.center().x(), p.y() - rect.center().y());
            return 90.0 - 2.0 * std::atan(r / HorizonRadius()) / Rad(1.0);
        }
        return y0 + (rect.bottom() - p.y()) / rect.height() * (y1 - y0);
    }
    bool Contains(const QPointF& p) const {
        if (polar) {
            return std::hypot(p.x() - rect.center().x(), p.y() - rect.center().y()) <= Rim();
        }
        return rect.contains(p);
    }
};

// How a legend entry is drawn.
enum class Swatch { kLine, kDashedLine, kDot, kBox, kDiamond, kTriangle };
struct LegendEntry {
    QString text;
    QColor color;
    Swatch swatch;
};

QFont ChartFont(const QRectF& area) {
    QFont font;
    font.setPixelSize(
        std::clamp(static_cast<int>(std::min(area.height(), area.width()) / 40), 10, 14));
    return font;
}

std::vector<LegendEntry> LegendOf(const ChartModel& model) {
    using namespace chart_colors;
    std::vector<LegendEntry> entries;
    switch (model.kind) {
        case ChartKind::kSunPath:
            entries = {{Tr("Percorso del Sole"), kOrange, Swatch::kLine},
                       {Tr("Sorgere e tramonto"), kBluishGreen, Swatch::kTriangle},
                       {Tr("Culminazione"), kBlue, Swatch::kDiamond},
                       {Tr("Sole adesso"), kVermillion, Swatch::kDot},
                       {Tr("Orizzonte vero"), kBlack, Swatch::kLine},
                       {Tr("Orizzonte apparente"), kBlack, Swatch::kDashedLine},
                       {Tr("Crepuscolo civile"), kCivil, Swatch::kBox},
                       {Tr("Crepuscolo nautico"), kNautical, Swatch::kBox},
                       {Tr("Crepuscolo astronomico"), kAstronomical, Swatch::kBox},
                       {Tr("Qibla"), kReddishPurple, Swatch::kDashedLine}};
            break;
        case ChartKind::kSunPathYear:
            entries = {{Tr("Solstizio d'estate"), kVermillion, Swatch::kLine},
                       {Tr("Equinozi"), kBluishGreen, Swatch::kLine},
                       {Tr("Solstizio d'inverno"), kBlue, Swatch::kLine},
                       {Tr("Altri mesi"), kOrange, Swatch::kLine},
                       {Tr("Orizzonte vero"), kBlack, Swatch::kLine},
                       {Tr("Orizzonte apparente"), kBlack, Swatch::kDashedLine}};
            break;
        case ChartKind::kAnalemma:
            entries = {{Tr("Analemma"), kOrange, Swatch::kLine},
                       {Tr("Primo del mese"), kBlack, Swatch::kDot},
                       {Tr("Equinozio"), kBluishGreen, Swatch::kDiamond},
                       {Tr("Solstizio"), kVermillion, Swatch::kDiamond}};
            break;
        case ChartKind::kEquationOfTime:
            entries = {{Tr("Equazione del tempo"), kBlue, Swatch::kLine},
                       {Tr("Massimi e minimi"), kVermillion, Swatch::kDot}};
            break;
        case ChartKind::kDaylight:
            entries = {{Tr("Giorno"), kDay, Swatch::kBox},
                       {Tr("Crepuscolo civile"), kCivil, Swatch::kBox},
                       {Tr("Crepuscolo nautico"), kNautical, Swatch::kBox},
                       {Tr("Crepuscolo astronomico"), kAstronomical, Swatch::kBox},
                       {Tr("Notte"), kNight, Swatch::kBox},
                       {Tr("Durata del giorno"), kVermillion, Swatch::kLine}};
            if (model.prayerLines) {
                entries.push_back({Tr("Preghiere"), kReddishPurple, Swatch::kDashedLine});
            }
            break;
    }
    return entries;
}

// The room of the widest number on a vertical axis.
double TickLabelWidth(const QFontMetricsF& fm) {
    return std::max(fm.horizontalAdvance(QStringLiteral("-000")),
                    fm.horizontalAdvance(QStringLiteral("00:00")));
}

// Where the parts of a chart go.
struct Layout {
    QFont font;
    QRectF titleRect;
    QRectF legendRect;
    std::vector<Plot> plots;
    double lineHeight = 12;
};

double LegendWidth(const QFontMetricsF& fm, const LegendEntry& entry) {
    return fm.height() * 2.2 + fm.horizontalAdvance(entry.text) + fm.height();
}

int LegendRows(const QFontMetricsF& fm, const std::vector<LegendEntry>& entries, double width) {
    int rows = 1;
    double x = 0;
    for (const LegendEntry& e : entries) {
        const double w = LegendWidth(fm, e);
        if (x > 0 && x + w > width) {
            ++rows;
            x = 0;
        }
        x += w;
    }
    return rows;
}

Layout LayoutOf(const ChartModel& model, const QRectF& area) {
    Layout layout;
    layout.font = ChartFont(area);
    const QFontMetricsF fm(layout.font);
    const double h = fm.height();
    layout.lineHeight = h;
    layout.titleRect = QRectF(area.left(), area.top(), area.width(), h * 2);
    const std::vector<LegendEntry> legend = LegendOf(model);
    const int rows = LegendRows(fm, legend, area.width() - 2 * h);
    layout.legendRect = QRectF(area.left() + h, area.bottom() - rows * h * 1.3 - h * 0.4,
                               area.width() - 2 * h, rows * h * 1.3);
    const double left = TickLabelWidth(fm) + h * 2.0;
    const double right = model.kind == ChartKind::kDaylight ? left : h * 1.5;
    const double top = layout.titleRect.bottom() + h * 0.5;
    const double bottom = layout.legendRect.top() - h * 3.6;
    const QRectF inner(area.left() + left, top, area.width() - left - right,
                       std::max(10.0, bottom - top));

    const auto skyRange = [](Plot& plot, double latitude, double highest) {
        plot.x0 = latitude < 0 ? -180 : 0;
        plot.x1 = plot.x0 + 360;
        plot.y0 = -20;
        plot.y1 = std::clamp(std::ceil((highest + 5) / 10) * 10, 30.0, 90.0);
    };
    switch (model.kind) {
        case ChartKind::kSunPath:
        case ChartKind::kSunPathYear: {
            Plot plot{inner};
            double highest = -90;
            if (model.kind == ChartKind::kSunPath) {
                for (const SkyPoint& p : model.sunPath.day.path)
                    highest = std::max(highest, p.altitudeDeg);
            } else if (model.monthPaths) {
                for (const SunPathSeries& s : model.monthPaths->monthPaths) {
                    for (const SkyPoint& p : s.path) highest = std::max(highest, p.altitudeDeg);
                }
            }
            skyRange(plot, model.sunPath.latitude, highest);
            if (model.polar) {
                const double side = std::min(inner.width(), inner.height() + h * 1.2);
                plot.rect = QRectF(inner.center().x() - side / 2, inner.top(), side, side);
                plot.polar = true;
                plot.rimMargin = h * 1.6;
                plot.x0 = 0;
                plot.x1 = 360;
                plot.y0 = kAstronomicalTwilightAltitude;
                plot.y1 = 90;
            }
            layout.plots.push_back(plot);
            break;
        }
        case ChartKind::kAnalemma: {
            const double gap = left;
            const double leftWidth = (inner.width() - gap) * 0.6;
            Plot sky{QRectF(inner.left(), inner.top(), leftWidth, inner.height())};
            double xlo = 1e9, xhi = -1e9, ylo = 1e9, yhi = -1e9;
            for (const AnalemmaPoint& p : model.analemma.points) {
                const double x = AxisBearing(p.bearingDeg, model.sunPath.latitude);
                xlo = std::min(xlo, x);
                xhi = std::max(xhi, x);
                ylo = std::min(ylo, p.altitudeDeg);
                yhi = std::max(yhi, p.altitudeDeg);
            }
            if (model.analemma.points.empty()) xlo = 0, xhi = 360, ylo = -90, yhi = 90;
            sky.x0 = std::floor((xlo - 5) / 10) * 10;
            sky.x1 = std::ceil((xhi + 5) / 10) * 10;
            sky.y0 = std::max(-90.0, std::floor((ylo - 5) / 10) * 10);
            sky.y1 = std::min(90.0, std::ceil((yhi + 5) / 10) * 10);
            Plot eot{QRectF(inner.left() + leftWidth + gap, inner.top(),
                            inner.width() - leftWidth - gap, inner.height())};
            eot.x0 = -20;
            eot.x1 = 20;
            eot.y0 = -30;
            eot.y1 = 30;
            layout.plots = {sky, eot};
            break;
        }
        case ChartKind::kEquationOfTime: {
            Plot plot{inner};
            plot.x0 = 0;
            plot.x1 = model.equationOfTime
                          ? static_cast<double>(model.equationOfTime->points.size())
                          : 365;
            plot.y0 = -20;
            plot.y1 = 20;
            layout.plots.push_back(plot);
            break;
        }
        case ChartKind::kDaylight: {
            Plot plot{inner};
            plot.x0 = 0;
            plot.x1 = model.daylight ? static_cast<double>(model.daylight->days.size()) : 365;
            plot.y0 = 0;
            plot.y1 = 24;
            layout.plots.push_back(plot);
            break;
        }
    }
    return layout;
}

void DrawMarker(QPainter& painter, const QPointF& at, Swatch swatch, const QColor& color,
                double size) {
    painter.save();
    painter.setPen(QPen(chart_colors::kBlack, 1));
    painter.setBrush(color);
    switch (swatch) {
        case Swatch::kDot:
            painter.drawEllipse(at, size, size);
            break;
        case Swatch::kDiamond: {
            const QPointF pts[4] = {at + QPointF(0, -size * 1.3), at + QPointF(size * 1.3, 0),
                                    at + QPointF(0, size * 1.3), at + QPointF(-size * 1.3, 0)};
            painter.drawPolygon(pts, 4);
            break;
        }
        case Swatch::kTriangle: {
            const QPointF pts[3] = {at + QPointF(0, -size * 1.4), at + QPointF(size * 1.3, size),
                                    at + QPointF(-size * 1.3, size)};
            painter.drawPolygon(pts, 3);
            break;
        }
        case Swatch::kBox:
            painter.drawRect(QRectF(at - QPointF(size, size), at + QPointF(size, size)));
            break;
        case Swatch::kLine:
        case Swatch::kDashedLine:
            painter.setPen(QPen(color, 2, swatch == Swatch::kLine ? Qt::SolidLine : Qt::DashLine));
            painter.drawLine(at - QPointF(size * 1.8, 0), at + QPointF(size * 1.8, 0));
            break;
    }
    painter.restore();
}

void DrawLegend(QPainter& painter, const Layout& layout, const std::vector<LegendEntry>& entries) {
    const QFontMetricsF fm(layout.font);
    const double h = layout.lineHeight;
    double x = layout.legendRect.left();
    double y = layout.legendRect.top() + h * 0.65;
    for (const LegendEntry& e : entries) {
        const double w = LegendWidth(fm, e);
        if (x > layout.legendRect.left() && x + w > layout.legendRect.right()) {
            x = layout.legendRect.left();
            y += h * 1.3;
        }
        DrawMarker(painter, QPointF(x + h, y), e.swatch, e.color, h * 0.35);
        painter.setPen(chart_colors::kBlack);
        painter.drawText(QPointF(x + h * 2.2, y + fm.ascent() / 2 - fm.descent() / 2), e.text);
        x += w;
    }
}

// Ticks, grid and numbers of one axis.
struct Tick {
    double value;
    QString label;
};

void DrawAxes(QPainter& painter, const Layout& layout, const Plot& plot,
              const std::vector<Tick>& xs, const std::vector<Tick>& ys, const QString& xTitle,
              const QString& yTitle, const std::vector<Tick>& rightYs = {},
              const QString& rightTitle = {}) {
    const QFontMetricsF fm(layout.font);
    const double h = layout.lineHeight;
    painter.save();
    painter.setFont(layout.font);
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 1));
    for (const Tick& t : xs) {
        const double x = plot.Map(t.value, plot.y0).x();
        painter.drawLine(QPointF(x, plot.rect.top()), QPointF(x, plot.rect.bottom()));
    }
    for (const Tick& t : ys) {
        const double y = plot.Map(plot.x0, t.value).y();
        painter.drawLine(QPointF(plot.rect.left(), y), QPointF(plot.rect.right(), y));
    }
    painter.setPen(QPen(chart_colors::kBlack, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.rect);
    for (const Tick& t : xs) {
        const double x = plot.Map(t.value, plot.y0).x();
        painter.drawLine(QPointF(x, plot.rect.bottom()), QPointF(x, plot.rect.bottom() + h * 0.3));
        const QStringList lines = t.label.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            painter.drawText(
                QPointF(x - fm.horizontalAdvance(lines[i]) / 2, plot.rect.bottom() + h * (1.2 + i)),
                lines[i]);
        }
    }
    for (const Tick& t : ys) {
        const double y = plot.Map(plot.x0, t.value).y();
        painter.drawLine(QPointF(plot.rect.left() - h * 0.3, y), QPointF(plot.rect.left(), y));
        painter.drawText(QPointF(plot.rect.left() - h * 0.45 - fm.horizontalAdvance(t.label),
                                 y + fm.ascent() / 2 - fm.descent() / 2),
                         t.label);
    }
    for (const Tick& t : rightYs) {
        const double y = plot.Map(plot.x0, t.value).y();
        painter.drawLine(QPointF(plot.rect.right(), y), QPointF(plot.rect.right() + h * 0.3, y));
        painter.drawText(
            QPointF(plot.rect.right() + h * 0.45, y + fm.ascent() / 2 - fm.descent() / 2), t.label);
    }
    const int xTitleLines =
        xs.empty() ? 1 : static_cast<int>(xs.front().label.count(QLatin1Char('\n'))) + 1;
    painter.drawText(QPointF(plot.rect.center().x() - fm.horizontalAdvance(xTitle) / 2,
                             plot.rect.bottom() + h * (1.5 + xTitleLines)),
                     xTitle);
    const auto vertical = [&](const QString& text, double x) {
        painter.save();
        painter.translate(x, plot.rect.center().y() + fm.horizontalAdvance(text) / 2);
        painter.rotate(-90);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    };
    const double widest = TickLabelWidth(fm);
    vertical(yTitle, plot.rect.left() - h * 0.6 - widest);
    if (!rightTitle.isEmpty()) vertical(rightTitle, plot.rect.right() + h * 1.2 + widest);
    painter.restore();
}

std::vector<Tick> NumberTicks(double from, double to, double step, int decimals = 0) {
    std::vector<Tick> ticks;
    for (double v = std::ceil(from / step) * step; v <= to + 1e-9; v += step) {
        ticks.push_back({v, Number(v, decimals)});
    }
    return ticks;
}

std::vector<Tick> BearingTicks(const Plot& plot) {
    std::vector<Tick> ticks;
    const double step = plot.x1 - plot.x0 > 120 ? 45 : 10;
    for (double v = std::ceil(plot.x0 / step) * step; v <= plot.x1 + 1e-9; v += step) {
        const double reduced = std::fmod(std::fmod(v, 360.0) + 360.0, 360.0);
        QString label = Number(reduced, 0) + QStringLiteral("°");
        const double eighth = reduced / 45.0;
        if (std::abs(eighth - std::round(eighth)) < 1e-9) {
            label +=
                QLatin1Char('\n') + Tr(kCompassPoints[static_cast<int>(std::round(eighth)) % 8]);
        }
        ticks.push_back({v, label});
    }
    return ticks;
}

std::vector<Tick> MonthTicks(int year) {
    std::vector<Tick> ticks;
    const std::vector<ChartDate> dates = DatesOfYear(year);
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].day == 1)
            ticks.push_back({static_cast<double>(i), Tr(kMonthShortNames[dates[i].month - 1])});
    }
    return ticks;
}

// A polyline of sky points, broken where it crosses the axis' edge.
void DrawSkyPath(QPainter& painter, const Plot& plot, const std::vector<SkyPoint>& path,
                 double latitude) {
    QPainterPath line;
    bool started = false;
    double last = 0;
    for (const SkyPoint& p : path) {
        const double x = AxisBearing(p.bearingDeg, latitude);
        const QPointF at = plot.Map(x, p.altitudeDeg);
        if (!started || (!plot.polar && std::abs(x - last) > 180)) {
            line.moveTo(at);
            started = true;
        } else {
            line.lineTo(at);
        }
        last = x;
    }
    painter.drawPath(line);
}

// The polar form's sky: the twilights as rings outside the horizon, circles
// of altitude every 10 degrees, the bearings every 45 with their compass
// points, and what the projection is.
void DrawPolarSky(QPainter& painter, const Layout& layout, const Plot& plot,
                  double apparentHorizon) {
    using namespace chart_colors;
    const QPointF centre = plot.rect.center();
    const auto circle = [&](double altitude) {
        const double r = plot.Radius(altitude);
        return QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    const double rings[4] = {kAstronomicalTwilightAltitude, kNauticalTwilightAltitude,
                             kCivilTwilightAltitude, 0};
    const QColor colours[4] = {kAstronomical, kNautical, kCivil, QColor(Qt::white)};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(colours[i]);
        painter.drawEllipse(circle(rings[i]));
    }
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF fm(layout.font);
    painter.setFont(layout.font);
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 1));
    for (int altitude = 10; altitude < 90; altitude += 10) painter.drawEllipse(circle(altitude));
    for (int bearing = 0; bearing < 360; bearing += 45) {
        painter.drawLine(centre, plot.Map(bearing, plot.y0));
    }
    painter.setPen(chart_colors::kBlack);
    for (int altitude = 10; altitude < 90; altitude += 20) {
        const QPointF at = plot.Map(0, altitude);
        painter.drawText(at + QPointF(3, -2), Number(altitude, 0) + QStringLiteral("°"));
    }
    for (int i = 0; i < 8; ++i) {
        const double bearing = i * 45.0;
        const QString text = Tr(kCompassPoints[i]);
        const double r = plot.Rim() + fm.height() * 0.8;
        const QPointF at(centre.x() + r * std::sin(Plot::Rad(bearing)),
                         centre.y() - r * std::cos(Plot::Rad(bearing)));
        painter.drawText(
            at + QPointF(-fm.horizontalAdvance(text) / 2, fm.ascent() / 2 - fm.descent() / 2),
            text);
    }
    painter.setPen(QPen(kBlack, 1.5));
    painter.drawEllipse(circle(0));
    painter.setPen(QPen(kBlack, 1, Qt::DashLine));
    painter.drawEllipse(circle(apparentHorizon));
    const QString note =
        Tr("Proiezione stereografica: lo zenit al centro, il nord in alto, l'est a destra");
    painter.setPen(kBlack);
    painter.drawText(QPointF(centre.x() - fm.horizontalAdvance(note) / 2,
                             plot.rect.bottom() + fm.height() * 1.2),
                     note);
    painter.restore();
}

void DrawSkyBackground(QPainter& painter, const Plot& plot, double apparentHorizon) {
    using namespace chart_colors;
    const double bands[4] = {0, kCivilTwilightAltitude, kNauticalTwilightAltitude,
                             kAstronomicalTwilightAltitude};
    const QColor colors[3] = {kCivil, kNautical, kAstronomical};
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const QPointF a = plot.Map(plot.x0, bands[i]);
        const QPointF b = plot.Map(plot.x1, std::max(bands[i + 1], plot.y0));
        painter.fillRect(QRectF(a, b).normalized(), colors[i]);
    }
    painter.fillRect(
        QRectF(plot.Map(plot.x0, kAstronomicalTwilightAltitude), plot.Map(plot.x1, plot.y0))
            .normalized(),
        kNight);
    painter.setPen(QPen(kBlack, 1.5));
    painter.drawLine(plot.Map(plot.x0, 0), plot.Map(plot.x1, 0));
    painter.setPen(QPen(kBlack, 1, Qt::DashLine));
    painter.drawLine(plot.Map(plot.x0, apparentHorizon), plot.Map(plot.x1, apparentHorizon));
    painter.restore();
}

void DrawLabel(QPainter& painter, const QPointF& at, const QString& text, const Plot& plot,
               const QColor& color = chart_colors::kBlack) {
    const QFontMetricsF fm(painter.font());
    QPointF p = at + QPointF(4, -4);
    p.setX(std::min(p.x(), plot.rect.right() - fm.horizontalAdvance(text) - 2));
    p.setY(std::max(p.y(), plot.rect.top() + fm.ascent()));
    painter.save();
    painter.setPen(color);
    painter.drawText(p, text);
    painter.restore();
}

// Limits the painting to the plot: its rectangle, or the polar form's disk.
void ClipTo(QPainter& painter, const Plot& plot) {
    if (plot.polar) {
        QPainterPath disk;
        disk.addEllipse(plot.rect.center(), plot.Rim(), plot.Rim());
        painter.setClipPath(disk);
    } else {
        painter.setClipRect(plot.rect);
    }
}

// The sky of the sun paths, in the Cartesian or the polar form.
void DrawSky(QPainter& painter, const Layout& layout, const Plot& plot, double apparentHorizon) {
    if (plot.polar) {
        DrawPolarSky(painter, layout, plot, apparentHorizon);
        return;
    }
    DrawSkyBackground(painter, plot, apparentHorizon);
    DrawAxes(painter, layout, plot, BearingTicks(plot), NumberTicks(plot.y0, plot.y1, 10),
             Tr("Azimut in gradi da nord verso est (nel programma: da sud verso ovest)"),
             Tr("Altezza (gradi)"));
}

void PaintSunPath(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    const SunPathChart& c = model.sunPath;
    DrawSky(painter, layout, plot, c.apparentHorizonDeg);
    painter.save();
    ClipTo(painter, plot);
    // The Qibla.
    painter.setPen(QPen(kReddishPurple, 2, Qt::DashLine));
    const double qibla = AxisBearing(c.qiblaBearingDeg, c.latitude);
    painter.drawLine(plot.Map(qibla, plot.y0), plot.Map(qibla, plot.y1));
    DrawLabel(
        painter,
        plot.polar ? plot.Map(qibla, 5) : plot.Map(qibla, plot.y1) + QPointF(0, layout.lineHeight),
        Tr("Qibla"), plot, kReddishPurple);
    // The path and its hours.
    painter.setPen(QPen(kOrange, 2.5));
    DrawSkyPath(painter, plot, c.day.path, c.latitude);
    for (const SkyPoint& p : c.day.hourMarks) {
        if (p.altitudeDeg < plot.y0) continue;
        const QPointF at = plot.Map(AxisBearing(p.bearingDeg, c.latitude), p.altitudeDeg);
        DrawMarker(painter, at, Swatch::kDot, kOrange, 2.5);
        DrawLabel(painter, at, QString::number(static_cast<int>(std::lround(p.clockHours))), plot);
    }
    const auto event = [&](const SkyEvent& e, Swatch swatch, const QColor& color) {
        if (!e.occurs) return;
        const QPointF at =
            plot.Map(AxisBearing(e.point.bearingDeg, c.latitude), e.point.altitudeDeg);
        DrawMarker(painter, at, swatch, color, 4.5);
        DrawLabel(painter, at + QPointF(2, -layout.lineHeight * 0.6), ClockText(e.point.clockHours),
                  plot, color.darker(130));
    };
    event(c.rise, Swatch::kTriangle, kBluishGreen);
    event(c.set, Swatch::kTriangle, kBluishGreen);
    event(c.transit, Swatch::kDiamond, kBlue);
    DrawMarker(painter, plot.Map(AxisBearing(c.now.bearingDeg, c.latitude), c.now.altitudeDeg),
               Swatch::kDot, kVermillion, 6);
    painter.restore();
}

// A month's name in the polar form, where the paths crowd near the zenith:
// at the path's end a little above the horizon, inside it; the first half of
// the year at the rising end and the second at the setting end, so that the
// two months of one path are named apart.
void DrawPolarMonthName(QPainter& painter, const Plot& plot, const std::vector<SkyPoint>& path,
                        int month, double latitude) {
    constexpr double kAboveHorizonDeg = 3.0;
    const auto high = [&](const SkyPoint& p) { return p.altitudeDeg >= kAboveHorizonDeg; };
    const SkyPoint* end = nullptr;
    if (month <= 6) {
        const auto it = std::find_if(path.begin(), path.end(), high);
        if (it != path.end()) end = &*it;
    } else {
        const auto it = std::find_if(path.rbegin(), path.rend(), high);
        if (it != path.rend()) end = &*it;
    }
    if (end == nullptr) return;
    const QString name = Tr(kMonthShortNames[month - 1]);
    const QPointF at = plot.Map(AxisBearing(end->bearingDeg, latitude), end->altitudeDeg);
    // Towards the centre: to the left of a point right of it, else to the right.
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(name);
    const double dx = at.x() > plot.rect.center().x() ? -width - 12 : 2;
    DrawLabel(painter, at + QPointF(dx, 4), name, plot);
}

void PaintSunPathYear(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    const SunPathChart& c = model.sunPath;
    DrawSky(painter, layout, plot, c.apparentHorizonDeg);
    if (!model.monthPaths) return;
    painter.save();
    ClipTo(painter, plot);
    const std::vector<SunPathSeries>& paths = model.monthPaths->monthPaths;
    for (std::size_t m = 0; m < paths.size(); ++m) {
        const int month = static_cast<int>(m) + 1;
        const bool north = c.latitude >= 0;
        QColor color = kOrange;
        if (month == 6) color = north ? kVermillion : kBlue;
        if (month == 12) color = north ? kBlue : kVermillion;
        if (month == 3 || month == 9) color = kBluishGreen;
        painter.setPen(
            QPen(color, month == 6 || month == 12 || month == 3 || month == 9 ? 2.5 : 1.5));
        DrawSkyPath(painter, plot, paths[m].path, c.latitude);
        if (plot.polar) {
            DrawPolarMonthName(painter, plot, paths[m].path, month, c.latitude);
        } else if (paths[m].hourMarks.size() > 12) {
            // The month's name beside its noon.
            const SkyPoint& noon = paths[m].hourMarks[12];
            if (noon.altitudeDeg > plot.y0) {
                const QPointF at =
                    plot.Map(AxisBearing(noon.bearingDeg, c.latitude), noon.altitudeDeg);
                DrawLabel(painter, at + QPointF(month <= 6 ? -28 : 4, month <= 6 ? 0 : 12),
                          Tr(kMonthShortNames[m]), plot);
            }
        }
    }
    // The hours: the same clock hour on every path.
    for (std::size_t hour = 0; hour < 24; ++hour) {
        for (const SunPathSeries& s : paths) {
            if (s.hourMarks.size() <= hour) continue;
            const SkyPoint& p = s.hourMarks[hour];
            if (p.altitudeDeg < 0) continue;
            DrawMarker(painter, plot.Map(AxisBearing(p.bearingDeg, c.latitude), p.altitudeDeg),
                       Swatch::kDot, kBlack, 1.5);
        }
        // Named on the summer solstice's path; in the polar form on the March
        // equinox's, where the hours stand apart, and not near its ends,
        // where the months are named.
        const std::size_t named = plot.polar ? 2 : (c.latitude >= 0 ? 5 : 11);
        const double lowest = plot.polar ? 12.0 : 0.0;
        if (paths.size() == 12 && paths[named].hourMarks.size() > hour) {
            const SkyPoint& p = paths[named].hourMarks[hour];
            if (p.altitudeDeg >= lowest) {
                DrawLabel(painter, plot.Map(AxisBearing(p.bearingDeg, c.latitude), p.altitudeDeg),
                          QString::number(hour), plot);
            }
        }
    }
    painter.restore();
}

void PaintAnalemma(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const AnalemmaChart& a = model.analemma;
    const double latitude = model.sunPath.latitude;
    const Plot& sky = layout.plots[0];
    const Plot& eot = layout.plots[1];
    painter.fillRect(sky.rect, Qt::white);
    if (sky.y0 < 0) {
        painter.fillRect(
            QRectF(sky.Map(sky.x0, std::min(0.0, sky.y1)), sky.Map(sky.x1, sky.y0)).normalized(),
            kCivil);
    }
    DrawAxes(painter, layout, sky, BearingTicks(sky), NumberTicks(sky.y0, sky.y1, 10),
             Tr("Azimut (gradi da nord verso est)"), Tr("Altezza (gradi)"));
    DrawAxes(painter, layout, eot, NumberTicks(eot.x0, eot.x1, 5), NumberTicks(eot.y0, eot.y1, 10),
             Tr("Equazione del tempo (minuti)"), Tr("Declinazione (gradi)"));
    const auto drawLoop = [&](const Plot& plot,
                              const std::function<QPointF(const AnalemmaPoint&)>& at) {
        painter.save();
        painter.setClipRect(plot.rect);
        QPainterPath line;
        for (std::size_t i = 0; i < a.points.size(); ++i) {
            if (i == 0) {
                line.moveTo(at(a.points[i]));
            } else {
                line.lineTo(at(a.points[i]));
            }
        }
        painter.setPen(QPen(kOrange, 2.5));
        painter.drawPath(line);
        for (std::size_t index : a.monthStarts) {
            const QPointF p = at(a.points[index]);
            DrawMarker(painter, p, Swatch::kDot, kBlack, 2.5);
            DrawLabel(painter, p, Tr(kMonthShortNames[a.points[index].date.month - 1]), plot);
        }
        for (const AnalemmaMark& mark : a.seasons) {
            const bool equinox = mark.season == SeasonMark::kMarchEquinox ||
                                 mark.season == SeasonMark::kSeptemberEquinox;
            DrawMarker(painter, at(a.points[mark.index]), Swatch::kDiamond,
                       equinox ? kBluishGreen : kVermillion, 4.5);
        }
        painter.restore();
    };
    drawLoop(sky, [&](const AnalemmaPoint& p) {
        return sky.Map(AxisBearing(p.bearingDeg, latitude), p.altitudeDeg);
    });
    drawLoop(eot, [&](const AnalemmaPoint& p) {
        return eot.Map(p.equationOfTimeMin, p.declinationDeg);
    });
}

void PaintEquationOfTime(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    painter.fillRect(plot.rect, Qt::white);
    const int year = model.equationOfTime ? model.equationOfTime->year : 2000;
    DrawAxes(painter, layout, plot, MonthTicks(year), NumberTicks(plot.y0, plot.y1, 5), Tr("Data"),
             Tr("Equazione del tempo (minuti)"));
    if (!model.equationOfTime) return;
    const EquationOfTimeChart& e = *model.equationOfTime;
    painter.save();
    painter.setClipRect(plot.rect);
    painter.setPen(QPen(kBlack, 1));
    painter.drawLine(plot.Map(plot.x0, 0), plot.Map(plot.x1, 0));
    QPainterPath line;
    for (std::size_t i = 0; i < e.points.size(); ++i) {
        const QPointF at = plot.Map(e.points[i].dayOfYear, e.points[i].minutes);
        if (i == 0) {
            line.moveTo(at);
        } else {
            line.lineTo(at);
        }
    }
    painter.setPen(QPen(kBlue, 2.5));
    painter.drawPath(line);
    const auto feature = [&](const EquationOfTimeFeature& f, bool above) {
        const QPointF at = plot.Map(f.dayOfYear, f.minutes);
        DrawMarker(painter, at, Swatch::kDot, kVermillion, 4);
        const ChartDate date = DateAtDay(year, f.dayOfYear);
        const QString text = Tr("%1 min, %2").arg(Number(f.minutes, 1)).arg(DateText(date).left(5));
        DrawLabel(painter, at + QPointF(0, above ? -4 : layout.lineHeight + 6), text, plot);
    };
    for (const EquationOfTimeFeature& f : e.maxima) feature(f, true);
    for (const EquationOfTimeFeature& f : e.minima) feature(f, false);
    painter.restore();
}

// The stretches of a day, in hours, where the Sun stands above a twilight's
// altitude (or the horizon).
void FillAbove(QPainter& painter, const Plot& plot, double x, const ChartTime& dawn,
               const ChartTime& dusk, bool alwaysAbove, const QColor& color) {
    const auto fill = [&](double from, double to) {
        if (to <= from) return;
        painter.fillRect(QRectF(plot.Map(x, to), plot.Map(x + 1, from)).normalized(), color);
    };
    if (dawn.occurs && dusk.occurs) {
        if (dawn.hours <= dusk.hours) {
            fill(dawn.hours, dusk.hours);
        } else {
            fill(0, dusk.hours);
            fill(dawn.hours, 24);
        }
    } else if (dawn.occurs) {
        fill(dawn.hours, 24);
    } else if (dusk.occurs) {
        fill(0, dusk.hours);
    } else if (alwaysAbove) {
        fill(0, 24);
    }
}

void PaintDaylight(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    painter.fillRect(plot.rect, kNight);
    const int year = model.daylight ? model.daylight->year : 2000;
    if (model.daylight) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        const std::vector<DaylightDay>& days = model.daylight->days;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DaylightDay& d = days[i];
            const double x = static_cast<double>(i);
            // Without a crossing the Sun stays on one side of the altitude all
            // day: above when even its lowest point is (the day is then as
            // long as 24 hours), judged by the transit altitude otherwise.
            const bool polarDay = d.apparentDaylightHours >= 24;
            FillAbove(painter, plot, x, d.astronomicalDawn, d.astronomicalDusk,
                      polarDay || d.transitAltitudeDeg > kAstronomicalTwilightAltitude,
                      kAstronomical);
            FillAbove(painter, plot, x, d.nauticalDawn, d.nauticalDusk,
                      polarDay || d.transitAltitudeDeg > kNauticalTwilightAltitude, kNautical);
            FillAbove(painter, plot, x, d.civilDawn, d.civilDusk,
                      polarDay || d.transitAltitudeDeg > kCivilTwilightAltitude, kCivil);
            FillAbove(painter, plot, x, d.sunrise, d.sunset, polarDay, kDay);
        }
        painter.restore();
    }
    std::vector<Tick> hours = NumberTicks(0, 24, 3);
    for (Tick& t : hours)
        t.label = QStringLiteral("%1:00").arg(static_cast<int>(t.value), 2, 10, QLatin1Char('0'));
    DrawAxes(painter, layout, plot, MonthTicks(year), hours, Tr("Data"), Tr("Ora dell'orologio"),
             NumberTicks(0, 24, 3), Tr("Durata del giorno (ore)"));
    if (!model.daylight) return;
    const std::vector<DaylightDay>& days = model.daylight->days;
    painter.save();
    painter.setClipRect(plot.rect);
    const auto line = [&](const std::function<ChartTime(const DaylightDay&)>& value,
                          const QPen& pen) {
        QPainterPath path;
        bool open = false;
        double last = 0;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const ChartTime t = value(days[i]);
            if (!t.occurs) {
                open = false;
                continue;
            }
            const QPointF at = plot.Map(i + 0.5, t.hours);
            if (!open || std::abs(t.hours - last) > 3) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
            open = true;
            last = t.hours;
        }
        painter.setPen(pen);
        painter.drawPath(path);
    };
    if (model.prayerLines) {
        const QPen prayer(kReddishPurple, 1.5, Qt::DashLine);
        line([](const DaylightDay& d) { return d.fajr; }, prayer);
        line([](const DaylightDay& d) { return d.zuhr; }, prayer);
        line([](const DaylightDay& d) { return d.asr1; }, prayer);
        line([](const DaylightDay& d) { return d.maghrib; }, prayer);
        line([](const DaylightDay& d) { return d.isha; }, prayer);
    }
    line(
        [](const DaylightDay& d) {
            return ChartTime{true, d.apparentDaylightHours};
        },
        QPen(kVermillion, 2.5));
    painter.restore();
}

}  // namespace

const char* ChartKindKey(ChartKind kind) {
    switch (kind) {
        case ChartKind::kSunPath:
            return "sunpath";
        case ChartKind::kSunPathYear:
            return "sunpath-year";
        case ChartKind::kAnalemma:
            return "analemma";
        case ChartKind::kEquationOfTime:
            return "equation-of-time";
        case ChartKind::kDaylight:
            return "daylight";
    }
    return "sunpath";
}

std::optional<ChartKind> ParseChartKind(const std::string& key) {
    for (ChartKind kind : {ChartKind::kSunPath, ChartKind::kSunPathYear, ChartKind::kAnalemma,
                           ChartKind::kEquationOfTime, ChartKind::kDaylight}) {
        if (key == ChartKindKey(kind)) return kind;
    }
    return std::nullopt;
}

ChartModel BuildChartModel(ChartKind kind, const ChartInputs& inputs, bool prayerLines,
                           bool polar) {
    ChartModel model;
    model.kind = kind;
    model.polar = polar && (kind == ChartKind::kSunPath || kind == ChartKind::kSunPathYear);
    model.prayerLines = prayerLines;
    model.year = inputs.request.year;
    switch (kind) {
        case ChartKind::kSunPath:
            model.sunPath = ComputeSunPath(inputs, false);
            break;
        case ChartKind::kAnalemma:
            model.analemma = ComputeAnalemma(inputs);
            model.sunPath.latitude = inputs.request.latitude;
            break;
        case ChartKind::kSunPathYear:
        case ChartKind::kEquationOfTime:
        case ChartKind::kDaylight:
            if (kind == ChartKind::kSunPathYear) model.monthPaths = CachedMonthPaths(inputs);
            if (kind == ChartKind::kEquationOfTime)
                model.equationOfTime = CachedEquationOfTime(inputs);
            if (kind == ChartKind::kDaylight) model.daylight = CachedDaylight(inputs, prayerLines);
            model.sunPath.latitude = inputs.request.latitude;
            model.sunPath.apparentHorizonDeg = ApparentHorizonAltitude(inputs.request.height);
            break;
    }
    return model;
}

QString ChartTitle(ChartKind kind) {
    switch (kind) {
        case ChartKind::kSunPath:
            return Tr("Percorso del Sole");
        case ChartKind::kSunPathYear:
            return Tr("Percorsi del Sole il 21 di ogni mese");
        case ChartKind::kAnalemma:
            return Tr("Analemma");
        case ChartKind::kEquationOfTime:
            return Tr("Equazione del tempo");
        case ChartKind::kDaylight:
            return Tr("Giorno e crepuscoli nell'anno");
    }
    return {};
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartModel& model) {
    const Layout layout = LayoutOf(model, area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    painter.setFont(layout.font);

    QString title = ChartTitle(model.kind);
    switch (model.kind) {
        case ChartKind::kSunPath:
            title += QStringLiteral(", ") + DateText(model.sunPath.day.date);
            break;
        case ChartKind::kAnalemma:
            title = Tr("Analemma alle %1 del fuso (senza ora legale), %2")
                        .arg(ClockText(model.analemma.clockHours))
                        .arg(model.analemma.year);
            break;
        case ChartKind::kSunPathYear:
        case ChartKind::kEquationOfTime:
        case ChartKind::kDaylight:
            title += QStringLiteral(", %1").arg(model.year);
            break;
    }
    QFont bold = layout.font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(chart_colors::kBlack);
    painter.drawText(layout.titleRect, Qt::AlignCenter, title);
    painter.setFont(layout.font);

    switch (model.kind) {
        case ChartKind::kSunPath:
            PaintSunPath(painter, layout, model);
            break;
        case ChartKind::kSunPathYear:
            PaintSunPathYear(painter, layout, model);
            break;
        case ChartKind::kAnalemma:
            PaintAnalemma(painter, layout, model);
            break;
        case ChartKind::kEquationOfTime:
            PaintEquationOfTime(painter, layout, model);
            break;
        case ChartKind::kDaylight:
            PaintDaylight(painter, layout, model);
            break;
    }
    painter.setFont(layout.font);
    DrawLegend(painter, layout, LegendOf(model));
    painter.restore();
}

QPointF ChartPixel(const ChartModel& model, const QRectF& area, double x, double y, int panel) {
    const Layout layout = LayoutOf(model, area);
    const Plot& plot = layout.plots[static_cast<std::size_t>(
        std::min<int>(panel, static_cast<int>(layout.plots.size()) - 1))];
    const bool sky = model.kind == ChartKind::kSunPath || model.kind == ChartKind::kSunPathYear ||
                     (model.kind == ChartKind::kAnalemma && panel == 0);
    return plot.Map(sky ? AxisBearing(x, model.sunPath.latitude) : x, y);
}

QString ChartValueAt(const ChartModel& model, const QRectF& area, const QPointF& pixel) {
    const Layout layout = LayoutOf(model, area);
    for (std::size_t i = 0; i < layout.plots.size(); ++i) {
        const Plot& plot = layout.plots[i];
        if (!plot.Contains(pixel)) continue;
        const double x = plot.X(pixel);
        const double y = plot.Y(pixel);
        switch (model.kind) {
            case ChartKind::kSunPath:
            case ChartKind::kSunPathYear:
                return Tr("Azimut %1° (da nord), altezza %2°")
                    .arg(Number(std::fmod(x + 360.0, 360.0), 1))
                    .arg(Number(y, 1));
            case ChartKind::kAnalemma:
                if (i == 0) {
                    return Tr("Azimut %1° (da nord), altezza %2°")
                        .arg(Number(std::fmod(x + 360.0, 360.0), 1))
                        .arg(Number(y, 1));
                }
                return Tr("Equazione del tempo %1 min, declinazione %2°")
                    .arg(Number(x, 1))
                    .arg(Number(y, 1));
            case ChartKind::kEquationOfTime: {
                if (!model.equationOfTime) return {};
                const auto& points = model.equationOfTime->points;
                const std::size_t day =
                    std::min(points.size() - 1, static_cast<std::size_t>(std::max(0.0, x)));
                return Tr("%1: equazione del tempo %2 min")
                    .arg(DateText(points[day].date))
                    .arg(Number(points[day].minutes, 2));
            }
            case ChartKind::kDaylight: {
                if (!model.daylight) return {};
                const auto& days = model.daylight->days;
                const DaylightDay& d =
                    days[std::min(days.size() - 1, static_cast<std::size_t>(std::max(0.0, x)))];
                const QString none = QStringLiteral("--");
                return Tr("%1: ore %2; sorgere %3, tramonto %4, durata del giorno %5")
                    .arg(DateText(d.date))
                    .arg(ClockText(y))
                    .arg(d.sunrise.occurs ? ClockText(d.sunrise.hours) : none)
                    .arg(d.sunset.occurs ? ClockText(d.sunset.hours) : none)
                    .arg(DurationText(d.apparentDaylightHours));
            }
        }
    }
    return {};
}

QString ExportChart(const ChartModel& model, const QString& path, const QSize& size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool svg = suffix == QLatin1String("svg");
    if (!svg && suffix != QLatin1String("png")) {
        return Tr("Formato non riconosciuto: il nome del file deve finire in .png o .svg");
    }
    // Written beside the file and put in its place only when whole, so that a
    // failure leaves no half-written file and any earlier file as it was.
    QSaveFile file(path);
    const auto failed = [&] {
        file.cancelWriting();
        const QString reason = file.errorString();
        return Tr("Impossibile scrivere il file %1").arg(path) +
               (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    };
    if (!file.open(QIODevice::WriteOnly)) return failed();
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setTitle(ChartTitle(model.kind));
        generator.setDescription(QStringLiteral("Tarvel"));
        QPainter painter;
        if (!painter.begin(&generator)) return failed();
        PaintChart(painter, area, model);
        painter.end();
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintChart(painter, area, model);
        painter.end();
        if (!image.save(&file, "PNG")) return failed();
    }
    if (!file.commit()) return failed();
    return {};
}

}  // namespace tarvel
