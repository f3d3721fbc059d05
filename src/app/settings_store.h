// The per-user store of AppSettings.
//
// Every value lives under the group "Tarvel" of the user's settings of
// organization "Dovel Marsk", application "Ombrix" (an INI file). Each double is
// kept as its IEEE 754 bit pattern split into two unsigned 32-bit values: the
// name ending in "1" holds the low 32 bits, the name ending in "2" the high 32
// bits. The refraction model is one 32-bit value, and so is the interface
// language the user chose. Nothing is ever reported: a
// missing store, missing or malformed values and failed writes are silent.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "app/app_settings.h"

class QSettings;

namespace tarvel {

// The low and high 32-bit halves of a double's bit pattern, and back.
struct DoubleHalves {
    std::uint32_t low;
    std::uint32_t high;
};
DoubleHalves SplitDouble(double value);
double JoinDouble(std::uint32_t low, std::uint32_t high);

class SettingsStore {
  public:
    // The user's own store.
    SettingsStore();
    // A store kept in the given INI file (tests use a temporary directory).
    explicit SettingsStore(QString iniFilePath);

    // Loads the stored values over settings, in the order Latitude, Longitude,
    // Altitude, RefractionType, RefractionPressure, RefractionTemperature,
    // RefractionAltitude, RefractionHumidity, fajrDegrees, ishaDegrees. Loading
    // stops, silently, at the first value whose high half (or RefractionType)
    // is missing or not an unsigned 32-bit number, or that lies outside its
    // bounds (astro/observer.h: latitude -90 ... 90, longitude -180 ... 180,
    // height -1000 ... 20000, pressure 20 ... 1200 mbar, temperature -90 ...
    // 60 C, refraction height 0 ... 10000 m, humidity 0 ... 100 %, Fajr and
    // Isha -90 ... 0; not-a-number lies outside every range; refraction model
    // less than 2); the fields not reached keep what they held. A missing low half counts as 0. Without a stored group, or
    // when the store cannot be written, nothing is loaded.
    void Load(AppSettings& settings) const;

    // The prayer times' method and its choices are loaded as well, each on
    // its own, whatever stops the load of the documented values: the whole
    // numbers "PrayerMethod" (0 ... 12), "PrayerRamadan" (0, 1),
    // "PrayerHighLatitudeRule" (0 ... 3) and "FajrAdjustment",
    // "SunriseAdjustment", "ZuhrAdjustment", "AsrAdjustment",
    // "MaghribAdjustment", "IshaAdjustment" (minutes, -120 ... 120); a
    // missing, malformed or out-of-range one leaves its field alone.

    // Writes all 19 values in the same order (low half, then high half).
    // Of the method's values only those that differ from their defaults are
    // written, the others removed: with the documented behaviour the store
    // holds the 19 values alone. Nothing is written when the store cannot be
    // written.
    void Save(const AppSettings& settings) const;

    // The interface language the user last chose in the menu: its language
    // id (1040 Italian, 1033 English, 1046 Portuguese), kept as the unsigned
    // 32-bit value "InterfaceLanguage" of the same group and read on its own,
    // whatever stops the load of the other values. 0 when none was chosen,
    // when the stored value is none of the three, or when the store cannot be
    // written (as Load).
    int LoadLanguage() const;

    // Stores the chosen language id; nothing is written when the store cannot
    // be written.
    void SaveLanguage(int languageId) const;

    // The place and the time zone the user last chose in the main window:
    // the place's label ("Rome, Lazio, Italy") and the zone's IANA name
    // ("Europe/Rome"), kept as the strings "PlaceName" and "TimeZoneName" of
    // the same group and read on their own (an empty one is removed, so that
    // the manual entry leaves the store as it was). Empty when none was
    // chosen, or when the store cannot be written.
    struct PlaceAndZone {
        QString place;
        QString zone;
    };
    PlaceAndZone LoadPlaceAndZone() const;
    void SavePlaceAndZone(const PlaceAndZone& chosen) const;

    // Where the values live.
    QString FileName() const;

  private:
    std::unique_ptr<QSettings> Open() const;

    QString iniFilePath_;  // empty: the user's store
};

}  // namespace tarvel
