#include "ui/form/help_request.h"

namespace tarvel {

namespace {

HelpHandler& Handler() {
    static HelpHandler handler;
    return handler;
}

}  // namespace

void SetHelpHandler(HelpHandler handler) {
    Handler() = std::move(handler);
}

void RequestHelpTopic(QWidget* owner, const char* topic) {
    if (Handler()) {
        Handler()(owner, QString::fromUtf8(topic));
    }
}

}  // namespace tarvel
