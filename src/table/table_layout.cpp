#include "table/table_layout.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "astro/calendar.h"
#include "format/printf_text.h"
#include "format/result_texts.h"
#include "format/sexagesimal.h"
#include "civil/zone_rules.h"
#include "table/table_columns.h"
#include "table/text_cells.h"

namespace tarvel {

namespace {

constexpr char kLineEnd[] = "\r\n";

// Largest count of minutes (equation of time) or hours (longitude difference)
// converted to an integer by the own splits of those two columns.
constexpr double kMaxCount = 2147483647.0;

int Magnitude(std::int32_t part) {
    return std::abs(part);
}

std::string SexagesimalHours(const char* format, double hours) {
    const SexagesimalParts p = SplitHours(hours);
    return PrintfText(format, Magnitude(p.whole), Magnitude(p.minutes), std::fabs(p.seconds));
}

// " %02d°%02d'%04.1lf\"" for a value >= 0, "-%02d°%02d'%04.1lf\"" for a negative one.
std::string SexagesimalAngle(double degrees) {
    const SexagesimalParts p = SplitDegrees(degrees);
    const char* format = degrees < 0.0 ? "-%02d°%02d'%04.1lf\"" : " %02d°%02d'%04.1lf\"";
    return PrintfText(format, Magnitude(p.whole), Magnitude(p.minutes), std::fabs(p.seconds));
}

std::string Decimal(double value) {
    return PrintfText("%11.7lf", value);
}

bool IsUndefinedTemporalHours(double temporalHours, double latitude) {
    return !(std::fabs(latitude) < kTableTemporalHoursLatitudeLimit) || std::isnan(temporalHours);
}

}  // namespace

const char* TableErrorCaption(TableTarget target) {
    return target == TableTarget::Window ? "OnBnClickedCompute()" : "ComputeSolarParameters";
}

void RowCalendarDate(const ClockInstant& instant, int& year, int& month, int& day) {
    JulianDate date;
    date.SetDateTime(instant.year, instant.month, instant.day, 12.0, 0.0, 0.0, 1);
    int hour = 0;
    int minute = 0;
    double second = 0;
    date.ToCalendar(year, month, day, hour, minute, second);
}

TableTextWriter::TableTextWriter(const TableColumnSet& options, TableTarget target,
                                 const TableLocale& locale, const TableTexts& texts)
    : options_(options),
      target_(target),
      locale_(locale),
      texts_(texts),
      columns_(SelectedTableColumns(options)) {
    for (const TableColumn* column : columns_) {
        rowLength_ += static_cast<std::size_t>(column->width) + 1;
    }
}

std::string TableTextWriter::MethodTitleValue(const TableParameters& p) const {
    if (p.prayerMethod == PrayerMethod::kTarvel) {
        return std::string();
    }
    SolarRequest request;
    static_cast<ObserverSettings&>(request) = p;
    ResultTextOptions options;
    options.customMethod = texts_.Get(table_string::kCustomMethod);
    return PrayerMethodText(request, options);
}

std::vector<std::pair<std::string, std::string>> TableTextWriter::PrayerTitleItems(
    const TableParameters& p) const {
    namespace s = table_string;
    std::vector<std::pair<std::string, std::string>> items;
    if (const std::string method = MethodTitleValue(p); !method.empty()) {
        items.emplace_back(texts_.Get(s::kPrayerMethod),
                           LocalizeDecimalPoint(method, locale_.decimalSeparator));
    }
    if (p.highLatitudeRule != HighLatitudeRule::kNone) {
        const int rule = static_cast<int>(p.highLatitudeRule) -
                         static_cast<int>(HighLatitudeRule::kMiddleOfTheNight);
        items.emplace_back(texts_.Get(s::kHighLatitudeRule), texts_.Get(s::kFirstRule + rule));
    }
    return items;
}

std::string TableTextWriter::TitleLines(const TableParameters& p) const {
    namespace s = table_string;
    const std::string& separator = locale_.decimalSeparator;
    const std::string& latitudeSide = texts_.Get(p.latitude >= 0.0 ? s::kNorth : s::kSouth);
    const std::string& longitudeSide = texts_.Get(p.longitude >= 0.0 ? s::kWest : s::kEast);
    // Under zone rules: the summer flag of the first row.
    const bool summerTime =
        p.zoneRules ? p.zoneRules->Resolve(StartInstant(p)).state.summerTime : p.summerTime;
    const std::string& summer = texts_.Get(summerTime ? s::kYes : s::kNo);
    const double zone = p.zoneHours;

    std::string text;
    if (target_ == TableTarget::Clipboard) {
        text += texts_.Get(s::kLatitude) + " = \t" +
                LocalizeDecimalPoint(PrintfText("%11.7f", p.latitude), separator) + "\t" +
                latitudeSide + kLineEnd;
        text += texts_.Get(s::kLongitude) + " = \t" +
                LocalizeDecimalPoint(PrintfText("%11.7f", p.longitude), separator) + "\t" +
                longitudeSide + kLineEnd;
        text += texts_.Get(s::kHeight) + " = \t" +
                LocalizeDecimalPoint(PrintfText("%7.1f", p.height), separator) + "\tm" + kLineEnd;
        text += texts_.Get(s::kZone) + " = \t" +
                (p.zoneRules ? p.zoneRules->Name()
                             : LocalizeDecimalPoint(PrintfText("%+.2f", zone), separator)) +
                kLineEnd;
        text += texts_.Get(s::kSummerTime) + " = \t" + summer + kLineEnd;
        for (const auto& [label, value] : PrayerTitleItems(p)) {
            text += label + " = \t" + value + kLineEnd;
        }
        text += kLineEnd;
        return text;
    }

    auto angleLine = [&](int label, double degrees, const std::string& side) {
        std::string value;
        if (options_.decimalAngles) {
            value = PrintfText("%11.7f %s", degrees, side.c_str());
        } else {
            const SexagesimalParts parts = SplitDegrees(degrees);
            value = PrintfText("%02d°%02d'%04.1lf\" %s", Magnitude(parts.whole),
                               Magnitude(parts.minutes), std::fabs(parts.seconds), side.c_str());
        }
        return texts_.Get(label) + " = " + LocalizeDecimalPoint(value, separator) + kLineEnd;
    };
    text += angleLine(s::kLatitude, p.latitude, latitudeSide);
    text += angleLine(s::kLongitude, p.longitude, longitudeSide);
    text += texts_.Get(s::kHeight) + " = " +
            LocalizeDecimalPoint(PrintfText("%7.1f", p.height), separator) + " m" + kLineEnd;
    std::string zoneText;
    if (options_.decimalHours) {
        zoneText = PrintfText("%+.2f", zone);
    } else {
        const SexagesimalParts parts = SplitHours(std::fabs(zone));
        zoneText =
            PrintfText(zone < 0.0 ? "-%02d:%02d:%02.0lf" : "+%02d:%02d:%02.0lf",
                       Magnitude(parts.whole), Magnitude(parts.minutes), std::fabs(parts.seconds));
    }
    if (p.zoneRules) {
        zoneText = p.zoneRules->Name();  // each row takes the offset its rules give
    }
    text += texts_.Get(s::kZone) + " = " + LocalizeDecimalPoint(zoneText, separator) + kLineEnd;
    text += texts_.Get(s::kSummerTime) + " = " + summer + kLineEnd;
    for (const auto& [label, value] : PrayerTitleItems(p)) {
        text += label + " = " + value + kLineEnd;
    }
    text += kLineEnd;
    return text;
}

std::string TableTextWriter::HeadingLines() const {
    namespace s = table_string;
    const bool clipboard = target_ == TableTarget::Clipboard;
    const bool decimalHours = clipboard || options_.decimalHours;
    const bool decimalAngles = clipboard || options_.decimalAngles;
    const std::vector<const TableColumn*>& columns = columns_;

    auto cell = [&](const std::string& heading, int width) {
        const std::string& text = heading.empty() ? std::string(" ") : heading;
        if (clipboard) {
            return text + "\t";
        }
        return CenterInField(text, static_cast<std::size_t>(width)) + "|";
    };

    std::string text;
    for (int line = 0; line < 3; ++line) {
        for (const TableColumn* column : columns) {
            const int id = column->headings[static_cast<std::size_t>(line)];
            text += cell(id == 0 ? std::string() : texts_.Get(id), column->width);
        }
        text += kLineEnd;
    }
    for (const TableColumn* column : columns) {
        std::string unit;
        switch (column->unit) {
            case TableUnitKind::Blank:
                break;
            case TableUnitKind::Hours:
                unit = texts_.Get(decimalHours ? s::kDecimalHourUnit : s::kHourUnit);
                break;
            case TableUnitKind::Angle:
                unit = texts_.Get(decimalAngles ? s::kDecimalAngleUnit : s::kAngleUnit);
                break;
            case TableUnitKind::Seconds:
                unit = "[s]";
                break;
            case TableUnitKind::EquationOfTime:
                unit = decimalHours ? std::string("[s]") : texts_.Get(s::kHourUnit);
                break;
            case TableUnitKind::Refraction:
                if (clipboard) {
                    unit = texts_.Get(s::kDecimalAngleUnit);
                } else {
                    unit = options_.decimalAngles ? std::string("[']")
                                                  : texts_.Get(s::kRefractionUnit);
                }
                break;
        }
        text += cell(unit, column->width);
    }
    text += kLineEnd;
    return text;
}

std::string TableTextWriter::CellText(int columnNumber, const TableRow& row,
                                      double latitude) const {
    const TableColumn& column = kTableColumns.at(static_cast<std::size_t>(columnNumber - 1));
    const bool hours = options_.decimalHours;
    const bool angles = options_.decimalAngles;
    const bool clipboard = target_ == TableTarget::Clipboard;
    const ClockInstant& t = row.instant;
    const DayTimes* days = row.days ? &*row.days : nullptr;
    const ResultField* field = column.ShownField(days);
    double v = field != nullptr ? field->ValueOf(row.result, days) : 0.0;
    if (field != nullptr && field->IsDayTime() && !field->PresentIn(row.result, days)) {
        v = 0.0;  // as the other events that do not occur
    }

    switch (column.cell) {
        case TableCellKind::Date: {
            int year = 0;
            int month = 0;
            int day = 0;
            RowCalendarDate(t, year, month, day);
            return FormatShortDate(year, month, day, locale_);
        }
        case TableCellKind::Time:
            if (hours) {
                const double value = t.hour + t.minute / 60.0 + t.second / 3600.0;
                return PrintfText(clipboard ? "%9.6lf" : "%11.7lf", value);
            }
            return PrintfText("%02d:%02d:%05.2lf", t.hour, t.minute, t.second);
        case TableCellKind::SiderealTime:
            if (hours) {
                return PrintfText(clipboard ? "%9.6lf" : "%11.7lf", v);
            }
            return SexagesimalHours("%02d:%02d:%04.1lf", v);
        case TableCellKind::HoursPlain:
            return hours ? Decimal(v) : SexagesimalHours("%02d:%02d:%04.1lf", v);
        case TableCellKind::HoursBlank:
            return hours ? Decimal(v) : SexagesimalHours(" %02d:%02d:%04.1lf", v);
        case TableCellKind::Angle:
            return angles ? Decimal(v) : SexagesimalAngle(v);
        case TableCellKind::JulianDay:
            return PrintfText("%.8lf", v);
        case TableCellKind::Refraction: {
            // The refraction applied (AppliedRefraction): 0 below the horizon.
            if (angles) {
                return PrintfText("%.4lf", v * 60.0);
            }
            const SexagesimalParts p = SplitDegrees(v);
            return PrintfText(" %02d'%04.1lf\"", Magnitude(p.minutes), std::fabs(p.seconds));
        }
        case TableCellKind::DeltaT:
            return PrintfText("%.1lf", v);
        case TableCellKind::EquationOfTime: {
            if (hours) {
                return PrintfText("%6.2lf", v);
            }
            std::int32_t minutes = 0;
            double seconds = v;
            if (std::fabs(v / 60.0) < kMaxCount) {
                minutes = static_cast<std::int32_t>(v / 60.0);
                seconds = v - 60.0 * minutes;
            }
            return PrintfText(v < 0.0 ? "-%02d:%02d:%05.2lf" : " %02d:%02d:%05.2lf", 0,
                              Magnitude(minutes), std::fabs(seconds));
        }
        case TableCellKind::LongitudeDifference: {
            if (hours) {
                return Decimal(-240.0 * v / 3600.0);
            }
            const double timeSeconds = 240.0 * v;
            std::int32_t h = 0;
            std::int32_t m = 0;
            double seconds = timeSeconds;
            if (std::fabs(timeSeconds / 3600.0) < kMaxCount) {
                h = static_cast<std::int32_t>(timeSeconds / 3600.0);
                m = static_cast<std::int32_t>(timeSeconds / 60.0 - 60.0 * h);
                seconds = timeSeconds - 60.0 * m - 3600.0 * h;
            }
            if (v > 0.0) {
                return PrintfText("-%02d:%02d:%05.2lf", Magnitude(h), Magnitude(m),
                                  std::fabs(seconds));
            }
            return PrintfText(" %02d:%02d:%05.2f", Magnitude(h), Magnitude(m), std::fabs(seconds));
        }
        case TableCellKind::MeanLocalTime:
            return hours ? Decimal(v) : SexagesimalHours("%02d:%02d:%05.2lf", v);
        case TableCellKind::TrueSolarTime:
            return hours ? Decimal(v) : SexagesimalHours(" %02d:%02d:%05.2lf", v);
        case TableCellKind::SignedHours:
            if (hours) {
                return Decimal(v);
            }
            return SexagesimalHours(v < 0.0 ? "-%02d:%02d:%04.1lf" : " %02d:%02d:%04.1lf", v);
        case TableCellKind::TemporalHours:
            if (IsUndefinedTemporalHours(v, latitude)) {
                return hours ? Decimal(0.0) : std::string(" 00:00:00.0");
            }
            return hours ? Decimal(v) : SexagesimalHours(" %02d:%02d:%04.1lf", v);
        case TableCellKind::QiblaAzimuth: {
            if (angles) {
                return Decimal(-v);
            }
            const SexagesimalParts p = SplitDegrees(v);
            const std::string& side =
                texts_.Get(v >= 0.0 ? table_string::kEast : table_string::kWest);
            return PrintfText(" %02d°%02d'%04.1lf\" %s", Magnitude(p.whole), Magnitude(p.minutes),
                              std::fabs(p.seconds), side.c_str());
        }
        case TableCellKind::QiblaTime:
            if (v < 0.0) {
                switch (target_) {
                    case TableTarget::Window:
                        return hours ? "--.------" : "--:--:---";
                    case TableTarget::File:
                        return hours ? "--.------" : " --:--:---";
                    case TableTarget::Clipboard:
                        return hours ? "--.-----" : " --:--:---";
                }
            }
            return hours ? Decimal(v) : SexagesimalHours(" %02d:%02d:%04.1lf", v);
    }
    return {};
}

std::string TableTextWriter::RowLine(const TableRow& row, double latitude,
                                     std::string* error) const {
    if (error != nullptr) {
        error->clear();
    }
    std::string line;
    line.reserve(rowLength_);
    if (!row.computed) {
        if (error != nullptr) {
            *error = row.error;
        }
    } else {
        try {
            const DayTimes* days = row.days ? &*row.days : nullptr;
            for (const TableColumn* column : columns_) {
                const std::string text = CellText(column->number, row, latitude);
                const ResultField* field = column->ShownField(days);
                const bool present = field != nullptr && field->PresentIn(row.result, days);
                const bool marked = present && field->RuleIn(days) != HighLatitudeRule::kNone;
                const char* dateMark = present ? OtherDateMark(field->DayOffsetIn(days)) : "";
                // The rule's mark takes the last blank of a centred cell, the
                // other date's mark the blank just before the time.
                const auto centred = [&] {
                    std::string cell = CenterInField(text, static_cast<std::size_t>(column->width));
                    if (marked) {
                        if (!cell.empty() && cell.back() == ' ') cell.pop_back();
                        cell += kRuleMark;
                    }
                    if (*dateMark != '\0') {
                        const std::size_t first = cell.find_first_not_of(' ');
                        if (first != std::string::npos && first > 0) {
                            cell.replace(first - 1, 1, dateMark);
                        } else {
                            cell.insert(0, dateMark);
                        }
                    }
                    return cell;
                };
                switch (target_) {
                    case TableTarget::Window:
                        line += centred();
                        line += '|';
                        break;
                    case TableTarget::File:
                        line += LocalizeDecimalPoint(centred(), locale_.decimalSeparator);
                        line += '|';
                        break;
                    case TableTarget::Clipboard:
                        // The clipboard localizes its whole rows part; replacing
                        // "." cell by cell gives the same text.
                        line += dateMark;
                        line += LocalizeDecimalPoint(text, locale_.decimalSeparator);
                        if (marked) line += kRuleMark;
                        line += '\t';
                        break;
                }
            }
        } catch (const std::exception& e) {
            if (error != nullptr) {
                *error = e.what();
            }
        }
    }
    line += kLineEnd;
    return line;
}

std::string TableTextWriter::Text(const TableParameters& parameters,
                                  const std::vector<TableRow>& rows,
                                  std::vector<TableRowError>* errors) const {
    std::string text = TitleLines(parameters);
    text += HeadingLines();
    text.reserve(text.size() + rows.size() * rowLength_);
    std::string error;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += RowLine(rows[i], parameters.latitude, &error);
        if (!error.empty() && errors != nullptr) {
            errors->push_back(TableRowError{static_cast<int>(i), error});
        }
    }
    return text;
}

}  // namespace tarvel
