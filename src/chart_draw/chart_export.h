// A chart written to a file, as a PNG picture or an SVG drawing.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <filesystem>

#include "chart/chart_model.h"

namespace tarvel {

// What an export says when it fails.
struct ChartExportTexts {
    // The file's name ends in neither .png nor .svg.
    QString unknownFormat;
    // The file could not be written: "%1" is replaced by its path, "%2" by
    // the system's reason.
    QString failure;
};

// The window's texts, in its interface language.
ChartExportTexts TranslatedChartExportTexts();

// The command-line tool's texts, in English like its other messages.
ChartExportTexts EnglishChartExportTexts();

// The chart as the bytes of an SVG drawing or a PNG picture of size pixels;
// empty when it cannot be drawn. With a scale above 1 the chart is laid out
// in size / scale and drawn scale times larger (a screen's device pixel
// ratio: the picture of a window as sharp as the screen shows it).
QByteArray ChartFileBytes(const ChartModel& model, const QSize& size, bool svg, double scale = 1.0);

// The file system's name of a path the user chose in a window.
std::filesystem::path LocalFilePath(const QString& path);

// Writes the chart as a PNG or an SVG (by the file's suffix, letter case
// ignored) of size pixels, through the program's file writer
// (files/file_writer.h): links followed, pipes and devices written in place,
// the owner of a replaced file kept, nothing half-written left behind. The
// path is taken as the file system's bytes. Returns the error text when it
// fails, empty on success.
QString ExportChart(const ChartModel& model, const std::filesystem::path& path, const QSize& size,
                    const ChartExportTexts& texts = TranslatedChartExportTexts(),
                    double scale = 1.0);

// Writes the bytes of a drawing through the program's file writer (as
// ExportChart does); texts.failure when there are none (it could not be
// drawn). Returns the error text, empty on success.
QString WriteExportBytes(const QByteArray& bytes, const std::filesystem::path& path,
                         const ChartExportTexts& texts);

}  // namespace tarvel
