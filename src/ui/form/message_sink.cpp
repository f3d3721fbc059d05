#include "ui/form/message_sink.h"

namespace tarvel {

void MessageBoxSink::ShowMessage(QWidget* owner, const QString& text, const QString& caption,
                                 QMessageBox::Icon icon) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

MessageSink& DefaultMessageSink() {
    static MessageBoxSink sink;
    return sink;
}

}  // namespace tarvel
