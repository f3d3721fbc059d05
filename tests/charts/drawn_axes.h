// The axes of a chart as a reader finds them: the texts the painter wrote and
// where (recorded by a paint device that keeps only the texts), the labelled
// ticks among them, and from those the straight line from a value to a pixel.
// The tests place the values they expect through these axes, never through
// the painter's own projection, so that a chart whose marks disagree with its
// labels fails.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <QTextItem>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tarvel::test {

// One text as drawn: its baseline's start in the device's pixels and its font.
struct DrawnText {
    QString text;
    QPointF baseline;
    QFont font;

    double Width() const { return QFontMetricsF(font).horizontalAdvance(text); }
    // The middle of the text's width, and the height halfway between its
    // ascent and its descent.
    double CentreX() const { return baseline.x() + Width() / 2; }
    double MiddleY() const {
        const QFontMetricsF fm(font);
        return baseline.y() - (fm.ascent() - fm.descent()) / 2;
    }
    double Right() const { return baseline.x() + Width(); }
};

// A paint engine that records the texts and draws nothing else.
class TextRecordingEngine : public QPaintEngine {
  public:
    TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.push_back({item.text(), transform_.map(p), item.font()});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<DrawnText> texts;

  private:
    QTransform transform_;
};

class TextRecordingDevice : public QPaintDevice {
  public:
    explicit TextRecordingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<DrawnText>& Texts() const { return engine_.texts; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return size_.width() * 254 / 960;
            case PdmHeightMM:
                return size_.height() * 254 / 960;
            case PdmNumColors:
                return INT_MAX;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    QSize size_;
    mutable TextRecordingEngine engine_;
};

// The texts a painting writes on an area of size pixels.
inline std::vector<DrawnText> TextsOf(QSize size,
                                      const std::function<void(QPainter&, const QRectF&)>& paint) {
    TextRecordingDevice device(size);
    QPainter painter(&device);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return device.Texts();
}

// A straight axis: value = a + b * pixel, fitted to its labelled ticks;
// worst is the largest distance in pixels of a tick from the line.
struct Axis {
    double valueAtZero = 0, valuePerPixel = 1;
    double worst = 0;
    double firstValue = 0, lastValue = 0;  // the labels at both ends
    int ticks = 0;

    double Pixel(double value) const { return (value - valueAtZero) / valuePerPixel; }
};

struct Tick {
    double value;
    double pixel;
};

inline Axis FitAxis(const std::vector<Tick>& ticks) {
    Axis axis;
    axis.ticks = static_cast<int>(ticks.size());
    if (ticks.size() < 2) return axis;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Tick& t : ticks) {
        sx += t.pixel;
        sy += t.value;
        sxx += t.pixel * t.pixel;
        sxy += t.pixel * t.value;
    }
    const double n = static_cast<double>(ticks.size());
    axis.valuePerPixel = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    axis.valueAtZero = (sy - axis.valuePerPixel * sx) / n;
    for (const Tick& t : ticks)
        axis.worst = std::max(axis.worst, std::abs(axis.Pixel(t.value) - t.pixel));
    std::vector<Tick> sorted = ticks;
    std::sort(sorted.begin(), sorted.end(),
              [](const Tick& a, const Tick& b) { return a.pixel < b.pixel; });
    axis.firstValue = sorted.front().value;
    axis.lastValue = sorted.back().value;
    return axis;
}

// Reads a label's value; none when the text is no label of the axis.
using LabelReader = std::function<std::optional<double>(const QString&)>;

// A whole number, optionally followed by text (a unit: "45°").
inline LabelReader NumberLabel(const QString& suffix = QString()) {
    return [suffix](const QString& text) -> std::optional<double> {
        if (!text.endsWith(suffix)) return std::nullopt;
        bool ok = false;
        const double value = text.left(text.size() - suffix.size()).toDouble(&ok);
        if (!ok || text.size() == suffix.size()) return std::nullopt;
        return value;
    };
}

// The horizontal axes: labels of one reader on a common baseline, read at the
// middle of their width; the most numerous row between fromX and toX.
// A compass's labels are read as bearings growing from left to right (360
// written as 0).
inline Axis HorizontalAxis(const std::vector<DrawnText>& texts, const LabelReader& read,
                           double fromX = -1e9, double toX = 1e9, bool compass = false) {
    std::map<long, std::vector<Tick>> rows;
    for (const DrawnText& t : texts) {
        if (t.baseline.x() < fromX || t.baseline.x() > toX) continue;
        if (const auto value = read(t.text)) {
            rows[std::lround(t.baseline.y() * 2)].push_back({*value, t.CentreX()});
        }
    }
    const std::vector<Tick>* best = nullptr;
    for (const auto& [y, ticks] : rows) {
        if (best == nullptr || ticks.size() > best->size()) best = &ticks;
    }
    if (best == nullptr) return {};
    std::vector<Tick> ticks = *best;
    if (compass) {
        std::sort(ticks.begin(), ticks.end(),
                  [](const Tick& a, const Tick& b) { return a.pixel < b.pixel; });
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            while (ticks[i].value < ticks[i - 1].value) ticks[i].value += 360;
        }
    }
    return FitAxis(ticks);
}

// The bearings of a sky chart, labelled in degrees.
inline Axis CompassAxis(const std::vector<DrawnText>& texts) {
    return HorizontalAxis(texts, NumberLabel(QStringLiteral("°")), -1e9, 1e9, true);
}

// The vertical axes: labels of one reader whose right ends line up (numbers
// set right of a frame's left side), read at their middle height; the
// column furthest left at or after fromX.
inline Axis VerticalAxis(const std::vector<DrawnText>& texts, const LabelReader& read,
                         double fromX = -1e9) {
    std::map<long, std::vector<Tick>> columns;
    for (const DrawnText& t : texts) {
        if (t.baseline.x() < fromX) continue;
        if (const auto value = read(t.text)) {
            columns[std::lround(t.Right() * 2)].push_back({*value, t.MiddleY()});
        }
    }
    for (const auto& [x, ticks] : columns) {
        if (ticks.size() >= 3) return FitAxis(ticks);
    }
    return {};
}

// Whether a dark line (a frame's side) passes within a pixel of at.
inline bool DarkNear(const QImage& image, const QPointF& at) {
    const QPoint centre = at.toPoint();
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor c = image.pixelColor(centre + QPoint(dx, dy));
            if (c.red() < 110 && c.green() < 110 && c.blue() < 110) return true;
        }
    }
    return false;
}

}  // namespace tarvel::test
