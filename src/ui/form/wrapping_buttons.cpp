#include "ui/form/wrapping_buttons.h"

#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarvel {

QString WrapCaption(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width || !text.contains(QLatin1Char(' '))) {
        return text;
    }
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {

// The caption of a check box or radio button wrapped into the widget's width
// less the indicator and its spacing.
void WrapIndicatorCaption(QStyleOptionButton& option, const QWidget* button,
                          QStyle::PixelMetric indicatorWidth, QStyle::PixelMetric spacing) {
    const QStyle* style = button->style();
    const int room = button->width() - style->pixelMetric(indicatorWidth, &option, button) -
                     style->pixelMetric(spacing, &option, button);
    option.text = WrapCaption(option.text, button->fontMetrics(), room);
}

}  // namespace

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    WrapIndicatorCaption(option, this, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing);
    painter.drawControl(QStyle::CE_CheckBox, option);
}

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    WrapIndicatorCaption(option, this, QStyle::PM_ExclusiveIndicatorWidth,
                         QStyle::PM_RadioButtonLabelSpacing);
    painter.drawControl(QStyle::CE_RadioButton, option);
}

void WrappingPushButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    option.text = WrapCaption(option.text, fontMetrics(), width() - 2 * margin);
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace tarvel
