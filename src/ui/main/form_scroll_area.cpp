#include "ui/main/form_scroll_area.h"

#include <QKeyEvent>
#include <QScrollBar>

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
                    // Either end, the wheel: the thumb goes back, nothing moves.
                    // A thumb being dragged stays where it is dragged.
                    if (!bar->isSliderDown()) {
                        bar->setSliderPosition(bar->value());
                    }
            }
        });
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [bar] { bar->setValue(bar->sliderPosition()); });
    }
    KeepSteps();
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
