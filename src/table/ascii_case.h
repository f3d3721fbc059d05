// Comparing option and unit names typed by users, whatever their case.
#pragma once

#include <cctype>
#include <string_view>

namespace tarvel {

// Whether a and b are the same text when ASCII letters are compared without
// their case (other bytes, UTF-8 included, compare as they are).
inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace tarvel
