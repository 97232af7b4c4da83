#include "app/MessageIconRule.h"

#include <gtest/gtest.h>

namespace {

struct IconCase {
    unsigned given;
    unsigned shown;
};

class IconRuleTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconRuleTest, AddsExclamationOnlyWhereTheRuleSays) {
    EXPECT_EQ(ApplyIconRule(GetParam().given), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Types, IconRuleTest,
    ::testing::Values(IconCase{0x00, 0x30},   // OK
                      IconCase{0x01, 0x31},   // OK, Cancel
                      IconCase{0x02, 0x02},   // Abort, Retry, Ignore
                      IconCase{0x03, 0x33},   // Yes, No, Cancel
                      IconCase{0x04, 0x34},   // Yes, No: exclamation, not question
                      IconCase{0x05, 0x05},   // Retry, Cancel
                      IconCase{0x06, 0x06},   // Cancel, Try again, Continue
                      IconCase{0x40, 0x40},   // information given
                      IconCase{0x14, 0x14},   // stop given
                      IconCase{0x24, 0x24},   // question given
                      IconCase{0x1000, 0x1030},  // system-modal flag kept
                      IconCase{0x1002, 0x1002}));

}  // namespace
