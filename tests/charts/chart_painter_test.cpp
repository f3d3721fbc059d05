// The charts as drawn: at points the model places (the Sun now, the transit,
// a solstice, an extreme of the equation of time, a day and a night), the
// picture has the colour the legend gives them.
#include "chart_draw/chart_painter.h"

#include "chart/chart_model.h"
#include "chart_draw/chart_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QtTest>
#include <cmath>

#include "support/solar_support.h"

namespace tarvel {
namespace {

constexpr QSize kSize(1000, 700);

QImage Render(const ChartModel& model) {
    QImage image(kSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(kSize)), model);
    return image;
}

// The colour at a point of the model; "" when it is close to expected (every
// channel within 40 of it, for the smoothed edges of lines), otherwise what
// was found.
QString ColourMismatch(const QImage& image, const QPointF& at, const QColor& expected) {
    const QColor found = image.pixelColor(at.toPoint());
    if (std::abs(found.red() - expected.red()) <= 40 &&
        std::abs(found.green() - expected.green()) <= 40 &&
        std::abs(found.blue() - expected.blue()) <= 40) {
        return {};
    }
    return QStringLiteral("at (%1, %2): %3, expected %4")
        .arg(at.x())
        .arg(at.y())
        .arg(found.name(), expected.name());
}

struct PixelCase {
    const char* what;
    QPointF at;
    QColor colour;
};

void CheckPixels(const QImage& image, const std::vector<PixelCase>& cases) {
    for (const PixelCase& c : cases) {
        QVERIFY2(QRectF(QPointF(0, 0), QSizeF(kSize)).contains(c.at), c.what);
        const QString mismatch = ColourMismatch(image, c.at, c.colour);
        QVERIFY2(mismatch.isEmpty(),
                 qPrintable(QString::fromLatin1(c.what) + QStringLiteral(" ") + mismatch));
    }
}

// Rome (41.9N 12.5E), zone +1, on the clock of Europe/Rome's summer time.
ChartInputs Rome(int month, int day, int hour, bool summer) {
    return {test_support::Request(2024, month, day, hour, 0, 0, 1, summer, 41.9, -12.5), nullptr};
}

}  // namespace

class ChartPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Numbers in the C locale, texts in the built-in Italian; the fonts
        // come from the test's font configuration (DejaVu only).
        QLocale::setDefault(QLocale::c());
    }

    void sunPathShowsTheSunNowTheTransitAndTheTwilights() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kSunPath, Rome(6, 21, 10, true));
        const QImage image = Render(model);
        const QRectF area(QPointF(0, 0), QSizeF(kSize));
        const SunPathChart& c = model.sunPath;
        CheckPixels(
            image,
            {
                {"the Sun now", ChartPixel(model, area, c.now.bearingDeg, c.now.altitudeDeg),
                 kVermillion},
                {"the transit",
                 ChartPixel(model, area, c.transit.point.bearingDeg, c.transit.point.altitudeDeg),
                 kBlue},
                {"the rise",
                 ChartPixel(model, area, c.rise.point.bearingDeg, c.rise.point.altitudeDeg),
                 kBluishGreen},
                {"civil twilight", ChartPixel(model, area, 205, -3), kCivil},
                {"nautical twilight", ChartPixel(model, area, 205, -8.5), kNautical},
                {"astronomical twilight", ChartPixel(model, area, 205, -15), kAstronomical},
                {"the sky", ChartPixel(model, area, 205, 45), QColor(Qt::white)},
            });
    }

    void polarSunPathPutsTheSunWhereTheProjectionDoes() {
        using namespace chart_colors;
        const ChartModel model =
            BuildChartModel(ChartKind::kSunPath, Rome(6, 21, 10, true), false, true);
        QVERIFY(model.polar);
        const QImage image = Render(model);
        const QRectF area(QPointF(0, 0), QSizeF(kSize));
        const SunPathChart& c = model.sunPath;
        // The zenith in the middle, the horizon a circle: due south at 71.5
        // degrees lies straight below the zenith, nearer it than due south on
        // the horizon.
        const QPointF zenith = ChartPixel(model, area, 0, 90);
        const QPointF transit =
            ChartPixel(model, area, c.transit.point.bearingDeg, c.transit.point.altitudeDeg);
        const QPointF southHorizon = ChartPixel(model, area, 180, 0);
        QVERIFY(std::abs(transit.x() - zenith.x()) < 1.0);
        QVERIFY(transit.y() > zenith.y() && transit.y() < southHorizon.y());
        CheckPixels(
            image, {
                       {"the Sun now", ChartPixel(model, area, c.now.bearingDeg, c.now.altitudeDeg),
                        kVermillion},
                       {"the transit", transit, kBlue},
                       {"the rise",
                        ChartPixel(model, area, c.rise.point.bearingDeg, c.rise.point.altitudeDeg),
                        kBluishGreen},
                       {"civil twilight to the west", ChartPixel(model, area, 250, -3), kCivil},
                       {"astronomical twilight to the south", ChartPixel(model, area, 200, -15),
                        kAstronomical},
                   });
    }

    void sunPathYearDrawsTheSolsticesPaths() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kSunPathYear, Rome(3, 5, 9, false));
        const QImage image = Render(model);
        const QRectF area(QPointF(0, 0), QSizeF(kSize));
        const auto& paths = model.monthPaths->monthPaths;
        // 10:40 on the clock of each date.
        const SkyPoint june = paths[5].path[64];
        const SkyPoint december = paths[11].path[64];
        CheckPixels(
            image,
            {{"21 June", ChartPixel(model, area, june.bearingDeg, june.altitudeDeg), kVermillion},
             {"21 December", ChartPixel(model, area, december.bearingDeg, december.altitudeDeg),
              kBlue}});
    }

    void analemmaMarksTheSolsticeAndEquinoxInBothPanels() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kAnalemma, Rome(1, 1, 12, false));
        const QImage image = Render(model);
        const QRectF area(QPointF(0, 0), QSizeF(kSize));
        std::vector<PixelCase> cases;
        for (const AnalemmaMark& mark : model.analemma.seasons) {
            const AnalemmaPoint& p = model.analemma.points[mark.index];
            const bool equinox = mark.season == SeasonMark::kMarchEquinox ||
                                 mark.season == SeasonMark::kSeptemberEquinox;
            const QColor colour = equinox ? kBluishGreen : kVermillion;
            cases.push_back({"a season on the sky",
                             ChartPixel(model, area, p.bearingDeg, p.altitudeDeg, 0), colour});
            cases.push_back({"a season against the declination",
                             ChartPixel(model, area, p.equationOfTimeMin, p.declinationDeg, 1),
                             colour});
        }
        QCOMPARE(cases.size(), std::size_t{8});
        CheckPixels(image, cases);
    }

    void equationOfTimeLineAndExtremes() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kEquationOfTime, Rome(1, 1, 12, false));
        const QImage image = Render(model);
        const QRectF area(QPointF(0, 0), QSizeF(kSize));
        const EquationOfTimeChart& e = *model.equationOfTime;
        const EquationOfTimePoint& april = e.points[100];
        CheckPixels(
            image,
            {
                {"February minimum",
                 ChartPixel(model, area, e.minima[0].dayOfYear, e.minima[0].minutes), kVermillion},
                {"November maximum",
                 ChartPixel(model, area, e.maxima[1].dayOfYear, e.maxima[1].minutes), kVermillion},
                {"the line in April", ChartPixel(model, area, april.dayOfYear, april.minutes),
                 kBlue},
            });
    }

    void daylightBandsAndDayLength() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kDaylight, Rome(1, 1, 12, false));
        const QImage image = Render(model);
        const QRectF area(QPointF(0, 0), QSizeF(kSize));
        const DaylightDay& june = model.daylight->days[172];  // 21 June
        QCOMPARE(june.date.month, 6);
        QCOMPARE(june.date.day, 21);
        const double civil = (june.sunset.hours + june.civilDusk.hours) / 2;
        const double nautical = (june.civilDusk.hours + june.nauticalDusk.hours) / 2;
        CheckPixels(
            image,
            {
                {"the day in June", ChartPixel(model, area, 172.5, 13.2), kDay},
                {"the civil dusk in June", ChartPixel(model, area, 172.5, civil), kCivil},
                {"the nautical dusk in June", ChartPixel(model, area, 172.5, nautical), kNautical},
                {"the night in December", ChartPixel(model, area, 355.5, 1.5), kNight},
                {"the day length in June",
                 ChartPixel(model, area, 172.5, june.apparentDaylightHours), kVermillion},
            });
    }

    // An export replaces an earlier file whole; one that fails says so and
    // leaves the earlier file as it was, with nothing written beside it.
    void exportReplacesWholeOrKeepsTheEarlierFile() {
        const ChartModel model = BuildChartModel(ChartKind::kEquationOfTime, Rome(1, 1, 12, false));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("eot.png"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("not a picture");
        }
        QCOMPARE(ExportChart(model, path, QSize(400, 300)), QString());
        QCOMPARE(QImage(path).size(), QSize(400, 300));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("eot.png")});

        const QString refused = QStringLiteral("/proc/eot.svg");
        const QString message = ExportChart(model, refused, QSize(400, 300));
        QVERIFY2(message.contains(refused), qPrintable(message));
        QVERIFY(!QFile::exists(refused));
        QVERIFY(!ExportChart(model, dir.filePath(QStringLiteral("eot.bmp")), QSize(400, 300))
                     .isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("eot.png")});
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::ChartPainterTest)
#include "chart_painter_test.moc"
