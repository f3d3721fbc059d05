// The application object: the settings' defaults, the interface language and
// its help book, the load of the stored settings, the main window run modally
// with a copy of them (a new one, with the same inputs, after each language
// switch), and the save of the last window's settings when the program ends.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "app/app_settings.h"
#include "languages/languages.h"
#include "app/settings_store.h"
#include "app/version_info.h"
#include "ui/main/tarvel_dlg.h"

namespace tarvel {

class MessageSink;

class CTarvelApp {
  public:
    // The user's own settings store and the computer's zone and clock.
    CTarvelApp();
    // Another store, environment or message sink (tests).
    CTarvelApp(SettingsStore store, CTarvelDlg::Environment environment,
               MessageSink* sink = nullptr);

    // Sets the defaults, chooses the interface language, loads the stored
    // settings over the defaults, runs the main window modally with a copy (and
    // after a language switch a new one with the replaced window's settings),
    // copies the last window's settings back and saves them. Returns the last
    // main window's result code.
    int Run();

    // The application's settings (after Run: as saved).
    const AppSettings& Settings() const { return settings_; }

    // Options for tests: the locale environment the candidates come from, the
    // folders of the translation modules and help books, the time the splash
    // stays (milliseconds), and a function called with each main window just
    // before its run.
    void SetLocaleEnvironment(LocaleEnvironment environment) { locale_ = std::move(environment); }
    void SetDataFolders(const QStringList& folders);
    void SetSplashMilliseconds(int milliseconds) { splashMilliseconds_ = milliseconds; }
    void SetWindowObserver(std::function<void(CTarvelDlg&)> observer) {
        observer_ = std::move(observer);
    }

    // Chooses the interface language at start: fills the candidates (once),
    // loads the language the user chose last in the menu (kept in the
    // settings store) or else the first candidate whose module exists (the
    // built-in Italian when none does) and sets the help book of its code.
    void StartLanguage();
    // A language menu command (1040 Italian, 1033 English, 1046 Portuguese):
    // reads window's fields as Enter does, loads that language (or the first
    // candidate that loads), sets its help book, stores the choice for the
    // next start, and ends window's run so that a new window is built in it,
    // with the same inputs and without the splash.
    void SwitchLanguage(CTarvelDlg& window, int languageId);

    // The candidates, the code of the language tried last and the help book.
    const QStringList& LanguageCandidates() const { return candidates_; }
    QString LanguageCode() const { return modules_.LanguageCodeTried(); }
    QString HelpFile() const;

    // Sets the check marks of the language menu of window: every item
    // checkable, the item of LanguageCode() checked, the others cleared.
    void UpdateLanguageChecks(CTarvelDlg& window) const;

  private:
    void ConnectWindow(CTarvelDlg& window, const VersionInfo& version);

    SettingsStore store_;
    CTarvelDlg::Environment environment_;
    MessageSink* sink_ = nullptr;
    AppSettings settings_;

    LocaleEnvironment locale_ = ProcessLocaleEnvironment();
    QStringList candidates_;
    LanguageModules modules_;
    int splashMilliseconds_;
    std::function<void(CTarvelDlg&)> observer_;
    bool switchRequested_ = false;
};

}  // namespace tarvel
