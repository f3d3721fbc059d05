#include "astro/prayer_times.h"

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

// Hours reduced into [0, 24): the time from an earlier clock time to a later
// one across midnight.
double HoursAfter(double later, double earlier) {
    double d = std::fmod(later - earlier, 24.0);
    if (d < 0.0) d += 24.0;
    return d;
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

// Adds whole minutes to a clock time that occurs, reduced into [0, 24].
void AddMinutes(double& time, bool occurs, int minutes) {
    if (occurs && minutes != 0) time = Wrap24(time + minutes / 60.0);
}

}  // namespace

DayTimes CalcDayTimes(const SolarRequest& request, const SolarResult& r) {
    const PrayerMethodParameters& m = MethodParameters(request.prayerMethod);
    const EffectivePrayerAngles angles = EffectiveAngles(request);
    const bool ownAngles = std::isnan(m.fajrAngle);  // the program's own method and custom
    const bool ishaByAngle = angles.ishaMinutes == 0.0;

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
    // is the astronomical dawn).
    AltitudeCrossing searched[kCrossingCount];
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
    const auto found = [&](int index, double& time, bool& occurs) {
        const AltitudeCrossing& c = searched[source[index]];
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

    // The night: the date's sunset to the next date's sunrise, on one clock.
    const double horizon = ApparentHorizonAltitude(request.height);
    SolarRequest nextDate = request;
    nextDate.day += 1;  // the Julian Day counts on past the month's end
    AltitudeCrossing nextRise;
    nextRise.altitude = horizon;
    nextRise.rising = true;
    FindAltitudeCrossings(nextDate, &nextRise, 1);
    d.occurs.night = r.occurs.apparentSet && nextRise.occurs;
    if (d.occurs.night) {
        d.nightLength = nextRise.time + 24.0 - r.apparentSet;
        d.nightMiddle = Wrap24(r.apparentSet + d.nightLength / 2.0);
        d.nightLastThird = Wrap24(r.apparentSet + d.nightLength * 2.0 / 3.0);
    }

    // The method's prayers before the rules and offsets.
    const bool tarvel = m.method == PrayerMethod::kTarvel;
    if (ownAngles) {
        d.fajr = r.fajr;
        d.occurs.fajr = r.occurs.fajr;
    } else {
        found(kMethodFajr, d.fajr, d.occurs.fajr);
    }
    d.sunrise = tarvel ? r.geometricRise : r.apparentRise;
    d.occurs.sunrise = tarvel ? r.occurs.geometricRise : r.occurs.apparentRise;
    d.zuhr = r.transit;
    d.occurs.zuhr = r.occurs.transit;
    d.asr1 = r.asr1;
    d.occurs.asr1 = r.occurs.asr1;
    d.asr2 = r.asr2;
    d.occurs.asr2 = r.occurs.asr2;
    switch (m.maghrib) {
        case MaghribEvent::kGeometricSet:
            d.maghrib = r.geometricSet;
            d.occurs.maghrib = r.occurs.geometricSet;
            break;
        case MaghribEvent::kApparentSet:
            d.maghrib = r.apparentSet;
            d.occurs.maghrib = r.occurs.apparentSet;
            break;
        case MaghribEvent::kAltitude:
            found(kMethodMaghrib, d.maghrib, d.occurs.maghrib);
            break;
    }
    if (!ishaByAngle) {
        d.occurs.isha = d.occurs.maghrib;
        d.isha = d.occurs.isha ? Wrap24(d.maghrib + angles.ishaMinutes / 60.0) : 0.0;
    } else if (ownAngles) {
        d.isha = r.isha;
        d.occurs.isha = r.occurs.isha;
    } else {
        found(kMethodIsha, d.isha, d.occurs.isha);
    }

    // High-latitude rules: Fajr no earlier than the rule's portion of the night
    // before sunrise, Isha no later than its portion after sunset (an Isha
    // interval needs none).
    if (d.rule != HighLatitudeRule::kNone && d.occurs.night) {
        const double fajrLimit = NightPortion(d.rule, angles.fajrAngle) * d.nightLength;
        if (r.occurs.apparentRise &&
            (!d.occurs.fajr || HoursAfter(r.apparentRise, d.fajr) > fajrLimit)) {
            d.fajr = Wrap24(r.apparentRise - fajrLimit);
            d.occurs.fajr = true;
            d.fajrRule = d.rule;
        }
        const double ishaLimit = NightPortion(d.rule, angles.ishaAngle) * d.nightLength;
        if (ishaByAngle && (!d.occurs.isha || HoursAfter(d.isha, r.apparentSet) > ishaLimit)) {
            d.isha = Wrap24(r.apparentSet + ishaLimit);
            d.occurs.isha = true;
            d.ishaRule = d.rule;
        }
    }

    // The method's offsets and the adjustments, in whole minutes.
    const PrayerAdjustments& own = m.offsets;
    const PrayerAdjustments& user = request.prayerAdjustments;
    AddMinutes(d.fajr, d.occurs.fajr, own.fajr + user.fajr);
    AddMinutes(d.sunrise, d.occurs.sunrise, own.sunrise + user.sunrise);
    AddMinutes(d.zuhr, d.occurs.zuhr, own.zuhr + user.zuhr);
    AddMinutes(d.asr1, d.occurs.asr1, own.asr + user.asr);
    AddMinutes(d.asr2, d.occurs.asr2, own.asr + user.asr);
    AddMinutes(d.maghrib, d.occurs.maghrib, own.maghrib + user.maghrib);
    AddMinutes(d.isha, d.occurs.isha, own.isha + user.isha);
    return d;
}

}  // namespace tarvel
