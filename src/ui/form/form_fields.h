// The form pass of the windows' number fields: each field is read as the
// decimal number at the start of its text ("." as the decimal point, leading
// blanks allowed, whatever follows ignored) and checked against its range; the
// first failure shows the framework's message and returns the focus to the
// field with its text selected.
#pragma once

#include <QString>

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

// Sets the field's text only when it differs, so the cursor and selection of a
// field whose text does not change are kept.
void SetFieldText(QLineEdit* field, const QString& text);

// Makes a field read-only (shown on the window's background, as read-only
// fields are) or editable again.
void SetFieldReadOnly(QLineEdit* field, bool readOnly);

}  // namespace tarvel
