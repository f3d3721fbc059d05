#include "chart_draw/chart_axes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "chart/chart_data.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_texts.h"

namespace tarvel::chart_draw {

void DrawAxes(QPainter& painter, const Layout& layout, const Plot& plot,
              const std::vector<Tick>& xs, const std::vector<Tick>& ys, const QString& xTitle,
              const QString& yTitle, const std::vector<Tick>& rightYs, const QString& rightTitle,
              double gridFloor) {
    const QFontMetricsF fm(layout.font);
    const double h = layout.lineHeight;
    painter.save();
    painter.setFont(layout.font);
    painter.setPen(QPen(chart_colors::kGrid, 1));
    if (gridFloor < plot.y1) {
        const double floorY =
            std::min(plot.rect.bottom(), plot.Map(plot.x0, std::max(gridFloor, plot.y0)).y());
        for (const Tick& t : xs) {
            const double x = plot.Map(t.value, plot.y0).x();
            painter.drawLine(QPointF(x, plot.rect.top()), QPointF(x, floorY));
        }
        for (const Tick& t : ys) {
            if (t.value < gridFloor) continue;
            const double y = plot.Map(plot.x0, t.value).y();
            painter.drawLine(QPointF(plot.rect.left(), y), QPointF(plot.rect.right(), y));
        }
    }
    painter.setPen(QPen(chart_colors::kBlack, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.rect);
    for (const Tick& t : xs) {
        const double x = plot.Map(t.value, plot.y0).x();
        painter.drawLine(QPointF(x, plot.rect.bottom()), QPointF(x, plot.rect.bottom() + h * 0.3));
        const QStringList lines = t.label.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            painter.drawText(
                QPointF(x - fm.horizontalAdvance(lines[i]) / 2, plot.rect.bottom() + h * (1.2 + i)),
                lines[i]);
        }
    }
    for (const Tick& t : ys) {
        const double y = plot.Map(plot.x0, t.value).y();
        painter.drawLine(QPointF(plot.rect.left() - h * 0.3, y), QPointF(plot.rect.left(), y));
        painter.drawText(QPointF(plot.rect.left() - h * 0.45 - fm.horizontalAdvance(t.label),
                                 y + fm.ascent() / 2 - fm.descent() / 2),
                         t.label);
    }
    for (const Tick& t : rightYs) {
        const double y = plot.Map(plot.x0, t.value).y();
        painter.drawLine(QPointF(plot.rect.right(), y), QPointF(plot.rect.right() + h * 0.3, y));
        painter.drawText(
            QPointF(plot.rect.right() + h * 0.45, y + fm.ascent() / 2 - fm.descent() / 2), t.label);
    }
    const int xTitleLines =
        xs.empty() ? 1 : static_cast<int>(xs.front().label.count(QLatin1Char('\n'))) + 1;
    painter.drawText(QPointF(plot.rect.center().x() - fm.horizontalAdvance(xTitle) / 2,
                             plot.rect.bottom() + h * (1.5 + xTitleLines)),
                     xTitle);
    const auto vertical = [&](const QString& text, double x) {
        painter.save();
        painter.translate(x, plot.rect.center().y() + fm.horizontalAdvance(text) / 2);
        painter.rotate(-90);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    };
    const double widest = TickLabelWidth(fm);
    vertical(yTitle, plot.rect.left() - h * 0.6 - widest);
    if (!rightTitle.isEmpty()) vertical(rightTitle, plot.rect.right() + h * 1.2 + widest);
    painter.restore();
}

std::vector<Tick> NumberTicks(double from, double to, double step, int decimals) {
    std::vector<Tick> ticks;
    for (double v = std::ceil(from / step) * step; v <= to + 1e-9; v += step) {
        ticks.push_back({v, Number(v, decimals)});
    }
    return ticks;
}

std::vector<Tick> BearingTicks(const Plot& plot) {
    std::vector<Tick> ticks;
    const double step = plot.x1 - plot.x0 > 120 ? 45 : 10;
    for (double v = std::ceil(plot.x0 / step) * step; v <= plot.x1 + 1e-9; v += step) {
        const double reduced = std::fmod(std::fmod(v, 360.0) + 360.0, 360.0);
        QString label = Number(reduced, 0) + QStringLiteral("°");
        const double eighth = reduced / 45.0;
        if (std::abs(eighth - std::round(eighth)) < 1e-9) {
            label +=
                QLatin1Char('\n') + Tr(kCompassPoints[static_cast<int>(std::round(eighth)) % 8]);
        }
        ticks.push_back({v, label});
    }
    return ticks;
}

std::vector<Tick> MonthTicks(int year) {
    std::vector<Tick> ticks;
    const std::vector<ChartDate> dates = DatesOfYear(year);
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].day == 1)
            ticks.push_back({static_cast<double>(i), Tr(kMonthShortNames[dates[i].month - 1])});
    }
    return ticks;
}

void DrawCasedPath(QPainter& painter, const QPainterPath& path, const QPen& pen) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen casing(chart_colors::kCasing, pen.widthF() + 3, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
    painter.setPen(casing);
    painter.drawPath(path);
    painter.setPen(pen);
    painter.drawPath(path);
    painter.restore();
}

void DrawCasedLine(QPainter& painter, const QPointF& from, const QPointF& to, const QPen& pen) {
    QPainterPath path(from);
    path.lineTo(to);
    DrawCasedPath(painter, path, pen);
}

void DrawDateLine(QPainter& painter, const Plot& plot, double x, const QString& date) {
    const QPointF top = plot.Map(x, plot.y1);
    DrawCasedLine(painter, top, plot.Map(x, plot.y0),
                  QPen(chart_colors::kBlack, 1.2, Qt::DashDotLine));
    DrawLabel(painter, top + QPointF(0, QFontMetricsF(painter.font()).height() + 4), date, plot);
}

void DrawLabel(QPainter& painter, const QPointF& at, const QString& text, const Plot& plot,
               const QColor& color) {
    const QFontMetricsF fm(painter.font());
    const double width = fm.horizontalAdvance(text);
    QPointF p = at + QPointF(4, -4);
    p.setX(std::min(p.x(), plot.rect.right() - width - 2));
    p.setY(std::max(p.y(), plot.rect.top() + fm.ascent()));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(chart_colors::kLabelBacking);
    painter.drawRect(QRectF(p.x() - 1.5, p.y() - fm.ascent() - 0.5, width + 3, fm.height() + 1));
    painter.setPen(color);
    painter.drawText(p, text);
    painter.restore();
}

// Limits the painting to the plot: its rectangle, or the polar form's disk.
void ClipTo(QPainter& painter, const Plot& plot) {
    if (plot.polar) {
        QPainterPath disk;
        disk.addEllipse(plot.rect.center(), plot.Rim(), plot.Rim());
        painter.setClipPath(disk);
    } else {
        painter.setClipRect(plot.rect);
    }
}

}  // namespace tarvel::chart_draw
