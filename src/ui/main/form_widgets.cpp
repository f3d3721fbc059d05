#include "ui/main/form_widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLocale>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVariant>
#include <algorithm>

#include "table/table_parameters.h"
#include "ui/main/form_geometry.h"
#include "ui/main/group_frame.h"
#include "ui/main/help_request.h"
#include "ui/main/time_zones.h"

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

void PlaceDropDownList(QComboBox* list, const QRect& rect) {
    const int closedHeight = list->sizeHint().height();
    list->setGeometry(rect.x(), rect.y(), rect.width(), closedHeight);
    const int itemHeight = list->fontMetrics().height() + 2;
    list->setMaxVisibleItems(std::max(1, (rect.height() - closedHeight) / std::max(1, itemHeight)));
}

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

void FormEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft(event->reason());
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
