// tarvel-screenshot: renders the windows into PNG files, for a fixed instant
// (2024-06-21 12:00:00 in Europe/Rome) and the default site, so the pictures do
// not change from run to run.
//
// Usage: tarvel-screenshot OUTPUT.png [PREFERENCES.png] [--table TABLE.png]
//   the main window (and the preferences dialog with the default settings,
//   and the ephemeris table window with a few columns and a computed table
//   for the same instant and site), in the interface's built-in Italian.
//
//        tarvel-screenshot --set FOLDER [--languages ITA,ENU,PTB]
//                          [--windows main,table,table-options,preferences,about,
//                                     charts-sunpath,charts-sunpath-year,
//                                     charts-sunpath-year-polar,charts-analemma,
//                                     charts-equation-of-time,charts-daylight]
//                          [--suffix TEXT] [--ends]
//   every window named (default: all) in every language named (default: the
//   three), as FOLDER/<window>-<language><suffix>.png; with --ends also
//   FOLDER/<window>-<language><suffix>-end.png, the window's form scrolled to
//   its far end (bottom right) where the window is smaller than its form.
//
// Without a display (neither QT_QPA_PLATFORM nor DISPLAY set) it renders
// offscreen, on a screen that holds every window; under an X server
// (scripts/screenshots.sh runs it in Xvfb) the windows open on that screen, at
// its size and scale (QT_SCALE_FACTOR).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string_view>

#include "app/about_dlg.h"
#include "app/app_settings.h"
#include "languages/languages.h"
#include "app/options_dialog.h"
#include "app/version_info.h"
#include "civil/tz_zone_rules.h"
#include "ui/charts/charts_window.h"
#include "ui/main/tarvel_dlg.h"
#include "ui/table/ephemeris_table.h"
#include "ui/table/table_options_dialog.h"

namespace {

// Lets the window system show and settle the windows.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget& window, const QString& path) {
    const QPixmap picture = window.grab();
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %d x %d pixels\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

tarvel::CTarvelDlg::Environment FixedInstant() {
    tarvel::CTarvelDlg::Environment environment;
    environment.zone = QTimeZone("Europe/Rome");
    const QTimeZone zone = environment.zone;
    environment.now = [zone] { return QDateTime(QDate(2024, 6, 21), QTime(12, 0, 0), zone); };
    return environment;
}

// The table window for 2024-06-21 12:00:00, zone +1 with summer time, the
// default site, the azimuth, altitude and geometric rise, transit and set
// times, 24 rows an hour apart, computed.
std::unique_ptr<tarvel::CEphemerisTable> ComputedTable() {
    tarvel::TableParameters inputs;
    inputs.start = {2024, 6, 21, 12, 0, 0.0};
    inputs.zoneHours = 1;
    inputs.summerTime = true;
    const tarvel::AppSettings site;
    inputs.latitude = site.latitude;
    inputs.longitude = site.longitude;
    inputs.height = site.height;
    auto table = std::make_unique<tarvel::CEphemerisTable>(inputs, nullptr);
    table->show();
    qobject_cast<QLineEdit*>(table->Control(1052))->setText(QStringLiteral("24"));
    QEventLoop loop;
    QObject::connect(table.get(), &tarvel::CEphemerisTable::operationFinished, &loop,
                     &QEventLoop::quit);
    // The options as the options dialog would leave them.
    tarvel::TableOptions options;
    options.showAzimuth = true;
    options.showAltitude = true;
    options.showGeometricTimes = true;
    table->SetOptions(options);
    table->OnBnClickedCompute();
    if (table->IsRunning()) {
        loop.exec();
    }
    table->Control(1051)->setFocus();
    return table;
}

// Scrolls window's form to its far end: the main window's bars, or the scroll
// area of a dialog.
void ScrollToEnd(QWidget& window) {
    QList<QScrollBar*> bars;
    if (auto* main = qobject_cast<tarvel::CTarvelDlg*>(&window)) {
        bars = {main->HorizontalBar(), main->VerticalBar()};
    } else if (auto* area = window.findChild<QScrollArea*>()) {
        bars = {area->horizontalScrollBar(), area->verticalScrollBar()};
    }
    for (QScrollBar* bar : bars) {
        bar->setValue(bar->maximum());
    }
}

bool Scrolls(QWidget& window) {
    if (auto* main = qobject_cast<tarvel::CTarvelDlg*>(&window)) {
        return main->HorizontalBar()->maximum() > 0 || main->VerticalBar()->maximum() > 0;
    }
    if (auto* area = window.findChild<QScrollArea*>()) {
        return area->horizontalScrollBar()->maximum() > 0 ||
               area->verticalScrollBar()->maximum() > 0;
    }
    return false;
}

// The charts window on one chart for the main window's instant, in Rome on
// its own clock (41.9N 12.5E, summer time), the default settings otherwise.
std::unique_ptr<QWidget> ChartsOf(tarvel::ChartKind kind, bool polar = false) {
    tarvel::ChartInputs inputs;
    static_cast<tarvel::ObserverSettings&>(inputs.request) = tarvel::AppSettings();
    inputs.request.SetClockReading({2024, 6, 21, 12, 0, 0.0});
    inputs.request.SetZone(1);
    inputs.request.summerTime = true;
    inputs.request.latitude = 41.9;
    inputs.request.longitude = -12.5;
    inputs.zoneRules = tarvel::FindZoneRules("Europe/Rome");
    auto window = std::make_unique<tarvel::ChartsWindow>();
    window->SetInputs(inputs);
    window->ShowChart(kind);
    window->PolarBox()->setChecked(polar);
    window->show();
    return window;
}

// The windows of the set, each built afresh in the interface language.
const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> kWindows[] = {
    {"main",
     [] {
         auto window =
             std::make_unique<tarvel::CTarvelDlg>(tarvel::AppSettings(), FixedInstant(), nullptr);
         // Rome chosen by name, on its own clock.
         window->RestorePlaceAndZone(QStringLiteral("Rome, Lazio, Italy"),
                                     QStringLiteral("Europe/Rome"));
         window->show();
         return std::unique_ptr<QWidget>(std::move(window));
     }},
    {"table", [] { return std::unique_ptr<QWidget>(ComputedTable()); }},
    {"table-options",
     [] {
         tarvel::TableOptions options;
         options.showAzimuth = true;
         options.showAltitude = true;
         options.showGeometricTimes = true;
         auto dialog = std::make_unique<tarvel::CTableOptions>(options);
         dialog->show();
         return std::unique_ptr<QWidget>(std::move(dialog));
     }},
    {"preferences",
     [] {
         auto dialog = std::make_unique<tarvel::COptionsDialog>(tarvel::AppSettings());
         dialog->show();
         return std::unique_ptr<QWidget>(std::move(dialog));
     }},
    {"about",
     [] {
         auto box = std::make_unique<tarvel::CAboutDlg>(tarvel::ReadVersionInfo());
         box->show();
         return std::unique_ptr<QWidget>(std::move(box));
     }},
    {"charts-sunpath", [] { return ChartsOf(tarvel::ChartKind::kSunPath); }},
    {"charts-sunpath-year", [] { return ChartsOf(tarvel::ChartKind::kSunPathYear); }},
    {"charts-sunpath-year-polar", [] { return ChartsOf(tarvel::ChartKind::kSunPathYear, true); }},
    {"charts-analemma", [] { return ChartsOf(tarvel::ChartKind::kAnalemma); }},
    {"charts-equation-of-time", [] { return ChartsOf(tarvel::ChartKind::kEquationOfTime); }},
    {"charts-daylight", [] { return ChartsOf(tarvel::ChartKind::kDaylight); }},
};

QString LocaleOf(const QString& code) {
    if (code == QLatin1String("ENU")) return QStringLiteral("en_US");
    if (code == QLatin1String("PTB")) return QStringLiteral("pt_BR");
    return QStringLiteral("it_IT");
}

int RenderSet(const QStringList& arguments) {
    QString folder;
    QStringList languages = {QStringLiteral("ITA"), QStringLiteral("ENU"), QStringLiteral("PTB")};
    QStringList windows;
    for (const auto& window : kWindows) {
        windows << QString::fromLatin1(window.first);
    }
    QString suffix;
    bool ends = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--set") && hasValue) {
            folder = arguments[++i];
        } else if (argument == QLatin1String("--languages") && hasValue) {
            languages = arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (argument == QLatin1String("--windows") && hasValue) {
            windows = arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (argument == QLatin1String("--suffix") && hasValue) {
            suffix = arguments[++i];
        } else if (argument == QLatin1String("--ends")) {
            ends = true;
        } else {
            std::fprintf(stderr, "unknown argument %s\n", qPrintable(argument));
            return 2;
        }
    }
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "no folder to write to\n");
        return 2;
    }
    for (const QString& code : languages) {
        tarvel::LanguageModules modules;
        if (code != QLatin1String("ITA") && !modules.Load({LocaleOf(code)})) {
            std::fprintf(stderr, "no translation module for %s\n", qPrintable(code));
            return 1;
        }
        for (const QString& name : windows) {
            const auto* entry =
                std::find_if(std::begin(kWindows), std::end(kWindows),
                             [&](const auto& w) { return name == QLatin1String(w.first); });
            if (entry == std::end(kWindows)) {
                std::fprintf(stderr, "unknown window %s\n", qPrintable(name));
                return 2;
            }
            const std::unique_ptr<QWidget> window = entry->second();
            Settle();
            const QString base = QDir(folder).filePath(name + QLatin1Char('-') + code + suffix);
            if (!Save(*window, base + QStringLiteral(".png"))) {
                return 1;
            }
            if (ends && Scrolls(*window)) {
                ScrollToEnd(*window);
                Settle();
                if (!Save(*window, base + QStringLiteral("-end.png"))) {
                    return 1;
                }
            }
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Without a display: offscreen, on a screen large enough for every window
    // at its designed size (the offscreen platform's own screen is 800 x 800).
    QTemporaryFile screens;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")) {
        QByteArray platform("offscreen");
        if (screens.open()) {
            screens.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840, )"
                          R"("height": 2160, "logicalDpi": 96, "dpr": 1}]})");
            screens.flush();
            platform += ":configfile=" + QFile::encodeName(screens.fileName());
        }
        qputenv("QT_QPA_PLATFORM", platform);
    }
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--set") {
            QApplication application(argc, argv);
            return RenderSet(QApplication::arguments().mid(1));
        }
    }

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
        std::fprintf(stderr,
                     "usage: %s OUTPUT.png [PREFERENCES.png] [--table TABLE.png]\n"
                     "       %s --set FOLDER [--languages ITA,ENU,PTB] [--windows LIST] "
                     "[--suffix TEXT] [--ends]\n",
                     argv[0], argv[0]);
        return 2;
    }
    QApplication application(argc, argv);

    tarvel::CTarvelDlg window(tarvel::AppSettings(), FixedInstant(), nullptr);
    window.SetPreferencesEditor([](QWidget*, tarvel::AppSettings&) { return false; });
    window.show();
    QApplication::processEvents();
    if (!Save(window, QString::fromLocal8Bit(argv[1]))) {
        return 1;
    }
    if (argc == 3) {
        tarvel::COptionsDialog preferences(tarvel::AppSettings(), nullptr, &window);
        preferences.show();
        QApplication::processEvents();
        if (!Save(preferences, QString::fromLocal8Bit(argv[2]))) {
            return 1;
        }
    }
    if (tablePath != nullptr) {
        const std::unique_ptr<tarvel::CEphemerisTable> table = ComputedTable();
        QApplication::processEvents();
        if (!Save(*table, QString::fromLocal8Bit(tablePath))) {
            return 1;
        }
    }
    return 0;
}
