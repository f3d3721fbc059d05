// The old hour systems of the instant and the length of daylight: Italian
// hours (counted from sunset), Babylonian hours (from sunrise), temporal
// hours (twelve equal hours of each day and each night).
//
// Given:    the true local time of the instant (hours), the half-day arc of
//           the Sun's declination at the instant (hours, from
//           GeometricHalfDayArc, not-a-number where the Sun does not set or
//           does not rise), the clock time of the instant and the searched
//           geometric rise and set on the request's clock.
// Returned: Italian and Babylonian hours in [0, 24]; the temporal hour of the
//           instant in [0, 12], whether it falls in the day, and the clock
//           time of the sunrise (in the day) or sunset (at night) the count
//           starts from; the daylight between a rise and a set, hours.
// Notes:    the Italian and Babylonian hours and the length of the temporal
//           hour come from the instant's half-day arc (geometric horizon);
//           whether the instant is in the day from the searched rise and set.
//           Where the two disagree by a moment, the temporal hour is held
//           within [0, 12]. Where the date lacks a rise or a set the driver
//           shows 0 for the Italian and Babylonian hours and not-a-number for
//           the temporal hours.
// References: the Italian (ab occasu) and Babylonian (ab ortu) hour counts and
//           the temporal (unequal) hours of sundial practice; the half-day arc
//           from Meeus ch. 15.
#pragma once

namespace tarvel {

// Italian hours (since sunset) and Babylonian hours (since sunrise).
struct ItalianBabylonianHours {
    double italian = 0;
    double babylonian = 0;
};

// From the true local time and the half-day arc: Wrap24(true local time -
// (12 +- arc)); both 0 when the arc is not a number.
ItalianBabylonianHours OldHoursAt(double trueLocalTime, double halfDayArc);

// The temporal hour of the instant and the sunrise or sunset it counts from.
struct TemporalHour {
    double hours = 0;  // temporal hours since the sunrise or sunset, [0, 12]
    bool day = false;  // between the searched rise and set
    double start = 0;  // clock time of that sunrise (day) or sunset (night)
};

// The temporal hour at clock time `clock` (summer hour included) with the
// searched geometric rise and set; the sunrise or sunset it counts from is
// local apparent noon -+ the half-day arc on the clock (summer shift in hours,
// the instant's equation of time in seconds, the zone meridian correction in
// hours).
TemporalHour TemporalHourAt(double clock, double geometricRise, double geometricSet,
                            double halfDayArc, double summerHours, double equationOfTimeS,
                            double zoneMeridianHours);

// Length of daylight between a rise and a set of the date, hours in [0, 24]
// (a set before the rise on the clock is the next day's). Without both: for
// one of them alone, twice the half-day arc to altitude h0 of the declination;
// for neither, 24 when the declination and the latitude have the same sign
// (the Sun does not set), otherwise 0.
double DaylightLength(bool riseFound, bool setFound, double rise, double set, double h0,
                      double declination, double latitude);

}  // namespace tarvel
