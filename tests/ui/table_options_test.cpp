// The table options dialog: its controls at their places, "Seleziona tutto"
// and "Deseleziona tutto" working on the dialog's copy, OK copying every value
// back, "Annulla" and the close box changing nothing, and the table window
// keeping the choices confirmed last while it stays open.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/form/dialog_units.h"
#include "ui/form/form_geometry.h"
#include "ui/table/ephemeris_table.h"
#include "ui/table/table_form_font.h"
#include "ui/table/table_options_dialog.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

// Check box numbers in field order.
const int kFlagIds[kTableColumnFlagCount] = {1009, 1007, 1011, 1019, 1020, 1021, 1022, 1023, 1008,
                                             1010, 1024, 1025, 1013, 1018, 1014, 1027, 1028, 1029,
                                             1012, 1015, 1026, 1030, 1031, 1032, 1016, 1033, 1047,
                                             1048, 1049, 1051, 1052, 1053, 1065};

void Click(CTableOptions* dialog, int id) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(id)), Qt::LeftButton);
}

bool Checked(const CTableOptions& dialog, int id) {
    return qobject_cast<QAbstractButton*>(dialog.Control(id))->isChecked();
}

int CheckedFlagCount(const CTableOptions& dialog) {
    int count = 0;
    for (int id : kFlagIds) {
        count += Checked(dialog, id) ? 1 : 0;
    }
    return count;
}

// Runs the dialog modally on options with the given clicks.
template <typename Options>
bool RunDialog(Options& options, std::function<void(CTableOptions*)> clicks) {
    WhenModal<CTableOptions>(std::move(clicks));
    return OpenTableOptions(nullptr, options);
}

}  // namespace

class TableOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsAtTheirPlaces();
    void showsTheRecord();
    void selectAllThenCancelChangesNothing();
    void selectAllKeepsTheFormatsOpenedWith();
    void selectAllResetsAClickedRadio();
    void deselectAllClearsEveryColumn();
    void okCopiesAllValues();
    void closeBoxChangesNothing();
    void dayTimeBoxesChooseTheirColumns();
    void tableWindowKeepsTheConfirmedChoices();
};

void TableOptionsTest::controlsAtTheirPlaces() {
    CTableOptions dialog{TableOptions()};
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Opzioni per la tabella delle effemeridi"));
    // The design in dialog units of the table font, grown only where a text
    // needs more room (the texts themselves are checked in texts_fit_test);
    // not resizable on a screen that holds it.
    const DialogUnits units(TableFormFont());
    const FormGeometry& geometry = dialog.Geometry();
    QCOMPARE(geometry.Units().averageCharWidth(), units.averageCharWidth());
    QCOMPARE(geometry.Units().charHeight(), units.charHeight());
    QCOMPARE(dialog.DesignedClientSize(), geometry.Size(540, 310));
    QCOMPARE(dialog.minimumSize(), dialog.DesignedClientSize());
    QCOMPARE(dialog.maximumSize(), dialog.DesignedClientSize());
    const struct {
        int id;
        const char* caption;
        int x, y, w, h;
    } controls[] = {
        {1009, "DeltaT", 25, 29, 35, 9},
        {1021, "diff. longitudine", 25, 59, 83, 9},
        {1025, "temporale", 135, 89, 48, 9},
        {1014, "ascensione retta", 211, 70, 96, 9},
        {1029, "declinazione", 377, 86, 67, 9},
        {1032, "ore di luce", 444, 127, 57, 9},
        {1033, "altezza", 445, 33, 58, 9},
        {1065, "ora della Qibla", 426, 165, 81, 9},
        {1073, "gg:mm:ss", 188, 210, 56, 12},
        {1062, "ggg.gggggg", 188, 223, 60, 16},
        {1074, "hh:mm:ss", 287, 210, 56, 12},
        {1063, "hh.hhhhhh", 287, 223, 60, 16},
        {1056, "Seleziona tutto", 35, 201, 124, 19},
        {1057, "Deseleziona tutto", 35, 225, 124, 19},
        {1, "OK", 381, 201, 124, 19},
        {2, "Annulla", 381, 225, 124, 19},
        {1078, "Shuruq", 25, 282, 45, 9},
        {1079, "crepuscolo civile", 25, 267, 100, 9},
        {1080, "crepuscolo nautico", 190, 267, 100, 9},
        {1081, "crepuscolo astronomico", 355, 267, 110, 9},
        {1082, "ora dorata", 190, 282, 55, 9},
        {1083, "notte", 355, 282, 40, 9},
    };
    for (const auto& c : controls) {
        auto* button = qobject_cast<QAbstractButton*>(dialog.Control(c.id));
        QVERIFY2(button != nullptr, c.caption);
        QCOMPARE(button->text(), QString::fromUtf8(c.caption));
        if (qobject_cast<QPushButton*>(button) != nullptr) {
            QCOMPARE(button->geometry(), geometry.Rect(c.x, c.y, c.w, c.h));
        } else {
            // Check boxes and radio buttons may take the free room beside them.
            QVERIFY(button->geometry().contains(geometry.Rect(c.x, c.y, c.w, c.h)));
        }
    }
    for (int i = 0; i < kTableColumnFlagCount; ++i) {
        QCOMPARE(dialog.FlagBox(i), qobject_cast<QCheckBox*>(dialog.Control(kFlagIds[i])));
    }
    const struct {
        int id;
        const char* caption;
        int x, y, w, h;
    } groups[] = {
        {1038, "MISURE DEL TEMPO", 19, 16, 174, 88},
        {1039, "COORDINATE ECLITTICHE", 204, 16, 157, 31},
        {1070, "COORDINATE EQUATORIALI GEOCENTRICHE", 203, 53, 157, 51},
        {1041, "COORDINATE EQUATORIALI TOPOCENTRICHE", 368, 53, 157, 51},
        {1042, "COORDINATE ALTAZIMUTALI", 368, 16, 157, 31},
        {1069, "SORGE...TRAMONTA (VALORI GEOMETRICI)", 19, 111, 247, 33},
        {1071, "SORGE...TRAMONTA (VALORI APPARENTI)", 278, 111, 247, 33},
        {1072, "PREGHIERE ISLAMICHE", 19, 150, 506, 36},
        {1075, "formato angoli", 178, 197, 85, 47},
        {1076, "formato ore", 276, 197, 85, 47},
        {1077, "SHURUQ, CREPUSCOLI E NOTTE", 19, 253, 506, 45},
    };
    for (const auto& g : groups) {
        auto* group = qobject_cast<QGroupBox*>(dialog.Control(g.id));
        QVERIFY2(group != nullptr, g.caption);
        QCOMPARE(group->title(), QString::fromUtf8(g.caption));
        QCOMPARE(group->geometry(), geometry.Rect(g.x, g.y, g.w, g.h));
        QVERIFY(group->isHidden());
    }
}

void TableOptionsTest::showsTheRecord() {
    TableOptions options;
    options.showGmst = true;
    options.showQibla = true;
    options.decimalHours = true;
    CTableOptions dialog(options);
    for (int i = 0; i < kTableColumnFlagCount; ++i) {
        QCOMPARE(Checked(dialog, kFlagIds[i]), i == 1 || i == 31);
    }
    QVERIFY(Checked(dialog, 1073));
    QVERIFY(!Checked(dialog, 1062));
    QVERIFY(!Checked(dialog, 1074));
    QVERIFY(Checked(dialog, 1063));
}

void TableOptionsTest::selectAllThenCancelChangesNothing() {
    TableOptions options;
    options.showJulianDay = true;
    const TableOptions before = options;
    int checked = -1;
    QVERIFY(!RunDialog(options, [&checked](CTableOptions* dialog) {
        Click(dialog, 1056);
        checked = CheckedFlagCount(*dialog);
        Click(dialog, 2);
    }));
    QCOMPARE(checked, kTableColumnFlagCount);
    QCOMPARE(options, before);
}

void TableOptionsTest::selectAllKeepsTheFormatsOpenedWith() {
    TableOptions options;
    options.decimalAngles = true;
    CTableOptions dialog(options);
    dialog.OnSelectAll();
    QCOMPARE(CheckedFlagCount(dialog), kTableColumnFlagCount);
    QVERIFY(Checked(dialog, 1062));
    QVERIFY(Checked(dialog, 1074));
}

void TableOptionsTest::selectAllResetsAClickedRadio() {
    TableOptions options;
    QVERIFY(RunDialog(options, [](CTableOptions* dialog) {
        Click(dialog, 1062);  // ggg.gggggg
        Click(dialog, 1063);  // hh.hhhhhh
        QVERIFY(Checked(*dialog, 1062));
        Click(dialog, 1056);
        // Back to the choices the dialog was opened with.
        QVERIFY(Checked(*dialog, 1073));
        QVERIFY(Checked(*dialog, 1074));
        Click(dialog, 1);
    }));
    TableOptions expected;
    SetAllColumnFlags(expected, true);
    QCOMPARE(options, expected);
}

void TableOptionsTest::deselectAllClearsEveryColumn() {
    TableOptions options;
    SetAllColumnFlags(options, true);
    options.decimalHours = true;
    QVERIFY(RunDialog(options, [](CTableOptions* dialog) {
        Click(dialog, 1074);  // hh:mm:ss, undone by the next click
        Click(dialog, 1057);
        QCOMPARE(CheckedFlagCount(*dialog), 0);
        QVERIFY(Checked(*dialog, 1063));
        Click(dialog, 1);
    }));
    TableOptions expected;
    expected.decimalHours = true;
    QCOMPARE(options, expected);
}

void TableOptionsTest::okCopiesAllValues() {
    // Every field on its own, through its own control.
    for (int i = 0; i < kTableColumnFlagCount + 2; ++i) {
        TableOptions options;
        const int id = i < kTableColumnFlagCount ? kFlagIds[i] : (i == 33 ? 1062 : 1063);
        QVERIFY(RunDialog(options, [id](CTableOptions* dialog) {
            Click(dialog, id);
            Click(dialog, 1);
        }));
        TableOptions expected;
        if (i < kTableColumnFlagCount) {
            expected.*(kTableColumnOptions[i].flag) = true;
        } else if (i == 33) {
            expected.decimalAngles = true;
        } else {
            expected.decimalHours = true;
        }
        QVERIFY2(options == expected, qPrintable(QStringLiteral("field %1").arg(i)));
    }
}

void TableOptionsTest::closeBoxChangesNothing() {
    TableOptions options;
    QVERIFY(!RunDialog(options, [](CTableOptions* dialog) {
        Click(dialog, 1056);
        Click(dialog, 1062);
        dialog->close();
    }));
    QCOMPARE(options, TableOptions());
}

// Each day times' box sets its own flag on OK; "Seleziona tutto" leaves them
// as they are (it chooses the 33 columns), "Deseleziona tutto" clears them.
void TableOptionsTest::dayTimeBoxesChooseTheirColumns() {
    const int ids[kTableDayTimeColumnFlagCount] = {1078, 1079, 1080, 1081, 1082, 1083};
    for (int i = 0; i < kTableDayTimeColumnFlagCount; ++i) {
        TableColumnSet options;
        const int id = ids[i];
        bool afterSelectAll = true;
        QVERIFY(RunDialog(options, [&](CTableOptions* dialog) {
            QCOMPARE(dialog->DayTimeBox(i), qobject_cast<QCheckBox*>(dialog->Control(id)));
            Click(dialog, id);
            Click(dialog, 1056);
            afterSelectAll = Checked(*dialog, id);
            Click(dialog, 1);
        }));
        QVERIFY(afterSelectAll);
        TableColumnSet expected;
        SetAllColumnFlags(expected, true);
        expected.dayColumns.*(kTableDayTimeColumnOptions[i].flag) = true;
        QVERIFY2(options == expected && options.dayColumns == expected.dayColumns,
                 qPrintable(QStringLiteral("box %1").arg(id)));
    }
    TableColumnSet options;
    options.dayColumns.showNight = true;
    options.dayColumns.showSunrise = true;
    QVERIFY(RunDialog(options, [](CTableOptions* dialog) {
        QVERIFY(Checked(*dialog, 1083));
        Click(dialog, 1057);
        QVERIFY(!Checked(*dialog, 1083) && !Checked(*dialog, 1078));
        Click(dialog, 1);
    }));
    QCOMPARE(options.dayColumns, TableDayTimeColumns());
}

void TableOptionsTest::tableWindowKeepsTheConfirmedChoices() {
    RecordingSink sink;
    CEphemerisTable table(TableParameters(), &sink);
    table.show();
    auto* button = qobject_cast<QPushButton*>(table.Control(1063));
    WhenModal<CTableOptions>([](CTableOptions* dialog) {
        Click(dialog, 1020);  // EdT
        Click(dialog, 1063);  // hh.hhhhhh
        Click(dialog, 1082);  // ora dorata
        Click(dialog, 1);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    bool equationShown = false;
    bool decimalHoursShown = false;
    bool goldenHourShown = false;
    WhenModal<CTableOptions>([&](CTableOptions* dialog) {
        equationShown = Checked(*dialog, 1020);
        decimalHoursShown = Checked(*dialog, 1063);
        goldenHourShown = Checked(*dialog, 1082);
        Click(dialog, 1057);
        Click(dialog, 2);  // cancelled: nothing changes
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(equationShown);
    QVERIFY(decimalHoursShown);
    TableOptions expected;
    expected.showEquationOfTime = true;
    expected.decimalHours = true;
    QCOMPARE(table.Options(), expected);
    QVERIFY(goldenHourShown);
    TableDayTimeColumns days;
    days.showGoldenHour = true;
    QCOMPARE(table.DayColumns(), days);
}

QTEST_MAIN(TableOptionsTest)
#include "table_options_test.moc"
