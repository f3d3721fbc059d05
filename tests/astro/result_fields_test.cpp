// The list of result values against the record itself: every field of
// SolarResult once, in the record's order, each read from its own member, and
// each event absent exactly when its own flag says it does not occur.
#include "astro/result_fields.h"

#include <gtest/gtest.h>

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
        const char* absentKey;
    } cases[] = {
        {"no transit", [](SolarResult& r) { r.occurs.transit = false; }, "transit"},
        {"no geometric rise", [](SolarResult& r) { r.occurs.geometricRise = false; },
         "geometricRise"},
        {"no geometric set", [](SolarResult& r) { r.occurs.geometricSet = false; }, "geometricSet"},
        {"no apparent rise", [](SolarResult& r) { r.occurs.apparentRise = false; }, "apparentRise"},
        {"no apparent set", [](SolarResult& r) { r.occurs.apparentSet = false; }, "apparentSet"},
        {"no Fajr", [](SolarResult& r) { r.occurs.fajr = false; }, "fajr"},
        {"no Asr 1", [](SolarResult& r) { r.occurs.asr1 = false; }, "asr1"},
        {"no Asr 2", [](SolarResult& r) { r.occurs.asr2 = false; }, "asr2"},
        {"no Isha", [](SolarResult& r) { r.occurs.isha = false; }, "isha"},
        {"no Qibla time", [](SolarResult& r) { r.occurs.qiblaTime = false; }, "qiblaTime"},
        {"no temporal hours", [](SolarResult& r) { r.temporalHours = std::nan(""); },
         "temporalHours"},
    };
    for (const Case& c : cases) {
        SolarResult result = NumberedResult();
        result.occurs = {true, true, true, true, true, true, true, true, true, true};
        c.clear(result);
        std::vector<std::string> absent;
        for (const ResultField& field : kResultFields) {
            if (!field.Present(result)) absent.emplace_back(field.key);
        }
        EXPECT_EQ(absent, std::vector<std::string>{c.absentKey}) << c.what;
    }
}

}  // namespace
}  // namespace tarvel
