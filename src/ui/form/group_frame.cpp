#include "ui/form/group_frame.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <QVariant>
#include <utility>

namespace tarvel {

namespace {

QStringList CaptionLines(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('\r'));
    return text.split(QLatin1Char('\n'));
}

QWidget* FindControlIn(const QObject* parent, int id) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) {
            continue;
        }
        const QVariant value = widget->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id) {
            return widget;
        }
        if (QWidget* found = FindControlIn(widget, id)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

QWidget* FindControl(const QWidget* window, int id) {
    return window == nullptr ? nullptr : FindControlIn(window, id);
}

QGroupBox* AddHiddenGroup(QWidget* parent, int id, const QString& caption, const QRect& rect) {
    auto* group = new QGroupBox(caption, parent);
    group->setProperty(kControlIdProperty, id);
    group->setObjectName(QStringLiteral("c%1").arg(id));
    group->setGeometry(rect);
    group->hide();
    return group;
}

QFont MessageFont() {
    return QApplication::font("QMessageBox");
}

QRect GroupCaptionRect(const QFont& font, const QRect& groupRect, const QString& caption) {
    const QFontMetrics metrics(font);
    // The font's height value is a negative character height: the caption
    // starts that many pixels to the right of the frame's left edge.
    const int h = -QFontInfo(font).pixelSize();
    const QStringList lines = CaptionLines(caption);
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int height = static_cast<int>(lines.size()) * metrics.height();
    return QRect(groupRect.left() - h, groupRect.top(), width, height);
}

QVector<QPoint> GroupFramePoints(const QFont& font, const QRect& groupRect,
                                 const QString& caption) {
    const QRect s = GroupCaptionRect(font, groupRect, caption);
    const int left = groupRect.x();
    const int top = groupRect.y();
    const int right = groupRect.x() + groupRect.width();
    const int bottom = groupRect.y() + groupRect.height();
    const int sLeft = s.x();
    const int sRight = s.x() + s.width();
    const int m = top + s.height() / 2;
    return {QPoint(sLeft - 2, m),  QPoint(left, m),  QPoint(left, bottom),
            QPoint(right, bottom), QPoint(right, m), QPoint(sRight + 2, m)};
}

void DrawGroupFrame(QPainter& painter, const QRect& groupRect, const QString& caption) {
    const QFont font = painter.font();
    const QVector<QPoint> points = GroupFramePoints(font, groupRect, caption);
    painter.drawPolyline(points.constData(), static_cast<int>(points.size()));

    const QRect s = GroupCaptionRect(font, groupRect, caption);
    const QFontMetrics metrics(font);
    const QPen framePen = painter.pen();
    painter.setPen(Qt::black);
    int y = s.top();
    for (const QString& line : CaptionLines(caption)) {
        painter.drawText(QPoint(s.left(), y + metrics.ascent()), line);
        y += metrics.height();
    }
    painter.setPen(framePen);
}

void DrawGroupFrame(QPainter& painter, const QWidget* window, int groupId) {
    const QWidget* control = FindControl(window, groupId);
    const auto* group = qobject_cast<const QGroupBox*>(control);
    if (group == nullptr) {
        return;
    }
    const QPoint topLeft = group->parentWidget() == window
                               ? group->pos()
                               : group->parentWidget()->mapTo(window, group->pos());
    DrawGroupFrame(painter, QRect(topLeft, group->size()), group->title());
}

void PaintGroupFrames(QPainter& painter, const QWidget* window, const QVector<int>& groupIds) {
    painter.setBackgroundMode(Qt::TransparentMode);
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(MessageFont());
    for (int id : groupIds) {
        DrawGroupFrame(painter, window, id);
    }
}

FormCanvas::FormCanvas(QVector<int> groupIds, QWidget* parent)
    : QWidget(parent), groupIds_(std::move(groupIds)) {}

void FormCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGroupFrames(painter, this, groupIds_);
}

}  // namespace tarvel
