#include "ui/main/shown_results.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

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

}  // namespace tarvel
