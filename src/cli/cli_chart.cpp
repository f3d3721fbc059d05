#include "cli/cli_chart.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/chart_model.h"
#include "chart_draw/chart_export.h"
#include "cli/cli_words.h"

namespace tarvel {

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's notes and warnings (a session without a runtime folder, a file its
// painter could not open) are left out: the tool reports a failure in its
// own one line. Critical and fatal messages as Qt writes them.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (qtHandler != nullptr) qtHandler(type, context, message);
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeCliApplication(bool chart, char* argv0) {
    // Qt reads only the program's path: the tool's own arguments are not Qt's.
    static int argc = 1;
    static char* argv[] = {argv0, nullptr};
    qtHandler = qInstallMessageHandler(QuietHandler);
    if (!chart) return std::make_unique<QCoreApplication>(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteChart(const CliCommand& command) {
    const std::optional<ChartKind> kind = ParseChartKind(command.chart.kind);
    const ChartModel model =
        BuildChartModel(kind.value_or(ChartKind::kSunPath), {command.request, command.zoneRules},
                        command.chart.prayerLines, command.chart.polar);
    if (command.chart.outputPath == "-") {
        // An SVG drawing on standard output.
        const QByteArray bytes = ChartFileBytes(
            model, QSize(command.chart.width, command.chart.height), true);
        const bool written =
            !bytes.isEmpty() &&
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
                static_cast<std::size_t>(bytes.size()) &&
            std::fflush(stdout) == 0;
        if (written) return kExitSuccess;
        const std::string line =
            "tarvel-cli: " + CliWord("the chart could not be written to standard output") + "\n";
        std::fputs(line.c_str(), stderr);
        return kExitOutputError;
    }
    // The name as the file system's bytes, whatever their encoding.
    const QString error =
        ExportChart(model, std::filesystem::path(command.chart.outputPath),
                    QSize(command.chart.width, command.chart.height),
                    {QString::fromStdString(CliWord(
                         "Unknown format: the file's name must end in .png or .svg")),
                     QString::fromStdString(CliWord("Cannot save %1: %2"))});
    return ExportExitStatus(error);
}

int ExportExitStatus(const QString& error) {
    if (error.isEmpty()) return kExitSuccess;
    const std::string line = "tarvel-cli: " + error.toStdString() + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return kExitOutputError;
}

}  // namespace tarvel
