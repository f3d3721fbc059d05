// The dialog that chooses the table's optional columns and its angle and hour
// formats.
#pragma once

#include <QDialog>
#include <QHash>
#include <QVector>
#include <memory>

#include "table/table_options.h"

class QAbstractButton;
class QCheckBox;
class QRadioButton;

namespace tarvel {

class FormCanvas;
class FormGeometry;

class CTableOptions : public QDialog {
    Q_OBJECT
  public:
    // The dialog works on its own copy of options (a TableOptions alone comes
    // without day times' columns).
    explicit CTableOptions(const TableColumnSet& options, QWidget* parent = nullptr);
    ~CTableOptions() override;

    // The dialog's copy; after OK it holds the 35 values and the day times'
    // columns read from the controls.
    const TableColumnSet& Options() const { return options_; }

    // The control with number id (check boxes, radio buttons, buttons, hidden
    // group boxes).
    QWidget* Control(int id) const;
    // The check box of column flag index 0 ... 32 (field order).
    QCheckBox* FlagBox(int index) const { return flagBoxes_.value(index, nullptr); }
    // The check box of the day times' column flag index 0 ... 5 (field order
    // of TableDayTimeColumns).
    QCheckBox* DayTimeBox(int index) const { return dayTimeBoxes_.value(index, nullptr); }

    // The dialog's size in pixels: 540 x 310 dialog units, grown where the
    // interface language's texts need more room.
    QSize DesignedClientSize() const;
    // The dialog's geometry.
    const FormGeometry& Geometry() const { return *geometry_; }

    // "Seleziona tutto" and "Deseleziona tutto": the 33 column flags of the
    // copy set to true or false, then every control refreshed from the copy.
    // The day times' boxes are no part of "all": the first leaves them as
    // they are shown, the second clears them too.
    void OnSelectAll();
    void OnDeselectAll();
    // "OK": the controls read back into the copy; the dialog ends with OK.
    void OnOk();

  private:
    void BuildForm();
    // Every check box and radio pair from the copy.
    void ShowOptions();
    // The day times' boxes into the copy.
    void ReadDayTimeBoxes();

    TableColumnSet options_;
    FormCanvas* canvas_ = nullptr;
    std::unique_ptr<FormGeometry> geometry_;
    QVector<QCheckBox*> flagBoxes_;
    QVector<QCheckBox*> dayTimeBoxes_;
    QRadioButton* sexagesimalAngles_ = nullptr;
    QRadioButton* decimalAngles_ = nullptr;
    QRadioButton* sexagesimalHours_ = nullptr;
    QRadioButton* decimalHours_ = nullptr;
};

// Runs the dialog modally on a copy of options and, when it ends with OK,
// copies all 35 values and the day times' columns back; otherwise options is
// unchanged. True after OK.
bool OpenTableOptions(QWidget* parent, TableColumnSet& options);
// The same for the 35 values alone (the day times' columns chosen are
// dropped).
bool OpenTableOptions(QWidget* parent, TableOptions& options);

}  // namespace tarvel
