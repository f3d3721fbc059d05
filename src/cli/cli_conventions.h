// The command line's conventions, which are those of the tools and libraries
// its users combine it with (GPS, ISO 6709, ISO 8601, the usual solar and
// prayer-time libraries), not the window's:
// - longitude: degrees east positive (a bare number on the command line, in
//   the report and in JSON), "12.5E" and "74W" as well;
// - azimuths and the Qibla: bearings in degrees from north through east, in
//   [0, 360);
// - the time of an event in JSON: an ISO 8601 local timestamp with the offset
//   of the clock in force at its instant, "2024-06-22T00:49:12.4+01:00".
// The window keeps its own documented forms (longitude west positive,
// azimuths from the south).
#pragma once

#include <string>
#include <vector>

#include "astro/prayer_times.h"
#include "format/result_fields.h"
#include "format/result_texts.h"

namespace tarvel {

// The version of the JSON's layout, under "schemaVersion": 2 since event
// times are timestamps, azimuths bearings and longitudes east positive.
inline constexpr int kJsonSchemaVersion = 2;

// A Sun's azimuth as the computation gives it (degrees from the south,
// positive towards the west) as a bearing from north through east, [0, 360).
double SunBearing(double azimuthFromSouth);

// The Qibla's azimuth as the computation gives it (degrees from the south,
// positive towards the east) as a bearing from north through east, [0, 360).
double QiblaBearing(double azimuthFromSouth);

// Whether a value of the record is an azimuth, and its bearing if so.
bool IsAzimuth(ResultFieldId id);
double BearingOf(ResultFieldId id, double azimuthFromSouth);

// The local timestamp of a clock time: hours on a clock (in [0, 24]) of the
// date dayOffset days after date, on a clock offsetSeconds east of UTC, to a
// tenth of a second (a time that rounds up to the next day carries into its
// date): "2024-06-22T00:49:12.4+01:00". An offset of seconds beyond its
// minutes (a local mean time) is written "+00:49:56".
std::string IsoTimestamp(const CalendarDate& date, int dayOffset, double hours,
                         long offsetSeconds);

// An offset east of UTC as ISO 8601 writes it: "+01:00", "-03:30", and
// "+00:49:56" for one of seconds beyond its minutes.
std::string UtcOffsetIso(long offsetSeconds);

// A longitude east positive as text, "12.5113° E" or "74.0060° W", four
// decimals.
std::string LongitudeText(double longitudeEast);

// The report's azimuth texts (the horizontal coordinates', the rises' and
// sets') and the Qibla's as bearings from north, in the window's angle form:
// " 135°21'51.6"  (+135.364321)".
void UseBearings(std::vector<ResultText>& texts, const SolarResult& result);

}  // namespace tarvel
