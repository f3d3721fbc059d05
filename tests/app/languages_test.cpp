// Interface languages: the candidates taken from the locale environment, the
// codes of the locales, the module chosen at start, and the switch from the
// menu that rebuilds the main window in another language keeping its settings.
#include "app/languages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/help.h"
#include "app/tarvel_app.h"
#include "ui/main/translated_texts.h"
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
    void switchToEnglishAndBackKeepsSettings();

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
    QTest::newRow("Italian") << "it_IT.UTF-8"
                             << "ITA"
                             << "help/ITA"
                             << "&Esci";
    QTest::newRow("English") << "en_US.UTF-8"
                             << "ENU"
                             << "help/ENU"
                             << "E&xit";
    QTest::newRow("Brazil") << "pt_BR.UTF-8"
                            << "PTB"
                            << "help/PTB"
                            << "&Sair";
    // No PTG module: the language's default locale, Brazil, is next.
    QTest::newRow("Portugal") << "pt_PT.UTF-8"
                              << "PTB"
                              << "help/PTB"
                              << "&Sair";
    // No module at all: the built-in Italian, no help book.
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "LOC"
                            << ""
                            << "&Esci";
}

void LanguagesTest::moduleChosenAtStart() {
    QFETCH(QString, lang);
    QFETCH(QString, code);
    QFETCH(QString, helpBook);
    QFETCH(QString, exitText);
    SetHelpBook(QString());
    CTarvelApp app(SettingsStore(dir_.filePath(QStringLiteral("t.ini"))),
                   RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)));
    app.SetLocaleEnvironment(Lang(lang));
    app.SetDataFolders(BuildFolder());
    app.StartLanguage();
    QCOMPARE(app.LanguageCode(), code);
    QCOMPARE(app.HelpFile(), helpBook);
    QCOMPARE(QCoreApplication::translate("CTarvelDlg", "&Esci"), exitText);
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
    QVERIFY(sink.messages.isEmpty());
}

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
