#include "ui/form/screen_fit.h"

#include <QApplication>
#include <QElapsedTimer>
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

QSize DrawnFrame(const QWidget* window) {
    return window->frameGeometry().size() - window->size();
}

// The frame the window manager puts around window: as it drew it on this
// window, on its parent window or on another window of the program; before
// any window has been framed, a title bar of two lines of the window's font
// and thin borders, which most window managers do not exceed.
QSize FrameExtent(const QWidget* window) {
    if (window->isVisible()) {
        return DrawnFrame(window);
    }
    if (const QWidget* parent = window->parentWidget();
        parent != nullptr && parent->window()->isVisible()) {
        return DrawnFrame(parent->window());
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->isWindow() &&
            !DrawnFrame(other).isEmpty()) {
            return DrawnFrame(other);
        }
    }
    const int border = 4;
    return QSize(2 * border, 2 * window->fontMetrics().height() + 2 * border);
}

// Once the window is shown: brings its frame inside the available area. The
// window manager may tell the frame's size some moments after the window is
// shown, with a move or a resize: a frame that changes within the first
// second is followed; the user's own moves and resizes are left alone.
class ScreenKeeper : public QObject {
  public:
    explicit ScreenKeeper(QWidget* window, QSize wanted)
        : QObject(window), window_(window), wanted_(wanted) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            shown_.start();
            QTimer::singleShot(0, this, [this] { Keep(); });
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   shown_.isValid() && shown_.elapsed() < kFramingMs && !keeping_ &&
                   DrawnFrame(window_) != keptFrame_) {
            QTimer::singleShot(0, this, [this] { Keep(); });
        }
        return false;
    }

  private:
    void Keep() {
        if (window_ == nullptr || !window_->isVisible() ||
            window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            return;
        }
        keeping_ = true;
        keptFrame_ = DrawnFrame(window_);
        KeepInside();
        keeping_ = false;
    }

    void KeepInside() {
        const QRect available = ScreenFor(window_)->availableGeometry();
        // With the frame now drawn: the size the window was meant to open at
        // (larger when the frame was estimated larger than it is).
        const QSize size = SizeWithinScreen(window_, wanted_);
        window_->setMinimumSize(window_->minimumSize().boundedTo(size));
        if (size != window_->size()) {
            window_->resize(size);
        }
        const QRect frame = window_->frameGeometry();
        if (available.contains(frame)) {
            return;
        }
        const int x = std::clamp(frame.x(), available.left(),
                                 std::max(available.left(), available.right() + 1 - frame.width()));
        const int y =
            std::clamp(frame.y(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - frame.height()));
        if (x != frame.x() || y != frame.y()) {
            window_->move(x, y);
        }
    }

    static constexpr qint64 kFramingMs = 1000;
    QPointer<QWidget> window_;
    QSize wanted_;
    QElapsedTimer shown_;
    bool keeping_ = false;
    QSize keptFrame_;
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
