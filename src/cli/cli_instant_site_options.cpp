// The options of one instant and its observer, which the computation of one
// instant, the table and the chart share: the date, time and zone, the site,
// the atmosphere and the prayers' method.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/prayer_times.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_file.h"
#include "cli/cli_command_line.h"
#include "cli/cli_value_readers.h"
#include "table/table_parameters.h"

namespace tarvel::cli {

namespace {

const Names<RefractionModel> kRefractionNames = {{"bennett", kRefractionBennett},
                                                 {"integration", kRefractionIntegration}};
const Names<HighLatitudeRule> kRuleNames = {{"none", HighLatitudeRule::kNone},
                                            {"middle", HighLatitudeRule::kMiddleOfTheNight},
                                            {"seventh", HighLatitudeRule::kSeventhOfTheNight},
                                            {"angle", HighLatitudeRule::kTwilightAngle},
                                            {"recommended", HighLatitudeRule::kRecommended}};
const Names<PolarRule> kPolarRuleNames = {{"none", PolarRule::kNone},
                                          {"nearest-latitude", PolarRule::kNearestLatitude},
                                          {"nearest-day", PolarRule::kNearestDay}};
const Names<Shafaq> kShafaqNames = {
    {"general", Shafaq::kGeneral}, {"red", Shafaq::kRed}, {"white", Shafaq::kWhite}};
const Names<PrayerRounding> kRoundingNames = {{"none", PrayerRounding::kNone},
                                              {"nearest", PrayerRounding::kNearest},
                                              {"up", PrayerRounding::kUp}};

// The methods by their command-line names, in the engine's order.
Names<PrayerMethod> MethodNames() {
    Names<PrayerMethod> names;
    for (const PrayerMethodParameters& m : kPrayerMethods) names.emplace_back(m.key, m.method);
    return names;
}

// One line of the help per method: its name, the authority and its parameters.
std::string MethodsHelp() {
    std::string help;
    for (const PrayerMethodParameters& m : kPrayerMethods) {
        std::string line = std::string(m.key) + ": ";
        if (m.method == PrayerMethod::kTarvel) {
            line +=
                "the program's own, Fajr at --fajr, Isha at --isha, Maghrib the geometric "
                "sunset";
        } else if (m.method == PrayerMethod::kCustom) {
            line += "Fajr at --fajr, Isha at --isha, Maghrib the apparent sunset";
        } else {
            line += std::string(m.title) + ", Fajr " + Number(-m.fajrAngle) + " deg, Isha ";
            line += m.ishaMinutes > 0 ? Number(m.ishaMinutes) + " min after Maghrib"
                                      : Number(-m.ishaAngle) + " deg";
            if (m.ramadanIshaMinutes > 0) {
                line += " (" + Number(m.ramadanIshaMinutes) + " with --ramadan)";
            }
            if (m.maghrib == MaghribEvent::kAltitude) {
                line += ", Maghrib " + Number(-m.maghribAngle) + " deg (where the Sun does not "
                        "reach it, " + Number(kTehranMaghribFallbackMinutes) +
                        " min after sunset, marked)";
            }
            if (m.method == PrayerMethod::kMoonsighting) {
                line += ", held within the Committee's seasonal limits (Isha by --shafaq; from "
                        "55 deg of latitude a seventh of the night)";
            }
            const PrayerAdjustments& o = m.offsets;
            if (!(o == PrayerAdjustments())) {
                line += "; minutes: sunrise " + std::to_string(o.sunrise) + ", Zuhr " +
                        std::to_string(o.zuhr) + ", Asr " + std::to_string(o.asr) + ", Maghrib " +
                        std::to_string(o.maghrib);
            }
        }
        help += "\n" + Wrapped(line);
    }
    return help;
}

}  // namespace

std::string DamagedZoneText(std::string_view zoneName) {
    return CliMessage(
        "the file of time zone %1 in this computer's tz database (%2) is damaged or unreadable",
        {zoneName, std::string(kZoneInfoFolder) + "/" + std::string(zoneName)});
}

void CommandLine::AddLanguage(CLI::App& app) {
    static const Names<std::string> kLanguages = {{"it", "it"}, {"en", "en"}, {"pt", "pt"}};
    AddNamed(app,
             {"--lang", "it|en|pt", "",
              "the language of the report, the table, the chart, the calendar's events and "
              "the messages: Italian, English or Portuguese",
              "the interface language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), "
              "as the window chooses it"},
             language_, kLanguages);
}

void CommandLine::AddInstantAndSite(CLI::App& app, bool forTable, const std::string& heightOption) {
    const char* rowAndObserver =
        "First row and observer (read as by tarvel-cli, see tarvel-cli --help)";
    app.option_defaults()->group(forTable ? rowAndObserver : "Instant");
    AddRead(app,
            {"--date", "YYYY-MM-DD",
             "a date YYYY-MM-DD that exists, years 1 to 9999 (proleptic Gregorian calendar)", "",
             "today on this computer's clock"},
            date_, ParseDate);
    AddRead(app,
            {"--time", "HH:MM[:SS]",
             "a clock time HH:MM or HH:MM:SS, hours 0 to 23, minutes 0 to 59, seconds 0 to below "
             "60",
             "summer hour included; the seconds may have decimals", "now on this computer's clock"},
            time_, ParseClockTime);
    const std::string ownZone = "this computer's standard zone";
    // The table knows the zones of its zone list only, and says so whatever
    // the value refused.
    CLI::Option* zone = AddRead(
        app,
        {"--zone", "Z",
         forTable ? kTableZonesAccepted
                  : "hours east of UTC from -12 to 14, as a decimal (5.75, -3.5) or as +HH:MM or "
                    "-HH:MM",
         forTable ? "" : "the standard time zone", ownZone,
         forTable ? std::vector<std::string>{TableZoneList()} : std::vector<std::string>{}},
        zone_, ParseZoneHours);
    if (forTable) {
        zone->check(CLI::Validator(
            [](std::string& text) {
                if (!IsListedZone(*ParseZoneHours(text))) {
                    throw Refusal(CliMessage("--zone '%1' not accepted by table: expected %2",
                                             {text, CliMessage(kTableZonesAccepted,
                                                               {TableZoneList()})}));
                }
                return std::string();
            },
            ""));
    }
    CLI::Option* summer = AddFlag(app, "--summer", summer_,
                                  "the clock shows summer time, one hour ahead of the zone");
    summer->excludes(AddFlag(app, "--no-summer", noSummer_,
                             "the clock shows the zone's standard time\n(default: this computer's "
                             "summer-time rule at the given date and time when the zone is this "
                             "computer's own, otherwise no summer time)"));

    AddRead(app,
            {"--tz", "AREA/CITY",
             "a time-zone name of the system's tz database, such as Europe/Rome or "
             "America/Sao_Paulo",
             "the date and time are read on that zone's clock, its offset and summer time as its "
             "rules give them for the date"},
            timeZone_, [](std::string_view name) -> std::optional<std::string> {
                const FoundZone zone = LookUpZone(name);
                if (zone.damaged) {
                    throw Refusal("--tz '" + std::string(name) + "': " +
                                  DamagedZoneText(name));
                }
                if (!zone.rules) return std::nullopt;
                return std::string(name);
            });

    app.option_defaults()->group(forTable ? rowAndObserver : "Observer");
    AddRead(app,
            {"--place", "NAME",
             "the name of a place of at least 1,000 inhabitants (its own, English or former name, "
             "accents optional), optionally narrowed by its region or country (\"Rome, Italy\", "
             "\"Roma, Italia\", \"Rome, Georgia\"); the best match: the whole name, then a "
             "capital, then the most populous",
             "sets the latitude and longitude, and the place's time zone unless --tz is given "
             "(the height stays --height)"},
            place_, [](std::string_view name) -> std::optional<Place> {
                if (name.size() > kMaxPlaceQueryBytes) throw Refusal(PlaceQueryTooLong("--place"));
                const std::vector<Place> found = FindPlaces(name, 1, CliPlaceNames());
                if (!found.empty()) return found.front();
                if (const std::string missing = PlaceIndexMissing(); !missing.empty()) {
                    throw Refusal(missing);
                }
                const std::vector<std::string> close = ClosePlaceNames(name, 5, CliPlaceNames());
                throw Refusal(
                    close.empty()
                        ? CliMessage("--place '%1': no such place in the list of cities", {name})
                        : CliMessage("--place '%1': no such place; close names: %2",
                                     {name, Joined(close, "; ", "; ")}));
            });

    AddRead(app,
            {"--lat", "DEG", "a latitude in degrees from -90 to 90, negative south (or 33.9S, 45N)",
             "", Number(given_.latitude)},
            given_.latitude, ParseLatitude);
    AddRead(
        app,
        {"--lon", "DEG", "a longitude in degrees from -180 to 180, negative west (or 12.5E, 74W)",
         "", Number(-given_.longitude + 0.0)},
        given_.longitude, ParseLongitudeWest);
    AddDecimal(app,
               {heightOption, "M", "a height above sea level in metres",
                "for the apparent horizon; below sea level the horizon has no dip"},
               kHeightBounds, given_.height);
    OptionText deltaT{"--delta-t", "SEC", "Delta T in seconds, a decimal number",
                      "Delta T = TT - UT, used for every evaluation",
                      "the built-in model, for each date evaluated"};
    if (forTable) {
        const char* why = "every row takes Delta T from the built-in model for its own date";
        deltaT.more = std::string("does not apply: ") + why;
        deltaT.byDefault.clear();
        const CLI::Validator refused(
            [why](std::string&) -> std::string {
                throw Refusal(CliMessage("--delta-t does not apply to table: %1", {CliWord(why)}));
            },
            "");
        Described(app.add_option(deltaT.name), deltaT, refused);
    } else {
        deltaT.accepts += " from %1 to %2";
        deltaT.acceptsFillers = {Number(kDeltaTBounds.low), Number(kDeltaTBounds.high)};
        AddRead(app, deltaT, deltaT_, ParseDecimal,
                CLI::Range(kDeltaTBounds.low, kDeltaTBounds.high));
    }

    app.option_defaults()->group(forTable ? rowAndObserver : "Atmosphere and prayers");
    AddNamed(app,
             {"--refraction", "", "",
              "refraction by the Bennett formula or by numerical integration through a model "
              "atmosphere"},
             given_.refractionModel, kRefractionNames);
    AddDecimal(app, {"--pressure", "MBAR", "an air pressure in mbar"}, kPressureBounds,
               given_.pressure);
    AddDecimal(app, {"--temperature", "C", "an air temperature in degrees Celsius"},
               kTemperatureBounds, given_.temperature);
    AddDecimal(app, {"--refraction-height", "M", "a height in metres", "for the integration"},
               kRefractionHeightBounds, given_.refractionHeight);
    AddDecimal(app, {"--humidity", "PCT", "a relative humidity in percent", "for the integration"},
               kHumidityBounds, given_.humidity);
    AddDecimal(app, {"--fajr", "DEG", "a Sun altitude in degrees", "of the Sun's centre at Fajr"},
               kPrayerAngleBounds, given_.fajrAngle);
    AddDecimal(app, {"--isha", "DEG", "a Sun altitude in degrees", "of the Sun's centre at Isha"},
               kPrayerAngleBounds, given_.ishaAngle);
    AddNamed(app,
             {"--method", "NAME", "",
              "the method of the prayer times, letter case ignored; every method but default "
              "takes the apparent sunset as Maghrib:" +
                  MethodsHelp()},
             given_.prayerMethod, MethodNames());
    AddFlag(app, "--ramadan", given_.ramadan,
            "with --method makkah: Isha 120 minutes after Maghrib instead of 90");
    AddNamed(app,
             {"--high-latitude-rule", "RULE", "",
              "Fajr and Isha where the Sun does not reach their angle, or reaches it further "
              "from sunrise or sunset than the rule allows: none (they do not occur), middle "
              "(the middle of the night), seventh (a seventh of the night), angle (the angle/60 "
              "of the night), recommended (none up to 48 deg of latitude, a seventh of the "
              "night beyond); the night runs from sunset to the next sunrise"},
             given_.highLatitudeRule, kRuleNames);
    AddNamed(app,
             {"--polar-rule", "RULE", "",
              "the prayers still absent after --high-latitude-rule (the Sun does not set or "
              "rise, or never reaches their angle): none (they stay absent), nearest-latitude "
              "(the times of the nearest latitude towards the equator, in steps of 0.5 deg, "
              "where they occur), nearest-day (the times of the nearest date where they occur); "
              "such a time is followed by the rule's name (in JSON: prayerMarks)"},
             given_.polarRule, kPolarRuleNames);
    AddNamed(app,
             {"--shafaq", "NAME", "",
              "with --method moonsighting, the twilight whose end gives Isha: general, red "
              "(shafaq ahmar) or white (shafaq abyad)"},
             given_.shafaq, kShafaqNames);
    AddDecimal(app,
               {"--isha-interval", "MIN", "a number of minutes",
                "Isha that many minutes after Maghrib instead of the method's Isha (0: the "
                "method's)"},
               kIshaIntervalBounds, given_.ishaIntervalMinutes);
    AddDecimal(app,
               {"--maghrib-angle", "DEG", "a Sun altitude in degrees",
                "Maghrib when the Sun's centre sets through it instead of the method's Maghrib "
                "(0: the method's)"},
               kMaghribAngleBounds, given_.maghribAngle);
    AddNamed(app,
             {"--rounding", "MODE", "",
              "the method's prayer times rounded to the minute as timetables print them: none, "
              "nearest or up (the timetables of singapore round up, the others to the nearest); "
              "in JSON the unrounded times stay under prayersUnrounded"},
             given_.rounding, kRoundingNames);
    AddRead(
        app,
        {"--adjust", "LIST",
         "prayers with whole minutes, such as fajr=2,isha=-1: fajr, sunrise, zuhr, asr, "
         "maghrib, isha, each once, minutes from %1 to %2",
         "added to the method's times", "none",
         {Number(kPrayerAdjustmentBounds.low), Number(kPrayerAdjustmentBounds.high)}},
        given_.prayerAdjustments, ParsePrayerAdjustments);
}

}  // namespace tarvel::cli
