#include "ui/table/table_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/form/dialog_units.h"
#include "ui/form/form_geometry.h"
#include "ui/form/group_frame.h"
#include "ui/form/screen_fit.h"
#include "ui/table/table_form_font.h"

namespace tarvel {

namespace {

// The dialog is 540 x 310 dialog units: the documented 540 x 259 and the
// day times' group below them.
constexpr int kDialogWidthUnits = 540;
constexpr int kDialogHeightUnits = 310;

// A control in dialog units: number, caption, rectangle.
struct ControlSpec {
    int id;
    const char* caption;
    int x, y, w, h;
};

// clang-format off
// The 33 column check boxes, in field order of TableOptions.
const ControlSpec kFlagBoxes[kTableColumnFlagCount] = {
    {1009, QT_TRANSLATE_NOOP("CTableOptions", "DeltaT"), 25, 29, 35, 9},
    {1007, QT_TRANSLATE_NOOP("CTableOptions", "GMST"), 25, 44, 33, 9},
    {1011, QT_TRANSLATE_NOOP("CTableOptions", "LMST"), 70, 44, 34, 9},
    {1019, QT_TRANSLATE_NOOP("CTableOptions", "JD"), 107, 44, 30, 9},
    {1020, QT_TRANSLATE_NOOP("CTableOptions", "EdT"), 70, 29, 35, 9},
    {1021, QT_TRANSLATE_NOOP("CTableOptions", "diff. longitudine"), 25, 59, 83, 9},
    {1022, QT_TRANSLATE_NOOP("CTableOptions", "tempo medio"), 107, 59, 60, 9},
    {1023, QT_TRANSLATE_NOOP("CTableOptions", "ora vera fuso"), 25, 74, 71, 9},
    {1008, QT_TRANSLATE_NOOP("CTableOptions", "ora vera locale"), 107, 74, 71, 9},
    {1010, QT_TRANSLATE_NOOP("CTableOptions", "italica"), 25, 89, 44, 9},
    {1024, QT_TRANSLATE_NOOP("CTableOptions", "babilonese"), 78, 89, 52, 9},
    {1025, QT_TRANSLATE_NOOP("CTableOptions", "temporale"), 135, 89, 48, 9},
    {1013, QT_TRANSLATE_NOOP("CTableOptions", "latitudine"), 211, 33, 53, 9},
    {1018, QT_TRANSLATE_NOOP("CTableOptions", "longitudine"), 281, 33, 53, 9},
    {1014, QT_TRANSLATE_NOOP("CTableOptions", "ascensione retta"), 211, 70, 96, 9},
    {1027, QT_TRANSLATE_NOOP("CTableOptions", "declinazione"), 211, 86, 66, 9},
    {1028, QT_TRANSLATE_NOOP("CTableOptions", "ascensione retta"), 377, 70, 96, 9},
    {1029, QT_TRANSLATE_NOOP("CTableOptions", "declinazione"), 377, 86, 67, 9},
    {1012, QT_TRANSLATE_NOOP("CTableOptions", "ora"), 23, 127, 34, 9},
    {1015, QT_TRANSLATE_NOOP("CTableOptions", "azimut/altezza"), 82, 127, 69, 9},
    {1026, QT_TRANSLATE_NOOP("CTableOptions", "ore di luce"), 182, 127, 57, 9},
    {1030, QT_TRANSLATE_NOOP("CTableOptions", "ora"), 290, 127, 40, 9},
    {1031, QT_TRANSLATE_NOOP("CTableOptions", "azimut/altezza"), 346, 127, 69, 9},
    {1032, QT_TRANSLATE_NOOP("CTableOptions", "ore di luce"), 444, 127, 57, 9},
    {1016, QT_TRANSLATE_NOOP("CTableOptions", "azimut"), 377, 33, 58, 9},
    {1033, QT_TRANSLATE_NOOP("CTableOptions", "altezza"), 445, 33, 58, 9},
    {1047, QT_TRANSLATE_NOOP("CTableOptions", "Fajr"), 23, 165, 43, 9},
    {1048, QT_TRANSLATE_NOOP("CTableOptions", "Zuhr"), 94, 165, 43, 9},
    {1049, QT_TRANSLATE_NOOP("CTableOptions", "Asr"), 155, 165, 43, 9},
    {1051, QT_TRANSLATE_NOOP("CTableOptions", "Maghrib"), 213, 165, 43, 9},
    {1052, QT_TRANSLATE_NOOP("CTableOptions", "Isha"), 290, 165, 43, 9},
    {1053, QT_TRANSLATE_NOOP("CTableOptions", "Qibla"), 361, 165, 43, 9},
    {1065, QT_TRANSLATE_NOOP("CTableOptions", "ora della Qibla"), 426, 165, 81, 9},
};

// The check boxes of the day times' columns, in field order of
// TableDayTimeColumns.
const ControlSpec kDayTimeBoxes[kTableDayTimeColumnFlagCount] = {
    {1078, QT_TRANSLATE_NOOP("CTableOptions", "Shuruq"), 25, 282, 45, 9},
    {1079, QT_TRANSLATE_NOOP("CTableOptions", "crepuscolo civile"), 25, 267, 100, 9},
    {1080, QT_TRANSLATE_NOOP("CTableOptions", "crepuscolo nautico"), 190, 267, 100, 9},
    {1081, QT_TRANSLATE_NOOP("CTableOptions", "crepuscolo astronomico"), 355, 267, 110, 9},
    {1082, QT_TRANSLATE_NOOP("CTableOptions", "ora dorata"), 190, 282, 55, 9},
    {1083, QT_TRANSLATE_NOOP("CTableOptions", "notte"), 355, 282, 40, 9},
};

// The radio pairs: the first button stands for false (sexagesimal), the
// second for true (decimal).
const ControlSpec kAngleRadios[2] = {
    {1073, QT_TRANSLATE_NOOP("CTableOptions", "gg:mm:ss"), 188, 210, 56, 12},
    {1062, QT_TRANSLATE_NOOP("CTableOptions", "ggg.gggggg"), 188, 223, 60, 16},
};
const ControlSpec kHourRadios[2] = {
    {1074, QT_TRANSLATE_NOOP("CTableOptions", "hh:mm:ss"), 287, 210, 56, 12},
    {1063, QT_TRANSLATE_NOOP("CTableOptions", "hh.hhhhhh"), 287, 223, 60, 16},
};

const ControlSpec kButtons[4] = {
    {1056, QT_TRANSLATE_NOOP("CTableOptions", "Seleziona tutto"), 35, 201, 124, 19},
    {1057, QT_TRANSLATE_NOOP("CTableOptions", "Deseleziona tutto"), 35, 225, 124, 19},
    {1, QT_TRANSLATE_NOOP("CTableOptions", "OK"), 381, 201, 124, 19},
    {2, QT_TRANSLATE_NOOP("CTableOptions", "Annulla"), 381, 225, 124, 19},
};

// Hidden group boxes, in painting order.
const ControlSpec kGroups[] = {
    {1038, QT_TRANSLATE_NOOP("CTableOptions", "MISURE DEL TEMPO"), 19, 16, 174, 88},
    {1069, QT_TRANSLATE_NOOP("CTableOptions", "SORGE...TRAMONTA (VALORI GEOMETRICI)"), 19, 111, 247, 33},
    {1071, QT_TRANSLATE_NOOP("CTableOptions", "SORGE...TRAMONTA (VALORI APPARENTI)"), 278, 111, 247, 33},
    {1039, QT_TRANSLATE_NOOP("CTableOptions", "COORDINATE ECLITTICHE"), 204, 16, 157, 31},
    {1070, QT_TRANSLATE_NOOP("CTableOptions", "COORDINATE EQUATORIALI GEOCENTRICHE"), 203, 53, 157, 51},
    {1041, QT_TRANSLATE_NOOP("CTableOptions", "COORDINATE EQUATORIALI TOPOCENTRICHE"), 368, 53, 157, 51},
    {1042, QT_TRANSLATE_NOOP("CTableOptions", "COORDINATE ALTAZIMUTALI"), 368, 16, 157, 31},
    {1072, QT_TRANSLATE_NOOP("CTableOptions", "PREGHIERE ISLAMICHE"), 19, 150, 506, 36},
    {1075, QT_TRANSLATE_NOOP("CTableOptions", "formato angoli"), 178, 197, 85, 47},
    {1076, QT_TRANSLATE_NOOP("CTableOptions", "formato ore"), 276, 197, 85, 47},
    {1077, QT_TRANSLATE_NOOP("CTableOptions", "SHURUQ, CREPUSCOLI E NOTTE"), 19, 253, 506, 45},
};
// clang-format on

QString Translated(const char* text) {
    return QCoreApplication::translate("CTableOptions", text);
}

}  // namespace

CTableOptions::CTableOptions(const TableColumnSet& options, QWidget* parent)
    : QDialog(parent), options_(options) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(
        Translated(QT_TRANSLATE_NOOP("CTableOptions", "Opzioni per la tabella delle effemeridi")));
    setFont(TableFormFont());
    BuildForm();
    PutFormInScrollArea(this, canvas_);
    FixWithinScreen(this, DesignedClientSize());
    ShowOptions();
}

CTableOptions::~CTableOptions() = default;

QSize CTableOptions::DesignedClientSize() const {
    return geometry_->Size(kDialogWidthUnits, kDialogHeightUnits);
}

QWidget* CTableOptions::Control(int id) const {
    return FindControl(this, id);
}

void CTableOptions::BuildForm() {
    QVector<int> groupIds;
    for (const ControlSpec& g : kGroups) {
        groupIds.push_back(g.id);
    }
    canvas_ = new FormCanvas(groupIds, this);
    QWidget* form = canvas_;
    for (const ControlSpec& g : kGroups) {
        SetDesignRect(AddHiddenGroup(form, g.id, Translated(g.caption), QRect()),
                      QRect(g.x, g.y, g.w, g.h));
    }
    // Every control at its design rectangle; FitForm places them.
    auto place = [](QWidget* control, const ControlSpec& c) {
        control->setProperty(kControlIdProperty, c.id);
        control->setObjectName(QStringLiteral("c%1").arg(c.id));
        SetDesignRect(control, QRect(c.x, c.y, c.w, c.h));
    };
    for (const ControlSpec& c : kFlagBoxes) {
        auto* box = new QCheckBox(Translated(c.caption), form);
        place(box, c);
        flagBoxes_.push_back(box);
    }
    auto radioPair = [this, form, &place](const ControlSpec(&pair)[2], QRadioButton*& first,
                                          QRadioButton*& second) {
        auto* group = new QButtonGroup(this);
        first = new QRadioButton(Translated(pair[0].caption), form);
        second = new QRadioButton(Translated(pair[1].caption), form);
        place(first, pair[0]);
        place(second, pair[1]);
        group->addButton(first);
        group->addButton(second);
    };
    radioPair(kAngleRadios, sexagesimalAngles_, decimalAngles_);
    radioPair(kHourRadios, sexagesimalHours_, decimalHours_);

    for (const ControlSpec& c : kButtons) {
        auto* button = new QPushButton(Translated(c.caption), form);
        button->setAutoDefault(false);
        place(button, c);
        switch (c.id) {
            case 1056:
                connect(button, &QPushButton::clicked, this, [this] { OnSelectAll(); });
                break;
            case 1057:
                connect(button, &QPushButton::clicked, this, [this] { OnDeselectAll(); });
                break;
            case 1:
                button->setDefault(true);
                connect(button, &QPushButton::clicked, this, [this] { OnOk(); });
                break;
            default:
                connect(button, &QPushButton::clicked, this, [this] { reject(); });
                break;
        }
    }

    // The day times' boxes, after the documented controls in the Tab chain.
    for (const ControlSpec& c : kDayTimeBoxes) {
        auto* box = new QCheckBox(Translated(c.caption), form);
        place(box, c);
        dayTimeBoxes_.push_back(box);
    }

    // Grown where a text of the interface language needs more room.
    geometry_ = std::make_unique<FormGeometry>(DialogUnits(font()));
    FitForm(canvas_, *geometry_, MessageFont(), QSize(kDialogWidthUnits, kDialogHeightUnits));
    canvas_->setFixedSize(DesignedClientSize());
}

void CTableOptions::ShowOptions() {
    for (int i = 0; i < kTableColumnFlagCount; ++i) {
        flagBoxes_[i]->setChecked(options_.*(kTableColumnOptions[i].flag));
    }
    sexagesimalAngles_->setChecked(!options_.decimalAngles);
    decimalAngles_->setChecked(options_.decimalAngles);
    sexagesimalHours_->setChecked(!options_.decimalHours);
    decimalHours_->setChecked(options_.decimalHours);
    for (int i = 0; i < kTableDayTimeColumnFlagCount; ++i) {
        dayTimeBoxes_[i]->setChecked(options_.dayColumns.*(kTableDayTimeColumnOptions[i].flag));
    }
}

void CTableOptions::OnSelectAll() {
    // The day times' boxes stay as they are shown.
    ReadDayTimeBoxes();
    SetAllColumnFlags(options_, true);
    ShowOptions();
}

void CTableOptions::OnDeselectAll() {
    SetAllColumnFlags(options_, false);
    options_.dayColumns = TableDayTimeColumns();
    ShowOptions();
}

void CTableOptions::OnOk() {
    for (int i = 0; i < kTableColumnFlagCount; ++i) {
        options_.*(kTableColumnOptions[i].flag) = flagBoxes_[i]->isChecked();
    }
    options_.decimalAngles = decimalAngles_->isChecked();
    options_.decimalHours = decimalHours_->isChecked();
    ReadDayTimeBoxes();
    accept();
}

void CTableOptions::ReadDayTimeBoxes() {
    for (int i = 0; i < kTableDayTimeColumnFlagCount; ++i) {
        options_.dayColumns.*(kTableDayTimeColumnOptions[i].flag) = dayTimeBoxes_[i]->isChecked();
    }
}

bool OpenTableOptions(QWidget* parent, TableColumnSet& options) {
    CTableOptions dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    options = dialog.Options();
    return true;
}

bool OpenTableOptions(QWidget* parent, TableOptions& options) {
    TableColumnSet set(options);
    if (!OpenTableOptions(parent, set)) {
        return false;
    }
    options = set;
    return true;
}

}  // namespace tarvel
