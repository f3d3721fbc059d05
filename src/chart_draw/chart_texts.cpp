#include "chart_draw/chart_texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tarvel::chart_draw {

QString Tr(const char* text) {
    return QCoreApplication::translate("ChartTexts", text);
}

QString Number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

QLocale InterfaceLocale() {
    // The name the translation module gives its language's locale, in the
    // context the windows read it from; the built-in texts are Italian.
    return QLocale(QCoreApplication::translate("InterfaceLocale", "it_IT"));
}

namespace {

// The format with the parts matching drop removed, together with the
// separator between them and the rest.
QString Without(QString format, const QRegularExpression& drop) {
    format.replace(drop, QString());
    return format.trimmed();
}

}  // namespace

QString DateText(const ChartDate& date) {
    const QLocale locale = InterfaceLocale();
    return locale.toString(QDate(date.year, date.month, date.day),
                           locale.dateFormat(QLocale::ShortFormat));
}

QString LongDateText(const ChartDate& date) {
    const QLocale locale = InterfaceLocale();
    static const QRegularExpression weekday(QStringLiteral("dddd[,.]?\\s*"));
    return locale.toString(QDate(date.year, date.month, date.day),
                           Without(locale.dateFormat(QLocale::LongFormat), weekday));
}

QString DayMonthText(const ChartDate& date) {
    const QLocale locale = InterfaceLocale();
    // The year with the separator before it, or after it when it comes first.
    static const QRegularExpression year(QStringLiteral("[^dMy]*y+[^dMy]*$|^y+[^dMy]*"));
    return locale.toString(QDate(date.year, date.month, date.day),
                           Without(locale.dateFormat(QLocale::ShortFormat), year));
}

QString SiteAndZoneText(const ChartModel& model) {
    const auto dms = [](double degrees, const char* positive, const char* negative) {
        const int seconds = static_cast<int>(std::lround(std::abs(degrees) * 3600.0));
        return QStringLiteral("%1°%2'%3\"%4")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'))
            .arg(Tr(degrees < 0 ? negative : positive));
    };
    const QString coordinates = dms(model.latitude, QT_TRANSLATE_NOOP("ChartTexts", "N"),
                                    QT_TRANSLATE_NOOP("ChartTexts", "S")) +
                                QLatin1Char(' ') +
                                dms(-model.longitudeWest, QT_TRANSLATE_NOOP("ChartTexts", "E"),
                                    QT_TRANSLATE_NOOP("ChartTexts", "O"));
    const QString site =
        model.placeName.empty()
            ? coordinates
            : QStringLiteral("%1 (%2)").arg(QString::fromStdString(model.placeName), coordinates);
    QString zone;
    if (!model.zoneName.empty()) {
        zone = QString::fromStdString(model.zoneName);
    } else if (model.summerTime) {
        zone = Tr("%1, ora legale %2")
                   .arg(UtcOffsetText(model.zoneOffsetHours),
                        UtcOffsetText(model.zoneOffsetHours + model.summerShiftHours));
    } else {
        zone = UtcOffsetText(model.zoneOffsetHours);
    }
    return Tr("%1, fuso %2").arg(site, zone);
}

QString UtcOffsetText(double hours) {
    const int minutes = static_cast<int>(std::lround(std::abs(hours) * 60.0));
    return QStringLiteral("UTC%1%2:%3")
        .arg(hours < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
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
