// The engine's result texts as the main window shows them, in the interface
// language: the Qibla's words, a dash for an event that does not occur, and
// the tooltip that tells why.
#pragma once

#include <QString>

#include "astro/next_prayer.h"
#include "astro/prayer_times.h"
#include "civil/hijri_date.h"
#include "format/result_texts.h"

namespace tarvel {

// The options of MainWindowResultTexts for the main window: "EST" and "OVEST"
// in the interface language, and dashes for absent events.
ResultTextOptions MainWindowTextOptions();

// Why an event does not occur, as the tooltip of its field; empty for
// EventAbsence::None.
QString AbsenceToolTip(EventAbsence absence);

// The same for a day time of DayTimeTexts: a twilight or the golden hour whose
// altitude the Sun does not reach says so in its own words.
QString DayTimeAbsenceToolTip(DayTimeTextField field, EventAbsence absence);

// A day time on another date than the request's (DayTimeText::dayOffset): its
// text with the table's mark of the other date in place of its leading blank
// ("+00:49:12.0"); the text unchanged on the date.
QString DayTimeFieldText(const DayTimeText& shown);

// The tooltip of a day time on another date: the day in words and the date
// ("Il giorno dopo (+1 giorno): 22/06/2024" in the interface language); empty
// on the date.
QString DayOffsetToolTip(const SolarRequest& request, int dayOffset);

// A method's short name in the prayers' caption, in the interface language
// ("TURCHIA", "TURKEY", "TURQUIA"); empty for the program's own method.
QString MethodCaptionName(PrayerMethod method);

// The tooltip of a prayer time a high-latitude rule gave, naming the rule.
QString HighLatitudeRuleToolTip(HighLatitudeRule rule);

// The tooltip of a prayer time something other than its own crossing gave
// (DayTimes::Mark): the Moonsighting Committee's seasonal limit, Tehran's
// interval after sunset, the nearest latitude or the nearest day, with the
// latitude or the date; empty for PrayerTimeMark::kNone.
QString PrayerMarkToolTip(const DayTimes::Mark& mark, const SolarRequest& request);

// The next prayer and the time left: "Asr fra 1 h 12 min", "Fajr fra 5 min".
QString NextPrayerText(const NextPrayer& next);

// The Qibla as a bearing from north through east, one decimal: "58.5°".
QString QiblaFromNorthText(double qiblaAzimuthFromSouthDeg);

// The Hijri date of a civil date with its month's name in the interface
// language ("1 Ramadan 1445"); the dash where the calendar has none.
QString HijriDateFieldText(HijriCalendar calendar, CalendarDate date);

// Its tooltip: for prayer purposes the evening from Maghrib on belongs to the
// next Hijri day, which it names.
QString HijriDateToolTip(HijriCalendar calendar, CalendarDate date);

}  // namespace tarvel
