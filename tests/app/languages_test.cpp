// Interface languages: the candidates taken from the locale environment, the
// codes of the locales, the module chosen at start, and the switch from the
// menu that rebuilds the main window in another language keeping its settings.
#include "languages/languages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimeEdit>

#include "app/help.h"
#include "app/splash.h"
#include "app/tarvel_app.h"
#include "ui/main/shown_results.h"
#include "languages/translated_texts.h"
#include "ui/table/ephemeris_table.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

LocaleEnvironment Lang(const QString& lang, const QString& system = QStringLiteral("C")) {
    LocaleEnvironment environment;
    environment.lang = lang;
    environment.systemDefault = system;
    return environment;
}

QStringList BuildFolder() {
    return {QStringLiteral(TARVEL_BUILD_DATA_DIR)};
}

// Counts the splash windows shown while it lives.
class SplashCounter : public QObject {
  public:
    SplashCounter() { qApp->installEventFilter(this); }
    ~SplashCounter() override { qApp->removeEventFilter(this); }
    int shown = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<CWSplash*>(watched) != nullptr) {
            ++shown;
        }
        return false;
    }
};

// The check marks of the language menu: "I", "E", "P" for a checked item,
// "-" for an unchecked one, "x" for an item that cannot be checked.
QString LanguageChecks(const CTarvelDlg& window) {
    QString marks;
    const std::pair<int, QChar> items[] = {{main_menu::kItalian, QLatin1Char('I')},
                                           {main_menu::kEnglish, QLatin1Char('E')},
                                           {main_menu::kPortuguese, QLatin1Char('P')}};
    for (const auto& [id, mark] : items) {
        const QAction* action = window.MenuAction(id);
        marks += !action->isCheckable() ? QLatin1Char('x')
                 : action->isChecked()  ? mark
                                        : QLatin1Char('-');
    }
    return marks;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { QVERIFY(dir_.isValid()); }
    void candidatesFollowTheLocaleEnvironment_data();
    void candidatesFollowTheLocaleEnvironment();
    void candidatesStopAtTenWithTheSystemDefaultLast();
    void codesOfLocales_data();
    void codesOfLocales();
    void moduleChosenAtStart_data();
    void moduleChosenAtStart();
    void tableTextsFollowTheLanguage();
    void windowTextsFollowTheLanguage_data();
    void windowTextsFollowTheLanguage();
    void unknownComputerLanguageIsItalianWithItsHelp();
    void switchToEnglishAndBackKeepsSettings();
    void switchKeepsEveryInputWithoutTheSplash();
    void chosenLanguageComesBackAtTheNextStart_data();
    void chosenLanguageComesBackAtTheNextStart();

  private:
    QTemporaryDir dir_;
};

void LanguagesTest::candidatesFollowTheLocaleEnvironment_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("expected");
    // Portuguese (Portugal) everywhere: Portugal first, then the language's
    // default locale, so the module PTG is tried before PTB.
    QTest::newRow("pt_PT") << ""
                           << ""
                           << ""
                           << "pt_PT.UTF-8"
                           << "pt_PT" << QStringList{"pt_PT", "pt_BR", "LOC"};
    // LANGUAGE's list comes first; a bare language stands for its default
    // locale, whose second entry is appended even when already present.
    QTest::newRow("LANGUAGE list")
        << "en_GB:it"
        << ""
        << ""
        << "it_IT.UTF-8"
        << "en_US" << QStringList{"en_GB", "en_US", "it_IT", "it_IT", "LOC"};
    // LC_ALL before LC_MESSAGES before LANG before the system default.
    QTest::newRow("order") << ""
                           << "de_DE.UTF-8"
                           << "fr_FR"
                           << "pt_BR.UTF-8@x"
                           << "it_IT" << QStringList{"de_DE", "de_DE", "fr_FR", "fr_FR", "pt_BR",
                                                     "pt_BR", "it_IT", "it_IT", "LOC"};
    // Nothing but the C locale: only the system default.
    QTest::newRow("C") << ""
                       << "C"
                       << "POSIX"
                       << ""
                       << "C" << QStringList{"LOC"};
}

void LanguagesTest::candidatesFollowTheLocaleEnvironment() {
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, system);
    QFETCH(QStringList, expected);
    LocaleEnvironment environment{language, lcAll, lcMessages, lang, system};
    QCOMPARE(LanguageCandidatesFor(environment), expected);
}

void LanguagesTest::candidatesStopAtTenWithTheSystemDefaultLast() {
    LocaleEnvironment environment;
    environment.language = QStringLiteral("de_AT:fr_CA:es_MX:en_GB:pt_PT:it_CH");
    const QStringList candidates = LanguageCandidatesFor(environment);
    QCOMPARE(candidates.size(), kMaxLanguageCandidates);
    QCOMPARE(candidates.first(), QStringLiteral("de_AT"));
    QCOMPARE(candidates.at(6), QStringLiteral("en_GB"));
    QCOMPARE(candidates.at(8), QStringLiteral("pt_PT"));
    QCOMPARE(candidates.last(), QStringLiteral("LOC"));
}

void LanguagesTest::codesOfLocales_data() {
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("code");
    QTest::newRow("it_IT") << "it_IT"
                           << "ITA";
    QTest::newRow("en_US") << "en_US.UTF-8"
                           << "ENU";
    QTest::newRow("en_GB") << "en_GB"
                           << "ENG";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "PTB";
    QTest::newRow("pt_PT") << "pt_PT"
                           << "PTG";
    QTest::newRow("de_DE") << "de_DE"
                           << "DEU";
    QTest::newRow("LOC") << "LOC"
                         << "LOC";
    QTest::newRow("C") << "C"
                       << "";
}

void LanguagesTest::codesOfLocales() {
    QFETCH(QString, candidate);
    QFETCH(QString, code);
    QCOMPARE(LanguageCode(candidate), code);
}

void LanguagesTest::moduleChosenAtStart_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("helpBook");
    QTest::addColumn<QString>("exitText");
    QTest::addColumn<QString>("qtCancel");  // a standard button in Qt's own texts
    QTest::newRow("Italian") << "it_IT.UTF-8"
                             << "ITA"
                             << "help/ITA"
                             << "&Esci"
                             << "Annulla";
    QTest::newRow("English") << "en_US.UTF-8"
                             << "ENU"
                             << "help/ENU"
                             << "E&xit"
                             << "Cancel";
    QTest::newRow("Brazil") << "pt_BR.UTF-8"
                            << "PTB"
                            << "help/PTB"
                            << "&Sair"
                            << "Cancelar";
    // No PTG module: the language's default locale, Brazil, is next.
    QTest::newRow("Portugal") << "pt_PT.UTF-8"
                              << "PTB"
                              << "help/PTB"
                              << "&Sair"
                              << "Cancelar";
    // No module at all: the built-in Italian with its help book and Qt's
    // Italian texts, whatever the computer's language.
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "ITA"
                            << "help/ITA"
                            << "&Esci"
                            << "Annulla";
    QTest::newRow("C") << "C"
                       << "ITA"
                       << "help/ITA"
                       << "&Esci"
                       << "Annulla";
}

void LanguagesTest::moduleChosenAtStart() {
    QFETCH(QString, lang);
    QFETCH(QString, code);
    QFETCH(QString, helpBook);
    QFETCH(QString, exitText);
    QFETCH(QString, qtCancel);
    SetHelpBook(QString());
    CTarvelApp app(SettingsStore(dir_.filePath(QStringLiteral("t.ini"))),
                   RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)));
    app.SetLocaleEnvironment(Lang(lang));
    app.SetDataFolders(BuildFolder());
    app.StartLanguage();
    QCOMPARE(app.LanguageCode(), code);
    QCOMPARE(app.HelpFile(), helpBook);
    QCOMPARE(QCoreApplication::translate("CTarvelDlg", "&Esci"), exitText);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
}

void LanguagesTest::tableTextsFollowTheLanguage() {
    // Without a module the translated table texts are the built-in ones, for
    // every number the table uses.
    LanguageModules modules(BuildFolder());
    QVERIFY(modules.Load({QStringLiteral("it_IT")}));
    const TableTexts builtIn;
    const TableTexts italian = TranslatedTableTexts();
    const std::vector<int> ids = TranslatedTableStringIds();
    for (int id = TableTexts::kFirstId; id <= TableTexts::kLastId; ++id) {
        const bool listed = std::find(ids.begin(), ids.end(), id) != ids.end();
        QVERIFY2(listed == !builtIn.Get(id).empty(), qPrintable(QString::number(id)));
        QCOMPARE(italian.Get(id), builtIn.Get(id));
    }
    QCOMPARE(italian.integerRangeMessage, builtIn.integerRangeMessage);
    QCOMPARE(italian.zoneMessage, builtIn.zoneMessage);

    QVERIFY(modules.Load({QStringLiteral("en_US")}));
    const TableTexts english = TranslatedTableTexts();
    QCOMPARE(english.Get(table_string::kNorth), std::string("north"));
    QCOMPARE(english.Get(122), std::string("hour"));
    QCOMPARE(english.numberMessage, std::string("Enter a number."));
    QCOMPARE(TranslatedStepUnits().first(), QStringLiteral("years"));

    QVERIFY(modules.Load({QStringLiteral("pt_BR")}));
    QCOMPARE(TranslatedTableTexts().Get(table_string::kYes), std::string("sim"));
    QCOMPARE(TranslatedStepUnits().last(), QStringLiteral("segundos"));
    modules.Free();
    QCOMPARE(TranslatedStepUnits().at(2), QStringLiteral("giorni"));
}

void LanguagesTest::switchToEnglishAndBackKeepsSettings() {
    const QString file = dir_.filePath(QStringLiteral("switch.ini"));
    RecordingSink sink;
    CTarvelApp app(SettingsStore(file), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
    app.SetLocaleEnvironment(Lang(QStringLiteral("it_IT.UTF-8")));
    app.SetDataFolders(BuildFolder());
    app.SetSplashMilliseconds(0);

    struct Seen {
        QString exitText;
        QString latitudeLabel;
        QString zone15;
        bool italianChecked = false;
        bool englishChecked = false;
        bool portugueseChecked = false;
        double latitude = 0;
    };
    QVector<Seen> seen;
    int windows = 0;
    app.SetWindowObserver([&](CTarvelDlg& window) {
        const int index = windows++;
        QTimer::singleShot(0, &window, [&, index, w = &window] {
            Seen s;
            s.exitText = w->MenuAction(main_menu::kExit)->text();
            s.latitudeLabel = w->Label(1005)->text();
            s.zone15 = qobject_cast<QComboBox*>(w->Control(1003))->itemText(15);
            s.italianChecked = w->MenuAction(main_menu::kItalian)->isChecked();
            s.englishChecked = w->MenuAction(main_menu::kEnglish)->isChecked();
            s.portugueseChecked = w->MenuAction(main_menu::kPortuguese)->isChecked();
            s.latitude = w->Settings().latitude;
            seen.push_back(s);
            if (index == 0) {
                // A change in the first window, then English.
                QApplication::setActiveWindow(w);
                (void)QTest::qWaitForWindowActive(w);
                auto* latitude = qobject_cast<QLineEdit*>(w->Control(1005));
                TypeAndLeave(latitude, QStringLiteral("41.9"), w->Control(1006));
                w->MenuAction(main_menu::kEnglish)->trigger();
            } else if (index == 1) {
                w->MenuAction(main_menu::kItalian)->trigger();
            } else {
                w->MenuAction(main_menu::kExit)->trigger();
            }
        });
    });
    QCOMPARE(app.Run(), 0);
    QCOMPARE(windows, 3);
    QCOMPARE(seen.size(), 3);

    QCOMPARE(seen[0].exitText, QStringLiteral("&Esci"));
    QCOMPARE(seen[0].latitudeLabel, QStringLiteral("latitudine (<0 sud)"));
    QVERIFY(seen[0].italianChecked && !seen[0].englishChecked && !seen[0].portugueseChecked);

    QCOMPARE(seen[1].exitText, QStringLiteral("E&xit"));
    QCOMPARE(seen[1].latitudeLabel, QStringLiteral("latitude (<0 south)"));
    QCOMPARE(seen[1].zone15, QStringLiteral("UTC+1 (CET \u2013 Central European Time) "));
    QVERIFY(!seen[1].italianChecked && seen[1].englishChecked && !seen[1].portugueseChecked);
    QCOMPARE(seen[1].latitude, 41.9);

    QCOMPARE(seen[2].exitText, QStringLiteral("&Esci"));
    QVERIFY(seen[2].italianChecked && !seen[2].englishChecked && !seen[2].portugueseChecked);
    QCOMPARE(seen[2].latitude, 41.9);

    QCOMPARE(app.LanguageCode(), QStringLiteral("ITA"));
    QCOMPARE(app.HelpFile(), QStringLiteral("help/ITA"));
    QCOMPARE(app.Settings().latitude, 41.9);
    AppSettings stored;
    SettingsStore(file).Load(stored);
    QCOMPARE(stored.latitude, 41.9);
    // The last choice is remembered.
    QCOMPARE(SettingsStore(file).LoadLanguage(), 1040);
    QVERIFY(sink.messages.isEmpty());
}

void LanguagesTest::windowTextsFollowTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");  // 10 December 2026 in the date pickers
    QTest::addColumn<QString>("east");
    QTest::addColumn<QString>("west");
    QTest::addColumn<QString>("polarDay");
    QTest::addColumn<QString>("saveFailure");
    QTest::newRow("Italian") << "it_IT"
                             << "giovedì 10 dicembre 2026"
                             << "EST"
                             << "OVEST"
                             << "Giorno polare:"
                             << "Impossibile salvare %1: %2";
    QTest::newRow("English") << "en_US"
                             << "Thursday, December 10, 2026"
                             << "EAST"
                             << "WEST"
                             << "Polar day:"
                             << "Cannot save %1: %2";
    QTest::newRow("Portuguese") << "pt_BR"
                                << "quinta-feira, 10 de dezembro de 2026"
                                << "LESTE"
                                << "OESTE"
                                << "Dia polar:"
                                << "Não foi possível salvar %1: %2";
}

// The texts the windows form themselves follow the interface language: the
// dates of both windows' pickers, the Qibla direction's word, the reason of
// an absent event and the failed save.
void LanguagesTest::windowTextsFollowTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, east);
    QFETCH(QString, west);
    QFETCH(QString, polarDay);
    QFETCH(QString, saveFailure);
    LanguageModules modules(BuildFolder());
    QVERIFY(modules.Load({locale}));
    RecordingSink sink;
    CTarvelDlg window(AppSettings(), RomeAt(QDate(2026, 12, 10), QTime(12, 0, 0)), &sink);
    window.show();
    QCOMPARE(qobject_cast<QDateEdit*>(window.Control(1002))->text(), date);
    QCOMPARE(qobject_cast<QTimeEdit*>(window.Control(1000))->text(), QStringLiteral("12:00:00"));
    // Rome: the Kaaba lies east of south.
    QVERIFY2(window.OutputText(1053).endsWith(QStringLiteral("\"  ") + east),
             qPrintable(window.OutputText(1053)));
    QCOMPARE(QString::fromStdString(MainWindowTextOptions().west), west);
    QVERIFY(AbsenceToolTip(EventAbsence::PolarDay).startsWith(polarDay));
    TableParameters inputs;
    inputs.start.year = 2026;
    inputs.start.month = 12;
    inputs.start.day = 10;
    CEphemerisTable table(inputs, &sink);
    QCOMPARE(qobject_cast<QDateEdit*>(table.Control(1002))->text(), date);
    QCOMPARE(QCoreApplication::translate("CEphemerisTable", "Impossibile salvare %1: %2"),
             saveFailure);
    QVERIFY(sink.messages.isEmpty());
    modules.Free();
}

// A computer whose language has no module (or none at all): the interface is
// Italian, Italian is ticked and F1 opens the Italian help.
void LanguagesTest::unknownComputerLanguageIsItalianWithItsHelp() {
    for (const char* lang : {"de_DE.UTF-8", "C"}) {
        RecordingSink sink;  // also the help's, until reset below
        CTarvelApp app(SettingsStore(dir_.filePath(QStringLiteral("unknown.ini"))),
                       RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
        app.SetLocaleEnvironment(Lang(QString::fromLatin1(lang)));
        app.SetDataFolders(BuildFolder());
        app.SetSplashMilliseconds(0);
        QString checks;
        QString helpPage;
        app.SetWindowObserver([&](CTarvelDlg& window) {
            QTimer::singleShot(0, &window, [&, w = &window] {
                checks = LanguageChecks(*w);
                QApplication::setActiveWindow(w);
                (void)QTest::qWaitForWindowActive(w);
                QTest::keyClick(w, Qt::Key_F1);
                const auto help = w->findChildren<CHelpWindow*>();
                if (!help.isEmpty()) {
                    helpPage = help.last()->Browser()->source().toLocalFile();
                    help.last()->close();
                }
                w->MenuAction(main_menu::kExit)->trigger();
            });
        });
        app.Run();
        SetHelpMessageSink(nullptr);
        QCOMPARE(app.LanguageCode(), QStringLiteral("ITA"));
        QCOMPARE(checks, QStringLiteral("I--"));
        QVERIFY2(helpPage.endsWith(QStringLiteral("/help/ITA/html/pagina principale.htm")),
                 qPrintable(helpPage));
        QVERIFY2(sink.messages.isEmpty(), qPrintable(sink.LastText()));
    }
}

// A language switch keeps what the user entered (date, time, zone, summer
// box, ΔT mode and value, a site field typed into but not left) and opens the
// new window without the splash; Qt's own texts switch too.
void LanguagesTest::switchKeepsEveryInputWithoutTheSplash() {
    const QString file = dir_.filePath(QStringLiteral("inputs.ini"));
    RecordingSink sink;
    CTarvelApp app(SettingsStore(file), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
    app.SetLocaleEnvironment(Lang(QStringLiteral("it_IT.UTF-8")));
    app.SetDataFolders(BuildFolder());
    app.SetSplashMilliseconds(0);
    SplashCounter splashes;

    struct Seen {
        QDate date;
        QTime time;
        int zone = -1;
        bool summer = false;
        bool manual = false;
        QString deltaT;
        QString latitude;
        SolarRequest request;
        QString checks;
        QString qtCancel;
        int splashes = 0;
    };
    QVector<Seen> seen;
    app.SetWindowObserver([&](CTarvelDlg& window) {
        QTimer::singleShot(0, &window, [&, w = &window] {
            Seen s;
            s.date = qobject_cast<QDateEdit*>(w->Control(1002))->date();
            s.time = qobject_cast<QTimeEdit*>(w->Control(1000))->time();
            s.zone = qobject_cast<QComboBox*>(w->Control(1003))->currentIndex();
            s.summer = qobject_cast<QCheckBox*>(w->Control(1004))->isChecked();
            s.manual = qobject_cast<QRadioButton*>(w->Control(1062))->isChecked();
            s.deltaT = w->OutputText(1009);
            s.latitude = qobject_cast<QLineEdit*>(w->Control(1005))->text();
            s.request = w->LastRequest();
            s.checks = LanguageChecks(*w);
            s.qtCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
            s.splashes = splashes.shown;
            seen.push_back(s);
            if (seen.size() == 1) {
                QApplication::setActiveWindow(w);
                (void)QTest::qWaitForWindowActive(w);
                // A winter date whose summer box the user ticks by hand.
                qobject_cast<QDateEdit*>(w->Control(1002))->setDate(QDate(2001, 2, 3));
                qobject_cast<QTimeEdit*>(w->Control(1000))->setTime(QTime(4, 5, 6));
                qobject_cast<QComboBox*>(w->Control(1003))->setCurrentIndex(3);
                QTest::mouseClick(qobject_cast<QCheckBox*>(w->Control(1004)), Qt::LeftButton);
                QTest::mouseClick(qobject_cast<QRadioButton*>(w->Control(1062)), Qt::LeftButton);
                TypeAndLeave(qobject_cast<QLineEdit*>(w->Control(1009)), QStringLiteral("50"),
                             w->Control(1011));
                // Typed, still in the field, when the menu is used.
                auto* latitude = qobject_cast<QLineEdit*>(w->Control(1005));
                latitude->setFocus(Qt::TabFocusReason);
                latitude->selectAll();
                QTest::keyClicks(latitude, QStringLiteral("41.9"));
                w->MenuAction(main_menu::kEnglish)->trigger();
            } else if (seen.size() == 2) {
                w->MenuAction(main_menu::kPortuguese)->trigger();
            } else {
                w->MenuAction(main_menu::kExit)->trigger();
            }
        });
    });
    QCOMPARE(app.Run(), 0);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen[0].checks, QStringLiteral("I--"));
    QCOMPARE(seen[0].qtCancel, QStringLiteral("Annulla"));
    QCOMPARE(seen[1].checks, QStringLiteral("-E-"));
    QCOMPARE(seen[1].qtCancel, QStringLiteral("Cancel"));
    QCOMPARE(seen[2].checks, QStringLiteral("--P"));
    QCOMPARE(seen[2].qtCancel, QStringLiteral("Cancelar"));
    for (int i = 1; i < 3; ++i) {
        const Seen& s = seen[i];
        const QString which = QString::number(i);
        QCOMPARE(s.date, QDate(2001, 2, 3));
        QCOMPARE(s.time, QTime(4, 5, 6));
        QCOMPARE(s.zone, 3);
        QVERIFY2(s.summer, qPrintable(which));
        QVERIFY2(s.manual, qPrintable(which));
        QCOMPARE(s.deltaT, QStringLiteral("50.0"));
        QCOMPARE(s.latitude, QStringLiteral("41.9"));
        // The new window computed exactly what the old one showed last.
        QCOMPARE(s.request.year, 2001);
        QCOMPARE(s.request.hour, 4);
        QCOMPARE(s.request.zoneHours, kZoneListOffsets[3]);
        QVERIFY(s.request.summerTime);
        QCOMPARE(s.request.deltaT, 50.0);
        QCOMPARE(s.request.latitude, 41.9);
        // Only the first window had a splash.
        QCOMPARE(s.splashes, 1);
    }
    QCOMPARE(splashes.shown, 1);
    QCOMPARE(app.Settings().latitude, 41.9);
    QCOMPARE(SettingsStore(file).LoadLanguage(), 1046);
    QVERIFY(sink.messages.isEmpty());
}

void LanguagesTest::chosenLanguageComesBackAtTheNextStart_data() {
    QTest::addColumn<int>("stored");  // 0: none chosen yet
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("code");
    QTest::newRow("none: the computer's") << 0 << "en_US.UTF-8"
                                          << "ENU";
    QTest::newRow("Portuguese over English") << 1046 << "en_US.UTF-8"
                                             << "PTB";
    QTest::newRow("Italian over Portuguese") << 1040 << "pt_BR.UTF-8"
                                             << "ITA";
    QTest::newRow("English on an unknown computer") << 1033 << "de_DE.UTF-8"
                                                    << "ENU";
}

void LanguagesTest::chosenLanguageComesBackAtTheNextStart() {
    QFETCH(int, stored);
    QFETCH(QString, lang);
    QFETCH(QString, code);
    const QString file = dir_.filePath(QStringLiteral("next-%1.ini").arg(stored));
    if (stored != 0) {
        SettingsStore(file).SaveLanguage(stored);
    }
    CTarvelApp app(SettingsStore(file), RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)));
    app.SetLocaleEnvironment(Lang(lang));
    app.SetDataFolders(BuildFolder());
    app.StartLanguage();
    QCOMPARE(app.LanguageCode(), code);
    QCOMPARE(app.HelpFile(), QStringLiteral("help/") + code);
}

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
