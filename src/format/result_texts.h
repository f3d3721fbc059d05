// The texts of the main window's result fields for one computation.
//
// Every field the main window fills after a computation, in the order of its
// groups (the framed captions) and, inside a group, in reading order: the
// field's number, its Italian label, the caption of its group and its text. The
// windows and the command-line tool show these texts as they stand; the rules
// that choose a text (substitutes for undefined or missing times, the
// refraction below the horizon, Zuhr and Maghrib) live here.
#pragma once

#include <string>
#include <vector>

#include "astro/solar_computation.h"

namespace tarvel {

// One result field of the main window.
struct ResultText {
    int id = 0;                // number of the output field (1010, 1007 ...)
    int groupId = 0;           // number of the group box whose frame holds it
    std::string groupCaption;  // caption of that group, e.g. "MISURE DEL TEMPO"
    std::string label;         // the Italian label beside the field, e.g. "ora italica"
    std::string text;          // the field's text, leading blanks included (UTF-8)
};

// Latitude (degrees, either hemisphere) from which the temporal hours are not
// shown: at |latitude| >= this value the field shows kUndefinedTimeText.
inline constexpr double kTemporalHoursLatitudeLimit = 66.55;

// The texts of all result fields for a computation of request that gave result.
// Groups come in the order "DATA, ORA E LOCALITA'" (the ΔT field, rewritten
// after each computation), "MISURE DEL TEMPO", "COORDINATE ECLITTICHE",
// "COORDINATE EQUATORIALI GEOCENTRICHE", "COORDINATE EQUATORIALI
// TOPOCENTRICHE", "COORDINATE ALTAZIMUTALI", "VALORI GEOMETRICI", "VALORI
// APPARENTI", "PREGHIERE ISLAMICHE".
//
// Special cases:
// - 1030 (temporal hours): kUndefinedTimeText when |latitude| >= 66.55, and also
//   when the result carries no temporal hours (not-a-number) at a lower
//   latitude, so a missing value is never printed as a number;
// - 1065 (Qibla time): kNoEventTimeText when qiblaTime < 0;
// - 1024 (refraction): 0 when refractedAltitude < 0, else refraction in
//   arcminutes;
// - 1064: transitAltitude + transitRefraction; 1036 and 1048 (Zuhr) show the
//   transit, 1051 (Maghrib) the geometric set;
// - 1027: the request's hour, minute and second as given, neither split nor
//   carried;
// - lmst and meanLocalTime arrive unreduced and are shown by the unsigned time
//   form: a negative value shows without its sign, 24 h or more shows an hour
//   of 24 or more.
std::vector<ResultText> MainWindowResultTexts(const SolarRequest& request,
                                              const SolarResult& result);

}  // namespace tarvel
