// Framed group captions drawn by the program.
//
// The group boxes of the forms are hidden controls: they are never shown, but
// their rectangles and captions say where each frame and caption is drawn. The
// frame's top edge runs through the middle of the caption and leaves a gap of
// 2 pixels on each side of it.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

class QGroupBox;
class QPainter;

namespace tarvel {

// Property that carries a control's number (1005, 1038 ...) on its widget.
inline constexpr char kControlIdProperty[] = "tarvelControlId";

// The child of window (at any depth) that carries the control number id, or
// nullptr.
QWidget* FindControl(const QWidget* window, int id);

// Adds a hidden group box with its number, caption and rectangle (pixels, in
// parent's coordinates) to parent.
QGroupBox* AddHiddenGroup(QWidget* parent, int id, const QString& caption, const QRect& rect);

// The platform's message font, created afresh for every paint.
QFont MessageFont();

// Where the caption of a group with rectangle groupRect is drawn in font:
// left = groupRect.left + the font's pixel size, top = groupRect.top, the
// width of the widest line of caption and the height of all its lines
// (caption is broken into lines at its line breaks only).
QRect GroupCaptionRect(const QFont& font, const QRect& groupRect, const QString& caption);

// The frame's outline as drawn: from 2 pixels left of the caption to the left
// edge along the caption's middle, down, across the bottom, up the right edge
// and back along the middle to 2 pixels right of the caption. The group's right
// and bottom edges are x + width and y + height.
QVector<QPoint> GroupFramePoints(const QFont& font, const QRect& groupRect, const QString& caption);

// Draws the frame and caption of a group with rectangle groupRect (pixels, in
// the painter's coordinates) with the painter's pen and font; the caption is
// drawn with its top-left corner at the caption rectangle's, in black, without
// clipping.
void DrawGroupFrame(QPainter& painter, const QRect& groupRect, const QString& caption);

// Draws the frame and caption of the hidden group box number groupId of window,
// at the group's current position in window's coordinates (so a frame moves with
// scrolled controls). Nothing when window has no such group.
void DrawGroupFrame(QPainter& painter, const QWidget* window, int groupId);

// Paints the frames of the given groups of window: transparent text background,
// a solid black pen 1 pixel wide, no fill, the message font.
void PaintGroupFrames(QPainter& painter, const QWidget* window, const QVector<int>& groupIds);

// A window's form: its controls are children of it, and it paints the frames
// of its hidden group boxes (groupIds, in painting order) at their current
// positions, so they move with the controls when the form is scrolled.
class FormCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit FormCanvas(QVector<int> groupIds, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QVector<int> groupIds_;
};

}  // namespace tarvel
