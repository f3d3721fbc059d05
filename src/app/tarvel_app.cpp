#include "app/tarvel_app.h"

#include "app/options_dialog.h"

namespace tarvel {

CTarvelApp::CTarvelApp() = default;

CTarvelApp::CTarvelApp(SettingsStore store, CTarvelDlg::Environment environment, MessageSink* sink)
    : store_(std::move(store)), environment_(std::move(environment)), sink_(sink) {}

int CTarvelApp::Run() {
    settings_ = AppSettings();
    store_.Load(settings_);

    CTarvelDlg window(settings_, environment_, sink_);
    MessageSink* sink = sink_;
    window.SetPreferencesEditor([sink](QWidget* parent, AppSettings& settings) {
        return EditPreferences(parent, settings, sink);
    });
    const int result = window.exec();

    settings_ = window.Settings();
    store_.Save(settings_);
    return result;
}

}  // namespace tarvel
