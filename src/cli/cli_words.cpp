#include "cli/cli_words.h"

namespace tarvel {

namespace {

CliTranslator translator = nullptr;
PlaceNames placeNames = PlaceNames::kEnglish;

}  // namespace

void SetCliTranslator(CliTranslator translate) {
    translator = translate;
}

void SetCliPlaceNames(PlaceNames names) {
    placeNames = names;
}

PlaceNames CliPlaceNames() {
    return placeNames;
}

std::string CliWord(std::string_view english) {
    if (translator != nullptr) {
        std::string translated = translator(english);
        if (!translated.empty()) return translated;
    }
    return std::string(english);
}

namespace {

template <typename Fillers>
std::string Filled(std::string_view text, const Fillers& blanks) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < blanks.size()) {
            filled += blanks[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace

std::string CliMessage(std::string_view english, std::initializer_list<std::string_view> fillers) {
    return Filled(CliWord(english), std::vector<std::string_view>(fillers));
}

std::string FilledText(std::string_view text, const std::vector<std::string>& fillers) {
    return Filled(text, fillers);
}

}  // namespace tarvel
