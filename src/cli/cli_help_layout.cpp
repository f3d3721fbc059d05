#include "cli/cli_help_layout.h"

#include <cstdio>
#include <sstream>
#include <utility>

#include "cli/cli_words.h"

namespace tarvel::cli {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string Joined(const std::vector<std::string>& items, const char* separator, const char* last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? last : separator) + items[i];
    }
    return text;
}

std::string Wrapped(const std::string& text, std::size_t width) {
    std::string wrapped;
    std::istringstream paragraphs(text);
    for (std::string paragraph; std::getline(paragraphs, paragraph);) {
        if (!wrapped.empty()) wrapped += '\n';
        std::istringstream words(paragraph);
        std::size_t column = 0;
        for (std::string word; words >> word; column += word.size()) {
            const bool fits = column + 1 + word.size() <= width;
            if (column > 0) wrapped += fits ? " " : "\n";
            column = column > 0 && fits ? column + 1 : 0;
            wrapped += word;
        }
    }
    return wrapped;
}

std::string OptionText::Help() const {
    return Wrapped(FilledText(accepts, acceptsFillers) + (more.empty() ? "" : "; " + more)) +
           (byDefault.empty() ? "" : "\n" + Wrapped("(default: " + byDefault + ")"));
}

std::string OptionText::Accepts() const {
    return FilledText(CliWord(accepts), acceptsFillers);
}

HelpLayout::HelpLayout(std::string usage) : usage_(std::move(usage)) {
    column_width(kOptionColumn);
}

std::string HelpLayout::make_help(const CLI::App* app, std::string name,
                                  CLI::AppFormatMode mode) const {
    return make_usage(app, name) + "\n" + make_description(app) + make_groups(app, mode) + "\n" +
           make_footer(app);
}

std::string ExitStatus(int code, const std::string& meaning) {
    return "\n  " + std::to_string(code) + "  " + meaning;
}

}  // namespace tarvel::cli
