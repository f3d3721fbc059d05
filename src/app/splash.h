// The splash window: the current language's splash picture with the program's
// title, the maker's name and the version, centred on the primary screen while
// a main window initialises.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>

namespace tarvel {

// One text line of the splash: its text, the top of its cell and the font's
// cell height in pixels; every line is centred on x = width / 2.
struct SplashLine {
    QString text;
    int top = 0;
    int fontPixelHeight = 0;
};

// The four lines for a picture of the given height: string 150 at 0.35 h
// (font h/15), string 151 at 0.45 h (h/10), "Dovel Marsk" at 0.60 h (h/20) and
// "v. major.minor" at 0.68 h (h/30); tops truncated, heights integer divisions.
std::array<SplashLine, 4> SplashLines(int pictureHeight, int major, int minor);

// The splash picture of the current language (bitmap 136).
QPixmap SplashPicture();

// Default time the splash stays on the screen, in milliseconds.
inline constexpr int kSplashMilliseconds = 2000;

class CWSplash : public QWidget {
    Q_OBJECT
  public:
    CWSplash(const QPixmap& picture, int major, int minor);

    // Shows the window centred on the primary screen, paints it at once and
    // keeps it for milliseconds while no user input is handled.
    void ShowFor(int milliseconds);

    // The window's contents as painted.
    QPixmap Rendered();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
    int major_;
    int minor_;
};

}  // namespace tarvel
