// The scrolling of the main window made smaller than its designed size.
//
// The form (the scroll area's widget) is given the window's designed outer
// size (the size the window opens at when the screen holds it), so at that
// size it can still scroll by the room of the menu and the bars. A line is a
// hundredth and a page a tenth of the range, rounded down (a range below 100
// pixels has no line step). Dragging the thumb moves only the thumb; the form
// follows when it is released. The requests to go to either end move nothing.
// The mouse wheel, over the form or a bar, scrolls by the system's number of
// lines of the form's text per notch (sideways with Shift or Alt, or when the
// form only scrolls sideways), never past either end. Both bars are always
// shown, disabled while there is nothing to scroll. The form always stands
// where the bars say: made larger, the window brings it back as far as the
// smaller range requires. Only the bars and the wheel move the form: the arrow
// and page keys go on to the window, and the focus moving to a hidden control
// does not scroll.
#pragma once

#include <QPoint>
#include <QScrollArea>

namespace tarvel {

class FormScrollArea : public QScrollArea {
    Q_OBJECT
  public:
    explicit FormScrollArea(QWidget* parent = nullptr);

    // How far the form is scrolled, in pixels (0 at the top-left corner).
    QPoint Offset() const;

    bool focusNextPrevChild(bool next) override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // One line of the wheel: the height of a line of the form's text.
    int WheelLine() const;
    // Scrolls by the wheel's turn; true when the form moved.
    bool ScrollByWheel(const QWheelEvent& event);

    // QScrollArea sets a bar's page step to the visible size, and its line
    // step to 20 pixels, whenever it sets the range: this puts the form's
    // steps back.
    void KeepSteps();
};

}  // namespace tarvel
