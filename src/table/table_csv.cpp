#include "table/table_csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <utility>

#include "astro/calendar.h"
#include "format/printf_text.h"
#include "table/table_columns.h"

namespace tarvel {

namespace {

constexpr char kRecordEnd[] = "\r\n";

// Date and clock time of a row, the seconds rounded to hundredths with the
// carry into the larger units.
void DateAndTime(const ClockInstant& t, std::string& date, std::string& time) {
    long long hundredths = std::llround(t.second * 100.0);
    long long minute = t.minute;
    long long hour = t.hour;
    int extraDays = 0;
    minute += hundredths / 6000;
    hundredths %= 6000;
    hour += minute / 60;
    minute %= 60;
    extraDays = static_cast<int>(hour / 24);
    hour %= 24;
    ClockInstant dayInstant = t;
    dayInstant.day += extraDays;
    int year = 0;
    int month = 0;
    int day = 0;
    RowCalendarDate(dayInstant, year, month, day);
    date = PrintfText("%04d-%02d-%02d", year, month, day);
    time =
        PrintfText("%02lld:%02lld:%02lld.%02lld", hour, minute, hundredths / 100, hundredths % 100);
}

}  // namespace

std::string RoundTripDecimal(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc()) {
        return {};
    }
    return std::string(buffer, end);
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

namespace {

// The rule in force in the rows (the first row with day times tells: every
// row has the same settings); kNone without day times.
HighLatitudeRule RuleInForce(const std::vector<TableRow>& rows) {
    for (const TableRow& row : rows) {
        if (row.days) return row.days->rule;
    }
    return HighLatitudeRule::kNone;
}

// Whether a time the column shows falls on another date than its row's in
// some row (a day time after midnight or before the date's midnight).
bool ShowsOtherDates(const TableColumn& column, const std::vector<TableRow>& rows) {
    for (const TableRow& row : rows) {
        const DayTimes* days = row.days ? &*row.days : nullptr;
        const ResultField* field = column.ShownField(days);
        if (row.computed && field != nullptr && field->PresentIn(row.result, days) &&
            field->DayOffsetIn(days) != 0) {
            return true;
        }
    }
    return false;
}

// The column's option name ("" for the date and the time).
std::string_view OptionName(const TableColumn& column) {
    for (const TableColumnOption& option : kTableColumnOptions) {
        if (column.flag != nullptr && column.flag == option.flag) return option.name;
    }
    for (const TableDayTimeColumnOption& option : kTableDayTimeColumnOptions) {
        if (column.dayFlag != nullptr && column.dayFlag == option.flag) return option.name;
    }
    return {};
}

// The columns in the order of the names; the date and the time stay first,
// a name's columns keep their table order.
void PutInOrder(std::vector<const TableColumn*>& columns,
                const std::vector<std::string_view>& order) {
    if (order.empty()) return;
    const auto rank = [&order](const TableColumn* column) -> std::ptrdiff_t {
        const std::string_view name = OptionName(*column);
        if (name.empty()) return -1;
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    std::stable_sort(
        columns.begin(), columns.end(),
        [&rank](const TableColumn* a, const TableColumn* b) { return rank(a) < rank(b); });
}

// The header and the records of one CSV: its columns, whether the Fajr and
// Isha columns are followed by their rule's column, and which columns are
// followed by their times' own dates.
struct CsvLayout {
    std::vector<const TableColumn*> columns;
    bool ruleColumns = false;
    std::vector<bool> dateColumn;
    double latitude = 0;
    const CsvConventions* conventions = nullptr;

    CsvLayout(const TableColumnSet& options, double runLatitude, const CsvConventions& given)
        : columns(SelectedTableColumns(options)), latitude(runLatitude), conventions(&given) {
        PutInOrder(columns, given.order);
        dateColumn.assign(columns.size(), false);
    }

    // The rule's column of a Fajr or Isha column, when there is one.
    const ResultField* RuleField(const TableColumn& column) const {
        const ResultField* field = column.methodField;
        return ruleColumns && field != nullptr && !field->ruleName.empty() ? field : nullptr;
    }

    std::string Header() const {
        std::string text;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i != 0) {
                text += ',';
            }
            text += CsvField(std::string(columns[i]->CsvName()));
            if (columns[i]->cell == TableCellKind::Time && conventions->offset) {
                text += ",UtcOffset";
            }
            if (dateColumn[i]) {
                text += ',' + CsvField(std::string(columns[i]->CsvName()) + "Date");
            }
            if (const ResultField* field = RuleField(*columns[i])) {
                text += ',' + CsvField(std::string(field->ruleName));
            }
        }
        text += kRecordEnd;
        return text;
    }

    std::string Record(const TableRow& row) const {
        std::string text;
        std::string date;
        std::string time;
        DateAndTime(row.instant, date, time);
        const DayTimes* days = row.days ? &*row.days : nullptr;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const TableColumn& column = *columns[i];
            if (i != 0) {
                text += ',';
            }
            if (column.cell == TableCellKind::Date) {
                text += date;
                continue;
            }
            if (column.cell == TableCellKind::Time) {
                text += time;
                if (conventions->offset) text += ',' + CsvField(conventions->offset(row));
                continue;
            }
            const ResultField* field = column.ShownField(days);
            const bool present = row.computed &&
                                 !(column.cell == TableCellKind::TemporalHours &&
                                   !(std::fabs(latitude) < kTableTemporalHoursLatitudeLimit)) &&
                                 field->PresentIn(row.result, days);
            if (present) {
                const double value = field->ValueOf(row.result, days);
                text += CsvField(RoundTripDecimal(
                    conventions->value ? conventions->value(field->id, value) : value));
            }
            if (dateColumn[i]) {
                text += ',';
                if (present) {
                    int year = 0;
                    int month = 0;
                    int day = 0;
                    RowCalendarDate(row.instant, year, month, day);
                    const CalendarDate own =
                        DateAfterDays({year, month, day}, field->DayOffsetIn(days));
                    text += PrintfText("%04d-%02d-%02d", own.year, own.month, own.day);
                }
            }
            if (const ResultField* rule = RuleField(column)) {
                text += ',';
                const HighLatitudeRule given = rule->RuleIn(days);
                if (present && given != HighLatitudeRule::kNone) {
                    text += CsvField(std::string(HighLatitudeRuleKey(given)));
                }
            }
        }
        text += kRecordEnd;
        return text;
    }
};

}  // namespace

std::string WriteTableCsv(const TableColumnSet& options, const std::vector<TableRow>& rows,
                          double latitude, const CsvConventions& conventions) {
    CsvLayout layout(options, latitude, conventions);
    // With a high-latitude rule, the Fajr and Isha columns are each followed
    // by the column of their rule mark; a column whose times fall on other
    // dates than their rows' by the column of each time's own date.
    layout.ruleColumns = RuleInForce(rows) != HighLatitudeRule::kNone;
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        layout.dateColumn[i] = ShowsOtherDates(*layout.columns[i], rows);
    }
    std::string text = layout.Header();
    for (const TableRow& row : rows) {
        text += layout.Record(row);
    }
    return text;
}

struct TableCsvRowFormatter::Layout : CsvLayout {
    using CsvLayout::CsvLayout;
};

TableCsvRowFormatter::TableCsvRowFormatter(const TableColumnSet& options, double latitude,
                                           CsvConventions conventions)
    : conventions_(std::move(conventions)),
      layout_(std::make_unique<Layout>(options, latitude, conventions_)) {}

TableCsvRowFormatter::~TableCsvRowFormatter() = default;

std::string TableCsvRowFormatter::Head(const TableParameters& /*parameters*/,
                                       const std::vector<TableRow>& firstRows) {
    // Every row has the same prayer settings: the first rows tell the rule.
    layout_->ruleColumns = RuleInForce(firstRows) != HighLatitudeRule::kNone;
    const DayTimes* days = nullptr;
    for (const TableRow& row : firstRows) {
        if (row.days) {
            days = &*row.days;
            break;
        }
    }
    for (std::size_t i = 0; i < layout_->columns.size(); ++i) {
        const ResultField* field = layout_->columns[i]->ShownField(days);
        layout_->dateColumn[i] = field != nullptr && field->dayOffset != nullptr && days != nullptr;
    }
    return layout_->Header();
}

std::string TableCsvRowFormatter::Line(const TableRow& row, std::string* error) const {
    if (error != nullptr) *error = row.computed ? std::string() : row.error;
    return layout_->Record(row);
}

}  // namespace tarvel
