// tarvel-screenshot: renders the main window without a display into a PNG
// file, for a fixed instant (2024-06-21 12:00:00 in Europe/Rome) and the
// default site, so the picture does not change from run to run.
//
// Usage: tarvel-screenshot OUTPUT.png [PREFERENCES.png] [--table TABLE.png]
// (the second picture: the preferences dialog with the default settings; the
// table picture: the ephemeris table window with a few columns and a computed
// table for the same instant and site).
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPixmap>
#include <QTimeZone>
#include <cstdio>
#include <string_view>

#include "app/app_settings.h"
#include "app/options_dialog.h"
#include "ui/main/tarvel_dlg.h"
#include "ui/table/ephemeris_table.h"

namespace {

// The table window for 2024-06-21 12:00:00, zone +1 with summer time, the
// default site, the azimuth, altitude and geometric rise, transit and set
// times, 24 rows an hour apart.
bool SaveTableScreenshot(const char* path) {
    tarvel::TableParameters inputs;
    inputs.startYear = 2024;
    inputs.startMonth = 6;
    inputs.startDay = 21;
    inputs.startHour = 12;
    inputs.zoneHours = 1;
    inputs.summerTime = true;
    const tarvel::AppSettings site;
    inputs.latitude = site.latitude;
    inputs.longitude = site.longitude;
    inputs.height = site.height;
    tarvel::CEphemerisTable table(inputs, nullptr);
    table.show();
    qobject_cast<QLineEdit*>(table.Control(1052))->setText(QStringLiteral("24"));
    QEventLoop loop;
    QObject::connect(&table, &tarvel::CEphemerisTable::operationFinished, &loop, &QEventLoop::quit);
    // The options as the options dialog would leave them.
    tarvel::TableOptions options;
    options.showAzimuth = true;
    options.showAltitude = true;
    options.showGeometricTimes = true;
    table.SetOptions(options);
    table.OnBnClickedCompute();
    if (table.IsRunning()) {
        loop.exec();
    }
    table.Control(1051)->setFocus();
    QApplication::processEvents();
    const QPixmap picture = table.grab();
    if (!picture.save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return false;
    }
    std::printf("%s: %d x %d pixels\n", path, picture.width(), picture.height());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // "--table TABLE.png" may stand anywhere after the program's name.
    const char* tablePath = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "--table") {
            tablePath = argv[i + 1];
            for (int j = i; j + 2 <= argc; ++j) {
                argv[j] = argv[j + 2];
            }
            argc -= 2;
            break;
        }
    }
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [PREFERENCES.png] [--table TABLE.png]\n",
                     argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    tarvel::CTarvelDlg::Environment environment;
    environment.zone = QTimeZone("Europe/Rome");
    const QTimeZone zone = environment.zone;
    environment.now = [zone] { return QDateTime(QDate(2024, 6, 21), QTime(12, 0, 0), zone); };
    tarvel::CTarvelDlg window(tarvel::AppSettings(), environment, nullptr);
    window.SetPreferencesEditor([](QWidget*, tarvel::AppSettings&) { return false; });
    window.show();
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d x %d pixels\n", argv[1], picture.width(), picture.height());
    if (argc == 3) {
        tarvel::COptionsDialog preferences(tarvel::AppSettings(), nullptr, &window);
        preferences.show();
        QApplication::processEvents();
        const QPixmap dialogPicture = preferences.grab();
        if (!dialogPicture.save(QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
        std::printf("%s: %d x %d pixels\n", argv[2], dialogPicture.width(), dialogPicture.height());
    }
    if (tablePath != nullptr && !SaveTableScreenshot(tablePath)) {
        return 1;
    }
    return 0;
}
