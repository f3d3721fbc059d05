#include "ui/table/table_form_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QList>
#include <QString>
#include <algorithm>

namespace tarvel {

namespace {

constexpr int kTablePointSize = 8;

// The characters the table texts are made of: printable ASCII (digits, signs,
// blanks, '|', the quote marks of minutes and seconds and the letters of the
// headings), the degree sign, and the accented letters of Latin-1 that the
// translated headings use.
QString TableCharacters() {
    QString characters;
    for (char16_t c = 0x20; c <= 0x7E; ++c) {
        characters += QChar(c);
    }
    characters += QChar(0x00B0);
    for (char16_t c = 0x00C0; c <= 0x00FF; ++c) {
        if (c != 0x00D7 && c != 0x00F7) {  // the multiplication and division signs
            characters += QChar(c);
        }
    }
    return characters;
}

// Whether every character of characters advances the pen by the same distance
// in font. Compared unrounded: equal advances stay equal however the text
// layout rounds them, so a row of any length keeps its columns.
bool HasUniformAdvances(const QFont& font, const QString& characters) {
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(characters.front());
    return std::all_of(characters.begin(), characters.end(), [&metrics, advance](QChar c) {
        return metrics.horizontalAdvance(c) == advance;
    });
}

// The family the font matcher gives for a style hint.
QFont StyleHintFont(QFont::StyleHint hint) {
    QFont font;
    font.setStyleHint(hint);
    font.setFamily(font.defaultFamily());
    return font;
}

}  // namespace

QFont TableFormFont() {
    QList<QFont> candidates = {QFontDatabase::systemFont(QFontDatabase::FixedFont)};
    for (const char* family : {"DejaVu Sans Mono", "Noto Sans Mono", "Liberation Mono"}) {
        QFont font(QString::fromLatin1(family));
        font.setStyleHint(QFont::Monospace);
        candidates.append(font);
    }
    candidates.append(StyleHintFont(QFont::Monospace));
    candidates.append(StyleHintFont(QFont::TypeWriter));

    const QString characters = TableCharacters();
    for (QFont& font : candidates) {
        font.setPointSize(kTablePointSize);
        if (HasUniformAdvances(font, characters)) {
            return font;
        }
    }
    return candidates.front();
}

}  // namespace tarvel
