#include "ui/table/ephemeris_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <algorithm>
#include <cmath>

#include "civil/zone_request.h"
#include "table/table_locale.h"
#include "ui/form/dialog_units.h"
#include "ui/form/form_fields.h"
#include "ui/form/form_geometry.h"
#include "ui/form/form_widgets.h"
#include "ui/form/group_frame.h"
#include "ui/form/help_request.h"
#include "ui/form/message_sink.h"
#include "ui/form/screen_fit.h"
#include "ui/form/time_zones.h"
#include "languages/translated_texts.h"
#include "ui/table/table_form_font.h"
#include "ui/table/table_options_dialog.h"

namespace tarvel {

namespace {

// The form is 669 x 352 dialog units.
constexpr int kFormWidthUnits = 669;
constexpr int kFormHeightUnits = 352;

struct Rect {
    int x, y, w, h;
};

// Controls and labels, in dialog units.
constexpr Rect kDatePicker{15, 19, 133, 15};
constexpr Rect kTimePicker{157, 19, 52, 15};
constexpr Rect kZoneList{219, 20, 188, 82};
constexpr Rect kSummerBox{417, 21, 53, 9};
constexpr Rect kLatitude{100, 41, 58, 12};
constexpr Rect kLatitudeLabel{19, 41, 76, 11};
constexpr Rect kLongitude{263, 41, 58, 12};
constexpr Rect kLongitudeLabel{167, 41, 86, 11};
constexpr Rect kHeight{406, 41, 58, 12};
constexpr Rect kHeightLabel{334, 41, 60, 11};
constexpr Rect kSiteGroup{7, 7, 475, 52};
constexpr Rect kPointCount{571, 18, 30, 12};
constexpr Rect kPointCountLabel{517, 19, 50, 12};
constexpr Rect kStep{533, 36, 30, 12};
constexpr Rect kStepLabel{507, 37, 23, 12};
constexpr Rect kUnitList{579, 36, 44, 64};
constexpr Rect kStepGroup{494, 7, 145, 48};
constexpr Rect kOptionsButton{27, 68, 127, 24};
constexpr Rect kComputeButton{313, 68, 70, 24};
constexpr Rect kCopyButton{406, 68, 100, 24};
constexpr Rect kSaveButton{531, 68, 70, 24};
constexpr Rect kTableBox{7, 102, 653, 238};
// The progress of a run, shown only while it goes on, in the free space of
// the button row between "Opzioni di output" and "Calcola".
constexpr Rect kProgressBar{160, 69, 92, 10};
constexpr Rect kRowCount{160, 81, 92, 10};
constexpr Rect kCancelButton{256, 68, 52, 24};

const QVector<int> kPaintedGroups = {ControlNumber(SiteControl::Group),
                                     ControlNumber(TableControl::StepGroup)};

QString Translated(const char* text) {
    return QCoreApplication::translate("CEphemerisTable", text);
}

QRect DesignRectOf(const Rect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

// The least height of the table box, in dialog units, when the window is made
// smaller than its design: a few rows.
constexpr int kTableBoxMinimumHeight = 60;

// The first entry of the zone list whose offset is zoneHours, or -1.
int ZoneIndexOf(float zoneHours) {
    for (int i = 0; i < kTimeZoneCount; ++i) {
        if (kZoneListOffsets[i] == zoneHours) {
            return i;
        }
    }
    return -1;
}

}  // namespace

CEphemerisTable::CEphemerisTable(const TableParameters& inputs, MessageSink* sink, QWidget* parent)
    : QDialog(parent),
      sink_(sink != nullptr ? sink : &DefaultMessageSink()),
      fileNameChooser_(FileNameFromDialog),
      texts_(TranslatedTableTexts()),
      runner_(new TableRunner(this)) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(
        Translated(QT_TRANSLATE_NOOP("CEphemerisTable", "Creazione tabella delle effemeridi")));
    setFont(TableFormFont());
    connect(runner_, &TableRunner::progress, this, &CEphemerisTable::OnRunProgress);
    BuildForm();
    PutFormInScrollArea(this, canvas_);
    OpenWithinScreen(this, DesignedClientSize());
    Initialize(inputs);
}

CEphemerisTable::~CEphemerisTable() {
    focusGuard_.StopListening(this);
    StopWorker();
}

void CEphemerisTable::SetFileNameChooser(FileNameChooser chooser) {
    fileNameChooser_ = chooser ? std::move(chooser) : FileNameChooser(FileNameFromDialog);
}

void CEphemerisTable::SetRowComputation(std::function<SolarResult(const SolarRequest&)> compute) {
    runner_->SetRowComputation(std::move(compute));
}

QSize CEphemerisTable::DesignedClientSize() const {
    return geometry_->Size(kFormWidthUnits, kFormHeightUnits);
}

QWidget* CEphemerisTable::Control(int id) const {
    return FindControl(this, id);
}

QLabel* CEphemerisTable::Label(int id) const {
    return labels_.value(id, nullptr);
}

void CEphemerisTable::BuildForm() {
    canvas_ = new FormCanvas(kPaintedGroups, this);
    QWidget* form = canvas_;
    const DialogUnits units(font());
    // Every control at its design rectangle; FitForm places them.
    auto place = [](QWidget* control, ControlId id, const Rect& r) {
        NumberControl(control, id);
        SetDesignRect(control, DesignRectOf(r));
    };
    auto label = [this, form](ControlId id, const char* text, const Rect& r, Qt::Alignment align) {
        auto* l = new QLabel(Translated(text), form);
        l->setObjectName(QStringLiteral("label%1").arg(ControlNumber(id)));
        l->setAlignment(align | Qt::AlignTop);
        SetDesignRect(l, DesignRectOf(r));
        labels_.insert(ControlNumber(id), l);
    };
    auto group = [form](ControlId id, const char* caption, const Rect& r) {
        SetDesignRect(AddHiddenGroup(form, ControlNumber(id), Translated(caption), QRect()),
                      DesignRectOf(r));
    };

    group(SiteControl::Group, QT_TRANSLATE_NOOP("CEphemerisTable", "DATA, ORA E LOCALITA'"),
          kSiteGroup);
    group(TableControl::StepGroup, QT_TRANSLATE_NOOP("CEphemerisTable", "PASSI DI CALCOLO"),
          kStepGroup);

    datePicker_ = MakeDatePicker(form);
    place(datePicker_, SiteControl::DatePicker, kDatePicker);
    timePicker_ = MakeTimePicker(form);
    place(timePicker_, SiteControl::TimePicker, kTimePicker);
    zoneList_ = MakeZoneList(form);
    place(zoneList_, SiteControl::ZoneList, kZoneList);

    summerBox_ =
        new QCheckBox(Translated(QT_TRANSLATE_NOOP("CEphemerisTable", "ora estiva")), form);
    place(summerBox_, SiteControl::SummerTime, kSummerBox);
    // A zone or summer time chosen here by hand replaces the zone rules the
    // main window passed on (each row's offset from the place's rules).
    connect(zoneList_, &QComboBox::activated, this, [this] { parameters_.zoneRules.reset(); });
    connect(summerBox_, &QCheckBox::clicked, this, [this] { parameters_.zoneRules.reset(); });

    auto field = [form, &place](ControlId id, const Rect& r, bool centred) {
        auto* f = new FormEdit(form);
        if (centred) {
            f->setAlignment(Qt::AlignCenter);
        }
        place(f, id, r);
        return f;
    };
    const Qt::Alignment right = Qt::AlignRight;
    latitudeField_ = field(SiteControl::Latitude, kLatitude, true);
    label(SiteControl::Latitude, QT_TRANSLATE_NOOP("CEphemerisTable", "latitudine (<0 sud)"),
          kLatitudeLabel, right);
    longitudeField_ = field(SiteControl::Longitude, kLongitude, true);
    label(SiteControl::Longitude, QT_TRANSLATE_NOOP("CEphemerisTable", "longitudine (<0 est)"),
          kLongitudeLabel, right);
    heightField_ = field(SiteControl::Height, kHeight, true);
    label(SiteControl::Height, QT_TRANSLATE_NOOP("CEphemerisTable", "altitudine [m]"), kHeightLabel,
          right);
    pointCountField_ = field(TableControl::PointCount, kPointCount, false);
    label(TableControl::PointCount, QT_TRANSLATE_NOOP("CEphemerisTable", "n. di punti"),
          kPointCountLabel, Qt::AlignLeft);
    stepField_ = field(TableControl::Step, kStep, false);
    label(TableControl::Step, QT_TRANSLATE_NOOP("CEphemerisTable", "passo"), kStepLabel, right);

    unitList_ = new QComboBox(form);
    unitList_->setEditable(false);
    // The unit names in the interface language, in TableStepUnit order.
    unitList_->addItems(TranslatedStepUnits());
    place(unitList_, TableControl::StepUnit, kUnitList);

    auto button = [form, &place](ControlId id, const char* text, const Rect& r) {
        auto* b = new WrappingPushButton(Translated(text), form);
        b->setAutoDefault(false);
        b->setDefault(false);
        place(b, id, r);
        return b;
    };
    optionsButton_ =
        button(TableControl::Options, QT_TRANSLATE_NOOP("CEphemerisTable", "Opzioni di output"),
               kOptionsButton);
    computeButton_ = button(TableControl::Compute, QT_TRANSLATE_NOOP("CEphemerisTable", "Calcola"),
                            kComputeButton);
    copyButton_ =
        button(TableControl::Copy, QT_TRANSLATE_NOOP("CEphemerisTable", "Copia nella clipboard"),
               kCopyButton);
    saveButton_ = button(TableControl::Save, QT_TRANSLATE_NOOP("CEphemerisTable", "Salva su file"),
                         kSaveButton);

    tableBox_ = new QPlainTextEdit(form);
    tableBox_->setReadOnly(true);
    tableBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tableBox_->setWordWrapMode(QTextOption::NoWrap);
    tableBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tableBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tableBox_->setUndoRedoEnabled(false);
    place(tableBox_, TableControl::TableBox, kTableBox);

    // The progress of a run and its cancel button; shown only while a run
    // goes on.
    progressBar_ = new QProgressBar(form);
    progressBar_->setObjectName(QStringLiteral("progress"));
    progressBar_->setTextVisible(false);
    SetDesignRect(progressBar_, DesignRectOf(kProgressBar));
    rowCountLabel_ = new QLabel(form);
    rowCountLabel_->setObjectName(QStringLiteral("rowCount"));
    rowCountLabel_->setAlignment(Qt::AlignCenter);
    SetDesignRect(rowCountLabel_, DesignRectOf(kRowCount));
    cancelButton_ = new WrappingPushButton(
        Translated(QT_TRANSLATE_NOOP("CEphemerisTable", "Annulla calcolo")), form);
    cancelButton_->setObjectName(QStringLiteral("cancelRun"));
    cancelButton_->setAutoDefault(false);
    SetDesignRect(cancelButton_, DesignRectOf(kCancelButton));
    ShowRunning(false);

    // Tab order: the form's order.
    QWidget* order[] = {datePicker_,    timePicker_,     zoneList_,      summerBox_,
                        latitudeField_, longitudeField_, heightField_,   pointCountField_,
                        stepField_,     unitList_,       optionsButton_, cancelButton_,
                        computeButton_, copyButton_,     saveButton_,    tableBox_};
    for (size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    connect(datePicker_, &QDateEdit::dateChanged, this, [this] { OnDateChanged(); });
    connect(timePicker_, &QTimeEdit::timeChanged, this, [this] { OnTimeChanged(); });
    focusGuard_.OnFocusLeft(stepField_, this, [this] { OnStepKillFocus(); });
    connect(optionsButton_, &QPushButton::clicked, this, [this] { OnOutputOptions(); });
    connect(computeButton_, &QPushButton::clicked, this, [this] { OnBnClickedCompute(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { CopyTableToClipboard(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveTableToFile(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { CancelRun(); });

    // Every control at its design rectangle, grown where a text of the
    // interface language needs more room. The table box keeps its margins to
    // the form's right and bottom edges and takes whatever room the window
    // gives beyond the design; the rest of the form scrolls in a window made
    // smaller than that.
    geometry_ = std::make_unique<FormGeometry>(units);
    FitForm(canvas_, *geometry_, MessageFont(), QSize(kFormWidthUnits, kFormHeightUnits));
    const QSize designed = DesignedClientSize();
    const QRect box = tableBox_->geometry();
    tableBoxMargins_ =
        QSize(designed.width() - box.x() - box.width(), designed.height() - box.y() - box.height());
    canvas_->setMinimumSize(
        designed.width(),
        designed.height() - box.height() +
            geometry_->Rect(kTableBox.x, kTableBox.y, kTableBox.w, kTableBoxMinimumHeight)
                .height());
    canvas_->installEventFilter(this);
}

bool CEphemerisTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        const QPoint corner = tableBox_->pos();
        tableBox_->resize(canvas_->width() - corner.x() - tableBoxMargins_.width(),
                          canvas_->height() - corner.y() - tableBoxMargins_.height());
    }
    return QDialog::eventFilter(watched, event);
}

void CEphemerisTable::Initialize(const TableParameters& inputs) {
    // The main window's inputs; every opening starts from the default step,
    // number of rows and options.
    parameters_ = inputs;
    parameters_.stepValue = 1;
    parameters_.stepUnit = TableStepUnit::Hours;
    parameters_.pointCount = 50;
    options_ = TableColumnSet();

    int zoneIndex = ZoneIndexOf(parameters_.zoneHours);
    if (zoneIndex < 0) {
        // An offset that is none of the list's: UTC+0.
        zoneIndex = ZoneIndexOf(0.0f);
        parameters_.zoneHours = 0.0f;
    }

    const QSignalBlocker blockDate(datePicker_);
    const QSignalBlocker blockTime(timePicker_);
    datePicker_->setDate(
        QDate(parameters_.start.year, parameters_.start.month, parameters_.start.day));
    timePicker_->setTime(QTime(parameters_.start.hour, parameters_.start.minute,
                               static_cast<int>(std::floor(parameters_.start.second))));
    zoneList_->setCurrentIndex(zoneIndex);
    summerBox_->setChecked(parameters_.summerTime);
    unitList_->setCurrentIndex(static_cast<int>(TableStepUnit::Hours));

    latitudeField_->setText(FieldNumberText(parameters_.latitude));
    longitudeField_->setText(FieldNumberText(parameters_.longitude));
    heightField_->setText(FieldNumberText(parameters_.height));
    pointCountField_->setText(QString::number(parameters_.pointCount));
    stepField_->setText(FieldNumberText(parameters_.stepValue));
}

// ---------------------------------------------------------------------------
// Form

void CEphemerisTable::ReadPickers(TableParameters& parameters) const {
    const QDate date = datePicker_->date();
    const QTime time = timePicker_->time();
    parameters.start.year = date.year();
    parameters.start.month = date.month();
    parameters.start.day = date.day();
    parameters.start.hour = time.hour();
    parameters.start.minute = time.minute();
    parameters.start.second = time.second();
}

QLineEdit* CEphemerisTable::FieldOf(TableField field) const {
    switch (field) {
        case TableField::Latitude:
            return latitudeField_;
        case TableField::Longitude:
            return longitudeField_;
        case TableField::Height:
            return heightField_;
        case TableField::PointCount:
            return pointCountField_;
        case TableField::StepValue:
            return stepField_;
        default:
            return nullptr;
    }
}

bool CEphemerisTable::ReadForm() {
    TableParameters read = parameters_;
    const int zoneIndex = zoneList_->currentIndex();
    if (zoneIndex >= 0 && zoneIndex < kTimeZoneCount) {
        read.zoneHours = kZoneListOffsets[zoneIndex];
    }
    read.summerTime = summerBox_->isChecked();
    read.stepUnit = static_cast<TableStepUnit>(std::clamp(unitList_->currentIndex(), 0, 5));
    const TableFormTexts form{latitudeField_->text().toStdString(),
                              longitudeField_->text().toStdString(),
                              heightField_->text().toStdString(),
                              pointCountField_->text().toStdString(),
                              stepField_->text().toStdString(),
                              LatitudeWords(),
                              LongitudeWestWords()};
    const TableValidation validation = ReadTableForm(form, read, texts_);
    if (validation.ok()) {
        parameters_ = read;
        return true;
    }
    const FocusGuard::Pass pass(focusGuard_);
    sink_->ShowMessage(this, QString::fromStdString(validation.message), FormMessageCaption(),
                       QMessageBox::Warning);
    if (QLineEdit* field = FieldOf(validation.field)) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return false;
}

void CEphemerisTable::OnDateChanged() {
    ReadPickers(parameters_);
    if (parameters_.zoneRules) {
        FollowZoneRules();
        return;
    }
    summerBox_->setChecked(SummerTimeForStartInstant(StartInstant(parameters_)));
}

void CEphemerisTable::OnTimeChanged() {
    ReadPickers(parameters_);
    if (parameters_.zoneRules) FollowZoneRules();
}

void CEphemerisTable::FollowZoneRules() {
    // The zone list and the summer box show the state the rules give the
    // start; the rows follow the rules themselves.
    SolarRequest zone;
    SetRequestOnRules(zone, *parameters_.zoneRules, StartInstant(parameters_));
    const QSignalBlocker blockZone(zoneList_);
    const QSignalBlocker blockSummer(summerBox_);
    zoneList_->setCurrentIndex(ZoneIndexOf(zone.zoneHours));
    summerBox_->setChecked(zone.summerTime);
}

void CEphemerisTable::OnStepKillFocus() {
    if (!ReadForm()) {
        return;
    }
    if (IsFractionalStepRefused(parameters_.stepValue, parameters_.stepUnit)) {
        ShowFractionalStepMessage();
    }
}

void CEphemerisTable::ShowFractionalStepMessage() {
    const FocusGuard::Pass pass(focusGuard_);
    sink_->ShowMessage(this, QString::fromStdString(texts_.Get(table_string::kFractionalStep)),
                       FormMessageCaption(), QMessageBox::NoIcon);
}

void CEphemerisTable::OnEnter() {
    // Enter is "Calcola": the window stays open with its table.
    OnBnClickedCompute();
}

void CEphemerisTable::OnOutputOptions() {
    if (runner_->IsRunning()) {
        return;
    }
    OpenTableOptions(this, options_);
}

// ---------------------------------------------------------------------------
// Runs

void CEphemerisTable::ShowTableText(const std::string& text) {
    tableText_ = text;
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tableBox_->setPlainText(shown);
}

void CEphemerisTable::ShowRunning(bool running) {
    progressBar_->setVisible(running);
    rowCountLabel_->setVisible(running);
    cancelButton_->setVisible(running);
    cancelButton_->setEnabled(running);
    for (QPushButton* b : {optionsButton_, computeButton_, copyButton_, saveButton_}) {
        b->setEnabled(!running);
    }
}

void CEphemerisTable::ReportRowErrors(const TableRunResult& result, TableTarget target) {
    for (const TableRowError& error : result.rowErrors) {
        sink_->ShowMessage(this, QString::fromStdString(error.message),
                           QString::fromLatin1(TableErrorCaption(target)), QMessageBox::Warning);
    }
}

void CEphemerisTable::Finish() {
    emit operationFinished();
}

void CEphemerisTable::StartRun(const TableParameters& parameters, TableTarget target,
                               std::function<void(const TableRunResult&)> finished) {
    StopWorker();
    progressBar_->setRange(0, std::max(1, parameters.pointCount));
    progressBar_->setValue(0);
    rowCountLabel_->setText(QStringLiteral("0 / %1").arg(parameters.pointCount));
    ShowRunning(true);
    if (!waitCursor_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        waitCursor_ = true;
    }
    runner_->Start(parameters, options_, texts_, target,
                   [this, finished](const TableRunResult& result) {
                       EndRunning();
                       finished(result);
                   });
}

void CEphemerisTable::OnRunProgress(int done, int count) {
    progressBar_->setRange(0, std::max(1, count));
    progressBar_->setValue(done);
    rowCountLabel_->setText(QStringLiteral("%1 / %2").arg(done).arg(count));
    emit rowsDone(done, count);
}

void CEphemerisTable::StopWorker() {
    runner_->Stop();
    EndRunning();
}

void CEphemerisTable::EndRunning() {
    if (waitCursor_) {
        QGuiApplication::restoreOverrideCursor();
        waitCursor_ = false;
    }
    ShowRunning(false);
}

void CEphemerisTable::CancelRun() {
    runner_->Cancel();
}

void CEphemerisTable::RunWindow(Continuation then) {
    if (runner_->IsRunning()) {
        return;  // one run at a time writes the box
    }
    if (!ReadForm()) {
        then(TableRunStatus::InvalidParameters);
        return;
    }
    if (IsFractionalStepRefused(parameters_.stepValue, parameters_.stepUnit)) {
        // Stops with the box emptied, saying why.
        ShowTableText(std::string());
        ShowFractionalStepMessage();
        then(TableRunStatus::FractionalStep);
        return;
    }
    StartRun(parameters_, TableTarget::Window, [this, then](const TableRunResult& result) {
        if (result.status == TableRunStatus::Ok) {
            ShowTableText(result.text);
            ReportRowErrors(result, TableTarget::Window);
        } else if (result.status == TableRunStatus::FractionalStep) {
            ShowTableText(std::string());
        } else if (result.status == TableRunStatus::InvalidParameters) {
            sink_->ShowMessage(this, QString::fromStdString(result.message), FormMessageCaption(),
                               QMessageBox::Warning);
        }
        // Cancelled: the box keeps its text.
        then(result.status);
    });
}

void CEphemerisTable::OnBnClickedCompute() {
    if (runner_->IsRunning()) {
        return;
    }
    RunWindow([this](TableRunStatus) { Finish(); });
}

// ---------------------------------------------------------------------------
// Window events

void CEphemerisTable::keyPressEvent(QKeyEvent* event) {
    // Enter is "Calcola" (the window has no default button); Escape closes it.
    if (!HandleFormKey(*event, this, help_topic::kTable, [this] { OnEnter(); })) {
        QDialog::keyPressEvent(event);
    }
}

void CEphemerisTable::done(int result) {
    // Closing stops a run in progress and waits for its threads; its result
    // is dropped.
    focusGuard_.SetClosing(true);
    StopWorker();
    QDialog::done(result);
    focusGuard_.SetClosing(false);
}

void OpenEphemerisTable(QWidget* parent, const TableParameters& inputs, MessageSink* sink) {
    CEphemerisTable table(inputs, sink, parent);
    table.exec();
}

}  // namespace tarvel
