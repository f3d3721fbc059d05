// The folding under which place names are compared: the same function sorts
// the gazetteer when it is built and reads every query, so both sides always
// fold alike. Free of Qt.
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// A name in UTF-8 as the search compares it: Unicode full case folding, then
// canonical decomposition (NFD) with every nonspacing mark dropped ("Zürich",
// "ZURICH" and "zurich" all give "zurich"; "Kraków" gives "krakow"); periods,
// apostrophes and their look-alikes dropped ("St. John's" gives "st johns");
// every other run of characters that are neither letters nor digits one
// blank, none at either end ("Saint-Étienne" gives "saint etienne"). Bytes
// that are not UTF-8 are left out. Any script: "Москва" gives "москва".
std::string FoldName(std::string_view utf8);

}  // namespace tarvel
