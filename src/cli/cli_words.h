// The command line's own words: its refusals, the lines that name the place
// and the zone, the calendar's event names. They are written here in English
// and shown in the interface language through the translator the program sets
// as it starts (the translation modules tarvel-cli_ITA and tarvel-cli_PTB,
// context "CliWords"); without a translator, or a text it does not know, the
// English stands.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "places/place_search.h"

namespace tarvel {

// Returns the text in the interface language, or nothing to keep the English.
using CliTranslator = std::string (*)(std::string_view english);

// Sets the translator of the whole program (nullptr: English).
void SetCliTranslator(CliTranslator translator);

// The language of the places' names the program prints (English until set).
void SetCliPlaceNames(PlaceNames names);
PlaceNames CliPlaceNames();

// english in the interface language. The English text is the key of the
// translation: pass it as it is written here, with its blanks as "%1" ... "%9".
std::string CliWord(std::string_view english);

// CliWord(english) with "%1" ... "%9" replaced by the fillers, in order; what
// a filler holds is copied as it stands.
std::string CliMessage(std::string_view english, std::initializer_list<std::string_view> fillers);

// text with "%1" ... "%9" replaced by the fillers, untranslated.
std::string FilledText(std::string_view text, const std::vector<std::string>& fillers);

}  // namespace tarvel
