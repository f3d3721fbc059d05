// Small widgets the forms need beyond Qt's own: an edit that reports losing the
// focus, and a check box and push button whose captions wrap into several lines
// when they do not fit their width (the caption itself keeps its text).
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tarvel {

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
