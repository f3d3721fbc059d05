#include "ui/form/form_scroll_area.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace tarvel {

FormScrollArea::FormScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The corner between the bars shows the window's background, not the
    // style's corner panel.
    setCornerWidget(new QWidget(this));
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setTracking(false);
        connect(bar, &QAbstractSlider::actionTriggered, this, [bar](int action) {
            switch (action) {
                case QAbstractSlider::SliderSingleStepAdd:
                case QAbstractSlider::SliderSingleStepSub:
                case QAbstractSlider::SliderPageStepAdd:
                case QAbstractSlider::SliderPageStepSub:
                    return;  // a line or a page, never past either end
                default:
                    // Either end: the thumb goes back, nothing moves. A thumb
                    // being dragged stays where it is dragged.
                    if (!bar->isSliderDown()) {
                        bar->setSliderPosition(bar->value());
                    }
            }
        });
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [bar] { bar->setValue(bar->sliderPosition()); });
        // The wheel over a bar scrolls as over the form.
        bar->installEventFilter(this);
    }
    KeepSteps();
}

int FormScrollArea::WheelLine() const {
    const QWidget* form = widget();
    return QFontMetrics(form != nullptr ? form->font() : font()).height();
}

bool FormScrollArea::ScrollByWheel(const QWheelEvent& event) {
    QPoint pixels = event.pixelDelta();
    if (pixels.isNull()) {
        // Each notch (120 eighths of a degree) the system's number of lines.
        pixels = event.angleDelta() * QApplication::wheelScrollLines() * WheelLine() / 120;
    }
    if (event.modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) {
        pixels = pixels.transposed();
    }
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    // A form that only scrolls sideways takes the vertical wheel sideways.
    if (pixels.x() == 0 && vertical->maximum() == vertical->minimum()) {
        pixels = pixels.transposed();
    }
    const QPoint before = Offset();
    if (pixels.x() != 0) {
        horizontal->setValue(horizontal->value() - pixels.x());
    }
    if (pixels.y() != 0) {
        vertical->setValue(vertical->value() - pixels.y());
    }
    return Offset() != before;
}

void FormScrollArea::wheelEvent(QWheelEvent* event) {
    ScrollByWheel(*event);
    event->accept();
}

QPoint FormScrollArea::Offset() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void FormScrollArea::KeepSteps() {
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        const int range = bar->maximum() - bar->minimum();
        bar->setPageStep(range / 10);
        bar->setSingleStep(range / 100);
        bar->setEnabled(range > 0);
    }
}

bool FormScrollArea::event(QEvent* event) {
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::StyleChange) {
        KeepSteps();
    }
    return handled;
}

bool FormScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        ScrollByWheel(*static_cast<QWheelEvent*>(event));
        event->accept();
        return true;
    }
    const bool filtered = QScrollArea::eventFilter(watched, event);
    if (watched == widget() && event->type() == QEvent::Resize) {
        KeepSteps();
    }
    return filtered;
}

void FormScrollArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    KeepSteps();
}

void FormScrollArea::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

bool FormScrollArea::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

}  // namespace tarvel
