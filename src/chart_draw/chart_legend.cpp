#include "chart_draw/chart_legend.h"

#include <QFontMetricsF>
#include <QPainter>

#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_texts.h"

namespace tarvel::chart_draw {

std::vector<LegendEntry> LegendOf(const ChartModel& model) {
    using namespace chart_colors;
    std::vector<LegendEntry> entries;
    switch (model.kind) {
        case ChartKind::kSunPath:
            entries = {{Tr("Percorso del Sole"), kOrange, Swatch::kLine},
                       {Tr("Sorgere e tramonto"), kBluishGreen, Swatch::kTriangle},
                       {Tr("Culminazione"), kBlue, Swatch::kDiamond},
                       {Tr("Sole adesso"), kVermillion, Swatch::kDot},
                       {Tr("Orizzonte vero"), kBlack, Swatch::kLine},
                       {Tr("Orizzonte apparente"), kBlack, Swatch::kDashedLine},
                       {Tr("Crepuscolo civile"), kCivil, Swatch::kBox},
                       {Tr("Crepuscolo nautico"), kNautical, Swatch::kBox},
                       {Tr("Crepuscolo astronomico"), kAstronomical, Swatch::kBox},
                       {Tr("Qibla"), kReddishPurple, Swatch::kDashedLine}};
            break;
        case ChartKind::kSunPathYear:
            entries = {{Tr("Solstizio d'estate"), kVermillion, Swatch::kLine},
                       {Tr("Equinozi"), kBluishGreen, Swatch::kLine},
                       {Tr("Solstizio d'inverno"), kBlue, Swatch::kLine},
                       {Tr("Altri mesi"), kOrange, Swatch::kLine},
                       {Tr("Data scelta"), kReddishPurple, Swatch::kLine},
                       {Tr("Orizzonte vero"), kBlack, Swatch::kLine},
                       {Tr("Orizzonte apparente"), kBlack, Swatch::kDashedLine}};
            break;
        case ChartKind::kAnalemma:
            entries = {{Tr("Analemma"), kOrange, Swatch::kLine},
                       {Tr("Data scelta"), kReddishPurple, Swatch::kDot},
                       {Tr("Primo del mese"), kBlack, Swatch::kDot},
                       {Tr("Equinozio"), kBluishGreen, Swatch::kDiamond},
                       {Tr("Solstizio"), kVermillion, Swatch::kDiamond}};
            break;
        case ChartKind::kEquationOfTime:
            entries = {{Tr("Equazione del tempo"), kBlue, Swatch::kLine},
                       {Tr("Massimi e minimi"), kVermillion, Swatch::kDot},
                       {Tr("Data scelta"), kBlack, Swatch::kLine, Qt::DashDotLine}};
            break;
        case ChartKind::kDaylight:
            entries = {{Tr("Giorno"), kDay, Swatch::kBox},
                       {Tr("Crepuscolo civile"), kCivil, Swatch::kBox},
                       {Tr("Crepuscolo nautico"), kNautical, Swatch::kBox},
                       {Tr("Crepuscolo astronomico"), kAstronomical, Swatch::kBox},
                       {Tr("Notte"), kNight, Swatch::kBox},
                       {Tr("Durata del giorno"), kVermillion, Swatch::kLine},
                       {Tr("Data scelta"), kBlack, Swatch::kLine, Qt::DashDotLine}};
            if (model.prayerLines) {
                for (int i = 0; i < 5; ++i) {
                    entries.push_back(
                        {Tr(kPrayerNames[i]), kPrayerColors[i], Swatch::kLine, kPrayerStyles[i]});
                }
            }
            break;
    }
    return entries;
}

double LegendWidth(const QFontMetricsF& fm, const LegendEntry& entry) {
    return fm.height() * 2.2 + fm.horizontalAdvance(entry.text) + fm.height();
}

int LegendRows(const QFontMetricsF& fm, const std::vector<LegendEntry>& entries, double width) {
    int rows = 1;
    double x = 0;
    for (const LegendEntry& e : entries) {
        const double w = LegendWidth(fm, e);
        if (x > 0 && x + w > width) {
            ++rows;
            x = 0;
        }
        x += w;
    }
    return rows;
}

namespace {

void DrawSwatch(QPainter& painter, const QPointF& at, Swatch swatch, const QColor& color,
                double size, Qt::PenStyle style) {
    switch (swatch) {
        case Swatch::kDot:
            painter.drawEllipse(at, size, size);
            break;
        case Swatch::kDiamond: {
            const QPointF pts[4] = {at + QPointF(0, -size * 1.3), at + QPointF(size * 1.3, 0),
                                    at + QPointF(0, size * 1.3), at + QPointF(-size * 1.3, 0)};
            painter.drawPolygon(pts, 4);
            break;
        }
        case Swatch::kTriangle: {
            const QPointF pts[3] = {at + QPointF(0, -size * 1.4), at + QPointF(size * 1.3, size),
                                    at + QPointF(-size * 1.3, size)};
            painter.drawPolygon(pts, 3);
            break;
        }
        case Swatch::kBox:
            painter.drawRect(QRectF(at - QPointF(size, size), at + QPointF(size, size)));
            break;
        case Swatch::kLine:
        case Swatch::kDashedLine:
            painter.setPen(QPen(color, 2, swatch == Swatch::kLine ? style : Qt::DashLine));
            painter.drawLine(at - QPointF(size * 2.2, 0), at + QPointF(size * 2.2, 0));
            break;
    }
}

}  // namespace

void DrawMarker(QPainter& painter, const QPointF& at, Swatch swatch, const QColor& color,
                double size) {
    painter.save();
    // The white ring around the marker.
    painter.setPen(QPen(chart_colors::kCasing, 4));
    painter.setBrush(Qt::NoBrush);
    DrawSwatch(painter, at, swatch, color, size, Qt::SolidLine);
    painter.setPen(QPen(chart_colors::kBlack, 1));
    painter.setBrush(color);
    DrawSwatch(painter, at, swatch, color, size, Qt::SolidLine);
    painter.restore();
}

void DrawLegend(QPainter& painter, const Layout& layout, const std::vector<LegendEntry>& entries) {
    const QFontMetricsF fm(layout.font);
    const double h = layout.lineHeight;
    double x = layout.legendRect.left();
    double y = layout.legendRect.top() + h * 0.65;
    for (const LegendEntry& e : entries) {
        const double w = LegendWidth(fm, e);
        if (x > layout.legendRect.left() && x + w > layout.legendRect.right()) {
            x = layout.legendRect.left();
            y += h * 1.3;
        }
        painter.save();
        painter.setPen(QPen(chart_colors::kBlack, 1));
        painter.setBrush(e.color);
        DrawSwatch(painter, QPointF(x + h, y), e.swatch, e.color, h * 0.35, e.style);
        painter.restore();
        painter.setPen(chart_colors::kBlack);
        painter.drawText(QPointF(x + h * 2.2, y + fm.ascent() / 2 - fm.descent() / 2), e.text);
        x += w;
    }
}

}  // namespace tarvel::chart_draw
