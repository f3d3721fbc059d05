#include "format/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

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

}  // namespace

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
