// Cells of the padded table text.
//
// Texts are UTF-8. Widths, centring and cutting count characters (Unicode code
// points), never bytes, so a cell holding the degree sign (two bytes, one
// character) lines up with its neighbours in a fixed-pitch font.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel {

// Number of characters (code points) of a UTF-8 text: every byte that is not a
// continuation byte (10xxxxxx) starts one character.
std::size_t CountCharacters(std::string_view text);

// The first `count` characters of text (all of it when it is shorter); never
// splits a character.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// The text placed in a field of `width` characters: longer than the width, its
// first `width` characters; exactly the width, the text; otherwise
// floor((width - length) / 2) blanks, the text and the remaining blanks (the
// extra blank of an odd difference goes to the right).
std::string CenterInField(std::string_view text, std::size_t width);

// The text with every "." replaced by the first character of decimalSeparator
// (one UTF-8 character, which may take several bytes). When that character is
// "." or the separator is empty, the text is returned unchanged.
std::string LocalizeDecimalPoint(std::string_view text, std::string_view decimalSeparator);

// True when text is well-formed UTF-8 (no stray continuation byte, no truncated
// or overlong sequence, no surrogate, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view text);

}  // namespace tarvel
