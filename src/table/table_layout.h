// The text of the ephemeris table: five title lines, four heading lines and
// one line per row, for the three places the text goes.
//
// Window: every heading and row cell is its text centred in the column's width
// (CenterInField) followed by "|"; only the title values carry the user's
// decimal separator. File: as the window, and every row cell (the date cell
// included) has its "." replaced by the user's decimal separator after
// centring. Clipboard: every cell is its text as formatted, neither padded nor
// cut, followed by a tab; the title lines are always decimal with a tab after
// " = "; the unit heading line is always decimal ("[h]", "[g]", "[s]"); the
// decimal time column, GMST and LMST print "%9.6lf"; a missing Qibla time is
// " --:--:---" / "--.-----"; every "." of the rows has the user's separator.
//
// A Fajr or Isha of the chosen method that a high-latitude rule gave is
// marked with kRuleMark after its text: in the window and the file the mark
// takes the last blank of the centred cell (so the time stays in its place),
// on the clipboard it follows the text.
//
// A day time that falls on the date after its row's (an evening time after
// midnight, the night's middle) is marked with kNextDateMark before its text,
// one on the date before (a dawn before the date's midnight) with
// kPreviousDateMark: in the window and the file the mark takes the blank just
// before the time in the centred cell, on the clipboard it precedes the text.
//
// Every line of every target ends with CR LF, clipboard rows included (the
// rows of the clipboard text are not ended by a lone CR, which most programs
// would not read as a line break). Texts are UTF-8; widths count characters.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "table/table_columns.h"
#include "table/table_locale.h"
#include "table/table_options.h"
#include "table/table_parameters.h"
#include "table/table_texts.h"

namespace tarvel {

enum class TableTarget {
    Window,
    File,
    Clipboard,
};

// Caption of the message box that reports an error raised while a row was
// produced: "OnBnClickedCompute()" for the window, "ComputeSolarParameters" for
// the file and the clipboard.
const char* TableErrorCaption(TableTarget target);

// One computed row.
struct TableRow {
    ClockInstant instant;
    SolarResult result;
    bool computed = false;  // false: an error was raised by the computation
    std::string error;      // its text
    // The day times of the row (the chosen method's prayers, the twilights,
    // the night), when the run computed them: the prayer columns then show the
    // method's prayers, and the day times' columns need them (without them
    // those cells show 0, and CSV leaves them empty).
    std::optional<DayTimes> days = std::nullopt;
};

// The mark after a prayer time that a high-latitude rule gave.
inline constexpr char kRuleMark[] = "*";

// The marks before a day time on the date after its row's, and on the date
// before it.
inline constexpr char kNextDateMark[] = "+";
inline constexpr char kPreviousDateMark[] = "-";

// The mark of a day offset: kNextDateMark after the date, kPreviousDateMark
// before it, empty on the date.
constexpr const char* OtherDateMark(int dayOffset) {
    return dayOffset > 0 ? kNextDateMark : dayOffset < 0 ? kPreviousDateMark : "";
}

struct TableRowError {
    int row = 0;  // index from 0
    std::string message;
};

// Latitude (degrees, either hemisphere) from which the temporal hours are not
// shown.
inline constexpr double kTableTemporalHoursLatitudeLimit = 66.55;

// The calendar date a row instant falls on, as its Julian Day counts it: 31
// April is 1 May, 29 February of a common year is 1 March.
void RowCalendarDate(const ClockInstant& instant, int& year, int& month, int& day);

class TableTextWriter {
  public:
    TableTextWriter(const TableColumnSet& options, TableTarget target,
                    const TableLocale& locale = TableLocale(),
                    const TableTexts& texts = TableTexts());

    // The five title lines (latitude, longitude, height, zone, summer time),
    // a line naming the prayer method when one other than the program's own
    // is chosen ("metodo delle preghiere = Muslim World League (Fajr -18°,
    // Isha -17°)"), one naming the high-latitude rule when one is chosen
    // ("regola per le alte latitudini = un settimo della notte": the rule of
    // the times marked "*"), and the empty line after them.
    std::string TitleLines(const TableParameters& parameters) const;

    // The four heading lines.
    std::string HeadingLines() const;

    // The cells of one row and its line end. A row that was not computed holds
    // no cell. An error raised while the cells are formatted keeps the cells
    // written before it; the row's or that error's text goes to *error (left
    // empty when there is none). latitude is the run's latitude.
    std::string RowLine(const TableRow& row, double latitude, std::string* error = nullptr) const;

    // Title lines, heading lines and every row; the errors of failing rows are
    // appended to *errors.
    std::string Text(const TableParameters& parameters, const std::vector<TableRow>& rows,
                     std::vector<TableRowError>* errors = nullptr) const;

    // The text of one row cell before it is placed (neither centred nor
    // localized), for column number 1 ... 59 of the column table; without the
    // rule mark.
    std::string CellText(int columnNumber, const TableRow& row, double latitude) const;

  private:
    // The method's name and angles for its title line; empty for the
    // program's own method.
    std::string MethodTitleValue(const TableParameters& parameters) const;
    // The prayer settings' title lines: label and value of each, in order.
    std::vector<std::pair<std::string, std::string>> PrayerTitleItems(
        const TableParameters& parameters) const;

    TableColumnSet options_;
    TableTarget target_;
    TableLocale locale_;
    TableTexts texts_;
    std::vector<const TableColumn*> columns_;  // SelectedTableColumns(options_)
    // Bytes of a window or file row of one-byte characters: the columns'
    // widths, a "|" after each cell and the line end (room kept for a row).
    std::size_t rowLength_ = 2;
};

}  // namespace tarvel
