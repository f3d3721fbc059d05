#include "astro/prayer_times.h"

#include "astro/calendar.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace tarvel {

namespace {

constexpr double kNoAngle = std::numeric_limits<double>::quiet_NaN();

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

// The angles and intervals are those the authorities publish, as the widely
// used prayer-time libraries carry them (PrayTimes, praytimes.org, "Calculation
// Methods"; Adhan, github.com/batoulapps/adhan-js, src/CalculationMethod.ts):
// Umm al-Qura's Isha 90 minutes after Maghrib, 120 in Ramadan; Tehran's Maghrib
// with the Sun's centre 4.5 degrees below the horizon. The minute offsets of
// Dubai (sunrise -3, Zuhr, Asr and Maghrib +3) and of the Presidency of
// Religious Affairs of Turkey (its "temkin": sunrise -7, Zuhr +5, Asr +4,
// Maghrib +7) are those of Adhan's src/CalculationMethod.ts. Libraries that add
// a minute to Zuhr of their own accord do so as a margin of theirs, not as a
// published parameter: it is left out here.
// clang-format off
const std::array<PrayerMethodParameters, 13> kPrayerMethods = {{
    {PrayerMethod::kTarvel, "default", "Tarvel", kNoAngle, kNoAngle, 0, 0,
     MaghribEvent::kGeometricSet, 0, {}},
    {PrayerMethod::kMuslimWorldLeague, "mwl", "Muslim World League", -18.0, -17.0, 0, 0,
     MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kNorthAmerica, "isna", "Islamic Society of North America", -15.0, -15.0, 0, 0,
     MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kEgypt, "egypt", "Egyptian General Authority of Survey", -19.5, -17.5, 0, 0,
     MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kUmmAlQura, "makkah", "Umm al-Qura University, Makkah",
     -18.5, kNoAngle, 90, 120, MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kKarachi, "karachi", "University of Islamic Sciences, Karachi",
     -18.0, -18.0, 0, 0, MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kTehran, "tehran", "Institute of Geophysics, University of Tehran",
     -17.7, -14.0, 0, 0, MaghribEvent::kAltitude, -4.5, {}},
    {PrayerMethod::kDubai, "dubai", "Dubai", -18.2, -18.2, 0, 0,
     MaghribEvent::kApparentSet, 0, {0, -3, 3, 3, 3, 0}},
    {PrayerMethod::kKuwait, "kuwait", "Kuwait", -18.0, -17.5, 0, 0,
     MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kQatar, "qatar", "Qatar", -18.0, kNoAngle, 90, 0,
     MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kSingapore, "singapore", "Majlis Ugama Islam Singapura", -20.0, -18.0, 0, 0,
     MaghribEvent::kApparentSet, 0, {}},
    {PrayerMethod::kTurkey, "turkey", "Presidency of Religious Affairs, Turkey", -18.0, -17.0, 0, 0,
     MaghribEvent::kApparentSet, 0, {0, -7, 5, 4, 7, 0}},
    {PrayerMethod::kCustom, "custom", "Custom", kNoAngle, kNoAngle, 0, 0,
     MaghribEvent::kApparentSet, 0, {}},
}};
// clang-format on

const PrayerMethodParameters& MethodParameters(PrayerMethod method) {
    const int index = static_cast<int>(method);
    if (index < 0 || index >= static_cast<int>(kPrayerMethods.size())) return kPrayerMethods[0];
    return kPrayerMethods[static_cast<std::size_t>(index)];
}

std::optional<PrayerMethod> ParsePrayerMethod(std::string_view name) {
    for (const PrayerMethodParameters& m : kPrayerMethods) {
        if (SameIgnoringCase(name, m.key)) return m.method;
    }
    return std::nullopt;
}

namespace {

constexpr std::pair<HighLatitudeRule, std::string_view> kRuleKeys[] = {
    {HighLatitudeRule::kNone, "none"},
    {HighLatitudeRule::kMiddleOfTheNight, "middle"},
    {HighLatitudeRule::kSeventhOfTheNight, "seventh"},
    {HighLatitudeRule::kTwilightAngle, "angle"},
};

}  // namespace

std::string_view HighLatitudeRuleKey(HighLatitudeRule rule) {
    for (const auto& [value, key] : kRuleKeys) {
        if (value == rule) return key;
    }
    return "none";
}

std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view name) {
    for (const auto& [value, key] : kRuleKeys) {
        if (SameIgnoringCase(name, key)) return value;
    }
    return std::nullopt;
}

EffectivePrayerAngles EffectiveAngles(const SolarRequest& request) {
    const PrayerMethodParameters& m = MethodParameters(request.prayerMethod);
    const bool own = std::isnan(m.fajrAngle);
    EffectivePrayerAngles angles;
    angles.fajrAngle = own ? request.fajrAngle : m.fajrAngle;
    angles.ishaMinutes =
        request.ramadan && m.ramadanIshaMinutes > 0.0 ? m.ramadanIshaMinutes : m.ishaMinutes;
    angles.ishaAngle = own && m.ishaMinutes == 0.0 ? request.ishaAngle : m.ishaAngle;
    return angles;
}

double NightPortion(HighLatitudeRule rule, double angle) {
    switch (rule) {
        case HighLatitudeRule::kMiddleOfTheNight:
            return 1.0 / 2.0;
        case HighLatitudeRule::kSeventhOfTheNight:
            return 1.0 / 7.0;
        case HighLatitudeRule::kTwilightAngle:
            return std::fabs(angle) / 60.0;
        case HighLatitudeRule::kNone:
            break;
    }
    return 0.0;
}

CalendarDate DateAfterDays(CalendarDate date, int dayOffset) {
    for (; dayOffset > 0; --dayOffset) {
        if (++date.day > MonthLength(date.year, date.month, 1)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    for (; dayOffset < 0; ++dayOffset) {
        if (--date.day < 1) {
            if (--date.month < 1) {
                date.month = 12;
                --date.year;
            }
            date.day = MonthLength(date.year, date.month, 1);
        }
    }
    return date;
}

bool IsDocumentedPrayerSetting(const PrayerMethodSettings& settings) {
    return settings.prayerMethod == PrayerMethod::kTarvel &&
           settings.highLatitudeRule == HighLatitudeRule::kNone &&
           settings.prayerAdjustments == PrayerAdjustments();
}

namespace {

// The crossings the day times search for, in the order the searches run: the
// morning's from the deepest up, then the evening's from the highest down.
enum CrossingIndex : int {
    kAstronomicalDawn,
    kMethodFajr,
    kNauticalDawn,
    kCivilDawn,
    kGoldenHourEnd,
    kGoldenHourStart,
    kMethodMaghrib,
    kCivilDusk,
    kNauticalDusk,
    kMethodIsha,
    kAstronomicalDusk,
    kCrossingCount,
};

// The crossings SolarResult has found on the date, which the day times take
// when they belong to the date's day.
enum ResultCrossingIndex : int {
    kOwnFajr,
    kOwnIsha,
    kGeometricRise,
    kGeometricSet,
    kApparentRise,
    kApparentSet,
    kResultCrossingCount,
};

// The clock time of the date's upper transit; where the date has none (it
// falls just across midnight on the clock), the clock time of local apparent
// noon, which bounds the day's searches as well.
double DayTransit(const SolarRequest& request, const SolarResult& r) {
    if (r.occurs.transit) return r.transit;
    return 12.0 + (request.summerTime ? 1.0 : 0.0) - r.equationOfTime / 3600.0 +
           r.longitudeDifference / 15.0;
}

// Whether a crossing found on the date belongs to the date's day: a rising
// one before the transit, a setting one after it.
bool OnItsSide(const AltitudeCrossing& c, double transit) {
    return c.occurs && (c.rising ? c.time < transit : c.time > transit);
}

// Adds whole minutes to a time that occurs.
void AddMinutes(double& time, bool occurs, int minutes) {
    if (occurs && minutes != 0) time = time + minutes / 60.0;
}

// A time counted from the midnight that begins the date, not reduced, as the
// clock time it shows, in [0, 24), and the whole days from the date to its own.
void SplitDay(double& time, int& dayOffset) {
    dayOffset = 0;
    while (time < 0.0) {
        time += 24.0;
        --dayOffset;
    }
    while (time >= 24.0) {
        time -= 24.0;
        ++dayOffset;
    }
}

}  // namespace

DayTimes CalcDayTimes(const SolarRequest& request, const SolarResult& r) {
    const PrayerMethodParameters& m = MethodParameters(request.prayerMethod);
    const EffectivePrayerAngles angles = EffectiveAngles(request);
    const bool ownAngles = std::isnan(m.fajrAngle);  // the program's own method and custom
    const bool ishaByAngle = angles.ishaMinutes == 0.0;
    const double horizon = ApparentHorizonAltitude(request.height);

    DayTimes d;
    d.method = m.method;
    d.rule = request.highLatitudeRule;

    // The searches: the twilights, and the method's Fajr, Isha and Maghrib
    // where SolarResult has not found them already (NaN: not searched).
    AltitudeCrossing wanted[kCrossingCount];
    const auto want = [&wanted](int index, double altitude, bool rising) {
        wanted[index].altitude = altitude;
        wanted[index].rising = rising;
    };
    want(kAstronomicalDawn, kAstronomicalTwilightAltitude, true);
    want(kMethodFajr, ownAngles ? kNoAngle : angles.fajrAngle, true);
    want(kNauticalDawn, kNauticalTwilightAltitude, true);
    want(kCivilDawn, kCivilTwilightAltitude, true);
    want(kGoldenHourEnd, kGoldenHourAltitude, true);
    want(kGoldenHourStart, kGoldenHourAltitude, false);
    want(kMethodMaghrib, m.maghrib == MaghribEvent::kAltitude ? m.maghribAngle : kNoAngle, false);
    want(kCivilDusk, kCivilTwilightAltitude, false);
    want(kNauticalDusk, kNauticalTwilightAltitude, false);
    want(kMethodIsha, !ownAngles && ishaByAngle ? angles.ishaAngle : kNoAngle, false);
    want(kAstronomicalDusk, kAstronomicalTwilightAltitude, false);

    // Each distinct crossing is searched once (a method's Fajr at -18 degrees
    // is the astronomical dawn); SolarResult's own crossings follow the
    // searched ones.
    AltitudeCrossing searched[kCrossingCount + static_cast<int>(kResultCrossingCount)];
    int source[kCrossingCount];
    int count = 0;
    for (int i = 0; i < kCrossingCount; ++i) {
        source[i] = -1;
        if (std::isnan(wanted[i].altitude)) continue;
        for (int j = 0; j < count; ++j) {
            if (searched[j].altitude == wanted[i].altitude &&
                searched[j].rising == wanted[i].rising) {
                source[i] = j;
            }
        }
        if (source[i] < 0) {
            searched[count] = wanted[i];
            source[i] = count++;
        }
    }
    FindAltitudeCrossings(request, searched, count);
    const int ownFirst = count;
    const auto held = [&](int index, double altitude, bool rising, bool occurs, double time) {
        AltitudeCrossing& c = searched[ownFirst + index];
        c.altitude = altitude;
        c.rising = rising;
        c.occurs = occurs;
        c.time = time;
    };
    held(kOwnFajr, request.fajrAngle, true, r.occurs.fajr, r.fajr);
    held(kOwnIsha, request.ishaAngle, false, r.occurs.isha, r.isha);
    held(kGeometricRise, 0.0, true, r.occurs.geometricRise, r.geometricRise);
    held(kGeometricSet, 0.0, false, r.occurs.geometricSet, r.geometricSet);
    held(kApparentRise, horizon, true, r.occurs.apparentRise, r.apparentRise);
    held(kApparentSet, horizon, false, r.occurs.apparentSet, r.apparentSet);
    const int total = ownFirst + static_cast<int>(kResultCrossingCount);

    // The day of the date: a crossing found on the date stands when it lies on
    // its side of the transit; otherwise (absent, or the previous evening's
    // or the next morning's) the day's own is searched between the
    // culminations, wherever it falls on the clock.
    const double transit = DayTransit(request, r);
    AltitudeCrossing again[kCrossingCount + static_cast<int>(kResultCrossingCount)];
    int againIndex[kCrossingCount + static_cast<int>(kResultCrossingCount)];
    int againCount = 0;
    for (int i = 0; i < total; ++i) {
        if (OnItsSide(searched[i], transit)) continue;
        again[againCount] = searched[i];
        againIndex[againCount++] = i;
    }
    if (againCount > 0) {
        FindAltitudeCrossingsOfDay(request, transit, again, againCount);
        for (int k = 0; k < againCount; ++k) searched[againIndex[k]] = again[k];
    }

    // Times counted from the date's midnight (not reduced until the end).
    const auto found = [&](int index, double& time, bool& occurs) {
        const AltitudeCrossing& c = searched[source[index]];
        time = c.occurs ? c.time : 0.0;
        occurs = c.occurs;
    };
    const auto own = [&](int index, double& time, bool& occurs) {
        const AltitudeCrossing& c = searched[ownFirst + index];
        time = c.occurs ? c.time : 0.0;
        occurs = c.occurs;
    };
    found(kCivilDawn, d.civilDawn, d.occurs.civilDawn);
    found(kCivilDusk, d.civilDusk, d.occurs.civilDusk);
    found(kNauticalDawn, d.nauticalDawn, d.occurs.nauticalDawn);
    found(kNauticalDusk, d.nauticalDusk, d.occurs.nauticalDusk);
    found(kAstronomicalDawn, d.astronomicalDawn, d.occurs.astronomicalDawn);
    found(kAstronomicalDusk, d.astronomicalDusk, d.occurs.astronomicalDusk);
    found(kGoldenHourEnd, d.goldenHourEnd, d.occurs.goldenHourEnd);
    found(kGoldenHourStart, d.goldenHourStart, d.occurs.goldenHourStart);
    double rise = 0.0;  // the day's apparent rise
    double set = 0.0;   // the day's apparent set
    bool riseFound = false;
    bool setFound = false;
    own(kApparentRise, rise, riseFound);
    own(kApparentSet, set, setFound);

    // The night: from the day's sunset to the next sunrise, on one clock. The
    // next sunrise is the next date's, as the search of that date finds it,
    // when it comes after the set and before the next transit; otherwise the
    // next day's own.
    SolarRequest nextDate = request;
    nextDate.day += 1;  // the Julian Day counts on past the month's end
    AltitudeCrossing nextRise;
    nextRise.altitude = horizon;
    nextRise.rising = true;
    FindAltitudeCrossings(nextDate, &nextRise, 1);
    double nextRiseTime = nextRise.time + 24.0;
    if (!nextRise.occurs || !(nextRiseTime < transit + 24.0) ||
        (setFound && !(nextRiseTime > set))) {
        nextRise.occurs = false;
        FindAltitudeCrossingsOfDay(request, transit + 24.0, &nextRise, 1);
        nextRiseTime = nextRise.time;
    }
    d.occurs.night = setFound && nextRise.occurs;
    if (d.occurs.night) {
        d.nightLength = nextRiseTime - set;
        d.nightMiddle = set + d.nightLength / 2.0;
        d.nightLastThird = set + d.nightLength * 2.0 / 3.0;
    }

    // The method's prayers before the rules and offsets.
    const bool tarvel = m.method == PrayerMethod::kTarvel;
    if (ownAngles) {
        own(kOwnFajr, d.fajr, d.occurs.fajr);
    } else {
        found(kMethodFajr, d.fajr, d.occurs.fajr);
    }
    own(tarvel ? kGeometricRise : kApparentRise, d.sunrise, d.occurs.sunrise);
    d.zuhr = r.transit;
    d.occurs.zuhr = r.occurs.transit;
    d.asr1 = r.asr1;
    d.occurs.asr1 = r.occurs.asr1;
    d.asr2 = r.asr2;
    d.occurs.asr2 = r.occurs.asr2;
    switch (m.maghrib) {
        case MaghribEvent::kGeometricSet:
            own(kGeometricSet, d.maghrib, d.occurs.maghrib);
            break;
        case MaghribEvent::kApparentSet:
            own(kApparentSet, d.maghrib, d.occurs.maghrib);
            break;
        case MaghribEvent::kAltitude:
            found(kMethodMaghrib, d.maghrib, d.occurs.maghrib);
            break;
    }
    if (!ishaByAngle) {
        d.occurs.isha = d.occurs.maghrib;
        d.isha = d.occurs.isha ? d.maghrib + angles.ishaMinutes / 60.0 : 0.0;
    } else if (ownAngles) {
        own(kOwnIsha, d.isha, d.occurs.isha);
    } else {
        found(kMethodIsha, d.isha, d.occurs.isha);
    }

    // High-latitude rules: Fajr no earlier than the rule's portion of the night
    // before the day's sunrise, Isha no later than its portion after the day's
    // sunset (an Isha interval needs none).
    if (d.rule != HighLatitudeRule::kNone && d.occurs.night) {
        const double fajrLimit = NightPortion(d.rule, angles.fajrAngle) * d.nightLength;
        if (riseFound && (!d.occurs.fajr || rise - d.fajr > fajrLimit)) {
            d.fajr = rise - fajrLimit;
            d.occurs.fajr = true;
            d.fajrRule = d.rule;
        }
        const double ishaLimit = NightPortion(d.rule, angles.ishaAngle) * d.nightLength;
        if (ishaByAngle && (!d.occurs.isha || d.isha - set > ishaLimit)) {
            d.isha = set + ishaLimit;
            d.occurs.isha = true;
            d.ishaRule = d.rule;
        }
    }

    // The method's offsets and the adjustments, in whole minutes.
    const PrayerAdjustments& offsets = m.offsets;
    const PrayerAdjustments& user = request.prayerAdjustments;
    AddMinutes(d.fajr, d.occurs.fajr, offsets.fajr + user.fajr);
    AddMinutes(d.sunrise, d.occurs.sunrise, offsets.sunrise + user.sunrise);
    AddMinutes(d.zuhr, d.occurs.zuhr, offsets.zuhr + user.zuhr);
    AddMinutes(d.asr1, d.occurs.asr1, offsets.asr + user.asr);
    AddMinutes(d.asr2, d.occurs.asr2, offsets.asr + user.asr);
    AddMinutes(d.maghrib, d.occurs.maghrib, offsets.maghrib + user.maghrib);
    AddMinutes(d.isha, d.occurs.isha, offsets.isha + user.isha);

    // Each clock time on the clock, with its date.
    DayTimes::DayOffsets& o = d.dayOffset;
    SplitDay(d.fajr, o.fajr);
    SplitDay(d.sunrise, o.sunrise);
    SplitDay(d.zuhr, o.zuhr);
    SplitDay(d.asr1, o.asr1);
    SplitDay(d.asr2, o.asr2);
    SplitDay(d.maghrib, o.maghrib);
    SplitDay(d.isha, o.isha);
    SplitDay(d.civilDawn, o.civilDawn);
    SplitDay(d.civilDusk, o.civilDusk);
    SplitDay(d.nauticalDawn, o.nauticalDawn);
    SplitDay(d.nauticalDusk, o.nauticalDusk);
    SplitDay(d.astronomicalDawn, o.astronomicalDawn);
    SplitDay(d.astronomicalDusk, o.astronomicalDusk);
    SplitDay(d.goldenHourEnd, o.goldenHourEnd);
    SplitDay(d.goldenHourStart, o.goldenHourStart);
    SplitDay(d.nightMiddle, o.nightMiddle);
    SplitDay(d.nightLastThird, o.nightLastThird);
    return d;
}

}  // namespace tarvel
