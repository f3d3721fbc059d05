// The help topics the windows open, and the way they ask for one: the
// application shell installs the handler that shows the help book of the
// current language (the windows do not know where the books are).
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

// The topics, as paths inside a language's help book.
namespace help_topic {
inline constexpr const char* kMainPage = "html/pagina principale.htm";  // main window, F1
inline constexpr const char* kIntroduction = "html/introduzione.htm";   // "&Help" > "&Help"
inline constexpr const char* kPreferences = "html/preferenze.htm";      // preferences, F1
inline constexpr const char* kTable = "html/tabella.htm";               // table window, F1
}  // namespace help_topic

// Shows topic of the current help book, owned by owner.
using HelpHandler = std::function<void(QWidget* owner, const QString& topic)>;

// Installs the handler (an empty one: help requests do nothing).
void SetHelpHandler(HelpHandler handler);

// Asks the installed handler to show topic (e.g. help_topic::kTable), owned by
// owner; nothing happens without a handler.
void RequestHelpTopic(QWidget* owner, const char* topic);

}  // namespace tarvel
