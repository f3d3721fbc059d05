// printf-style text with "." as the decimal point, whatever the C locale.
//
// Every number the program writes uses the decimal point ".". std::snprintf
// follows the LC_NUMERIC category of the C locale, which a host application may
// have set from the user's environment (a comma in Italian, for instance). These
// helpers print with std::snprintf and then put "." back in place of the
// locale's decimal point, so the exact printf semantics (widths, padding,
// rounding) are kept and only the decimal point is fixed.
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// std::snprintf of the arguments into a std::string, then the decimal point of
// the current C locale replaced by ".". The format texts used by this library
// contain no character that could be mistaken for a decimal point.
std::string PrintfText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Returns text with every occurrence of localePoint replaced by "."; text is
// returned unchanged when localePoint is "." or empty.
std::string WithDecimalPoint(std::string text, std::string_view localePoint);

// Copies text with "%1" replaced by first and "%2" by second (a message in the
// interface language with its blanks filled in); what the fillers hold is
// copied as it stands.
std::string FillMessage(std::string_view text, std::string_view first,
                        std::string_view second = {});

}  // namespace tarvel
