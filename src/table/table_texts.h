// The texts the ephemeris table writes and the messages of its form.
//
// Texts named by a number come from the string table of the user-interface
// language; a default-constructed TableTexts holds the built-in Italian texts,
// and a window running in another language replaces them with Set. The form's
// validation messages are those of the dialog framework, in the same language.
// All texts are UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "format/printf_text.h"

namespace tarvel {

// Numbers of the table's strings in the string table.
namespace table_string {
inline constexpr int kSouth = 102;             // "sud"
inline constexpr int kNorth = 132;             // "nord"
inline constexpr int kEast = 133;              // "est"
inline constexpr int kWest = 134;              // "ovest"
inline constexpr int kDate = 143;              // "data"
inline constexpr int kTime = 144;              // "ora"
inline constexpr int kZone = 145;              // "fuso"
inline constexpr int kSummerTime = 146;        // "Ora Estiva"
inline constexpr int kFractionalStep = 147;    // decimal steps only for seconds
inline constexpr int kLatitude = 156;          // "latitudine"
inline constexpr int kLongitude = 157;         // "longitudine"
inline constexpr int kHeight = 158;            // "altitudine"
inline constexpr int kYes = 159;               // "si"
inline constexpr int kNo = 160;                // "no"
inline constexpr int kHourUnit = 188;          // "[hh:mm:ss]"
inline constexpr int kDecimalHourUnit = 189;   // "[h]"
inline constexpr int kAngleUnit = 190;         // "[gg°mm'ss\"]"
inline constexpr int kDecimalAngleUnit = 191;  // "[g]"
inline constexpr int kRefractionUnit = 192;    // "[mm'ss\"]"
inline constexpr int kPrayerMethod = 211;      // "metodo delle preghiere"
inline constexpr int kCustomMethod = 212;      // "personalizzato"
inline constexpr int kHighLatitudeRule = 213;  // "regola per le alte latitudini"
// "metà della notte", "un settimo della notte", "angolo/60 della notte": the
// rules after none, in HighLatitudeRule order.
inline constexpr int kFirstRule = 214;
}  // namespace table_string

class TableTexts {
  public:
    static constexpr int kFirstId = 101;
    static constexpr int kLastId = 217;

    // The built-in Italian texts.
    TableTexts();

    // The text of string `id` (empty for a number the table does not use or
    // outside kFirstId ... kLastId).
    const std::string& Get(int id) const;

    // Replaces the text of string `id`; ignored outside kFirstId ... kLastId.
    void Set(int id, std::string text);

    // Messages of the form's validation; "%1" and "%2" stand for the bounds.
    std::string numberMessage = "Immettere un numero.";
    std::string numberRangeMessage = "Immettere un numero compreso tra %1 e %2.";
    std::string integerMessage = "Immettere un valore intero.";
    std::string integerRangeMessage = "Immettere un valore intero compreso tra %1 e %2.";
    // Checks the windows never need (their pickers and zone list cannot hold
    // such values) but that guard other callers: a start instant outside the
    // pickers' range or not a calendar date, and a zone offset that is none of
    // the 40 of the zone list ("%1" is the offset in hours).
    std::string startInstantMessage = "Immettere una data e un'ora comprese tra %1 e %2.";
    std::string zoneMessage = "Fuso orario non previsto: %1.";
    std::string lastRowMessage =
        "L'ultima riga della tabella cadrebbe dopo il %1: ridurre il passo o il numero di punti.";

  private:
    std::array<std::string, kLastId - kFirstId + 1> strings_;
};

}  // namespace tarvel
