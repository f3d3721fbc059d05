#include "ui/form/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace tarvel {

namespace {

QScreen* ScreenFor(const QWidget* window) {
    if (const QWidget* parent = window->parentWidget()) {
        if (QScreen* screen = parent->window()->screen()) {
            return screen;
        }
    }
    if (QScreen* screen = window->screen()) {
        return screen;
    }
    return QGuiApplication::primaryScreen();
}

// The frame the window manager puts around window, as far as it is known.
QSize FrameExtent(const QWidget* window) {
    if (window->isVisible()) {
        return window->frameGeometry().size() - window->size();
    }
    if (const QWidget* parent = window->parentWidget();
        parent != nullptr && parent->window()->isVisible()) {
        return parent->window()->frameGeometry().size() - parent->window()->size();
    }
    return QSize(0, 0);
}

// Once the window is shown: brings its frame inside the available area.
class ScreenKeeper : public QObject {
  public:
    explicit ScreenKeeper(QWidget* window, QSize wanted)
        : QObject(window), window_(window), wanted_(wanted) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            // The frame is known after the window manager has drawn it.
            QTimer::singleShot(0, this, [this] { Keep(); });
        }
        return false;
    }

  private:
    void Keep() {
        if (window_ == nullptr || !window_->isVisible()) {
            return;
        }
        const QRect available = ScreenFor(window_)->availableGeometry();
        QRect frame = window_->frameGeometry();
        if (available.contains(frame)) {
            return;
        }
        const QSize size = SizeWithinScreen(window_, wanted_).boundedTo(window_->size());
        window_->setMinimumSize(window_->minimumSize().boundedTo(size));
        if (size != window_->size()) {
            window_->resize(size);
        }
        frame = window_->frameGeometry();
        const int x = std::clamp(frame.x(), available.left(),
                                 std::max(available.left(), available.right() + 1 - frame.width()));
        const int y =
            std::clamp(frame.y(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - frame.height()));
        if (x != frame.x() || y != frame.y()) {
            window_->move(x, y);
        }
    }

    QPointer<QWidget> window_;
    QSize wanted_;
};

}  // namespace

QSize SizeWithinScreen(const QWidget* window, const QSize& wanted) {
    const QScreen* screen = ScreenFor(window);
    if (screen == nullptr) {
        return wanted;
    }
    const QSize room = screen->availableGeometry().size() - FrameExtent(window);
    return wanted.boundedTo(room.expandedTo(QSize(1, 1)));
}

void OpenWithinScreen(QWidget* window, const QSize& wanted) {
    window->resize(SizeWithinScreen(window, wanted));
    new ScreenKeeper(window, wanted);
}

void FixWithinScreen(QWidget* window, const QSize& formSize) {
    const QSize size = SizeWithinScreen(window, formSize);
    window->setMaximumSize(formSize);
    window->setMinimumSize(size);
    window->resize(size);
    new ScreenKeeper(window, formSize);
}

QScrollArea* PutFormInScrollArea(QWidget* window, QWidget* form) {
    auto* area = new QScrollArea(window);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The form is given the visible area, within its minimum and maximum
    // sizes; bars only where it does not fit.
    area->setWidgetResizable(true);
    area->setWidget(form);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area);
    return area;
}

}  // namespace tarvel
