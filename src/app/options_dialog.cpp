#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <array>
#include <utility>

#include "app/help.h"
#include "astro/prayer_times.h"
#include "ui/form/dialog_units.h"
#include "ui/form/form_fields.h"
#include "ui/form/form_geometry.h"
#include "ui/form/form_widgets.h"
#include "ui/form/group_frame.h"
#include "ui/form/message_sink.h"
#include "ui/form/screen_fit.h"

namespace tarvel {

namespace {

// The dialog is 309 x 146 dialog units, and the prayer method's controls
// below: its choices, the adjustments, then the polar rule, the shafaq, the
// Isha interval and Maghrib angle, the rounding and the Hijri calendar.
constexpr int kDialogWidthUnits = 309;
constexpr int kDialogHeightUnits = 307;

// Entries of the prayer-angle lists: -10 ... -20 degrees by whole degrees and
// the angles of the prayer methods in between.
constexpr std::array<double, 16> kAngles = {-10,   -11,   -12, -13,   -14,   -15, -16,   -17,
                                            -17.5, -17.7, -18, -18.2, -18.5, -19, -19.5, -20};

// The whole-minute adjustments, in PrayerAdjustments order.
constexpr std::array<int PrayerAdjustments::*, 6> kAdjustments = {
    &PrayerAdjustments::fajr, &PrayerAdjustments::sunrise, &PrayerAdjustments::zuhr,
    &PrayerAdjustments::asr,  &PrayerAdjustments::maghrib, &PrayerAdjustments::isha};

QString Translated(const char* text) {
    return QCoreApplication::translate("COptionsDialog", text);
}

void Tag(QWidget* widget, int id) {
    widget->setProperty(kControlIdProperty, id);
    widget->setObjectName(QStringLiteral("c%1").arg(id));
}

}  // namespace

COptionsDialog::COptionsDialog(const AppSettings& settings, MessageSink* sink, QWidget* parent)
    : QDialog(parent), values_(settings), sink_(sink != nullptr ? sink : &DefaultMessageSink()) {
    setWindowTitle(Translated(QT_TRANSLATE_NOOP("COptionsDialog", "Preferenze")));
    setFont(FormFont());
    BuildForm();
    PutFormInScrollArea(this, canvas_);
    FixWithinScreen(this, canvas_->size());

    // Opening: the values into the controls, the prayer angles into the lists,
    // height and humidity enabled for the integration model only.
    ReversePass();
    SelectAngle(fajrList_, values_.fajrAngle);
    SelectAngle(ishaList_, values_.ishaAngle);
    EnableIntegrationFields();
    ShowMethodSettings();

    // F1: the preferences' help topic.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { ShowHelpTopic(this, QString::fromLatin1(help_topic::kPreferences)); });
}

void COptionsDialog::BuildForm() {
    canvas_ = new FormCanvas({1059, 1060}, this);
    QWidget* form = canvas_;
    // Every control at its design rectangle (dialog units); FitForm places
    // them.
    SetDesignRect(
        AddHiddenGroup(form, 1059,
                       Translated(QT_TRANSLATE_NOOP("COptionsDialog", "RIFRAZIONE ATMOSFERICA")),
                       QRect()),
        QRect(7, 7, 295, 78));
    SetDesignRect(
        AddHiddenGroup(form, 1060,
                       Translated(QT_TRANSLATE_NOOP("COptionsDialog", "PREGHIERE ISLAMICHE")),
                       QRect()),
        QRect(7, 92, 226, 47));

    auto label = [form](int forId, const char* text, QRect rect) {
        auto* l = new QLabel(Translated(text), form);
        l->setObjectName(QStringLiteral("label%1").arg(forId));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setWordWrap(true);
        SetDesignRect(l, rect);
    };
    auto edit = [form](int id, QRect rect) {
        auto* e = new QLineEdit(form);
        e->setAlignment(Qt::AlignCenter);
        SetDesignRect(e, rect);
        Tag(e, id);
        return e;
    };
    // The angle lists are placed after the others, at their closed height.
    auto angleList = [form](int id) {
        auto* combo = new QComboBox(form);
        for (double angle : kAngles) {
            combo->addItem(QString::number(angle));
        }
        Tag(combo, id);
        return combo;
    };
    auto button = [form](int id, const char* text, QRect rect) {
        auto* b = new WrappingPushButton(Translated(text), form);
        b->setAutoDefault(false);
        SetDesignRect(b, rect);
        Tag(b, id);
        return b;
    };

    bennettRadio_ = new WrappingRadioButton(
        Translated(QT_TRANSLATE_NOOP("COptionsDialog", "formula di Bennett-Samudson")), form);
    SetDesignRect(bennettRadio_, QRect(16, 20, 130, 10));
    Tag(bennettRadio_, 1282);
    integrationRadio_ = new WrappingRadioButton(
        Translated(QT_TRANSLATE_NOOP("COptionsDialog", "integrazione numerica")), form);
    SetDesignRect(integrationRadio_, QRect(16, 32, 130, 10));
    Tag(integrationRadio_, 1283);

    label(1284, QT_TRANSLATE_NOOP("COptionsDialog", "pressione [mbar]"), QRect(12, 48, 64, 12));
    pressureField_ = edit(1284, QRect(80, 48, 44, 12));
    label(1285,
          QT_TRANSLATE_NOOP("COptionsDialog",
                            "temperatura [\u00ba"
                            "C]"),
          QRect(12, 64, 64, 12));
    temperatureField_ = edit(1285, QRect(80, 64, 44, 12));
    standardButton_ = button(1286, QT_TRANSLATE_NOOP("COptionsDialog", "condizioni standard"),
                             QRect(132, 49, 46, 26));
    label(1287, QT_TRANSLATE_NOOP("COptionsDialog", "altitudine [m]"), QRect(184, 48, 50, 12));
    heightField_ = edit(1287, QRect(238, 48, 54, 12));
    label(1288, QT_TRANSLATE_NOOP("COptionsDialog", "umidit\u00e0 [%]"), QRect(184, 64, 50, 12));
    humidityField_ = edit(1288, QRect(238, 64, 54, 12));

    label(1057, QT_TRANSLATE_NOOP("COptionsDialog", "altezza solare per Fajr [\u00ba]"),
          QRect(12, 104, 112, 12));
    fajrList_ = angleList(1057);
    label(1058, QT_TRANSLATE_NOOP("COptionsDialog", "altezza solare per Isha [\u00ba]"),
          QRect(12, 121, 112, 12));
    ishaList_ = angleList(1058);

    // The prayer times' method, its choices and the adjustments.
    label(1300, QT_TRANSLATE_NOOP("COptionsDialog", "metodo di calcolo"), QRect(12, 150, 112, 12));
    methodList_ = new QComboBox(form);
    for (const PrayerMethodParameters& method : kPrayerMethods) {
        QString name =
            QString::fromUtf8(method.title.data(), static_cast<int>(method.title.size()));
        if (method.method == PrayerMethod::kTarvel) {
            name = Translated(QT_TRANSLATE_NOOP("COptionsDialog", "Tarvel (predefinito)"));
        } else if (method.method == PrayerMethod::kCustom) {
            name = Translated(QT_TRANSLATE_NOOP("COptionsDialog", "personalizzato"));
        }
        methodList_->addItem(name);
    }
    SetDesignRect(methodList_, QRect(128, 150, 174, 12));
    Tag(methodList_, 1300);
    ramadanBox_ = new WrappingCheckBox(
        Translated(QT_TRANSLATE_NOOP("COptionsDialog", "Ramadan (Umm al-Qura: Isha 120 min)")),
        form);
    SetDesignRect(ramadanBox_, QRect(128, 166, 174, 10));
    Tag(ramadanBox_, 1301);
    label(1302, QT_TRANSLATE_NOOP("COptionsDialog", "regola per le alte latitudini"),
          QRect(12, 180, 112, 12));
    ruleList_ = new QComboBox(form);
    for (const char* rule : {QT_TRANSLATE_NOOP("COptionsDialog", "nessuna"),
                             QT_TRANSLATE_NOOP("COptionsDialog", "met\u00e0 della notte"),
                             QT_TRANSLATE_NOOP("COptionsDialog", "un settimo della notte"),
                             QT_TRANSLATE_NOOP("COptionsDialog", "angolo/60 della notte"),
                             QT_TRANSLATE_NOOP("COptionsDialog", "raccomandata")}) {
        ruleList_->addItem(Translated(rule));
    }
    SetDesignRect(ruleList_, QRect(128, 180, 174, 12));
    Tag(ruleList_, 1302);
    label(1303, QT_TRANSLATE_NOOP("COptionsDialog", "correzioni [min]"), QRect(12, 207, 112, 12));
    const std::array<const char*, 6> prayers = {QT_TRANSLATE_NOOP("COptionsDialog", "Fajr"),
                                                QT_TRANSLATE_NOOP("COptionsDialog", "alba"),
                                                QT_TRANSLATE_NOOP("COptionsDialog", "Zuhr"),
                                                QT_TRANSLATE_NOOP("COptionsDialog", "Asr"),
                                                QT_TRANSLATE_NOOP("COptionsDialog", "Maghrib"),
                                                QT_TRANSLATE_NOOP("COptionsDialog", "Isha")};
    for (std::size_t i = 0; i < prayers.size(); ++i) {
        const int x = 128 + static_cast<int>(i) * 29;
        const int id = 1304 + static_cast<int>(i);
        auto* caption = new QLabel(Translated(prayers[i]), form);
        caption->setObjectName(QStringLiteral("label%1").arg(id));
        caption->setAlignment(Qt::AlignCenter);
        SetDesignRect(caption, QRect(x, 196, 27, 10));
        auto* box = new QSpinBox(form);
        box->setRange(static_cast<int>(kPrayerAdjustmentBounds.low),
                      static_cast<int>(kPrayerAdjustmentBounds.high));
        box->setAlignment(Qt::AlignCenter);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        SetDesignRect(box, QRect(x, 207, 27, 12));
        Tag(box, id);
        adjustmentBoxes_[i] = box;
    }

    // The further choices of the method: one list per row, the Isha interval
    // and the Maghrib angle side by side (empty: the method's own).
    auto choiceList = [form, &label](int id, const char* caption, int y,
                                     std::initializer_list<const char*> items) {
        label(id, caption, QRect(12, y, 112, 12));
        auto* combo = new QComboBox(form);
        for (const char* item : items) combo->addItem(Translated(item));
        SetDesignRect(combo, QRect(128, y, 174, 12));
        Tag(combo, id);
        return combo;
    };
    polarList_ = choiceList(1310, QT_TRANSLATE_NOOP("COptionsDialog", "regola polare"), 225,
                            {QT_TRANSLATE_NOOP("COptionsDialog", "nessuna"),
                             QT_TRANSLATE_NOOP("COptionsDialog", "latitudine pi\u00f9 vicina"),
                             QT_TRANSLATE_NOOP("COptionsDialog", "giorno pi\u00f9 vicino")});
    shafaqList_ = choiceList(
        1311, QT_TRANSLATE_NOOP("COptionsDialog", "shafaq (Isha)"), 241,
        {QT_TRANSLATE_NOOP("COptionsDialog", "generale"),
         QT_TRANSLATE_NOOP("COptionsDialog", "rosso (ahmar)"),
         QT_TRANSLATE_NOOP("COptionsDialog", "bianco (abyad)")});
    label(1312, QT_TRANSLATE_NOOP("COptionsDialog", "Isha dopo Maghrib [min]"),
          QRect(12, 257, 112, 12));
    ishaIntervalField_ = edit(1312, QRect(128, 257, 44, 12));
    label(1313, QT_TRANSLATE_NOOP("COptionsDialog", "angolo di Maghrib [\u00ba]"),
          QRect(176, 257, 78, 12));
    maghribAngleField_ = edit(1313, QRect(258, 257, 44, 12));
    roundingList_ = choiceList(1314, QT_TRANSLATE_NOOP("COptionsDialog", "arrotondamento"), 273,
                               {QT_TRANSLATE_NOOP("COptionsDialog", "nessuno"),
                                QT_TRANSLATE_NOOP("COptionsDialog", "al minuto pi\u00f9 vicino"),
                                QT_TRANSLATE_NOOP("COptionsDialog", "al minuto successivo")});
    calendarList_ =
        choiceList(1315, QT_TRANSLATE_NOOP("COptionsDialog", "calendario dell'Egira"), 289,
                   {QT_TRANSLATE_NOOP("COptionsDialog", "Umm al-Qura"),
                    QT_TRANSLATE_NOOP("COptionsDialog", "tabulare")});

    okButton_ = button(1, QT_TRANSLATE_NOOP("COptionsDialog", "OK"), QRect(242, 92, 60, 14));
    okButton_->setDefault(true);
    cancelButton_ =
        button(2, QT_TRANSLATE_NOOP("COptionsDialog", "Annulla"), QRect(242, 109, 60, 14));
    defaultsButton_ = button(3, QT_TRANSLATE_NOOP("COptionsDialog", "Valori di default"),
                             QRect(242, 126, 60, 14));

    // Grown where a text of the interface language needs more room.
    geometry_ = std::make_unique<FormGeometry>(DialogUnits(font()));
    FitForm(canvas_, *geometry_, MessageFont(), QSize(kDialogWidthUnits, kDialogHeightUnits));
    for (auto [list, y] : {std::pair{fajrList_, 104}, std::pair{ishaList_, 121}}) {
        const QRect rect = geometry_->Rect(128, y, 50, 80);
        list->setGeometry(rect.x(), rect.y(), rect.width(), list->sizeHint().height());
    }
    canvas_->setFixedSize(geometry_->Size(kDialogWidthUnits, kDialogHeightUnits));

    // Tab order: the template's order.
    QList<QWidget*> order = {bennettRadio_,   integrationRadio_, pressureField_, temperatureField_,
                             standardButton_, heightField_,      humidityField_, fajrList_,
                             ishaList_,       methodList_,       ramadanBox_,    ruleList_};
    for (QSpinBox* box : adjustmentBoxes_) order.push_back(box);
    order << polarList_ << shafaqList_ << ishaIntervalField_ << maghribAngleField_
          << roundingList_ << calendarList_;
    order << defaultsButton_ << okButton_ << cancelButton_;
    for (int i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    connect(bennettRadio_, &QRadioButton::clicked, this, [this] { OnModelClicked(); });
    connect(integrationRadio_, &QRadioButton::clicked, this, [this] { OnModelClicked(); });
    connect(standardButton_, &QPushButton::clicked, this, [this] { OnStandardConditions(); });
    connect(defaultsButton_, &QPushButton::clicked, this, [this] { OnDefaults(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OnOk(); });
    connect(methodList_, &QComboBox::currentIndexChanged, this, [this] { EnableMethodFields(); });
    connect(ramadanBox_, &QCheckBox::toggled, this, [this] { EnableMethodFields(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

COptionsDialog::~COptionsDialog() = default;

QWidget* COptionsDialog::Control(int id) const {
    return FindControl(this, id);
}

bool COptionsDialog::FormPass() {
    values_.refractionModel =
        integrationRadio_->isChecked() ? kRefractionIntegration : kRefractionBennett;
    const auto read = [this](QLineEdit* field, ValueBounds bounds, double& value) {
        return ReadNumberField(field, bounds.low, bounds.high, value, *sink_, this);
    };
    // An empty Isha interval or Maghrib angle is the method's own (0); the
    // settings keep whole minutes and tenths of a degree.
    const auto readOptional = [&read](QLineEdit* field, ValueBounds bounds, double& value,
                                      double steps) {
        if (field->text().trimmed().isEmpty()) {
            value = 0;
            return true;
        }
        if (!read(field, bounds, value)) return false;
        value = std::round(value * steps) / steps;
        return true;
    };
    return read(pressureField_, kPressureBounds, values_.pressure) &&
           read(temperatureField_, kTemperatureBounds, values_.temperature) &&
           read(heightField_, kRefractionHeightBounds, values_.refractionHeight) &&
           read(humidityField_, kHumidityBounds, values_.humidity) &&
           readOptional(ishaIntervalField_, kIshaIntervalBounds, values_.ishaIntervalMinutes, 1) &&
           readOptional(maghribAngleField_, kMaghribAngleBounds, values_.maghribAngle, 10);
}

void COptionsDialog::ReversePass() {
    bennettRadio_->setChecked(values_.refractionModel == kRefractionBennett);
    integrationRadio_->setChecked(values_.refractionModel != kRefractionBennett);
    SetFieldText(pressureField_, FieldNumberText(values_.pressure));
    SetFieldText(temperatureField_, FieldNumberText(values_.temperature));
    SetFieldText(heightField_, FieldNumberText(values_.refractionHeight));
    SetFieldText(humidityField_, FieldNumberText(values_.humidity));
    const auto optionalText = [](double value) {
        return value == 0 ? QString() : FieldNumberText(value);
    };
    SetFieldText(ishaIntervalField_, optionalText(values_.ishaIntervalMinutes));
    SetFieldText(maghribAngleField_, optionalText(values_.maghribAngle));
}

void COptionsDialog::EnableIntegrationFields() {
    const bool integration = values_.refractionModel != kRefractionBennett;
    heightField_->setEnabled(integration);
    humidityField_->setEnabled(integration);
}

void COptionsDialog::SelectAngle(QComboBox* combo, double angle) {
    int selected = -1;
    for (std::size_t i = 0; i < kAngles.size(); ++i) {
        if (kAngles[i] == angle) {
            selected = static_cast<int>(i);
            break;
        }
    }
    combo->setCurrentIndex(selected);
}

double COptionsDialog::AngleOf(const QComboBox* combo) {
    const int index = combo->currentIndex();
    return index < 0 ? kAngles[0] : kAngles[static_cast<std::size_t>(index)];
}

void COptionsDialog::ShowMethodSettings() {
    const int method = static_cast<int>(values_.prayerMethod);
    methodList_->setCurrentIndex(method >= 0 && method < methodList_->count() ? method : 0);
    ramadanBox_->setChecked(values_.ramadan);
    const int rule = static_cast<int>(values_.highLatitudeRule);
    ruleList_->setCurrentIndex(rule >= 0 && rule < ruleList_->count() ? rule : 0);
    for (std::size_t i = 0; i < kAdjustments.size(); ++i) {
        adjustmentBoxes_[i]->setValue(values_.prayerAdjustments.*kAdjustments[i]);
    }
    const auto select = [](QComboBox* combo, int index) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
    };
    select(polarList_, static_cast<int>(values_.polarRule));
    select(shafaqList_, static_cast<int>(values_.shafaq));
    select(roundingList_, static_cast<int>(values_.rounding));
    select(calendarList_, values_.hijriCalendar);
    EnableMethodFields();
}

void COptionsDialog::ReadMethodSettings() {
    values_.prayerMethod = static_cast<PrayerMethod>(std::max(methodList_->currentIndex(), 0));
    values_.ramadan = ramadanBox_->isChecked();
    values_.highLatitudeRule =
        static_cast<HighLatitudeRule>(std::max(ruleList_->currentIndex(), 0));
    for (std::size_t i = 0; i < kAdjustments.size(); ++i) {
        values_.prayerAdjustments.*kAdjustments[i] = adjustmentBoxes_[i]->value();
    }
    values_.polarRule = static_cast<PolarRule>(std::max(polarList_->currentIndex(), 0));
    values_.shafaq = static_cast<Shafaq>(std::max(shafaqList_->currentIndex(), 0));
    values_.rounding = static_cast<PrayerRounding>(std::max(roundingList_->currentIndex(), 0));
    values_.hijriCalendar = std::max(calendarList_->currentIndex(), 0);
}

void COptionsDialog::EnableMethodFields() {
    const auto method = static_cast<PrayerMethod>(methodList_->currentIndex());
    const bool ownAngles = method == PrayerMethod::kTarvel || method == PrayerMethod::kCustom;
    if (ownAngles != listsShowOwnAngles_) {
        if (ownAngles) {
            // Back to the observer's own angles, as chosen before.
            fajrList_->setPlaceholderText(QString());
            ishaList_->setPlaceholderText(QString());
            SelectAngle(fajrList_, values_.fajrAngle);
            SelectAngle(ishaList_, values_.ishaAngle);
        } else {
            // The own angles chosen so far are kept for OK and for the way back.
            if (fajrList_->currentIndex() >= 0) values_.fajrAngle = AngleOf(fajrList_);
            if (ishaList_->currentIndex() >= 0) values_.ishaAngle = AngleOf(ishaList_);
        }
        listsShowOwnAngles_ = ownAngles;
    }
    if (!ownAngles) {
        // The greyed lists show the method's own angles; an Isha by interval
        // shows its minutes after Maghrib (Umm al-Qura's in Ramadan if ticked).
        const PrayerMethodParameters& parameters = MethodParameters(method);
        SelectAngle(fajrList_, parameters.fajrAngle);
        SelectAngle(ishaList_, parameters.ishaAngle);
        if (parameters.ishaMinutes > 0) {
            const double minutes = ramadanBox_->isChecked() && parameters.ramadanIshaMinutes > 0
                                       ? parameters.ramadanIshaMinutes
                                       : parameters.ishaMinutes;
            ishaList_->setPlaceholderText(
                Translated(QT_TRANSLATE_NOOP("COptionsDialog", "%1 min dopo Maghrib"))
                    .arg(minutes));
        } else {
            ishaList_->setPlaceholderText(QString());
        }
    }
    fajrList_->setEnabled(ownAngles);
    ishaList_->setEnabled(ownAngles);
    ramadanBox_->setEnabled(method == PrayerMethod::kUmmAlQura);
    shafaqList_->setEnabled(method == PrayerMethod::kMoonsighting);
}

void COptionsDialog::OnModelClicked() {
    FormPass();
    EnableIntegrationFields();
}

namespace {

// The standard atmosphere: the record's defaults but for the model chosen.
void SetStandardConditions(Atmosphere& atmosphere) {
    const RefractionModel model = atmosphere.refractionModel;
    atmosphere = Atmosphere();
    atmosphere.refractionModel = model;
}

}  // namespace

void COptionsDialog::OnStandardConditions() {
    FormPass();
    SetStandardConditions(values_);
    ReversePass();
}

void COptionsDialog::OnDefaults() {
    FormPass();
    static_cast<Atmosphere&>(values_) = Atmosphere();
    static_cast<PrayerAngles&>(values_) = PrayerAngles();
    static_cast<PrayerMethodSettings&>(values_) = PrayerMethodSettings();
    ReversePass();
    ShowMethodSettings();
    EnableIntegrationFields();
    SelectAngle(fajrList_, values_.fajrAngle);
    SelectAngle(ishaList_, values_.ishaAngle);
}

void COptionsDialog::OnOk() {
    // Only the selections count; a list without one gives -10. A method with
    // angles of its own leaves the observer's as they were.
    if (listsShowOwnAngles_) {
        values_.fajrAngle = AngleOf(fajrList_);
        values_.ishaAngle = AngleOf(ishaList_);
    }
    ReadMethodSettings();
    if (FormPass()) {
        QDialog::accept();
    }
}

bool EditPreferences(QWidget* parent, AppSettings& settings, MessageSink* sink) {
    COptionsDialog dialog(settings, sink, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    CopyPreferences(dialog.Values(), settings);
    return true;
}

}  // namespace tarvel
