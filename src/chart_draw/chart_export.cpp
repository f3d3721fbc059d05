#include "chart_draw/chart_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <string>

#include "chart_draw/chart_painter.h"
#include "chart_draw/chart_texts.h"
#include "files/file_writer.h"
#include "format/printf_text.h"

namespace tarvel {

using namespace chart_draw;

ChartExportTexts TranslatedChartExportTexts() {
    return {Tr("Formato non riconosciuto: il nome del file deve finire in .png o .svg"),
            Tr("Impossibile scrivere il file %1") + QStringLiteral(": %2")};
}

ChartExportTexts EnglishChartExportTexts() {
    return {QStringLiteral("Unknown format: the file's name must end in .png or .svg"),
            QStringLiteral("Cannot save %1: %2")};
}

std::filesystem::path LocalFilePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QByteArray ChartFileBytes(const ChartModel& model, const QSize& size, bool svg, double scale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    scale = std::max(1.0, scale);
    const QRectF area(QPointF(0, 0), QSizeF(size) / scale);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRectF(QPointF(0, 0), QSizeF(size)));
        generator.setTitle(ChartTitle(model.kind));
        generator.setDescription(QStringLiteral("Tarvel"));
        QPainter painter;
        if (!painter.begin(&generator)) return {};
        painter.scale(scale, scale);
        PaintChart(painter, area, model);
        painter.end();
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        PaintChart(painter, area, model);
        painter.end();
        if (!image.save(&buffer, "PNG")) return {};
    }
    return bytes;
}

QString ExportChart(const ChartModel& model, const std::filesystem::path& path, const QSize& size,
                    const ChartExportTexts& texts, double scale) {
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool svg = suffix == ".svg";
    if (!svg && suffix != ".png") return texts.unknownFormat;
    return WriteExportBytes(ChartFileBytes(model, size, svg, scale), path, texts);
}

QString WriteExportBytes(const QByteArray& bytes, const std::filesystem::path& path,
                         const ChartExportTexts& texts) {
    const std::string failure = texts.failure.toStdString();
    if (bytes.isEmpty()) return QString::fromStdString(FillMessage(failure, path.string(), ""));
    return QString::fromStdString(WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        failure));
}

}  // namespace tarvel
