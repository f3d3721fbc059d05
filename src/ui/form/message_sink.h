// Where the windows' message boxes go: a modal QMessageBox normally, a
// recording sink in tests.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace tarvel {

class MessageSink {
  public:
    virtual ~MessageSink() = default;

    // Shows text with caption and icon, owned by owner, and returns when the
    // user has dismissed it.
    virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption,
                             QMessageBox::Icon icon) = 0;
};

// A modal QMessageBox with an OK button.
class MessageBoxSink : public MessageSink {
  public:
    void ShowMessage(QWidget* owner, const QString& text, const QString& caption,
                     QMessageBox::Icon icon) override;
};

// The sink the windows use when they are given none.
MessageSink& DefaultMessageSink();

}  // namespace tarvel
