// The preferences dialog: the refraction model and the atmosphere it uses, and
// the Sun altitudes of the Fajr and Isha prayers; below them the prayer times'
// method, the Ramadan choice, the high-latitude rule, the minute
// adjustments, the polar rule, the shafaq, the Isha interval, the Maghrib
// angle, the rounding and the Hijri date's calendar.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/app_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarvel {

class FormCanvas;
class FormGeometry;
class MessageSink;

class COptionsDialog : public QDialog {
    Q_OBJECT
  public:
    // Fills the dialog from the preference values of settings (the site
    // is not part of it). sink: where message boxes go (nullptr: modal boxes).
    explicit COptionsDialog(const AppSettings& settings, MessageSink* sink = nullptr,
                            QWidget* parent = nullptr);
    ~COptionsDialog() override;

    // The dialog's values; after OK they are the ones to copy back.
    const AppSettings& Values() const { return values_; }

    QWidget* Control(int id) const;

    // Form pass: the radio group, then pressure (20 ... 1200), temperature
    // (-273 ... 200), refraction height (0 ... 10000), humidity (0 ... 100),
    // the Isha interval (0 ... 300 min) and the Maghrib angle (-30 ... 0),
    // stopping at the first failure; those two may be empty.
    bool FormPass();
    // Reverse pass: the values into the radio buttons and edits.
    void ReversePass();

    void OnModelClicked();
    void OnStandardConditions();
    void OnDefaults();
    void OnOk();
    // The angle lists for the own and the custom method, the Ramadan box for
    // Umm al-Qura only, the shafaq for the Moonsighting Committee only: the
    // other methods have their own angles, which the greyed lists show (the
    // observer's are kept for the way back).
    void EnableMethodFields();

  private:
    void BuildForm();
    void EnableIntegrationFields();
    void SelectAngle(QComboBox* combo, double angle);
    // The method's choices into their controls and back.
    void ShowMethodSettings();
    void ReadMethodSettings();
    static double AngleOf(const QComboBox* combo);

    AppSettings values_;
    MessageSink* sink_;

    FormCanvas* canvas_ = nullptr;
    std::unique_ptr<FormGeometry> geometry_;
    // The angle lists show the observer's own angles (not a method's).
    bool listsShowOwnAngles_ = true;

    QRadioButton* bennettRadio_ = nullptr;
    QRadioButton* integrationRadio_ = nullptr;
    QLineEdit* pressureField_ = nullptr;
    QLineEdit* temperatureField_ = nullptr;
    QPushButton* standardButton_ = nullptr;
    QLineEdit* heightField_ = nullptr;
    QLineEdit* humidityField_ = nullptr;
    QComboBox* fajrList_ = nullptr;
    QComboBox* ishaList_ = nullptr;
    QComboBox* methodList_ = nullptr;
    QCheckBox* ramadanBox_ = nullptr;
    QComboBox* ruleList_ = nullptr;
    std::array<QSpinBox*, 6> adjustmentBoxes_{};
    QComboBox* polarList_ = nullptr;
    QComboBox* shafaqList_ = nullptr;
    QLineEdit* ishaIntervalField_ = nullptr;
    QLineEdit* maghribAngleField_ = nullptr;
    QComboBox* roundingList_ = nullptr;
    QComboBox* calendarList_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Runs the preferences dialog modally on settings; when it is closed with OK
// copies its values into settings and returns true.
bool EditPreferences(QWidget* parent, AppSettings& settings, MessageSink* sink = nullptr);

}  // namespace tarvel
