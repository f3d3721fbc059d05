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
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <iterator>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "astro/calendar.h"
#include "astro/next_prayer.h"
#include "astro/prayer_times.h"
#include "astro/time_scales.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "languages/languages.h"
#include "places/place_search.h"
#include "format/format_texts.h"
#include "format/result_texts.h"
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
#include "ui/form/time_zones.h"
#include "ui/main/main_form_layout.h"
#include "ui/main/shown_results.h"

namespace tarvel {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CTarvelDlg", text);
}

// The mark of a prayer shown in a method's field; nothing for Zuhr.
const DayTimes::Mark* PrayerMarkOf(const DayTimes& days, DayTimeTextField field) {
    switch (field) {
        case DayTimeTextField::Fajr:
            return &days.marks.fajr;
        case DayTimeTextField::Sunrise:
            return &days.marks.sunrise;
        case DayTimeTextField::Asr1:
            return &days.marks.asr1;
        case DayTimeTextField::Asr2:
            return &days.marks.asr2;
        case DayTimeTextField::Maghrib:
            return &days.marks.maghrib;
        case DayTimeTextField::Isha:
            return &days.marks.isha;
        default:
            return nullptr;
    }
}

// The day times of a clock reading on a clock (its zone list and box or its
// rules) for the settings, every event read on the clock in force at it;
// nothing when the computation refuses the request.
std::optional<DayTimes> DayTimesAt(ClockState clock, const ClockReading& reading,
                                   const ObserverSettings& settings, double deltaT) {
    SolarRequest request;
    clock.reading = reading;
    clock.ApplyTo(request);
    static_cast<ObserverSettings&>(request) = settings;
    request.deltaT = deltaT;
    request.deltaTGiven = true;
    try {
        SolarResult result = CalcSolarParameters(request);
        DayTimes days = CalcDayTimes(request, result);
        ReadEventsOnClocks(request, clock.rules.get(), result, &days);
        return days;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

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

    minuteTimer_ = new QTimer(this);
    minuteTimer_->setSingleShot(true);
    connect(minuteTimer_, &QTimer::timeout, this, [this] { OnMinuteTick(); });

    Initialize();
    // The window opens with the whole design in view, or within the screen's
    // available area when the screen is smaller; the form then scrolls.
    OpenWithinScreen(this, OpeningSize());
}

QSize CTarvelDlg::OpeningSize() const {
    return initialOuterSize_ +
           QSize(VerticalBar()->sizeHint().width(),
                 menuBar_->sizeHint().height() + HorizontalBar()->sizeHint().height());
}

CTarvelDlg::~CTarvelDlg() {
    focusGuard_.StopListening(this);
}

QSize CTarvelDlg::DesignedClientSize() const {
    return geometry_->Size(main_form::kFormWidthUnits, main_form::kFormHeightUnits);
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
    clock_.summerTime = SummerTimeAt(now.date(), now.time());
    SelectSystemZone(now);
    summerBox_->setChecked(clock_.summerTime);
    followsPresent_ = true;

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
    inputs.zoneRules = clock_.rules;
    inputs.followsPresent = followsPresent_;
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
            clock_.zoneHours = kZoneListOffsets[inputs.zoneIndex];
        }
    }
    ReadPickers();
    clock_.summerTime = inputs.summerTime;
    summerBox_->setChecked(inputs.summerTime);
    deltaTMode_ = inputs.deltaTMode == 1 ? 1 : 0;
    SetFieldReadOnly(deltaTField_, deltaTMode_ == 0);
    deltaTText_ = inputs.deltaTText;
    place_ = inputs.place;
    clock_.rules = inputs.zoneRules;
    followsPresent_ = inputs.followsPresent;
    if (place_) {
        // The names in this window's language (it may be another than the
        // window the inputs come from).
        const std::vector<Place> again = FindPlaces(
            place_->Label(), 1, PlaceNamesForLanguage(InterfaceLanguageCode().toStdString()));
        if (!again.empty() && again.front().Label() == place_->Label()) {
            place_->local = again.front().local;
        }
        const QSignalBlocker blockPlace(placeField_);
        placeField_->setText(QString::fromStdString(place_->LocalLabel()));
    }
    if (clock_.rules) {
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(
            std::max(0, zoneNameList_->findText(QString::fromStdString(clock_.rules->Name()))));
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
    if (!ReadAngleField(latitudeField_, LatitudeWords(), kLatitudeBounds.low, kLatitudeBounds.high,
                        latitudeValue_, *sink_, this)) {
        refusedField_ = latitudeField_;
    } else if (!ReadAngleField(longitudeField_, LongitudeWestWords(), kLongitudeBounds.low,
                               kLongitudeBounds.high, longitudeValue_, *sink_, this)) {
        refusedField_ = longitudeField_;
    } else {
        deltaTText_ = deltaTField_->text();
        if (!ReadNumberField(heightField_, kHeightBounds.low, kHeightBounds.high, heightValue_,
                             *sink_, this)) {
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
    clock_.zoneHours = kZoneListOffsets[index];
}

// ---------------------------------------------------------------------------
// Computation

void CTarvelDlg::ComputeSolarParameters() {
    double deltaT = 0;
    if (!ReadLeadingNumber(deltaTText_.toStdString(), deltaT)) {
        deltaT = 0;
    }
    SolarRequest request;
    clock_.reading = {year_, month_, day_, hour_, minute_, second_};
    clock_.ApplyTo(request);
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
    AddDayLengthChange(request, result, dayTimes);
    const EventClocks clocks = ReadEventsOnClocks(request, clock_.rules.get(), result, &dayTimes);
    // Rounded to the minute as published timetables are, when so chosen.
    if (settings_.rounding != PrayerRounding::kNone) {
        dayTimes = RoundedPrayers(dayTimes, settings_.rounding);
    }
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
    // The blue and golden hours from one bound to the next, the day length's
    // change and the Hijri date of the date shown.
    const DayTimes::Occurrences& occurs = dayTimes.occurs;
    const struct {
        MainControl id;
        double from;
        bool fromOccurs;
        double to;
        bool toOccurs;
    } ranges[] = {
        {MainControl::BlueHourMorning, dayTimes.civilDawn, occurs.civilDawn,
         dayTimes.blueHourMorningEnd, occurs.blueHourMorningEnd},
        {MainControl::GoldenHourMorning, dayTimes.blueHourMorningEnd, occurs.blueHourMorningEnd,
         dayTimes.goldenHourEnd, occurs.goldenHourEnd},
        {MainControl::GoldenHourEvening, dayTimes.goldenHourStart, occurs.goldenHourStart,
         dayTimes.blueHourEveningStart, occurs.blueHourEveningStart},
        {MainControl::BlueHourEvening, dayTimes.blueHourEveningStart, occurs.blueHourEveningStart,
         dayTimes.civilDusk, occurs.civilDusk},
    };
    for (const auto& range : ranges) {
        SetFieldText(outputs_.value(ControlNumber(range.id)),
                     QString::fromStdString(ClockRangeText(range.from, range.fromOccurs, range.to,
                                                           range.toOccurs)));
    }
    SetFieldText(outputs_.value(ControlNumber(MainControl::DaylightChange)),
                 QString::fromStdString(occurs.dayLengthChange
                                            ? DayLengthChangeText(dayTimes.dayLengthChange)
                                            : std::string(kAbsentEventText)));
    {
        const auto calendar = static_cast<HijriCalendar>(settings_.hijriCalendar);
        const CalendarDate date{request.year, request.month, request.day};
        QLineEdit* hijri = outputs_.value(ControlNumber(MainControl::HijriDate));
        SetFieldText(hijri, HijriDateFieldText(calendar, date));
        hijri->setToolTip(HijriDateToolTip(calendar, date));
    }
    // The prayers' caption names a method other than the program's own by its
    // short name.
    if (auto* prayers =
            qobject_cast<QGroupBox*>(Control(ControlNumber(MainControl::PrayersGroup)))) {
        QString caption = Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "PREGHIERE ISLAMICHE"));
        if (settings_.prayerMethod != PrayerMethod::kTarvel) {
            caption += QStringLiteral(" (%1)").arg(MethodCaptionName(settings_.prayerMethod));
        }
        if (prayers->title() != caption) {
            prayers->setTitle(caption);
            canvas_->update();
        }
    }
    // (The Hijri calendar changes no prayer time.)
    PrayerMethodSettings prayerChoices = settings_;
    prayerChoices.hijriCalendar = PrayerMethodSettings().hijriCalendar;
    if (prayerChoices != PrayerMethodSettings()) {
        for (const auto& [field, control] : main_form::kMethodPrayerControls) {
            QLineEdit* output = outputs_.value(ControlNumber(control), nullptr);
            if (output == nullptr) continue;
            const DayTimeText& shown = DayTextOf(days, field);
            QString text = DayTimeFieldText(shown);
            QString tip = AbsenceToolTip(shown.absence);
            if (shown.rule != HighLatitudeRule::kNone) {
                text += QLatin1String(kRuleMark);
                tip = HighLatitudeRuleToolTip(shown.rule);
            } else if (const DayTimes::Mark* mark = PrayerMarkOf(dayTimes, field);
                       mark != nullptr && mark->by != PrayerTimeMark::kNone) {
                text += QLatin1String(kRuleMark);
                tip = PrayerMarkToolTip(*mark, request);
            }
            if (shown.dayOffset != 0) {
                const QString other = DayOffsetToolTip(request, shown.dayOffset);
                tip = tip.isEmpty() ? other : other + QLatin1Char('\n') + tip;
            }
            SetFieldText(output, text);
            output->setToolTip(tip);
        }
    }
    // The Qibla from north beside the documented one; with a method other
    // than the own, Shuruq (the method's sunrise, its offset included) and
    // the next prayer.
    SetFieldText(outputs_.value(ControlNumber(MainControl::QiblaFromNorth)),
                 QiblaFromNorthText(result.qiblaAzimuth));
    const bool methodRow = settings_.prayerMethod != PrayerMethod::kTarvel;
    ShowMethodRow(methodRow);
    if (methodRow) {
        QLineEdit* shuruq = outputs_.value(ControlNumber(MainControl::Shuruq));
        const DayTimeText& shown = DayTextOf(days, DayTimeTextField::Sunrise);
        SetFieldText(shuruq, DayTimeFieldText(shown));
        const QString other = DayOffsetToolTip(request, shown.dayOffset);
        shuruq->setToolTip(other.isEmpty() ? AbsenceToolTip(shown.absence) : other);
        WriteNextPrayer(request, dayTimes);
    }
    ArmMinuteTimer();
    ReversePass();
    if (refusedField_ != nullptr) {
        // A refused field keeps its text selected after the refresh.
        refusedField_->selectAll();
        refusedField_ = nullptr;
    }
    emit InputsComputed(lastRequest_, clock_.rules);
}

// ---------------------------------------------------------------------------
// Input events

void CTarvelDlg::OnDateChanged() {
    followsPresent_ = false;  // a date set by hand
    ReadPickers();
    if (clock_.rules) {
        FollowZoneRules();
        if (autoRadio_->isChecked()) WriteAutomaticDeltaT();
        ComputeSolarParameters();
        return;
    }
    const bool summer = SummerTimeByComputerRule(
        {year_, month_, day_, hour_, minute_, second_}, [this](const ClockInstant&) {
            return SummerTimeAt(datePicker_->date(), timePicker_->time());
        });
    clock_.summerTime = summer;
    summerBox_->setChecked(clock_.summerTime);
    if (autoRadio_->isChecked()) {
        WriteAutomaticDeltaT();
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnTimeChanged() {
    followsPresent_ = false;  // a time set by hand
    ReadPickers();
    clock_.summerTime = summerBox_->isChecked();
    if (clock_.rules) FollowZoneRules();
    ComputeSolarParameters();
}

void CTarvelDlg::OnZoneChanged() {
    LeaveZoneRules();  // a zone chosen by hand
    const int index = zoneList_->currentIndex();
    if (index >= 0 && index < kTimeZoneCount) {
        clock_.zoneHours = kZoneListOffsets[index];
    }
    ComputeSolarParameters();
}

void CTarvelDlg::OnSummerTimeClicked() {
    LeaveZoneRules();  // the box ticked by hand
    ReadPickers();
    clock_.summerTime = summerBox_->isChecked();
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
    followsPresent_ = true;
    const QDateTime now = PresentMoment();
    ShowOnPickers(now);
    if (clock_.rules) {
        // The present on the zone's clock.
        const ClockInstant present = clock_.rules->ReadingAt(now.toSecsSinceEpoch(), 0.0);
        {
            const QSignalBlocker blockDate(datePicker_);
            const QSignalBlocker blockTime(timePicker_);
            datePicker_->setDate(QDate(present.year, present.month, present.day));
            timePicker_->setTime(
                QTime(present.hour, present.minute, static_cast<int>(present.second)));
        }
        FollowZoneRules();
    } else {
        clock_.summerTime = SummerTimeAt(now.date(), now.time());
        SelectSystemZone(now);
        summerBox_->setChecked(clock_.summerTime);
    }
    if (autoRadio_->isChecked()) {
        WriteAutomaticDeltaT();
    }
    ComputeSolarParameters();
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
        clock_.zoneHours = kZoneListOffsets[index];
    }
    ReadPickers();
    clock_.summerTime = summerBox_->isChecked();
    if (clock_.rules) FollowZoneRules();
    ComputeSolarParameters();
}

void CTarvelDlg::ShowMethodRow(bool shown) {
    using namespace main_form;
    for (MainControl id : {MainControl::Shuruq, MainControl::NextPrayer}) {
        outputs_.value(ControlNumber(id))->setVisible(shown);
    }
    Label(ControlNumber(MainControl::Shuruq))->setVisible(shown);
    QWidget* group = Control(ControlNumber(MainControl::PrayersGroup));
    const QRect rect =
        shown ? geometry_->Rect(kPrayersGroupX, kPrayersGroupGrownY, kPrayersGroupW,
                                kPrayersGroupGrownH)
              : geometry_->Rect(kPrayersGroupX, kPrayersGroupY, kPrayersGroupW, kPrayersGroupH);
    if (group != nullptr && group->geometry() != rect) {
        group->setGeometry(rect);
        canvas_->update();
    }
}

void CTarvelDlg::WriteNextPrayer(const SolarRequest& request, const DayTimes& dayTimes) {
    QLineEdit* field = outputs_.value(ControlNumber(MainControl::NextPrayer));
    const double moment = request.hour + request.minute / 60.0 + request.second / 3600.0;
    // The next date's Fajr only when nothing of the date is left.
    std::optional<NextPrayer> next = FindNextPrayer(dayTimes, DayTimes(), moment);
    if (!next) {
        const CalendarDate date = DateAfterDays({request.year, request.month, request.day}, 1);
        const std::optional<DayTimes> nextDate = DayTimesAt(
            clock_, {date.year, date.month, date.day, 12, 0, 0}, settings_, request.deltaT);
        if (nextDate) next = FindNextPrayer(dayTimes, *nextDate, moment);
    }
    SetFieldText(field, next ? NextPrayerText(*next) : QStringLiteral("\u2014"));
}

void CTarvelDlg::ArmMinuteTimer() {
    if (!followsPresent_ || settings_.prayerMethod == PrayerMethod::kTarvel) {
        minuteTimer_->stop();
        return;
    }
    // At the start of the next minute of the present.
    const QDateTime now = environment_.now ? environment_.now() : QDateTime::currentDateTime();
    const QTime t = now.time();
    const int elapsed = t.isValid() ? t.second() * 1000 + t.msec() : 0;
    minuteTimer_->start(60000 - elapsed);
}

void CTarvelDlg::OnMinuteTick() {
    if (!followsPresent_ || settings_.prayerMethod == PrayerMethod::kTarvel) return;
    // The present on the window's clock: the zone's, or the computer's with
    // the zone list and box as they stand. Only the next prayer changes; the
    // documented fields keep the moment they were computed for.
    const QDateTime now = PresentMoment();
    ClockReading present{now.date().year(),   now.date().month(),
                         now.date().day(),    now.time().hour(),
                         now.time().minute(), static_cast<double>(now.time().second())};
    if (clock_.rules) {
        present = clock_.rules->ReadingAt(now.toSecsSinceEpoch(), 0.0);
    }
    if (const std::optional<DayTimes> days =
            DayTimesAt(clock_, present, settings_, lastRequest_.deltaT)) {
        // WriteNextPrayer reads only the date and time of the request.
        SolarRequest moment;
        moment.SetClockReading(present);
        moment.deltaT = lastRequest_.deltaT;
        WriteNextPrayer(moment, *days);
    }
    ArmMinuteTimer();
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
    inputs.start = {year_, month_, day_, hour_, minute_, second_};
    inputs.zoneHours = clock_.zoneHours;
    inputs.summerTime = clock_.summerTime;
    inputs.zoneRules = clock_.rules;
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
