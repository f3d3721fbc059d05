// The form pass of the windows' number fields: each field is read as the
// decimal number at the start of its text ("." as the decimal point, leading
// blanks allowed, whatever follows ignored) and checked against its range; the
// first failure shows the framework's message and returns the focus to the
// field with its text selected.
#pragma once

#include <QString>

#include "format/number_text.h"

class QLineEdit;
class QWidget;

namespace tarvel {

class MessageSink;

// "Immettere un numero."
QString NumberMessage();
// "Immettere un numero compreso tra %1 e %2." with the bounds as the fields
// show numbers.
QString NumberRangeMessage(double low, double high);

// Caption of the form pass's messages: the program's name.
QString FormMessageCaption();

// A number as the fields show it: up to 15 significant digits, no trailing
// zeros, "." as the decimal point (45, -8, 0, 69.184).
QString FieldNumberText(double value);

// Reads the number at the start of field's text into value. On failure shows
// NumberMessage through sink (owned by owner), gives the focus back to the
// field with its text selected and returns false; value is left as it was.
bool ReadNumberField(QLineEdit* field, double& value, MessageSink& sink, QWidget* owner);

// The same, then checks low <= number <= high; out of range shows
// NumberRangeMessage(low, high), and value is left as it was.
bool ReadNumberField(QLineEdit* field, double low, double high, double& value, MessageSink& sink,
                     QWidget* owner);

// The words a latitude (north positive) or a longitude as the windows count it
// (WEST positive) may end with: N, S, E, W, the English names, and the
// interface language's own letters and names (O for west in Italian and
// Portuguese, L for east in Portuguese).
HemisphereWords LatitudeWords();
HemisphereWords LongitudeWestWords();

// Reads a latitude or longitude typed with its side and in degrees, minutes
// and seconds (ReadSiteAngle, field style: "41°54'N", "12.5E"; a plain
// number keeps the leading-number reading), then checks low <= value <= high.
// A text that is no angle (a sign and a side together, minutes of 60) shows
// NumberMessage, one out of range NumberRangeMessage; value is then left as
// it was.
bool ReadAngleField(QLineEdit* field, const HemisphereWords& words, double low, double high,
                    double& value, MessageSink& sink, QWidget* owner);

// Sets the field's text only when it differs, so the cursor and selection of a
// field whose text does not change are kept.
void SetFieldText(QLineEdit* field, const QString& text);

// Makes a field read-only (shown on the window's background, as read-only
// fields are) or editable again.
void SetFieldReadOnly(QLineEdit* field, bool readOnly);

}  // namespace tarvel
