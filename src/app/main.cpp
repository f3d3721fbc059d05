// tarvel: the desktop program.
#include <QApplication>

#include "app/command_line_info.h"
#include "app/tarvel_app.h"

int main(int argc, char* argv[]) {
    // --help and --version print and end before anything needs a display.
    if (const std::optional<int> status = tarvel::AnswerInformationRequest(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    // The window's class names the desktop entry, so docks show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVEL_APP_ID));
    tarvel::CTarvelApp tarvelApp;
    tarvelApp.Run();
    return 0;
}
