// The application object: the settings' defaults, their load, the main window
// run modally with a copy of them, and their save when it ends.
#pragma once

#include "app/app_settings.h"
#include "app/settings_store.h"
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

    // Sets the defaults, loads the stored settings over them, runs the main
    // window modally with a copy, copies its settings back and saves them.
    // Returns the main window's result code.
    int Run();

    // The application's settings (after Run: as saved).
    const AppSettings& Settings() const { return settings_; }

  private:
    SettingsStore store_;
    CTarvelDlg::Environment environment_;
    MessageSink* sink_ = nullptr;
    AppSettings settings_;
};

}  // namespace tarvel
