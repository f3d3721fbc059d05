// The sundial drawn at true scale: a page whose unit is the millimetre, with
// the plate and its lines, the gnomon's marks, the texts (in the interface
// language, context "ChartTexts"), a 100 mm scale bar to check a print and
// the gnomon's template to cut; written as SVG, PDF or the CSV of its lines.
#pragma once

#include <QByteArray>
#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <filesystem>

#include "chart/sundial_model.h"
#include "chart_draw/chart_export.h"

namespace tarvel {

// Where things lie on the page, millimetres from its top left corner.
struct SundialPage {
    double widthMm = 0;
    double heightMm = 0;
    QRectF plate;              // the plate, its side the dial's size
    QLineF scaleBar;           // 100 mm long
    double textTopMm = 0;      // the first line of the texts under the plate
    double templateTopMm = 0;  // the gnomon's template
};

inline constexpr double kSundialScaleBarMm = 100;

SundialPage SundialPageLayout(const SundialModel& model);

// The texts under the plate, one line each: the title, the site, the plate's
// orientation, the gnomon, each hour system shown, and the hours of sunshine
// on the plate on each date line's day.
QStringList SundialTexts(const SundialModel& model);

// Paints the page onto a painter whose unit is the millimetre (the page's top
// left at the origin).
void PaintSundial(QPainter& painter, const SundialModel& model);

enum class SundialFormat { kSvg, kPdf, kCsv };

// The format of a file's name by its ending (.svg, .pdf, .csv, letter case
// ignored); none for any other.
std::optional<SundialFormat> SundialFormatOf(const std::filesystem::path& path);

// The file's bytes; empty when it cannot be drawn.
QByteArray SundialFileBytes(const SundialModel& model, SundialFormat format);

// Writes the dial through the program's file writer in the format of the
// file's name. Returns the error text (texts.unknownFormat when the name ends
// otherwise, texts.failure with the path and the reason), empty on success.
QString ExportSundial(const SundialModel& model, const std::filesystem::path& path,
                      const ChartExportTexts& texts);

}  // namespace tarvel
