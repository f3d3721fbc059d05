// tarvel: the desktop program.
#include <QApplication>

#include "app/tarvel_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tarvel::CTarvelApp tarvelApp;
    tarvelApp.Run();
    return 0;
}
