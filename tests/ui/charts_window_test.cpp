// The charts window opened from the main window's "Calcola" menu: it shows
// the charts for the window's inputs and follows them, tells the values under
// the pointer, and exports what it shows as PNG and SVG; its sundial tab draws
// the site's dial from its own controls and exports it as PDF and SVG.
#include "ui/charts/charts_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <map>
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
        // At 45N on 21 June the Sun culminates due south, 68.4 degrees high:
        // the pointer a little off the path at the transit reads the path's
        // point, its clock time first.
        // Moves the pointer over the view, as the window system reports it.
        const auto hover = [charts](const QPointF& p) {
            QTest::mouseMove(charts->windowHandle(), charts->View()->mapTo(charts, p.toPoint()));
        };
        const ChartModel& model = charts->View()->Model();
        const QRectF area(charts->View()->rect());
        const double transit = model.sunPath.transit.point.clockHours;
        const QPointF at = ChartPixel(model, area, model.sunPath.transit.point.bearingDeg,
                                      model.sunPath.transit.point.altitudeDeg) +
                           QPointF(0, 6);
        hover(at);
        QString text = charts->ValueLabel()->text();
        const auto clock = [](double hours) {
            const int minutes = static_cast<int>(std::lround(hours * 60));
            return QStringLiteral("%1:%2")
                .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                .arg(minutes % 60, 2, 10, QLatin1Char('0'));
        };
        QVERIFY2(text.startsWith(QStringLiteral("Sole il 21/06/24 alle ")), qPrintable(text));
        QVERIFY2(text.contains(clock(transit)) || text.contains(clock(transit - 1 / 60.0)) ||
                     text.contains(clock(transit + 1 / 60.0)),
                 qPrintable(text + QStringLiteral(" / ") + clock(transit)));
        QVERIFY2(text.contains(QStringLiteral("altezza 68.")), qPrintable(text));
        // Far from the path: the pointer's own bearing and altitude.
        hover(ChartPixel(model, area, 90, 80));
        text = charts->ValueLabel()->text();
        QVERIFY2(text.startsWith(QStringLiteral("Azimut 9")), qPrintable(text));

        // The day chart: every twilight's and prayer's time on the date under
        // the pointer, those of 21 June from the day times of that date.
        charts->Tabs()->setCurrentIndex(4);
        charts->PrayersBox()->setChecked(true);
        const ChartModel& day = charts->View()->Model();
        const DaylightDay& june = day.daylight->days[QDate(2024, 6, 21).dayOfYear() - 1];
        hover(ChartPixel(day, area, QDate(2024, 6, 21).dayOfYear() - 0.5, 2));
        text = charts->ValueLabel()->text();
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QStringLiteral("21/06/24: ore ")), qPrintable(text));
        for (const ChartTime& t : {june.astronomicalDawn, june.nauticalDusk, june.civilDusk}) {
            QVERIFY2(lines[1].contains(clock(t.hours)), qPrintable(text));
        }
        QCOMPARE(lines[2],
                 QStringLiteral("Fajr %1, Zuhr %2, Asr %3, Maghrib %4, Isha %5")
                     .arg(clock(june.fajr.hours), clock(june.zuhr.hours), clock(june.asr1.hours),
                          clock(june.maghrib.hours), clock(june.isha.hours)));
    }

    void sundialTabFollowsItsControlsAndExportsPdfAndSvg() {
        const ScopedTimeZone zone("Europe/Rome");
        Shown s;
        ChartsWindow* charts = s.Open();
        charts->Tabs()->setCurrentIndex(ChartsWindow::kSundialTab);
        QVERIFY(charts->SundialShown());
        QVERIFY(charts->DialView()->isVisible());
        QVERIFY(!charts->View()->isVisible());
        // The main window's site; a horizontal dial with true hours by default.
        QCOMPARE(charts->DialView()->Model().latitudeDeg, s.window->LastRequest().latitude);
        QCOMPARE(charts->DialView()->Model().design.type, DialType::kHorizontal);
        QVERIFY(!charts->DialDeclinationBox()->isEnabled());
        // A wall declining 20 degrees west with Italian hours, on a 50 cm plate.
        charts->DialTypeBox()->setCurrentIndex(1);
        QVERIFY(charts->DialDeclinationBox()->isEnabled());
        charts->DialDeclinationBox()->setValue(20);
        charts->DialGnomonBox()->setValue(100);
        charts->DialSizeBox()->setValue(500);
        charts->DialHoursBox(DialHourSystem::kTrue)->setChecked(false);
        charts->DialHoursBox(DialHourSystem::kItalian)->setChecked(true);
        const SundialModel& model = charts->DialView()->Model();
        QCOMPARE(model.design.type, DialType::kVertical);
        QCOMPARE(model.design.declinationDeg, 20.0);
        QCOMPARE(model.plateSide, 500.0);
        QVERIFY(!model.hourLines.empty());
        for (const DialLine& line : model.hourLines)
            QCOMPARE(line.system, DialHourSystem::kItalian);
        QCOMPARE(model.dateLines.size(), std::size_t{4});

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString asked;
        charts->SetFileChooser(
            [&](QWidget*, const QString&, const QString& suggested, const QString&) {
                asked = suggested;
                return dir.filePath(QStringLiteral("wall"));
            });
        QVERIFY(charts->ExportSundialFile(true));
        QCOMPARE(asked, QStringLiteral("sundial.pdf"));
        QFile pdf(dir.filePath(QStringLiteral("wall.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
        QVERIFY(charts->ExportSundialFile(false));
        QFile svg(dir.filePath(QStringLiteral("wall.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<title>Orologio solare verticale</title>"));

        // Back to a chart: its view again.
        charts->Tabs()->setCurrentIndex(2);
        QCOMPARE(charts->Kind(), ChartKind::kAnalemma);
        QVERIFY(charts->View()->isVisible());
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
        // The PNG at the size asked for, proposed at the view's size times
        // the screen's scale; here twice the view's.
        QSize proposed;
        charts->SetSizeChooser([&](QWidget*, const QSize& size) {
            proposed = size;
            return charts->View()->size() * 2;
        });
        QVERIFY(charts->Export(false));
        QCOMPARE(asked, QStringLiteral("sunpath.png"));
        QCOMPARE(proposed,
                 (QSizeF(charts->View()->size()) * charts->View()->devicePixelRatioF()).toSize());
        QImageReader reader(dir.filePath(QStringLiteral("chart.png")));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.read().size(), charts->View()->size() * 2);

        // The day chart's SVG parses, each band one path: no seams between
        // the days.
        charts->Tabs()->setCurrentIndex(4);
        QVERIFY(charts->Export(true));
        QFile svg(dir.filePath(QStringLiteral("chart.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        std::map<QString, int> pathsOf;  // by the fill of their group
        QStringList fills;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("g")) fills.removeLast();
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("g")) {
                fills << xml.attributes().value(QLatin1String("fill")).toString();
            } else if (xml.name() == QLatin1String("path") && !fills.isEmpty()) {
                ++pathsOf[fills.back()];
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        using namespace chart_colors;
        for (const QColor& band : {kDay, kCivil, kNautical, kAstronomical}) {
            QVERIFY2(pathsOf[band.name()] == 1, qPrintable(band.name()));
        }

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
