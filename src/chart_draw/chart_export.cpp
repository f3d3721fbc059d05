#include "chart_draw/chart_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "chart_draw/chart_painter.h"
#include "chart_draw/chart_texts.h"

namespace tarvel {

using namespace chart_draw;

QString ExportChart(const ChartModel& model, const QString& path, const QSize& size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool svg = suffix == QLatin1String("svg");
    if (!svg && suffix != QLatin1String("png")) {
        return Tr("Formato non riconosciuto: il nome del file deve finire in .png o .svg");
    }
    // Written beside the file and put in its place only when whole, so that a
    // failure leaves no half-written file and any earlier file as it was.
    QSaveFile file(path);
    const auto failed = [&] {
        file.cancelWriting();
        const QString reason = file.errorString();
        return Tr("Impossibile scrivere il file %1").arg(path) +
               (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    };
    if (!file.open(QIODevice::WriteOnly)) return failed();
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setTitle(ChartTitle(model.kind));
        generator.setDescription(QStringLiteral("Tarvel"));
        QPainter painter;
        if (!painter.begin(&generator)) return failed();
        PaintChart(painter, area, model);
        painter.end();
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintChart(painter, area, model);
        painter.end();
        if (!image.save(&file, "PNG")) return failed();
    }
    if (!file.commit()) return failed();
    return {};
}

}  // namespace tarvel
