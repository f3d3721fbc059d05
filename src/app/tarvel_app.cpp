#include "app/tarvel_app.h"

#include <QAction>

#include "app/about_dlg.h"
#include "app/charts_opener.h"
#include "app/help.h"
#include "app/options_dialog.h"
#include "app/splash.h"
#include "app/version_info.h"
#include "ui/table/ephemeris_table.h"

namespace tarvel {

namespace {

struct LanguageItem {
    int command;
    int languageId;
    const char* code;
};

constexpr LanguageItem kLanguageItems[] = {
    {main_menu::kItalian, 1040, "ITA"},
    {main_menu::kEnglish, 1033, "ENU"},
    {main_menu::kPortuguese, 1046, "PTB"},
};

}  // namespace

CTarvelApp::CTarvelApp() : splashMilliseconds_(kSplashMilliseconds) {}

CTarvelApp::CTarvelApp(SettingsStore store, CTarvelDlg::Environment environment, MessageSink* sink)
    : store_(std::move(store)),
      environment_(std::move(environment)),
      sink_(sink),
      splashMilliseconds_(kSplashMilliseconds) {
    SetHelpMessageSink(sink);
}

void CTarvelApp::SetDataFolders(const QStringList& folders) {
    modules_.SetFolders(folders);
    SetHelpFolders(folders);
}

QString CTarvelApp::HelpFile() const {
    return HelpBook();
}

void CTarvelApp::StartLanguage() {
    // The windows ask for their help topics through this handler.
    SetHelpHandler([](QWidget* owner, const QString& topic) { ShowHelpTopic(owner, topic); });
    if (candidates_.isEmpty()) {
        candidates_ = LanguageCandidatesFor(locale_);
    }
    // The language the user chose last comes before the computer's.
    modules_.Load(candidates_, LocaleForLanguageId(store_.LoadLanguage()));
    SetHelpBook(HelpBookForCode(modules_.LanguageCodeTried()));
}

void CTarvelApp::SwitchLanguage(CTarvelDlg& window, int languageId) {
    // The fields typed into are read as Enter reads them, so that the new
    // window starts from what this one shows.
    window.OnEnter();
    modules_.Free();
    modules_.Load(candidates_, LocaleForLanguageId(languageId));
    const QString book = HelpBookForCode(modules_.LanguageCodeTried());
    if (!book.isEmpty()) {
        SetHelpBook(book);
    }
    // Remembered for the next start.
    store_.SaveLanguage(languageId);
    switchRequested_ = true;
    window.OnExit();  // ends the run with result 0
}

void CTarvelApp::UpdateLanguageChecks(CTarvelDlg& window) const {
    const QString code = LanguageCode();
    for (const LanguageItem& item : kLanguageItems) {
        if (QAction* action = window.MenuAction(item.command)) {
            action->setCheckable(true);
            action->setChecked(code == QLatin1String(item.code));
        }
    }
}

void CTarvelApp::ConnectWindow(CTarvelDlg& window, const VersionInfo& version) {
    MessageSink* sink = sink_;
    window.SetPreferencesEditor([sink](QWidget* parent, AppSettings& settings) {
        return EditPreferences(parent, settings, sink);
    });
    // The windows ask for their F1 topics through the help handler.
    window.SetTableOpener([sink](QWidget* parent, const TableParameters& inputs) {
        OpenEphemerisTable(parent, inputs, sink);
    });
    window.SetChartsOpener([](CTarvelDlg* main) { ShowChartsWindow(main); });
    for (const LanguageItem& item : kLanguageItems) {
        QAction* action = window.MenuAction(item.command);
        if (action == nullptr) {
            continue;
        }
        action->setEnabled(true);
        const int languageId = item.languageId;
        QObject::connect(action, &QAction::triggered, &window,
                         [this, &window, languageId] { SwitchLanguage(window, languageId); });
    }
    UpdateLanguageChecks(window);

    if (QAction* help = window.MenuAction(main_menu::kHelp)) {
        help->setEnabled(true);
        QObject::connect(help, &QAction::triggered, &window, [&window] {
            ShowHelpTopic(&window, QString::fromLatin1(help_topic::kIntroduction));
        });
    }
    if (QAction* about = window.MenuAction(main_menu::kAbout)) {
        about->setEnabled(true);
        QObject::connect(about, &QAction::triggered, &window, [&window, version] {
            CAboutDlg box(version, &window);
            box.exec();
        });
    }
}

int CTarvelApp::Run() {
    settings_ = AppSettings();
    StartLanguage();
    store_.Load(settings_);

    int result = 0;
    bool replacing = false;
    CTarvelDlg::FormInputs inputs;
    SettingsStore::PlaceAndZone placeAndZone;
    // Stored names the window could not take up (a place or a zone no longer
    // found): left in the store unless the user chose another.
    SettingsStore::PlaceAndZone unread;
    do {
        switchRequested_ = false;
        CTarvelDlg window(settings_, environment_, sink_);
        window.setWindowIcon(ApplicationIcon());
        // A window that replaces another after a language switch takes over
        // its inputs and opens at once.
        if (replacing) {
            window.SetInputs(inputs);
        } else {
            const SettingsStore::PlaceAndZone chosen = store_.LoadPlaceAndZone();
            const CTarvelDlg::RestoredNames taken =
                window.RestorePlaceAndZone(chosen.place, chosen.zone);
            if (!taken.place) unread.place = chosen.place;
            if (!taken.zone) unread.zone = chosen.zone;
        }
        // The window's initialisation: the version record, then the splash
        // (at start only).
        const VersionInfo version = ReadVersionInfo();
        ConnectWindow(window, version);
        if (!replacing) {
            CWSplash splash(SplashPicture(), version.major, version.minor);
            splash.ShowFor(splashMilliseconds_);
        }
        if (observer_) {
            observer_(window);
        }
        result = window.exec();
        // The replaced window's settings and inputs carry into the next one;
        // the last window's settings are saved.
        settings_ = window.Settings();
        inputs = window.Inputs();
        placeAndZone = {window.PlaceLabel(), window.ZoneName()};
        replacing = true;
    } while (switchRequested_);

    store_.Save(settings_);
    if (placeAndZone.place.isEmpty()) placeAndZone.place = unread.place;
    if (placeAndZone.zone.isEmpty()) placeAndZone.zone = unread.zone;
    store_.SavePlaceAndZone(placeAndZone);
    return result;
}

}  // namespace tarvel
