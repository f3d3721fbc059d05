// Every window opens within the screen's available area, frame included: at
// its designed size where the screen holds it, otherwise as large as the area
// allows, and then
// every control of its form can still be scrolled into view. CTest runs this
// on a large screen, and on a 1366 x 768 screen at scale 1 and at scale 2
// (QT_SCALE_FACTOR=2: a 683 x 384 area in the windows' own pixels).
#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "app/about_dlg.h"
#include "app/app_settings.h"
#include "app/help.h"
#include "app/options_dialog.h"
#include "app/version_info.h"
#include "ui/charts/charts_window.h"
#include "ui/form/group_frame.h"
#include "ui/table/ephemeris_table.h"
#include "ui/table/table_options_dialog.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

QSize Available() {
    return QGuiApplication::primaryScreen()->availableGeometry().size();
}

// The controls of a form that users work with or read.
QList<QWidget*> NumberedControls(const QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->property(kControlIdProperty).isValid() && !widget->isHidden() &&
            widget->metaObject()->className() != QByteArray("QGroupBox")) {
            controls << widget;
        }
    }
    return controls;
}

// Scrolls the view (whose bars are given) until control is in view as far as
// the view holds it; a fault when it stays out of reach.
void Reach(QStringList& faults, QWidget* view, QScrollBar* horizontal, QScrollBar* vertical,
           QWidget* control) {
    const QRect target(
        control->mapTo(view, QPoint(0, 0)) + QPoint(horizontal->value(), vertical->value()),
        control->size().boundedTo(view->size()));
    horizontal->setValue(target.x() + target.width() - view->width());
    if (horizontal->value() > target.x()) {
        horizontal->setValue(target.x());
    }
    vertical->setValue(target.y() + target.height() - view->height());
    if (vertical->value() > target.y()) {
        vertical->setValue(target.y());
    }
    // Released, as a user's drag would end.
    for (QScrollBar* bar : {horizontal, vertical}) {
        bar->setSliderDown(true);
        bar->setSliderPosition(bar->value());
        bar->setSliderDown(false);
    }
    const QRect shown(control->mapTo(view, QPoint(0, 0)), control->size().boundedTo(view->size()));
    if (!view->rect().contains(shown)) {
        faults << QStringLiteral("%1 stays out of reach at %2, %3 in a view of %4 x %5")
                      .arg(control->objectName())
                      .arg(shown.x())
                      .arg(shown.y())
                      .arg(view->width())
                      .arg(view->height());
    }
}

// The window opens at its designed size bounded by the available area, and
// every control can be brought into view.
void CheckWindow(QWidget& window, const QSize& designed) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    // The window with its frame (as the platform reports it) inside the area.
    const QSize frame = window.frameGeometry().size() - window.size();
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()));
    QCOMPARE(window.size(), designed.boundedTo(Available() - frame));
    QStringList faults;
    if (auto* main = qobject_cast<CTarvelDlg*>(&window)) {
        for (QWidget* control : NumberedControls(&window)) {
            Reach(faults, main->ClientArea(), main->HorizontalBar(), main->VerticalBar(), control);
        }
    } else {
        auto* area = window.findChild<QScrollArea*>();
        QVERIFY(area != nullptr);
        for (QWidget* control : NumberedControls(&window)) {
            Reach(faults, area->viewport(), area->horizontalScrollBar(), area->verticalScrollBar(),
                  control);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A window without a scrolling form: opens at wanted, or as large as the area
// allows, with its frame inside the area.
void CheckFramed(QWidget& window, const QSize& wanted) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    const QSize frame = window.frameGeometry().size() - window.size();
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()));
    QCOMPARE(window.size(), wanted.boundedTo(Available() - frame).expandedTo(window.minimumSize()));
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

  private slots:
    void mainWindow();
    void tableWindow();
    void tableOptions();
    void preferences();
    void aboutBox();
    void chartsAndHelp();
};

void ScreenFitTest::mainWindow() {
    RecordingSink sink;
    CTarvelDlg window(AppSettings(), RomeAt(QDate(2024, 6, 21), QTime(12, 0, 0)), &sink);
    CheckWindow(window, window.OpeningSize());
    // The form scrolls over the whole design.
    QCOMPARE(window.HorizontalBar()->maximum(),
             std::max(0, window.InitialOuterSize().width() - window.ClientArea()->width()));
    QCOMPARE(window.VerticalBar()->maximum(),
             std::max(0, window.InitialOuterSize().height() - window.ClientArea()->height()));
}

void ScreenFitTest::tableWindow() {
    RecordingSink sink;
    TableParameters inputs;
    inputs.start = {2024, 6, 21, 12, 0, 0.0};
    CEphemerisTable window(inputs, &sink);
    CheckWindow(window, window.DesignedClientSize());
    // The table box keeps rows in view whatever the window's height.
    auto* box = window.Control(ControlNumber(TableControl::TableBox));
    QVERIFY(box->height() >= 4 * box->fontMetrics().height());
}

void ScreenFitTest::tableOptions() {
    CTableOptions dialog{TableOptions()};
    CheckWindow(dialog, dialog.DesignedClientSize());
}

void ScreenFitTest::preferences() {
    RecordingSink sink;
    COptionsDialog dialog(AppSettings(), &sink);
    CheckWindow(dialog, dialog.maximumSize());
}

void ScreenFitTest::aboutBox() {
    CAboutDlg box(ReadVersionInfo());
    CheckWindow(box, box.maximumSize());
}

void ScreenFitTest::chartsAndHelp() {
    ChartsWindow charts;
    CheckFramed(charts, QSize(1000, 760));
    CHelpWindow help(nullptr);
    CheckFramed(help, QSize(720, 560));
}

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
