#include "cli/cli_output.h"

#include "format/printf_text.h"
#include "civil/tz_zone_rules.h"

#include <algorithm>
#include <cmath>

#include "cli/cli_conventions.h"
#include "cli/cli_words.h"
#include "format/result_fields.h"

namespace tarvel {

namespace {

// Number of characters (UTF-8 code points) in text.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

nlohmann::ordered_json Number(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

// The main window's group captions.
constexpr std::string_view kSiteCaption = "DATA, ORA E LOCALITA'";
constexpr std::string_view kTimeCaption = "MISURE DEL TEMPO";
constexpr std::string_view kEclipticCaption = "COORDINATE ECLITTICHE";
constexpr std::string_view kGeocentricCaption = "COORDINATE EQUATORIALI GEOCENTRICHE";
constexpr std::string_view kTopocentricCaption = "COORDINATE EQUATORIALI TOPOCENTRICHE";
constexpr std::string_view kHorizontalCaption = "COORDINATE ALTAZIMUTALI";
constexpr std::string_view kGeometricCaption = "VALORI GEOMETRICI";
constexpr std::string_view kApparentCaption = "VALORI APPARENTI";
constexpr std::string_view kPrayersCaption = "PREGHIERE ISLAMICHE";

using F = ResultTextField;

constexpr ReportLine kReportLines[] = {
    {kSiteCaption, F::DeltaT, "DeltaT"},

    {kTimeCaption, F::JulianDay, "Julian day"},
    {kTimeCaption, F::Gmst, "GMST"},
    {kTimeCaption, F::Lmst, "LMST"},
    {kTimeCaption, F::EquationOfTime, "EdT"},
    {kTimeCaption, F::LongitudeDifference, "differenza di longitudine"},
    {kTimeCaption, F::MeanZoneTime, "ora media del fuso"},
    {kTimeCaption, F::MeanLocalTime, "ora media locale"},
    {kTimeCaption, F::TrueZoneTime, "ora vera del fuso"},
    {kTimeCaption, F::TrueLocalTime, "ora vera locale"},
    {kTimeCaption, F::ItalianHours, "ora italica"},
    {kTimeCaption, F::BabylonianHours, "ora babilonese"},
    {kTimeCaption, F::TemporalHours, "ora temporale"},
    {kTimeCaption, F::HoursToSunset, "ore al tramonto"},

    {kEclipticCaption, F::EclipticLatitude, "latitudine"},
    {kEclipticCaption, F::EclipticLongitude, "longitudine"},

    {kGeocentricCaption, F::RightAscension, "AR"},
    {kGeocentricCaption, F::Declination, "declinazione"},

    {kTopocentricCaption, F::TopoRightAscension, "AR"},
    {kTopocentricCaption, F::TopoDeclination, "declinazione"},

    {kHorizontalCaption, F::Azimuth, "azimut"},
    {kHorizontalCaption, F::Altitude, "altezza"},
    {kHorizontalCaption, F::Refraction, "rifrazione"},
    {kHorizontalCaption, F::RefractedAltitude, "altezza con rifrazione"},

    {kGeometricCaption, F::GeometricRise, "sorge"},
    {kGeometricCaption, F::GeometricRiseAzimuth, "azimut"},
    {kGeometricCaption, F::GeometricTransit, "transita"},
    {kGeometricCaption, F::GeometricTransitAltitude, "altezza"},
    {kGeometricCaption, F::GeometricSet, "tramonta"},
    {kGeometricCaption, F::GeometricSetAzimuth, "azimut"},
    {kGeometricCaption, F::GeometricDaylight, "ore di luce"},

    {kApparentCaption, F::ApparentRise, "sorge"},
    {kApparentCaption, F::ApparentRiseAzimuth, "azimut"},
    {kApparentCaption, F::ApparentTransit, "transita"},
    {kApparentCaption, F::ApparentTransitAltitude, "altezza"},
    {kApparentCaption, F::ApparentSet, "tramonta"},
    {kApparentCaption, F::ApparentSetAzimuth, "azimut"},
    {kApparentCaption, F::ApparentDaylight, "ore di luce"},

    {kPrayersCaption, F::Fajr, "Fajr"},
    {kPrayersCaption, F::Zuhr, "Zuhr"},
    {kPrayersCaption, F::Asr1, "Asr 1"},
    {kPrayersCaption, F::Asr2, "Asr 2"},
    {kPrayersCaption, F::Maghrib, "Maghrib"},
    {kPrayersCaption, F::Isha, "Isha"},
    {kPrayersCaption, F::Qibla, "Qibla"},
    {kPrayersCaption, F::QiblaTime, "ora Qibla"},
};

}  // namespace

std::span<const ReportLine> ResultReportLines() {
    return kReportLines;
}

namespace {

// One line of a report with its text.
struct ReportRow {
    std::string_view caption;
    std::string_view label;
    std::string text;
};

// For each group its caption on a line of its own, then "  label: text" lines
// with the texts aligned in one column; a blank line between groups. Captions
// and labels in the words' language.
std::string Report(std::vector<ReportRow> rows, const ReportWords& words) {
    std::vector<std::string> translated;  // keeps the translated words alive
    translated.reserve(rows.size() * 2);
    for (ReportRow& row : rows) {
        if (words.translate == nullptr) break;
        row.caption = translated.emplace_back(words.translate(row.caption));
        row.label = translated.emplace_back(words.translate(row.label));
    }
    std::size_t labelWidth = 0;
    for (const ReportRow& row : rows) {
        labelWidth = std::max(labelWidth, CharacterCount(row.label));
    }
    std::string report;
    std::string_view caption;
    for (const ReportRow& row : rows) {
        if (report.empty() || row.caption != caption) {
            if (!report.empty()) report += "\n";
            caption = row.caption;
            report += std::string(caption) + "\n";
        }
        const std::string label(row.label);
        report += "  " + label + ":" + std::string(labelWidth - CharacterCount(label) + 1, ' ') +
                  row.text + "\n";
    }
    return report;
}

constexpr std::string_view kTwilightsCaption = "CREPUSCOLI E NOTTE";

using D = DayTimeTextField;

// The day times' group, in the order of the day.
constexpr std::pair<DayTimeTextField, std::string_view> kTwilightLines[] = {
    {D::AstronomicalDawn, "alba astronomica"},
    {D::NauticalDawn, "alba nautica"},
    {D::CivilDawn, "alba civile"},
    {D::GoldenHourEnd, "fine ora dorata"},
    {D::GoldenHourStart, "inizio ora dorata"},
    {D::CivilDusk, "crepuscolo civile"},
    {D::NauticalDusk, "crepuscolo nautico"},
    {D::AstronomicalDusk, "crepuscolo astronomico"},
    {D::NightLength, "durata della notte"},
    {D::NightMiddle, "metà della notte"},
    {D::NightLastThird, "ultimo terzo della notte"},
};

}  // namespace

std::string ResultReport(const std::vector<ResultText>& texts, const ReportWords& words) {
    std::vector<ReportRow> rows;
    for (const ReportLine& line : ResultReportLines()) {
        rows.push_back({line.caption, line.label, TextOf(texts, line.field)});
    }
    return Report(std::move(rows), words);
}

namespace {

// The report's words of the additions.
constexpr std::string_view kHijriCaption = "CALENDARIO ISLAMICO";

std::string Said(const ReportWords& words, std::string_view italian) {
    return words.translate != nullptr ? words.translate(italian) : std::string(italian);
}

// The Hijri date with its month's name: "1 Ramadan 1445".
std::string HijriText(const std::optional<HijriDate>& date, const DayTimeAdditions& additions) {
    if (!date) return kAbsentEventText;
    return HijriDateText(additions.calendar, *date, additions.language);
}

}  // namespace

std::string PrayerMarkText(const DayTimes::Mark& mark, const SolarRequest& request,
                           const ReportWords& words) {
    switch (mark.by) {
        case PrayerTimeMark::kSeasonal:
            return Said(words, "limite stagionale");
        case PrayerTimeMark::kSunsetInterval:
            return Said(words, "intervallo dopo il tramonto");
        case PrayerTimeMark::kNearestLatitude:
            return Said(words, "latitudine più vicina") + PrintfText(" %.1f°", mark.latitude);
        case PrayerTimeMark::kNearestDay: {
            const CalendarDate date =
                DateAfterDays({request.year, request.month, request.day}, mark.days);
            return Said(words, "giorno più vicino") +
                   PrintfText(" %04d-%02d-%02d", date.year, date.month, date.day);
        }
        case PrayerTimeMark::kNone:
            break;
    }
    return std::string();
}

std::string ResultReportWithDayTimes(const SolarRequest& request,
                                     const std::vector<ResultText>& texts,
                                     const std::vector<DayTimeText>& days,
                                     const ReportWords& words, const DayTimes* dayTimes,
                                     const DayTimeAdditions* additions) {
    const ResultTextOptions& options = words.options;
    // The mark of a prayer no crossing gave.
    const auto markOf = [&](DayTimeTextField field) -> std::string {
        if (dayTimes == nullptr) return std::string();
        const DayTimes::Marks& m = dayTimes->marks;
        switch (field) {
            case D::Fajr:
                return PrayerMarkText(m.fajr, request, words);
            case D::Sunrise:
                return PrayerMarkText(m.sunrise, request, words);
            case D::Asr1:
                return PrayerMarkText(m.asr1, request, words);
            case D::Asr2:
                return PrayerMarkText(m.asr2, request, words);
            case D::Maghrib:
                return PrayerMarkText(m.maghrib, request, words);
            case D::Isha:
                return PrayerMarkText(m.isha, request, words);
            default:
                return std::string();
        }
    };
    // A time of the method, with the rule that gave it.
    const auto dayText = [&days, &options, &markOf](DayTimeTextField field) {
        const DayTimeText& t = DayTextOf(days, field);
        std::string text = t.text;
        if (t.dayOffset != 0) text += " " + DayOffsetText(t.dayOffset, options);
        if (t.rule != HighLatitudeRule::kNone) {
            text += " (" + HighLatitudeRuleText(t.rule, options) + ")";
        }
        if (t.absence == EventAbsence::None) {
            if (const std::string mark = markOf(field); !mark.empty()) text += " (" + mark + ")";
        }
        return text;
    };
    std::vector<ReportRow> rows;
    for (const ReportLine& line : ResultReportLines()) {
        if (line.caption != kPrayersCaption) {
            rows.push_back({line.caption, line.label, TextOf(texts, line.field)});
            continue;
        }
        switch (line.field) {
            case F::Fajr:
                rows.push_back({line.caption, "metodo", PrayerMethodText(request, options)});
                rows.push_back({line.caption, "regola alte latitudini",
                                HighLatitudeRuleText(request.highLatitudeRule, options)});
                rows.push_back({line.caption, line.label, dayText(D::Fajr)});
                rows.push_back({line.caption, "Shuruq", dayText(D::Sunrise)});
                break;
            case F::Zuhr:
                rows.push_back({line.caption, line.label, dayText(D::Zuhr)});
                break;
            case F::Asr1:
                rows.push_back({line.caption, line.label, dayText(D::Asr1)});
                break;
            case F::Asr2:
                rows.push_back({line.caption, line.label, dayText(D::Asr2)});
                break;
            case F::Maghrib:
                rows.push_back({line.caption, line.label, dayText(D::Maghrib)});
                break;
            case F::Isha:
                rows.push_back({line.caption, line.label, dayText(D::Isha)});
                break;
            default:
                rows.push_back({line.caption, line.label, TextOf(texts, line.field)});
                break;
        }
    }
    for (const auto& [field, label] : kTwilightLines) {
        rows.push_back({kTwilightsCaption, label, dayText(field)});
    }
    if (dayTimes != nullptr && additions != nullptr) {
        const DayTimes& d = *dayTimes;
        const DayTimes::Occurrences& o = d.occurs;
        // The texts, after the blank the time fields start with.
        const auto spaced = [](const std::string& text) { return std::string(1, ' ') + text; };
        // The blue and golden hours, each from one bound to the next.
        const struct {
            std::string_view label;
            double from;
            bool fromOccurs;
            double to;
            bool toOccurs;
        } ranges[] = {
            {"ora blu del mattino", d.civilDawn, o.civilDawn, d.blueHourMorningEnd,
             o.blueHourMorningEnd},
            {"ora dorata del mattino", d.blueHourMorningEnd, o.blueHourMorningEnd,
             d.goldenHourEnd, o.goldenHourEnd},
            {"ora dorata della sera", d.goldenHourStart, o.goldenHourStart,
             d.blueHourEveningStart, o.blueHourEveningStart},
            {"ora blu della sera", d.blueHourEveningStart, o.blueHourEveningStart, d.civilDusk,
             o.civilDusk},
        };
        for (const auto& r : ranges) {
            rows.push_back({kTwilightsCaption, r.label,
                            spaced(ClockRangeText(r.from, r.fromOccurs, r.to, r.toOccurs))});
        }
        rows.push_back({kTwilightsCaption, "variazione durata giorno",
                        spaced(o.dayLengthChange ? DayLengthChangeText(d.dayLengthChange)
                                                 : std::string(kAbsentEventText))});
        const CalendarDate date{request.year, request.month, request.day};
        const CalendarDate next = DateAfterDays(date, 1);
        rows.push_back({kHijriCaption, "data dell'Egira",
                        spaced(HijriText(HijriDateOf(additions->calendar, date.year, date.month,
                                                     date.day),
                                         *additions))});
        rows.push_back({kHijriCaption, "dal Maghrib",
                        spaced(HijriText(HijriDateOf(additions->calendar, next.year, next.month,
                                                     next.day),
                                         *additions))});
    }
    return Report(std::move(rows), words);
}

void AddDayTimeAdditionsJson(nlohmann::ordered_json& json, const SolarRequest& request,
                             const SolarResult& result, const DayTimes& d,
                             const DayTimeAdditions& additions, const EventClocks& clocks) {
    (void)result;
    const CalendarDate date{request.year, request.month, request.day};
    const DayTimes::Occurrences& o = d.occurs;
    const DayTimes::DayOffsets& off = d.dayOffset;
    // A time of the day on the clock of a neighbouring event of the record.
    const auto stamp = [&](bool occurs, double time, int dayOffset,
                           ResultFieldId clockOf) -> nlohmann::ordered_json {
        if (!occurs) return nullptr;
        return IsoTimestamp(date, dayOffset, time, clocks.Of(clockOf).offsetSeconds);
    };
    using F = ResultFieldId;
    json["blueHourMorningStart"] = stamp(o.civilDawn, d.civilDawn, off.civilDawn, F::CivilDawn);
    json["blueHourMorningEnd"] =
        stamp(o.blueHourMorningEnd, d.blueHourMorningEnd, off.blueHourMorningEnd, F::CivilDawn);
    json["goldenHourMorningStart"] = json["blueHourMorningEnd"];
    json["goldenHourMorningEnd"] =
        stamp(o.goldenHourEnd, d.goldenHourEnd, off.goldenHourEnd, F::GoldenHourEnd);
    json["goldenHourEveningStart"] =
        stamp(o.goldenHourStart, d.goldenHourStart, off.goldenHourStart, F::GoldenHourStart);
    json["goldenHourEveningEnd"] = stamp(o.blueHourEveningStart, d.blueHourEveningStart,
                                         off.blueHourEveningStart, F::CivilDusk);
    json["blueHourEveningStart"] = json["goldenHourEveningEnd"];
    json["blueHourEveningEnd"] = stamp(o.civilDusk, d.civilDusk, off.civilDusk, F::CivilDusk);
    json["dayLengthChange"] =
        o.dayLengthChange ? nlohmann::ordered_json(d.dayLengthChange) : nullptr;

    nlohmann::ordered_json marks = nlohmann::ordered_json::object();
    const auto mark = [&](const char* key, const DayTimes::Mark& m) {
        if (m.by == PrayerTimeMark::kNone) return;
        const char* by = m.by == PrayerTimeMark::kSeasonal          ? "seasonal"
                         : m.by == PrayerTimeMark::kSunsetInterval  ? "sunset-interval"
                         : m.by == PrayerTimeMark::kNearestLatitude ? "nearest-latitude"
                                                                    : "nearest-day";
        marks[key] = {{"by", by}, {"latitude", m.latitude}, {"dayOffset", m.days}};
    };
    mark("fajr", d.marks.fajr);
    mark("sunrise", d.marks.sunrise);
    mark("asr1", d.marks.asr1);
    mark("asr2", d.marks.asr2);
    mark("maghrib", d.marks.maghrib);
    mark("isha", d.marks.isha);
    json["prayerMarks"] = marks;

    if (request.rounding != PrayerRounding::kNone && additions.unrounded != nullptr) {
        const DayTimes& u = *additions.unrounded;
        const DayTimes::DayOffsets& uo = u.dayOffset;
        json["prayersUnrounded"] = {
            {"prayerFajr", stamp(u.occurs.fajr, u.fajr, uo.fajr, F::PrayerFajr)},
            {"prayerSunrise", stamp(u.occurs.sunrise, u.sunrise, uo.sunrise, F::PrayerSunrise)},
            {"prayerZuhr", stamp(u.occurs.zuhr, u.zuhr, uo.zuhr, F::PrayerZuhr)},
            {"prayerAsr1", stamp(u.occurs.asr1, u.asr1, uo.asr1, F::PrayerAsr1)},
            {"prayerAsr2", stamp(u.occurs.asr2, u.asr2, uo.asr2, F::PrayerAsr2)},
            {"prayerMaghrib", stamp(u.occurs.maghrib, u.maghrib, uo.maghrib, F::PrayerMaghrib)},
            {"prayerIsha", stamp(u.occurs.isha, u.isha, uo.isha, F::PrayerIsha)},
        };
    }

    json["hijriCalendar"] = std::string(HijriCalendarKey(additions.calendar));
    const std::optional<HijriDate> hijri =
        HijriDateOf(additions.calendar, date.year, date.month, date.day);
    json["hijriDate"] = hijri ? nlohmann::ordered_json(HijriDateKey(*hijri)) : nullptr;
    json["hijriMonthName"] =
        hijri ? nlohmann::ordered_json(
                    HijriMonthName(additions.calendar, hijri->month, additions.language))
              : nullptr;
    const CalendarDate next = DateAfterDays(date, 1);
    const std::optional<HijriDate> evening =
        HijriDateOf(additions.calendar, next.year, next.month, next.day);
    json["hijriDateFromMaghrib"] =
        evening ? nlohmann::ordered_json(HijriDateKey(*evening)) : nullptr;

    nlohmann::ordered_json& q = json["request"];
    q["polarRule"] = std::string(PolarRuleKey(request.polarRule));
    q["shafaq"] = std::string(ShafaqKey(request.shafaq));
    q["ishaIntervalMinutes"] = Number(request.ishaIntervalMinutes);
    q["maghribAngle"] = Number(request.maghribAngle);
    q["rounding"] = std::string(PrayerRoundingKey(request.rounding));
}

nlohmann::ordered_json ResultJson(const SolarRequest& request, const SolarResult& result,
                                  const DayTimes* days, const EventClocks& clocks) {
    nlohmann::ordered_json json;
    json["schemaVersion"] = kJsonSchemaVersion;
    const CalendarDate date{request.year, request.month, request.day};
    // A value in the command line's conventions: an event's time as a
    // timestamp on its clock, an azimuth as a bearing, others as they are.
    const auto value = [&](const ResultField& field) -> nlohmann::ordered_json {
        const double v = field.ValueOf(result, days);
        if (IsEventTime(field.id) && std::isfinite(v)) {
            const EventClock& clock = clocks.Of(field.id);
            return IsoTimestamp(date, clock.dayOffset, v, clock.offsetSeconds);
        }
        if (IsAzimuth(field.id) && std::isfinite(v)) return BearingOf(field.id, v);
        return Number(v);
    };
    for (const ResultField& field : kResultFields) {
        if (field.key.empty()) {
            continue;  // a derived value, not a field of the record
        }
        json[std::string(field.key)] = field.Present(result) ? value(field) : nullptr;
    }
    if (days != nullptr) {
        for (const ResultField& field : kDayTimeFields) {
            const bool present = field.PresentIn(result, days);
            json[std::string(field.key)] = present ? value(field) : nullptr;
            if (!field.ruleKey.empty()) {
                const HighLatitudeRule rule = field.RuleIn(days);
                json[std::string(field.ruleKey)] =
                    present && rule != HighLatitudeRule::kNone
                        ? nlohmann::ordered_json(std::string(HighLatitudeRuleKey(rule)))
                        : nlohmann::ordered_json(nullptr);
            }
        }
    }

    nlohmann::ordered_json& q = json["request"];
    q["year"] = request.year;
    q["month"] = request.month;
    q["day"] = request.day;
    q["hour"] = request.hour;
    q["minute"] = request.minute;
    q["second"] = Number(request.second);
    q["zoneHours"] = Number(request.zoneHours);
    q["zoneMinutes"] = Number(request.zoneMinutes);
    q["latitude"] = Number(request.latitude);
    q["longitude"] = Number(-request.longitude + 0.0);  // east positive
    q["height"] = Number(request.height);
    q["summerTime"] = request.summerTime;
    q["summerShiftSeconds"] = request.summerTime ? request.summerShiftSeconds : 0;
    q["refractionModel"] = static_cast<int>(request.refractionModel);
    q["refractionHeight"] = Number(request.refractionHeight);
    q["humidity"] = Number(request.humidity);
    q["pressure"] = Number(request.pressure);
    q["temperature"] = Number(request.temperature);
    q["fajrAngle"] = Number(request.fajrAngle);
    q["ishaAngle"] = Number(request.ishaAngle);
    q["deltaT"] = Number(request.deltaT);
    q["deltaTGiven"] = request.deltaTGiven;
    if (days != nullptr) {
        q["prayerMethod"] = std::string(MethodParameters(request.prayerMethod).key);
        q["ramadan"] = request.ramadan;
        q["highLatitudeRule"] = std::string(HighLatitudeRuleKey(request.highLatitudeRule));
        const PrayerAdjustments& a = request.prayerAdjustments;
        q["prayerAdjustments"] = {{"fajr", a.fajr}, {"sunrise", a.sunrise}, {"zuhr", a.zuhr},
                                  {"asr", a.asr},   {"maghrib", a.maghrib}, {"isha", a.isha}};
    }
    return json;
}

nlohmann::ordered_json EventClocksJson(const SolarRequest& request, const SolarResult& result,
                                       const DayTimes* days, const EventClocks* clocks) {
    nlohmann::ordered_json members = nlohmann::ordered_json::object();
    const auto add = [&](const ResultField& field) {
        if (!IsEventTime(field.id) || !field.PresentIn(result, days)) return;
        const int offset = clocks != nullptr ? clocks->Of(field.id).dayOffset
                                             : field.DayOffsetIn(days);
        const CalendarDate date = DateAfterDays({request.year, request.month, request.day}, offset);
        nlohmann::ordered_json& member = members[std::string(field.key)];
        member = {{"date", PrintfText("%04d-%02d-%02d", date.year, date.month, date.day)},
                  {"dayOffset", offset}};
        if (clocks != nullptr) member["offsetSeconds"] = clocks->Of(field.id).offsetSeconds;
    };
    if (clocks != nullptr) {
        for (const ResultField& field : kResultFields) add(field);
    }
    if (days != nullptr) {
        for (const ResultField& field : kDayTimeFields) add(field);
    }
    return members;
}

namespace {

std::string ClockText(const ClockInstant& r) {
    return PrintfText("%04d-%02d-%02d %02d:%02d:%02d", r.year, r.month, r.day, r.hour, r.minute,
                      static_cast<int>(r.second));
}

const char* ReadingKindName(ClockReadingKind kind) {
    switch (kind) {
        case ClockReadingKind::Skipped:
            return "skipped";
        case ClockReadingKind::Repeated:
            return "repeated";
        default:
            return "unique";
    }
}

}  // namespace

std::string PlaceAndZoneReport(const std::optional<Place>& place,
                               const std::shared_ptr<const ZoneRules>& rules,
                               const ResolvedReading& reading) {
    if (!rules) return {};
    std::string text;
    if (place) {
        text += CliMessage("Place: %1 (%2, %3)",
                           {place->LocalLabel(),
                            PrintfText("%.4f° %c", std::fabs(place->latitude),
                                       place->latitude < 0.0 ? 'S' : 'N'),
                            LongitudeText(place->longitudeEast)}) +
                "\n";
    }
    const ZoneState& state = reading.state;
    text += CliMessage(state.summerTime ? "Time zone: %1, %2 (summer time)" : "Time zone: %1, %2",
                       {rules->Name(), UtcOffsetText(state.offsetSeconds)}) +
            "\n";
    if (reading.kind == ClockReadingKind::Skipped) {
        text += CliMessage("The time asked for does not exist on this date (the clocks were put "
                           "forward): computed for %1, just after the change.",
                           {ClockText(reading.reading)}) +
                "\n";
    } else if (reading.kind == ClockReadingKind::Repeated) {
        text += CliMessage("The time asked for occurs twice on this date (the clocks were put "
                           "back): computed for its first occurrence, %1.",
                           {UtcOffsetText(state.offsetSeconds)}) +
                "\n";
    }
    return text + "\n";
}

void AddPlaceAndZoneJson(nlohmann::ordered_json& json, const std::optional<Place>& place,
                         const std::shared_ptr<const ZoneRules>& rules,
                         const ResolvedReading& reading) {
    if (!rules) return;
    if (place) {
        json["place"] = {{"name", place->name},
                         {"region", place->region},
                         {"country", place->country},
                         {"latitude", place->latitude},
                         {"longitude", place->longitudeEast},
                         {"timeZone", place->timeZone}};
    }
    json["zone"] = {{"name", rules->Name()},
                    {"offsetSeconds", reading.state.offsetSeconds},
                    {"standardOffsetSeconds", reading.state.standardSeconds},
                    {"summerTime", reading.state.summerTime},
                    {"abbreviation", reading.state.abbreviation},
                    {"clockReading", ReadingKindName(reading.kind)}};
}

void AddEventClockNotes(std::vector<ResultText>& texts, std::vector<DayTimeText>* days,
                        const EventClocks& clocks) {
    for (ResultText& text : texts) {
        const std::optional<ResultFieldId> id = EventTimeField(text.field);
        if (id && text.absence == EventAbsence::None && clocks.Of(*id).offsetDiffers) {
            text.text += " (" + EventClockNote(clocks.Of(*id)) + ")";
        }
    }
    if (days == nullptr) return;
    for (DayTimeText& text : *days) {
        const std::optional<ResultFieldId> id = EventTimeField(text.field);
        if (id && text.absence == EventAbsence::None && clocks.Of(*id).offsetDiffers) {
            text.text += " (" + EventClockNote(clocks.Of(*id)) + ")";
        }
    }
}

std::string PlacesReport(const std::vector<Place>& places) {
    std::string text;
    for (const Place& place : places) {
        // The label's column is 50 characters wide, counted in characters:
        // a longer label is cut to 49 of them and "…".
        // "Roma → Rome, Lazio, Italy"; in Italian "München → Monaco di Baviera, ..."
        std::string label = place.LocalMatchLabel();
        if (CharacterCount(label) > kPlaceLabelColumn) {
            std::size_t end = 0;  // the first byte of the 50th character
            for (std::size_t kept = 0; end < label.size(); ++end) {
                if ((static_cast<unsigned char>(label[end]) & 0xC0) == 0x80) continue;
                if (kept++ == kPlaceLabelColumn - 1) break;
            }
            label = label.substr(0, end) + "…";
        }
        label.append(kPlaceLabelColumn - CharacterCount(label), ' ');
        text += label + PrintfText(" %9.4f %10.4f  %-30s %ld\n", place.latitude,
                                   place.longitudeEast, place.timeZone.c_str(), place.population);
    }
    return text;
}

nlohmann::ordered_json PlacesJson(const std::vector<Place>& places) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const Place& place : places) {
        json.push_back({{"name", place.name},
                        {"region", place.region},
                        {"country", place.country},
                        {"latitude", place.latitude},
                        {"longitude", place.longitudeEast},
                        {"timeZone", place.timeZone},
                        {"population", place.population},
                        {"countryCode", place.countryCode},
                        {"matchedName", place.matchedName},
                        {"exactMatch", place.exactMatch}});
    }
    return json;
}

}  // namespace tarvel
