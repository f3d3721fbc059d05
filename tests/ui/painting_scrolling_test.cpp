// The framed group captions and the scrolling of a main window made smaller
// than its designed size.
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "app/app_settings.h"
#include "ui/main/group_frame.h"
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
    QCOMPARE(initial, s.window->size());
    const QSize client = s.window->Canvas()->size();
    // Outer minus client: the window can still scroll by its menu and bars.
    QScrollBar* v = s.window->VerticalBar();
    QScrollBar* h = s.window->HorizontalBar();
    QCOMPARE(v->maximum(), initial.height() - client.height());
    QCOMPARE(h->maximum(), initial.width() - client.width());
    QVERIFY(v->maximum() > 0);
    QVERIFY(v->isVisible() && h->isVisible());
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
    const int range = initial.height() - s.window->Canvas()->height();
    QVERIFY(range >= 300);
    QVERIFY(v->isEnabled());
    QCOMPARE(v->maximum(), range);
    QCOMPARE(v->pageStep(), range / 10);
    QWidget* latitude = s.window->Control(1005);
    const QPoint start = latitude->pos();

    // Line up at the top: nothing.
    v->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    QCOMPARE(v->value(), 0);

    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(s.window->ScrollOffset().y(), range / 100);
    QCOMPARE(v->value(), range / 100);
    QCOMPARE(latitude->pos(), start - QPoint(0, range / 100));

    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int afterPage = range / 100 + range / 10;
    QCOMPARE(s.window->ScrollOffset().y(), afterPage);
    QCOMPARE(latitude->pos(), start - QPoint(0, afterPage));

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
    QCOMPARE(latitude->pos(), start);

    // Page down never goes past the range.
    for (int i = 0; i < 20; ++i) {
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    QCOMPARE(s.window->ScrollOffset().y(), range);
    QCOMPARE(latitude->pos(), start - QPoint(0, range));

    // Horizontal: the same with the width.
    QScrollBar* h = s.window->HorizontalBar();
    const int rangeX = initial.width() - s.window->Canvas()->width();
    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(s.window->ScrollOffset().x(), rangeX / 10);
    QCOMPARE(latitude->pos(), start - QPoint(rangeX / 10, range));
}

void PaintingScrollingTest::thumbMovesTheContentOnRelease() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    s.window->resize(initial.width() - 400, initial.height() - 250);
    QScrollBar* v = s.window->VerticalBar();
    QWidget* latitude = s.window->Control(1005);
    const QPoint start = latitude->pos();
    // Dragging moves only the thumb.
    v->setSliderDown(true);
    v->setSliderPosition(120);
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    QCOMPARE(latitude->pos(), start);
    // Releasing it applies the position.
    v->setSliderDown(false);
    QCOMPARE(s.window->ScrollOffset().y(), 120);
    QCOMPARE(v->value(), 120);
    QCOMPARE(latitude->pos(), start - QPoint(0, 120));
}

void PaintingScrollingTest::framesMoveWithTheControls() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    s.window->resize(initial.width() - 400, initial.height() - 250);
    QWidget* group = s.window->Control(1037);
    const QRect before = group->geometry();
    QImage first = s.window->Canvas()->grab().toImage();
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
    QCOMPARE(group->geometry(), before.translated(-5, -50));
    const QImage second = s.window->Canvas()->grab().toImage();
    QVERIFY(Black(second, before.left() - 5, leftEdgeRow - 50));
    QVERIFY(!Black(second, before.left(), leftEdgeRow - 50));
}

void PaintingScrollingTest::smallRangeLineStepsMoveNothing() {
    Shown s;
    const QSize initial = s.window->InitialOuterSize();
    // A range below 100 pixels: the line step is 0.
    s.window->resize(initial.width(), initial.height() - 40);
    QScrollBar* v = s.window->VerticalBar();
    const int range = initial.height() - s.window->Canvas()->height();
    QVERIFY(range > 10 && range < 100);
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(s.window->ScrollOffset().y(), 0);
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(s.window->ScrollOffset().y(), range / 10);
}

QTEST_MAIN(PaintingScrollingTest)
#include "painting_scrolling_test.moc"
