// The main window: the inputs of one instant and site, every result of the
// solar computation for them, the framed group captions and the scrolling of a
// window made smaller than its designed size.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "astro/observer.h"
#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "civil/clock_state.h"
#include "format/result_texts.h"
#include "table/table_parameters.h"
#include "ui/form/focus_guard.h"
#include "ui/form/form_widgets.h"
#include "ui/main/place_zone.h"

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimeEdit;
class QTimer;

namespace tarvel {

class FormCanvas;
class FormEdit;
class FormGeometry;
class FormScrollArea;
class MessageSink;
class WrappingCheckBox;

// Numbers of the main window's menu commands.
namespace main_menu {
inline constexpr int kExit = 32777;         // "&File" > "&Esci"
inline constexpr int kTable = 32772;        // "&Calcola" > "&Tabella"
inline constexpr int kCharts = 32781;       // "&Calcola" > "&Grafici..."
inline constexpr int kItalian = 32775;      // "&Impostazioni" > "&Lingua" > "&Italiano"
inline constexpr int kEnglish = 32776;      // ... "In&glese"
inline constexpr int kPortuguese = 32779;   // ... "&Portoghese"
inline constexpr int kPreferences = 32773;  // "&Impostazioni" > "&Preferenze..."
inline constexpr int kHelp = 32778;         // "&Help" > "&Help"
inline constexpr int kAbout = 32780;        // "&Help" > "Informazioni su Tarvel..."
}  // namespace main_menu

// Numbers of the main window's own controls: outputs, the ΔT field and mode,
// "adesso" and hidden group boxes (the date, time and site controls are
// SiteControl's).
enum class MainControl : int {
    Gmst = 1007,
    Lmst = 1008,
    DeltaT = 1009,
    JulianDay = 1010,
    EclipticLatitude = 1012,
    EclipticLongitude = 1013,
    RightAscension = 1014,
    Declination = 1015,
    TopocentricRightAscension = 1016,
    TopocentricDeclination = 1017,
    Azimuth = 1018,
    Altitude = 1019,
    EquationOfTime = 1020,
    LongitudeDifference = 1021,
    TrueZoneTime = 1022,
    TrueLocalTime = 1023,
    Refraction = 1024,
    RefractedAltitude = 1025,
    MeanLocalTime = 1026,
    MeanZoneTime = 1027,
    ItalianHours = 1028,
    BabylonianHours = 1029,
    TemporalHours = 1030,
    GeometricRise = 1031,
    GeometricSet = 1032,
    GeometricTransit = 1033,
    ApparentRise = 1034,
    ApparentSet = 1035,
    ApparentTransit = 1036,
    TimeGroup = 1037,
    EclipticGroup = 1039,
    GeocentricGroup = 1040,
    TopocentricGroup = 1041,
    HorizontalGroup = 1042,
    GeometricGroup = 1043,
    ApparentGroup = 1044,
    GeometricDaylight = 1045,
    ApparentDaylight = 1046,
    Fajr = 1047,
    Zuhr = 1048,
    Asr1 = 1049,
    Asr2 = 1050,
    Maghrib = 1051,
    Isha = 1052,
    Qibla = 1053,
    PrayersGroup = 1054,
    HoursToSunset = 1055,
    GeometricRiseAzimuth = 1056,
    GeometricSetAzimuth = 1057,
    GeometricTransitAltitude = 1058,
    ApparentRiseAzimuth = 1059,
    ApparentSetAzimuth = 1060,
    AutomaticDeltaT = 1061,
    ManualDeltaT = 1062,
    Now = 1063,
    ApparentTransitAltitude = 1064,
    QiblaTime = 1065,
    // The place and time-zone group (below the documented form).
    PlaceGroup = 1100,
    Place = 1101,
    ZoneName = 1102,
    ZoneInfo = 1103,
    // The twilights and the night (below the place group).
    TwilightGroup = 1110,
    AstronomicalDawn = 1111,
    NauticalDawn = 1112,
    CivilDawn = 1113,
    GoldenHourEnd = 1114,
    AstronomicalDusk = 1115,
    NauticalDusk = 1116,
    CivilDusk = 1117,
    GoldenHourStart = 1118,
    NightMiddle = 1119,
    NightLastThird = 1120,
    // The method's sunrise, the next prayer and the Qibla from north.
    Shuruq = 1121,
    NextPrayer = 1122,
    QiblaFromNorth = 1123,
    // The blue and golden hours as ranges, the Hijri date (twilight group's
    // last row) and the day length's change (beside the apparent daylight).
    BlueHourMorning = 1124,
    GoldenHourMorning = 1125,
    GoldenHourEvening = 1126,
    BlueHourEvening = 1127,
    HijriDate = 1128,
    DaylightChange = 1129,
};

// The control that shows each of the engine's result texts: an output field,
// or for ResultTextField::DeltaT the ΔT input field, rewritten after each
// computation.
MainControl ResultTextControl(ResultTextField field);

// The day times the twilight group shows, each with its field.
struct DayTimeControl {
    DayTimeTextField field;
    MainControl control;
};
extern const DayTimeControl kTwilightControls[10];

class CTarvelDlg : public QDialog {
    Q_OBJECT
  public:
    // What the window asks of the computer: its time zone (for the standard
    // offset and the summer-time rule) and the present moment.
    struct Environment {
        QTimeZone zone = QTimeZone::systemTimeZone();
        // The present moment; by default the system clock.
        std::function<QDateTime()> now;
    };

    // Runs the preferences dialog on the window's settings; true when it was
    // closed with OK and the values were copied into settings.
    using PreferencesEditor = std::function<bool(QWidget* parent, ObserverSettings& settings)>;

    // Runs the ephemeris table window modally for the window's current inputs
    // (start instant, zone, summer time, site, refraction and prayer settings).
    using TableOpener = std::function<void(QWidget* parent, const TableParameters& inputs)>;

    explicit CTarvelDlg(const ObserverSettings& settings, QWidget* parent = nullptr);
    // sink: where message boxes go (nullptr: modal message boxes).
    CTarvelDlg(const ObserverSettings& settings, Environment environment, MessageSink* sink,
               QWidget* parent = nullptr);
    ~CTarvelDlg() override;

    // The window's copy of the settings, handed back when its run ends.
    const ObserverSettings& Settings() const { return settings_; }

    // The inputs beyond the settings that a new window takes over from the
    // one it replaces (a language switch): the date, time, zone, summer-time
    // box, ΔT mode and ΔT text. The site travels in Settings().
    struct FormInputs {
        QDate date;
        QTime time;
        int zoneIndex = -1;
        bool summerTime = false;
        int deltaTMode = 0;  // 0 automatic, 1 manual
        QString deltaTText;
        // The place and the zone rules the clock follows, if any.
        std::optional<Place> place;
        std::shared_ptr<const ZoneRules> zoneRules;
        // The window follows the present moment ("adesso").
        bool followsPresent = false;
    };
    FormInputs Inputs() const;
    // Puts inputs into the form in place of the present moment, before the
    // window is shown; the summer-time box keeps its state, whatever the
    // computer's rule says for the date.
    void SetInputs(const FormInputs& inputs);

    // Enables "&Preferenze..." with the given dialog.
    void SetPreferencesEditor(PreferencesEditor editor);

    // Enables "&Calcola" > "&Tabella" with the given table window.
    void SetTableOpener(TableOpener opener);

    // Opens (or brings forward) the charts window, which follows the window's
    // inputs through InputsComputed.
    using ChartsOpener = std::function<void(CTarvelDlg* window)>;
    // Enables "&Calcola" > "&Grafici..." with the given charts window.
    void SetChartsOpener(ChartsOpener opener);
    // The zone rules the clock follows, shared with the windows that follow
    // this one's inputs (none in the manual entry).
    std::shared_ptr<const ZoneRules> SharedZoneRules() const { return clock_.rules; }

  signals:
    // After each computation: its request (date, time, zone, summer time,
    // site, atmosphere, prayer settings, Delta T) and the zone rules of the
    // clock, if any.
    void InputsComputed(const tarvel::SolarRequest& request,
                        std::shared_ptr<const tarvel::ZoneRules> zoneRules);

  public:
    // The control with number id (a MainControl or SiteControl: inputs,
    // outputs, hidden group boxes), its label, and a menu command.
    QWidget* Control(int id) const;
    QLabel* Label(int id) const;
    QAction* MenuAction(int id) const;
    QString OutputText(int id) const;

    // The request of the last computation.
    const SolarRequest& LastRequest() const { return lastRequest_; }
    int ComputationCount() const { return computationCount_; }

    // Layout and scrolling: the client area (the visible part of the form, in
    // the form's font), the bars, the window's designed outer size (over which
    // the form scrolls), the size the window opens at (the whole of that
    // design in view beside the menu and the bars, or within the screen's
    // available area when that is smaller) and how far the form is scrolled.
    QWidget* ClientArea() const;
    QScrollBar* VerticalBar() const;
    QScrollBar* HorizontalBar() const;
    QSize InitialOuterSize() const { return initialOuterSize_; }
    QSize OpeningSize() const;
    QPoint ScrollOffset() const;
    QSize DesignedClientSize() const;
    // The form's geometry: the design in dialog units, grown where the
    // interface language's texts need more room.
    const FormGeometry& Geometry() const { return *geometry_; }

    // Builds the request from the inputs and settings, computes, writes every
    // output field and refreshes the form.
    void ComputeSolarParameters();

    // Input events of the form.
    void OnDateChanged();
    void OnTimeChanged();
    void OnZoneChanged();
    void OnSummerTimeClicked();
    void OnLatitudeKillFocus();
    void OnLongitudeKillFocus();
    // The latitude or longitude field read into its setting (fieldValue is
    // the form's variable, filled by FormPass); a new value leaves the place.
    void OnSiteAngleKillFocus(const double& fieldValue, double& setting);
    void OnHeightKillFocus();
    void OnDeltaTKillFocus();
    void OnDeltaTModeClicked();
    void OnNowClicked();
    void OnPlaceChosen(const Place& place);
    void OnZoneNameChosen(const QString& name);
    void OnEnter();

    // The zone rules the clock follows (a place's, or a zone chosen by name),
    // none in the documented manual entry; the place chosen, if any.
    const ZoneRules* ZoneRulesInForce() const { return clock_.rules.get(); }
    const std::optional<Place>& ChosenPlace() const { return place_; }
    // The place's label and the zone's name, to keep between runs (empty in
    // the manual entry), and their return at the next start: the zone's rules
    // again and the present on its clock. Each name stands on its own: a
    // place found comes back with its site, and with its own zone when the
    // stored zone is not found; a name no longer found is ignored, and the
    // return says which of the two were taken up.
    QString PlaceLabel() const;
    QString ZoneName() const;
    // The place's label as the window shows it, in the interface's language.
    QString ShownPlaceLabel() const;
    struct RestoredNames {
        bool place = false;
        bool zone = false;
    };
    RestoredNames RestorePlaceAndZone(const QString& placeLabel, const QString& zoneName);
    // Whether the window shows the present moment (it opened at it, or
    // "adesso" was clicked, and no date or time was set since); while it
    // does, the timer rewrites the next prayer at each new minute.
    bool FollowsPresent() const { return followsPresent_; }
    QTimer* MinuteTimer() const { return minuteTimer_; }
    void OnMinuteTick();
    void OnPreferences();
    void OnTable();
    void OnExit();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void done(int result) override;

  private:
    void BuildForm();
    void BuildMenu();
    void Initialize();

    // Form pass: reads latitude (-90 ... 90), longitude (-180 ... 180), the ΔT
    // text, the height and the ΔT mode, stopping at the first failure.
    bool FormPass();
    // Reverse pass: writes the values back into the fields.
    void ReversePass();

    void ReadPickers();
    // Puts a moment on the date and time pickers and reads it into the request.
    void ShowOnPickers(const QDateTime& moment);
    bool SummerTimeAt(const QDate& date, const QTime& time) const;
    void WriteAutomaticDeltaT();
    QDateTime PresentMoment() const;
    void SelectSystemZone(const QDateTime& moment);
    // Under zone rules: the date and time read on their clock, the zone list
    // and summer box set from the state in force, and the zone's text.
    void FollowZoneRules();
    // Forgets the chosen place (its name), keeping the zone's rules: the
    // site was edited by hand.
    void LeavePlace();
    // Back to the documented manual entry (the zone and summer box stay as
    // they are).
    void LeaveZoneRules();
    // Shuruq and the next prayer with a method other than the program's own,
    // in the prayers' frame grown by a row; the documented frame otherwise.
    void ShowMethodRow(bool shown);
    // The next prayer after the request's moment, from its day times.
    void WriteNextPrayer(const SolarRequest& request, const DayTimes& dayTimes);
    void ArmMinuteTimer();

    Environment environment_;
    MessageSink* sink_;
    PreferencesEditor preferencesEditor_;
    TableOpener tableOpener_;
    ChartsOpener chartsOpener_;

    // Values of the form.
    ObserverSettings settings_;
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    int hour_ = 0;
    int minute_ = 0;
    double second_ = 0;
    double latitudeValue_ = 0;
    double longitudeValue_ = 0;
    double heightValue_ = 0;
    QString deltaTText_;
    int deltaTMode_ = 0;

    QSize initialOuterSize_;
    std::unique_ptr<FormGeometry> geometry_;

    SolarRequest lastRequest_;
    int computationCount_ = 0;

    // Places and zone rules.
    PlaceField* placeField_ = nullptr;
    QComboBox* zoneNameList_ = nullptr;
    QLabel* zoneInfo_ = nullptr;
    std::optional<Place> place_;
    // The zone list's offset and the summer box, or the zone's rules with the
    // pickers' reading resolved on them.
    ClockState clock_;

    // No focus event is handled while a form pass shows its message and
    // returns the focus, nor while the window closes.
    FocusGuard focusGuard_;
    QLineEdit* refusedField_ = nullptr;

    // Controls.
    FormScrollArea* scrollArea_ = nullptr;
    FormCanvas* canvas_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QTimeEdit* timePicker_ = nullptr;
    QDateEdit* datePicker_ = nullptr;
    QComboBox* zoneList_ = nullptr;
    WrappingCheckBox* summerBox_ = nullptr;
    QPushButton* nowButton_ = nullptr;
    FormEdit* latitudeField_ = nullptr;
    FormEdit* longitudeField_ = nullptr;
    FormEdit* heightField_ = nullptr;
    FormEdit* deltaTField_ = nullptr;
    QRadioButton* autoRadio_ = nullptr;
    QRadioButton* manualRadio_ = nullptr;
    QHash<int, QLineEdit*> outputs_;
    QTimer* minuteTimer_ = nullptr;
    bool followsPresent_ = false;
    QHash<int, QLabel*> labels_;
    QHash<int, QAction*> actions_;
};

}  // namespace tarvel
