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

// A date, the pattern it is written in and the text expected.
struct DateCase {
    const char* pattern;
    int year, month, day;
    const char* expected;
};

// Writes each case's date in its pattern in locale.
void ExpectDates(TableLocale locale, const std::vector<DateCase>& cases) {
    for (const DateCase& c : cases) {
        locale.shortDatePattern = c.pattern;
        EXPECT_EQ(FormatShortDate(c.year, c.month, c.day, locale), std::string(c.expected))
            << "FormatShortDate(" << c.year << ", " << c.month << ", " << c.day << "), pattern \""
            << c.pattern << "\"";
    }
}

TEST(LocaleTest, FormatShortDateInTheCLocale) {
    ExpectDates(TableLocale(),
                {
                    {"%d/%m/%Y", 2026, 12, 9, "09/12/2026"},
                    {"%d.%m.%Y", 2026, 12, 9, "09.12.2026"},
                    {"%m/%d/%y", 2026, 12, 9, "12/09/26"},
                    {"%Y-%m-%d", 2026, 12, 9, "2026-12-09"},
                    {"%F", 2026, 12, 9, "2026-12-09"},
                    {"%D", 2026, 12, 9, "12/09/26"},
                    {"%e.%m.%Y", 2026, 12, 9, " 9.12.2026"},
                    {"%-d.%-m.%Y", 2026, 12, 9, "9.12.2026"},
                    {"%d-%b-%y", 2026, 12, 9, "09-Dec-26"},
                    {"%^b %Y", 2026, 12, 9, "DEC 2026"},
                    {"%A %d", 2026, 12, 9, "Wednesday 09"},  // 9 December 2026 is a Wednesday
                    {"%a %d", 1900, 1, 1, "Mon 01"},         // and 1 January 1900 a Monday
                    {"%Y年%m月%d日", 2026, 12, 9, "2026年12月09日"},
                    {"%d/%m/%Ey", 2026, 12, 9, "09/12/26"},  // E modifier without an era
                    {"%C %j %u %w", 2000, 3, 1, "20 061 3 3"},
                    {"%j %u", 2024, 12, 31, "366 2"},  // the last day of a leap year
                    {"%d/%m/%Y", 63000, 7, 1, "01/07/63000"},
                    {"%d/%m/%Y", 1900, 1, 1, "01/01/1900"},
                    {"100%% %q", 2026, 12, 9, "100% %q"},  // unknown conversion copied
                    {"%", 2026, 12, 9, "%"},
                    {"", 2026, 12, 9, ""},
                });
}

TEST(LocaleTest, LongPatternIsWrittenWhole) {
    TableLocale locale;
    locale.shortDatePattern = std::string(500, '-') + "%Y";
    EXPECT_EQ(FormatShortDate(2026, 12, 9, locale), std::string(500, '-') + "2026");
}

TEST(LocaleTest, GivenDateWriterReplacesThePattern) {
    TableLocale locale;
    locale.shortDatePattern = "%d/%m/%Y";
    locale.formatDate = [](int year, int month, int day) {
        return std::to_string(day) + " " + std::to_string(month) + " " + std::to_string(year);
    };
    EXPECT_EQ(FormatShortDate(63000, 7, 1, locale), "1 7 63000");
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
        environment_.Set("LOCPATH", directory_.c_str());
        environment_.Set("LC_ALL", nullptr);
        environment_.Set("LANG", nullptr);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }

    // Builds the locale source.charset (e.g. "it_IT", "UTF-8"); false when
    // localedef cannot.
    bool Install(const std::string& source, const std::string& charset) {
        const std::string command = "localedef -i " + source + " -f " + charset + " " +
                                    (directory_ / (source + "." + charset)).string() +
                                    " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

    std::filesystem::path directory_;
    ScopedEnvironment environment_;
};

TEST_F(InstalledLocaleTest, ItalianAndGermanCategories) {
    if (!Install("it_IT", "UTF-8") || !Install("de_DE", "UTF-8")) {
        GTEST_SKIP() << "localedef could not build it_IT.UTF-8 and de_DE.UTF-8";
    }
    environment_.Set("LC_NUMERIC", "it_IT.UTF-8");
    environment_.Set("LC_TIME", "de_DE.UTF-8");
    const TableLocale locale = TableLocaleFromEnvironment();
    EXPECT_EQ(locale.decimalSeparator, ",");
    EXPECT_EQ(locale.shortDatePattern, "%d.%m.%Y");
    EXPECT_EQ(FormatShortDate(2026, 12, 9, locale), "09.12.2026");
    ExpectDates(locale, {{"%B", 2026, 3, 1, "März"}});

    environment_.Set("LC_ALL", "it_IT.UTF-8");  // LC_ALL wins over both
    const TableLocale italian = TableLocaleFromEnvironment();
    EXPECT_EQ(italian.shortDatePattern, "%d/%m/%Y");
    EXPECT_EQ(FormatShortDate(2026, 12, 9, italian), "09/12/2026");
}

// The names of the LC_TIME locale; a locale whose names are not UTF-8 has its
// dates written in the C locale.
TEST_F(InstalledLocaleTest, NamesOfTheTimeLocale) {
    const struct {
        const char* charset;
        std::vector<DateCase> dates;
    } locales[] = {
        {"UTF-8",
         {
             {"%d-%b-%y", 2026, 12, 9, "09-dic-26"},
             {"%^b %Y", 2026, 12, 9, "DIC 2026"},
             {"%A %d", 2026, 12, 9, "mercoledì 09"},
             {"%a %d %B %Y", 63000, 7, 1, "mar 01 luglio 63000"},
         }},
        {"ISO-8859-1",
         {
             {"%d/%m/%Y", 2026, 12, 9, "09/12/2026"},
             {"%d-%b-%y", 2026, 12, 9, "09-dic-26"},  // ASCII
             {"%A %d", 2026, 12, 9, "Wednesday 09"},  // not "mercoled\xEC"
         }},
    };
    for (const auto& l : locales) {
        if (!Install("it_IT", l.charset)) {
            GTEST_SKIP() << "localedef could not build it_IT." << l.charset;
        }
        environment_.Set("LC_TIME", (std::string("it_IT.") + l.charset).c_str());
        ExpectDates(TableLocaleFromEnvironment(), l.dates);
    }
}

}  // namespace
}  // namespace tarvel
