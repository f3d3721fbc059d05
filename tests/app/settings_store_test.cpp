// The settings store in a temporary INI file: defaults on the first run, the
// split of each double into two 32-bit halves, the load order with its
// stopping rule and range tests, and the application's load and save around
// the main window's run.
#include "app/settings_store.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdint>

#include "app/options_dialog.h"
#include "app/tarvel_app.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

const char* const kValueNames[] = {"Latitude1",
                                   "Latitude2",
                                   "Longitude1",
                                   "Longitude2",
                                   "Altitude1",
                                   "Altitude2",
                                   "RefractionType",
                                   "RefractionPressure1",
                                   "RefractionPressure2",
                                   "RefractionTemperature1",
                                   "RefractionTemperature2",
                                   "RefractionAltitude1",
                                   "RefractionAltitude2",
                                   "RefractionHumidity1",
                                   "RefractionHumidity2",
                                   "fajrDegrees1",
                                   "fajrDegrees2",
                                   "ishaDegrees1",
                                   "ishaDegrees2"};

AppSettings Changed() {
    AppSettings s;
    s.latitude = 41.9;
    s.longitude = -12.5;
    s.height = 21.75;
    s.refractionModel = kRefractionIntegration;
    s.pressure = 995.5;
    s.temperature = -3.25;
    s.refractionHeight = 350;
    s.humidity = 65;
    s.fajrAngle = -18;
    s.ishaAngle = -15;
    return s;
}

// Writes one value of the store's group directly.
void SetStored(const QString& file, const QString& name, const QVariant& value) {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Tarvel"));
    settings.setValue(name, value);
}

void RemoveStored(const QString& file, const QString& name) {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Tarvel"));
    settings.remove(name);
}

QString Describe(const AppSettings& s) {
    return QStringLiteral("lat %1 lon %2 h %3 model %4 p %5 t %6 rh %7 hum %8 fajr %9 isha %10")
        .arg(s.latitude)
        .arg(s.longitude)
        .arg(s.height)
        .arg(static_cast<int>(s.refractionModel))
        .arg(s.pressure)
        .arg(s.temperature)
        .arg(s.refractionHeight)
        .arg(s.humidity)
        .arg(s.fajrAngle)
        .arg(s.ishaAngle);
}

#define COMPARE_SETTINGS(obtained, expected)                       \
    QVERIFY2((obtained) == (expected),                             \
             qPrintable(QStringLiteral("obtained %1\nexpected %2") \
                            .arg(Describe(obtained), Describe(expected))))

}  // namespace

Q_DECLARE_METATYPE(tarvel::PrayerMethodSettings)

class SettingsStoreTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void defaults();
    void halvesOfADouble_data();
    void halvesOfADouble();
    void firstRunKeepsTheDefaults();
    void saveWritesTheNineteenValues();
    void roundTrip();
    void loadStops_data();
    void loadStops();
    void missingLowHalfCountsAsZero();
    void readOnlyStoreIsNotLoaded();
    void chosenLanguage_data();
    void chosenLanguage();
    void chosenLanguageBesideTheOtherValues();
    void chosenPlaceAndZone();
    void methodSettingsRoundTrip();
    void methodSettingReadOnItsOwn_data();
    void methodSettingReadOnItsOwn();
    void userStoreLocation();
    void applicationFirstRunCreatesTheStore();
    void storedNamesStandOnTheirOwn();
    void preferencesConfirmedAreStoredAndComeBack();
    void preferencesCancelledAfterDefaultsChangeNothing();

  private:
    QTemporaryDir dir_;
    QString file_;
};

void SettingsStoreTest::init() {
    QVERIFY(dir_.isValid());
    file_ = dir_.filePath(QStringLiteral("store-%1.ini").arg(QTest::currentTestFunction()));
    if (QTest::currentDataTag() != nullptr) {
        file_ +=
            QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    }
    QFile::remove(file_);
}

void SettingsStoreTest::defaults() {
    const AppSettings s;
    QCOMPARE(s.latitude, 45.0);
    QCOMPARE(s.longitude, -8.0);
    QCOMPARE(s.height, 0.0);
    QCOMPARE(s.refractionModel, kRefractionBennett);
    QCOMPARE(s.pressure, 1010.0);
    QCOMPARE(s.temperature, 10.0);
    QCOMPARE(s.refractionHeight, 100.0);
    QCOMPARE(s.humidity, 20.0);
    QCOMPARE(s.fajrAngle, -19.0);
    QCOMPARE(s.ishaAngle, -17.0);
}

void SettingsStoreTest::halvesOfADouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::newRow("45") << 45.0 << quint32(0) << quint32(0x40468000);
    QTest::newRow("-8") << -8.0 << quint32(0) << quint32(0xC0200000);
    QTest::newRow("0.1") << 0.1 << quint32(0x9999999A) << quint32(0x3FB99999);
    QTest::newRow("-0") << -0.0 << quint32(0) << quint32(0x80000000);
}

void SettingsStoreTest::halvesOfADouble() {
    QFETCH(double, value);
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    const DoubleHalves halves = SplitDouble(value);
    QCOMPARE(halves.low, low);
    QCOMPARE(halves.high, high);
    QCOMPARE(std::signbit(JoinDouble(low, high)), std::signbit(value));
    QCOMPARE(JoinDouble(low, high), value);
}

void SettingsStoreTest::firstRunKeepsTheDefaults() {
    AppSettings loaded = Changed();
    SettingsStore(file_).Load(loaded);
    COMPARE_SETTINGS(loaded, Changed());
    AppSettings fresh;
    SettingsStore(file_).Load(fresh);
    COMPARE_SETTINGS(fresh, AppSettings());
    QVERIFY(!QFile::exists(file_));
}

void SettingsStoreTest::saveWritesTheNineteenValues() {
    SettingsStore(file_).Save(AppSettings());
    QSettings settings(file_, QSettings::IniFormat);
    QCOMPARE(settings.childGroups(), QStringList{QStringLiteral("Tarvel")});
    settings.beginGroup(QStringLiteral("Tarvel"));
    QCOMPARE(settings.childKeys().size(), 19);
    for (const char* name : kValueNames) {
        QVERIFY2(settings.contains(QString::fromLatin1(name)), name);
    }
    // Latitude 45 is 0x4046800000000000.
    QCOMPARE(settings.value(QStringLiteral("Latitude1")).toString(), QStringLiteral("0"));
    QCOMPARE(settings.value(QStringLiteral("Latitude2")).toString(), QString::number(0x40468000u));
    QCOMPARE(settings.value(QStringLiteral("RefractionType")).toString(), QStringLiteral("0"));
}

void SettingsStoreTest::roundTrip() {
    SettingsStore(file_).Save(Changed());
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    COMPARE_SETTINGS(loaded, Changed());
}

void SettingsStoreTest::loadStops_data() {
    // A stored value that stops the load, and what is loaded then: the values
    // before it are kept, it and those after it keep the defaults.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("loadedCount");  // of the ten fields, in store order

    const auto bits = [](double v) { return QVariant(SplitDouble(v).high); };
    QTest::newRow("latitude 90.5") << "Latitude2" << bits(90.5) << 0;
    QTest::newRow("longitude -181") << "Longitude2" << bits(-181.0) << 1;
    QTest::newRow("height -2000") << "Altitude2" << bits(-2000.0) << 2;
    QTest::newRow("height 20001") << "Altitude2" << bits(20001.0) << 2;
    QTest::newRow("RefractionType 2") << "RefractionType" << QVariant(2u) << 3;
    QTest::newRow("RefractionType not a number") << "RefractionType" << QVariant("x") << 3;
    // Atmospheres and prayer angles outside what is physically meaningful, and
    // not-a-number (only the high half matters for either).
    QTest::newRow("pressure not a number") << "RefractionPressure2" << QVariant(0x7FF80000u) << 4;
    QTest::newRow("pressure -5000") << "RefractionPressure2" << bits(-5000.0) << 4;
    QTest::newRow("temperature -300") << "RefractionTemperature2" << bits(-300.0) << 5;
    QTest::newRow("temperature not a number")
        << "RefractionTemperature2" << QVariant(0xFFF80000u) << 5;
    QTest::newRow("refraction height 1e300") << "RefractionAltitude2" << bits(1e300) << 6;
    QTest::newRow("humidity not a number") << "RefractionHumidity2" << QVariant(0x7FF80000u) << 7;
    QTest::newRow("Fajr +45") << "fajrDegrees2" << bits(45.0) << 8;
    QTest::newRow("Isha -100") << "ishaDegrees2" << bits(-100.0) << 9;
    QTest::newRow("high half missing") << "RefractionTemperature2" << QVariant() << 5;
    QTest::newRow("high half not a number") << "RefractionHumidity2" << QVariant("abc") << 7;
    QTest::newRow("high half negative") << "fajrDegrees2" << QVariant("-1") << 8;
    QTest::newRow("high half beyond 32 bits") << "ishaDegrees2" << QVariant("4294967296") << 9;
}

void SettingsStoreTest::loadStops() {
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(int, loadedCount);
    AppSettings stored = Changed();
    SettingsStore(file_).Save(stored);
    if (value.isValid()) {
        SetStored(file_, name, value);
    } else {
        RemoveStored(file_, name);
    }
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);

    AppSettings expected;
    double AppSettings::*const doubles[] = {
        &AppSettings::latitude,         &AppSettings::longitude,
        &AppSettings::height,           nullptr,
        &AppSettings::pressure,         &AppSettings::temperature,
        &AppSettings::refractionHeight, &AppSettings::humidity,
        &AppSettings::fajrAngle,        &AppSettings::ishaAngle};
    for (int i = 0; i < loadedCount; ++i) {
        if (doubles[i] == nullptr) {
            expected.refractionModel = stored.refractionModel;
        } else {
            expected.*doubles[i] = stored.*doubles[i];
        }
    }
    COMPARE_SETTINGS(loaded, expected);
}

void SettingsStoreTest::missingLowHalfCountsAsZero() {
    AppSettings stored = Changed();
    stored.latitude = 41.123;
    QVERIFY(SplitDouble(41.123).low != 0);
    SettingsStore(file_).Save(stored);
    RemoveStored(file_, QStringLiteral("Latitude1"));
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    QCOMPARE(loaded.latitude, JoinDouble(0, SplitDouble(41.123).high));
    QCOMPARE(loaded.ishaAngle, stored.ishaAngle);
}

void SettingsStoreTest::readOnlyStoreIsNotLoaded() {
    SettingsStore(file_).Save(Changed());
    QFile file(file_);
    const QFile::Permissions permissions = file.permissions();
    QVERIFY(file.setPermissions(QFile::ReadOwner));
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    // Root may write anyway; then the store counts as writable and loads.
    if (QFileInfo(file_).isWritable()) {
        COMPARE_SETTINGS(loaded, Changed());
    } else {
        COMPARE_SETTINGS(loaded, AppSettings());
        SettingsStore(file_).Save(AppSettings());  // silently nothing
    }
    QVERIFY(file.setPermissions(permissions));
}

void SettingsStoreTest::chosenLanguage_data() {
    // What is stored as "InterfaceLanguage" (nothing: an invalid QVariant) and
    // the language id read back: one of the menu's three, otherwise none.
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("languageId");
    QTest::newRow("none") << QVariant() << 0;
    QTest::newRow("Italian") << QVariant(1040u) << 1040;
    QTest::newRow("English") << QVariant(1033u) << 1033;
    QTest::newRow("Portuguese") << QVariant(QStringLiteral("1046")) << 1046;
    QTest::newRow("another language") << QVariant(1031u) << 0;
    QTest::newRow("0") << QVariant(0u) << 0;
    QTest::newRow("negative") << QVariant(QStringLiteral("-1033")) << 0;
    QTest::newRow("beyond 32 bits") << QVariant(QStringLiteral("4294968329")) << 0;
    QTest::newRow("text") << QVariant(QStringLiteral("ENU")) << 0;
}

void SettingsStoreTest::chosenLanguage() {
    QFETCH(QVariant, stored);
    QFETCH(int, languageId);
    if (stored.isValid()) {
        SetStored(file_, QStringLiteral("InterfaceLanguage"), stored);
    }
    QCOMPARE(SettingsStore(file_).LoadLanguage(), languageId);
}

void SettingsStoreTest::chosenPlaceAndZone() {
    // Nothing stored: the manual entry.
    QVERIFY(SettingsStore(file_).LoadPlaceAndZone().zone.isEmpty());
    SettingsStore(file_).SavePlaceAndZone({QStringLiteral("São Paulo, Brazil"),
                                           QStringLiteral("America/Sao_Paulo")});
    SettingsStore(file_).Save(Changed());  // the other values keep them
    const SettingsStore::PlaceAndZone loaded = SettingsStore(file_).LoadPlaceAndZone();
    QCOMPARE(loaded.place, QStringLiteral("São Paulo, Brazil"));
    QCOMPARE(loaded.zone, QStringLiteral("America/Sao_Paulo"));
    AppSettings settings;
    SettingsStore(file_).Load(settings);
    COMPARE_SETTINGS(settings, Changed());
    // A list where a name belongs counts as none.
    SetStored(file_, QStringLiteral("TimeZoneName"), QStringList{"a", "b"});
    QVERIFY(SettingsStore(file_).LoadPlaceAndZone().zone.isEmpty());
    // A place's label written by hand without quotes reads as its parts,
    // joined again; the zone beside it stands on its own.
    {
        QFile ini(file_);
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[Tarvel]\nPlaceName=Rome, Lazio, Italy\nTimeZoneName=Mars/Olympus_Mons\n");
    }
    const SettingsStore::PlaceAndZone byHand = SettingsStore(file_).LoadPlaceAndZone();
    QCOMPARE(byHand.place, QStringLiteral("Rome, Lazio, Italy"));
    QCOMPARE(byHand.zone, QStringLiteral("Mars/Olympus_Mons"));
}

void SettingsStoreTest::chosenLanguageBesideTheOtherValues() {
    // Saved and read on its own: a load that stops early does not lose it,
    // and the save of the other values keeps it.
    SettingsStore(file_).SaveLanguage(1046);
    QCOMPARE(SettingsStore(file_).LoadLanguage(), 1046);
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    COMPARE_SETTINGS(loaded, AppSettings());
    SettingsStore(file_).Save(Changed());
    QCOMPARE(SettingsStore(file_).LoadLanguage(), 1046);
    SetStored(file_, QStringLiteral("Latitude2"), QStringLiteral("x"));
    QCOMPARE(SettingsStore(file_).LoadLanguage(), 1046);
    SettingsStore(file_).SaveLanguage(1033);
    QCOMPARE(SettingsStore(file_).LoadLanguage(), 1033);
    QSettings settings(file_, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Tarvel/InterfaceLanguage")).toString(),
             QStringLiteral("1033"));
}

void SettingsStoreTest::methodSettingsRoundTrip() {
    AppSettings chosen = Changed();
    chosen.prayerMethod = PrayerMethod::kUmmAlQura;
    chosen.ramadan = true;
    chosen.highLatitudeRule = HighLatitudeRule::kSeventhOfTheNight;
    chosen.prayerAdjustments = {-120, 1, 2, -3, 7, 120};
    chosen.polarRule = PolarRule::kNearestLatitude;
    chosen.shafaq = Shafaq::kRed;
    chosen.rounding = PrayerRounding::kNearest;
    chosen.ishaIntervalMinutes = 90;
    chosen.maghribAngle = -4.5;
    chosen.hijriCalendar = 1;
    SettingsStore(file_).Save(chosen);
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    QVERIFY(loaded == chosen);
    {
        QSettings settings(file_, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Tarvel"));
        QCOMPARE(settings.childKeys().size(), 19 + 9 + 6);
        QCOMPARE(settings.value(QStringLiteral("PrayerMethod")).toString(), QStringLiteral("4"));
        QCOMPARE(settings.value(QStringLiteral("FajrAdjustment")).toString(),
                 QStringLiteral("-120"));
    }
    // Back to the defaults: the documented 19 values alone, the other
    // settings of the group untouched.
    SettingsStore(file_).SaveLanguage(1033);
    SettingsStore(file_).Save(Changed());
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Tarvel"));
    QCOMPARE(settings.childKeys().size(), 19 + 1);
    AppSettings reloaded;
    SettingsStore(file_).Load(reloaded);
    COMPARE_SETTINGS(reloaded, Changed());
}

void SettingsStoreTest::methodSettingReadOnItsOwn_data() {
    // A stored value and the method settings it gives, beside documented
    // values whose load stops at the latitude.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<PrayerMethodSettings>("expected");
    const PrayerMethodSettings defaults;
    PrayerMethodSettings turkey;
    turkey.prayerMethod = PrayerMethod::kTurkey;
    PrayerMethodSettings custom;
    custom.prayerMethod = PrayerMethod::kCustom;
    PrayerMethodSettings ramadan;
    ramadan.ramadan = true;
    PrayerMethodSettings angle;
    angle.highLatitudeRule = HighLatitudeRule::kTwilightAngle;
    PrayerMethodSettings maghrib;
    maghrib.prayerAdjustments.maghrib = -5;
    QTest::newRow("method") << "PrayerMethod" << QVariant(11) << turkey;
    QTest::newRow("custom method") << "PrayerMethod" << QVariant(QStringLiteral(" 12")) << custom;
    PrayerMethodSettings moonsighting;
    moonsighting.prayerMethod = PrayerMethod::kMoonsighting;
    QTest::newRow("last method") << "PrayerMethod" << QVariant(13) << moonsighting;
    QTest::newRow("method beyond the list") << "PrayerMethod" << QVariant(14) << defaults;
    QTest::newRow("negative method") << "PrayerMethod" << QVariant(-1) << defaults;
    QTest::newRow("method as text")
        << "PrayerMethod" << QVariant(QStringLiteral("mwl")) << defaults;
    QTest::newRow("Ramadan") << "PrayerRamadan" << QVariant(1) << ramadan;
    QTest::newRow("Ramadan 2") << "PrayerRamadan" << QVariant(2) << defaults;
    QTest::newRow("rule") << "PrayerHighLatitudeRule" << QVariant(3) << angle;
    PrayerMethodSettings recommended;
    recommended.highLatitudeRule = HighLatitudeRule::kRecommended;
    QTest::newRow("last rule") << "PrayerHighLatitudeRule" << QVariant(4) << recommended;
    QTest::newRow("rule beyond") << "PrayerHighLatitudeRule" << QVariant(5) << defaults;
    PrayerMethodSettings polar;
    polar.polarRule = PolarRule::kNearestDay;
    QTest::newRow("polar rule") << "PrayerPolarRule" << QVariant(2) << polar;
    QTest::newRow("polar rule beyond") << "PrayerPolarRule" << QVariant(3) << defaults;
    PrayerMethodSettings white;
    white.shafaq = Shafaq::kWhite;
    QTest::newRow("shafaq") << "PrayerShafaq" << QVariant(2) << white;
    PrayerMethodSettings up;
    up.rounding = PrayerRounding::kUp;
    QTest::newRow("rounding") << "PrayerRounding" << QVariant(2) << up;
    QTest::newRow("rounding beyond") << "PrayerRounding" << QVariant(3) << defaults;
    PrayerMethodSettings interval;
    interval.ishaIntervalMinutes = 75;
    QTest::newRow("Isha interval") << "PrayerIshaIntervalMinutes" << QVariant(75) << interval;
    QTest::newRow("Isha interval beyond")
        << "PrayerIshaIntervalMinutes" << QVariant(301) << defaults;
    PrayerMethodSettings maghribAngle;
    maghribAngle.maghribAngle = -4.5;
    QTest::newRow("Maghrib angle") << "PrayerMaghribAngleTenths" << QVariant(-45) << maghribAngle;
    QTest::newRow("Maghrib angle above the horizon")
        << "PrayerMaghribAngleTenths" << QVariant(5) << defaults;
    PrayerMethodSettings tabular;
    tabular.hijriCalendar = 1;
    QTest::newRow("Hijri calendar") << "HijriCalendar" << QVariant(1) << tabular;
    QTest::newRow("Hijri calendar beyond") << "HijriCalendar" << QVariant(2) << defaults;
    QTest::newRow("adjustment") << "MaghribAdjustment" << QVariant(-5) << maghrib;
    QTest::newRow("adjustment beyond") << "MaghribAdjustment" << QVariant(121) << defaults;
    QTest::newRow("adjustment decimal")
        << "MaghribAdjustment" << QVariant(QStringLiteral("2.5")) << defaults;
}

void SettingsStoreTest::methodSettingReadOnItsOwn() {
    QFETCH(QString, name);
    QFETCH(QVariant, stored);
    QFETCH(PrayerMethodSettings, expected);
    SettingsStore(file_).Save(Changed());
    SetStored(file_, QStringLiteral("Latitude2"), QStringLiteral("x"));
    SetStored(file_, name, stored);
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    QVERIFY(static_cast<const PrayerMethodSettings&>(loaded) == expected);
    QCOMPARE(loaded.latitude, AppSettings().latitude);
}

void SettingsStoreTest::userStoreLocation() {
    const QString name = SettingsStore().FileName();
    QVERIFY2(name.endsWith(QStringLiteral("/Dovel Marsk/Ombrix.ini")), qPrintable(name));
}

void SettingsStoreTest::applicationFirstRunCreatesTheStore() {
    RecordingSink sink;
    CTarvelApp app(SettingsStore(file_), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
    app.SetSplashMilliseconds(0);
    AppSettings shown;
    WhenModal<CTarvelDlg>([&shown](CTarvelDlg* window) {
        shown = window->Settings();
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QCOMPARE(app.Run(), int(QDialog::Rejected));
    COMPARE_SETTINGS(shown, AppSettings());
    COMPARE_SETTINGS(app.Settings(), AppSettings());
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Tarvel"));
    QCOMPARE(settings.childKeys().size(), 19);
    QVERIFY(sink.messages.isEmpty());
}

// A stored zone no longer found does not take a valid place with it: the
// place comes back on its own zone, which is then stored. Alone, the zone's
// name the window could not take up stays in the store after the run.
void SettingsStoreTest::storedNamesStandOnTheirOwn() {
    const struct {
        const char* ini;
        QString placeShown;
        QString zoneShown;
        QString placeStored;
        QString zoneStored;
    } cases[] = {
        {"[Tarvel]\nPlaceName=Rome, Lazio, Italy\nTimeZoneName=Mars/Olympus_Mons\n",
         QStringLiteral("Rome, Lazio, Italy"), QStringLiteral("Europe/Rome"),
         QStringLiteral("Rome, Lazio, Italy"), QStringLiteral("Europe/Rome")},
        {"[Tarvel]\nTimeZoneName=Mars/Olympus_Mons\n", QString(), QString(), QString(),
         QStringLiteral("Mars/Olympus_Mons")},
        {"[Tarvel]\nPlaceName=Atlantis, Nowhere\nTimeZoneName=Europe/Rome\n", QString(),
         QStringLiteral("Europe/Rome"), QStringLiteral("Atlantis, Nowhere"),
         QStringLiteral("Europe/Rome")},
    };
    for (const auto& c : cases) {
        {
            QFile ini(file_);
            QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ini.write(c.ini);
        }
        RecordingSink sink;
        CTarvelApp app(SettingsStore(file_), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
        app.SetSplashMilliseconds(0);
        QString place;
        QString zone;
        WhenModal<CTarvelDlg>([&](CTarvelDlg* window) {
            place = window->PlaceLabel();
            zone = window->ZoneName();
            QTest::keyClick(window, Qt::Key_Escape);
        });
        app.Run();
        QCOMPARE(place, c.placeShown);
        QCOMPARE(zone, c.zoneShown);
        const SettingsStore::PlaceAndZone stored = SettingsStore(file_).LoadPlaceAndZone();
        QCOMPARE(stored.place, c.placeStored);
        QCOMPARE(stored.zone, c.zoneStored);
    }
}

void SettingsStoreTest::preferencesConfirmedAreStoredAndComeBack() {
    RecordingSink sink;
    {
        CTarvelApp app(SettingsStore(file_), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
        app.SetSplashMilliseconds(0);
        WhenModal<CTarvelDlg>([](CTarvelDlg* window) {
            // The site changes in the window, the atmosphere in the preferences.
            QApplication::setActiveWindow(window);
            (void)QTest::qWaitForWindowActive(window);
            auto* latitude = qobject_cast<QLineEdit*>(window->Control(1005));
            TypeAndLeave(latitude, QStringLiteral("41.9"), window->Control(1006));
            WhenModal<COptionsDialog>([](COptionsDialog* preferences) {
                QTest::mouseClick(qobject_cast<QAbstractButton*>(
                                      preferences->findChild<QWidget*>(QStringLiteral("c1283"))),
                                  Qt::LeftButton);
                auto* pressure = preferences->findChild<QLineEdit*>(QStringLiteral("c1284"));
                pressure->setText(QStringLiteral("950"));
                qobject_cast<QAbstractButton*>(
                    preferences->findChild<QWidget*>(QStringLiteral("c1")))
                    ->click();
            });
            window->MenuAction(main_menu::kPreferences)->trigger();
            window->MenuAction(main_menu::kExit)->trigger();
        });
        app.Run();
        QCOMPARE(app.Settings().latitude, 41.9);
        QCOMPARE(app.Settings().pressure, 950.0);
    }
    CTarvelApp again(SettingsStore(file_), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
    again.SetSplashMilliseconds(0);
    AppSettings shown;
    SolarRequest request;
    WhenModal<CTarvelDlg>([&](CTarvelDlg* window) {
        shown = window->Settings();
        request = window->LastRequest();
        window->reject();
    });
    again.Run();
    QCOMPARE(shown.latitude, 41.9);
    QCOMPARE(shown.refractionModel, kRefractionIntegration);
    QCOMPARE(shown.pressure, 950.0);
    QCOMPARE(request.latitude, 41.9);
    QCOMPARE(request.refractionModel, kRefractionIntegration);
    QCOMPARE(request.pressure, 950.0);
    QVERIFY(sink.messages.isEmpty());
}

void SettingsStoreTest::preferencesCancelledAfterDefaultsChangeNothing() {
    AppSettings stored = Changed();
    SettingsStore(file_).Save(stored);
    RecordingSink sink;
    CTarvelApp app(SettingsStore(file_), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
    app.SetSplashMilliseconds(0);
    AppSettings afterCancel;
    int computations = -1;
    WhenModal<CTarvelDlg>([&](CTarvelDlg* window) {
        const int before = window->ComputationCount();
        WhenModal<COptionsDialog>([](COptionsDialog* preferences) {
            qobject_cast<QAbstractButton*>(preferences->findChild<QWidget*>(QStringLiteral("c3")))
                ->click();
            qobject_cast<QAbstractButton*>(preferences->findChild<QWidget*>(QStringLiteral("c2")))
                ->click();
        });
        window->MenuAction(main_menu::kPreferences)->trigger();
        afterCancel = window->Settings();
        computations = window->ComputationCount() - before;
        window->reject();
    });
    app.Run();
    COMPARE_SETTINGS(afterCancel, stored);
    QCOMPARE(computations, 0);
    AppSettings loaded;
    SettingsStore(file_).Load(loaded);
    COMPARE_SETTINGS(loaded, stored);
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
