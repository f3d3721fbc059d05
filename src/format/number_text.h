// Numbers typed by the user: one scanner for the decimal and whole numbers of
// the windows' fields, the table form and the command-line tool.
//
// Given a text; returned the number it holds, or nothing. Locale-independent:
// the digits are ASCII, and the decimal separator is the one the caller allows.
//
// Two readings are built on the scanner:
// - a leading number (the windows and the table form): blanks, then a number,
//   and whatever follows it is ignored ("45.5 N" is 45.5). The decimal
//   separator is "." or "," (Italians write the comma), one per number: a
//   number followed by a second separator ("1,234.5", "1.234,5") is refused
//   rather than read up to its first separator;
// - a whole text (the command-line tool): the number must be the whole text,
//   with "." as the decimal separator.
#pragma once

#include <optional>
#include <string_view>

namespace tarvel {

// The number at the start of text (after blanks); false when the text does not
// begin with one, or when the number is followed by a second decimal
// separator. A sign, digits with at most one separator ("." or ","), and an
// exponent ("e" or "E", optional sign, digits; an "e" not followed by digits
// is not part of the number). A magnitude too large for a double is infinity
// (which fails every range check), one too small is 0.
bool ReadLeadingNumber(std::string_view text, double& value);

// A whole integer text, blanks around it allowed; false otherwise. A value
// beyond the range of int is clamped to it (it then fails the range check).
bool ReadIntegerText(std::string_view text, int& value);

// The whole text as a finite decimal: [+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?,
// nothing before or after it; "." is the only separator. A value beyond the
// range of a double (either way) is refused.
std::optional<double> ParseDecimal(std::string_view text);

// The whole text as a whole number: [+-]?\d+, nothing before or after it. A
// value beyond the range of int is clamped to it.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace tarvel
