// What both windows' forms are built from beyond Qt's own widgets: the keys the
// controls leave to their window, the date and time pickers (which leave it
// Enter) and the zone list, the control numbers and the placing of drop-down
// lists, an edit that reports losing the focus, and a check box and push
// button whose captions wrap into several lines when they do not fit their
// width (the caption itself keeps its text).
#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <functional>
#include <type_traits>

#include "ui/form/wrapping_buttons.h"

class QComboBox;

namespace tarvel {

// True for Enter and Return, with or without modifiers.
bool IsEnterKey(const QKeyEvent& event);

// The keys the forms' controls leave to their window, for the windows'
// keyPressEvent: Enter runs onEnter (it never reaches a default button);
// F1 asks the help handler for helpTopic. False for any other key (Escape
// included), which the dialog itself handles.
bool HandleFormKey(const QKeyEvent& event, QWidget* window, const char* helpTopic,
                   const std::function<void()>& onEnter);

// A picker that leaves Enter to its window: the key goes on to the window's
// keyPressEvent before the picker reads its text again (which would signal a
// change of the date or time).
template <typename Picker>
class EnterPassingPicker : public Picker {
  public:
    using Picker::Picker;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (IsEnterKey(*event)) {
            event->ignore();
            return;
        }
        Picker::keyPressEvent(event);
    }
};

// The locale of the interface language (Italian (Italy) when no translation
// module is loaded): the pickers' dates and month names.
QLocale InterfaceLocale();

// The date picker of the forms: the long date of the interface language's
// locale, a calendar popup, right aligned, limited to 1900-01-01 ...
// 3000-01-01.
QDateEdit* MakeDatePicker(QWidget* parent);

// The time picker of the forms: hh:mm:ss (24 hours) in the interface
// language's locale, right aligned, the whole day.
QTimeEdit* MakeTimePicker(QWidget* parent);

// The zone list of the forms: the 40 zones of kTimeZoneEntries, in list order,
// in the interface language. Its closed box keeps its design width; the open
// list shows every entry whole.
QComboBox* MakeZoneList(QWidget* parent);

// Numbers of the date, time and site controls, which both forms have under the
// same numbers.
enum class SiteControl : int {
    TimePicker = 1000,
    DatePicker = 1002,
    ZoneList = 1003,
    SummerTime = 1004,
    Latitude = 1005,
    Longitude = 1006,
    Height = 1011,
    Group = 1038,  // the hidden group box "DATA, ORA E LOCALITA'"
};

// A control's number given by its name in an enum class of control numbers
// (SiteControl, or a window's own).
struct ControlId {
    template <typename Control, typename = std::enable_if_t<std::is_enum_v<Control>>>
    constexpr ControlId(Control control) : number(static_cast<int>(control)) {}
    friend constexpr bool operator==(ControlId a, ControlId b) { return a.number == b.number; }

    int number;
};

// The number itself, as the controls carry it.
constexpr int ControlNumber(ControlId id) {
    return id.number;
}

// Gives control its number: the property kControlIdProperty and the object
// name "c<id>".
void NumberControl(QWidget* control, ControlId id);

// An edit field that signals after it has lost the focus, with the reason.
class FormEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  Q_SIGNALS:
    void focusLeft(Qt::FocusReason reason);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tarvel
