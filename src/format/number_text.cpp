#include "format/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace tarvel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c, bool commaAllowed) {
    return c == '.' || (commaAllowed && c == ',');
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

enum class Magnitude { Finite, TooLarge, TooSmall };

struct ScannedDecimal {
    double value = 0;
    Magnitude magnitude = Magnitude::Finite;
    std::size_t end = 0;  // the index just past the number
};

// A signed decimal starting at text[i]: sign, digits with at most one
// separator, and an exponent when digits follow its letter. Nothing when no
// digit is found.
std::optional<ScannedDecimal> ScanDecimal(std::string_view text, std::size_t i,
                                          bool commaAllowed) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t separator = std::string_view::npos;
    i = SkipDigits(text, i);
    std::size_t digits = i - start;
    if (i < text.size() && IsSeparator(text[i], commaAllowed)) {
        separator = i;
        const std::size_t fraction = i + 1;
        i = SkipDigits(text, fraction);
        digits += i - fraction;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    bool largeExponent = true;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            largeExponent = text[j] == '+';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            i = SkipDigits(text, j);
        }
    }
    // std::from_chars reads the number with "." as its separator, whatever the
    // locale.
    std::string number(text.substr(start, i - start));
    if (separator != std::string_view::npos) {
        number[separator - start] = '.';
    }
    ScannedDecimal scanned;
    scanned.end = i;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(),
                                              scanned.value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        scanned.magnitude = largeExponent ? Magnitude::TooLarge : Magnitude::TooSmall;
        scanned.value = largeExponent ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    if (negative) {
        scanned.value = -scanned.value;
    }
    return scanned;
}

// A signed run of digits starting at text[i], clamped to the range of int;
// end is the index just past it. Nothing when no digit is found.
std::optional<int> ScanWholeNumber(std::string_view text, std::size_t i, std::size_t& end) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    end = SkipDigits(text, i);
    if (end == start) {
        return std::nullopt;
    }
    // Saturates just past the range of int, then clamps.
    constexpr long long kPastInt = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (std::size_t k = start; k < end; ++k) {
        magnitude = std::min(magnitude * 10 + (text[k] - '0'), kPastInt);
    }
    return static_cast<int>(std::clamp<long long>(negative ? -magnitude : magnitude,
                                                  std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

// The length of the mark that may follow part `part` (0 degrees, 1 minutes,
// 2 seconds) of an angle at text[i], UTF-8; 0 when there is none.
std::size_t AngleMarkLength(std::string_view text, std::size_t i, int part) {
    static constexpr std::string_view kMarks[3][4] = {
        {"\xC2\xB0", "\xC2\xBA"},                       // degree sign, ordinal sign
        {"'", "\xE2\x80\xB2", "\xE2\x80\x99"},          // apostrophe, prime, right quote
        {"''", "\"", "\xE2\x80\xB3", "\xE2\x80\x9D"}};  // double prime, right double quote
    const std::string_view rest = text.substr(i);
    for (std::string_view mark : kMarks[part]) {
        if (!mark.empty() && rest.substr(0, mark.size()) == mark) return mark.size();
    }
    return 0;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether `word` is one of `list`, ASCII letter case ignored.
bool IsOneOf(std::string_view word, const std::vector<std::string>& list) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::any_of(list.begin(), list.end(), [&](const std::string& entry) {
        return entry.size() == word.size() &&
               std::equal(entry.begin(), entry.end(), word.begin(),
                          [&](char a, char b) { return upper(a) == upper(b); });
    });
}

}  // namespace

std::optional<double> ReadSiteAngle(std::string_view text, const HemisphereWords& words,
                                    AngleTextStyle style) {
    const bool field = style == AngleTextStyle::Field;
    const auto blanks = [&](std::size_t i) { return field ? SkipBlanks(text, i) : i; };
    // The documented reading of a field that holds no angle's form.
    const auto leadingNumber = [&]() -> std::optional<double> {
        double value = 0;
        if (field && ReadLeadingNumber(text, value)) return value;
        return std::nullopt;
    };
    std::size_t i = blanks(0);
    bool signed_ = false;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        signed_ = true;
        negative = text[i] == '-';
        ++i;
    }
    double parts[3] = {0, 0, 0};
    bool whole[3] = {true, true, true};
    int count = 0;
    bool marked = false;
    bool separated = true;  // a next part may follow (after blanks or a mark)
    while (count < 3 && separated && i < text.size() &&
           (IsDigit(text[i]) || IsSeparator(text[i], field))) {
        const std::optional<ScannedDecimal> scanned = ScanDecimal(text, i, field);
        if (!scanned) break;
        if (!field && (scanned->magnitude != Magnitude::Finite || !std::isfinite(scanned->value))) {
            return std::nullopt;
        }
        whole[count] = SkipDigits(text, i) == scanned->end;
        parts[count] = scanned->value;
        ++count;
        const std::size_t afterNumber = scanned->end;
        i = blanks(afterNumber);
        separated = i > afterNumber;
        if (const std::size_t mark = AngleMarkLength(text, i, count - 1)) {
            i = blanks(i + mark);
            marked = separated = true;
        }
    }
    if (count == 0) return leadingNumber();
    std::size_t wordEnd = i;
    while (wordEnd < text.size() && IsAsciiLetter(text[wordEnd])) ++wordEnd;
    const std::string_view word = text.substr(i, wordEnd - i);
    const bool north = !word.empty() && IsOneOf(word, words.positive);
    const bool south = !word.empty() && !north && IsOneOf(word, words.negative);
    if (north || south) i = blanks(wordEnd);
    if (!word.empty() && !north && !south && IsOneOf(word, words.otherAxis)) return std::nullopt;
    const bool angleForm = marked || count > 1 || north || south;
    if (i != text.size() || (!word.empty() && !north && !south)) {
        return angleForm ? std::nullopt : leadingNumber();
    }
    if (!angleForm) {
        if (field) return leadingNumber();
        return negative ? -parts[0] : parts[0];
    }
    // An angle's form: a side given twice, parts that are not whole before the
    // last one, or minutes and seconds of 60 or more are refused.
    if (signed_ && (north || south)) return std::nullopt;
    for (int k = 0; k + 1 < count; ++k) {
        if (!whole[k]) return std::nullopt;
    }
    for (int k = 1; k < count; ++k) {
        if (!(parts[k] < 60.0)) return std::nullopt;
    }
    double value = parts[0];
    if (count > 1) value += parts[1] / 60.0;
    if (count > 2) value += parts[2] / 3600.0;
    if (negative || south) value = -value;
    return value + 0.0;  // "0S" gives 0, not -0
}

bool ReadLeadingNumber(std::string_view text, double& value) {
    const std::optional<ScannedDecimal> scanned =
        ScanDecimal(text, SkipBlanks(text, 0), /*commaAllowed=*/true);
    if (!scanned ||
        (scanned->end < text.size() && IsSeparator(text[scanned->end], /*commaAllowed=*/true))) {
        return false;
    }
    value = scanned->value;
    return true;
}

bool ReadIntegerText(std::string_view text, int& value) {
    std::size_t end = 0;
    const std::optional<int> number = ScanWholeNumber(text, SkipBlanks(text, 0), end);
    if (!number || SkipBlanks(text, end) != text.size()) {
        return false;
    }
    value = *number;
    return true;
}

std::optional<double> ParseDecimal(std::string_view text) {
    const std::optional<ScannedDecimal> scanned = ScanDecimal(text, 0, /*commaAllowed=*/false);
    if (!scanned || scanned->end != text.size() || scanned->magnitude != Magnitude::Finite ||
        !std::isfinite(scanned->value)) {
        return std::nullopt;
    }
    return scanned->value;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    std::size_t end = 0;
    const std::optional<int> number = ScanWholeNumber(text, 0, end);
    if (!number || end != text.size()) {
        return std::nullopt;
    }
    return number;
}

}  // namespace tarvel
