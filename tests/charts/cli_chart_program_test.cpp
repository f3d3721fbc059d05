// tarvel-cli chart run as a program: every kind written as an SVG that parses
// as XML and as a PNG that decodes to the size asked for; refusals exit 2 and
// write nothing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>
#include <thread>
#include <vector>

#include "cli/cli_options.h"
#include "cli/run_program.h"

namespace tarvel {

// The tool in an installed layout under folder: the program in bin/, the
// translation modules in share/tarvel/. Its path, empty when it could not be
// made.
QString InstalledTool(const QString& folder) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("bin")) || !dir.mkpath(QStringLiteral("share/tarvel"))) {
        return {};
    }
    const QString tool = dir.filePath(QStringLiteral("bin/tarvel-cli"));
    if (!QFile::copy(QStringLiteral(TARVEL_CLI_PATH), tool)) return {};
    // The window's modules and the command line's own, as installed.
    const QString cliFolder = QFileInfo(QStringLiteral(TARVEL_CLI_PATH)).absolutePath();
    const std::pair<QString, const char*> modules[] = {
        {QStringLiteral(TARVEL_BUILD_DATA_DIR), "tarvel_ENU.qm"},
        {QStringLiteral(TARVEL_BUILD_DATA_DIR), "tarvel_PTB.qm"},
        {cliFolder, "tarvel-cli_ITA.qm"},
        {cliFolder, "tarvel-cli_PTB.qm"}};
    for (const auto& [from, module] : modules) {
        if (!QFile::copy(from + QLatin1Char('/') + QLatin1String(module),
                         dir.filePath(QStringLiteral("share/tarvel/") + QLatin1String(module)))) {
            return {};
        }
    }
    return tool;
}

class CliChartProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void everyKindAsSvgAndPng() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char* kind : kCliChartKinds) {
            const std::string svg =
                dir.filePath(QStringLiteral("%1.svg").arg(QLatin1String(kind))).toStdString();
            const std::string png =
                dir.filePath(QStringLiteral("%1.PNG").arg(QLatin1String(kind))).toStdString();
            const std::vector<std::string> site = {"--date", "2024-06-21",  "--time", "10:00",
                                                   "--tz",   "Europe/Rome", "--lat",  "41.9",
                                                   "--lon",  "12.5E"};
            std::vector<std::string> svgArgs = {"chart", "--kind", kind, "--output", svg};
            svgArgs.insert(svgArgs.end(), site.begin(), site.end());
            const testing::ProgramRun svgRun = testing::RunCli(svgArgs);
            QVERIFY2(svgRun.exitCode == kExitSuccess,
                     (std::string(kind) + ": " + svgRun.err).c_str());
            QVERIFY(svgRun.out.empty());
            QFile file(QString::fromStdString(svg));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            bool svgRoot = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && !svgRoot) svgRoot = xml.name() == QLatin1String("svg");
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY2(svgRoot, kind);

            std::vector<std::string> pngArgs = {"chart",   "--kind", kind,       "--output", png,
                                                "--width", "640",    "--height", "480"};
            pngArgs.insert(pngArgs.end(), site.begin(), site.end());
            const testing::ProgramRun pngRun = testing::RunCli(pngArgs);
            QVERIFY2(pngRun.exitCode == kExitSuccess,
                     (std::string(kind) + ": " + pngRun.err).c_str());
            QImageReader reader(QString::fromStdString(png));
            QCOMPARE(reader.format(), QByteArray("png"));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.size(), QSize(640, 480));
        }
    }

    void refusalsExitTwoAndWriteNothing() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string out = dir.filePath(QStringLiteral("chart.svg")).toStdString();
        struct Case {
            std::vector<std::string> args;
            const char* lineStart;
        };
        const std::vector<Case> cases = {
            {{"chart", "--kind", "pie", "--output", out}, "tarvel-cli: --kind 'pie' not accepted"},
            {{"chart", "--kind", "sunpath", "--output",
              dir.filePath(QStringLiteral("c.jpg")).toStdString()},
             "tarvel-cli: --output"},
            {{"chart", "--kind", "sunpath", "--output", out, "--width", "50"},
             "tarvel-cli: --width '50'"},
            {{"chart", "--kind", "sunpath"}, "tarvel-cli: --output is required"},
            {{"chart", "--kind", "sunpath", "--output", out, "--lat", "91"},
             "tarvel-cli: --lat '91'"},
        };
        for (const Case& c : cases) {
            std::vector<std::string> args = c.args;
            args.insert(args.end(), {"--lang", "en"});
            const testing::ProgramRun run = testing::RunCli(args);
            QVERIFY2(run.exitCode == kExitUsage, testing::Joined(c.args).c_str());
            QVERIFY2(run.err.rfind(c.lineStart, 0) == 0, run.err.c_str());
            QCOMPARE(std::count(run.err.begin(), run.err.end(), '\n'), 1);
            QVERIFY(!QFile::exists(QString::fromStdString(out)));
        }
    }

    void fileThatCannotBeWrittenExitsOneWithOneLine() {
        // A folder that exists but cannot take a file.
        const testing::ProgramRun run =
            testing::RunCli({"chart", "--kind", "equation-of-time", "--output", "/proc/chart.png"});
        QCOMPARE(run.exitCode, kExitOutputError);
        QVERIFY2(run.err.rfind("tarvel-cli: ", 0) == 0, run.err.c_str());
        QVERIFY2(run.err.find("/proc/chart.png") != std::string::npos, run.err.c_str());
        QCOMPARE(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }

    // Targets a hostile user or a damaged machine offers: a pipe is written in
    // place, a name that is not UTF-8 is kept as its bytes, a file-size limit
    // is reported in one line (not a signal), a display that is not there is
    // not needed; the message is in the language asked for.
    void hostileTargetsOfTheCommandLine() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string folder = dir.path().toStdString();
        const std::vector<std::string> chart = {"chart", "--lang", "en", "--kind", "sunpath",
                                            "--output"};
        const auto args = [&](const std::string& out) {
            std::vector<std::string> a = chart;
            a.push_back(out);
            return a;
        };

        const std::string fifo = folder + "/coda.png";
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QByteArray received;
        std::thread reader([&] {
            QFile in(QString::fromStdString(fifo));
            if (in.open(QIODevice::ReadOnly)) received = in.readAll();
        });
        const testing::ProgramRun toFifo = testing::RunCli(args(fifo));
        reader.join();
        QCOMPARE(toFifo.exitCode, kExitSuccess);
        QVERIFY(received.startsWith("\x89PNG"));
        struct stat info {};
        QVERIFY(::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));

        const std::string latin1 = folder + "/caf\xe9.png";
        QCOMPARE(testing::RunCli(args(latin1)).exitCode, kExitSuccess);
        QCOMPARE(::stat(latin1.c_str(), &info), 0);

        const std::string big = folder + "/grande.png";
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit small{8 * 1024, previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const testing::ProgramRun limited = testing::RunCli(args(big), "UTC", nullptr, "C");
        ::setrlimit(RLIMIT_FSIZE, &previous);
        QCOMPARE(limited.exitCode, kExitOutputError);
        QCOMPARE(limited.err, "tarvel-cli: Cannot save " + big + ": File too large\n");
        QVERIFY(!QFile::exists(QString::fromStdString(big)));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden),
                 QStringList());

        const std::string drawn = folder + "/senza-schermo.svg";
        qputenv("DISPLAY", ":99");
        qputenv("WAYLAND_DISPLAY", "nessuno");
        const testing::ProgramRun noDisplay = testing::RunCli(args(drawn));
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        QCOMPARE(noDisplay.exitCode, kExitSuccess);
        QVERIFY2(noDisplay.err.empty(), noDisplay.err.c_str());
        QVERIFY(QFile::exists(QString::fromStdString(drawn)));
    }

    void textsInTheLanguageOfTheEnvironment() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString tool = InstalledTool(dir.path());
        QVERIFY(!tool.isEmpty());
        struct Case {
            const char* lang;
            const char* title;
        };
        const Case cases[] = {{"en_US.UTF-8", "Equation of time"},
                              {"pt_BR.UTF-8", "Equação do tempo"},
                              {"it_IT.UTF-8", "Equazione del tempo"},
                              {"de_DE.UTF-8", "Equazione del tempo"}};
        for (const Case& c : cases) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                environment.remove(QLatin1String(name));
            environment.insert(QStringLiteral("LANG"), QLatin1String(c.lang));
            process.setProcessEnvironment(environment);
            const QString svg = dir.filePath(QStringLiteral("chart.svg"));
            process.start(tool, {QStringLiteral("chart"), QStringLiteral("--kind"),
                                 QStringLiteral("equation-of-time"), QStringLiteral("--zone"),
                                 QStringLiteral("1"), QStringLiteral("--output"), svg});
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), kExitSuccess);
            QFile file(svg);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            QVERIFY2(
                text.contains(QStringLiteral("<title>%1</title>").arg(QString::fromUtf8(c.title))),
                c.lang);
        }
    }

    // One rule for the interface language, the window's, in every subcommand:
    // the report's captions, the table's refusals and the chart's title speak
    // it; --lang chooses it; a language without a module falls to the next
    // one the environment names, then to the built-in Italian.
    void everySubcommandSpeaksTheInterfaceLanguage() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString tool = InstalledTool(dir.path());
        QVERIFY(!tool.isEmpty());
        struct Case {
            const char* language;  // LANGUAGE
            const char* asked;     // --lang, or nullptr
            const char* caption;   // the report's second caption
            const char* refusal;   // the table's refusal of a step of 61
            const char* title;     // the chart's title
            const char* own;       // the command line's own refusal of --lat 95
            const char* place;     // the place's line
            const char* summary;   // the calendar's sunrise
        };
        const char* en = "tarvel-cli: --lat '95' not accepted: expected a latitude in degrees";
        const char* it = "tarvel-cli: --lat '95' non accettato: si attende una latitudine in gradi";
        const char* pt = "tarvel-cli: --lat '95' não aceito: espera-se uma latitude em graus";
        const Case cases[] = {
            {"en", nullptr, "TIME MEASURES", "Enter a number between 0.01 and 60.",
             "Equation of time", en, "Place: ", "SUMMARY:Sunrise"},
            {"fr:en", nullptr, "TIME MEASURES", "Enter a number between 0.01 and 60.",
             "Equation of time", en, "Place: ", "SUMMARY:Sunrise"},
            {"pt_BR", nullptr, "MEDIDAS DO TEMPO", "Digite um número entre 0.01 e 60.",
             "Equação do tempo", pt, "Lugar: ", "SUMMARY:Nascer do sol"},
            {"", nullptr, "MISURE DEL TEMPO", "Immettere un numero compreso tra 0.01 e 60.",
             "Equazione del tempo", it, "Luogo: ",
             "SUMMARY:Sorgere del Sole"},
            {"en", "it", "MISURE DEL TEMPO", "Immettere un numero compreso tra 0.01 e 60.",
             "Equazione del tempo", it, "Luogo: ",
             "SUMMARY:Sorgere del Sole"},
            {"", "pt", "MEDIDAS DO TEMPO", "Digite um número entre 0.01 e 60.",
             "Equação do tempo", pt, "Lugar: ", "SUMMARY:Nascer do sol"},
        };
        const auto run = [&](const Case& c, QStringList args) {
            if (c.asked != nullptr) args << QStringLiteral("--lang") << QLatin1String(c.asked);
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
                environment.remove(QLatin1String(name));
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
            environment.insert(QStringLiteral("LANGUAGE"), QLatin1String(c.language));
            process.setProcessEnvironment(environment);
            process.start(tool, args);
            process.waitForFinished(60000);
            return std::make_pair(QString::fromUtf8(process.readAllStandardOutput()),
                                  QString::fromUtf8(process.readAllStandardError()));
        };
        for (const Case& c : cases) {
            const QString what = QStringLiteral("LANGUAGE=%1 --lang %2")
                                     .arg(QLatin1String(c.language),
                                          QLatin1String(c.asked ? c.asked : "-"));
            const QString report = run(c, {QStringLiteral("--zone"), QStringLiteral("1")}).first;
            QVERIFY2(report.split(QLatin1Char('\n')).value(3) == QString::fromUtf8(c.caption),
                     qPrintable(what + QStringLiteral(": ") + report.left(80)));
            const QString refusal = run(c, {QStringLiteral("table"), QStringLiteral("--zone"),
                                            QStringLiteral("1"), QStringLiteral("--step"),
                                            QStringLiteral("61")})
                                        .second;
            QCOMPARE(refusal, QStringLiteral("tarvel-cli: --step: ") +
                                  QString::fromUtf8(c.refusal) + QLatin1Char('\n'));
            const QString svg = run(c, {QStringLiteral("chart"), QStringLiteral("--kind"),
                                        QStringLiteral("equation-of-time"),
                                        QStringLiteral("--zone"), QStringLiteral("1"),
                                        QStringLiteral("--output"), QStringLiteral("-")})
                                    .first;
            QVERIFY2(svg.contains(QStringLiteral("<title>%1</title>")
                                      .arg(QString::fromUtf8(c.title))),
                     qPrintable(what));
            const QString own = run(c, {QStringLiteral("--lat"), QStringLiteral("95")}).second;
            QVERIFY2(own.startsWith(QString::fromUtf8(c.own)), qPrintable(what + QStringLiteral(": ") + own));
            const QString place = run(c, {QStringLiteral("--place"), QStringLiteral("Rome")}).first;
            QVERIFY2(place.startsWith(QString::fromUtf8(c.place)), qPrintable(what + QStringLiteral(": ") + place));
            const QString calendar = run(c, {QStringLiteral("calendar"), QStringLiteral("--place"),
                                             QStringLiteral("Rome"), QStringLiteral("--events"),
                                             QStringLiteral("rise"), QStringLiteral("--output"),
                                             QStringLiteral("-")})
                                         .first;
            QVERIFY2(calendar.contains(QString::fromUtf8(c.summary)), qPrintable(what));
        }
    }

    void helpNamesTheKindsAndTheSizes() {
        const testing::ProgramRun run = testing::RunCli({"chart", "--help"});
        QCOMPARE(run.exitCode, kExitSuccess);
        for (const char* text : {"sunpath|sunpath-year|analemma|equation-of-time|daylight",
                                 "--width PX", "--height PX", "--site-height M"}) {
            QVERIFY2(run.out.find(text) != std::string::npos, text);
        }
        const testing::ProgramRun main = testing::RunCli({"--help"});
        QVERIFY(main.out.find("tarvel-cli chart [options]") != std::string::npos);
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::CliChartProgramTest)
#include "cli_chart_program_test.moc"
