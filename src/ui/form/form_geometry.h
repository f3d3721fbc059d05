// Forms sized from the texts of the interface language.
//
// Every form is designed in dialog units for its Italian texts. Another
// language's texts may be longer, and fonts differ from machine to machine:
// before a form is shown, each control's text is measured in the control's own
// font and style, and where it needs more room than the design gives, the span
// of the form that holds it is widened (or made taller).
//
// The room added is a non-decreasing step function of the design coordinate,
// one for x and one for y, and every edge is placed through it. So the
// arrangement stays: what stood left of or above another control still does,
// edges that lined up still line up, a control widens only when a span it
// covers grows and moves when a span before it grows, and the form's own size
// grows with the rest. Where every text fits, the geometry is the design's to
// the pixel.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

#include "ui/form/dialog_units.h"

class QComboBox;
class QFont;
class QWidget;

namespace tarvel {

class FormGeometry {
  public:
    explicit FormGeometry(const DialogUnits& units);

    const DialogUnits& Units() const { return units_; }

    // Asks that the span from x0 to x1 (dialog units, x0 < x1) be at least
    // pixels wide; NeedHeight the same from y0 to y1.
    void NeedWidth(int x0, int x1, int pixels);
    void NeedHeight(int y0, int y1, int pixels);

    // A design coordinate in pixels: the dialog units' pixels plus the room
    // added at or before it. Minimal: no span is wider than some request or
    // the design makes it.
    int X(int units) const;
    int Y(int units) const;

    // A rectangle of the design (x, y, width, height in dialog units) in
    // pixels, each edge placed on its own.
    QRect Rect(int x, int y, int w, int h) const;
    QRect Rect(const QRect& unitsRect) const;

    // The size of a form of w x h dialog units: X(w) x Y(h).
    QSize Size(int w, int h) const { return QSize(X(w), Y(h)); }

    // Whether some request made the form larger than its design.
    bool Grown() const;

  private:
    class Axis {
      public:
        Axis(const DialogUnits& units, bool horizontal) : units_(units), horizontal_(horizontal) {}
        void Need(int from, int to, int pixels);
        int Pixels(int units) const;
        bool Grown() const;

      private:
        struct Request {
            int from, to, pixels;
        };
        int Base(int units) const;
        int Added(int units) const;
        void Solve() const;

        DialogUnits units_;
        bool horizontal_;
        std::vector<Request> requests_;
        // The room added at each request's end, in increasing order of the
        // coordinate (computed when first asked after a new request).
        mutable std::vector<std::pair<int, int>> steps_;
        mutable bool solved_ = true;
    };

    DialogUnits units_;
    Axis x_;
    Axis y_;
};

// Remembers where control stands in its form's design (dialog units): FitForm
// measures and places it from there.
void SetDesignRect(QWidget* control, const QRect& unitsRect);
// The design rectangle given to control, or an empty rectangle.
QRect DesignRect(const QWidget* control);

// The smallest size at which control shows its whole text in its font and
// style (a caption of several lines wrapped as the control wraps it, into no
// more lines than its current height holds), never smaller than its current
// size; the current size for a control without text.
QSize SizeForText(const QWidget* control);

// Room a group's caption needs in captionFont: from the frame's left edge to
// past the caption, with the frame's gap and a piece of the top edge after it
// (width), and the height of the caption's lines.
QSize GroupCaptionRoom(const QFont& captionFont, const QString& caption);

// A drop-down list whose entries may be longer than its closed box (the zone
// lists): the box keeps its design width, and its open list is made as wide
// as its widest entry.
void KeepDesignWidth(QComboBox* list);

// Places a drop-down list at rect (pixels) of the form, whose height includes
// the open list: the closed list keeps the rectangle's place and width at its
// own height, and opens on as many items as fit in the rest.
void PlaceDropDownList(QComboBox* list, const QRect& rect);


// Fits form (of formUnits dialog units) to the texts of its controls: places
// every child with a design rectangle at the design's pixels and measures it
// (the hidden group boxes by their captions in captionFont, which must also
// clear the controls under them), asks geometry for the room each needs, then
// places every such control from the grown geometry (drop-down lists by
// PlaceDropDownList). A caller that adds requests of its own does so before.
//
// Push buttons, lists, pickers and text boxes grow inside their own
// rectangles. A text may also take the free room beside its control on the
// side it is aligned away from: a left-aligned one (check boxes, radio
// buttons, left-aligned labels) to its right, a right-aligned label to its
// left, a label aligned to the top below it, a vertically centred one (check
// boxes, radio buttons) above and below; the room ends a unit short of the
// next control beside it (sharing more than a unit of its band), of the frame
// of its group (under the caption) or of the form's edge. A text that may take
// room below or above wraps into as many lines as that room holds before it
// asks for more width. Such a control is widened into the room, so its
// rectangle may cover free parts of a neighbour's, but its text never reaches
// the neighbour.
void FitForm(QWidget* form, FormGeometry& geometry, const QFont& captionFont,
             const QSize& formUnits);

}  // namespace tarvel
