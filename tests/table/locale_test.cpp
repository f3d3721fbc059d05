// The short date formatter and the locale read from the environment.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "table/table_locale.h"

// glibc's newlocale loses the copy of LOCPATH it builds on every call (inside
// __argz_add_sep); only this test sets LOCPATH. The leak checker of the
// sanitizer build reads this hook; other builds ignore it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\n";
}

namespace tarvel {
namespace {

TEST(LocaleTest, FormatShortDate) {
    TableLocale italian;
    italian.abbreviatedMonthNames[11] = "dic";
    italian.dayNames[3] = "mercoledì";
    const struct {
        const char* pattern;
        int year, month, day;
        const char* expected;
    } cases[] = {
        {"%d/%m/%Y", 2026, 12, 9, "09/12/2026"},
        {"%d.%m.%Y", 2026, 12, 9, "09.12.2026"},
        {"%m/%d/%y", 2026, 12, 9, "12/09/26"},
        {"%Y-%m-%d", 2026, 12, 9, "2026-12-09"},
        {"%F", 2026, 12, 9, "2026-12-09"},
        {"%D", 2026, 12, 9, "12/09/26"},
        {"%e.%m.%Y", 2026, 12, 9, " 9.12.2026"},
        {"%-d.%-m.%Y", 2026, 12, 9, "9.12.2026"},
        {"%d-%b-%y", 2026, 12, 9, "09-dic-26"},
        {"%^b %Y", 2026, 12, 9, "DIC 2026"},
        {"%A %d", 2026, 12, 9, "mercoledì 09"},  // 9 December 2026 is a Wednesday
        {"%Y年%m月%d日", 2026, 12, 9, "2026年12月09日"},
        {"%d/%m/%Ey", 2026, 12, 9, "09/12/26"},  // E modifier ignored
        {"%C %j %u %w", 2000, 3, 1, "20 061 3 3"},
        {"%d/%m/%Y", 63000, 7, 1, "01/07/63000"},
        {"%d/%m/%Y", 1900, 1, 1, "01/01/1900"},
        {"100%% %q", 2026, 12, 9, "100% %q"},  // unknown conversion copied
        {"%", 2026, 12, 9, "%"},
    };
    for (const auto& c : cases) {
        italian.shortDatePattern = c.pattern;
        EXPECT_EQ(FormatShortDate(c.year, c.month, c.day, italian), std::string(c.expected))
            << "FormatShortDate(" << c.year << ", " << c.month << ", " << c.day << "), pattern "
            << c.pattern;
    }
}

// Sets environment variables for one test and restores them after it.
class ScopedEnvironment {
  public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old != nullptr ? old : ""});
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->present) {
                ::setenv(it->name.c_str(), it->value.c_str(), 1);
            } else {
                ::unsetenv(it->name.c_str());
            }
        }
    }

  private:
    struct Saved {
        std::string name;
        bool present;
        std::string value;
    };
    std::vector<Saved> saved_;
};

TEST(LocaleTest, CAndUnknownLocalesFallBack) {
    for (const char* name : {"C", "POSIX", "C.UTF-8", "xx_YY.UTF-8", ""}) {
        ScopedEnvironment environment;
        environment.Set("LC_ALL", nullptr);
        environment.Set("LC_NUMERIC", nullptr);
        environment.Set("LC_TIME", nullptr);
        environment.Set("LANG", name);
        const TableLocale locale = TableLocaleFromEnvironment();
        EXPECT_EQ(locale.decimalSeparator, ".") << "LANG=" << name;
        EXPECT_EQ(locale.shortDatePattern, "%d/%m/%Y") << "LANG=" << name;
        EXPECT_EQ(FormatShortDate(2026, 12, 9, locale), "09/12/2026") << "LANG=" << name;
    }
}

// Builds locales with localedef into a temporary directory (LOCPATH), so the
// test does not depend on the locales installed on the machine.
class InstalledLocaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = std::filesystem::temp_directory_path() /
                     ("tarvel-locales-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory_);
        for (const char* name : {"it_IT", "de_DE"}) {
            const std::string command = "localedef -i " + std::string(name) + " -f UTF-8 " +
                                        (directory_ / (std::string(name) + ".UTF-8")).string() +
                                        " >/dev/null 2>&1";
            if (std::system(command.c_str()) != 0) {
                GTEST_SKIP() << "localedef could not build " << name;
            }
        }
        environment_.Set("LOCPATH", directory_.c_str());
        environment_.Set("LC_ALL", nullptr);
        environment_.Set("LANG", nullptr);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }

    std::filesystem::path directory_;
    ScopedEnvironment environment_;
};

TEST_F(InstalledLocaleTest, ItalianAndGermanCategories) {
    environment_.Set("LC_NUMERIC", "it_IT.UTF-8");
    environment_.Set("LC_TIME", "de_DE.UTF-8");
    const TableLocale locale = TableLocaleFromEnvironment();
    EXPECT_EQ(locale.decimalSeparator, ",");
    EXPECT_EQ(locale.shortDatePattern, "%d.%m.%Y");
    EXPECT_EQ(locale.monthNames[2], "März");
    EXPECT_EQ(FormatShortDate(2026, 12, 9, locale), "09.12.2026");

    environment_.Set("LC_ALL", "it_IT.UTF-8");  // LC_ALL wins over both
    const TableLocale italian = TableLocaleFromEnvironment();
    EXPECT_EQ(italian.shortDatePattern, "%d/%m/%Y");
    EXPECT_EQ(italian.abbreviatedMonthNames[11], "dic");
}

}  // namespace
}  // namespace tarvel
