// The main window's form and menu, built from the form's tables
// (main_form_layout.h).
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <algorithm>

#include "ui/form/dialog_units.h"
#include "ui/form/form_fields.h"
#include "ui/form/form_geometry.h"
#include "ui/form/form_scroll_area.h"
#include "ui/form/form_widgets.h"
#include "ui/form/group_frame.h"
#include "ui/main/main_form_layout.h"
#include "ui/main/tarvel_dlg.h"

namespace tarvel {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CTarvelDlg", text);
}

// Where a control is seen on the form: its design rectangle, a drop-down
// list by its closed box (its design height includes the open list's).
QRect SeenRect(const QWidget* control) {
    constexpr int kLineHeight = 15;
    QRect design = DesignRect(control);
    design.setHeight(std::min(design.height(), kLineHeight));
    return design;
}

// Tab moves through controls as they are read: row by row from the top
// (controls that overlap vertically share a row), and from left to right
// within a row.
void ChainInVisualOrder(QList<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](QWidget* a, QWidget* b) { return SeenRect(a).top() < SeenRect(b).top(); });
    QList<QList<QWidget*>> rows;
    int rowBottom = 0;
    for (QWidget* control : controls) {
        const QRect design = SeenRect(control);
        if (rows.isEmpty() || design.top() > rowBottom) {
            rows.append(QList<QWidget*>());
            rowBottom = design.bottom();
        }
        rows.last() << control;
        rowBottom = std::max(rowBottom, design.bottom());
    }
    QWidget* previous = nullptr;
    for (QList<QWidget*>& row : rows) {
        std::stable_sort(row.begin(), row.end(), [](QWidget* a, QWidget* b) {
            return DesignRect(a).left() < DesignRect(b).left();
        });
        for (QWidget* control : row) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control);
            }
            previous = control;
        }
    }
}

}  // namespace

using namespace main_form;

void CTarvelDlg::BuildForm() {
    canvas_ = new FormCanvas(kPaintedGroups, scrollArea_->viewport());
    canvas_->setFont(FormFont());
    const DialogUnits units(canvas_->font());

    for (const GroupSpec& g : kGroups) {
        QGroupBox* group = AddHiddenGroup(canvas_, ControlNumber(g.id), Translated(g.caption),
                                          units.Rect(g.x, g.y, g.w, g.h));
        SetDesignRect(group, QRect(g.x, g.y, g.w, g.h));
    }

    QList<QWidget*> tabChain;
    for (const ControlSpec& c : kControls) {
        QWidget* control = nullptr;
        switch (c.kind) {
            case Kind::TimePicker:
                timePicker_ = MakeTimePicker(canvas_);
                control = timePicker_;
                break;
            case Kind::DatePicker:
                datePicker_ = MakeDatePicker(canvas_);
                control = datePicker_;
                break;
            case Kind::ZoneList:
                zoneList_ = MakeZoneList(canvas_);
                control = zoneList_;
                break;
            case Kind::CheckBox:
                summerBox_ = new WrappingCheckBox(Translated(c.label), canvas_);
                control = summerBox_;
                break;
            case Kind::Input: {
                auto* field = new FormEdit(canvas_);
                field->setAlignment(Qt::AlignCenter);
                if (c.id == SiteControl::Latitude) {
                    latitudeField_ = field;
                } else if (c.id == SiteControl::Longitude) {
                    longitudeField_ = field;
                } else if (c.id == SiteControl::Height) {
                    heightField_ = field;
                } else {
                    deltaTField_ = field;
                }
                control = field;
                break;
            }
            case Kind::Output: {
                auto* field = new QLineEdit(canvas_);
                SetFieldReadOnly(field, true);
                field->setAlignment(Qt::AlignCenter);
                // Out of the Tab chain, still selectable and copyable by mouse.
                field->setFocusPolicy(Qt::ClickFocus);
                outputs_.insert(ControlNumber(c.id), field);
                control = field;
                break;
            }
            case Kind::Radio: {
                auto* radio = new WrappingRadioButton(Translated(c.label), canvas_);
                (c.id == MainControl::AutomaticDeltaT ? autoRadio_ : manualRadio_) = radio;
                control = radio;
                break;
            }
            case Kind::Button:
                nowButton_ = new WrappingPushButton(Translated(c.label), canvas_);
                nowButton_->setAutoDefault(false);
                control = nowButton_;
                break;
        }
        NumberControl(control, c.id);
        SetDesignRect(control, QRect(c.x, c.y, c.w, c.h));
        if (c.kind == Kind::Input || c.kind == Kind::Output) {
            auto* label = new QLabel(Translated(c.label), canvas_);
            label->setObjectName(QStringLiteral("label%1").arg(ControlNumber(c.id)));
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            label->setWordWrap(true);
            SetDesignRect(label, QRect(c.lx, c.ly, c.lw, c.lh));
            labels_.insert(ControlNumber(c.id), label);
        }
        if (control->focusPolicy() & Qt::TabFocus) {
            tabChain << control;
        }
    }

    // The place and zone group: a place by name, a zone by name, and what
    // the zone's rules give.
    const auto addLabel = [this](int id, const char* text, const QRect& design) {
        auto* label = new QLabel(Translated(text), canvas_);
        label->setObjectName(QStringLiteral("label%1").arg(id));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setWordWrap(true);
        SetDesignRect(label, design);
        labels_.insert(id, label);
    };
    placeField_ = new PlaceField(canvas_);
    NumberControl(placeField_, MainControl::Place);
    SetDesignRect(placeField_, QRect(55, 353, 190, 12));
    addLabel(ControlNumber(MainControl::Place), QT_TRANSLATE_NOOP("CTarvelDlg", "località"),
             QRect(14, 355, 37, 11));
    zoneNameList_ = MakeZoneNameList(canvas_);
    NumberControl(zoneNameList_, MainControl::ZoneName);
    SetDesignRect(zoneNameList_, QRect(300, 353, 150, 12));
    addLabel(ControlNumber(MainControl::ZoneName), QT_TRANSLATE_NOOP("CTarvelDlg", "fuso per nome"),
             QRect(250, 355, 46, 11));
    zoneInfo_ = new QLabel(canvas_);
    NumberControl(zoneInfo_, MainControl::ZoneInfo);
    zoneInfo_->setWordWrap(true);
    zoneInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetDesignRect(zoneInfo_, QRect(458, 350, 340, 20));
    tabChain << placeField_ << zoneNameList_;
    ChainInVisualOrder(tabChain);
    connect(placeField_, &PlaceField::placeChosen, this,
            [this](const Place& place) { OnPlaceChosen(place); });
    connect(zoneNameList_, &QComboBox::activated, this,
            [this](int index) { OnZoneNameChosen(zoneNameList_->itemText(index)); });

    // A result field out of the Tab chain, as the others.
    const auto addOutput = [this](MainControl id, const QRect& design) {
        auto* field = new QLineEdit(canvas_);
        SetFieldReadOnly(field, true);
        field->setAlignment(Qt::AlignCenter);
        field->setFocusPolicy(Qt::ClickFocus);
        NumberControl(field, id);
        SetDesignRect(field, design);
        outputs_.insert(ControlNumber(id), field);
        return field;
    };

    // The twilight group.
    for (const TwilightSpec& t : kTwilightSpecs) {
        addOutput(t.id, QRect(t.x, t.y, kTwilightFieldWidth, kTwilightRowHeight));
        addLabel(ControlNumber(t.id), t.label, QRect(t.lx, t.y, t.lw, kTwilightRowHeight - 1));
    }

    // Shuruq, the next prayer and the Qibla from north; the first two shown
    // with a method other than the own.
    for (const ExtraFieldSpec& e : kPrayerExtraFields) {
        QLineEdit* field = addOutput(e.id, QRect(e.x, e.y, e.w, e.h));
        if (e.label != nullptr) {
            addLabel(ControlNumber(e.id), e.label, QRect(e.lx, e.ly, e.lw, e.lh));
        }
        if (e.id != MainControl::QiblaFromNorth) field->hide();
    }
    for (const ExtraFieldSpec& e : kDayExtraFields) {
        addOutput(e.id, QRect(e.x, e.y, e.w, e.h));
        addLabel(ControlNumber(e.id), e.label, QRect(e.lx, e.ly, e.lw, e.lh));
    }
    outputs_.value(ControlNumber(MainControl::DaylightChange))
        ->setToolTip(Translated(QT_TRANSLATE_NOOP(
            "CTarvelDlg", "Variazione delle ore di luce apparenti rispetto al giorno prima.")));
    Label(ControlNumber(MainControl::Shuruq))->hide();
    Label(ControlNumber(MainControl::QiblaFromNorth))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    outputs_.value(ControlNumber(MainControl::NextPrayer))
        ->setToolTip(Translated(QT_TRANSLATE_NOOP(
            "CTarvelDlg", "La prossima preghiera del metodo scelto e il tempo che manca.")));
    outputs_.value(ControlNumber(MainControl::QiblaFromNorth))
        ->setToolTip(Translated(
            QT_TRANSLATE_NOOP("CTarvelDlg", "Direzione della Qibla in gradi da nord verso est.")));

    connect(datePicker_, &QDateEdit::dateChanged, this, [this] { OnDateChanged(); });
    connect(timePicker_, &QTimeEdit::timeChanged, this, [this] { OnTimeChanged(); });
    connect(zoneList_, &QComboBox::currentIndexChanged, this, [this] { OnZoneChanged(); });
    connect(summerBox_, &QCheckBox::clicked, this, [this] { OnSummerTimeClicked(); });
    connect(nowButton_, &QPushButton::clicked, this, [this] { OnNowClicked(); });
    connect(autoRadio_, &QRadioButton::clicked, this, [this] { OnDeltaTModeClicked(); });
    connect(manualRadio_, &QRadioButton::clicked, this, [this] { OnDeltaTModeClicked(); });
    focusGuard_.OnFocusLeft(latitudeField_, this, [this] { OnLatitudeKillFocus(); });
    focusGuard_.OnFocusLeft(longitudeField_, this, [this] { OnLongitudeKillFocus(); });
    focusGuard_.OnFocusLeft(heightField_, this, [this] { OnHeightKillFocus(); });
    focusGuard_.OnFocusLeft(deltaTField_, this, [this] { OnDeltaTKillFocus(); });

    // Every control at its design rectangle, grown where a text of the
    // interface language needs more room; the captions in the font they are
    // painted in.
    geometry_ = std::make_unique<FormGeometry>(units);
    FitForm(canvas_, *geometry_, MessageFont(), QSize(kFormWidthUnits, kFormHeightUnits));
}

void CTarvelDlg::BuildMenu() {
    menuBar_ = new QMenuBar(this);
    auto add = [this](QMenu* menu, int id, const char* caption, bool enabled) {
        QAction* action = menu->addAction(Translated(caption));
        action->setData(id);
        action->setEnabled(enabled);
        actions_.insert(id, action);
        return action;
    };
    QMenu* file = menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&File")));
    connect(add(file, main_menu::kExit, QT_TRANSLATE_NOOP("CTarvelDlg", "&Esci"), true),
            &QAction::triggered, this, [this] { OnExit(); });

    // The commands that open other windows (table, preferences, language
    // switch, help, about box) are enabled by the application object once it
    // has connected them; a window built without them shows them disabled.
    QMenu* compute = menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Calcola")));
    connect(add(compute, main_menu::kTable, QT_TRANSLATE_NOOP("CTarvelDlg", "&Tabella"), false),
            &QAction::triggered, this, [this] { OnTable(); });
    connect(add(compute, main_menu::kCharts, QT_TRANSLATE_NOOP("CTarvelDlg", "&Grafici..."), false),
            &QAction::triggered, this, [this] {
                if (chartsOpener_) chartsOpener_(this);
            });

    QMenu* settings =
        menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Impostazioni")));
    QMenu* language = settings->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Lingua")));
    add(language, main_menu::kItalian, QT_TRANSLATE_NOOP("CTarvelDlg", "&Italiano"), false);
    add(language, main_menu::kEnglish, QT_TRANSLATE_NOOP("CTarvelDlg", "In&glese"), false);
    add(language, main_menu::kPortuguese, QT_TRANSLATE_NOOP("CTarvelDlg", "&Portoghese"), false);
    connect(add(settings, main_menu::kPreferences,
                QT_TRANSLATE_NOOP("CTarvelDlg", "&Preferenze..."), false),
            &QAction::triggered, this, [this] { OnPreferences(); });

    // Keys for the commands used most, shown beside them in the menus.
    actions_.value(main_menu::kExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions_.value(main_menu::kTable)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actions_.value(main_menu::kCharts)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    actions_.value(main_menu::kPreferences)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));

    QMenu* help = menuBar_->addMenu(Translated(QT_TRANSLATE_NOOP("CTarvelDlg", "&Help")));
    add(help, main_menu::kHelp, QT_TRANSLATE_NOOP("CTarvelDlg", "&Help"), false);
    add(help, main_menu::kAbout, QT_TRANSLATE_NOOP("CTarvelDlg", "Informazioni su Tarvel..."),
        false);
}

}  // namespace tarvel
