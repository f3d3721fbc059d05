// The main window driven through its real widgets: typing into the fields,
// changing the pickers and the zone, clicking, Enter and Escape; the texts are
// compared with the engine's own texts for the request the window built.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimeEdit>
#include <cmath>
#include <memory>
#include <string_view>

#include "app/app_settings.h"
#include "astro/calendar.h"
#include "astro/prayer_times.h"
#include "astro/time_scales.h"
#include "cli/cli_output.h"
#include "format/format_texts.h"
#include "format/result_texts.h"
#include "ui/form/dialog_units.h"
#include "ui/form/form_fields.h"
#include "ui/form/form_geometry.h"
#include "ui/form/group_frame.h"
#include "ui/form/time_zones.h"
#include "ui/main/place_zone.h"
#include "ui/main/shown_results.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

// The window with a recording sink, shown and active.
struct Shown {
    RecordingSink sink;
    std::unique_ptr<CTarvelDlg> window;

    explicit Shown(const QDate& date = QDate(2024, 1, 15), const QTime& time = QTime(12, 0, 0),
                   const AppSettings& settings = AppSettings()) {
        window = std::make_unique<CTarvelDlg>(settings, RomeAt(date, time), &sink);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }

    template <typename T>
    T* Get(ControlId id) const {
        return qobject_cast<T*>(window->Control(ControlNumber(id)));
    }
    QLineEdit* Field(ControlId id) const { return Get<QLineEdit>(id); }
};

// Every output text of the window, and the tooltip of an absent event,
// against the engine's texts for the request the window built, as the window
// asks for them; returns the first difference.
QString FirstDifference(const CTarvelDlg& window) {
    const SolarRequest& request = window.LastRequest();
    SolarResult result = CalcSolarParameters(request);
    ReadEventsOnClocks(request, window.ZoneRulesInForce(), result, nullptr);
    for (const ResultText& expected :
         MainWindowResultTexts(request, result, MainWindowTextOptions())) {
        const int id = ControlNumber(ResultTextControl(expected.field));
        const QString shown = window.OutputText(id);
        if (shown != QString::fromStdString(expected.text)) {
            return QStringLiteral("field %1: shown \"%2\", expected \"%3\"")
                .arg(id)
                .arg(shown, QString::fromStdString(expected.text));
        }
        const QString tip = window.Control(id)->toolTip();
        if (expected.field != ResultTextField::DeltaT && tip != AbsenceToolTip(expected.absence)) {
            return QStringLiteral("field %1: tooltip \"%2\", expected \"%3\"")
                .arg(id)
                .arg(tip, AbsenceToolTip(expected.absence));
        }
    }
    return QString();
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ModelDeltaTText(int y, int mo, int d, int h, int mi, int s) {
    JulianDate jd;
    jd.SetDateTime(y, mo, d, h, mi, s, 1);
    return QString::fromStdString(FormatDeltaTModel(DeltaTSeconds(jd.jd)));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void formGeometryIsInDialogUnits();
    void labelsCaptionsAndTitle();
    void tabOrderFollowsTheVisualOrder();
    void zoneListHasTheFortyZones();
    void systemZoneIndex_data();
    void systemZoneIndex();
    void pickersAreLimited();
    void initialValuesInSummer();
    void initialValuesInWinter();
    void firstComputationWhenShown();
    void latitudeOutOfRangeIsRefused();
    void latitudeOutOfRangeIsRefusedOnEnter();
    void longitudeOutOfRangeIsRefused();
    void siteFieldReadsTheLeadingNumber_data();
    void siteFieldReadsTheLeadingNumber();
    void siteFieldsReadSidesAndMinutes_data();
    void siteFieldsReadSidesAndMinutes();
    void placeSetsTheSiteAndTheZonesClock();
    void placesAreSearchedWhileTyping();
    void unknownPlaceIsSaidAndThePlaceKept();
    void missingPlaceIndexIsSaid();
    void siteEditKeepsTheZonesRules();
    void eventsOnAChangeDayNameTheirClock();
    void storedZoneWithDamagedData();
    void negativeHeightIsAccepted();
    void heightOutsideItsBoundsIsRefused();
    void manualDeltaTIsUsedWithOneDecimal();
    void manualDeltaTStaysOnDateChangeAndAutoReplacesIt();
    void deltaTThatIsNotANumberIsZero();
    void temporalHoursAtHighLatitude();
    void qiblaTimeDashesInPolarNight();
    void absentEventsShowADashAndWhy_data();
    void absentEventsShowADashAndWhy();
    void chosenMethodGivesThePrayers_data();
    void chosenMethodGivesThePrayers();
    void prayerUsersEssentials();
    void hijriDateBlueHourAndDayLengthChange();
    void roundingGivesThePrayerToTheMinute_data();
    void roundingGivesThePrayerToTheMinute();
    void twilightGroupShowsTheDayTimes_data();
    void twilightGroupShowsTheDayTimes();
    void summerDateTicksTheBox();
    void timeChangeKeepsTheBox();
    void zoneChangeRecomputes();
    void nowButtonResetsThePresentMoment();
    void enterNeverCloses();
    void escapeCloses();
    void f1AsksForTheWindowsTopic();
    void exitCommandCloses();
    void menuCommands();
    void preferencesRecomputeAfterOk();
    void realMessageBoxShowsTheRangeMessage();
};

void MainWindowTest::formGeometryIsInDialogUnits() {
    Shown s;
    // The design in dialog units of the form's font, grown only where a text
    // needs more room (the texts themselves are checked in texts_fit_test).
    const DialogUnits units(s.window->ClientArea()->font());
    const FormGeometry& geometry = s.window->Geometry();
    QVERIFY(units.averageCharWidth() > 0 && units.charHeight() > 0);
    QCOMPARE(geometry.Units().averageCharWidth(), units.averageCharWidth());
    QCOMPARE(geometry.Units().charHeight(), units.charHeight());
    for (int u = 0; u <= 823; ++u) {
        QVERIFY(geometry.X(u) >= units.X(u) && geometry.X(u + 1) > geometry.X(u));
    }
    QCOMPARE(s.window->DesignedClientSize(), geometry.Size(823, 469));
    // The recorded outer size is the design with the menu and the bars; the
    // window opens with all of it in view.
    QCOMPARE(s.window->InitialOuterSize().width(),
             s.window->DesignedClientSize().width() + s.window->VerticalBar()->width());
    QCOMPARE(s.window->ClientArea()->size(), s.window->InitialOuterSize());

    // Fields, pickers, buttons and groups at their rectangles; the check box
    // there or larger, into the free room around it.
    struct Case {
        int id;
        int x, y, w, h;
    };
    const Case cases[] = {
        {ControlNumber(SiteControl::TimePicker), 142, 21, 52, 15},
        {ControlNumber(SiteControl::DatePicker), 15, 21, 117, 15},
        {ControlNumber(SiteControl::SummerTime), 406, 19, 34, 15},
        {ControlNumber(SiteControl::Latitude), 205, 47, 58, 12},
        {ControlNumber(MainControl::DeltaT), 43, 47, 58, 12},
        {ControlNumber(MainControl::JulianDay), 71, 91, 89, 12},
        {ControlNumber(MainControl::Now), 441, 21, 30, 15},
        {ControlNumber(MainControl::QiblaTime), 685, 308, 78, 12},
        {ControlNumber(MainControl::GeometricTransitAltitude), 681, 45, 113, 12},
        {ControlNumber(SiteControl::Group), 7, 7, 475, 62},
        {ControlNumber(MainControl::PrayersGroup), 503, 240, 269, 89},
    };
    for (const Case& c : cases) {
        QWidget* control = s.window->Control(c.id);
        QVERIFY2(control != nullptr, qPrintable(QString::number(c.id)));
        if (c.id == ControlNumber(SiteControl::SummerTime)) {
            QVERIFY(control->geometry().contains(geometry.Rect(c.x, c.y, c.w, c.h)));
        } else {
            QCOMPARE(control->geometry(), geometry.Rect(c.x, c.y, c.w, c.h));
        }
    }
    // The zone list keeps its place and width; its height is the closed list's.
    QCOMPARE(s.window->Control(ControlNumber(SiteControl::ZoneList))->pos(),
             geometry.Rect(204, 21, 190, 119).topLeft());
    QCOMPARE(s.window->Control(ControlNumber(SiteControl::ZoneList))->width(),
             geometry.Rect(204, 21, 190, 119).width());
    // Labels at their own rectangles, right-aligned ones widened to the left
    // when their text needs it.
    for (const auto& [id, rect] :
         {std::pair{ControlNumber(SiteControl::Latitude), QRect(159, 44, 41, 17)},
          std::pair{ControlNumber(MainControl::LongitudeDifference), QRect(14, 139, 80, 12)},
          std::pair{ControlNumber(MainControl::MeanLocalTime), QRect(159, 143, 77, 11)}}) {
        const QRect placed = s.window->Label(id)->geometry();
        const QRect design = geometry.Rect(rect);
        QCOMPARE(placed.topRight(), design.topRight());
        QCOMPARE(placed.height(), design.height());
        QVERIFY(placed.width() >= design.width());
    }
    // Group boxes are never shown.
    for (int id :
         {ControlNumber(MainControl::TimeGroup), ControlNumber(SiteControl::Group),
          ControlNumber(MainControl::EclipticGroup), ControlNumber(MainControl::GeocentricGroup),
          ControlNumber(MainControl::TopocentricGroup), ControlNumber(MainControl::HorizontalGroup),
          ControlNumber(MainControl::GeometricGroup), ControlNumber(MainControl::ApparentGroup),
          ControlNumber(MainControl::PrayersGroup), ControlNumber(MainControl::PlaceGroup),
          ControlNumber(MainControl::TwilightGroup)}) {
        QVERIFY(qobject_cast<QGroupBox*>(s.window->Control(id)) != nullptr);
        QVERIFY(!s.window->Control(id)->isVisible());
    }
    // Rounded halves away from zero, each edge on its own.
    const DialogUnits seven(7, 15);
    QCOMPARE(seven.X(2), 4);  // 3.5
    QCOMPARE(seven.Y(3), 6);  // 5.625
    QCOMPARE(seven.Rect(1, 1, 1, 1),
             QRect(2, 2, 2, 2));  // 1.75 -> 2, 3.5 -> 4; 1.875 -> 2, 3.75 -> 4
}

void MainWindowTest::labelsCaptionsAndTitle() {
    Shown s;
    QCOMPARE(s.window->windowTitle(), QStringLiteral("Tarvel"));
    QCOMPARE(s.Get<QCheckBox>(SiteControl::SummerTime)->text(), QStringLiteral("ora estiva"));
    QCOMPARE(s.Get<QPushButton>(MainControl::Now)->text(), QStringLiteral("adesso"));
    QCOMPARE(s.Get<QRadioButton>(MainControl::AutomaticDeltaT)->text(), QStringLiteral("auto"));
    QCOMPARE(s.Get<QRadioButton>(MainControl::ManualDeltaT)->text(), QStringLiteral("manuale"));
    const struct {
        int id;
        const char* label;
    } labels[] = {{ControlNumber(SiteControl::Latitude), "latitudine (<0 sud)"},
                  {ControlNumber(SiteControl::Longitude), "longitudine (<0 est)"},
                  {ControlNumber(SiteControl::Height), "altitudine [m]"},
                  {ControlNumber(MainControl::DeltaT), "DeltaT"},
                  {ControlNumber(MainControl::JulianDay), "Julian day"},
                  {ControlNumber(MainControl::LongitudeDifference), "differenza di longitudine"},
                  {ControlNumber(MainControl::RefractedAltitude), "altezza con rifrazione"},
                  {ControlNumber(MainControl::HoursToSunset), "ore al tramonto"},
                  {ControlNumber(MainControl::QiblaTime), "ora Qibla"},
                  {ControlNumber(MainControl::ApparentTransitAltitude), "altezza"}};
    for (const auto& l : labels) {
        QCOMPARE(s.window->Label(l.id)->text(), QString::fromUtf8(l.label));
    }
    // Every result text has a control of its own, each output a read-only,
    // centred edit; beside it the label the command-line report prints before
    // the text, around it the frame of the group whose caption the report
    // prints above it.
    const QList<QGroupBox*> groups = s.window->findChildren<QGroupBox*>();
    QSet<int> controls;
    for (const ReportLine& line : ResultReportLines()) {
        const int id = ControlNumber(ResultTextControl(line.field));
        controls.insert(id);
        QWidget* control = s.window->Control(id);
        QVERIFY2(control != nullptr, qPrintable(QString::number(id)));
        if (line.field != ResultTextField::DeltaT) {
            QLineEdit* field = s.Field(ResultTextControl(line.field));
            QVERIFY2(field != nullptr, qPrintable(QString::number(id)));
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->alignment(), Qt::AlignCenter);
        }
        QCOMPARE(s.window->Label(id)->text(), Utf8(line.label));
        QStringList framing;
        for (const QGroupBox* group : groups) {
            if (group->geometry().contains(control->geometry())) framing << group->title();
        }
        QCOMPARE(framing, QStringList{Utf8(line.caption)});
    }
    QCOMPARE(static_cast<int>(controls.size()), kResultTextFieldCount);
}

void MainWindowTest::tabOrderFollowsTheVisualOrder() {
    Shown s;
    // Tab walks the inputs as they are read, row by row and from left to
    // right (the ΔT mode by its checked button), and leaves out the result
    // fields. After the last input the chain comes back to the first, the
    // date picker; Shift+Tab walks back (a picker's own Tab steps through its
    // sections, so the walk starts after the pickers).
    const auto walk = [&s](Qt::KeyboardModifiers keys, std::initializer_list<ControlId> order) {
        for (ControlId id : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, keys);
            QWidget* focus = QApplication::focusWidget();
            QWidget* control = s.window->Control(ControlNumber(id));
            QVERIFY2(focus == control || control->isAncestorOf(focus),
                     qPrintable(QStringLiteral("expected %1, focus on %2")
                                    .arg(ControlNumber(id))
                                    .arg(focus->objectName())));
        }
    };
    s.window->Control(ControlNumber(SiteControl::SummerTime))->setFocus(Qt::OtherFocusReason);
    walk(Qt::NoModifier, {MainControl::Now, MainControl::DeltaT, MainControl::AutomaticDeltaT,
                          SiteControl::Latitude, SiteControl::Longitude, SiteControl::Height,
                          MainControl::Place, MainControl::ZoneName, SiteControl::DatePicker});
    s.window->Control(ControlNumber(SiteControl::SummerTime))->setFocus(Qt::OtherFocusReason);
    walk(Qt::ShiftModifier, {SiteControl::ZoneList, SiteControl::TimePicker});
    // A result field still takes the focus from the mouse, and its text can be
    // selected and copied.
    QLineEdit* julianDay = s.Field(MainControl::JulianDay);
    QTest::mouseClick(julianDay, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), julianDay);
    QTest::keyClick(julianDay, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(julianDay->selectedText(),
             s.window->OutputText(ControlNumber(MainControl::JulianDay)));
    QVERIFY(!julianDay->selectedText().isEmpty());
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::zoneListHasTheFortyZones() {
    Shown s;
    auto* list = s.Get<QComboBox>(SiteControl::ZoneList);
    QCOMPARE(list->count(), 40);
    QCOMPARE(list->itemText(0), QString::fromUtf8("UTC-11 (BEST \u2013 Bering Standard Time)"));
    QCOMPARE(list->itemText(1),
             QString::fromUtf8("UTC-10 (HST \u2013 Hawaii-Aleutian Standard Time) "));
    QCOMPARE(list->itemText(2), QStringLiteral("UTC-9:30"));
    QCOMPARE(list->itemText(15), QString::fromUtf8("UTC+1 (CET \u2013 Central European Time) "));
    QCOMPARE(list->itemText(23), QStringLiteral("UTC+5:45"));
    QCOMPARE(list->itemText(39), QStringLiteral("UTC+14"));
    QVERIFY(!list->isEditable());
    // Rome's standard offset is +1: entry 15, zoneHours 1, zoneMinutes 60.
    QCOMPARE(list->currentIndex(), 15);
    QCOMPARE(s.window->LastRequest().zoneHours, 1.0f);
    QCOMPARE(s.window->LastRequest().zoneMinutes, 60.0f);
    const float offsets[] = {-11,  -10, -9.5, -9,   -8, -7,   -6, -5,    -4.5, -4,
                             -3.5, -3,  -2,   -1,   0,  1,    2,  3,     3.5,  4,
                             4.5,  5,   5.5,  5.75, 6,  6.5,  7,  8,     8.5,  8.75,
                             9,    9.5, 10,   10.5, 11, 11.5, 12, 12.75, 13,   14};
    for (int i = 0; i < kTimeZoneCount; ++i) {
        QCOMPARE(kZoneListOffsets[i], offsets[i]);
    }
}

void MainWindowTest::systemZoneIndex_data() {
    QTest::addColumn<double>("hoursEast");
    QTest::addColumn<int>("index");
    QTest::newRow("UTC+1") << 1.0 << 15;
    QTest::newRow("UTC+5:45") << 5.75 << 23;
    QTest::newRow("between +5:30 and +5:45") << 5.6 << 23;
    QTest::newRow("UTC-11") << -11.0 << 0;
    QTest::newRow("below the first") << -12.0 << 0;
    QTest::newRow("UTC") << 0.0 << 14;
    QTest::newRow("UTC-3:15") << -3.25 << 11;
    QTest::newRow("UTC+14") << 14.0 << 39;
    QTest::newRow("beyond the last") << 15.0 << 39;
}

void MainWindowTest::systemZoneIndex() {
    QFETCH(double, hoursEast);
    QFETCH(int, index);
    QCOMPARE(SystemZoneIndex(hoursEast), index);
}

void MainWindowTest::pickersAreLimited() {
    Shown s;
    auto* date = s.Get<QDateEdit>(SiteControl::DatePicker);
    auto* time = s.Get<QTimeEdit>(SiteControl::TimePicker);
    QCOMPARE(date->minimumDate(), QDate(1900, 1, 1));
    QCOMPARE(date->maximumDate(), QDate(3000, 1, 1));
    QVERIFY(date->calendarPopup());
    date->setDate(QDate(3500, 6, 1));
    QCOMPARE(date->date(), QDate(3000, 1, 1));
    date->setDate(QDate(1800, 6, 1));
    QCOMPARE(date->date(), QDate(1900, 1, 1));
    // The time picker still covers the whole day, to the second.
    time->setTime(QTime(23, 59, 59));
    QCOMPARE(time->time(), QTime(23, 59, 59));
    QCOMPARE(s.window->LastRequest().second, 59.0);
}

void MainWindowTest::initialValuesInSummer() {
    RecordingSink sink;
    CTarvelDlg window(AppSettings(), RomeAt(QDate(2024, 7, 15), QTime(10, 20, 30)), &sink);
    // Before the first computation: the model's ΔT with six decimals.
    QCOMPARE(window.OutputText(ControlNumber(MainControl::DeltaT)),
             ModelDeltaTText(2024, 7, 15, 10, 20, 30));
    QCOMPARE(
        qobject_cast<QDateEdit*>(window.Control(ControlNumber(SiteControl::DatePicker)))->date(),
        QDate(2024, 7, 15));
    QCOMPARE(
        qobject_cast<QTimeEdit*>(window.Control(ControlNumber(SiteControl::TimePicker)))->time(),
        QTime(10, 20, 30));
    QVERIFY(qobject_cast<QCheckBox*>(window.Control(ControlNumber(SiteControl::SummerTime)))
                ->isChecked());
    QCOMPARE(qobject_cast<QComboBox*>(window.Control(ControlNumber(SiteControl::ZoneList)))
                 ->currentIndex(),
             15);
    QCOMPARE(qobject_cast<QLineEdit*>(window.Control(ControlNumber(SiteControl::Latitude)))->text(),
             QStringLiteral("45"));
    QCOMPARE(
        qobject_cast<QLineEdit*>(window.Control(ControlNumber(SiteControl::Longitude)))->text(),
        QStringLiteral("-8"));
    QCOMPARE(qobject_cast<QLineEdit*>(window.Control(ControlNumber(SiteControl::Height)))->text(),
             QStringLiteral("0"));
    QVERIFY(qobject_cast<QRadioButton*>(window.Control(ControlNumber(MainControl::AutomaticDeltaT)))
                ->isChecked());
    QVERIFY(
        qobject_cast<QLineEdit*>(window.Control(ControlNumber(MainControl::DeltaT)))->isReadOnly());
    QCOMPARE(window.ComputationCount(), 0);
}

void MainWindowTest::initialValuesInWinter() {
    Shown s(QDate(2024, 1, 15), QTime(8, 0, 0));
    QVERIFY(!s.Get<QCheckBox>(SiteControl::SummerTime)->isChecked());
    QCOMPARE(s.Get<QComboBox>(SiteControl::ZoneList)->currentIndex(), 15);
    QVERIFY(!s.window->LastRequest().summerTime);
}

void MainWindowTest::firstComputationWhenShown() {
    Shown s(QDate(2024, 7, 15), QTime(10, 20, 30));
    QCOMPARE(s.window->ComputationCount(), 1);
    const SolarRequest& r = s.window->LastRequest();
    QCOMPARE(r.year, 2024);
    QCOMPARE(r.month, 7);
    QCOMPARE(r.day, 15);
    QCOMPARE(r.hour, 10);
    QCOMPARE(r.minute, 20);
    QCOMPARE(r.second, 30.0);
    QVERIFY(r.summerTime);
    QVERIFY(r.deltaTGiven);
    QCOMPARE(r.latitude, 45.0);
    QCOMPARE(r.longitude, -8.0);
    QCOMPARE(r.height, 0.0);
    QCOMPARE(r.pressure, 1010.0);
    QCOMPARE(r.fajrAngle, -19.0);
    // The first computation reads the six-decimal model value ...
    double modelText = ModelDeltaTText(2024, 7, 15, 10, 20, 30).toDouble();
    QCOMPARE(r.deltaT, modelText);
    // ... and rewrites the field with one decimal.
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::DeltaT)),
             QString::fromStdString(FormatDeltaTShort(modelText)));
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void MainWindowTest::latitudeOutOfRangeIsRefused() {
    Shown s;
    const QString before =
        s.window->OutputText(ControlNumber(MainControl::GeometricTransitAltitude));
    TypeAndLeave(s.Field(SiteControl::Latitude), QStringLiteral("100"),
                 s.Field(SiteControl::Longitude));
    QCOMPARE(s.sink.messages.size(), 1);
    QCOMPARE(s.sink.LastText(), QStringLiteral("Immettere un numero compreso tra -90 e 90."));
    QCOMPARE(s.sink.messages.back().caption, QStringLiteral("Tarvel"));
    QCOMPARE(s.sink.messages.back().icon, QMessageBox::Warning);
    // The focus is back in the field, its text selected; the previous number
    // came back with the refresh and the computation used it.
    QCOMPARE(QApplication::focusWidget(), s.window->Control(ControlNumber(SiteControl::Latitude)));
    QCOMPARE(s.Field(SiteControl::Latitude)->text(), QStringLiteral("45"));
    QCOMPARE(s.Field(SiteControl::Latitude)->selectedText(), QStringLiteral("45"));
    QCOMPARE(s.window->Settings().latitude, 45.0);
    QCOMPARE(s.window->LastRequest().latitude, 45.0);
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::GeometricTransitAltitude)), before);
    QCOMPARE(s.window->ComputationCount(), 2);
}

void MainWindowTest::latitudeOutOfRangeIsRefusedOnEnter() {
    Shown s;
    QLineEdit* latitude = s.Field(SiteControl::Latitude);
    latitude->setFocus(Qt::TabFocusReason);
    latitude->selectAll();
    QTest::keyClicks(latitude, QStringLiteral("100"));
    QTest::keyClick(latitude, Qt::Key_Return);
    QCOMPARE(s.sink.messages.size(), 1);
    QCOMPARE(s.sink.LastText(), QStringLiteral("Immettere un numero compreso tra -90 e 90."));
    QVERIFY(s.window->isVisible());
    QCOMPARE(s.window->LastRequest().latitude, 45.0);
    QCOMPARE(s.window->Settings().latitude, 45.0);
    QCOMPARE(QApplication::focusWidget(), latitude);
}

void MainWindowTest::longitudeOutOfRangeIsRefused() {
    Shown s;
    TypeAndLeave(s.Field(SiteControl::Longitude), QStringLiteral("-180.5"),
                 s.Field(SiteControl::Height));
    QCOMPARE(s.sink.LastText(), QStringLiteral("Immettere un numero compreso tra -180 e 180."));
    QCOMPARE(s.window->Settings().longitude, -8.0);
    QCOMPARE(s.Field(SiteControl::Longitude)->text(), QStringLiteral("-8"));
    // The bound itself is accepted.
    TypeAndLeave(s.Field(SiteControl::Longitude), QStringLiteral("180"),
                 s.Field(SiteControl::Height));
    QCOMPARE(s.sink.messages.size(), 1);
    QCOMPARE(s.window->Settings().longitude, 180.0);
    QCOMPARE(s.window->LastRequest().longitude, 180.0);
}

void MainWindowTest::siteFieldReadsTheLeadingNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::newRow("decimal comma") << "45,5" << 45.5 << "45.5"
                                   << "";
    QTest::newRow("point") << "45.5" << 45.5 << "45.5"
                           << "";
    QTest::newRow("leading blanks, trailing letters") << "  -12.25abc" << -12.25 << "-12.25"
                                                      << "";
    QTest::newRow("exponent") << "1e1" << 10.0 << "10"
                              << "";
    QTest::newRow("empty") << "" << 45.0 << "45"
                           << "Immettere un numero.";
    QTest::newRow("letter first") << "a45" << 45.0 << "45"
                                  << "Immettere un numero.";
    QTest::newRow("comma first") << ",5" << 0.5 << "0.5"
                                 << "";
    QTest::newRow("two separators") << "1,234.5" << 45.0 << "45"
                                    << "Immettere un numero.";
    QTest::newRow("two points") << "45.5.1" << 45.0 << "45"
                                << "Immettere un numero.";
}

void MainWindowTest::siteFieldReadsTheLeadingNumber() {
    QFETCH(QString, typed);
    QFETCH(double, latitude);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    Shown s;
    TypeAndLeave(s.Field(SiteControl::Latitude), typed, s.Field(SiteControl::Longitude));
    QCOMPARE(s.sink.LastText(), message);
    QCOMPARE(s.window->Settings().latitude, latitude);
    QCOMPARE(s.window->LastRequest().latitude, latitude);
    QCOMPARE(s.Field(SiteControl::Latitude)->text(), shown);
}

// A latitude or longitude typed with its side, in the interface's language
// too, and in degrees, minutes and seconds; the window's longitude counts
// west positive, so east gives a negative value.
void MainWindowTest::siteFieldsReadSidesAndMinutes_data() {
    QTest::addColumn<bool>("longitude");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");
    const QString number = QStringLiteral("Immettere un numero.");
    QTest::newRow("12.5E") << true << "12.5E" << -12.5 << "";
    QTest::newRow("12.5 W") << true << "12.5 W" << 12.5 << "";
    QTest::newRow("12.5 O (ovest)") << true << "12.5 O" << 12.5 << "";
    QTest::newRow("12°29'E") << true << "12°29'E" << -(12 + 29 / 60.0) << "";
    QTest::newRow("12.5 plain, west") << true << "12.5" << 12.5 << "";
    QTest::newRow("-12.5E refused") << true << "-12.5E" << -8.0 << number;
    QTest::newRow("12.5N refused") << true << "12.5N" << -8.0 << number;
    QTest::newRow("181E refused") << true << "181E" << -8.0
                                  << "Immettere un numero compreso tra -180 e 180.";
    QTest::newRow("41°54'N") << false << "41°54'N" << 41.9 << "";
    QTest::newRow("41 54 30 N") << false << "41 54 30 N" << 41 + 54 / 60.0 + 30 / 3600.0 << "";
    QTest::newRow("33.9 s") << false << "33.9 s" << -33.9 << "";
    QTest::newRow("41°54′30″S") << false << "41°54′30″S" << -(41 + 54 / 60.0 + 30 / 3600.0) << "";
    QTest::newRow("minutes 60 refused") << false << "41 60 N" << 45.0 << number;
    QTest::newRow("seconds 60 refused") << false << "41°54'60\"" << 45.0 << number;
    QTest::newRow("decimal degrees with minutes refused") << false << "41.5 30" << 45.0 << number;
    QTest::newRow("unknown side refused") << false << "41°54'X" << 45.0 << number;
}

void MainWindowTest::siteFieldsReadSidesAndMinutes() {
    QFETCH(bool, longitude);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, message);
    Shown s;
    QLineEdit* field = s.Field(longitude ? SiteControl::Longitude : SiteControl::Latitude);
    // Keys for the marks beyond ASCII (degree, prime) carry their text.
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : typed) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    s.Field(SiteControl::Height)->setFocus(Qt::TabFocusReason);
    QCOMPARE(s.sink.LastText(), message);
    const double obtained =
        longitude ? s.window->LastRequest().longitude : s.window->LastRequest().latitude;
    QVERIFY2(
        std::abs(obtained - value) < 1e-12,
        qPrintable(QStringLiteral("\"%1\": %2, expected %3").arg(typed).arg(obtained).arg(value)));
    if (message.isEmpty()) QCOMPARE(field->text(), FieldNumberText(obtained));
}

// Enter on a name no place has: the field says so and shows again the place
// whose results the window keeps.
void MainWindowTest::unknownPlaceIsSaidAndThePlaceKept() {
    Shown s;
    auto* place = qobject_cast<PlaceField*>(s.window->Control(ControlNumber(MainControl::Place)));
    QVERIFY(place != nullptr);
    place->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(place, QStringLiteral("Rom"));
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(place->text(), QStringLiteral("Roma, Lazio, Italia"));
    s.Field(SiteControl::Height)->setFocus(Qt::OtherFocusReason);
    place->setFocus(Qt::OtherFocusReason);
    place->selectAll();
    QTest::keyClicks(place, QStringLiteral("Xyzzyville"));
    QTRY_VERIFY(!place->Searching());
    QTRY_VERIFY(!place->completer()->popup()->isVisible());  // nothing to offer
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(place->text(), QStringLiteral("Roma, Lazio, Italia"));
    QCOMPARE(place->toolTip(), QStringLiteral("Nessun luogo trovato per \u00ABXyzzyville\u00BB."));
    QCOMPARE(s.Field(SiteControl::Latitude)->text(), QStringLiteral("41.89193"));
    QVERIFY(s.sink.messages.isEmpty());
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// Without the places' index (ctest runs this with TARVEL_PLACES_INDEX naming
// a file that is not there) the field says why nothing is found; the site
// typed by its coordinates still computes.
void MainWindowTest::missingPlaceIndexIsSaid() {
    const QString index = qEnvironmentVariable("TARVEL_PLACES_INDEX");
    if (index.isEmpty()) QSKIP("run by ctest without the places' index");
    Shown s;
    auto* place = qobject_cast<PlaceField*>(s.window->Control(ControlNumber(MainControl::Place)));
    QVERIFY(place != nullptr);
    place->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(place, QStringLiteral("Roma"));
    QTRY_VERIFY(!place->Searching());
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(place->toolTip(),
             QStringLiteral("L'indice dei luoghi %1 manca o \u00E8 danneggiato: nessun luogo si "
                            "pu\u00F2 trovare per nome. Reinstallare il programma, o immettere "
                            "latitudine, longitudine e fuso.")
                 .arg(index));
    TypeAndLeave(s.Field(SiteControl::Latitude), QStringLiteral("41\u00B054'N"),
                 s.Field(SiteControl::Height));
    QCOMPARE(s.window->LastRequest().latitude, 41.9);
}

// The places for the text as typed arrive from a search away from the
// interface's thread: typing on while it runs offers those of the last text,
// and Enter while it runs takes the first place of the text as it stands,
// after which no late answer opens the list again.
void MainWindowTest::placesAreSearchedWhileTyping() {
    Shown s;
    auto* place = qobject_cast<PlaceField*>(s.window->Control(ControlNumber(MainControl::Place)));
    QVERIFY(place != nullptr);
    place->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(place, QStringLiteral("Lond"));
    QTest::keyClicks(place, QStringLiteral("on, Ca"));
    QTRY_VERIFY(!place->Searching());
    QAbstractItemModel* offers = place->completer()->model();
    // In the interface's language, Italian here.
    const std::vector<Place> expected = FindPlaces("London, Ca", 10, PlaceNames::kItalian);
    QVERIFY(expected.size() > 1);  // London in Ontario, London in California
    QCOMPARE(offers->rowCount(), static_cast<int>(expected.size()));
    for (int row = 0; row < offers->rowCount(); ++row) {
        QCOMPARE(offers->index(row, 0).data().toString(),
                 QString::fromStdString(expected[static_cast<std::size_t>(row)].LocalMatchLabel()));
    }
    QTRY_VERIFY(place->completer()->popup()->isVisible());
    place->completer()->popup()->hide();

    place->clear();
    QTest::keyClicks(place, QStringLiteral("Rom"));
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(place->text(), QStringLiteral("Roma, Lazio, Italia"));
    QVERIFY(!place->Searching());
    QTest::qWait(300);  // time for a late answer to arrive: it must change nothing
    QCOMPARE(place->text(), QStringLiteral("Roma, Lazio, Italia"));
    QVERIFY(!place->completer()->popup()->isVisible());
    QCOMPARE(s.Field(SiteControl::Latitude)->text(), QStringLiteral("41.89193"));
}

// Typing a city and taking the first place offered sets the site and puts
// the clock on the place's zone rules, which then follow every date and
// time; ticking the summer box by hand returns to the manual entry.
void MainWindowTest::placeSetsTheSiteAndTheZonesClock() {
    Shown s(QDate(2024, 3, 31), QTime(2, 30, 0));
    auto* place = qobject_cast<PlaceField*>(s.window->Control(ControlNumber(MainControl::Place)));
    QVERIFY(place != nullptr);
    // "Rom" is one of Rome's names (German): the offer says so.
    QCOMPARE(place->Offered(QStringLiteral("Rom")).value(0),
             QStringLiteral("Rom \u2192 Roma, Lazio, Italia"));
    QCOMPARE(place->Offered(QStringLiteral("sao paulo")).value(0),
             QStringLiteral("São Paulo \u2192 San Paolo, São Paulo, Brasile"));
    place->setFocus(Qt::OtherFocusReason);
    place->clear();
    QTest::keyClicks(place, QStringLiteral("Rom"));
    QTest::keyClick(place, Qt::Key_Return);

    QVERIFY(s.window->ZoneRulesInForce() != nullptr);
    QCOMPARE(QString::fromStdString(s.window->ZoneRulesInForce()->Name()),
             QStringLiteral("Europe/Rome"));
    QCOMPARE(place->text(), QStringLiteral("Roma, Lazio, Italia"));
    QCOMPARE(s.Field(SiteControl::Latitude)->text(), QStringLiteral("41.89193"));
    QCOMPARE(s.Field(SiteControl::Longitude)->text(), QStringLiteral("-12.51133"));
    // 02:30 does not exist on 31 March 2024 in Rome: 03:00 summer time is
    // computed, and the window says so.
    const QString info =
        qobject_cast<QLabel*>(s.window->Control(ControlNumber(MainControl::ZoneInfo)))->text();
    QVERIFY2(info.startsWith(QStringLiteral("Europe/Rome — UTC+1, estate UTC+2\n")),
             qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("03:00:00")), qPrintable(info));
    QVERIFY(s.window->Control(ControlNumber(SiteControl::TimePicker))
                ->toolTip()
                .contains(QStringLiteral("03:00:00")));
    QCOMPARE(s.window->LastRequest().hour, 3);
    QCOMPARE(s.window->LastRequest().zoneHours, 1.0f);
    QVERIFY(s.window->LastRequest().summerTime);
    QVERIFY(s.Get<QCheckBox>(SiteControl::SummerTime)->isChecked());
    QVERIFY(s.sink.messages.isEmpty());
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // A date in winter: standard time, by the rules.
    s.Get<QDateEdit>(SiteControl::DatePicker)->setDate(QDate(2024, 1, 15));
    QVERIFY(!s.Get<QCheckBox>(SiteControl::SummerTime)->isChecked());
    QVERIFY(!s.window->LastRequest().summerTime);
    QCOMPARE(s.window->LastRequest().hour, 2);

    // The box ticked by hand: the manual entry again, the site kept.
    QTest::mouseClick(s.Get<QCheckBox>(SiteControl::SummerTime), Qt::LeftButton);
    QVERIFY(s.window->ZoneRulesInForce() == nullptr);
    QVERIFY(place->text().isEmpty());
    QVERIFY(s.window->LastRequest().summerTime);
    QCOMPARE(s.window->LastRequest().latitude, 41.89193);
    QVERIFY(s.window->ZoneName().isEmpty());

    // Kept between runs: the place and the zone come back by name.
    s.window->RestorePlaceAndZone(QStringLiteral("São Paulo, Brazil"),
                                  QStringLiteral("America/Sao_Paulo"));
    QCOMPARE(s.window->ZoneName(), QStringLiteral("America/Sao_Paulo"));
    // Stored by its English label, shown in the interface's language.
    QCOMPARE(s.window->PlaceLabel(), QStringLiteral("São Paulo, Brazil"));
    QCOMPARE(place->text(), QStringLiteral("San Paolo, São Paulo, Brasile"));
    QCOMPARE(s.window->LastRequest().zoneHours, -3.0f);
    QCOMPARE(s.window->LastRequest().latitude, -23.5475);
    QCOMPARE(s.window->LastRequest().longitude, 46.63611);
    s.window->RestorePlaceAndZone(QString(), QStringLiteral("Mars/Olympus_Mons"));
    QCOMPARE(s.window->ZoneName(), QStringLiteral("America/Sao_Paulo"));
}

// Correcting a coordinate of a chosen place forgets the place's name only:
// the zone's rules stay, and a later date takes its summer time from them,
// not from the computer's rules (Rome's, here).
void MainWindowTest::siteEditKeepsTheZonesRules() {
    Shown s(QDate(2024, 1, 15), QTime(12, 0, 0));
    auto* place = qobject_cast<PlaceField*>(s.window->Control(ControlNumber(MainControl::Place)));
    place->setFocus(Qt::OtherFocusReason);
    place->clear();
    QTest::keyClicks(place, QStringLiteral("Makkah"));
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(s.window->ZoneName(), QStringLiteral("Asia/Riyadh"));

    TypeAndLeave(s.Field(SiteControl::Latitude), QStringLiteral("21.4225"),
                 s.Field(SiteControl::Longitude));
    QCOMPARE(s.window->ZoneName(), QStringLiteral("Asia/Riyadh"));
    QVERIFY(s.window->PlaceLabel().isEmpty());
    QVERIFY(place->text().isEmpty());
    QCOMPARE(s.window->LastRequest().latitude, 21.4225);

    s.Get<QDateEdit>(SiteControl::DatePicker)->setDate(QDate(2024, 7, 15));
    QVERIFY(!s.Get<QCheckBox>(SiteControl::SummerTime)->isChecked());
    QVERIFY(!s.window->LastRequest().summerTime);
    QCOMPARE(s.window->LastRequest().zoneHours, 3.0f);
    QCOMPARE(s.window->ZoneName(), QStringLiteral("Asia/Riyadh"));
}

// Asked at 01:00 on the day the clocks go forward, the rise is read on
// summer time, and its tooltip says so.
void MainWindowTest::eventsOnAChangeDayNameTheirClock() {
    Shown s(QDate(2024, 3, 31), QTime(1, 0, 0));
    s.window->RestorePlaceAndZone(QStringLiteral("Rome, Lazio, Italy"),
                                  QStringLiteral("Europe/Rome"));
    s.Get<QDateEdit>(SiteControl::DatePicker)->setDate(QDate(2024, 3, 31));
    s.Get<QTimeEdit>(SiteControl::TimePicker)->setTime(QTime(1, 0, 0));
    QCOMPARE(s.window->LastRequest().hour, 1);
    QVERIFY(!s.window->LastRequest().summerTime);
    const int rise = ControlNumber(ResultTextControl(ResultTextField::ApparentRise));
    QVERIFY2(s.window->OutputText(rise).startsWith(QStringLiteral(" 06:53:5")),
             qPrintable(s.window->OutputText(rise)));
    QCOMPARE(s.window->Control(rise)->toolTip(),
             QStringLiteral("Ora dell'orologio in vigore a quell'istante: UTC+2 CEST"));
}

// Run with TARVEL_DAMAGED_ZONE naming a zone whose file is damaged (ctest
// does so in a private mount namespace, tests/ui/with_damaged_zone.sh): the
// window that finds it stored keeps its clock by hand and says why where the
// zone's rules would be, instead of ending.
void MainWindowTest::storedZoneWithDamagedData() {
    const QString zone = qEnvironmentVariable("TARVEL_DAMAGED_ZONE");
    if (zone.isEmpty()) QSKIP("run by ctest with a damaged zone file");
    Shown s(QDate(2024, 7, 15), QTime(12, 0, 0));
    const CTarvelDlg::RestoredNames taken = s.window->RestorePlaceAndZone(QString(), zone);
    QVERIFY(!taken.zone);
    QVERIFY(s.window->ZoneRulesInForce() == nullptr);
    QVERIFY(s.window->ZoneName().isEmpty());
    bool said = false;
    for (const QLabel* label : s.window->findChildren<QLabel*>()) {
        said = said || label->text() == ZoneDataDamagedText(zone);
    }
    QVERIFY(said);
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// One bound for the height in every window and on the command line: the Dead
// Sea's shore is accepted, -5000 m and 1e9 m are refused and the height kept.
void MainWindowTest::heightOutsideItsBoundsIsRefused() {
    Shown s;
    TypeAndLeave(s.Field(SiteControl::Height), QStringLiteral("-430"),
                 s.Field(SiteControl::Latitude));
    QVERIFY(s.sink.messages.isEmpty());
    QCOMPARE(s.window->LastRequest().height, -430.0);
    for (const QString& typed : {QStringLiteral("-5000"), QStringLiteral("1e9")}) {
        TypeAndLeave(s.Field(SiteControl::Height), typed, s.Field(SiteControl::Latitude));
        QCOMPARE(s.sink.LastText(),
                 QStringLiteral("Immettere un numero compreso tra -1000 e 20000."));
        QCOMPARE(s.window->Settings().height, -430.0);
        QCOMPARE(s.window->LastRequest().height, -430.0);
    }
}

void MainWindowTest::negativeHeightIsAccepted() {
    Shown s;
    TypeAndLeave(s.Field(SiteControl::Height), QStringLiteral("-250"),
                 s.Field(SiteControl::Latitude));
    QVERIFY(s.sink.messages.isEmpty());
    QCOMPARE(s.window->Settings().height, -250.0);
    QCOMPARE(s.window->LastRequest().height, -250.0);
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void MainWindowTest::manualDeltaTIsUsedWithOneDecimal() {
    Shown s;
    auto* manual = s.Get<QRadioButton>(MainControl::ManualDeltaT);
    QTest::mouseClick(manual, Qt::LeftButton);
    QVERIFY(manual->isChecked());
    QVERIFY(!s.Field(MainControl::DeltaT)->isReadOnly());
    const int count = s.window->ComputationCount();
    TypeAndLeave(s.Field(MainControl::DeltaT), QStringLiteral("69.184"),
                 s.Field(SiteControl::Height));
    QCOMPARE(s.window->ComputationCount(), count + 1);
    // That computation read the typed text; the field then shows one decimal.
    QCOMPARE(s.window->LastRequest().deltaT, 69.184);
    QCOMPARE(s.Field(MainControl::DeltaT)->text(), QStringLiteral("69.2"));
    // Every later computation uses 69.2.
    s.Get<QTimeEdit>(SiteControl::TimePicker)->setTime(QTime(15, 30, 0));
    QCOMPARE(s.window->LastRequest().deltaT, 69.2);
    QCOMPARE(s.window->LastRequest().hour, 15);
    QCOMPARE(s.Field(MainControl::DeltaT)->text(), QStringLiteral("69.2"));
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::manualDeltaTStaysOnDateChangeAndAutoReplacesIt() {
    Shown s;
    QTest::mouseClick(s.Get<QRadioButton>(MainControl::ManualDeltaT), Qt::LeftButton);
    TypeAndLeave(s.Field(MainControl::DeltaT), QStringLiteral("30"), s.Field(SiteControl::Height));
    s.Get<QDateEdit>(SiteControl::DatePicker)->setDate(QDate(2010, 3, 3));
    QCOMPARE(s.Field(MainControl::DeltaT)->text(), QStringLiteral("30.0"));
    QCOMPARE(s.window->LastRequest().deltaT, 30.0);
    QCOMPARE(s.window->LastRequest().year, 2010);
    // Back to automatic: the model's value for the pickers' instant.
    QTest::mouseClick(s.Get<QRadioButton>(MainControl::AutomaticDeltaT), Qt::LeftButton);
    QVERIFY(s.Field(MainControl::DeltaT)->isReadOnly());
    const double model = ModelDeltaTText(2010, 3, 3, 12, 0, 0).toDouble();
    QCOMPARE(s.window->LastRequest().deltaT, model);
    QCOMPARE(s.Field(MainControl::DeltaT)->text(),
             QString::fromStdString(FormatDeltaTShort(model)));
}

void MainWindowTest::deltaTThatIsNotANumberIsZero() {
    Shown s;
    QTest::mouseClick(s.Get<QRadioButton>(MainControl::ManualDeltaT), Qt::LeftButton);
    TypeAndLeave(s.Field(MainControl::DeltaT), QStringLiteral("abc"), s.Field(SiteControl::Height));
    QVERIFY(s.sink.messages.isEmpty());
    QCOMPARE(s.window->LastRequest().deltaT, 0.0);
    QCOMPARE(s.Field(MainControl::DeltaT)->text(), QStringLiteral("0.0"));
}

void MainWindowTest::temporalHoursAtHighLatitude() {
    Shown s(QDate(2024, 3, 20), QTime(10, 0, 0));
    TypeAndLeave(s.Field(SiteControl::Latitude), QStringLiteral("70"),
                 s.Field(SiteControl::Longitude));
    QCOMPARE(s.window->LastRequest().latitude, 70.0);
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::TemporalHours)),
             QStringLiteral(" 00:00:00.0"));
    TypeAndLeave(s.Field(SiteControl::Latitude), QStringLiteral("66.5"),
                 s.Field(SiteControl::Longitude));
    const SolarResult result = CalcSolarParameters(s.window->LastRequest());
    QVERIFY(std::isfinite(result.temporalHours));
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::TemporalHours)),
             QString::fromStdString(FormatTimeOfDay(result.temporalHours)));
    QVERIFY(s.window->OutputText(ControlNumber(MainControl::TemporalHours)) !=
            QStringLiteral(" 00:00:00.0"));
}

void MainWindowTest::qiblaTimeDashesInPolarNight() {
    Shown s(QDate(2024, 12, 21), QTime(12, 0, 0));
    TypeAndLeave(s.Field(SiteControl::Longitude), QStringLiteral("-15"),
                 s.Field(SiteControl::Latitude));
    TypeAndLeave(s.Field(SiteControl::Latitude), QStringLiteral("80"),
                 s.Field(SiteControl::Longitude));
    QCOMPARE(CalcSolarParameters(s.window->LastRequest()).qiblaTime, -1.0);
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::QiblaTime)),
             QStringLiteral(" --:--:-----.-"));
    QVERIFY(s.window->OutputText(ControlNumber(MainControl::GeometricTransitAltitude))
                .startsWith(QStringLiteral(" -")));
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void MainWindowTest::absentEventsShowADashAndWhy_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("dash");
    QTest::addColumn<QString>("tipStart");
    const QDate winter(2024, 12, 21);
    const QDate summer(2024, 6, 21);
    QTest::newRow("polar night: rise")
        << winter << "80" << ControlNumber(MainControl::GeometricRise) << true << "Notte polare:";
    QTest::newRow("polar night: rise azimuth")
        << winter << "80" << ControlNumber(MainControl::GeometricRiseAzimuth) << true
        << "Notte polare:";
    QTest::newRow("polar night: Asr")
        << winter << "80" << ControlNumber(MainControl::Asr1) << true << "Notte polare:";
    QTest::newRow("polar night: transit")
        << winter << "80" << ControlNumber(MainControl::GeometricTransit) << false << "";
    QTest::newRow("polar night: Qibla time")
        << winter << "80" << ControlNumber(MainControl::QiblaTime) << false
        << "In questa data il Sole non passa";
    QTest::newRow("polar day: apparent set")
        << summer << "80" << ControlNumber(MainControl::ApparentSet) << true << "Giorno polare:";
    QTest::newRow("polar day: Maghrib")
        << summer << "80" << ControlNumber(MainControl::Maghrib) << true << "Giorno polare:";
    QTest::newRow("polar day: Fajr") << summer << "80" << ControlNumber(MainControl::Fajr) << true
                                     << "In questa data il Sole non raggiunge";
    QTest::newRow("white night: Isha") << summer << "58" << ControlNumber(MainControl::Isha) << true
                                       << "In questa data il Sole non raggiunge";
    QTest::newRow("white night: rise")
        << summer << "58" << ControlNumber(MainControl::GeometricRise) << false << "";
    // Tromsø's midnight sun: the hours counted from the rise and set.
    const QDate tromso(2026, 6, 10);
    for (const MainControl hours : {MainControl::ItalianHours, MainControl::BabylonianHours,
                                    MainControl::TemporalHours, MainControl::HoursToSunset}) {
        QTest::newRow(
            qPrintable(QStringLiteral("midnight sun: hours %1").arg(ControlNumber(hours))))
            << tromso << "69.65" << ControlNumber(hours) << true << "Giorno polare:";
    }
}

// An event that does not occur shows a dash, never a time that reads as
// midnight, and its tooltip tells why; an event that occurs has no tooltip.
void MainWindowTest::absentEventsShowADashAndWhy() {
    QFETCH(QDate, date);
    QFETCH(QString, latitude);
    QFETCH(int, id);
    QFETCH(bool, dash);
    QFETCH(QString, tipStart);
    Shown s(date, QTime(12, 0, 0));
    TypeAndLeave(s.Field(SiteControl::Longitude), QStringLiteral("-15"),
                 s.Field(SiteControl::Latitude));
    TypeAndLeave(s.Field(SiteControl::Latitude), latitude, s.Field(SiteControl::Longitude));
    const QString shown = s.window->OutputText(id);
    QCOMPARE(shown == QStringLiteral("\u2014"), dash);
    QVERIFY2(shown != QStringLiteral(" 00:00:00.0"), qPrintable(shown));
    const QString tip = s.window->Control(id)->toolTip();
    QVERIFY2(tipStart.isEmpty() ? tip.isEmpty() : tip.startsWith(tipStart), qPrintable(tip));
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::chosenMethodGivesThePrayers_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<bool>("ishaByRule");
    QTest::newRow("MWL, mid-latitude")
        << int(PrayerMethod::kMuslimWorldLeague) << 0 << "41.9" << false;
    QTest::newRow("Kuwait, no rule, white night")
        << int(PrayerMethod::kKuwait) << 0 << "58" << false;
    QTest::newRow("MWL, middle of the night, white night")
        << int(PrayerMethod::kMuslimWorldLeague) << int(HighLatitudeRule::kMiddleOfTheNight) << "58"
        << true;
    QTest::newRow("custom, mid-latitude") << int(PrayerMethod::kCustom) << 0 << "41.9" << false;
    QTest::newRow("own method, seventh of the night")
        << int(PrayerMethod::kTarvel) << int(HighLatitudeRule::kSeventhOfTheNight) << "58" << true;
}

// With a method, rule or adjustment chosen the prayer fields show the method's
// times (Maghrib at the apparent set for a method other than the own one), a
// time given by a rule marked, with its tooltip.
void MainWindowTest::chosenMethodGivesThePrayers() {
    QFETCH(int, method);
    QFETCH(int, rule);
    QFETCH(QString, latitude);
    QFETCH(bool, ishaByRule);
    AppSettings settings;
    settings.prayerMethod = static_cast<PrayerMethod>(method);
    settings.highLatitudeRule = static_cast<HighLatitudeRule>(rule);
    Shown s(QDate(2024, 6, 21), QTime(12, 0, 0), settings);
    TypeAndLeave(s.Field(SiteControl::Longitude), QStringLiteral("-12.5"),
                 s.Field(SiteControl::Latitude));
    TypeAndLeave(s.Field(SiteControl::Latitude), latitude, s.Field(SiteControl::Longitude));
    const SolarRequest request = s.window->LastRequest();
    const SolarResult result = CalcSolarParameters(request);
    const std::vector<DayTimeText> days =
        DayTimeTexts(request, result, CalcDayTimes(request, result), MainWindowTextOptions());
    const std::pair<DayTimeTextField, int> fields[] = {
        {DayTimeTextField::Fajr, ControlNumber(MainControl::Fajr)},
        {DayTimeTextField::Maghrib, ControlNumber(MainControl::Maghrib)},
        {DayTimeTextField::Isha, ControlNumber(MainControl::Isha)}};
    for (const auto& [field, id] : fields) {
        const DayTimeText& day = DayTextOf(days, field);
        const QString mark = day.rule != HighLatitudeRule::kNone ? QStringLiteral("*") : QString();
        // A time on another date carries the sign of that date before it.
        QCOMPARE(s.window->OutputText(id), DayTimeFieldText(day) + mark);
        if (day.dayOffset != 0) {
            QVERIFY(s.window->Control(id)->toolTip().startsWith(
                DayOffsetToolTip(request, day.dayOffset)));
        }
    }
    if (method != int(PrayerMethod::kTarvel)) {
        // These methods add no minutes to Maghrib.
        QCOMPARE(s.window->OutputText(ControlNumber(MainControl::Maghrib)),
                 s.window->OutputText(ControlNumber(MainControl::ApparentSet)));
    }
    const QString isha = s.window->OutputText(ControlNumber(MainControl::Isha));
    const QString tip = s.window->Control(ControlNumber(MainControl::Isha))->toolTip();
    QCOMPARE(isha.endsWith(QLatin1Char('*')), ishaByRule);
    if (ishaByRule) {
        // The blank before the time, or the sign of the next date (an Isha
        // after midnight), and the rule's mark after it.
        QVERIFY2((isha.startsWith(QLatin1Char(' ')) || isha.startsWith(QLatin1Char('+'))) &&
                     isha.size() == 12,
                 qPrintable(isha));
        // The tooltip names the rule.
        const QString ruleName = rule == int(HighLatitudeRule::kMiddleOfTheNight)
                                     ? QStringLiteral("metà della notte")
                                     : QStringLiteral("un settimo della notte");
        QVERIFY2(tip.endsWith(QStringLiteral("Ora data dalla regola per le alte latitudini: ") +
                              ruleName + QLatin1Char('.')),
                 qPrintable(tip));
        QCOMPARE(tip.startsWith(QStringLiteral("Il giorno dopo (+1 giorno): ")),
                 isha.startsWith(QLatin1Char('+')));
    } else if (latitude == QStringLiteral("58")) {
        QCOMPARE(isha, QStringLiteral("\u2014"));
        QVERIFY(tip.startsWith(QStringLiteral("In questa data il Sole non raggiunge")));
    } else {
        QVERIFY(tip.isEmpty());
    }
    // The caption names the method, within the group's frame.
    auto* group =
        qobject_cast<QGroupBox*>(s.window->Control(ControlNumber(MainControl::PrayersGroup)));
    QString name;
    if (method == int(PrayerMethod::kCustom)) {
        name = QStringLiteral(" (PERSONALIZZATO)");
    } else if (method != int(PrayerMethod::kTarvel)) {
        const std::string_view key = MethodParameters(static_cast<PrayerMethod>(method)).key;
        name = QStringLiteral(" (%1)").arg(
            QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())).toUpper());
    }
    QCOMPARE(group->title(), QStringLiteral("PREGHIERE ISLAMICHE") + name);
    QVERIFY(GroupCaptionRoom(MessageFont(), group->title()).width() <= group->width());
    QVERIFY(s.sink.messages.isEmpty());
}

namespace {

// A field's time ("05:34:56.2", a leading blank or sign left out) in
// milliseconds after midnight.
int FieldMilliseconds(const QString& text) {
    const QTime time =
        QTime::fromString(text.trimmed().remove(QLatin1Char('+')), QStringLiteral("hh:mm:ss.z"));
    return time.isValid() ? time.msecsSinceStartOfDay() : -1;
}

}  // namespace

// What prayer-time users look for, as the method is chosen: the documented
// group with the own method; with Turkey's, Shuruq at the apparent rise less
// its 7 minutes and the next prayer, which follows the clock minute by minute
// in the present and stays on a date set by hand; the Qibla from north.
void MainWindowTest::prayerUsersEssentials() {
    const QTimeZone rome = Rome();
    QDateTime clock(QDate(2024, 6, 21), QTime(12, 0, 0), rome);
    CTarvelDlg::Environment environment;
    environment.zone = rome;
    environment.now = [&clock] { return clock; };
    const auto open = [&environment](PrayerMethod method, RecordingSink& sink) {
        AppSettings settings;
        settings.prayerMethod = method;
        auto window = std::make_unique<CTarvelDlg>(settings, environment, &sink);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
        return window;
    };
    const int shuruq = ControlNumber(MainControl::Shuruq);
    const int next = ControlNumber(MainControl::NextPrayer);
    const int north = ControlNumber(MainControl::QiblaFromNorth);

    // The own method: the group as designed, no Shuruq, no next prayer, no
    // clock; the documented fields the engine's.
    RecordingSink ownSink;
    auto own = open(PrayerMethod::kTarvel, ownSink);
    const FormGeometry& geometry = own->Geometry();
    QCOMPARE(own->Control(ControlNumber(MainControl::PrayersGroup))->geometry(),
             geometry.Rect(503, 240, 269, 89));
    QVERIFY(!own->Control(shuruq)->isVisible());
    QVERIFY(!own->Control(next)->isVisible());
    QVERIFY(!own->MinuteTimer()->isActive());
    QCOMPARE(FirstDifference(*own), QString());
    // The Qibla from north beside the documented one: New York, 58.5 degrees.
    auto* latitude = qobject_cast<QLineEdit*>(own->Control(ControlNumber(SiteControl::Latitude)));
    auto* longitude = qobject_cast<QLineEdit*>(own->Control(ControlNumber(SiteControl::Longitude)));
    TypeAndLeave(latitude, QStringLiteral("40.7128"), longitude);
    TypeAndLeave(longitude, QStringLiteral("74.006"), latitude);
    QVERIFY(own->Control(north)->isVisible());
    QCOMPARE(own->OutputText(north), QStringLiteral("58.5\u00b0"));
    QVERIFY(own->OutputText(ControlNumber(MainControl::Qibla)).endsWith(QStringLiteral("EST")));
    QCOMPARE(own->Label(north)->text(), QStringLiteral("Qibla da nord"));
    QCOMPARE(FirstDifference(*own), QString());

    // Turkey: the group grows by Shuruq's row, the apparent rise less 7 min.
    RecordingSink sink;
    auto turkey = open(PrayerMethod::kTurkey, sink);
    QWidget* group = turkey->Control(ControlNumber(MainControl::PrayersGroup));
    QCOMPARE(group->geometry(), turkey->Geometry().Rect(503, 220, 269, 109));
    QVERIFY(turkey->Control(shuruq)->isVisible());
    QVERIFY(group->geometry().contains(turkey->Control(shuruq)->geometry()));
    QVERIFY(group->geometry().contains(turkey->Control(next)->geometry()));
    const int rise =
        FieldMilliseconds(turkey->OutputText(ControlNumber(MainControl::ApparentRise)));
    const int shown = FieldMilliseconds(turkey->OutputText(shuruq));
    QVERIFY2(rise > 0 && shown > 0, qPrintable(turkey->OutputText(shuruq)));
    QVERIFY2(std::abs(rise - shown - 7 * 60000) <= 100, qPrintable(turkey->OutputText(shuruq)));

    // The next prayer at noon is Zuhr (the transit and Turkey's 5 minutes),
    // in whole minutes rounded up.
    const int zuhr = FieldMilliseconds(turkey->OutputText(ControlNumber(MainControl::Zuhr)));
    const auto left = [zuhr](const QTime& now) {
        const int minutes =
            static_cast<int>(std::ceil((zuhr - now.msecsSinceStartOfDay()) / 60000.0));
        return minutes < 60
                   ? QStringLiteral("Zuhr fra %1 min").arg(minutes)
                   : QStringLiteral("Zuhr fra %1 h %2 min").arg(minutes / 60).arg(minutes % 60);
    };
    QCOMPARE(turkey->OutputText(next), left(QTime(12, 0, 0)));
    // In the present the clock ticks at each new minute, and only the next
    // prayer moves.
    QVERIFY(turkey->FollowsPresent());
    QVERIFY(turkey->MinuteTimer()->isActive());
    QVERIFY(turkey->MinuteTimer()->interval() <= 60000);
    const int computations = turkey->ComputationCount();
    const QString transit = turkey->OutputText(ControlNumber(MainControl::GeometricTransit));
    clock = clock.addSecs(60);
    turkey->OnMinuteTick();
    QCOMPARE(turkey->OutputText(next), left(QTime(12, 1, 0)));
    QCOMPARE(turkey->ComputationCount(), computations);
    QCOMPARE(turkey->OutputText(ControlNumber(MainControl::GeometricTransit)), transit);
    // A time set by hand stops the clock: the line counts from that time.
    auto* time = qobject_cast<QTimeEdit*>(turkey->Control(ControlNumber(SiteControl::TimePicker)));
    time->setTime(QTime(13, 0, 0));
    QVERIFY(!turkey->FollowsPresent());
    QVERIFY(!turkey->MinuteTimer()->isActive());
    const QString atOne = turkey->OutputText(next);
    QCOMPARE(atOne, left(QTime(13, 0, 0)));
    clock = clock.addSecs(60);
    turkey->OnMinuteTick();
    QCOMPARE(turkey->OutputText(next), atOne);
    // "adesso" brings the present back, and the clock with it.
    QTest::mouseClick(qobject_cast<QPushButton*>(turkey->Control(ControlNumber(MainControl::Now))),
                      Qt::LeftButton);
    QVERIFY(turkey->FollowsPresent());
    QVERIFY(turkey->MinuteTimer()->isActive());
    QCOMPARE(turkey->OutputText(next), left(QTime(12, 2, 0)));
    // After Isha: the next day's Fajr.
    time->setTime(QTime(23, 59, 0));
    QVERIFY2(turkey->OutputText(next).startsWith(QStringLiteral("Fajr fra ")),
             qPrintable(turkey->OutputText(next)));
    QCOMPARE(group->property("title").toString(), QStringLiteral("PREGHIERE ISLAMICHE (TURCHIA)"));
    QVERIFY(sink.messages.isEmpty());
    QVERIFY(ownSink.messages.isEmpty());
}

void MainWindowTest::twilightGroupShowsTheDayTimes_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("latitude");
    // Fields whose altitude the Sun does not reach, and fields absent in a
    // polar day.
    QTest::addColumn<QList<int>>("altitudeNotReached");
    QTest::addColumn<QList<int>>("polarDay");
    QTest::newRow("Rome, equinox") << QDate(2024, 3, 20) << "41.9" << QList<int>() << QList<int>();
    QTest::newRow("50 N in June: no astronomical twilight")
        << QDate(2024, 6, 21) << "50"
        << QList<int>{ControlNumber(MainControl::AstronomicalDawn),
                      ControlNumber(MainControl::AstronomicalDusk)}
        << QList<int>();
    QTest::newRow("60 N in June: no nautical twilight")
        << QDate(2024, 6, 21) << "60"
        << QList<int>{ControlNumber(MainControl::AstronomicalDawn),
                      ControlNumber(MainControl::NauticalDawn),
                      ControlNumber(MainControl::AstronomicalDusk),
                      ControlNumber(MainControl::NauticalDusk)}
        << QList<int>();
    QTest::newRow("70 N in June: polar day, golden hour")
        << QDate(2024, 6, 21) << "70" << QList<int>{ControlNumber(MainControl::AstronomicalDawn),
                                                    ControlNumber(MainControl::NauticalDawn),
                                                    ControlNumber(MainControl::CivilDawn),
                                                    ControlNumber(MainControl::AstronomicalDusk),
                                                    ControlNumber(MainControl::NauticalDusk),
                                                    ControlNumber(MainControl::CivilDusk)}
        << QList<int>{ControlNumber(MainControl::NightMiddle),
                      ControlNumber(MainControl::NightLastThird)};
}

// The twilights, the golden hour and the night as the engine gives them for
// the window's request, whatever the prayer method; one that does not occur
// shows a dash and says why.
void MainWindowTest::twilightGroupShowsTheDayTimes() {
    QFETCH(QDate, date);
    QFETCH(QString, latitude);
    QFETCH(QList<int>, altitudeNotReached);
    QFETCH(QList<int>, polarDay);
    Shown s(date, QTime(12, 0, 0));
    TypeAndLeave(s.Field(SiteControl::Longitude), QStringLiteral("-12.5"),
                 s.Field(SiteControl::Latitude));
    TypeAndLeave(s.Field(SiteControl::Latitude), latitude, s.Field(SiteControl::Longitude));
    const SolarRequest request = s.window->LastRequest();
    const SolarResult result = CalcSolarParameters(request);
    const std::vector<DayTimeText> days =
        DayTimeTexts(request, result, CalcDayTimes(request, result), MainWindowTextOptions());
    for (const auto& [field, control] : kTwilightControls) {
        const int id = ControlNumber(control);
        const QString shown = s.window->OutputText(id);
        const QString tip = s.window->Control(id)->toolTip();
        const DayTimeText& expected = DayTextOf(days, field);
        QCOMPARE(shown, DayTimeFieldText(expected));
        if (expected.dayOffset != 0) {
            // An evening time after midnight: its sign and date.
            QCOMPARE(shown.left(1), QString::fromLatin1(expected.dayOffset > 0 ? "+" : "-"));
            QCOMPARE(shown.mid(1), QString::fromStdString(expected.text).mid(1));
            QCOMPARE(tip, DayOffsetToolTip(request, expected.dayOffset));
            QVERIFY(tip.startsWith(expected.dayOffset > 0
                                       ? QStringLiteral("Il giorno dopo (+1 giorno): ")
                                       : QStringLiteral("Il giorno prima (-1 giorno): ")));
            continue;
        }
        QCOMPARE(tip, DayTimeAbsenceToolTip(field, expected.absence));
        const char* why = "";
        if (altitudeNotReached.contains(id)) {
            why = "In questa data il Sole non raggiunge l'altezza di questo evento.";
        } else if (polarDay.contains(id)) {
            why = "Giorno polare:";
        }
        QVERIFY2((shown == QStringLiteral("\u2014")) == (*why != '\0'),
                 qPrintable(QStringLiteral("field %1: \"%2\"").arg(id).arg(shown)));
        QVERIFY2(*why != '\0' ? tip.startsWith(QString::fromUtf8(why)) : tip.isEmpty(),
                 qPrintable(QStringLiteral("field %1: \"%2\"").arg(id).arg(tip)));
    }
    auto* group =
        qobject_cast<QGroupBox*>(s.window->Control(ControlNumber(MainControl::TwilightGroup)));
    QCOMPARE(group->title(), QStringLiteral("CREPUSCOLI E NOTTE"));
    QCOMPARE(s.window->Label(ControlNumber(MainControl::AstronomicalDawn))->text(),
             QStringLiteral("alba astronomica"));
    QVERIFY(s.sink.messages.isEmpty());
}

namespace {

// A clock time as "HH:MM:SS" to the second, from its hours.
QString ClockText(double hours) {
    return QTime(0, 0).addSecs(static_cast<int>(std::lround(hours * 3600.0))).toString(
        QStringLiteral("HH:mm:ss"));
}

}  // namespace

// 11 March 2024 is 1 Ramadan 1445 in the Umm al-Qura calendar (2 Ramadan
// from its Maghrib on); the blue and golden hours are ranges between the
// engine's crossings of -6, -4 and +6 degrees, in the order of the day.
void MainWindowTest::hijriDateBlueHourAndDayLengthChange() {
    Shown s(QDate(2024, 3, 11), QTime(12, 0, 0));
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::HijriDate)),
             QStringLiteral("1 Ramadan 1445"));
    const QString tip = s.window->Control(ControlNumber(MainControl::HijriDate))->toolTip();
    QVERIFY2(tip.contains(QStringLiteral("Maghrib")) && tip.endsWith(QStringLiteral("2 Ramadan 1445.")),
             qPrintable(tip));
    QCOMPARE(s.window->Label(ControlNumber(MainControl::HijriDate))->text(),
             QStringLiteral("data dell'Egira"));

    const SolarRequest request = s.window->LastRequest();
    const SolarResult result = CalcSolarParameters(request);
    DayTimes days = CalcDayTimes(request, result);
    AddDayLengthChange(request, result, days);
    QVERIFY(days.civilDawn < days.blueHourMorningEnd &&
            days.blueHourMorningEnd < days.goldenHourEnd);
    QVERIFY(days.goldenHourStart < days.blueHourEveningStart &&
            days.blueHourEveningStart < days.civilDusk);
    const QString dash = QStringLiteral("\u2013");
    const struct {
        MainControl id;
        double from, to;
    } ranges[] = {
        {MainControl::BlueHourMorning, days.civilDawn, days.blueHourMorningEnd},
        {MainControl::GoldenHourMorning, days.blueHourMorningEnd, days.goldenHourEnd},
        {MainControl::GoldenHourEvening, days.goldenHourStart, days.blueHourEveningStart},
        {MainControl::BlueHourEvening, days.blueHourEveningStart, days.civilDusk},
    };
    for (const auto& range : ranges) {
        QCOMPARE(s.window->OutputText(ControlNumber(range.id)),
                 ClockText(range.from) + dash + ClockText(range.to));
    }
    // At 45 degrees north near the equinox the Sun sinks 2 degrees in some
    // eleven minutes; the civil dawn falls near 06:20 on the zone's clock at
    // 8 degrees east.
    QVERIFY(days.civilDawn > 6.0 && days.civilDawn < 6.75);
    QVERIFY((days.blueHourMorningEnd - days.civilDawn) * 60 > 9 &&
            (days.blueHourMorningEnd - days.civilDawn) * 60 < 14);
    // The days lengthen by some three minutes a day in March.
    QVERIFY(days.occurs.dayLengthChange);
    const long change = std::lround(days.dayLengthChange * 3600.0);
    QVERIFY(change > 150 && change < 220);
    QCOMPARE(s.window->OutputText(ControlNumber(MainControl::DaylightChange)),
             QStringLiteral("+%1 m %2 s").arg(change / 60).arg(change % 60));
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::roundingGivesThePrayerToTheMinute_data() {
    QTest::addColumn<int>("rounding");
    QTest::newRow("none") << int(PrayerRounding::kNone);
    QTest::newRow("nearest") << int(PrayerRounding::kNearest);
    QTest::newRow("up") << int(PrayerRounding::kUp);
}

// Rounding to the minute shows Fajr, Zuhr and Isha as a timetable does;
// without it the documented times stay as they are.
void MainWindowTest::roundingGivesThePrayerToTheMinute() {
    QFETCH(int, rounding);
    AppSettings settings;
    settings.rounding = static_cast<PrayerRounding>(rounding);
    Shown s(QDate(2024, 3, 11), QTime(12, 0, 0), settings);
    const SolarResult result = CalcSolarParameters(s.window->LastRequest());
    const std::pair<MainControl, double> prayers[] = {
        {MainControl::Fajr, result.fajr}, {MainControl::Zuhr, result.transit},
        {MainControl::Isha, result.isha}};
    for (const auto& [control, hours] : prayers) {
        const QString shown = s.window->OutputText(ControlNumber(control));
        if (settings.rounding == PrayerRounding::kNone) {
            Shown plain(QDate(2024, 3, 11), QTime(12, 0, 0));
            QCOMPARE(shown, plain.window->OutputText(ControlNumber(control)));
            QVERIFY2(!shown.endsWith(QStringLiteral(":00.0")), qPrintable(shown));
            continue;
        }
        const double minutes = hours * 60.0;
        const long whole = settings.rounding == PrayerRounding::kUp
                               ? static_cast<long>(std::ceil(minutes - 1e-7))
                               : std::lround(minutes);
        const QString expected =
            QTime(0, 0).addSecs(static_cast<int>(whole * 60)).toString(QStringLiteral("HH:mm"));
        QVERIFY2(shown.trimmed() == expected + QStringLiteral(":00.0"),
                 qPrintable(QStringLiteral("%1: \"%2\", expected %3").arg(ControlNumber(control)).arg(shown, expected)));
    }
}

void MainWindowTest::summerDateTicksTheBox() {
    Shown s(QDate(2024, 1, 15), QTime(12, 0, 0));
    auto* box = s.Get<QCheckBox>(SiteControl::SummerTime);
    auto* date = s.Get<QDateEdit>(SiteControl::DatePicker);
    QVERIFY(!box->isChecked());
    date->setDate(QDate(2024, 7, 15));
    QVERIFY(box->isChecked());
    QVERIFY(s.window->LastRequest().summerTime);
    QCOMPARE(s.window->LastRequest().month, 7);
    // The zone does not follow the season.
    QCOMPARE(s.Get<QComboBox>(SiteControl::ZoneList)->currentIndex(), 15);
    date->setDate(QDate(2024, 11, 15));
    QVERIFY(!box->isChecked());
    QVERIFY(!s.window->LastRequest().summerTime);
    // On or before 1970-01-01 12:00:00 the box is cleared even where the
    // system's rule has summer time.
    QVERIFY(Rome().isDaylightTime(QDateTime(QDate(1969, 7, 15), QTime(12, 0, 0), Rome())));
    date->setDate(QDate(2024, 7, 15));
    QVERIFY(box->isChecked());
    date->setDate(QDate(1969, 7, 15));
    QVERIFY(!box->isChecked());
    QVERIFY(!s.window->LastRequest().summerTime);
}

void MainWindowTest::timeChangeKeepsTheBox() {
    Shown s(QDate(2024, 7, 15), QTime(12, 0, 0));
    auto* box = s.Get<QCheckBox>(SiteControl::SummerTime);
    QVERIFY(box->isChecked());
    // The user clears the box: the clock now shows standard time.
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QVERIFY(!s.window->LastRequest().summerTime);
    s.Get<QTimeEdit>(SiteControl::TimePicker)->setTime(QTime(13, 0, 0));
    QVERIFY(!box->isChecked());
    QVERIFY(!s.window->LastRequest().summerTime);
    QCOMPARE(s.window->LastRequest().hour, 13);
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void MainWindowTest::zoneChangeRecomputes() {
    Shown s;
    auto* list = s.Get<QComboBox>(SiteControl::ZoneList);
    list->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list, Qt::Key_Down);  // UTC+2
    QCOMPARE(list->currentIndex(), 16);
    QCOMPARE(s.window->LastRequest().zoneHours, 2.0f);
    QCOMPARE(s.window->LastRequest().zoneMinutes, 120.0f);
    list->setCurrentIndex(23);
    QCOMPARE(s.window->LastRequest().zoneHours, 5.75f);
    QCOMPARE(s.window->LastRequest().zoneMinutes, 345.0f);
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void MainWindowTest::nowButtonResetsThePresentMoment() {
    Shown s(QDate(2024, 7, 15), QTime(10, 20, 30));
    s.Get<QDateEdit>(SiteControl::DatePicker)->setDate(QDate(2001, 2, 3));
    s.Get<QTimeEdit>(SiteControl::TimePicker)->setTime(QTime(4, 5, 6));
    s.Get<QComboBox>(SiteControl::ZoneList)->setCurrentIndex(3);
    QTest::mouseClick(s.Get<QPushButton>(MainControl::Now), Qt::LeftButton);
    QCOMPARE(s.Get<QDateEdit>(SiteControl::DatePicker)->date(), QDate(2024, 7, 15));
    QCOMPARE(s.Get<QTimeEdit>(SiteControl::TimePicker)->time(), QTime(10, 20, 30));
    QCOMPARE(s.Get<QComboBox>(SiteControl::ZoneList)->currentIndex(), 15);
    QVERIFY(s.Get<QCheckBox>(SiteControl::SummerTime)->isChecked());
    const SolarRequest& r = s.window->LastRequest();
    QCOMPARE(r.year, 2024);
    QCOMPARE(r.second, 30.0);
    QCOMPARE(r.zoneHours, 1.0f);
    QVERIFY(r.summerTime);
    QCOMPARE(r.deltaT, ModelDeltaTText(2024, 7, 15, 10, 20, 30).toDouble());
}

void MainWindowTest::enterNeverCloses() {
    Shown s;
    const int count = s.window->ComputationCount();
    // Enter on a site field applies the typed value and recomputes.
    QLineEdit* latitude = s.Field(SiteControl::Latitude);
    latitude->setFocus(Qt::TabFocusReason);
    latitude->selectAll();
    QTest::keyClicks(latitude, QStringLiteral("50"));
    QTest::keyClick(latitude, Qt::Key_Return);
    QVERIFY(s.window->isVisible());
    QCOMPARE(s.window->ComputationCount(), count + 1);
    QCOMPARE(s.window->Settings().latitude, 50.0);
    QCOMPARE(s.window->LastRequest().latitude, 50.0);
    QCOMPARE(QApplication::focusWidget(), latitude);
    // Enter on the button, the pickers and the list neither clicks nor closes.
    s.Get<QDateEdit>(SiteControl::DatePicker)->setDate(QDate(2020, 5, 5));
    for (int id : {ControlNumber(MainControl::Now), ControlNumber(SiteControl::DatePicker),
                   ControlNumber(SiteControl::TimePicker), ControlNumber(SiteControl::ZoneList),
                   ControlNumber(MainControl::Gmst)}) {
        QWidget* control = s.window->Control(id);
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Enter);
        QVERIFY(s.window->isVisible());
    }
    QCOMPARE(s.Get<QDateEdit>(SiteControl::DatePicker)->date(), QDate(2020, 5, 5));
    // Enter on the latitude, the date change, the latitude losing the focus and
    // the five Enters: one computation each.
    QCOMPARE(s.window->ComputationCount(), count + 1 + 1 + 1 + 5);
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::escapeCloses() {
    Shown s;
    s.Field(SiteControl::Latitude)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(s.Field(SiteControl::Latitude), Qt::Key_Escape);
    QVERIFY(!s.window->isVisible());
    QCOMPARE(s.window->result(), int(QDialog::Rejected));
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::f1AsksForTheWindowsTopic() {
    Shown s;
    // Whichever control has the focus (a field, a picker, the list, a button).
    QCOMPARE(F1Topics(*s.window,
                      {ControlNumber(SiteControl::Latitude), ControlNumber(SiteControl::DatePicker),
                       ControlNumber(SiteControl::ZoneList), ControlNumber(MainControl::Now)}),
             QStringList(4, QString::fromLatin1(help_topic::kMainPage)));
    QVERIFY(s.sink.messages.isEmpty());
}

void MainWindowTest::exitCommandCloses() {
    Shown s;
    s.window->MenuAction(main_menu::kExit)->trigger();
    QVERIFY(!s.window->isVisible());
    QCOMPARE(s.window->result(), 0);
}

void MainWindowTest::menuCommands() {
    Shown s;
    const struct {
        int id;
        const char* caption;
        bool enabled;
        const char* keys;  // shown beside the caption
    } items[] = {
        {main_menu::kExit, "&Esci", true, "Ctrl+Q"},
        {main_menu::kTable, "&Tabella", false, "Ctrl+T"},
        {main_menu::kCharts, "&Grafici...", false, "Ctrl+G"},
        {main_menu::kItalian, "&Italiano", false, ""},
        {main_menu::kEnglish, "In&glese", false, ""},
        {main_menu::kPortuguese, "&Portoghese", false, ""},
        {main_menu::kPreferences, "&Preferenze...", false, "Ctrl+,"},
        {main_menu::kHelp, "&Help", false, ""},
        {main_menu::kAbout, "Informazioni su Tarvel...", false, ""},
    };
    for (const auto& item : items) {
        QAction* action = s.window->MenuAction(item.id);
        QVERIFY2(action != nullptr, item.caption);
        QCOMPARE(action->text(), QString::fromUtf8(item.caption));
        QCOMPARE(action->isEnabled(), item.enabled);
        QCOMPARE(action->shortcut().toString(QKeySequence::PortableText),
                 QString::fromUtf8(item.keys));
    }
    const QList<QAction*> menus = s.window->findChild<QMenuBar*>()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Calcola"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&Impostazioni"));
    QCOMPARE(menus[3]->text(), QStringLiteral("&Help"));
    QCOMPARE(menus[2]->menu()->actions()[0]->text(), QStringLiteral("&Lingua"));
    int edits = 0;
    s.window->SetPreferencesEditor([&edits](QWidget*, AppSettings&) {
        ++edits;
        return false;
    });
    QVERIFY(s.window->MenuAction(main_menu::kPreferences)->isEnabled());
    // The key opens the command as the menu does.
    QTest::keyClick(s.window.get(), Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(edits, 1);
}

void MainWindowTest::preferencesRecomputeAfterOk() {
    Shown s;
    bool accept = false;
    s.window->SetPreferencesEditor([&accept](QWidget*, AppSettings& settings) {
        settings.refractionModel = kRefractionIntegration;
        settings.pressure = 900;
        settings.latitude = 10;  // not a preference: never copied back
        return accept;
    });
    const int count = s.window->ComputationCount();
    s.window->MenuAction(main_menu::kPreferences)->trigger();
    QCOMPARE(s.window->ComputationCount(), count);
    QCOMPARE(s.window->Settings().pressure, 1010.0);
    accept = true;
    s.window->MenuAction(main_menu::kPreferences)->trigger();
    QCOMPARE(s.window->ComputationCount(), count + 1);
    QCOMPARE(s.window->LastRequest().refractionModel, kRefractionIntegration);
    QCOMPARE(s.window->LastRequest().pressure, 900.0);
    QCOMPARE(s.window->Settings().latitude, 45.0);
    const QString difference = FirstDifference(*s.window);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void MainWindowTest::realMessageBoxShowsTheRangeMessage() {
    // No sink: the form pass shows a modal QMessageBox.
    CTarvelDlg window(AppSettings(), RomeAt(QDate(2024, 1, 15), QTime(12, 0, 0)), nullptr);
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
    QString text;
    QString caption;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        caption = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    auto* latitude = qobject_cast<QLineEdit*>(window.Control(ControlNumber(SiteControl::Latitude)));
    TypeAndLeave(latitude, QStringLiteral("-91"),
                 window.Control(ControlNumber(SiteControl::Longitude)));
    QCOMPARE(text, QStringLiteral("Immettere un numero compreso tra -90 e 90."));
    QCOMPARE(caption, QStringLiteral("Tarvel"));
    QCOMPARE(window.Settings().latitude, 45.0);
    QCOMPARE(latitude->text(), QStringLiteral("45"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
