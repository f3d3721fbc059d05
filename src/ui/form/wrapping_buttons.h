// Check boxes, radio buttons and push buttons whose caption breaks into lines
// at blanks when it is wider than the button, as the forms' designs need for
// longer captions in other languages.
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace tarvel {

// Breaks text at blanks into lines no wider than width in the given metrics;
// a word wider than width stays on a line of its own.
QString WrapCaption(const QString& text, const QFontMetrics& metrics, int width);

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
