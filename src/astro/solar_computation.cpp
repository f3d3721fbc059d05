// The driver's steps: the instant, the transit, the geometric and apparent
// rise and set, the hour systems, the prayers and the Qibla, in the order
// that chains their searches.
#include "astro/solar_computation.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>

#include "astro/asr.h"
#include "astro/hour_systems.h"
#include "astro/qibla.h"
#include "astro/solar_computation_series.h"
#include "astro/solar_driver.h"

namespace tarvel {

namespace {

// Transit: stop when |alpha - local sidereal time| is no more than this (hours).
constexpr double kTransitTolerance = 1.1574074074074074e-06;

}  // namespace

void Driver::Transit(SolarResult& r) {
    double t = 12.0 + clock_.summerHours;
    double delta = 99.0;
    int count = 0;
    while (count < 50 && std::fabs(delta) > kTransitTolerance) {
        t = Wrap24(t);
        SunAtClockTimeNoCarry(t);
        double theta = request_.zoneHours + request_.zoneSeconds / 3600.0 + sun_.siderealTime -
                       clock_.longitudeDifferenceHours;
        if (theta > 24.0) theta -= 24.0;
        if (theta < 0.0) theta += 24.0;
        delta = sun_.rightAscension - theta;
        if (delta < -12.0) delta += 24.0;
        if (delta > 12.0) delta -= 24.0;
        t = t + 0.5 * delta;
        ++count;
    }
    double transit = Wrap24(t);
    const auto hourAngle = [this](const SunState& sun, double at) {
        return TransitHourAngle(clock_, sun, at);
    };
    r.occurs.transit = Settle(hourAngle, Crossing::kRising, true, kHourAngleToleranceHours, true,
                              std::nan(""), transit);
    if (r.occurs.transit) transitHint_ = transit;
    r.transit = transit;
    r.transitAltitude = sun_.altitude;
    r.transitRefraction =
        ComputeRefraction(r.transitAltitude, request_.refractionModel, request_.latitude,
                          request_.refractionHeight, request_.humidity, request_.pressure,
                          request_.temperature) /
        60.0;
}

bool Driver::GeometricEvent(bool rising, double& time, double& azimuth) {
    double apparent = 0.0;
    double estimate = std::nan("");
    for (int i = 0; i < 5; ++i) {
        const double h = HourAngleGeometric(sun_.declination);
        apparent = rising ? 12.0 - h : 12.0 + h;
        if (std::isnan(apparent)) break;
        estimate = ApparentToClock(apparent);
        SunAtClockTimeCarry(estimate);
    }
    bool found = false;
    if (std::isnan(apparent)) {
        time = 0.0;
    } else {
        const double h = HourAngleGeometric(sun_.declination);
        time = ApparentToClock(rising ? 12.0 - h : 12.0 + h);
        found = true;
    }
    const auto onHorizon = [this](const SunState& sun, double at) {
        return SearchAltitude(clock_, sun, at);
    };
    found = Settle(onHorizon, rising ? Crossing::kRising : Crossing::kSetting, false,
                   kAltitudeToleranceDeg, found, estimate, time);
    azimuth = sun_.azimuth;
    return found;
}

bool Driver::ApparentEvent(bool rising, double h0, double& time, double& azimuth) {
    const auto apparentTime = [this, rising, h0](double dec) {
        const double h = HourAngle(h0, dec);
        return rising ? 12.0 - h : 12.0 + h;
    };
    const auto onHorizon = [this, h0](const SunState& sun, double at) {
        return SearchAltitude(clock_, sun, at) - h0;
    };
    const bool found = Iterate(apparentTime, onHorizon,
                               rising ? Crossing::kRising : Crossing::kSetting, 0.0, time);
    azimuth = sun_.azimuth;
    return found;
}

SolarResult Driver::Run() {
    SolarResult r;

    // 1. Clock reading, with and without the summer hour.
    const double c = request_.hour + request_.minute / 60.0 + request_.second / 3600.0;
    double c0 = c - clock_.summerHours;
    if (c0 < 0.0) c0 += 24.0;

    // 2. Longitude difference from the zone meridian; mean local time.
    const double l =
        request_.zoneMinutes * 15 / 60 + request_.zoneSeconds / 240.0 + request_.longitude;
    r.meanLocalTime = c0 - clock_.longitudeDifferenceHours;

    // 3. The Sun at the requested instant, from the full series.
    EvaluateFull(request_.hour, request_.minute, request_.second);
    const SunState first = sun_;
    r.gmst = first.siderealTime;
    r.julianDay = first.julianDay;
    const double deltaT0 = first.deltaT;
    const double e0 = first.equationOfTime;
    const double dec0 = first.declination;

    // 4. Local sidereal time, not reduced.
    r.lmst = request_.zoneHours + request_.zoneSeconds / 3600.0 + r.gmst -
             clock_.longitudeDifferenceHours;

    // 5. Refraction at the instant.
    r.altitude = first.altitude;
    const double refr = ComputeRefraction(r.altitude, request_.refractionModel, request_.latitude,
                                          request_.refractionHeight, request_.humidity,
                                          request_.pressure, request_.temperature);
    r.refraction = refr * 1 / 60;
    r.refractedAltitude = r.altitude + refr / 60.0 >= 0.0 ? r.altitude + refr / 60.0 : r.altitude;

    // 6. Equation of time corrected for Delta T.
    r.equationOfTime = e0 - deltaT0 * 0.00273790935;

    // 7.-8. Longitude difference as a time; true local and zone times.
    r.longitudeDifference = l;
    const double trueLocal = r.lmst + 12.0 - first.rightAscension;
    r.trueZoneTime = Wrap24(trueLocal + clock_.zoneMeridianHours);
    r.trueLocalTime = Wrap24(trueLocal);

    // 9. Coordinates of the instant.
    r.eclipticLongitude = first.eclipticLongitude;
    r.eclipticLatitude = first.eclipticLatitude;
    r.rightAscension = first.rightAscension;
    r.topoRightAscension = first.topoRightAscension;
    r.azimuth = first.azimuth;
    r.declination = first.declination;
    r.topoDeclination = first.topoDeclination;

    // 10. Italian and Babylonian hours from the instant's half-day arc.
    const double h0Arc = HourAngleGeometric(dec0);
    const ItalianBabylonianHours oldHours = OldHoursAt(r.trueLocalTime, h0Arc);
    r.italianHours = oldHours.italian;
    r.babylonianHours = oldHours.babylonian;

    // 11. Transit.
    Transit(r);

    // 12. Geometric rise and set, hours to sunset, geometric daylight.
    const bool riseFound = GeometricEvent(true, r.geometricRise, r.geometricRiseAzimuth);
    const bool setFound = GeometricEvent(false, r.geometricSet, r.geometricSetAzimuth);
    r.occurs.geometricRise = riseFound;
    r.occurs.geometricSet = setFound;
    r.hoursToSunset = setFound ? Wrap24(24.0 - r.italianHours) : 0.0;
    r.geometricDaylight = DaylightLength(riseFound, setFound, r.geometricRise, r.geometricSet, 0.0,
                                         sun_.declination, clock_.latitude);
    // Without a geometric sunrise or sunset the Sun either never sets or never rises.
    const bool sunRises = riseFound || setFound || SameSign(sun_.declination, clock_.latitude);
    // Where the date lacks the rise or the set, the hours counted from them
    // follow the rule of the polar day.
    const bool riseAndSet = riseFound && setFound;
    if (!riseAndSet) {
        r.italianHours = 0.0;
        r.babylonianHours = 0.0;
        r.hoursToSunset = 0.0;
    }

    // 13. Apparent set, then apparent rise, on a horizon lowered by 50' and by
    // the dip for the observer's height (a site below sea level has no dip).
    const double h0 = ApparentHorizonAltitude(request_.height);
    r.occurs.apparentSet = ApparentEvent(false, h0, r.apparentSet, r.apparentSetAzimuth);
    r.occurs.apparentRise = ApparentEvent(true, h0, r.apparentRise, r.apparentRiseAzimuth);
    r.apparentDaylight = DaylightLength(r.occurs.apparentRise, r.occurs.apparentSet, r.apparentRise,
                                        r.apparentSet, h0, sun_.declination, clock_.latitude);

    // 14. Temporal hours; the sunrise or sunset it forms bounds the Qibla window.
    // Where the date has only one of the rise and the set, the missing one
    // does not bound the window (a comparison with not-a-number is false).
    double riseBound = !riseFound && setFound ? std::nan("") : r.geometricRise;
    double setBound = !setFound && riseFound ? std::nan("") : r.geometricSet;
    const TemporalHour temporal = TemporalHourAt(c, r.geometricRise, r.geometricSet, h0Arc,
                                                 clock_.summerHours, e0, clock_.zoneMeridianHours);
    if (temporal.day) {
        riseBound = temporal.start;
    } else {
        setBound = temporal.start;
    }
    r.temporalHours = riseAndSet ? temporal.hours : std::nan("");

    // 15. Prayers, each search starting from the Sun the previous one left.
    const auto altitudeAbove = [this](double altitude) {
        return [this, altitude](const SunState& sun, double at) {
            return SearchAltitude(clock_, sun, at) - altitude;
        };
    };
    const auto asrShadow = [this](double k) {
        return [this, k](const SunState& sun, double at) {
            return SearchAltitude(clock_, sun, at) -
                   AsrAltitude(k, sun.declination, clock_.latitude);
        };
    };
    // Each prayer search compares its first estimate with 99 h.
    constexpr double kFirstPrevious = 99.0;
    r.occurs.fajr =
        Iterate([this](double dec) { return 12.0 - HourAngle(request_.fajrAngle, dec); },
                altitudeAbove(request_.fajrAngle), Crossing::kRising, kFirstPrevious, r.fajr);
    r.occurs.asr1 =
        Iterate([this](double dec) { return AsrApparentTime(1.0, dec, clock_.latitude); },
                asrShadow(1.0), Crossing::kSetting, kFirstPrevious, r.asr1);
    r.occurs.asr2 =
        Iterate([this](double dec) { return AsrApparentTime(2.0, dec, clock_.latitude); },
                asrShadow(2.0), Crossing::kSetting, kFirstPrevious, r.asr2);
    r.occurs.isha =
        Iterate([this](double dec) { return 12.0 + HourAngle(request_.ishaAngle, dec); },
                altitudeAbove(request_.ishaAngle), Crossing::kSetting, kFirstPrevious, r.isha);

    // 16. Qibla direction (from the south, positive towards the east) and the
    // clock time at which the Sun stands in it.
    const double qibla = QiblaAzimuth(clock_.latitude, request_.longitude);
    r.qiblaAzimuth = qibla;
    r.qiblaTime = QiblaTime(-qibla, riseBound, setBound, sunRises);
    r.occurs.qiblaTime = r.qiblaTime >= 0.0;

    r.deltaT = request_.deltaTGiven ? request_.deltaT : sun_.deltaT;
    return r;
}

namespace {

// One computation; the number of its evaluations to *sunEvaluations when given.
SolarResult Compute(const SolarRequest& request, SunSeriesSource searchSeries, DaySunMemo* day,
                    int* sunEvaluations) {
    Driver driver(request, searchSeries, day);
    SolarResult r = driver.Run();
    if (sunEvaluations != nullptr) *sunEvaluations = driver.evaluations();
    return r;
}

}  // namespace

SolarResult CalcSolarParameters(const SolarRequest& request) {
    return Compute(request, SunSeriesSource::kFull, nullptr, nullptr);
}

SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries) {
    return Compute(request, searchSeries, nullptr, nullptr);
}

SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                int& sunEvaluations) {
    return Compute(request, searchSeries, nullptr, &sunEvaluations);
}

SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                DayEvaluations& day) {
    return Compute(request, searchSeries, &day.For(request, searchSeries), nullptr);
}

SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                DayEvaluations& day, int& sunEvaluations) {
    return Compute(request, searchSeries, &day.For(request, searchSeries), &sunEvaluations);
}

SolarResult CalcSolarParameters(const SolarRequest& request, int& sunEvaluations) {
    return Compute(request, SunSeriesSource::kFull, nullptr, &sunEvaluations);
}

// What the Sun's evaluations of a computation depend on besides the reading,
// compared bit for bit.
struct DayEvaluations::Key {
    int year = 0, month = 0, day = 0;
    float zoneHours = 0, zoneMinutes = 0;
    double zoneSeconds = 0;
    bool summerTime = false;
    int summerShiftSeconds = 0;
    double latitude = 0, longitude = 0;
    double deltaT = 0;
    bool deltaTGiven = false;
    SunSeriesSource searchSeries = SunSeriesSource::kFull;

    static Key Of(const SolarRequest& r, SunSeriesSource source) {
        Key k;
        k.year = r.year;
        k.month = r.month;
        k.day = r.day;
        k.zoneHours = r.zoneHours;
        k.zoneMinutes = r.zoneMinutes;
        k.zoneSeconds = r.zoneSeconds;
        k.summerTime = r.summerTime;
        k.summerShiftSeconds = r.summerShiftSeconds;
        k.latitude = r.latitude;
        k.longitude = r.longitude;
        k.deltaT = r.deltaTGiven ? r.deltaT : 0.0;
        k.deltaTGiven = r.deltaTGiven;
        k.searchSeries = source;
        return k;
    }

    bool Same(const Key& o) const {
        const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
        const auto fbits = [](float x) { return std::bit_cast<std::uint32_t>(x); };
        return year == o.year && month == o.month && day == o.day &&
               fbits(zoneHours) == fbits(o.zoneHours) &&
               fbits(zoneMinutes) == fbits(o.zoneMinutes) &&
               bits(zoneSeconds) == bits(o.zoneSeconds) && summerTime == o.summerTime &&
               summerShiftSeconds == o.summerShiftSeconds && bits(latitude) == bits(o.latitude) &&
               bits(longitude) == bits(o.longitude) && bits(deltaT) == bits(o.deltaT) &&
               deltaTGiven == o.deltaTGiven && searchSeries == o.searchSeries;
    }
};

DayEvaluations::DayEvaluations() = default;
DayEvaluations::~DayEvaluations() = default;

DaySunMemo& DayEvaluations::For(const SolarRequest& request, SunSeriesSource searchSeries) {
    const Key key = Key::Of(request, searchSeries);
    if (key_ && key_->Same(key)) return *memo_;
    if (!memo_) {
        memo_ = std::make_unique<DaySunMemo>();
    } else {
        memo_->Clear();
    }
    key_ = std::make_unique<Key>(key);
    return *memo_;
}

}  // namespace tarvel
