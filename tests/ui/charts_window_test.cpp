// The charts window opened from the main window's "Calcola" menu: it shows
// the charts for the window's inputs and follows them, tells the values under
// the pointer, and exports what it shows as PNG and SVG.
#include "ui/charts/charts_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "app/app_settings.h"
#include "app/charts_opener.h"
#include "chart_draw/chart_painter.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

struct Shown {
    RecordingSink sink;
    std::unique_ptr<CTarvelDlg> window;

    Shown() {
        window = std::make_unique<CTarvelDlg>(AppSettings(),
                                              RomeAt(QDate(2024, 6, 21), QTime(10, 0)), &sink);
        window->SetChartsOpener([](CTarvelDlg* main) { ShowChartsWindow(main); });
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }
    ChartsWindow* Open() const {
        window->MenuAction(main_menu::kCharts)->trigger();
        return window->findChild<ChartsWindow*>();
    }
};

}  // namespace

class ChartsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void opensFromTheMenuAndFollowsTheInputs() {
        const ScopedTimeZone zone("Europe/Rome");
        Shown s;
        QAction* action = s.window->MenuAction(main_menu::kCharts);
        QVERIFY(action != nullptr);
        QVERIFY(action->isEnabled());
        ChartsWindow* charts = s.Open();
        QVERIFY(charts != nullptr);
        QVERIFY(charts->isVisible());
        QCOMPARE(charts->Kind(), ChartKind::kSunPath);
        QCOMPARE(charts->View()->Model().sunPath.day.date, (ChartDate{2024, 6, 21}));
        QCOMPARE(charts->View()->Model().sunPath.latitude, s.window->LastRequest().latitude);

        // A new date and a new latitude in the main window.
        auto* date =
            qobject_cast<QDateEdit*>(s.window->Control(static_cast<int>(SiteControl::DatePicker)));
        date->setDate(QDate(2024, 12, 21));
        QCOMPARE(charts->View()->Model().sunPath.day.date, (ChartDate{2024, 12, 21}));
        auto* latitude =
            qobject_cast<QLineEdit*>(s.window->Control(static_cast<int>(SiteControl::Latitude)));
        auto* longitude =
            qobject_cast<QLineEdit*>(s.window->Control(static_cast<int>(SiteControl::Longitude)));
        TypeAndLeave(latitude, QStringLiteral("60"), longitude);
        QCOMPARE(charts->View()->Model().sunPath.latitude, 60.0);

        // The same window again from the menu.
        QCOMPARE(s.Open(), charts);

        // Each tab its chart; the prayers only for the day chart.
        charts->Tabs()->setCurrentIndex(4);
        QCOMPARE(charts->Kind(), ChartKind::kDaylight);
        QVERIFY(charts->PrayersBox()->isEnabled());
        charts->PrayersBox()->setChecked(true);
        QVERIFY(charts->View()->Model().prayerLines);
        QVERIFY(charts->View()->Model().daylight->prayers);
        QVERIFY(!charts->PolarBox()->isEnabled());
        charts->Tabs()->setCurrentIndex(2);
        QCOMPARE(charts->Kind(), ChartKind::kAnalemma);
        QVERIFY(!charts->PrayersBox()->isEnabled());
        // The polar form for the sun paths.
        charts->Tabs()->setCurrentIndex(1);
        QVERIFY(charts->PolarBox()->isEnabled());
        charts->PolarBox()->setChecked(true);
        QCOMPARE(charts->Kind(), ChartKind::kSunPathYear);
        QVERIFY(charts->View()->Model().polar);
    }

    void valuesUnderThePointer() {
        const ScopedTimeZone zone("Europe/Rome");
        Shown s;
        ChartsWindow* charts = s.Open();
        QVERIFY(QTest::qWaitForWindowExposed(charts));
        // At 45N on 21 June the Sun culminates due south, 68.4 degrees high.
        const ChartModel& model = charts->View()->Model();
        const QPointF transit = ChartPixel(model, QRectF(charts->View()->rect()),
                                           model.sunPath.transit.point.bearingDeg,
                                           model.sunPath.transit.point.altitudeDeg);
        QMouseEvent move(QEvent::MouseMove, transit, charts->View()->mapToGlobal(transit),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(charts->View(), &move);
        const QString text = charts->ValueLabel()->text();
        QVERIFY2(text.startsWith(QStringLiteral("Azimut 18")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("altezza 68.")), qPrintable(text));
    }

    void exportsWhatItShowsAndF1OpensItsHelp() {
        const ScopedTimeZone zone("Europe/Rome");
        Shown s;
        ChartsWindow* charts = s.Open();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString asked;
        charts->SetFileChooser(
            [&](QWidget*, const QString&, const QString& suggested, const QString&) {
                asked = suggested;
                return dir.filePath(QStringLiteral("chart"));
            });
        QVERIFY(charts->Export(false));
        QCOMPARE(asked, QStringLiteral("sunpath.png"));
        QImageReader reader(dir.filePath(QStringLiteral("chart.png")));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.read().size(), charts->View()->size());

        QVERIFY(charts->Export(true));
        QFile svg(dir.filePath(QStringLiteral("chart.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        while (!xml.atEnd()) xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        // F1: the window's help page.
        const RecordedHelp help;
        QTest::keyClick(charts, Qt::Key_F1);
        QCOMPARE(help.requests.size(), 1);
        QCOMPARE(help.requests.front().topic, QString::fromLatin1(kChartsHelpTopic));

        // The page exists in every language and the introduction, the help's
        // index, lists it.
        for (const char* code : {"ITA", "ENU", "PTB"}) {
            const QString book =
                QStringLiteral(TARVEL_SOURCE_DIR "/resources/help/%1/").arg(QLatin1String(code));
            QVERIFY2(QFile::exists(book + QLatin1String(kChartsHelpTopic)), code);
            QFile intro(book + QStringLiteral("html/introduzione.htm"));
            QVERIFY(intro.open(QIODevice::ReadOnly));
            QVERIFY2(intro.readAll().contains("href=\"grafici.htm\""), code);
        }

        // Cancelled: nothing written.
        charts->SetFileChooser(
            [](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
        QVERIFY(!charts->Export(false));
    }
};

QTEST_MAIN(ChartsWindowTest)
#include "charts_window_test.moc"
