// The texts of the main window's result fields for one computation.
//
// Every text the main window shows after a computation, named by what it
// shows; where each text goes (which control, under which caption, beside which
// label) is for the window, or the command-line tool's report, to decide. The
// windows and the command-line tool show these texts as they stand; the rules
// that choose a text (substitutes for undefined or missing times, the
// refraction below the horizon, Zuhr and Maghrib) live here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <optional>

#include "astro/event_absence.h"
#include "astro/prayer_times.h"
#include "format/result_fields.h"
#include "astro/solar_computation.h"

namespace tarvel {

// The main window's result texts, in its reading order: the ΔT field
// (rewritten after each computation), the time measures, the ecliptic,
// geocentric, topocentric and horizontal coordinates, the geometric and the
// apparent rise, transit and set, the prayers and the Qibla.
enum class ResultTextField : int {
    DeltaT,
    JulianDay,
    Gmst,
    Lmst,
    EquationOfTime,
    LongitudeDifference,
    MeanZoneTime,  // the request's clock reading
    MeanLocalTime,
    TrueZoneTime,
    TrueLocalTime,
    ItalianHours,
    BabylonianHours,
    TemporalHours,
    HoursToSunset,
    EclipticLatitude,
    EclipticLongitude,
    RightAscension,
    Declination,
    TopoRightAscension,
    TopoDeclination,
    Azimuth,
    Altitude,
    Refraction,
    RefractedAltitude,
    GeometricRise,
    GeometricRiseAzimuth,
    GeometricTransit,
    GeometricTransitAltitude,
    GeometricSet,
    GeometricSetAzimuth,
    GeometricDaylight,
    ApparentRise,
    ApparentRiseAzimuth,
    ApparentTransit,
    ApparentTransitAltitude,
    ApparentSet,
    ApparentSetAzimuth,
    ApparentDaylight,
    Fajr,
    Zuhr,
    Asr1,
    Asr2,
    Maghrib,
    Isha,
    Qibla,
    QiblaTime,
};

// The number of result texts (QiblaTime is the last).
inline constexpr int kResultTextFieldCount = static_cast<int>(ResultTextField::QiblaTime) + 1;

struct ResultText {
    ResultTextField field;
    std::string text;  // leading blanks included (UTF-8)
    EventAbsence absence = EventAbsence::None;
};

// How the texts are written. The defaults are the documented texts (the
// command-line tool's report); the main window gives the words of its
// interface language and asks for dashes.
struct ResultTextOptions {
    // The words after the Qibla direction: east of south (>= 0) and west.
    std::string east = "EST";
    std::string west = "OVEST";
    // True: the time of an event that does not occur, and the azimuth or
    // altitude that goes with it, show kAbsentEventText instead of the marker
    // value (0, which would read as midnight). The Qibla time keeps its own
    // kNoEventTimeText.
    bool dashAbsentEvents = false;
    // The names of the program's own prayer method and of the custom one
    // (the other methods are named by their authority), the unit after an
    // Isha interval, and the names of the high-latitude rules in
    // HighLatitudeRule order.
    std::string ownMethod = "Tarvel";
    std::string customMethod = "personalizzato";
    std::string minutes = "min";
    std::array<std::string, 5> rules = {"nessuna", "metà della notte", "un settimo della notte",
                                        "angolo/60 della notte", "raccomandata"};
    // The words after a day time's day offset: one day, more days.
    std::string day = "giorno";
    std::string days = "giorni";
};

// What the main window shows instead of the value of an event that does not
// occur: an em dash.
inline constexpr char kAbsentEventText[] = "\u2014";

// Latitude (degrees, either hemisphere) from which the temporal hours are not
// shown: at |latitude| >= this value the field shows kUndefinedTimeText.
inline constexpr double kTemporalHoursLatitudeLimit = 66.55;

// The texts of all result fields for a computation of request that gave result,
// one per ResultTextField, in its order, each with the absence of its event
// (AbsenceOf).
//
// Special cases:
// - TemporalHours: kUndefinedTimeText when |latitude| >= 66.55, and also when
//   the result carries no temporal hours (not-a-number) at a lower latitude,
//   so a missing value is never printed as a number;
// - QiblaTime: kNoEventTimeText when qiblaTime < 0;
// - Refraction: 0 when refractedAltitude < 0, else refraction in arcminutes;
// - ApparentTransitAltitude: transitAltitude + transitRefraction;
//   GeometricTransit, ApparentTransit and Zuhr show the transit, Maghrib the
//   geometric set;
// - MeanZoneTime: the request's hour, minute and second as given, neither
//   split nor carried;
// - lmst and meanLocalTime arrive unreduced and are shown by the unsigned time
//   form: a negative value shows without its sign, 24 h or more shows an hour
//   of 24 or more.
std::vector<ResultText> MainWindowResultTexts(const SolarRequest& request,
                                              const SolarResult& result,
                                              const ResultTextOptions& options = {});

// Why the event that field belongs to does not occur on the request's date,
// as the computation tells it (event_absence.h): the rise and set (geometric,
// apparent; Maghrib is the geometric set) and their azimuths, the transit
// (geometric, apparent; Zuhr) and its altitudes, Fajr, Isha, the two Asr and
// the Qibla time; None for every other field.
EventAbsence AbsenceOf(ResultTextField field, const SolarRequest& request,
                       const SolarResult& result);

// The text of field among texts as MainWindowResultTexts gives them; throws
// std::out_of_range when texts hold none for it.
const std::string& TextOf(const std::vector<ResultText>& texts, ResultTextField field);

// The texts of DayTimes (prayer_times.h): the prayers of the chosen method,
// then the twilights and the golden hour in the order of the day, then the
// night.
enum class DayTimeTextField : int {
    Fajr,
    Sunrise,
    Zuhr,
    Asr1,
    Asr2,
    Maghrib,
    Isha,
    AstronomicalDawn,
    NauticalDawn,
    CivilDawn,
    GoldenHourEnd,
    GoldenHourStart,
    CivilDusk,
    NauticalDusk,
    AstronomicalDusk,
    NightLength,
    NightMiddle,
    NightLastThird,
};

struct DayTimeText {
    DayTimeTextField field;
    std::string text;  // a time as FormatTimeOfDay writes it (leading blank included)
    EventAbsence absence = EventAbsence::None;
    // The high-latitude rule that gave the time (Fajr and Isha only).
    HighLatitudeRule rule = HighLatitudeRule::kNone;
    // The whole days from the request's date to the time's own date
    // (DayTimes::dayOffset); 0 for the night's length and an absent event.
    int dayOffset = 0;
};

// The day offset of a day time in words, in parentheses: "(+1 giorno)",
// "(-1 giorno)", "(+2 giorni)"; empty for 0.
std::string DayOffsetText(int dayOffset, const ResultTextOptions& options = {});

// The texts of the day times, one per DayTimeTextField in its order. An event
// that does not occur shows 00:00:00.0, or kAbsentEventText with
// options.dashAbsentEvents, and says why:
// - the twilights, the golden hour and a method's Fajr and Isha at an angle:
//   AltitudeNotReached when the altitude lies outside the day's range of
//   altitudes (as for the documented Fajr and Isha), otherwise OtherDate;
// - sunrise, Maghrib and an Isha interval: as the rise or set they are (with
//   the altitude of Tehran's Maghrib as for an angle);
// - Zuhr, Asr 1 and Asr 2: as the documented ones;
// - the night: PolarDay or PolarNight without an apparent set on the date,
//   OtherDate without the next sunrise.
std::vector<DayTimeText> DayTimeTexts(const SolarRequest& request, const SolarResult& result,
                                      const DayTimes& days, const ResultTextOptions& options = {});

// The text of field among texts as DayTimeTexts gives them; throws
// std::out_of_range when texts hold none for it.
const DayTimeText& DayTextOf(const std::vector<DayTimeText>& texts, DayTimeTextField field);

// The chosen method with its angles or interval: "Muslim World League (Fajr
// -18°, Isha -17°)", "Umm al-Qura University, Makkah (Fajr -18.5°, Isha 90
// min)", the own and the custom method with the request's angles.
std::string PrayerMethodText(const SolarRequest& request, const ResultTextOptions& options = {});

// The name of a high-latitude rule (options.rules).
const std::string& HighLatitudeRuleText(HighLatitudeRule rule,
                                        const ResultTextOptions& options = {});

// The event whose clock time a text shows (GeometricTransit, ApparentTransit
// and Zuhr show the transit, Maghrib the geometric set); nothing for a text
// that is no event's time (azimuths, altitudes, durations, solar times).
std::optional<ResultFieldId> EventTimeField(ResultTextField field);
std::optional<ResultFieldId> EventTimeField(DayTimeTextField field);

// A clock time as "HH:MM:SS" rounded to the second, kAbsentEventText when it
// does not occur; two of them as a range ("06:12:05–06:58:40"), each end
// on its own.
std::string ClockRangeEndText(double hours, bool occurs);
std::string ClockRangeText(double fromHours, bool fromOccurs, double toHours, bool toOccurs);

// A change of the day's length (hours) in minutes and seconds, rounded to the
// second: "+2 m 13 s", "-0 m 45 s"; "0 m 0 s" without a sign under half a
// second.
std::string DayLengthChangeText(double hours);

}  // namespace tarvel
