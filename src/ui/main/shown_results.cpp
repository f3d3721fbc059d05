#include "ui/main/shown_results.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "chart/chart_data.h"
#include "table/table_layout.h"

namespace tarvel {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CTarvelDlg", text);
}

}  // namespace

ResultTextOptions MainWindowTextOptions() {
    ResultTextOptions options;
    // The Qibla direction's last word: east or west of south.
    options.east = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "EST")).toStdString();
    options.west = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "OVEST")).toStdString();
    options.dashAbsentEvents = true;
    return options;
}

QString AbsenceToolTip(EventAbsence absence) {
    switch (absence) {
        case EventAbsence::None:
            return QString();
        case EventAbsence::PolarDay:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg",
                "Giorno polare: in questa data il Sole non scende sotto l'orizzonte."));
        case EventAbsence::PolarNight:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg", "Notte polare: in questa data il Sole non sale sopra l'orizzonte."));
        case EventAbsence::AltitudeNotReached:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg",
                "In questa data il Sole non raggiunge l'altezza di questa preghiera."));
        case EventAbsence::OtherDate:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg",
                "Evento assente in questa data: sull'orologio cade il giorno prima o il giorno "
                "dopo."));
        case EventAbsence::QiblaNotPassed:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg",
                "In questa data il Sole non passa per la direzione della Qibla fra il sorgere e il "
                "tramonto."));
    }
    return QString();
}

QString DayTimeAbsenceToolTip(DayTimeTextField field, EventAbsence absence) {
    const bool twilight =
        field >= DayTimeTextField::AstronomicalDawn && field <= DayTimeTextField::AstronomicalDusk;
    if (twilight && absence == EventAbsence::AltitudeNotReached) {
        return Translated(QT_TRANSLATE_NOOP(
            "CTarvelDlg", "In questa data il Sole non raggiunge l'altezza di questo evento."));
    }
    return AbsenceToolTip(absence);
}

QString DayTimeFieldText(const DayTimeText& shown) {
    QString text = QString::fromStdString(shown.text);
    const char* mark = OtherDateMark(shown.dayOffset);
    if (*mark == '\0') return text;
    if (text.startsWith(QLatin1Char(' '))) text.remove(0, 1);
    return QLatin1String(mark) + text;
}

QString DayOffsetToolTip(const SolarRequest& request, int dayOffset) {
    if (dayOffset == 0) return QString();
    const CalendarDate date = DateAfterDays({request.year, request.month, request.day}, dayOffset);
    const QString shown =
        QLocale().toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat);
    if (dayOffset > 0) {
        return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Il giorno dopo (+1 giorno): %1"))
            .arg(shown);
    }
    return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Il giorno prima (-1 giorno): %1"))
        .arg(shown);
}

QString MethodCaptionName(PrayerMethod method) {
    switch (method) {
        case PrayerMethod::kTarvel:
            return QString();
        case PrayerMethod::kMuslimWorldLeague:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "MWL"));
        case PrayerMethod::kNorthAmerica:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "ISNA"));
        case PrayerMethod::kEgypt:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "EGITTO"));
        case PrayerMethod::kUmmAlQura:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "MECCA"));
        case PrayerMethod::kKarachi:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "KARACHI"));
        case PrayerMethod::kTehran:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "TEHERAN"));
        case PrayerMethod::kDubai:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "DUBAI"));
        case PrayerMethod::kKuwait:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "KUWAIT"));
        case PrayerMethod::kQatar:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "QATAR"));
        case PrayerMethod::kSingapore:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "SINGAPORE"));
        case PrayerMethod::kTurkey:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "TURCHIA"));
        case PrayerMethod::kCustom:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "PERSONALIZZATO"));
        case PrayerMethod::kMoonsighting:
            return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "MOONSIGHTING"));
    }
    return QString();
}

QString HighLatitudeRuleToolTip(HighLatitudeRule rule) {
    const char* name = nullptr;
    switch (rule) {
        case HighLatitudeRule::kNone:
            return QString();
        case HighLatitudeRule::kMiddleOfTheNight:
            name = QT_TRANSLATE_NOOP("CTarvelDlg", "metà della notte");
            break;
        case HighLatitudeRule::kSeventhOfTheNight:
            name = QT_TRANSLATE_NOOP("CTarvelDlg", "un settimo della notte");
            break;
        case HighLatitudeRule::kTwilightAngle:
            name = QT_TRANSLATE_NOOP("CTarvelDlg", "angolo/60 della notte");
            break;
        case HighLatitudeRule::kRecommended:  // a time names the rule in force
            break;
    }
    if (name == nullptr) return QString();
    return Translated(
               QT_TRANSLATE_NOOP("CTarvelDlg", "Ora data dalla regola per le alte latitudini: %1."))
        .arg(Translated(name));
}

QString PrayerMarkToolTip(const DayTimes::Mark& mark, const SolarRequest& request) {
    switch (mark.by) {
        case PrayerTimeMark::kNone:
            return QString();
        case PrayerTimeMark::kSeasonal:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg", "Ora data dal limite stagionale del Moonsighting Committee."));
        case PrayerTimeMark::kSunsetInterval:
            return Translated(QT_TRANSLATE_NOOP(
                "CTarvelDlg", "Il Sole non raggiunge l'altezza del Maghrib: ora data "
                              "dall'intervallo dopo il tramonto."));
        case PrayerTimeMark::kNearestLatitude:
            return Translated(QT_TRANSLATE_NOOP(
                                  "CTarvelDlg", "Ora data dalla regola polare: latitudine pi\u00f9 "
                                                "vicina, %1\u00b0."))
                .arg(QString::number(mark.latitude, 'f', 1));
        case PrayerTimeMark::kNearestDay: {
            const CalendarDate date =
                DateAfterDays({request.year, request.month, request.day}, mark.days);
            return Translated(QT_TRANSLATE_NOOP(
                                  "CTarvelDlg",
                                  "Ora data dalla regola polare: giorno pi\u00f9 vicino, %1."))
                .arg(QLocale().toString(QDate(date.year, date.month, date.day),
                                        QLocale::ShortFormat));
        }
    }
    return QString();
}

QString NextPrayerText(const NextPrayer& next) {
    QString name;
    switch (next.event) {
        case NextPrayerEvent::kFajr:
            name = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Fajr"));
            break;
        case NextPrayerEvent::kShuruq:
            name = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Shuruq"));
            break;
        case NextPrayerEvent::kZuhr:
            name = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Zuhr"));
            break;
        case NextPrayerEvent::kAsr:
            name = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Asr"));
            break;
        case NextPrayerEvent::kMaghrib:
            name = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Maghrib"));
            break;
        case NextPrayerEvent::kIsha:
            name = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "Isha"));
            break;
    }
    const int hours = next.minutesLeft / 60;
    const int minutes = next.minutesLeft % 60;
    if (hours == 0) {
        return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "%1 fra %2 min")).arg(name).arg(minutes);
    }
    return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "%1 fra %2 h %3 min"))
        .arg(name)
        .arg(hours)
        .arg(minutes);
}

QString QiblaFromNorthText(double qiblaAzimuthFromSouthDeg) {
    double bearing = BearingFromSouthEastAzimuth(qiblaAzimuthFromSouthDeg);
    // 359.96 reads 0.0, not 360.0.
    if (bearing >= 359.95) bearing = 0.0;
    return QString::number(bearing, 'f', 1) + QChar(0x00B0);
}

namespace {

// The interface language's code for the Hijri month names ("it", "en", "pt").
std::string HijriLanguage() {
    return Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "it")).toStdString();
}

}  // namespace

QString HijriDateFieldText(HijriCalendar calendar, CalendarDate date) {
    const std::optional<HijriDate> hijri = HijriDateOf(calendar, date.year, date.month, date.day);
    if (!hijri) return QString::fromUtf8(kAbsentEventText);
    return QString::fromStdString(HijriDateText(calendar, *hijri, HijriLanguage()));
}

QString HijriDateToolTip(HijriCalendar calendar, CalendarDate date) {
    return Translated(QT_TRANSLATE_NOOP("CTarvelDlg",
                                        "Per le preghiere la sera, dal Maghrib, appartiene al "
                                        "giorno seguente del calendario dell'Egira: %1."))
        .arg(HijriDateFieldText(calendar, DateAfterDays(date, 1)));
}

}  // namespace tarvel
