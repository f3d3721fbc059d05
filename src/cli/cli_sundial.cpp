#include "cli/cli_sundial.h"

#include <QString>
#include <filesystem>
#include <string>

#include "chart/sundial_model.h"
#include "chart_draw/sundial_drawing.h"
#include "cli/cli_chart.h"
#include "cli/cli_words.h"

namespace tarvel {

int WriteSundial(const CliCommand& command) {
    ChartInputs inputs{command.request, command.zoneRules};
    if (command.place) inputs.placeName = command.place->name;
    const SundialModel model = BuildSundial(command.sundial.design, inputs);
    // The name as the file system's bytes, whatever their encoding.
    const QString error = ExportSundial(
        model, std::filesystem::path(command.sundial.outputPath),
        {QString::fromStdString(
             CliWord("Unknown format: the file's name must end in .svg, .pdf or .csv")),
         QString::fromStdString(CliWord("Cannot save %1: %2"))});
    return ExportExitStatus(error);
}

}  // namespace tarvel
