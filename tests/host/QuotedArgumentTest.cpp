#include "download/QuotedArgument.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ArgumentCase {
    const char* name;
    std::string tail;
    std::string path;
};

class UnquotedArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(UnquotedArgumentTest, SingleByteCodePage) {
    const ArgumentCase& c = GetParam();
    EXPECT_EQ(UnquotedArgument(c.tail, NoLeadBytes), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Tails, UnquotedArgumentTest,
    ::testing::Values(
        ArgumentCase{"Plain", "C:\\TEMP\\M1234.TMP", "C:\\TEMP\\M1234.TMP"},
        ArgumentCase{"Quoted", "\"C:\\a b\\x.zip\"", "C:\\a b\\x.zip"},
        ArgumentCase{"QuotedEmpty", "\"\"", ""},
        // An opening quote nothing closes is dropped.
        ArgumentCase{"LoneQuote", "\"", ""},
        ArgumentCase{"OpeningOnly", "\"C:\\a b\\x.zip", "C:\\a b\\x.zip"},
        ArgumentCase{"OpeningOnlyTrailingBlanks", "\"C:\\x.zip \t", "C:\\x.zip"},
        ArgumentCase{"ClosingOnly", "C:\\x.zip\"", "C:\\x.zip\""},
        // A quoted path ends at its closing quote, whatever follows.
        ArgumentCase{"TextAfterClosing", "\"C:\\T\\M1.TMP\" -x", "C:\\T\\M1.TMP"},
        ArgumentCase{"BlankAfterClosing", "\"C:\\a b\\x.zip\" ", "C:\\a b\\x.zip"},
        ArgumentCase{"TwoQuotedTexts", "\"a\" \"b\"", "a"},
        ArgumentCase{"InnerQuotesOnly", "a\"b\"c", "a\"b\"c"},
        // An unquoted path runs to the end, only its trailing blanks and tabs go.
        ArgumentCase{"BlankInsideUnquotedKept", "C:\\a b\\x.zip", "C:\\a b\\x.zip"},
        ArgumentCase{"TrailingBlanksUnquoted", "C:\\x.zip  ", "C:\\x.zip"},
        ArgumentCase{"TrailingTab", "C:\\x.zip\t", "C:\\x.zip"}),
    CaseName());

TEST(UnquotedArgumentDoubleByte, TrailByteQuoteDoesNotClose) {
    // 0x81 0x22 is one character in code page 932: no closing quote, so the
    // opening one is dropped.
    const std::string tail = "\"C:\\\x81\"";
    EXPECT_EQ(UnquotedArgument(tail, ShiftJisLeadByte), "C:\\\x81\"");
    EXPECT_EQ(UnquotedArgument(tail, NoLeadBytes), "C:\\\x81");
}

TEST(UnquotedArgumentDoubleByte, TrailByteBlankStaysWithItsCharacter) {
    // Trimming must not leave half a character.
    const std::string tail = "C:\\\x81 ";
    EXPECT_EQ(UnquotedArgument(tail, ShiftJisLeadByte), tail);
    EXPECT_EQ(UnquotedArgument(tail, NoLeadBytes), "C:\\\x81");
}

TEST(UnquotedArgumentDoubleByte, DoubleByteInsideQuotes) {
    EXPECT_EQ(UnquotedArgument("\"C:\\\x81\x40.zip\"", ShiftJisLeadByte), "C:\\\x81\x40.zip");
}

}  // namespace
