// The command-line tool's report in the interface language: its captions and
// labels are the main window's, translated by the same modules.
#pragma once

#include <string>
#include <string_view>

#include "format/result_texts.h"

namespace tarvel {

// An Italian caption or label of the report in the current interface language:
// the main window's translation, or the table options' and the report's own
// for the few the window does not show; the Italian itself when no module is
// loaded or none translates it.
std::string TranslatedReportText(std::string_view italian);

// The words inside the report's texts in the current interface language: the
// day offsets ("giorno", "giorni"), the names of the high-latitude rules, of
// the program's own and of the custom prayer method, the minutes.
ResultTextOptions TranslatedReportOptions();

}  // namespace tarvel
