// A table run: validation, the row instants, one solar computation per row
// (on every core), and the text for one target.
//
// Rows are independent: each is one CalcSolarParameters call with automatic ΔT
// (deltaTGiven false, so ΔT follows each row's date); the rows of one date
// computed on one thread share the Sun's evaluations of their searches. They are computed on
// several threads, each result stored at its row's index, and the text is
// written afterwards in row order, so the output does not depend on the number
// of threads.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "astro/solar_computation_series.h"
#include "civil/zone_rules.h"
#include "table/table_layout.h"
#include "table/table_locale.h"
#include "table/table_options.h"
#include "table/table_parameters.h"
#include "table/table_texts.h"

namespace tarvel {

enum class TableRunStatus {
    Ok,
    InvalidParameters,  // a validation failure; message and field say which
    FractionalStep,     // a fractional step with a unit other than Seconds
    Cancelled,          // the stop token was triggered before the last row
};

struct TableRunControl {
    // Threads computing rows: 0 takes std::thread::hardware_concurrency(); never
    // more than there are rows. The calling thread is one of them.
    unsigned threadCount = 0;
    // Called on the calling thread between its rows, and once at the end of a
    // complete computation, with the number of rows done so far and the number
    // of rows; rowsDone never decreases.
    std::function<void(int rowsDone, int rowCount)> progress;
    // Checked before each row on every thread; once stop is requested no new
    // row starts and the run ends with Cancelled.
    std::stop_token stopToken;
    // The computation of one row; CalcSolarParameters when empty. Called from
    // several threads at once. An exception derived from std::exception fails
    // that row only (its text becomes the row's error); any other exception
    // ends the run and is rethrown to the caller.
    std::function<SolarResult(const SolarRequest&)> compute;
    // Without `compute`: where the rows' searches take the series from (the
    // full series by default, the value of every golden text; the Chebyshev
    // spans for long tables, within 1e-5 s in their event times). Either
    // way the rows of one date share the Sun's evaluations of their searches
    // (DayEvaluations), which leaves every value as it is.
    SunSeriesSource searchSeries = SunSeriesSource::kFull;
    // Also compute each row's day times (CalcDayTimes over the row's result,
    // TableRow::days). RunTable sets it when the table needs them
    // (TableNeedsDayTimes).
    bool dayTimes = false;
};

// Whether a table needs the day times of its rows: a day times' column is
// chosen, or the prayer settings are not the documented ones (the prayer
// columns then show the chosen method's prayers).
bool TableNeedsDayTimes(const TableParameters& parameters, const TableColumnSet& options);

// The instants of all rows: the start instant, then AdvanceRowInstant from each
// row to the next. pointCount rows (none when it is not positive).
std::vector<ClockInstant> TableRowInstants(const TableParameters& parameters);

// The same instants one at a time, for a table too long to hold them all:
// the first call of Next gives the start instant, each further call the next
// row's. Under zone rules, steps of real time are counted from the start's
// instant (fractional steps do not drift) and steps of the calendar step the
// clock reading, resolved row by row.
class TableRowInstantSequence {
  public:
    explicit TableRowInstantSequence(const TableParameters& parameters);
    ClockInstant Next();

  private:
    TableParameters parameters_;
    ClockInstant reading_;   // the next reading stepped on the calendar
    ResolvedReading start_;  // under zone rules: the start resolved
    double fraction_ = 0;    // the start's fraction of a second
    double step_ = 0;        // one step of real time in seconds
    int index_ = 0;          // rows given so far
};

// The threads that compute a table's rows and the Sun's evaluations each
// keeps for its last date; kept from one batch of rows to the next, so that a
// table computed in batches shares each date's evaluations as one computed at
// once does.
class TableRowThreads {
  public:
    // 0 threads: std::thread::hardware_concurrency().
    explicit TableRowThreads(unsigned threadCount);
    ~TableRowThreads();
    TableRowThreads(const TableRowThreads&) = delete;
    TableRowThreads& operator=(const TableRowThreads&) = delete;

    unsigned Count() const { return count_; }
    DayEvaluations& Day(unsigned thread) { return days_[thread]; }

  private:
    unsigned count_;
    std::unique_ptr<DayEvaluations[]> days_;
};

// Computes every row of rows from its instant (result, day times when
// control.dayTimes, events on their clocks under zone rules) on the threads,
// the calling thread one of them, never more threads than rows. finish, when
// set, is called on the thread that computed a row, right after it (to
// format it there); callerProgress on the calling thread after each of its
// rows, with the rows done so far. Returns the rows done: fewer than there are
// when control.stopToken stopped the run. An exception from finish, or one not
// derived from std::exception from the computation, ends the run and is
// rethrown here.
int ComputeRowsOnThreads(const TableParameters& parameters, const TableRunControl& control,
                         std::vector<TableRow>& rows, TableRowThreads& threads,
                         const std::function<void(std::size_t, TableRow&)>& finish = {},
                         const std::function<void(int rowsDone)>& callerProgress = {});

// The request of one row: the row instant, the zone (zoneMinutes = zoneHours *
// 60), site, summer time, refraction and prayer settings of the parameters, and
// deltaTGiven false.
SolarRequest TableRowRequest(const TableParameters& parameters, const ClockInstant& instant);

struct TableComputation {
    TableRunStatus status = TableRunStatus::Ok;
    TableField field = TableField::None;  // the invalid field (InvalidParameters)
    // InvalidParameters: the validation message; FractionalStep: string 147 (to
    // show when the step field loses the focus; a run itself stays silent).
    std::string message;
    std::vector<TableRow> rows;  // all rows when Ok, none otherwise
};

// The outcome of a table's checks: InvalidParameters with the failed
// validation's field and message, FractionalStep (field StepValue, string 147)
// for a fractional step with a unit other than Seconds, otherwise Ok.
TableRunStatus TableRefusal(const TableValidation& validation, const TableParameters& parameters,
                            const TableTexts& texts, TableField& field, std::string& message);

// Validates the parameters, refuses a fractional step with a unit other than
// Seconds, and computes every row.
TableComputation ComputeTableRows(const TableParameters& parameters,
                                  const TableRunControl& control = TableRunControl(),
                                  const TableTexts& texts = TableTexts());

// The rows of the last computation, kept with the parameters they were
// computed for, so that the texts of several targets (the window's, then the
// clipboard's or the file's) come from one computation. Rows depend on the
// parameters alone: the options, locale and texts only shape the text written
// from them. Safe to use from several threads.
class TableRowStore {
  public:
    // The computation for the parameters: the kept one when it was made for
    // equal parameters (control.progress then hears once of every row done),
    // otherwise ComputeTableRows(parameters, control, texts). A new
    // computation is kept when it ended Ok with every row computed; any other
    // outcome leaves nothing kept. control.compute must be the same function
    // for every call on one store (Clear when it changes).
    std::shared_ptr<const TableComputation> Rows(const TableParameters& parameters,
                                                 const TableRunControl& control = TableRunControl(),
                                                 const TableTexts& texts = TableTexts());

    // Forgets the kept rows.
    void Clear();

  private:
    std::mutex mutex_;
    TableParameters parameters_;
    bool keptDayTimes_ = false;
    std::shared_ptr<const TableComputation> kept_;
};

struct TableRunResult {
    TableRunStatus status = TableRunStatus::Ok;
    TableField field = TableField::None;
    std::string message;
    // The table text when Ok; empty otherwise (a window shows it empty after
    // FractionalStep and keeps its previous text after InvalidParameters).
    std::string text;
    // Rows that failed, to report in message boxes captioned
    // TableErrorCaption(target); their lines hold no cells.
    std::vector<TableRowError> rowErrors;
};

// ComputeTableRows (with the day times when TableNeedsDayTimes), then the
// text for target.
TableRunResult RunTable(const TableParameters& parameters, const TableColumnSet& options,
                        TableTarget target, const TableLocale& locale = TableLocale(),
                        const TableTexts& texts = TableTexts(),
                        const TableRunControl& control = TableRunControl());

// The same with the rows from store.Rows: no computation when the store keeps
// rows for equal parameters. The text is the one RunTable writes.
TableRunResult RunTable(TableRowStore& store, const TableParameters& parameters,
                        const TableColumnSet& options, TableTarget target,
                        const TableLocale& locale = TableLocale(),
                        const TableTexts& texts = TableTexts(),
                        const TableRunControl& control = TableRunControl());

// The result of a computation and the text for target written from its rows.
TableRunResult TableRunText(const TableComputation& computation, const TableParameters& parameters,
                            const TableColumnSet& options, TableTarget target,
                            const TableLocale& locale = TableLocale(),
                            const TableTexts& texts = TableTexts());

}  // namespace tarvel
