#include "ui/form/form_fields.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>
#include <string>

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
    if (!ReadLeading(field, number)) {
        Refuse(field, NumberMessage(), sink, owner);
        return false;
    }
    if (!(number >= low && number <= high)) {
        Refuse(field, NumberRangeMessage(low, high), sink, owner);
        return false;
    }
    value = number;
    return true;
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
