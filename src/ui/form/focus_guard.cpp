#include "ui/form/focus_guard.h"

#include "ui/form/form_widgets.h"

namespace tarvel {

void FocusGuard::OnFocusLeft(FormEdit* field, QWidget* window, std::function<void()> handler) {
    QObject::connect(field, &FormEdit::focusLeft, window,
                     [this, window, handler = std::move(handler)](Qt::FocusReason reason) {
                         if (passDepth_ > 0 || closing_ || reason == Qt::PopupFocusReason ||
                             !window->isVisible()) {
                             return;
                         }
                         handler();
                     });
}

void FocusGuard::StopListening(QWidget* window) {
    closing_ = true;
    for (QObject* child : window->findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, window, nullptr);
    }
}

}  // namespace tarvel
