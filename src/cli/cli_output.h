// What tarvel-cli prints for one computation: the main window's texts grouped
// under its captions, or every value as JSON.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "civil/hijri_date.h"
#include "format/result_texts.h"
#include "places/place_search.h"
#include "civil/zone_request.h"
#include "civil/zone_rules.h"

namespace tarvel {

// One line of the report: a result text with the Italian label the main window
// shows beside it, under the Italian caption of the window's group that frames
// it.
struct ReportLine {
    std::string_view caption;
    ResultTextField field;
    std::string_view label;
};

// Every line of the report, in the main window's reading order: each result
// text once, the lines of a group together.
std::span<const ReportLine> ResultReportLines();

// The words of a report: its captions and labels through translate (the
// built-in Italian when none), and the words inside the texts (the day
// offsets, the rules' and methods' names).
struct ReportWords {
    std::string (*translate)(std::string_view italian) = nullptr;
    ResultTextOptions options;
};

// The texts as a report: for each group its caption on a line of its own, then
// one line per field, "  label: text", the texts aligned in one column (labels
// padded with blanks, counted in characters); a blank line between groups.
// Every line ends in "\n".
std::string ResultReport(const std::vector<ResultText>& texts, const ReportWords& words = {});

// One JSON object in the command line's conventions (cli_conventions.h):
// "schemaVersion" (kJsonSchemaVersion), then every SolarResult field under
// its own name (its ResultField::key), in the order of the record: the time
// of an event as an ISO 8601 local timestamp on the clock in force at its
// instant (clocks, ReadEventsOnClocks), azimuths and the Qibla as bearings
// from north, every other value a number in the record's unit (hours for
// solar and sidereal times and durations, degrees, seconds for Delta T and
// the equation of time, days for the Julian Day); null where the value is
// absent (an event that does not occur on the date, temporal hours that are
// not a number) or not finite. Then "request" with every SolarRequest field
// under its own name (numbers, and true or false for summerTime and
// deltaTGiven; the longitude east positive; summerShiftSeconds is how far the
// clock is ahead of the zone's standard time, 0 without summer time).
//
// With day times: after the SolarResult fields, every DayTimes value of
// kDayTimeFields under its key ("prayerFajr", ..., "civilDawn", ...,
// "nightLastThird"), timestamps for the events and hours for the night's
// length, null where absent, the method's Fajr and Isha each followed by
// their rule mark ("fajrRule", "ishaRule": "middle", "seventh" or "angle"
// when a high-latitude rule gave the time, otherwise null); and the request
// also holds "prayerMethod" and "highLatitudeRule" (their command-line names),
// "ramadan" and "prayerAdjustments" (minutes by prayer).
nlohmann::ordered_json ResultJson(const SolarRequest& request, const SolarResult& result,
                                  const DayTimes* days, const EventClocks& clocks);

// The clocks of the events: an object with a member for each clock time
// that occurs, under the value's key, holding "date" ("YYYY-MM-DD", the date
// the time falls on) and "dayOffset" (whole days from the request's date: 1
// for an Isha after midnight, -1 for a dawn before the date's midnight,
// otherwise 0). Without a zone's rules (clocks == nullptr) the day times of
// kDayTimeFields only; under rules every event of the record and of the day
// times, each also with "offsetSeconds", the offset east of UTC of the clock
// in force at its instant (ReadEventsOnClocks).
nlohmann::ordered_json EventClocksJson(const SolarRequest& request, const SolarResult& result,
                                       const DayTimes* days, const EventClocks* clocks = nullptr);

// What the day times add beyond kDayTimeFields: the times before rounding,
// the marks of the prayers no crossing gave, the blue and golden hours as
// ranges, the day length's change and the Hijri date.
struct DayTimeAdditions {
    const DayTimes* unrounded = nullptr;  // before the rounding (the same without it)
    HijriCalendar calendar = HijriCalendar::kUmmAlQura;
    std::string language = "it";  // of the Hijri month's name: "it", "en" or "pt"
};

// The additions as JSON members: blueHourMorningStart/End,
// blueHourEveningStart/End, goldenHourMorningStart/End and
// goldenHourEveningStart/End (timestamps, null where absent),
// dayLengthChange (hours, null where a date has no sunrise or sunset),
// prayerMarks (an object with a member for each prayer a polar rule, the
// Moonsighting Committee's seasonal limit or Tehran's interval gave: "by",
// "latitude", "dayOffset"), prayersUnrounded with --rounding (the method's
// prayers before rounding), hijriCalendar, hijriDate ("1445-09-01"),
// hijriMonthName and hijriDateFromMaghrib (the Hijri date the evening
// belongs to); and in the request polarRule, shafaq, ishaIntervalMinutes,
// maghribAngle and rounding.
void AddDayTimeAdditionsJson(nlohmann::ordered_json& json, const SolarRequest& request,
                             const SolarResult& result, const DayTimes& days,
                             const DayTimeAdditions& additions, const EventClocks& clocks);

// The prayer mark of a day time in the report's words ("latitudine più
// vicina 65.5°"), empty when none.
std::string PrayerMarkText(const DayTimes::Mark& mark, const SolarRequest& request,
                           const ReportWords& words);

// The report with the day times: the groups of ResultReport, the prayers'
// group showing the chosen method (its name and parameters, the high-latitude
// rule, its Fajr, Shuruq, Zuhr, Asr 1 and 2, Maghrib and Isha; a time a rule
// gave followed by the rule's name in parentheses) and the Qibla, then the
// group "CREPUSCOLI E NOTTE": the dawns, the golden hour, the dusks and the
// night. The labels are Italian, as the main window's; every text is aligned
// in one column.
// With additions (and the day times they come from), the prayers' marks
// after their times, the blue and golden hours as ranges and the day
// length's change in the twilights' group, and a group "CALENDARIO ISLAMICO"
// with the Hijri date and the one from Maghrib on.
std::string ResultReportWithDayTimes(const SolarRequest& request,
                                     const std::vector<ResultText>& texts,
                                     const std::vector<DayTimeText>& days,
                                     const ReportWords& words = {},
                                     const DayTimes* dayTimes = nullptr,
                                     const DayTimeAdditions* additions = nullptr);

// With --place or --tz: the lines printed before the report, naming the place,
// the zone with the offset and summer flag used, and a clock reading that does
// not occur or occurs twice on the zone's clock, with the instant computed.
// Empty without a zone's rules.
std::string PlaceAndZoneReport(const std::optional<Place>& place,
                               const std::shared_ptr<const ZoneRules>& rules,
                               const ResolvedReading& reading);

// The same as JSON members "place" and "zone" added to json (nothing without
// a zone's rules).
void AddPlaceAndZoneJson(nlohmann::ordered_json& json, const std::optional<Place>& place,
                         const std::shared_ptr<const ZoneRules>& rules,
                         const ResolvedReading& reading);

// After the time of every event read on another clock than the requested
// instant's (a change of the clocks between the two), that clock in
// parentheses: "06:53:57.3 (UTC+2 CEST)".
void AddEventClockNotes(std::vector<ResultText>& texts, std::vector<DayTimeText>* days,
                        const EventClocks& clocks);

// The places subcommand's lines: one per place found for query, "name, region,
// country  latitude  longitude (east)  zone  population", in FindPlaces' order;
// a place found by another name starts "Roma → " (Place::MatchLabel).
// The label fills a column of kPlaceLabelColumn characters (counted in
// characters, not bytes); a longer label is cut to one character less and "…".
inline constexpr std::size_t kPlaceLabelColumn = 50;
std::string PlacesReport(const std::vector<Place>& places);

// The places as JSON (places --json): an array of objects with name, region,
// country, latitude (degrees, positive north), longitude (degrees, positive
// EAST), timeZone, population, countryCode, matchedName and exactMatch, in
// FindPlaces' order.
nlohmann::ordered_json PlacesJson(const std::vector<Place>& places);

}  // namespace tarvel
