// The geometry of forms grown for their texts: the room added along each axis
// against hand-worked cases, and a small form fitted to long and short texts.
#include "ui/form/form_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "ui/form/dialog_units.h"
#include "ui/form/group_frame.h"

using namespace tarvel;

namespace {

struct Need {
    int from, to, pixels;
};

struct Expect {
    int units, pixels;
};

// A form whose dialog units are 2 pixels each way (average width 8, height 16).
const DialogUnits kTwoPixelUnits(8, 16);

}  // namespace

Q_DECLARE_METATYPE(std::vector<Need>)
Q_DECLARE_METATYPE(std::vector<Expect>)

class FormGeometryTest : public QObject {
    Q_OBJECT

  private slots:
    void addedRoom_data();
    void addedRoom();
    void axesAndRectangles();
    void formFittedToLongTexts();
    void formWithShortTextsKeepsItsDesign();
};

void FormGeometryTest::addedRoom_data() {
    QTest::addColumn<std::vector<Need>>("needs");
    QTest::addColumn<std::vector<Expect>>("expected");
    QTest::addColumn<bool>("grown");
    QTest::newRow("none") << std::vector<Need>{} << std::vector<Expect>{{0, 0}, {10, 20}, {99, 198}}
                          << false;
    QTest::newRow("given by the design") << std::vector<Need>{{0, 10, 20}, {5, 9, 3}}
                                         << std::vector<Expect>{{10, 20}, {50, 100}} << false;
    // 5 pixels short at 10: everything from 10 on moves by 5, nothing before.
    QTest::newRow("one span") << std::vector<Need>{{0, 10, 25}}
                              << std::vector<Expect>{{0, 0}, {9, 18}, {10, 25}, {50, 105}} << true;
    // Spans one after the other add up.
    QTest::newRow("chained") << std::vector<Need>{{0, 10, 25}, {10, 20, 30}}
                             << std::vector<Expect>{{10, 25}, {19, 43}, {20, 55}} << true;
    // Overlapping spans: the largest sum along any chain of them.
    QTest::newRow("overlapping") << std::vector<Need>{{0, 10, 25}, {5, 20, 40}, {0, 30, 50}}
                                 << std::vector<Expect>{{5, 10}, {10, 25}, {20, 50}, {30, 70}}
                                 << true;
    QTest::newRow("nested, asked in any order")
        << std::vector<Need>{{12, 14, 10}, {0, 40, 80}, {10, 16, 20}}
        << std::vector<Expect>{{12, 24}, {14, 34}, {16, 40}, {40, 88}} << true;
    QTest::newRow("empty span") << std::vector<Need>{{10, 10, 50}, {12, 8, 50}}
                                << std::vector<Expect>{{10, 20}, {12, 24}} << false;
}

void FormGeometryTest::addedRoom() {
    QFETCH(std::vector<Need>, needs);
    QFETCH(std::vector<Expect>, expected);
    QFETCH(bool, grown);
    FormGeometry geometry(kTwoPixelUnits);
    for (const Need& need : needs) {
        geometry.NeedWidth(need.from, need.to, need.pixels);
    }
    for (const Expect& e : expected) {
        QVERIFY2(geometry.X(e.units) == e.pixels,
                 qPrintable(QStringLiteral("X(%1) = %2, expected %3")
                                .arg(e.units)
                                .arg(geometry.X(e.units))
                                .arg(e.pixels)));
        QCOMPARE(geometry.Y(e.units), kTwoPixelUnits.Y(e.units));
    }
    QCOMPARE(geometry.Grown(), grown);
    // Every request met, and the coordinates never go backwards.
    for (const Need& need : needs) {
        if (need.from < need.to) {
            QVERIFY(geometry.X(need.to) - geometry.X(need.from) >= need.pixels);
        }
    }
    for (int u = 0; u < 100; ++u) {
        QVERIFY(geometry.X(u + 1) > geometry.X(u));
    }
}

void FormGeometryTest::axesAndRectangles() {
    FormGeometry geometry(kTwoPixelUnits);
    geometry.NeedHeight(0, 10, 30);  // 10 pixels short
    geometry.NeedWidth(20, 30, 24);  // 4 pixels short
    QCOMPARE(geometry.X(10), 20);
    QCOMPARE(geometry.Y(10), 30);
    QCOMPARE(geometry.Y(9), 18);
    // Each edge on its own: a rectangle across a grown span widens, one after
    // it moves.
    QCOMPARE(geometry.Rect(25, 5, 10, 10), QRect(50, 10, 24, 30));
    QCOMPARE(geometry.Rect(QRect(30, 10, 5, 5)), QRect(64, 30, 10, 10));
    QCOMPARE(geometry.Size(40, 20), QSize(84, 50));
}

// A right-aligned label too long for its rectangle pushes the field after it
// to the right, a long group caption widens its frame and moves what stands
// right of it; a check box widens into the free room beside it, up to a little
// short of its group's frame.
void FormGeometryTest::formFittedToLongTexts() {
    QWidget form;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    form.setFont(font);
    const DialogUnits units(form.font());
    auto* group = new QGroupBox(QStringLiteral("A CAPTION FAR LONGER THAN ITS FRAME"), &form);
    SetDesignRect(group, QRect(5, 5, 60, 40));
    auto* label = new QLabel(QStringLiteral("a label much longer than its place"), &form);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetDesignRect(label, QRect(10, 20, 20, 10));
    auto* field = new QLineEdit(&form);
    SetDesignRect(field, QRect(32, 20, 25, 10));
    auto* box = new QCheckBox(QStringLiteral("box with a longer caption"), &form);
    SetDesignRect(box, QRect(10, 32, 10, 10));
    auto* after = new QLineEdit(&form);
    SetDesignRect(after, QRect(70, 20, 20, 10));

    FormGeometry geometry(units);
    const QFont captionFont = font;
    FitForm(&form, geometry, captionFont, QSize(100, 50));
    QVERIFY(geometry.Grown());

    const QFontMetrics metrics(font);
    // The label shows its text in one line and ends where it was designed to,
    // a little short of the field, which has moved right.
    QVERIFY(label->width() >= metrics.horizontalAdvance(label->text()));
    QCOMPARE(label->geometry().right() + 1, geometry.X(30));
    QVERIFY(field->x() > units.X(32));
    QCOMPARE(field->geometry(), geometry.Rect(32, 20, 25, 10));
    QVERIFY(field->x() > label->geometry().right());
    // The frame holds its caption; the field right of it has moved with it.
    const QRect caption = GroupCaptionRect(captionFont, group->geometry(), group->title());
    QVERIFY(caption.right() + 2 < group->geometry().right());
    QCOMPARE(after->geometry(), geometry.Rect(70, 20, 20, 10));
    QVERIFY(after->x() > group->geometry().right());
    // The check box widened into its group's free room.
    QCOMPARE(box->pos(), geometry.Rect(10, 32, 10, 10).topLeft());
    QVERIFY(box->width() > geometry.Rect(10, 32, 10, 10).width());
    QVERIFY(box->geometry().right() < group->geometry().right());
}

void FormGeometryTest::formWithShortTextsKeepsItsDesign() {
    QWidget form;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    form.setFont(font);
    const DialogUnits units(form.font());
    auto* group = new QGroupBox(QStringLiteral("GROUP"), &form);
    SetDesignRect(group, QRect(5, 5, 90, 40));
    auto* label = new QLabel(QStringLiteral("short"), &form);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetDesignRect(label, QRect(10, 20, 30, 10));
    auto* field = new QLineEdit(&form);
    SetDesignRect(field, QRect(42, 20, 25, 10));
    FormGeometry geometry(units);
    FitForm(&form, geometry, font, QSize(100, 50));
    QVERIFY(!geometry.Grown());
    QCOMPARE(label->geometry(), units.Rect(10, 20, 30, 10));
    QCOMPARE(field->geometry(), units.Rect(42, 20, 25, 10));
    QCOMPARE(group->geometry(), units.Rect(5, 5, 90, 40));
}

QTEST_MAIN(FormGeometryTest)
#include "form_geometry_test.moc"
