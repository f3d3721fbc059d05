// The texts of the charts: translated in the context "ChartTexts", numbers in
// the default locale, dates in the interface language's own form (the locale
// its translation module names, as the windows' date pickers use it) and
// clock times as HH:MM.
#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include "chart/chart_data.h"
#include "chart/chart_model.h"

namespace tarvel::chart_draw {

QString Tr(const char* text);

// The months' short names, January first, untranslated.
inline constexpr const char* kMonthShortNames[12] = {
    QT_TRANSLATE_NOOP("ChartTexts", "gen"), QT_TRANSLATE_NOOP("ChartTexts", "feb"),
    QT_TRANSLATE_NOOP("ChartTexts", "mar"), QT_TRANSLATE_NOOP("ChartTexts", "apr"),
    QT_TRANSLATE_NOOP("ChartTexts", "mag"), QT_TRANSLATE_NOOP("ChartTexts", "giu"),
    QT_TRANSLATE_NOOP("ChartTexts", "lug"), QT_TRANSLATE_NOOP("ChartTexts", "ago"),
    QT_TRANSLATE_NOOP("ChartTexts", "set"), QT_TRANSLATE_NOOP("ChartTexts", "ott"),
    QT_TRANSLATE_NOOP("ChartTexts", "nov"), QT_TRANSLATE_NOOP("ChartTexts", "dic")};

// Bearings every 45 degrees from the north, untranslated.
inline constexpr const char* kCompassPoints[8] = {
    QT_TRANSLATE_NOOP("ChartTexts", "N"), QT_TRANSLATE_NOOP("ChartTexts", "NE"),
    QT_TRANSLATE_NOOP("ChartTexts", "E"), QT_TRANSLATE_NOOP("ChartTexts", "SE"),
    QT_TRANSLATE_NOOP("ChartTexts", "S"), QT_TRANSLATE_NOOP("ChartTexts", "SO"),
    QT_TRANSLATE_NOOP("ChartTexts", "O"), QT_TRANSLATE_NOOP("ChartTexts", "NO")};

// value with decimals digits after the point, in the default locale.
QString Number(double value, int decimals);
// The locale of the interface language.
QLocale InterfaceLocale();
// The interface language's short form of a date (11/12/26, 12/11/26).
QString DateText(const ChartDate& date);
// Its long form, as the main window shows the date (11 dicembre 2026,
// December 11, 2026), without the day of the week.
QString LongDateText(const ChartDate& date);
// The short form without the year (11/12, 12/11).
QString DayMonthText(const ChartDate& date);
// The title's second line: the place's name or the site's coordinates, and
// the zone's name or its offset from UTC, with the summer shift when in force.
QString SiteAndZoneText(const ChartModel& model);
// An offset from UTC in hours as UTC+HH:MM.
QString UtcOffsetText(double hours);
// The clock time of hours as HH:MM (rounded to the minute, within the day).
QString ClockText(double hours);
// A length of time in hours as H:MM, 24:00 included.
QString DurationText(double hours);
// The date at a day of the year (0 at 1 January).
ChartDate DateAtDay(int year, double dayOfYear);

}  // namespace tarvel::chart_draw
