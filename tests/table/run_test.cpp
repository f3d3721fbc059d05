// A run: rows from the solar computation, threads, progress, cancellation and
// errors of single rows.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

#include "table/table_layout.h"
#include "table/table_run.h"
#include "table_test_support.h"

namespace tarvel {
namespace {

using table_test::Lines;

TableParameters Milan() {
    return table_test::MilanParameters(50);
}

TEST(RunTest, EachRowIsOneComputationWithAutomaticDeltaT) {
    TableParameters p = Milan();
    p.summerTime = true;
    p.refractionModel = kRefractionIntegration;
    p.pressure = 990;
    p.fajrAngle = -18;
    p.pointCount = 3;
    TableRunControl control;
    control.threadCount = 1;
    const TableComputation computation = ComputeTableRows(p, control);
    ASSERT_EQ(computation.status, TableRunStatus::Ok);
    ASSERT_EQ(computation.rows.size(), 3u);
    const std::vector<ClockInstant> instants = TableRowInstants(p);
    for (std::size_t i = 0; i < 3; ++i) {
        SolarRequest request;
        request.SetClockReading(instants[i]);
        request.zoneHours = 1;
        request.zoneMinutes = 60;
        request.latitude = 45.4642;
        request.longitude = -9.19;
        request.height = 120;
        request.summerTime = true;
        request.refractionModel = kRefractionIntegration;
        request.pressure = 990;
        request.fajrAngle = -18;
        request.deltaT = 0;
        request.deltaTGiven = false;
        const SolarResult expected = CalcSolarParameters(request);
        const SolarResult& obtained = computation.rows[i].result;
        EXPECT_TRUE(computation.rows[i].computed);
        EXPECT_EQ(obtained.julianDay, expected.julianDay) << "row " << i;
        EXPECT_EQ(obtained.deltaT, expected.deltaT) << "row " << i;
        EXPECT_EQ(obtained.refraction, expected.refraction) << "row " << i;
        EXPECT_EQ(obtained.fajr, expected.fajr) << "row " << i;
        EXPECT_EQ(obtained.qiblaTime, expected.qiblaTime) << "row " << i;
    }
    // ΔT follows each row's date: the model moves with the instant.
    // (The model is fixed from 2025 on.)
    p.start.year = 1960;
    p.stepValue = 30;
    p.stepUnit = TableStepUnit::Years;
    const TableComputation decades = ComputeTableRows(p, control);
    ASSERT_EQ(decades.status, TableRunStatus::Ok);
    EXPECT_GT(decades.rows[1].result.deltaT - decades.rows[0].result.deltaT, 20.0);
    EXPECT_GT(decades.rows[2].result.deltaT - decades.rows[1].result.deltaT, 10.0);
}

// Rows of one date share the Sun's evaluations of their searches: every value
// of every row is that of a separate computation to the last bit, on one
// thread and on three, with the full series and with the Chebyshev spans; rows
// every 17 minutes over three days, summer time at Milan.
TEST(RunTest, RowsOfOneDateShareEvaluationsAndKeepEveryValue) {
    TableParameters p = Milan();
    p.summerTime = true;
    p.pointCount = 3 * 24 * 60 / 17;
    p.stepValue = 17;
    p.stepUnit = TableStepUnit::Minutes;
    for (const SunSeriesSource series :
         {SunSeriesSource::kFull, SunSeriesSource::kInterpolated}) {
        TableRunControl separate;
        separate.threadCount = 1;
        separate.compute = [series](const SolarRequest& request) {
            return CalcSolarParameters(request, series);
        };
        const TableComputation expected = ComputeTableRows(p, separate);
        ASSERT_EQ(expected.status, TableRunStatus::Ok);
        for (const unsigned threads : {1u, 3u}) {
            TableRunControl shared;
            shared.threadCount = threads;
            shared.searchSeries = series;
            const TableComputation obtained = ComputeTableRows(p, shared);
            ASSERT_EQ(obtained.status, TableRunStatus::Ok);
            ASSERT_EQ(obtained.rows.size(), expected.rows.size());
            for (std::size_t i = 0; i < obtained.rows.size(); ++i) {
                const SolarResult& a = obtained.rows[i].result;
                const SolarResult& b = expected.rows[i].result;
                // Every double of the result (the flags after them compared apart).
                const double* fa = &a.julianDay;
                const double* fb = &b.julianDay;
                const std::size_t doubles =
                    (reinterpret_cast<const char*>(&a.occurs) - reinterpret_cast<const char*>(fa)) /
                    sizeof(double);
                for (std::size_t k = 0; k < doubles; ++k) {
                    EXPECT_EQ(std::memcmp(fa + k, fb + k, sizeof(double)), 0)
                        << "row " << i << ", value " << k << ": " << fa[k] << " shared, " << fb[k]
                        << " alone, " << threads << " threads, series "
                        << static_cast<int>(series);
                }
                EXPECT_EQ(a.occurs.qiblaTime, b.occurs.qiblaTime) << "row " << i;
                EXPECT_EQ(a.occurs.isha, b.occurs.isha) << "row " << i;
            }
        }
    }
}

TEST(RunTest, OnePointGivesTitlesHeadingsAndOneRow) {
    TableParameters p = Milan();
    p.pointCount = 1;
    const TableRunResult run = RunTable(p, TableOptions(), TableTarget::Window);
    ASSERT_EQ(run.status, TableRunStatus::Ok);
    const std::vector<std::string> lines = Lines(run.text);
    ASSERT_EQ(lines.size(), 11u);  // 5 titles, an empty line, 4 headings, 1 row
    EXPECT_EQ(lines[10], " 28/02/2024  | 18:00:00.00 |");
    EXPECT_TRUE(run.rowErrors.empty());
}

TEST(RunTest, ThreadsGiveTheSameTextAsOneThread) {
    TableParameters p = Milan();
    p.pointCount = 24;
    p.stepValue = 7;
    p.stepUnit = TableStepUnit::Days;
    TableOptions options;
    SetAllColumnFlags(options, true);
    TableLocale locale;
    locale.decimalSeparator = ",";
    std::string sequential;
    for (const unsigned threads : {1u, 2u, 3u, 0u}) {
        TableRunControl control;
        control.threadCount = threads;
        const TableRunResult run =
            RunTable(p, options, TableTarget::File, locale, TableTexts(), control);
        ASSERT_EQ(run.status, TableRunStatus::Ok);
        if (threads == 1u) {
            sequential = run.text;
        } else {
            EXPECT_TRUE(run.text == sequential) << "threads " << threads;
        }
    }
    EXPECT_EQ(Lines(sequential).size(), 10u + 24u);
}

TEST(RunTest, ProgressCountsUpToTheLastRow) {
    TableParameters p = Milan();
    p.pointCount = 40;
    for (const unsigned threads : {1u, 2u}) {
        std::vector<int> reports;
        TableRunControl control;
        control.threadCount = threads;
        control.compute = [](const SolarRequest& r) {
            SolarResult result;
            result.julianDay = r.day;
            return result;
        };
        control.progress = [&reports](int done, int total) {
            EXPECT_EQ(total, 40);
            reports.push_back(done);
        };
        const TableComputation computation = ComputeTableRows(p, control);
        ASSERT_EQ(computation.status, TableRunStatus::Ok);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back(), 40) << "threads " << threads;
        for (std::size_t i = 1; i < reports.size(); ++i) {
            EXPECT_LT(reports[i - 1], reports[i]) << "threads " << threads;
        }
    }
}

TEST(RunTest, CancellationBetweenRows) {
    TableParameters p = Milan();
    p.pointCount = 200;
    for (const unsigned threads : {1u, 2u}) {
        std::stop_source stop;
        std::atomic<int> calls{0};
        TableRunControl control;
        control.threadCount = threads;
        control.stopToken = stop.get_token();
        control.compute = [&](const SolarRequest&) {
            if (++calls == 10) {
                stop.request_stop();
            }
            return SolarResult{};
        };
        const TableRunResult run =
            RunTable(p, TableOptions(), TableTarget::Window, TableLocale(), TableTexts(), control);
        EXPECT_EQ(run.status, TableRunStatus::Cancelled) << "threads " << threads;
        EXPECT_EQ(run.text, "");
        EXPECT_LE(calls.load(), 10 + static_cast<int>(threads)) << "threads " << threads;
    }
    // A stop requested before the run computes nothing.
    std::stop_source stopped;
    stopped.request_stop();
    TableRunControl control;
    control.stopToken = stopped.get_token();
    EXPECT_EQ(ComputeTableRows(p, control).status, TableRunStatus::Cancelled);
}

TEST(RunTest, ARowThatFailsIsReportedAndTheRunGoesOn) {
    TableParameters p = Milan();
    p.pointCount = 3;
    p.stepValue = 1;
    p.stepUnit = TableStepUnit::Days;
    TableRunControl control;
    control.threadCount = 2;
    control.compute = [](const SolarRequest& r) {
        if (r.day == 29) {
            throw std::runtime_error("calcolo non riuscito");
        }
        return SolarResult{};
    };
    for (const TableTarget target :
         {TableTarget::Window, TableTarget::File, TableTarget::Clipboard}) {
        const TableRunResult run =
            RunTable(p, TableOptions(), target, TableLocale(), TableTexts(), control);
        ASSERT_EQ(run.status, TableRunStatus::Ok);
        ASSERT_EQ(run.rowErrors.size(), 1u);
        EXPECT_EQ(run.rowErrors[0].row, 1);
        EXPECT_EQ(run.rowErrors[0].message, "calcolo non riuscito");
        const std::vector<std::string> lines = Lines(run.text);
        ASSERT_EQ(lines.size(), 13u);
        EXPECT_EQ(lines[11], "") << "the failed row holds no cell";
        EXPECT_NE(lines[12], "") << "the run goes on";
    }
}

TEST(RunTest, AnErrorWithoutATextEndsTheRun) {
    TableParameters p = Milan();
    p.pointCount = 5;
    TableRunControl control;
    control.threadCount = 2;
    control.compute = [](const SolarRequest&) -> SolarResult { throw 42; };
    EXPECT_THROW(ComputeTableRows(p, control), int);
}

TEST(RunTest, FractionalStepLeavesTheTextEmpty) {
    TableParameters p = Milan();
    p.stepValue = 0.5;
    p.stepUnit = TableStepUnit::Days;
    for (const TableTarget target :
         {TableTarget::Window, TableTarget::File, TableTarget::Clipboard}) {
        const TableRunResult run = RunTable(p, TableOptions(), target);
        EXPECT_EQ(run.status, TableRunStatus::FractionalStep);
        EXPECT_EQ(run.text, "");
    }
    p.stepUnit = TableStepUnit::Seconds;
    EXPECT_EQ(RunTable(p, TableOptions(), TableTarget::Window).status, TableRunStatus::Ok);
}

// Rows of one computation serve every target while the parameters stay the
// same; any change of a parameter computes the rows again, for the new
// parameters.
TEST(RunTest, StoredRowsServeEveryTargetUntilAParameterChanges) {
    TableParameters p = Milan();
    p.pointCount = 4;
    TableOptions options;
    SetAllColumnFlags(options, true);
    TableLocale locale;
    locale.decimalSeparator = ",";
    std::atomic<int> calls{0};
    TableRunControl control;
    control.threadCount = 2;
    control.compute = [&](const SolarRequest& request) {
        ++calls;
        return CalcSolarParameters(request);
    };

    TableRowStore store;
    for (const TableTarget target :
         {TableTarget::Window, TableTarget::Clipboard, TableTarget::File, TableTarget::Window}) {
        const TableRunResult stored =
            RunTable(store, p, options, target, locale, TableTexts(), control);
        ASSERT_EQ(stored.status, TableRunStatus::Ok);
        EXPECT_EQ(calls.load(), 4) << "one computation of 4 rows for every target";
        EXPECT_TRUE(stored.text == RunTable(p, options, target, locale).text)
            << "target " << static_cast<int>(target);
    }
    // Text options do not reach the rows.
    options.decimalAngles = true;
    options.showQibla = false;
    EXPECT_TRUE(RunTable(store, p, options, TableTarget::Window, locale).text ==
                RunTable(p, options, TableTarget::Window, locale).text);
    EXPECT_EQ(calls.load(), 4);

    struct Change {
        const char* name;
        void (*apply)(TableParameters&);
    };
    const Change changes[] = {
        {"latitude", [](TableParameters& q) { q.latitude = -33.9; }},
        {"start second", [](TableParameters& q) { q.start.second = 30; }},
        {"summer time", [](TableParameters& q) { q.summerTime = !q.summerTime; }},
        {"zone", [](TableParameters& q) { q.zoneHours = 2; }},
        {"step unit", [](TableParameters& q) { q.stepUnit = TableStepUnit::Days; }},
        {"pressure", [](TableParameters& q) { q.pressure = 950; }},
        {"Isha angle", [](TableParameters& q) { q.ishaAngle = -15; }},
        {"rows", [](TableParameters& q) { q.pointCount = 5; }},
    };
    for (const Change& change : changes) {
        TableParameters changed = p;
        change.apply(changed);
        calls = 0;
        const std::shared_ptr<const TableComputation> rows = store.Rows(changed, control);
        ASSERT_EQ(rows->status, TableRunStatus::Ok) << change.name;
        EXPECT_EQ(calls.load(), changed.pointCount) << change.name;
        const TableComputation fresh = ComputeTableRows(changed);
        ASSERT_EQ(rows->rows.size(), fresh.rows.size()) << change.name;
        for (std::size_t i = 0; i < fresh.rows.size(); ++i) {
            EXPECT_EQ(rows->rows[i].instant, fresh.rows[i].instant) << change.name << ", row " << i;
            EXPECT_EQ(rows->rows[i].result.qiblaTime, fresh.rows[i].result.qiblaTime)
                << change.name << ", row " << i;
            EXPECT_EQ(rows->rows[i].result.apparentSet, fresh.rows[i].result.apparentSet)
                << change.name << ", row " << i;
        }
        // Back to the parameters before: computed once more, kept again.
        calls = 0;
        EXPECT_EQ(store.Rows(p, control)->rows.size(), 4u);
        EXPECT_EQ(store.Rows(p, control)->rows.size(), 4u);
        EXPECT_EQ(calls.load(), 4) << change.name;
    }
}

// Only a complete computation is kept: a refused, cancelled or partly failed
// one is computed anew by the next request.
TEST(RunTest, StoreKeepsOnlyCompleteComputations) {
    TableParameters p = Milan();
    p.pointCount = 3;
    p.stepUnit = TableStepUnit::Days;
    std::atomic<int> calls{0};
    std::atomic<bool> failing{true};
    TableRunControl control;
    control.threadCount = 1;
    control.compute = [&](const SolarRequest& request) {
        ++calls;
        if (failing && request.day == 29) {
            throw std::runtime_error("calcolo non riuscito");
        }
        return SolarResult{};
    };
    TableRowStore store;
    EXPECT_EQ(store.Rows(p, control)->rows[1].error, "calcolo non riuscito");
    failing = false;
    EXPECT_TRUE(store.Rows(p, control)->rows[1].computed);
    EXPECT_EQ(calls.load(), 6);
    store.Rows(p, control);
    EXPECT_EQ(calls.load(), 6);
    store.Clear();
    store.Rows(p, control);
    EXPECT_EQ(calls.load(), 9);

    // A cancelled computation, then invalid parameters: nothing kept.
    std::stop_source stop;
    stop.request_stop();
    TableRunControl stopped = control;
    stopped.stopToken = stop.get_token();
    TableParameters other = p;
    other.latitude = 10;
    EXPECT_EQ(store.Rows(other, stopped)->status, TableRunStatus::Cancelled);
    EXPECT_EQ(store.Rows(other, control)->status, TableRunStatus::Ok);
    EXPECT_EQ(calls.load(), 12);
    other.latitude = 91;
    EXPECT_EQ(store.Rows(other, control)->status, TableRunStatus::InvalidParameters);
    other.latitude = 10;
    store.Rows(other, control);
    EXPECT_EQ(calls.load(), 15);
}

}  // namespace
}  // namespace tarvel
