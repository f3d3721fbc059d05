#include "ui/form/form_widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLocale>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVariant>
#include <algorithm>

#include "table/table_parameters.h"
#include "ui/form/form_geometry.h"
#include "ui/form/group_frame.h"
#include "ui/form/help_request.h"
#include "ui/form/time_zones.h"

namespace tarvel {

bool IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool HandleFormKey(const QKeyEvent& event, QWidget* window, const char* helpTopic,
                   const std::function<void()>& onEnter) {
    if (IsEnterKey(event)) {
        onEnter();
        return true;
    }
    if (event.key() == Qt::Key_F1) {
        RequestHelpTopic(window, helpTopic);
        return true;
    }
    return false;
}

QLocale InterfaceLocale() {
    // Each translation module names the locale of its language; the built-in
    // texts are Italian (Italy).
    //: The locale of this language (its dates and month names), as language_TERRITORY.
    return QLocale(QCoreApplication::translate("InterfaceLocale", "it_IT"));
}

QDateEdit* MakeDatePicker(QWidget* parent) {
    auto* picker = new EnterPassingPicker<QDateEdit>(parent);
    const QLocale locale = InterfaceLocale();
    picker->setLocale(locale);
    picker->setDisplayFormat(locale.dateFormat(QLocale::LongFormat));
    picker->setCalendarPopup(true);
    picker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    picker->setDateRange(QDate(kTableFirstStartYear, 1, 1), QDate(kTableLastStartYear, 1, 1));
    return picker;
}

QTimeEdit* MakeTimePicker(QWidget* parent) {
    auto* picker = new EnterPassingPicker<QTimeEdit>(parent);
    picker->setLocale(InterfaceLocale());
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    picker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    picker->setTimeRange(QTime(0, 0, 0), QTime(23, 59, 59, 999));
    return picker;
}

QComboBox* MakeZoneList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    for (const TimeZoneEntry& entry : kTimeZoneEntries) {
        list->addItem(QCoreApplication::translate("TimeZones", entry.label));
    }
    KeepDesignWidth(list);
    return list;
}

void NumberControl(QWidget* control, ControlId id) {
    control->setProperty(kControlIdProperty, id.number);
    control->setObjectName(QStringLiteral("c%1").arg(id.number));
}

void FormEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft(event->reason());
}

}  // namespace tarvel
