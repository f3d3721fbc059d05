#include "table/table_run.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>

#include "civil/zone_request.h"
#include "civil/zone_rules.h"

namespace tarvel {

namespace {

// Computes rows[index] for index taken in turn from `next`, until every row is
// done, a stop is requested or another thread failed without a text.
struct RowWork {
    RowWork(const TableParameters& p, const TableRunControl& c, std::vector<TableRow>& r,
            const std::function<void(std::size_t, TableRow&)>& f)
        : parameters(p), control(c), rows(r), finish(f) {}

    const TableParameters& parameters;
    const TableRunControl& control;
    std::vector<TableRow>& rows;
    const std::function<void(std::size_t, TableRow&)>& finish;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> abandoned{false};
    std::mutex failureMutex;
    std::exception_ptr failure;

    // Computes one row; false when no row was left to take. `day` holds the
    // Sun's evaluations of this thread's last date, shared by its rows.
    bool ComputeOne(DayEvaluations& day) {
        if (abandoned.load(std::memory_order_relaxed) || control.stopToken.stop_requested()) {
            return false;
        }
        const int index = next.fetch_add(1, std::memory_order_relaxed);
        if (index >= static_cast<int>(rows.size())) {
            return false;
        }
        TableRow& row = rows[static_cast<std::size_t>(index)];
        const SolarRequest request = TableRowRequest(parameters, row.instant);
        try {
            row.result = control.compute ? control.compute(request)
                                         : CalcSolarParameters(request, control.searchSeries, day);
            row.days.reset();
            if (control.dayTimes) {
                row.days = CalcDayTimes(request, row.result);
            }
            if (parameters.zoneRules) {
                // Each event on the clock in force at its instant.
                ReadEventsOnClocks(request, parameters.zoneRules.get(), row.result,
                                   row.days ? &*row.days : nullptr);
            }
            row.computed = true;
            row.error.clear();
        } catch (const std::exception& e) {
            row.computed = false;
            row.error = e.what();
            if (row.error.empty()) {
                row.error = "std::exception";
            }
        } catch (...) {
            Abandon();
            return false;
        }
        if (finish) {
            try {
                finish(static_cast<std::size_t>(index), row);
            } catch (...) {
                Abandon();
                return false;
            }
        }
        done.fetch_add(1, std::memory_order_release);
        return true;
    }

    // Keeps the exception in flight as the run's failure and stops every thread.
    void Abandon() {
        const std::lock_guard<std::mutex> lock(failureMutex);
        if (!failure) {
            failure = std::current_exception();
        }
        abandoned.store(true);
    }
};

}  // namespace

int ComputeRowsOnThreads(const TableParameters& parameters, const TableRunControl& control,
                         std::vector<TableRow>& rows, TableRowThreads& threads,
                         const std::function<void(std::size_t, TableRow&)>& finish,
                         const std::function<void(int rowsDone)>& callerProgress) {
    const unsigned count = std::clamp(
        threads.Count(), 1u, static_cast<unsigned>(std::max(static_cast<int>(rows.size()), 1)));
    RowWork work(parameters, control, rows, finish);
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(count - 1);
        for (unsigned i = 1; i < count; ++i) {
            DayEvaluations& day = threads.Day(i);
            helpers.emplace_back([&work, &day] {
                while (work.ComputeOne(day)) {
                }
            });
        }
        DayEvaluations& day = threads.Day(0);
        while (work.ComputeOne(day)) {
            if (callerProgress) callerProgress(work.done.load(std::memory_order_acquire));
        }
    }  // joins the helpers
    if (work.failure) {
        std::rethrow_exception(work.failure);
    }
    return work.done.load();
}

TableRowThreads::TableRowThreads(unsigned threadCount)
    : count_(std::max(1u, threadCount != 0 ? threadCount : std::thread::hardware_concurrency())),
      days_(new DayEvaluations[count_]) {}

TableRowThreads::~TableRowThreads() = default;

namespace {

bool FollowsRealTime(TableStepUnit unit) {
    return unit == TableStepUnit::Hours || unit == TableStepUnit::Minutes ||
           unit == TableStepUnit::Seconds;
}

double StepSeconds(double stepValue, TableStepUnit unit) {
    switch (unit) {
        case TableStepUnit::Hours:
            return stepValue * 3600.0;
        case TableStepUnit::Minutes:
            return stepValue * 60.0;
        default:
            return stepValue;
    }
}

// A row on the clock of zone rules: the reading of the resolved instant, with
// the state in force then.
ClockInstant ZonedRow(const ResolvedReading& resolved) {
    ClockInstant row = resolved.reading;
    row.zoneOffsetSeconds = resolved.state.offsetSeconds;
    row.zoneStandardSeconds = resolved.state.standardSeconds;
    row.zoneSummerTime = resolved.state.summerTime;
    row.shiftedFromGap = resolved.kind == ClockReadingKind::Skipped;
    return row;
}

}  // namespace

TableRowInstantSequence::TableRowInstantSequence(const TableParameters& parameters)
    : parameters_(parameters), reading_(StartInstant(parameters)) {
    if (parameters.zoneRules) {
        // Under zone rules: steps of real time from the start's instant, or
        // steps of the clock reading resolved one by one.
        start_ = parameters.zoneRules->Resolve(reading_);
        fraction_ = start_.reading.second - std::floor(start_.reading.second);
        step_ = StepSeconds(parameters.stepValue, parameters.stepUnit);
    }
}

ClockInstant TableRowInstantSequence::Next() {
    const TableParameters& p = parameters_;
    const int index = index_++;
    if (!p.zoneRules) {
        const ClockInstant instant = reading_;
        AdvanceRowInstant(reading_, p.stepValue, p.stepUnit);
        return instant;
    }
    const ZoneRules& rules = *p.zoneRules;
    if (index == 0) {
        if (!FollowsRealTime(p.stepUnit)) AdvanceRowInstant(reading_, p.stepValue, p.stepUnit);
        return ZonedRow(start_);
    }
    if (!FollowsRealTime(p.stepUnit)) {
        const ClockInstant instant = ZonedRow(rules.Resolve(reading_));
        AdvanceRowInstant(reading_, p.stepValue, p.stepUnit);
        return instant;
    }
    // From the start each time, so that fractional steps do not drift.
    const double elapsed = fraction_ + step_ * index;
    const double whole = std::floor(elapsed);
    const std::int64_t instant = start_.utcSeconds + static_cast<std::int64_t>(whole);
    ResolvedReading resolved;
    resolved.utcSeconds = instant;
    resolved.reading = rules.ReadingAt(instant, elapsed - whole);
    resolved.state = rules.StateAt(instant);
    return ZonedRow(resolved);
}

std::vector<ClockInstant> TableRowInstants(const TableParameters& p) {
    std::vector<ClockInstant> instants;
    if (p.pointCount <= 0) {
        return instants;
    }
    instants.reserve(static_cast<std::size_t>(p.pointCount));
    TableRowInstantSequence sequence(p);
    for (int i = 0; i < p.pointCount; ++i) {
        instants.push_back(sequence.Next());
    }
    return instants;
}

SolarRequest TableRowRequest(const TableParameters& p, const ClockInstant& t) {
    SolarRequest request;
    request.SetClockReading(t);
    request.SetZone(p.zoneHours);
    static_cast<ObserverSettings&>(request) = p;
    request.summerTime = p.summerTime;
    if (p.zoneRules) {
        ZoneState state;
        state.offsetSeconds = t.zoneOffsetSeconds;
        state.standardSeconds = t.zoneStandardSeconds;
        state.summerTime = t.zoneSummerTime;
        SetRequestZone(request, state);
    }
    request.deltaT = 0;
    request.deltaTGiven = false;
    return request;
}

TableRunStatus TableRefusal(const TableValidation& validation, const TableParameters& parameters,
                            const TableTexts& texts, TableField& field, std::string& message) {
    if (!validation.ok()) {
        field = validation.field;
        message = validation.message;
        return TableRunStatus::InvalidParameters;
    }
    if (IsFractionalStepRefused(parameters.stepValue, parameters.stepUnit)) {
        field = TableField::StepValue;
        message = texts.Get(table_string::kFractionalStep);
        return TableRunStatus::FractionalStep;
    }
    return TableRunStatus::Ok;
}

TableComputation ComputeTableRows(const TableParameters& parameters, const TableRunControl& control,
                                  const TableTexts& texts) {
    TableComputation computation;
    computation.status = TableRefusal(ValidateTableParameters(parameters, texts), parameters, texts,
                                      computation.field, computation.message);
    if (computation.status != TableRunStatus::Ok) {
        return computation;
    }

    std::vector<TableRow> rows;
    rows.reserve(static_cast<std::size_t>(parameters.pointCount));
    for (const ClockInstant& instant : TableRowInstants(parameters)) {
        rows.push_back(TableRow{instant, SolarResult{}, false, {}});
    }
    const int rowCount = static_cast<int>(rows.size());

    TableRowThreads threads(control.threadCount);
    int reported = -1;
    const int done =
        ComputeRowsOnThreads(parameters, control, rows, threads, {}, [&](int rowsDone) {
            if (control.progress && rowsDone > reported && rowsDone < rowCount) {
                reported = rowsDone;
                control.progress(rowsDone, rowCount);
            }
        });
    if (done < rowCount) {
        computation.status = TableRunStatus::Cancelled;
        return computation;
    }
    if (control.progress) {
        control.progress(rowCount, rowCount);
    }
    computation.rows = std::move(rows);
    return computation;
}

bool TableNeedsDayTimes(const TableParameters& parameters, const TableColumnSet& options) {
    return AnyDayTimeColumn(options.dayColumns) || !IsDocumentedPrayerSetting(parameters);
}

TableRunResult TableRunText(const TableComputation& computation, const TableParameters& parameters,
                            const TableColumnSet& options, TableTarget target,
                            const TableLocale& locale, const TableTexts& texts) {
    TableRunResult result;
    result.status = computation.status;
    result.field = computation.field;
    result.message = computation.message;
    if (computation.status != TableRunStatus::Ok) {
        return result;
    }
    const TableTextWriter writer(options, target, locale, texts);
    result.text = writer.Text(parameters, computation.rows, &result.rowErrors);
    return result;
}

TableRunResult RunTable(const TableParameters& parameters, const TableColumnSet& options,
                        TableTarget target, const TableLocale& locale, const TableTexts& texts,
                        const TableRunControl& control) {
    TableRunControl withDays = control;
    withDays.dayTimes = control.dayTimes || TableNeedsDayTimes(parameters, options);
    return TableRunText(ComputeTableRows(parameters, withDays, texts), parameters, options, target,
                        locale, texts);
}

TableRunResult RunTable(TableRowStore& store, const TableParameters& parameters,
                        const TableColumnSet& options, TableTarget target,
                        const TableLocale& locale, const TableTexts& texts,
                        const TableRunControl& control) {
    TableRunControl withDays = control;
    withDays.dayTimes = control.dayTimes || TableNeedsDayTimes(parameters, options);
    const std::shared_ptr<const TableComputation> computation =
        store.Rows(parameters, withDays, texts);
    return TableRunText(*computation, parameters, options, target, locale, texts);
}

std::shared_ptr<const TableComputation> TableRowStore::Rows(const TableParameters& parameters,
                                                            const TableRunControl& control,
                                                            const TableTexts& texts) {
    std::shared_ptr<const TableComputation> kept;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        // Rows with the day times serve a table without them, not the reverse.
        if (kept_ && parameters_ == parameters && (keptDayTimes_ || !control.dayTimes)) {
            kept = kept_;
        } else {
            kept_.reset();
        }
    }
    if (kept) {
        if (control.progress) {
            const int rowCount = static_cast<int>(kept->rows.size());
            control.progress(rowCount, rowCount);
        }
        return kept;
    }
    auto computation =
        std::make_shared<const TableComputation>(ComputeTableRows(parameters, control, texts));
    const bool complete = computation->status == TableRunStatus::Ok &&
                          std::all_of(computation->rows.begin(), computation->rows.end(),
                                      [](const TableRow& row) { return row.computed; });
    if (complete) {
        const std::lock_guard<std::mutex> lock(mutex_);
        parameters_ = parameters;
        keptDayTimes_ = control.dayTimes;
        kept_ = computation;
    }
    return computation;
}

void TableRowStore::Clear() {
    const std::lock_guard<std::mutex> lock(mutex_);
    kept_.reset();
}

}  // namespace tarvel
