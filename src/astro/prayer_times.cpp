#include "astro/prayer_times.h"

#include "astro/calendar.h"

#include <cmath>
#include <cstddef>
#include <iterator>
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
const std::array<PrayerMethodParameters, 14> kPrayerMethods = {{
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
    {PrayerMethod::kMoonsighting, "moonsighting", "Moonsighting Committee Worldwide",
     -18.0, -18.0, 0, 0, MaghribEvent::kApparentSet, 0, {0, 0, 0, 0, 3, 0}},
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
    {HighLatitudeRule::kRecommended, "recommended"},
};

constexpr std::pair<PolarRule, std::string_view> kPolarRuleKeys[] = {
    {PolarRule::kNone, "none"},
    {PolarRule::kNearestLatitude, "nearest-latitude"},
    {PolarRule::kNearestDay, "nearest-day"},
};

constexpr std::pair<Shafaq, std::string_view> kShafaqKeys[] = {
    {Shafaq::kGeneral, "general"},
    {Shafaq::kRed, "red"},
    {Shafaq::kWhite, "white"},
};

constexpr std::pair<PrayerRounding, std::string_view> kRoundingKeys[] = {
    {PrayerRounding::kNone, "none"},
    {PrayerRounding::kNearest, "nearest"},
    {PrayerRounding::kUp, "up"},
};

template <typename Value, std::size_t N>
std::string_view KeyOf(const std::pair<Value, std::string_view> (&keys)[N], Value value) {
    for (const auto& [v, key] : keys) {
        if (v == value) return key;
    }
    return keys[0].second;
}

template <typename Value, std::size_t N>
std::optional<Value> ValueNamed(const std::pair<Value, std::string_view> (&keys)[N],
                                std::string_view name) {
    for (const auto& [v, key] : keys) {
        if (SameIgnoringCase(name, key)) return v;
    }
    return std::nullopt;
}

}  // namespace

std::string_view HighLatitudeRuleKey(HighLatitudeRule rule) {
    return KeyOf(kRuleKeys, rule);
}

std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view name) {
    return ValueNamed(kRuleKeys, name);
}

std::string_view PolarRuleKey(PolarRule rule) {
    return KeyOf(kPolarRuleKeys, rule);
}

std::string_view ShafaqKey(Shafaq shafaq) {
    return KeyOf(kShafaqKeys, shafaq);
}

std::string_view PrayerRoundingKey(PrayerRounding rounding) {
    return KeyOf(kRoundingKeys, rounding);
}

std::optional<PolarRule> ParsePolarRule(std::string_view name) {
    return ValueNamed(kPolarRuleKeys, name);
}

std::optional<Shafaq> ParseShafaq(std::string_view name) {
    return ValueNamed(kShafaqKeys, name);
}

std::optional<PrayerRounding> ParsePrayerRounding(std::string_view name) {
    return ValueNamed(kRoundingKeys, name);
}

HighLatitudeRule EffectiveRule(HighLatitudeRule rule, double latitude) {
    if (rule != HighLatitudeRule::kRecommended) return rule;
    return std::fabs(latitude) > 48.0 ? HighLatitudeRule::kSeventhOfTheNight
                                      : HighLatitudeRule::kNone;
}

PrayerRounding MethodRounding(PrayerMethod method) {
    return method == PrayerMethod::kSingapore ? PrayerRounding::kUp : PrayerRounding::kNearest;
}

void RoundPrayerTime(PrayerRounding rounding, double& time, int& dayOffset) {
    double minutes = time * 60.0;
    switch (rounding) {
        case PrayerRounding::kNearest:
            minutes = std::floor(minutes + 0.5);
            break;
        case PrayerRounding::kUp:
            minutes = std::ceil(minutes - 1e-7);
            break;
        case PrayerRounding::kNone:
            return;
    }
    time = minutes / 60.0;
    if (time >= 24.0) {
        time -= 24.0;
        ++dayOffset;
    }
}

int SeasonDays(double latitude, int year, int month, int day) {
    const bool leap = MonthLength(year, 2, 1) == 29;
    int dayOfYear = day;
    for (int m = 1; m < month; ++m) dayOfYear += MonthLength(year, m, 1);
    const int daysInYear = leap ? 366 : 365;
    int days = latitude >= 0.0 ? dayOfYear + 10 : dayOfYear - (leap ? 173 : 172);
    if (days >= daysInYear) days -= daysInYear;
    if (days < 0) days += daysInYear;
    return days;
}

namespace {

// The Committee's piecewise line through a, b, c, d over the season.
double SeasonalMinutes(double a, double b, double c, double d, int seasonDays) {
    const double t = seasonDays;
    if (seasonDays < 91) return a + (b - a) / 91.0 * t;
    if (seasonDays < 137) return b + (c - b) / 46.0 * (t - 91.0);
    if (seasonDays < 183) return c + (d - c) / 46.0 * (t - 137.0);
    if (seasonDays < 229) return d + (c - d) / 46.0 * (t - 183.0);
    if (seasonDays < 275) return c + (b - c) / 46.0 * (t - 229.0);
    return b + (a - b) / 91.0 * (t - 275.0);
}

}  // namespace

double MoonsightingFajrMinutes(double latitude, int seasonDays) {
    const double l = std::fabs(latitude);
    return SeasonalMinutes(75.0 + 28.65 / 55.0 * l, 75.0 + 19.44 / 55.0 * l,
                           75.0 + 32.74 / 55.0 * l, 75.0 + 48.1 / 55.0 * l, seasonDays);
}

double MoonsightingIshaMinutes(double latitude, int seasonDays, Shafaq shafaq) {
    const double l = std::fabs(latitude);
    switch (shafaq) {
        case Shafaq::kRed:
            return SeasonalMinutes(62.0 + 17.40 / 55.0 * l, 62.0 - 7.16 / 55.0 * l,
                                   62.0 + 5.12 / 55.0 * l, 62.0 + 19.44 / 55.0 * l, seasonDays);
        case Shafaq::kWhite:
            return SeasonalMinutes(75.0 + 25.60 / 55.0 * l, 75.0 + 7.16 / 55.0 * l,
                                   75.0 + 36.84 / 55.0 * l, 75.0 + 81.84 / 55.0 * l, seasonDays);
        case Shafaq::kGeneral:
            break;
    }
    return SeasonalMinutes(75.0 + 25.60 / 55.0 * l, 75.0 + 2.050 / 55.0 * l,
                           75.0 - 9.21 / 55.0 * l, 75.0 + 6.14 / 55.0 * l, seasonDays);
}

EffectivePrayerAngles EffectiveAngles(const SolarRequest& request) {
    const PrayerMethodParameters& m = MethodParameters(request.prayerMethod);
    const bool own = std::isnan(m.fajrAngle);
    EffectivePrayerAngles angles;
    angles.fajrAngle = own ? request.fajrAngle : m.fajrAngle;
    angles.ishaMinutes =
        request.ramadan && m.ramadanIshaMinutes > 0.0 ? m.ramadanIshaMinutes : m.ishaMinutes;
    angles.ishaAngle = own && m.ishaMinutes == 0.0 ? request.ishaAngle : m.ishaAngle;
    if (request.ishaIntervalMinutes > 0.0) {
        angles.ishaMinutes = request.ishaIntervalMinutes;
        angles.ishaAngle = kNoAngle;
    }
    angles.maghribAngle = request.maghribAngle < 0.0                   ? request.maghribAngle
                          : m.maghrib == MaghribEvent::kAltitude ? m.maghribAngle
                                                                 : 0.0;
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
        case HighLatitudeRule::kRecommended:  // resolved by EffectiveRule first
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
           settings.prayerAdjustments == PrayerAdjustments() &&
           settings.polarRule == PolarRule::kNone && settings.ishaIntervalMinutes == 0.0 &&
           settings.maghribAngle == 0.0;
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


// The Moonsighting Committee's limits: Fajr no earlier than its seasonal
// interval before the day's sunrise, Isha (by angle) no later than its
// seasonal interval after the day's sunset; from 55 degrees of latitude on,
// both a seventh of the night from sunrise and sunset at first.
void MoonsightingLimits(const SolarRequest& request, double rise, bool riseFound, double set,
                        bool setFound, bool ishaByAngle, DayTimes& d) {
    const int season = SeasonDays(request.latitude, request.year, request.month, request.day);
    const bool seventh = std::fabs(request.latitude) >= 55.0 && d.occurs.night;
    if (riseFound) {
        if (seventh) {
            d.fajr = rise - d.nightLength / 7.0;
            d.occurs.fajr = true;
            d.marks.fajr.by = PrayerTimeMark::kSeasonal;
        }
        const double limit = rise - MoonsightingFajrMinutes(request.latitude, season) / 60.0;
        if (!d.occurs.fajr || limit > d.fajr) {
            d.fajr = limit;
            d.occurs.fajr = true;
            d.marks.fajr.by = PrayerTimeMark::kSeasonal;
        }
    }
    if (setFound && ishaByAngle) {
        if (seventh) {
            d.isha = set + d.nightLength / 7.0;
            d.occurs.isha = true;
            d.marks.isha.by = PrayerTimeMark::kSeasonal;
        }
        const double limit =
            set + MoonsightingIshaMinutes(request.latitude, season, request.shafaq) / 60.0;
        if (!d.occurs.isha || limit < d.isha) {
            d.isha = limit;
            d.occurs.isha = true;
            d.marks.isha.by = PrayerTimeMark::kSeasonal;
        }
    }
}

// The day times without the blue hour, the polar rule, the offsets and the
// adjustments: every time counted from the midnight that begins the date, not
// reduced.
DayTimes UnsplitDayTimes(const SolarRequest& request, const SolarResult& r) {
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
    const bool maghribByAngle = angles.maghribAngle < 0.0;
    want(kMethodMaghrib, maghribByAngle ? angles.maghribAngle : kNoAngle, false);
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
    if (maghribByAngle) {
        found(kMethodMaghrib, d.maghrib, d.occurs.maghrib);
        // Tehran's Maghrib where the Sun does not sink to its altitude: the
        // interval after the apparent set.
        if (!d.occurs.maghrib && setFound && m.method == PrayerMethod::kTehran &&
            request.maghribAngle == 0.0) {
            d.maghrib = set + kTehranMaghribFallbackMinutes / 60.0;
            d.occurs.maghrib = true;
            d.marks.maghrib.by = PrayerTimeMark::kSunsetInterval;
        }
    } else if (m.maghrib == MaghribEvent::kGeometricSet) {
        own(kGeometricSet, d.maghrib, d.occurs.maghrib);
    } else {
        own(kApparentSet, d.maghrib, d.occurs.maghrib);
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
    // The Moonsighting Committee's seasonal limits take the rule's place.
    const HighLatitudeRule rule = EffectiveRule(d.rule, request.latitude);
    if (m.method == PrayerMethod::kMoonsighting) {
        MoonsightingLimits(request, rise, riseFound, set, setFound, ishaByAngle, d);
    } else if (rule != HighLatitudeRule::kNone && d.occurs.night) {
        const double fajrLimit = NightPortion(rule, angles.fajrAngle) * d.nightLength;
        if (riseFound && (!d.occurs.fajr || rise - d.fajr > fajrLimit)) {
            d.fajr = rise - fajrLimit;
            d.occurs.fajr = true;
            d.fajrRule = rule;
        }
        const double ishaLimit = NightPortion(rule, angles.ishaAngle) * d.nightLength;
        if (ishaByAngle && (!d.occurs.isha || d.isha - set > ishaLimit)) {
            d.isha = set + ishaLimit;
            d.occurs.isha = true;
            d.ishaRule = rule;
        }
    }
    return d;
}

// The blue hour's bounds: the Sun's centre through -4 degrees, rising and
// setting, searched on their own after every other crossing of the day.
void FindBlueHour(const SolarRequest& request, const SolarResult& r, DayTimes& d) {
    AltitudeCrossing blue[2];
    blue[0].altitude = kBlueHourAltitude;
    blue[0].rising = true;
    blue[1].altitude = kBlueHourAltitude;
    blue[1].rising = false;
    FindAltitudeCrossings(request, blue, 2);
    const double transit = DayTransit(request, r);
    for (AltitudeCrossing& c : blue) {
        if (!OnItsSide(c, transit)) {
            c.occurs = false;
            FindAltitudeCrossingsOfDay(request, transit, &c, 1);
        }
    }
    d.occurs.blueHourMorningEnd = blue[0].occurs;
    d.blueHourMorningEnd = blue[0].occurs ? blue[0].time : 0.0;
    d.occurs.blueHourEveningStart = blue[1].occurs;
    d.blueHourEveningStart = blue[1].occurs ? blue[1].time : 0.0;
}

// One prayer of DayTimes as the polar rule reads and fills it.
struct PolarSlot {
    double DayTimes::*time;
    bool DayTimes::Occurrences::*occurs;
    DayTimes::Mark DayTimes::Marks::*mark;
    HighLatitudeRule DayTimes::*rule;  // nullptr: a prayer no rule gives
};

constexpr PolarSlot kPolarSlots[] = {
    {&DayTimes::fajr, &DayTimes::Occurrences::fajr, &DayTimes::Marks::fajr, &DayTimes::fajrRule},
    {&DayTimes::sunrise, &DayTimes::Occurrences::sunrise, &DayTimes::Marks::sunrise, nullptr},
    {&DayTimes::asr1, &DayTimes::Occurrences::asr1, &DayTimes::Marks::asr1, nullptr},
    {&DayTimes::asr2, &DayTimes::Occurrences::asr2, &DayTimes::Marks::asr2, nullptr},
    {&DayTimes::maghrib, &DayTimes::Occurrences::maghrib, &DayTimes::Marks::maghrib, nullptr},
    {&DayTimes::isha, &DayTimes::Occurrences::isha, &DayTimes::Marks::isha, &DayTimes::ishaRule},
};

// The polar rule: the prayers still absent take their times from the nearest
// latitude towards the equator, in steps of half a degree, or from the
// nearest date, alternately after and before (at most half a year either
// way), where the same settings give every one of them, so that they keep
// their order. Times stay counted from the midnight that begins their own
// date, and so fall at the same clock time on the request's date.
void ApplyPolarRule(const SolarRequest& request, DayTimes& d) {
    bool absent[std::size(kPolarSlots)] = {};
    bool anyAbsent = false;
    for (std::size_t i = 0; i < std::size(kPolarSlots); ++i) {
        absent[i] = !(d.occurs.*kPolarSlots[i].occurs);
        anyAbsent = anyAbsent || absent[i];
    }
    if (request.polarRule == PolarRule::kNone || !anyAbsent) return;
    const bool byLatitude = request.polarRule == PolarRule::kNearestLatitude;
    const double sign = request.latitude < 0.0 ? -1.0 : 1.0;
    const int steps = byLatitude ? static_cast<int>(std::fabs(request.latitude) / 0.5) : 366;
    SolarRequest probe = request;
    probe.polarRule = PolarRule::kNone;
    for (int step = 1; step <= steps; ++step) {
        int days = 0;
        if (byLatitude) {
            probe.latitude = request.latitude - sign * 0.5 * step;
        } else {
            days = step % 2 == 1 ? (step + 1) / 2 : -(step / 2);
            const CalendarDate date =
                DateAfterDays({request.year, request.month, request.day}, days);
            probe.year = date.year;
            probe.month = date.month;
            probe.day = date.day;
        }
        const SolarResult pr = CalcSolarParameters(probe);
        const DayTimes pd = UnsplitDayTimes(probe, pr);
        bool all = true;
        for (std::size_t i = 0; i < std::size(kPolarSlots); ++i) {
            all = all && (!absent[i] || pd.occurs.*kPolarSlots[i].occurs);
        }
        if (!all) continue;
        for (std::size_t i = 0; i < std::size(kPolarSlots); ++i) {
            const PolarSlot& slot = kPolarSlots[i];
            if (!absent[i]) continue;
            d.*slot.time = pd.*slot.time;
            d.occurs.*slot.occurs = true;
            if (slot.rule != nullptr) d.*slot.rule = HighLatitudeRule::kNone;
            DayTimes::Mark& mark = d.marks.*slot.mark;
            mark.by = byLatitude ? PrayerTimeMark::kNearestLatitude : PrayerTimeMark::kNearestDay;
            mark.latitude = probe.latitude;
            mark.days = days;
        }
        return;
    }
}

}  // namespace

DayTimes CalcDayTimes(const SolarRequest& request, const SolarResult& r) {
    const PrayerMethodParameters& m = MethodParameters(request.prayerMethod);
    DayTimes d = UnsplitDayTimes(request, r);
    FindBlueHour(request, r, d);
    ApplyPolarRule(request, d);

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
    SplitDay(d.blueHourMorningEnd, o.blueHourMorningEnd);
    SplitDay(d.blueHourEveningStart, o.blueHourEveningStart);
    SplitDay(d.nightMiddle, o.nightMiddle);
    SplitDay(d.nightLastThird, o.nightLastThird);
    return d;
}

void AddDayLengthChange(const SolarRequest& request, const SolarResult& result, DayTimes& days) {
    SolarRequest previous = request;
    const CalendarDate date = DateAfterDays({request.year, request.month, request.day}, -1);
    previous.year = date.year;
    previous.month = date.month;
    previous.day = date.day;
    const SolarResult before = CalcSolarParameters(previous);
    days.occurs.dayLengthChange = result.occurs.apparentRise && result.occurs.apparentSet &&
                                  before.occurs.apparentRise && before.occurs.apparentSet;
    days.dayLengthChange =
        days.occurs.dayLengthChange ? result.apparentDaylight - before.apparentDaylight : 0.0;
}

DayTimes RoundedPrayers(const DayTimes& days, PrayerRounding rounding) {
    DayTimes rounded = days;
    DayTimes::DayOffsets& o = rounded.dayOffset;
    RoundPrayerTime(rounding, rounded.fajr, o.fajr);
    RoundPrayerTime(rounding, rounded.sunrise, o.sunrise);
    RoundPrayerTime(rounding, rounded.zuhr, o.zuhr);
    RoundPrayerTime(rounding, rounded.asr1, o.asr1);
    RoundPrayerTime(rounding, rounded.asr2, o.asr2);
    RoundPrayerTime(rounding, rounded.maghrib, o.maghrib);
    RoundPrayerTime(rounding, rounded.isha, o.isha);
    return rounded;
}

}  // namespace tarvel
