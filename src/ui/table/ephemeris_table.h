// The ephemeris table window: the start instant, zone and site of the table,
// its step and number of rows; "Calcola" builds the table text with the table
// engine and shows it, and the two exports copy it to the clipboard or save it
// to a file.
//
// The rows are computed away from the user-interface thread: while a run goes
// on the window shows its progress and a button that cancels it, and the
// buttons that would start another run are disabled. A cancelled run leaves
// the table box as it was; a finished one shows exactly the engine's text.
// The rows of the last computation are kept with their parameters: a run for
// the same parameters (the exports after the window's run, or after "Calcola")
// writes its text from them without computing again.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "table/table_layout.h"
#include "table/table_options.h"
#include "table/table_parameters.h"
#include "table/table_run.h"
#include "table/table_texts.h"
#include "ui/form/focus_guard.h"
#include "ui/table/table_runner.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimeEdit;

namespace tarvel {

class FormCanvas;
class FormEdit;
class FormGeometry;
class MessageSink;

// Numbers of the table window's own controls: the step fields and list, the
// buttons, the table box and the step group (the date, time and site controls
// are SiteControl's).
enum class TableControl : int {
    Step = 1048,
    StepUnit = 1049,
    Compute = 1050,
    TableBox = 1051,
    PointCount = 1052,
    StepGroup = 1053,
    Copy = 1054,
    Save = 1055,
    Options = 1063,
};

class CEphemerisTable : public QDialog {
    Q_OBJECT
  public:
    // Asks for the name of the file to save to; an empty name cancels.
    using FileNameChooser = std::function<QString(QWidget* parent)>;

    // inputs: the start instant, zone, summer time, site, refraction and prayer
    // settings of the main window; its step fields are not used (every opening
    // starts from step 1 hour and 50 rows). sink: where message boxes go
    // (nullptr: modal message boxes).
    explicit CEphemerisTable(const TableParameters& inputs, MessageSink* sink = nullptr,
                             QWidget* parent = nullptr);
    ~CEphemerisTable() override;

    // Replaces the save-file dialog (tests).
    void SetFileNameChooser(FileNameChooser chooser);
    // Replaces the computation of one row (tests; empty: CalcSolarParameters)
    // and forgets the rows kept so far.
    void SetRowComputation(std::function<SolarResult(const SolarRequest&)> compute);

    // The parameters as last read from the form, the options of the next run,
    // and the table text (exactly as the engine wrote it, CR LF line ends).
    const TableParameters& Parameters() const { return parameters_; }
    const TableOptions& Options() const { return options_; }
    const TableDayTimeColumns& DayColumns() const { return options_.dayColumns; }
    const std::string& TableText() const { return tableText_; }
    // The string-table texts and form messages of the runs (built-in Italian
    // until replaced, e.g. by the interface language's).
    void SetTexts(const TableTexts& texts) { texts_ = texts; }
    // Replaces the options of the next run, as OK in the options dialog does.
    // The day times' columns stay as they are.
    void SetOptions(const TableOptions& options) { static_cast<TableOptions&>(options_) = options; }
    void SetDayColumns(const TableDayTimeColumns& days) { options_.dayColumns = days; }

    // The control with number id (a TableControl or SiteControl) and the label
    // of a field.
    QWidget* Control(int id) const;
    QLabel* Label(int id) const;
    QProgressBar* ProgressBar() const { return progressBar_; }
    QLabel* RowCountLabel() const { return rowCountLabel_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    // The window's client size as designed: 669 x 352 dialog units, grown
    // where the interface language's texts need more room. The window opens
    // at this size, or smaller on a smaller screen (the form then scrolls);
    // made larger, the table box takes the extra room.
    QSize DesignedClientSize() const;
    // The form's geometry.
    const FormGeometry& Geometry() const { return *geometry_; }

    // True while rows are being computed.
    bool IsRunning() const { return runner_->IsRunning(); }

    // "Calcola": reads the form and builds the table in the box.
    void OnBnClickedCompute();
    // "Copia nella clipboard" and "Salva su file": the window's run, then the
    // text for the clipboard or the file, written from the same rows.
    void CopyTableToClipboard();
    void SaveTableToFile();
    // "Opzioni di output".
    void OnOutputOptions();
    // Stops the run in progress; the box keeps the text it had.
    void CancelRun();

    // Events of the form.
    void OnDateChanged();
    void OnTimeChanged();
    // Under a place's zone rules: the zone list and summer box from their
    // state at the start instant.
    void FollowZoneRules();
    void OnStepKillFocus();
    void OnEnter();

  Q_SIGNALS:
    // A command ("Calcola", a copy or a save) has ended, however it ended.
    void operationFinished();
    // Progress of the run in progress.
    void rowsDone(int done, int count);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    using Continuation = std::function<void(TableRunStatus)>;

    void BuildForm();
    void Initialize(const TableParameters& inputs);

    // Reads the zone, the summer-time box, the unit and the five fields into
    // the parameters and validates them; a failure shows its message and
    // returns the focus to the field.
    bool ReadForm();
    QLineEdit* FieldOf(TableField field) const;
    void ReadPickers(TableParameters& parameters) const;

    // The window's run: after it, then gets Ok, Cancelled, FractionalStep (the
    // box emptied) or InvalidParameters (the form refused it).
    void RunWindow(Continuation then);
    // Computes the table for target on the runner's worker thread, showing
    // the progress; finished gets the result on this thread unless the window
    // was closed meanwhile.
    void StartRun(const TableParameters& parameters, TableTarget target,
                  std::function<void(const TableRunResult&)> finished);
    void OnRunProgress(int done, int count);
    // Stops a run in progress (its result dropped) and shows the form idle.
    void StopWorker();
    void EndRunning();
    // The save-file dialog, the default FileNameChooser.
    static QString FileNameFromDialog(QWidget* parent);
    void ShowRunning(bool running);
    void ReportRowErrors(const TableRunResult& result, TableTarget target);
    // The step message: decimal steps only for seconds.
    void ShowFractionalStepMessage();
    void ShowTableText(const std::string& text);
    void Finish();

    MessageSink* sink_;
    FileNameChooser fileNameChooser_;
    TableParameters parameters_;
    TableColumnSet options_;
    TableTexts texts_;
    std::string tableText_;
    TableRunner* runner_;
    bool waitCursor_ = false;
    // No focus event is handled while a form message is shown, nor while the
    // window closes.
    FocusGuard focusGuard_;

    FormCanvas* canvas_ = nullptr;
    std::unique_ptr<FormGeometry> geometry_;
    // The table box's distance from the form's right and bottom edges.
    QSize tableBoxMargins_;
    QDateEdit* datePicker_ = nullptr;
    QTimeEdit* timePicker_ = nullptr;
    QComboBox* zoneList_ = nullptr;
    QCheckBox* summerBox_ = nullptr;
    FormEdit* latitudeField_ = nullptr;
    FormEdit* longitudeField_ = nullptr;
    FormEdit* heightField_ = nullptr;
    FormEdit* pointCountField_ = nullptr;
    FormEdit* stepField_ = nullptr;
    QComboBox* unitList_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPlainTextEdit* tableBox_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* rowCountLabel_ = nullptr;
    QHash<int, QLabel*> labels_;
};

// Opens the table window modally for the main window's inputs.
void OpenEphemerisTable(QWidget* parent, const TableParameters& inputs,
                        MessageSink* sink = nullptr);

}  // namespace tarvel
