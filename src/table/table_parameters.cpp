#include "table/table_parameters.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <system_error>
#include <tuple>

#include "astro/calendar.h"
#include "format/printf_text.h"
#include "table/ascii_case.h"

namespace tarvel {


namespace {

struct StepUnitNames {
    TableStepUnit unit;
    std::string_view listText;
    std::string_view name;
};

constexpr StepUnitNames kStepUnitNames[kTableStepUnitCount] = {
    {TableStepUnit::Years, "anni", "years"},       {TableStepUnit::Months, "mesi", "months"},
    {TableStepUnit::Days, "giorni", "days"},       {TableStepUnit::Hours, "ore", "hours"},
    {TableStepUnit::Minutes, "minuti", "minutes"}, {TableStepUnit::Seconds, "secondi", "seconds"},
};


void AdvanceMonth(ClockInstant& t) {
    t.month += 1;
    if (t.month > 12) {
        t.year += (t.month - 13) / 12 + 1;
        t.month = (t.month - 13) % 12 + 1;
    }
}

void AdvanceDay(ClockInstant& t) {
    t.day += 1;
    if (t.day > MonthLength(t.year, t.month, 1)) {
        t.day = 1;
        AdvanceMonth(t);
    }
}

void AdvanceHour(ClockInstant& t) {
    t.hour += 1;
    if (t.hour == 24) {
        t.hour = 0;
        AdvanceDay(t);
    }
}

void AdvanceMinute(ClockInstant& t) {
    t.minute += 1;
    if (t.minute == 60) {
        t.minute = 0;
        AdvanceHour(t);
    }
}

// Bounds of a range message, as the form prints them (15 significant digits).
std::string BoundText(double bound) {
    return PrintfText("%.15g", bound);
}

TableValidation Failure(TableField field, std::string message) {
    return TableValidation{field, std::move(message)};
}

bool InRange(double value, double low, double high) {
    return value >= low && value <= high;  // false for not-a-number
}

TableValidation CheckNumberRange(TableField field, double value, double low, double high,
                                 const TableTexts& texts) {
    if (!InRange(value, low, high)) {
        return Failure(field,
                       FillMessage(texts.numberRangeMessage, BoundText(low), BoundText(high)));
    }
    return {};
}

TableValidation CheckPointRange(int value, const TableTexts& texts) {
    if (value < kTableMinPointCount || value > kTableMaxPointCount) {
        return Failure(TableField::PointCount,
                       FillMessage(texts.integerRangeMessage, PrintfText("%d", kTableMinPointCount),
                                   PrintfText("%d", kTableMaxPointCount)));
    }
    return {};
}

bool IsStartInstantValid(const TableParameters& p) {
    if (p.start.month < 1 || p.start.month > 12 || p.start.year < kTableFirstStartYear ||
        p.start.year > kTableLastStartYear) {
        return false;
    }
    if (p.start.day < 1 || p.start.day > MonthLength(p.start.year, p.start.month, 1)) {
        return false;
    }
    if (p.start.hour < 0 || p.start.hour > 23 || p.start.minute < 0 || p.start.minute > 59) {
        return false;
    }
    if (!(p.start.second >= 0.0 && p.start.second < 60.0)) {
        return false;
    }
    // 3000-01-01 00:00:00 is the last instant the pickers accept.
    if (p.start.year == kTableLastStartYear) {
        return p.start.month == 1 && p.start.day == 1 && p.start.hour == 0 && p.start.minute == 0 &&
               p.start.second == 0.0;
    }
    return true;
}

TableValidation CheckStartAndZone(const TableParameters& p, const TableTexts& texts) {
    if (!IsStartInstantValid(p)) {
        return Failure(
            TableField::StartInstant,
            FillMessage(texts.startInstantMessage, "1900-01-01 00:00:00", "3000-01-01 00:00:00"));
    }
    if (p.zoneRules) {
        return {};  // the rules' offsets, whatever they are
    }
    for (const float offset : kZoneListOffsets) {
        if (p.zoneHours == offset) {
            return {};
        }
    }
    return Failure(TableField::Zone,
                   FillMessage(texts.zoneMessage, PrintfText("%g", double{p.zoneHours})));
}

// The rows must stay within the dates the computation serves, like the start:
// the last one, reached by stepping, no later than 3000-01-01 00:00:00.
TableValidation CheckLastRow(const TableParameters& p, const TableTexts& texts) {
    const ClockInstant last{{kTableLastStartYear, 1, 1, 0, 0, 0.0}};
    const auto key = [](const ClockInstant& i) {
        return std::make_tuple(i.year, i.month, i.day, i.hour, i.minute, i.second);
    };
    ClockInstant row = StartInstant(p);
    for (int i = 1; i < p.pointCount; ++i) {
        AdvanceRowInstant(row, p.stepValue, p.stepUnit);
        if (key(row) > key(last)) {
            return Failure(TableField::PointCount,
                           FillMessage(texts.lastRowMessage, "3000-01-01 00:00:00", ""));
        }
    }
    return {};
}

}  // namespace

std::string_view TableStepUnitListText(TableStepUnit unit) {
    return kStepUnitNames[static_cast<int>(unit)].listText;
}

std::string_view TableStepUnitName(TableStepUnit unit) {
    return kStepUnitNames[static_cast<int>(unit)].name;
}

std::optional<TableStepUnit> ParseTableStepUnit(std::string_view name) {
    for (const StepUnitNames& names : kStepUnitNames) {
        if (EqualIgnoringCase(name, names.name) || EqualIgnoringCase(name, names.listText)) {
            return names.unit;
        }
    }
    return std::nullopt;
}

ClockInstant StartInstant(const TableParameters& p) {
    return ClockInstant{
        {p.start.year, p.start.month, p.start.day, p.start.hour, p.start.minute, p.start.second}};
}

void AdvanceRowInstant(ClockInstant& t, double stepValue, TableStepUnit unit) {
    const int n = static_cast<int>(stepValue);
    switch (unit) {
        case TableStepUnit::Years:
            t.year += n;
            break;
        case TableStepUnit::Months:
            t.month += n;
            if (t.month > 12) {
                t.year += (t.month - 13) / 12 + 1;
                t.month = (t.month - 13) % 12 + 1;
            }
            break;
        case TableStepUnit::Days:
            t.day += n;
            for (int length = MonthLength(t.year, t.month, 1); t.day > length;
                 length = MonthLength(t.year, t.month, 1)) {
                t.day -= length;
                AdvanceMonth(t);
            }
            break;
        case TableStepUnit::Hours:
            t.hour += n;
            if (t.hour > 23) {
                const int k = (t.hour - 24) / 24 + 1;
                t.hour = (t.hour - 24) % 24;
                for (int i = 0; i < k; ++i) {
                    AdvanceDay(t);
                }
            }
            break;
        case TableStepUnit::Minutes:
            t.minute += n;
            if (t.minute > 59) {
                const int k = (t.minute - 60) / 60 + 1;
                t.minute = (t.minute - 60) % 60;
                for (int i = 0; i < k; ++i) {
                    AdvanceHour(t);
                }
            }
            break;
        case TableStepUnit::Seconds:
            t.second += stepValue;
            while (t.second >= 60.0) {
                t.second -= 60.0;
                AdvanceMinute(t);
            }
            break;
    }
}

bool IsFractionalStepRefused(double stepValue, TableStepUnit unit) {
    return unit != TableStepUnit::Seconds && stepValue != std::trunc(stepValue);
}

TableValidation ValidateTableParameters(const TableParameters& p, const TableTexts& texts) {
    if (TableValidation v =
            CheckNumberRange(TableField::Height, p.height, kTableMinHeight, kTableMaxHeight, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckNumberRange(TableField::Longitude, p.longitude, kTableMinLongitude,
                                             kTableMaxLongitude, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckNumberRange(TableField::Latitude, p.latitude, kTableMinLatitude,
                                             kTableMaxLatitude, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckPointRange(p.pointCount, texts); !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckNumberRange(TableField::StepValue, p.stepValue, kTableMinStep,
                                             kTableMaxStep, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckStartAndZone(p, texts); !v.ok()) {
        return v;
    }
    return CheckLastRow(p, texts);
}

TableValidation ReadTableForm(const TableFormTexts& form, TableParameters& p,
                              const TableTexts& texts) {
    double longitude = 0;
    double latitude = 0;
    double height = 0;
    const std::optional<double> longitudeRead =
        ReadSiteAngle(form.longitude, form.longitudeWords, AngleTextStyle::Field);
    if (!longitudeRead) {
        return Failure(TableField::Longitude, texts.numberMessage);
    }
    longitude = *longitudeRead;
    const std::optional<double> latitudeRead =
        ReadSiteAngle(form.latitude, form.latitudeWords, AngleTextStyle::Field);
    if (!latitudeRead) {
        return Failure(TableField::Latitude, texts.numberMessage);
    }
    latitude = *latitudeRead;
    if (!ReadLeadingNumber(form.height, height)) {
        return Failure(TableField::Height, texts.numberMessage);
    }
    p.longitude = longitude;
    p.latitude = latitude;
    p.height = height;
    if (TableValidation v =
            CheckNumberRange(TableField::Height, height, kTableMinHeight, kTableMaxHeight, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckNumberRange(TableField::Longitude, longitude, kTableMinLongitude,
                                             kTableMaxLongitude, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckNumberRange(TableField::Latitude, latitude, kTableMinLatitude,
                                             kTableMaxLatitude, texts);
        !v.ok()) {
        return v;
    }
    int pointCount = 0;
    if (!ReadIntegerText(form.pointCount, pointCount)) {
        return Failure(TableField::PointCount, texts.integerMessage);
    }
    p.pointCount = pointCount;
    if (TableValidation v = CheckPointRange(pointCount, texts); !v.ok()) {
        return v;
    }
    double step = 0;
    if (!ReadLeadingNumber(form.stepValue, step)) {
        return Failure(TableField::StepValue, texts.numberMessage);
    }
    p.stepValue = step;
    if (TableValidation v =
            CheckNumberRange(TableField::StepValue, step, kTableMinStep, kTableMaxStep, texts);
        !v.ok()) {
        return v;
    }
    if (TableValidation v = CheckStartAndZone(p, texts); !v.ok()) {
        return v;
    }
    return CheckLastRow(p, texts);
}

}  // namespace tarvel
