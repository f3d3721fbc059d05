#include "ui/form/form_geometry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QTextLayout>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>

#include "ui/form/group_frame.h"
#include "ui/form/wrapping_buttons.h"

namespace tarvel {

namespace {

constexpr char kDesignRectProperty[] = "tarvelDesignRect";
constexpr char kKeepsDesignWidthProperty[] = "tarvelKeepsDesignWidth";

// Wider and taller than any form.
constexpr int kUnbounded = 1 << 20;

// Pixels of a frame's top edge left visible after the gap that follows its
// caption.
constexpr int kFrameEdgeAfterCaption = 6;

// The extent of text drawn from a rectangle's top-left corner with flags
// (line breaks always break lines; Qt::TextWordWrap also breaks at blanks
// within width).
QSize TextSize(const QFontMetrics& metrics, const QString& text, int width, int flags) {
    return metrics
        .boundingRect(QRect(0, 0, width, kUnbounded), Qt::AlignLeft | Qt::AlignTop | flags, text)
        .size();
}

// The extent of a text that breaks into lines (wrapped(width): its extent
// broken into lines no wider than width, as far as its words allow) in a room
// of the given height: the smallest width at which its lines fit that height;
// the unbroken text's extent when even that is taller.
QSize WrappedTextSize(int height, const std::function<QSize(int width)>& wrapped) {
    const QSize whole = wrapped(kUnbounded);
    if (whole.height() > height || whole.width() <= 1) {
        return whole;
    }
    const auto fits = [&](int width) {
        const QSize size = wrapped(width);
        return size.width() <= width && size.height() <= height;
    };
    // Fewer lines as the width grows: the smallest width that fits.
    int low = 1;
    int high = whole.width();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return QSize(high, wrapped(high).height());
}

// The sizes below are what a control needs to show its text when it may be
// height pixels tall (the wrapping kinds break the text into as many lines as
// that holds).
QSize LabelSize(const QLabel* label, int height) {
    const QString text = label->text();
    if (text.isEmpty() || Qt::mightBeRichText(text)) {
        return label->size();
    }
    const QFontMetrics metrics(label->font());
    const QRect contents = label->contentsRect();
    const int margins = 2 * label->margin();
    const int extraWidth = label->width() - contents.width() + margins;
    const int extraHeight = label->height() - contents.height() + margins;
    QSize textSize;
    if (label->wordWrap()) {
        textSize = WrappedTextSize(height - extraHeight, [&](int width) {
            return TextSize(metrics, text, width, Qt::TextWordWrap);
        });
    } else {
        textSize = TextSize(metrics, text, kUnbounded, 0);
    }
    return QSize(textSize.width() + extraWidth, textSize.height() + extraHeight);
}

// Check boxes, radio buttons and push buttons: the caption in the room the
// style leaves it beside the indicator or inside the frame; the wrapping kinds
// break it into as many lines as their height holds.
QSize ButtonSize(const QAbstractButton* button, int height) {
    const QString text = button->text();
    if (text.isEmpty()) {
        return button->size();
    }
    const QStyle* style = button->style();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    const QFontMetrics metrics(button->font());

    int extraWidth = 0;
    int extraHeight = 0;
    bool wraps = false;
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        const QRect contents = style->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        extraWidth =
            std::max(button->width() - contents.width(),
                     style->pixelMetric(QStyle::PM_IndicatorWidth, &option, button) +
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, button));
        extraHeight = button->height() - contents.height();
        wraps = qobject_cast<const WrappingCheckBox*>(button) != nullptr;
    } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        const QRect contents =
            style->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        extraWidth =
            std::max(button->width() - contents.width(),
                     style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, button) +
                         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, button));
        extraHeight = button->height() - contents.height();
        wraps = qobject_cast<const WrappingRadioButton*>(button) != nullptr;
    } else {
        // The caption inside the frame, clear of the button's margins (those
        // of the wrapping kind wrap it there).
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        extraWidth = 2 * std::max(frame, margin);
        extraHeight = 2 * frame;
        wraps = qobject_cast<const WrappingPushButton*>(button) != nullptr;
    }
    const int flags = Qt::TextShowMnemonic;
    QSize textSize;
    if (wraps) {
        textSize = WrappedTextSize(height - extraHeight, [&](int width) {
            return TextSize(metrics, WrapCaption(text, metrics, width), kUnbounded, flags);
        });
    } else {
        textSize = TextSize(metrics, text, kUnbounded, flags);
    }
    return QSize(textSize.width() + extraWidth, textSize.height() + extraHeight);
}

QSize ComboBoxSize(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
    }
    // The label is drawn a pixel inside the field on each side.
    constexpr int kLabelMargins = 2;
    return QSize(list->width() - field.width() + widest + kLabelMargins, list->height());
}

// As the picker measures itself for its size hint (its shortest and longest
// values), and for a date over every month and weekday of two years.
QSize DateTimeEditSize(const QDateTimeEdit* picker) {
    const QFontMetrics metrics(picker->font());
    const auto width = [&](const QDateTime& moment) {
        return metrics.horizontalAdvance(
                   picker->locale().toString(moment, picker->displayFormat()) + QLatin1Char(' ')) +
               2;
    };
    const int hinted = std::max(width(picker->minimumDateTime()), width(picker->maximumDateTime()));
    int widest = hinted;
    if ((picker->displayedSections() & QDateTimeEdit::DateSections_Mask) != 0) {
        const QTime time = picker->time();
        for (QDate date(2025, 1, 1); date.year() < 2027; date = date.addDays(1)) {
            widest = std::max(widest, width(QDateTime(date, time)));
        }
    }
    return QSize(picker->sizeHint().width() - hinted + widest, picker->height());
}

// A read-only text box shows its whole text without a scroll bar: every line
// of its text wrapped into its width, and the document's margins.
QSize PlainTextEditSize(const QPlainTextEdit* box) {
    if (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
        box->lineWrapMode() == QPlainTextEdit::NoWrap) {
        return box->size();
    }
    const qreal margin = box->document()->documentMargin();
    const int frames = 2 * box->frameWidth();
    // Wrapped as if the bar were shown: with the lines that gives, the box has
    // room for them with or without it, so the bar never shows.
    const qreal lineWidth =
        box->width() - frames - 2 * margin - box->verticalScrollBar()->sizeHint().width();
    qreal height = 0;
    for (const QString& paragraph : box->toPlainText().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, box->font());
        QTextOption option;
        option.setWrapMode(box->wordWrapMode());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            height += line.height();
        }
        layout.endLayout();
    }
    // The box scrolls when its lines are taller than the viewport less the
    // document's margin and a pixel.
    return QSize(box->width(), frames + static_cast<int>(std::ceil(height + 2 * margin)) + 1);
}

void Place(QWidget* control, const QRect& rect) {
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        PlaceDropDownList(list, rect);
    } else {
        control->setGeometry(rect);
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// FormGeometry

FormGeometry::FormGeometry(const DialogUnits& units)
    : units_(units), x_(units, true), y_(units, false) {}

void FormGeometry::NeedWidth(int x0, int x1, int pixels) {
    x_.Need(x0, x1, pixels);
}

void FormGeometry::NeedHeight(int y0, int y1, int pixels) {
    y_.Need(y0, y1, pixels);
}

int FormGeometry::X(int units) const {
    return x_.Pixels(units);
}

int FormGeometry::Y(int units) const {
    return y_.Pixels(units);
}

QRect FormGeometry::Rect(int x, int y, int w, int h) const {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + w) - left, Y(y + h) - top);
}

QRect FormGeometry::Rect(const QRect& unitsRect) const {
    return Rect(unitsRect.x(), unitsRect.y(), unitsRect.width(), unitsRect.height());
}

bool FormGeometry::Grown() const {
    return x_.Grown() || y_.Grown();
}

void FormGeometry::Axis::Need(int from, int to, int pixels) {
    if (to <= from || pixels <= Base(to) - Base(from)) {
        return;  // the design gives the room already
    }
    requests_.push_back({from, to, pixels});
    solved_ = false;
}

int FormGeometry::Axis::Base(int units) const {
    return horizontal_ ? units_.X(units) : units_.Y(units);
}

int FormGeometry::Axis::Pixels(int units) const {
    return Base(units) + Added(units);
}

bool FormGeometry::Axis::Grown() const {
    if (!solved_) {
        Solve();
    }
    return !steps_.empty();
}

int FormGeometry::Axis::Added(int units) const {
    if (!solved_) {
        Solve();
    }
    // The last step at or before the coordinate.
    const auto after = std::upper_bound(
        steps_.begin(), steps_.end(), units,
        [](int coordinate, const std::pair<int, int>& step) { return coordinate < step.first; });
    return after == steps_.begin() ? 0 : std::prev(after)->second;
}

void FormGeometry::Axis::Solve() const {
    // The room added at a coordinate is the largest of the room before it and,
    // for every request ending there, the room at the request's start plus
    // what its span lacks: the longest path through the requests, taken in
    // the order of their ends. Every start lies before its end, so its room is
    // known by then.
    std::vector<Request> byEnd = requests_;
    std::stable_sort(byEnd.begin(), byEnd.end(),
                     [](const Request& a, const Request& b) { return a.to < b.to; });
    steps_.clear();
    solved_ = true;
    for (const Request& request : byEnd) {
        const int lacking = request.pixels - (Base(request.to) - Base(request.from));
        const int before = steps_.empty() ? 0 : steps_.back().second;
        const int room = std::max(before, Added(request.from) + lacking);
        if (room <= before) {
            continue;
        }
        if (!steps_.empty() && steps_.back().first == request.to) {
            steps_.back().second = room;
        } else {
            steps_.emplace_back(request.to, room);
        }
    }
}

// ---------------------------------------------------------------------------
// Measuring and placing

void SetDesignRect(QWidget* control, const QRect& unitsRect) {
    control->setProperty(kDesignRectProperty, unitsRect);
}

QRect DesignRect(const QWidget* control) {
    return control->property(kDesignRectProperty).toRect();
}

namespace {

QSize TextSizeAtHeight(const QWidget* control, int height) {
    QSize size = control->size();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        size = LabelSize(label, height);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        size = ButtonSize(button, height);
    } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        size = ComboBoxSize(list);
    } else if (const auto* picker = qobject_cast<const QDateTimeEdit*>(control)) {
        size = DateTimeEditSize(picker);
    } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
        size = PlainTextEditSize(box);
    }
    return size;
}

}  // namespace

QSize SizeForText(const QWidget* control) {
    return TextSizeAtHeight(control, control->height()).expandedTo(control->size());
}

QSize GroupCaptionRoom(const QFont& captionFont, const QString& caption) {
    const QRect s = GroupCaptionRect(captionFont, QRect(), caption);
    // GroupCaptionRect places the caption from the frame's left edge at 0.
    return QSize(s.x() + s.width() + 2 + kFrameEdgeAfterCaption, s.height());
}

void PlaceDropDownList(QComboBox* list, const QRect& rect) {
    const int closedHeight = list->sizeHint().height();
    list->setGeometry(rect.x(), rect.y(), rect.width(), closedHeight);
    const int itemHeight = list->fontMetrics().height() + 2;
    list->setMaxVisibleItems(std::max(1, (rect.height() - closedHeight) / std::max(1, itemHeight)));
}

void KeepDesignWidth(QComboBox* list) {
    list->setProperty(kKeepsDesignWidthProperty, true);
}

namespace {

// Where a control's text may take more room along one axis: only inside the
// control's own rectangle (push buttons, lists, pickers), or also in the free
// room after it (a text aligned to the control's start: left, top), before it
// (aligned to the end: right, bottom) or on both sides (centred).
enum class Anchor { InPlace, Start, End, Centre };

Anchor AnchorOf(Qt::Alignment alignment, bool horizontal) {
    if (horizontal) {
        switch (alignment & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter)) {
            case Qt::AlignLeft:
                return Anchor::Start;
            case Qt::AlignRight:
                return Anchor::End;
            default:
                return Anchor::Centre;
        }
    }
    switch (alignment & Qt::AlignVertical_Mask) {
        case Qt::AlignTop:
            return Anchor::Start;
        case Qt::AlignBottom:
            return Anchor::End;
        default:
            return Anchor::Centre;
    }
}

// A span of the design along one axis, in dialog units.
struct Span {
    int start, end;
};

struct Designed {
    QWidget* control;
    QRect design;
    // The part of the design the control covers when closed (a drop-down
    // list's rectangle includes its open list).
    QRect covered;
    Anchor x = Anchor::InPlace;
    Anchor y = Anchor::InPlace;
    QSize need;  // pixels its text needs, at least its design size
    Span roomX;  // the free room along each axis
    Span roomY;

    Span Along(bool horizontal) const {
        return horizontal ? Span{covered.x(), covered.x() + covered.width()}
                          : Span{covered.y(), covered.y() + covered.height()};
    }
};

bool IsGroup(const QWidget* control) {
    return qobject_cast<const QGroupBox*>(control) != nullptr;
}

void SetAnchors(Designed& c) {
    if (const auto* label = qobject_cast<const QLabel*>(c.control)) {
        const Qt::Alignment alignment =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        c.x = AnchorOf(alignment, true);
        c.y = AnchorOf(alignment, false);
    } else if (qobject_cast<const QCheckBox*>(c.control) != nullptr ||
               qobject_cast<const QRadioButton*>(c.control) != nullptr) {
        c.x = c.control->layoutDirection() == Qt::RightToLeft ? Anchor::End : Anchor::Start;
        c.y = Anchor::Centre;
    }
}

// The design units a control of the given pixels covers from start on.
int UnitsCovering(const DialogUnits& units, bool horizontal, int start, int pixels) {
    const auto at = [&](int u) { return horizontal ? units.X(u) : units.Y(u); };
    int extent = 0;
    while (at(start + extent) - at(start) < pixels) {
        ++extent;
    }
    return extent;
}

// The free room around c along an axis, in design coordinates: up to the
// nearest control on either side that shares more than a unit of c's band on
// the other axis, the frame of a group around c (below its caption when c
// stands under it), the form's edges.
Span FreeRoom(const Designed& c, const std::vector<Designed>& controls, bool horizontal,
              int formExtent, const std::vector<std::pair<const QWidget*, int>>& captionUnits) {
    Span room{0, formExtent};
    const Span own = c.Along(horizontal);
    const Span band = c.Along(!horizontal);
    for (const Designed& other : controls) {
        if (other.control == c.control) {
            continue;
        }
        const Span o = other.Along(horizontal);
        if (IsGroup(other.control)) {
            if (!other.design.contains(c.covered)) {
                continue;
            }
            int start = o.start;
            if (!horizontal) {
                for (const auto& [group, height] : captionUnits) {
                    if (group == other.control) {
                        start += height;
                    }
                }
            }
            room.start = std::max(room.start, start);
            room.end = std::min(room.end, o.end);
            continue;
        }
        const Span across = other.Along(!horizontal);
        if (std::min(band.end, across.end) - std::max(band.start, across.start) <= 1) {
            continue;  // not beside c
        }
        if (o.start > own.start && o.end > own.end) {
            room.end = std::min(room.end, o.start);
        } else if (o.end < own.end && o.start < own.start) {
            room.start = std::max(room.start, o.end);
        }
    }
    return room;
}

}  // namespace

void FitForm(QWidget* form, FormGeometry& geometry, const QFont& captionFont,
             const QSize& formUnits) {
    std::vector<Designed> controls;
    for (QWidget* child : form->findChildren<QWidget*>()) {
        const QRect design = DesignRect(child);
        if (!design.isEmpty()) {
            controls.push_back(
                {child, design, design, Anchor::InPlace, Anchor::InPlace, QSize(), Span(), Span()});
        }
    }
    const DialogUnits& units = geometry.Units();
    for (Designed& c : controls) {
        c.control->ensurePolished();
        Place(c.control,
              units.Rect(c.design.x(), c.design.y(), c.design.width(), c.design.height()));
        if (qobject_cast<const QComboBox*>(c.control) != nullptr) {
            c.covered.setHeight(UnitsCovering(units, false, c.design.y(), c.control->height()));
        }
        SetAnchors(c);
    }

    // Group captions: the frame as wide as its caption needs; the caption's
    // lines clear the controls under them.
    std::vector<std::pair<const QWidget*, int>> captionUnits;
    for (const Designed& c : controls) {
        const auto* group = qobject_cast<const QGroupBox*>(c.control);
        if (group == nullptr || group->title().isEmpty()) {
            continue;
        }
        const QRect& d = c.design;
        const QSize room = GroupCaptionRoom(captionFont, group->title());
        geometry.NeedWidth(d.x(), d.x() + d.width(), room.width());
        captionUnits.emplace_back(group, UnitsCovering(units, false, d.y(), room.height()));
        const int captionLeft = units.X(d.x());
        const int captionRight = captionLeft + room.width();
        for (const Designed& inner : controls) {
            const QRect& i = inner.covered;
            if (inner.control == c.control || IsGroup(inner.control) || !d.contains(i) ||
                units.X(i.x() + i.width()) <= captionLeft || units.X(i.x()) >= captionRight) {
                continue;
            }
            geometry.NeedHeight(d.y(), i.y(), room.height());
        }
    }

    // The texts: each in its own rectangle, or with the free room beside it,
    // kept a unit from the next control or frame.
    const auto pixels = [&units](bool horizontal, int u) {
        return horizontal ? units.X(u) : units.Y(u);
    };
    const auto gap = [&](bool horizontal) { return pixels(horizontal, 1); };
    // The pixels between which c's text may stand along an axis (at: a
    // design coordinate in pixels).
    const auto bounds = [&](const Designed& c, bool horizontal, const auto& at) {
        const Span& room = horizontal ? c.roomX : c.roomY;
        const Anchor anchor = horizontal ? c.x : c.y;
        const Span own = c.Along(horizontal);
        int low = at(own.start);
        int high = at(own.end);
        if (anchor == Anchor::End || anchor == Anchor::Centre) {
            low = at(room.start) + gap(horizontal);
        }
        if (anchor == Anchor::Start || anchor == Anchor::Centre) {
            high = at(room.end) - gap(horizontal);
        }
        return std::pair{low, high};
    };
    for (Designed& c : controls) {
        if (IsGroup(c.control)) {
            continue;
        }
        for (const bool horizontal : {true, false}) {
            if ((horizontal ? c.x : c.y) != Anchor::InPlace) {
                (horizontal ? c.roomX : c.roomY) =
                    FreeRoom(c, controls, horizontal,
                             horizontal ? formUnits.width() : formUnits.height(), captionUnits);
            }
        }
        // A text that may take free room above or below wraps into as many
        // lines as that holds before it asks for more width.
        int height = c.control->height();
        if (c.y != Anchor::InPlace) {
            const auto [low, high] = bounds(c, false, [&](int u) { return pixels(false, u); });
            height = std::max(height, high - low);
        }
        c.need = TextSizeAtHeight(c.control, height).expandedTo(c.control->size());
        if (c.need.height() > c.control->height()) {
            // At the width it takes, the text may need fewer lines: the least
            // height that still fits it into that width.
            int low = c.control->height();
            int high = height;
            while (low < high) {
                const int middle = low + (high - low) / 2;
                if (TextSizeAtHeight(c.control, middle).width() <= c.need.width()) {
                    high = middle;
                } else {
                    low = middle + 1;
                }
            }
            c.need.setHeight(
                std::max(c.control->height(), TextSizeAtHeight(c.control, high).height()));
        }
        if (auto* list = qobject_cast<QComboBox*>(c.control);
            list != nullptr && list->property(kKeepsDesignWidthProperty).toBool()) {
            // The open list shows the entries whole.
            list->view()->setMinimumWidth(c.need.width() +
                                          list->view()->verticalScrollBar()->sizeHint().width());
            c.need = c.control->size();
            continue;
        }
        for (const bool horizontal : {true, false}) {
            const Anchor anchor = horizontal ? c.x : c.y;
            const int need = horizontal ? c.need.width() : c.need.height();
            const Span own = c.Along(horizontal);
            const Span& room = horizontal ? c.roomX : c.roomY;
            const auto ask = [&](int from, int to, int pixels) {
                if (horizontal) {
                    geometry.NeedWidth(from, to, pixels);
                } else {
                    geometry.NeedHeight(from, to, pixels);
                }
            };
            if (anchor == Anchor::InPlace) {
                if (horizontal || qobject_cast<const QComboBox*>(c.control) == nullptr) {
                    ask(own.start, own.end, need);
                }
                continue;
            }
            const int from = anchor == Anchor::Start ? own.start : room.start;
            const int to = anchor == Anchor::End ? own.end : room.end;
            const int gaps = anchor == Anchor::Centre ? 2 * gap(horizontal) : gap(horizontal);
            ask(from, to, need + gaps);
        }
    }

    for (const Designed& c : controls) {
        QRect rect = geometry.Rect(c.design);
        // A text larger than its own rectangle takes the free room beside it
        // (centred ones on both sides, as far as the room allows).
        for (const bool horizontal : {true, false}) {
            const int need = horizontal ? c.need.width() : c.need.height();
            const int size = horizontal ? rect.width() : rect.height();
            const Anchor anchor = horizontal ? c.x : c.y;
            if (need <= size || (!horizontal && qobject_cast<QComboBox*>(c.control) != nullptr)) {
                continue;
            }
            int start = horizontal ? rect.x() : rect.y();
            if (anchor == Anchor::End) {
                start -= need - size;
            } else if (anchor == Anchor::Centre) {
                const auto [low, high] = bounds(c, horizontal, [&](int u) {
                    return horizontal ? geometry.X(u) : geometry.Y(u);
                });
                start = std::clamp(start - (need - size) / 2, low, std::max(low, high - need));
            }
            if (horizontal) {
                rect = QRect(start, rect.y(), need, rect.height());
            } else {
                rect = QRect(rect.x(), start, rect.width(), need);
            }
        }
        Place(c.control, rect);
    }
}

}  // namespace tarvel
