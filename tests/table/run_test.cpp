// A run: rows from the solar computation, threads, progress, cancellation and
// errors of single rows.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
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
    const std::vector<TableRowInstant> instants = TableRowInstants(p);
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
    p.startYear = 1960;
    p.stepValue = 30;
    p.stepUnit = TableStepUnit::Years;
    const TableComputation decades = ComputeTableRows(p, control);
    ASSERT_EQ(decades.status, TableRunStatus::Ok);
    EXPECT_GT(decades.rows[1].result.deltaT - decades.rows[0].result.deltaT, 20.0);
    EXPECT_GT(decades.rows[2].result.deltaT - decades.rows[1].result.deltaT, 10.0);
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

}  // namespace
}  // namespace tarvel
