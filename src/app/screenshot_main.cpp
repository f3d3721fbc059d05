// tarvel-screenshot: renders the main window without a display into a PNG
// file, for a fixed instant (2024-06-21 12:00:00 in Europe/Rome) and the
// default site, so the picture does not change from run to run.
//
// Usage: tarvel-screenshot OUTPUT.png [PREFERENCES.png]
// (the second picture: the preferences dialog with the default settings).
#include <QApplication>
#include <QPixmap>
#include <QTimeZone>
#include <cstdio>

#include "app/app_settings.h"
#include "app/options_dialog.h"
#include "ui/main/tarvel_dlg.h"

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [PREFERENCES.png]\n", argv[0]);
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
    return 0;
}
