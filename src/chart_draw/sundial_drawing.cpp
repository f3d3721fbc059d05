#include "chart_draw/sundial_drawing.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPen>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_texts.h"

namespace tarvel {

using namespace chart_draw;
using namespace chart_colors;

namespace {

constexpr double kMarginMm = 12;
constexpr double kLineMm = 5;  // a text line under the plate
constexpr double kTextMm = 3.5;
constexpr double kLabelMm = 3.0;  // the lines' labels
// The date lines, apart from every hour system's colour.
const QColor kDateLines{0x5C, 0x5C, 0x5C};

QColor ColorOf(DialHourSystem system) {
    switch (system) {
        case DialHourSystem::kTrue:
            return kBlack;
        case DialHourSystem::kMean:
            return kBlue;
        case DialHourSystem::kItalian:
            return kVermillion;
        case DialHourSystem::kBabylonian:
            return kBluishGreen;
        case DialHourSystem::kTemporal:
            return kReddishPurple;
    }
    return kBlack;
}

QString TypeTitle(DialType type) {
    switch (type) {
        case DialType::kHorizontal:
            return Tr("Orologio solare orizzontale");
        case DialType::kVertical:
            return Tr("Orologio solare verticale");
        case DialType::kEquatorial:
            return Tr("Orologio solare equatoriale");
        case DialType::kPolar:
            return Tr("Orologio solare polare");
    }
    return {};
}

QString SystemText(DialHourSystem system, const QString& zone) {
    switch (system) {
        case DialHourSystem::kTrue:
            return Tr("Ore vere (tempo solare vero)");
        case DialHourSystem::kMean:
            return Tr("Tempo medio del fuso %1 (curve a otto)").arg(zone);
        case DialHourSystem::kItalian:
            return Tr("Ore italiche (dal tramonto)");
        case DialHourSystem::kBabylonian:
            return Tr("Ore babiloniche (dall'alba)");
        case DialHourSystem::kTemporal:
            return Tr("Ore temporali (dodicesimi del giorno)");
    }
    return {};
}

// The site as the charts name it.
ChartModel SiteModel(const SundialModel& model) {
    ChartModel site;
    site.placeName = model.placeName;
    site.latitude = model.latitudeDeg;
    site.longitudeWest = model.longitudeDeg;
    site.zoneName = model.zoneName;
    site.zoneOffsetHours = model.zoneOffsetHours;
    return site;
}

QString HourLabel(const DialLine& line) {
    if (line.system == DialHourSystem::kTrue || line.system == DialHourSystem::kMean) {
        const double whole = std::floor(line.value);
        if (line.value == whole) return QString::number(static_cast<int>(whole));
        return ClockText(line.value);
    }
    return QString::number(static_cast<int>(std::lround(line.value)));
}

QString DateLabel(const DialLine& line) {
    QString label = DayMonthText(line.date);
    if (line.dateKind != DialDateKind::kChosen) {
        // The sign entered: its symbol, Aries (U+2648) first.
        const int sign = static_cast<int>(std::lround(line.value / 30.0)) % 12;
        label = QString(QChar(0x2648 + sign)) + QLatin1Char(' ') + label;
    }
    return label;
}

// Text of height sizeMm with its left end of the baseline at `at` (or
// centred on it, or ending at it), narrowed to widthMm when wider.
void DrawText(QPainter& painter, QPointF at, const QString& text, double sizeMm,
              Qt::Alignment alignment = Qt::AlignLeft, double widthMm = 0) {
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(100);
    painter.setFont(font);
    const double advance = painter.fontMetrics().horizontalAdvance(text);  // font units
    const double width = advance * sizeMm / 100.0;
    const double narrowing = widthMm > 0 && width > widthMm ? widthMm / width : 1.0;
    painter.translate(at);
    painter.scale(sizeMm / 100.0 * narrowing, sizeMm / 100.0);
    double x = 0;
    if (alignment & Qt::AlignHCenter) x = -advance / 2;
    if (alignment & Qt::AlignRight) x = -advance;
    painter.drawText(QPointF(x, 0), text);
    painter.restore();
}

QPen Pen(const QColor& color, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, widthMm, style, Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

}  // namespace

SundialPage SundialPageLayout(const SundialModel& model) {
    SundialPage page;
    const double side = model.plateSide;
    page.widthMm = std::max(side, kSundialScaleBarMm + 40) + 2 * kMarginMm;
    page.plate = QRectF(kMarginMm, kMarginMm, side, side);
    page.textTopMm = kMarginMm + side + 8;
    const double texts = static_cast<double>(SundialTexts(model).size());
    const double barY = page.textTopMm + texts * kLineMm + 6;
    page.scaleBar = QLineF(kMarginMm, barY, kMarginMm + kSundialScaleBarMm, barY);
    page.templateTopMm = barY + 14;
    page.heightMm = page.templateTopMm + model.design.gnomonHeightMm + 8 + kMarginMm;
    return page;
}

QStringList SundialTexts(const SundialModel& model) {
    QStringList lines;
    lines << TypeTitle(model.design.type);
    lines << SiteAndZoneText(SiteModel(model));
    if (model.design.type == DialType::kVertical) {
        lines << Tr("Parete declinante %1° (da sud, positiva verso ovest), inclinazione %2°")
                     .arg(Number(model.design.declinationDeg, 1),
                          Number(model.design.inclinationDeg, 1));
    }
    if (model.centre) {
        // The substyle's angle from the plate's vertical, positive where its
        // lower end leans to the right.
        const double substyle = -std::remainder(model.substyleDirectionDeg, 180.0);
        lines << Tr("Nodo a %1 mm dal piano; stilo polare a %2° sul piano, lungo %3 mm; "
                    "sustilare a %4° dalla verticale del piano (positiva se scende verso destra)")
                     .arg(Number(model.design.gnomonHeightMm, 1), Number(model.styleHeightDeg, 2),
                          Number(model.styleLengthMm, 1), Number(substyle + 0.0, 2));
    } else {
        lines << Tr("Nodo a %1 mm dal piano; stilo polare parallelo al piano")
                     .arg(Number(model.design.gnomonHeightMm, 1));
    }
    for (DialHourSystem system : model.design.hours) {
        lines << SystemText(system, UtcOffsetText(model.zoneOffsetHours));
    }
    for (std::size_t i = 0; i < model.dateLines.size(); ++i) {
        QStringList spans;
        for (const DialSunlit& span : model.sunlit[i]) {
            spans << ClockText(span.startHours) + QChar(0x2013) + ClockText(span.endHours);
        }
        lines << Tr("Sole sul quadrante il %1: %2 (tempo solare vero)")
                     .arg(LongDateText(model.dateLines[i].date),
                          spans.isEmpty() ? Tr("mai") : spans.join(QStringLiteral(", ")));
    }
    return lines;
}

void PaintSundial(QPainter& painter, const SundialModel& model) {
    const SundialPage page = SundialPageLayout(model);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, page.widthMm, page.heightMm), kWhite);
    const QRectF plate = page.plate;
    const auto map = [&](DialPoint p) {
        return QPointF(plate.left() + (p.x - model.plateLeft),
                       plate.top() + (model.plateBottom + model.plateSide - p.y));
    };
    const auto polyline = [&](const std::vector<DialPoint>& points) {
        QPainterPath path;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i == 0) {
                path.moveTo(map(points[i]));
            } else {
                path.lineTo(map(points[i]));
            }
        }
        return path;
    };

    painter.save();
    painter.setClipRect(plate);
    // The substyle through the foot.
    painter.setPen(Pen(kGrid, 0.25, Qt::DashDotLine));
    for (const auto& piece : model.substyleLine) painter.drawPath(polyline(piece));
    painter.setBrush(Qt::NoBrush);
    for (const DialLine& line : model.dateLines) {
        painter.setPen(Pen(kDateLines, 0.35));
        for (const auto& piece : line.pieces) painter.drawPath(polyline(piece));
    }
    for (const DialLine& line : model.hourLines) {
        const bool whole = line.value == std::floor(line.value);
        painter.setPen(Pen(ColorOf(line.system), whole ? 0.35 : 0.18));
        for (const auto& piece : line.pieces) painter.drawPath(polyline(piece));
    }
    // The foot of the gnomon and the centre.
    painter.setPen(Pen(kBlack, 0.25));
    const QPointF foot = map({0, 0});
    painter.drawEllipse(foot, 1.5, 1.5);
    painter.drawLine(foot - QPointF(2.5, 0), foot + QPointF(2.5, 0));
    painter.drawLine(foot - QPointF(0, 2.5), foot + QPointF(0, 2.5));
    if (model.centre) {
        painter.setBrush(kBlack);
        painter.drawEllipse(map(*model.centre), 0.8, 0.8);
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();

    // The labels, held inside the plate.
    const QRectF inside = plate.adjusted(2, 4, -2, -1);
    const auto held = [&](QPointF p) {
        return QPointF(std::clamp(p.x(), inside.left(), inside.right()),
                       std::clamp(p.y(), inside.top(), inside.bottom()));
    };
    for (const DialLine& line : model.hourLines) {
        if (line.value != std::floor(line.value)) continue;
        painter.setPen(ColorOf(line.system));
        DrawText(painter, held(map(line.pieces.front().front())), HourLabel(line), kLabelMm,
                 Qt::AlignHCenter);
    }
    painter.setPen(kDateLines);
    for (const DialLine& line : model.dateLines) {
        if (line.pieces.empty()) continue;
        const auto& piece = line.pieces.front();
        DrawText(painter, held(map(piece[piece.size() / 2])), DateLabel(line), kLabelMm);
    }
    painter.setPen(Pen(kBlack, 0.4));
    painter.drawRect(plate);

    // The texts, the scale bar, the template.
    const QStringList texts = SundialTexts(model);
    double y = page.textTopMm;
    for (int i = 0; i < texts.size(); ++i) {
        painter.setPen(kBlack);
        const int hourIndex =
            i - (static_cast<int>(texts.size()) - static_cast<int>(model.dateLines.size()) -
                 static_cast<int>(model.design.hours.size()));
        double x = kMarginMm;
        if (hourIndex >= 0 && hourIndex < static_cast<int>(model.design.hours.size())) {
            painter.setPen(
                Pen(ColorOf(model.design.hours[static_cast<std::size_t>(hourIndex)]), 0.6));
            painter.drawLine(QPointF(x, y - 1.2), QPointF(x + 8, y - 1.2));
            x += 10;
        }
        DrawText(painter, QPointF(x, y), texts[i], i == 0 ? kTextMm * 1.3 : kTextMm, Qt::AlignLeft,
                 page.widthMm - kMarginMm - x);
        y += kLineMm;
    }
    const QLineF bar = page.scaleBar;
    painter.setPen(Pen(kBlack, 0.5));
    painter.drawLine(bar);
    painter.setPen(Pen(kBlack, 0.25));
    for (int mm = 0; mm <= static_cast<int>(kSundialScaleBarMm); mm += 10) {
        const double tick = mm % 50 == 0 ? 3 : 1.5;
        painter.drawLine(QPointF(bar.x1() + mm, bar.y1() - tick), QPointF(bar.x1() + mm, bar.y1()));
    }
    DrawText(painter, QPointF(bar.x1(), bar.y1() + 5), QStringLiteral("0"), kTextMm,
             Qt::AlignHCenter);
    DrawText(painter, QPointF(bar.x2(), bar.y1() + 5), QStringLiteral("100 mm"), kTextMm,
             Qt::AlignHCenter);
    DrawText(painter, QPointF(bar.x1() + kSundialScaleBarMm / 2, bar.y1() + 5),
             Tr("Scala 1:1: la barra misura 100 mm"), kTextMm * 0.8, Qt::AlignHCenter,
             kSundialScaleBarMm - 30);

    // The gnomon's template: the right triangle of the nodus' height and the
    // foot's distance from the centre, its hypotenuse the style.
    const double g = model.design.gnomonHeightMm;
    const double top = page.templateTopMm;
    DrawText(painter, QPointF(kMarginMm, top - 4), Tr("Sagoma dello gnomone (scala 1:1)"), kTextMm);
    painter.setPen(Pen(kBlack, 0.3));
    const double base = model.centre ? std::hypot(model.centre->x, model.centre->y) : 0;
    if (model.centre && base > 0.5 && base < page.widthMm - 2 * kMarginMm) {
        const QPointF centre(kMarginMm, top + g);
        const QPointF footPoint(kMarginMm + base, top + g);
        const QPointF nodus(kMarginMm + base, top);
        painter.drawPolygon(QPolygonF({centre, footPoint, nodus}));
        DrawText(painter, footPoint + QPointF(2, -g / 2), QStringLiteral("%1 mm").arg(Number(g, 1)),
                 kTextMm);
        DrawText(painter, centre + QPointF(base / 2, 4),
                 QStringLiteral("%1 mm").arg(Number(base, 1)), kTextMm, Qt::AlignHCenter);
        DrawText(painter, centre + QPointF(6, -1),
                 QStringLiteral("%1°").arg(Number(model.styleHeightDeg, 2)), kTextMm);
    } else {
        painter.drawLine(QPointF(kMarginMm, top), QPointF(kMarginMm, top + g));
        DrawText(painter, QPointF(kMarginMm + 3, top + g / 2),
                 QStringLiteral("%1 mm").arg(Number(g, 1)), kTextMm);
    }
}

std::optional<SundialFormat> SundialFormatOf(const std::filesystem::path& path) {
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (suffix == ".svg") return SundialFormat::kSvg;
    if (suffix == ".pdf") return SundialFormat::kPdf;
    if (suffix == ".csv") return SundialFormat::kCsv;
    return std::nullopt;
}

QByteArray SundialFileBytes(const SundialModel& model, SundialFormat format) {
    if (format == SundialFormat::kCsv) return QByteArray::fromStdString(SundialCsv(model));
    const SundialPage page = SundialPageLayout(model);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPainter painter;
    if (format == SundialFormat::kSvg) {
        // Ten units a millimetre for the size; the drawing's unit, the view
        // box's, is the millimetre.
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(254);
        generator.setSize(QSize(static_cast<int>(std::lround(page.widthMm * 10)),
                                static_cast<int>(std::lround(page.heightMm * 10))));
        generator.setViewBox(QRectF(0, 0, page.widthMm, page.heightMm));
        generator.setTitle(TypeTitle(model.design.type));
        generator.setDescription(QStringLiteral("Tarvel"));
        if (!painter.begin(&generator)) return {};
        PaintSundial(painter, model);
        painter.end();
        return bytes;
    }
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tarvel"));
    writer.setTitle(TypeTitle(model.design.type));
    writer.setPageSize(QPageSize(QSizeF(page.widthMm, page.heightMm), QPageSize::Millimeter,
                                 QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    constexpr int kDotsPerInch = 1200;
    writer.setResolution(kDotsPerInch);
    if (!painter.begin(&writer)) return {};
    painter.scale(kDotsPerInch / 25.4, kDotsPerInch / 25.4);
    PaintSundial(painter, model);
    painter.end();
    return bytes;
}

QString ExportSundial(const SundialModel& model, const std::filesystem::path& path,
                      const ChartExportTexts& texts) {
    const std::optional<SundialFormat> format = SundialFormatOf(path);
    if (!format) return texts.unknownFormat;
    return WriteExportBytes(SundialFileBytes(model, *format), path, texts);
}

}  // namespace tarvel
