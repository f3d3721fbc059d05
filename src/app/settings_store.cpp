#include "app/settings_store.h"

#include <cmath>
#include <QSettings>
#include <QStringList>
#include <bit>

#include "languages/languages.h"

namespace tarvel {

namespace {

constexpr char kOrganization[] = "Dovel Marsk";
constexpr char kApplication[] = "Ombrix";
constexpr char kGroup[] = "Tarvel";

struct DoubleValue {
    const char* name;  // without the final "1" or "2"
    double AppSettings::*field;
    ValueBounds bounds;  // a stored value outside stops the load
};

// In the order in which the values are written and read; the refraction model
// comes after the height.
const DoubleValue kSiteValues[] = {
    {"Latitude", &AppSettings::latitude, kLatitudeBounds},
    {"Longitude", &AppSettings::longitude, kLongitudeBounds},
    {"Altitude", &AppSettings::height, kHeightBounds},
};

constexpr char kRefractionType[] = "RefractionType";
constexpr char kInterfaceLanguage[] = "InterfaceLanguage";
constexpr char kPlaceName[] = "PlaceName";
constexpr char kTimeZoneName[] = "TimeZoneName";

// The prayer times' method and its choices: each stored only while it differs
// from its default (the documented behaviour) and read on its own.
constexpr char kPrayerMethod[] = "PrayerMethod";
constexpr char kRamadan[] = "PrayerRamadan";
constexpr char kHighLatitudeRule[] = "PrayerHighLatitudeRule";
constexpr char kPolarRule[] = "PrayerPolarRule";
constexpr char kShafaq[] = "PrayerShafaq";
constexpr char kRounding[] = "PrayerRounding";
constexpr char kIshaInterval[] = "PrayerIshaIntervalMinutes";     // whole minutes
constexpr char kMaghribAngle[] = "PrayerMaghribAngleTenths";      // tenths of a degree
constexpr char kHijriCalendar[] = "HijriCalendar";  // 0 Umm al-Qura, 1 tabular
struct AdjustmentValue {
    const char* name;
    int PrayerAdjustments::*field;
};
const AdjustmentValue kAdjustmentValues[] = {
    {"FajrAdjustment", &PrayerAdjustments::fajr},
    {"SunriseAdjustment", &PrayerAdjustments::sunrise},
    {"ZuhrAdjustment", &PrayerAdjustments::zuhr},
    {"AsrAdjustment", &PrayerAdjustments::asr},
    {"MaghribAdjustment", &PrayerAdjustments::maghrib},
    {"IshaAdjustment", &PrayerAdjustments::isha},
};

const DoubleValue kRefractionValues[] = {
    {"RefractionPressure", &AppSettings::pressure, kPressureBounds},
    {"RefractionTemperature", &AppSettings::temperature, kTemperatureBounds},
    {"RefractionAltitude", &AppSettings::refractionHeight, kRefractionHeightBounds},
    {"RefractionHumidity", &AppSettings::humidity, kHumidityBounds},
    {"fajrDegrees", &AppSettings::fajrAngle, kPrayerAngleBounds},
    {"ishaDegrees", &AppSettings::ishaAngle, kPrayerAngleBounds},
};

// A stored unsigned 32-bit value: the decimal digits of 0 ... 4294967295.
bool ReadDword(const QSettings& store, const QString& name, std::uint32_t& value) {
    const QVariant stored = store.value(name);
    if (!stored.isValid()) {
        return false;
    }
    const QString text = stored.toString().trimmed();
    if (text.isEmpty() || !text.at(0).isDigit()) {
        return false;
    }
    bool ok = false;
    const qulonglong number = text.toULongLong(&ok, 10);
    if (!ok || number > 0xFFFFFFFFull) {
        return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

// Reads one double: the low half (a missing one is 0), then the high half,
// which must be present. False stops the load.
bool ReadDouble(const QSettings& store, const char* name, double& value) {
    std::uint32_t low = 0;
    if (!ReadDword(store, QString::fromLatin1(name) + QLatin1Char('1'), low)) {
        low = 0;
    }
    std::uint32_t high = 0;
    if (!ReadDword(store, QString::fromLatin1(name) + QLatin1Char('2'), high)) {
        return false;
    }
    value = JoinDouble(low, high);
    return true;
}

bool LoadDoubles(const QSettings& store, const DoubleValue* values, std::size_t count,
                 AppSettings& settings) {
    for (std::size_t i = 0; i < count; ++i) {
        double value = 0;
        if (!ReadDouble(store, values[i].name, value) || !values[i].bounds.Contains(value)) {
            return false;
        }
        settings.*(values[i].field) = value;
    }
    return true;
}

// A stored whole number (decimal digits, with a sign for the adjustments)
// within [low, high]; false for a missing or malformed one.
bool ReadInteger(const QSettings& store, const char* name, int low, int high, int& value) {
    const QVariant stored = store.value(QString::fromLatin1(name));
    if (!stored.isValid()) {
        return false;
    }
    bool ok = false;
    const int number = stored.toString().trimmed().toInt(&ok, 10);
    if (!ok || number < low || number > high) {
        return false;
    }
    value = number;
    return true;
}

void LoadMethodSettings(const QSettings& store, AppSettings& settings) {
    int number = 0;
    if (ReadInteger(store, kPrayerMethod, 0, static_cast<int>(PrayerMethod::kMoonsighting), number)) {
        settings.prayerMethod = static_cast<PrayerMethod>(number);
    }
    if (ReadInteger(store, kRamadan, 0, 1, number)) {
        settings.ramadan = number != 0;
    }
    if (ReadInteger(store, kHighLatitudeRule, 0, static_cast<int>(HighLatitudeRule::kRecommended),
                    number)) {
        settings.highLatitudeRule = static_cast<HighLatitudeRule>(number);
    }
    if (ReadInteger(store, kPolarRule, 0, static_cast<int>(PolarRule::kNearestDay), number)) {
        settings.polarRule = static_cast<PolarRule>(number);
    }
    if (ReadInteger(store, kShafaq, 0, static_cast<int>(Shafaq::kWhite), number)) {
        settings.shafaq = static_cast<Shafaq>(number);
    }
    if (ReadInteger(store, kRounding, 0, static_cast<int>(PrayerRounding::kUp), number)) {
        settings.rounding = static_cast<PrayerRounding>(number);
    }
    if (ReadInteger(store, kHijriCalendar, 0, 1, number)) {
        settings.hijriCalendar = number;
    }
    if (ReadInteger(store, kIshaInterval, static_cast<int>(kIshaIntervalBounds.low),
                    static_cast<int>(kIshaIntervalBounds.high), number)) {
        settings.ishaIntervalMinutes = number;
    }
    if (ReadInteger(store, kMaghribAngle, static_cast<int>(kMaghribAngleBounds.low * 10),
                    static_cast<int>(kMaghribAngleBounds.high * 10), number)) {
        settings.maghribAngle = number / 10.0;
    }
    for (const AdjustmentValue& value : kAdjustmentValues) {
        if (ReadInteger(store, value.name, static_cast<int>(kPrayerAdjustmentBounds.low),
                        static_cast<int>(kPrayerAdjustmentBounds.high), number)) {
            settings.prayerAdjustments.*(value.field) = number;
        }
    }
}

// Writes a value that differs from its default, removes one that does not.
void WriteUnlessDefault(QSettings& store, const char* name, int value, int defaultValue) {
    if (value == defaultValue) {
        store.remove(QString::fromLatin1(name));
    } else {
        store.setValue(QString::fromLatin1(name), value);
    }
}

void SaveMethodSettings(QSettings& store, const AppSettings& settings) {
    const PrayerMethodSettings defaults;
    WriteUnlessDefault(store, kPrayerMethod, static_cast<int>(settings.prayerMethod),
                       static_cast<int>(defaults.prayerMethod));
    WriteUnlessDefault(store, kRamadan, settings.ramadan ? 1 : 0, defaults.ramadan ? 1 : 0);
    WriteUnlessDefault(store, kHighLatitudeRule, static_cast<int>(settings.highLatitudeRule),
                       static_cast<int>(defaults.highLatitudeRule));
    WriteUnlessDefault(store, kPolarRule, static_cast<int>(settings.polarRule),
                       static_cast<int>(defaults.polarRule));
    WriteUnlessDefault(store, kShafaq, static_cast<int>(settings.shafaq),
                       static_cast<int>(defaults.shafaq));
    WriteUnlessDefault(store, kRounding, static_cast<int>(settings.rounding),
                       static_cast<int>(defaults.rounding));
    WriteUnlessDefault(store, kHijriCalendar, settings.hijriCalendar, defaults.hijriCalendar);
    WriteUnlessDefault(store, kIshaInterval,
                       static_cast<int>(std::lround(settings.ishaIntervalMinutes)),
                       static_cast<int>(defaults.ishaIntervalMinutes));
    WriteUnlessDefault(store, kMaghribAngle, static_cast<int>(std::lround(settings.maghribAngle * 10)),
                       static_cast<int>(defaults.maghribAngle * 10));
    for (const AdjustmentValue& value : kAdjustmentValues) {
        WriteUnlessDefault(store, value.name, settings.prayerAdjustments.*(value.field),
                           defaults.prayerAdjustments.*(value.field));
    }
}

void WriteDouble(QSettings& store, const char* name, double value) {
    const DoubleHalves halves = SplitDouble(value);
    store.setValue(QString::fromLatin1(name) + QLatin1Char('1'), halves.low);
    store.setValue(QString::fromLatin1(name) + QLatin1Char('2'), halves.high);
}

}  // namespace

DoubleHalves SplitDouble(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return {static_cast<std::uint32_t>(bits & 0xFFFFFFFFull),
            static_cast<std::uint32_t>(bits >> 32)};
}

double JoinDouble(std::uint32_t low, std::uint32_t high) {
    return std::bit_cast<double>((static_cast<std::uint64_t>(high) << 32) | low);
}

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFilePath) : iniFilePath_(std::move(iniFilePath)) {}

std::unique_ptr<QSettings> SettingsStore::Open() const {
    std::unique_ptr<QSettings> store;
    if (iniFilePath_.isEmpty()) {
        store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromLatin1(kOrganization),
                                            QString::fromLatin1(kApplication));
    } else {
        store = std::make_unique<QSettings>(iniFilePath_, QSettings::IniFormat);
    }
    // Only the user's own values count, never system-wide ones.
    store->setFallbacksEnabled(false);
    return store;
}

QString SettingsStore::FileName() const {
    return Open()->fileName();
}

void SettingsStore::Load(AppSettings& settings) const {
    const std::unique_ptr<QSettings> store = Open();
    // The group is opened for reading and writing: without it (first run) or
    // without write access, the defaults stay.
    if (store->status() != QSettings::NoError || !store->isWritable() ||
        !store->childGroups().contains(QString::fromLatin1(kGroup))) {
        return;
    }
    store->beginGroup(QString::fromLatin1(kGroup));
    LoadMethodSettings(*store, settings);
    if (!LoadDoubles(*store, kSiteValues, std::size(kSiteValues), settings)) {
        return;
    }
    std::uint32_t model = 0;
    if (!ReadDword(*store, QString::fromLatin1(kRefractionType), model) || model >= 2) {
        return;
    }
    settings.refractionModel = static_cast<RefractionModel>(model);
    LoadDoubles(*store, kRefractionValues, std::size(kRefractionValues), settings);
}

int SettingsStore::LoadLanguage() const {
    const std::unique_ptr<QSettings> store = Open();
    if (store->status() != QSettings::NoError || !store->isWritable()) {
        return 0;
    }
    store->beginGroup(QString::fromLatin1(kGroup));
    std::uint32_t languageId = 0;
    if (!ReadDword(*store, QString::fromLatin1(kInterfaceLanguage), languageId) ||
        languageId > 0xFFFF || LocaleForLanguageId(static_cast<int>(languageId)).isEmpty()) {
        return 0;
    }
    return static_cast<int>(languageId);
}

void SettingsStore::SaveLanguage(int languageId) const {
    const std::unique_ptr<QSettings> store = Open();
    if (store->status() != QSettings::NoError || !store->isWritable()) {
        return;
    }
    store->beginGroup(QString::fromLatin1(kGroup));
    store->setValue(QString::fromLatin1(kInterfaceLanguage),
                    static_cast<std::uint32_t>(languageId));
    store->endGroup();
    store->sync();
}

SettingsStore::PlaceAndZone SettingsStore::LoadPlaceAndZone() const {
    const std::unique_ptr<QSettings> store = Open();
    if (store->status() != QSettings::NoError || !store->isWritable()) {
        return {};
    }
    store->beginGroup(QString::fromLatin1(kGroup));
    const auto text = [&store](const char* name, bool label) {
        const QVariant value = store->value(QString::fromLatin1(name));
        // A place's label written by hand with commas but no quotes ("Rome,
        // Lazio, Italy") reads as a list: its parts joined again. A number,
        // a list for a zone's name or anything else counts as none.
        if (label && value.typeId() == QMetaType::QStringList) {
            return value.toStringList().join(QStringLiteral(", ")).left(200);
        }
        return value.typeId() == QMetaType::QString ? value.toString().left(200) : QString();
    };
    return {text(kPlaceName, true), text(kTimeZoneName, false)};
}

void SettingsStore::SavePlaceAndZone(const PlaceAndZone& chosen) const {
    const std::unique_ptr<QSettings> store = Open();
    if (store->status() != QSettings::NoError || !store->isWritable()) {
        return;
    }
    store->beginGroup(QString::fromLatin1(kGroup));
    // The manual entry leaves no trace: the store keeps its 19 values.
    for (const auto& [name, text] : {std::pair{kPlaceName, chosen.place},
                                     std::pair{kTimeZoneName, chosen.zone}}) {
        if (text.isEmpty()) {
            store->remove(QString::fromLatin1(name));
        } else {
            store->setValue(QString::fromLatin1(name), text);
        }
    }
    store->endGroup();
    store->sync();
}

void SettingsStore::Save(const AppSettings& settings) const {
    const std::unique_ptr<QSettings> store = Open();
    if (store->status() != QSettings::NoError || !store->isWritable()) {
        return;
    }
    store->beginGroup(QString::fromLatin1(kGroup));
    for (const DoubleValue& value : kSiteValues) {
        WriteDouble(*store, value.name, settings.*(value.field));
    }
    store->setValue(QString::fromLatin1(kRefractionType),
                    static_cast<std::uint32_t>(settings.refractionModel));
    for (const DoubleValue& value : kRefractionValues) {
        WriteDouble(*store, value.name, settings.*(value.field));
    }
    SaveMethodSettings(*store, settings);
    store->endGroup();
    store->sync();
}

}  // namespace tarvel
