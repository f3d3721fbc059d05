// Whole tables of three rows with every column, compared byte for byte with the
// files under golden/. After a deliberate change of the text, rerun with
// TARVEL_UPDATE_GOLDEN=1 to rewrite the files, and review them before keeping
// them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "table/table_csv.h"
#include "table/table_layout.h"
#include "table/table_run.h"
#include "table_test_support.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

fs::path GoldenDirectory() {
#ifdef TARVEL_TABLE_GOLDEN_DIR
    return fs::path(TARVEL_TABLE_GOLDEN_DIR);
#else
    return fs::path(__FILE__).parent_path() / "golden";
#endif
}

bool UpdatingGoldens() {
    const char* update = std::getenv("TARVEL_UPDATE_GOLDEN");
    return update != nullptr && std::string(update) == "1";
}

void ExpectGolden(const std::string& name, const std::string& produced) {
    const fs::path path = GoldenDirectory() / name;
    if (UpdatingGoldens()) {
        std::ofstream(path, std::ios::binary) << produced;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "missing golden file " << path
                           << " (run with TARVEL_UPDATE_GOLDEN=1 to write it)";
    std::ostringstream stored;
    stored << in.rdbuf();
    const std::string expected = stored.str();
    if (produced == expected) {
        return;
    }
    const std::vector<std::string> want = table_test::Lines(expected);
    const std::vector<std::string> got = table_test::Lines(produced);
    std::size_t line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) {
        ++line;
    }
    ADD_FAILURE() << "golden " << name << " differs from line " << line + 1
                  << "\nexpected: " << (line < want.size() ? want[line] : "(end)")
                  << "\nobtained: " << (line < got.size() ? got[line] : "(end)");
}

// Milan, three rows 30 hours apart across the end of February of a leap year.
TableParameters GoldenParameters() {
    return table_test::MilanParameters(3);
}

TableLocale GoldenLocale() {
    TableLocale locale;
    locale.decimalSeparator = ",";
    locale.shortDatePattern = "%d/%m/%Y";
    return locale;
}

class GoldenTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const TableComputation computation = ComputeTableRows(GoldenParameters());
        ASSERT_EQ(computation.status, TableRunStatus::Ok);
        rows_ = new std::vector<TableRow>(computation.rows);
    }
    static void TearDownTestSuite() {
        delete rows_;
        rows_ = nullptr;
    }

    static std::string Text(TableTarget target, bool decimal) {
        TableOptions options;
        SetAllColumnFlags(options, true);
        options.decimalAngles = decimal;
        options.decimalHours = decimal;
        return TableTextWriter(options, target, GoldenLocale()).Text(GoldenParameters(), *rows_);
    }

    static std::vector<TableRow>* rows_;
};

std::vector<TableRow>* GoldenTest::rows_ = nullptr;

TEST_F(GoldenTest, Window) {
    ExpectGolden("window_sexagesimal.txt", Text(TableTarget::Window, false));
    ExpectGolden("window_decimal.txt", Text(TableTarget::Window, true));
}

TEST_F(GoldenTest, File) {
    ExpectGolden("file_sexagesimal.txt", Text(TableTarget::File, false));
    ExpectGolden("file_decimal.txt", Text(TableTarget::File, true));
}

TEST_F(GoldenTest, Clipboard) {
    ExpectGolden("clipboard_sexagesimal.txt", Text(TableTarget::Clipboard, false));
    ExpectGolden("clipboard_decimal.txt", Text(TableTarget::Clipboard, true));
}

TEST_F(GoldenTest, Csv) {
    TableOptions options;
    SetAllColumnFlags(options, true);
    ExpectGolden("table.csv", WriteTableCsv(options, *rows_, GoldenParameters().latitude));
}

}  // namespace
}  // namespace tarvel
