#include "ui/form/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

namespace tarvel {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long q = product >= 0 ? (product + half) / c : -((-product + half) / c);
    return static_cast<int>(q);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(kLetters);
    baseX_ = (width / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return MulDivRounded(units, baseX_, 4);
}

int DialogUnits::Y(int units) const {
    return MulDivRounded(units, baseY_, 8);
}

QRect DialogUnits::Rect(int x, int y, int w, int h) const {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + w) - left, Y(y + h) - top);
}

QFont FormFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

}  // namespace tarvel
