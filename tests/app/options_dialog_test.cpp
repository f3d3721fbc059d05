// The preferences dialog driven through its controls.
#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "astro/prayer_times.h"
#include "ui/form/group_frame.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

struct Shown {
    RecordingSink sink;
    std::unique_ptr<COptionsDialog> dialog;

    explicit Shown(const AppSettings& settings = AppSettings()) {
        dialog = std::make_unique<COptionsDialog>(settings, &sink);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        (void)QTest::qWaitForWindowActive(dialog.get());
    }

    template <typename T>
    T* Get(int id) const {
        return qobject_cast<T*>(dialog->Control(id));
    }
    QLineEdit* Field(int id) const { return Get<QLineEdit>(id); }
    void Click(int id) const { QTest::mouseClick(Get<QAbstractButton>(id), Qt::LeftButton); }
    QString Label(int id) const {
        return dialog->findChild<QLabel*>(QStringLiteral("label%1").arg(id))->text();
    }
};

void Retype(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void labelsAndCaptions();
    void openingWithTheDefaults();
    void openingWithOtherValues();
    void modelEnablesHeightAndHumidity();
    void standardConditions();
    void defaultValues();
    void okCopiesTheValues();
    void pressureOutOfRangeIsRefusedOnOk();
    void fieldMessages_data();
    void fieldMessages();
    void angleOutsideTheListGivesMinusTen();
    void methodSettingsRoundTrip_data();
    void methodSettingsRoundTrip();
    void furtherChoicesRoundTrip_data();
    void furtherChoicesRoundTrip();
    void methodEnablesItsControls_data();
    void methodEnablesItsControls();
    void greyedListsShowTheMethodsAngles_data();
    void greyedListsShowTheMethodsAngles();
    void cancelKeepsTheCallersSettings();
    void enterIsOk();
};

void OptionsDialogTest::labelsAndCaptions() {
    Shown s;
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Preferenze"));
    QCOMPARE(s.Get<QRadioButton>(1282)->text(), QStringLiteral("formula di Bennett-Samudson"));
    QCOMPARE(s.Get<QRadioButton>(1283)->text(), QStringLiteral("integrazione numerica"));
    QCOMPARE(s.Get<QPushButton>(1286)->text(), QStringLiteral("condizioni standard"));
    QCOMPARE(s.Get<QPushButton>(3)->text(), QStringLiteral("Valori di default"));
    QCOMPARE(s.Get<QPushButton>(1)->text(), QStringLiteral("OK"));
    QCOMPARE(s.Get<QPushButton>(2)->text(), QStringLiteral("Annulla"));
    QVERIFY(s.Get<QPushButton>(1)->isDefault());
    QCOMPARE(s.Label(1284), QStringLiteral("pressione [mbar]"));
    QCOMPARE(s.Label(1285), QString::fromUtf8("temperatura [\u00baC]"));
    QCOMPARE(s.Label(1287), QStringLiteral("altitudine [m]"));
    QCOMPARE(s.Label(1288), QString::fromUtf8("umidit\u00e0 [%]"));
    QCOMPARE(s.Label(1057), QString::fromUtf8("altezza solare per Fajr [\u00ba]"));
    QCOMPARE(s.Label(1058), QString::fromUtf8("altezza solare per Isha [\u00ba]"));
    QCOMPARE(qobject_cast<QGroupBox*>(s.dialog->Control(1059))->title(),
             QStringLiteral("RIFRAZIONE ATMOSFERICA"));
    QCOMPARE(qobject_cast<QGroupBox*>(s.dialog->Control(1060))->title(),
             QStringLiteral("PREGHIERE ISLAMICHE"));
    QVERIFY(!s.dialog->Control(1059)->isVisible());
    // The whole degrees -10 ... -20 and the methods' angles in between.
    const QStringList angles = {
        QStringLiteral("-10"),   QStringLiteral("-11"), QStringLiteral("-12"),
        QStringLiteral("-13"),   QStringLiteral("-14"), QStringLiteral("-15"),
        QStringLiteral("-16"),   QStringLiteral("-17"), QStringLiteral("-17.5"),
        QStringLiteral("-17.7"), QStringLiteral("-18"), QStringLiteral("-18.2"),
        QStringLiteral("-18.5"), QStringLiteral("-19"), QStringLiteral("-19.5"),
        QStringLiteral("-20")};
    for (int id : {1057, 1058}) {
        auto* list = s.Get<QComboBox>(id);
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        QCOMPARE(items, angles);
    }
    // The method's controls, below the documented ones.
    auto* methods = s.Get<QComboBox>(1300);
    QCOMPARE(methods->count(), int(kPrayerMethods.size()));
    QCOMPARE(methods->itemText(0), QStringLiteral("Tarvel (predefinito)"));
    QCOMPARE(methods->itemText(1), QStringLiteral("Muslim World League"));
    QCOMPARE(methods->itemText(6), QStringLiteral("Institute of Geophysics, University of Tehran"));
    QCOMPARE(methods->itemText(12), QStringLiteral("personalizzato"));
    QCOMPARE(s.Get<QCheckBox>(1301)->text(), QStringLiteral("Ramadan (Umm al-Qura: Isha 120 min)"));
    auto* rules = s.Get<QComboBox>(1302);
    QCOMPARE(rules->count(), 5);
    QCOMPARE(rules->itemText(0), QStringLiteral("nessuna"));
    QCOMPARE(rules->itemText(3), QStringLiteral("angolo/60 della notte"));
    QCOMPARE(rules->itemText(4), QStringLiteral("raccomandata"));
    QCOMPARE(methods->itemText(13), QStringLiteral("Moonsighting Committee Worldwide"));
    QCOMPARE(s.Label(1300), QStringLiteral("metodo di calcolo"));
    QCOMPARE(s.Label(1302), QStringLiteral("regola per le alte latitudini"));
    QCOMPARE(s.Label(1303), QStringLiteral("correzioni [min]"));
    QCOMPARE(s.Label(1305), QStringLiteral("alba"));
    const int documentedBottom = s.Get<QPushButton>(3)->geometry().bottom();
    for (int id : {1300, 1301, 1302, 1304, 1309}) {
        QVERIFY(s.dialog->Control(id)->geometry().top() > documentedBottom);
    }
}

void OptionsDialogTest::openingWithTheDefaults() {
    Shown s;
    QVERIFY(s.Get<QRadioButton>(1282)->isChecked());
    QVERIFY(!s.Get<QRadioButton>(1283)->isChecked());
    QCOMPARE(s.Field(1284)->text(), QStringLiteral("1010"));
    QCOMPARE(s.Field(1285)->text(), QStringLiteral("10"));
    QCOMPARE(s.Field(1287)->text(), QStringLiteral("100"));
    QCOMPARE(s.Field(1288)->text(), QStringLiteral("20"));
    QVERIFY(s.Field(1284)->isEnabled());
    QVERIFY(s.Field(1285)->isEnabled());
    QVERIFY(!s.Field(1287)->isEnabled());
    QVERIFY(!s.Field(1288)->isEnabled());
    QCOMPARE(s.Get<QComboBox>(1057)->currentText(), QStringLiteral("-19"));
    QCOMPARE(s.Get<QComboBox>(1058)->currentText(), QStringLiteral("-17"));
}

void OptionsDialogTest::openingWithOtherValues() {
    AppSettings settings;
    settings.refractionModel = kRefractionIntegration;
    settings.pressure = 1013.25;
    settings.temperature = -5.5;
    settings.fajrAngle = -20;
    settings.ishaAngle = -10;
    Shown s(settings);
    QVERIFY(s.Get<QRadioButton>(1283)->isChecked());
    QCOMPARE(s.Field(1284)->text(), QStringLiteral("1013.25"));
    QCOMPARE(s.Field(1285)->text(), QStringLiteral("-5.5"));
    QVERIFY(s.Field(1287)->isEnabled());
    QVERIFY(s.Field(1288)->isEnabled());
    QCOMPARE(s.Get<QComboBox>(1057)->currentText(), QStringLiteral("-20"));
    QCOMPARE(s.Get<QComboBox>(1058)->currentText(), QStringLiteral("-10"));
}

void OptionsDialogTest::modelEnablesHeightAndHumidity() {
    Shown s;
    s.Click(1283);
    QVERIFY(s.Field(1287)->isEnabled());
    QVERIFY(s.Field(1288)->isEnabled());
    Retype(s.Field(1287), QStringLiteral("250"));
    s.Click(1282);
    QVERIFY(!s.Field(1287)->isEnabled());
    QVERIFY(!s.Field(1288)->isEnabled());
    // The value is kept (and was read by the click's form pass).
    QCOMPARE(s.Field(1287)->text(), QStringLiteral("250"));
    QCOMPARE(s.dialog->Values().refractionHeight, 250.0);
    QCOMPARE(s.dialog->Values().refractionModel, kRefractionBennett);
    QVERIFY(s.sink.messages.isEmpty());
}

void OptionsDialogTest::standardConditions() {
    AppSettings settings;
    settings.refractionHeight = 500;
    settings.humidity = 80;
    settings.fajrAngle = -12;
    Shown s(settings);
    Retype(s.Field(1284), QStringLiteral("900"));
    Retype(s.Field(1285), QStringLiteral("30"));
    QVERIFY(!s.Field(1287)->isEnabled());
    s.Click(1286);
    QCOMPARE(s.Field(1284)->text(), QStringLiteral("1010"));
    QCOMPARE(s.Field(1285)->text(), QStringLiteral("10"));
    QCOMPARE(s.Field(1287)->text(), QStringLiteral("100"));
    QCOMPARE(s.Field(1288)->text(), QStringLiteral("20"));
    QVERIFY(s.Get<QRadioButton>(1282)->isChecked());
    QVERIFY(!s.Field(1287)->isEnabled());
    QCOMPARE(s.Get<QComboBox>(1057)->currentText(), QStringLiteral("-12"));
}

void OptionsDialogTest::defaultValues() {
    AppSettings settings;
    settings.refractionModel = kRefractionIntegration;
    settings.pressure = 900;
    settings.humidity = 70;
    settings.fajrAngle = -15;
    settings.ishaAngle = -20;
    settings.prayerMethod = PrayerMethod::kUmmAlQura;
    settings.ramadan = true;
    settings.highLatitudeRule = HighLatitudeRule::kTwilightAngle;
    settings.prayerAdjustments.isha = 5;
    Shown s(settings);
    s.Click(3);
    QVERIFY(s.Get<QRadioButton>(1282)->isChecked());
    QCOMPARE(s.Field(1284)->text(), QStringLiteral("1010"));
    QCOMPARE(s.Field(1288)->text(), QStringLiteral("20"));
    QVERIFY(!s.Field(1287)->isEnabled());
    QVERIFY(!s.Field(1288)->isEnabled());
    QCOMPARE(s.Get<QComboBox>(1057)->currentText(), QStringLiteral("-19"));
    QCOMPARE(s.Get<QComboBox>(1058)->currentText(), QStringLiteral("-17"));
    QCOMPARE(s.Get<QComboBox>(1300)->currentIndex(), 0);
    QVERIFY(!s.Get<QCheckBox>(1301)->isChecked());
    QCOMPARE(s.Get<QComboBox>(1302)->currentIndex(), 0);
    for (int id = 1304; id <= 1309; ++id) QCOMPARE(s.Get<QSpinBox>(id)->value(), 0);
    QVERIFY(s.dialog->isVisible());
}

void OptionsDialogTest::okCopiesTheValues() {
    AppSettings settings;
    settings.latitude = 12;
    Shown s(settings);
    s.Click(1283);
    Retype(s.Field(1284), QStringLiteral("950.5"));
    Retype(s.Field(1285), QStringLiteral("-2"));
    Retype(s.Field(1287), QStringLiteral("1500"));
    Retype(s.Field(1288), QStringLiteral("55abc"));
    s.Get<QComboBox>(1057)->setCurrentIndex(5);
    s.Get<QComboBox>(1058)->setCurrentIndex(2);
    s.Click(1);
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
    QVERIFY(!s.dialog->isVisible());
    AppSettings expected = settings;
    expected.refractionModel = kRefractionIntegration;
    expected.pressure = 950.5;
    expected.temperature = -2;
    expected.refractionHeight = 1500;
    expected.humidity = 55;
    expected.fajrAngle = -15;
    expected.ishaAngle = -12;
    QVERIFY(s.dialog->Values() == expected);
    AppSettings copied;
    copied.latitude = 33;
    CopyPreferences(s.dialog->Values(), copied);
    QCOMPARE(copied.latitude, 33.0);
    QCOMPARE(copied.pressure, 950.5);
}

void OptionsDialogTest::pressureOutOfRangeIsRefusedOnOk() {
    Shown s;
    Retype(s.Field(1284), QStringLiteral("1300"));
    s.Click(1);
    QCOMPARE(s.sink.messages.size(), 1);
    QCOMPARE(s.sink.LastText(), QStringLiteral("Immettere un numero compreso tra 20 e 1200."));
    QVERIFY(s.dialog->isVisible());
    QCOMPARE(s.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(QApplication::focusWidget(), s.Field(1284));
    QCOMPARE(s.Field(1284)->selectedText(), QStringLiteral("1300"));
}

void OptionsDialogTest::fieldMessages_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("pressure 19.9") << 1284 << "19.9"
                                   << "Immettere un numero compreso tra 20 e 1200.";
    // Air as cold or as hot as ever measured, not beyond: -273 C divided the
    // refraction formula by zero and 200 C gave a negative refraction.
    QTest::newRow("temperature -91") << 1285 << "-91"
                                     << "Immettere un numero compreso tra -90 e 60.";
    QTest::newRow("temperature 60.5") << 1285 << "60.5"
                                      << "Immettere un numero compreso tra -90 e 60.";
    QTest::newRow("temperature empty") << 1285 << ""
                                       << "Immettere un numero.";
    QTest::newRow("height 10001") << 1287 << "10001"
                                  << "Immettere un numero compreso tra 0 e 10000.";
    QTest::newRow("humidity 100.5") << 1288 << "100.5"
                                    << "Immettere un numero compreso tra 0 e 100.";
    QTest::newRow("humidity letters") << 1288 << "x1"
                                      << "Immettere un numero.";
    QTest::newRow("Isha interval 301") << 1312 << "301"
                                       << "Immettere un numero compreso tra 0 e 300.";
    QTest::newRow("Maghrib angle above the horizon")
        << 1313 << "1" << "Immettere un numero compreso tra -30 e 0.";
}

void OptionsDialogTest::fieldMessages() {
    QFETCH(int, id);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    AppSettings settings;
    settings.refractionModel = kRefractionIntegration;
    Shown s(settings);
    Retype(s.Field(id), typed);
    s.Click(1);
    QCOMPARE(s.sink.LastText(), message);
    QVERIFY(s.dialog->isVisible());
    QCOMPARE(QApplication::focusWidget(), s.Field(id));
}

void OptionsDialogTest::angleOutsideTheListGivesMinusTen() {
    AppSettings settings;
    settings.fajrAngle = -18.3;
    settings.ishaAngle = -25;
    Shown s(settings);
    QCOMPARE(s.Get<QComboBox>(1057)->currentIndex(), -1);
    QCOMPARE(s.Get<QComboBox>(1058)->currentIndex(), -1);
    s.Click(1);
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(s.dialog->Values().fajrAngle, -10.0);
    QCOMPARE(s.dialog->Values().ishaAngle, -10.0);
}

void OptionsDialogTest::methodSettingsRoundTrip_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("ramadan");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QList<int>>("adjustments");
    QTest::addColumn<double>("fajr");
    QTest::newRow("documented") << 0 << false << 0 << QList<int>{0, 0, 0, 0, 0, 0} << -19.0;
    QTest::newRow("Umm al-Qura in Ramadan")
        << int(PrayerMethod::kUmmAlQura) << true << 1 << QList<int>{2, -1, 0, 3, 0, -120} << -19.0;
    QTest::newRow("custom, a method's angle")
        << int(PrayerMethod::kCustom) << false << 3 << QList<int>{120, 0, 0, 0, 7, 0} << -17.7;
    QTest::newRow("Turkey, seventh")
        << int(PrayerMethod::kTurkey) << false << 2 << QList<int>{0, 0, 1, 0, 0, 0} << -18.5;
}

// The stored choices show in the controls, and OK gives them back unchanged.
void OptionsDialogTest::methodSettingsRoundTrip() {
    QFETCH(int, method);
    QFETCH(bool, ramadan);
    QFETCH(int, rule);
    QFETCH(QList<int>, adjustments);
    QFETCH(double, fajr);
    AppSettings settings;
    settings.prayerMethod = static_cast<PrayerMethod>(method);
    settings.ramadan = ramadan;
    settings.highLatitudeRule = static_cast<HighLatitudeRule>(rule);
    settings.prayerAdjustments = {adjustments[0], adjustments[1], adjustments[2],
                                  adjustments[3], adjustments[4], adjustments[5]};
    settings.fajrAngle = fajr;
    Shown s(settings);
    QCOMPARE(s.Get<QComboBox>(1300)->currentIndex(), method);
    QCOMPARE(s.Get<QCheckBox>(1301)->isChecked(), ramadan);
    QCOMPARE(s.Get<QComboBox>(1302)->currentIndex(), rule);
    for (int i = 0; i < 6; ++i) QCOMPARE(s.Get<QSpinBox>(1304 + i)->value(), adjustments[i]);
    // A method with angles of its own shows them; the stored one comes back
    // with OK all the same.
    const auto chosen = static_cast<PrayerMethod>(method);
    const bool ownAngles = chosen == PrayerMethod::kTarvel || chosen == PrayerMethod::kCustom;
    QCOMPARE(s.Get<QComboBox>(1057)->currentText(),
             QString::number(ownAngles ? fajr : MethodParameters(chosen).fajrAngle));
    s.Click(1);
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
    QVERIFY(s.dialog->Values() == settings);

    // Chosen through the controls from the defaults, the same values.
    // The angle is chosen while the lists are the observer's, then the method.
    Shown t;
    t.Get<QComboBox>(1057)->setCurrentText(QString::number(fajr));
    t.Get<QComboBox>(1300)->setCurrentIndex(method);
    if (ramadan) t.Click(1301);
    t.Get<QComboBox>(1302)->setCurrentIndex(rule);
    for (int i = 0; i < 6; ++i) {
        auto* box = t.Get<QSpinBox>(1304 + i);
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::number(adjustments[i]));
    }
    t.Click(1);
    QCOMPARE(t.dialog->result(), int(QDialog::Accepted));
    QVERIFY(t.dialog->Values() == settings);
}

void OptionsDialogTest::furtherChoicesRoundTrip_data() {
    QTest::addColumn<int>("polar");
    QTest::addColumn<int>("shafaq");
    QTest::addColumn<QString>("isha");
    QTest::addColumn<QString>("maghrib");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<int>("calendar");
    QTest::addColumn<double>("ishaMinutes");
    QTest::addColumn<double>("maghribAngle");
    QTest::newRow("defaults") << 0 << 0 << "" << "" << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("nearest latitude, red, 90 min, up, tabular")
        << 1 << 1 << "90" << "" << 2 << 1 << 90.0 << 0.0;
    QTest::newRow("nearest day, white, Maghrib -4.5, nearest")
        << 2 << 2 << "" << "-4.5" << 1 << 0 << 0.0 << -4.5;
    // The store keeps whole minutes and tenths of a degree.
    QTest::newRow("rounded to what is stored")
        << 0 << 0 << "75.4" << "-4.46" << 0 << 0 << 75.0 << -4.5;
}

// The polar rule, shafaq, Isha interval, Maghrib angle, rounding and Hijri
// calendar chosen through the controls come back with OK and show again when
// the dialog opens with them.
void OptionsDialogTest::furtherChoicesRoundTrip() {
    QFETCH(int, polar);
    QFETCH(int, shafaq);
    QFETCH(QString, isha);
    QFETCH(QString, maghrib);
    QFETCH(int, rounding);
    QFETCH(int, calendar);
    QFETCH(double, ishaMinutes);
    QFETCH(double, maghribAngle);
    Shown s;
    s.Get<QComboBox>(1300)->setCurrentIndex(int(PrayerMethod::kMoonsighting));
    s.Get<QComboBox>(1310)->setCurrentIndex(polar);
    s.Get<QComboBox>(1311)->setCurrentIndex(shafaq);
    Retype(s.Field(1312), isha);
    Retype(s.Field(1313), maghrib);
    s.Get<QComboBox>(1314)->setCurrentIndex(rounding);
    s.Get<QComboBox>(1315)->setCurrentIndex(calendar);
    s.Click(1);
    QCOMPARE(s.sink.messages.size(), 0);
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
    AppSettings expected;
    expected.prayerMethod = PrayerMethod::kMoonsighting;
    expected.polarRule = static_cast<PolarRule>(polar);
    expected.shafaq = static_cast<Shafaq>(shafaq);
    expected.ishaIntervalMinutes = ishaMinutes;
    expected.maghribAngle = maghribAngle;
    expected.rounding = static_cast<PrayerRounding>(rounding);
    expected.hijriCalendar = calendar;
    QVERIFY(s.dialog->Values() == expected);

    Shown t(expected);
    QCOMPARE(t.Get<QComboBox>(1310)->currentIndex(), polar);
    QCOMPARE(t.Get<QComboBox>(1311)->currentIndex(), shafaq);
    QCOMPARE(t.Field(1312)->text(), ishaMinutes == 0 ? QString() : QString::number(ishaMinutes));
    QCOMPARE(t.Field(1313)->text(),
             maghribAngle == 0 ? QString() : QString::number(maghribAngle));
    QCOMPARE(t.Get<QComboBox>(1314)->currentIndex(), rounding);
    QCOMPARE(t.Get<QComboBox>(1315)->currentIndex(), calendar);
}

void OptionsDialogTest::methodEnablesItsControls_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("angles");
    QTest::addColumn<bool>("ramadan");
    QTest::addColumn<bool>("shafaq");
    QTest::newRow("own") << int(PrayerMethod::kTarvel) << true << false << false;
    QTest::newRow("custom") << int(PrayerMethod::kCustom) << true << false << false;
    QTest::newRow("Umm al-Qura") << int(PrayerMethod::kUmmAlQura) << false << true << false;
    QTest::newRow("Egypt") << int(PrayerMethod::kEgypt) << false << false << false;
    QTest::newRow("Moonsighting Committee")
        << int(PrayerMethod::kMoonsighting) << false << false << true;
}

// A method with angles of its own leaves the angle lists out of use; the
// Ramadan box is Umm al-Qura's.
void OptionsDialogTest::methodEnablesItsControls() {
    QFETCH(int, method);
    QFETCH(bool, angles);
    QFETCH(bool, ramadan);
    QFETCH(bool, shafaq);
    Shown s;
    s.Get<QComboBox>(1300)->setCurrentIndex(method);
    QCOMPARE(s.Get<QComboBox>(1057)->isEnabled(), angles);
    QCOMPARE(s.Get<QComboBox>(1058)->isEnabled(), angles);
    QCOMPARE(s.Get<QCheckBox>(1301)->isEnabled(), ramadan);
    QCOMPARE(s.Get<QComboBox>(1311)->isEnabled(), shafaq);
}

void OptionsDialogTest::greyedListsShowTheMethodsAngles_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("ramadan");
    QTest::addColumn<QString>("fajr");
    QTest::addColumn<QString>("isha");
    QTest::newRow("MWL") << int(PrayerMethod::kMuslimWorldLeague) << false << "-18" << "-17";
    QTest::newRow("Egypt") << int(PrayerMethod::kEgypt) << false << "-19.5" << "-17.5";
    QTest::newRow("Singapore") << int(PrayerMethod::kSingapore) << false << "-20" << "-18";
    QTest::newRow("Umm al-Qura: Isha by interval")
        << int(PrayerMethod::kUmmAlQura) << false << "-18.5" << "90 min dopo Maghrib";
    QTest::newRow("Umm al-Qura in Ramadan")
        << int(PrayerMethod::kUmmAlQura) << true << "-18.5" << "120 min dopo Maghrib";
    QTest::newRow("custom: the observer's") << int(PrayerMethod::kCustom) << false << "-15"
                                            << "-14";
}

// The greyed lists show the chosen method's angles (an Isha interval in
// minutes); back on the own method they show the observer's again, and OK
// keeps the observer's whatever the method.
void OptionsDialogTest::greyedListsShowTheMethodsAngles() {
    QFETCH(int, method);
    QFETCH(bool, ramadan);
    QFETCH(QString, fajr);
    QFETCH(QString, isha);
    AppSettings settings;
    settings.fajrAngle = -15;
    settings.ishaAngle = -14;
    Shown s(settings);
    auto* fajrList = s.Get<QComboBox>(1057);
    auto* ishaList = s.Get<QComboBox>(1058);
    const auto shown = [](const QComboBox* list) {
        return list->currentIndex() < 0 ? list->placeholderText() : list->currentText();
    };
    s.Get<QComboBox>(1300)->setCurrentIndex(method);
    if (ramadan) s.Click(1301);
    QCOMPARE(shown(fajrList), fajr);
    QCOMPARE(shown(ishaList), isha);
    s.Get<QComboBox>(1300)->setCurrentIndex(int(PrayerMethod::kTarvel));
    QCOMPARE(shown(fajrList), QStringLiteral("-15"));
    QCOMPARE(shown(ishaList), QStringLiteral("-14"));
    s.Get<QComboBox>(1300)->setCurrentIndex(method);
    s.Click(1);
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(s.dialog->Values().fajrAngle, -15.0);
    QCOMPARE(s.dialog->Values().ishaAngle, -14.0);
}

void OptionsDialogTest::cancelKeepsTheCallersSettings() {
    AppSettings settings;
    settings.refractionModel = kRefractionIntegration;
    settings.pressure = 900;
    settings.fajrAngle = -15;
    const AppSettings original = settings;
    RecordingSink sink;
    WhenModal<COptionsDialog>([](COptionsDialog* dialog) {
        qobject_cast<QAbstractButton*>(dialog->Control(3))->click();
        qobject_cast<QAbstractButton*>(dialog->Control(2))->click();
    });
    QVERIFY(!EditPreferences(nullptr, settings, &sink));
    QVERIFY(settings == original);
    // Escape cancels as well.
    WhenModal<COptionsDialog>([](COptionsDialog* dialog) {
        qobject_cast<QAbstractButton*>(dialog->Control(3))->click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(!EditPreferences(nullptr, settings, &sink));
    QVERIFY(settings == original);
}

void OptionsDialogTest::enterIsOk() {
    AppSettings settings;
    RecordingSink sink;
    WhenModal<COptionsDialog>([](COptionsDialog* dialog) {
        auto* pressure = qobject_cast<QLineEdit*>(dialog->Control(1284));
        Retype(pressure, QStringLiteral("999"));
        QTest::keyClick(pressure, Qt::Key_Return);
    });
    QVERIFY(EditPreferences(nullptr, settings, &sink));
    QCOMPARE(settings.pressure, 999.0);
}

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
