// The charts as drawn: at points placed through the chart's own labelled axes
// (read from the texts it writes, never from the painter's projection) with
// values computed apart from the chart (the Sun now and at its transit from
// the solar computation, a solstice's path, an extreme of the equation of
// time, a day and a night), the picture has the colour the legend gives them;
// the frame's sides run where the labels at the axes' ends say.
#include "chart_draw/chart_painter.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "chart/chart_model.h"
#include "chart_draw/chart_export.h"
#include "drawn_axes.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

using test::Axis;
using test::DrawnText;

constexpr QSize kSize(1000, 700);

QImage Render(const ChartModel& model) {
    QImage image(kSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(kSize)), model);
    return image;
}

std::vector<DrawnText> Texts(const ChartModel& model) {
    return test::TextsOf(
        kSize, [&](QPainter& painter, const QRectF& area) { PaintChart(painter, area, model); });
}

// A pair of axes read from the labels, each fitted to ticks that lie on one
// straight line.
struct Frame {
    Axis x, y;
    QPointF Pixel(double xValue, double yValue) const { return {x.Pixel(xValue), y.Pixel(yValue)}; }
};

void CheckAxis(const Axis& axis, const char* what, int fewest = 5) {
    QVERIFY2(axis.ticks >= fewest, what);
    QVERIFY2(axis.worst < 0.75, what);
}

// The day of the year (0 at 1 January) of the first of each month, read from
// the months' short names the built-in Italian gives them.
test::LabelReader MonthLabel(int year) {
    return [year](const QString& text) -> std::optional<double> {
        static const char* const kNames[12] = {"gen", "feb", "mar", "apr", "mag", "giu",
                                               "lug", "ago", "set", "ott", "nov", "dic"};
        for (int m = 0; m < 12; ++m) {
            if (text == QLatin1String(kNames[m])) return QDate(year, m + 1, 1).dayOfYear() - 1;
        }
        return std::nullopt;
    };
}

// The bearing from the north through the east of an azimuth from the south,
// positive towards the west.
double Bearing(double azimuthFromSouthDeg) {
    return std::fmod(azimuthFromSouthDeg + 180.0 + 360.0, 360.0);
}

// The request at another clock time (hours) of its date.
SolarRequest AtClock(SolarRequest request, double hours) {
    const double seconds = hours * 3600.0;
    request.hour = static_cast<int>(seconds / 3600.0);
    request.minute = static_cast<int>((seconds - request.hour * 3600.0) / 60.0);
    request.second = seconds - request.hour * 3600.0 - request.minute * 60.0;
    return request;
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
        const ChartInputs inputs = Rome(6, 21, 10, true);
        const ChartModel model = BuildChartModel(ChartKind::kSunPath, inputs);
        const QImage image = Render(model);
        const std::vector<DrawnText> texts = Texts(model);
        const Frame frame{test::CompassAxis(texts), test::VerticalAxis(texts, test::NumberLabel())};
        CheckAxis(frame.x, "bearings");
        CheckAxis(frame.y, "altitudes");
        QCOMPARE(frame.x.firstValue, 0.0);
        QCOMPARE(frame.x.lastValue, 360.0);
        QCOMPARE(frame.y.lastValue, -20.0);

        // The Sun now and at its transit, from the computation.
        const SolarResult now = CalcSolarParameters(inputs.request);
        QVERIFY(now.occurs.transit && now.occurs.apparentRise);
        const SolarResult transit = CalcSolarParameters(AtClock(inputs.request, now.transit));
        const double horizon = ApparentHorizonAltitude(inputs.request.height);
        const QPointF transitAt = frame.Pixel(Bearing(transit.azimuth), now.transitAltitude);
        CheckPixels(
            image,
            {
                {"the Sun now", frame.Pixel(Bearing(now.azimuth), now.altitude), kVermillion},
                {"the transit", transitAt, kBlue},
                {"the rise", frame.Pixel(Bearing(now.apparentRiseAzimuth), horizon), kBluishGreen},
                {"civil twilight", frame.Pixel(205, -3), kCivil},
                {"nautical twilight", frame.Pixel(205, -8.5), kNautical},
                {"astronomical twilight", frame.Pixel(205, -15), kAstronomical},
                {"the sky", frame.Pixel(205, 45), QColor(Qt::white)},
            });
        // The frame's sides where the labels at the axes' ends stand.
        QVERIFY(test::DarkNear(image, frame.Pixel(0, 40)));
        QVERIFY(test::DarkNear(image, frame.Pixel(360, 40)));
        QVERIFY(test::DarkNear(image, frame.Pixel(100, frame.y.firstValue)));
        // The painter's projection, which the charts window points with, agrees.
        const QPointF painted = ChartPixel(model, QRectF(QPointF(0, 0), QSizeF(kSize)),
                                           model.sunPath.transit.point.bearingDeg,
                                           model.sunPath.transit.point.altitudeDeg);
        QVERIFY(QLineF(painted, transitAt).length() < 1.5);
    }

    void polarSunPathPutsTheSunWhereTheProjectionDoes() {
        using namespace chart_colors;
        const ChartInputs inputs = Rome(6, 21, 10, true);
        const ChartModel model = BuildChartModel(ChartKind::kSunPath, inputs, false, true);
        QVERIFY(model.polar);
        const QImage image = Render(model);
        // The zenith halfway between the compass points N and S, and E and W;
        // each circle of altitude labelled just right of the north line, its
        // baseline 2 pixels above the circle.
        std::map<QString, DrawnText> named;
        std::vector<std::pair<double, double>> circles;  // altitude, radius
        for (const DrawnText& t : Texts(model)) named.emplace(t.text, t);
        for (const char* point : {"N", "S", "E", "O"}) QVERIFY2(named.count(point), point);
        const QPointF zenith((named["E"].CentreX() + named["O"].CentreX()) / 2,
                             (named["N"].MiddleY() + named["S"].MiddleY()) / 2);
        QVERIFY(std::abs(named["N"].CentreX() - zenith.x()) < 1.0);
        for (int altitude : {10, 30, 50, 70}) {
            const QString label = QString::number(altitude) + QStringLiteral("°");
            QVERIFY(named.count(label));
            circles.push_back({altitude, zenith.y() - (named[label].baseline.y() + 2)});
        }
        // Stereographic from the nadir: the radius grows as tan((90 - h) / 2).
        const auto rad = [](double degrees) { return degrees * std::acos(-1.0) / 180.0; };
        double scale = 0;
        for (const auto& [h, r] : circles)
            scale += r / std::tan(rad((90 - h) / 2)) / circles.size();
        for (const auto& [h, r] : circles) {
            QVERIFY2(std::abs(scale * std::tan(rad((90 - h) / 2)) - r) < 1.0, "stereographic");
        }
        const auto at = [&](double bearing, double altitude) {
            const double r = scale * std::tan(rad((90 - altitude) / 2));
            return QPointF(zenith.x() + r * std::sin(rad(bearing)),
                           zenith.y() - r * std::cos(rad(bearing)));
        };
        const SolarResult now = CalcSolarParameters(inputs.request);
        const SolarResult transit = CalcSolarParameters(AtClock(inputs.request, now.transit));
        const double horizon = ApparentHorizonAltitude(inputs.request.height);
        CheckPixels(image,
                    {
                        {"the Sun now", at(Bearing(now.azimuth), now.altitude), kVermillion},
                        {"the transit", at(Bearing(transit.azimuth), now.transitAltitude), kBlue},
                        {"the rise", at(Bearing(now.apparentRiseAzimuth), horizon), kBluishGreen},
                        {"civil twilight to the west", at(250, -3), kCivil},
                        {"astronomical twilight to the south", at(200, -15), kAstronomical},
                        {"the sky at the zenith", at(0, 88), QColor(Qt::white)},
                    });
    }

    void sunPathYearDrawsTheSolsticesPaths() {
        using namespace chart_colors;
        const ChartInputs inputs = Rome(3, 5, 9, false);
        const ChartModel model = BuildChartModel(ChartKind::kSunPathYear, inputs);
        const QImage image = Render(model);
        const std::vector<DrawnText> texts = Texts(model);
        const Frame frame{test::CompassAxis(texts), test::VerticalAxis(texts, test::NumberLabel())};
        CheckAxis(frame.x, "bearings");
        CheckAxis(frame.y, "altitudes");
        // 10:40 on the clock of 21 June (summer time) and of 21 December, from
        // the computation.
        SolarRequest june = test_support::Request(2024, 6, 21, 10, 40, 0, 1, true, 41.9, -12.5);
        SolarRequest december =
            test_support::Request(2024, 12, 21, 10, 40, 0, 1, false, 41.9, -12.5);
        const SolarResult j = CalcSolarParameters(june);
        const SolarResult d = CalcSolarParameters(december);
        CheckPixels(image, {{"21 June", frame.Pixel(Bearing(j.azimuth), j.altitude), kVermillion},
                            {"21 December", frame.Pixel(Bearing(d.azimuth), d.altitude), kBlue}});
        QVERIFY(test::DarkNear(image, frame.Pixel(0, 40)));
        QVERIFY(test::DarkNear(image, frame.Pixel(360, 40)));
    }

    void analemmaMarksTheSolsticeAndEquinoxInBothPanels() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kAnalemma, Rome(1, 1, 12, false));
        const QImage image = Render(model);
        const std::vector<DrawnText> texts = Texts(model);
        const Frame sky{test::CompassAxis(texts), test::VerticalAxis(texts, test::NumberLabel())};
        CheckAxis(sky.x, "bearings", 4);
        CheckAxis(sky.y, "altitudes");
        // The right panel's labels stand right of the left panel's last bearing.
        const double right = sky.x.Pixel(sky.x.lastValue) + 10;
        const Frame eot{test::HorizontalAxis(texts, test::NumberLabel(), right),
                        test::VerticalAxis(texts, test::NumberLabel(), right)};
        CheckAxis(eot.x, "minutes");
        CheckAxis(eot.y, "declinations");
        QCOMPARE(eot.x.firstValue, -20.0);
        QCOMPARE(eot.x.lastValue, 20.0);
        std::vector<PixelCase> cases;
        for (const AnalemmaMark& mark : model.analemma.seasons) {
            const AnalemmaPoint& p = model.analemma.points[mark.index];
            const bool equinox = mark.season == SeasonMark::kMarchEquinox ||
                                 mark.season == SeasonMark::kSeptemberEquinox;
            const QColor colour = equinox ? kBluishGreen : kVermillion;
            cases.push_back(
                {"a season on the sky", sky.Pixel(p.bearingDeg, p.altitudeDeg), colour});
            cases.push_back({"a season against the declination",
                             eot.Pixel(p.equationOfTimeMin, p.declinationDeg), colour});
        }
        QCOMPARE(cases.size(), std::size_t{8});
        CheckPixels(image, cases);
        QVERIFY(test::DarkNear(image, eot.Pixel(-20, 0)));
        QVERIFY(test::DarkNear(image, eot.Pixel(20, 0)));
        QVERIFY(test::DarkNear(image, eot.Pixel(0, 30)));
        QVERIFY(test::DarkNear(image, eot.Pixel(0, -30)));
    }

    void equationOfTimeLineAndExtremes() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kEquationOfTime, Rome(1, 1, 12, false));
        const QImage image = Render(model);
        const std::vector<DrawnText> texts = Texts(model);
        const Frame frame{test::HorizontalAxis(texts, MonthLabel(2024)),
                          test::VerticalAxis(texts, test::NumberLabel())};
        CheckAxis(frame.x, "months");
        CheckAxis(frame.y, "minutes");
        QCOMPARE(frame.y.firstValue, 20.0);
        QCOMPARE(frame.y.lastValue, -20.0);
        // The equation of time on 11 February, 10 April and 3 November at
        // noon, from the computation: near the February minimum, on the
        // line, near the November maximum.
        const auto minutes = [](int month, int day) {
            const SolarResult r = CalcSolarParameters(
                test_support::Request(2024, month, day, 12, 0, 0, 1, false, 41.9, -12.5));
            return r.equationOfTime / 60.0;  // minutes
        };
        const auto day = [](int month, int d) { return QDate(2024, month, d).dayOfYear() - 0.5; };
        CheckPixels(image,
                    {
                        {"February minimum", frame.Pixel(day(2, 11), minutes(2, 11)), kVermillion},
                        {"November maximum", frame.Pixel(day(11, 3), minutes(11, 3)), kVermillion},
                        {"the line in April", frame.Pixel(day(4, 10), minutes(4, 10)), kBlue},
                    });
        // The year's 366 days between the frame's sides.
        QVERIFY(test::DarkNear(image, frame.Pixel(0, 10)));
        QVERIFY(test::DarkNear(image, frame.Pixel(QDate(2024, 12, 31).dayOfYear(), 10)));
        QVERIFY(test::DarkNear(image, frame.Pixel(180, 20)));
        QVERIFY(test::DarkNear(image, frame.Pixel(180, -20)));
    }

    void daylightBandsAndDayLength() {
        using namespace chart_colors;
        const ChartModel model = BuildChartModel(ChartKind::kDaylight, Rome(1, 1, 12, false));
        const QImage image = Render(model);
        const std::vector<DrawnText> texts = Texts(model);
        const test::LabelReader clock = [](const QString& text) -> std::optional<double> {
            if (text.size() != 5 || !text.endsWith(QStringLiteral(":00"))) return std::nullopt;
            return text.left(2).toDouble();
        };
        const Frame frame{test::HorizontalAxis(texts, MonthLabel(2024)),
                          test::VerticalAxis(texts, clock)};
        CheckAxis(frame.x, "months");
        CheckAxis(frame.y, "hours of the clock");
        // The day's length on the right, in hours.
        const Axis length = test::VerticalAxis(texts, test::NumberLabel(), kSize.width() / 2.0);
        QVERIFY(length.ticks >= 4 && length.worst < 0.75);
        // 21 June on the clock of the zone (no summer time), from the
        // computation.
        const SolarRequest request =
            test_support::Request(2024, 6, 21, 12, 0, 0, 1, false, 41.9, -12.5);
        const SolarResult june = CalcSolarParameters(request);
        const DayTimes twilights = CalcDayTimes(request, june);
        QVERIFY(june.occurs.apparentSet && twilights.occurs.civilDusk &&
                twilights.occurs.nauticalDusk);
        const double x = QDate(2024, 6, 21).dayOfYear() - 0.5;
        const double civil = (june.apparentSet + twilights.civilDusk) / 2;
        const double nautical = (twilights.civilDusk + twilights.nauticalDusk) / 2;
        CheckPixels(
            image,
            {
                {"the day in June", frame.Pixel(x, 13.2), kDay},
                {"the civil dusk in June", frame.Pixel(x, civil), kCivil},
                {"the nautical dusk in June", frame.Pixel(x, nautical), kNautical},
                {"the night in December", frame.Pixel(QDate(2024, 12, 21).dayOfYear() - 0.5, 1.5),
                 kNight},
                {"the day length in June",
                 QPointF(frame.x.Pixel(x), length.Pixel(june.apparentSet - june.apparentRise)),
                 kVermillion},
            });
        // The year's 366 days fill the frame, white outside its sides.
        const double last = QDate(2024, 12, 31).dayOfYear();
        QVERIFY(test::DarkNear(image, frame.Pixel(0, 12)));
        QVERIFY(test::DarkNear(image, frame.Pixel(last, 12)));
        CheckPixels(image,
                    {
                        {"left of the frame", frame.Pixel(0, 13.5) - QPointF(3, 0), Qt::white},
                        {"right of the frame", frame.Pixel(last, 13.5) + QPointF(3, 0), Qt::white},
                        {"the last day", frame.Pixel(last - 0.5, 13.5), kDay},
                    });
    }

    // WCAG's contrast ratio, from the sRGB colours the drawing uses: every
    // line and marker stands 3:1 against its white casing and, by its own
    // colour or by the casing, against every background it lies on; every
    // label 3:1 against its backing laid over each background.
    void paletteStandsThreeToOne() {
        const auto luminance = [](const QColor& c) {
            const auto channel = [](int v) {
                const double s = v / 255.0;
                return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) +
                   0.0722 * channel(c.blue());
        };
        const auto ratio = [&](const QColor& a, const QColor& b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        const auto over = [](const QColor& top, const QColor& ground) {
            const double a = top.alphaF();
            return QColor::fromRgbF(top.redF() * a + ground.redF() * (1 - a),
                                    top.greenF() * a + ground.greenF() * (1 - a),
                                    top.blueF() * a + ground.blueF() * (1 - a));
        };
        using namespace chart_colors;
        QCOMPARE(QString::number(ratio(kBlack, kWhite), 'f', 1), QStringLiteral("21.0"));
        for (const ContrastCase& c : ContrastCases()) {
            for (const QColor& ground : c.grounds) {
                const double seen = c.label
                                        ? ratio(c.color, over(kLabelBacking, ground))
                                        : std::max(ratio(c.color, ground), ratio(kCasing, ground));
                QVERIFY2(seen >= 3.0,
                         qPrintable(QStringLiteral("%1 %2 on %3: %4:1")
                                        .arg(QLatin1String(c.what), c.color.name(), ground.name())
                                        .arg(seen, 0, 'f', 2)));
            }
            if (!c.label) {
                QVERIFY2(ratio(c.color, kCasing) >= 3.0, c.what);
            }
        }
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
        QCOMPARE(ExportChart(model, LocalFilePath(path), QSize(400, 300)), QString());
        QCOMPARE(QImage(path).size(), QSize(400, 300));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("eot.png")});

        const QString refused = QStringLiteral("/proc/eot.svg");
        const QString message = ExportChart(model, LocalFilePath(refused), QSize(400, 300));
        QVERIFY2(message.contains(refused), qPrintable(message));
        QVERIFY(!QFile::exists(refused));
        QVERIFY(!ExportChart(model, LocalFilePath(dir.filePath(QStringLiteral("eot.bmp"))),
                             QSize(400, 300))
                     .isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("eot.png")});
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::ChartPainterTest)
#include "chart_painter_test.moc"
