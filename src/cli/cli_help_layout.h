// The layout of tarvel-cli's help: the usage lines first, then the
// description, the options by group and the footer; each option and its value
// in the first 24 columns and what it means wrapped into the other 56. With
// the few texts the help and the refusals share: numbers as "%g" writes them
// and lists joined with "or".
#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>
#include <vector>

namespace tarvel::cli {

// A number as "%g" writes it: "0.01", "-1000", "5.75".
std::string Number(double value);

// The items separated by `separator`, the last two by `last` ("a, b or c").
std::string Joined(const std::vector<std::string>& items, const char* separator = ", ",
                   const char* last = " or ");

// The help's layout: an option and its value in the first 24 columns, what it
// means in the other 56.
constexpr std::size_t kOptionColumn = 24;
constexpr std::size_t kMeaningWidth = 80 - kOptionColumn;

// The text broken at blanks into lines of at most `width` characters; its own
// line breaks stay.
std::string Wrapped(const std::string& text, std::size_t width = kMeaningWidth);

// An option with a value: its name and placeholder, the texts it accepts (as
// the refusals say), more about it and its default (for the help). accepts is
// English with its numbers and names as "%1" ... "%9", filled from
// acceptsFillers: the help says it in English, a refusal in the interface
// language (cli_words.h).
struct OptionText {
    std::string name;
    std::string placeholder;
    std::string accepts;
    std::string more = {};
    std::string byDefault = {};
    std::vector<std::string> acceptsFillers = {};

    std::string Help() const;
    std::string Accepts() const;  // in the interface language
};

// CLI11's help with the documented usage lines first, then the description,
// the options by group and the footer.
class HelpLayout : public CLI::Formatter {
  public:
    explicit HelpLayout(std::string usage);
    std::string make_usage(const CLI::App*, std::string) const override { return usage_; }
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override;

  private:
    std::string usage_;
};

// One line of a footer's exit statuses: the code and what it means.
std::string ExitStatus(int code, const std::string& meaning);

}  // namespace tarvel::cli
