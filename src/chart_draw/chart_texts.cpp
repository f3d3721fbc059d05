#include "chart_draw/chart_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace tarvel::chart_draw {

QString Tr(const char* text) {
    return QCoreApplication::translate("ChartTexts", text);
}

QString Number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

QString DateText(const ChartDate& date) {
    return QStringLiteral("%1/%2/%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year);
}

QString ClockText(double hours) {
    int minutes = static_cast<int>(std::lround(hours * 60.0));
    minutes = ((minutes % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// A length of time in hours as H:MM, 24:00 included.
QString DurationText(double hours) {
    const int minutes = static_cast<int>(std::lround(std::clamp(hours, 0.0, 24.0) * 60.0));
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The date at a day of the year (0 at 1 January).
ChartDate DateAtDay(int year, double dayOfYear) {
    const std::vector<ChartDate> dates = DatesOfYear(year);
    const int index =
        std::clamp(static_cast<int>(std::floor(dayOfYear)), 0, static_cast<int>(dates.size()) - 1);
    return dates[static_cast<std::size_t>(index)];
}

}  // namespace tarvel::chart_draw
