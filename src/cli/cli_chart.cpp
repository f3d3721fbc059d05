#include "cli/cli_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/chart_model.h"
#include "chart_draw/chart_export.h"

namespace tarvel {

namespace {

// The language the environment asks for, as a translation module's code:
// "ENU", "PTB", or "" for the built-in Italian.
QString EnvironmentLanguageCode() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        const std::string text(value);
        if (text.rfind("en", 0) == 0) return QStringLiteral("ENU");
        if (text.rfind("pt", 0) == 0) return QStringLiteral("PTB");
        return QString();
    }
    return QString();
}

QtMessageHandler qtHandler = nullptr;

// Qt's notes and warnings (a session without a runtime folder, a file its
// painter could not open) are left out: the tool reports a failure in its
// own one line. Critical and fatal messages as Qt writes them.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (qtHandler != nullptr) qtHandler(type, context, message);
}

}  // namespace

int WriteChart(const CliCommand& command, const char* argv0) {
    // Always offscreen: a chart is drawn into a file, never shown, so it needs
    // no display, whatever DISPLAY or WAYLAND_DISPLAY name (a server that is
    // not there would end the program).
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtHandler = qInstallMessageHandler(QuietHandler);
    int argc = 1;
    char* argv[] = {const_cast<char*>(argv0), nullptr};
    QGuiApplication app(argc, argv);

    QTranslator translator;
    const QString code = EnvironmentLanguageCode();
    if (!code.isEmpty()) {
        const QString folder = QCoreApplication::applicationDirPath();
        for (const QString& dir :
             {folder, QDir::cleanPath(folder + QStringLiteral("/../share/tarvel"))}) {
            if (translator.load(QStringLiteral("tarvel_") + code, dir)) {
                QCoreApplication::installTranslator(&translator);
                break;
            }
        }
    }

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
        std::fputs("tarvel-cli: the chart could not be written to standard output\n", stderr);
        return kExitOutputError;
    }
    // The name as the file system's bytes, whatever their encoding.
    const QString error =
        ExportChart(model, std::filesystem::path(command.chart.outputPath),
                    QSize(command.chart.width, command.chart.height), EnglishChartExportTexts());
    if (!error.isEmpty()) {
        const std::string line = "tarvel-cli: " + error.toStdString() + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        return kExitOutputError;
    }
    return kExitSuccess;
}

}  // namespace tarvel
