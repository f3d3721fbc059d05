// The list of result values against the record itself: every field of
// SolarResult once, in the record's order, each read from its own member, and
// each event absent exactly when its own flag says it does not occur.
#include "format/result_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace tarvel {
namespace {

// The record's values are its leading double members, up to the flags.
static_assert(std::is_standard_layout_v<SolarResult> && std::is_trivially_copyable_v<SolarResult>);
constexpr std::size_t kRecordValues = offsetof(SolarResult, occurs) / sizeof(double);
static_assert(offsetof(SolarResult, occurs) % sizeof(double) == 0);

// A result whose values are 1, 2, 3 ... in the order of the record's members,
// written over its memory, so the test does not name the members again.
SolarResult NumberedResult() {
    double values[kRecordValues];
    for (std::size_t i = 0; i < kRecordValues; ++i) values[i] = static_cast<double>(i + 1);
    SolarResult result;
    std::memcpy(static_cast<void*>(&result), values, sizeof values);
    return result;
}

TEST(ResultFieldsTest, EveryRecordFieldOnceInTheRecordsOrder) {
    const SolarResult result = NumberedResult();
    std::set<std::string> keys;
    std::set<std::string> names;
    std::size_t recordFields = 0;
    for (const ResultField& field : kResultFields) {
        names.insert(std::string(field.name));
        if (field.key.empty()) continue;
        EXPECT_EQ(recordFields, static_cast<std::size_t>(field.id))
            << field.key << ": the record's fields come first, in order";
        ++recordFields;
        EXPECT_EQ(field.value(result), static_cast<double>(recordFields))
            << field.key << " reads member #" << recordFields << " of SolarResult";
        keys.insert(std::string(field.key));
    }
    EXPECT_EQ(recordFields, kRecordValues);
    EXPECT_EQ(keys.size(), recordFields) << "JSON keys are unique";
    EXPECT_EQ(names.size(), kResultFields.size()) << "English names are unique";
}

TEST(ResultFieldsTest, ApparentTransitAltitudeIsDerivedFromTwoFields) {
    SolarResult result;
    result.transitAltitude = -13.5;
    result.transitRefraction = 0.75;
    const ResultField& field = FieldOf(ResultFieldId::ApparentTransitAltitude);
    EXPECT_EQ(field.value(result), -12.75);
    EXPECT_TRUE(field.key.empty()) << "not a field of the record";
    EXPECT_TRUE(field.Present(result));
}

TEST(ResultFieldsTest, EachValueIsAbsentExactlyWhenItsOwnMarkerSaysSo) {
    struct Case {
        const char* what;
        void (*clear)(SolarResult&);
        std::vector<std::string> absentKeys;
    } cases[] = {
        {"no transit", [](SolarResult& r) { r.occurs.transit = false; }, {"transit"}},
        // The hours counted from the rise and set go with them.
        {"no geometric rise",
         [](SolarResult& r) { r.occurs.geometricRise = false; },
         {"italianHours", "babylonianHours", "hoursToSunset", "geometricRise"}},
        {"no geometric set",
         [](SolarResult& r) { r.occurs.geometricSet = false; },
         {"italianHours", "babylonianHours", "hoursToSunset", "geometricSet"}},
        {"no apparent rise",
         [](SolarResult& r) { r.occurs.apparentRise = false; },
         {"apparentRise"}},
        {"no apparent set", [](SolarResult& r) { r.occurs.apparentSet = false; }, {"apparentSet"}},
        {"no Fajr", [](SolarResult& r) { r.occurs.fajr = false; }, {"fajr"}},
        {"no Asr 1", [](SolarResult& r) { r.occurs.asr1 = false; }, {"asr1"}},
        {"no Asr 2", [](SolarResult& r) { r.occurs.asr2 = false; }, {"asr2"}},
        {"no Isha", [](SolarResult& r) { r.occurs.isha = false; }, {"isha"}},
        {"no Qibla time", [](SolarResult& r) { r.occurs.qiblaTime = false; }, {"qiblaTime"}},
        {"no temporal hours",
         [](SolarResult& r) { r.temporalHours = std::nan(""); },
         {"temporalHours"}},
    };
    for (const Case& c : cases) {
        SolarResult result = NumberedResult();
        result.occurs = {true, true, true, true, true, true, true, true, true, true};
        c.clear(result);
        std::vector<std::string> absent;
        for (const ResultField& field : kResultFields) {
            if (!field.Present(result)) absent.emplace_back(field.key);
        }
        EXPECT_EQ(absent, c.absentKeys) << c.what;
    }
}

// The list of DayTimes values against that record, read through its members.
TEST(DayTimes, ResultFieldsOfTheDayTimes) {
    DayTimes d;
    double* values[] = {&d.fajr,
                        &d.sunrise,
                        &d.zuhr,
                        &d.asr1,
                        &d.asr2,
                        &d.maghrib,
                        &d.isha,
                        &d.civilDawn,
                        &d.civilDusk,
                        &d.nauticalDawn,
                        &d.nauticalDusk,
                        &d.astronomicalDawn,
                        &d.astronomicalDusk,
                        &d.goldenHourEnd,
                        &d.goldenHourStart,
                        &d.nightLength,
                        &d.nightMiddle,
                        &d.nightLastThird};
    ASSERT_EQ(std::size(values), kDayTimeFields.size());
    for (std::size_t i = 0; i < std::size(values); ++i) *values[i] = static_cast<double>(i + 1);
    d.fajrRule = HighLatitudeRule::kSeventhOfTheNight;
    const SolarResult result;
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < kDayTimeFields.size(); ++i) {
        const ResultField& f = kDayTimeFields[i];
        EXPECT_EQ(f.ValueOf(result, &d), static_cast<double>(i + 1)) << f.key;
        EXPECT_FALSE(f.PresentIn(result, &d)) << f.key << ": no flag set";
        EXPECT_FALSE(f.PresentIn(result, nullptr)) << f.key << ": no day times";
        EXPECT_TRUE(std::isnan(f.ValueOf(result, nullptr))) << f.key;
        EXPECT_EQ(&FieldOf(f.id), &f) << f.key;
        keys.emplace_back(f.key);
        if (!f.ruleKey.empty()) keys.emplace_back(f.ruleKey);
    }
    EXPECT_EQ(kDayTimeFields[0].RuleIn(&d), HighLatitudeRule::kSeventhOfTheNight);
    EXPECT_EQ(kDayTimeFields[6].RuleIn(&d), HighLatitudeRule::kNone);
    EXPECT_EQ(kDayTimeFields[6].ruleKey, "ishaRule");
    EXPECT_EQ(kDayTimeFields[1].RuleIn(&d), HighLatitudeRule::kNone);
    // Keys unique, and none of the documented record's.
    for (const ResultField& f : kResultFields) keys.emplace_back(f.key);
    std::vector<std::string> sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::remove(sorted.begin(), sorted.end(), ""), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    // Each flag makes its own values present: the night three of them.
    d.occurs.night = true;
    int present = 0;
    for (const ResultField& f : kDayTimeFields) present += f.PresentIn(result, &d) ? 1 : 0;
    EXPECT_EQ(present, 3);
}

}  // namespace
}  // namespace tarvel
