// tarvel-cli table run as a program: the texts it writes against the table
// engine's own, the output file, and the exit status of every refusal.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "run_program.h"
#include "support/table_support.h"
#include "table/table_run.h"
#include "table/table_texts.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;

// The program with the C locale, so that its texts use the table's default
// decimal separator and short date format.
ProgramRun RunTableCli(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"table"};
    all.insert(all.end(), args.begin(), args.end());
    return testing::RunCli(all, "UTC", nullptr, "C");
}

std::string Joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& a : args) text += a + " ";
    return text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A new empty directory, removed with its content at the end of the test.
class TemporaryDirectory {
  public:
    TemporaryDirectory() {
        std::string pattern = (fs::temp_directory_path() / "tarvel-cli-table-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// Rome from the summer solstice, one row a day.
const std::vector<std::string> kRome = {"--date", "2024-06-21", "--time", "12:00",  "--zone",
                                        "1",      "--summer",   "--lat",  "41.9",   "--lon",
                                        "12.5E",  "--step",     "1",      "--unit", "days"};

std::vector<std::string> Rome(std::vector<std::string> more) {
    std::vector<std::string> args = kRome;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliTableProgramTest, WindowTextIsTheEnginesRunTableText) {
    const ProgramRun run =
        RunTableCli(Rome({"--points", "3", "--columns", "equationOfTime,declination"}));
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");

    const TableParameters p = test_support::RomeSolsticeTable(3);
    TableOptions options;
    options.showEquationOfTime = true;
    options.showDeclination = true;
    const TableRunResult expected = RunTable(p, options, TableTarget::Window);
    ASSERT_EQ(expected.status, TableRunStatus::Ok);
    EXPECT_EQ(run.out, expected.text);

    // Five title lines, an empty line, four heading lines and three rows.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5 + 1 + 4 + 3);
    EXPECT_NE(run.out.find("\r\n 23/06/2024  |"), std::string::npos) << run.out;
}

TEST(CliTableProgramTest, CsvHasAHeaderRowAndOneRecordPerRow) {
    const ProgramRun run =
        RunTableCli(Rome({"--points", "5", "--columns", "declination,deltaT,all,equationOfTime",
                          "--format", "csv", "--decimal-angles"}));
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> records;
    std::size_t start = 0;
    while (start < run.out.size()) {
        const std::size_t end = run.out.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every record ends in CR LF";
        records.push_back(run.out.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(records.size(), 1u + 5u) << run.out;
    // The order of the list ("all" adds the others in table order, each
    // flag's columns together); the clock's offset after the time.
    EXPECT_EQ(records[0].rfind("Date,Time,UtcOffset,Declination,DeltaT,GMST,LMST,JulianDay,"
                               "EquationOfTime,LongitudeDifference,", 0), 0u) << records[0];
    EXPECT_EQ(records[1].rfind("2024-06-21,12:00:00.00,+02:00,", 0), 0u) << records[1];
    EXPECT_EQ(records[5].rfind("2024-06-25,12:00:00.00,+02:00,", 0), 0u) << records[5];
    for (const std::string& record : records) {
        EXPECT_EQ(std::count(record.begin(), record.end(), ','),
                  std::count(records[0].begin(), records[0].end(), ','))
            << record;
    }
}

// On the day the clocks go back, 02:00 comes twice: the offset tells the two
// apart. Azimuths are bearings from north, as everywhere on the command line.
TEST(CliTableProgramTest, CsvRowsCarryTheirClocksOffset) {
    const ProgramRun run = RunTableCli(
        {"--tz", "Europe/Rome", "--lat", "41.9", "--lon", "12.5", "--date", "2024-10-27",
         "--time", "01:30", "--step", "30", "--unit", "minutes", "--points", "4", "--columns",
         "azimuth", "--format", "csv"});
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
    std::vector<std::string> records;
    for (std::size_t start = 0, end; (end = run.out.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        records.push_back(run.out.substr(start, end - start));
    }
    ASSERT_EQ(records.size(), 5u) << run.out;
    EXPECT_EQ(records[0], "Date,Time,UtcOffset,Azimuth");
    const char* expected[] = {"2024-10-27,01:30:00.00,+02:00,", "2024-10-27,02:00:00.00,+02:00,",
                              "2024-10-27,02:30:00.00,+02:00,", "2024-10-27,02:00:00.00,+01:00,"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(records[i + 1].rfind(expected[i], 0), 0u) << records[i + 1];
        const double bearing = std::stod(records[i + 1].substr(records[i + 1].rfind(',') + 1));
        EXPECT_GT(bearing, 0.0) << records[i + 1];  // the Sun low in the north-east
        EXPECT_LT(bearing, 90.0) << records[i + 1];
    }
}

TEST(CliTableProgramTest, OutputFileHoldsTheTextAndReplacesAnOldFile) {
    TemporaryDirectory directory;
    ASSERT_FALSE(directory.path().empty());
    const fs::path target = directory.path() / "rome.txt";
    WriteFile(target, std::string(100000, 'x'));  // longer than the table

    for (const char* format : {"file", "csv"}) {
        const std::vector<std::string> args = Rome({"--points", "4", "--format", format});
        const ProgramRun toStdout = RunTableCli(args);
        ASSERT_EQ(toStdout.exitCode, kExitSuccess) << toStdout.err;
        std::vector<std::string> withOutput = args;
        withOutput.insert(withOutput.end(), {"--output", target.string()});
        const ProgramRun toFile = RunTableCli(withOutput);
        ASSERT_EQ(toFile.exitCode, kExitSuccess) << Joined(withOutput) << toFile.err;
        EXPECT_EQ(toFile.out, "") << format;
        EXPECT_EQ(toFile.err, "") << format;
        EXPECT_EQ(ReadFile(target), toStdout.out) << format;
    }
    // Nothing but the target is left in the directory.
    std::vector<fs::path> entries(fs::directory_iterator(directory.path()), {});
    EXPECT_EQ(entries.size(), 1u);
}

TEST(CliTableProgramTest, OutputThatCannotBeWrittenExitsOneAndKeepsTheTarget) {
    TemporaryDirectory directory;
    ASSERT_FALSE(directory.path().empty());
    // A target that is a directory holding a file, and a target in a missing
    // directory.
    const fs::path busy = directory.path() / "busy";
    fs::create_directory(busy);
    WriteFile(busy / "keep.txt", "old content\n");
    const fs::path missing = directory.path() / "missing" / "table.txt";

    // Both names are unusable before anything is computed: bad input.
    for (const fs::path& target : {busy, missing}) {
        const ProgramRun run =
            RunTableCli(Rome({"--points", "3", "--output", target.string(), "--lang", "en"}));
        EXPECT_EQ(run.exitCode, kExitUsage) << target;
        EXPECT_EQ(run.out, "") << target;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("tarvel-cli: --output '" + target.string() + "' not accepted", 0),
                  0u)
            << run.err;
    }
    // A device that takes nothing (a full disk): the writing fails, named.
    const ProgramRun device =
        RunTableCli(Rome({"--points", "3", "--output", "/dev/full", "--lang", "en"}));
    EXPECT_EQ(device.exitCode, kExitOutputError);
    EXPECT_EQ(device.out, "");
    EXPECT_EQ(device.err, "tarvel-cli: Cannot save /dev/full: No space left on device\n");
    // Standard output that cannot take the text.
    const ProgramRun full =
        testing::RunCli({"table", "--zone", "1", "--points", "3", "--lang", "en"}, "UTC",
                        "/dev/full", "C");
    EXPECT_EQ(full.exitCode, kExitOutputError);
    EXPECT_EQ(full.err, "tarvel-cli: the table could not be written to standard output\n");

    EXPECT_TRUE(fs::is_directory(busy));
    EXPECT_EQ(ReadFile(busy / "keep.txt"), "old content\n");
    std::vector<fs::path> inBusy(fs::directory_iterator(busy), {});
    EXPECT_EQ(inBusy.size(), 1u);
    EXPECT_FALSE(fs::exists(missing.parent_path()));
    std::vector<fs::path> entries(fs::directory_iterator(directory.path()), {});
    EXPECT_EQ(entries.size(), 1u) << "no temporary file left";
}

TEST(CliTableProgramTest, RefusalsExitTwoWithOneLineAndWriteNothing) {
    TemporaryDirectory directory;
    ASSERT_FALSE(directory.path().empty());
    const fs::path target = directory.path() / "table.txt";
    WriteFile(target, "old table\n");

    const std::string fractional = TableTexts().Get(table_string::kFractionalStep);
    struct Case {
        std::vector<std::string> args;
        std::string line;  // without "tarvel-cli: " and the newline
    } cases[] = {
        {{"--step", "1.5", "--unit", "hours"}, "--step: " + fractional},
        {{"--points", "0", "--lang", "en"},
         "--points '0' not accepted: expected a whole number of rows, 1 to 1000000"},
        {{"--points", "1000001", "--lang", "en"},
         "--points '1000001' not accepted: expected a whole number of rows, 1 to 1000000"},
        {{"--step", "61"}, "--step: Immettere un numero compreso tra 0.01 e 60."},
        {{"--zone", "5.1"}, ""},
        {{"--delta-t", "69.2"}, ""},
        {{"--columns", "sunspots"}, ""},
        {{"--unit", "fortnights"}, ""},
        {{"--format", "pdf"}, ""},
        {{"--json"}, ""},
    };
    for (const Case& c : cases) {
        // TZ=UTC: the default zone, 0, is one of the table's.
        std::vector<std::string> args = {"--date", "2024-06-21", "--time", "12:00"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"--output", target.string()});
        const ProgramRun run = RunTableCli(args);
        EXPECT_EQ(run.exitCode, kExitUsage) << "table " << Joined(args);
        EXPECT_EQ(run.out, "") << "table " << Joined(args);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1)
            << "table " << Joined(args) << ": " << run.err;
        EXPECT_EQ(run.err.rfind("tarvel-cli: ", 0), 0u) << run.err;
        if (!c.line.empty()) {
            EXPECT_EQ(run.err, "tarvel-cli: " + c.line + "\n") << "table " << Joined(args);
        } else {
            EXPECT_NE(run.err.find(c.args.front()), std::string::npos)
                << "table " << Joined(args) << ": expected mention of " << c.args.front()
                << ", obtained " << run.err;
        }
        EXPECT_EQ(ReadFile(target), "old table\n") << "table " << Joined(args);
    }
    // Without --output nothing reaches standard output either.
    const ProgramRun run = RunTableCli({"--zone", "1", "--step", "0.5", "--unit", "days"});
    EXPECT_EQ(run.exitCode, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tarvel-cli: --step: " + fractional + "\n");
}

// Beyond the window's 1,000 rows the table is streamed: its first 1,000 rows
// are the 1,000-row table's bytes, and a long table runs to its end.
TEST(CliTableProgramTest, LongTablesAreStreamed) {
    const std::vector<std::string> minutes = {"--date", "2024-06-21", "--time", "00:00",
                                              "--zone", "1",          "--lat",  "41.9",
                                              "--lon",  "12.5E",      "--step", "1",
                                              "--unit", "minutes",    "--columns",
                                              "azimuth,altitude,declination"};
    // CSV, in the command line's conventions (the window's, file's and
    // clipboard's texts are compared in the engine's own test).
    for (const char* format : {"csv"}) {
        std::vector<std::string> args = minutes;
        args.insert(args.end(), {"--format", format, "--points", "1000"});
        const ProgramRun whole = RunTableCli(args);
        ASSERT_EQ(whole.exitCode, kExitSuccess) << whole.err;
        args.back() = "1200";
        const ProgramRun streamed = RunTableCli(args);
        ASSERT_EQ(streamed.exitCode, kExitSuccess) << streamed.err;
        EXPECT_EQ(streamed.err, "") << format;
        ASSERT_GT(streamed.out.size(), whole.out.size()) << format;
        EXPECT_TRUE(streamed.out.compare(0, whole.out.size(), whole.out) == 0)
            << format << ": the first 1,000 rows differ";
        EXPECT_EQ(std::count(streamed.out.begin(), streamed.out.end(), '\n') -
                      std::count(whole.out.begin(), whole.out.end(), '\n'),
                  200)
            << format;
    }
    // 20,000 rows (a fortnight at one-minute steps) to /dev/null.
    std::vector<std::string> args = {"table"};
    args.insert(args.end(), minutes.begin(), minutes.end());
    args.insert(args.end(), {"--points", "20000"});
    const ProgramRun run = testing::RunCli(args, "UTC", "/dev/null", "C");
    EXPECT_EQ(run.exitCode, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
}

// A streamed table that cannot be written to its end (a file-size limit
// reached after some batches): the old file stays, no temporary file is left,
// exit status 1 with the file named.
TEST(CliTableProgramTest, StreamedOutputFailingMidwayKeepsTheOldFile) {
    TemporaryDirectory directory;
    ASSERT_FALSE(directory.path().empty());
    const fs::path target = directory.path() / "year.csv";
    WriteFile(target, "old table\n");

    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    if (previous.rlim_max != RLIM_INFINITY && previous.rlim_max < 200 * 1024) {
        GTEST_SKIP() << "the file-size limit is already below the test's";
    }
    const rlimit limit{150 * 1024, previous.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    // About 31 bytes a row: the limit falls in the third batch.
    const ProgramRun run = RunTableCli({"--date", "2024-06-21", "--zone", "1", "--step", "1",
                                        "--unit", "minutes", "--points", "10000", "--format", "csv",
                                        "--lang", "en", "--output", target.string()});
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &previous), 0);

    EXPECT_EQ(run.exitCode, kExitOutputError) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tarvel-cli: Cannot save " + target.string() + ": File too large\n");
    EXPECT_EQ(ReadFile(target), "old table\n");
    std::vector<fs::path> entries(fs::directory_iterator(directory.path()), {});
    EXPECT_EQ(entries.size(), 1u) << "no temporary file left";
}

TEST(CliTableProgramTest, HelpDocumentsTheSubcommand) {
    const ProgramRun help = RunTableCli({"--help"});
    EXPECT_EQ(help.exitCode, kExitSuccess);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, CliTableHelpText());

    const ProgramRun main = testing::RunCli({"--help"});
    EXPECT_EQ(main.exitCode, kExitSuccess);
    EXPECT_NE(main.out.find("tarvel-cli table"), std::string::npos) << main.out;
}

}  // namespace
}  // namespace tarvel
