#include "chart_draw/chart_painter.h"

#include <QPainter>
#include <algorithm>

#include "chart_draw/chart_kinds.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_plot.h"
#include "chart_draw/chart_texts.h"

namespace tarvel {

using namespace chart_draw;

QString ChartTitle(ChartKind kind) {
    switch (kind) {
        case ChartKind::kSunPath:
            return Tr("Percorso del Sole");
        case ChartKind::kSunPathYear:
            return Tr("Percorsi del Sole il 21 di ogni mese");
        case ChartKind::kAnalemma:
            return Tr("Analemma");
        case ChartKind::kEquationOfTime:
            return Tr("Equazione del tempo");
        case ChartKind::kDaylight:
            return Tr("Giorno e crepuscoli nell'anno");
    }
    return {};
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartModel& model) {
    const Layout layout = LayoutOf(model, area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    painter.setFont(layout.font);

    QString title = ChartTitle(model.kind);
    switch (model.kind) {
        case ChartKind::kSunPath:
            title += QStringLiteral(", ") + LongDateText(model.sunPath.day.date);
            break;
        case ChartKind::kAnalemma:
            title = Tr("Analemma alle %1 del fuso (senza ora legale), %2")
                        .arg(ClockText(model.analemma.clockHours))
                        .arg(model.analemma.year);
            break;
        case ChartKind::kSunPathYear:
        case ChartKind::kEquationOfTime:
        case ChartKind::kDaylight:
            title += QStringLiteral(", %1").arg(model.year);
            break;
    }
    // Two exports told apart: the place and the zone on a second line.
    title += QLatin1Char('\n') + SiteAndZoneText(model);
    QFont bold = layout.font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(chart_colors::kBlack);
    painter.drawText(layout.titleRect, Qt::AlignCenter, title);
    painter.setFont(layout.font);

    switch (model.kind) {
        case ChartKind::kSunPath:
            PaintSunPath(painter, layout, model);
            break;
        case ChartKind::kSunPathYear:
            PaintSunPathYear(painter, layout, model);
            break;
        case ChartKind::kAnalemma:
            PaintAnalemma(painter, layout, model);
            break;
        case ChartKind::kEquationOfTime:
            PaintEquationOfTime(painter, layout, model);
            break;
        case ChartKind::kDaylight:
            PaintDaylight(painter, layout, model);
            break;
    }
    painter.setFont(layout.font);
    DrawLegend(painter, layout, LegendOf(model));
    painter.restore();
}

QPointF ChartPixel(const ChartModel& model, const QRectF& area, double x, double y, int panel) {
    const Layout layout = LayoutOf(model, area);
    const Plot& plot = layout.plots[static_cast<std::size_t>(
        std::min<int>(panel, static_cast<int>(layout.plots.size()) - 1))];
    const bool sky = model.kind == ChartKind::kSunPath || model.kind == ChartKind::kSunPathYear ||
                     (model.kind == ChartKind::kAnalemma && panel == 0);
    return plot.Map(sky ? AxisBearing(x, model.sunPath.latitude) : x, y);
}

}  // namespace tarvel
