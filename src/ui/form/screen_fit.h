// Windows within the screen: each window opens at its designed size, or
// smaller where the screen's available area (without panels and docks) is
// smaller, and a window smaller than its form scrolls the form.
#pragma once

#include <QSize>

class QScrollArea;
class QWidget;

namespace tarvel {

// The largest client size, up to wanted, at which window with its frame fits
// the available area of its screen (the frame as the window manager drew it
// last on this window, or on its parent window, or none while neither has
// been shown).
QSize SizeWithinScreen(const QWidget* window, const QSize& wanted);

// Resizes window to SizeWithinScreen(wanted). When the window is shown and its
// frame turns out larger than estimated, so that it reaches past the
// available area, it is made smaller and moved inside the area again.
void OpenWithinScreen(QWidget* window, const QSize& wanted);

// A dialog of fixed size: it opens at formSize and cannot be resized, unless
// the screen is smaller; then it opens within the screen's available area,
// scrolls its form, and can be made larger again up to formSize.
void FixWithinScreen(QWidget* window, const QSize& formSize);

// Puts form (a window's controls) in a frameless scroll area that fills
// window. The form is given the visible area, within its minimum and maximum
// sizes (a form of fixed size keeps it); where the window is smaller than the
// form's minimum, the form scrolls, with a bar only for the direction that
// does not fit. The focus moving to a control out of sight scrolls it into
// view.
QScrollArea* PutFormInScrollArea(QWidget* window, QWidget* form);

}  // namespace tarvel
