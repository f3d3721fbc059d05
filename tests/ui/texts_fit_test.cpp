// Every text of every window and dialog whole, in each interface language:
// labels, check boxes, radio buttons, push buttons, list entries, dates and
// the framed group captions each measured in its own font against the room it
// is drawn in, captions inside their frames and clear of the controls, and no
// control over another. Run with a font configuration that holds only the
// DejaVu fonts (set by CTest), so the measures are the same on every machine.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextLayout>
#include <memory>

#include "app/about_dlg.h"
#include "app/app_settings.h"
#include "languages/languages.h"
#include "app/options_dialog.h"
#include "app/version_info.h"
#include "ui/form/form_widgets.h"
#include "ui/form/group_frame.h"
#include "ui/table/ephemeris_table.h"
#include "ui/table/table_options_dialog.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

constexpr int kUnbounded = 1 << 20;

QString Describe(const QWidget* widget, const QString& text) {
    return QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text);
}

// The extent of text drawn from a room's top-left corner with flags.
QSize Extent(const QFontMetrics& metrics, const QString& text, int width, int flags) {
    return metrics
        .boundingRect(QRect(0, 0, width, kUnbounded), Qt::AlignLeft | Qt::AlignTop | flags, text)
        .size();
}

// A fault when text (wrapped into the room's width when it may wrap) is wider
// or taller than the room.
void CheckRoom(QStringList& faults, const QWidget* widget, const QString& text, const QSize& room,
               bool wraps) {
    const QFontMetrics metrics(widget->font());
    const QSize needed = Extent(metrics, text, wraps ? room.width() : kUnbounded,
                                Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0));
    if (needed.width() > room.width() || needed.height() > room.height()) {
        faults << QStringLiteral("%1 needs %2 x %3 pixels, has %4 x %5")
                      .arg(Describe(widget, text))
                      .arg(needed.width())
                      .arg(needed.height())
                      .arg(room.width())
                      .arg(room.height());
    }
}

QRect InWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

bool Shown(const QWidget* widget, const QWidget* window) {
    return widget->isVisibleTo(window) && !widget->size().isEmpty();
}

// The controls of window that users see: those with a control number, and
// the labels.
QList<const QWidget*> Controls(const QWidget* window) {
    QList<const QWidget*> controls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const bool numbered = widget->property(kControlIdProperty).isValid();
        const bool label = qobject_cast<const QLabel*>(widget) != nullptr;
        if ((numbered || label) && qobject_cast<const QGroupBox*>(widget) == nullptr &&
            Shown(widget, window)) {
            controls << widget;
        }
    }
    return controls;
}

// The pixels a text covers when drawn in room with alignment (broken at
// blanks into lines no wider than the room when it wraps): for each line, the
// tight box of its glyphs.
QVector<QRect> TextInk(const QFont& font, const QString& text, const QRect& room,
                       Qt::Alignment alignment, bool wraps) {
    const QFontMetrics metrics(font);
    struct Line {
        QString text;
        qreal y;
        qreal ascent;
    };
    QVector<Line> lines;
    qreal height = 0;
    for (const QString& paragraph :
         QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(wraps ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            lines.push_back({paragraph.mid(line.textStart(), line.textLength()).trimmed(), height,
                             line.ascent()});
            height += line.height();
        }
        layout.endLayout();
    }
    qreal top = room.top();
    if (alignment & Qt::AlignVCenter) {
        top += (room.height() - height) / 2;
    } else if (alignment & Qt::AlignBottom) {
        top += room.height() - height;
    }
    QVector<QRect> ink;
    for (const Line& line : lines) {
        const QRect glyphs = metrics.tightBoundingRect(line.text);
        const int width = metrics.horizontalAdvance(line.text);
        int left = room.left();
        if (alignment & Qt::AlignRight) {
            left = room.left() + room.width() - width;
        } else if (alignment & Qt::AlignHCenter) {
            left = room.left() + (room.width() - width) / 2;
        }
        ink.push_back(glyphs.translated(left, qRound(top + line.y + line.ascent)));
    }
    return ink;
}

// What a control paints, in window's coordinates: a label the glyphs of its
// text where its alignment puts them; a check box or radio button its
// indicator and the glyphs of its caption; any other control its whole
// rectangle.
QVector<QRect> Ink(const QWidget* control, const QWidget* window) {
    const QPoint origin = control->mapTo(window, QPoint(0, 0));
    QVector<QRect> ink;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        ink = TextInk(label->font(), label->text(), room, label->alignment(), label->wordWrap());
    } else if (qobject_cast<const QCheckBox*>(control) != nullptr ||
               qobject_cast<const QRadioButton*>(control) != nullptr) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const bool check = qobject_cast<const QCheckBox*>(control) != nullptr;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle* style = button->style();
        const QRect contents = style->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
        const bool wraps = qobject_cast<const WrappingCheckBox*>(control) != nullptr ||
                           qobject_cast<const WrappingRadioButton*>(control) != nullptr;
        ink = TextInk(button->font(), button->text(), contents, Qt::AlignLeft | Qt::AlignVCenter,
                      wraps);
        ink.push_back(style->subElementRect(
            check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option,
            button));
    } else {
        ink.push_back(control->rect());
    }
    for (QRect& r : ink) {
        r.translate(origin);
    }
    return ink;
}

bool Intersect(const QVector<QRect>& a, const QVector<QRect>& b) {
    for (const QRect& x : a) {
        for (const QRect& y : b) {
            if (x.intersects(y)) {
                return true;
            }
        }
    }
    return false;
}

// Every text of window that does not show whole.
QStringList TextFaults(const QWidget* window) {
    QStringList faults;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!Shown(widget, window)) {
            continue;
        }
        const QStyle* style = widget->style();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (!label->text().isEmpty()) {
                const int margins = 2 * label->margin();
                CheckRoom(faults, label, label->text(),
                          label->contentsRect().size() - QSize(margins, margins),
                          label->wordWrap());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            QStyle::SubElement contents = QStyle::SE_PushButtonContents;
            bool wraps = qobject_cast<const WrappingPushButton*>(button) != nullptr;
            if (qobject_cast<const QCheckBox*>(button) != nullptr) {
                contents = QStyle::SE_CheckBoxContents;
                wraps = qobject_cast<const WrappingCheckBox*>(button) != nullptr;
            } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
                contents = QStyle::SE_RadioButtonContents;
                wraps = qobject_cast<const WrappingRadioButton*>(button) != nullptr;
            }
            CheckRoom(faults, button, button->text(),
                      style->subElementRect(contents, &option, button).size(), wraps);
        } else if (auto* list = qobject_cast<QComboBox*>(const_cast<QWidget*>(widget))) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = list->isEditable();
            option.frame = list->hasFrame();
            const QSize field = style
                                    ->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, list)
                                    .size();
            if (list->property(kControlIdProperty).toInt() ==
                ControlNumber(SiteControl::ZoneList)) {
                // The zone list's long entries show whole in the open list,
                // the current one in the box.
                CheckRoom(faults, list, list->currentText(), field, false);
                list->showPopup();
                const QSize open = list->view()->viewport()->size();
                for (int i = 0; i < list->count(); ++i) {
                    CheckRoom(faults, list, list->itemText(i), open, false);
                }
                list->hidePopup();
            } else {
                for (int i = 0; i < list->count(); ++i) {
                    CheckRoom(faults, list, list->itemText(i), field, false);
                }
            }
        } else if (const auto* picker = qobject_cast<const QDateTimeEdit*>(widget)) {
            // Any date of a year, in the picker's locale and format, in its
            // edit field less the field's margins.
            const QLineEdit* edit = picker->findChild<QLineEdit*>();
            const QSize room = edit->contentsRect().size() - QSize(4, 0);
            QDate date(2026, 1, 1);
            do {
                const QString text = picker->locale().toString(QDateTime(date, picker->time()),
                                                               picker->displayFormat());
                CheckRoom(faults, picker, text, room, false);
                date = date.addDays(1);
            } while (date.year() == 2026 &&
                     (picker->displayedSections() & QDateTimeEdit::DateSections_Mask) != 0);
        } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
            if (box->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                box->verticalScrollBar()->maximum() > 0) {
                faults << QStringLiteral("%1 scrolls by %2 lines")
                              .arg(box->objectName())
                              .arg(box->verticalScrollBar()->maximum());
            }
        }
    }

    // The group captions, drawn in the message font: inside their frames, with
    // the frame's gap and a piece of its top edge after them, and clear of
    // every control.
    const QList<const QWidget*> controls = Controls(window);
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
        const QRect frame = InWindow(group, window);
        const QRect caption = GroupCaptionRect(MessageFont(), frame, group->title());
        if (caption.right() + 2 >= frame.right() - 2) {
            faults << QStringLiteral("%1 runs to %2, its frame ends at %3")
                          .arg(Describe(group, group->title()))
                          .arg(caption.right() + 2)
                          .arg(frame.right());
        }
        for (const QWidget* control : controls) {
            if (Intersect(Ink(control, window), {caption})) {
                faults << QStringLiteral("%1 is under %2")
                              .arg(Describe(group, group->title()), control->objectName());
            }
        }
    }

    // Nothing painted over another control, and every control inside the
    // window.
    for (int i = 0; i < controls.size(); ++i) {
        const QVector<QRect> a = Ink(controls[i], window);
        if (!QRect(QPoint(0, 0), window->size()).contains(InWindow(controls[i], window))) {
            faults << QStringLiteral("%1 lies outside the window").arg(controls[i]->objectName());
        }
        for (int j = i + 1; j < controls.size(); ++j) {
            if (Intersect(a, Ink(controls[j], window))) {
                faults << QStringLiteral("%1 overlaps %2")
                              .arg(controls[i]->objectName(), controls[j]->objectName());
            }
        }
    }
    return faults;
}

// Loads the interface language as the application does (Italian built in).
class Language {
  public:
    explicit Language(const QString& locale) : modules_({QStringLiteral(TARVEL_BUILD_DATA_DIR)}) {
        loaded_ = locale == QLatin1String("it_IT") || modules_.Load({locale});
    }
    bool Loaded() const { return loaded_; }

  private:
    LanguageModules modules_;
    bool loaded_ = false;
};

void AddLanguages() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("Italian") << QStringLiteral("it_IT");
    QTest::newRow("English") << QStringLiteral("en_US");
    QTest::newRow("Portuguese") << QStringLiteral("pt_BR");
}

// Shows window, checks its texts, and fails naming every fault.
void CheckWindow(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList faults = TextFaults(&window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

}  // namespace

class TextsFitTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void mainWindow_data() { AddLanguages(); }
    void mainWindow();
    void tableWindow_data() { AddLanguages(); }
    void tableWindow();
    void tableOptions_data() { AddLanguages(); }
    void tableOptions();
    void preferences_data() { AddLanguages(); }
    void preferences();
    void aboutBox_data() { AddLanguages(); }
    void aboutBox();
};

void TextsFitTest::initTestCase() {
    // The fonts the measures depend on.
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
}

void TextsFitTest::mainWindow() {
    QFETCH(QString, locale);
    const Language language(locale);
    QVERIFY(language.Loaded());
    RecordingSink sink;
    CTarvelDlg window(AppSettings(), RomeAt(QDate(2024, 6, 21), QTime(12, 0, 0)), &sink);
    // The whole form in view.
    window.resize(window.InitialOuterSize());
    CheckWindow(window);
}

void TextsFitTest::tableWindow() {
    QFETCH(QString, locale);
    const Language language(locale);
    QVERIFY(language.Loaded());
    RecordingSink sink;
    TableParameters inputs;
    inputs.start = {2024, 6, 21, 12, 0, 0.0};
    CEphemerisTable window(inputs, &sink);
    CheckWindow(window);
}

void TextsFitTest::tableOptions() {
    QFETCH(QString, locale);
    const Language language(locale);
    QVERIFY(language.Loaded());
    CTableOptions dialog{TableOptions()};
    CheckWindow(dialog);
}

void TextsFitTest::preferences() {
    QFETCH(QString, locale);
    const Language language(locale);
    QVERIFY(language.Loaded());
    RecordingSink sink;
    COptionsDialog dialog(AppSettings(), &sink);
    CheckWindow(dialog);
}

void TextsFitTest::aboutBox() {
    QFETCH(QString, locale);
    const Language language(locale);
    QVERIFY(language.Loaded());
    CAboutDlg box(ReadVersionInfo());
    CheckWindow(box);
}

QTEST_MAIN(TextsFitTest)
#include "texts_fit_test.moc"
