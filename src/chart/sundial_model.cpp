#include "chart/sundial_model.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/nutation.h"
#include "astro/solar_events.h"
#include "format/printf_text.h"

namespace tarvel {

namespace {

constexpr double kRad = kPi / 180.0;

double Dot(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void Cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

void Normalize(double v[3]) {
    const double length = std::sqrt(Dot(v, v));
    for (int i = 0; i < 3; ++i) v[i] /= length;
}

// Degrees into (-180, 180].
double Wrap180(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}

// The plate's face and axes of a dial type at a latitude.
void Orient(SundialModel& model) {
    const SundialDesign& design = model.design;
    const double phi = model.latitudeDeg * kRad;
    double* n = model.normal;
    switch (design.type) {
        case DialType::kHorizontal:
            n[0] = 0, n[1] = 0, n[2] = 1;
            break;
        case DialType::kVertical: {
            const double d = design.declinationDeg * kRad;
            const double i = design.inclinationDeg * kRad;
            n[0] = -std::sin(d) * std::cos(i);
            n[1] = -std::cos(d) * std::cos(i);
            n[2] = std::sin(i);
            break;
        }
        case DialType::kEquatorial:
            // The face towards the pole above the horizon (the north pole on
            // the equator).
            if (model.latitudeDeg >= 0) {
                n[0] = 0, n[1] = std::cos(phi), n[2] = std::sin(phi);
            } else {
                n[0] = 0, n[1] = -std::cos(phi), n[2] = -std::sin(phi);
            }
            break;
        case DialType::kPolar:
            // Parallel to the Earth's axis, facing the equator's culmination.
            n[0] = 0, n[1] = -std::sin(phi), n[2] = std::cos(phi);
            break;
    }
    const double up[3] = {0, 0, 1};
    double* u = model.axisX;
    if (design.type == DialType::kVertical) {
        const double d = design.declinationDeg * kRad;
        u[0] = std::cos(d), u[1] = -std::sin(d), u[2] = 0;
    } else if (std::fabs(n[2]) > 1 - 1e-12) {
        u[0] = 1, u[1] = 0, u[2] = 0;
    } else {
        Cross(up, n, u);
        Normalize(u);
    }
    Cross(n, u, model.axisY);
}

// The pole the style points to, east-north-up: the one above the horizon
// (the north pole on the equator).
void PoleDirection(double latitudeDeg, double out[3]) {
    const double phi = latitudeDeg * kRad;
    const double sign = latitudeDeg >= 0 ? 1.0 : -1.0;
    out[0] = 0;
    out[1] = sign * std::cos(phi);
    out[2] = sign * std::sin(phi);
}

void GnomonGeometry(SundialModel& model) {
    double pole[3];
    PoleDirection(model.latitudeDeg, pole);
    const double g = model.design.gnomonHeightMm;
    const double along = Dot(pole, model.normal);
    model.styleHeightDeg = std::asin(std::min(1.0, std::fabs(along))) / kRad;
    const double px = Dot(pole, model.axisX);
    const double py = Dot(pole, model.axisY);
    if (std::fabs(along) > 1e-12) {
        model.centre = DialPoint{-g * px / along, -g * py / along};
        model.styleLengthMm = g / std::fabs(along);
    } else {
        model.centre.reset();
        model.styleLengthMm = 0;
    }
    // From the centre through the foot: the pole's trace on the plate, turned
    // away from the pole where the style rises from the plate towards it.
    const double sign = along >= 0 ? 1.0 : -1.0;
    if (std::hypot(px, py) < 1e-12) {
        model.substyleDirectionDeg = 0;  // equatorial: the style stands upright
    } else {
        model.substyleDirectionDeg = std::atan2(sign * px, sign * py) / kRad;
    }
}

// A line's shadow as a function of its parameter; none where the Sun is
// below the true horizon or behind the plate.
using Trace = std::function<std::optional<DialPoint>(double)>;

struct Box {
    double left, bottom, right, top;
    bool Touches(DialPoint a, DialPoint b) const {
        return !(std::max(a.x, b.x) < left || std::min(a.x, b.x) > right ||
                 std::max(a.y, b.y) < bottom || std::min(a.y, b.y) > top);
    }
};

// The parameter where the trace ends between a visible t0 and an invisible
// t1 (bisection), and the shadow there.
std::pair<double, DialPoint> Edge(const Trace& trace, double t0, double t1, DialPoint p0) {
    for (int i = 0; i < 50; ++i) {
        const double mid = 0.5 * (t0 + t1);
        const std::optional<DialPoint> p = trace(mid);
        if (p) {
            t0 = mid;
            p0 = *p;
        } else {
            t1 = mid;
        }
    }
    return {t0, p0};
}

// Points between two visible samples until the trace departs from each
// chord by less than 0.005 mm where the chord may cross the box.
void Refine(const Trace& trace, const Box& box, double t0, DialPoint p0, double t1, DialPoint p1,
            int depth, std::vector<DialPoint>& out) {
    if (depth < 30 && box.Touches(p0, p1)) {
        const double mid = 0.5 * (t0 + t1);
        const std::optional<DialPoint> pm = trace(mid);
        if (pm) {
            const double dx = p1.x - p0.x, dy = p1.y - p0.y;
            const double length = std::hypot(dx, dy);
            const double off = length > 0
                                   ? std::fabs((pm->x - p0.x) * dy - (pm->y - p0.y) * dx) / length
                                   : std::hypot(pm->x - p0.x, pm->y - p0.y);
            if (off > 0.005 || (depth < 2 && length > 5)) {
                Refine(trace, box, t0, p0, mid, *pm, depth + 1, out);
                Refine(trace, box, mid, *pm, t1, p1, depth + 1, out);
                return;
            }
        }
    }
    out.push_back(p1);
}

// The visible pieces of a trace sampled at params (increasing), refined
// where they may cross the box, with their ends found where the Sun sets or
// leaves the plate.
std::vector<std::vector<DialPoint>> Sample(const Trace& trace, const std::vector<double>& params,
                                           const Box& box, bool refine) {
    std::vector<std::vector<DialPoint>> pieces;
    std::vector<DialPoint> piece;
    std::optional<DialPoint> previous;
    double tPrevious = 0;
    for (double t : params) {
        const std::optional<DialPoint> p = trace(t);
        if (p && previous) {
            if (refine) {
                Refine(trace, box, tPrevious, *previous, t, *p, 0, piece);
            } else {
                piece.push_back(*p);
            }
        } else if (p && !previous) {
            if (refine && t != params.front()) {
                const auto [tEdge, pEdge] = Edge(trace, t, tPrevious, *p);
                piece.push_back(pEdge);
                Refine(trace, box, tEdge, pEdge, t, *p, 0, piece);
            } else {
                piece.push_back(*p);
            }
        } else if (!p && previous) {
            if (refine) {
                const auto [tEdge, pEdge] = Edge(trace, tPrevious, t, *previous);
                Refine(trace, box, tPrevious, *previous, tEdge, pEdge, 0, piece);
            }
            if (piece.size() > 1) pieces.push_back(std::move(piece));
            piece.clear();
        }
        previous = p;
        tPrevious = t;
    }
    if (piece.size() > 1) pieces.push_back(std::move(piece));
    return pieces;
}

// The parts of the pieces inside the plate (Liang-Barsky per segment).
std::vector<std::vector<DialPoint>> Clip(const std::vector<std::vector<DialPoint>>& pieces,
                                         const Box& box) {
    std::vector<std::vector<DialPoint>> out;
    for (const std::vector<DialPoint>& piece : pieces) {
        std::vector<DialPoint> current;
        for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
            const DialPoint a = piece[i];
            const DialPoint b = piece[i + 1];
            const double dx = b.x - a.x, dy = b.y - a.y;
            double t0 = 0, t1 = 1;
            const double p[4] = {-dx, dx, -dy, dy};
            const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.bottom, box.top - a.y};
            bool inside = true;
            for (int k = 0; k < 4 && inside; ++k) {
                if (p[k] == 0) {
                    if (q[k] < 0) inside = false;
                } else {
                    const double r = q[k] / p[k];
                    if (p[k] < 0) {
                        t0 = std::max(t0, r);
                    } else {
                        t1 = std::min(t1, r);
                    }
                    if (t0 > t1) inside = false;
                }
            }
            if (!inside) {
                if (current.size() > 1) out.push_back(std::move(current));
                current.clear();
                continue;
            }
            const DialPoint start{a.x + t0 * dx, a.y + t0 * dy};
            const DialPoint end{a.x + t1 * dx, a.y + t1 * dy};
            if (current.empty() || t0 > 0) {
                if (current.size() > 1) out.push_back(std::move(current));
                current.clear();
                current.push_back(start);
            }
            current.push_back(end);
            if (t1 < 1) {
                if (current.size() > 1) out.push_back(std::move(current));
                current.clear();
            }
        }
        if (current.size() > 1) out.push_back(std::move(current));
    }
    return out;
}

// Whether the Sun of direction s lights the plate's face.
bool Lights(const SundialModel& model, const double s[3]) {
    return s[2] > 0 && Dot(s, model.normal) > 0;
}

// The hour angle (degrees) of an hour of a system at a declination; not a
// number where the system has no such hour that day.
double HourAngleOf(DialHourSystem system, double hour, double declinationDeg, double latitudeDeg) {
    switch (system) {
        case DialHourSystem::kTrue:
        case DialHourSystem::kMean:
            return 15.0 * (hour - 12.0);
        case DialHourSystem::kItalian:
            // hour = Wrap24(T - (12 + H0)) on true local time T.
            return Wrap180(15.0 * (hour + GeometricHalfDayArc(declinationDeg, latitudeDeg)));
        case DialHourSystem::kBabylonian:
            // hour = Wrap24(T - (12 - H0)).
            return Wrap180(15.0 * (hour - GeometricHalfDayArc(declinationDeg, latitudeDeg)));
        case DialHourSystem::kTemporal: {
            // The sunrise plus hour twelfths of the day 2 H0.
            const double h0 = GeometricHalfDayArc(declinationDeg, latitudeDeg);
            return 15.0 * (-h0 + hour * 2.0 * h0 / 12.0);
        }
    }
    return std::nan("");
}

std::vector<double> Steps(double from, double to, int count) {
    std::vector<double> steps;
    for (int i = 0; i <= count; ++i) steps.push_back(from + (to - from) * i / count);
    return steps;
}

// The hours a system's lines are drawn for.
std::vector<double> HoursOf(DialHourSystem system, int subdivisions) {
    std::vector<double> hours;
    switch (system) {
        case DialHourSystem::kTrue:
        case DialHourSystem::kMean:
            for (int i = 0; i < 24 * subdivisions; ++i) {
                hours.push_back(static_cast<double>(i) / subdivisions);
            }
            break;
        case DialHourSystem::kItalian:
        case DialHourSystem::kBabylonian:
            for (int i = 1; i <= 23; ++i) hours.push_back(i);
            break;
        case DialHourSystem::kTemporal:
            for (int i = 1; i <= 11; ++i) hours.push_back(i);
            break;
    }
    return hours;
}

// The plate: a square of the design's side around the shadows of the
// solstices and the equinox through the day, holding the gnomon's foot.
void PlacePlate(SundialModel& model) {
    const double side = model.design.sizeMm;
    model.plateSide = side;
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    if (model.design.type != DialType::kEquatorial) {
        for (double dec : {model.declinationMinDeg, 0.0, model.declinationMaxDeg}) {
            for (int i = 0; i <= 96; ++i) {
                double s[3];
                SunDirection(15.0 * (i / 4.0 - 12.0), dec, model.latitudeDeg, s);
                if (!Lights(model, s)) continue;
                const std::optional<DialPoint> p = ShadowOf(model, s);
                if (!p || std::hypot(p->x, p->y) > 1.5 * side) continue;
                left = std::min(left, p->x), right = std::max(right, p->x);
                bottom = std::min(bottom, p->y), top = std::max(top, p->y);
            }
        }
    }
    double cx = 0, cy = 0;
    if (left <= right) {
        const double margin = 0.45 * side;
        cx = std::clamp(0.5 * (left + right), -margin, margin);
        cy = std::clamp(0.5 * (bottom + top), -margin, margin);
    }
    model.plateLeft = cx - side / 2;
    model.plateBottom = cy - side / 2;
}

Box PlateBox(const SundialModel& model) {
    return {model.plateLeft, model.plateBottom, model.plateLeft + model.plateSide,
            model.plateBottom + model.plateSide};
}

std::vector<DialSunlit> SunlitHours(const SundialModel& model, double declinationDeg) {
    const auto lit = [&](double trueHours) {
        double s[3];
        SunDirection(15.0 * (trueHours - 12.0), declinationDeg, model.latitudeDeg, s);
        return Lights(model, s);
    };
    const auto edge = [&](double a, double b) {  // lit(a) != lit(b)
        const bool la = lit(a);
        for (int i = 0; i < 40; ++i) {
            const double mid = 0.5 * (a + b);
            (lit(mid) == la ? a : b) = mid;
        }
        return 0.5 * (a + b);
    };
    std::vector<DialSunlit> spans;
    constexpr int kSteps = 24 * 60;
    bool previous = lit(0);
    double start = 0;
    for (int i = 1; i <= kSteps; ++i) {
        const double t = 24.0 * i / kSteps;
        const bool now = lit(t);
        if (now && !previous) start = edge(t - 24.0 / kSteps, t);
        if (!now && previous) spans.push_back({start, edge(t - 24.0 / kSteps, t)});
        previous = now;
    }
    if (previous) spans.push_back({start, 24.0});
    // Through midnight: one span.
    if (spans.size() > 1 && spans.front().startHours == 0 && spans.back().endHours == 24.0) {
        spans.front().startHours = spans.back().startHours - 24.0;
        spans.pop_back();
    }
    return spans;
}

}  // namespace

void SunDirection(double hourAngleDeg, double declinationDeg, double latitudeDeg, double out[3]) {
    const double h = hourAngleDeg * kRad;
    const double d = declinationDeg * kRad;
    const double phi = latitudeDeg * kRad;
    out[0] = -std::cos(d) * std::sin(h);
    out[1] = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
    out[2] = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
}

std::optional<DialPoint> ShadowOf(const SundialModel& model, const double direction[3]) {
    const double towards = Dot(direction, model.normal);
    if (!(towards > 1e-9)) return std::nullopt;
    const double g = model.design.gnomonHeightMm;
    return DialPoint{-g * Dot(direction, model.axisX) / towards,
                     -g * Dot(direction, model.axisY) / towards};
}

SunEntry SunEntryInto(int year, double longitudeDeg) {
    const double target = std::fmod(std::fmod(longitudeDeg, 360.0) + 360.0, 360.0);
    // From the March equinox, a mean tropical year a turn; the entries into
    // Aquarius and Pisces are those of January and February of the year.
    double jde = JulianDayFromCalendar(year, 3, 20.5, 1) + target / 360.0 * 365.2422;
    if (target >= 285.0) jde -= 365.2422;
    double lambda = SunApparentLongitude(jde);
    for (int i = 0; i < 20; ++i) {
        const double miss = Wrap180(target - lambda);
        if (std::fabs(miss) < 1e-9) break;
        jde += miss * 365.2422 / 360.0;
        lambda = SunApparentLongitude(jde);
    }
    SunEntry entry;
    entry.jde = jde;
    entry.declinationDeg =
        EclipticToEquatorial(lambda, SunApparentLatitude(jde), TrueObliquity(jde)).dec;
    int y = 0, m = 0, d = 0, h = 0, min = 0;
    double s = 0;
    JulianDate(jde, 1).ToCalendar(y, m, d, h, min, s);
    entry.date = {y, m, d};
    return entry;
}

SundialModel BuildSundial(const SundialDesign& design, const ChartInputs& inputs) {
    SundialModel model;
    model.design = design;
    model.design.subdivisions =
        design.subdivisions == 2 || design.subdivisions == 4 ? design.subdivisions : 1;
    const SolarRequest& request = inputs.request;
    model.latitudeDeg = request.latitude;
    model.longitudeDeg = request.longitude;
    model.year = request.year;
    model.placeName = inputs.placeName;
    model.zoneName = inputs.zoneRules ? inputs.zoneRules->Name() : std::string();
    model.zoneOffsetHours = request.zoneMinutes / 60.0 + request.zoneSeconds / 3600.0;
    Orient(model);
    GnomonGeometry(model);
    const SunEntry june = SunEntryInto(model.year, 90);
    const SunEntry december = SunEntryInto(model.year, 270);
    model.declinationMinDeg = december.declinationDeg;
    model.declinationMaxDeg = june.declinationDeg;
    PlacePlate(model);
    const Box plate = PlateBox(model);
    const double latitude = model.latitudeDeg;
    if (design.type != DialType::kEquatorial) {
        const double a = model.substyleDirectionDeg * kRad;
        const double reach = 4 * model.plateSide + std::hypot(model.plateLeft, model.plateBottom);
        model.substyleLine = Clip({{DialPoint{-reach * std::sin(a), -reach * std::cos(a)},
                                    DialPoint{reach * std::sin(a), reach * std::cos(a)}}},
                                  plate);
    }

    // Hour lines.
    const std::vector<double> declinations =
        Steps(model.declinationMinDeg, model.declinationMaxDeg, 48);
    for (DialHourSystem system : design.hours) {
        for (double hour : HoursOf(system, model.design.subdivisions)) {
            DialLine line;
            line.system = system;
            line.value = hour;
            if (system == DialHourSystem::kMean) {
                // The Sun at this hour of the standard clock every day of the
                // year; true local time from the equation of time the program
                // shows and the site's distance from the zone's meridian.
                const SunSite site = SunSiteAt(request.latitude, request.longitude);
                const double meridianHours =
                    (request.zoneMinutes * 15.0 / 60.0 + request.longitude +
                     request.zoneSeconds * 15.0 / 3600.0) /
                    15.0;
                std::vector<DialPoint> points;
                std::vector<std::vector<DialPoint>> pieces;
                std::vector<ChartDate> days = DatesOfYear(model.year);
                days.push_back(days.front());
                for (const ChartDate& day : days) {
                    SolarRequest onDay = request;
                    onDay.year = model.year, onDay.month = day.month, onDay.day = day.day;
                    onDay.summerTime = false;
                    const SunState sun = SunAtClock(onDay, site, hour);
                    const double trueLocal =
                        hour - meridianHours + EquationOfTimeMinutesOf(sun) / 60.0;
                    double s[3];
                    SunDirection(15.0 * (trueLocal - 12.0), sun.declination, latitude, s);
                    const std::optional<DialPoint> p =
                        Lights(model, s) ? ShadowOf(model, s) : std::nullopt;
                    if (p) {
                        points.push_back(*p);
                    } else {
                        if (points.size() > 1) pieces.push_back(points);
                        points.clear();
                    }
                }
                if (points.size() > 1) pieces.push_back(points);
                line.pieces = Clip(pieces, plate);
            } else {
                const Trace trace = [&](double dec) -> std::optional<DialPoint> {
                    const double h = HourAngleOf(system, hour, dec, latitude);
                    if (std::isnan(h)) return std::nullopt;
                    double s[3];
                    SunDirection(h, dec, latitude, s);
                    return Lights(model, s) ? ShadowOf(model, s) : std::nullopt;
                };
                line.pieces = Clip(Sample(trace, declinations, plate, true), plate);
            }
            if (!line.pieces.empty()) model.hourLines.push_back(std::move(line));
        }
    }

    // Date lines: the entries asked for, in the order of the year from the
    // March equinox, then the chosen dates.
    std::vector<std::pair<double, DialDateKind>> entries;
    for (int sign = 0; sign < 12; ++sign) {
        const double longitude = 30.0 * sign;
        const bool equinox = sign % 6 == 0;
        const bool solstice = sign % 6 == 3;
        if (equinox && (design.equinoxes || design.zodiac)) {
            entries.push_back(
                {longitude, design.equinoxes ? DialDateKind::kEquinox : DialDateKind::kZodiac});
        } else if (solstice && (design.solstices || design.zodiac)) {
            entries.push_back(
                {longitude, design.solstices ? DialDateKind::kSolstice : DialDateKind::kZodiac});
        } else if (design.zodiac && !equinox && !solstice) {
            entries.push_back({longitude, DialDateKind::kZodiac});
        }
    }
    std::vector<DialLine> dates;
    for (const auto& [longitude, kind] : entries) {
        const SunEntry entry = SunEntryInto(model.year, longitude);
        DialLine line;
        line.dateKind = kind;
        line.value = longitude;
        line.date = entry.date;
        line.declinationDeg = entry.declinationDeg;
        dates.push_back(line);
    }
    const SunSite site = SunSiteAt(request.latitude, request.longitude);
    for (const ChartDate& date : design.dates) {
        SolarRequest onDay = request;
        onDay.year = date.year, onDay.month = date.month, onDay.day = date.day;
        onDay.summerTime = false;
        const SunState sun = SunAtClock(onDay, site, 12.0);
        DialLine line;
        line.dateKind = DialDateKind::kChosen;
        line.value = std::fmod(std::fmod(sun.eclipticLongitude, 360.0) + 360.0, 360.0);
        line.date = date;
        line.declinationDeg = sun.declination;
        dates.push_back(line);
    }
    const std::vector<double> hourAngles = Steps(-180.0, 180.0, 360);
    for (DialLine& line : dates) {
        const double dec = line.declinationDeg;
        const Trace trace = [&](double h) -> std::optional<DialPoint> {
            double s[3];
            SunDirection(h, dec, latitude, s);
            return Lights(model, s) ? ShadowOf(model, s) : std::nullopt;
        };
        line.pieces = Clip(Sample(trace, hourAngles, plate, true), plate);
        model.sunlit.push_back(SunlitHours(model, dec));
        model.dateLines.push_back(std::move(line));
    }
    return model;
}

const char* DialHourSystemName(DialHourSystem system) {
    switch (system) {
        case DialHourSystem::kTrue:
            return "true";
        case DialHourSystem::kMean:
            return "mean";
        case DialHourSystem::kItalian:
            return "italian";
        case DialHourSystem::kBabylonian:
            return "babylonian";
        case DialHourSystem::kTemporal:
            return "temporal";
    }
    return "";
}

const char* DialDateKindName(DialDateKind kind) {
    switch (kind) {
        case DialDateKind::kSolstice:
            return "solstice";
        case DialDateKind::kEquinox:
            return "equinox";
        case DialDateKind::kZodiac:
            return "zodiac";
        case DialDateKind::kChosen:
            return "date";
    }
    return "";
}

namespace {

// A number with the decimals given and "." as the point; empty for a
// missing value.
std::string Fixed(double value, int decimals) {
    if (std::isnan(value)) return "";
    // No "-0.00" for a value that rounds to zero.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    return PrintfText("%.*f", decimals, value);
}

std::string DateField(const ChartDate& date) {
    return PrintfText("%04d-%02d-%02d", date.year, date.month, date.day);
}

}  // namespace

std::string SundialCsv(const SundialModel& model) {
    std::string csv = "line,kind,value,date,declination_deg,piece,x_mm,y_mm\n";
    const auto row = [&csv](const std::string& line, const std::string& kind,
                            const std::string& value, const std::string& date,
                            const std::string& declination, const std::string& piece,
                            const std::string& x, const std::string& y) {
        csv += line + "," + kind + "," + value + "," + date + "," + declination + "," + piece +
               "," + x + "," + y + "\n";
    };
    row("gnomon", "foot", Fixed(model.design.gnomonHeightMm, 2), "", "", "", "0.00", "0.00");
    if (model.centre) {
        row("gnomon", "centre", "", "", "", "", Fixed(model.centre->x, 2),
            Fixed(model.centre->y, 2));
    }
    row("gnomon", "style_height_deg", Fixed(model.styleHeightDeg, 4), "", "", "", "", "");
    row("gnomon", "style_length_mm", Fixed(model.styleLengthMm, 2), "", "", "", "", "");
    row("gnomon", "substyle_direction_deg", Fixed(model.substyleDirectionDeg, 4), "", "", "", "",
        "");
    row("plate", "lower_left", Fixed(model.plateSide, 2), "", "", "", Fixed(model.plateLeft, 2),
        Fixed(model.plateBottom, 2));
    row("plate", "upper_right", Fixed(model.plateSide, 2), "", "", "",
        Fixed(model.plateLeft + model.plateSide, 2), Fixed(model.plateBottom + model.plateSide, 2));
    for (const DialLine& line : model.hourLines) {
        for (std::size_t k = 0; k < line.pieces.size(); ++k) {
            for (const DialPoint& p : line.pieces[k]) {
                row("hour", DialHourSystemName(line.system), Fixed(line.value, 2), "", "",
                    std::to_string(k + 1), Fixed(p.x, 2), Fixed(p.y, 2));
            }
        }
    }
    for (const DialLine& line : model.dateLines) {
        for (std::size_t k = 0; k < line.pieces.size(); ++k) {
            for (const DialPoint& p : line.pieces[k]) {
                row("date", DialDateKindName(line.dateKind), Fixed(line.value, 4),
                    DateField(line.date), Fixed(line.declinationDeg, 4), std::to_string(k + 1),
                    Fixed(p.x, 2), Fixed(p.y, 2));
            }
        }
    }
    return csv;
}

}  // namespace tarvel
