#include "ui/form/form_fields.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "format/printf_text.h"
#include "table/table_parameters.h"
#include "ui/form/message_sink.h"

namespace tarvel {

namespace {

void Refuse(QLineEdit* field, const QString& message, MessageSink& sink, QWidget* owner) {
    sink.ShowMessage(owner, message, FormMessageCaption(), QMessageBox::Warning);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

bool ReadLeading(const QLineEdit* field, double& number) {
    const std::string text = field->text().toStdString();
    return ReadLeadingNumber(text, number);
}

// Stores the number read when it lies in low ... high; otherwise refuses the
// field with NumberMessage (nothing read) or NumberRangeMessage.
bool StoreInRange(QLineEdit* field, const std::optional<double>& number, double low, double high,
                  double& value, MessageSink& sink, QWidget* owner) {
    if (!number) {
        Refuse(field, NumberMessage(), sink, owner);
        return false;
    }
    if (!(*number >= low && *number <= high)) {
        Refuse(field, NumberRangeMessage(low, high), sink, owner);
        return false;
    }
    value = *number;
    return true;
}

}  // namespace

QString NumberMessage() {
    return QCoreApplication::translate("FormPass", "Immettere un numero.");
}

QString NumberRangeMessage(double low, double high) {
    return QCoreApplication::translate("FormPass", "Immettere un numero compreso tra %1 e %2.")
        .arg(FieldNumberText(low), FieldNumberText(high));
}

QString FormMessageCaption() {
    return QStringLiteral("Tarvel");
}

QString FieldNumberText(double value) {
    return QString::fromStdString(PrintfText("%.15g", value));
}

bool ReadNumberField(QLineEdit* field, double& value, MessageSink& sink, QWidget* owner) {
    double number = 0;
    if (!ReadLeading(field, number)) {
        Refuse(field, NumberMessage(), sink, owner);
        return false;
    }
    value = number;
    return true;
}

bool ReadNumberField(QLineEdit* field, double low, double high, double& value, MessageSink& sink,
                     QWidget* owner) {
    double number = 0;
    return StoreInRange(field,
                        ReadLeading(field, number) ? std::optional<double>(number) : std::nullopt,
                        low, high, value, sink, owner);
}

namespace {

// The side's words: the fixed ones, then those of the language's text (words
// separated by blanks).
std::vector<std::string> Words(std::vector<std::string> words, const QString& translated) {
    for (const QString& word : translated.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        words.push_back(word.toUpper().toStdString());
    }
    return words;
}

}  // namespace

namespace {

// The sides of one axis, without the other axis's words.
HemisphereWords SideWords(bool latitude) {
    if (latitude) {
        return {Words({"N", "NORTH"},
                      QCoreApplication::translate("SiteSides", "N NORD",
                                                  "the words naming north, separated by blanks")),
                Words({"S", "SOUTH"},
                      QCoreApplication::translate("SiteSides", "S SUD",
                                                  "the words naming south, separated by blanks"))};
    }
    return {Words({"W", "WEST"},
                  QCoreApplication::translate("SiteSides", "O OVEST",
                                              "the words naming west, separated by blanks")),
            Words({"E", "EAST"},
                  QCoreApplication::translate("SiteSides", "E EST",
                                              "the words naming east, separated by blanks"))};
}

// One axis's sides, the other's words refused.
HemisphereWords AxisWords(bool latitude) {
    HemisphereWords words = SideWords(latitude);
    const HemisphereWords other = SideWords(!latitude);
    words.otherAxis = other.positive;
    words.otherAxis.insert(words.otherAxis.end(), other.negative.begin(), other.negative.end());
    return words;
}

}  // namespace

HemisphereWords LatitudeWords() {
    return AxisWords(true);
}

HemisphereWords LongitudeWestWords() {
    return AxisWords(false);
}

bool ReadAngleField(QLineEdit* field, const HemisphereWords& words, double low, double high,
                    double& value, MessageSink& sink, QWidget* owner) {
    return StoreInRange(field,
                        ReadSiteAngle(field->text().toStdString(), words, AngleTextStyle::Field),
                        low, high, value, sink, owner);
}

void SetFieldText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

void SetFieldReadOnly(QLineEdit* field, bool readOnly) {
    field->setReadOnly(readOnly);
    QPalette palette = field->palette();
    const QPalette standard =
        field->parentWidget() != nullptr ? field->parentWidget()->palette() : QPalette();
    palette.setColor(QPalette::Base,
                     readOnly ? standard.color(QPalette::Window) : standard.color(QPalette::Base));
    field->setPalette(palette);
}

}  // namespace tarvel
