// The ephemeris table window driven through its widgets: its opening from the
// main window, the defaults of every opening, the form's messages, runs on a
// worker thread compared with the engine's own texts, the columns lining up in
// the window's font, cancelling, closing during a run, and the two exports.
#include "ui/table/ephemeris_table.h"

#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <atomic>
#include <memory>

#include "app/app_settings.h"
#include "civil/tz_zone_rules.h"
#include "languages/languages.h"
#include "table/table_locale.h"
#include "table/table_run.h"
#include "ui/form/dialog_units.h"
#include "ui/form/form_geometry.h"
#include "ui/table/table_form_font.h"
#include "ui/table/table_options_dialog.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

// The inputs a main window would hand over.
TableParameters Inputs() {
    TableParameters p;
    p.start = {2024, 6, 21, 12, 0, 0.0};
    p.zoneHours = 1;
    p.summerTime = true;
    p.latitude = 45.5;
    p.longitude = -9.25;
    p.height = 120;
    p.refractionModel = kRefractionIntegration;
    p.refractionHeight = 200;
    p.humidity = 40;
    p.pressure = 950;
    p.temperature = 25;
    p.fajrAngle = -18;
    p.ishaAngle = -16;
    // Not used by the window: every opening starts from 1 hour and 50 rows.
    p.stepValue = 7;
    p.stepUnit = TableStepUnit::Days;
    p.pointCount = 9;
    return p;
}

// What the window should compute for the inputs with the default step.
TableParameters Expected(int pointCount) {
    TableParameters p = Inputs();
    p.stepValue = 1;
    p.stepUnit = TableStepUnit::Hours;
    p.pointCount = pointCount;
    return p;
}

std::string EngineText(const TableParameters& p, const TableColumnSet& options,
                       TableTarget target) {
    const TableRunResult result = RunTable(p, options, target, TableLocaleFromEnvironment());
    return result.text;
}

QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

struct Table {
    RecordingSink sink;
    std::unique_ptr<CEphemerisTable> window;

    explicit Table(const TableParameters& inputs = Inputs()) {
        window = std::make_unique<CEphemerisTable>(inputs, &sink);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }

    template <typename T>
    T* Get(int id) const {
        return qobject_cast<T*>(window->Control(id));
    }
    QLineEdit* Field(int id) const { return Get<QLineEdit>(id); }
    QPushButton* Button(int id) const { return Get<QPushButton>(id); }
    QPlainTextEdit* Box() const { return Get<QPlainTextEdit>(1051); }

    void SetField(int id, const QString& text) const { Field(id)->setText(text); }

    // Clicks a button and waits until the command it starts has ended.
    bool ClickAndWait(int id) const {
        QSignalSpy finished(window.get(), &CEphemerisTable::operationFinished);
        QTest::mouseClick(Button(id), Qt::LeftButton);
        return finished.count() > 0 || finished.wait(60000);
    }
};

}  // namespace

class EphemerisTableTest : public QObject {
    Q_OBJECT

  private slots:
    void openedFromTheMainWindowWithItsInputs();
    void formGeometryAndControls();
    void tableBoxTakesTheWindowsRoom();
    void everyOpeningStartsFromTheDefaults();
    void zoneNotInTheListSelectsUtc();
    void dateChangeSetsSummerTimeTimeChangeDoesNot();
    void underZoneRulesTheBoxFollowsTheRules();
    void threeRowRunEqualsTheEngineText();
    void heightBelowSeaLevelIsTaken();
    void columnsLineUpInTheWindowsFont_data();
    void columnsLineUpInTheWindowsFont();
    void optionsApplyFromTheNextRun();
    void formMessages_data();
    void formMessages();
    void fractionalStepRefusedAndAnnounced();
    void enterComputesAndKeepsTheWindow();
    void enterOnAnyControlIsTheWindows_data();
    void enterOnAnyControlIsTheWindows();
    void escapeCloses();
    void f1AsksForTheWindowsTopic();
    void copyIsTheEngineClipboardText();
    void fractionalStepLeavesTheClipboardEmpty();
    void saveWritesTheEngineFileText();
    void exportsWriteFromTheRowsOfOneComputation();
    void cancelledFileDialogWritesNothing();
    void unwritableTargetReportsAndKeepsTheOldFile();
    void cancelledLongRunKeepsThePreviousText();
    void closingDuringARunStopsIt();
};

void EphemerisTableTest::openedFromTheMainWindowWithItsInputs() {
    AppSettings settings;
    settings.latitude = 41.9;
    settings.longitude = -12.5;
    settings.height = 50;
    settings.refractionModel = kRefractionIntegration;
    settings.pressure = 950;
    settings.temperature = 25;
    settings.refractionHeight = 200;
    settings.humidity = 40;
    settings.fajrAngle = -18;
    settings.ishaAngle = -16;
    RecordingSink sink;
    CTarvelDlg main(settings, RomeAt(QDate(2024, 7, 1), QTime(10, 20, 30)), &sink);
    main.show();
    QApplication::setActiveWindow(&main);
    (void)QTest::qWaitForWindowActive(&main);

    QAction* action = main.MenuAction(main_menu::kTable);
    QVERIFY(!action->isEnabled());  // until a table window is given
    int openings = 0;
    TableParameters shown;
    QString date, time, latitude, longitude, height, points, step;
    int zoneIndex = -1, unitIndex = -1;
    bool summer = false, modal = false;
    main.SetTableOpener([&](QWidget* parent, const TableParameters& inputs) {
        ++openings;
        WhenModal<CEphemerisTable>([&](CEphemerisTable* table) {
            modal = table->isModal();
            shown = table->Parameters();
            date = qobject_cast<QDateEdit*>(table->Control(1002))->date().toString(Qt::ISODate);
            time = qobject_cast<QTimeEdit*>(table->Control(1000))->time().toString(Qt::ISODate);
            zoneIndex = qobject_cast<QComboBox*>(table->Control(1003))->currentIndex();
            summer = qobject_cast<QCheckBox*>(table->Control(1004))->isChecked();
            latitude = qobject_cast<QLineEdit*>(table->Control(1005))->text();
            longitude = qobject_cast<QLineEdit*>(table->Control(1006))->text();
            height = qobject_cast<QLineEdit*>(table->Control(1011))->text();
            points = qobject_cast<QLineEdit*>(table->Control(1052))->text();
            step = qobject_cast<QLineEdit*>(table->Control(1048))->text();
            unitIndex = qobject_cast<QComboBox*>(table->Control(1049))->currentIndex();
            QTest::keyClick(table, Qt::Key_Escape);
        });
        OpenEphemerisTable(parent, inputs, &sink);
    });
    QVERIFY(action->isEnabled());
    action->trigger();

    QCOMPARE(openings, 1);
    QVERIFY(modal);
    QCOMPARE(shown.start.year, 2024);
    QCOMPARE(shown.start.month, 7);
    QCOMPARE(shown.start.day, 1);
    QCOMPARE(shown.start.hour, 10);
    QCOMPARE(shown.start.minute, 20);
    QCOMPARE(shown.start.second, 30.0);
    QCOMPARE(shown.zoneHours, 1.0f);
    QVERIFY(shown.summerTime);
    QCOMPARE(shown.latitude, 41.9);
    QCOMPARE(shown.longitude, -12.5);
    QCOMPARE(shown.height, 50.0);
    QCOMPARE(shown.refractionModel, kRefractionIntegration);
    QCOMPARE(shown.pressure, 950.0);
    QCOMPARE(shown.temperature, 25.0);
    QCOMPARE(shown.refractionHeight, 200.0);
    QCOMPARE(shown.humidity, 40.0);
    QCOMPARE(shown.fajrAngle, -18.0);
    QCOMPARE(shown.ishaAngle, -16.0);
    QCOMPARE(date, QStringLiteral("2024-07-01"));
    QCOMPARE(time, QStringLiteral("10:20:30"));
    QCOMPARE(zoneIndex, 15);
    QVERIFY(summer);
    QCOMPARE(latitude, QStringLiteral("41.9"));
    QCOMPARE(longitude, QStringLiteral("-12.5"));
    QCOMPARE(height, QStringLiteral("50"));
    QCOMPARE(points, QStringLiteral("50"));
    QCOMPARE(step, QStringLiteral("1"));
    QCOMPARE(unitIndex, static_cast<int>(TableStepUnit::Hours));
    QVERIFY(sink.messages.isEmpty());
}

// Made larger, the window gives the extra room to the table box and leaves
// every other control where it was; made smaller, the table box gives up
// rows down to a few, and the rest of the form scrolls.
void EphemerisTableTest::tableBoxTakesTheWindowsRoom() {
    Table t;
    const QSize designed = t.window->DesignedClientSize();
    QWidget* save = t.window->Control(1055);
    const QRect saveAt = save->geometry();
    const QRect box = t.Box()->geometry();
    t.window->resize(designed + QSize(300, 200));
    QCOMPARE(t.Box()->geometry(), QRect(box.topLeft(), box.size() + QSize(300, 200)));
    QCOMPARE(save->geometry(), saveAt);

    t.window->resize(designed - QSize(400, 250));
    auto* area = t.window->findChild<QScrollArea*>();
    QVERIFY(area != nullptr);
    QVERIFY(t.Box()->height() < box.height());
    QVERIFY(t.Box()->height() >= 4 * t.Box()->fontMetrics().height());
    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
    // The buttons are reached by scrolling.
    area->ensureWidgetVisible(save, 0, 0);
    QVERIFY(area->viewport()->rect().contains(
        QRect(save->mapTo(area->viewport(), QPoint(0, 0)), save->size())));
    QCOMPARE(save->geometry(), saveAt);
}

void EphemerisTableTest::formGeometryAndControls() {
    Table t;
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Creazione tabella delle effemeridi"));
    QCOMPARE(t.window->font().pointSize(), 8);
    // The design in dialog units of the table font, grown only where a text
    // needs more room (the texts themselves are checked in texts_fit_test).
    const DialogUnits units(TableFormFont());
    const FormGeometry& geometry = t.window->Geometry();
    QCOMPARE(geometry.Units().averageCharWidth(), units.averageCharWidth());
    QCOMPARE(geometry.Units().charHeight(), units.charHeight());
    QCOMPARE(t.window->DesignedClientSize(), geometry.Size(669, 352));
    QCOMPARE(t.window->size(), t.window->DesignedClientSize());
    QVERIFY(t.window->maximumWidth() > t.window->width());  // resizable
    QVERIFY(t.window->maximumHeight() > t.window->height());

    struct Case {
        int id;
        int x, y, w, h;
    };
    const Case cases[] = {
        {1002, 15, 19, 133, 15},  {1000, 157, 19, 52, 15}, {1004, 417, 21, 53, 9},
        {1005, 100, 41, 58, 12},  {1006, 263, 41, 58, 12}, {1011, 406, 41, 58, 12},
        {1038, 7, 7, 475, 52},    {1052, 571, 18, 30, 12}, {1048, 533, 36, 30, 12},
        {1053, 494, 7, 145, 48},  {1063, 27, 68, 127, 24}, {1050, 313, 68, 70, 24},
        {1054, 406, 68, 100, 24}, {1055, 531, 68, 70, 24}, {1051, 7, 102, 653, 238},
    };
    for (const Case& c : cases) {
        QWidget* control = t.window->Control(c.id);
        QVERIFY2(control != nullptr, qPrintable(QString::number(c.id)));
        if (c.id == 1004) {
            // A check box may take the free room beside it.
            QVERIFY(control->geometry().contains(geometry.Rect(c.x, c.y, c.w, c.h)));
        } else {
            QCOMPARE(control->geometry(), geometry.Rect(c.x, c.y, c.w, c.h));
        }
    }
    // The lists keep their place and width; their height is the closed list's.
    QCOMPARE(t.window->Control(1003)->pos(), geometry.Rect(219, 20, 188, 82).topLeft());
    QCOMPARE(t.window->Control(1049)->width(), geometry.Rect(579, 36, 44, 64).width());
    const struct {
        int id;
        const char* text;
        int x, y, w, h;
        Qt::Alignment horizontal;
    } labels[] = {
        {1005, "latitudine (<0 sud)", 19, 41, 76, 11, Qt::AlignRight},
        {1006, "longitudine (<0 est)", 167, 41, 86, 11, Qt::AlignRight},
        {1011, "altitudine [m]", 334, 41, 60, 11, Qt::AlignRight},
        {1052, "n. di punti", 517, 19, 50, 12, Qt::AlignLeft},
        {1048, "passo", 507, 37, 23, 12, Qt::AlignRight},
    };
    for (const auto& l : labels) {
        QLabel* label = t.window->Label(l.id);
        QCOMPARE(label->text(), QString::fromUtf8(l.text));
        // At its rectangle, or widened into the free room on the side its
        // text is aligned away from.
        const QRect placed = label->geometry();
        const QRect design = geometry.Rect(l.x, l.y, l.w, l.h);
        QCOMPARE(l.horizontal == Qt::AlignRight ? placed.topRight() : placed.topLeft(),
                 l.horizontal == Qt::AlignRight ? design.topRight() : design.topLeft());
        QCOMPARE(placed.height(), design.height());
        QVERIFY(placed.width() >= design.width());
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, l.horizontal);
    }
    for (int id : {1005, 1006, 1011}) {
        QCOMPARE(t.Field(id)->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(t.Button(1063)->text(), QStringLiteral("Opzioni di output"));
    QCOMPARE(t.Button(1050)->text(), QStringLiteral("Calcola"));
    QCOMPARE(t.Button(1054)->text(), QStringLiteral("Copia nella clipboard"));
    QCOMPARE(t.Button(1055)->text(), QStringLiteral("Salva su file"));
    QCOMPARE(t.Get<QCheckBox>(1004)->text(), QStringLiteral("ora estiva"));
    for (int id : {1050, 1054, 1055, 1063}) {
        QVERIFY(!t.Button(id)->isDefault());
        QVERIFY(!t.Button(id)->autoDefault());
    }
    // Hidden groups with their captions.
    QCOMPARE(t.Get<QGroupBox>(1038)->title(), QStringLiteral("DATA, ORA E LOCALITA'"));
    QCOMPARE(t.Get<QGroupBox>(1053)->title(), QStringLiteral("PASSI DI CALCOLO"));
    QVERIFY(!t.Get<QGroupBox>(1038)->isVisible());
    QVERIFY(!t.Get<QGroupBox>(1053)->isVisible());
    // The unit list.
    auto* units_list = t.Get<QComboBox>(1049);
    const char* unitTexts[] = {"anni", "mesi", "giorni", "ore", "minuti", "secondi"};
    QCOMPARE(units_list->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(units_list->itemText(i), QString::fromUtf8(unitTexts[i]));
    }
    QCOMPARE(t.Get<QComboBox>(1003)->count(), 40);
    // The table box: read-only, no wrapping, both scroll bars.
    QPlainTextEdit* box = t.Box();
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(box->toPlainText().isEmpty());
    // The pickers' range.
    QCOMPARE(t.Get<QDateEdit>(1002)->minimumDate(), QDate(1900, 1, 1));
    QCOMPARE(t.Get<QDateEdit>(1002)->maximumDate(), QDate(3000, 1, 1));
    // No progress shown while nothing runs.
    QVERIFY(!t.window->ProgressBar()->isVisible());
    QVERIFY(!t.window->CancelButton()->isVisible());
}

void EphemerisTableTest::everyOpeningStartsFromTheDefaults() {
    {
        Table t;
        t.SetField(1048, QStringLiteral("2"));
        t.SetField(1052, QStringLiteral("7"));
        t.Get<QComboBox>(1049)->setCurrentIndex(static_cast<int>(TableStepUnit::Days));
        WhenModal<CTableOptions>([](CTableOptions* dialog) {
            QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1056)),
                              Qt::LeftButton);
            QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1062)),
                              Qt::LeftButton);
            QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1)), Qt::LeftButton);
        });
        QTest::mouseClick(t.Button(1063), Qt::LeftButton);
        QVERIFY(t.window->Options().showQiblaTime);
        QVERIFY(t.window->Options().decimalAngles);
        QVERIFY(t.ClickAndWait(1050));
        QCOMPARE(t.window->Parameters().pointCount, 7);
    }
    Table again;
    QCOMPARE(again.window->Options(), TableOptions());
    QCOMPARE(again.Field(1048)->text(), QStringLiteral("1"));
    QCOMPARE(again.Field(1052)->text(), QStringLiteral("50"));
    QCOMPARE(again.Get<QComboBox>(1049)->currentIndex(), static_cast<int>(TableStepUnit::Hours));
    QCOMPARE(again.window->Parameters().stepValue, 1.0);
    QCOMPARE(again.window->Parameters().pointCount, 50);
    QVERIFY(again.window->TableText().empty());
}

void EphemerisTableTest::zoneNotInTheListSelectsUtc() {
    TableParameters inputs = Inputs();
    inputs.zoneHours = 0.3f;
    Table t(inputs);
    QCOMPARE(t.Get<QComboBox>(1003)->currentIndex(), 14);
    QCOMPARE(t.window->Parameters().zoneHours, 0.0f);
    inputs.zoneHours = 5.75f;
    Table nepal(inputs);
    QCOMPARE(nepal.Get<QComboBox>(1003)->currentIndex(), 23);
}

void EphemerisTableTest::dateChangeSetsSummerTimeTimeChangeDoesNot() {
    // The box follows the computer's summer-time rule: Rome's here.
    const ScopedTimeZone rome("Europe/Rome");
    Table t;
    auto* date = t.Get<QDateEdit>(1002);
    auto* time = t.Get<QTimeEdit>(1000);
    auto* summer = t.Get<QCheckBox>(1004);
    date->setDate(QDate(2025, 1, 1));
    QVERIFY(!summer->isChecked());
    date->setDate(QDate(2025, 7, 1));
    QVERIFY(summer->isChecked());
    QCOMPARE(t.window->Parameters().start.month, 7);
    date->setDate(QDate(1960, 7, 1));
    QVERIFY(!summer->isChecked());
    // The time picker takes the instant but leaves the box alone.
    summer->setChecked(true);
    time->setTime(QTime(3, 4, 5));
    QVERIFY(summer->isChecked());
    QCOMPARE(t.window->Parameters().start.hour, 3);
    QCOMPARE(t.window->Parameters().start.second, 5.0);
    QCOMPARE(t.window->Parameters().start.year, 1960);
}

// Opened while a place's rules are in force, the box follows those rules,
// not the computer's (Rome's here, Riyadh's rules have no summer time).
void EphemerisTableTest::underZoneRulesTheBoxFollowsTheRules() {
    const ScopedTimeZone rome("Europe/Rome");
    TableParameters inputs = Inputs();
    inputs.zoneRules = FindZoneRules("Asia/Riyadh");
    inputs.zoneHours = 3.0f;
    QVERIFY(inputs.zoneRules);
    Table t(inputs);
    auto* summer = t.Get<QCheckBox>(1004);
    t.Get<QDateEdit>(1002)->setDate(QDate(2025, 7, 1));
    QVERIFY(!summer->isChecked());
    QCOMPARE(t.Get<QComboBox>(1003)->currentIndex(), 17);  // UTC+3
    QVERIFY(t.window->Parameters().zoneRules);

    inputs.zoneRules = FindZoneRules("Australia/Lord_Howe");
    inputs.zoneHours = 10.5f;
    Table lordHowe(inputs);
    lordHowe.Get<QDateEdit>(1002)->setDate(QDate(2025, 1, 15));
    QVERIFY(lordHowe.Get<QCheckBox>(1004)->isChecked());
    QCOMPARE(lordHowe.Get<QComboBox>(1003)->currentIndex(), 33);  // UTC+10:30, the standard
    lordHowe.Get<QDateEdit>(1002)->setDate(QDate(2025, 7, 15));
    QVERIFY(!lordHowe.Get<QCheckBox>(1004)->isChecked());
}

void EphemerisTableTest::threeRowRunEqualsTheEngineText() {
    Table t;
    t.SetField(1052, QStringLiteral("3"));
    QVERIFY(t.ClickAndWait(1050));
    const std::string expected = EngineText(Expected(3), TableOptions(), TableTarget::Window);
    QVERIFY(!expected.empty());
    QCOMPARE(t.window->TableText(), expected);
    QCOMPARE(t.Box()->toPlainText(), Shown(expected));
    QVERIFY(t.sink.messages.isEmpty());
    QVERIFY(!t.window->IsRunning());
    QVERIFY(!t.window->ProgressBar()->isVisible());
    QVERIFY(t.Button(1050)->isEnabled());
}

void EphemerisTableTest::heightBelowSeaLevelIsTaken() {
    // The shore of the Dead Sea, as the main window and the command line take it.
    Table t;
    t.SetField(1052, QStringLiteral("3"));
    t.SetField(1011, QStringLiteral("-430"));
    QVERIFY(t.ClickAndWait(1050));
    QVERIFY(t.sink.messages.isEmpty());
    TableParameters below = Expected(3);
    below.height = -430;
    QCOMPARE(t.window->TableText(), EngineText(below, TableOptions(), TableTarget::Window));
    QVERIFY(t.window->TableText() != EngineText(Expected(3), TableOptions(), TableTarget::Window));
}

void EphemerisTableTest::columnsLineUpInTheWindowsFont_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("decimal");
    QTest::newRow("Italian, sexagesimal") << "it_IT" << false;
    QTest::newRow("English, decimal") << "en_US" << true;
    QTest::newRow("Portuguese, sexagesimal") << "pt_BR" << false;
}

// The padded columns line up on screen only if every character of the table
// text moves the pen by the same distance in the font the box shows it in:
// measured over a real table with every column, headings in the language.
void EphemerisTableTest::columnsLineUpInTheWindowsFont() {
    QFETCH(QString, language);
    QFETCH(bool, decimal);
    LanguageModules modules({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
    QVERIFY(modules.Load({language}));
    Table t;
    TableOptions options;
    SetAllColumnFlags(options, true);
    options.decimalAngles = decimal;
    options.decimalHours = decimal;
    t.window->SetOptions(options);
    t.SetField(1052, QStringLiteral("3"));
    QVERIFY(t.ClickAndWait(1050));
    const QString text = t.Box()->toPlainText();
    const QString expected = decimal ? QStringLiteral("0123456789 |.+-/[]aeio")
                                     : QStringLiteral("0123456789 |\u00b0'\"aeio");
    for (QChar c : expected) {
        QVERIFY2(text.contains(c), qPrintable(QStringLiteral("no '%1' in the table").arg(c)));
    }

    const QFont font = t.Box()->font();
    QCOMPARE(font.pointSize(), 8);
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(QLatin1Char('0'));
    QString unequal;
    for (QChar c : text) {
        if (c != QLatin1Char('\n') && metrics.horizontalAdvance(c) != advance &&
            !unequal.contains(c)) {
            unequal += c;
        }
    }
    QVERIFY2(unequal.isEmpty(),
             qPrintable(QStringLiteral("in %1 (%2 pt), '0' advances %3 px but \"%4\" do not")
                            .arg(QFontInfo(font).family())
                            .arg(font.pointSize())
                            .arg(advance)
                            .arg(unequal)));
}

void EphemerisTableTest::optionsApplyFromTheNextRun() {
    Table t;
    t.SetField(1052, QStringLiteral("3"));
    QVERIFY(t.ClickAndWait(1050));
    const std::string before = t.window->TableText();
    WhenModal<CTableOptions>([](CTableOptions* dialog) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1016)), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1033)), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1063)), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1)), Qt::LeftButton);
    });
    QTest::mouseClick(t.Button(1063), Qt::LeftButton);
    // The text shown is not rebuilt.
    QCOMPARE(t.window->TableText(), before);
    TableOptions options;
    options.showAzimuth = true;
    options.showAltitude = true;
    options.decimalHours = true;
    QCOMPARE(t.window->Options(), options);
    QVERIFY(t.ClickAndWait(1050));
    QCOMPARE(t.window->TableText(), EngineText(Expected(3), options, TableTarget::Window));
    QVERIFY(t.window->TableText() != before);
}

void EphemerisTableTest::formMessages_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("latitude 91") << 1005 << "91"
                                 << "Immettere un numero compreso tra -90 e 90.";
    QTest::newRow("latitude text") << 1005 << "abc"
                                   << "Immettere un numero.";
    QTest::newRow("longitude 181") << 1006 << "181"
                                   << "Immettere un numero compreso tra -180 e 180.";
    QTest::newRow("height -1000.5") << 1011 << "-1000.5"
                                    << "Immettere un numero compreso tra -1000 e 20000.";
    QTest::newRow("points 0") << 1052 << "0"
                              << "Immettere un valore intero compreso tra 1 e 1000.";
    QTest::newRow("points 1001") << 1052 << "1001"
                                 << "Immettere un valore intero compreso tra 1 e 1000.";
    QTest::newRow("points 2.5") << 1052 << "2.5"
                                << "Immettere un valore intero.";
    QTest::newRow("step 0") << 1048 << "0"
                            << "Immettere un numero compreso tra 0.01 e 60.";
    QTest::newRow("step 61") << 1048 << "61"
                             << "Immettere un numero compreso tra 0.01 e 60.";
}

void EphemerisTableTest::formMessages() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    QVERIFY(t.ClickAndWait(1050));
    const std::string previous = t.window->TableText();
    t.SetField(field, text);
    QVERIFY(t.ClickAndWait(1050));
    QCOMPARE(t.sink.messages.size(), 1);
    QCOMPARE(t.sink.LastText(), message);
    QCOMPARE(t.sink.messages.back().caption, QStringLiteral("Tarvel"));
    QCOMPARE(t.sink.messages.back().icon, QMessageBox::Warning);
    QCOMPARE(QApplication::focusWidget(), t.window->Control(field));
    QCOMPARE(t.window->TableText(), previous);
    // The exports stop in the same way, before anything is written.
    int chooserCalls = 0;
    t.window->SetFileNameChooser([&chooserCalls](QWidget*) {
        ++chooserCalls;
        return QString();
    });
    // (Called directly: a click would first take the focus from a refused
    // step field, whose own check would show the message once more.)
    QSignalSpy finished(t.window.get(), &CEphemerisTable::operationFinished);
    t.window->SaveTableToFile();
    QVERIFY(finished.count() > 0 || finished.wait(60000));
    QCOMPARE(chooserCalls, 0);
    QCOMPARE(t.sink.messages.size(), 2);
    QCOMPARE(t.sink.LastText(), message);
}

void EphemerisTableTest::fractionalStepRefusedAndAnnounced() {
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    QVERIFY(t.ClickAndWait(1050));
    QVERIFY(!t.window->TableText().empty());
    TypeAndLeave(t.Field(1048), QStringLiteral("1.5"), t.Field(1052));
    QCOMPARE(t.sink.messages.size(), 1);
    QCOMPARE(t.sink.LastText(),
             QStringLiteral("Valori decimali dell'incremento sono accettabili solo per i secondi"));
    QCOMPARE(t.sink.messages.back().caption, QStringLiteral("Tarvel"));
    // "Calcola" empties the box and says why, as leaving the field did.
    QVERIFY(t.ClickAndWait(1050));
    QCOMPARE(t.sink.messages.size(), 2);
    QCOMPARE(t.sink.LastText(),
             QStringLiteral("Valori decimali dell'incremento sono accettabili solo per i secondi"));
    QCOMPARE(t.sink.messages.back().caption, QStringLiteral("Tarvel"));
    QVERIFY(t.window->TableText().empty());
    QVERIFY(t.Box()->toPlainText().isEmpty());
    // With seconds the same step runs and neither leaving the field nor
    // "Calcola" says anything.
    t.Get<QComboBox>(1049)->setCurrentIndex(static_cast<int>(TableStepUnit::Seconds));
    TypeAndLeave(t.Field(1048), QStringLiteral("1.5"), t.Field(1052));
    QCOMPARE(t.sink.messages.size(), 2);
    QVERIFY(t.ClickAndWait(1050));
    QCOMPARE(t.sink.messages.size(), 2);
    TableParameters expected = Expected(2);
    expected.stepValue = 1.5;
    expected.stepUnit = TableStepUnit::Seconds;
    QCOMPARE(t.window->TableText(), EngineText(expected, TableOptions(), TableTarget::Window));
}

// Enter is "Calcola": a refused field keeps the window and its table, an
// accepted form computes the table, and the window stays open with it.
void EphemerisTableTest::enterComputesAndKeepsTheWindow() {
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    QVERIFY(t.ClickAndWait(1050));
    const std::string previous = t.window->TableText();
    t.SetField(1005, QStringLiteral("95"));
    QSignalSpy finished(t.window.get(), &CEphemerisTable::operationFinished);
    QTest::keyClick(t.Field(1006), Qt::Key_Return);
    QVERIFY(finished.count() > 0 || finished.wait(60000));
    QVERIFY(t.window->isVisible());
    QCOMPARE(t.sink.LastText(), QStringLiteral("Immettere un numero compreso tra -90 e 90."));
    QCOMPARE(t.window->TableText(), previous);
    t.SetField(1005, QStringLiteral("10"));
    QTest::keyClick(t.Field(1006), Qt::Key_Return);
    QVERIFY(finished.count() > 1 || finished.wait(60000));
    QVERIFY(t.window->isVisible());
    TableParameters expected = Expected(2);
    expected.latitude = 10;
    QCOMPARE(t.window->TableText(), EngineText(expected, TableOptions(), TableTarget::Window));
    QCOMPARE(t.Box()->toPlainText(), Shown(t.window->TableText()));
    QCOMPARE(t.sink.messages.size(), 1);
}

void EphemerisTableTest::enterOnAnyControlIsTheWindows_data() {
    QTest::addColumn<int>("id");
    for (int id : {1002, 1000, 1003, 1004, 1005, 1052, 1049, 1050, 1054, 1055, 1051}) {
        QTest::addRow("%d", id) << id;
    }
}

// Enter on any control is the window's "Calcola": no button is clicked (not
// even the focused export), the pickers do not read their text again (which
// would set the summer-time box from the rule for 21 June), and the window
// stays open with the table computed.
void EphemerisTableTest::enterOnAnyControlIsTheWindows() {
    QFETCH(int, id);
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    t.Get<QCheckBox>(1004)->setChecked(false);
    QWidget* control = t.window->Control(id);
    control->setFocus(Qt::TabFocusReason);
    auto* button = qobject_cast<QAbstractButton*>(control);
    QSignalSpy clicked(button != nullptr ? button : t.Button(1050), &QAbstractButton::clicked);
    QSignalSpy finished(t.window.get(), &CEphemerisTable::operationFinished);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(finished.count() > 0 || finished.wait(60000));
    QVERIFY(t.window->isVisible());
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("old"));
    QVERIFY(!t.Get<QCheckBox>(1004)->isChecked());
    QVERIFY(!t.window->Parameters().summerTime);
    TableParameters expected = Expected(2);
    expected.summerTime = false;
    QCOMPARE(t.window->TableText(), EngineText(expected, TableOptions(), TableTarget::Window));
    QVERIFY(t.sink.messages.isEmpty());
}

void EphemerisTableTest::escapeCloses() {
    Table t;
    t.SetField(1005, QStringLiteral("95"));  // never read
    QTest::keyClick(t.Field(1006), Qt::Key_Escape);
    QVERIFY(!t.window->isVisible());
    QVERIFY(t.sink.messages.isEmpty());
    // The close box closes it too.
    Table closed;
    closed.window->close();
    QVERIFY(!closed.window->isVisible());
    QVERIFY(closed.sink.messages.isEmpty());
}

void EphemerisTableTest::f1AsksForTheWindowsTopic() {
    Table t;
    // Whichever control has the focus (a field, a picker, a list, the box).
    QCOMPARE(F1Topics(*t.window, {1005, 1002, 1049, 1051}),
             QStringList(4, QString::fromLatin1(help_topic::kTable)));
    QVERIFY(t.sink.messages.isEmpty());
}

void EphemerisTableTest::copyIsTheEngineClipboardText() {
    Table t;
    t.SetField(1052, QStringLiteral("3"));
    WhenModal<CTableOptions>([](CTableOptions* dialog) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1009)), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1065)), Qt::LeftButton);
        // The night's columns, a choice beside the 33.
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1083)), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(1)), Qt::LeftButton);
    });
    QTest::mouseClick(t.Button(1063), Qt::LeftButton);
    QVERIFY(t.window->DayColumns().showNight);
    const TableColumnSet chosen(t.window->Options(), t.window->DayColumns());
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    QVERIFY(t.ClickAndWait(1054));
    const std::string expected = EngineText(Expected(3), chosen, TableTarget::Clipboard);
    QVERIFY(expected.find("della notte") != std::string::npos);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(expected));
    // The window's own table was refreshed first.
    QCOMPARE(t.window->TableText(), EngineText(Expected(3), chosen, TableTarget::Window));
    QVERIFY(t.sink.messages.isEmpty());
}

void EphemerisTableTest::fractionalStepLeavesTheClipboardEmpty() {
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    QVERIFY(t.ClickAndWait(1050));
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    t.SetField(1048, QStringLiteral("0.5"));
    t.Get<QComboBox>(1049)->setCurrentIndex(static_cast<int>(TableStepUnit::Days));
    QVERIFY(t.ClickAndWait(1054));
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QVERIFY(t.window->TableText().empty());
    // Each command says why it stopped.
    const QString message =
        QStringLiteral("Valori decimali dell'incremento sono accettabili solo per i secondi");
    QCOMPARE(t.sink.messages.size(), 1);
    QCOMPARE(t.sink.LastText(), message);
    // The save stops before its file dialog.
    int chooserCalls = 0;
    t.window->SetFileNameChooser([&chooserCalls](QWidget*) {
        ++chooserCalls;
        return QString();
    });
    QVERIFY(t.ClickAndWait(1055));
    QCOMPARE(chooserCalls, 0);
    QCOMPARE(t.sink.messages.size(), 2);
    QCOMPARE(t.sink.LastText(), message);
}

void EphemerisTableTest::saveWritesTheEngineFileText() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));  // longer than the new table
    }
    Table t;
    t.SetField(1052, QStringLiteral("3"));
    t.window->SetFileNameChooser([&path](QWidget*) { return path; });
    QVERIFY(t.ClickAndWait(1055));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    const std::string expected = EngineText(Expected(3), TableOptions(), TableTarget::File);
    QVERIFY(!expected.empty());
    QCOMPARE(written, QByteArray::fromStdString(expected));
    QCOMPARE(t.window->TableText(), EngineText(Expected(3), TableOptions(), TableTarget::Window));
    QVERIFY(t.sink.messages.isEmpty());
}

// "Calcola", then the exports: the rows are computed once and every text is
// written from them, each as the engine writes it for its target. A change of
// the output options only rewrites the texts; a change of a parameter computes
// the rows once more, for the new parameters.
void EphemerisTableTest::exportsWriteFromTheRowsOfOneComputation() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    auto fileText = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    Table t;
    std::atomic<int> rowsComputed{0};
    t.window->SetRowComputation([&rowsComputed](const SolarRequest& request) {
        ++rowsComputed;
        return CalcSolarParameters(request);
    });
    t.window->SetFileNameChooser([&path](QWidget*) { return path; });
    t.SetField(1052, QStringLiteral("3"));
    TableParameters expected = Expected(3);
    TableOptions options;
    options.showDeclination = true;
    options.showQiblaTime = true;
    t.window->SetOptions(options);

    QVERIFY(t.ClickAndWait(1050));
    QCOMPARE(rowsComputed.load(), 3);
    QVERIFY(t.ClickAndWait(1054));
    QCOMPARE(rowsComputed.load(), 3);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(EngineText(expected, options, TableTarget::Clipboard)));
    QCOMPARE(t.window->TableText(), EngineText(expected, options, TableTarget::Window));
    QVERIFY(t.ClickAndWait(1055));
    QCOMPARE(rowsComputed.load(), 3);
    QCOMPARE(fileText(),
             QByteArray::fromStdString(EngineText(expected, options, TableTarget::File)));

    // Other formats: the same rows, new texts.
    options.decimalAngles = true;
    options.decimalHours = true;
    t.window->SetOptions(options);
    QVERIFY(t.ClickAndWait(1054));
    QCOMPARE(rowsComputed.load(), 3);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(EngineText(expected, options, TableTarget::Clipboard)));
    QCOMPARE(t.window->TableText(), EngineText(expected, options, TableTarget::Window));

    // Another latitude, then another number of rows: one computation each, for
    // the parameters on the form when the button is pressed.
    t.SetField(1005, QStringLiteral("-33.5"));
    expected.latitude = -33.5;
    QVERIFY(t.ClickAndWait(1054));
    QCOMPARE(rowsComputed.load(), 6);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(EngineText(expected, options, TableTarget::Clipboard)));
    QCOMPARE(t.window->TableText(), EngineText(expected, options, TableTarget::Window));
    t.SetField(1052, QStringLiteral("4"));
    expected.pointCount = 4;
    QVERIFY(t.ClickAndWait(1055));
    QCOMPARE(rowsComputed.load(), 10);
    QCOMPARE(fileText(),
             QByteArray::fromStdString(EngineText(expected, options, TableTarget::File)));
    QCOMPARE(t.window->TableText(), EngineText(expected, options, TableTarget::Window));
    QVERIFY(t.sink.messages.isEmpty());
}

void EphemerisTableTest::cancelledFileDialogWritesNothing() {
    QTemporaryDir dir;
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    int chooserCalls = 0;
    t.window->SetFileNameChooser([&chooserCalls](QWidget*) {
        ++chooserCalls;
        return QString();
    });
    QVERIFY(t.ClickAndWait(1055));
    QCOMPARE(chooserCalls, 1);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    // The window was refreshed before the dialog.
    QCOMPARE(t.window->TableText(), EngineText(Expected(2), TableOptions(), TableTarget::Window));
    QVERIFY(t.sink.messages.isEmpty());
}

void EphemerisTableTest::unwritableTargetReportsAndKeepsTheOldFile() {
    QTemporaryDir dir;
    QString target;
    QByteArray oldContent;
    if (geteuid() != 0) {
        // A file in a folder where nothing may be created.
        target = dir.filePath(QStringLiteral("old.txt"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old table\r\n");
        old.close();
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        // The superuser may write anywhere but in a read-only file system.
        target = QStringLiteral("/proc/version");
    }
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        oldContent = old.readAll();
    }
    Table t;
    t.SetField(1052, QStringLiteral("2"));
    t.window->SetFileNameChooser([&target](QWidget*) { return target; });
    QVERIFY(t.ClickAndWait(1055));
    QCOMPARE(t.sink.messages.size(), 1);
    QVERIFY2(t.sink.LastText().contains(target), qPrintable(t.sink.LastText()));
    QCOMPARE(t.sink.messages.back().caption, QStringLiteral("Tarvel"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), oldContent);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A folder that does not exist is named in the same way.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/table.txt"));
    t.window->SetFileNameChooser([&missing](QWidget*) { return missing; });
    QVERIFY(t.ClickAndWait(1055));
    QCOMPARE(t.sink.messages.size(), 2);
    // The sentence in the interface language, the reason the system's.
    QVERIFY2(t.sink.LastText().startsWith(QStringLiteral("Impossibile salvare ") + missing +
                                          QStringLiteral(": ")),
             qPrintable(t.sink.LastText()));
    QVERIFY(!QFile::exists(missing));
}

void EphemerisTableTest::cancelledLongRunKeepsThePreviousText() {
    Table t;
    t.SetField(1052, QStringLiteral("3"));
    QVERIFY(t.ClickAndWait(1050));
    const std::string previous = t.window->TableText();
    QVERIFY(!previous.empty());

    t.SetField(1052, QStringLiteral("1000"));
    QSignalSpy progress(t.window.get(), &CEphemerisTable::rowsDone);
    QSignalSpy finished(t.window.get(), &CEphemerisTable::operationFinished);
    QTest::mouseClick(t.Button(1050), Qt::LeftButton);
    QVERIFY(t.window->IsRunning());
    // While it runs: progress and the cancel button shown, no second run.
    QVERIFY(t.window->ProgressBar()->isVisible());
    QVERIFY(t.window->CancelButton()->isVisible());
    for (int id : {1050, 1054, 1055, 1063}) {
        QVERIFY(!t.Button(id)->isEnabled());
    }
    t.window->OnBnClickedCompute();  // refused
    QVERIFY(progress.wait(30000));
    QVERIFY(finished.isEmpty());
    QTest::mouseClick(t.window->CancelButton(), Qt::LeftButton);
    QVERIFY(finished.count() > 0 || finished.wait(30000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!t.window->IsRunning());
    QVERIFY(progress.constLast().at(0).toInt() < 1000);
    QCOMPARE(t.window->TableText(), previous);
    QCOMPARE(t.Box()->toPlainText(), Shown(previous));
    QVERIFY(!t.window->ProgressBar()->isVisible());
    QVERIFY(t.Button(1050)->isEnabled());
    QVERIFY(t.sink.messages.isEmpty());
}

void EphemerisTableTest::closingDuringARunStopsIt() {
    auto t = std::make_unique<Table>();
    t->SetField(1052, QStringLiteral("1000"));
    QTest::mouseClick(t->Button(1050), Qt::LeftButton);
    QVERIFY(t->window->IsRunning());
    QTest::keyClick(t->Field(1052), Qt::Key_Escape);
    QVERIFY(!t->window->isVisible());
    QVERIFY(!t->window->IsRunning());
    QVERIFY(t->window->TableText().empty());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    // Events the stopped run had posted are dropped.
    QTest::qWait(50);
    QVERIFY(t->window->TableText().empty());
    // Destroying a window while it runs waits for its threads.
    t->window->show();
    QTest::mouseClick(t->Button(1050), Qt::LeftButton);
    QVERIFY(t->window->IsRunning());
    t.reset();
}

QTEST_MAIN(EphemerisTableTest)
#include "ephemeris_table_test.moc"
