// Texts of the other layers in the current interface language: the table's
// strings 101 ... 212 and its validation messages.
//
// They come from the translation modules the application installs (Italian,
// built in, when none is loaded). The table window fills its TableTexts with
// TranslatedTableTexts() and its step-unit list with TranslatedStepUnits(); its
// own form texts are translated with QCoreApplication::translate in the
// contexts "CEphemerisTable" and "CTableOptions" and come from the same modules.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "table/table_texts.h"

namespace tarvel {

// The table's texts in the current language (the built-in Italian when no
// module is loaded).
TableTexts TranslatedTableTexts();

// The entries of the table window's step-unit list in the current language,
// in the order of TableStepUnit (years ... seconds).
QStringList TranslatedStepUnits();

// The numbers of the table strings TranslatedTableTexts translates.
std::vector<int> TranslatedTableStringIds();

}  // namespace tarvel
