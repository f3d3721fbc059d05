// Small widgets the forms need beyond Qt's own: an edit that reports losing the
// focus, pickers that leave Enter to their window, a check box and push button
// whose captions wrap into several lines when they do not fit their width (the
// caption itself keeps its text), and the controls both windows build alike:
// the date and time pickers and the zone list.
#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <type_traits>

class QComboBox;

namespace tarvel {

// True for Enter and Return, with or without modifiers.
bool IsEnterKey(const QKeyEvent& event);

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

// The date picker of the forms: the Italian long date, a calendar popup, right
// aligned, limited to 1900-01-01 ... 3000-01-01.
QDateEdit* MakeDatePicker(QWidget* parent);

// The time picker of the forms: hh:mm:ss (24 hours), right aligned, the whole
// day.
QTimeEdit* MakeTimePicker(QWidget* parent);

// The zone list of the forms: the 40 zones of kTimeZoneEntries, in list order,
// in the interface language.
QComboBox* MakeZoneList(QWidget* parent);

// The number of a control named in a window's enum class of control numbers.
template <typename Control>
constexpr int ControlNumber(Control control) {
    static_assert(std::is_enum_v<Control>);
    return static_cast<int>(control);
}

// Gives control its number: the property kControlIdProperty and the object
// name "c<id>".
void NumberControl(QWidget* control, int id);

// Places a drop-down list at rect (pixels) of the form, whose height includes
// the open list: the closed list keeps the rectangle's place and width at its
// own height, and opens on as many items as fit in the rest.
void PlaceDropDownList(QComboBox* list, const QRect& rect);

// Breaks text at blanks into lines no wider than width in the given metrics;
// a word wider than width stays on a line of its own.
QString WrapCaption(const QString& text, const QFontMetrics& metrics, int width);

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

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    using QRadioButton::QRadioButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class WrappingPushButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvel
