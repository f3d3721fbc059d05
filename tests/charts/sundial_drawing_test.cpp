// The sundial printed at true scale: the PDF's page and drawing in
// millimetres (its scale bar 100 mm long once the page's matrices are
// applied), the SVG's size in millimetres over a view box in millimetres, the
// CSV of the lines; tarvel-cli sundial writing the three formats, speaking
// the interface language, and refusing what it cannot draw with exit 2 and
// nothing written.
#include "chart_draw/sundial_drawing.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <string>
#include <vector>

#include "chart/sundial_model.h"
#include "cli/cli_options.h"
#include "cli/run_program.h"

namespace tarvel {

namespace {

// Rome, 41.9 N 12.5 E, a wall declining 20 degrees west: Italian hours and
// the solstices on a 50 cm plate.
SundialModel RomeDial() {
    SundialDesign design;
    design.type = DialType::kVertical;
    design.declinationDeg = 20;
    design.gnomonHeightMm = 100;
    design.sizeMm = 500;
    design.hours = {DialHourSystem::kItalian};
    design.equinoxes = false;
    SolarRequest request;
    request.SetClockReading({2025, 6, 1, 12, 0, 0});
    request.SetZone(1);
    request.latitude = 41.9;
    request.longitude = -12.5;
    return BuildSundial(design, {request, nullptr});
}

// The content streams of a PDF, inflated (Qt writes them with FlateDecode).
QList<QByteArray> ContentStreams(const QByteArray& pdf) {
    QList<QByteArray> streams;
    static const QRegularExpression start(QStringLiteral("stream\\r?\\n"));
    qsizetype at = 0;
    const QString text = QString::fromLatin1(pdf);
    while (true) {
        const QRegularExpressionMatch match = start.match(text, at);
        if (!match.hasMatch()) break;
        const qsizetype begin = match.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) break;
        const QByteArray data = pdf.mid(begin, end - begin);
        // qUncompress reads zlib's data after a four-byte expected size.
        QByteArray sized(4, '\0');
        const quint32 expected = static_cast<quint32>(data.size()) * 20 + 1024;
        sized[0] = static_cast<char>(expected >> 24);
        sized[1] = static_cast<char>(expected >> 16);
        sized[2] = static_cast<char>(expected >> 8);
        sized[3] = static_cast<char>(expected);
        const QByteArray inflated = qUncompress(sized + data);
        if (!inflated.isEmpty()) streams << inflated;
        at = end;
    }
    return streams;
}

}  // namespace

class SundialDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void pdfScaleBarMeasuresOneHundredMillimetres() {
        const SundialModel model = RomeDial();
        const SundialPage page = SundialPageLayout(model);
        const QByteArray pdf = SundialFileBytes(model, SundialFormat::kPdf);
        QVERIFY(pdf.startsWith("%PDF"));
        constexpr double kPointsPerMm = 72.0 / 25.4;
        // The page: the layout's millimetres in points (whole points).
        static const QRegularExpression mediaBox(
            QStringLiteral("MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
        const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf));
        QVERIFY(box.hasMatch());
        QVERIFY(std::fabs(box.captured(1).toDouble() - page.widthMm * kPointsPerMm) < 1);
        QVERIFY(std::fabs(box.captured(2).toDouble() - page.heightMm * kPointsPerMm) < 1);
        // The drawing's matrices (the device's, then the painter's) and a
        // horizontal line of the drawing 100 units long at the scale bar.
        bool found = false;
        for (const QByteArray& stream : ContentStreams(pdf)) {
            const QString text = QString::fromLatin1(stream);
            static const QRegularExpression device(
                QStringLiteral("^([0-9.]+) 0 0 -([0-9.]+) 0 [0-9.]+ cm$"),
                QRegularExpression::MultilineOption);
            static const QRegularExpression painter(
                QStringLiteral("^([0-9.]+) 0 0 ([0-9.]+) 0 0 cm$"),
                QRegularExpression::MultilineOption);
            const QRegularExpressionMatch d = device.match(text);
            const QRegularExpressionMatch p = painter.match(text);
            if (!d.hasMatch() || !p.hasMatch()) continue;
            const double scale = d.captured(1).toDouble() * p.captured(1).toDouble();
            QVERIFY2(std::fabs(scale - kPointsPerMm) < 1e-6, qPrintable(QString::number(scale)));
            static const QRegularExpression line(
                QStringLiteral("^([-0-9.]+) ([-0-9.]+) m\\n([-0-9.]+) ([-0-9.]+) l$"),
                QRegularExpression::MultilineOption);
            for (auto it = line.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const double x1 = m.captured(1).toDouble(), y1 = m.captured(2).toDouble();
                const double x2 = m.captured(3).toDouble(), y2 = m.captured(4).toDouble();
                if (std::fabs(y1 - page.scaleBar.y1()) > 1e-6 || y1 != y2) continue;
                if (std::fabs(x1 - page.scaleBar.x1()) > 1e-6) continue;
                // 100 mm on the printed page.
                QVERIFY(std::fabs((x2 - x1) * scale / kPointsPerMm - 100.0) < 1e-6);
                found = true;
            }
        }
        QVERIFY(found);
    }

    void svgSizeIsInMillimetresOverAViewBoxInMillimetres() {
        const SundialModel model = RomeDial();
        const SundialPage page = SundialPageLayout(model);
        const QByteArray svg = SundialFileBytes(model, SundialFormat::kSvg);
        QXmlStreamReader xml(svg);
        while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::StartElement)) {
        }
        QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString width = attributes.value(QStringLiteral("width")).toString();
        const QString height = attributes.value(QStringLiteral("height")).toString();
        QVERIFY(width.endsWith(QStringLiteral("mm")));
        QVERIFY(height.endsWith(QStringLiteral("mm")));
        const QStringList view =
            attributes.value(QStringLiteral("viewBox")).toString().split(QLatin1Char(' '));
        QCOMPARE(view.size(), 4);
        QVERIFY(std::fabs(width.chopped(2).toDouble() - view[2].toDouble()) < 0.05);
        QVERIFY(std::fabs(height.chopped(2).toDouble() - view[3].toDouble()) < 0.05);
        QVERIFY(std::fabs(view[2].toDouble() - page.widthMm) < 0.05);
    }

    void csvListsTheGnomonPlateAndEveryPointOfTheLines() {
        const SundialModel model = RomeDial();
        const QList<QByteArray> rows = SundialFileBytes(model, SundialFormat::kCsv).split('\n');
        QCOMPARE(rows.front(), QByteArray("line,kind,value,date,declination_deg,piece,x_mm,y_mm"));
        QCOMPARE(rows[1], QByteArray("gnomon,foot,100.00,,,,0.00,0.00"));
        std::size_t hourPoints = 0;
        std::size_t datePoints = 0;
        for (const QByteArray& row : rows) {
            const QList<QByteArray> cells = row.split(',');
            if (cells.size() != 8 || (cells[0] != "hour" && cells[0] != "date")) continue;
            (cells[0] == "hour" ? hourPoints : datePoints) += 1;
            const double x = cells[6].toDouble(), y = cells[7].toDouble();
            QVERIFY(x >= model.plateLeft - 0.01 && x <= model.plateLeft + model.plateSide + 0.01);
            QVERIFY(y >= model.plateBottom - 0.01 &&
                    y <= model.plateBottom + model.plateSide + 0.01);
        }
        std::size_t expectedHour = 0, expectedDate = 0;
        for (const DialLine& line : model.hourLines) {
            for (const auto& piece : line.pieces) expectedHour += piece.size();
        }
        for (const DialLine& line : model.dateLines) {
            for (const auto& piece : line.pieces) expectedDate += piece.size();
        }
        QCOMPARE(hourPoints, expectedHour);
        QCOMPARE(datePoints, expectedDate);
        QVERIFY(hourPoints > 0 && datePoints > 0);
    }

    void theToolWritesEachFormatInTheInterfaceLanguage() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        struct Case {
            const char* file;
            const char* lang;
            const char* starts;  // the file's first bytes
            const char* holds;   // a text it holds
        };
        const Case cases[] = {
            {"rome.svg", "en", "<?xml", "<title>Vertical sundial</title>"},
            {"rome.SVG", "pt", "<?xml", "<title>Relógio de sol vertical</title>"},
            {"rome.svg", "it", "<?xml", "<title>Orologio solare verticale</title>"},
            {"rome.pdf", "en", "%PDF", ""},
            {"rome.csv", "en", "line,kind,value", "hour,italian,"},
        };
        for (const Case& c : cases) {
            const std::string path = dir.filePath(QLatin1String(c.file)).toStdString();
            const testing::ProgramRun run = testing::RunCli(
                {"sundial", "--lat",           "41.9",       "--lon",  "12.5",     "--zone",
                 "1",       "--date",          "2025-06-01", "--type", "vertical", "--declination",
                 "20",      "--gnomon-height", "100",        "--size", "500",      "--hours",
                 "italian", "--dates",         "solstices",  "--lang", c.lang,     "--output",
                 path});
            QVERIFY2(run.exitCode == kExitSuccess, (std::string(c.file) + ": " + run.err).c_str());
            QVERIFY(run.out.empty() && run.err.empty());
            QFile file(QString::fromStdString(path));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.startsWith(c.starts), c.file);
            QVERIFY2(bytes.contains(c.holds), (std::string(c.file) + " " + c.lang).c_str());
        }
    }

    void refusalsExitTwoAndWriteNothing() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string svg = dir.filePath(QStringLiteral("dial.svg")).toStdString();
        const std::vector<std::vector<std::string>> cases = {
            {"sundial", "--output", svg, "--type", "sloping"},
            {"sundial", "--output", dir.filePath(QStringLiteral("dial.png")).toStdString()},
            {"sundial", "--output", svg, "--hours", "true,true"},
            {"sundial", "--output", svg, "--hours", "roman"},
            {"sundial", "--output", svg, "--dates", "2025-02-30"},
            {"sundial", "--output", svg, "--inclination", "90"},
            {"sundial", "--output", svg, "--gnomon-height", "0"},
            {"sundial", "--output", svg, "--subdivisions", "3"},
            {"sundial", "--type", "vertical"},
            {"--lat", "45", "sundial", "--output", svg},
        };
        for (const std::vector<std::string>& args : cases) {
            const testing::ProgramRun run = testing::RunCli(args);
            QVERIFY2(run.exitCode == kExitUsage, testing::Joined(args).c_str());
            QCOMPARE(testing::Lines(run.err).size(), std::size_t{1});
            QVERIFY2(run.err.rfind("tarvel-cli: ", 0) == 0, run.err.c_str());
            QVERIFY(!QFile::exists(QString::fromStdString(svg)));
        }
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::SundialDrawingTest)
#include "sundial_drawing_test.moc"
