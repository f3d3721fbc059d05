#include "places/name_fold.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace tarvel {

namespace {

// Characters dropped without leaving a gap: the period and the apostrophes
// and modifier letters written for one ("N'Djamena", "Ta’izz", "St.").
bool Dropped(UChar32 c) {
    return c == u'.' || c == u'\'' || c == 0x2019 || c == 0x2018 || c == 0x02BC || c == 0x02BB ||
           c == 0x02BF || c == 0x02BE || c == 0x00B4 || c == u'`';
}

}  // namespace

std::string FoldName(std::string_view utf8) {
    // Decode leniently: a byte that is not UTF-8 is skipped.
    icu::UnicodeString text;
    for (int32_t at = 0; at < static_cast<int32_t>(utf8.size());) {
        UChar32 c = 0;
        U8_NEXT(utf8.data(), at, static_cast<int32_t>(utf8.size()), c);
        if (c >= 0) text.append(c);
    }
    text.foldCase(U_FOLD_CASE_DEFAULT);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_SUCCESS(status)) {
        icu::UnicodeString decomposed = nfd->normalize(text, status);
        if (U_SUCCESS(status)) text = std::move(decomposed);
    }
    std::string folded;
    folded.reserve(utf8.size());
    bool gap = false;
    for (int32_t at = 0; at < text.length();) {
        const UChar32 c = text.char32At(at);
        at += U16_LENGTH(c);
        if (u_charType(c) == U_NON_SPACING_MARK || Dropped(c)) continue;
        // Letters, digits and the spacing vowel signs of the Indic scripts.
        if (!u_isalnum(c) && u_charType(c) != U_COMBINING_SPACING_MARK) {
            gap = !folded.empty();
            continue;
        }
        if (gap) folded += ' ';
        gap = false;
        char bytes[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, c);  // c is a valid code point
        folded.append(bytes, static_cast<std::size_t>(length));
    }
    return folded;
}

}  // namespace tarvel
