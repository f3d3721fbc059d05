// Zone rules for the tests, by name, and a clock reading as text.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "civil/tz_zone_rules.h"
#include "support/solar_support.h"

namespace tarvel::test_support {

// The rules of a zone of the system's tz database; a failure when it has none.
inline std::shared_ptr<const ZoneRules> Rules(const char* name) {
    std::shared_ptr<const ZoneRules> rules = FindZoneRules(name);
    EXPECT_TRUE(rules) << name;
    return rules;
}

}  // namespace tarvel::test_support
