#include "ui/main/tarvel_dlg.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <iterator>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "astro/calendar.h"
#include "astro/prayer_times.h"
#include "astro/time_scales.h"
#include "format/format_texts.h"
#include "format/result_texts.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "table/table_layout.h"
#include "table/table_parameters.h"
#include "ui/form/dialog_units.h"
#include "ui/form/form_fields.h"
#include "ui/form/form_geometry.h"
#include "ui/form/form_scroll_area.h"
#include "ui/form/form_widgets.h"
#include "ui/form/group_frame.h"
#include "ui/form/help_request.h"
#include "ui/form/message_sink.h"
#include "ui/form/screen_fit.h"
#include "ui/main/shown_results.h"
#include "ui/form/time_zones.h"

namespace tarvel {

namespace {

// The form is 823 x 450 dialog units: the documented form, the place group
// and the twilight group below it.
constexpr int kFormWidthUnits = 823;
constexpr int kFormHeightUnits = 450;

enum class Kind { TimePicker, DatePicker, ZoneList, CheckBox, Input, Output, Radio, Button };

// One control of the form in template order (which is the tab order): number,
// kind, rectangle in dialog units, and the label beside it with its rectangle
// (or the control's own caption for check boxes, radio buttons and buttons).
struct ControlSpec {
    ControlId id;
    Kind kind;
    int x, y, w, h;
    const char* label;
    int lx, ly, lw, lh;
};

// clang-format off
const ControlSpec kControls[] = {
    {SiteControl::TimePicker, Kind::TimePicker, 142, 21, 52, 15, nullptr, 0, 0, 0, 0},
    {SiteControl::DatePicker, Kind::DatePicker, 15, 21, 117, 15, nullptr, 0, 0, 0, 0},
    {SiteControl::ZoneList, Kind::ZoneList, 204, 21, 190, 119, nullptr, 0, 0, 0, 0},
    {SiteControl::SummerTime, Kind::CheckBox, 406, 19, 34, 15, QT_TRANSLATE_NOOP("CTarvelDlg", "ora estiva"), 0, 0, 0, 0},
    {SiteControl::Latitude, Kind::Input, 205, 47, 58, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "latitudine (<0 sud)"), 159, 44, 41, 17},
    {SiteControl::Longitude, Kind::Input, 323, 47, 58, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "longitudine (<0 est)"), 273, 44, 40, 17},
    {MainControl::Gmst, Kind::Output, 246, 90, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "GMST"), 214, 92, 22, 11},
    {MainControl::Lmst, Kind::Output, 393, 90, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "LMST"), 363, 92, 26, 11},
    {MainControl::DeltaT, Kind::Input, 43, 47, 58, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "DeltaT"), 14, 47, 21, 11},
    {MainControl::JulianDay, Kind::Output, 71, 91, 89, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Julian day"), 23, 92, 43, 11},
    {SiteControl::Height, Kind::Input, 427, 47, 44, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altitudine [m]"), 385, 43, 33, 18},
    {MainControl::EclipticLatitude, Kind::Output, 95, 196, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "latitudine"), 47, 196, 42, 11},
    {MainControl::EclipticLongitude, Kind::Output, 337, 196, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "longitudine"), 280, 196, 50, 11},
    {MainControl::RightAscension, Kind::Output, 93, 237, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "AR"), 64, 238, 23, 11},
    {MainControl::Declination, Kind::Output, 94, 254, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "declinazione"), 36, 255, 50, 11},
    {MainControl::TopocentricRightAscension, Kind::Output, 337, 237, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "AR"), 307, 238, 23, 11},
    {MainControl::TopocentricDeclination, Kind::Output, 337, 254, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "declinazione"), 280, 255, 50, 11},
    {MainControl::Azimuth, Kind::Output, 93, 294, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 45, 294, 42, 11},
    {MainControl::Altitude, Kind::Output, 93, 311, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza"), 37, 311, 50, 11},
    {MainControl::Refraction, Kind::Output, 337, 294, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "rifrazione"), 288, 294, 42, 11},
    {MainControl::RefractedAltitude, Kind::Output, 337, 311, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza con rifrazione"), 280, 308, 50, 15},
    {MainControl::GeometricRise, Kind::Output, 550, 26, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "sorge"), 506, 26, 35, 11},
    {MainControl::GeometricSet, Kind::Output, 550, 63, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "tramonta"), 506, 63, 35, 11},
    {MainControl::GeometricTransit, Kind::Output, 550, 45, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "transita"), 509, 45, 32, 11},
    {MainControl::EquationOfTime, Kind::Output, 58, 116, 102, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "EdT"), 26, 119, 21, 11},
    {MainControl::LongitudeDifference, Kind::Output, 101, 138, 59, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "differenza di longitudine"), 14, 139, 80, 12},
    {MainControl::TrueZoneTime, Kind::Output, 246, 127, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora vera del fuso"), 159, 127, 77, 11},
    {MainControl::TrueLocalTime, Kind::Output, 246, 158, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora vera locale"), 159, 159, 77, 11},
    {MainControl::MeanLocalTime, Kind::Output, 246, 142, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora media locale"), 159, 143, 77, 11},
    {MainControl::MeanZoneTime, Kind::Output, 246, 112, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora media del fuso"), 163, 112, 73, 11},
    {MainControl::ItalianHours, Kind::Output, 393, 112, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora italica"), 330, 112, 59, 11},
    {MainControl::BabylonianHours, Kind::Output, 393, 127, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora babilonese"), 330, 127, 59, 11},
    {MainControl::TemporalHours, Kind::Output, 393, 142, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora temporale"), 333, 142, 56, 11},
    {MainControl::ApparentRise, Kind::Output, 550, 136, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "sorge"), 508, 136, 33, 11},
    {MainControl::ApparentSet, Kind::Output, 550, 175, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "tramonta"), 510, 175, 31, 11},
    {MainControl::ApparentTransit, Kind::Output, 550, 155, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "transita"), 510, 155, 31, 11},
    {MainControl::GeometricDaylight, Kind::Output, 550, 80, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ore di luce"), 506, 80, 35, 11},
    {MainControl::ApparentDaylight, Kind::Output, 550, 194, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ore di luce"), 506, 194, 35, 11},
    {MainControl::Fajr, Kind::Output, 549, 251, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Fajr"), 507, 251, 33, 11},
    {MainControl::Zuhr, Kind::Output, 685, 251, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Zuhr"), 643, 251, 33, 11},
    {MainControl::Asr1, Kind::Output, 549, 270, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Asr 1"), 507, 270, 33, 11},
    {MainControl::Asr2, Kind::Output, 685, 270, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Asr 2"), 643, 270, 33, 11},
    {MainControl::Maghrib, Kind::Output, 549, 289, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Maghrib"), 507, 289, 33, 11},
    {MainControl::Isha, Kind::Output, 685, 289, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Isha"), 643, 289, 33, 11},
    {MainControl::Qibla, Kind::Output, 549, 308, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Qibla"), 507, 308, 33, 11},
    {MainControl::HoursToSunset, Kind::Output, 393, 158, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ore al tramonto"), 333, 158, 56, 11},
    {MainControl::AutomaticDeltaT, Kind::Radio, 117, 43, 37, 9, QT_TRANSLATE_NOOP("CTarvelDlg", "auto"), 0, 0, 0, 0},
    {MainControl::ManualDeltaT, Kind::Radio, 117, 54, 37, 9, QT_TRANSLATE_NOOP("CTarvelDlg", "manuale"), 0, 0, 0, 0},
    {MainControl::Now, Kind::Button, 441, 21, 30, 15, QT_TRANSLATE_NOOP("CTarvelDlg", "adesso"), 0, 0, 0, 0},
    {MainControl::GeometricRiseAzimuth, Kind::Output, 682, 26, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 26, 35, 11},
    {MainControl::GeometricSetAzimuth, Kind::Output, 682, 63, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 63, 35, 11},
    {MainControl::GeometricTransitAltitude, Kind::Output, 681, 45, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza"), 637, 45, 35, 11},
    {MainControl::ApparentRiseAzimuth, Kind::Output, 682, 136, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 136, 35, 11},
    {MainControl::ApparentSetAzimuth, Kind::Output, 682, 175, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 175, 35, 11},
    {MainControl::ApparentTransitAltitude, Kind::Output, 681, 155, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza"), 637, 155, 35, 11},
    {MainControl::QiblaTime, Kind::Output, 685, 308, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora Qibla"), 643, 308, 33, 11},
};

// Hidden group boxes: number, caption, rectangle in dialog units.
struct GroupSpec {
    ControlId id;
    const char* caption;
    int x, y, w, h;
};

const GroupSpec kGroups[] = {
    {SiteControl::Group, QT_TRANSLATE_NOOP("CTarvelDlg", "DATA, ORA E LOCALITA'"), 7, 7, 475, 62},
    {MainControl::TimeGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "MISURE DEL TEMPO"), 7, 79, 475, 96},
    {MainControl::EclipticGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE ECLITTICHE"), 7, 185, 475, 29},
    {MainControl::GeocentricGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE EQUATORIALI GEOCENTRICHE"), 7, 224, 232, 47},
    {MainControl::TopocentricGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE EQUATORIALI TOPOCENTRICHE"), 250, 225, 232, 47},
    {MainControl::HorizontalGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE ALTAZIMUTALI"), 7, 280, 475, 49},
    {MainControl::GeometricGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "VALORI GEOMETRICI"), 505, 7, 299, 93},
    {MainControl::ApparentGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "VALORI APPARENTI"), 505, 122, 299, 93},
    {MainControl::PrayersGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "PREGHIERE ISLAMICHE"), 503, 240, 269, 89},
    {MainControl::PlaceGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "LOCALITA' E FUSO ORARIO"), 7, 339, 797, 35},
    {MainControl::TwilightGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "CREPUSCOLI E NOTTE"), 7, 384, 797, 54},
};

// The twilight group: a column per twilight, the golden hour and the night,
// the morning's event above the evening's; each output with its label (which
// wraps into the room below it), as in kControls.
struct TwilightSpec {
    MainControl id;
    const char* label;
    int x, y, lx, lw;
};
constexpr int kTwilightFieldWidth = 78;
constexpr int kTwilightRowHeight = 12;
const TwilightSpec kTwilightSpecs[] = {
    {MainControl::AstronomicalDawn, QT_TRANSLATE_NOOP("CTarvelDlg", "alba astronomica"), 100, 398, 14, 82},
    {MainControl::AstronomicalDusk, QT_TRANSLATE_NOOP("CTarvelDlg", "crepuscolo astronomico"), 100, 417, 14, 82},
    {MainControl::NauticalDawn, QT_TRANSLATE_NOOP("CTarvelDlg", "alba nautica"), 254, 398, 184, 66},
    {MainControl::NauticalDusk, QT_TRANSLATE_NOOP("CTarvelDlg", "crepuscolo nautico"), 254, 417, 184, 66},
    {MainControl::CivilDawn, QT_TRANSLATE_NOOP("CTarvelDlg", "alba civile"), 406, 398, 338, 64},
    {MainControl::CivilDusk, QT_TRANSLATE_NOOP("CTarvelDlg", "crepuscolo civile"), 406, 417, 338, 64},
    {MainControl::GoldenHourEnd, QT_TRANSLATE_NOOP("CTarvelDlg", "fine ora dorata"), 558, 398, 490, 64},
    {MainControl::GoldenHourStart, QT_TRANSLATE_NOOP("CTarvelDlg", "inizio ora dorata"), 558, 417, 490, 64},
    {MainControl::NightMiddle, QT_TRANSLATE_NOOP("CTarvelDlg", "metà della notte"), 710, 398, 642, 64},
    {MainControl::NightLastThird, QT_TRANSLATE_NOOP("CTarvelDlg", "inizio ultimo terzo"), 710, 417, 642, 64},
};
// clang-format on

// The groups the main window paints, in painting order.
const QVector<int> kPaintedGroups = {
    ControlNumber(MainControl::TimeGroup),        ControlNumber(SiteControl::Group),
    ControlNumber(MainControl::EclipticGroup),    ControlNumber(MainControl::GeocentricGroup),
    ControlNumber(MainControl::TopocentricGroup), ControlNumber(MainControl::HorizontalGroup),
    ControlNumber(MainControl::GeometricGroup),   ControlNumber(MainControl::ApparentGroup),
    ControlNumber(MainControl::PrayersGroup),     ControlNumber(MainControl::PlaceGroup),
    ControlNumber(MainControl::TwilightGroup)};

// Where each result text goes.
const std::pair<ResultTextField, MainControl> kResultTextControls[] = {
    {ResultTextField::DeltaT, MainControl::DeltaT},
    {ResultTextField::JulianDay, MainControl::JulianDay},
    {ResultTextField::Gmst, MainControl::Gmst},
    {ResultTextField::Lmst, MainControl::Lmst},
    {ResultTextField::EquationOfTime, MainControl::EquationOfTime},
    {ResultTextField::LongitudeDifference, MainControl::LongitudeDifference},
    {ResultTextField::MeanZoneTime, MainControl::MeanZoneTime},
    {ResultTextField::MeanLocalTime, MainControl::MeanLocalTime},
    {ResultTextField::TrueZoneTime, MainControl::TrueZoneTime},
    {ResultTextField::TrueLocalTime, MainControl::TrueLocalTime},
    {ResultTextField::ItalianHours, MainControl::ItalianHours},
    {ResultTextField::BabylonianHours, MainControl::BabylonianHours},
    {ResultTextField::TemporalHours, MainControl::TemporalHours},
    {ResultTextField::HoursToSunset, MainControl::HoursToSunset},
    {ResultTextField::EclipticLatitude, MainControl::EclipticLatitude},
    {ResultTextField::EclipticLongitude, MainControl::EclipticLongitude},
    {ResultTextField::RightAscension, MainControl::RightAscension},
    {ResultTextField::Declination, MainControl::Declination},
    {ResultTextField::TopoRightAscension, MainControl::TopocentricRightAscension},
    {ResultTextField::TopoDeclination, MainControl::TopocentricDeclination},
    {ResultTextField::Azimuth, MainControl::Azimuth},
    {ResultTextField::Altitude, MainControl::Altitude},
    {ResultTextField::Refraction, MainControl::Refraction},
    {ResultTextField::RefractedAltitude, MainControl::RefractedAltitude},
    {ResultTextField::GeometricRise, MainControl::GeometricRise},
    {ResultTextField::GeometricRiseAzimuth, MainControl::GeometricRiseAzimuth},
    {ResultTextField::GeometricTransit, MainControl::GeometricTransit},
    {ResultTextField::GeometricTransitAltitude, MainControl::GeometricTransitAltitude},
    {ResultTextField::GeometricSet, MainControl::GeometricSet},
    {ResultTextField::GeometricSetAzimuth, MainControl::GeometricSetAzimuth},
    {ResultTextField::GeometricDaylight, MainControl::GeometricDaylight},
    {ResultTextField::ApparentRise, MainControl::ApparentRise},
    {ResultTextField::ApparentRiseAzimuth, MainControl::ApparentRiseAzimuth},
    {ResultTextField::ApparentTransit, MainControl::ApparentTransit},
    {ResultTextField::ApparentTransitAltitude, MainControl::ApparentTransitAltitude},
    {ResultTextField::ApparentSet, MainControl::ApparentSet},
    {ResultTextField::ApparentSetAzimuth, MainControl::ApparentSetAzimuth},
    {ResultTextField::ApparentDaylight, MainControl::ApparentDaylight},
    {ResultTextField::Fajr, MainControl::Fajr},
    {ResultTextField::Zuhr, MainControl::Zuhr},
    {ResultTextField::Asr1, MainControl::Asr1},
    {ResultTextField::Asr2, MainControl::Asr2},
    {ResultTextField::Maghrib, MainControl::Maghrib},
    {ResultTextField::Isha, MainControl::Isha},
    {ResultTextField::Qibla, MainControl::Qibla},
    {ResultTextField::QiblaTime, MainControl::QiblaTime},
};
static_assert(std::size(kResultTextControls) == kResultTextFieldCount);

QString Translated(const char* text) {
    return QCoreApplication::translate("CTarvelDlg", text);
}

// The prayer fields a chosen method rewrites, with the day time each shows.
constexpr std::pair<DayTimeTextField, MainControl> kMethodPrayerControls[] = {
    {DayTimeTextField::Fajr, MainControl::Fajr},       {DayTimeTextField::Zuhr, MainControl::Zuhr},
    {DayTimeTextField::Asr1, MainControl::Asr1},       {DayTimeTextField::Asr2, MainControl::Asr2},
    {DayTimeTextField::Maghrib, MainControl::Maghrib}, {DayTimeTextField::Isha, MainControl::Isha},
};

}  // namespace

const DayTimeControl kTwilightControls[10] = {
    {DayTimeTextField::AstronomicalDawn, MainControl::AstronomicalDawn},
    {DayTimeTextField::NauticalDawn, MainControl::NauticalDawn},
    {DayTimeTextField::CivilDawn, MainControl::CivilDawn},
    {DayTimeTextField::GoldenHourEnd, MainControl::GoldenHourEnd},
    {DayTimeTextField::GoldenHourStart, MainControl::GoldenHourStart},
    {DayTimeTextField::CivilDusk, MainControl::CivilDusk},
    {DayTimeTextField::NauticalDusk, MainControl::NauticalDusk},
    {DayTimeTextField::AstronomicalDusk, MainControl::AstronomicalDusk},
    {DayTimeTextField::NightMiddle, MainControl::NightMiddle},
    {DayTimeTextField::NightLastThird, MainControl::NightLastThird},
};

MainControl ResultTextControl(ResultTextField field) {
    for (const auto& [shown, control] : kResultTextControls) {
        if (shown == field) return control;
    }
    throw std::out_of_range("ResultTextControl: no control for the field");
}

CTarvelDlg::CTarvelDlg(const ObserverSettings& settings, QWidget* parent)
    : CTarvelDlg(settings, Environment(), nullptr, parent) {}

CTarvelDlg::CTarvelDlg(const ObserverSettings& settings, Environment environment, MessageSink* sink,
                       QWidget* parent)
    : QDialog(parent),
      environment_(std::move(environment)),
      sink_(sink != nullptr ? sink : &DefaultMessageSink()),
      settings_(settings) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tarvel"));
    scrollArea_ = new FormScrollArea(this);
    scrollArea_->viewport()->setFont(FormFont());
    BuildForm();
    scrollArea_->setWidget(canvas_);
    BuildMenu();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(scrollArea_);

    // The client area (the scroll area's viewport) has the form's designed
    // size; the window is that plus the menu and the two scroll bars.
    const QSize client = DesignedClientSize();
    resize(client.width() + VerticalBar()->sizeHint().width(),
           menuBar_->sizeHint().height() + client.height() + HorizontalBar()->sizeHint().height());

    Initialize();
    // The window opens at that size, or within the screen's available area
    // when the screen is smaller; the form then scrolls.
    OpenWithinScreen(this, initialOuterSize_);
}

CTarvelDlg::~CTarvelDlg() {
    focusGuard_.StopListening(this);
}

QSize CTarvelDlg::DesignedClientSize() const {
    return geometry_->Size(kFormWidthUnits, kFormHeightUnits);
}

QWidget* CTarvelDlg::ClientArea() const {
    return scrollArea_->viewport();
}

QScrollBar* CTarvelDlg::VerticalBar() const {
    return scrollArea_->verticalScrollBar();
}

QScrollBar* CTarvelDlg::HorizontalBar() const {
    return scrollArea_->horizontalScrollBar();
}

QPoint CTarvelDlg::ScrollOffset() const {
    return scrollArea_->Offset();
}

void CTarvelDlg::BuildForm() {
    canvas_ = new FormCanvas(kPaintedGroups, scrollArea_->viewport());
    canvas_->setFont(FormFont());
    const DialogUnits units(canvas_->font());

    for (const GroupSpec& g : kGroups) {
        QGroupBox* group = AddHiddenGroup(canvas_, ControlNumber(g.id), Translated(g.caption),
                                          units.Rect(g.x, g.y, g.w, g.h));
        SetDesignRect(group, QRect(g.x, g.y, g.w, g.h));
    }

    QWidget* previous = nullptr;
    for (const ControlSpec& c : kControls) {
        QWidget* control = nullptr;
        switch (c.kind) {
            case Kind::TimePicker:
                timePicker_ = MakeTimePicker(canvas_);
                control = timePicker_;
                break;
            case Kind::DatePicker:
                datePicker_ = MakeDatePicker(canvas_);
                control = datePicker_;
                break;
            case Kind::ZoneList:
                zoneList_ = MakeZoneList(canvas_);
                control = zoneList_;
                break;
            case Kind::CheckBox:
                summerBox_ = new WrappingCheckBox(Translated(c.label), canvas_);
                control = summerBox_;
                break;
            case Kind::Input: {
                auto* field = new FormEdit(canvas_);
                field->setAlignment(Qt::AlignCenter);
                if (c.id == SiteControl::Latitude) {
                    latitudeField_ = field;
                } else if (c.id == SiteControl::Longitude) {
                    longitudeField_ = field;
                } else if (c.id == SiteControl::Height) {
                    heightField_ = field;
                } else {
                    deltaTField_ = field;
                }
                control = field;
                break;
            }
            case Kind::Output: {
                auto* field = new QLineEdit(canvas_);
                SetFieldReadOnly(field, true);
                field->setAlignment(Qt::AlignCenter);
                // Out of the Tab chain, still selectable and copyable by mouse.
                field->setFocusPolicy(Qt::ClickFocus);
                outputs_.insert(ControlNumber(c.id), field);
                control = field;
                break;
            }
            case Kind::Radio: {
                auto* radio = new WrappingRadioButton(Translated(c.label), canvas_);
                (c.id == MainControl::AutomaticDeltaT ? autoRadio_ : manualRadio_) = radio;
                control = radio;
                break;
            }
            case Kind::Button:
                nowButton_ = new WrappingPushButton(Translated(c.label), canvas_);
                nowButton_->setAutoDefault(false);
                control = nowButton_;
                break;
        }
        NumberControl(control, c.id);
        SetDesignRect(control, QRect(c.x, c.y, c.w, c.h));
        if (c.kind == Kind::Input || c.kind == Kind::Output) {
            auto* label = new QLabel(Translated(c.label), canvas_);
            label->setObjectName(QStringLiteral("label%1").arg(ControlNumber(c.id)));
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            label->setWordWrap(true);
            SetDesignRect(label, QRect(c.lx, c.ly, c.lw, c.lh));
            labels_.insert(ControlNumber(c.id), label);
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }

    // The place and zone group: a place by name, a zone by name, and what
    // the zone's rules give.
    const auto addLabel = [this](int id, const char* text, const QRect& design) {
        auto* label = new QLabel(Translated(text), canvas_);
        label->setObjectName(QStringLiteral("label%1").arg(id));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setWordWrap(true);
        SetDesignRect(label, design);
        labels_.insert(id, label);
    };
    placeField_ = new PlaceField(canvas_);
    NumberControl(placeField_, MainControl::Place);
    SetDesignRect(placeField_, QRect(55, 353, 190, 12));
    addLabel(ControlNumber(MainControl::Place), QT_TRANSLATE_NOOP("CTarvelDlg", "località"),
             QRect(14, 355, 37, 11));
    zoneNameList_ = MakeZoneNameList(canvas_);
    NumberControl(zoneNameList_, MainControl::ZoneName);
    SetDesignRect(zoneNameList_, QRect(300, 353, 150, 12));
    addLabel(ControlNumber(MainControl::ZoneName), QT_TRANSLATE_NOOP("CTarvelDlg", "fuso per nome"),
             QRect(250, 355, 46, 11));
    zoneInfo_ = new QLabel(canvas_);
    NumberControl(zoneInfo_, MainControl::ZoneInfo);
    zoneInfo_->setWordWrap(true);
    zoneInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetDesignRect(zoneInfo_, QRect(458, 350, 340, 20));
    QWidget::setTabOrder(previous, placeField_);
    QWidget::setTabOrder(placeField_, zoneNameList_);
    connect(placeField_, &PlaceField::placeChosen, this,
            [this](const Place& place) { OnPlaceChosen(place); });
    connect(zoneNameList_, &QComboBox::activated, this,
            [this](int index) { OnZoneNameChosen(zoneNameList_->itemText(index)); });

    // The twilight group: result fields out of the Tab chain, as the others.
    for (const TwilightSpec& t : kTwilightSpecs) {
        auto* field = new QLineEdit(canvas_);
        SetFieldReadOnly(field, true);
        field->setAlignment(Qt::AlignCenter);
        field->setFocusPolicy(Qt::ClickFocus);
        NumberControl(field, t.id);
        SetDesignRect(field, QRect(t.x, t.y, kTwilightFieldWidth, kTwilightRowHeight));
        outputs_.insert(ControlNumber(t.id), field);
        addLabel(ControlNumber(t.id), t.label, QRect(t.lx, t.y, t.lw, kTwilightRowHeight - 1));
    }

    connect(datePicker_, &QDateEdit::dateChanged, this, [this] { OnDateChanged(); });
    connect(timePicker_, &QTimeEdit::timeChanged, this, [this] { OnTimeChanged(); });
    connect(zoneList_, &QComboBox::currentIndexChanged, this, [this] { OnZoneChanged(); });
    connect(summerBox_, &QCheckBox::clicked, this, [this] { OnSummerTimeClicked(); });
    connect(nowButton_, &QPushButton::clicked, this, [this] { OnNowClicked(); });
    connect(autoRadio_, &QRadioButton::clicked, this, [this] { OnDeltaTModeClicked(); });
    connect(manualRadio_, &QRadioButton::clicked, this, [this] { OnDeltaTModeClicked(); });
    focusGuard_.OnFocusLeft(latitudeField_, this, [this] { OnLatitudeKillFocus(); });
    focusGuard_.OnFocusLeft(longitudeField_, this, [this] { OnLongitudeKillFocus(); });
    focusGuard_.OnFocusLeft(heightField_, this, [this] { OnHeightKillFocus(); });
    focusGuard_.OnFocusLeft(deltaTField_, this, [this] { OnDeltaTKillFocus(); });

    // Every control at its design rectangle, grown where a text of the
    // interface language needs more room; the captions in the font they are
    // painted in.
    geometry_ = std::make_unique<FormGeometry>(units);
    FitForm(canvas_, *geometry_, MessageFont(), QSize(kFormWidthUnits, kFormHeightUnits));
}

void CTarvelDlg::BuildMenu() {
    menuBar_ = new QMenuBar(this);
    auto add = [this](QMenu* menu, int id, const char* caption, bool enabled) {
        QAction* action = menu->addAction(Translated(caption));
        action->setData(id);
        action->setEnabled(enabled);
        actions_.insert(id, action);
        return action;
    };
    QMenu* file = menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&File")));
    connect(add(file, main_menu::kExit, QT_TRANSLATE_NOOP("CTarvelDlg", "&Esci"), true),
            &QAction::triggered, this, [this] { OnExit(); });

    // The commands that open other windows (table, preferences, language
    // switch, help, about box) are enabled by the application object once it
    // has connected them; a window built without them shows them disabled.
    QMenu* compute = menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Calcola")));
    connect(add(compute, main_menu::kTable, QT_TRANSLATE_NOOP("CTarvelDlg", "&Tabella"), false),
            &QAction::triggered, this, [this] { OnTable(); });
    connect(add(compute, main_menu::kCharts, QT_TRANSLATE_NOOP("CTarvelDlg", "&Grafici..."), false),
            &QAction::triggered, this, [this] {
                if (chartsOpener_) chartsOpener_(this);
            });

    QMenu* settings =
        menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Impostazioni")));
    QMenu* language = settings->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Lingua")));
    add(language, main_menu::kItalian, QT_TRANSLATE_NOOP("CTarvelDlg", "&Italiano"), false);
    add(language, main_menu::kEnglish, QT_TRANSLATE_NOOP("CTarvelDlg", "In&glese"), false);
    add(language, main_menu::kPortuguese, QT_TRANSLATE_NOOP("CTarvelDlg", "&Portoghese"), false);
    connect(add(settings, main_menu::kPreferences,
                QT_TRANSLATE_NOOP("CTarvelDlg", "&Preferenze..."), false),
            &QAction::triggered, this, [this] { OnPreferences(); });

    QMenu* help = menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Help")));
    add(help, main_menu::kHelp, QT_TRANSLATE_NOOP("CTarvelDlg", "&Help"), false);
    add(help, main_menu::kAbout, QT_TRANSLATE_NOOP("CTarvelDlg", "Informazioni su Tarvel..."),
        false);
}

void CTarvelDlg::ShowOnPickers(const QDateTime& moment) {
    {
        const QSignalBlocker blockDate(datePicker_);
        const QSignalBlocker blockTime(timePicker_);
        datePicker_->setDate(moment.date());
        timePicker_->setTime(moment.time());
    }
    ReadPickers();
}

void CTarvelDlg::Initialize() {
    // The present moment, its summer-time state and the zone of the system.
    const QDateTime now = PresentMoment();
    ShowOnPickers(now);
    summerTime_ = SummerTimeAt(now.date(), now.time()) ? 1 : 0;
    SelectSystemZone(now);
    summerBox_->setChecked(summerTime_ != 0);

    // The site from the settings.
    latitudeValue_ = settings_.latitude;
    longitudeValue_ = settings_.longitude;
    heightValue_ = settings_.height;

    // Automatic ΔT: the field is read-only.
    WriteAutomaticDeltaT();
    deltaTMode_ = 0;
    SetFieldReadOnly(deltaTField_, true);

    // The form scrolls over the window's designed outer size.
    initialOuterSize_ = size();
    canvas_->resize(initialOuterSize_);

    ReversePass();
}

CTarvelDlg::FormInputs CTarvelDlg::Inputs() const {
    FormInputs inputs;
    inputs.date = datePicker_->date();
    inputs.time = timePicker_->time();
    inputs.zoneIndex = zoneList_->currentIndex();
    inputs.summerTime = summerBox_->isChecked();
    inputs.deltaTMode = deltaTMode_;
    inputs.deltaTText = deltaTText_;
    inputs.place = place_;
    inputs.zoneRules = zoneRules_;
    return inputs;
}

void CTarvelDlg::SetInputs(const FormInputs& inputs) {
    {
        const QSignalBlocker blockDate(datePicker_);
        const QSignalBlocker blockTime(timePicker_);
        const QSignalBlocker blockZone(zoneList_);
        datePicker_->setDate(inputs.date);
        timePicker_->setTime(inputs.time);
        if (inputs.zoneIndex >= 0 && inputs.zoneIndex < kTimeZoneCount) {
            zoneList_->setCurrentIndex(inputs.zoneIndex);
            zoneHours_ = kZoneListOffsets[inputs.zoneIndex];
        }
    }
    ReadPickers();
    summerTime_ = inputs.summerTime ? 1 : 0;
    summerBox_->setChecked(inputs.summerTime);
    deltaTMode_ = inputs.deltaTMode == 1 ? 1 : 0;
    SetFieldReadOnly(deltaTField_, deltaTMode_ == 0);
    deltaTText_ = inputs.deltaTText;
    place_ = inputs.place;
    zoneRules_ = inputs.zoneRules;
    if (place_) {
        const QSignalBlocker blockPlace(placeField_);
        placeField_->setText(QString::fromStdString(place_->Label()));
    }
    if (zoneRules_) {
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(
            std::max(0, zoneNameList_->findText(QString::fromStdString(zoneRules_->Name()))));
        FollowZoneRules();
    }
    ReversePass();
}

void CTarvelDlg::SetPreferencesEditor(PreferencesEditor editor) {
    preferencesEditor_ = std::move(editor);
    actions_.value(main_menu::kPreferences)->setEnabled(static_cast<bool>(preferencesEditor_));
}

void CTarvelDlg::SetTableOpener(TableOpener opener) {
    tableOpener_ = std::move(opener);
    actions_.value(main_menu::kTable)->setEnabled(static_cast<bool>(tableOpener_));
}

void CTarvelDlg::SetChartsOpener(ChartsOpener opener) {
    chartsOpener_ = std::move(opener);
    actions_.value(main_menu::kCharts)->setEnabled(static_cast<bool>(chartsOpener_));
}

QWidget* CTarvelDlg::Control(int id) const {
    return FindControl(canvas_, id);
}

QLabel* CTarvelDlg::Label(int id) const {
    return labels_.value(id, nullptr);
}

QAction* CTarvelDlg::MenuAction(int id) const {
    return actions_.value(id, nullptr);
}

QString CTarvelDlg::OutputText(int id) const {
    if (id == ControlNumber(MainControl::DeltaT)) {
        return deltaTField_->text();
    }
    const QLineEdit* field = outputs_.value(id, nullptr);
    return field == nullptr ? QString() : field->text();
}

// ---------------------------------------------------------------------------
// Form pass

bool CTarvelDlg::FormPass() {
    const FocusGuard::Pass pass(focusGuard_);
    refusedField_ = nullptr;
    bool ok = false;
    if (!ReadNumberField(latitudeField_, -90.0, 90.0, latitudeValue_, *sink_, this)) {
        refusedField_ = latitudeField_;
    } else if (!ReadNumberField(longitudeField_, -180.0, 180.0, longitudeValue_, *sink_, this)) {
        refusedField_ = longitudeField_;
    } else {
        deltaTText_ = deltaTField_->text();
        if (!ReadNumberField(heightField_, heightValue_, *sink_, this)) {
            refusedField_ = heightField_;
        } else {
            deltaTMode_ = manualRadio_->isChecked() ? 1 : 0;
            ok = true;
        }
    }
    return ok;
}

void CTarvelDlg::ReversePass() {
    SetFieldText(latitudeField_, FieldNumberText(latitudeValue_));
    SetFieldText(longitudeField_, FieldNumberText(longitudeValue_));
    SetFieldText(deltaTField_, deltaTText_);
    SetFieldText(heightField_, FieldNumberText(heightValue_));
    autoRadio_->setChecked(deltaTMode_ == 0);
    manualRadio_->setChecked(deltaTMode_ == 1);
}

// ---------------------------------------------------------------------------
// Pickers, summer time, ΔT, zone

void CTarvelDlg::ReadPickers() {
    const QDate date = datePicker_->date();
    if (date.isValid()) {
        year_ = date.year();
        month_ = date.month();
        day_ = date.day();
    } else {
        year_ = month_ = day_ = -1;
    }
    const QTime time = timePicker_->time();
    if (time.isValid()) {
        hour_ = time.hour();
        minute_ = time.minute();
        second_ = time.second();
    } else {
        hour_ = minute_ = -1;
        second_ = -1;
    }
}

bool CTarvelDlg::SummerTimeAt(const QDate& date, const QTime& time) const {
    if (!environment_.zone.isValid()) {
        return false;
    }
    const QDateTime local(date, time, environment_.zone);
    return environment_.zone.isDaylightTime(local);
}

void CTarvelDlg::WriteAutomaticDeltaT() {
    JulianDate jd;
    jd.SetDateTime(year_, month_, day_, hour_, minute_, second_, 1);
    deltaTText_ = QString::fromStdString(FormatDeltaTModel(DeltaTSeconds(jd.jd)));
    SetFieldText(deltaTField_, deltaTText_);
}

QDateTime CTarvelDlg::PresentMoment() const {
    QDateTime now;
    if (environment_.now) {
        now = environment_.now();
    } else if (environment_.zone.isValid()) {
        now = QDateTime::currentDateTimeUtc().toTimeZone(environment_.zone);
    } else {
        now = QDateTime::currentDateTime();
    }
    // Whole seconds.
    const QTime t = now.time();
    return QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second()));
}

void CTarvelDlg::SelectSystemZone(const QDateTime& moment) {
    double hoursEast = 0;
    if (environment_.zone.isValid()) {
        // The standard offset in minutes west, negated and divided by 60.
        const double minutesWest =
            -static_cast<double>(environment_.zone.standardTimeOffset(
                QDateTime(moment.date(), moment.time(), environment_.zone))) /
            60.0;
        hoursEast = -minutesWest / 60.0;
    }
    const int index = SystemZoneIndex(hoursEast);
    {
        const QSignalBlocker block(zoneList_);
        zoneList_->setCurrentIndex(index);
    }
    zoneHours_ = kZoneListOffsets[index];
}

// ---------------------------------------------------------------------------
// Computation

void CTarvelDlg::ComputeSolarParameters() {
    double deltaT = 0;
    if (!ReadLeadingNumber(deltaTText_.toStdString(), deltaT)) {
        deltaT = 0;
    }
    SolarRequest request;
    request.SetClockReading({year_, month_, day_, hour_, minute_, second_});
    request.SetZone(zoneHours_);
    request.summerTime = summerTime_ != 0;
    if (zoneRules_) {
        // The instant the reading means on the zone's clock, with the offset
        // in force then (the summer hour apart, as the computation takes it).
        request.SetClockReading(zoneReading_.reading);
        SetRequestZone(request, zoneReading_.state);
    }
    static_cast<ObserverSettings&>(request) = settings_;
    request.deltaT = deltaT;
    request.deltaTGiven = true;

    SolarResult result;
    try {
        result = CalcSolarParameters(request);
    } catch (const std::exception& error) {
        sink_->ShowMessage(this, QString::fromUtf8(error.what()),
                           QStringLiteral("ComputeSolarParameters"), QMessageBox::Warning);
        ReversePass();
        return;
    }
    lastRequest_ = request;
    ++computationCount_;

    // The twilights and the night, and with a method, rule or adjustment
    // other than the documented ones the prayers as it gives them. Under a
    // zone's rules every event is then read on the clock in force at its
    // instant, and its tooltip names that clock where it is not the one of
    // the time asked.
    DayTimes dayTimes = CalcDayTimes(request, result);
    const EventClocks clocks = ReadEventsOnClocks(request, zoneRules_.get(), result, &dayTimes);
    const auto clockTip = [&clocks](std::optional<ResultFieldId> id, EventAbsence absence) {
        if (!id || absence != EventAbsence::None || !clocks.Of(*id).offsetDiffers) {
            return QString();
        }
        return Translated(QT_TRANSLATE_NOOP("CTarvelDlg",
                                            "Ora dell'orologio in vigore a quell'istante: %1"))
            .arg(QString::fromStdString(EventClockNote(clocks.Of(*id))));
    };
    for (const ResultText& shown :
         MainWindowResultTexts(request, result, MainWindowTextOptions())) {
        const QString text = QString::fromStdString(shown.text);
        if (shown.field == ResultTextField::DeltaT) {
            deltaTText_ = text;  // the ΔT field, rewritten with one decimal
        } else if (QLineEdit* output =
                       outputs_.value(ControlNumber(ResultTextControl(shown.field)), nullptr)) {
            SetFieldText(output, text);
            const QString tip = clockTip(EventTimeField(shown.field), shown.absence);
            output->setToolTip(tip.isEmpty() ? AbsenceToolTip(shown.absence) : tip);
        }
    }
    // A time given by a high-latitude rule is marked.
    const std::vector<DayTimeText> days =
        DayTimeTexts(request, result, dayTimes, MainWindowTextOptions());
    for (const auto& [field, control] : kTwilightControls) {
        if (QLineEdit* output = outputs_.value(ControlNumber(control), nullptr)) {
            const DayTimeText& shown = DayTextOf(days, field);
            SetFieldText(output, DayTimeFieldText(shown));
            QStringList tips;
            for (const QString& tip : {DayOffsetToolTip(request, shown.dayOffset),
                                       clockTip(EventTimeField(field), shown.absence)}) {
                if (!tip.isEmpty()) tips << tip;
            }
            output->setToolTip(tips.isEmpty() ? DayTimeAbsenceToolTip(field, shown.absence)
                                              : tips.join(QLatin1Char('\n')));
        }
    }
    // The prayers' caption names a method other than the program's own by its
    // short name.
    if (auto* prayers =
            qobject_cast<QGroupBox*>(Control(ControlNumber(MainControl::PrayersGroup)))) {
        QString caption = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "PREGHIERE ISLAMICHE"));
        if (settings_.prayerMethod == PrayerMethod::kCustom) {
            caption += QStringLiteral(" (%1)").arg(
                Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "PERSONALIZZATO")));
        } else if (settings_.prayerMethod != PrayerMethod::kTarvel) {
            const std::string_view key = MethodParameters(settings_.prayerMethod).key;
            caption += QStringLiteral(" (%1)").arg(
                QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())).toUpper());
        }
        if (prayers->title() != caption) {
            prayers->setTitle(caption);
            canvas_->update();
        }
    }
    if (static_cast<const PrayerMethodSettings&>(settings_) != PrayerMethodSettings()) {
        for (const auto& [field, control] : kMethodPrayerControls) {
            QLineEdit* output = outputs_.value(ControlNumber(control), nullptr);
            if (output == nullptr) continue;
            const DayTimeText& shown = DayTextOf(days, field);
            QString text = DayTimeFieldText(shown);
            QString tip = AbsenceToolTip(shown.absence);
            if (shown.rule != HighLatitudeRule::kNone) {
                text += QLatin1String(kRuleMark);
                tip = Translated(QT_TRANSLATE_NOOP(
                    "CTarvelDlg", "Ora data dalla regola per le alte latitudini."));
            }
            if (shown.dayOffset != 0) {
                const QString other = DayOffsetToolTip(request, shown.dayOffset);
                tip = tip.isEmpty() ? other : other + QLatin1Char('\n') + tip;
            }
            SetFieldText(output, text);
            output->setToolTip(tip);
        }
    }
    ReversePass();
    if (refusedField_ != nullptr) {
        // A refused field keeps its text selected after the refresh.
        refusedField_->selectAll();
        refusedField_ = nullptr;
    }
    emit InputsComputed(lastRequest_, zoneRules_);
}

// ---------------------------------------------------------------------------
// Input events

void CTarvelDlg::OnDateChanged() {
    ReadPickers();
    if (zoneRules_) {
        FollowZoneRules();
        if (autoRadio_->isChecked()) WriteAutomaticDeltaT();
        ComputeSolarParameters();
        return;
    }
    const bool summer = SummerTimeByComputerRule(
        {year_, month_, day_, hour_, minute_, second_}, [this](const ClockInstant&) {
            return SummerTimeAt(datePicker_->date(), timePicker_->time());
        });
    summerTime_ = summer ? 1 : 0;
    summerBox_->setChecked(summerTime_ != 0);
    if (autoRadio_->isChecked()) {
        WriteAutomaticDeltaT();
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnTimeChanged() {
    ReadPickers();
    summerTime_ = summerBox_->isChecked() ? 1 : 0;
    if (zoneRules_) FollowZoneRules();
    ComputeSolarParameters();
}

void CTarvelDlg::OnZoneChanged() {
    LeaveZoneRules();  // a zone chosen by hand
    const int index = zoneList_->currentIndex();
    if (index >= 0 && index < kTimeZoneCount) {
        zoneHours_ = kZoneListOffsets[index];
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnSummerTimeClicked() {
    LeaveZoneRules();  // the box ticked by hand
    ReadPickers();
    summerTime_ = summerBox_->isChecked() ? 1 : 0;
    ComputeSolarParameters();
}

void CTarvelDlg::OnLatitudeKillFocus() {
    OnSiteAngleKillFocus(latitudeValue_, settings_.latitude);
}

void CTarvelDlg::OnLongitudeKillFocus() {
    OnSiteAngleKillFocus(longitudeValue_, settings_.longitude);
}

void CTarvelDlg::OnSiteAngleKillFocus(const double& fieldValue, double& setting) {
    if (FormPass()) {
        if (place_ && fieldValue != setting) {
            LeavePlace();  // the site edited by hand; the zone's rules stay
        }
        setting = fieldValue;
        ReversePass();
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnHeightKillFocus() {
    if (FormPass()) {
        if (place_ && heightValue_ != settings_.height) {
            LeavePlace();  // the site edited by hand; the zone's rules stay
        }
        settings_.height = heightValue_;
        ReversePass();
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnDeltaTKillFocus() {
    FormPass();
    ComputeSolarParameters();
}

void CTarvelDlg::OnDeltaTModeClicked() {
    FormPass();
    // The mode follows the buttons even when the pass stopped before them.
    deltaTMode_ = manualRadio_->isChecked() ? 1 : 0;
    if (deltaTMode_ == 1) {
        SetFieldReadOnly(deltaTField_, false);
        return;
    }
    SetFieldReadOnly(deltaTField_, true);
    ReadPickers();
    WriteAutomaticDeltaT();
    ComputeSolarParameters();
}

void CTarvelDlg::OnNowClicked() {
    const QDateTime now = PresentMoment();
    ShowOnPickers(now);
    if (zoneRules_) {
        // The present on the zone's clock.
        const ClockInstant present = zoneRules_->ReadingAt(now.toSecsSinceEpoch(), 0.0);
        {
            const QSignalBlocker blockDate(datePicker_);
            const QSignalBlocker blockTime(timePicker_);
            datePicker_->setDate(QDate(present.year, present.month, present.day));
            timePicker_->setTime(QTime(present.hour, present.minute,
                                       static_cast<int>(present.second)));
        }
        FollowZoneRules();
    } else {
        summerTime_ = SummerTimeAt(now.date(), now.time()) ? 1 : 0;
        SelectSystemZone(now);
        summerBox_->setChecked(summerTime_ != 0);
    }
    if (autoRadio_->isChecked()) {
        WriteAutomaticDeltaT();
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnPlaceChosen(const Place& place) {
    std::shared_ptr<const ZoneRules> rules = FindZoneRules(place.timeZone);
    place_ = place;
    settings_.latitude = latitudeValue_ = place.latitude;
    settings_.longitude = longitudeValue_ = place.LongitudeWest();
    if (rules) {
        zoneRules_ = std::move(rules);
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(
            std::max(0, zoneNameList_->findText(QString::fromStdString(place.timeZone))));
        FollowZoneRules();
    }
    ReversePass();
    ComputeSolarParameters();
}

void CTarvelDlg::OnZoneNameChosen(const QString& name) {
    std::shared_ptr<const ZoneRules> rules = FindZoneRules(name.toStdString());
    if (!rules) {
        LeaveZoneRules();
    } else {
        zoneRules_ = std::move(rules);
        FollowZoneRules();
    }
    ComputeSolarParameters();
}

QString CTarvelDlg::PlaceLabel() const {
    return place_ ? QString::fromStdString(place_->Label()) : QString();
}

QString CTarvelDlg::ZoneName() const {
    return zoneRules_ ? QString::fromStdString(zoneRules_->Name()) : QString();
}

void CTarvelDlg::RestorePlaceAndZone(const QString& placeLabel, const QString& zoneName) {
    std::shared_ptr<const ZoneRules> rules = FindZoneRules(zoneName.toStdString());
    if (!rules) return;
    zoneRules_ = std::move(rules);
    if (!placeLabel.isEmpty()) {
        const std::vector<Place> found = FindPlaces(placeLabel.toStdString(), 1);
        if (!found.empty() && QString::fromStdString(found.front().Label()) == placeLabel) {
            place_ = found.front();
            const QSignalBlocker blockPlace(placeField_);
            placeField_->setText(placeLabel);
            // The site is the place's (editing it would have left the place).
            settings_.latitude = latitudeValue_ = place_->latitude;
            settings_.longitude = longitudeValue_ = place_->LongitudeWest();
            ReversePass();
        }
    }
    {
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(std::max(0, zoneNameList_->findText(zoneName)));
    }
    OnNowClicked();  // the present on the zone's clock
}

void CTarvelDlg::FollowZoneRules() {
    ReadPickers();
    zoneReading_ = zoneRules_->Resolve({year_, month_, day_, hour_, minute_, second_});
    SolarRequest zone;
    SetRequestZone(zone, zoneReading_.state);
    zoneHours_ = zone.zoneHours;
    summerTime_ = zone.summerTime ? 1 : 0;
    {
        // Blank when the offset is none of the list's (old local mean times).
        const auto found =
            std::find(kZoneListOffsets.begin(), kZoneListOffsets.end(), zoneHours_);
        const QSignalBlocker blockZone(zoneList_);
        zoneList_->setCurrentIndex(found == kZoneListOffsets.end()
                                       ? -1
                                       : static_cast<int>(found - kZoneListOffsets.begin()));
    }
    summerBox_->setChecked(summerTime_ != 0);
    QString text = ZoneSummaryText(*zoneRules_, year_);
    const QString note = ClockReadingNote(zoneReading_);
    if (!note.isEmpty()) text += QStringLiteral("\n") + note;
    zoneInfo_->setText(text);
    timePicker_->setToolTip(note);  // also on the time itself
}

void CTarvelDlg::LeavePlace() {
    if (!place_) return;
    place_.reset();
    const QSignalBlocker blockPlace(placeField_);
    placeField_->clear();
}

void CTarvelDlg::LeaveZoneRules() {
    if (!zoneRules_ && !place_) return;
    zoneRules_.reset();
    place_.reset();
    zoneInfo_->clear();
    timePicker_->setToolTip(QString());
    const QSignalBlocker blockPlace(placeField_);
    const QSignalBlocker blockName(zoneNameList_);
    placeField_->clear();
    zoneNameList_->setCurrentIndex(0);
    if (zoneList_->currentIndex() < 0) {
        SelectSystemZone(PresentMoment());  // a blank list after an old offset
    }
}

void CTarvelDlg::OnEnter() {
    if (FormPass()) {
        if (place_ && (heightValue_ != settings_.height || latitudeValue_ != settings_.latitude ||
                       longitudeValue_ != settings_.longitude)) {
            LeavePlace();  // the site edited by hand; the zone's rules stay
        }
        settings_.height = heightValue_;
        settings_.latitude = latitudeValue_;
        settings_.longitude = longitudeValue_;
        ReversePass();
    }
    const int index = zoneList_->currentIndex();
    if (index >= 0 && index < kTimeZoneCount) {
        zoneHours_ = kZoneListOffsets[index];
    }
    ReadPickers();
    summerTime_ = summerBox_->isChecked() ? 1 : 0;
    if (zoneRules_) FollowZoneRules();
    ComputeSolarParameters();
}

void CTarvelDlg::OnPreferences() {
    if (!preferencesEditor_) {
        return;
    }
    ObserverSettings edited = settings_;
    if (preferencesEditor_(this, edited)) {
        CopyPreferences(edited, settings_);
        ComputeSolarParameters();
    }
}

void CTarvelDlg::OnTable() {
    if (!tableOpener_) {
        return;
    }
    // The current inputs; nothing comes back from the table window.
    TableParameters inputs;
    inputs.SetStart({year_, month_, day_, hour_, minute_, second_});
    inputs.zoneHours = zoneHours_;
    inputs.summerTime = summerTime_ != 0;
    inputs.zoneRules = zoneRules_;
    static_cast<ObserverSettings&>(inputs) = settings_;
    tableOpener_(this, inputs);
}

void CTarvelDlg::OnExit() {
    done(0);
}

// ---------------------------------------------------------------------------
// Window events

void CTarvelDlg::keyPressEvent(QKeyEvent* event) {
    // Enter is the window's own command and never closes it; Escape closes it.
    if (!HandleFormKey(*event, this, help_topic::kMainPage, [this] { OnEnter(); })) {
        QDialog::keyPressEvent(event);
    }
}

void CTarvelDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        focusGuard_.SetClosing(false);
        ComputeSolarParameters();
    }
}

void CTarvelDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        ComputeSolarParameters();
    }
}

void CTarvelDlg::done(int result) {
    focusGuard_.SetClosing(true);
    QDialog::done(result);
}

}  // namespace tarvel
