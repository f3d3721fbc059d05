// The help books: one folder of HTML pages per language ("help/ITA",
// "help/ENU", "help/PTB") beside the executable or in the install's data
// folder, shown in the program's own help browser.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "ui/form/help_request.h"

class QTextBrowser;

namespace tarvel {

class MessageSink;

// The help book in use ("help/ENU"; empty until a language sets it) and the
// folders searched for it (by default those of the translation modules).
void SetHelpBook(const QString& book);
QString HelpBook();
void SetHelpFolders(const QStringList& folders);

// Where the messages of ShowHelpTopic go (nullptr: modal message boxes).
void SetHelpMessageSink(MessageSink* sink);

// The full path of a topic: the first folder holding the book (the first
// folder when none does), then the book, then the topic.
QString HelpTopicPath(const QString& topic);

// Opens topic of the help book in use in a help browser owned by owner and
// returns it; when the page cannot be read shows "Cannot find help file:\n\n"
// followed by the path, caption "Error", and returns nullptr.
QWidget* ShowHelpTopic(QWidget* owner, const QString& topic);

// The help browser: a window with the pages of one book.
class CHelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CHelpWindow(QWidget* owner);

    // Shows the page at path; false when it cannot be read.
    bool Open(const QString& path);
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace tarvel
