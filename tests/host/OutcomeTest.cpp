#include "download/Outcome.h"
#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

// A question answered other than Yes: only the user's No or Cancel lets the
// browser's file go. A box that could not be shown (0) decided nothing.
struct AnswerCase {
    const char* name;
    int answer;
    Outcome outcome;
    bool deletes;
};

class RefusalTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(RefusalTest, OnlyTheUsersDeclineDeletes) {
    const AnswerCase& c = GetParam();
    EXPECT_EQ(RefusalOutcome(c.answer), c.outcome);
    EXPECT_EQ(DeletesTemporaryFile(RefusalOutcome(c.answer)), c.deletes);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusalTest,
    ::testing::Values(AnswerCase{"No", 7, Outcome::Declined, true},
                      AnswerCase{"Cancel", 2, Outcome::Declined, true},
                      AnswerCase{"BoxNotShown", 0, Outcome::NotHandled, false},
                      AnswerCase{"Ok", 1, Outcome::NotHandled, false},
                      AnswerCase{"Abort", 3, Outcome::NotHandled, false}),
    CaseName());

}  // namespace
