// The computer's own clock: whether its time-zone rules keep summer time at a
// local date and time, as the window's summer-time box, the table window's and
// the command line without a zone follow them.
#pragma once

#include <functional>

#include "civil/clock_instant.h"

namespace tarvel {

// The summer-time box after a change of the date picker: for a local start
// instant strictly later than 1970-01-01 12:00:00, whether daylight saving time
// is in force then under the computer's own time-zone rules (the C library's
// conversion of a local time, the daylight-saving state left for it to
// decide); false for earlier instants and when the conversion fails. The zone
// of the zone list plays no part. (A change of the time picker alone leaves
// the box as it is.)
bool SummerTimeForStartInstant(const ClockInstant& localInstant);

// Whether daylight-saving time is in force at a local instant under the
// computer's own time-zone rules (the C library's conversion of a local time
// deciding); false when the conversion fails.
bool CLibraryDaylightTime(const ClockInstant& localInstant);

// The rule above with the computer's daylight-saving state given by the
// caller (the windows ask Qt's time zone, the command-line tool the C
// library): false up to 1970-01-01 12:00:00, isDaylight(localInstant) after.
// The window, the table window and the command-line tool all decide by it.
bool SummerTimeByComputerRule(const ClockInstant& localInstant,
                              const std::function<bool(const ClockInstant&)>& isDaylight);

}  // namespace tarvel
