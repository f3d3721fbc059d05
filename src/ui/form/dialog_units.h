// Dialog units: the forms give every position and size in units of their font,
// a quarter of the average character width horizontally and an eighth of the
// character height vertically.
#pragma once

#include <QFont>
#include <QRect>

namespace tarvel {

class DialogUnits {
  public:
    // Base units of the font: the average width of the 52 letters A-Z and a-z,
    // rounded, and the character height (ascent + descent), in pixels.
    explicit DialogUnits(const QFont& font);
    DialogUnits(int averageCharWidth, int charHeight)
        : baseX_(averageCharWidth), baseY_(charHeight) {}

    int averageCharWidth() const { return baseX_; }
    int charHeight() const { return baseY_; }

    // units * averageCharWidth / 4 and units * charHeight / 8, rounded to the
    // nearest pixel (halves away from zero).
    int X(int units) const;
    int Y(int units) const;

    // A rectangle of the form in pixels: each edge is converted on its own, so
    // width = X(x + w) - X(x).
    QRect Rect(int x, int y, int w, int h) const;

  private:
    int baseX_;
    int baseY_;
};

// The font the forms are designed in: the application's user-interface family
// at 8 points.
QFont FormFont();

}  // namespace tarvel
