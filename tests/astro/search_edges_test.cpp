// Events at the edges of the searches: reproductions of faults found at sites
// far from their zone meridian, near the polar circles and where the Qibla
// lies near north, and a sweep over sites and dates in which every answer is
// checked against a fresh evaluation of the Sun and against an independent
// minute-by-minute scan of the date.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "astro/apparent_sun.h"
#include "astro/solar_computation.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

constexpr double kDeg = M_PI / 180.0;

using test_support::Request;
using test_support::SunAt;
using test_support::WrapDegrees180;

// Geocentric altitude of the Sun's centre from the local hour angle
// (Greenwich sidereal time, longitude, right ascension), degrees.
double GeocentricAltitude(double latitude, double declination, double hourAngleDeg) {
    const double p = latitude * kDeg;
    const double d = declination * kDeg;
    return std::asin(std::sin(p) * std::sin(d) +
                     std::cos(p) * std::cos(d) * std::cos(hourAngleDeg * kDeg)) /
           kDeg;
}

double HourAngleDeg(const SolarRequest& rq, const SunState& s) {
    return WrapDegrees180(15 * s.siderealTime - rq.longitude - 15 * s.rightAscension);
}

// Altitude of the Sun's centre at Asr: the shadow is k times the object plus
// the noon shadow.
double AsrAltitude(double k, double latitude, double declination) {
    const double noonZenith = std::fabs(latitude - declination);
    if (noonZenith >= 90) return std::nan("");
    return std::atan(1.0 / (k + std::tan(noonZenith * kDeg))) / kDeg;
}

// One altitude event: its field, whether it occurs, its target altitude for a
// declination, and whether the Sun rises through it.
struct AltitudeEvent {
    const char* name;
    double (*time)(const SolarResult&);
    bool (*occurs)(const SolarResult&);
    bool rising;
    double (*target)(const SolarRequest&, double declination);
};

double ApparentHorizon(const SolarRequest& rq, double) {
    return (-50.0 - 2.12 * std::sqrt(std::max(rq.height, 0.0))) / 60.0;
}

const AltitudeEvent kAltitudeEvents[] = {
    {"geometricRise", [](const SolarResult& r) { return r.geometricRise; },
     [](const SolarResult& r) { return r.occurs.geometricRise; }, true,
     [](const SolarRequest&, double) { return 0.0; }},
    {"geometricSet", [](const SolarResult& r) { return r.geometricSet; },
     [](const SolarResult& r) { return r.occurs.geometricSet; }, false,
     [](const SolarRequest&, double) { return 0.0; }},
    {"apparentRise", [](const SolarResult& r) { return r.apparentRise; },
     [](const SolarResult& r) { return r.occurs.apparentRise; }, true, ApparentHorizon},
    {"apparentSet", [](const SolarResult& r) { return r.apparentSet; },
     [](const SolarResult& r) { return r.occurs.apparentSet; }, false, ApparentHorizon},
    {"fajr", [](const SolarResult& r) { return r.fajr; },
     [](const SolarResult& r) { return r.occurs.fajr; }, true,
     [](const SolarRequest& rq, double) { return rq.fajrAngle; }},
    {"asr1", [](const SolarResult& r) { return r.asr1; },
     [](const SolarResult& r) { return r.occurs.asr1; }, false,
     [](const SolarRequest& rq, double dec) { return AsrAltitude(1, rq.latitude, dec); }},
    {"asr2", [](const SolarResult& r) { return r.asr2; },
     [](const SolarResult& r) { return r.occurs.asr2; }, false,
     [](const SolarRequest& rq, double dec) { return AsrAltitude(2, rq.latitude, dec); }},
    {"isha", [](const SolarResult& r) { return r.isha; },
     [](const SolarResult& r) { return r.occurs.isha; }, false,
     [](const SolarRequest& rq, double) { return rq.ishaAngle; }},
};

// The searches solve with the equation of time of the dynamical instant, so
// their hour angle differs from the sidereal one by Delta T x 0.0027379 s
// (0.2 s today, at most 0.0008 degrees of altitude); the driver accepts an
// answer within 0.001 degrees of its own reckoning.
constexpr double kAltitudeTolerance = 0.002;

// Every reported event re-evaluated: it meets its condition; absent events
// carry their markers; every clock time and length lies in its range.
// Returns the faults found, one per line.
std::string CheckReportedEvents(const SolarRequest& rq, const SolarResult& r) {
    std::ostringstream faults;
    const auto inDay = [&](const char* name, double v) {
        if (!(v >= 0.0 && v <= 24.0)) faults << name << " = " << v << " outside [0, 24]\n";
    };
    for (const AltitudeEvent& e : kAltitudeEvents) {
        const double t = e.time(r);
        if (!e.occurs(r)) {
            if (t != 0.0) faults << e.name << " absent but " << t << " instead of 0\n";
            continue;
        }
        inDay(e.name, t);
        const SunState s = SunAt(rq, t);
        const double altitude = GeocentricAltitude(rq.latitude, s.declination, HourAngleDeg(rq, s));
        const double target = e.target(rq, s.declination);
        if (!(std::fabs(altitude - target) <= kAltitudeTolerance)) {
            faults << e.name << " " << t << ": altitude " << altitude << " instead of " << target
                   << "\n";
        }
    }
    if (r.occurs.transit) {
        inDay("transit", r.transit);
        const double h = HourAngleDeg(rq, SunAt(rq, r.transit));
        if (!(std::fabs(h) <= 1e-3))
            faults << "transit " << r.transit << ": hour angle " << h << "\n";
    }
    if (r.occurs.qiblaTime) {
        inDay("qiblaTime", r.qiblaTime);
        const double d = WrapDegrees180(SunAt(rq, r.qiblaTime).azimuth + r.qiblaAzimuth);
        if (!(std::fabs(d) <= 1e-3))
            faults << "qiblaTime " << r.qiblaTime << ": off by " << d << "\n";
    } else if (r.qiblaTime != -1.0) {
        faults << "qiblaTime absent but " << r.qiblaTime << "\n";
    }
    inDay("geometricDaylight", r.geometricDaylight);
    inDay("apparentDaylight", r.apparentDaylight);
    inDay("trueLocalTime", r.trueLocalTime);
    inDay("trueZoneTime", r.trueZoneTime);
    inDay("italianHours", r.italianHours);
    inDay("babylonianHours", r.babylonianHours);
    inDay("hoursToSunset", r.hoursToSunset);
    if (!std::isnan(r.temporalHours) && !(r.temporalHours >= 0 && r.temporalHours <= 12)) {
        faults << "temporalHours " << r.temporalHours << " outside [0, 12]\n";
    }
    // Without both a rise and a set on the date there are no temporal hours
    // (with both, none either where the instant's half-day arc does not exist).
    if (!std::isnan(r.temporalHours) && !(r.occurs.geometricRise && r.occurs.geometricSet)) {
        faults << "temporalHours " << r.temporalHours << " with rise " << r.occurs.geometricRise
               << " and set " << r.occurs.geometricSet << "\n";
    }
    return faults.str();
}

// The Sun over the date, minute by minute, from 25 hourly evaluations:
// declination and right ascension interpolated linearly, sidereal time
// carried at the sidereal rate.
struct MinuteScan {
    double declination[1441];
    double hourAngleDeg[1441];
};

void ScanDate(const SolarRequest& rq, MinuteScan& scan) {
    SunState hourly[25];
    for (int h = 0; h <= 24; ++h) hourly[h] = SunAt(rq, h);
    for (int i = 0; i <= 1440; ++i) {
        const int h = std::min(i / 60, 23);
        const double f = (i - 60.0 * h) / 60.0;
        const SunState& a = hourly[h];
        const SunState& b = hourly[h + 1];
        double raB = b.rightAscension;
        if (raB - a.rightAscension < -12) raB += 24;
        const double ra = a.rightAscension + f * (raB - a.rightAscension);
        scan.declination[i] = a.declination + f * (b.declination - a.declination);
        const double gst = a.siderealTime + f * 1.00273790935;
        scan.hourAngleDeg[i] = WrapDegrees180(15 * gst - rq.longitude - 15 * ra);
    }
}

// Clock times (hours) where f crosses zero in the given direction, found
// between minutes five apart with |f| beyond margin on both sides; crossings
// grazed by less, or within five minutes of midnight, are left out.
template <typename F>
std::vector<double> Crossings(F f, bool rising, double margin) {
    std::vector<double> times;
    for (int i = 5; i + 10 <= 1440; ++i) {
        const double a = f(i);
        const double b = f(i + 5);
        if (!(std::fabs(a) > margin && std::fabs(b) > margin)) continue;
        if (rising ? (a < 0 && b > 0) : (a > 0 && b < 0)) times.push_back((i + 2.5) / 60.0);
    }
    return times;
}

// Every crossing the scan finds on the date is reported, at one of them.
std::string CheckScannedCrossings(const SolarRequest& rq, const SolarResult& r) {
    MinuteScan scan;
    ScanDate(rq, scan);
    std::ostringstream faults;
    const auto expect = [&](const char* name, const std::vector<double>& found, bool occurs,
                            double time) {
        if (found.empty()) return;
        if (!occurs) {
            faults << name << " absent though the date has one at " << found.front() << "\n";
            return;
        }
        const bool near = std::any_of(found.begin(), found.end(),
                                      [&](double c) { return std::fabs(c - time) <= 6.0 / 60.0; });
        // The scan leaves out the first and last minutes of the date.
        if (time < 10.0 / 60 || time > 24 - 10.0 / 60) return;
        if (!near)
            faults << name << " " << time << " is none of the crossings, first " << found.front()
                   << "\n";
    };
    for (const AltitudeEvent& e : kAltitudeEvents) {
        const auto excess = [&](int i) {
            return GeocentricAltitude(rq.latitude, scan.declination[i], scan.hourAngleDeg[i]) -
                   e.target(rq, scan.declination[i]);
        };
        expect(e.name, Crossings(excess, e.rising, 0.003), e.occurs(r), e.time(r));
    }
    // The transit: the hour angle rises through 0 (not through 180).
    std::vector<double> transits;
    for (int i = 0; i < 1440; ++i) {
        const double a = scan.hourAngleDeg[i];
        const double b = scan.hourAngleDeg[i + 1];
        if (a < 0 && b >= 0 && b - a < 180 && i >= 2 && i <= 1437)
            transits.push_back((i + 0.5) / 60);
    }
    expect("transit", transits, r.occurs.transit, r.transit);

    // The Qibla time where the window from sunrise to sunset is the ordinary
    // one (both events, the transit near noon on the clock).
    if (r.occurs.geometricRise && r.occurs.geometricSet && r.geometricRise < r.geometricSet &&
        r.occurs.transit && r.transit > 9 && r.transit < 15) {
        const double target = -r.qiblaAzimuth;
        std::vector<double> found;
        const auto d = [&](int i) {
            const double h = scan.hourAngleDeg[i] * kDeg;
            const double dec = scan.declination[i] * kDeg;
            const double p = rq.latitude * kDeg;
            const double azimuth =
                std::atan2(std::sin(h), std::cos(h) * std::sin(p) - std::tan(dec) * std::cos(p)) /
                kDeg;
            return WrapDegrees180(azimuth - target);
        };
        const int first = static_cast<int>(std::ceil(r.geometricRise * 60)) + 6;
        const int last = static_cast<int>(std::floor(r.geometricSet * 60)) - 6;
        for (int i = first; i + 1 <= last; ++i) {
            const double a = d(i);
            const double b = d(i + 1);
            if (std::fabs(a) > 0.05 && std::fabs(b) > 0.05 && (a < 0) != (b < 0) &&
                std::fabs(b - a) < 180) {
                found.push_back((i + 0.5) / 60);
            }
        }
        if (!found.empty() && !r.occurs.qiblaTime) {
            faults << "qiblaTime absent though the Sun passes the Qibla at " << found.front()
                   << "\n";
        }
    }
    return faults.str();
}

// The faults reported by users, each with the answer that is right.
TEST(SearchEdges, Reproductions) {
    struct Case {
        const char* what;
        SolarRequest rq;
        double (*field)(const SolarResult&);
        std::optional<double> expected;  // nullopt: the event does not occur
        double tolerance;
        bool (*occurs)(const SolarResult&);
    };
    const auto qibla = [](const SolarResult& r) { return r.qiblaTime; };
    const auto qiblaOccurs = [](const SolarResult& r) { return r.occurs.qiblaTime; };
    const auto isha = [](const SolarResult& r) { return r.isha; };
    const auto ishaOccurs = [](const SolarResult& r) { return r.occurs.isha; };
    const auto apparentSet = [](const SolarResult& r) { return r.apparentSet; };
    const auto apparentSetOccurs = [](const SolarResult& r) { return r.occurs.apparentSet; };
    const auto always = [](const SolarResult&) { return true; };
    SolarRequest deepIsha = Request(2024, 2, 6, 12, 0, 0, 6, false, 27, 0);
    deepIsha.ishaAngle = -77.09;
    SolarRequest shallowIsha = Request(2024, 1, 2, 9, 34, 0, 13, true, -60.2358, 168.764);
    shallowIsha.ishaAngle = -6;
    const double h = 1.0 / 3600;
    const Case cases[] = {
        // The Qibla near north: the Sun's azimuth wraps through +-180 where it
        // meets the Qibla direction.
        {"Mombasa, Qibla at 12:22:33", Request(2024, 6, 21, 12, 22, 33, 3, false, -4.04, -39.67),
         qibla, 12 + 22 / 60.0 + 33 * h, 2 * h, qiblaOccurs},
        {"New Guinea, Qibla at 11:46:43", Request(2044, 9, 10, 12, 0, 0, -9.5, false, -8.9, 140.1),
         qibla, 11 + 46 / 60.0 + 43 * h, 2 * h, qiblaOccurs},
        // Events drifting across midnight on the clock.
        {"Stockholm 24 April: no -17 degrees on the date",
         Request(2024, 4, 24, 12, 0, 0, 1, true, 59.3293, -18.0686), isha, std::nullopt, 0,
         ishaOccurs},
        {"Stockholm 26 April: Isha at 00:28",
         Request(2024, 4, 26, 12, 0, 0, 1, true, 59.3293, -18.0686), isha, 28 / 60.0, 2 / 60.0,
         ishaOccurs},
        {"Palmer 16 December: the apparent set falls on the 17th",
         Request(1998, 12, 16, 12, 0, 0, -3, false, -64.7743, 64.0538), apparentSet, std::nullopt,
         0, apparentSetOccurs},
        {"Fairbanks 30 May: the apparent set falls on the 31st",
         Request(1977, 5, 30, 12, 0, 0, -9, true, 64.8378, 147.7164), apparentSet, std::nullopt, 0,
         apparentSetOccurs},
        {"27 N, Isha at -77.09 degrees: the Sun reaches it before its lower culmination", deepIsha,
         [](const SolarResult& r) { return r.isha > 4 && r.isha < 6.25 ? 1.0 : 0.0; }, 1.0, 0,
         ishaOccurs},
        // Day length with the set after midnight on the clock.
        {"Palmer 21 December, apparent daylight",
         Request(1998, 12, 21, 13, 0, 0, -3, false, -64.7743, 64.0538),
         [](const SolarResult& r) { return r.apparentDaylight; }, 21.76, 0.01, always},
        {"Reykjavik 21 June, apparent daylight",
         Request(2024, 6, 21, 12, 0, 0, 0, false, 64.1466, 21.9426),
         [](const SolarResult& r) { return r.apparentDaylight; }, 24 - 2.855, 0.001, always},
        // Half an hour west of Greenwich: 12:00 on the clock is 12:30 UT.
        {"zone -0:30", Request(2024, 6, 21, 12, 0, 0, -0.5, false, 45, 0),
         [](const SolarResult& r) { return r.julianDay; }, 2460483.0 + 0.5 / 24, 1e-8, always},
        // The first days of the polar day: no rise on the date.
        {"66.6 N on 24 June, temporal hours", Request(2024, 6, 24, 6, 0, 0, 1, false, 66.6, -15),
         [](const SolarResult& r) { return r.temporalHours; }, std::nullopt, 0,
         [](const SolarResult& r) { return !std::isnan(r.temporalHours); }},
        {"66.6 N on 24 June, Italian hours", Request(2024, 6, 24, 6, 0, 0, 1, false, 66.6, -15),
         [](const SolarResult& r) { return r.italianHours + r.babylonianHours; }, 0.0, 0, always},
        // More than a day from the zone meridian with summer time: 24.398 before.
        {"UTC+13 summer at 168.764 W, Isha at -6 degrees", shallowIsha, isha, 0.398, 0.0005,
         ishaOccurs},
        // The Kaaba at 21.4225 N, 39.8262 E: Medina's Qibla.
        {"Medina, Qibla direction", Request(2024, 6, 21, 12, 0, 0, 3, false, 24.4672, -39.6112),
         [](const SolarResult& r) { return r.qiblaAzimuth; }, 3.762929, 1e-6, always},
    };
    for (const Case& c : cases) {
        const SolarResult r = CalcSolarParameters(c.rq);
        if (c.expected) {
            EXPECT_TRUE(c.occurs(r)) << c.what;
            EXPECT_NEAR(c.field(r), *c.expected, c.tolerance) << c.what;
        } else {
            EXPECT_FALSE(c.occurs(r)) << c.what << ": " << c.field(r);
        }
        EXPECT_EQ(CheckReportedEvents(c.rq, r), "") << c.what;
        EXPECT_EQ(CheckScannedCrossings(c.rq, r), "") << c.what;
    }
}

// A grid of sites (every 5 degrees of latitude, the polar circles' edges;
// zones on, far east and far west of the site, with half, quarter and
// negative fractional hours) over every 5th day of a year.
TEST(SearchEdges, SweepOfSitesAndDates) {
    struct Site {
        float zone;
        bool summer;
        double longitudeWest;
    };
    const Site sites[] = {
        {1, true, -18.0686},   // Stockholm's clock: summer time, 3 degrees east
        {-3, false, 64.0538},  // 19 degrees west of the zone meridian
        {5.75, false, -85.3},  // a quarter hour, on the meridian
        {-0.5, false, 20.0},   // a negative fraction, 12.5 degrees west
        {12.75, true, 176.5},  // 12:45 and summer time at 176.5 W: a day and a half ahead
    };
    std::vector<double> latitudes;
    for (int lat = -85; lat <= 85; lat += 5) latitudes.push_back(lat);
    for (double edge : {66.0, 66.6, 67.0}) {
        latitudes.push_back(edge);
        latitudes.push_back(-edge);
    }
#if defined(__SANITIZE_ADDRESS__)
    const int dayStep = 61;  // the instrumented build checks a sample
#else
    const int dayStep = 5;
#endif
    std::vector<SolarRequest> requests;
    const int monthLength[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (double lat : latitudes) {
        for (const Site& s : sites) {
            for (int doy = 0; doy < 366; doy += dayStep) {
                int month = 0;
                int day = doy;
                while (day >= monthLength[month]) day -= monthLength[month++];
                const int n = static_cast<int>(requests.size());
                SolarRequest rq = Request(2024, month + 1, day + 1, (n * 7) % 24, (n * 13) % 60, 0,
                                          s.zone, s.summer, lat, s.longitudeWest);
                rq.height = (n % 3) * 150.0;
                requests.push_back(rq);
            }
        }
    }

    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::vector<std::string> faults;
    const auto work = [&] {
        for (std::size_t i = next++; i < requests.size(); i = next++) {
            const SolarRequest& rq = requests[i];
            const SolarResult r = CalcSolarParameters(rq);
            const std::string fault = CheckReportedEvents(rq, r) + CheckScannedCrossings(rq, r);
            if (!fault.empty()) {
                std::ostringstream where;
                where << rq.year << "-" << rq.month << "-" << rq.day << " " << rq.hour << ":"
                      << rq.minute << " zone " << rq.zoneHours << (rq.summerTime ? " summer" : "")
                      << " lat " << rq.latitude << " lon " << rq.longitude << " height "
                      << rq.height << ":\n"
                      << fault;
                std::lock_guard lock(mutex);
                faults.push_back(where.str());
            }
        }
    };
    std::vector<std::thread> threads;
    const unsigned count = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 0; t < count; ++t) threads.emplace_back(work);
    for (std::thread& t : threads) t.join();

    // TARVEL_SWEEP_REPORT=1 lists every failing computation on standard error.
    if (std::getenv("TARVEL_SWEEP_REPORT") != nullptr) {
        for (const std::string& f : faults) std::fputs(f.c_str(), stderr);
    }
    RecordProperty("computations", static_cast<int>(requests.size()));
    EXPECT_TRUE(faults.empty()) << faults.size() << " of " << requests.size()
                                << " computations fail; the first:\n"
                                << (faults.empty() ? "" : faults.front())
                                << (faults.size() > 1 ? faults[1] : "");
}

}  // namespace
}  // namespace tarvel
