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
#include <string>
#include <string_view>
#include <vector>

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

// The words that name the two sides of a latitude or longitude ("N", "NORD";
// "S", "SUD"), in ASCII, matched whatever their letter case.
struct HemisphereWords {
    std::vector<std::string> positive;  // the side the value's positive sign names
    std::vector<std::string> negative;
    // The other axis's words: a text ending with one is no angle of this one
    // ("12.5N" is no longitude), whatever the style.
    std::vector<std::string> otherAxis = {};
};

// How an angle of a site is typed.
enum class AngleTextStyle {
    // The windows' fields: blanks allowed between the parts, "." or "," as
    // the decimal separator; a text that is a number followed by anything
    // else than an angle's parts keeps the leading-number reading
    // (ReadLeadingNumber: "45 abc" is 45).
    Field,
    // A command-line argument: the whole text, no blanks, "." only.
    Argument,
};

// A latitude or longitude typed with its side and parts. The text is
//   [sign] degrees [°] [minutes ['|′] [seconds ["|″]]] [word]
// where degrees, minutes and seconds are unsigned decimals (only the last
// part given may have decimals), minutes and seconds below 60, and the word
// one of `words` (a letter or a name of a side). The value is degrees +
// minutes/60 + seconds/3600, positive for a word of words.positive, negative
// for one of words.negative, with the sign typed when there is no word; a
// sign together with a word, minutes or seconds of 60 or more, a word of the
// other axis, or (in argument style) any other word give nothing. Examples
// with N/S: "41°54'N" is 41.9, "41 54 30 N" 41.908333..., "12.5S" -12.5,
// "-12.5" -12.5, "-12.5N" nothing, "41 60" nothing. No range is checked here.
std::optional<double> ReadSiteAngle(std::string_view text, const HemisphereWords& words,
                                    AngleTextStyle style);

}  // namespace tarvel
