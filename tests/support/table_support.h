// Table parameters shared by the tests of the table, the command-line tool
// and the table window.
#pragma once

#include "table/table_parameters.h"

namespace tarvel::test_support {

// A table from a clock reading at a site (longitude positive WEST), the other
// settings at their defaults.
inline TableParameters TableFrom(int year, int month, int day, int hour, float zone, bool summer,
                                 double latitude, double longitudeWest, double step,
                                 TableStepUnit unit, int pointCount) {
    TableParameters p;
    p.start = {year, month, day, hour, 0, 0.0};
    p.zoneHours = zone;
    p.summerTime = summer;
    p.latitude = latitude;
    p.longitude = longitudeWest;
    p.stepValue = step;
    p.stepUnit = unit;
    p.pointCount = pointCount;
    return p;
}

// Rome on the summer solstice of 2024, noon on the UTC+1 summer clock, a day
// apart.
inline TableParameters RomeSolsticeTable(int pointCount) {
    return TableFrom(2024, 6, 21, 12, 1.0f, true, 41.9, -12.5, 1, TableStepUnit::Days,
                     pointCount);
}

// Milan from 2024-02-28 18:00 on the UTC+1 clock, 120 m, steps of 30 hours.
inline TableParameters MilanTable(int pointCount) {
    TableParameters p =
        TableFrom(2024, 2, 28, 18, 1.0f, false, 45.4642, -9.19, 30, TableStepUnit::Hours,
                  pointCount);
    p.height = 120;
    return p;
}

}  // namespace tarvel::test_support
