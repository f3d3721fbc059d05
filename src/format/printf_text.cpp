#include "format/printf_text.h"

#include <clocale>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <utility>

namespace tarvel {

std::string WithDecimalPoint(std::string text, std::string_view localePoint) {
    if (localePoint.empty() || localePoint == ".") {
        return text;
    }
    std::string::size_type pos = 0;
    while ((pos = text.find(localePoint, pos)) != std::string::npos) {
        text.replace(pos, localePoint.size(), ".");
        pos += 1;
    }
    return text;
}

std::string PrintfText(const char* format, ...) {
    // Every text of this library fits the buffer; longer texts (a number with
    // hundreds of digits) take the second pass.
    char buffer[128];
    std::va_list args;
    va_start(args, format);
    std::va_list argsCopy;
    va_copy(argsCopy, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);

    std::string text;
    if (length < 0) {
        va_end(argsCopy);
        return text;
    }
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        text.assign(buffer, static_cast<std::size_t>(length));
    } else {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, argsCopy);
        text.resize(static_cast<std::size_t>(length));
    }
    va_end(argsCopy);

    const std::lconv* conventions = std::localeconv();
    const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
    return WithDecimalPoint(std::move(text), point != nullptr ? point : ".");
}

std::string FillMessage(std::string_view text, std::string_view first, std::string_view second) {
    std::string filled;
    filled.reserve(text.size() + first.size() + second.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            filled.append(text[i + 1] == '1' ? first : second);
            ++i;
        } else {
            filled.push_back(text[i]);
        }
    }
    return filled;
}

}  // namespace tarvel
