// The framed group captions and the scrolling of a main window made smaller
// than its designed size: the bars, the wheel, and resizing.
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "app/app_settings.h"
#include "ui/form/group_frame.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

QImage PaintFrame(const QRect& group, const QString& caption, const QFont& font) {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    DrawGroupFrame(painter, group, caption);
    return image;
}

bool Black(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Turns the wheel over the middle of target by delta (eighths of a degree;
// 120 a notch). As for a real wheel, a widget that ignores the event passes it
// on to its parent, up to the window.
void Wheel(QWidget* target, const QPoint& delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF global =
        target->mapToGlobal(QPointF(target->width() / 2.0, target->height() / 2.0));
    for (QWidget* w = target; w != nullptr; w = w->parentWidget()) {
        QWheelEvent wheel(w->mapFromGlobal(global), global, QPoint(), delta, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        wheel.ignore();
        QApplication::sendEvent(w, &wheel);
        if (wheel.isAccepted() || w->isWindow()) {
            break;
        }
    }
}

struct Shown {
    RecordingSink sink;
    std::unique_ptr<CTarvelDlg> window;

    Shown() {
        window = std::make_unique<CTarvelDlg>(AppSettings(),
                                              RomeAt(QDate(2024, 1, 15), QTime(12, 0, 0)), &sink);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }

    QLineEdit* Field(ControlId id) const {
        return qobject_cast<QLineEdit*>(window->Control(ControlNumber(id)));
    }

    // Makes the window smaller than its initial size by the given pixels.
    void Shrink(int width, int height) const {
        window->resize(window->InitialOuterSize() - QSize(width, height));
    }

    // Where a control of the form stands in the client area.
    QPoint InClient(const QWidget* control) const {
        return control->mapTo(window->ClientArea(), QPoint(0, 0));
    }
    QRect GeometryInClient(const QWidget* control) const {
        return QRect(InClient(control), control->size());
    }
};

}  // namespace

class PaintingScrollingTest : public QObject {
    Q_OBJECT

  private slots:
    void captionRectangle();
    void frameOutline();
    void framePixels();
    void twoLineCaption();
    void barsAtTheInitialSize();
    void largerWindowDisablesBothBars();
    void lineAndPageSteps();
    void thumbMovesTheContentOnRelease();
    void framesMoveWithTheControls();
    void smallRangeLineStepsMoveNothing();
    void onlyTheBarsMoveTheForm();
    void wheelScrollsTheForm();
    void enlargingBringsTheFormBack();
    void resizingKeepsTheBarsWithTheForm();
};

void PaintingScrollingTest::captionRectangle() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const QRect group(20, 30, 200, 80);
    const QRect s = GroupCaptionRect(font, group, QStringLiteral("MISURE DEL TEMPO"));
    // The caption starts the font's height (12 pixels) right of the frame.
    QCOMPARE(QFontInfo(font).pixelSize(), 12);
    QCOMPARE(s.left(), 32);
    QCOMPARE(s.top(), 30);
    QCOMPARE(s.width(), metrics.horizontalAdvance(QStringLiteral("MISURE DEL TEMPO")));
    QCOMPARE(s.height(), metrics.height());
}

void PaintingScrollingTest::frameOutline() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QRect group(20, 30, 200, 80);
    const QString caption = QStringLiteral("ABC");
    const QRect s = GroupCaptionRect(font, group, caption);
    const int m = 30 + s.height() / 2;
    const QVector<QPoint> expected = {QPoint(s.left() - 2, m), QPoint(20, m),
                                      QPoint(20, 110),         QPoint(220, 110),
                                      QPoint(220, m),          QPoint(s.left() + s.width() + 2, m)};
    QCOMPARE(GroupFramePoints(font, group, caption), expected);
}

void PaintingScrollingTest::framePixels() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QRect group(20, 30, 200, 80);
    const QString caption = QStringLiteral("ABC");
    const QImage image = PaintFrame(group, caption, font);
    const QRect s = GroupCaptionRect(font, group, caption);
    const int m = 30 + s.height() / 2;
    // The top edge through the caption's middle, with a 2-pixel gap each side.
    QVERIFY(Black(image, 20, m));
    QVERIFY(Black(image, 25, m));
    QVERIFY(Black(image, s.left() - 3, m));
    QVERIFY(!Black(image, s.left() - 1, m));
    QVERIFY(!Black(image, s.left() + s.width() + 1, m));
    QVERIFY(Black(image, s.left() + s.width() + 3, m));
    QVERIFY(Black(image, 150, m));
    // Nothing above the middle line at the frame's edges.
    QVERIFY(!Black(image, 20, m - 1));
    QVERIFY(!Black(image, 220, m - 1));
    // The left, bottom and right edges (right and bottom at x + w, y + h).
    QVERIFY(Black(image, 20, 70));
    QVERIFY(Black(image, 100, 110));
    QVERIFY(Black(image, 220, 70));
    QVERIFY(!Black(image, 221, 70));
    QVERIFY(!Black(image, 100, 111));
    // The caption itself is drawn in black inside its rectangle.
    bool ink = false;
    for (int x = s.left(); x < s.left() + s.width(); ++x) {
        for (int y = s.top(); y < s.top() + s.height(); ++y) {
            ink = ink || Black(image, x, y);
        }
    }
    QVERIFY(ink);
}

void PaintingScrollingTest::twoLineCaption() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const QRect group(20, 30, 200, 80);
    const QRect s = GroupCaptionRect(font, group, QStringLiteral("ONE\nLONGER LINE"));
    QCOMPARE(s.height(), 2 * metrics.height());
    QCOMPARE(s.width(), metrics.horizontalAdvance(QStringLiteral("LONGER LINE")));
    const QVector<QPoint> points =
        GroupFramePoints(font, group, QStringLiteral("ONE\nLONGER LINE"));
    QCOMPARE(points[0].y(), 30 + metrics.height());
}

void PaintingScrollingTest::barsAtTheInitialSize() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    QScrollBar* v = s.window->VerticalBar();
    QScrollBar* h = s.window->HorizontalBar();
    // The window opens with the whole design in view: nothing to scroll, the
    // bars shown but disabled.
    QCOMPARE(s.window->size(), s.window->OpeningSize());
    QCOMPARE(s.window->ClientArea()->size(), initial);
    QVERIFY(v->isVisible() && h->isVisible());
    QVERIFY(!v->isEnabled() && !h->isEnabled());
    // At the recorded outer size the form scrolls by its menu and bars.
    s.window->resize(initial);
    QTest::qWait(0);
    const QSize client = s.window->ClientArea()->size();
    QCOMPARE(v->maximum(), initial.height() - client.height());
    QCOMPARE(h->maximum(), initial.width() - client.width());
    QVERIFY(v->maximum() > 0);
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, 0));
}

void PaintingScrollingTest::largerWindowDisablesBothBars() {
    Shown s;
    s.window->resize(s.window->InitialOuterSize() + QSize(200, 200));
    QScrollBar* v = s.window->VerticalBar();
    QScrollBar* h = s.window->HorizontalBar();
    QVERIFY(v->isVisible() && h->isVisible());
    QVERIFY(!v->isEnabled());
    QVERIFY(!h->isEnabled());
    QCOMPARE(v->maximum(), 0);
    QCOMPARE(h->maximum(), 0);
}

void PaintingScrollingTest::lineAndPageSteps() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    s.window->resize(initial.width() - 500, initial.height() - 300);
    QScrollBar* v = s.window->VerticalBar();
    const int range = initial.height() - s.window->ClientArea()->height();
    QVERIFY(range >= 300);
    QVERIFY(v->isEnabled());
    QCOMPARE(v->maximum(), range);
    QCOMPARE(v->pageStep(), range / 10);
    QWidget* latitude = s.window->Control(1005);
    const QPoint start = s.InClient(latitude);

    // Line up at the top: nothing.
    v->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    QCOMPARE(v->value(), 0);

    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(s.window->ScrollOffset().y(), range / 100);
    QCOMPARE(v->value(), range / 100);
    QCOMPARE(s.InClient(latitude), start - QPoint(0, range / 100));

    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int afterPage = range / 100 + range / 10;
    QCOMPARE(s.window->ScrollOffset().y(), afterPage);
    QCOMPARE(s.InClient(latitude), start - QPoint(0, afterPage));

    // The requests for either end do nothing.
    v->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(s.window->ScrollOffset().y(), afterPage);
    QCOMPARE(v->value(), afterPage);
    v->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(s.window->ScrollOffset().y(), afterPage);

    // Page up never goes past the top.
    for (int i = 0; i < 20; ++i) {
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
    }
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    QCOMPARE(s.InClient(latitude), start);

    // Page down never goes past the range.
    for (int i = 0; i < 20; ++i) {
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    QCOMPARE(s.window->ScrollOffset().y(), range);
    QCOMPARE(s.InClient(latitude), start - QPoint(0, range));

    // Horizontal: the same with the width.
    QScrollBar* h = s.window->HorizontalBar();
    const int rangeX = initial.width() - s.window->ClientArea()->width();
    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(s.window->ScrollOffset().x(), rangeX / 10);
    QCOMPARE(s.InClient(latitude), start - QPoint(rangeX / 10, range));
}

void PaintingScrollingTest::thumbMovesTheContentOnRelease() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    s.window->resize(initial.width() - 400, initial.height() - 250);
    QScrollBar* v = s.window->VerticalBar();
    QWidget* latitude = s.window->Control(1005);
    const QPoint start = s.InClient(latitude);
    // Dragging moves only the thumb.
    v->setSliderDown(true);
    v->setSliderPosition(120);
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    QCOMPARE(s.InClient(latitude), start);
    // Releasing it applies the position.
    v->setSliderDown(false);
    QCOMPARE(s.window->ScrollOffset().y(), 120);
    QCOMPARE(v->value(), 120);
    QCOMPARE(s.InClient(latitude), start - QPoint(0, 120));
}

void PaintingScrollingTest::framesMoveWithTheControls() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    s.window->resize(initial.width() - 400, initial.height() - 250);
    QWidget* group = s.window->Control(1037);
    const QRect before = s.GeometryInClient(group);
    QImage first = s.window->ClientArea()->grab().toImage();
    const int leftEdgeRow = before.top() + 40;
    QVERIFY(Black(first, before.left(), leftEdgeRow));

    QScrollBar* h = s.window->HorizontalBar();
    h->setSliderDown(true);
    h->setSliderPosition(5);
    h->setSliderDown(false);
    QScrollBar* v = s.window->VerticalBar();
    v->setSliderDown(true);
    v->setSliderPosition(50);
    v->setSliderDown(false);
    QCOMPARE(s.window->ScrollOffset(), QPoint(5, 50));
    QCOMPARE(s.GeometryInClient(group), before.translated(-5, -50));
    const QImage second = s.window->ClientArea()->grab().toImage();
    QVERIFY(Black(second, before.left() - 5, leftEdgeRow - 50));
    QVERIFY(!Black(second, before.left(), leftEdgeRow - 50));
}

void PaintingScrollingTest::smallRangeLineStepsMoveNothing() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    // A range below 100 pixels: the line step is 0.
    s.window->resize(initial.width(), initial.height() - 40);
    QScrollBar* v = s.window->VerticalBar();
    const int range = initial.height() - s.window->ClientArea()->height();
    QVERIFY(range > 10 && range < 100);
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(s.window->ScrollOffset().y(), range / 10);
}

// Keys a control leaves to its window and the focus moving to a control out of
// sight leave the form where it is.
void PaintingScrollingTest::onlyTheBarsMoveTheForm() {
    Shown s;
    // Narrow enough that the last control of the tab chain, "adesso", lies
    // outside the client area.
    s.window->resize(s.InClient(s.window->Control(1063)).x(),
                     s.window->InitialOuterSize().height() - 300);
    QVERIFY(s.window->VerticalBar()->isEnabled() && s.window->HorizontalBar()->isEnabled());
    QLineEdit* latitude = s.Field(SiteControl::Latitude);
    latitude->setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_PageUp}) {
        QTest::keyClick(latitude, key);
        QCOMPARE(s.window->ScrollOffset(), QPoint(0, 0));
    }
    // Round the whole tab chain, through controls outside the client area.
    QSet<QWidget*> visited;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
        QCOMPARE(s.window->ScrollOffset(), QPoint(0, 0));
    }
    QVERIFY(visited.contains(s.window->Control(1063)));
    QVERIFY(!s.window->ClientArea()->rect().contains(s.InClient(s.window->Control(1063))));
    QVERIFY(s.sink.messages.isEmpty());
}

// The wheel, over the form, over a field of it or over a bar, scrolls by the
// system's lines of the form's text per notch, sideways with Shift, never past
// either end; at the far end the whole design is in view, the lowest and
// rightmost frame lines included.
void PaintingScrollingTest::wheelScrollsTheForm() {
    Shown s;
    s.Shrink(500, 300);
    QWidget* client = s.window->ClientArea();
    QScrollBar* v = s.window->VerticalBar();
    QScrollBar* h = s.window->HorizontalBar();
    const int notch =
        QApplication::wheelScrollLines() * QFontMetrics(s.window->Control(1038)->font()).height();
    QVERIFY(notch > 0 && notch < v->maximum());
    QWidget* latitude = s.window->Control(1005);
    const QPoint start = s.InClient(latitude);

    Wheel(client, QPoint(0, -120));
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, notch));
    QCOMPARE(v->value(), notch);
    QCOMPARE(v->sliderPosition(), notch);
    QCOMPARE(s.InClient(latitude), start - QPoint(0, notch));
    Wheel(s.window->Control(1007), QPoint(0, -120));  // over an output field
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, 2 * notch));
    Wheel(v, QPoint(0, 120));
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, notch));
    Wheel(client, QPoint(0, -120), Qt::ShiftModifier);
    QCOMPARE(s.window->ScrollOffset(), QPoint(notch, notch));
    Wheel(h, QPoint(120, 0));
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, notch));
    // Never past the top.
    for (int i = 0; i < 5; ++i) {
        Wheel(client, QPoint(0, 120));
    }
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, 0));
    QCOMPARE(s.InClient(latitude), start);

    // To the far end: the design's bottom-right corner and every frame line
    // in view.
    for (int i = 0; i < 200; ++i) {
        Wheel(client, QPoint(0, -120));
        Wheel(client, QPoint(0, -120), Qt::ShiftModifier);
    }
    QCOMPARE(s.window->ScrollOffset(), QPoint(h->maximum(), v->maximum()));
    QCOMPARE(s.InClient(latitude), start - QPoint(h->maximum(), v->maximum()));
    const QRect view = client->rect();
    const QRect design(s.InClient(s.window->Control(1038)->parentWidget()),
                       s.window->DesignedClientSize());
    QVERIFY(view.contains(design.bottomRight()));
    // The lowest bottom edge and the rightmost right edge (at y + height and
    // x + width) drawn in the view.
    QRect lowest;
    QRect rightmost;
    for (QGroupBox* group : s.window->findChildren<QGroupBox*>()) {
        const QRect frame = s.GeometryInClient(group);
        const int bottom = frame.y() + frame.height();
        const int lowestBottom = lowest.y() + lowest.height();
        if (lowest.isNull() || bottom > lowestBottom ||
            (bottom == lowestBottom && frame.right() > lowest.right())) {
            lowest = frame;
        }
        const int right = frame.x() + frame.width();
        const int rightmostRight = rightmost.x() + rightmost.width();
        if (rightmost.isNull() || right > rightmostRight ||
            (right == rightmostRight && frame.bottom() > rightmost.bottom())) {
            rightmost = frame;
        }
    }
    const QPoint bottomEdge(lowest.x() + lowest.width() - 40, lowest.y() + lowest.height());
    const QPoint rightEdge(rightmost.x() + rightmost.width(),
                           rightmost.y() + rightmost.height() - 5);
    QVERIFY(view.contains(bottomEdge) && view.contains(rightEdge));
    const QImage picture = client->grab().toImage();
    QVERIFY(Black(picture, bottomEdge.x(), bottomEdge.y()));
    QVERIFY(Black(picture, rightEdge.x(), rightEdge.y()));
    QVERIFY(s.sink.messages.isEmpty());
}

// Made larger after scrolling, the window brings the form back: as far as the
// smaller range requires, to the origin when nothing is left to scroll; the
// form always stands where the bars say.
void PaintingScrollingTest::enlargingBringsTheFormBack() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    QWidget* latitude = s.window->Control(1005);
    const QPoint start = s.InClient(latitude);
    s.Shrink(500, 300);
    for (int i = 0; i < 200; ++i) {
        Wheel(s.window->ClientArea(), QPoint(-120, -120));
    }
    QScrollBar* v = s.window->VerticalBar();
    QScrollBar* h = s.window->HorizontalBar();
    QCOMPARE(s.window->ScrollOffset(), QPoint(h->maximum(), v->maximum()));

    s.Shrink(300, 150);
    QCOMPARE(s.window->ScrollOffset(), QPoint(h->maximum(), v->maximum()));
    QCOMPARE(s.InClient(latitude), start - s.window->ScrollOffset());

    s.window->resize(initial + QSize(100, 100));
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, 0));
    QCOMPARE(QPoint(h->value(), v->value()), QPoint(0, 0));
    QCOMPARE(s.InClient(latitude), start);
    // Scrolling again from there starts at the origin.
    s.Shrink(500, 300);
    Wheel(s.window->ClientArea(), QPoint(0, -120));
    QCOMPARE(s.InClient(latitude), start - s.window->ScrollOffset());
    QCOMPARE(s.window->ScrollOffset().x(), 0);
}

// A scrolled form stays where its bars say when the window is resized: the
// offset is kept while it fits the new range, and is cut to the range
// otherwise.
void PaintingScrollingTest::resizingKeepsTheBarsWithTheForm() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    s.Shrink(400, 250);
    const QPoint start = s.InClient(s.window->Control(1005));
    QScrollBar* v = s.window->VerticalBar();
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int offset = v->value();
    QVERIFY(offset > 10);

    s.Shrink(400, 200);
    QCOMPARE(v->maximum(), initial.height() - s.window->ClientArea()->height());
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, offset));
    QCOMPARE(s.InClient(s.window->Control(1005)), start - QPoint(0, offset));

    // A range 10 pixels short of the offset: the menu and the bars take the
    // rest of the window's height.
    const int menuAndBar = initial.height() - s.window->DesignedClientSize().height();
    s.Shrink(400, offset - 10 - menuAndBar);
    const int range = initial.height() - s.window->ClientArea()->height();
    QCOMPARE(range, offset - 10);
    QCOMPARE(v->maximum(), range);
    QCOMPARE(v->pageStep(), range / 10);
    QCOMPARE(s.window->ScrollOffset(), QPoint(0, range));
    QCOMPARE(s.InClient(s.window->Control(1005)), start - QPoint(0, range));
}

QTEST_MAIN(PaintingScrollingTest)
#include "painting_scrolling_test.moc"
