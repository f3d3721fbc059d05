#include "table/table_options.h"

#include <algorithm>
#include <cctype>

#include "table/ascii_case.h"

namespace tarvel {

const std::array<TableColumnOption, kTableColumnFlagCount> kTableColumnOptions = {{
    {"deltaT", &TableOptions::showDeltaT},
    {"gmst", &TableOptions::showGmst},
    {"lmst", &TableOptions::showLmst},
    {"julianDay", &TableOptions::showJulianDay},
    {"equationOfTime", &TableOptions::showEquationOfTime},
    {"longitudeDifference", &TableOptions::showLongitudeDifference},
    {"meanLocalTime", &TableOptions::showMeanLocalTime},
    {"trueZoneTime", &TableOptions::showTrueZoneTime},
    {"trueLocalTime", &TableOptions::showTrueLocalTime},
    {"italianHours", &TableOptions::showItalianHours},
    {"babylonianHours", &TableOptions::showBabylonianHours},
    {"temporalHours", &TableOptions::showTemporalHours},
    {"eclipticLatitude", &TableOptions::showEclipticLatitude},
    {"eclipticLongitude", &TableOptions::showEclipticLongitude},
    {"rightAscension", &TableOptions::showRightAscension},
    {"declination", &TableOptions::showDeclination},
    {"topoRightAscension", &TableOptions::showTopoRightAscension},
    {"topoDeclination", &TableOptions::showTopoDeclination},
    {"geometricTimes", &TableOptions::showGeometricTimes},
    {"geometricAzAlt", &TableOptions::showGeometricAzAlt},
    {"geometricDaylight", &TableOptions::showGeometricDaylight},
    {"apparentTimes", &TableOptions::showApparentTimes},
    {"apparentAzAlt", &TableOptions::showApparentAzAlt},
    {"apparentDaylight", &TableOptions::showApparentDaylight},
    {"azimuth", &TableOptions::showAzimuth},
    {"altitude", &TableOptions::showAltitude},
    {"fajr", &TableOptions::showFajr},
    {"zuhr", &TableOptions::showZuhr},
    {"asr", &TableOptions::showAsr},
    {"maghrib", &TableOptions::showMaghrib},
    {"isha", &TableOptions::showIsha},
    {"qibla", &TableOptions::showQibla},
    {"qiblaTime", &TableOptions::showQiblaTime},
}};

const std::array<TableDayTimeColumnOption, kTableDayTimeColumnFlagCount>
    kTableDayTimeColumnOptions = {{
        {"sunrise", &TableDayTimeColumns::showSunrise},
        {"civilTwilight", &TableDayTimeColumns::showCivilTwilight},
        {"nauticalTwilight", &TableDayTimeColumns::showNauticalTwilight},
        {"astronomicalTwilight", &TableDayTimeColumns::showAstronomicalTwilight},
        {"goldenHour", &TableDayTimeColumns::showGoldenHour},
        {"night", &TableDayTimeColumns::showNight},
    }};

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

void SetAllColumnFlags(TableOptions& options, bool value) {
    for (const TableColumnOption& option : kTableColumnOptions) {
        options.*option.flag = value;
    }
}

std::string ColumnOptionList(const TableOptions& options) {
    std::string list;
    for (const TableColumnOption& option : kTableColumnOptions) {
        if (options.*option.flag) {
            if (!list.empty()) {
                list += ',';
            }
            list += option.name;
        }
    }
    return list;
}

bool AnyDayTimeColumn(const TableDayTimeColumns& columns) {
    for (const TableDayTimeColumnOption& option : kTableDayTimeColumnOptions) {
        if (columns.*option.flag) {
            return true;
        }
    }
    return false;
}

std::string ColumnOptionList(const TableOptions& options, const TableDayTimeColumns& days) {
    std::string list = ColumnOptionList(options);
    for (const TableDayTimeColumnOption& option : kTableDayTimeColumnOptions) {
        if (days.*option.flag) {
            if (!list.empty()) {
                list += ',';
            }
            list += option.name;
        }
    }
    return list;
}

namespace {

// The parser of both lists; days == nullptr: the 33 column names only.
ColumnOptionParse ParseColumns(std::string_view list, TableOptions& options,
                               TableDayTimeColumns* days) {
    TableOptions parsed = options;
    SetAllColumnFlags(parsed, false);
    TableDayTimeColumns parsedDays;
    std::vector<std::string_view> order;
    const auto ordered = [&order](std::string_view name) {
        if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
    };
    const auto all = [&] {
        SetAllColumnFlags(parsed, true);
        for (const TableColumnOption& option : kTableColumnOptions) ordered(option.name);
    };
    const std::string_view whole = Trimmed(list);
    const auto accept = [&] {
        options = parsed;
        if (days != nullptr) {
            *days = parsedDays;
        }
        return ColumnOptionParse{true, {}, {}, {}, std::move(order)};
    };
    if (EqualIgnoringCase(whole, "all")) {
        all();
        return accept();
    }
    if (whole.empty()) {
        return accept();
    }
    std::string_view rest = whole;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view entry = Trimmed(rest.substr(0, comma));
        if (entry.empty()) {
            return {false, "empty column name in \"" + std::string(list) + "\"", {}, {}, {}};
        }
        // "all" in a list gives every column of the window's form beside the
        // others named ("all,sunrise").
        bool found = EqualIgnoringCase(entry, "all");
        if (found) all();
        for (const TableColumnOption& option : kTableColumnOptions) {
            if (!found && EqualIgnoringCase(entry, option.name)) {
                parsed.*option.flag = true;
                ordered(option.name);
                found = true;
            }
        }
        for (const TableDayTimeColumnOption& option : kTableDayTimeColumnOptions) {
            if (!found && days != nullptr && EqualIgnoringCase(entry, option.name)) {
                parsedDays.*option.flag = true;
                ordered(option.name);
                found = true;
            }
        }
        if (!found) {
            TableOptions every;
            SetAllColumnFlags(every, true);
            TableDayTimeColumns everyDay;
            if (days != nullptr) {
                for (const TableDayTimeColumnOption& option : kTableDayTimeColumnOptions) {
                    everyDay.*option.flag = true;
                }
            }
            const std::string known = "all, " + ColumnOptionList(every, everyDay);
            return {false, "unknown column \"" + std::string(entry) + "\"; known columns: " + known,
                    std::string(entry), known, {}};
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    return accept();
}

}  // namespace

ColumnOptionParse ParseColumnOptionList(std::string_view list, TableOptions& options) {
    return ParseColumns(list, options, nullptr);
}

ColumnOptionParse ParseColumnOptionList(std::string_view list, TableOptions& options,
                                        TableDayTimeColumns& days) {
    return ParseColumns(list, options, &days);
}

}  // namespace tarvel
