#include "table/text_cells.h"

namespace tarvel {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

}  // namespace

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!IsContinuationByte(c)) {
            ++count;
        }
    }
    return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            if (seen == count) {
                return text.substr(0, i);
            }
            ++seen;
        }
    }
    return text;
}

std::string CenterInField(std::string_view text, std::size_t width) {
    const std::size_t length = CountCharacters(text);
    if (length >= width) {
        return std::string(FirstCharacters(text, width));
    }
    const std::size_t left = (width - length) / 2;
    const std::size_t right = width - length - left;
    std::string cell;
    cell.reserve(text.size() + left + right);
    cell.append(left, ' ');
    cell.append(text);
    cell.append(right, ' ');
    return cell;
}

std::string LocalizeDecimalPoint(std::string_view text, std::string_view decimalSeparator) {
    const std::string_view separator = FirstCharacters(decimalSeparator, 1);
    if (separator.empty() || separator == ".") {
        return std::string(text);
    }
    std::string localized;
    localized.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '.') {
            localized.append(separator);
        } else {
            localized.push_back(c);
        }
    }
    return localized;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t codePoint = 0;
        if (lead < 0x80u) {
            ++i;
            continue;
        } else if ((lead & 0xE0u) == 0xC0u) {
            extra = 1;
            codePoint = lead & 0x1Fu;
        } else if ((lead & 0xF0u) == 0xE0u) {
            extra = 2;
            codePoint = lead & 0x0Fu;
        } else if ((lead & 0xF8u) == 0xF0u) {
            extra = 3;
            codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[extra] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace tarvel
