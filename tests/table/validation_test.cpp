// The form's checks: their order, their messages and the fractional step.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "table/table_parameters.h"
#include "table/table_run.h"
#include "table/table_texts.h"

namespace tarvel {
namespace {

const char* FieldName(TableField field) {
    switch (field) {
        case TableField::None:
            return "None";
        case TableField::StartInstant:
            return "StartInstant";
        case TableField::Zone:
            return "Zone";
        case TableField::Longitude:
            return "Longitude";
        case TableField::Latitude:
            return "Latitude";
        case TableField::Height:
            return "Height";
        case TableField::PointCount:
            return "PointCount";
        case TableField::StepValue:
            return "StepValue";
    }
    return "?";
}

TableFormTexts ValidForm() {
    return TableFormTexts{"45.5", "-9.19", "120", "50", "1"};
}

TEST(ValidationTest, FormRefusalsInOrder) {
    const struct {
        const char* name;
        TableFormTexts form;
        TableField field;
        const char* message;
    } cases[] = {
        {"valid", ValidForm(), TableField::None, ""},
        {"latitude 91",
         {"91", "-9.19", "120", "50", "1"},
         TableField::Latitude,
         "Immettere un numero compreso tra -90 e 90."},
        {"longitude -180.5",
         {"45", "-180.5", "120", "50", "1"},
         TableField::Longitude,
         "Immettere un numero compreso tra -180 e 180."},
        {"height -1000.5",
         {"45", "9", "-1000.5", "50", "1"},
         TableField::Height,
         "Immettere un numero compreso tra -1000 e 20000."},
        {"height 20000.5",
         {"45", "9", "20000.5", "50", "1"},
         TableField::Height,
         "Immettere un numero compreso tra -1000 e 20000."},
        {"points 0",
         {"45", "9", "0", "0", "1"},
         TableField::PointCount,
         "Immettere un valore intero compreso tra 1 e 1000."},
        {"points 1001",
         {"45", "9", "0", "1001", "1"},
         TableField::PointCount,
         "Immettere un valore intero compreso tra 1 e 1000."},
        {"points 2.5",
         {"45", "9", "0", "2.5", "1"},
         TableField::PointCount,
         "Immettere un valore intero."},
        {"points empty",
         {"45", "9", "0", "", "1"},
         TableField::PointCount,
         "Immettere un valore intero."},
        {"step 0",
         {"45", "9", "0", "50", "0"},
         TableField::StepValue,
         "Immettere un numero compreso tra 0.01 e 60."},
        {"step 61",
         {"45", "9", "0", "50", "61"},
         TableField::StepValue,
         "Immettere un numero compreso tra 0.01 e 60."},
        {"step text", {"45", "9", "0", "50", "uno"}, TableField::StepValue, "Immettere un numero."},
        {"latitude empty", {"", "9", "0", "50", "1"}, TableField::Latitude, "Immettere un numero."},
        // Longitude, latitude and height are read as numbers before any range is
        // checked, and the ranges go height, longitude, latitude.
        {"latitude text, longitude text",
         {"x", "y", "0", "50", "1"},
         TableField::Longitude,
         "Immettere un numero."},
        {"latitude 91, height text",
         {"91", "9", "z", "50", "1"},
         TableField::Height,
         "Immettere un numero."},
        {"latitude 91, longitude 200",
         {"91", "200", "0", "50", "1"},
         TableField::Longitude,
         "Immettere un numero compreso tra -180 e 180."},
        {"latitude 91, height -1005",
         {"91", "9", "-1005", "50", "1"},
         TableField::Height,
         "Immettere un numero compreso tra -1000 e 20000."},
        {"latitude 91, points 0",
         {"91", "9", "0", "0", "1"},
         TableField::Latitude,
         "Immettere un numero compreso tra -90 e 90."},
        {"points 0, step 0",
         {"45", "9", "0", "0", "0"},
         TableField::PointCount,
         "Immettere un valore intero compreso tra 1 e 1000."},
        // A number is read from the start of the text; what follows is ignored.
        {"latitude with text after", {" 45.5 N", "9", "0", " 50 ", "1.5e1x"}, TableField::None, ""},
    };
    for (const auto& c : cases) {
        TableParameters p;
        const TableValidation v = ReadTableForm(c.form, p);
        EXPECT_EQ(v.field, c.field)
            << "ReadTableForm, case \"" << c.name << "\": expected field " << FieldName(c.field)
            << ", obtained " << FieldName(v.field) << " (" << v.message << ")";
        EXPECT_EQ(v.message, std::string(c.message)) << "ReadTableForm, case \"" << c.name << "\"";
    }
}

TEST(ValidationTest, FormValuesAreRead) {
    TableParameters p;
    ASSERT_TRUE(ReadTableForm({" 45.5 N", "-9.19", "120", " 50 ", "1.5e1x"}, p).ok());
    EXPECT_EQ(p.latitude, 45.5);
    EXPECT_EQ(p.longitude, -9.19);
    EXPECT_EQ(p.height, 120.0);
    EXPECT_EQ(p.pointCount, 50);
    EXPECT_EQ(p.stepValue, 15.0);
}

TEST(ValidationTest, ReadLeadingNumber) {
    const struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12.5", true, 12.5}, {"  -3.25abc", true, -3.25},
        {"+7", true, 7.0},    {".5", true, 0.5},
        {"5.", true, 5.0},    {"1e3", true, 1000.0},
        {"1e", true, 1.0},    {"2,5", true, 2.5},
        {"45,5 N", true, 45.5}, {"-0,25", true, -0.25},
        {",5", true, 0.5},    {"1,234.5", false, 0},
        {"1.234,5", false, 0}, {"5..1", false, 0},
        {"1e-999", true, 0.0},
        {"", false, 0},       {"-", false, 0},
        {".", false, 0},      {"abc", false, 0},
        {"nan", false, 0},    {"inf", false, 0},
        {"0x10", true, 0.0},  {"1e999", true, INFINITY},
    };
    for (const auto& c : cases) {
        double value = -1;
        const bool ok = ReadLeadingNumber(c.text, value);
        EXPECT_EQ(ok, c.ok) << "ReadLeadingNumber(\"" << c.text << "\")";
        if (ok && c.ok) {
            EXPECT_EQ(value, c.value) << "ReadLeadingNumber(\"" << c.text << "\")";
        }
    }
}

TEST(ValidationTest, ReadIntegerText) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"50", true, 50},    {" 7 ", true, 7}, {"-3", true, -3}, {"2.5", false, 0},
        {"12abc", false, 0}, {"", false, 0},   {"+", false, 0},  {"99999999999", true, 2147483647},
    };
    for (const auto& c : cases) {
        int value = -1;
        const bool ok = ReadIntegerText(c.text, value);
        EXPECT_EQ(ok, c.ok) << "ReadIntegerText(\"" << c.text << "\")";
        if (ok && c.ok) {
            EXPECT_EQ(value, c.value) << "ReadIntegerText(\"" << c.text << "\")";
        }
    }
}

TEST(ValidationTest, NumericParameters) {
    const struct {
        const char* name;
        void (*change)(TableParameters&);
        TableField field;
    } cases[] = {
        {"defaults", [](TableParameters&) {}, TableField::None},
        {"latitude NaN", [](TableParameters& p) { p.latitude = std::nan(""); },
         TableField::Latitude},
        {"step 0.01", [](TableParameters& p) { p.stepValue = 0.01; }, TableField::None},
        {"step 0.009", [](TableParameters& p) { p.stepValue = 0.009; }, TableField::StepValue},
        {"31 April", [](TableParameters& p) { p.start.month = 4, p.start.day = 31; },
         TableField::StartInstant},
        {"1899-12-31", [](TableParameters& p) { p.start.year = 1899, p.start.month = 12; },
         TableField::StartInstant},
        {"3000-01-01 00:00:00, one row",
         [](TableParameters& p) { p.start.year = 3000, p.start.hour = 0, p.pointCount = 1; },
         TableField::None},
        // The last row must not pass 3000-01-01 00:00:00 either.
        {"3000-01-01 00:00:00, two rows",
         [](TableParameters& p) { p.start.year = 3000, p.start.hour = 0, p.pointCount = 2; },
         TableField::PointCount},
        {"2999-12-31 23:00, two hourly rows",
         [](TableParameters& p) {
             p.start.year = 2999, p.start.month = 12, p.start.day = 31, p.start.hour = 23;
             p.pointCount = 2;
         },
         TableField::None},
        {"1000 rows of 60 years from 1900",
         [](TableParameters& p) {
             p.start.year = 1900, p.stepValue = 60, p.stepUnit = TableStepUnit::Years;
             p.pointCount = 1000;
         },
         TableField::PointCount},
        {"3000-01-01 00:00:01",
         [](TableParameters& p) { p.start.year = 3000, p.start.hour = 0, p.start.second = 1; },
         TableField::StartInstant},
        {"hour 24", [](TableParameters& p) { p.start.hour = 24; }, TableField::StartInstant},
        {"zone 5.75", [](TableParameters& p) { p.zoneHours = 5.75f; }, TableField::None},
        {"zone 5.7", [](TableParameters& p) { p.zoneHours = 5.7f; }, TableField::Zone},
        {"zone NaN", [](TableParameters& p) { p.zoneHours = std::nanf(""); }, TableField::Zone},
    };
    for (const auto& c : cases) {
        TableParameters p;
        c.change(p);
        const TableValidation v = ValidateTableParameters(p);
        EXPECT_EQ(v.field, c.field)
            << "ValidateTableParameters, case \"" << c.name << "\": obtained " << FieldName(v.field)
            << " (" << v.message << ")";
    }
}

TEST(ValidationTest, FractionalStep) {
    EXPECT_TRUE(IsFractionalStepRefused(1.5, TableStepUnit::Hours));
    EXPECT_TRUE(IsFractionalStepRefused(0.5, TableStepUnit::Days));
    EXPECT_FALSE(IsFractionalStepRefused(1.5, TableStepUnit::Seconds));
    EXPECT_FALSE(IsFractionalStepRefused(2.0, TableStepUnit::Years));
    EXPECT_EQ(TableTexts().Get(table_string::kFractionalStep),
              "Valori decimali dell'incremento sono accettabili solo per i secondi");
}

TEST(ValidationTest, RunRefusals) {
    TableParameters p;
    p.stepValue = 1.5;
    p.stepUnit = TableStepUnit::Hours;
    TableRunResult run = RunTable(p, TableOptions(), TableTarget::Window);
    EXPECT_EQ(run.status, TableRunStatus::FractionalStep);
    EXPECT_EQ(run.text, "");
    EXPECT_EQ(run.message, "Valori decimali dell'incremento sono accettabili solo per i secondi");

    p.stepUnit = TableStepUnit::Days;
    p.stepValue = 1;
    p.latitude = 91;
    run = RunTable(p, TableOptions(), TableTarget::Clipboard);
    EXPECT_EQ(run.status, TableRunStatus::InvalidParameters);
    EXPECT_EQ(run.field, TableField::Latitude);
    EXPECT_EQ(run.message, "Immettere un numero compreso tra -90 e 90.");
    EXPECT_EQ(run.text, "");
}

}  // namespace
}  // namespace tarvel
